// Type "030": a block at rest on a horizontal plane set moving by a constant force.

#include "generation/dynamics/comun_dinamica.h"
#include "generation/dynamics/rutinas.h"
#include "generation/listado.h"
#include "generation/module_interface.h"
#include "generation/number_services.h"

#include <cmath>

namespace vornith::generation::XIMB_FISI_DIN {

namespace {

// Friction coefficient: a hundredth from 0.15 to 0.35, or 0.2 after a draw above 0.6.
double RozamientoRetocado(Generador& g) {
    const double mu = Rozamiento(g);
    return g.Rnd() > 0.6 ? 0.2 : mu;
}

// Odd number of seconds from 3 to 13.
double Tiempo(Generador& g) {
    return g.Aleatorio(3, 14, 2, 1);
}

// Data of sub-types 1 and 2, force parallel to the plane. The acceleration is drawn and the
// force worked back from it, so speed and distance come out exact.
struct DatosParalela {
    double m = 0;
    double a = 0;
    double mu = 0; // drawn in both sub-types, unused without friction
    double t = 0;
};

DatosParalela SorteaParalela(Generador& g) {
    DatosParalela d;
    d.m = g.Aleatorio(2, 50, 1, 1);
    d.a = g.Aleatorio(4, 19, 1, 1) / 2;
    d.mu = RozamientoRetocado(g);
    d.t = Tiempo(g);
    return d;
}

// Sub-type 1: no friction.
void SinRozamiento(Generador& g) {
    const DatosParalela p = SorteaParalela(g);
    const double fNeta = p.a * p.m;
    const double v = p.t * p.a;
    const double d = p.a * 0.5 * p.t * p.t;
    g.v.TextoEnunciado =
        QStringLiteral("Un bloque de ") + TN(p.m) +
        QStringLiteral("& kg de masa se halla en reposo sobre un plano horizontal sin "
                       "rozamiento. Se le aplica una fuerza de ") +
        TN(fNeta) + QStringLiteral("& N paralela al plano.  Calcular:&LF") +
        QStringLiteral("&+Ba)&-B& Aceleración que adquiere.  &+Bb)&-B& Velocidad que "
                       "alcanza y la distancia recorrida al cabo de ") +
        TN(p.t) + QStringLiteral("& segundos.&LF");
    g.v.TextoSolucion =
        Respuestas({TN(p.a) + QStringLiteral(" m/s^2"),
                    TN(v) + QStringLiteral(" m/s;      ") + TN(d) + QStringLiteral(" m")});
}

// Sub-type 2: friction, the force shown includes it.
void ConRozamiento(Generador& g) {
    const DatosParalela p = SorteaParalela(g);
    const double fr = p.mu * (p.m * kG);
    const double f = p.a * p.m + fr;
    const double d = p.a * 0.5 * p.t * p.t;
    g.v.TextoEnunciado =
        QStringLiteral("Tenemos un bloque de ") + TN(p.m) +
        QStringLiteral("& kg de masa en reposo sobre un plano horizontal.  El coeficiente de "
                       "rozamiento (dinámico) entre el bloque y el plano vale ") +
        TN(p.mu) + QStringLiteral(".  Se aplica una fuerza de ") + TN(f) +
        QStringLiteral("& N paralela al plano.  Calcular:  ") +
        QStringLiteral("&+Ba)&-B& Fuerza de rozamiento.  &+Bb)&-B& Aceleración.  &+Bc)&-B& "
                       "Distancia recorrida al cabo de ") +
        TN(p.t) + QStringLiteral("& segundos.&LF") + LineaDato();
    g.v.TextoSolucion =
        Respuestas({TN(D2(fr)) + QStringLiteral(" N"), TN(p.a) + QStringLiteral(" m/s^2"),
                    TN(d) + QStringLiteral(" m")});
}

// Sub-type 3: force at an angle above the plane. Drawn again until the block clearly moves
// (a > 2 m/s²) and still presses on the plane (N > 10 N).
void FuerzaOblicua(Generador& g) {
    double m = 0;
    double f = 0;
    double alfa = 0;
    double mu = 0;
    double normal = 0;
    double fr = 0;
    double a = 0;
    do {
        g.Vuelta();
        m = g.Aleatorio(5, 50, 1, 1);
        const double peso = m * kG;
        const double k = g.Aleatorio(45, 130, 1, 1);
        f = std::floor(peso * k / 100 + 0.5);
        alfa = AnguloFavorito(g, g.Aleatorio(25, 70, 1, 1), 45, 60, 30);
        mu = RozamientoRetocado(g);
        const double fx = std::cos(alfa / 180 * PI) * f;
        const double fy = std::sin(alfa / 180 * PI) * f;
        normal = peso - fy;
        fr = mu * normal;
        a = (fx - fr) / m;
    } while (!(a > 2 && normal > 10));

    const double t = Tiempo(g);
    const double v = D2(t * a);
    const double d = D2(a * 0.5 * t * t);
    a = D3(a);

    g.v.TextoEnunciado =
        QStringLiteral("Un bloque de ") + TN(m) +
        QStringLiteral("& kg de masa se encuentra inicialmente inmóvil sobre un plano "
                       "horizontal.  El coeficiente de rozamiento dinámico entre el bloque y "
                       "el plano es ") +
        TN(mu) + QStringLiteral(".  Se le aplica una fuerza de ") + TN(f) +
        QStringLiteral("& N que forma un ángulo de ") + TN(alfa) +
        QStringLiteral("° con el plano.  Hallar:  ") +
        QStringLiteral("&+Ba)&-B& Fuerza normal y de rozamiento.  &+Bb)&-B& Aceleración.  "
                       "&+Bc)&-B& Distancia recorrida y velocidad a los ") +
        TN(t) + QStringLiteral("& segundos de actuar la fuerza.&LF") + LineaDato();
    g.v.TextoSolucion =
        Respuestas({TN(D2(normal)) + QStringLiteral(" N;    ") + TN(D2(fr)) + QStringLiteral(" N"),
                    TN(a) + QStringLiteral(" m/s^2"),
                    TN(d) + QStringLiteral(" m;     ") + TN(v) + QStringLiteral(" m/s")});
}

} // namespace

void Tipo030_PlanoHorizontal(Generador& g) {
    if (g.v.ModoCatalogo) {
        EntradaCatalogo(g.v, kTemaDinamica, QStringLiteral("030"),
                        QStringLiteral("Dinámica de una partícula (plano horizontal)"),
                        QStringLiteral("Partícula en plano horizontal  (3 tipos)"));
        return;
    }
    switch (SubTipo(g, 3)) {
    case 1:
        SinRozamiento(g);
        break;
    case 2:
        ConRozamiento(g);
        break;
    default:
        FuerzaOblicua(g);
        break;
    }
}

} // namespace vornith::generation::XIMB_FISI_DIN
