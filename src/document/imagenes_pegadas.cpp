#include "document/imagenes_pegadas.h"

#include "document/disco_coleccion.h"
#include "platform/picture_files.h"

#include <algorithm>

namespace vornith::document {

namespace {

// A collection of `problema` alone.
std::pair<DatosColeccion, TablaProblemas> Solo(const Problema& problema) {
    DatosColeccion coleccion;
    coleccion.NPROB = 1;
    TablaProblemas problemas(2);
    problemas[1] = problema;
    return {coleccion, problemas};
}

} // namespace

QByteArray DatosPortapapeles(const Problema& problema, const FuenteImagenes& fuente) {
    const auto [coleccion, problemas] = Solo(problema);
    if (ImagenesNombradas(coleccion, problemas).isEmpty()) return {};
    return ConstruyeArchivoColeccion(coleccion, problemas, fuente).bytes;
}

std::vector<ImagenColeccion> ImagenesPortapapeles(const QByteArray& datos,
                                                  const Problema& problema) {
    if (datos.isEmpty() || datos.size() > kMaxBytesArchivo) return {};
    LecturaColeccion lectura = LeeArchivoColeccion(datos);
    if (lectura.Fallo != FalloLectura::Ninguno) return {};
    // Data that came with another text give nothing this problem does not name.
    const auto [coleccion, problemas] = Solo(problema);
    const QStringList nombradas = ImagenesNombradas(coleccion, problemas);
    std::erase_if(lectura.Datos.Imagenes, [&nombradas](const ImagenColeccion& imagen) {
        return !nombradas.contains(imagen.nombre);
    });
    return std::move(lectura.Datos.Imagenes);
}

QString NombreAlternativo(const QString& nombre, int n) {
    if (n == 1) return nombre;
    const qsizetype punto = nombre.lastIndexOf(u'.');
    const QString extension = punto > 0 ? nombre.sliced(punto) : QString();
    const QString base = nombre.first(nombre.size() - extension.size());
    const QString sufijo = u'-' + QString::number(n) + extension;
    const qsizetype cabe = kLongitudNombre - sufijo.size();
    if (cabe < 1) return {};
    const QString alternativo = base.first(std::min(base.size(), cabe)) + sufijo;
    return isPlainFileName(alternativo) ? alternativo : QString();
}

} // namespace vornith::document
