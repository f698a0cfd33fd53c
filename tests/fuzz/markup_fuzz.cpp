// Fuzz entry of the markup engine: any bytes, read as a collection file's text, are drawn as a
// page on the recording surface. The engine must neither crash, hang nor read outside the text,
// whatever the markup.
//
// The first byte picks the drawing conditions (surface, zoom, base size, page width), the rest
// is the text.

#include "platform/cp1252.h"
#include "support/fakes.h"
#include "support/recording_surface.h"
#include "textengine/estado_motor.h"
#include "textengine/markup.h"
#include "textengine/page_entry.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

using vornith::SurfaceKind;
using vornith::test::FakePictureLoader;
using vornith::test::RecordingSurface;
namespace te = vornith::textengine;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t modo = data[0];
    const QString texto = vornith::fromCp1252(
        QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));

    FakePictureLoader imagenes;
    imagenes.add(QStringLiteral("F_DIN_ATWOOD.GIF"), 200, 300);
    imagenes.add(QStringLiteral("A.GIF"), 1, 1);
    te::EstadoMotor motor;
    te::FijaNotacion(motor.notacion);
    te::IniciaMotor(motor);
    motor.pictures = &imagenes;
    constexpr double kZooms[] = {1, 0.5, 2, 0.75};
    motor.Zoom = kZooms[modo & 3];
    const bool impresora = (modo & 4) != 0;
    motor.printerCount = impresora ? 1 : 0;
    double tamano = (modo & 8) != 0 ? 12 * motor.Zoom : (modo & 16) != 0 ? 0 : 40;

    // A narrow page breaks lines often; the printer has small pixels.
    RecordingSurface pagina(impresora ? SurfaceKind::Printer : SurfaceKind::PageBox,
                            (modo & 32) != 0 ? 120 : 796, 1125, impresora ? 2.4 : 15.0);
    te::DibujaTextoFormateado(motor, texto, tamano, pagina);
    // A second page from the same state, as pagination does.
    if ((modo & 64) != 0) te::DibujaTextoFormateado(motor, texto, tamano, pagina);
    return 0;
}
