// Type "040": two vehicles that meet, and one vehicle that passes through stages.

#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

// A meeting of two vehicles: the data of the statement and the two answers.
struct Encuentro {
    double vA = 0, vB = 0; // speeds of the vehicles from A and B
    double d = 0;          // distance between A and B
    double retraso = 0;    // B's delay (sub-type 2)
    double aB = 0;         // B's acceleration (sub-type 3)
    double t = 0;          // meeting time, from A's start
    double dA = 0;         // distance run by the vehicle from A
};

// Head-on, simultaneous start: redrawn until 500 < d < 15000.
Encuentro Simultaneo(Generador& g) {
    Encuentro e;
    do {
        g.Vuelta();
        e.vA = g.Aleatorio(15, 50, 5, 1);
        e.vB = g.Aleatorio(15, 50, 5, 1);
        if (e.vB == e.vA) e.vB = e.vB + 5;
        e.t = g.Aleatorio(30, 600, 2, 1);
        e.d = (e.vB + e.vA) * e.t;
        e.dA = e.t * e.vA;
    } while (!(e.d > 500 && e.d < 15000));
    return e;
}

// Head-on, B starts later: redrawn until d < 10000 and A has not reached B before B starts.
Encuentro ConRetraso(Generador& g) {
    Encuentro e;
    do {
        g.Vuelta();
        e.vA = g.Aleatorio(15, 45, 5, 1);
        e.vB = e.vA + g.Aleatorio(5, 25, 5, 1);
        if (e.vB == e.vA) e.vB = e.vB + 5;
        e.retraso = g.Aleatorio(10, 50, 2, 1);
        e.t = e.retraso + g.Aleatorio(30, 600, 2, 1);
        e.d = (e.t - e.retraso) * e.vB + e.t * e.vA;
        e.dA = e.t * e.vA;
    } while (!(e.d < 10000 && e.retraso * e.vA < e.d));
    return e;
}

// B starts from rest as A passes: the meeting time is drawn and A's speed follows from it.
Encuentro Alcance(Generador& g) {
    Encuentro e;
    do {
        g.Vuelta();
        e.aB = g.Aleatorio(4, 12, 1, 1) / 2;
        e.t = g.Aleatorio(5, 45, 1, 1);
        e.vA = e.t * e.aB / 2;
        e.dA = e.t * e.vA;
    } while (!(e.dA < 10000));
    return e;
}

// The speeds of both vehicles, in km/h after a draw above 0.5.
void TextosVelocidad(Generador& g, const Encuentro& e, QString& textoA, QString& textoB) {
    textoA = TN(e.vA) + QStringLiteral("& m/s");
    textoB = TN(e.vB) + QStringLiteral("& m/s");
    if (g.Rnd() > 0.5) {
        textoA = TN(e.vA * 3.6) + QStringLiteral("& km/h");
        textoB = TN(e.vB * 3.6) + QStringLiteral("& km/h");
    }
}

QString SolucionEncuentro(const Encuentro& e) {
    return QStringLiteral("&SP=10:&+Ba)&-B& ") + TN(e.t) + QStringLiteral("& s;      ") +
           QStringLiteral("&+Bb)&-B& ") + TN(e.dA) + QStringLiteral("& m.&LF");
}

// One vehicle: accelerated from rest, uniform, and (sub-type 5) braking to rest.
struct Tramos {
    double a = 0;                  // acceleration of the first stage
    double t1 = 0, t2 = 0, t3 = 0; // durations of the stages
    double v = 0;                  // speed reached in the first stage
    double d1 = 0, d2 = 0, d3 = 0; // distances of the stages
    double a3 = 0;                 // braking acceleration, as a magnitude
    double total = 0;              // whole distance
    double vm = 0;                 // mean speed
};

Tramos Etapas(Generador& g, bool conFrenado) {
    Tramos m;
    m.a = g.Aleatorio(2, 10, 1, 1);
    m.t1 = g.Aleatorio(5, 45, 1, 1);
    m.v = m.a * m.t1;
    m.d1 = m.a * 0.5 * m.t1 * m.t1;
    m.t2 = g.Aleatorio(5, 60, 1, 1);
    m.d2 = m.t2 * m.v;
    if (!conFrenado) {
        m.total = m.d2 + m.d1;
        m.vm = D2(m.total / (m.t1 + m.t2));
        return m;
    }
    m.t3 = g.Aleatorio(5, 60, 1, 1);
    m.d3 = m.t3 * m.v / 2;
    m.a3 = D2(2 * m.d3 / m.t3 / m.t3);
    m.total = m.d2 + m.d1 + m.d3;
    m.vm = D2(m.total / (m.t1 + m.t2 + m.t3));
    return m;
}

void SubTipo1(Generador& g) {
    const Encuentro e = Simultaneo(g);
    QString textoA, textoB;
    TextosVelocidad(g, e, textoA, textoB);
    g.v.TextoEnunciado =
        QStringLiteral("Tenemos dos vehículos situados en los puntos A y B,  distantes ") +
        TN(e.d) +
        QStringLiteral("& m,  que parten simultáneamente al encuentro el uno del otro y a "
                       "velocidades constantes.  El vehículo que sale de A se mueve a ") +
        textoA + QStringLiteral(" y el que parte de B lo hace a ") + textoB +
        QStringLiteral(".  Calcular:  ") +
        QStringLiteral("&+Ba)&-B& El& tiempo que tardan en encontrarse.  ") +
        QStringLiteral("&+Bb)&-B& La distancia recorrida por el vehículo que parte de A cuando "
                       "se encuentren.&LF");
    g.v.TextoSolucion = SolucionEncuentro(e);
}

void SubTipo2(Generador& g) {
    const Encuentro e = ConRetraso(g);
    QString textoA, textoB;
    TextosVelocidad(g, e, textoA, textoB);
    g.v.TextoEnunciado =
        QStringLiteral("Desde dos puntos A y B separados ") + TN(e.d) +
        QStringLiteral("& m parten dos coches al encuentro el uno del otro y a velocidades "
                       "constantes.  El coche que parte de A se mueve a ") +
        textoA + QStringLiteral(" y el que sale de B lo hace con un retraso de ") + TN(e.retraso) +
        QStringLiteral("& segundos y a una velocidad de ") + textoB +
        QStringLiteral(".  Hallar:  ") +
        QStringLiteral("&+Ba)&-B& El& tiempo que tarda el coche que parte de A en encontrarse "
                       "con el que viene de B.  ") +
        QStringLiteral("&+Bb)&-B& La distancia recorrida por el coche que sale de A al "
                       "encontrarse.&LF");
    g.v.TextoSolucion = SolucionEncuentro(e);
}

void SubTipo3(Generador& g) {
    const Encuentro e = Alcance(g);
    g.v.TextoEnunciado =
        QStringLiteral("Un vehículo A pasa por un determinado punto P a una velocidad constante "
                       "de ") +
        TN(e.vA) + QStringLiteral("& m/s") +
        QStringLiteral(".  En ese momento otro vehículo B parte del reposo desde el mismo punto "
                       "P con una aceleración de ") +
        TN(e.aB) +
        QStringLiteral("& m/s^2 en la misma dirección y sentido que el vehículo A.  "
                       "Determinar:  ") +
        QStringLiteral("&+Ba)&-B& El& tiempo que tardarán en volverse a encontrar.  ") +
        QStringLiteral("&+Bb)&-B& La& distancia desde el punto P al punto donde se "
                       "encuentran.&LF");
    g.v.TextoSolucion = SolucionEncuentro(e);
}

// Questions b) of both stage problems.
const QLatin1String kPreguntaDistancias("&+Bb)&-B& Las& distancias recorridas en el primer y "
                                        "segundo tramo y la distancia total.  ");

void SubTipo4(Generador& g) {
    const Tramos m = Etapas(g, false);
    g.v.TextoEnunciado =
        QStringLiteral("Un móvil parte del reposo y acelera con ") + TN(m.a) +
        QStringLiteral("& m/s^2 durante ") + TN(m.t1) +
        QStringLiteral("& s.  A continuación mantiene la velocidad alcanzada durante ") + TN(m.t2) +
        QStringLiteral("& s más.  Calcular:  ") +
        QStringLiteral("&+Ba)&-B& La& velocidad que alcanza al final del primer tramo "
                       "acelerado.  ") +
        kPreguntaDistancias +
        QStringLiteral("&+Bc)&-B& La& velocidad media de todo el recorrido.&LF");
    g.v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + TN(m.v) +
                        QStringLiteral("& m/s;      ") + QStringLiteral("&+Bb)&-B& ") + TN(m.d1) +
                        QStringLiteral("& m;      ") + TN(m.d2) + QStringLiteral("& m;      ") +
                        TN(m.total) + QStringLiteral("& m;      ") + QStringLiteral("&+Bc)&-B& ") +
                        TN(m.vm) + QStringLiteral("& m/s.&LF");
}

void SubTipo5(Generador& g) {
    const Tramos m = Etapas(g, true);
    g.v.TextoEnunciado =
        QStringLiteral("Un vehículo aumenta su velocidad desde el reposo hasta los ") + TN(m.v) +
        QStringLiteral("& m/s tardando ") + TN(m.t1) +
        QStringLiteral("& s.  Luego mantiene esta velocidad constante durante ") + TN(m.t2) +
        QStringLiteral("& s.  Finalmente desacelera hasta detenerse recorriendo una distancia "
                       "de frenado de ") +
        TN(m.d3) + QStringLiteral("& m.  Hallar:  ") +
        QStringLiteral("&+Ba)&-B& La& aceleración del primer tramo.  ") + kPreguntaDistancias +
        QStringLiteral("&+Bc)&-B& La& aceleración de frenado del último tramo y la velocidad "
                       "media del recorrido.&LF");
    g.v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + TN(m.a) +
                        QStringLiteral("& m/s^2;      ") + QStringLiteral("&+Bb)&-B& ") + TN(m.d1) +
                        QStringLiteral("& m;    ") + TN(m.d2) + QStringLiteral("& m;    ") +
                        TN(m.total) + QStringLiteral("& m;      ") + QStringLiteral("&+Bc)&-B& ") +
                        TN(-m.a3) + QStringLiteral("& m/s^2;    ") + TN(m.vm) +
                        QStringLiteral("& m/s.&LF");
}

} // namespace

void Tipo040_DosMoviles(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(
            v, kTemaCinematica, QStringLiteral("040"),
            QStringLiteral("Movimiento de dos móviles y combinación de varios tipos de movimiento"),
            QStringLiteral("Problemas de dos móviles que se intersectan (3 tipos). Móvil con "
                           "varios movimientos "
                           "(acelerado, uniforme, desacelerado) (2 tipos). (Total 5 tipos)"));
        return;
    }
    switch (SubTipo(v.Semilla, 5)) {
    case 1:
        SubTipo1(g);
        break;
    case 2:
        SubTipo2(g);
        break;
    case 3:
        SubTipo3(g);
        break;
    case 4:
        SubTipo4(g);
        break;
    default:
        SubTipo5(g);
        break;
    }
}

} // namespace vornith::generation::XIMB_FISI_CIN
