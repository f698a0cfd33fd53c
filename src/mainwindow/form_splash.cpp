#include "mainwindow/form_splash.h"

#include "platform/notifier.h"
#include "platform/shell.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace vornith::mainwindow {
namespace {

const QString kPaginaWeb = QStringLiteral("www.zelmsoftware.example/es/");
const QString kCorreo = QStringLiteral("info@zelmsoftware.example");

QLabel* etiqueta(QWidget* padre, const QString& texto, QRect donde, int puntos, bool negrita,
                 const QColor& color) {
    auto* l = new QLabel(texto, padre);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(puntos);
    f.setBold(negrita);
    l->setFont(f);
    QPalette paleta = l->palette();
    paleta.setColor(QPalette::WindowText, color);
    l->setPalette(paleta);
    l->setGeometry(donde);
    return l;
}

} // namespace

QString TextoVersion() {
    return QStringLiteral("Versión: %1.%2").arg(VORNITH_VERSION_MAJOR).arg(VORNITH_VERSION_MINOR);
}

FormSplash::FormSplash(Shell& shell, Notifier& avisos, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::FramelessWindowHint), shell_(shell), avisos_(avisos) {
    setWindowTitle(QStringLiteral("Acerca de Proyecto1"));
    setFixedSize(500, 250);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, Qt::white);
    setPalette(fondo);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap(QStringLiteral(":/ui/splash.png")));
    Image1->setGeometry(10, 10, 180, 230);
    const QColor tinta(24, 40, 72);
    LblTIT1 = etiqueta(this, QStringLiteral("Vornith - NORV"), {210, 24, 280, 36}, 22, true, tinta);
    LblTIT2 = etiqueta(this, QStringLiteral("Física: Cinemática y Dinámica"), {210, 64, 280, 22},
                       12, false, tinta);
    lblVersion = etiqueta(this, TextoVersion(), {210, 96, 280, 20}, 10, false, tinta);
    LblWEB = etiqueta(this, kPaginaWeb, {210, 150, 280, 20}, 10, false, QColor(30, 80, 170));
    LblWEB->setToolTip(kPaginaWeb);
    LlblMAIL = etiqueta(this, kCorreo, {210, 172, 280, 20}, 10, false, QColor(30, 80, 170));
    for (QLabel* enlace : {LblWEB, LlblMAIL}) {
        QFont f = enlace->font();
        f.setUnderline(true);
        enlace->setFont(f);
        enlace->setCursor(Qt::PointingHandCursor);
        enlace->installEventFilter(this);
    }
    lblNota = etiqueta(this, QStringLiteral("Haga clic o pulse una tecla para continuar."),
                       {210, 214, 280, 18}, 8, false, QColor(110, 116, 126));

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(400);
    connect(Timer1, &QTimer::timeout, this, &FormSplash::Descarga);
    Timer1->start();
}

void FormSplash::DetieneTemporizador() {
    Timer1->stop();
}

bool FormSplash::TemporizadorActivo() const {
    return Timer1->isActive();
}

// Three shapes frame the window: an outer border, a band behind the titles, a rule.
void FormSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(QRect(200, 14, 290, 110), QColor(232, 240, 248));
    p.setPen(QPen(QColor(24, 40, 72), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(170, 184, 204), 1));
    p.drawLine(210, 136, 488, 136);
}

// The notifier outlives the About window: a failure told after it closed is still shown.
void FormSplash::LblWEB_Click() {
    shell_.open(QStringLiteral("https://") + kPaginaWeb, [&avisos = avisos_] {
        avisos.ask(QStringLiteral("No se puede abrir la página ") + kPaginaWeb +
                       QStringLiteral("\r\nAsegúrese de tener una conexión activa a internet y "
                                      "un navegador instalado."),
                   QStringLiteral("No se puede abrir la página"), Notifier::Buttons::Ok,
                   Notifier::Icon::Exclamation);
    });
}

void FormSplash::LlblMAIL_Click() {
    shell_.open(QStringLiteral("mailto:") + kCorreo, [&avisos = avisos_] {
        avisos.ask(QStringLiteral("No se puede acceder al correo.\r\nAsegúrese de tener una "
                                  "conexión activa a internet y un lector de correos instalado."),
                   QStringLiteral("No se puede acceder al correo"), Notifier::Buttons::Ok,
                   Notifier::Icon::Exclamation);
    });
}

bool FormSplash::eventFilter(QObject* objeto, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (objeto == LblWEB)
            LblWEB_Click();
        else if (objeto == LlblMAIL)
            LlblMAIL_Click();
        return true;
    }
    return QDialog::eventFilter(objeto, event);
}

void FormSplash::mousePressEvent(QMouseEvent*) {
    Descarga();
}

void FormSplash::keyPressEvent(QKeyEvent*) {
    Descarga();
}

void FormSplash::closeEvent(QCloseEvent* event) {
    event->ignore();
    Descarga();
}

// Unloads the window (finished() follows) and shows the main window.
void FormSplash::Descarga() {
    Timer1->stop();
    if (MostrarVentanaPrincipal) MostrarVentanaPrincipal();
    done(QDialog::Accepted);
}

} // namespace vornith::mainwindow
