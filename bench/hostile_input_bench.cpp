// Growth series for hostile input: each case runs at n and 4n, so that a cost that is not
// linear in the input shows as a time ratio far above 4. Pictures carried by a collection file,
// unclosed and deeply nested construct tags, many font names measured or in a collection
// opened, and a very large picture.

#include "document/archivo_coleccion.h"
#include "document/disco_coleccion.h"
#include "platform/measuring_surface.h"
#include "textengine/page_entry.h"

#include "bench_support.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vornith;
using namespace vornith::bench;

// The resident memory of the process in MB.
double residenteMB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& linea : status.readAll().split('\n')) {
        if (linea.startsWith("VmRSS:"))
            return linea.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    }
    return 0;
}

// The engine of the core, on its page box.
struct Motor : NucleoBench {
    explicit Motor(const PictureFolders& carpetas) : NucleoBench(carpetas) {}
    // One page of `texto`, measured or drawn on the page box.
    void pagina(const QString& texto, bool dibuja) {
        double tamano = 12;
        MeasuringSurface medida(caja);
        Surface& destino = dibuja ? static_cast<Surface&>(caja) : medida;
        destino.clear();
        textengine::DibujaTextoFormateado(motor, texto, tamano, destino);
    }
    textengine::EstadoMotor& motor = nucleo.motor;
};

// A collection file of one problem that names `n` one-byte pictures.
QByteArray archivoConImagenes(int n) {
    QString enunciado = QString(100, u' ');
    for (int k = 0; k < n; ++k)
        enunciado += QStringLiteral("#IMG('p%1.gif'DXMM=5:DYMM=5:#IMG)").arg(k);
    document::DatosColeccion c;
    c.NPROB = 1;
    document::TablaProblemas problemas = document::nuevaTablaProblemas();
    problemas[1].Clave = QStringLiteral("XIMB_FISI_CIN");
    problemas[1].Enunciado = enunciado;
    problemas[1].Solucion = QStringLiteral("x&LF");
    const auto fuente = [](const QString&) { return std::optional<QByteArray>(QByteArray("x")); };
    return document::ConstruyeArchivoColeccion(c, problemas, fuente).bytes;
}

// Reading a file of n pictures and putting them into an empty temp/.
void BM_ImagenesDelArchivo(benchmark::State& state) {
    const QByteArray bytes = archivoConImagenes(static_cast<int>(state.range(0)));
    qsizetype escritas = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<QTemporaryDir>();
        const PictureFolders carpetas{dir->filePath(QStringLiteral("img")),
                                      dir->filePath(QStringLiteral("temp"))};
        state.ResumeTiming();
        const document::LecturaColeccion lectura = document::LeeArchivoColeccion(bytes);
        escritas = document::ExtraeImagenes(lectura.Datos.Imagenes, carpetas).Escritas.size();
        state.PauseTiming();
        dir.reset();
        state.ResumeTiming();
    }
    state.counters["written"] = static_cast<double>(escritas);
}
BENCHMARK(BM_ImagenesDelArchivo)
    ->Arg(64)
    ->Arg(256)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond);

// One page of `texto(n)`, measured as pagination does.
template <QString (*texto)(qsizetype)> void BM_PaginaMarcado(benchmark::State& state) {
    Motor m({});
    const QString t = texto(state.range(0));
    for (auto _ : state) {
        m.pagina(t, false);
        benchmark::DoNotOptimize(m.motor.MarcaResultado);
    }
    state.counters["chars"] = static_cast<double>(t.size());
}

// n unclosed fractions before a far closing tag.
QString sinCerrar(qsizetype n) {
    return QStringLiteral("#COC(").repeated(n) + QStringLiteral("#COC)");
}
// n fractions, each in the numerator of the one before.
QString fraccionesAnidadas(qsizetype n) {
    return QStringLiteral("#COC(").repeated(n) + QStringLiteral("x") +
           QStringLiteral("#N)(y#COC)").repeated(n);
}
// n script pairs, each in the upper part of the one before.
QString escritosAnidados(qsizetype n) {
    return QStringLiteral("#SPB(L").repeated(n) + QStringLiteral("x") +
           QStringLiteral("#T)(y#SPB)").repeated(n);
}

BENCHMARK(BM_PaginaMarcado<sinCerrar>)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaginaMarcado<fraccionesAnidadas>)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaginaMarcado<escritosAnidados>)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

// n distinct font names, each measuring one letter on the page box. The names differ per run,
// so that every run meets fonts it has not seen yet.
void BM_NombresDeFuente(benchmark::State& state) {
    PageBoxSurface caja(796, 1125);
    int serie = 0;
    const double antes = residenteMB();
    for (auto _ : state) {
        for (qsizetype k = 0; k < state.range(0); ++k) {
            caja.setFontName(QStringLiteral("Fuente%1x%2").arg(serie).arg(k));
            benchmark::DoNotOptimize(caja.textWidth(QStringLiteral("a")));
        }
        ++serie;
    }
    state.counters["rss_growth_MB"] = residenteMB() - antes;
}
BENCHMARK(BM_NombresDeFuente)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond)->Iterations(1);

// A collection file of 100 problems whose statements name `n` distinct fonts in all, each
// name beginning with `prefijo`.
QByteArray archivoConFuentes(qsizetype n, const QString& prefijo) {
    constexpr int kProblemas = 100;
    document::DatosColeccion c;
    c.NPROB = kProblemas;
    document::TablaProblemas problemas = document::nuevaTablaProblemas();
    for (int p = 1; p <= kProblemas; ++p) {
        problemas[p].Clave = QStringLiteral("XIMB_FISI_CIN");
        problemas[p].Solucion = QStringLiteral("x&LF");
    }
    for (qsizetype k = 0; k < n; ++k)
        problemas[k % kProblemas + 1].Enunciado +=
            QStringLiteral("&FN=%1%2:a ").arg(prefijo).arg(k);
    const auto fuente = [](const QString&) { return std::optional<QByteArray>(); };
    return document::ConstruyeArchivoColeccion(c, problemas, fuente).bytes;
}

// Opening (reading, composing and paginating) a collection that names n distinct fonts none
// installed. The names differ per run, so that every run meets fonts it has not seen yet.
void BM_ColeccionConFuentes(benchmark::State& state) {
    QTemporaryDir dir;
    NucleoBench b({dir.filePath(QStringLiteral("img")), dir.filePath(QStringLiteral("temp"))});
    const QString ruta = dir.filePath(QStringLiteral("fuentes.COL"));
    int serie = 0;
    const double antes = residenteMB();
    for (auto _ : state) {
        state.PauseTiming();
        const QByteArray bytes =
            archivoConFuentes(state.range(0), QStringLiteral("F%1x").arg(serie++));
        QFile archivo(ruta);
        if (!archivo.open(QIODevice::WriteOnly) || archivo.write(bytes) != bytes.size()) {
            state.SkipWithError("the collection file could not be written");
            return;
        }
        archivo.close();
        state.ResumeTiming();
        if (!b.nucleo.documento.OpenFile(ruta)) {
            state.SkipWithError("the collection file could not be opened");
            return;
        }
    }
    state.counters["file_KB"] = static_cast<double>(QFileInfo(ruta).size()) / 1024;
    state.counters["pages"] = b.nucleo.documento.estado().NumPaginas;
    state.counters["rss_growth_MB"] = residenteMB() - antes;
}
BENCHMARK(BM_ColeccionConFuentes)
    ->Arg(20000)
    ->Arg(80000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A 5600 x 5600 picture (a small PNG file) drawn n times on one page.
void BM_ImagenGrande(benchmark::State& state) {
    QTemporaryDir dir;
    const PictureFolders carpetas{dir.path(), {}};
    {
        QImage imagen(5600, 5600, QImage::Format_RGB32);
        imagen.fill(Qt::white);
        QPainter p(&imagen);
        p.drawLine(0, 0, 5599, 5599);
        p.end();
        imagen.save(dir.filePath(QStringLiteral("grande.png")));
    }
    Motor m(carpetas);
    const QString t =
        QStringLiteral("#IMG('grande.png'DXMM=20:DYMM=20:#IMG) ").repeated(state.range(0));
    // A fresh loader each time, as a new session opening the file: the picture is read anew.
    for (auto _ : state) {
        QtPictureLoader imagenes(carpetas);
        m.motor.pictures = &imagenes;
        m.pagina(t, true);
    }
    m.motor.pictures = &m.imagenes;
}
BENCHMARK(BM_ImagenGrande)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

void sinResultados() {}

} // namespace

int main(int argc, char** argv) {
    return vornith::bench::ejecuta(argc, argv, &sinResultados);
}
