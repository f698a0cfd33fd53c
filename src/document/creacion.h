#pragma once

#include "document/coleccion.h"
#include "document/tema.h"
#include "platform/random.h"

namespace vornith::document {

// Turns the checked topic rows into problem records with fresh seeds (texts left as they
// were); unchecks rows that ask for nothing. Never makes more than 500 problems: returns how
// many of those asked for were left out.
int Arbol_to_Var(ListaTemas& temas, DatosColeccion& coleccion, TablaProblemas& problemas,
                 RandomSource& azar);

// Shuffles problems 1..n by swapping their keys and codes (not their texts) n + 1 times.
void Barajar(TablaProblemas& problemas, int n, RandomSource& azar);

// Int(Rnd * n): a whole number from 0 to n - 1.
int Entero(RandomSource& azar, int n);

} // namespace vornith::document
