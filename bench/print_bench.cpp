// The whole print path: a collection of 500 problems with its solutions printed to a PDF file,
// page by page as the print command does.

#include "bench_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace vornith;
using namespace vornith::bench;

// Prints every page of the open collection to `pdf`; the size of the file written.
qint64 imprime(NucleoBench& e, const QString& pdf) {
    document::Documento& doc = e.nucleo.documento;
    auto trabajo = e.impresoras.beginJob({QString(), pdf}, doc.estado().Coleccion.TITULO);
    if (!trabajo) return -1;
    std::vector<int> paginas;
    for (int p = 1; p <= doc.estado().NumPaginas; ++p)
        paginas.push_back(p);
    if (doc.ImprimirPaginas(*trabajo, paginas, 1.0) != document::ResultadoImpresion::Impreso)
        return -1;
    return QFile(pdf).size();
}

void imprimeColeccion(benchmark::State& state, std::initializer_list<Tipo> tipos) {
    NucleoBench e;
    e.nueva(tipos);
    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("coleccion.pdf"));
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = imprime(e, pdf);
        if (bytes < 0) {
            state.SkipWithError("the PDF printer failed");
            return;
        }
    }
    QFile archivo(pdf);
    const QByteArray contenido = archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : "";
    const int paginas = e.nucleo.documento.estado().NumPaginas;
    state.counters["pages"] = paginas;
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(paginas) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["bytes/page"] = static_cast<double>(bytes) / paginas;
    // Pictures embedded; one with transparent paper brings a mask image of its own.
    state.counters["images"] = static_cast<double>(contenido.count("/Subtype /Image") -
                                                   contenido.count("/ImageMask true"));
}

// 500 kinematics problems of the nine types.
void BM_ImprimeCinematica500(benchmark::State& state) {
    imprimeColeccion(state, {{"XIMB_FISI_CIN", 1, 56},
                             {"XIMB_FISI_CIN", 2, 56},
                             {"XIMB_FISI_CIN", 3, 56},
                             {"XIMB_FISI_CIN", 4, 56},
                             {"XIMB_FISI_CIN", 5, 56},
                             {"XIMB_FISI_CIN", 6, 56},
                             {"XIMB_FISI_CIN", 7, 56},
                             {"XIMB_FISI_CIN", 8, 56},
                             {"XIMB_FISI_CIN", 9, 52}});
}
BENCHMARK(BM_ImprimeCinematica500)->Unit(benchmark::kMillisecond);

// 500 problems of all thirteen types, the dynamics ones with their pictures.
void BM_ImprimeMezcla500(benchmark::State& state) {
    imprimeColeccion(state, {{"XIMB_FISI_CIN", 1, 39},
                             {"XIMB_FISI_CIN", 2, 39},
                             {"XIMB_FISI_CIN", 3, 39},
                             {"XIMB_FISI_CIN", 4, 39},
                             {"XIMB_FISI_CIN", 5, 39},
                             {"XIMB_FISI_CIN", 6, 39},
                             {"XIMB_FISI_CIN", 7, 39},
                             {"XIMB_FISI_CIN", 8, 38},
                             {"XIMB_FISI_CIN", 9, 38},
                             {"XIMB_FISI_DIN", 1, 38},
                             {"XIMB_FISI_DIN", 2, 38},
                             {"XIMB_FISI_DIN", 3, 38},
                             {"XIMB_FISI_DIN", 4, 38}});
}
BENCHMARK(BM_ImprimeMezcla500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return vornith::bench::ejecuta(argc, argv);
}
