#pragma once

#include <QString>
#include <QStringList>

namespace vornith::document {

// Entries of a message, one to a line and indented, the first 20 of them and how many more,
// with a blank line before and after.
QString ListaAviso(const QStringList& entradas);

} // namespace vornith::document
