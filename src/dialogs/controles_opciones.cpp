#include "dialogs/controles_opciones.h"

#include "dialogs/controles_sueltos.h"
#include "dialogs/imagenes_ui.h"
#include "dialogs/numero_texto.h"
#include "dialogs/ventana_dibujada.h"
#include "document/comprobacion_guardado.h"
#include "document/conversion_numerica.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace vornith::dialogs {

const Paleta kPaletaAsistente = {
    rgb(255, 255, 255), rgb(224, 192, 192), rgb(255, 192, 192), rgb(224, 255, 192),
    rgb(192, 255, 224), rgb(192, 255, 192), rgb(192, 192, 255), rgb(192, 255, 255),
    rgb(255, 192, 255), rgb(255, 224, 224), rgb(255, 255, 192), rgb(255, 224, 192),
    rgb(192, 192, 192), rgb(255, 255, 224), rgb(255, 224, 255), rgb(192, 224, 255),
    rgb(224, 224, 255), rgb(192, 224, 192), rgb(224, 255, 255), rgb(192, 224, 255),
    rgb(224, 192, 255), rgb(192, 224, 224)};

const Paleta kPaletaResalte = {
    rgb(255, 255, 255), rgb(224, 224, 224), rgb(192, 192, 192), rgb(224, 224, 255),
    rgb(192, 192, 224), rgb(192, 192, 255), rgb(192, 224, 255), rgb(192, 224, 224),
    rgb(192, 255, 255), rgb(224, 255, 255), rgb(192, 224, 192), rgb(192, 255, 192),
    rgb(192, 255, 224), rgb(224, 255, 192), rgb(255, 255, 192), rgb(255, 255, 224),
    rgb(255, 224, 192), rgb(255, 192, 192), rgb(255, 192, 255), rgb(224, 192, 255),
    rgb(255, 224, 255), rgb(255, 224, 224)};

namespace {

QColor color(Rgb c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

// One row of the page-number table: the combos' key, the code and the preview pictures.
struct NumeroPagina {
    const char* clave;
    int codigo;
    const char* pagina;  // Image4(0)
    const char* opuesta; // Image4(1), for inside and outside only
};

constexpr NumeroPagina kNumerosPagina[] = {
    {"Arriba Derecha", 1, "numero_arriba_derecha", nullptr},
    {"Arriba Izquierda", 2, "numero_arriba_izquierda", nullptr},
    {"Arriba Centro", 3, "numero_arriba_centro", nullptr},
    {"Arriba Interior", 4, "numero_arriba_derecha", "numero_arriba_izquierda"},
    {"Arriba Exterior", 5, "numero_arriba_izquierda", "numero_arriba_derecha"},
    {"Abajo Derecha", 9, "numero_abajo_derecha", nullptr},
    {"Abajo Izquierda", 10, "numero_abajo_izquierda", nullptr},
    {"Abajo Centro", 11, "numero_abajo_centro", nullptr},
    {"Abajo Interior", 12, "numero_abajo_derecha", "numero_abajo_izquierda"},
    {"Abajo Exterior", 13, "numero_abajo_izquierda", "numero_abajo_derecha"},
};

// Combo2's index for the alignment part of a stored code; anything else is "Centro".
int indiceAlineacion(int alineacion) {
    switch (alineacion) {
    case 1:
        return 2; // Derecha
    case 2:
        return 0; // Izquierda
    case 4:
        return 3; // Interior
    case 5:
        return 4; // Exterior
    default:
        return 1; // Centro
    }
}

const char* kPreviewSoluciones[] = {"soluciones_ninguna", "soluciones_tras_problema",
                                    "soluciones_al_final", "soluciones_aparte"};

QWidget* grupo(QWidget* padre, int ancho, int alto) {
    auto* g = new QWidget(padre);
    g->setFixedSize(ancho, alto);
    return g;
}

QLineEdit* caja(QWidget* padre, int x, int y, int ancho) {
    auto* c = new QLineEdit(padre);
    c->setGeometry(x, y, ancho, 24);
    return c;
}

// The title, prefix and suffix boxes take only what the collection file can hold: a typed or
// pasted character outside its code page, or one that completes a header tag, is refused, and
// the reason kept for the note beside the box.
class TextoDeCabecera final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override {
        rechazo_ = document::RechazoCabecera(texto);
        return rechazo_.isEmpty() ? Acceptable : Invalid;
    }
    const QString& rechazo() const { return rechazo_; }

  private:
    mutable QString rechazo_;
};

QLineEdit* cajaDeCabecera(QWidget* padre, int x, int y, int ancho) {
    QLineEdit* c = caja(padre, x, y, ancho);
    c->setValidator(new TextoDeCabecera(c));
    return c;
}

void desmarcaTodos(QButtonGroup* g) {
    g->setExclusive(false);
    for (auto* b : g->buttons())
        b->setChecked(false);
    g->setExclusive(true);
}

} // namespace

FilaColores::FilaColores(const Paleta& paleta, QWidget* padre) : QWidget(padre), paleta_(paleta) {
    setFixedSize(444, 21);
    setCursor(Qt::PointingHandCursor);
}

void FilaColores::PonShape2Left(int left) {
    shape2Left_ = left;
    update();
}

void FilaColores::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int k = 0; k < 22; ++k) {
        const int x = 3 + 20 * k;
        p.fillRect(x + 1, 4, 13, 13, color(paleta_[static_cast<std::size_t>(k)]));
        p.setPen(QColor(96, 96, 96));
        p.drawRect(x, 3, 13, 13);
    }
    p.setPen(QPen(QColor(kColorTinta), 2));
    p.drawRect(QRectF(shape2Left_, 1, 17, 18));
}

void FilaColores::mousePressEvent(QMouseEvent* event) {
    const int k = static_cast<int>(std::floor(event->position().x() / 20));
    if (k < 0 || k > 21) return;
    PonShape2Left(20 * k + 2);
    emit elegido(paleta_[static_cast<std::size_t>(k)]);
}

ControlesOpciones::ControlesOpciones(document::DatosColeccion& coleccion, const Paleta& paleta,
                                     QWidget* padre)
    : QObject(padre), Coleccion(coleccion), paleta_(paleta) {
    GrupoTitulo = grupo(padre, 500, 26);
    TxTITULO = cajaDeCabecera(GrupoTitulo, 0, 0, 500);

    GrupoOrdenacion = grupo(padre, 300, 56);
    Option11 = Opcion(GrupoOrdenacion, QStringLiteral("Ordenar por temas"), 0, 0);
    Option12 = Opcion(GrupoOrdenacion, QStringLiteral("No ordenar (aleatorio)"), 0, 30);
    grupoOrden_ = new QButtonGroup(this);
    grupoOrden_->addButton(Option11, 1);
    grupoOrden_->addButton(Option12, 0);

    GrupoSoluciones = grupo(padre, 460, 140);
    Option1 = Opcion(GrupoSoluciones, QStringLiteral("Sin soluciones"), 0, 0);
    Option13 = Opcion(GrupoSoluciones, QStringLiteral("Después de cada problema"), 0, 30);
    Option19 = Opcion(GrupoSoluciones, QStringLiteral("Todas juntas al final"), 0, 60);
    Option5 = Opcion(GrupoSoluciones, QStringLiteral("En página aparte"), 0, 90);
    Image2 = new QLabel(GrupoSoluciones);
    Image2->setGeometry(340, 0, 110, 140);
    grupoSoluciones_ = new QButtonGroup(this);
    int posicion = 0;
    for (auto* o : {Option1, Option13, Option19, Option5})
        grupoSoluciones_->addButton(o, posicion++);

    GrupoNumeracionProblemas = grupo(padre, 460, 126);
    Etiqueta(GrupoNumeracionProblemas, QStringLiteral("Iniciar en:"), 0, 4);
    TxNumProbINI = caja(GrupoNumeracionProblemas, 80, 0, 60);
    Etiqueta(GrupoNumeracionProblemas, QStringLiteral("Prefijo:"), 0, 38);
    TxProPre = cajaDeCabecera(GrupoNumeracionProblemas, 80, 34, 100);
    Etiqueta(GrupoNumeracionProblemas, QStringLiteral("Sufijo:"), 210, 38);
    TxProSuf = cajaDeCabecera(GrupoNumeracionProblemas, 270, 34, 100);
    Etiqueta(GrupoNumeracionProblemas, QStringLiteral("Color resalte nº de problema:"), 0, 76);
    Picture2 = new FilaColores(paleta_, GrupoNumeracionProblemas);
    Picture2->move(0, 100);

    GrupoNumeracionPaginas = grupo(padre, 460, 120);
    Check1 = new QCheckBox(QStringLiteral("Numerar páginas"), GrupoNumeracionPaginas);
    Check1->adjustSize();
    Frame2 = new QWidget(GrupoNumeracionPaginas);
    Frame2->setGeometry(20, 30, 440, 90);
    Etiqueta(Frame2, QStringLiteral("Posición"), 0, 4);
    Combo1 = new QComboBox(Frame2);
    Combo1->setGeometry(80, 0, 120, 24);
    Etiqueta(Frame2, QStringLiteral("Alineación"), 0, 34);
    Combo2 = new QComboBox(Frame2);
    Combo2->setGeometry(80, 30, 120, 24);
    Etiqueta(Frame2, QStringLiteral("Iniciar en"), 0, 64);
    TxINIPAG = caja(Frame2, 80, 60, 60);
    for (int i = 0; i < 2; ++i) {
        Image4[static_cast<std::size_t>(i)] = new QLabel(Frame2);
        Image4[static_cast<std::size_t>(i)]->setGeometry(260 + 56 * i, 10, 50, 70);
    }
    Image4[1]->hide();
    Frame2->hide();

    connect(grupoOrden_, &QButtonGroup::idToggled, this, [this](int id, bool marcado) {
        if (marcado) Coleccion.ORDENA = id == 1;
    });
    connect(grupoSoluciones_, &QButtonGroup::idToggled, this, [this](int id, bool marcado) {
        if (marcado) Option_Click(id);
    });
    connect(TxTITULO, &QLineEdit::textChanged, this, [this](const QString& texto) {
        Coleccion.TITULO = document::SinBlancos(texto).toString();
    });
    connect(TxProPre, &QLineEdit::textChanged, this,
            [this](const QString& texto) { Coleccion.PROPRE = texto; });
    connect(TxProSuf, &QLineEdit::textChanged, this,
            [this](const QString& texto) { Coleccion.PROSUF = texto; });
    TxNumProbINI->installEventFilter(this);
    connect(TxNumProbINI, &QLineEdit::textChanged, this, [this] { TxNumProbINI_Change(); });
    NotaRechazo = new QLabel(padre);
    NotaRechazo->setStyleSheet(QStringLiteral("QLabel { background: #ffffe1; color: #800000; "
                                              "border: 1px solid #808080; padding: 2px; }"));
    NotaRechazo->hide();
    finNota_ = new QTimer(this);
    finNota_->setSingleShot(true);
    finNota_->setInterval(kDuracionNota);
    connect(finNota_, &QTimer::timeout, NotaRechazo, &QWidget::hide);
    for (QLineEdit* c : {TxTITULO, TxProPre, TxProSuf}) {
        c->installEventFilter(this);
        connect(c, &QLineEdit::inputRejected, this, [this, c] { MuestraRechazo(c); });
    }
    connect(TxINIPAG, &QLineEdit::textChanged, this, [this] { TxINIPAG_Change(); });
    connect(Picture2, &FilaColores::elegido, this, [this](Rgb c) { Picture2_MouseDown(c); });
    connect(Check1, &QCheckBox::toggled, this, [this](bool marcado) { Check1_Click(marcado); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
}

void ControlesOpciones::Carga() {
    BloqueoEventos = true;
    Combo1->clear();
    Combo1->addItems({QStringLiteral("Arriba"), QStringLiteral("Abajo")});
    Combo1->setCurrentIndex(1);
    Combo2->clear();
    Combo2->addItems({QStringLiteral("Izquierda"), QStringLiteral("Centro"),
                      QStringLiteral("Derecha"), QStringLiteral("Interior"),
                      QStringLiteral("Exterior")});
    Combo2->setCurrentIndex(1);

    TxTITULO->setText(Coleccion.TITULO);
    (Coleccion.ORDENA ? Option11 : Option12)->setChecked(true);
    if (Coleccion.POSSOL >= 0 && Coleccion.POSSOL <= 3) {
        grupoSoluciones_->button(Coleccion.POSSOL)->setChecked(true);
    } else {
        desmarcaTodos(grupoSoluciones_);
        Image2->clear();
    }
    TxProPre->setText(Coleccion.PROPRE);
    TxProSuf->setText(Coleccion.PROSUF);
    TxNumProbINI->setText(document::Decimal(Coleccion.PROINI));
    for (int i = 0; i < 22; ++i) {
        if (paleta_[static_cast<std::size_t>(i)] == Coleccion.COLRESPRO) {
            Picture2->PonShape2Left(20 * i + 2);
            break;
        }
    }

    // The start box shows PAGINI whether or not the pages are numbered, so that ticking
    // "Numerar páginas" shows the start that is stored.
    TxINIPAG->setText(document::Decimal(Coleccion.PAGINI));
    if (Coleccion.POSNUMPAG != 0) {
        Check1->setChecked(true);
        Frame2->show();
        Combo1->setCurrentIndex((Coleccion.POSNUMPAG & 8) == 0 ? 0 : 1);
        Combo2->setCurrentIndex(indiceAlineacion(Coleccion.POSNUMPAG & 7));
        BloqueoEventos = false;
        Combo1_Click();
    } else {
        Check1->setChecked(false);
        Frame2->hide();
    }
    BloqueoEventos = false;
}

void ControlesOpciones::Option_Click(int posicion) {
    Image2->setPixmap(ImagenUi(QString::fromLatin1(kPreviewSoluciones[posicion])));
    Coleccion.POSSOL = posicion;
}

void ControlesOpciones::Check1_Click(bool marcado) {
    Frame2->setVisible(marcado);
    if (marcado) {
        Combo1_Click();
    } else {
        Coleccion.POSNUMPAG = 0;
    }
}

void ControlesOpciones::Combo1_Click() {
    if (BloqueoEventos) return;
    const QString alineacion = Combo2->currentText();
    Image4[1]->setVisible(alineacion == QLatin1String("Interior") ||
                          alineacion == QLatin1String("Exterior"));
    const QString clave = Combo1->currentText() + QLatin1Char(' ') + alineacion;
    for (const NumeroPagina& fila : kNumerosPagina) {
        if (clave != QLatin1String(fila.clave)) continue;
        Image4[0]->setPixmap(ImagenUi(QString::fromLatin1(fila.pagina)));
        if (fila.opuesta) Image4[1]->setPixmap(ImagenUi(QString::fromLatin1(fila.opuesta)));
        Coleccion.POSNUMPAG = fila.codigo;
        break;
    }
    if (!Check1->isChecked()) Coleccion.POSNUMPAG = 0;
}

namespace {

// The start number of a box: 1..1999, or nothing when out of range or not a 16-bit number.
std::optional<int> numeroInicial(const QString& texto) {
    const auto n = ValCorto(texto);
    if (!n || *n < 1 || *n > 1999) return std::nullopt;
    return *n;
}

} // namespace

void ControlesOpciones::TxNumProbINI_Change() {
    const QString texto = TxNumProbINI->text();
    if (texto.isEmpty()) {
        Coleccion.PROINI = 1;
        return;
    }
    if (const auto n = numeroInicial(texto)) {
        Coleccion.PROINI = *n;
    } else {
        TxNumProbINI->setText(document::Decimal(Coleccion.PROINI));
    }
}

void ControlesOpciones::TxINIPAG_Change() {
    if (const auto n = numeroInicial(TxINIPAG->text())) {
        Coleccion.PAGINI = *n;
    } else {
        TxINIPAG->setText(document::Decimal(Coleccion.PAGINI));
    }
}

void ControlesOpciones::Picture2_MouseDown(Rgb c) {
    Coleccion.COLRESPRO = c;
}

void ControlesOpciones::MuestraRechazo(QLineEdit* caja) {
    const auto* validador = dynamic_cast<const TextoDeCabecera*>(caja->validator());
    if (!validador || validador->rechazo().isEmpty()) return;
    QWidget* padre = NotaRechazo->parentWidget();
    notaDe_ = caja;
    NotaRechazo->setText(validador->rechazo());
    NotaRechazo->adjustSize();
    // Under the box, inside the window.
    QPoint donde = caja->mapTo(padre, QPoint(0, caja->height() + 2));
    donde.setX(std::clamp(donde.x(), 0, std::max(0, padre->width() - NotaRechazo->width())));
    NotaRechazo->move(donde);
    NotaRechazo->show();
    NotaRechazo->raise();
    finNota_->start();
}

bool ControlesOpciones::eventFilter(QObject* objeto, QEvent* event) {
    // The next keystroke in a text box takes the note away, and so does hiding its box (another
    // tab or step).
    if (!NotaRechazo->isHidden() &&
        ((event->type() == QEvent::KeyPress &&
          (objeto == TxTITULO || objeto == TxProPre || objeto == TxProSuf)) ||
         (event->type() == QEvent::Hide && objeto == notaDe_))) {
        NotaRechazo->hide();
        finNota_->stop();
    }
    // The problem start box takes digits only; editing and control keys pass.
    if (objeto == TxNumProbINI && event->type() == QEvent::KeyPress) {
        const QString texto = static_cast<QKeyEvent*>(event)->text();
        if (!texto.isEmpty() && texto.front().isPrint() &&
            (texto.front() < u'0' || texto.front() > u'9'))
            return true;
    }
    return QObject::eventFilter(objeto, event);
}

} // namespace vornith::dialogs
