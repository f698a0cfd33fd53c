#pragma once

#include <vector>

namespace vornith::mainwindow {

// The pages of one print job in the order they come out: the chosen pages among 1..NumPaginas
// (`elegidas[p]`; a page past the flags is not chosen), collated (every copy whole, one after
// another) or not (each page `copias` times in a row).
std::vector<int> OrdenImpresion(const std::vector<bool>& elegidas, int NumPaginas, int copias,
                                bool intercalado);

} // namespace vornith::mainwindow
