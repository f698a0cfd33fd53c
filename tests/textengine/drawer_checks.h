#pragma once

// Checks every construct drawer must pass: the two passes of a line agree, nothing is drawn
// while measuring, the font comes back, and what the construct draws stays inside its box.

#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace vornith::textengine::test {

// The drawing pass of a one-line layout: the line's own contract with its constructs.
inline void esperaPasadasSimetricas(const Pasadas& p) {
    EXPECT_EQ(p.opsMidiendo, 0u) << "drawn while measuring";
    EXPECT_EQ(p.numerosMedida, p.numerosDibujo);
    EXPECT_EQ(p.sinPosicion, 0);
    EXPECT_EQ(p.fuenteMedida, p.fuenteDibujo);
    EXPECT_NEAR(p.avance, p.caja.Ancho, 1e-6);
}

// Whether every primitive in `ops` lies inside the measured box of element `e` as the drawing
// pass placed it: from PosX - DespIzq to PosX + Ancho across (DespIzq + Ancho wide), and from
// PosY - AltoSobre to PosY + Alto down.
inline ::testing::AssertionResult dentroDeLaCaja(const EstadoMotor& motor, int e,
                                                 const std::vector<DrawOp>& ops) {
    const CajaElemento& c = motor.Cajas(e);
    const double izq = c.PosX - c.DespIzq;
    const double der = c.PosX + c.Ancho;
    const double arriba = c.PosY - c.AltoSobre;
    const double abajo = c.PosY + c.Alto;
    const double tol = 1e-6;
    auto fuera = [&](double x, double y) {
        return x < izq - tol || x > der + tol || y < arriba - tol || y > abajo + tol;
    };
    for (const DrawOp& op : ops) {
        double x2 = op.x2;
        double y2 = op.y2;
        if (op.kind == DrawOp::Kind::Picture) {
            x2 = op.x1 + op.x2;
            y2 = op.y1 + op.y2;
        }
        if (fuera(op.x1, op.y1) || fuera(x2, y2)) {
            return ::testing::AssertionFailure()
                   << "primitive \"" << op.text.toStdString() << "\" at (" << op.x1 << ", " << op.y1
                   << ")-(" << x2 << ", " << y2 << ") outside the box (" << izq << ", " << arriba
                   << ")-(" << der << ", " << abajo << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

// The lines of a drawing.
inline std::vector<DrawOp> deClase(const std::vector<DrawOp>& ops, DrawOp::Kind clase) {
    std::vector<DrawOp> r;
    for (const DrawOp& op : ops) {
        if (op.kind == clase) r.push_back(op);
    }
    return r;
}

} // namespace vornith::textengine::test
