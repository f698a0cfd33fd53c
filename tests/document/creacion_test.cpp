#include "document/creacion.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <set>

namespace vornith::document {
namespace {

Tema fila(const char* clave, int rutina, int cantidad, bool marcada = true) {
    Tema t;
    t.Nivel = 2;
    t.Clave = QString::fromLatin1(clave).leftJustified(80);
    t.Rutina = static_cast<std::int16_t>(rutina);
    t.Cantidad = static_cast<std::int16_t>(cantidad);
    t.Seleccionado = marcada;
    t.Variante = 6;
    return t;
}

TEST(ArbolToVar, RowsBecomeRecordsWithConsecutiveSeeds) {
    ListaTemas lista;
    lista.NumTemas = 3;
    lista.Temas[1] = fila("XIMB_FISI_CIN", 8, 3);
    lista.Temas[2] = fila("XIMB_FISI_DIN", 2, 0);
    lista.Temas[3] = fila("XIMB_FISI_DIN", 4, 1);
    DatosColeccion c;
    TablaProblemas p = nuevaTablaProblemas();
    Pcg32Random azar(11);
    Arbol_to_Var(lista, c, p, azar);
    ASSERT_EQ(c.NPROB, 4);
    EXPECT_FALSE(lista.Temas[2].Seleccionado);
    EXPECT_EQ(lista.Temas[2].Cantidad, 0);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(p[j].Clave, QStringLiteral("XIMB_FISI_CIN"));
        EXPECT_EQ(p[j].Tipo, 8);
        EXPECT_EQ(p[j].Cantidad, 3);
        EXPECT_EQ(p[j].Orden, j);
        EXPECT_EQ(p[j].Variante, 6);
        EXPECT_EQ(p[j].SemillaA, p[1].SemillaA + j - 1);
        EXPECT_EQ(p[j].SemillaB, p[1].SemillaB + j - 1);
    }
    EXPECT_EQ(p[4].Clave, QStringLiteral("XIMB_FISI_DIN"));
    EXPECT_EQ(p[4].Orden, 1);
}

TEST(ArbolToVar, FirstSeedsAreInRange) {
    test::ScriptedRandom azar;
    azar.script = {0.9999999F, 0.9999999F, 0.0F, 0.0F};
    ListaTemas lista;
    lista.NumTemas = 2;
    lista.Temas[1] = fila("XIMB_FISI_CIN", 1, 1);
    lista.Temas[2] = fila("XIMB_FISI_CIN", 2, 1);
    DatosColeccion c;
    TablaProblemas p = nuevaTablaProblemas();
    Arbol_to_Var(lista, c, p, azar);
    EXPECT_EQ(p[1].SemillaA, 899);
    EXPECT_EQ(p[1].SemillaB, 8999);
    EXPECT_EQ(p[2].SemillaA, 0);
    EXPECT_EQ(p[2].SemillaB, 0);
}

TEST(ArbolToVar, NeverMoreThanFiveHundred) {
    ListaTemas lista;
    lista.NumTemas = 6;
    for (int r = 1; r <= 6; ++r) lista.Temas[r] = fila("XIMB_FISI_CIN", r, 99);
    DatosColeccion c;
    TablaProblemas p = nuevaTablaProblemas();
    Pcg32Random azar(1);
    EXPECT_EQ(Arbol_to_Var(lista, c, p, azar), 6 * 99 - kMaxProblemas);
    EXPECT_EQ(c.NPROB, kMaxProblemas);
    lista.NumTemas = 5;
    EXPECT_EQ(Arbol_to_Var(lista, c, p, azar), 0);
    EXPECT_EQ(c.NPROB, 5 * 99);
}

TEST(Barajar, KeepsEveryProblemOnceAndLeavesTextsInPlace) {
    TablaProblemas p = nuevaTablaProblemas();
    const int n = 40;
    for (int i = 1; i <= n; ++i) {
        p[i].Clave = QStringLiteral("K%1").arg(i);
        p[i].Tipo = static_cast<std::int16_t>(i);
        p[i].SemillaB = static_cast<std::int16_t>(100 + i);
        p[i].Enunciado = QStringLiteral("E%1").arg(i);
    }
    Pcg32Random azar(3);
    Barajar(p, n, azar);
    std::set<int> tipos;
    bool moved = false;
    for (int i = 1; i <= n; ++i) {
        tipos.insert(p[i].Tipo);
        EXPECT_EQ(p[i].Clave, QStringLiteral("K%1").arg(p[i].Tipo)); // fields travel together
        EXPECT_EQ(p[i].SemillaB, 100 + p[i].Tipo);
        EXPECT_EQ(p[i].Enunciado, QStringLiteral("E%1").arg(i));
        moved = moved || p[i].Tipo != i;
    }
    EXPECT_EQ(tipos.size(), static_cast<size_t>(n));
    EXPECT_TRUE(moved);
}

TEST(Barajar, OneProblemTwoRoundsOnItself) {
    TablaProblemas p = nuevaTablaProblemas();
    p[1].Tipo = 5;
    test::ScriptedRandom azar;
    Barajar(p, 1, azar);
    EXPECT_EQ(azar.draws, 4);
    EXPECT_EQ(p[1].Tipo, 5);
}

} // namespace
} // namespace vornith::document
