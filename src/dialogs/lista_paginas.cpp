#include "dialogs/lista_paginas.h"

#include "dialogs/numero_texto.h"
#include "document/conversion_numerica.h"

#include <QList>

#include <algorithm>
#include <cstdlib>

namespace vornith::dialogs {

namespace {

// An item's number, non-negative; nothing when it is not a 16-bit number.
std::optional<int> numeroDePagina(QStringView texto) {
    const auto n = ValCorto(texto);
    if (!n) return std::nullopt;
    return std::abs(static_cast<int>(*n));
}

} // namespace

ListaPaginas LeeListaPaginas(const QString& texto, std::vector<bool>& paginas) {
    std::fill(paginas.begin(), paginas.end(), false);
    const QStringView lista = document::SinBlancos(texto);
    if (lista.isEmpty()) return ListaPaginas::Vacia;

    const int ultima = static_cast<int>(paginas.size()) - 1;
    bool valida = true;
    int ocupadas = 0;
    for (const QStringView crudo : lista.split(u',')) {
        if (++ocupadas > kMaxElementosLista) return ListaPaginas::NoValida;
        const QStringView elemento = document::SinBlancos(crudo);
        if (elemento.isEmpty()) {
            --ocupadas;
            continue;
        }
        const auto desde = numeroDePagina(elemento);
        const qsizetype guion = elemento.indexOf(u'-');
        const auto hasta = guion < 0 ? desde : numeroDePagina(elemento.mid(guion + 1));
        if (!desde || !hasta) {
            valida = false;
            continue;
        }
        const int bajo = std::min(*desde, *hasta);
        const int alto = std::max(*desde, *hasta);
        if (bajo < 1 || alto > ultima) valida = false;
        for (int p = std::max(bajo, 1); p <= std::min(alto, ultima); ++p)
            paginas[static_cast<std::size_t>(p)] = true;
    }
    return valida ? ListaPaginas::Aceptada : ListaPaginas::NoValida;
}

} // namespace vornith::dialogs
