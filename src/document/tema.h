#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace vornith::document {

// One row of the wizard's topic list: the subject root, a heading or a problem type.
struct Tema {
    std::int16_t Nivel = 0; // 0 subject root, 1 heading, 2 problem type
    bool EsCarpeta = false;
    bool Abierto = false;
    QString Titulo;
    QString Descripcion;
    std::int16_t Rutina = 0;
    QString Clave; // module key, blank-padded to 80 characters
    bool Seleccionado = false;
    std::int16_t Cantidad = 0;
    std::int16_t Variante = 0;
    std::int16_t MaxVariante = 0;
    std::int16_t IndiceLista = 0;
    std::int16_t Clase = 0; // 1-4 document type, 5 heading, 6 subject
};

constexpr int kMaxTemas = 256;

// Rows 1..NumTemas in display order; row 0 is never used.
struct ListaTemas {
    std::vector<Tema> Temas = std::vector<Tema>(kMaxTemas + 1);
    std::int16_t NumTemas = 0;
};

} // namespace vornith::document
