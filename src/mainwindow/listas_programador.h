#pragma once

// The developer lists of the catalogue: subjects, topics and subtopics, and the program's
// identity, copied to the clipboard as CR LF text.

#include "document/tema.h"
#include "generation/estado_generacion.h"
#include "platform/clipboard.h"
#include "platform/notifier.h"

#include <QString>
#include <QStringList>

namespace vornith::mainwindow {

constexpr int kMaxAsignaturas = 99;

// The subjects of the catalogue lines, in order of first appearance, compared exactly; at most
// 99.
QStringList ListaAsignaturas(const generation::EstadoGeneracion& cat);

// The topic rows of one subject (compared without regard to case), in catalogue order: row 1
// the subject, then a row per heading (repeats of the last heading merged) and per entry, at
// most 256 rows.
void TemasDeAsignatura(const generation::EstadoGeneracion& cat, const QString& asignatura,
                       document::ListaTemas& t);

QString TextoAsignaturas(const QStringList& asignaturas);
// The topic list of every subject: plain, or with numbers, modules, types and routines.
QString TextoTemas(const generation::EstadoGeneracion& cat, const QStringList& asignaturas,
                   bool conId);
QString TextoIdentidad(const QString& ejecutable, const QString& carpeta);

enum class ListaProgramador { Asignaturas, TemasSinId, Temas, Identidad };

// Builds one list (loading the catalogue first when it is empty), puts it on the clipboard and
// says so in a box; the topic lists read the clipboard back and report a copy that differs.
void CopiaListaProgramador(ListaProgramador lista, generation::EstadoGeneracion& cat,
                           Clipboard& portapapeles, Notifier& avisos);

} // namespace vornith::mainwindow
