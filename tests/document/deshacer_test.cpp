#include "document_fixture.h"

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::DocumentFixture;

bool mismosProblemas(const EstadoDocumento& a, const DatosColeccion& c, const TablaProblemas& p) {
    if (!(a.Coleccion == c)) return false;
    for (int i = 1; i <= c.NPROB; ++i)
        if (!(a.Problemas[i] == p[i])) return false;
    return true;
}

TEST(Deshacer, CaptionsFollowTheDescription) {
    DocumentFixture f;
    f.crear(5);
    f.doc->SetUNDO(QStringLiteral("borrar"));
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer borrar"));
    EXPECT_TRUE(f.ventana.deshacer);
    EXPECT_EQ(f.ventana.tituloRehacer, QStringLiteral("No se puede rehacer"));
    EXPECT_FALSE(f.ventana.rehacer);
    f.doc->SetUNDO(QString());
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("No se puede deshacer"));
    EXPECT_FALSE(f.ventana.deshacer);
}

TEST(Deshacer, DeleteUndoRedoRestoreExactly) {
    DocumentFixture f;
    f.crear(6);
    const DatosColeccion antes = f.doc->estado().Coleccion;
    const TablaProblemas problemasAntes = f.doc->estado().Problemas;
    f.muestraYSelecciona(3);
    f.doc->Borrar();
    const DatosColeccion despues = f.doc->estado().Coleccion;
    const TablaProblemas problemasDespues = f.doc->estado().Problemas;
    EXPECT_EQ(despues.NPROB, 5);
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer borrar"));

    f.doc->Deshacer();
    EXPECT_TRUE(mismosProblemas(f.doc->estado(), antes, problemasAntes));
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("No se puede deshacer"));
    EXPECT_EQ(f.ventana.tituloRehacer, QStringLiteral("Rehacer borrar"));
    EXPECT_TRUE(f.ventana.rehacer);

    f.doc->Rehacer();
    EXPECT_TRUE(mismosProblemas(f.doc->estado(), despues, problemasDespues));
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer borrar"));
    EXPECT_FALSE(f.ventana.rehacer);
}

TEST(Deshacer, OnlyTheLastOfTwoChangesCanBeUndone) {
    DocumentFixture f;
    f.crear(6);
    f.muestraYSelecciona(2);
    f.doc->Borrar();
    const DatosColeccion tras1 = f.doc->estado().Coleccion;
    const TablaProblemas problemasTras1 = f.doc->estado().Problemas;
    f.muestraYSelecciona(4);
    f.doc->Mover(3);
    f.doc->Deshacer();
    EXPECT_TRUE(mismosProblemas(f.doc->estado(), tras1, problemasTras1));
    EXPECT_FALSE(f.ventana.deshacer);
    const int antes = f.doc->estado().Coleccion.NPROB;
    f.doc->Deshacer(); // nothing left to undo
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, antes);
}

TEST(Deshacer, DeletingTheOnlyProblemThenUndoBringsItBack) {
    DocumentFixture f;
    f.crear(1);
    f.ventana.hayColeccion = true;
    const Problema p = f.doc->estado().Problemas[1];
    f.muestraYSelecciona(1);
    f.doc->Borrar();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 0);
    EXPECT_FALSE(f.ventana.hayColeccion);
    EXPECT_TRUE(f.ventana.deshacer); // still reachable
    f.doc->Deshacer();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 1);
    EXPECT_TRUE(f.ventana.hayColeccion);
    EXPECT_EQ(f.doc->estado().Problemas[1], p);
    EXPECT_GE(f.doc->estado().NumBloques, 1);
    f.doc->Rehacer();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 0);
    EXPECT_FALSE(f.ventana.hayColeccion);
}

TEST(Deshacer, UndoOfANewCollectionReturnsToNoneAndRedoBringsItBack) {
    DocumentFixture f;
    f.doc->SetUNDO(QStringLiteral("nueva colección")); // taken while nothing was open
    f.crear(4);
    const TablaProblemas hechos = f.doc->estado().Problemas;
    f.ventana.hayColeccion = true;
    f.doc->Deshacer();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 0);
    EXPECT_FALSE(f.ventana.hayColeccion);
    EXPECT_FALSE(f.ventana.deshacer);
    EXPECT_TRUE(f.ventana.rehacer);
    EXPECT_EQ(f.ventana.tituloRehacer, QStringLiteral("Rehacer nueva colección"));
    EXPECT_TRUE(f.ventana.deshacerVisible); // the Edit menu stays, with Redo

    f.doc->Rehacer();
    const EstadoDocumento& d = f.doc->estado();
    ASSERT_EQ(d.Coleccion.NPROB, 4);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(d.Problemas[i], hechos[i]) << i;
    EXPECT_TRUE(f.ventana.hayColeccion);
    EXPECT_GE(d.NumBloques, 4);
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer nueva colección"));
    EXPECT_FALSE(f.ventana.rehacer);
}

TEST(Deshacer, UndoneRegenerationBringsBackTheOldTexts) {
    DocumentFixture f;
    f.crear(4);
    const Problema antes = f.doc->estado().Problemas[2];
    f.muestraYSelecciona(2);
    f.doc->RegenerarProblema();
    EXPECT_NE(f.doc->estado().Problemas[2].Enunciado, antes.Enunciado);
    f.doc->Deshacer();
    EXPECT_EQ(f.doc->estado().Problemas[2], antes);
}

} // namespace
} // namespace vornith::document
