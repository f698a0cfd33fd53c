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

// Barajar over the problems among 1..n that can be generated again; the others keep their
// places, keys, codes and texts.
void BarajarGenerables(TablaProblemas& problemas, int n, RandomSource& azar);

// How many of problems 1..n cannot be generated again (their module is not this program's).
int NoGenerables(const TablaProblemas& problemas, int n);

// The message for `n` problems left as they were by a regeneration (n >= 1).
QString MensajeSinRegenerar(int n);
// The message for a problem that cannot be generated again.
QString MensajeNoRegenerable();

// Int(Rnd * n): a whole number from 0 to n - 1.
int Entero(RandomSource& azar, int n);

} // namespace vornith::document
