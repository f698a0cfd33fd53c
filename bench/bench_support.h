#pragma once

// What the benchmark programs share: a headless application around Google Benchmark, an event
// loop that never yields, and the --results report that checks a speed-up changes no result.

#include "platform/event_loop.h"
#include "platform/qt/page_box_surface.h"
#include "textengine/estado_motor.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QImage>

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>
#include <string>

namespace vornith::bench {

class NoYield final : public EventLoop {
  public:
    void yield() override {}
};

// Appends `separador` and the exact decimal text of `v`.
template <typename T> void anade(std::string& s, char separador, T v) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    s.push_back(separador);
    s.append(buffer, r.ptr);
}

// One page's results: MarcaResultado and the block table, every number exact.
inline void anadeResultados(std::string& s, const textengine::EstadoMotor& m) {
    anade(s, '\n', m.MarcaResultado);
    anade(s, ' ', m.NumBloquesPagina);
    for (int n = 1; n <= m.NumBloquesPagina; ++n) {
        const auto k = static_cast<std::size_t>(n);
        anade(s, ' ', m.BloqueRef[k]);
        anade(s, ':', m.BloqueY1[k]);
        anade(s, ':', m.BloqueY2[k]);
    }
}

// A hash of the page's pixels.
inline void anadeHuella(std::string& s, PageBoxSurface& caja) {
    const QImage& imagen = caja.image();
    const QByteArray pixeles(reinterpret_cast<const char*>(imagen.constBits()),
                             static_cast<qsizetype>(imagen.sizeInBytes()));
    s.push_back(' ');
    s.append(QCryptographicHash::hash(pixeles, QCryptographicHash::Sha1).toHex().constData());
}

// The body of a benchmark program's main: with the single argument --results it prints
// `resultados()` instead of timing anything.
inline int ejecuta(int argc, char** argv, void (*resultados)()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--results") == 0) {
        resultados();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace vornith::bench
