// The pictures of the dialogs, one function per window family; each returns its pictures by
// file name.

#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace vornith::ui_pictures {

struct Dibujo {
    QString archivo;
    QImage imagen;
};

// Frame pieces, drag handle, drawn buttons and window corners shared by every dialog.
std::vector<Dibujo> dibujosMarcos();
// Tabs and the previews of the collection option controls.
std::vector<Dibujo> dibujosPropiedades();
// The collate pictures of the print dialog.
std::vector<Dibujo> dibujosImprimir();
// The wizard's pictures; the subject pictures go to a folder of their own.
std::vector<Dibujo> dibujosAsistente();
// The option pictures of the start-options window.
std::vector<Dibujo> dibujosInicio();
// Toolbar faces and background, page-turn arrows, edit-zone pointer and splash picture of the
// main window.
std::vector<Dibujo> dibujosVentanaPrincipal();
// The program's icon at the sizes of the desktop's icon theme, in a folder of its own.
std::vector<Dibujo> dibujosIcono();

} // namespace vornith::ui_pictures
