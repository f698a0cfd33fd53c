#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace vornith::dialogs {

// The leading number of `texto` with every blank skipped, as the dialogs' boxes read it: text
// without a number reads as 0; no value when the number does not fit a double.
std::optional<double> Val(QStringView texto);

// Val rounded half to even to a 16-bit integer; no value when it does not fit.
std::optional<std::int16_t> ValCorto(QStringView texto);

} // namespace vornith::dialogs
