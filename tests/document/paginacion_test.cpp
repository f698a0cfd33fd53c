#include "coleccion_de_prueba.h"
#include "document_fixture.h"

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::DocumentFixture;
using test::DrawOp;

// Every block on exactly one page, pages in table order without gaps, 1..NumPaginas.
void expectPaginated(const EstadoDocumento& d) {
    int anterior = 1;
    for (int j = 1; j <= d.NumBloques; ++j) {
        const int p = d.TablaBloques[j].Pagina;
        ASSERT_GE(p, 1) << "block " << j << " has no page";
        ASSERT_LE(p, d.NumPaginas);
        ASSERT_TRUE(p == anterior || p == anterior + 1) << "block " << j;
        anterior = p;
    }
    if (d.NumBloques > 0) {
        EXPECT_EQ(d.TablaBloques[d.NumBloques].Pagina, d.NumPaginas);
    }
}

TEST(CrearColeccion, GeneratesComposesAndShowsFirstPage) {
    DocumentFixture f;
    f.crear(12);
    const EstadoDocumento& d = f.doc->estado();
    EXPECT_EQ(d.Coleccion.NPROB, 12);
    EXPECT_EQ(d.NumBloques, 12); // short solutions stay in their problem's block
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(d.Problemas[i].Enunciado.isEmpty());
        EXPECT_FALSE(d.Problemas[i].Enunciado.startsWith(QStringLiteral("<ERROR")))
            << d.Problemas[i].Enunciado.toStdString();
    }
    expectPaginated(d);
    EXPECT_GE(d.NumPaginas, 2);
    EXPECT_EQ(d.PaginaActual, 1);
    EXPECT_TRUE(d.Modificado);
    EXPECT_TRUE(d.ArchivoActual.isEmpty());
    EXPECT_FALSE(d.Ocupado);
    EXPECT_FALSE(f.ventana.generando);
    EXPECT_EQ(f.ventana.titulo, f.ventana.kTitulo);
    EXPECT_EQ(f.ventana.etiquetas.back(), QStringLiteral("Pág. 1/%1").arg(d.NumPaginas));
    EXPECT_FALSE(f.cursor.isBusy());
}

TEST(CrearColeccion, NothingToCreateTouchesNothing) {
    DocumentFixture f;
    f.doc->CrearColeccion(1);
    EXPECT_EQ(f.cursor.changes, 0);
    EXPECT_EQ(f.ventana.vecesGenerando, 0);
}

TEST(CrearColeccion, ShuffleKeepsEachProblemsCode) {
    DocumentFixture f;
    f.crear(9, kSolucionTrasProblema, /*ordena=*/false);
    const EstadoDocumento& d = f.doc->estado();
    std::set<int> orden;
    for (int i = 1; i <= 9; ++i)
        orden.insert(d.Problemas[i].Orden);
    EXPECT_EQ(orden.size(), 9U);
    // The same record always yields the same texts: regenerate one and compare.
    for (int i = 1; i <= 9; ++i) {
        QString e, s;
        generation::GeneraPorModulo(f.generacion, d.Problemas[i].Clave,
                                    generation::IdProblema(d.Problemas[i]), e, s);
        EXPECT_EQ(e, d.Problemas[i].Enunciado);
    }
}

TEST(Paginar, EveryPlacementPutsEveryBlockOnOnePage) {
    for (int possol = 0; possol <= 3; ++possol) {
        DocumentFixture f;
        f.crear(40, possol, true, QStringLiteral("Hoja de problemas"));
        SCOPED_TRACE(possol);
        expectPaginated(f.doc->estado());
    }
}

TEST(Paginar, SolutionsOnPagesOfTheirOwn) {
    DocumentFixture f;
    f.crear(30, kSolucionesAparte);
    const EstadoDocumento& d = f.doc->estado();
    int ultimaProblema = 0;
    int primeraSolucion = 0;
    for (int j = 1; j <= d.NumBloques; ++j) {
        if (d.TablaBloques[j].NumProblema > 0) {
            ultimaProblema = d.TablaBloques[j].Pagina;
        } else if (primeraSolucion == 0) {
            primeraSolucion = d.TablaBloques[j].Pagina;
        }
    }
    EXPECT_EQ(primeraSolucion, ultimaProblema + 1);
}

TEST(Paginar, WindowOfFortyNineThatFitsDoesNotLoseTheRest) {
    DocumentFixture f;
    // Tiny statements: far more than 49 blocks fit on one page.
    f.crear(120, kSinSoluciones);
    EstadoDocumento& d = f.d();
    for (int i = 1; i <= d.Coleccion.NPROB; ++i)
        d.Problemas[i].Enunciado = QStringLiteral("x&LF");
    f.caja.setFontSize(1);
    f.doc->ComponerColeccion(1);
    expectPaginated(d);
}

TEST(Paginar, BlockTallerThanAPageStandsAlone) {
    DocumentFixture f;
    f.crear(3, kSinSoluciones);
    EstadoDocumento& d = f.d();
    QString alto;
    for (int k = 0; k < 120; ++k)
        alto += QStringLiteral("línea&LF");
    d.Problemas[2].Enunciado = alto;
    f.doc->ComponerColeccion(1);
    expectPaginated(d);
    EXPECT_EQ(d.TablaBloques[1].Pagina, 1);
    EXPECT_EQ(d.TablaBloques[2].Pagina, 2);
    EXPECT_EQ(d.TablaBloques[3].Pagina, 3);
    EXPECT_EQ(d.NumPaginas, 3);

    // The user is told once, with the problem's printed number.
    ASSERT_EQ(f.avisos.shown.size(), 1U);
    EXPECT_TRUE(f.avisos.shown[0].text.startsWith(
        QStringLiteral("El texto de estos problemas no cabe en una página: 2.\r\n")));
    f.doc->ComponerColeccion(1);
    EXPECT_EQ(f.avisos.shown.size(), 1U);
    d.Problemas[2].Enunciado = QStringLiteral("corto&LF");
    f.doc->ComponerColeccion(1);
    d.Problemas[2].Enunciado = alto;
    f.doc->ComponerColeccion(1);
    EXPECT_EQ(f.avisos.shown.size(), 2U);

    // Opened from its file, then another file without a cut problem: told once, then nothing.
    test::CarpetasDePrueba c;
    const QString cortada = c.ruta(QStringLiteral("cortada.COL"));
    ASSERT_TRUE(f.doc->SaveFile(cortada));
    d.Problemas[2].Enunciado = QStringLiteral("corto&LF");
    const QString entera = c.ruta(QStringLiteral("entera.COL"));
    ASSERT_TRUE(f.doc->SaveFile(entera));
    DocumentFixture g(c.carpetas);
    ASSERT_TRUE(g.doc->OpenFile(cortada));
    EXPECT_EQ(g.avisos.shown.size(), 1U);
    ASSERT_TRUE(g.doc->OpenFile(entera));
    EXPECT_EQ(g.avisos.shown.size(), 1U);
    EXPECT_TRUE(g.doc->estado().ProblemasCortados.isEmpty());
}

TEST(Paginar, PageOfProblemAndKeptPage) {
    DocumentFixture f;
    f.crear(40);
    const EstadoDocumento& d = f.doc->estado();
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(f.doc->PaginaDeProblema(i), d.TablaBloques[i].Pagina);
    EXPECT_EQ(f.doc->PaginaDeProblema(-7), d.TablaBloques[7].Pagina);
    EXPECT_EQ(f.doc->PaginaDeProblema(999), 1);
    f.doc->PonPaginaActual(d.NumPaginas);
    EXPECT_EQ(f.doc->PaginaDeProblema(0), d.NumPaginas);
    f.doc->PonPaginaActual(d.NumPaginas + 2);
    EXPECT_EQ(f.doc->PaginaDeProblema(0), 1);
}

TEST(Paginar, CountingLabelsAfterEachFullPage) {
    DocumentFixture f;
    f.crear(40);
    const int n = f.doc->estado().NumPaginas;
    ASSERT_GE(n, 3);
    EXPECT_TRUE(f.ventana.etiquetas.contains(QStringLiteral("Pág. 1/1")));
    EXPECT_TRUE(f.ventana.etiquetas.contains(QStringLiteral("Pág. 1/2")));
}

TEST(Paginar, EmptyCollectionHasOnePage) {
    DocumentFixture f;
    f.doc->ComponerColeccion(0);
    EXPECT_EQ(f.doc->estado().NumPaginas, 1);
    EXPECT_EQ(f.doc->estado().NumBloques, 0);
}

TEST(DibujaPagina, BlocksAreOrderedAndNonEmpty) {
    DocumentFixture f;
    f.crear(25, kSolucionTrasProblema, true, QStringLiteral("Título"));
    for (int p = 1; p <= f.doc->estado().NumPaginas; ++p) {
        f.doc->PonPaginaActual(p);
        f.doc->DibujaPagina();
        ASSERT_GE(f.motor.NumBloquesPagina, 1);
        for (int j = 1; j <= f.motor.NumBloquesPagina; ++j) {
            EXPECT_LE(f.motor.BloqueY1[j], f.motor.BloqueY2[j]);
            if (j > 1) {
                EXPECT_LE(f.motor.BloqueY2[j - 1], f.motor.BloqueY1[j]);
            }
            EXPECT_EQ(f.doc->estado().TablaBloques[f.motor.BloqueRef[j]].Pagina, p);
        }
    }
}

// The page number as drawn: the last text printed on the page.
const DrawOp& numeroDibujado(const DocumentFixture& f) {
    const auto& ops = f.caja.ops();
    for (auto it = ops.rbegin(); it != ops.rend(); ++it)
        if (it->kind == DrawOp::Kind::Text) return *it;
    static const DrawOp none{DrawOp::Kind::Clear, 0, 0, 0, 0, QString(), 0, {}};
    return none;
}

TEST(DibujaPagina, PageNumberPositions) {
    DocumentFixture f;
    f.crear(40);
    const double W = f.caja.widthTwips();
    const double H = f.caja.heightTwips();
    const double m = 16 * 1440 / 25.4;
    struct Caso {
        int posnumpag, pagini, pagina;
        const char* texto;
        char lado; // L left, R right, C centre
        bool abajo;
    };
    const Caso casos[] = {
        {11, 1, 3, "3", 'C', true},   {4, 2, 1, "2", 'L', false}, {4, 2, 2, "3", 'R', false},
        {13, 1, 1, "1", 'L', true},   {13, 1, 2, "2", 'R', true}, {1, 1, 1, "1", 'R', false},
        {2, 10, 2, "11", 'L', false}, {10, 1, 1, "1", 'L', true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.posnumpag);
        DatosColeccion cabecera = f.doc->estado().Coleccion;
        cabecera.POSNUMPAG = c.posnumpag;
        cabecera.PAGINI = c.pagini;
        f.doc->PonCabecera(cabecera);
        f.doc->PonPaginaActual(c.pagina);
        f.caja.clearOps();
        f.doc->DibujaPagina();
        const DrawOp& op = numeroDibujado(f);
        EXPECT_EQ(op.text, QString::fromLatin1(c.texto));
        EXPECT_EQ(op.state.foreColor, rgb(128, 128, 128));
        EXPECT_DOUBLE_EQ(op.state.fontSize, 11);
        const double w = op.x2 - op.x1;
        const double x = c.lado == 'L' ? m : c.lado == 'R' ? W - m - w : W / 2 - w / 2;
        EXPECT_NEAR(op.x1, x, 0.01);
        EXPECT_NEAR(op.y1, c.abajo ? H - m - (op.y2 - op.y1) : m, 0.01);
    }
}

TEST(DibujaPagina, NoNumberWhenPosnumpagIsZero) {
    DocumentFixture f;
    f.crear(3);
    DatosColeccion cabecera = f.doc->estado().Coleccion;
    cabecera.POSNUMPAG = 0;
    f.doc->PonCabecera(cabecera);
    f.caja.clearOps();
    f.doc->DibujaPagina();
    for (const DrawOp& op : f.caja.ops())
        EXPECT_FALSE(op.kind == DrawOp::Kind::Text && op.state.foreColor == rgb(128, 128, 128));
}

// A page number at the foot has its line to itself on every page: with the solutions at the
// end, on pages of their own, and under a block taller than a page, whose red note goes below it.
TEST(DibujaPagina, NoTextReachesThePageNumberAtTheFoot) {
    for (const int caso : {kSolucionesAlFinal, kSolucionesAparte, kSinSoluciones}) {
        SCOPED_TRACE(caso);
        DocumentFixture f;
        f.crear(caso == kSinSoluciones ? 2 : 80, caso);
        if (caso == kSinSoluciones) {
            f.d().Problemas[1].Enunciado = QStringLiteral("línea&LF").repeated(120);
            f.doc->ComponerColeccion(1);
        }
        const EstadoDocumento& d = f.doc->estado();
        ASSERT_EQ(d.Coleccion.POSNUMPAG, 11);
        for (int p = 1; p <= d.NumPaginas; ++p) {
            f.doc->PonPaginaActual(p);
            f.caja.clearOps();
            f.doc->DibujaPagina();
            EXPECT_GE(f.motor.MarcaResultado, 0) << "page " << p;
            const DrawOp& numero = numeroDibujado(f);
            for (const DrawOp& op : f.caja.ops()) {
                if (op.kind == DrawOp::Kind::Text && &op != &numero) {
                    EXPECT_TRUE(op.y2 <= numero.y1 || op.y1 >= numero.y2)
                        << "page " << p << ": " << op.text.toStdString();
                }
            }
        }
    }
}

std::vector<int> todasLasPaginas(const EstadoDocumento& d) {
    std::vector<int> paginas;
    for (int p = 1; p <= d.NumPaginas; ++p)
        paginas.push_back(p);
    return paginas;
}

TEST(ImprimirPaginas, OneSheetPerPageNoTrailingBlank) {
    DocumentFixture f;
    f.crear(40, kSolucionesAlFinal, true, QStringLiteral("Título"));
    test::FakePrinters impresoras;
    auto trabajo = impresoras.beginJob({}, QStringLiteral("x"));
    f.motor.Zoom = 1.5; // the page box's zoom stays; paper is printed at 1
    EXPECT_EQ(f.doc->ImprimirPaginas(*trabajo, todasLasPaginas(f.doc->estado()), 1.0),
              ResultadoImpresion::Impreso);
    EXPECT_EQ(impresoras.lastJob->pages, f.doc->estado().NumPaginas);
    EXPECT_TRUE(impresoras.lastJob->ended);
    EXPECT_DOUBLE_EQ(f.motor.Zoom, 1.5);
    // Every page printed its number and blocks in black at 11 and 12 points.
    int numeros = 0;
    for (const DrawOp& op : impresoras.lastJob->page.ops())
        if (op.kind == DrawOp::Kind::Text && op.state.fontSize == 11) ++numeros;
    EXPECT_EQ(numeros, f.doc->estado().NumPaginas);
}

// A sheet that cannot start, a document that cannot finish and a page that needs more room on
// paper than pagination gave it are failures, never success.
TEST(ImprimirPaginas, FailuresAreReported) {
    struct Caso {
        const char* nombre;
        int hojasAceptadas;
        bool termina;
        bool paginaMasLarga;
        ResultadoImpresion esperado;
    };
    const Caso casos[] = {
        {"whole", 1 << 20, true, false, ResultadoImpresion::Impreso},
        {"second sheet refused", 1, true, false, ResultadoImpresion::SinPaginaNueva},
        {"document refused", 1 << 20, false, false, ResultadoImpresion::SinTerminar},
        {"page too long", 1 << 20, true, true, ResultadoImpresion::PaginaIncompleta},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        DocumentFixture f;
        f.crear(30);
        EstadoDocumento& d = f.d();
        ASSERT_GE(d.NumPaginas, 3);
        if (c.paginaMasLarga) {
            // Ten lines more in the last block of page 2, after pagination.
            int ultimo = 0;
            for (int j = 1; j <= d.NumBloques; ++j)
                if (d.TablaBloques[j].Pagina == 2) ultimo = j;
            for (int k = 0; k < 10; ++k)
                d.TablaBloques[ultimo].Texto += QStringLiteral("línea&LF");
        }
        test::FakePrinters impresoras;
        auto trabajo = impresoras.beginJob({}, QStringLiteral("x"));
        impresoras.lastJob->pagesAccepted = c.hojasAceptadas;
        impresoras.lastJob->finishes = c.termina;
        EXPECT_EQ(f.doc->ImprimirPaginas(*trabajo, todasLasPaginas(d), 1.0), c.esperado);
        EXPECT_TRUE(impresoras.lastJob->ended);
        EXPECT_EQ(impresoras.lastJob->pages,
                  c.esperado == ResultadoImpresion::SinPaginaNueva ? 2 : d.NumPaginas);
        EXPECT_DOUBLE_EQ(f.motor.Zoom, 1.0);
    }
}

// The window's hook sees each page before it is printed, in the job's order; the first page
// that did not fit is named.
TEST(ImprimirPaginas, TheHookRunsBeforeEachPageAndTheShortPageIsNamed) {
    DocumentFixture f;
    f.crear(30);
    EstadoDocumento& d = f.d();
    ASSERT_GE(d.NumPaginas, 3);
    // Ten lines more in the last block of page 2, after pagination.
    int ultimo = 0;
    for (int j = 1; j <= d.NumBloques; ++j)
        if (d.TablaBloques[j].Pagina == 2) ultimo = j;
    d.TablaBloques[ultimo].Texto += QStringLiteral("línea&LF").repeated(10);
    test::FakePrinters impresoras;
    auto trabajo = impresoras.beginJob({}, QStringLiteral("x"));
    std::vector<std::pair<int, int>> vistas; // the page, and the sheets begun when it was shown
    int incompleta = 0;
    EXPECT_EQ(f.doc->ImprimirPaginas(
                  *trabajo, {3, 1, 2, 2}, 1.0,
                  [&](int p) { vistas.emplace_back(p, impresoras.lastJob->pages); }, &incompleta),
              ResultadoImpresion::PaginaIncompleta);
    EXPECT_EQ(vistas, (std::vector<std::pair<int, int>>{{3, 1}, {1, 2}, {2, 3}, {2, 4}}));
    EXPECT_EQ(incompleta, 2);
}

// The grey rule under the title: under its last line when it wraps, above the first block.
TEST(DibujaPagina, TheRuleGoesUnderTheTitlesLastLine) {
    const QString corto = QStringLiteral("Hoja de repaso");
    QString largo;
    while (largo.size() < 150)
        largo += QStringLiteral("palabra ");
    for (const QString& titulo : {corto, largo}) {
        for (const bool impresora : {false, true}) {
            SCOPED_TRACE(impresora);
            DocumentFixture f;
            f.crear(6, kSolucionTrasProblema, true, titulo);
            test::FakePrinters impresoras;
            auto trabajo = impresoras.beginJob({}, QStringLiteral("x"));
            test::RecordingSurface& s = impresora ? impresoras.lastJob->page : f.caja;
            s.clearOps();
            if (impresora) {
                ASSERT_EQ(f.doc->ImprimirPaginas(*trabajo, {1}, 1.0), ResultadoImpresion::Impreso);
            } else {
                f.doc->DibujaPagina();
            }
            const Rgb gris = rgb(160, 160, 160);
            const DrawOp* regla = nullptr;
            double finTitulo = 0;
            int lineasTitulo = 0;
            for (const DrawOp& op : s.ops()) {
                if (op.kind == DrawOp::Kind::FilledBox && op.colour == gris && !regla) regla = &op;
                if (op.kind == DrawOp::Kind::Text && op.state.fontName == u"Arial") {
                    if (op.y2 > finTitulo) ++lineasTitulo;
                    finTitulo = std::max(finTitulo, op.y2);
                }
            }
            ASSERT_TRUE(regla);
            EXPECT_EQ(lineasTitulo, titulo == corto ? 1 : 2);
            EXPECT_GE(std::min(regla->y1, regla->y2), finTitulo);
            EXPECT_LT(std::max(regla->y1, regla->y2), f.motor.BloqueY1[1]);
            if (titulo == corto && !impresora) {
                // One line: where it always was, one "HH" under the top margin.
                EXPECT_NEAR(regla->y1, 16 * 1440 / 25.4 + 23 * 12, 1e-6);
            }
        }
    }
}

// On paper the title rule stands as on the page box: from the left to the right text margin,
// as far below the top margin (under a page number at the foot or at the top) and as tall,
// outlined with one page box pixel. Both surfaces have the same text heights.
TEST(ImprimirPagina, TheTitleRuleIsThePageBoxsInProportion) {
    const double margen = 16 * 1440 / 25.4;
    const auto regla = [](const test::RecordingSurface& s) -> const DrawOp* {
        for (const DrawOp& op : s.ops())
            if (op.kind == DrawOp::Kind::FilledBox) return &op;
        return nullptr;
    };
    for (const int posNumPag : {11, 3}) {
        SCOPED_TRACE(posNumPag);
        DocumentFixture f;
        f.crear(6, kSolucionTrasProblema, true, QStringLiteral("Hoja de repaso"));
        DatosColeccion cabecera = f.doc->estado().Coleccion;
        cabecera.POSNUMPAG = static_cast<std::int16_t>(posNumPag);
        f.doc->PonCabecera(cabecera);
        test::FakePrinters impresoras;
        auto trabajo = impresoras.beginJob({}, QStringLiteral("x"));
        const test::RecordingSurface& papel = impresoras.lastJob->page;
        f.caja.clearOps();
        f.doc->DibujaPagina();
        ASSERT_EQ(f.doc->ImprimirPaginas(*trabajo, {1}, 1.0), ResultadoImpresion::Impreso);
        const DrawOp* const a = regla(f.caja);
        const DrawOp* const b = regla(papel);
        ASSERT_TRUE(a && b);
        EXPECT_NEAR(b->x1, margen - kUnprintableLeft, 1e-9);
        EXPECT_NEAR(b->x2, papel.widthTwips() - (margen - kUnprintableRight), 1e-9);
        EXPECT_NEAR(b->y1, a->y1 - kUnprintableTop, 1e-9);
        EXPECT_NEAR(b->y2 - b->y1, a->y2 - a->y1, 1e-9);
        EXPECT_NEAR(b->state.drawWidth * papel.twipsPerPixelX(),
                    a->state.drawWidth * f.caja.twipsPerPixelX(), papel.twipsPerPixelX());
    }
}

} // namespace
} // namespace vornith::document
