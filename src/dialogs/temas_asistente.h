#pragma once

// What the wizard builds from the catalogue without any window: the subjects of its grid, the
// topic rows of a subject, the total and the default title of the chosen rows, and the moves
// of the subject grid's keys.

#include "document/tema.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace vornith::generation {
struct EstadoGeneracion;
}

namespace vornith::dialogs {

// Subjects the grid offers.
constexpr int kMaxAsignaturas = 15;

// The subjects of the catalogue in order of first appearance, compared exactly, at most 15;
// a blank subject field names none. Loads the catalogue when it is empty.
QStringList ReuneAsignaturas(generation::EstadoGeneracion& generacion);

// Document types ticked: [c] for class c = 1..4; [0] unused.
using TiposDocumento = std::array<bool, 5>;

// LoadTOLISTBOX_BUILT_CODE: rebuilds the rows for `asignatura` (compared without regard to
// case) and the ticked document types, and `List1` with one item per catalogue record of the
// subject (the record followed by its module key). Row 1 is the subject, open; headings follow
// closed, a heading directly after the same heading is not repeated; entries of unticked types
// and records of class 0 or above 5 are left out; rows beyond 256 are not built.
void ConstruyeTemas(generation::EstadoGeneracion& generacion, const QString& asignatura,
                    const TiposDocumento& tipos, document::ListaTemas& temas, QStringList& List1);

// The sum of the counts of the checked rows.
std::int32_t Total(const document::ListaTemas& temas);

// The default title: the document word, " de " and the common heading of the checked entries
// (the subject's name when they lie under different headings).
QString GetDefaultTitle(const document::ListaTemas& temas);

// The subject grid's keys, three columns of N cells.
enum class TeclaRejilla { Siguiente, Anterior, Abajo, Arriba, Inicio, Fin };
// The cell (1..N) that key `tecla` moves to from cell n (0: none chosen yet); N >= 1.
int MueveEnRejilla(TeclaRejilla tecla, int n, int N);

} // namespace vornith::dialogs
