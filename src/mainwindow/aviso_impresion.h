#pragma once

#include "document/documento.h"

#include <QString>

#include <optional>

namespace vornith::mainwindow {

// What the user is told of a print job that did not print every page whole, naming `destino`
// (the printer, or the PDF file); empty when it did. No `resultado`: the job could not start.
// `incompleta` is the first page that did not fit on paper.
QString AvisoImpresion(const std::optional<document::ResultadoImpresion>& resultado, int incompleta,
                       const QString& destino);

} // namespace vornith::mainwindow
