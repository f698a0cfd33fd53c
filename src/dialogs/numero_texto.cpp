#include "dialogs/numero_texto.h"

#include "document/conversion_numerica.h"

#include <QString>

#include <cmath>
#include <limits>

namespace vornith::dialogs {

std::optional<double> Val(QStringView texto) {
    QString sinBlancos = texto.toString();
    sinBlancos.remove(QLatin1Char(' '));
    return document::ValorNumerico(sinBlancos);
}

std::optional<std::int16_t> ValCorto(QStringView texto) {
    const auto valor = Val(texto);
    if (!valor) return std::nullopt;
    const auto entero = document::EnteroLargo(*valor);
    if (!entero || *entero < std::numeric_limits<std::int16_t>::min() ||
        *entero > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*entero);
}

} // namespace vornith::dialogs
