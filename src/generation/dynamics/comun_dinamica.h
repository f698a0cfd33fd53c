#pragma once

// What the dynamics generators share: g and the line that states it, the layout of the
// answers, and the draws of a friction coefficient and of an angle.

#include "generation/module_interface.h"
#include "generation/number_services.h"

#include <QString>

#include <initializer_list>

namespace vornith::generation::XIMB_FISI_DIN {

// g, in m/s^2.
inline constexpr double kG = 9.8;

// Closing line of a statement that uses g.
inline QString LineaDato() {
    return QStringLiteral("    &+IDato: g &-I= 9&.8 m/s^2.&LF");
}

// The answers a), b)... of a solution on one line after the tab mark, each with its figures
// and units.
inline QString Respuestas(std::initializer_list<QString> apartados) {
    QString texto = QStringLiteral("&SP=10:");
    char16_t letra = u'a';
    for (const QString& apartado : apartados) {
        texto += letra == u'a'
                     ? QStringLiteral("&+Ba) &-B")
                     : QStringLiteral(";      &+B") + QChar(letra) + QStringLiteral(")&-B ");
        texto += apartado;
        ++letra;
    }
    return texto + QStringLiteral(".&LF");
}

// A friction coefficient: a hundredth from 0.15 to 0.35.
inline double Rozamiento(Generador& g) {
    return g.Aleatorio(15, 35, 1, 1) / 100;
}

// Three draws in turn, each above 0.7 replacing the angle by a classroom favourite, in the
// order given; a later one wins.
inline double AnguloFavorito(Generador& g, double alfa, double primero, double segundo,
                             double tercero) {
    if (g.Rnd() > 0.7) alfa = primero;
    if (g.Rnd() > 0.7) alfa = segundo;
    if (g.Rnd() > 0.7) alfa = tercero;
    return alfa;
}

} // namespace vornith::generation::XIMB_FISI_DIN
