#include "mainwindow/form_ini_opt.h"

#include "dialogs/imagenes_ui.h"
#include "platform/qt/font_resolver.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace vornith::mainwindow {

namespace {

constexpr QSize kTamano{740, 285};
constexpr int kAnchoEtiqueta = 136;

struct DatosOpcion {
    const char16_t* linea1; // Label2
    const char16_t* linea2; // Label1
    const char16_t* comando;
    const char16_t* ejemplo; // file in Ejemplos/, or null
};

constexpr std::array<DatosOpcion, 5> kOpciones{{
    {u"Abrir ejemplo", u" MATEMÁTICAS", u"OPEN:", u"Ejemplo matemáticas.col"},
    {u"Abrir ejemplo", u"FÍSICA", u"OPEN:", u"Ejemplo física.col"},
    {u"Abrir ejemplo", u"QUÍMICA", u"OPEN:", u"Ejemplo química.col"},
    {u"Abrir", u"Colección guardada...", u"OPEN?:", nullptr},
    {u"Asistente para", u"Nueva colección", u"WIZARD:", nullptr},
}};

QFont fuente(const char* familia, int puntos, bool negrita, bool cursiva = false) {
    QFont f(FontResolver::familyFor(QString::fromLatin1(familia)));
    f.setPointSize(puntos);
    f.setBold(negrita);
    f.setItalic(cursiva);
    return f;
}

QLabel* etiqueta(QWidget* padre, const QString& texto, const QFont& f) {
    auto* l = new QLabel(texto, padre);
    l->setFont(f);
    return l;
}

} // namespace

FormIniOpt::FormIniOpt(QWidget* padre, Settings& ajustes, const QString& carpetaDatos,
                       bool& NoMostrarInicio, QString& ComandoInicio)
    : QDialog(padre), ajustes_(ajustes), carpeta_(carpetaDatos),
      NoMostrarInicio_(NoMostrarInicio), ComandoInicio_(ComandoInicio) {
    setWindowTitle(QStringLiteral("Vornith"));
    setFixedSize(kTamano);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    paleta.setColor(QPalette::WindowText, QColor(64, 64, 128));
    setPalette(paleta);

    auto* Label4_1 = etiqueta(this, QStringLiteral("Vornith"), fuente("Arial", 16, true));
    Label4_1->setGeometry(20, 8, 400, 30);
    auto* Label4_0 = etiqueta(this, QStringLiteral("¿Qué quiere usted hacer?"),
                              fuente("Times New Roman", 13, false, true));
    Label4_0->setGeometry(20, 38, 400, 24);

    ComandoInicio_.clear();

    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setStyleSheet(QStringLiteral("QFrame { border: 1px solid rgb(132, 132, 180); "
                                         "background: rgb(236, 236, 248); }"));
    Shape1->hide();

    Boton = {573, 233};
    Image1 = new QLabel(this);
    Image1->setPixmap(dialogs::ImagenUi(QStringLiteral("boton")));
    Image1->setGeometry(QRect(Boton, QSize(141, 34)));
    Label3 = etiqueta(this, QStringLiteral("Cancelar"), fuente("Arial", 9, false));
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3->setGeometry(Boton.x(), Boton.y() + 6, Image1->width(), 22);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->installEventFilter(this);

    const QPixmap opcion = dialogs::ImagenUi(QStringLiteral("opcion"));
    const QPixmap asistente = dialogs::ImagenUi(QStringLiteral("asistente"));
    for (int i = 0; i < 5; ++i) {
        const DatosOpcion& o = kOpciones[static_cast<std::size_t>(i)];
        Opcion[static_cast<std::size_t>(i)] = {50 + 140 * i, 75};
        const QPoint p = Opcion[static_cast<std::size_t>(i)];
        auto& img = ImageOP[static_cast<std::size_t>(i)];
        img = new QLabel(this);
        img->setPixmap(i == 4 ? asistente : opcion);
        img->setGeometry(QRect(p, QSize(64, 64)));
        auto& l2 = Label2[static_cast<std::size_t>(i)];
        l2 = etiqueta(this, QString::fromUtf16(o.linea1), fuente("Arial", 9, false));
        l2->setGeometry(p.x() - 36, p.y() + 65, kAnchoEtiqueta, 17);
        auto& l1 = Label1[static_cast<std::size_t>(i)];
        l1 = etiqueta(this, QString::fromUtf16(o.linea2), fuente("Arial", 9, true));
        l1->setGeometry(p.x() - 36, p.y() + 82, kAnchoEtiqueta, 17);
        for (QLabel* l : {img, l2, l1}) {
            l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            l->setCursor(Qt::PointingHandCursor);
            l->installEventFilter(this);
        }
    }
    Shape1->resize(Label1[0]->width() + 4, 82 + 17 + 8 + 4);
    Shape1->lower();

    Check1 = new QCheckBox(QStringLiteral("Mostrar esta ventana al inicio"), this);
    Check1->setFont(fuente("Arial", 9, false));
    Check1->setGeometry(24, 240, 300, 22);
    Check1->setChecked(true);
}

bool FormIniOpt::Mostrar() const {
    return Check1->isChecked();
}

void FormIniOpt::ImageOP_Click(int i) {
    if (i < 0 || i >= 5) return;
    const DatosOpcion& o = kOpciones[static_cast<std::size_t>(i)];
    ComandoInicio_ = QString::fromUtf16(o.comando);
    if (o.ejemplo != nullptr)
        ComandoInicio_ += carpeta_ + QStringLiteral("/Ejemplos/") + QString::fromUtf16(o.ejemplo);
    accept();
}

void FormIniOpt::Label3_Click() {
    ComandoInicio_.clear();
    reject();
}

void FormIniOpt::done(int resultado) {
    Form_Unload();
    QDialog::done(resultado);
}

void FormIniOpt::Form_Unload() {
    if (descargada_) return;
    descargada_ = true;
    NoMostrarInicio_ = true;
    ajustes_.setValue(QStringLiteral("INI_WIN"), QStringLiteral("SHOW"),
                      Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void FormIniOpt::pulsaOpcion(int i, bool pulsada) {
    const auto k = static_cast<std::size_t>(i);
    const QPoint d = pulsada ? QPoint(1, 1) : QPoint();
    const QPoint p = Opcion[k];
    ImageOP[k]->move(p + d);
    Label2[k]->move(QPoint(p.x() - 36, p.y() + 65) + d);
    Label1[k]->move(QPoint(p.x() - 36, p.y() + 82) + d);
    Shape1->move(p.x() - 37, p.y() - 8);
    Shape1->setVisible(pulsada);
}

void FormIniOpt::pulsaCancelar(bool pulsado) {
    const QPoint d = pulsado ? QPoint(1, 1) : QPoint();
    Image1->move(Boton + d);
    Label3->move(Boton + QPoint(0, 6) + d);
}

// A press shows the pressed look; the release restores it and chooses only when it falls on
// the control pressed.
bool FormIniOpt::eventFilter(QObject* objeto, QEvent* event) {
    const bool pulsa = event->type() == QEvent::MouseButtonPress;
    const bool suelta = event->type() == QEvent::MouseButtonRelease;
    if (!pulsa && !suelta) return QDialog::eventFilter(objeto, event);
    auto* control = static_cast<QWidget*>(objeto);
    auto* raton = static_cast<QMouseEvent*>(event);
    if (raton->button() != Qt::LeftButton) return true;
    const bool dentro = control->rect().contains(raton->position().toPoint());
    if (objeto == Label3) {
        pulsaCancelar(pulsa);
        if (suelta && dentro) Label3_Click();
        return true;
    }
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (objeto != ImageOP[k] && objeto != Label1[k] && objeto != Label2[k]) continue;
        pulsaOpcion(i, pulsa);
        if (suelta && dentro) ImageOP_Click(i);
        return true;
    }
    return QDialog::eventFilter(objeto, event);
}

} // namespace vornith::mainwindow
