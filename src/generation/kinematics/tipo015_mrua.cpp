// Type "015": uniformly accelerated and decelerated straight-line motion, vertical launch and
// fall. A graded type: the problem's place among those of its type picks the sub-type.

#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

#include <cmath>

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

// Early places of a collection get accelerating bodies, middle ones braking, the last ones
// vertical motion.
int SubTipoGraduado(const InterfazModulo& v) {
    int subTipo = SubTipo(v.Semilla, 7); // also the choice for a lone problem
    const double n = v.NumDelTipo;
    const double k = v.OrdenDelTipo;
    if (n == 2 && k == 1) subTipo = SubTipo(v.Semilla, 3);
    if (n == 2 && k == 2) subTipo = RestoSemilla(v.Semilla, 4) + 4;
    if (n > 2) {
        const double p = std::floor((k / n) * 100);
        if (p >= 0 && p <= 43)
            subTipo = SubTipo(v.Semilla, 3);
        else if (p >= 44 && p <= 72)
            subTipo = RestoSemilla(v.Semilla, 2) + 4;
        else if (p >= 73 && p <= 100)
            subTipo = RestoSemilla(v.Semilla, 2) + 6;
    }
    return subTipo;
}

struct Movimiento {
    double v0 = 0; // initial speed
    double a = 0;  // acceleration
    double t = 0;  // time
    double v = 0;  // final speed
    double d = 0;  // distance
};

// Fills v and d from v0, a and t.
void Completa(Movimiento& m) {
    m.v = m.a * m.t + m.v0;
    m.d = m.a * 0.5 * m.t * m.t + m.t * m.v0;
}

// A body that ends at rest after time t: distance at the mean speed.
void HastaParar(Movimiento& m) {
    m.v = 0;
    m.d = m.t * m.v0 / 2;
}

Movimiento Datos(Generador& g, int subTipo) {
    Movimiento m;
    switch (subTipo) {
    case 1:
    case 2:
    case 3:
        m.v0 = g.Aleatorio(10, 400, 5, 1);
        m.a = g.Aleatorio(2, 16, 2, 1);
        m.t = g.Aleatorio(3, 15, 1, 1);
        Completa(m);
        break;
    case 4:
    case 5:
        m.a = -g.Aleatorio(2, 16, 1, 1);
        m.t = g.Aleatorio(3, 25, 1, 1);
        m.v0 = -m.a * m.t;
        HastaParar(m);
        break;
    case 6:
        m.t = g.Aleatorio(2, 45, 1, 1);
        m.v0 = 9.8 * m.t;
        m.a = -9.8;
        HastaParar(m);
        break;
    default: // 7
        m.v0 = g.Aleatorio(7, 45, 1, 1);
        if (g.Rnd() > 0.7) m.v0 = 0;
        m.a = 9.8;
        m.t = g.Aleatorio(2, 45, 1, 1);
        Completa(m);
        break;
    }
    return m;
}

QString Solucion(const QString& a, const QString& b) {
    return QStringLiteral("&SP=10:&+Ba)&-B& ") + a + QStringLiteral("      ") +
           QStringLiteral("&+Bb)&-B& ") + b + QStringLiteral(".&LF");
}

void Textos(InterfazModulo& v, int subTipo, const Movimiento& m) {
    const QString cuerpos[] = {QStringLiteral("Un vehículo"), QStringLiteral("Un objeto"),
                               QStringLiteral("Un móvil")};
    const QString cuerpo = cuerpos[RestoSemilla(v.Semilla, 3)];
    const QString cuerpoMin = cuerpo.toLower();
    switch (subTipo) {
    case 1:
        v.TextoEnunciado = cuerpo + QStringLiteral(" se mueve inicialmente a ") + TN(m.v0) +
                           QStringLiteral("& m/s  y acelera con ") + TN(m.a) +
                           QStringLiteral("& m/s^2  durante ") + TN(m.t) +
                           QStringLiteral("& s.  Calcular:  ") +
                           QStringLiteral("&+Ba)&-B& La velocidad que alcanza.  ") +
                           QStringLiteral("&+Bb)&-B& La distancia recorrida.&LF");
        v.TextoSolucion =
            Solucion(TN(m.v) + QStringLiteral(" m/s"), TN(m.d) + QStringLiteral(" m"));
        break;
    case 2:
        v.TextoEnunciado = cuerpo + QStringLiteral(" aumenta su velocidad desde ") + TN(m.v0) +
                           QStringLiteral("& m/s  hasta ") + TN(m.v) +
                           QStringLiteral("& m/s  en un tiempo de ") + TN(m.t) +
                           QStringLiteral("& s.  Determinar:  ") +
                           QStringLiteral("&+Ba)&-B& Su aceleración.  ") +
                           QStringLiteral("&+Bb)&-B& La distancia que ha recorrido.&LF");
        v.TextoSolucion =
            Solucion(TN(m.a) + QStringLiteral(" m/s^2"), TN(m.d) + QStringLiteral(" m"));
        break;
    case 3:
        v.TextoEnunciado = cuerpo + QStringLiteral(" ha variado su velocidad pasando de ") +
                           TN(m.v0) + QStringLiteral("& m/s  a  ") + TN(m.v) +
                           QStringLiteral("& m/s  en una distancia de ") + TN(m.d) +
                           QStringLiteral("& m.  Hallar:  ") +
                           QStringLiteral("&+Ba)&-B& La aceleración necesaria.  ") +
                           QStringLiteral("&+Bb)&-B& El tiempo que ha tardado.&LF");
        v.TextoSolucion =
            Solucion(TN(m.a) + QStringLiteral(" m/s^2"), TN(m.t) + QStringLiteral(" s"));
        break;
    case 4:
        v.TextoEnunciado = QStringLiteral("Hemos frenado, hasta detener por completo, ") +
                           cuerpoMin + QStringLiteral(" que se desplazaba a ") + TN(m.v0) +
                           QStringLiteral("& m/s  en un tiempo de ") + TN(m.t) +
                           QStringLiteral("& s.  Calcular:  ") +
                           QStringLiteral("&+Ba)&-B& La aceleración de frenado.  ") +
                           QStringLiteral("&+Bb)&-B& El espacio recorrido.&LF");
        v.TextoSolucion =
            Solucion(TN(m.a) + QStringLiteral(" m/s^2"), TN(m.d) + QStringLiteral(" m"));
        break;
    case 5:
        v.TextoEnunciado = QStringLiteral("Para detener totalmente ") + cuerpoMin +
                           QStringLiteral(" que se mueve a ") + TN(m.v0) +
                           QStringLiteral("& m/s  se necesita una distancia de ") + TN(m.d) +
                           QStringLiteral("& m.  Determinar:  ") +
                           QStringLiteral("&+Ba)&-B& La aceleración de frenado aplicada.  ") +
                           QStringLiteral("&+Bb)&-B& El tiempo de frenado.&LF");
        v.TextoSolucion =
            Solucion(TN(m.a) + QStringLiteral(" m/s^2"), TN(m.t) + QStringLiteral(" s"));
        break;
    case 6:
        v.TextoEnunciado =
            QStringLiteral("Lanzamos verticalmente hacia arriba ") + cuerpoMin +
            QStringLiteral(" con una velocidad de ") + TN(m.v0) +
            QStringLiteral("& m/s.  Calcular:  ") +
            QStringLiteral("&+Ba)&-B& Tiempo para llegar a la altura máxima.  ") +
            QStringLiteral("&+Bb)&-B& Altura máxima alcanzada.&LF") +
            QStringLiteral("&+IDato&-I: Aceleración gravitatoria  &+Ig&-I = -9&.8 m/s^2.&LF");
        v.TextoSolucion = Solucion(TN(m.t) + QStringLiteral(" s"), TN(m.d) + QStringLiteral(" m"));
        break;
    default: { // 7
        const QString caida = m.v0 == 0 ? QStringLiteral("dejamos caer ") + cuerpoMin
                                        : QStringLiteral("lanzamos ") + cuerpoMin +
                                              QStringLiteral(" verticalmente hacia abajo a ") +
                                              TN(m.v0) + QStringLiteral("& m/s");
        v.TextoEnunciado =
            QStringLiteral("Desde una altura de ") + TN(m.d) + QStringLiteral("& m ") + caida +
            QStringLiteral(".  Hallar:  ") +
            QStringLiteral("&+Ba)&-B& Tiempo para llegar al suelo.  ") +
            QStringLiteral("&+Bb)&-B& Velocidad al llegar al suelo.&LF") +
            QStringLiteral("&+IDato&-I: Aceleración gravitatoria  &+Ig&-I = 9&.8 m/s^2.&LF");
        v.TextoSolucion =
            Solucion(TN(m.t) + QStringLiteral(" s"), TN(m.v) + QStringLiteral(" m/s"));
        break;
    }
    }
}

} // namespace

void Tipo015_MRUA(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(
            v, kTemaCinematica, QStringLiteral("015"),
            QStringLiteral("Movimiento rectilíneo uniformemente acelerado/desacelerado"),
            QStringLiteral(
                "&DPProblemas de movimiento acelerado y desacelerado (MRUA / MRUD). Lanzamiento "
                "vertical y caída libre. (7 tipos)"));
        return;
    }
    const int subTipo = SubTipoGraduado(v);
    const Movimiento m = Datos(g, subTipo);
    Textos(v, subTipo, m);
}

} // namespace vornith::generation::XIMB_FISI_CIN
