#include "document/creacion.h"
#include "document_fixture.h"
#include "generation/me_norv.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vornith::document {
namespace {

using test::DocumentFixture;

// A collection of five problems tied to a file, problem 3 selected and turned into a ballistics
// problem (kinematics routine 1) with known texts.
struct Regeneracion : DocumentFixture {
    Regeneracion() {
        crear(5);
        d().ArchivoActual = QStringLiteral("/tmp/viejo.COL");
        d().Modificado = false;
        Problema& p = d().Problemas[3];
        p.Clave = QStringLiteral("XIMB_FISI_CIN");
        p.Tipo = 1;
        p.Enunciado = QStringLiteral("viejo&LF");
        p.Solucion = QStringLiteral("vieja&LF");
        muestraYSelecciona(3);
        cursor.changes = 0;
        vecesGenerando = ventana.vecesGenerando;
        paginasMostradas = ventana.paginasMostradas;
    }
    const Problema& problema() const { return nucleo.documento.estado().Problemas[3]; }

    int vecesGenerando = 0;
    int paginasMostradas = 0;
};

TEST(RegeneraProblema, GeneratesComposesAndUntiesTheFile) {
    Regeneracion f;
    f.doc->RegenerarProblema();
    // The texts are those the problem's own code generates.
    Pcg32Random otro;
    generation::EstadoGeneracion aparte(otro);
    QString enunciado;
    QString solucion;
    generation::GeneraPorModulo(aparte, f.problema().Clave, generation::IdProblema(f.problema()),
                                enunciado, solucion);
    EXPECT_EQ(f.problema().Enunciado, enunciado);
    EXPECT_EQ(f.problema().Solucion, solucion);
    // A ballistics problem, whichever the new seeds.
    EXPECT_TRUE(f.problema().Enunciado.contains(u"lanza", Qt::CaseInsensitive))
        << f.problema().Enunciado.toStdString();

    const EstadoDocumento& d = f.doc->estado();
    EXPECT_GT(f.ventana.vecesGenerando, f.vecesGenerando);
    EXPECT_GT(f.ventana.paginasMostradas, f.paginasMostradas);
    EXPECT_FALSE(f.ventana.generando);
    EXPECT_EQ(d.PaginaActual, f.doc->PaginaDeProblema(3));
    EXPECT_TRUE(d.ArchivoActual.isEmpty());
    EXPECT_EQ(f.ventana.titulo, f.ventana.TituloAplicacion());
    EXPECT_TRUE(d.Modificado);
    EXPECT_FALSE(f.cursor.isBusy());
    EXPECT_GE(f.cursor.changes, 2);
}

TEST(RegeneraProblema, AnotherModulesProblemIsKeptAndTheUserTold) {
    Regeneracion f;
    f.d().Problemas[3].Clave = QStringLiteral("XIMB_QUIM_EST");
    const Problema antes = f.problema();
    f.doc->RegenerarProblema();
    EXPECT_EQ(f.problema(), antes);
    ASSERT_EQ(f.avisos.shown.size(), 1U);
    EXPECT_EQ(f.avisos.shown[0].text, MensajeSinRegenerar(1));
    EXPECT_EQ(f.doc->estado().ArchivoActual, QStringLiteral("/tmp/viejo.COL"));
    EXPECT_FALSE(f.doc->estado().Modificado);
    EXPECT_FALSE(f.doc->estado().Undo.Hay);
}

// Regenerating a shuffled collection with one problem of another module: that problem keeps
// its place, record and texts; the others get new ones; Undo brings them back.
TEST(RegeneraProblema, CollectionLeavesAnotherModulesProblemWhole) {
    DocumentFixture f;
    f.crear(6, kSolucionTrasProblema, false);
    Problema& ajeno = f.d().Problemas[4];
    ajeno.Clave = QStringLiteral("XIMB_MATE_GEN");
    ajeno.Enunciado = QStringLiteral("Calcula la derivada&LF");
    ajeno.Solucion = QStringLiteral("2x&LF");
    const TablaProblemas antes = f.doc->estado().Problemas;
    f.doc->RegenerarColeccion();
    const EstadoDocumento& d = f.doc->estado();
    EXPECT_EQ(d.Problemas[4], antes[4]);
    int cambiados = 0;
    for (int i = 1; i <= 6; ++i) {
        if (i == 4) continue;
        EXPECT_EQ(d.Problemas[i].Clave, QStringLiteral("XIMB_FISI_CIN"));
        cambiados += d.Problemas[i].Enunciado != antes[i].Enunciado ? 1 : 0;
    }
    EXPECT_GT(cambiados, 0);
    ASSERT_EQ(f.avisos.shown.size(), 1U);
    EXPECT_EQ(f.avisos.shown[0].text, MensajeSinRegenerar(1));
    EXPECT_EQ(d.Undo.Descripcion, QStringLiteral("regenerar colección"));
    f.doc->Deshacer();
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(d.Problemas[i], antes[i]) << i;
}

// A failure before the composition (the window's generating state) or inside it (the event
// loop): the window is given back once, the failure passes on, and the collection stays tied
// to its file.
TEST(RegeneraProblema, FailuresGiveTheWindowBack) {
    for (const bool enLaComposicion : {false, true}) {
        SCOPED_TRACE(enLaComposicion ? "composition" : "before the composition");
        Regeneracion f;
        f.eventos.falla = enLaComposicion;
        f.ventana.fallaAlGenerar = !enLaComposicion;
        EXPECT_THROW(f.doc->RegenerarProblema(), std::runtime_error);
        EXPECT_EQ(f.ventana.paginasMostradas, f.paginasMostradas + 1);
        EXPECT_FALSE(f.ventana.generando);
        EXPECT_FALSE(f.cursor.isBusy());
        EXPECT_EQ(f.doc->estado().ArchivoActual, QStringLiteral("/tmp/viejo.COL"));
        if (!enLaComposicion) {
            EXPECT_EQ(f.problema().Enunciado, "viejo&LF");
        }
    }
}

} // namespace
} // namespace vornith::document
