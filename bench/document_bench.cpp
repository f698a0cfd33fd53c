// Creating, composing and paginating a full collection, and drawing one page of it, on the
// real page-box surface.

#include "document/documento.h"
#include "document/sin_pantalla.h"
#include "generation/me_norv.h"
#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_picture.h"
#include "textengine/markup.h"

#include "bench_support.h"


#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using namespace vornith;
using namespace vornith::bench;

class SilentNotifier final : public Notifier {
  public:
    Answer ask(const QString&, const QString&, Buttons, Icon) override { return Answer::Ok; }
    void beep() override {}
};

class NoClipboard final : public Clipboard {
  public:
    void clear() override {}
    void setText(const QString&) override {}
    QString text() const override { return {}; }
    bool hasText() const override { return false; }
};

// 500 problems of mixed types, solutions after each problem.
struct Escritorio {
    Escritorio() : generacion(azar), caja(796, 1125) {
        generation::FijaNotacion(motor.notacion);
        textengine::IniciaMotor(motor);
        motor.pictures = &imagenes;
        motor.eventLoop = &eventos;
        motor.printerCount = 1;
        doc = std::make_unique<document::Documento>(
            document::ServiciosColeccion{generacion, motor, caja, ventana, cursor, eventos, avisos,
                                         portapapeles, defaultPictureFolders()});
    }
    void nueva() {
        document::ListaTemas temas;
        const struct {
            const char* clave;
            int rutina;
        } tipos[] = {{"XIMB_FISI_CIN", 1}, {"XIMB_FISI_CIN", 2}, {"XIMB_FISI_CIN", 3},
                     {"XIMB_FISI_CIN", 4}, {"XIMB_FISI_CIN", 6}, {"XIMB_FISI_CIN", 8},
                     {"XIMB_FISI_DIN", 1}, {"XIMB_FISI_DIN", 2}, {"XIMB_FISI_DIN", 3},
                     {"XIMB_FISI_DIN", 4}};
        for (const auto& t : tipos) {
            document::Tema& fila = temas.Temas[++temas.NumTemas];
            fila.Clave = QString::fromLatin1(t.clave);
            fila.Rutina = static_cast<std::int16_t>(t.rutina);
            fila.Cantidad = 50;
            fila.Seleccionado = true;
        }
        doc->d.Coleccion.POSSOL = document::kSolucionTrasProblema;
        doc->d.Coleccion.TITULO = QStringLiteral("Colección de problemas");
        doc->Arbol_to_Var(temas);
        doc->CrearColeccion(1);
    }

    Pcg32Random azar{7};
    generation::EstadoGeneracion generacion;
    textengine::EstadoMotor motor;
    QtPictureLoader imagenes;
    NoYield eventos;
    PageBoxSurface caja;
    document::VentanaNula ventana;
    document::CursorNulo cursor;
    SilentNotifier avisos;
    NoClipboard portapapeles;
    std::unique_ptr<document::Documento> doc;
};

void BM_CrearComponerPaginar500(benchmark::State& state) {
    Escritorio e;
    for (auto _ : state) {
        e.nueva();
        benchmark::DoNotOptimize(e.doc->d.NumPaginas);
    }
    state.counters["pages"] = e.doc->d.NumPaginas;
}
BENCHMARK(BM_CrearComponerPaginar500)->Unit(benchmark::kMillisecond);

void BM_DibujaPagina(benchmark::State& state) {
    Escritorio e;
    e.nueva();
    int pagina = 1;
    for (auto _ : state) {
        e.doc->d.PaginaActual = static_cast<std::int16_t>(pagina);
        e.doc->DibujaPagina();
        pagina = pagina % e.doc->d.NumPaginas + 1;
    }
}
BENCHMARK(BM_DibujaPagina)->Unit(benchmark::kMillisecond);

// Appends `separador` and the exact decimal form of `v` to `s`.
// With --results: the page of every block, and for every page the engine's block table and a
// hash of the pixels drawn. Run before and after a change that should change no result, and
// compare the outputs.
void imprimeResultados() {
    Escritorio e;
    e.nueva();
    std::string s = "pages";
    anade(s, ' ', e.doc->d.NumPaginas);
    s += "\nblocks";
    for (int j = 1; j <= e.doc->d.NumBloques; ++j)
        anade(s, ' ', e.doc->d.TablaBloques[static_cast<std::size_t>(j)].Pagina);
    const textengine::EstadoMotor& m = e.motor;
    for (int pagina = 1; pagina <= e.doc->d.NumPaginas; ++pagina) {
        e.doc->d.PaginaActual = static_cast<std::int16_t>(pagina);
        e.doc->DibujaPagina();
        anadeResultados(s, m);
        anadeHuella(s, e.caja);
    }
    s.push_back('\n');
    std::fwrite(s.data(), 1, s.size(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    return vornith::bench::ejecuta(argc, argv, &imprimeResultados);
}
