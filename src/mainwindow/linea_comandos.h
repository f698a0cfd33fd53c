#pragma once

// Collection file names that reach the program from outside: the command line and files
// dropped on the page.

#include <QList>
#include <QStringList>
#include <QUrl>

namespace vornith::mainwindow {

constexpr int kMaxArchivosComando = 16;

// Whether `nombre` ends in ".COL", in any letter case.
bool EsColeccion(const QString& nombre);

// The names to open, made absolute, from the program's arguments (its own name and Qt's
// options already removed): one argument is one name as it stands; of several, the first 16
// ending in ".COL".
QStringList ProcesaCommand(const QStringList& argumentos);

// Of several arguments, the names that do not end in ".COL", made absolute, in order; none of
// one argument, which ProcesaCommand takes as it stands.
QStringList NoColecciones(const QStringList& argumentos);

// The message for several names of the command line that are not collection files'.
QString MensajeNoColecciones(const QStringList& nombres);

// The local files of a drop, up to the first 16 ending in ".COL", in order.
QStringList ArchivosSoltados(const QList<QUrl>& urls);

// Whether a drag may end on the page: its first file ends in ".COL".
bool AceptaArrastre(const QList<QUrl>& urls);

} // namespace vornith::mainwindow
