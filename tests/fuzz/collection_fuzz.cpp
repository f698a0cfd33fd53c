// Fuzz entry of the collection file reader: any bytes are read as a .COL file. The reader must
// neither crash, hang nor read outside the data, and a collection it accepts must compose into
// blocks and write out again. Opened as a document, its pictures go to a scratch folder, and it
// is composed, paginated and every page drawn on a recording surface.

#include "document/archivo_coleccion.h"
#include "document/composicion.h"
#include "document/nucleo.h"
#include "document/sin_pantalla.h"
#include "support/fakes.h"
#include "support/recording_surface.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <map>

namespace vd = vornith::document;

namespace {

using namespace vornith;

// One program for every input, as a user opens file after file: each file's pictures go to a
// folder of their own in temp/ of a scratch folder. What its fakes log is cleared before each
// input, so that the logs do not grow over the run.
struct Programa {
    QTemporaryDir raiz;
    Pcg32Random azar{1};
    test::RecordingSurface caja;
    vd::CursorNulo cursor;
    test::FakeEventLoop eventos;
    test::FakeNotifier avisos;
    test::FakeClipboard portapapeles;
    test::FakePictureLoader imagenes;
    test::FakePrinters impresoras;
    test::FakeProgramData datosPrograma;
    vd::VentanaNula ventana;
    vd::Nucleo nucleo{
        {azar,
         caja,
         cursor,
         eventos,
         avisos,
         portapapeles,
         imagenes,
         impresoras,
         datosPrograma,
         {raiz.filePath(QStringLiteral("img")), raiz.filePath(QStringLiteral("temp"))}},
        ventana};
};

// The file opened by the document, then every page drawn.
void abreYDibuja(const QByteArray& bytes) {
    static Programa programa;
    const QString ruta = programa.raiz.filePath(QStringLiteral("f.COL"));
    {
        QFile archivo(ruta);
        if (!archivo.open(QIODevice::WriteOnly) || archivo.write(bytes) != bytes.size()) return;
    }
    vd::Documento& doc = programa.nucleo.documento;
    programa.avisos.shown.clear();
    programa.caja.clearOps();
    programa.imagenes.requested.clear();
    programa.imagenes.folders.clear();
    if (!doc.OpenFile(ruta)) return;
    for (int p = 1; p <= doc.estado().NumPaginas; ++p) {
        doc.PonPaginaActual(p);
        doc.DibujaPagina();
    }
}

} // namespace

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
    for (const vd::ImagenColeccion& i : leida.Imagenes)
        imagenes.emplace(i.nombre, i.datos);
    const auto fuente = [&imagenes](const QString& nombre) -> std::optional<QByteArray> {
        const auto encontrada = imagenes.find(nombre);
        if (encontrada == imagenes.end()) return std::nullopt;
        return encontrada->second;
    };
    const vd::ArchivoConstruido escrito =
        vd::ConstruyeArchivoColeccion(leida.Coleccion, leida.Problemas, fuente);
    vd::LeeArchivoColeccion(escrito.bytes);
    abreYDibuja(bytes);
    return 0;
}
