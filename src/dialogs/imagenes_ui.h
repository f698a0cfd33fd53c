#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace vornith::dialogs {

// A picture of the dialogs, embedded from assets/ui by its file name without ".png".
QPixmap ImagenUi(const QString& nombre);
QImage ImagenUiComoImagen(const QString& nombre);

} // namespace vornith::dialogs
