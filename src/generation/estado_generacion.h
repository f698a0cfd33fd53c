#pragma once

#include "generation/module_interface.h"
#include "platform/random.h"

#include <QString>

#include <array>
#include <cstdint>

namespace vornith::generation {

// Lines the catalogue can hold.
constexpr int kMaxCatalogo = 1024;

// The state of problem generation: the module interface variables, the catalogue and the
// random generator every draw comes from. One per program, passed to whoever generates or
// reads the catalogue.
struct EstadoGeneracion {
    explicit EstadoGeneracion(RandomSource& azar) : Azar(azar) {}

    InterfazModulo Interfaz;
    // Lines 1..NumCatalogo are in use (index 0 is not); 0 lines means not loaded yet.
    std::array<QString, kMaxCatalogo + 1> Catalogo;
    std::int32_t NumCatalogo = 0;
    RandomSource& Azar;
};

} // namespace vornith::generation
