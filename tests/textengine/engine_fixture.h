#pragma once

// An engine with its start-up tables and notation, drawing on a recording surface, and a driver
// that runs both passes of one line as the page entry does.

#include "platform/cp1252.h"
#include "support/fakes.h"
#include "support/recording_surface.h"
#include "textengine/estado_motor.h"
#include "textengine/line_processor.h"
#include "textengine/markup.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vornith::textengine::test {

using vornith::test::DrawOp;
using vornith::test::RecordingSurface;

inline QString car(int codigo) {
    return QString(cp1252Char(static_cast<unsigned char>(codigo)));
}

// The state of a surface's font, for comparisons.
struct Fuente {
    QString nombre;
    double tamano;
    bool negrita, cursiva, subrayado, tachado;
    bool operator==(const Fuente&) const = default;
};
inline Fuente fuenteDe(const Surface& s) {
    return {s.fontName(),   s.fontSize(),      s.fontBold(),
            s.fontItalic(), s.fontUnderline(), s.fontStrikethru()};
}

struct Motor {
    Motor() {
        FijaNotacion(motor.notacion);
        IniciaMotor(motor);
        motor.eventLoop = &eventos;
        // The page box's geometry at zoom 1, for lines laid out without the page entry.
        motor.AnchoPagina = 794 * 15.0;
        motor.AltoPagina = 1123 * 15.0;
        const double margen = 16 / 25.4 * 1440;
        motor.MargenIzqPagina = motor.MargenDerPagina = margen;
        motor.MargenSupPagina = motor.MargenInfPagina = margen;
    }
    EstadoMotor motor;
    vornith::test::FakeEventLoop eventos;
};

// What the two passes of one line did.
struct Pasadas {
    CajaElemento caja;     // the line's box after measuring
    QString resto;         // what the measuring pass returned
    int numerosMedida = 0; // NumElemento after each pass
    int numerosDibujo = 0;
    size_t opsMidiendo = 0; // primitives drawn while measuring
    Fuente fuenteMedida{};  // font state after each pass
    Fuente fuenteDibujo{};
    double avance = 0;       // how far the drawing pass moved the current X
    int sinPosicion = 0;     // element numbers the drawing pass never reached
    std::vector<DrawOp> ops; // what the drawing pass drew
};

// Measures `linea`, restores the font, then draws what fitted from (x0, y0), as the page entry
// does for one output line.
inline Pasadas dosPasadas(Motor& m, RecordingSurface& s, const QString& linea, double x0 = 1000,
                          double y0 = 2000) {
    Pasadas p;
    const Fuente antes = fuenteDe(s);
    const Rgb color = s.foreColor();
    s.clearOps();
    m.motor.NumElemento = 1;
    m.motor.NivelCociente = m.motor.NivelExponente = 0;
    m.motor.ModoDibujo = 0;
    ProcesaLinea(m.motor, linea, s, p.resto);
    p.caja = m.motor.Cajas(1);
    p.numerosMedida = m.motor.NumElemento;
    p.opsMidiendo = s.ops().size();
    p.fuenteMedida = fuenteDe(s);

    // Every number the drawing pass hands out gets a position: mark them all unset first.
    for (int n = 0; n <= kMaxElemento; ++n)
        m.motor.Cajas(n).PosX = std::nan("");

    s.setFontName(antes.nombre);
    s.setFontSize(antes.tamano);
    s.setFontItalic(antes.cursiva);
    s.setFontBold(antes.negrita);
    s.setForeColor(color);
    s.setFontUnderline(antes.subrayado);
    s.setFontStrikethru(antes.tachado);
    m.motor.NumElemento = 1;
    m.motor.NivelCociente = m.motor.NivelExponente = 0;
    m.motor.ModoDibujo = 1;
    s.moveTo(x0, y0);
    QString nada;
    ProcesaLinea(m.motor, p.resto.isEmpty() ? linea : p.resto, s, nada);
    p.numerosDibujo = m.motor.NumElemento;
    for (int n = 1; n <= std::min(p.numerosDibujo, kMaxElemento); ++n) {
        if (std::isnan(m.motor.Cajas(n).PosX)) ++p.sinPosicion;
    }
    p.fuenteDibujo = fuenteDe(s);
    p.avance = s.currentX() - x0;
    p.ops = s.ops();
    return p;
}

// The texts printed, in order.
inline QStringList textos(const std::vector<DrawOp>& ops) {
    QStringList t;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Text) t.append(op.text);
    }
    return t;
}

inline const DrawOp* primerTexto(const std::vector<DrawOp>& ops, const QString& texto) {
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Text && op.text == texto) return &op;
    }
    return nullptr;
}

} // namespace vornith::textengine::test
