// Laying out pages of typical problem markup with the page entry on the real page-box surface:
// about one hundred pages per iteration, placed block by block as pagination does.

#include "platform/measuring_surface.h"
#include "textengine/page_entry.h"

#include "bench_support.h"

#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using namespace vornith;
using namespace vornith::bench;

// A fixed linear congruential sequence: the same corpus on every run.
class Secuencia {
  public:
    std::uint32_t siguiente() {
        estado_ = estado_ * 1664525U + 1013904223U;
        return estado_ >> 8;
    }
    int hasta(int n) { return static_cast<int>(siguiente() % static_cast<std::uint32_t>(n)); }
    QString numero() {
        const int entero = 1 + hasta(250);
        if (hasta(3) == 0) return QString::number(entero);
        return QString::number(entero) + QStringLiteral("&.") + QString::number(hasta(100));
    }

  private:
    std::uint32_t estado_ = 12345;
};

QString enunciado(Secuencia& s) {
    static const QStringList frases = {
        QStringLiteral("Un móvil parte del reposo con una aceleración constante de %1& m/s^2."),
        QStringLiteral("Un cuerpo de %1& kg descansa sobre un plano inclinado %2° sobre la "
                       "horizontal, con un coeficiente de rozamiento &mu = %3."),
        QStringLiteral("Se lanza verticalmente hacia arriba una piedra con una velocidad de "
                       "%1& m/s desde una altura de %2& m."),
        QStringLiteral("Una rueda de %1& cm de radio gira a %2& rpm y se detiene en %3& s."),
        QStringLiteral("Un muelle de constante k = %1& N/m oscila con una amplitud de %2& cm."),
        QStringLiteral("Dos trenes salen a la vez de dos estaciones separadas %1& km, con "
                       "velocidades de %2& km/h y %3& km/h."),
    };
    static const QStringList preguntas = {
        QStringLiteral("Calcula la velocidad al cabo de %1& s."),
        QStringLiteral("&+I¿&-IQué distancia recorre hasta detenerse?"),
        QStringLiteral("Determina la aceleración del sistema y la tensión de la cuerda."),
        QStringLiteral("Halla el periodo y la frecuencia del movimiento."),
        QStringLiteral("Dibuja las fuerzas que actúan sobre el cuerpo."),
    };
    QString t =
        frases[s.hasta(static_cast<int>(frases.size()))].arg(s.numero(), s.numero(), s.numero());
    const int n = 2 + s.hasta(3);
    for (int i = 0; i < n; ++i) {
        t += QStringLiteral("&LF&SP=3:") + QChar(u'a' + i) + QStringLiteral(") ") +
             QString(preguntas[s.hasta(static_cast<int>(preguntas.size()))])
                 .replace(QStringLiteral("%1"), s.numero());
    }
    return t;
}

QString solucion(Secuencia& s) {
    QString t;
    const int n = 2 + s.hasta(3);
    for (int i = 0; i < n; ++i) {
        if (i > 0) t += QStringLiteral("&LF");
        t += QStringLiteral("&SP=10:") + QChar(u'a' + i) + QStringLiteral(") ");
        switch (s.hasta(4)) {
        case 0:
            t += QStringLiteral("v = v_0 + a&+It&-I = %1& m/s").arg(s.numero());
            break;
        case 1:
            t += QStringLiteral("a = #COC(F - &mu m g#N)(m#COC) = %1& m/s^2").arg(s.numero());
            break;
        case 2:
            t += QStringLiteral("&omega = 2&pi f = %1&E-%2& rad/s")
                     .arg(s.numero(), QString::number(1 + s.hasta(3)));
            break;
        default:
            t += QStringLiteral("T = %1& N&, &Delta x = %2& m").arg(s.numero(), s.numero());
            break;
        }
    }
    return t + QStringLiteral("&LF");
}

// Blocks as the collection composes them: mark, number box, statement, solution.
QStringList bloques(int cuantos) {
    Secuencia s;
    QStringList b;
    for (int k = 1; k <= cuantos; ++k) {
        b.append(QStringLiteral("#MARK=") + QString::number(1000 + k).right(3) +
                 QStringLiteral("&+B&BC= 255; 128; 0:&FF=REC,20,5.5:") + QString::number(k) +
                 QStringLiteral(". &BC=Blanco:&FF=REC,20,5.5:&-B& ") + enunciado(s) +
                 QStringLiteral("&LF&+ISolución&-I:& ") + solucion(s));
    }
    return b;
}

// The engine of the core, drawing on its page box.
struct Pagina : NucleoBench {
    textengine::EstadoMotor& motor = nucleo.motor;
};

// Places blocks on pages as pagination does, 49 at a time, until `paginas` pages are laid out
// on `destino`. With `registro`, each page's results are appended to it, one line per page,
// with a hash of its pixels when it was drawn on the page box.
int paginar(Pagina& p, Surface& destino, const QStringList& b, int paginas,
            std::string* registro = nullptr) {
    int inicio = 0;
    int hechas = 0;
    while (hechas < paginas && inicio < b.size()) {
        QString texto = QStringLiteral("&+BColección de problemas&-B&LF&LF");
        for (qsizetype j = inicio; j < std::min<qsizetype>(b.size(), inicio + 49); ++j)
            texto += b[j];
        destino.clear();
        double tamano = 12;
        textengine::DibujaTextoFormateado(p.motor, texto, tamano, destino);
        ++hechas;
        if (registro) {
            anadeResultados(*registro, p.motor);
            if (&destino == &p.caja) anadeHuella(*registro, p.caja);
        }
        const int r = p.motor.MarcaResultado;
        if (r >= 0) break;
        inicio = -r - 1;
    }
    return hechas;
}

// Layout only, as pagination does it: measured like the page box, nothing painted.
void BM_Maquetar100Paginas(benchmark::State& state) {
    Pagina p;
    MeasuringSurface medida(p.caja);
    const QStringList b = bloques(999);
    int hechas = 0;
    for (auto _ : state) {
        hechas = paginar(p, medida, b, 100);
        benchmark::DoNotOptimize(p.motor.MarcaResultado);
    }
    state.counters["pages"] = hechas;
}
BENCHMARK(BM_Maquetar100Paginas)->Unit(benchmark::kMillisecond);

// The same pages drawn for real on the page box.
void BM_Dibujar100Paginas(benchmark::State& state) {
    Pagina p;
    const QStringList b = bloques(999);
    int hechas = 0;
    for (auto _ : state) {
        hechas = paginar(p, p.caja, b, 100);
        benchmark::DoNotOptimize(p.motor.MarcaResultado);
    }
    state.counters["pages"] = hechas;
}
BENCHMARK(BM_Dibujar100Paginas)->Unit(benchmark::kMillisecond);

// With --results: the block tables of every page of both benchmarks, measured and drawn, and
// a hash of each drawn page's pixels. Run before and after a change that should change no
// result, and compare the outputs.
void imprimeResultados() {
    Pagina p;
    MeasuringSurface medida(p.caja);
    const QStringList b = bloques(999);
    std::string s = "measured";
    paginar(p, medida, b, 100, &s);
    s += "\ndrawn";
    paginar(p, p.caja, b, 100, &s);
    s += '\n';
    std::fwrite(s.data(), 1, s.size(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    return vornith::bench::ejecuta(argc, argv, &imprimeResultados);
}
