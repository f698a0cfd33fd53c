#pragma once

#include "dialogs/dialogos.h"
#include "document/documento.h"
#include "document/nucleo.h"
#include "document/ventana_coleccion.h"
#include "mainwindow/form_splash.h"
#include "mainwindow/servicios_principal.h"
#include "platform/qt/wheel_hook.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;

namespace vornith {
class PageBoxSurface;
}

namespace vornith::mainwindow {

class BarraDesplazamiento;
class BotonBarra;
class BotonPagina;
class VistaPagina;

// The main window: page view, selection on the page, toolbar, menus, settings and the file
// commands Save and Save As. The document reaches it only as a VentanaColeccion.
class FormMain final : public QMainWindow, public document::VentanaColeccion, public ReceptorRueda {
    Q_OBJECT
  public:
    // Builds the core (generation, engine, document) on the platform's services.
    explicit FormMain(ServiciosPrincipal& servicios);
    ~FormMain() override;

    // The load, run once after construction (it yields to the event loop).
    void Form_Load();
    bool Cargada() const { return cargada_; }
    // The start-up splash, unloaded at the first activation.
    void PonSplash(FormSplash* splash) { splash_ = splash; }

    document::Documento& Doc() { return *doc_; }
    textengine::EstadoMotor& Motor() { return motor_; }
    PageBoxSurface& CajaPagina() { return *caja_; }

    // document::VentanaColeccion
    void EstadoGenerando() override;
    void HabilitaControles() override;
    void MuestraPagina() override;
    void PonTitulo(const QString& texto) override;
    QString TituloAplicacion() const override;
    void PonEtiquetaPagina(const QString& texto) override;
    int PosicionScroll() const override;
    void PonPosicionScroll(int posicion) override;
    void HayColeccion() override;
    void NoColeccion(bool deshacerDisponible) override;
    void ActualizaMenusCheckeados() override;
    void EstadoDeshacer(const QString& tituloDeshacer, bool deshacer, const QString& tituloRehacer,
                        bool rehacer) override;
    void PegarHabilitado(bool habilitado) override;
    void CortarCopiarHabilitado(bool habilitado) override;
    void ActualizarBotones() override;
    void AnadeReciente(const QString& ruta) override;
    void GuardarComo() override;

    // Page view.
    void Form_Resize();
    void Timer1_Timer();
    void ImgLPage_Click();
    void ImgRPage_Click();
    // Returns whether the key was consumed.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers shift);
    void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) override;
    void Zoom(double zoom);
    void mnu_zoomANCHO_Click();
    void mnu_Ver_BotEdic_Click();
    void mnu_Ver_WIN_INI_Click();

    // Selection on the page; X, Y in page twips.
    void Picture1_MouseMove(float X);
    void Picture1_MouseDown(int Button, float X, float Y, QPoint global);

    // Toolbar.
    void PicToolB_Click(const QString& tag);

    // File commands.
    void mnu_File_Save_Click();
    void mnu_File_SaveAs_Click();
    void mnu_Help_About_Click();
    void mnu_File_New_Click();
    void mnu_File_Open_Click();
    void mnu_File_Reciente_Click(int Index);
    void mnu_File_Repetir_Click();
    void mnu_File_Print_Click();

    // Collection and Help menus.
    void mnu_COLEC_Prop_Click();
    // The four solution placements, k = POSSOL.
    void mnu_COLEC_Sol_Click(int k);
    void mnu_Help_Manual_Click();
    void AbrirPaginaWeb(const QString& url);

    // Files from the command line (the program's arguments) and from drops.
    void ProcesaCommand(const QStringList& argumentos);
    void OpenDRAGDROPFiles_Command();
    // The start-up dispatch: the start-options window and its command.
    void Timer6_Timer();

    // The dialogs, before the load.
    void PonDialogos(dialogs::Dialogos& dialogos) { dialogos_ = &dialogos; }
    generation::EstadoGeneracion& Generacion() { return nucleo_->generacion; }

    // Controls and state, under the names the rest of the system uses.
    std::array<bool, 12> BotonVisible{};
    std::array<bool, 12> BotonHabilitado{};
    std::array<BotonBarra*, 12> PicToolB{};
    std::array<QString, 10> RecientesArchivo; // 1..9
    QString UltimaCarpeta;
    bool AnchoPendiente = true;
    bool NoMostrarInicio = false;

    QWidget* tbToolbar1;
    QLabel* ImgBack;
    QFrame* Line1;
    QWidget* Picture2;
    QWidget* Picture3;
    QLabel* LbPage;
    BotonPagina* ImgLPage;
    BotonPagina* ImgRPage;
    VistaPagina* Picture1;
    QWidget* ShapeShadow;
    BarraDesplazamiento* HScroll1;
    BarraDesplazamiento* VScroll1;
    QTimer* Timer1;
    QTimer* Timer4;
    QTimer* cambioPortapapeles_;
    QTimer* Timer6;
    QStringList ArchivosComando;      // ArchivosComando(1..NumArchivosComando)
    QStringList NoColeccionesComando; // of several names on the command line, those not ".COL"
    bool LineaComandos = false;       // the command line was not empty, whatever it named
    QString ComandoInicio;

    QMenu* mnu_File;
    QAction* mnu_File_New;
    QAction* mnu_File_Open;
    QAction* mnu_File_Save;
    QAction* mnu_File_SaveAs;
    QAction* mnu_File_Print;
    QAction* zep04;
    std::array<QAction*, 10> mnu_File_Reciente{}; // 1..9
    QAction* mnu_File_Exit;
    QMenu* mnu_Edicion;
    QAction* mnu_Edicion_Undo;
    QAction* mnu_Edicion_Redo;
    QAction* mnu_Edicion_Cut;
    QAction* mnu_Edicion_Copy;
    QAction* mnu_Edicion_Paste;
    QAction* mnu_Edicion_Del;
    std::array<QAction*, 4> mnu_Edicion_Mover{};
    QAction* mnu_Edicion_REGEN1;
    QAction* mnu_Edicion_INS;
    QMenu* cmnu_edicion;
    QAction* cmnu_Edicion_Undo;
    QAction* cmnu_Edicion_Redo;
    QAction* cmnu_Edicion_Cut;
    QAction* cmnu_Edicion_Copy;
    QAction* cmnu_Edicion_Paste;
    QAction* cmnu_Edicion_Del;
    std::array<QAction*, 4> cmnu_Edicion_Mover{};
    QAction* cmnu_Edicion_REGEN1;
    QAction* cmnu_Edicion_INS;
    QAction* cmnu_Edicion_COLEC_Prop;
    QMenu* mnu_COLEC;
    QAction* mnu_COLEC_RECREAR;
    std::array<QAction*, 4> mnu_COLEC_Sol{}; // SinSol, SolDespPro, SolJuntasFinal, SolPagAparte
    QAction* mnu_COLEC_Prop;
    QMenu* mnu_Ver;
    QAction* mnu_Ver_BotEdic;
    QMenu* mnu_zoom;
    QAction* mnu_zoomANCHO;
    std::array<QAction*, 5> mnu_zoomFijo{}; // 50, 75, 100, 150, 200 %
    QAction* mnu_Ver_WIN_INI;
    QMenu* mnu_Help;
    QAction* mnu_Help_Manual;
    QAction* mnu_Ayuda_WEB;
    QAction* mnu_Ayuda_DONA;
    QAction* mnu_Help_About;
    std::array<QAction*, 4> mnu_Ayuda_OTROS{};
    // LISTAASIG, LISTAT_S_SIM, LISTATEMASUB, VERIDPROD
    std::array<QAction*, 4> mnu_PROGRAMADOR{};

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void creaControles();
    void creaMenus();
    void creaMenuEdicion();
    void creaMenuContextual();
    void Form_Activate();
    void abre(const QString& ruta);
    bool arrastre(QEvent* event);
    void Form_Unload();
    bool Form_QueryUnload();
    void disposicion();
    void irAPagina(int destino);
    bool Ocupado() const;
    void desplaza(BarraDesplazamiento& barra, int hacia);
    void refrescaMenuEdicion();
    void tamanoCaja();
    void marcaZoom(QAction* elegida);
    void ajustaZoom(double zoom);
    bool preguntaGuardar(Notifier::Answer porDefecto = Notifier::Answer::Ok);
    // Where the Open dialog and the save dialogs start: the last folder used, else the user's
    // documents; a save never starts in the program's data folder.
    QString carpetaAbrir() const;
    QString carpetaGuardar() const;
    void tituloYReciente();
    void reactiva();
    // An Ok box with the exclamation icon, then the window back.
    void avisa(const QString& texto, const QString& titulo);
    void PonSombra(const QColor& color);
    void habilitaOrdenes(bool habilitadas);
    static void PonMenu(QMenu* menu, bool visible, bool habilitado);
    // Runs a document command, then repaints the page and gives the window back its input.
    void orden(const std::function<void()>& f);

    ServiciosPrincipal& s_;
    std::unique_ptr<PageBoxSurface> caja_;
    std::unique_ptr<document::Nucleo> nucleo_;
    document::Documento* const doc_;
    textengine::EstadoMotor& motor_;
    QPointer<FormSplash> splash_;
    dialogs::Dialogos* dialogos_ = nullptr;
    dialogs::ResultadosDialogos resultados_;
    Qt::WindowStates EstadoVentanaPrevio;
    QTimer* vigilaActivacion_;
    bool cargada_ = false;
    bool activada_ = false;
    bool portapapelesPorLeer_ = true; // the clipboard's state at start, read once drawn
    bool pasandoPagina_ = false;
    bool enOrden_ = false;
};

} // namespace vornith::mainwindow
