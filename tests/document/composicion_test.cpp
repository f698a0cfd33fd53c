#include "document/composicion.h"
#include "document/document_fixture.h"

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

struct Compuesto {
    std::vector<Bloque> tabla = std::vector<Bloque>(kMaxBloques + 1);
    std::int32_t num = 0;
};

Compuesto componer(const DatosColeccion& c, const TablaProblemas& p) {
    Compuesto r;
    ComponerBloques(c, p, r.tabla, r.num);
    return r;
}

TablaProblemas problemas(int n, const QString& solucion = QStringLiteral("&SP=10:v = 3& m/s&LF")) {
    TablaProblemas t = nuevaTablaProblemas();
    for (int i = 1; i <= n; ++i) {
        t[i].Clave = QStringLiteral("XIMB_FISI_CIN");
        t[i].Enunciado = QStringLiteral("Enunciado %1&LF").arg(i);
        t[i].Solucion = solucion;
    }
    return t;
}

TEST(MarcaBloque, ThreeDigitsThenFour) {
    EXPECT_EQ(MarcaBloque(7), QStringLiteral("#MARK=007"));
    EXPECT_EQ(MarcaBloque(999), QStringLiteral("#MARK=999"));
    EXPECT_EQ(MarcaBloque(1000), QStringLiteral("#MARK=1000"));
    EXPECT_EQ(MarcaBloque(1024), QStringLiteral("#MARK=1024"));
}

TEST(CajaNumero, ColourComponentsWithBlanksAndNumberWithout) {
    EXPECT_EQ(CajaNumero(rgb(255, 255, 255), QStringLiteral("("), 5, QStringLiteral(")")),
              QStringLiteral("&BC= 255; 255; 255:&FF=REC,20,5.5:(5) &BC=Blanco:&FF=REC,20,5.5:"));
    EXPECT_EQ(CajaNumero(rgb(10, 0, 200), QString(), 12, QString()),
              QStringLiteral("&BC= 10; 0; 200:&FF=REC,20,5.5:12 &BC=Blanco:&FF=REC,20,5.5:"));
}

TEST(ComponerBloques, SolutionAfterEachProblemInOneBlock) {
    DatosColeccion c;
    c.NPROB = 2;
    c.PROINI = 5;
    c.PROPRE = QStringLiteral("(");
    c.PROSUF = QStringLiteral(")");
    c.POSSOL = kSolucionTrasProblema;
    const Compuesto r = componer(c, problemas(2));
    ASSERT_EQ(r.num, 2);
    EXPECT_EQ(r.tabla[1].Texto,
              QStringLiteral("#MARK=001&+B") +
                  CajaNumero(c.COLRESPRO, QStringLiteral("("), 5, QStringLiteral(")")) +
                  QStringLiteral("&-B& Enunciado 1&LF&+ISolución&-I:& &SP=10:v = 3& m/s&LF&LF"));
    EXPECT_TRUE(r.tabla[2].Texto.contains(QStringLiteral("(6)")));
    EXPECT_EQ(r.tabla[2].NumProblema, 2);
    EXPECT_EQ(r.tabla[2].Pagina, 0);
}

TEST(ComponerBloques, LongSolutionGetsItsOwnBlockAt513) {
    DatosColeccion c;
    c.NPROB = 2;
    c.POSSOL = kSolucionTrasProblema;
    TablaProblemas p = problemas(2);
    p[1].Solucion = QString(512, u'a');
    p[2].Solucion = QString(513, u'a');
    const Compuesto r = componer(c, p);
    ASSERT_EQ(r.num, 3);
    EXPECT_EQ(r.tabla[1].NumProblema, 1);
    EXPECT_TRUE(r.tabla[1].Texto.contains(QStringLiteral("Solución")));
    EXPECT_EQ(r.tabla[2].NumProblema, 2);
    EXPECT_FALSE(r.tabla[2].Texto.contains(QStringLiteral("Solución")));
    EXPECT_EQ(r.tabla[3].NumProblema, -2);
    EXPECT_TRUE(r.tabla[3].Texto.startsWith(QStringLiteral("#MARK=003&+ISolución&-I:& aaa")));
}

TEST(ComponerBloques, LongStatementSplitsEvenWithEmptySolution) {
    DatosColeccion c;
    c.NPROB = 1;
    c.POSSOL = kSolucionTrasProblema;
    TablaProblemas p = problemas(1, QString());
    p[1].Enunciado = QString(600, u'e');
    const Compuesto r = componer(c, p);
    ASSERT_EQ(r.num, 2);
    EXPECT_EQ(r.tabla[2].Texto, QStringLiteral("#MARK=002&+ISolución&-I:& &LF"));
}

TEST(ComponerBloques, ShortStatementWithEmptySolutionKeepsLabel) {
    DatosColeccion c;
    c.NPROB = 1;
    c.POSSOL = kSolucionTrasProblema;
    const Compuesto r = componer(c, problemas(1, QString()));
    ASSERT_EQ(r.num, 1);
    EXPECT_TRUE(r.tabla[1].Texto.endsWith(QStringLiteral("&+ISolución&-I:& &LF")));
}

TEST(ComponerBloques, GatheredSolutionsAtTheEnd) {
    DatosColeccion c;
    c.NPROB = 3;
    c.POSSOL = kSolucionesAlFinal;
    TablaProblemas p = problemas(3);
    p[2].Solucion.clear();
    const Compuesto r = componer(c, p);
    ASSERT_EQ(r.num, 5);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(r.tabla[k].NumProblema, k);
        EXPECT_TRUE(r.tabla[k].Texto.endsWith(QStringLiteral("&LF")));
        EXPECT_FALSE(r.tabla[k].Texto.contains(QStringLiteral("Solución")));
    }
    EXPECT_EQ(r.tabla[4].NumProblema, -1);
    EXPECT_EQ(r.tabla[5].NumProblema, -3);
    EXPECT_EQ(r.tabla[4].Texto, QStringLiteral("#MARK=004&+BSoluciones:&-B&LF &+B") +
                                    CajaNumero(c.COLRESPRO, {}, 1, {}) +
                                    QStringLiteral("&-B& &SP=10:v = 3& m/s&LF"));
    EXPECT_FALSE(r.tabla[5].Texto.contains(QStringLiteral("Soluciones")));
    EXPECT_TRUE(r.tabla[5].Texto.contains(QStringLiteral("&FF=REC,20,5.5:3 ")));
}

// On the fixture's page box a character is 122 twips wide, a hard blank 120. Labels that fit
// keep the fixed box and tab. "Problema 12. " (28 mm) widens every box, and " Problema 12. "
// with its hard blank (18.1 % of the usable width) moves every answers' tab to 19 %.
TEST(ComponerBloques, BoxAndAnswersMakeRoomForTheWidestLabel) {
    test::DocumentFixture f;
    f.crear(12, kSolucionesAlFinal);
    f.d().Problemas[1].Solucion = QStringLiteral("&SP=10:a&LF&SP=10:b&LF");
    f.doc->ComponerColeccion(0);
    const EstadoDocumento& d = f.doc->estado();
    const Compuesto fijo = componer(d.Coleccion, d.Problemas);
    for (int j = 1; j <= d.NumBloques; ++j)
        EXPECT_EQ(d.TablaBloques[j].Texto, fijo.tabla[j].Texto) << j;
    DatosColeccion c = d.Coleccion;
    c.PROPRE = QStringLiteral("Problema ");
    c.PROSUF = QStringLiteral(".");
    f.doc->PonCabecera(c);
    f.doc->ComponerColeccion(0);
    ASSERT_EQ(d.NumBloques, 24);
    for (int j = 1; j <= 24; ++j) {
        const QString& t = d.TablaBloques[j].Texto;
        EXPECT_EQ(t.count(QStringLiteral("&FF=REC,28,5.5:")), 2) << j;
        EXPECT_EQ(t.count(QStringLiteral("&SP=19:")), j == 13 ? 2 : (j > 13 ? 1 : 0)) << j;
        EXPECT_FALSE(t.contains(QStringLiteral("&SP=10:"))) << j;
    }
}

TEST(ComponerBloques, NoHeadingWithoutAnySolution) {
    DatosColeccion c;
    c.NPROB = 2;
    c.POSSOL = kSolucionesAparte;
    const Compuesto r = componer(c, problemas(2, QString()));
    EXPECT_EQ(r.num, 2);
}

TEST(ComponerBloques, NoSolutionsAndOddPlacementGiveOneBlockPerProblem) {
    DatosColeccion c;
    c.NPROB = 4;
    for (int possol : {0, 7, -1}) {
        c.POSSOL = possol;
        const Compuesto r = componer(c, problemas(4));
        EXPECT_EQ(r.num, 4) << possol;
        for (int k = 1; k <= 4; ++k) EXPECT_FALSE(r.tabla[k].Texto.contains(QStringLiteral("Sol")));
    }
}

TEST(ComponerBloques, FiveHundredProblemsWithOwnSolutionBlocksKeepDistinctMarks) {
    DatosColeccion c;
    c.NPROB = kMaxProblemas;
    c.POSSOL = kSolucionTrasProblema;
    const Compuesto r = componer(c, problemas(kMaxProblemas, QString(600, u's')));
    ASSERT_EQ(r.num, 1000);
    EXPECT_TRUE(r.tabla[1000].Texto.startsWith(QStringLiteral("#MARK=1000")));
    EXPECT_TRUE(r.tabla[999].Texto.startsWith(QStringLiteral("#MARK=999")));
}

TEST(ComponerBloques, EmptyCollectionHasNoBlocks) {
    DatosColeccion c;
    const Compuesto r = componer(c, problemas(0));
    EXPECT_EQ(r.num, 0);
}

} // namespace
} // namespace vornith::document
