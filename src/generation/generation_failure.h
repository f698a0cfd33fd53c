#pragma once

#include <QString>

#include <stdexcept>

namespace vornith::generation {

// A generator that cannot finish: a non-finite number on its way to a text, or a plausibility
// loop that never ends. Caught by GeneraPorModulo, which turns it into the error statement;
// it never leaves problem generation.
class FalloGeneracion : public std::runtime_error {
public:
    FalloGeneracion(int numero, const QString& descripcion)
        : std::runtime_error(descripcion.toStdString()), numero_(numero),
          descripcion_(descripcion) {}
    int numero() const { return numero_; }
    const QString& descripcion() const { return descripcion_; }

private:
    int numero_;
    QString descripcion_;
};

// Failure numbers of the error statement.
constexpr int kFalloDesbordamiento = 6; // a number is infinite or not a number
constexpr int kFalloBucle = 17;         // a redraw loop did not end

} // namespace vornith::generation
