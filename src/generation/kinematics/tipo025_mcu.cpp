// Type "025": a pulley, wheel or flywheel turning at constant speed.

#include "generation/kinematics/giro.h"
#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

struct GiroUniforme {
    double rpm = 0; // turning speed
    double r = 0;   // radius in cm
    double t = 0;   // time in s
    double v = 0;   // linear speed at the rim in m/s, rounded
    double an = 0;  // normal acceleration at the rim, from the rounded v
    double N = 0;   // turns in the time t
};

// Redraws until the rim acceleration stays below 1000 m/s^2.
GiroUniforme Datos(Generador& g) {
    GiroUniforme m;
    do {
        g.Vuelta();
        m.rpm = g.Aleatorio(60, 900, 1, 1);
        m.r = g.Aleatorio(20, 600, 5, 1);
        m.t = g.Aleatorio(3, 65, 1, 1);
        m.v = D2(VelocidadBorde(m.rpm, m.r));
        m.an = D2(m.v * m.v / m.r * 100);
        m.N = D2(m.rpm / 60 * m.t);
    } while (!(m.an < 1000));
    return m;
}

} // namespace

void Tipo025_MCU(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(v, kTemaCinematica, QStringLiteral("025"),
                        QStringLiteral("Movimiento circular uniforme"),
                        QStringLiteral("Problemas de movimiento circular uniforme (velocidad "
                                       "constante) (MCU).    (4 tipos)"));
        return;
    }

    const int subTipo = SubTipo(v.Semilla, 4);
    const GiroUniforme m = Datos(g);

    const QString radio = TextoRadio(g, m.r);
    QString velocidad = TN(m.v) + QStringLiteral("& m/s");
    if (g.Rnd() > 0.7)
        velocidad = TN(D2(VelocidadBorde(m.rpm, m.r) * 3.6)) + QStringLiteral("& km/h");

    const QString objeto = ObjetoQueGira(v.Semilla);
    const QString omega = TN(D2(PI * m.rpm / 30));
    // Angular speed in rad/s and in rpm, the first answer of sub-types 2 to 4.
    const QString omegaYRpm = QStringLiteral("&SP=10:&+Ba)&-B& ") + omega +
                              QStringLiteral("& rad/s = ") + TN(m.rpm) +
                              QStringLiteral("& rpm      ");

    switch (subTipo) {
    case 1:
        v.TextoEnunciado =
            objeto + QStringLiteral(" de ") + radio + QStringLiteral(" gira uniformemente a ") +
            TN(m.rpm) + QStringLiteral("& rpm.  Calcular:  ") +
            QStringLiteral("&+Ba)&-B& La& velocidad angular (en rad/s) y la velocidad lineal "
                           "en el borde.  ") +
            QStringLiteral("&+Bb)&-B& Aceleración normal en el borde.  ") +
            QStringLiteral("&+Bc)&-B& Número de vueltas que dará al cabo de ") + TN(m.t) +
            QStringLiteral("& s.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + omega +
                          QStringLiteral("& rad/s      ") + TN(m.v) +
                          QStringLiteral("& m/s      ") + QStringLiteral("&+Bb)&-B& ") + TN(m.an) +
                          QStringLiteral("& m/s^2      ") + QStringLiteral("&+Bc)&-B& ") + TN(m.N) +
                          QStringLiteral("& vueltas.&LF");
        break;
    case 2:
        v.TextoEnunciado = QStringLiteral("Tenemos ") + objeto.toLower() + QStringLiteral(" de ") +
                           radio + QStringLiteral(" que rueda sobre su borde a una velocidad de ") +
                           velocidad + QStringLiteral(".  Hallar:  ") +
                           QStringLiteral("&+Ba)&-B& Su& velocidad angular en rad/s y rpm.  ") +
                           QStringLiteral("&+Bb)&-B& Aceleración normal en el borde.&LF");
        v.TextoSolucion =
            omegaYRpm + QStringLiteral("&+Bb)&-B& ") + TN(m.an) + QStringLiteral("& m/s^2.&LF");
        break;
    case 3:
        v.TextoEnunciado = QStringLiteral("En el borde de ") + objeto.toLower() +
                           QStringLiteral(" de ") + radio +
                           QStringLiteral(" la aceleración máxima permitida es de ") + TN(m.an) +
                           QStringLiteral("& m/s^2.  Determinar:  ") +
                           QStringLiteral("&+Ba)&-B& La& velocidad angular en rad/s y rpm.  ") +
                           QStringLiteral("&+Bb)&-B& Velocidad lineal en el borde.  ") +
                           QStringLiteral("&+Bc)&-B& Número de vueltas que daría en ") + TN(m.t) +
                           QStringLiteral("& s con esa velocidad.&LF");
        v.TextoSolucion = omegaYRpm + QStringLiteral("&+Bb)&-B& ") + TN(m.v) +
                          QStringLiteral("& m/s      ") + QStringLiteral("&+Bc)&-B& ") + TN(m.N) +
                          QStringLiteral("& vueltas.&LF");
        break;
    default: // 4
        v.TextoEnunciado = objeto + QStringLiteral(" se desplaza a ") + velocidad +
                           QStringLiteral(" rodando sobre su borde. Si da ") + TN(m.N) +
                           QStringLiteral("& vueltas cada ") + TN(m.t) +
                           QStringLiteral(" segundos,  calcular:  ") +
                           QStringLiteral("&+Ba)&-B& Su& velocidad angular en rad/s y rpm.  ") +
                           QStringLiteral("&+Bb)&-B& Su& radio.  ") +
                           QStringLiteral("&+Bc)&-B& Aceleración normal en el borde.&LF");
        v.TextoSolucion = omegaYRpm + QStringLiteral("&+Bb)&-B& ") + TN(m.r) +
                          QStringLiteral("& cm      ") + QStringLiteral("&+Bc)&-B& ") + TN(m.an) +
                          QStringLiteral("& m/s^2.&LF");
        break;
    }
}

} // namespace vornith::generation::XIMB_FISI_CIN
