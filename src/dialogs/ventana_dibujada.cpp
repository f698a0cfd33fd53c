#include "dialogs/ventana_dibujada.h"

#include "dialogs/controles_sueltos.h"
#include "dialogs/imagenes_ui.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace vornith::dialogs {

Comando::Comando(const QString& caption, std::function<void()> accion, QObject* padre)
    : QObject(padre), caption_(caption), accion_(std::move(accion)) {}

void Comando::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    emit cambiado();
}

void Comando::setEnabled(bool habilitado) {
    if (habilitado == habilitado_) return;
    habilitado_ = habilitado;
    emit cambiado();
}

void Comando::ejecuta() {
    if (habilitado_ && accion_) accion_();
}

QImage FondoRayado(QSize tamano) {
    QImage imagen(tamano, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    for (int y = 0; y < imagen.height(); y += 2) {
        auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        std::fill(fila, fila + imagen.width(), kColorRayado);
    }
    return imagen;
}

Lienzo::Lienzo(QWidget* padre, QImage imagen) : QWidget(padre), imagen_(std::move(imagen)) {
    setFixedSize(imagen_.size());
}

void Lienzo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, imagen_);
}

VentanaDibujada::VentanaDibujada(QWidget* padre, QSize tamano, const QString& titulo, int anchoAsa,
                                 int anchoVentana)
    : QDialog(padre, Qt::Dialog | Qt::FramelessWindowHint), fondo_(FondoRayado(tamano)) {
    setFixedSize(tamano);
    setWindowTitle(titulo);
    setFont(FuenteArial(9, false));
    {
        QPainter p(&fondo_);
        p.setPen(QColor(kColorBordeVentana));
        p.drawRect(0, 0, tamano.width() - 1, tamano.height() - 1);
    }

    asa_ = new QLabel(this);
    asa_->setPixmap(ImagenUi(QStringLiteral("asa")));
    asa_->setScaledContents(true);
    asa_->setGeometry(0, 0, anchoAsa, 30);
    asa_->installEventFilter(this);

    titulo_ = new QLabel(titulo, this);
    titulo_->setFont(FuenteArial(11, true));
    PonColorTexto(titulo_, kColorTinta);
    titulo_->move(anchoAsa >= tamano.width() - 10 ? 14 : anchoAsa + 8, 6);
    titulo_->adjustSize();
    titulo_->installEventFilter(this);

    cerrar_ = new QLabel(QStringLiteral("×"), this);
    cerrar_->setFont(FuenteArial(15, true));
    PonColorTexto(cerrar_, kColorTinta);
    cerrar_->setToolTip(QStringLiteral("Cerrar"));
    cerrar_->setAlignment(Qt::AlignCenter);
    reposoCerrar_ = QPoint(anchoVentana - 26, 1);
    cerrar_->setGeometry(QRect(reposoCerrar_, QSize(20, 26)));
    cerrar_->installEventFilter(this);
}

int VentanaDibujada::Muestra() {
    const QWidget* padre = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect sobre =
        padre ? padre->frameGeometry() : (screen() ? screen()->availableGeometry() : QRect());
    if (sobre.isValid()) move(sobre.center() - rect().center());
    return exec();
}

void VentanaDibujada::AgregaBoton(Comando* comando, QPoint reposo) {
    BotonDibujado boton;
    boton.comando = comando;
    boton.Boton = reposo;
    boton.Image1 = new QLabel(this);
    boton.Image1->setFixedSize(141, 34);
    boton.Image1->move(reposo);
    boton.Label3 = new QLabel(this);
    boton.Label3->setFont(FuenteArial(10, true));
    boton.Label3->setAlignment(Qt::AlignCenter);
    boton.Label3->setGeometry(reposo.x(), reposo.y() + 6, 141, 22);
    boton.Label3->setFocusPolicy(Qt::NoFocus);
    boton.Label3->installEventFilter(this);
    botones_.push_back(boton);
    actualizaBoton(boton);
    connect(comando, &Comando::cambiado, this,
            [this, i = botones_.size() - 1] { actualizaBoton(botones_[i]); });
}

void VentanaDibujada::actualizaBoton(const BotonDibujado& boton) {
    const bool habilitado = boton.comando->isEnabled();
    QPixmap cara =
        ImagenUi(habilitado ? QStringLiteral("boton") : QStringLiteral("boton_deshabilitado"));
    if (boton.fondo.isValid()) {
        // Inside the border and its light inner line, so the rounded edge stays whole.
        QPainter p(&cara);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(boton.fondo);
        p.drawRoundedRect(QRectF(2, 2, cara.width() - 5, cara.height() - 5), 4.5, 4.5);
    }
    boton.Image1->setPixmap(cara);
    boton.Label3->setText(boton.comando->caption());
    PonColorTexto(boton.Label3, habilitado ? kColorTinta : kColorTextoDeshabilitado);
}

void VentanaDibujada::PonEsquinas(QPoint izquierda, QPoint derecha) {
    const std::pair<QPoint, QString> esquinas[] = {{izquierda, QStringLiteral("esquina_izquierda")},
                                                   {derecha, QStringLiteral("esquina_derecha")}};
    for (const auto& [lugar, nombre] : esquinas) {
        auto* esquina = new QLabel(this);
        esquina->setPixmap(ImagenUi(nombre));
        esquina->setGeometry(QRect(lugar, QSize(6, 6)));
        esquina->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void VentanaDibujada::PonFondoBoton(int i, QRgb color) {
    BotonDibujado& boton = botones_.at(static_cast<std::size_t>(i));
    boton.fondo = QColor(color);
    actualizaBoton(boton);
}

void VentanaDibujada::Label3_Click(int i) {
    if (i >= 0 && i < NumBotones()) botones_[static_cast<std::size_t>(i)].comando->ejecuta();
}

void VentanaDibujada::Cierra(bool aceptada) {
    QDialog::done(aceptada ? Accepted : Rejected);
}

void VentanaDibujada::reject() {
    Cancelar();
}

void VentanaDibujada::keyPressEvent(QKeyEvent* event) {
    const bool intro = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (intro && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Aceptar();
        return;
    }
    QDialog::keyPressEvent(event);
}

void VentanaDibujada::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, fondo_);
}

void VentanaDibujada::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Activacion();
}

bool VentanaDibujada::eventFilter(QObject* objeto, QEvent* event) {
    if (objeto == asa_ || objeto == titulo_) return arrastre(event);
    if (objeto == cerrar_) return marcaCerrar(event);
    for (std::size_t i = 0; i < botones_.size(); ++i) {
        if (objeto == botones_[i].Label3) return botonDibujado(static_cast<int>(i), event);
    }
    return QDialog::eventFilter(objeto, event);
}

bool VentanaDibujada::arrastre(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // Wayland lets no client place its windows: the compositor moves it.
        if (QGuiApplication::platformName() == QLatin1String("wayland") && windowHandle() &&
            windowHandle()->startSystemMove())
            return true;
        Arrastrando = true;
        Arrastre = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pos();
        return true;
    }
    case QEvent::MouseMove:
        if (Arrastrando)
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - Arrastre);
        return true;
    case QEvent::MouseButtonRelease:
        Arrastrando = false;
        return true;
    default:
        return false;
    }
}

bool VentanaDibujada::botonDibujado(int i, QEvent* event) {
    const BotonDibujado& boton = botones_[static_cast<std::size_t>(i)];
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!boton.comando->isEnabled()) return true;
        pulsado_ = i;
        boton.Image1->move(boton.Boton + QPoint(1, 1));
        boton.Label3->move(boton.Boton + QPoint(1, 7));
        return true;
    case QEvent::MouseButtonRelease: {
        if (pulsado_ != i) return true;
        pulsado_ = -1;
        boton.Image1->move(boton.Boton);
        boton.Label3->move(boton.Boton + QPoint(0, 6));
        const auto* raton = static_cast<QMouseEvent*>(event);
        if (boton.Label3->rect().contains(raton->position().toPoint())) Label3_Click(i);
        return true;
    }
    default:
        return false;
    }
}

bool VentanaDibujada::marcaCerrar(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        cerrarPulsado_ = true;
        PonColorTexto(cerrar_, qRgb(255, 255, 255));
        cerrar_->move(reposoCerrar_ + QPoint(1, 1));
        return true;
    case QEvent::MouseButtonRelease: {
        if (!cerrarPulsado_) return true;
        cerrarPulsado_ = false;
        PonColorTexto(cerrar_, kColorTinta);
        cerrar_->move(reposoCerrar_);
        const auto* raton = static_cast<QMouseEvent*>(event);
        if (cerrar_->rect().contains(raton->position().toPoint())) Cancelar();
        return true;
    }
    default:
        return false;
    }
}

} // namespace vornith::dialogs
