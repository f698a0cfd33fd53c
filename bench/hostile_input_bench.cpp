// Growth series for hostile input: each case runs at n and 4n, so that a cost that is not
// linear in the input shows as a time ratio far above 4. Pictures carried by a collection file,
// unclosed and deeply nested construct tags, many font names measured or in a collection
// opened, a very large picture, and a paste of program data up to their bound.

#include "document/archivo_coleccion.h"
#include "document/disco_coleccion.h"
#include "document/imagenes_pegadas.h"
#include "document/texto_portapapeles.h"
#include "platform/measuring_surface.h"
#include "textengine/page_entry.h"

#include "bench_support.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using namespace vornith;
using namespace vornith::bench;

// The resident memory of the process in MB (VmRSS), or with "VmHWM:" its peak.
double residenteMB(QByteArrayView campo = "VmRSS:") {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& linea : status.readAll().split('\n')) {
        if (linea.startsWith(campo))
            return linea.mid(campo.size()).trimmed().split(' ')[0].toDouble() / 1024;
    }
    return 0;
}

// Sets the peak of resident memory (VmHWM) to the resident memory now.
bool reiniciaPico() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
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

// A paste of a problem whose two pictures make n MB of program data, which arrive during the
// paste as from another instance: the growth of the peak resident memory over what the process
// held before, against the data's size.
void BM_PegaDatos(benchmark::State& state) {
    QTemporaryDir dir;
    NucleoBench b({dir.filePath(QStringLiteral("img")), dir.filePath(QStringLiteral("temp"))});
    b.nueva({{"XIMB_FISI_CIN", 1, 1}});
    document::Documento& doc = b.nucleo.documento;
    constexpr qsizetype kMB = 1024 * 1024;
    generation::Problema copiado = doc.estado().Problemas[1];
    // Two pictures, so that the second starts well within the file's 8-digit positions.
    std::map<QString, QByteArray> imagenes;
    for (const char* nombre : {"uno.gif", "dos.gif"}) {
        copiado.Enunciado += QStringLiteral("#IMG('%1'DXMM=5:DYMM=5:#IMG)").arg(nombre);
        imagenes[QString::fromLatin1(nombre)] =
            QByteArray(state.range(0) * kMB / 2 - 4096, *nombre);
    }
    QByteArray datos = document::DatosPortapapeles(copiado, [&](const QString& nombre) {
        const auto it = imagenes.find(nombre);
        return it == imagenes.end() ? std::nullopt : std::optional(it->second);
    });
    imagenes.clear();
    const double mb = static_cast<double>(datos.size()) / kMB;
    b.portapapeles.setTextAndData(document::TextoPortapapeles(copiado), datos);
    datos.clear();
    double pico = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!reiniciaPico()) {
            state.SkipWithError("the peak of resident memory cannot be reset");
            return;
        }
        const double antes = residenteMB();
        state.ResumeTiming();
        doc.Pegar();
        state.PauseTiming();
        pico = residenteMB("VmHWM:") - antes;
        if (doc.estado().Coleccion.NPROB != 2) {
            state.SkipWithError("nothing was pasted");
            return;
        }
        state.ResumeTiming();
    }
    state.counters["data_MB"] = mb;
    state.counters["peak_rss_growth_MB"] = pico;
    state.counters["peak_per_data"] = pico / mb;
}
BENCHMARK(BM_PegaDatos)->Arg(32)->Arg(127)->Unit(benchmark::kMillisecond)->Iterations(1);

void sinResultados() {}

} // namespace

int main(int argc, char** argv) {
    return vornith::bench::ejecuta(argc, argv, &sinResultados);
}
