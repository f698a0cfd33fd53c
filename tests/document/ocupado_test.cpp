// A command that arrives while the collection is composed (a held key, a timer) is refused, and
// printing leaves the page view as it was.

#include "document_fixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

namespace vornith::document {
namespace {

using test::DocumentFixture;

// Every problem has one statement block, no block names a problem that does not exist, and
// every block is on a page.
void bloquesDeLosProblemas(const EstadoDocumento& d) {
    std::multiset<int> enunciados;
    for (int j = 1; j <= d.NumBloques; ++j) {
        const int p = d.TablaBloques[j].NumProblema;
        ASSERT_GE(std::abs(p), 1) << "block " << j;
        ASSERT_LE(std::abs(p), d.Coleccion.NPROB) << "block " << j;
        EXPECT_GE(d.TablaBloques[j].Pagina, 1) << "block " << j;
        if (p > 0) enunciados.insert(p);
    }
    for (int i = 1; i <= d.Coleccion.NPROB; ++i)
        EXPECT_EQ(enunciados.count(i), 1U) << "problem " << i;
}

// Whether `orden` changed the collection, its undo points or its blocks.
bool cambia(Documento& doc, const std::function<void(Documento&)>& orden) {
    const auto foto = [&doc] {
        const EstadoDocumento& d = doc.estado();
        QStringList codigos;
        for (int i = 1; i <= d.Coleccion.NPROB; ++i)
            codigos.append(generation::IdProblema(d.Problemas[i]));
        return std::make_tuple(d.Coleccion, codigos, d.Undo.Hay, d.Redo.Hay, d.NumBloques);
    };
    const auto antes = foto();
    orden(doc);
    return foto() != antes;
}

TEST(Ocupado, CommandsAtAYieldOfADeletionsCompositionAreRefused) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("c.col"));
    test::FakePrinters impresoras;
    struct Caso {
        const char* nombre;
        std::function<bool(Documento&)> orden; // false when it was refused as it should be
    };
    const Caso casos[] = {
        {"delete", [](Documento& doc) { return cambia(doc, [](Documento& e) { e.Borrar(); }); }},
        {"cut", [](Documento& doc) { return cambia(doc, [](Documento& e) { e.Cortar(); }); }},
        {"insert",
         [](Documento& doc) { return cambia(doc, [](Documento& e) { e.InsertarMismoTipo(); }); }},
        {"move", [](Documento& doc) { return cambia(doc, [](Documento& e) { e.Mover(0); }); }},
        {"move problem", [](Documento& doc) { return doc.MoverProblema(1, 2); }},
        {"regenerate",
         [](Documento& doc) { return cambia(doc, [](Documento& e) { e.RegenerarProblema(); }); }},
        {"paste", [](Documento& doc) { return cambia(doc, [](Documento& e) { e.Pegar(); }); }},
        {"undo", [](Documento& doc) { return cambia(doc, [](Documento& e) { e.Deshacer(); }); }},
        {"redo", [](Documento& doc) { return cambia(doc, [](Documento& e) { e.Rehacer(); }); }},
        {"repeat",
         [](Documento& doc) { return cambia(doc, [](Documento& e) { e.RegenerarColeccion(); }); }},
        {"save", [&ruta](Documento& doc) { return doc.SaveFile(ruta); }},
        {"open", [&ruta](Documento& doc) { return doc.OpenFile(ruta); }},
        {"print",
         [&impresoras](Documento& doc) {
             auto trabajo = impresoras.beginJob({}, QStringLiteral("x"));
             return doc.ImprimirPaginas(*trabajo, {1}, 1.0) != ResultadoImpresion::Ocupado;
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        DocumentFixture f;
        f.crear(8);
        ASSERT_TRUE(f.doc->SaveFile(ruta));
        f.muestraYSelecciona(3);
        f.doc->Copiar();
        const auto undo = f.doc->estado().Undo.Hay;
        int llamadas = 0;
        bool aceptada = false;
        f.eventos.alCeder = [&] {
            if (llamadas++ == 0) aceptada = c.orden(*f.doc);
        };
        f.doc->Borrar();
        f.eventos.alCeder = nullptr;
        EXPECT_GT(llamadas, 0);
        EXPECT_FALSE(aceptada);
        EXPECT_FALSE(f.doc->estado().Ocupado);
        EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 7);
        EXPECT_NE(f.doc->estado().Undo.Hay, undo); // the delete's own undo point
        bloquesDeLosProblemas(f.doc->estado());
    }
}

// Opening a file keeps the window's commands disabled from its start, before composing.
TEST(Ocupado, OpenFileDisablesTheCommandsBeforeComposing) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("c.col"));
    DocumentFixture f;
    f.crear(5);
    ASSERT_TRUE(f.doc->SaveFile(ruta));
    // The first yield is the composition's, before pagination.
    int yields = 0;
    bool deshabilitados = false;
    f.eventos.alCeder = [&] {
        if (yields++ == 0) deshabilitados = f.ventana.generando && f.doc->estado().Ocupado;
    };
    ASSERT_TRUE(f.doc->OpenFile(ruta));
    f.eventos.alCeder = nullptr;
    EXPECT_TRUE(deshabilitados);
    EXPECT_FALSE(f.ventana.generando);
    EXPECT_FALSE(f.doc->estado().Ocupado);
}

// The page view reads the engine's margins and block places of the page on screen: printing
// puts back what it changed, the selection included.
TEST(Ocupado, PrintingLeavesTheEngineOnThePageOnScreen) {
    DocumentFixture f;
    f.motor.Zoom = 1.5;
    f.crear(30, kSolucionTrasProblema, true, QStringLiteral("Título"));
    ASSERT_GE(f.doc->estado().NumPaginas, 3);
    f.muestraYSelecciona(f.doc->estado().TablaBloques[f.doc->estado().NumBloques].NumProblema);
    const textengine::EstadoMotor& m = f.motor;
    const auto antes =
        std::make_tuple(m.AnchoPagina, m.AltoPagina, m.MargenIzqPagina, m.MargenDerPagina,
                        m.MargenSupPagina, m.MargenInfPagina, m.NumBloquesPagina, m.MarcaResultado,
                        m.BloqueRef, m.BloqueSel, m.BloqueY1, m.BloqueY2);
    const int seleccionado = f.doc->ProblemaSeleccionado();
    test::FakePrinters impresoras;
    auto trabajo = impresoras.beginJob({}, QStringLiteral("x"));
    ASSERT_EQ(f.doc->ImprimirPaginas(*trabajo, {1, 2}, 1.0), ResultadoImpresion::Impreso);
    EXPECT_TRUE(antes == std::make_tuple(m.AnchoPagina, m.AltoPagina, m.MargenIzqPagina,
                                         m.MargenDerPagina, m.MargenSupPagina, m.MargenInfPagina,
                                         m.NumBloquesPagina, m.MarcaResultado, m.BloqueRef,
                                         m.BloqueSel, m.BloqueY1, m.BloqueY2));
    EXPECT_EQ(f.doc->ProblemaSeleccionado(), seleccionado);
    EXPECT_DOUBLE_EQ(m.Zoom, 1.5);
}

} // namespace
} // namespace vornith::document
