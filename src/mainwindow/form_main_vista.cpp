// The page view of the main window: layout, scroll bars, page turning, keys, wheel, zoom and
// the selection of a problem on the page.

#include "mainwindow/barra_desplazamiento.h"
#include "mainwindow/boton_pagina.h"
#include "mainwindow/form_main.h"
#include "mainwindow/vista_pagina.h"
#include "platform/qt/page_box_surface.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace vornith::mainwindow {

void FormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (cargada_) Form_Resize();
}

void FormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && cargada_) Form_Resize();
}

// The page box takes the size of the page at the current zoom. The same size keeps the page;
// a new one clears it, and the zoom command that changed it draws the page again (a resize
// never yields to the event loop).
void FormMain::tamanoCaja() {
    const int ancho = static_cast<int>(std::lround(796 * motor_.Zoom));
    const int alto = static_cast<int>(std::lround(1125 * motor_.Zoom));
    if (caja_->widthPixels() == ancho && caja_->heightPixels() == alto) return;
    caja_->resize(ancho, alto);
    Picture1->resize(ancho, alto);
}

// Every resize lays the view out; a change of window state lays it out once more when the
// window system has settled (Timer1).
void FormMain::Form_Resize() {
    tamanoCaja();
    if (windowState() == Qt::WindowNoState) {
        if (x() < 0) move(0, y());
        if (y() < 0) move(x(), 0);
    }
    disposicion();
    const int anchoPantalla = screen() ? screen()->geometry().width() : width();
    ImgBack->resize(std::max(anchoPantalla, tbToolbar1->width()), 55);
    if (windowState() != EstadoVentanaPrevio) {
        Timer1->start();
        EstadoVentanaPrevio = windowState();
    }
}

void FormMain::Timer1_Timer() {
    disposicion();
}

// The layout of the page box in the free area between the toolbar, the bottom bar and the
// right-hand strip: centred when it fits, else at a margin with a scroll bar. W is the outer
// width of the window with its 4-pixel borders, so that every number holds for the client.
void FormMain::disposicion() {
    QWidget* central = centralWidget();
    const int CH = central->height();
    const int cw = central->width();
    tbToolbar1->setGeometry(0, 0, cw, 55);
    Picture2->setGeometry(0, CH - 25, cw, 25);
    Picture3->setGeometry(cw - 20, 55, 20, std::max(0, CH - 25 - 55));

    const float W = static_cast<float>(width() + 8);
    const float R = 20;
    const float PW = static_cast<float>(Picture1->width());
    const float PH = static_cast<float>(Picture1->height());
    const float T = 0;
    const float TH = 55;
    const float B = static_cast<float>(CH - 25);

    int izquierda;
    if (W - R - 8 > PW) {
        izquierda = static_cast<int>((W - R - 8 - PW) / 2);
        HScroll1->PonVisible(false);
    } else {
        izquierda = 8;
        HScroll1->PonMin(8);
        HScroll1->PonMax(static_cast<int>(std::lround(W - 8 - PW - 26)));
        HScroll1->PonValue(8);
        QScrollBar& barra = HScroll1->barra();
        barra.resize(std::max(0, static_cast<int>(W) - 29 - barra.x()), 21);
        HScroll1->PonVisible(true);
        barra.move(144, 2);
    }
    int arriba;
    if (B - T - TH - 8 > PH) {
        arriba = static_cast<int>(5 + TH + (B - T - TH - 8 - PH) / 2);
        VScroll1->PonVisible(false);
    } else {
        arriba = static_cast<int>(5 + TH);
        VScroll1->PonMin(arriba);
        VScroll1->PonMax(static_cast<int>(std::lround(CH - 30 - PH)));
        VScroll1->PonValue(arriba);
        VScroll1->barra().setGeometry(1, 0, 18, Picture3->height());
        VScroll1->PonVisible(true);
    }
    Picture1->move(izquierda, arriba);
    ShapeShadow->setGeometry(izquierda + 2, arriba + 2, Picture1->width(), Picture1->height());
    ShapeShadow->lower();
    if (Picture1->isVisible()) Picture1->setFocus();
}

void FormMain::ImgLPage_Click() {
    irAPagina(doc_->estado().PaginaActual - 1);
}

void FormMain::ImgRPage_Click() {
    irAPagina(doc_->estado().PaginaActual + 1);
}

// Shows page `destino` from its top; refused with a beep past either end, with no pages, or
// while busy. The engine yields while it draws, so the turn is busy until the page is drawn.
void FormMain::irAPagina(int destino) {
    const document::EstadoDocumento& d = doc_->estado();
    if (Ocupado() || d.NumPaginas == 0 || destino < 1 || destino > d.NumPaginas) {
        s_.avisos.beep();
        return;
    }
    doc_->PonPaginaActual(destino);
    VScroll1->PonValue(VScroll1->Min());
    pasandoPagina_ = true;
    PonSombra(QColor(255, 255, 255));
    Picture1->hide();
    doc_->DibujaPagina();
    PonSombra(QColor(64, 64, 64));
    Picture1->show();
    pasandoPagina_ = false;
    Picture1->setFocus();
}

bool FormMain::Ocupado() const {
    return doc_->estado().Ocupado || pasandoPagina_ || enOrden_;
}

// One small step towards `hacia` (the bar's minimum or maximum), stopping there.
void FormMain::desplaza(BarraDesplazamiento& barra, int hacia) {
    const int paso = barra.SmallChange();
    const int valor = barra.Value();
    if (hacia < valor)
        barra.PonValue(std::max(hacia, valor - paso));
    else
        barra.PonValue(std::min(hacia, valor + paso));
}

bool FormMain::eventFilter(QObject* objeto, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        if (Form_KeyDown(tecla->key(), tecla->modifiers())) return true;
    }
    if (objeto == Picture1 && arrastre(event)) return true;
    return QMainWindow::eventFilter(objeto, event);
}

bool FormMain::Form_KeyDown(int key, Qt::KeyboardModifiers shift) {
    if (Ocupado()) return false;
    const int paginas = doc_->estado().NumPaginas;
    switch (key) {
    case Qt::Key_Down:
        if (!VScroll1->Visible() || VScroll1->Value() == VScroll1->Max())
            ImgRPage_Click();
        else
            desplaza(*VScroll1, VScroll1->Max());
        return true;
    case Qt::Key_Up:
        if (!VScroll1->Visible() || VScroll1->Value() == VScroll1->Min())
            ImgLPage_Click();
        else
            desplaza(*VScroll1, VScroll1->Min());
        return true;
    case Qt::Key_Right:
        if (HScroll1->Visible()) desplaza(*HScroll1, HScroll1->Max());
        return true;
    case Qt::Key_Left:
        if (HScroll1->Visible()) desplaza(*HScroll1, HScroll1->Min());
        return true;
    case Qt::Key_PageUp:
        ImgLPage_Click();
        return true;
    case Qt::Key_PageDown:
        ImgRPage_Click();
        return true;
    case Qt::Key_Home:
        irAPagina(1);
        return true;
    case Qt::Key_End:
        // With no pages only the beep of the refused turn.
        irAPagina(std::max(paginas, 1));
        return true;
    case Qt::Key_Space:
        if ((shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                      Qt::MetaModifier)) == Qt::ShiftModifier)
            for (QAction* a : mnu_PROGRAMADOR)
                a->setVisible(true);
        return false;
    default:
        return false;
    }
}

// One small step of the vertical bar per wheel event: away from the user towards the top of
// the page. The wheel never turns the page.
void FormMain::MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) {
    if (!VScroll1->Visible()) return;
    desplaza(*VScroll1, Rotation > 0 ? VScroll1->Min() : VScroll1->Max());
}

void FormMain::marcaZoom(QAction* elegida) {
    mnu_zoomANCHO->setChecked(elegida == mnu_zoomANCHO);
    for (QAction* a : mnu_zoomFijo)
        a->setChecked(a == elegida);
}

void FormMain::ajustaZoom(double zoom) {
    doc_->PonZoom(zoom);
    Form_Resize();
    Form_Resize();
    doc_->DibujaPagina();
    Picture1->update();
}

// The fixed zooms; nothing while the pages are being laid out.
void FormMain::Zoom(double zoom) {
    if (Ocupado()) return;
    static constexpr double kZooms[5] = {0.5, 0.75, 1.0, 1.5, 2.0};
    for (int k = 0; k < 5; ++k)
        if (kZooms[k] == zoom) marcaZoom(mnu_zoomFijo[k]);
    ajustaZoom(zoom);
}

void FormMain::mnu_zoomANCHO_Click() {
    if (Ocupado()) return;
    marcaZoom(mnu_zoomANCHO);
    AnchoPendiente = false;
    const double W = width() + 8;
    ajustaZoom(std::max(0.5, (W - 20 - 28) / 796));
}

void FormMain::mnu_Ver_BotEdic_Click() {
    mnu_Ver_BotEdic->setChecked(!mnu_Ver_BotEdic->isChecked());
    const bool visibles = doc_->estado().Coleccion.NPROB != 0 && mnu_Ver_BotEdic->isChecked();
    for (int i = 4; i <= 8; ++i)
        BotonVisible[i] = visibles;
    ActualizarBotones();
}

void FormMain::mnu_Ver_WIN_INI_Click() {
    mnu_Ver_WIN_INI->setChecked(!mnu_Ver_WIN_INI->isChecked());
    s_.ajustes.setValue(QStringLiteral("INI_WIN"), QStringLiteral("SHOW"),
                        mnu_Ver_WIN_INI->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void FormMain::Picture1_MouseMove(float X) {
    if (motor_.NumBloquesPagina == 0 || doc_->estado().Coleccion.NPROB == 0) {
        Picture1->Tag = QStringLiteral("Normal");
        Picture1->unsetCursor();
        return;
    }
    const auto L = static_cast<float>(motor_.MargenIzqPagina * 12.15);
    if (X < L) {
        if (Picture1->Tag == QStringLiteral("Normal")) {
            Picture1->Tag = QStringLiteral("Edición");
            Picture1->setCursor(QCursor(QPixmap(QStringLiteral(":/ui/edit_pointer.png")), 1, 1));
        }
    } else if (Picture1->Tag == QStringLiteral("Edición")) {
        Picture1->Tag = QStringLiteral("Normal");
        Picture1->unsetCursor();
    }
}

void FormMain::Picture1_MouseDown(int Button, float X, float Y, QPoint global) {
    if (motor_.NumBloquesPagina == 0 || doc_->estado().Coleccion.NPROB == 0) return;
    if (Button == 2) {
        cmnu_edicion->popup(global);
        return;
    }
    if (Picture1->Tag == QStringLiteral("Normal")) {
        doc_->QuitaSeleccion();
        Picture1->update();
        refrescaMenuEdicion();
        return;
    }
    if (Picture1->Tag != QStringLiteral("Edición")) return;
    const int h = doc_->BloqueEn(Y);
    if (h == 0) return;
    // A click on the selected block clears it.
    const bool yaSeleccionado = motor_.BloqueSel[h];
    if (yaSeleccionado)
        doc_->QuitaSeleccion();
    else
        doc_->Selecciona(h);
    Picture1->update();
    refrescaMenuEdicion();
}

} // namespace vornith::mainwindow
