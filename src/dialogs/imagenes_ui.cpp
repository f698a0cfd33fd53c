#include "dialogs/imagenes_ui.h"

namespace vornith::dialogs {

namespace {
QString ruta(const QString& nombre) {
    return QStringLiteral(":/ui/") + nombre + QStringLiteral(".png");
}
} // namespace

QPixmap ImagenUi(const QString& nombre) {
    return QPixmap(ruta(nombre));
}

QImage ImagenUiComoImagen(const QString& nombre) {
    return QImage(ruta(nombre));
}

} // namespace vornith::dialogs
