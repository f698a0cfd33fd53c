// Type "045": a plane motion whose coordinates are polynomials of t of degree at most three;
// velocity and acceleration by differentiating, position by integrating back, mean values
// over an interval and magnitudes at an instant.

#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

#include <cmath>

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

const QString kT = QStringLiteral("&+It&-I");

// One coordinate: c3 t^3 + c2 t^2 + c1 t + c0.
struct Coordenada {
    double c3 = 0, c2 = 0, c1 = 0, c0 = 0;

    double posicion(double t) const { return ((c3 * t + c2) * t + c1) * t + c0; }
    double velocidad(double t) const { return (3 * c3 * t + 2 * c2) * t + c1; }
    // (x(t2) - x(t1)) / (t2 - t1) in closed form, exact for whole coefficients.
    double velocidadMedia(double t1, double t2) const {
        return c3 * (t2 * t2 + t2 * t1 + t1 * t1) + c2 * (t2 + t1) + c1;
    }
    double aceleracionMedia(double t1, double t2) const { return (t2 + t1) * 3 * c3 + 2 * c2; }
    int terminosEnT() const { return (c3 != 0) + (c2 != 0) + (c1 != 0); }
};

struct Movimiento {
    Coordenada x, y;
    double t1 = 0, t2 = 0;
};

// A polynomial in t of degree at most three.
QString P(double a3, double a2, double a1, double a0) {
    return TextoPolinomio(0, a3, a2, a1, a0, kT);
}

// A plane vector; a non-empty component text stands in for its number.
QString V(double x, double y, const QString& tx = QString(), const QString& ty = QString()) {
    return TextoVector(x, y, 0, tx, ty, QString());
}

QString EntreParentesis(const QString& s) {
    return u'(' + s + u')';
}

// "r(t) = ", "v(t) = "... with the letter as a bold italic vector.
QString Cabecera(QChar letra, const QString& resto) {
    return QStringLiteral("#VED(&+B&+I") + letra + QStringLiteral("&-I&-B#VED)") + resto +
           QStringLiteral("& =& ");
}

// Keeps exactly two of the three terms in t: with a cubic term, either the square or the
// linear term goes. The draw is made whether or not it matters.
void QuitaUnTermino(Generador& g, Coordenada& c) {
    const bool sinCuadrado = g.Rnd() > 0.5;
    if (c.c3 != 0 && sinCuadrado) c.c2 = 0;
    if (c.c2 != 0 && c.c3 != 0) c.c1 = 0;
}

Movimiento Datos(Generador& g) {
    Movimiento m;
    do {
        g.Vuelta();
        m.x.c3 = g.Aleatorio(1, 4, 1, 1);
        m.y.c3 = g.Aleatorio(1, 4, 1, 1);
        if (g.Rnd() > 0.5)
            m.x.c3 = 0;
        else
            m.y.c3 = 0;
        m.x.c2 = g.Aleatorio(-9, 9, 1, 1);
        m.x.c1 = g.Aleatorio(-9, 9, 1, 1);
        QuitaUnTermino(g, m.x);
        m.y.c2 = g.Aleatorio(-9, 9, 1, 1);
        m.y.c1 = g.Aleatorio(-9, 9, 1, 1);
        QuitaUnTermino(g, m.y);
        m.x.c0 = g.Aleatorio(-19, 19, 1, 1);
        m.y.c0 = g.Aleatorio(-19, 19, 1, 1);
        m.t1 = g.Aleatorio(1, 4, 1, 1);
        m.t2 = m.t1 + g.Aleatorio(1, 4, 1, 1);
    } while (m.x.terminosEnT() < 2 || m.y.terminosEnT() < 2);
    return m;
}

QString TextoPosicion(const Movimiento& m) {
    return Cabecera(u'r', QStringLiteral("(&+It&-I)")) +
           V(0, 0, EntreParentesis(P(m.x.c3, m.x.c2, m.x.c1, m.x.c0)),
             EntreParentesis(P(m.y.c3, m.y.c2, m.y.c1, m.y.c0)));
}

QString TextoVelocidad(const Movimiento& m) {
    return Cabecera(u'v', QStringLiteral("(&+It&-I)")) +
           V(0, 0, EntreParentesis(P(0, 3 * m.x.c3, 2 * m.x.c2, m.x.c1)),
             EntreParentesis(P(0, 3 * m.y.c3, 2 * m.y.c2, m.y.c1)));
}

// An acceleration component 6 c3 t + 2 c2, in parentheses only when it has both terms.
QString ComponenteAceleracion(const Coordenada& c) {
    const QString s = P(0, 0, 6 * c.c3, 2 * c.c2);
    return c.c3 != 0 && c.c2 != 0 ? EntreParentesis(s) : s;
}

QString TextoAceleracion(const Movimiento& m) {
    // A constant negative j component is written from its number, not from a text.
    double ya = 0;
    QString ay;
    if (m.y.c3 == 0 && m.y.c2 < 0)
        ya = 2 * m.y.c2;
    else
        ay = ComponenteAceleracion(m.y);
    return Cabecera(u'a', QStringLiteral("(&+It&-I)")) + V(0, ya, ComponenteAceleracion(m.x), ay);
}

QString TextoVelocidadMedia(const Movimiento& m) {
    return Cabecera(u'v', QStringLiteral("_m")) +
           V(m.x.velocidadMedia(m.t1, m.t2), m.y.velocidadMedia(m.t1, m.t2)) +
           QStringLiteral("& & m/s");
}

QString TextoAceleracionMedia(const Movimiento& m) {
    return Cabecera(u'a', QStringLiteral("_m")) +
           V(m.x.aceleracionMedia(m.t1, m.t2), m.y.aceleracionMedia(m.t1, m.t2)) +
           QStringLiteral("& & m/s^2");
}

QString PosicionInicial(const Movimiento& m) {
    return V(m.x.c0, m.y.c0) + QStringLiteral("& & m");
}

QString VelocidadInicial(const Movimiento& m) {
    return V(m.x.c1, m.y.c1) + QStringLiteral("& & m/s");
}

QString Solucion(const QString& a, const QString& b, const QString& c) {
    return QStringLiteral("&SP=10:&+Ba)&-B& ") + a + QStringLiteral("&LF") +
           QStringLiteral("&SP=10:&+Bb)&-B& ") + b + QStringLiteral("        ") +
           QStringLiteral("&+Bc)&-B& ") + c + QStringLiteral("&LF");
}

} // namespace

void Tipo045_Vectores(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(
            v, kTemaCinematica, QStringLiteral("045"),
            QStringLiteral("Vectores de posición, velocidad y aceleración"),
            QStringLiteral(
                "Cálculo del vector de posición, velocidad y aceleración conocido uno de ellos. "
                "Velocidad y aceleración media, módulos... (4 tipos)"));
        return;
    }

    const int subTipo = SubTipo(g, 4);
    const Movimiento m = Datos(g);

    const QString posicion = TextoPosicion(m);
    const QString velocidad = TextoVelocidad(m);
    const QString aceleracion = TextoAceleracion(m);
    const QString intervalo =
        TN(m.t1) + QStringLiteral("& s  a  ") + TN(m.t2) + QStringLiteral("& s.&LF");

    switch (subTipo) {
    case 1:
        v.TextoEnunciado =
            QStringLiteral("El vector de posición de una partícula es  ") + posicion +
            QStringLiteral("  en unidades del SI.  Calcular:  ") +
            QStringLiteral("&+Ba)&-B& El& vector velocidad instantánea.  ") +
            QStringLiteral("&+Bb)&-B& El& vector aceleración instantánea.  ") +
            QStringLiteral("&+Bc)&-B& El& vector velocidad media para el intervalo de tiempo "
                           "de ") +
            intervalo;
        v.TextoSolucion = Solucion(velocidad, aceleracion, TextoVelocidadMedia(m));
        break;
    case 2: {
        const double rapidez =
            std::sqrt(std::pow(m.x.velocidad(m.t1), 2) + std::pow(m.y.velocidad(m.t1), 2));
        v.TextoEnunciado = QStringLiteral("Un objeto se mueve según la posición dada por  ") +
                           posicion + QStringLiteral("  en unidades del SI.  Hallar:  ") +
                           QStringLiteral("&+Ba)&-B& Su& vector velocidad instantánea.  ") +
                           QStringLiteral("&+Bb)&-B& Su& vector aceleración instantánea.  ") +
                           QStringLiteral("&+Bc)&-B& El& módulo de la velocidad para el instante "
                                          "&+It&-I& =& ") +
                           TN(m.t1) + QStringLiteral("& s.&LF");
        v.TextoSolucion =
            Solucion(velocidad, aceleracion, TN(D1(rapidez)) + QStringLiteral("& m/s"));
        break;
    }
    case 3:
        v.TextoEnunciado =
            QStringLiteral("Cierta partícula se mueve con una velocidad dada por  ") + velocidad +
            QStringLiteral("  en unidades del SI.  Determinar:  ") +
            QStringLiteral("&+Ba)&-B& El& vector de posición instantánea si inicialmente su "
                           "posición es ") +
            PosicionInicial(m) + QStringLiteral(".  ") +
            QStringLiteral("&+Bb)&-B& El& vector aceleración instantánea.  ") +
            QStringLiteral("&+Bc)&-B& El& vector aceleración media en el intervalo de ") +
            intervalo;
        v.TextoSolucion = Solucion(posicion, aceleracion, TextoAceleracionMedia(m));
        break;
    default: {
        const double distancia =
            std::sqrt(std::pow(m.x.posicion(m.t1), 2) + std::pow(m.y.posicion(m.t1), 2));
        v.TextoEnunciado =
            QStringLiteral("La aceleración de una cuerpo es ") + aceleracion +
            QStringLiteral("  en unidades del SI.  Si inicialmente su velocidad vale ") +
            VelocidadInicial(m) + QStringLiteral("  y su posición es ") + PosicionInicial(m) +
            QStringLiteral(",  calcular:  ") +
            QStringLiteral("&+Ba)&-B& Su& vector velocidad instantánea.  ") +
            QStringLiteral("&+Bb)&-B& Su& vector de posición instantánea.  ") +
            QStringLiteral("&+Bc)&-B& Módulo del vector de posición para el instante ") + TN(m.t1) +
            QStringLiteral("& s.&LF");
        v.TextoSolucion = Solucion(velocidad, posicion, TN(D1(distancia)) + QStringLiteral("& m"));
        break;
    }
    }
}

} // namespace vornith::generation::XIMB_FISI_CIN
