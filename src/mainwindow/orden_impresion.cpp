#include "mainwindow/orden_impresion.h"

#include <algorithm>

namespace vornith::mainwindow {

std::vector<int> OrdenImpresion(const std::vector<bool>& elegidas, int NumPaginas, int copias,
                                bool intercalado) {
    const int exterior = intercalado ? copias : 1;
    const int interior = intercalado ? 1 : copias;
    std::vector<int> orden;
    for (int vuelta = 0; vuelta < exterior; ++vuelta)
        for (int p = 1; p <= NumPaginas; ++p)
            if (static_cast<std::size_t>(p) < elegidas.size() &&
                elegidas[static_cast<std::size_t>(p)])
                orden.insert(orden.end(), static_cast<std::size_t>(std::max(interior, 0)), p);
    return orden;
}

} // namespace vornith::mainwindow
