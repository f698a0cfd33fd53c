#include "document_fixture.h"

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::DocumentFixture;
using test::DrawOp;

TEST(Edicion, NothingSelectedNothingHappens) {
    DocumentFixture f;
    f.crear(5);
    const TablaProblemas antes = f.doc->estado().Problemas;
    f.doc->Borrar();
    f.doc->Mover(1);
    f.doc->InsertarMismoTipo();
    f.doc->RegenerarProblema();
    f.doc->Cortar();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 5);
    EXPECT_EQ(f.doc->estado().Problemas, antes);
    EXPECT_FALSE(f.ventana.deshacer);
    EXPECT_FALSE(f.doc->EstadoMenuEdicion().seleccion);
}

// One block of the displayed page selected at a time, inverted on the page box from the left
// margin, and cleared again; a block off the page is ignored. The window's tests cover which
// block a click falls on.
TEST(Seleccion, OneBlockAtATimeInvertedOnThePage) {
    DocumentFixture f;
    f.crear(5);
    textengine::EstadoMotor& m = f.motor;
    ASSERT_GE(m.NumBloquesPagina, 3);
    f.caja.clearOps();
    f.doc->Selecciona(2);
    f.doc->Selecciona(3);
    f.doc->Selecciona(0);
    f.doc->Selecciona(m.NumBloquesPagina + 1);
    EXPECT_EQ(f.doc->NumSeleccionados(), 1);
    EXPECT_EQ(f.doc->ProblemaSeleccionado(), 3);
    f.doc->QuitaSeleccion();
    EXPECT_EQ(f.doc->NumSeleccionados(), 0);
    // Block 2 on and off, block 3 on and off: each inverted an even number of times.
    std::vector<double> invertidos;
    for (const DrawOp& op : f.caja.ops()) {
        ASSERT_EQ(op.kind, DrawOp::Kind::Invert);
        EXPECT_DOUBLE_EQ(op.x1, static_cast<float>(m.MargenIzqPagina));
        invertidos.push_back(op.y1);
    }
    const auto y = [&](int n) { return static_cast<double>(static_cast<float>(m.BloqueY1[n])); };
    EXPECT_EQ(invertidos, (std::vector<double>{y(2), y(2), y(3), y(3)}));
}

TEST(Edicion, MenuStateAtTheEnds) {
    DocumentFixture f;
    f.crear(5);
    f.muestraYSelecciona(1);
    EstadoEdicion e = f.doc->EstadoMenuEdicion();
    EXPECT_TRUE(e.seleccion);
    EXPECT_FALSE(e.mover[0]);
    EXPECT_TRUE(e.mover[1]);
    EXPECT_FALSE(e.mover[2]);
    EXPECT_TRUE(e.mover[3]);
    f.muestraYSelecciona(5);
    e = f.doc->EstadoMenuEdicion();
    EXPECT_TRUE(e.mover[0] && e.mover[2]);
    EXPECT_FALSE(e.mover[1] || e.mover[3]);
}

TEST(Edicion, DeleteShowsTheProblemThatTookItsPlace) {
    DocumentFixture f;
    f.crear(5);
    const Problema cuarto = f.doc->estado().Problemas[4];
    f.muestraYSelecciona(3);
    f.doc->Borrar();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 4);
    EXPECT_EQ(f.doc->estado().Problemas[3], cuarto);
    EXPECT_EQ(f.doc->NumSeleccionados(), 0);
    EXPECT_FALSE(f.ventana.cortarCopiar);
    // Deleting the last shows the new last.
    f.muestraYSelecciona(4);
    f.doc->Borrar();
    EXPECT_EQ(f.doc->estado().PaginaActual, f.doc->PaginaDeProblema(3));
}

TEST(Edicion, MovesAndRefusedMovesAtTheEnds) {
    DocumentFixture f;
    f.crear(6);
    const TablaProblemas p = f.doc->estado().Problemas;
    f.muestraYSelecciona(4);
    f.doc->Mover(3); // down
    EXPECT_EQ(f.doc->estado().Problemas[5], p[4]);
    EXPECT_EQ(f.doc->estado().Problemas[4], p[5]);
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer mover hacia abajo"));

    f.muestraYSelecciona(1);
    const TablaProblemas q = f.doc->estado().Problemas;
    f.doc->Mover(2); // up from the top: refused, but the undo point is taken
    EXPECT_EQ(f.doc->estado().Problemas, q);
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer mover hacia arriba"));

    f.muestraYSelecciona(2);
    f.doc->Mover(1); // to the end
    EXPECT_EQ(f.doc->estado().Problemas[6], q[2]);
    EXPECT_EQ(f.doc->estado().Problemas[2], q[3]);
    f.muestraYSelecciona(6);
    f.doc->Mover(0); // to the start
    EXPECT_EQ(f.doc->estado().Problemas[1], q[2]);
    EXPECT_EQ(f.doc->estado().Problemas[2], q[1]);
}

TEST(Edicion, MoverProblemaRefusesOutOfRange) {
    DocumentFixture f;
    f.crear(3);
    EXPECT_FALSE(f.doc->MoverProblema(2, 2));
    EXPECT_FALSE(f.doc->MoverProblema(0, 2));
    EXPECT_FALSE(f.doc->MoverProblema(3, 4));
    EXPECT_TRUE(f.doc->MoverProblema(3, 1));
}

TEST(Edicion, InsertMakesANewProblemOfTheSameType) {
    DocumentFixture f;
    f.crear(10);
    f.d().ArchivoActual = QStringLiteral("/tmp/x.COL");
    const TablaProblemas p = f.doc->estado().Problemas;
    f.muestraYSelecciona(3);
    f.doc->InsertarMismoTipo();
    const EstadoDocumento& d = f.doc->estado();
    ASSERT_EQ(d.Coleccion.NPROB, 11);
    EXPECT_EQ(d.Problemas[4], p[3]);
    EXPECT_EQ(d.Problemas[11], p[10]);
    const Problema& nuevo = d.Problemas[3];
    EXPECT_EQ(nuevo.Clave, p[3].Clave);
    EXPECT_EQ(nuevo.Tipo, p[3].Tipo);
    EXPECT_EQ(nuevo.Cantidad, p[3].Cantidad);
    EXPECT_EQ(nuevo.Orden, p[3].Orden);
    EXPECT_EQ(nuevo.Variante, p[3].Variante);
    EXPECT_GE(nuevo.SemillaB, 0);
    EXPECT_LT(nuevo.SemillaB, 9000);
    EXPECT_FALSE(nuevo.Enunciado.isEmpty());
    EXPECT_TRUE(d.ArchivoActual.isEmpty());
    EXPECT_TRUE(d.Modificado);
    EXPECT_EQ(f.ventana.tituloDeshacer,
              QStringLiteral("Deshacer insertar problema del mismo tipo"));
}

TEST(Edicion, InsertAtFiveHundredDoesNothing) {
    DocumentFixture f;
    f.crear(kMaxProblemas, kSinSoluciones);
    f.muestraYSelecciona(1);
    f.doc->InsertarMismoTipo();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, kMaxProblemas);
    EXPECT_FALSE(f.ventana.deshacer);
}

TEST(Edicion, RegenerateKeepsPlaceAndScroll) {
    DocumentFixture f;
    f.crear(5);
    const Problema antes = f.doc->estado().Problemas[4];
    f.muestraYSelecciona(4);
    f.ventana.scroll = 120;
    f.doc->RegenerarProblema();
    const Problema& despues = f.doc->estado().Problemas[4];
    EXPECT_EQ(despues.Tipo, antes.Tipo);
    EXPECT_EQ(despues.Orden, antes.Orden);
    EXPECT_NE(despues.Enunciado, antes.Enunciado);
    EXPECT_EQ(f.ventana.scroll, 120);
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer regenerar problema"));
}

TEST(Edicion, SelectingASolutionSelectsItsProblem) {
    DocumentFixture f;
    f.crear(4, kSolucionesAlFinal);
    const EstadoDocumento& d = f.doc->estado();
    // The last block is a gathered solution.
    const int ultimo = d.NumBloques;
    ASSERT_LT(d.TablaBloques[ultimo].NumProblema, 0);
    f.doc->PonPaginaActual(d.TablaBloques[ultimo].Pagina);
    f.doc->DibujaPagina();
    for (int j = 1; j <= f.motor.NumBloquesPagina; ++j)
        f.motor.BloqueSel[j] = f.motor.BloqueRef[j] == ultimo;
    EXPECT_EQ(f.doc->ProblemaSeleccionado(), -d.TablaBloques[ultimo].NumProblema);
}

} // namespace
} // namespace vornith::document
