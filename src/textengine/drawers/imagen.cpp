// "#IMG(" options "#IMG)": a diagram picture in a line, sized in millimetres, standing on the
// line (positive height) or hanging down beside the following lines (negative height), with a
// grey placeholder crossed in red when it cannot be loaded.

#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/picture_files.h"
#include "platform/units.h"
#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"
#include "textengine/markup.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace vornith::textengine {

namespace {

// Sizes beyond this many millimetres are taken for damaged markup.
constexpr double kMaxMilimetros = 1000;

struct OpcionesImagen {
    QString nombre;   // upper case; empty when no name was given
    double ancho = 0; // millimetres, signed
    double alto = 0;
    bool distorsiona = false; // "DIST": stretch to exactly the given size
    bool marco = false;       // "MARCO": frame the picture
};

// The value of "DXMM=" v ":" (or "DYMM"): 0 when the word is absent, nullopt when its "=" or
// the ":" after that is missing, or the number is out of bounds.
std::optional<double> Medida(const QString& opciones, QStringView palabra) {
    const qsizetype p = opciones.indexOf(palabra);
    if (p < 0) return 0.0;
    const qsizetype igual = opciones.indexOf(u'=', p + palabra.size());
    if (igual < 0) return std::nullopt;
    const qsizetype fin = opciones.indexOf(u':', igual + 1);
    if (fin < 0) return std::nullopt;
    const double v = NumeroInicial(QStringView(opciones).mid(igual + 1, fin - igual - 1));
    if (!(std::fabs(v) <= kMaxMilimetros)) return std::nullopt;
    return v;
}

std::optional<OpcionesImagen> LeeOpciones(const QString& texto) {
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#IMG(");
    if (!cuerpo) return std::nullopt;
    QString opciones = cuerpo->toString().toUpper().trimmed();
    OpcionesImagen o;
    const qsizetype q1 = opciones.indexOf(u'\'');
    if (q1 >= 0) {
        const qsizetype q2 = opciones.indexOf(u'\'', q1 + 1);
        if (q2 < 0) return std::nullopt;
        o.nombre = opciones.mid(q1 + 1, q2 - q1 - 1);
        opciones = opciones.left(q1) + opciones.mid(q2 + 1);
    }
    o.distorsiona = opciones.contains(u"DIST");
    o.marco = opciones.contains(u"MARCO");
    const std::optional<double> ancho = Medida(opciones, u"DXMM");
    const std::optional<double> alto = Medida(opciones, u"DYMM");
    if (!ancho || !alto) return std::nullopt;
    o.ancho = *ancho;
    o.alto = *alto;
    return o;
}

// The picture, or null: a name that is not a plain file name is never looked up.
std::shared_ptr<const Picture> Carga(EstadoMotor& motor, const QString& nombre) {
    if (!motor.pictures || !isPlainFileName(nombre)) return nullptr;
    std::shared_ptr<const Picture> imagen = motor.pictures->load(nombre);
    if (imagen && (imagen->widthPixels() <= 0 || imagen->heightPixels() <= 0)) return nullptr;
    return imagen;
}

} // namespace

void DibujaImagen(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<OpcionesImagen> o = LeeOpciones(texto);
    if (!o) {
        DibujaError(motor, texto, destino);
        return;
    }
    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    const double h = AltoTexto(destino);
    const double t = std::max(0.04 * h, 1.0);
    double DX = o->ancho / 25.4 * kTwipsPerInch * motor.Zoom;
    double DY = o->alto / 25.4 * kTwipsPerInch * motor.Zoom;

    std::shared_ptr<const Picture> imagen = Carga(motor, o->nombre);
    if (DX == 0 || DY == 0) {
        // No size: an inch by three quarters, whatever the zoom, and never the picture.
        imagen.reset();
        DX = 1440;
        DY = 1080;
    }
    if (imagen && !o->distorsiona) {
        // Fit inside the given size, keeping the picture's proportions.
        const double r = double(imagen->heightPixels()) / imagen->widthPixels();
        if (std::fabs(DY) >= r * std::fabs(DX))
            DY = std::copysign(r * std::fabs(DX), DY);
        else
            DX = std::copysign(std::fabs(DY) / r, DX);
    }
    // The picture takes a number of its own, as a part would, so that the numbering of both
    // passes matches.
    const int n = ++motor.NumElemento;
    if (midiendo) {
        motor.TablaNivel(e, 1) = n;
    } else {
        motor.Cajas(n).PosX = marco.X0;
        motor.Cajas(n).PosY = marco.Y0;
    }

    const double hp = DY >= 0 ? h : 0; // a hanging picture adds no height to the line
    const bool enmarcado = o->marco || !imagen;
    if (!midiendo) {
        // One rectangle for the picture, its placeholder, the cross and the frame: standing on
        // the bottom of the text row, or hanging from one text height above the row's top.
        const double izq = std::min(marco.X0, marco.X0 + DX);
        const double arriba = DY >= 0 ? marco.Y0 + h - DY : marco.Y0 - h;
        const double ancho = std::fabs(DX);
        const double alto = std::fabs(DY);
        if (imagen) {
            destino.paintPicture(*imagen, izq, arriba, ancho, alto);
        } else {
            destino.line(izq, arriba, izq + ancho, arriba + alto, rgb(240, 240, 240),
                         LineShape::FilledBox);
            // The cross's pen is half a text height and a screen pixel wide, in the surface's
            // own pixels: the same share of the text on screen and on paper.
            destino.setDrawWidth(static_cast<int>(std::nearbyint(
                (std::floor(h / 2) + kScreenTwipsPerPixel) / destino.twipsPerPixelY())));
            // Inset by h/4, or by half the pen where that is more, so that the pen's round ends
            // stay inside the box; never past the middle of a small placeholder.
            const double inset =
                std::max(h / 4, destino.drawWidth() * destino.twipsPerPixelX() / 2);
            const double dx = std::min(inset, ancho / 2);
            const double dy = std::min(inset, alto / 2);
            const Rgb rojo = rgb(255, 0, 0);
            destino.line(izq + dx, arriba + dy, izq + ancho - dx, arriba + alto - dy, rojo);
            destino.line(izq + dx, arriba + alto - dy, izq + ancho - dx, arriba + dy, rojo);
        }
        FijaPluma(destino, t);
        if (enmarcado) {
            destino.setFillStyle(FillStyle::Transparent);
            destino.line(izq, arriba, izq + ancho, arriba + alto, motor.ColorLinea, LineShape::Box);
        }
        destino.setDrawWidth(1);
    }
    marco.fuente.restaura(destino);
    if (midiendo) {
        const double f = enmarcado ? t : 0;
        EscribeCaja(motor, e, f, DX + f, DY - h + f, kFraccionEje * h, hp + f, texto);
    }
}

} // namespace vornith::textengine
