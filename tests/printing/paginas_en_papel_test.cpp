// Collections laid out with real fonts on the page box at several zooms and printed to a PDF
// file: lines and pages break alike everywhere, and the paper shows every line of every page.

#include "document/nucleo.h"
#include "document/fake_ventana.h"
#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "support/fakes.h"
#include "support/forwarding_surface.h"

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

namespace vornith::document {
namespace {

// Forwards everything to `model` and keeps the text printed on each output line, page by
// page: the engine yields once after every line it draws.
class LineasImpresas final : public test::ForwardingSurface, public EventLoop {
  public:
    explicit LineasImpresas(Surface& model) : ForwardingSurface(model), m_(model) {}

    void nuevaPagina() {
        yield(); // the page number, printed after the last line
        paginas.emplace_back();
    }
    void yield() override {
        if (!linea_.isEmpty() && !paginas.empty()) paginas.back().append(linea_);
        linea_.clear();
    }
    std::vector<QStringList> paginas;

    void print(const QString& text) override {
        linea_ += text;
        m_.print(text);
    }

  private:
    Surface& m_;
    QString linea_;
};

// A print job whose sheets are noted line by line.
class TrabajoAnotado final : public PrintJob {
  public:
    explicit TrabajoAnotado(std::unique_ptr<PrintJob> real)
        : real_(std::move(real)), lineas(real_->surface()) {
        lineas.nuevaPagina();
    }
    Surface& surface() override { return lineas; }
    bool newPage() override {
        lineas.nuevaPagina();
        return real_->newPage();
    }
    bool endDoc() override { return real_->endDoc(); }

  private:
    std::unique_ptr<PrintJob> real_;

  public:
    LineasImpresas lineas;
};

struct Caso {
    std::int64_t semilla;
    int possol;
    const char* titulo;
    const char* propre = "";
};

// What must not change with the zoom or on paper.
struct Maquetacion {
    int numPaginas = 0;
    std::vector<int> paginaDeProblema;
    std::vector<QStringList> lineas; // the lines of every page
};

// A collection of 325 problems of every type of both modules, shuffled.
void creaColeccion(Documento& doc, const Caso& c) {
    ListaTemas temas;
    const auto fila = [&temas](const char* clave, int rutina) {
        Tema& t = temas.Temas[++temas.NumTemas];
        t.Nivel = 2;
        t.Clave = QString::fromLatin1(clave).leftJustified(80);
        t.Rutina = static_cast<std::int16_t>(rutina);
        t.Cantidad = 25;
        t.Seleccionado = true;
    };
    for (int r = 1; r <= 9; ++r)
        fila("XIMB_FISI_CIN", r);
    for (int r = 1; r <= 4; ++r)
        fila("XIMB_FISI_DIN", r);
    DatosColeccion cabecera = doc.estado().Coleccion;
    cabecera.POSSOL = c.possol;
    cabecera.TITULO = QString::fromUtf8(c.titulo);
    cabecera.PROPRE = QString::fromUtf8(c.propre);
    doc.PonCabecera(cabecera);
    doc.Arbol_to_Var(temas);
    doc.CrearColeccion(1);
}

// Lays the collection of `c` out at `zoom` and draws every page; with `pdf`, prints it there
// too (at zoom 1) and gives the printed sheets' lines in `enPapel`.
Maquetacion maqueta(const Caso& c, double zoom, const QString& pdf = QString(),
                    Maquetacion* enPapel = nullptr) {
    Pcg32Random azar{c.semilla};
    PageBoxSurface caja(static_cast<int>(std::lround(796 * zoom)),
                        static_cast<int>(std::lround(1125 * zoom)));
    LineasImpresas pantalla(caja);
    test::FakeBusyCursor cursor;
    test::FakeNotifier avisos;
    test::FakeClipboard portapapeles;
    QtPictureLoader imagenes;
    QtPrinters impresoras;
    test::FakeProgramData datosPrograma;
    test::FakeVentana ventana;
    Nucleo nucleo({azar, pantalla, cursor, pantalla, avisos, portapapeles, imagenes, impresoras,
                   datosPrograma, PictureFolders()},
                  ventana);
    textengine::EstadoMotor& motor = nucleo.motor;
    motor.Zoom = zoom;
    Documento& doc = nucleo.documento;
    creaColeccion(doc, c);
    const EstadoDocumento& d = doc.estado();

    Maquetacion m;
    m.numPaginas = d.NumPaginas;
    for (int i = 1; i <= d.Coleccion.NPROB; ++i)
        m.paginaDeProblema.push_back(doc.PaginaDeProblema(i));
    for (int p = 1; p <= d.NumPaginas; ++p) {
        pantalla.nuevaPagina();
        doc.PonPaginaActual(p);
        doc.DibujaPagina();
        int bloques = 0;
        for (int j = 1; j <= d.NumBloques; ++j)
            if (d.TablaBloques[j].Pagina == p) ++bloques;
        EXPECT_EQ(motor.NumBloquesPagina, bloques) << "page " << p << " at zoom " << zoom;
        EXPECT_GE(motor.MarcaResultado, 0) << "page " << p << " at zoom " << zoom;
    }
    m.lineas = pantalla.paginas;

    if (!pdf.isEmpty() && enPapel) {
        auto real = impresoras.beginJob({QString(), pdf}, d.Coleccion.TITULO);
        EXPECT_TRUE(real);
        if (!real) return m;
        TrabajoAnotado trabajo(std::move(real));
        motor.eventLoop = &trabajo.lineas;
        std::vector<int> paginas;
        for (int p = 1; p <= d.NumPaginas; ++p)
            paginas.push_back(p);
        EXPECT_EQ(doc.ImprimirPaginas(trabajo, paginas, 1.0), ResultadoImpresion::Impreso);
        *enPapel = m;
        enPapel->lineas = trabajo.lineas.paginas;
    }
    return m;
}

void mismaMaquetacion(const Maquetacion& a, const Maquetacion& b) {
    // The first line that breaks elsewhere, then the counts.
    for (std::size_t p = 0; p < std::min(a.lineas.size(), b.lineas.size()); ++p) {
        const QStringList& x = a.lineas[p];
        const QStringList& y = b.lineas[p];
        for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i)
            ASSERT_EQ(x[i], y[i]) << "line " << i + 1 << " of page " << p + 1;
        ASSERT_EQ(x.size(), y.size()) << "page " << p + 1;
    }
    EXPECT_EQ(a.lineas.size(), b.lineas.size());
    EXPECT_EQ(a.numPaginas, b.numPaginas);
    EXPECT_EQ(a.paginaDeProblema, b.paginaDeProblema);
}

// The words of at least three letters of `texto`.
QStringList palabras(const QString& texto) {
    static const QRegularExpression palabra(QStringLiteral("\\p{L}{3,}"));
    QStringList r;
    for (auto it = palabra.globalMatch(texto); it.hasNext();)
        r.append(it.next().captured());
    return r;
}

// The first two words of `pdf` that are drawn over one another on a line, or none: word boxes
// that overlap across and by more than half their height.
QString palabrasSolapadas(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QStringLiteral("(pdftotext)");
    static const QRegularExpression palabra(QStringLiteral(
        "<page |xMin=\"(\\S+)\" yMin=\"(\\S+)\" xMax=\"(\\S+)\" yMax=\"(\\S+)\">([^<]*)"));
    std::vector<std::pair<QRectF, QString>> hoja;
    for (auto it = palabra.globalMatch(QString::fromUtf8(p.readAllStandardOutput()));
         it.hasNext();) {
        const auto m = it.next();
        if (m.captured() == u"<page ") {
            hoja.clear();
            continue;
        }
        const QRectF r(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                       QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        for (const auto& [otra, texto] : hoja) {
            const QRectF comun = r & otra;
            if (comun.width() > 0.5 && comun.height() > std::min(r.height(), otra.height()) / 2)
                return texto + QStringLiteral(" / ") + m.captured(5);
        }
        hoja.emplace_back(r, m.captured(5));
    }
    return {};
}

class PaginasEnPapel : public ::testing::TestWithParam<Caso> {};

TEST_P(PaginasEnPapel, BreakAlikeAtEveryZoomAndOnPaperAndPrintEveryLine) {
    const Caso& c = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("c.pdf"));
    Maquetacion papel;
    const Maquetacion uno = maqueta(c, 1, pdf, &papel);
    ASSERT_GE(uno.numPaginas, 40);
    if (std::strlen(c.titulo) > 80) {
        // The long title takes two lines in bold Arial.
        EXPECT_EQ(uno.lineas[0][0] + uno.lineas[0][1], QString::fromUtf8(c.titulo));
    }
    mismaMaquetacion(uno, papel);
    for (const double zoom : {0.5, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(zoom);
        mismaMaquetacion(uno, maqueta(c, zoom));
    }

    // Every word of every line of every page is on that sheet of the PDF file: the last words
    // of every statement and solution among them.
    for (int p = 1; p <= uno.numPaginas; ++p) {
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"),
                     QString::number(p), pdf, QStringLiteral("-")});
        ASSERT_TRUE(texto.waitForFinished(60000));
        ASSERT_EQ(texto.exitCode(), 0);
        // Words as the sheet's text holds them; a word hyphenated at a line end is joined.
        const QString hoja = QString::fromUtf8(texto.readAllStandardOutput());
        for (const QString& linea : uno.lineas[static_cast<std::size_t>(p - 1)])
            for (const QString& w : palabras(linea))
                ASSERT_TRUE(hoja.contains(w)) << "\"" << w.toStdString() << "\" of \""
                                              << linea.toStdString() << "\" on sheet " << p;
    }
    EXPECT_EQ(palabrasSolapadas(pdf).toStdString(), "");
}

// A title of 90 characters wraps in bold Arial: pages have room for it.
const char* const kTituloLargo = "Problemas de cinemática y dinámica para el segundo curso "
                                 "de bachillerato, tercer trimestre";

INSTANTIATE_TEST_SUITE_P(Colecciones, PaginasEnPapel,
                         ::testing::Values(Caso{11, kSolucionTrasProblema, "Hoja de repaso"},
                                           Caso{22, kSolucionesAparte, ""},
                                           Caso{33, kSolucionTrasProblema, kTituloLargo},
                                           Caso{44, kSolucionesAlFinal, "", "Problema "},
                                           Caso{55, kSolucionesAparte, "", "Ejercicio "}),
                         [](const ::testing::TestParamInfo<Caso>& i) {
                             return "semilla" + std::to_string(i.param.semilla) + "_possol" +
                                    std::to_string(i.param.possol);
                         });

} // namespace
} // namespace vornith::document
