#pragma once

// The one dispatcher behind both subject modules, which differ only in what Modulo holds.

#include "generation/estado_generacion.h"
#include "generation/module_interface.h"

#include <QString>

#include <vector>

namespace vornith::generation {

struct Modulo {
    QString clave;                           // "XIMB_FISI_CIN"...
    const std::vector<EntradaRutina>& tabla; // the routines that exist
    int ultimaRutina;                        // routines 1..ultimaRutina are listed
    int maxEncabezados;                      // distinct headings the listing may hold
};

// Generate mode (Modo false): runs the routine of code ID after re-seeding the generator with
// the code's seed, copies the texts into Enunciado and Solucion and returns an empty text; an
// unknown routine leaves the "NO EXISTE RUTINA" statement. Listing mode (Modo true): returns
// the key, ":" and the 400-character records of the module's headings and types. Failures
// (FalloGeneracion) pass through.
QString GeneraProblemaModulo(const Modulo& modulo, EstadoGeneracion& estado, const QString& ID,
                             QString& Enunciado, QString& Solucion, bool Modo);

} // namespace vornith::generation
