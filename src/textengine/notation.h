#pragma once

#include <QString>

namespace vornith::textengine {

// The notation strings the engine substitutes for the markup's escapes and prints for "&E".
// Set once at start-up (FijaNotacion) and never changed afterwards.
struct Notacion {
    QString TextoPor10;       // printed by "&E"
    QString SeparadorDecimal; // "&."
    QString SeparadorLista;   // "&,"
    QString SimboloParAbre;   // "&("
    QString SimboloParCierra; // "&)"
    QString SimboloFA;        // "&FA"
    QString SimboloDT;        // "&DT"
};

// The program's notation (decimal comma, "×10" for powers of ten...). Once, at start-up.
inline void FijaNotacion(Notacion& notacion) {
    notacion.TextoPor10 = QStringLiteral("×10");
    notacion.SeparadorDecimal = QStringLiteral(",");
    notacion.SimboloParAbre = QStringLiteral("(");
    notacion.SimboloParCierra = QStringLiteral(")");
    notacion.SimboloFA = QStringLiteral("f");
    notacion.SimboloDT = QStringLiteral("&sigma");
    notacion.SeparadorLista = QStringLiteral(";");
}

} // namespace vornith::textengine
