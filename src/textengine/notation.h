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

} // namespace vornith::textengine
