// Type "100": kinematics of simple harmonic motion, x(t) = A sen(w t + phi). Every computed
// number is written with four significant figures.

#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

#include <cmath>

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

QString C4(double x) {
    return TextoCifras(x, 4);
}
QString C3(double x) {
    return TextoCifras(x, 3);
}

struct Oscilacion {
    double Am = 0;  // amplitude, m
    double T = 0;   // period, s
    double f = 0;   // frequency, Hz
    double w = 0;   // pulsation, rad/s
    QString wTexto; // the factor of t, empty when it reads "1"

    double vmax() const { return w * Am; }
    double amax() const { return w * Am * w; }
    // Speed at the elongation x1.
    double vx(double x1) const { return std::sqrt(Am * Am - x1 * x1) * w; }
};

Oscilacion Datos(Generador& g) {
    Oscilacion m;
    m.Am = g.Aleatorio(15, 495, 1, 1) / 100;
    if (m.Am == 1) m.Am = 2;
    m.T = g.Aleatorio(50, 9000, 10, 1) / 1000;
    if (g.Rnd() > 0.5) m.T = g.Aleatorio(50, 900, 10, 1) / 1000;
    m.f = 1 / m.T;
    m.w = 2 * PI * m.f;
    m.wTexto = C4(m.w);
    if (m.wTexto == QLatin1String("1"))
        m.wTexto.clear();
    else
        m.wTexto += QStringLiteral("& ");
    return m;
}

// The initial state of sub-types 3 and 4: the phase text and its wording. Both draws are
// always made; the second wins.
struct Inicio {
    QString fase;
    QString condicion;
};

Inicio DibujaInicio(Generador& g) {
    Inicio i{QString(), QStringLiteral("su elongación es nula")};
    if (g.Rnd() > 0.5)
        i = {QStringLiteral("& +& &pi/6"),
             QStringLiteral("su elongación es la mitad de la amplitud")};
    if (g.Rnd() > 0.5)
        i = {QStringLiteral("& +& &pi/2"), QStringLiteral("su elongación es máxima")};
    return i;
}

// A drawn initial phase in rad, as its "+ phi" text.
QString DibujaFase(Generador& g) {
    return QStringLiteral("& +& ") + C4(g.Aleatorio(10, 50, 1, 1) / 10);
}

// An elongation between 20 % and 80 % of the amplitude.
double DibujaElongacion(Generador& g, const Oscilacion& m) {
    return m.Am * g.Aleatorio(20, 80, 1, 1) / 100;
}

QString Elongacion(const Oscilacion& m, const QString& fase) {
    return QStringLiteral("&+Ix(t)&-I& =& ") + C4(m.Am) + QStringLiteral("& sen(") + m.wTexto +
           QStringLiteral("&+It&-I") + fase + u')';
}

} // namespace

void Tipo100_MAS(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(
            v, kTemaCinematica, QStringLiteral("100"),
            QStringLiteral("Cinemática del movimiento armónico simple"),
            QStringLiteral(
                "Cálculos con la ecuación de la elongación y velocidad. Aceleración, frecuencia, "
                "periodo, pulsación y amplitud (5 tipos)"));
        return;
    }

    const int subTipo = SubTipo(g, 5);
    const Oscilacion m = Datos(g);

    switch (subTipo) {
    case 1:
        v.TextoEnunciado =
            QStringLiteral("Un movimiento armónico simple tiene una amplitud de ") + C4(m.Am) +
            QStringLiteral("& m y un periodo de ") + C4(m.T) + QStringLiteral("& s. ") +
            QStringLiteral("Si en el instante inicial su elongación es nula, calcular:&LF") +
            QStringLiteral("    &+Ba)&-B Ecuación de la elongación en función del tiempo.&LF") +
            QStringLiteral("    &+Bb)&-B Frecuencia.&LF") +
            QStringLiteral("    &+Bc)&-B Velocidad máxima.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10: &+Ba)&-B ") + Elongacion(m, QString()) +
                          QStringLiteral(";    &+Bb)&-B ") + C4(m.f) +
                          QStringLiteral(" Hz;    &+Bc)&-B ") + C4(m.vmax()) +
                          QStringLiteral(" m/s.&LF");
        break;
    case 2: {
        const QString fase = DibujaFase(g);
        const double x1 = DibujaElongacion(g, m);
        v.TextoEnunciado =
            QStringLiteral("La elongación de un movimiento armónico simple viene dada por la "
                           "expresión ") +
            Elongacion(m, fase) + QStringLiteral("& en el S.I. de unidades. ") +
            QStringLiteral("Determinar:&LF") +
            QStringLiteral("    &+Ba)&-B Frecuencia y periodo.&LF") +
            QStringLiteral("    &+Bb)&-B Velocidad máxima y aceleración máxima.&LF") +
            QStringLiteral("    &+Bc)&-B Velocidad cuando la elongación valga ") + C4(x1) +
            QStringLiteral(" m.&LF");
        v.TextoSolucion =
            QStringLiteral("&SP=10: &+Ba)&-B ") + C4(m.f) + QStringLiteral(" Hz;    ") + C4(m.T) +
            QStringLiteral(" s;    &+Bb)&-B ") + C4(m.vmax()) + QStringLiteral(" m/s;    ") +
            C4(m.amax()) + QStringLiteral(" m/s^2;    &+Bc)&-B ") + C4(m.vx(x1)) +
            QStringLiteral(" m/s.&LF");
        break;
    }
    case 3: {
        const Inicio inicio = DibujaInicio(g);
        v.TextoEnunciado =
            QStringLiteral("La amplitud de un movimiento armónico simple vale ") + C4(m.Am) +
            QStringLiteral("& m y su velocidad máxima es de ") + C4(m.vmax()) +
            QStringLiteral("& m/s. ") + QStringLiteral("Si en el instante inicial ") +
            inicio.condicion + QStringLiteral(", hallar:&LF") +
            QStringLiteral("    &+Ba)&-B Frecuencia.&LF") +
            QStringLiteral("    &+Bb)&-B Ecuación de la elongación en función del tiempo.&LF") +
            QStringLiteral("    &+Bc)&-B Aceleración máxima.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10: &+Ba)&-B ") + C4(m.f) +
                          QStringLiteral(" Hz;    &+Bb)&-B ") + Elongacion(m, inicio.fase) +
                          QStringLiteral(";    &+Bc)&-B ") + C4(m.amax()) +
                          QStringLiteral(" m/s^2.&LF");
        break;
    }
    case 4: {
        const Inicio inicio = DibujaInicio(g);
        const double x1 = DibujaElongacion(g, m);
        v.TextoEnunciado =
            QStringLiteral("Para un movimiento armónico simple la velocidad en el punto de "
                           "equilibrio es de ") +
            C4(m.vmax()) + QStringLiteral("& m/s y su aceleración máxima vale ") + C4(m.amax()) +
            QStringLiteral("& m/s^2. ") +
            QStringLiteral("En el momento de iniciarse el movimiento ") + inicio.condicion +
            QStringLiteral(". Calcular:&LF") +
            QStringLiteral("    &+Ba)&-B Frecuencia y pulsación.&LF") +
            QStringLiteral("    &+Bb)&-B Amplitud.&LF") +
            QStringLiteral("    &+Bc)&-B Ecuación de la elongación en función del tiempo.&LF") +
            QStringLiteral("    &+Bd)&-B Velocidad si la elongación vale ") + C4(x1) +
            QStringLiteral(" m.&LF");
        v.TextoSolucion =
            QStringLiteral("&SP=10: &+Ba)&-B ") + C4(m.f) + QStringLiteral(" Hz;   ") + C4(m.w) +
            QStringLiteral(" rad/s;   &+Bb)&-B ") + C4(m.Am) + QStringLiteral(" m;   &+Bc)&-B ") +
            Elongacion(m, inicio.fase) + QStringLiteral(";   &+Bd)&-B ") + C4(m.vx(x1)) +
            QStringLiteral(" m/s&LF");
        break;
    }
    default: {
        const QString fase = DibujaFase(g);
        const QString velocidad = QStringLiteral("&+Iv(t)&-I& =& ") + C3(m.vmax()) +
                                  QStringLiteral("& cos(") + m.wTexto + QStringLiteral("&+It&-I") +
                                  fase + u')';
        v.TextoEnunciado =
            QStringLiteral("La velocidad de oscilación en un movimiento armónico simple viene "
                           "dada por la expresión ") +
            velocidad + QStringLiteral("& en el S.I. de unidades. ") +
            QStringLiteral("Determinar:&LF") +
            QStringLiteral("    &+Ba)&-B Frecuencia y amplitud.&LF") +
            QStringLiteral("    &+Bb)&-B Ecuación de la elongación en función del tiempo.&LF") +
            QStringLiteral("    &+Bc)&-B Aceleración máxima.&LF");
        v.TextoSolucion =
            QStringLiteral("&SP=10: &+Ba)&-B ") + C4(m.f) + QStringLiteral(" Hz;    ") + C4(m.Am) +
            QStringLiteral(" m;    &+Bb)&-B ") + Elongacion(m, fase) +
            QStringLiteral(";    &+Bc)&-B ") + C4(m.amax()) + QStringLiteral(" m/s^2.&LF");
        break;
    }
    }
}

} // namespace vornith::generation::XIMB_FISI_CIN
