#pragma once

#include <QString>

#include <vector>

namespace vornith::dialogs {

enum class ListaPaginas { Aceptada, Vacia, NoValida };

// Item slots of a page list.
constexpr int kMaxElementosLista = 100;

// Reads a list of pages and page ranges such as "1, 3, 5-12, 14" into `paginas`, whose
// entries 1..size − 1 are the pages that may be named: every flag is cleared, then those of
// the pages listed are set. Items are cut at commas and trimmed; empty items are skipped but
// hold a slot while read, and more than 100 slots make the list invalid. Blanks inside an item
// are ignored; a range counts up or down ("12-5" is 5 to 12); numbers are made non-negative and
// rounded half to even. A page outside the flags or a number beyond 16 bits makes the list
// invalid, the other pages of the list still flagged.
ListaPaginas LeeListaPaginas(const QString& texto, std::vector<bool>& paginas);

} // namespace vornith::dialogs
