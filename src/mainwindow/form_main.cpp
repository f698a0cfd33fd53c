#include "mainwindow/form_main.h"

#include "mainwindow/barra_desplazamiento.h"
#include "mainwindow/boton_barra.h"
#include "mainwindow/boton_pagina.h"
#include "mainwindow/form_splash.h"
#include "mainwindow/listas_programador.h"
#include "mainwindow/vista_pagina.h"
#include "platform/qt/page_box_surface.h"
#include "platform/titulo_programa.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace vornith::mainwindow {
namespace {

// The toolbar: Tag, picture file, tool tip.
struct DefBoton {
    const char* tag;
    const char* archivo;
    const char* tooltip;
};
const DefBoton kBotones[12] = {
    {"Abrir", "abrir", "Abre un archivo de colección previamente guardado"},
    {"Nueva", "nueva", "Inicia el asistente para crear una nueva colección de problemas"},
    {"Guardar", "guardar",
     "Guardar el archivo actual / Pregunta por una ubicación para guardar la nueva colección"},
    {"Regenerar", "regenerar",
     "Vuelve a crear el problema seleccionado o una colección con el mismo tipo y cantidad de "
     "problemas que la actual"},
    {"Deshacer", "deshacer", "Deshace la última acción"},
    {"Rehacer", "rehacer", "Rehace la útima acción"},
    {"Cortar", "cortar", "Copia la selección al portapapeles y luego la borra"},
    {"Copiar", "copiar", "Copia la selección al portapapeles"},
    {"Pegar", "pegar", "Pega el contenido del portapapeles"},
    {"Imprimir", "imprimir", "Imprimir"},
    {"Zoom", "zoom", "Ajusta el tamaño de la presentación"},
    {"Ayuda", "ayuda", "Presenta la ayuda"},
};

QString u(const char* texto) {
    return QString::fromUtf8(texto);
}

} // namespace

FormMain::FormMain(ServiciosPrincipal& servicios)
    : s_(servicios), caja_(std::make_unique<PageBoxSurface>(796, 1125)),
      nucleo_(std::make_unique<document::Nucleo>(
          document::ServiciosPlataforma{s_.azar, *caja_, s_.cursor, s_.eventos, s_.avisos,
                                        s_.portapapeles, s_.imagenes, s_.impresoras,
                                        s_.datosPrograma, s_.carpetas},
          *this)),
      doc_(&nucleo_->documento), motor_(nucleo_->motor) {
    resize(1024, 768);
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        const QRect libre = pantalla->availableGeometry();
        resize(std::min(1024, libre.width()), std::min(768, libre.height()));
    }
    creaControles();
    creaMenus();
}

FormMain::~FormMain() { s_.portapapeles.onChange({}); }

void FormMain::creaControles() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    tbToolbar1 = new QWidget(central);
    tbToolbar1->setAutoFillBackground(true);
    QPalette paleta = tbToolbar1->palette();
    paleta.setColor(QPalette::Window, QColor(244, 244, 236));
    tbToolbar1->setPalette(paleta);
    ImgBack = new QLabel(tbToolbar1);
    ImgBack->setPixmap(QPixmap(QStringLiteral(":/ui/toolbar_back.png")));
    ImgBack->setScaledContents(true);
    Line1 = new QFrame(tbToolbar1);
    Line1->setFrameShape(QFrame::NoFrame);
    Line1->setAutoFillBackground(true);
    QPalette linea = Line1->palette();
    linea.setColor(QPalette::Window, QColor(160, 164, 160));
    Line1->setPalette(linea);
    for (int i = 0; i < 12; ++i) {
        PicToolB[i] = new BotonBarra(u(kBotones[i].tag), u(kBotones[i].archivo),
                                     u(kBotones[i].tooltip), tbToolbar1);
        PicToolB[i]->Click = [this](const QString& tag) { PicToolB_Click(tag); };
    }

    ShapeShadow = new QWidget(central);
    ShapeShadow->setAutoFillBackground(true);
    PonSombra(QColor(64, 64, 64));
    Picture1 = new VistaPagina(*caja_, central);
    Picture1->MouseMove = [this](float X, float) { Picture1_MouseMove(X); };
    Picture1->MouseDown = [this](int boton, float X, float Y, QPoint global) {
        Picture1_MouseDown(boton, X, Y, global);
    };
    // The window sees the keys before its controls.
    Picture1->installEventFilter(this);
    Picture1->setAcceptDrops(true);
    installEventFilter(this);

    Picture2 = new QWidget(central);
    Picture2->setAutoFillBackground(true);
    LbPage = new QLabel(Picture2);
    LbPage->setGeometry(30, 2, 86, 21);
    LbPage->setAlignment(Qt::AlignCenter);
    // The frames round the two page-turn buttons.
    for (const int x : {4, 119}) {
        auto* marco = new QFrame(Picture2);
        marco->setFrameShape(QFrame::Box);
        marco->setGeometry(x, 1, 24, 23);
    }
    ImgLPage = new BotonPagina(QStringLiteral(":/ui/page_left_normal.png"),
                               QStringLiteral(":/ui/page_left_down.png"), {5, 2}, Picture2);
    ImgRPage = new BotonPagina(QStringLiteral(":/ui/page_right_normal.png"),
                               QStringLiteral(":/ui/page_right_down.png"), {120, 2}, Picture2);
    ImgLPage->Click = [this] { ImgLPage_Click(); };
    ImgRPage->Click = [this] { ImgRPage_Click(); };
    HScroll1 = new BarraDesplazamiento(Qt::Horizontal, Picture2, 40, 120);
    HScroll1->Change = [this] {
        if (HScroll1->Visible()) Picture1->move(HScroll1->Value(), Picture1->y());
        ShapeShadow->move(Picture1->x() + 2, ShapeShadow->y());
    };
    HScroll1->Scroll = HScroll1->Change;

    Picture3 = new QWidget(central);
    VScroll1 = new BarraDesplazamiento(Qt::Vertical, Picture3, 60, 180);
    VScroll1->Change = [this] {
        if (VScroll1->Visible()) Picture1->move(Picture1->x(), VScroll1->Value());
        ShapeShadow->move(ShapeShadow->x(), Picture1->y() + 2);
    };
    VScroll1->Scroll = VScroll1->Change;

    // The page box scrolls under the toolbar and the two strips, never over them.
    for (QWidget* tira : {tbToolbar1, Picture2, Picture3})
        tira->raise();

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &FormMain::Timer1_Timer);
    Timer4 = new QTimer(this);
    Timer4->setSingleShot(true);
    Timer4->setInterval(2000);
    connect(Timer4, &QTimer::timeout, this, &FormMain::Form_Resize);
    // The clipboard is read once after change notices that come together, and never in the
    // middle of a command that lets the event loop run: after it.
    cambioPortapapeles_ = new QTimer(this);
    cambioPortapapeles_->setSingleShot(true);
    cambioPortapapeles_->setInterval(50);
    connect(cambioPortapapeles_, &QTimer::timeout, this, [this] {
        if (Ocupado()) return cambioPortapapeles_->start();
        doc_->PortapapelesCambiado();
    });
    Timer6 = new QTimer(this);
    Timer6->setSingleShot(true);
    Timer6->setInterval(300);
    connect(Timer6, &QTimer::timeout, this, &FormMain::Timer6_Timer);
    vigilaActivacion_ = new QTimer(this);
    vigilaActivacion_->setSingleShot(true);
    vigilaActivacion_->setInterval(1000);
    connect(vigilaActivacion_, &QTimer::timeout, this, [this] {
        if (!activada_) Form_Activate();
    });
}

namespace {

QAction* entrada(QMenu* menu, const char* texto, QKeySequence atajo = {}) {
    QAction* a = menu->addAction(QString::fromUtf8(texto));
    if (!atajo.isEmpty()) {
        a->setShortcut(atajo);
        // The designed shortcut, put back when the menu is reachable again.
        a->setProperty("atajo", atajo);
    }
    return a;
}

// A check entry, checked at design time, whose handler inverts the mark itself: the entry's
// own toggle is undone first.
QAction* entradaMarcada(QMenu* menu, const char* texto, std::function<void()> manejador) {
    QAction* a = entrada(menu, texto);
    a->setCheckable(true);
    a->setChecked(true);
    QObject::connect(a, &QAction::triggered, menu, [a, manejador = std::move(manejador)] {
        a->setChecked(!a->isChecked());
        manejador();
    });
    return a;
}

} // namespace

void FormMain::creaMenus() {
    QMenuBar* barra = menuBar();
    mnu_File = barra->addMenu(u("&Archivo"));
    mnu_File_New = entrada(mnu_File, "&Nueva colección...", Qt::CTRL | Qt::Key_N);
    mnu_File_Open = entrada(mnu_File, "&Abrir...", Qt::CTRL | Qt::Key_O);
    mnu_File->addSeparator();
    mnu_File_Save = entrada(mnu_File, "&Guardar", Qt::CTRL | Qt::Key_S);
    mnu_File_SaveAs = entrada(mnu_File, "G&uardar como...");
    mnu_File->addSeparator();
    mnu_File_Print = entrada(mnu_File, "&Imprimir...", Qt::CTRL | Qt::Key_P);
    zep04 = mnu_File->addSeparator();
    for (int i = 1; i <= 9; ++i)
        mnu_File_Reciente[i] = entrada(mnu_File, "Reciente");
    mnu_File->addSeparator();
    mnu_File_Exit = entrada(mnu_File, "&Salir", Qt::CTRL | Qt::Key_F4);
    connect(mnu_File_New, &QAction::triggered, this, [this] { mnu_File_New_Click(); });
    connect(mnu_File_Open, &QAction::triggered, this, [this] { mnu_File_Open_Click(); });
    connect(mnu_File_Print, &QAction::triggered, this, [this] { mnu_File_Print_Click(); });
    for (int i = 1; i <= 9; ++i)
        connect(mnu_File_Reciente[i], &QAction::triggered, this,
                [this, i] { mnu_File_Reciente_Click(i); });
    connect(mnu_File_Save, &QAction::triggered, this, [this] { mnu_File_Save_Click(); });
    connect(mnu_File_SaveAs, &QAction::triggered, this, [this] { mnu_File_SaveAs_Click(); });
    connect(mnu_File_Exit, &QAction::triggered, this, &QWidget::close);

    creaMenuEdicion();

    mnu_COLEC = barra->addMenu(u("&Colección"));
    mnu_COLEC_RECREAR = entrada(mnu_COLEC, "&Regenerar colección", Qt::CTRL | Qt::Key_R);
    mnu_COLEC->addSeparator();
    const char* const soluciones[4] = {"Si&n soluciones", "Soluciones &después de cada problema",
                                       "Soluciones juntas al &final",
                                       "Soluciones en página &aparte"};
    for (int k = 0; k < 4; ++k) {
        mnu_COLEC_Sol[k] = entrada(mnu_COLEC, soluciones[k]);
        mnu_COLEC_Sol[k]->setCheckable(true);
    }
    mnu_COLEC->addSeparator();
    mnu_COLEC_Prop = entrada(mnu_COLEC, "&Propiedades...", Qt::Key_F4);
    connect(mnu_COLEC_RECREAR, &QAction::triggered, this, [this] { mnu_File_Repetir_Click(); });
    for (int k = 0; k < 4; ++k)
        connect(mnu_COLEC_Sol[k], &QAction::triggered, this, [this, k] { mnu_COLEC_Sol_Click(k); });
    connect(mnu_COLEC_Prop, &QAction::triggered, this, [this] { mnu_COLEC_Prop_Click(); });

    mnu_Ver = barra->addMenu(u("&Ver"));
    mnu_Ver_BotEdic =
        entradaMarcada(mnu_Ver, "Botones de &edición", [this] { mnu_Ver_BotEdic_Click(); });
    mnu_zoom = mnu_Ver->addMenu(u("&Zoom"));
    mnu_zoomANCHO = entrada(mnu_zoom, "&Ancho de página");
    mnu_zoomANCHO->setCheckable(true);
    connect(mnu_zoomANCHO, &QAction::triggered, this, [this] { mnu_zoomANCHO_Click(); });
    mnu_zoom->addSeparator();
    const char* const zooms[5] = {"&50 %", "&75 %", "&100 %", "150 %", "&200 %"};
    const double valores[5] = {0.5, 0.75, 1.0, 1.5, 2.0};
    for (int k = 0; k < 5; ++k) {
        mnu_zoomFijo[k] = entrada(mnu_zoom, zooms[k]);
        mnu_zoomFijo[k]->setCheckable(true);
        const double z = valores[k];
        connect(mnu_zoomFijo[k], &QAction::triggered, this, [this, z] { Zoom(z); });
    }
    mnu_zoomFijo[2]->setChecked(true);
    mnu_Ver_WIN_INI = entradaMarcada(mnu_Ver, "Ventana de opciones al iniciar la aplicación",
                                     [this] { mnu_Ver_WIN_INI_Click(); });

    mnu_Help = barra->addMenu(u("Ay&uda"));
    mnu_Help_Manual = entrada(mnu_Help, "&Manual de usuario (documento PDF)...", Qt::Key_F1);
    mnu_Help->addSeparator();
    mnu_Ayuda_WEB = entrada(mnu_Help, "Página &Web: www.zelmsoftware.example...");
    mnu_Ayuda_DONA = entrada(mnu_Help, "Hacer una &donación...");
    mnu_Help_About = entrada(mnu_Help, "&Acerca de...");
    connect(mnu_Help_About, &QAction::triggered, this, [this] { mnu_Help_About_Click(); });
    mnu_Help->addSeparator();
    entrada(mnu_Help, "Más productos de ZelmSoftware:");
    const char* const otros[4] = {"    - Pixo - Matemáticas", "    - Firv - Química",
                                  "    - Zond - Tecnología", "    - Quab - Biología"};
    const char* const paginas[4] = {"pixo", "firv", "zond", "quab"};
    for (int k = 0; k < 4; ++k) {
        mnu_Ayuda_OTROS[k] = entrada(mnu_Help, otros[k]);
        const QString url = QStringLiteral("https://www.zelmsoftware.example/") +
                            QString::fromLatin1(paginas[k]) + u'/';
        connect(mnu_Ayuda_OTROS[k], &QAction::triggered, this,
                [this, url] { AbrirPaginaWeb(url); });
    }
    connect(mnu_Help_Manual, &QAction::triggered, this, [this] { mnu_Help_Manual_Click(); });
    connect(mnu_Ayuda_WEB, &QAction::triggered, this,
            [this] { AbrirPaginaWeb(QStringLiteral("https://www.zelmsoftware.example/")); });
    connect(mnu_Ayuda_DONA, &QAction::triggered, this,
            [this] { AbrirPaginaWeb(QStringLiteral("https://www.zelmsoftware.example/donar/")); });
    const char* const programador[4] = {"Lista Asignaturas", "Lista Temas y subtemas (SIN #ID)",
                                        "Lista Temas y subtemas", "Ver IDPROD APP etc"};
    for (int k = 0; k < 4; ++k) {
        mnu_PROGRAMADOR[k] = entrada(mnu_Help, programador[k]);
        const auto lista = static_cast<ListaProgramador>(k);
        connect(mnu_PROGRAMADOR[k], &QAction::triggered, this, [this, lista] {
            CopiaListaProgramador(lista, nucleo_->generacion, s_.portapapeles, s_.avisos);
            reactiva();
        });
    }

    creaMenuContextual();
}

void FormMain::creaMenuEdicion() {
    mnu_Edicion = menuBar()->addMenu(u("&Edición"));
    mnu_Edicion_Undo = entrada(mnu_Edicion, "No se puede deshacer", Qt::CTRL | Qt::Key_Z);
    mnu_Edicion_Redo = entrada(mnu_Edicion, "No se puede rehacer", Qt::CTRL | Qt::Key_Y);
    mnu_Edicion_Undo->setEnabled(false);
    mnu_Edicion_Redo->setEnabled(false);
    mnu_Edicion->addSeparator();
    mnu_Edicion_Cut = entrada(mnu_Edicion, "Cor&tar", Qt::CTRL | Qt::Key_X);
    mnu_Edicion_Copy = entrada(mnu_Edicion, "&Copiar", Qt::CTRL | Qt::Key_C);
    mnu_Edicion_Paste = entrada(mnu_Edicion, "&Pegar", Qt::CTRL | Qt::Key_V);
    mnu_Edicion_Paste->setEnabled(false); // until the clipboard has been read
    mnu_Edicion_Del = entrada(mnu_Edicion, "Borr&ar", Qt::Key_Delete);
    mnu_Edicion->addSeparator();
    const char* const mover[4] = {"Poner al pr&incipio", "Poner al &final", "Mover hacia arri&ba",
                                  "Mover hacia aba&jo"};
    const QKeySequence atajos[4] = {{}, {}, Qt::Key_F2, Qt::Key_F3};
    for (int k = 0; k < 4; ++k)
        mnu_Edicion_Mover[k] = entrada(mnu_Edicion, mover[k], atajos[k]);
    mnu_Edicion->addSeparator();
    mnu_Edicion_REGEN1 = entrada(mnu_Edicion, "R&egenerar problema", Qt::CTRL | Qt::Key_E);
    mnu_Edicion_INS = entrada(mnu_Edicion, "In&sertar del mismo tipo", Qt::CTRL | Qt::Key_I);
    connect(mnu_Edicion, &QMenu::aboutToShow, this, &FormMain::refrescaMenuEdicion);

    connect(mnu_Edicion_Undo, &QAction::triggered, this,
            [this] { orden([this] { doc_->Deshacer(); }); });
    connect(mnu_Edicion_Redo, &QAction::triggered, this,
            [this] { orden([this] { doc_->Rehacer(); }); });
    connect(mnu_Edicion_Cut, &QAction::triggered, this,
            [this] { orden([this] { doc_->Cortar(); }); });
    connect(mnu_Edicion_Copy, &QAction::triggered, this,
            [this] { orden([this] { doc_->Copiar(); }); });
    connect(mnu_Edicion_Paste, &QAction::triggered, this,
            [this] { orden([this] { doc_->Pegar(); }); });
    connect(mnu_Edicion_Del, &QAction::triggered, this,
            [this] { orden([this] { doc_->Borrar(); }); });
    for (int k = 0; k < 4; ++k)
        connect(mnu_Edicion_Mover[k], &QAction::triggered, this,
                [this, k] { orden([this, k] { doc_->Mover(k); }); });
    connect(mnu_Edicion_REGEN1, &QAction::triggered, this,
            [this] { orden([this] { doc_->RegenerarProblema(); }); });
    connect(mnu_Edicion_INS, &QAction::triggered, this,
            [this] { orden([this] { doc_->InsertarMismoTipo(); }); });
}

void FormMain::creaMenuContextual() {
    cmnu_edicion = new QMenu(u("CEdicion"), this);
    auto gemela = [this](const char* texto, QAction* principal) {
        QAction* a = cmnu_edicion->addAction(u(texto));
        connect(a, &QAction::triggered, principal, &QAction::trigger);
        return a;
    };
    cmnu_Edicion_Undo = gemela("No se puede deshacer", mnu_Edicion_Undo);
    cmnu_Edicion_Redo = gemela("No se puede rehacer", mnu_Edicion_Redo);
    cmnu_Edicion_Undo->setEnabled(false);
    cmnu_Edicion_Redo->setEnabled(false);
    cmnu_edicion->addSeparator();
    cmnu_Edicion_Cut = gemela("Cor&tar", mnu_Edicion_Cut);
    cmnu_Edicion_Copy = gemela("&Copiar", mnu_Edicion_Copy);
    cmnu_Edicion_Paste = gemela("&Pegar", mnu_Edicion_Paste);
    cmnu_Edicion_Paste->setEnabled(false);
    cmnu_Edicion_Del = gemela("Borr&ar", mnu_Edicion_Del);
    cmnu_edicion->addSeparator();
    const char* const mover[4] = {"Poner al pr&incipio", "Poner al &final", "Mover hacia arri&ba",
                                  "Mover hacia aba&jo"};
    for (int k = 0; k < 4; ++k)
        cmnu_Edicion_Mover[k] = gemela(mover[k], mnu_Edicion_Mover[k]);
    cmnu_edicion->addSeparator();
    cmnu_Edicion_REGEN1 = gemela("R&egenerar problema", mnu_Edicion_REGEN1);
    cmnu_Edicion_INS = gemela("In&sertar del mismo tipo", mnu_Edicion_INS);
    cmnu_edicion->addSeparator();
    cmnu_Edicion_COLEC_Prop = gemela("Propie&dades de la colección...", mnu_COLEC_Prop);
    connect(cmnu_edicion, &QMenu::aboutToShow, this, &FormMain::refrescaMenuEdicion);
}

// Both Edit menus and the Cut and Copy buttons as the selection allows: when the menus open,
// after a click on the page and after every command (a redraw clears the selection), so that
// the shortcuts and the toolbar agree.
void FormMain::refrescaMenuEdicion() {
    const document::EstadoEdicion e = doc_->EstadoMenuEdicion();
    CortarCopiarHabilitado(e.seleccion);
    ActualizarBotones();
    for (QAction* a : {mnu_Edicion_Cut, mnu_Edicion_Copy, mnu_Edicion_Del, mnu_Edicion_REGEN1,
                       mnu_Edicion_INS, cmnu_Edicion_Cut, cmnu_Edicion_Copy, cmnu_Edicion_Del,
                       cmnu_Edicion_REGEN1, cmnu_Edicion_INS})
        a->setEnabled(e.seleccion);
    for (int k = 0; k < 4; ++k) {
        mnu_Edicion_Mover[k]->setEnabled(e.mover[k]);
        cmnu_Edicion_Mover[k]->setEnabled(e.mover[k]);
    }
}

// A command's composition and pagination yield to the event loop: a second command arriving
// then (a shortcut, a toolbar click) is dropped, and the window counts as busy.
void FormMain::orden(const std::function<void()>& f) {
    if (enOrden_) return;
    enOrden_ = true;
    const auto fin = qScopeGuard([this] { enOrden_ = false; });
    f();
    Picture1->update();
    refrescaMenuEdicion();
    reactiva();
}

// Window managers may leave the window inactive after a box or dialog it opened.
void FormMain::reactiva() {
    if (isVisible()) activateWindow();
}

void FormMain::avisa(const QString& texto, const QString& titulo) {
    s_.avisos.ask(texto, titulo, Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
    reactiva();
}

void FormMain::Form_Load() {
    setEnabled(false);
    NoMostrarInicio = s_.ajustes.value(QStringLiteral("INI_WIN"), QStringLiteral("SHOW"),
                                       QStringLiteral("1")) == QStringLiteral("0");
    mnu_Ver_WIN_INI->setChecked(!NoMostrarInicio);
    for (QAction* a : mnu_PROGRAMADOR)
        a->setVisible(false);

    doc_->PonZoom(1.0);
    AnchoPendiente = true;
    BotonVisible.fill(true);
    BotonHabilitado.fill(true);
    for (int i = 2; i <= 7; ++i)
        BotonHabilitado[i] = false;
    mnu_Ver_BotEdic->setChecked(s_.ajustes.value(QStringLiteral("Ver"),
                                                 QStringLiteral("EdicBotones"),
                                                 QStringLiteral("N")) == QStringLiteral("N"));
    mnu_Ver_BotEdic_Click();
    setWindowTitle(TituloAplicacion());

    const int anchoPantalla = screen() ? screen()->geometry().width() : 1024;
    ImgBack->setGeometry(0, 0, anchoPantalla, 55);
    Picture1->resize(796, 1125);
    EstadoVentanaPrevio = windowState();
    PonMenu(mnu_Edicion, false, true);
    PonMenu(mnu_COLEC, false, true);
    Line1->setGeometry(0, 54, anchoPantalla, 1);
    VScroll1->barra().setGeometry(1, 0, 18, VScroll1->barra().height());
    HScroll1->barra().move(148, 2);
    Picture1->move(8, 55 + 5);
    disposicion();

    s_.eventos.yield();
    s_.eventos.yield();
    if (s_.impresoras.count() > 0)
        PicToolB[9]->setToolTip(QStringLiteral("Imprimir (") + s_.impresoras.currentPrinter() +
                                u')');
    else
        PicToolB[9]->setEnabled(false);

    zep04->setVisible(false);
    for (int i = 1; i <= 9; ++i) {
        mnu_File_Reciente[i]->setVisible(false);
        // An entry never filled keeps its design caption.
        const QString titulo =
            s_.ajustes.value(QStringLiteral("Reciente"), QStringLiteral("Titulo%1").arg(i), {});
        if (!titulo.isEmpty()) mnu_File_Reciente[i]->setText(titulo);
        RecientesArchivo[i] =
            s_.ajustes.value(QStringLiteral("Reciente"), QStringLiteral("Archivo%1").arg(i), {});
        if (!RecientesArchivo[i].isEmpty()) {
            mnu_File_Reciente[i]->setVisible(true);
            zep04->setVisible(true);
        }
    }
    UltimaCarpeta = s_.ajustes.value(QStringLiteral("LastPath"), QStringLiteral("Path"), {});

    s_.eventos.yield();
    setEnabled(true);

    // Paste follows the clipboard by its change notices; its state at start is read once the
    // window has been drawn, since its owner may not answer.
    s_.portapapeles.onChange([this] { cambioPortapapeles_->start(); });
    doc_->NoColeccion();
    VScroll1->PonVisible(false);
    Timer4->start();
    cargada_ = true;
}

bool FormMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        Form_Activate();
    } else if (e->type() == QEvent::WindowDeactivate) {
        WheelUnHook();
    } else if (e->type() == QEvent::Paint && portapapelesPorLeer_) {
        portapapelesPorLeer_ = false;
        cambioPortapapeles_->start(); // after this first drawing reaches the screen
    } else if (e->type() == QEvent::Show && cargada_ && !vigilaActivacion_->isActive() &&
               !activada_) {
        // The first show: ask to be activated, and run the activation steps anyway if the
        // window manager never activates the window.
        QTimer::singleShot(0, this, [this] { activateWindow(); });
        vigilaActivacion_->start();
    }
    return QMainWindow::event(e);
}

void FormMain::Form_Activate() {
    activada_ = true;
    if (AnchoPendiente) mnu_zoomANCHO_Click();
    if (splash_) {
        splash_->MostrarVentanaPrincipal = nullptr;
        splash_->done(QDialog::Accepted);
    }
    WheelHook(*this);
    OpenDRAGDROPFiles_Command();
    if (!NoMostrarInicio && !LineaComandos) Timer6->start();
}

void FormMain::closeEvent(QCloseEvent* event) {
    if (!Form_QueryUnload()) {
        event->ignore();
        reactiva();
        return;
    }
    Form_Unload();
    event->accept();
}

// The close request; false refuses it.
bool FormMain::Form_QueryUnload() {
    if (doc_->estado().Modificado) {
        const auto respuesta = s_.avisos.ask(
            QStringLiteral("¿Desea guardar el documento ") + doc_->estado().ArchivoActual + u'?',
            TituloPrograma(), Notifier::Buttons::YesNoCancel, Notifier::Icon::Question);
        if (respuesta == Notifier::Answer::Cancel) return false;
        if (respuesta == Notifier::Answer::Yes) {
            // A collection half composed is not saved: the user closes again when it is done.
            if (Ocupado()) {
                avisa(QStringLiteral("La colección se está componiendo; vuelva a intentarlo "
                                     "cuando termine."),
                      TituloPrograma());
                return false;
            }
            mnu_File_Save_Click();
            if (doc_->estado().Modificado) return false;
        }
    }
    if (Ocupado()) {
        const auto respuesta =
            s_.avisos.ask(QStringLiteral("La aplicación está ocupada.\r\n"
                                         "¿Quiere forzar la terminación de la misma?.\r\n"
                                         "Algunos archivos pueden dañarse con esta acción. \r\n"
                                         "Pulse SI para forzar la salida ahora.\r\n"
                                         "Pulse NO para continuar esperando."),
                          TituloPrograma(), Notifier::Buttons::YesNo, Notifier::Icon::Exclamation,
                          Notifier::Answer::No);
        if (respuesta == Notifier::Answer::Yes) s_.salida.exitNow(0);
        return false;
    }
    return true;
}

void FormMain::Form_Unload() {
    s_.ajustes.setValue(QStringLiteral("Ver"), QStringLiteral("EdicBotones"),
                        mnu_Ver_BotEdic->isChecked() ? QStringLiteral("S") : QStringLiteral("N"));
    for (int i = 1; i <= 9; ++i) {
        s_.ajustes.setValue(QStringLiteral("Reciente"), QStringLiteral("Titulo%1").arg(i),
                            mnu_File_Reciente[i]->text());
        s_.ajustes.setValue(QStringLiteral("Reciente"), QStringLiteral("Archivo%1").arg(i),
                            RecientesArchivo[i]);
    }
    s_.ajustes.setValue(QStringLiteral("LastPath"), QStringLiteral("Path"), UltimaCarpeta);
}

void FormMain::mnu_Help_About_Click() {
    FormSplash acerca(s_.shell, s_.avisos, this);
    acerca.DetieneTemporizador();
    acerca.exec();
    reactiva();
}

} // namespace vornith::mainwindow
