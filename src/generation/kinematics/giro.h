#pragma once

// What the generators of turning objects share (types "025" and "030"): the object, its size
// and the speed at its rim.

#include "generation/module_interface.h"
#include "generation/number_services.h"

#include <QString>

#include <cstdint>

namespace vornith::generation::XIMB_FISI_CIN {

// Speed at the rim in m/s, unrounded, of a turning speed in rpm on a radius in cm.
inline double VelocidadBorde(double rpm, double r) {
    return PI * rpm / 30 * r / 100;
}

// "Una polea", "Una rueda" or "Un volante", by the seed.
inline QString ObjetoQueGira(std::int32_t semilla) {
    const QString objetos[] = {QStringLiteral("Una polea"), QStringLiteral("Una rueda"),
                               QStringLiteral("Un volante")};
    return objetos[RestoSemilla(semilla, 3)];
}

// The radius r in cm as the statement gives it: the radius, or the diameter after a draw above
// 0.5.
inline QString TextoRadio(Generador& g, double r) {
    QString texto = TN(r) + QStringLiteral("& cm de radio");
    if (g.Rnd() > 0.5) texto = TN(2 * r) + QStringLiteral("& cm de diámetro");
    return texto;
}

} // namespace vornith::generation::XIMB_FISI_CIN
