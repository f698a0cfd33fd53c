// Fuzz entry of the collection file reader: any bytes are read as a .COL file. The reader must
// neither crash, hang nor read outside the data, and a collection it accepts must compose into
// blocks and write out again.

#include "document/archivo_coleccion.h"
#include "document/composicion.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <map>

namespace vd = vornith::document;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vd::LecturaColeccion lectura = vd::LeeArchivoColeccion(bytes);
    if (lectura.Fallo != vd::FalloLectura::Ninguno) return 0;

    const vd::ColeccionLeida& leida = lectura.Datos;
    std::vector<vd::Bloque> tabla(vd::kMaxBloques + 1);
    std::int32_t numBloques = 0;
    vd::ComponerBloques(leida.Coleccion, leida.Problemas, tabla, numBloques);

    // Written out again with the pictures it carried.
    std::map<QString, QByteArray> imagenes;
    for (const vd::ImagenColeccion& i : leida.Imagenes) imagenes.emplace(i.nombre, i.datos);
    const auto fuente = [&imagenes](const QString& nombre) -> std::optional<QByteArray> {
        const auto encontrada = imagenes.find(nombre);
        if (encontrada == imagenes.end()) return std::nullopt;
        return encontrada->second;
    };
    const vd::ArchivoConstruido escrito =
        vd::ConstruyeArchivoColeccion(leida.Coleccion, leida.Problemas, fuente);
    if (!escrito.error.hayError()) vd::LeeArchivoColeccion(escrito.bytes);
    return 0;
}
