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

// A problem of another module is kept whole and the user told, whether it is regenerated alone
// (the file stays tied, nothing to undo) or with the shuffled collection (the others get new
// texts, and Undo brings them back).
TEST(RegeneraProblema, AnotherModulesProblemIsKeptAndTheUserTold) {
    Regeneracion f;
    f.d().Problemas[3].Clave = QStringLiteral("XIMB_QUIM_EST");
    const TablaProblemas antes = f.doc->estado().Problemas;
    const EstadoDocumento& d = f.doc->estado();
    f.doc->RegenerarProblema();
    EXPECT_EQ(d.Problemas[3], antes[3]);
    EXPECT_EQ(d.ArchivoActual, QStringLiteral("/tmp/viejo.COL"));
    EXPECT_FALSE(d.Modificado);
    EXPECT_FALSE(d.Undo.Hay);

    f.d().Coleccion.ORDENA = false;
    f.doc->RegenerarColeccion();
    int cambiados = 0;
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(d.Problemas[i].Clave, antes[i].Clave) << i;
        cambiados += d.Problemas[i].Enunciado != antes[i].Enunciado ? 1 : 0;
    }
    EXPECT_EQ(d.Problemas[3], antes[3]);
    EXPECT_GT(cambiados, 0);
    ASSERT_EQ(f.avisos.shown.size(), 2U);
    for (const auto& aviso : f.avisos.shown)
        EXPECT_EQ(aviso.text, QStringLiteral("No se puede regenerar el problema: se ha dejado como "
                                             "estaba. Posiblemente el archivo fue creado con una "
                                             "aplicación de otra asignatura."));
    f.doc->Deshacer();
    for (int i = 1; i <= 5; ++i)
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
