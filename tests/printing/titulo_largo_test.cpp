// Collections with very long titles, laid out with real fonts and printed to a PDF file: no
// title hides or cuts a problem, and printing succeeds.

#include "document/fake_ventana.h"
#include "document/nucleo.h"
#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "support/fakes.h"
#include "support/forwarding_surface.h"
#include "support/temas_de_prueba.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

namespace vornith::document {
namespace {

// Keeps every text printed on it, passing everything on.
class Textos final : public test::ForwardingSurface {
  public:
    using ForwardingSurface::ForwardingSurface;
    void print(const QString& text) override {
        impresos.append(text);
        ForwardingSurface::print(text);
    }
    QStringList impresos;
};

class TituloLargo : public ::testing::TestWithParam<int> {};

TEST_P(TituloLargo, EveryProblemIsShownWholeAndPrinted) {
    const int palabras = GetParam();
    // Eight characters a word with its blank, as in ordinary Spanish prose.
    const QString titulo = QStringLiteral("resuelve los problemas siguientes explicando cada paso "
                                          "del razonamiento seguido ")
                               .repeated(palabras / 10)
                               .trimmed();
    Pcg32Random azar{palabras};
    PageBoxSurface pagina(796, 1125);
    Textos caja(pagina);
    test::FakeBusyCursor cursor;
    test::FakeEventLoop eventos;
    test::FakeNotifier avisos;
    test::FakeClipboard portapapeles;
    QtPictureLoader imagenes;
    QtPrinters impresoras;
    test::FakeProgramData datosPrograma;
    test::FakeVentana ventana;
    Nucleo nucleo({azar, caja, cursor, eventos, avisos, portapapeles, imagenes, impresoras,
                   datosPrograma, PictureFolders()},
                  ventana);
    textengine::EstadoMotor& motor = nucleo.motor;
    motor.Zoom = 1;
    Documento& doc = nucleo.documento;
    ListaTemas temas = test::TemasDePrueba(12);
    DatosColeccion cabecera = doc.estado().Coleccion;
    cabecera.ORDENA = true;
    cabecera.TITULO = titulo;
    doc.PonCabecera(cabecera);
    doc.Arbol_to_Var(temas);
    doc.CrearColeccion(1);
    const EstadoDocumento& d = doc.estado();
    ASSERT_EQ(d.Coleccion.TITULO, titulo); // never shortened
    // No problem cut, none told of.
    EXPECT_TRUE(avisos.shown.empty()) << avisos.shown.front().text.toStdString();
    // Every block on a page, and every page draws all its blocks, none of them cut.
    for (int j = 1; j <= d.NumBloques; ++j)
        ASSERT_GE(d.TablaBloques[j].Pagina, 1) << "block " << j;
    for (int p = 1; p <= d.NumPaginas; ++p) {
        SCOPED_TRACE(p);
        caja.impresos.clear();
        doc.PonPaginaActual(p);
        doc.DibujaPagina();
        int bloques = 0;
        for (int j = 1; j <= d.NumBloques; ++j)
            bloques += d.TablaBloques[j].Pagina == p ? 1 : 0;
        EXPECT_EQ(motor.NumBloquesPagina, bloques);
        EXPECT_GE(motor.MarcaResultado, 0);
        EXPECT_EQ(motor.BloqueCortado, 0);
        // The title opens page 1; a title taller than the page is cut under the red note.
        const QString impreso = caja.impresos.join(QString());
        EXPECT_TRUE(p > 1 || impreso.startsWith(titulo.left(22))) << impreso.left(60).toStdString();
        EXPECT_EQ(impreso.contains(QStringLiteral(
                      "[...] Este bloque no cabe en una página: el resto no se muestra.")),
                  p == 1 && palabras > 1000);
    }

    QTemporaryDir dir;
    auto trabajo =
        impresoras.beginJob({QString(), dir.filePath(QStringLiteral("t.pdf"))}, d.Coleccion.TITULO);
    ASSERT_TRUE(trabajo);
    std::vector<int> todas(static_cast<std::size_t>(d.NumPaginas));
    std::iota(todas.begin(), todas.end(), 1);
    EXPECT_EQ(doc.ImprimirPaginas(*trabajo, todas, 1.0), ResultadoImpresion::Impreso);
}

// Blocks under the title on every page; a last page without it; page 1 the title alone, cut.
INSTANTIATE_TEST_SUITE_P(Palabras, TituloLargo, ::testing::Values(300, 400, 1250));

} // namespace
} // namespace vornith::document
