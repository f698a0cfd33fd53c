#include "document/imagenes_pegadas.h"

#include "document/disco_coleccion.h"
#include "platform/picture_files.h"

#include <algorithm>

namespace vornith::document {

QByteArray DatosPortapapeles(const Problema& problema, const FuenteImagenes& fuente) {
    DatosColeccion coleccion;
    coleccion.NPROB = 1;
    TablaProblemas problemas(2);
    problemas[1] = problema;
    if (ImagenesNombradas(coleccion, problemas).isEmpty()) return {};
    return ConstruyeArchivoColeccion(coleccion, problemas, fuente).bytes;
}

std::vector<ImagenColeccion> ImagenesPortapapeles(const QByteArray& datos) {
    if (datos.isEmpty() || datos.size() > kMaxBytesArchivo) return {};
    LecturaColeccion lectura = LeeArchivoColeccion(datos);
    if (lectura.Fallo != FalloLectura::Ninguno) return {};
    return std::move(lectura.Datos.Imagenes);
}

QString NombreLibre(const QString& nombre, const std::function<bool(const QString&)>& ocupado) {
    const qsizetype punto = nombre.lastIndexOf(u'.');
    const QString extension = punto > 0 ? nombre.sliced(punto) : QString();
    const QString base = nombre.first(nombre.size() - extension.size());
    for (int n = 2; n <= 9999; ++n) {
        const QString sufijo = u'-' + QString::number(n) + extension;
        const qsizetype cabe = kLongitudNombre - sufijo.size();
        if (cabe < 1) return {};
        const QString candidato = base.first(std::min(base.size(), cabe)) + sufijo;
        if (isPlainFileName(candidato) && !ocupado(candidato)) return candidato;
    }
    return {};
}

} // namespace vornith::document
