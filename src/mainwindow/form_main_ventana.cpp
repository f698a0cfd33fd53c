// What the document does to the main window, the toolbar, and the Save commands with the
// recent-files list.

#include "mainwindow/barra_desplazamiento.h"
#include "mainwindow/boton_barra.h"
#include "mainwindow/boton_pagina.h"
#include "mainwindow/form_main.h"
#include "mainwindow/vista_pagina.h"
#include "platform/program_data.h"

#include <QLabel>
#include <QMenu>

#include <cstdlib>

namespace vornith::mainwindow {
namespace {

bool visible(QMenu* menu) {
    return menu->menuAction()->isVisible();
}

// The part of a path behind its last folder separator.
QString nombreArchivo(const QString& ruta) {
    const qsizetype barra = std::max(ruta.lastIndexOf(u'/'), ruta.lastIndexOf(u'\\'));
    return ruta.mid(barra + 1);
}

QString carpetaDe(const QString& ruta) {
    const qsizetype barra = std::max(ruta.lastIndexOf(u'/'), ruta.lastIndexOf(u'\\'));
    return barra < 0 ? QString() : ruta.left(barra);
}

} // namespace

// A hidden or disabled menu keeps none of its shortcuts working.
void FormMain::PonMenu(QMenu* menu, bool visible, bool habilitado) {
    menu->menuAction()->setVisible(visible);
    menu->menuAction()->setEnabled(habilitado);
    for (QAction* a : menu->actions()) {
        const QVariant atajo = a->property("atajo");
        if (atajo.isValid())
            a->setShortcut(visible && habilitado ? atajo.value<QKeySequence>() : QKeySequence());
    }
}

void FormMain::PonSombra(const QColor& color) {
    QPalette paleta = ShapeShadow->palette();
    paleta.setColor(QPalette::Window, color);
    ShapeShadow->setPalette(paleta);
}

// While a collection is generated and paginated nothing may change it: the commands that
// could are disabled, their shortcuts included.
void FormMain::EstadoGenerando() {
    PonSombra(QColor(255, 255, 255));
    Picture1->hide();
    habilitaOrdenes(false);
}

void FormMain::HabilitaControles() {
    habilitaOrdenes(true);
}

// The toolbar, the four menus that hold commands and the page-turn buttons.
void FormMain::habilitaOrdenes(bool habilitadas) {
    tbToolbar1->setEnabled(habilitadas);
    for (QMenu* menu : {mnu_File, mnu_Help, mnu_Edicion, mnu_COLEC})
        PonMenu(menu, visible(menu), habilitadas);
    ImgLPage->setEnabled(habilitadas);
    ImgRPage->setEnabled(habilitadas);
}

void FormMain::MuestraPagina() {
    Picture1->show();
    Picture1->update();
    PonSombra(QColor(64, 64, 64));
    Picture1->setFocus();
    PonMenu(mnu_Edicion, true, true);
    PonMenu(mnu_COLEC, true, true);
}

void FormMain::PonTitulo(const QString& texto) {
    setWindowTitle(texto);
}

QString FormMain::TituloAplicacion() const {
    return QStringLiteral("Zelm Software - Vornith");
}

void FormMain::PonEtiquetaPagina(const QString& texto) {
    LbPage->setText(texto);
}

int FormMain::PosicionScroll() const {
    return std::abs(VScroll1->Value() - VScroll1->Min());
}

void FormMain::PonPosicionScroll(int posicion) {
    VScroll1->PonValue(VScroll1->Min() +
                       (VScroll1->Max() >= VScroll1->Min() ? posicion : -posicion));
}

void FormMain::HayColeccion() {
    s_.cursor.setBusy(false);
    tbToolbar1->setEnabled(true);
    PonMenu(mnu_File, true, true);
    PonMenu(mnu_Edicion, true, true);
    PonMenu(mnu_COLEC, true, true);
    PonMenu(mnu_Help, true, true);
    ImgLPage->setEnabled(true);
    ImgRPage->setEnabled(true);
    for (QAction* a : {mnu_File_Print, mnu_File_Save, mnu_File_SaveAs})
        a->setEnabled(true);
    for (QAction* a :
         {mnu_Edicion_Cut, mnu_Edicion_Copy, mnu_Edicion_Del, mnu_Edicion_REGEN1, mnu_Edicion_INS})
        a->setEnabled(true);
    for (QAction* a : mnu_Edicion_Mover)
        a->setEnabled(true);
    BotonHabilitado[2] = true;
    BotonHabilitado[6] = false;
    BotonHabilitado[7] = false;
    BotonHabilitado[3] = true;
    BotonHabilitado[9] = true;
    PegarHabilitado(doc_->PegarDisponible());
    for (int i = 4; i <= 8; ++i)
        BotonVisible[i] = mnu_Ver_BotEdic->isChecked();
    ActualizarBotones();
}

// The window steps of the no-collection state (the document clears its data). An emptied
// collection whose edit can be undone, or an undone New, keeps the Edit menu with Undo and
// Redo only (EstadoDeshacer enables them).
void FormMain::NoColeccion(bool deshacerDisponible) {
    s_.cursor.setBusy(false);
    tbToolbar1->setEnabled(true);
    PonMenu(mnu_File, true, true);
    PonMenu(mnu_Help, true, true);
    ImgLPage->setEnabled(true);
    ImgRPage->setEnabled(true);
    Picture1->update();
    LbPage->clear();
    setWindowTitle(TituloAplicacion());
    PonMenu(mnu_Edicion, deshacerDisponible, true);
    PonMenu(mnu_COLEC, false, true);
    if (deshacerDisponible)
        for (QAction* a : mnu_Edicion->actions())
            if (a != mnu_Edicion_Undo && a != mnu_Edicion_Redo && !a->isSeparator())
                a->setEnabled(false);
    for (QAction* a : {mnu_File_Print, mnu_File_Save, mnu_File_SaveAs})
        a->setEnabled(false);
    for (const int i : {2, 6, 7, 3, 9})
        BotonHabilitado[i] = false;
    PegarHabilitado(false);
    for (int i = 4; i <= 8; ++i)
        BotonVisible[i] = false;
    if (deshacerDisponible) BotonVisible[4] = BotonVisible[5] = mnu_Ver_BotEdic->isChecked();
    ActualizarBotones();
}

void FormMain::ActualizaMenusCheckeados() {
    for (int k = 0; k < 4; ++k)
        mnu_COLEC_Sol[k]->setChecked(doc_->estado().Coleccion.POSSOL == k);
}

void FormMain::EstadoDeshacer(const QString& tituloDeshacer, bool deshacer,
                              const QString& tituloRehacer, bool rehacer) {
    for (QAction* a : {mnu_Edicion_Undo, cmnu_Edicion_Undo}) {
        a->setText(tituloDeshacer);
        a->setEnabled(deshacer);
    }
    for (QAction* a : {mnu_Edicion_Redo, cmnu_Edicion_Redo}) {
        a->setText(tituloRehacer);
        a->setEnabled(rehacer);
    }
    PicToolB[4]->setToolTip(tituloDeshacer);
    PicToolB[5]->setToolTip(tituloRehacer);
    BotonHabilitado[4] = deshacer;
    BotonHabilitado[5] = rehacer;
}

// Paste's three controls, together.
void FormMain::PegarHabilitado(bool habilitado) {
    mnu_Edicion_Paste->setEnabled(habilitado);
    cmnu_Edicion_Paste->setEnabled(habilitado);
    BotonHabilitado[8] = habilitado;
}

void FormMain::CortarCopiarHabilitado(bool habilitado) {
    BotonHabilitado[6] = habilitado;
    BotonHabilitado[7] = habilitado;
}

void FormMain::ActualizarBotones() {
    int p = 0;
    for (int i = 0; i < 12; ++i) {
        BotonBarra* boton = PicToolB[i];
        if (BotonVisible[i]) {
            boton->setGeometry(p + 20, 0, 60, 53);
            boton->setEnabled(BotonHabilitado[i]);
            boton->MuestraReposo();
            p += 60;
        }
        boton->setVisible(BotonVisible[i]);
    }
}

void FormMain::PicToolB_Click(const QString& tag) {
    const int i =
        static_cast<int>(std::find_if(PicToolB.begin(), PicToolB.end(),
                                      [&](const BotonBarra* b) { return b->Tag() == tag; }) -
                         PicToolB.begin());
    const std::array<QAction*, 5> edicion{mnu_Edicion_Undo, mnu_Edicion_Redo, mnu_Edicion_Cut,
                                          mnu_Edicion_Copy, mnu_Edicion_Paste};
    if (i >= 4 && i <= 8) {
        edicion[i - 4]->trigger();
        return;
    }
    switch (i) {
    case 0:
        mnu_File_Open_Click();
        break;
    case 1:
        mnu_File_New_Click();
        break;
    case 9:
        mnu_File_Print_Click();
        break;
    case 2:
        mnu_File_Save_Click();
        break;
    case 3:
        orden([this] {
            if (doc_->NumSeleccionados() == 1)
                doc_->RegenerarProblema();
            else
                doc_->RegenerarColeccion();
        });
        break;
    case 10:
        mnu_zoom->popup(QCursor::pos());
        break;
    case 11:
        mnu_Help->popup(QCursor::pos());
        break;
    default:
        break;
    }
}

void FormMain::mnu_File_Save_Click() {
    const document::EstadoDocumento& d = doc_->estado();
    if (d.NumBloques == 0 || d.Coleccion.NPROB == 0) return;
    // A shipped example is never written over: it is saved under a new name.
    if (d.ArchivoActual.isEmpty() || isProgramData(d.ArchivoActual, s_.datosPrograma.folder())) {
        mnu_File_SaveAs_Click();
        return;
    }
    s_.cursor.setBusy(true);
    doc_->SaveFile(d.ArchivoActual);
    if (windowTitle().endsWith(u'*')) setWindowTitle(windowTitle().chopped(1));
    s_.cursor.setBusy(false);
    reactiva();
}

// Save As. The file, the caption, the recent list and the last folder change only when the file
// was written (a write-protected file starts a Save As of its own, which does the same).
void FormMain::mnu_File_SaveAs_Click() {
    const document::EstadoDocumento& d = doc_->estado();
    if (d.NumBloques == 0 || d.Coleccion.NPROB == 0) return;
    FileDialogRequest pedido;
    pedido.title = QStringLiteral("Guardar colección");
    pedido.filters =
        QStringLiteral("Colecciones de Problemas (*.col)|*.col|Todos los archivos (*.*)|*.*");
    pedido.folder = carpetaGuardar();
    // An example's name is proposed without its folder, which is the program's.
    if (!d.ArchivoActual.isEmpty())
        pedido.fileName = isProgramData(RecientesArchivo[1], s_.datosPrograma.folder())
                              ? nombreArchivo(RecientesArchivo[1])
                              : RecientesArchivo[1];
    pedido.defaultSuffix = QStringLiteral("col");
    const std::optional<QString> elegido = s_.dialogosArchivo.saveFile(pedido);
    reactiva();
    if (!elegido) return;
    s_.cursor.setBusy(true);
    const bool guardado = doc_->SaveFile(*elegido);
    s_.cursor.setBusy(false);
    if (!guardado) return;
    UltimaCarpeta = carpetaDe(*elegido);
    setWindowTitle(document::TituloConArchivo(TituloAplicacion(), d.ArchivoActual));
    AnadeReciente(d.ArchivoActual);
}

// The file goes to the top of the list; a path already listed (whatever its letter case)
// moves up, else the oldest entry drops out.
void FormMain::AnadeReciente(const QString& ruta) {
    int i = 9;
    for (int k = 1; k <= 9; ++k) {
        if (RecientesArchivo[k].toUpper() == ruta.toUpper()) {
            i = k;
            break;
        }
    }
    for (int j = i - 1; j >= 1; --j) {
        mnu_File_Reciente[j + 1]->setText(mnu_File_Reciente[j]->text());
        RecientesArchivo[j + 1] = RecientesArchivo[j];
        if (!RecientesArchivo[j + 1].isEmpty()) {
            mnu_File_Reciente[j + 1]->setVisible(true);
            zep04->setVisible(true);
        }
    }
    mnu_File_Reciente[1]->setText(nombreArchivo(ruta));
    mnu_File_Reciente[1]->setVisible(true);
    RecientesArchivo[1] = ruta;
    zep04->setVisible(true);
}

void FormMain::GuardarComo() {
    mnu_File_SaveAs_Click();
}

} // namespace vornith::mainwindow
