#pragma once

// Entries of problem generation: catalogue, generation by module key, problem code. The
// notation the generated texts are shown in is the engine's (textengine/notation.h).

#include "generation/estado_generacion.h"
#include "generation/problema.h"

#include <QString>

namespace vornith::generation {

// Rebuilds the catalogue from the listings of both modules, kinematics first. A module whose
// listing fails contributes nothing; lines past the 1024th are dropped.
void CargaCatalogo(EstadoGeneracion& estado);

// The storing step of CargaCatalogo: each 400-character record of a module's listing becomes
// one catalogue line, the listing's "KEY:" prefix before it, while lines remain.
void AlmacenaListado(EstadoGeneracion& estado, const QString& listado);

// Generates the problem `id` (the 16-digit code) of module `modulo` (any letter case) into
// `enunciado` and `solucion`. Never fails to the caller: an unknown module, an unknown routine
// or a failing generator leave an error statement beginning "<ERROR".
void GeneraPorModulo(EstadoGeneracion& estado, const QString& modulo, const QString& id,
                     QString& enunciado, QString& solucion);

// Whether `modulo` (any letter case) is the key of a module of this program: a problem of any
// other module cannot be generated again and keeps the texts it came with.
bool GeneraModulo(const QString& modulo);

// Why a problem of another module cannot be generated: the end of its error statement.
QString CausaOtraAsignatura();

// The 16-digit problem code of a record: Tipo (3), SemillaA (3), SemillaB (4), Variante (2),
// Cantidad (2), Orden (2), each zero-padded, unsigned, and cut to its last digits.
QString IdProblema(const Problema& problema);

} // namespace vornith::generation
