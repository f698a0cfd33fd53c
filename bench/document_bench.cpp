// Creating, composing and paginating a full collection, and drawing one page of it, on the
// real page-box surface.

#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using namespace vornith;
using namespace vornith::bench;

// 500 problems of mixed types, solutions after each problem.
struct Escritorio : NucleoBench {
    void nueva() {
        NucleoBench::nueva({{"XIMB_FISI_CIN", 1, 50},
                            {"XIMB_FISI_CIN", 2, 50},
                            {"XIMB_FISI_CIN", 3, 50},
                            {"XIMB_FISI_CIN", 4, 50},
                            {"XIMB_FISI_CIN", 6, 50},
                            {"XIMB_FISI_CIN", 8, 50},
                            {"XIMB_FISI_DIN", 1, 50},
                            {"XIMB_FISI_DIN", 2, 50},
                            {"XIMB_FISI_DIN", 3, 50},
                            {"XIMB_FISI_DIN", 4, 50}});
    }

    document::Documento* const doc = &nucleo.documento;
    const textengine::EstadoMotor& motor = nucleo.motor;
};

void BM_CrearComponerPaginar500(benchmark::State& state) {
    Escritorio e;
    for (auto _ : state) {
        e.nueva();
        int paginas = e.doc->estado().NumPaginas;
        benchmark::DoNotOptimize(paginas);
    }
    state.counters["pages"] = e.doc->estado().NumPaginas;
}
BENCHMARK(BM_CrearComponerPaginar500)->Unit(benchmark::kMillisecond);

// 500 dynamics problems, each with its diagram picture.
void BM_CrearComponerPaginarDinamica500(benchmark::State& state) {
    Escritorio e;
    for (auto _ : state) {
        e.NucleoBench::nueva({{"XIMB_FISI_DIN", 1, 125},
                              {"XIMB_FISI_DIN", 2, 125},
                              {"XIMB_FISI_DIN", 3, 125},
                              {"XIMB_FISI_DIN", 4, 125}});
        int paginas = e.doc->estado().NumPaginas;
        benchmark::DoNotOptimize(paginas);
    }
    state.counters["pages"] = e.doc->estado().NumPaginas;
}
BENCHMARK(BM_CrearComponerPaginarDinamica500)->Unit(benchmark::kMillisecond);

void BM_DibujaPagina(benchmark::State& state) {
    Escritorio e;
    e.nueva();
    int pagina = 1;
    for (auto _ : state) {
        e.doc->PonPaginaActual(pagina);
        e.doc->DibujaPagina();
        pagina = pagina % e.doc->estado().NumPaginas + 1;
    }
}
BENCHMARK(BM_DibujaPagina)->Unit(benchmark::kMillisecond);

// With --results: the page of every block, and for every page the engine's block table and a
// hash of the pixels drawn. Run before and after a change that should change no result, and
// compare the outputs.
void imprimeResultados() {
    Escritorio e;
    e.nueva();
    std::string s = "pages";
    anade(s, ' ', e.doc->estado().NumPaginas);
    s += "\nblocks";
    for (int j = 1; j <= e.doc->estado().NumBloques; ++j)
        anade(s, ' ', e.doc->estado().TablaBloques[static_cast<std::size_t>(j)].Pagina);
    const textengine::EstadoMotor& m = e.motor;
    for (int pagina = 1; pagina <= e.doc->estado().NumPaginas; ++pagina) {
        e.doc->PonPaginaActual(pagina);
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
