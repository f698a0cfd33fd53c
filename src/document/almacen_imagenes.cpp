#include "document/almacen_imagenes.h"

namespace vornith::document {

void AlmacenImagenes::Anade(const QString& nombre, const QByteArray& datos) {
    const QString clave = nombre.toCaseFolded();
    if (!datos_.contains(clave)) datos_.insert(clave, datos);
}

std::optional<QByteArray> AlmacenImagenes::Busca(const QString& nombre) const {
    const auto datos = datos_.constFind(nombre.toCaseFolded());
    if (datos == datos_.constEnd()) return std::nullopt;
    return *datos;
}

} // namespace vornith::document
