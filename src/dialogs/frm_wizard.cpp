#include "dialogs/frm_wizard.h"

#include "dialogs/arbol_temas.h"
#include "dialogs/controles_sueltos.h"
#include "dialogs/dibuja_marco.h"
#include "dialogs/imagenes_ui.h"
#include "dialogs/numero_texto.h"
#include "document/conversion_numerica.h"
#include "platform/busy_cursor.h"
#include "platform/notifier.h"
#include "platform/picture_files.h"
#include "platform/titulo_programa.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <functional>

namespace vornith::dialogs {

namespace {

constexpr int kAncho = 768;
constexpr int kAlto = 556;
constexpr QRgb kTextoBienvenida = qRgb(80, 80, 80);
const QString kSiguiente = QStringLiteral("Siguiente >");
const QString kFinalizar = QStringLiteral("Finalizar");

// Hands the key presses and wheel turns meant for one window to it before its controls see
// them; what the handler leaves goes on as usual.
class FiltroVentana final : public QObject {
  public:
    FiltroVentana(QWidget* ventana, std::function<bool(QEvent*)> manejador)
        : QObject(ventana), ventana_(ventana), manejador_(std::move(manejador)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* objeto, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel) return false;
        const auto* w = qobject_cast<QWidget*>(objeto);
        if (!w || w->window() != ventana_) return false;
        return manejador_(event);
    }

  private:
    QWidget* ventana_;
    std::function<bool(QEvent*)> manejador_;
};

// A frame around a marker rectangle, drawn on a step's picture.
void marcoAlrededor(QImage& imagen, const QRect& marcador, const QString& titulo) {
    QPainter p(&imagen);
    DibujaMarcoAlrededor(p, marcador, titulo);
}

void marco(QImage& imagen, const QRect& lugar, const QString& titulo, bool conTitulo = true) {
    QPainter p(&imagen);
    DibujaMarco(p, lugar.x(), lugar.y(), lugar.width(), lugar.height(), titulo, conTitulo);
}

QLabel* texto(QWidget* padre, const QString& t, const QRect& lugar) {
    auto* e = new QLabel(t, padre);
    e->setGeometry(lugar);
    e->setWordWrap(true);
    e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return e;
}

// The count spinners run from -99 at the top to -1 at the bottom, so that the upper arrow
// raises the number they stand for: minus the bar's value.
constexpr int kMaxCantidad = 99;
int numeroSpin(const QScrollBar* spin) {
    return -spin->value();
}
void ponNumeroSpin(QScrollBar* spin, int n) {
    spin->setValue(-n);
}

QLabel* imagen(QWidget* padre, const QString& nombre, QPoint lugar) {
    auto* e = new QLabel(padre);
    e->setPixmap(ImagenUi(nombre));
    e->move(lugar);
    e->adjustSize();
    return e;
}

} // namespace

FrmWizard::FrmWizard(QWidget* padre, document::DatosColeccion& coleccion,
                     document::ListaTemas& temas, ResultadosDialogos& r,
                     const ServiciosDialogos& servicios)
    : VentanaDibujada(padre, QSize(kAncho, kAlto),
                      QStringLiteral("Asistente para la creación de colecciones de problemas"), 66,
                      kAncho),
      Coleccion(coleccion), ColeccionInicial(coleccion), Temas(temas), r_(r), s_(servicios) {
    Label4()->setText(QStringLiteral("Asistente para crear colecciones de ejercicios"));
    Label4()->adjustSize();

    const PasosVisibles pasos = LeeAjustes(s_.settings, Coleccion);
    opciones_ = new ControlesOpciones(Coleccion, kPaletaAsistente, this);

    for (int i = 1; i <= 7; ++i) {
        auto* paso = new Lienzo(this, FondoRayado(QSize(766, 451)));
        paso->move(1, 31);
        paso->hide();
        Frame1_[static_cast<std::size_t>(i)] = paso;
        PasoActivo_[static_cast<std::size_t>(i)] = true;
    }
    construyePaso1();
    construyePaso2();
    construyePaso3();
    construyePaso4();
    construyePasos5a7();
    PonEsquinas(QPoint(0, 0), QPoint(762, 0));
    PasoActivo_[3] = PasoActivo_[5] = PasoActivo_[6] = false;
    {
        // Shape1(11): the border round the steps.
        QPainter p(&Fondo());
        p.setPen(QColor(0xE0, 0xE0, 0xE0));
        p.drawRect(QRect(-1, 29, 766 + 5, 451 + 5).adjusted(0, 0, -1, -1));
    }

    CmdCancel_ = new Comando(
        QStringLiteral("Cancelar"), [this] { CmdCancel_Click(); }, this);
    CmdBack_ = new Comando(
        QStringLiteral("< Atrás"), [this] { CmdBack_Click(); }, this);
    CmdNext_ = new Comando(
        kSiguiente, [this] { CmdNext_Click(); }, this);
    AgregaBoton(CmdCancel_, QPoint(608, 510));
    AgregaBoton(CmdBack_, QPoint(294, 510));
    AgregaBoton(CmdNext_, QPoint(451, 510));

    Check2_ = new QCheckBox(QStringLiteral("Mostrar opciones avanzadas"), this);
    Check2_->move(20, 500);
    Check2_->adjustSize();
    Check3_ = new QCheckBox(QStringLiteral("Mostrar ventana inicial"), this);
    Check3_->move(20, 524);
    Check3_->adjustSize();

    CmdBack_->setEnabled(false);
    Coleccion.PROINI = 1;
    Coleccion.PAGINI = 1;
    Coleccion.TITULO.clear();
    if (pasos.Showini) {
        Check3_->setChecked(true);
        Paso_ = 1;
    } else {
        Check3_Click();
        Paso_ = 2;
        CmdNext_->setEnabled(false);
    }
    Frame1(Paso_)->show();
    Check2_->setChecked(pasos.Showavan);
    Check2_Click();
    connect(Check2_, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    connect(Check3_, &QCheckBox::toggled, this, [this] { Check3_Click(); });

    // Load_Asignaturas: the subject list and the grid of their pictures.
    LstAsig_->addItems(ReuneAsignaturas(s_.generacion));
    ImageASIG_.assign(static_cast<std::size_t>(NumAsignaturas()) + 1, nullptr);
    const QPixmap defecto = ImagenUi(QStringLiteral("asignatura_defecto"));
    for (int i = 1; i <= NumAsignaturas(); ++i) {
        const QString nombre = LstAsig_->item(i - 1)->text();
        QPixmap foto;
        const QString ruta =
            findFileIgnoringCase(s_.carpetaDatos, nombre + QStringLiteral(".jpg"));
        if (!ruta.isEmpty()) foto.load(ruta);
        auto* dibujo = new QLabel(Frame1(2));
        dibujo->setPixmap(foto.isNull() ? defecto : foto);
        dibujo->setScaledContents(true);
        dibujo->setToolTip(nombre);
        dibujo->setGeometry((i - 1) % 3 * 210 + 80, (i - 1) / 3 * 66 + 60, 190, 56);
        dibujo->setCursor(Qt::PointingHandCursor);
        dibujo->installEventFilter(this);
        ImageASIG_[static_cast<std::size_t>(i)] = dibujo;
    }
    ShaSelec_->raise();
    connect(LstAsig_, &QListWidget::currentRowChanged, this, [this] { LstAsig_Click(); });
    connect(LstAsig_, &QListWidget::itemDoubleClicked, this, [this] { LstAsig_DblClick(); });

    opciones_->TxNumProbINI->setText(QStringLiteral("1"));
    opciones_->Carga();
    ClaveCargada.clear();

    new FiltroVentana(this, [this](QEvent* event) {
        if (event->type() == QEvent::Wheel) {
            if (Paso_ != 4) return false;
            Picture1_->MouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
            return true;
        }
        return Form_KeyDown(static_cast<QKeyEvent*>(event));
    });
}

FrmWizard::~FrmWizard() = default;

QImage& FrmWizard::imagenPaso(int i) {
    return Frame1_[static_cast<std::size_t>(i)]->imagen();
}

void FrmWizard::construyePaso1() {
    QWidget* paso = Frame1(1);
    imagen(paso, QStringLiteral("asistente_bienvenida"), QPoint(24, 50));
    marco(imagenPaso(1), QRect(210, 50, 470, 274), QStringLiteral("Asistente"));
    QFont grande = font();
    grande.setPointSize(11);
    Label1_3 = texto(paso,
                     QStringLiteral("Este asistente le guiará paso a paso en la creación de su "
                                    "colección de problemas y/o ejercicios."),
                     QRect(240, 100, 410, 60));
    Label1_4 = texto(paso,
                     QStringLiteral("Haga clic en Siguiente para continuar o en Cancelar para "
                                    "salir del asistente."),
                     QRect(240, 200, 410, 60));
    for (QLabel* e : {Label1_3, Label1_4}) {
        e->setFont(grande);
        PonColorTexto(e, kTextoBienvenida);
    }
}

void FrmWizard::construyePaso2() {
    QWidget* paso = Frame1(2);
    marcoAlrededor(imagenPaso(2), QRect(70, 52, 630, 334),
                   QStringLiteral("Selección de la asignatura"));
    ShaSelec_ = new QLabel(paso);
    ShaSelec_->resize(198, 62);
    ShaSelec_->setStyleSheet(QStringLiteral("border: 2px solid %1; background: transparent;")
                                 .arg(QColor(kColorTinta).name()));
    ShaSelec_->setAttribute(Qt::WA_TransparentForMouseEvents);
    ShaSelec_->hide();
    Label1_18 =
        texto(paso, QStringLiteral("No hay asignaturas seleccionadas"), QRect(56, 418, 410, 22));
    // Under the grid's frame, level with the third column's right edge.
    LstAsig_ = new QListWidget(paso);
    LstAsig_->setGeometry(480, 411, 210, 38);
    // Tab and the arrows belong to the grid on this step, and focus from the keyboard would
    // choose the first subject unasked: the list takes focus from the mouse only.
    LstAsig_->setFocusPolicy(Qt::ClickFocus);
    QFont negrita = font();
    negrita.setBold(true);
    Label1_18->setFont(negrita);
    PonColorTexto(Label1_18, kColorTinta);
}

void FrmWizard::construyePaso3() {
    QWidget* paso = Frame1(3);
    marcoAlrededor(imagenPaso(3), QRect(260, 110, 240, 130), QStringLiteral("Tipos de documentos"));
    const char* nombres[] = {"Cuestiones", "Ejercicios", "Problemas", "Temas de teoría"};
    for (int k = 1; k <= 4; ++k) {
        auto* casilla = new QCheckBox(QString::fromUtf8(nombres[k - 1]), paso);
        casilla->move(290, 114 + 30 * (k - 1));
        casilla->adjustSize();
        casilla->setChecked(k < 4);
        casilla->setEnabled(k < 4);
        imagen(paso, QStringLiteral("tipo_%1").arg(k), QPoint(270, 116 + 30 * (k - 1)));
        connect(casilla, &QCheckBox::toggled, this, [this] { ChkTIP_Click(); });
        ChkTIP_[static_cast<std::size_t>(k)] = casilla;
    }
    Label1_30 = texto(paso,
                      QStringLiteral("AVISO:  Al cambiar los tipos de documentos se perderán las "
                                     "selecciones de temas y tipos de problemas."),
                      QRect(160, 310, 440, 40));
    PonColorTexto(Label1_30, qRgb(160, 0, 0));
    Label1_30->hide();
}

void FrmWizard::construyePaso4() {
    QWidget* paso = Frame1(4);
    marco(imagenPaso(4), QRect(8, 8, 750, 443),
          QStringLiteral("Selección de temas, tipo y cantidad de problemas"));
    marco(imagenPaso(4), QRect(532, 242, 190, 120), QStringLiteral("Tipos de documentos"), false);
    {
        QPainter p(&imagenPaso(4));
        p.setPen(QColor(160, 160, 170));
        p.drawRect(27, 39, 481, 391);
    }
    Picture1_ = new ArbolTemas(Temas, paso);
    Picture1_->setGeometry(28, 40, 480, 390);
    connect(Picture1_, &ArbolTemas::cambio, this, [this] { AE_ItemEXProyect(); });

    Label1_6 = texto(paso, QString(), QRect(532, 40, 210, 74));
    ImageProgre_ = imagen(paso, QStringLiteral("dificultad_progresiva"), QPoint(532, 116));
    Label1_10 = Etiqueta(paso, QStringLiteral("Dificultad progresiva"), 576, 120);
    ImageProgre_->hide();
    Label1_10->hide();

    // Each group stands inside its decorated frame, Shape1(6) and Shape1(12), shown with it and
    // as wide as the document types' frame below.
    QImage marcoGrupo(190, 48, QImage::Format_ARGB32_Premultiplied);
    marcoGrupo.fill(Qt::transparent);
    {
        QPainter p(&marcoGrupo);
        DibujaMarco(p, 0, 0, marcoGrupo.width(), marcoGrupo.height(), QString(), false);
    }
    const char* titulos[] = {"Cantidad:", "Nº cuestiones en cada uno"};
    for (int i = 0; i < 2; ++i) {
        auto* grupo = new Lienzo(paso, marcoGrupo);
        grupo->move(532, 142 + 50 * i);
        QLabel* titulo = texto(grupo, QString::fromUtf8(titulos[i]), QRect(14, 19, 100, 26));
        titulo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (i == 1) {
            QFont pequena = font();
            pequena.setPointSize(8);
            titulo->setFont(pequena);
            Label1_21 = titulo;
        }
        auto* caja = new QLineEdit(grupo);
        caja->setGeometry(118, 22, 40, 20);
        caja->installEventFilter(this);
        auto* spin = new QScrollBar(Qt::Vertical, grupo);
        spin->setGeometry(158, 22, 16, 20);
        spin->setRange(-kMaxCantidad, -1);
        spin->setSingleStep(1);
        connect(caja, &QLineEdit::textChanged, this, [this, i] { TxCan_Change(i); });
        connect(spin, &QScrollBar::valueChanged, this, [this, i] { VScroll2_Change(i); });
        grupo->hide();
        TxCan_[static_cast<std::size_t>(i)] = caja;
        VScroll2_[static_cast<std::size_t>(i)] = spin;
        grupoCantidad_[static_cast<std::size_t>(i)] = grupo;
    }

    const char* tipos[] = {"Cuestiones", "Ejercicios", "Problemas", "Temas de teoría"};
    for (int k = 1; k <= 4; ++k) {
        imagen(paso, QStringLiteral("tipo_%1").arg(k), QPoint(552, 272 + 20 * (k - 1)));
        Etiqueta(paso, QString::fromUtf8(tipos[k - 1]), 572, 273 + 20 * (k - 1));
    }

    QLabel* total = Etiqueta(paso, QStringLiteral("TOTAL"), 560, 395);
    QFont negrita = font();
    negrita.setBold(true);
    total->setFont(negrita);
    total->adjustSize();
    TxTOT_ = new QLineEdit(paso);
    TxTOT_->setGeometry(640, 392, 60, 22);
    TxTOT_->setReadOnly(true);
    TxTOT_->setAlignment(Qt::AlignRight);
    TxTOT_->setFont(negrita);
    connect(TxTOT_, &QLineEdit::textChanged, this, [this] { TxTOT_Change(); });
}

void FrmWizard::construyePasos5a7() {
    struct Lugar {
        int paso;
        QWidget* grupo;
        QPoint en;
        const char* titulo;
    };
    const Lugar lugares[] = {
        {5, opciones_->GrupoNumeracionProblemas, {150, 60}, "Numeración de problemas"},
        {5, opciones_->GrupoNumeracionPaginas, {150, 270}, "Numeración de páginas"},
        {6, opciones_->GrupoOrdenacion, {150, 60}, "Ordenación de temas"},
        {6, opciones_->GrupoSoluciones, {150, 200}, "Posición de las soluciones"},
        {7, opciones_->GrupoTitulo, {130, 80}, "Título de la colección (opcional)"},
    };
    for (const Lugar& l : lugares) {
        marcoAlrededor(imagenPaso(l.paso), QRect(l.en, l.grupo->size()),
                       QString::fromUtf8(l.titulo));
        l.grupo->setParent(Frame1(l.paso));
        l.grupo->move(l.en);
        l.grupo->show();
    }
}

QLabel* FrmWizard::Label1(int i) const {
    switch (i) {
    case 3:
        return Label1_3;
    case 4:
        return Label1_4;
    case 6:
        return Label1_6;
    case 10:
        return Label1_10;
    case 18:
        return Label1_18;
    case 21:
        return Label1_21;
    case 30:
        return Label1_30;
    default:
        return nullptr;
    }
}

void FrmWizard::Activacion() {
    s_.cursor.setBusy(false);
}

void FrmWizard::muestraSoloPaso(int paso) {
    for (int i = 1; i <= 7; ++i)
        Frame1(i)->setVisible(i == paso);
}

void FrmWizard::textosBienvenidaNegros() {
    PonColorTexto(Label1_3, qRgb(0, 0, 0));
    PonColorTexto(Label1_4, qRgb(0, 0, 0));
}

void FrmWizard::CmdNext_Click() {
    if (!CmdNext_->isEnabled()) return;
    textosBienvenidaNegros();
    if (Paso_ == 4) {
        if (Coleccion.NPROB >= 501) {
            s_.notifier.ask(QStringLiteral("La cantidad de problemas es superior a 500.\r\n"
                                           "Por favor reduzca la cantidad de problemas o cree "
                                           "varias colecciones \r\n"
                                           "con cantidades menores de problemas."),
                            TituloPrograma(), Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
            return;
        }
        if (opciones_->TxTITULO->text().isEmpty())
            opciones_->TxTITULO->setText(GetDefaultTitle(Temas));
    }
    if (Paso_ == 7) {
        r_.PropiedadesAceptadas = true;
        GuardarAjustes(s_.settings, Coleccion, {Check3_->isChecked(), Check2_->isChecked()},
                       asignaturaElegida());
        Cierra(true);
        return;
    }
    do {
        ++Paso_;
        CmdNext_->setCaption(Paso_ == 7 ? kFinalizar : kSiguiente);
    } while (!PasoActivo(Paso_));
    muestraSoloPaso(Paso_);
    CmdBack_->setEnabled(!(Paso_ == 2 && !PasoActivo(1)));
    switch (Paso_) {
    case 2:
        CmdNext_->setEnabled(!asignaturaElegida().isEmpty());
        break;
    case 3:
        ChkTIP_Click();
        break;
    case 4: {
        int codigo = 0;
        for (int k = 1, peso = 1; k <= 4; ++k, peso *= 10)
            codigo += ChkTIP(k)->isChecked() ? peso : 0;
        const QString clave = asignaturaElegida() + QLatin1Char('|') + QString::number(codigo);
        if (clave != ClaveCargada) {
            ClaveCargada = clave;
            LoadTOLISTBOX_BUILT_CODE();
        }
        CmdNext_->setEnabled(Val(TxTOT_->text()).value_or(0) != 0);
        entraEnPaso4();
        break;
    }
    case 7:
        opciones_->TxTITULO->setFocus();
        break;
    default:
        break;
    }
}

void FrmWizard::entraEnPaso4() {
    Picture1_->PonFilaSel(1);
    Picture1_->ActualizaTree();
    Picture1_->setFocus();
    AE_ItemEXProyect();
}

void FrmWizard::CmdBack_Click() {
    if (!CmdBack_->isEnabled() || Paso_ == 1 || (Paso_ == 2 && !PasoActivo(1))) return;
    textosBienvenidaNegros();
    do {
        --Paso_;
        if (Paso_ == 1 || (Paso_ == 2 && !PasoActivo(1))) CmdBack_->setEnabled(false);
        CmdNext_->setCaption(kSiguiente);
    } while (!PasoActivo(Paso_));
    muestraSoloPaso(Paso_);
    CmdNext_->setEnabled(true);
    if (Paso_ == 4) entraEnPaso4();
    if (Paso_ == 3) Label1_30->show();
}

void FrmWizard::CmdCancel_Click() {
    Coleccion = ColeccionInicial;
    r_.PropiedadesAceptadas = false;
    Cierra(false);
}

void FrmWizard::Check2_Click() {
    const bool marcado = Check2_->isChecked();
    PasoActivo_[3] = PasoActivo_[5] = PasoActivo_[6] = marcado;
}

void FrmWizard::Check3_Click() {
    const bool marcado = Check3_->isChecked();
    PasoActivo_[1] = marcado;
    if (Paso_ == 2) CmdBack_->setEnabled(marcado);
    if (marcado) textosBienvenidaNegros();
}

void FrmWizard::ChkTIP_Click() {
    bool alguno = false;
    for (int k = 1; k <= 4; ++k)
        alguno = alguno || ChkTIP(k)->isChecked();
    CmdNext_->setEnabled(alguno);
}

int FrmWizard::NumAsignaturas() const {
    return LstAsig_->count();
}

int FrmWizard::ListIndex() const {
    return LstAsig_->currentRow();
}

QString FrmWizard::asignaturaElegida() const {
    const QListWidgetItem* elegida = LstAsig_->currentItem();
    return elegida ? elegida->text() : QString();
}

void FrmWizard::ImageASIG_Click(int Index) {
    if (Index < 1 || Index > NumAsignaturas()) return;
    CmdNext_->setEnabled(true);
    LstAsig_->setCurrentRow(Index - 1);
    muestraAsignatura();
}

void FrmWizard::LstAsig_Click() {
    CmdNext_->setEnabled(true);
    muestraAsignatura();
}

void FrmWizard::LstAsig_DblClick() {
    if (CmdNext_->isEnabled()) CmdNext_Click();
}

void FrmWizard::muestraAsignatura() {
    const int Index = ListIndex() + 1;
    if (Index < 1) return;
    const QRect dibujo = ImageASIG(Index)->geometry();
    ShaSelec_->move(dibujo.left() - (ShaSelec_->width() - dibujo.width()) / 2,
                    dibujo.top() - (ShaSelec_->height() - dibujo.height()) / 2);
    ShaSelec_->show();
    Label1_18->setText(asignaturaElegida());
    update();
}

void FrmWizard::LoadTOLISTBOX_BUILT_CODE() {
    TiposDocumento tipos{};
    for (int k = 1; k <= 4; ++k)
        tipos[static_cast<std::size_t>(k)] = ChkTIP(k)->isChecked();
    ConstruyeTemas(s_.generacion, asignaturaElegida(), tipos, Temas, List1_);
    Picture1_->PonFilaSel(1);
}

void FrmWizard::AE_ItemEXProyect() {
    const int fila = Picture1_->FilaSel();
    const bool valida = fila >= 1 && fila <= Temas.NumTemas;
    const document::Tema vista =
        valida ? Temas.Temas[static_cast<std::size_t>(fila)] : document::Tema{};
    const bool progresiva = vista.Descripcion.startsWith(QLatin1String("&DP"));
    ImageProgre_->setVisible(progresiva);
    Label1_10->setVisible(progresiva);
    Label1_6->setText(progresiva ? vista.Descripcion.mid(3) : vista.Descripcion);

    if (valida && !vista.EsCarpeta && vista.Seleccionado) {
        auto& t = Temas.Temas[static_cast<std::size_t>(fila)];
        grupoCantidad_[0]->show();
        if (t.Cantidad == 0) t.Cantidad = 1;
        TxCan_[0]->setText(document::Decimal(t.Cantidad));
        if (t.Clase == 1 || t.Clase == 2) {
            auto& u = Temas.Temas[static_cast<std::size_t>(fila)];
            grupoCantidad_[1]->show();
            if (u.Variante == 0) u.Variante = 6;
            TxCan_[1]->setText(document::Decimal(u.Variante));
            Label1_21->setText(u.Clase == 1 ? QStringLiteral("Nº cuestiones en cada uno")
                                            : QStringLiteral("Nº ejercicios en cada uno"));
        } else {
            grupoCantidad_[1]->hide();
        }
    } else {
        grupoCantidad_[0]->hide();
        grupoCantidad_[1]->hide();
    }
    RECUENTA();
}

void FrmWizard::RECUENTA() {
    const std::int32_t total = Total(Temas);
    TxTOT_->setText(document::Decimal(total));
    Coleccion.NPROB = total;
}

void FrmWizard::TxCan_Change(int Index) {
    const int fila = Picture1_->FilaSel();
    if (fila < 1 || fila > Temas.NumTemas) return;
    auto& t = Temas.Temas[static_cast<std::size_t>(fila)];
    QScrollBar* spin = VScroll2_[static_cast<std::size_t>(Index)];
    // A number too large for 16 bits is out of range like any other.
    const auto leido = ValCorto(TxCan_[static_cast<std::size_t>(Index)]->text());
    if (leido && *leido >= 1 && *leido <= kMaxCantidad) {
        const std::int16_t n = *leido;
        ponNumeroSpin(spin, n);
        if (Index == 0) {
            t.Cantidad = n;
            RECUENTA();
        } else {
            const std::int16_t limite = t.MaxVariante < 1 ? std::int16_t{99} : t.MaxVariante;
            if (n > limite) {
                t.Variante = limite;
                ponNumeroSpin(spin, limite);
                VScroll2_Change(1);
            } else {
                t.Variante = n;
            }
        }
        return;
    }
    const auto n = static_cast<std::int16_t>(numeroSpin(spin));
    TxCan_[static_cast<std::size_t>(Index)]->setText(document::Decimal(n));
    if (Index == 0) {
        t.Cantidad = n;
        RECUENTA();
    } else {
        t.Variante = n;
    }
}

void FrmWizard::VScroll2_Change(int Index) {
    TxCan_[static_cast<std::size_t>(Index)]->setText(
        document::Decimal(numeroSpin(VScroll2_[static_cast<std::size_t>(Index)])));
}

void FrmWizard::TxTOT_Change() {
    CmdNext_->setEnabled(Val(TxTOT_->text()).value_or(0) != 0);
}

bool FrmWizard::Form_KeyDown(QKeyEvent* tecla) {
    if (tecla->key() == Qt::Key_Escape) {
        CmdCancel_Click();
        return true;
    }
    if (!Frame1(2)->isVisible()) return false;
    TeclaRejilla movimiento;
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (NumAsignaturas() > 0 && CmdNext_->isEnabled()) CmdNext_Click();
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Tab:
        movimiento = TeclaRejilla::Siguiente;
        break;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Backtab:
        movimiento = TeclaRejilla::Anterior;
        break;
    case Qt::Key_Down:
        movimiento = TeclaRejilla::Abajo;
        break;
    case Qt::Key_Up:
        movimiento = TeclaRejilla::Arriba;
        break;
    case Qt::Key_Home:
        movimiento = TeclaRejilla::Inicio;
        break;
    case Qt::Key_End:
        movimiento = TeclaRejilla::Fin;
        break;
    default:
        return false;
    }
    // Without subjects there is no cell to move to.
    if (NumAsignaturas() > 0)
        ImageASIG_Click(MueveEnRejilla(movimiento, ListIndex() + 1, NumAsignaturas()));
    return true;
}

bool FrmWizard::teclaCajaCantidad(int Index, QEvent* event) {
    QLineEdit* caja = TxCan_[static_cast<std::size_t>(Index)];
    QScrollBar* spin = VScroll2_[static_cast<std::size_t>(Index)];
    if (event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, caja, [caja] { caja->selectAll(); });
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int n = numeroSpin(spin);
    if (key == Qt::Key_Up && n + 1 <= kMaxCantidad) {
        ponNumeroSpin(spin, n + 1);
        return true;
    }
    if (key == Qt::Key_Down && n - 1 >= 1) {
        ponNumeroSpin(spin, n - 1);
        return true;
    }
    return false;
}

bool FrmWizard::eventFilter(QObject* objeto, QEvent* event) {
    for (int i = 0; i < 2; ++i) {
        if (objeto == TxCan_[static_cast<std::size_t>(i)]) return teclaCajaCantidad(i, event);
    }
    for (int i = 1; i <= NumAsignaturas(); ++i) {
        if (objeto != ImageASIG(i)) continue;
        if (event->type() == QEvent::MouseButtonPress) {
            ImageASIG_Click(i);
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            CmdNext_->setEnabled(true);
            CmdNext_Click();
            return true;
        }
        return false;
    }
    return VentanaDibujada::eventFilter(objeto, event);
}

} // namespace vornith::dialogs
