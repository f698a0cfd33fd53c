// Type "100": kinematics of simple harmonic motion, x(t) = A sen(w t + phi). Every computed
// number is written with four significant figures.

#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/movimiento_armonico.h"

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

struct Oscilacion {
    double Am = 0; // amplitude, m
    double T = 0;  // period, s
    double f = 0;  // frequency, Hz
    double w = 0;  // pulsation, rad/s

    double vmax() const { return w * Am; }
    double amax() const { return w * Am * w; }
    // Speed at the elongation x1.
    double vx(double x1) const { return VelocidadEnElongacion(Am, w, x1); }
};

Oscilacion Datos(Generador& g) {
    Oscilacion m;
    m.Am = SorteaAmplitud(g);
    m.T = SorteaPeriodo(g);
    m.f = 1 / m.T;
    m.w = 2 * PI * m.f;
    return m;
}

// A drawn initial phase in rad, as its "+ phi" text.
QString DibujaFase(Generador& g) {
    return QStringLiteral("& +& ") + C4(g.Aleatorio(10, 50, 1, 1) / 10);
}

QString Elongacion(const Oscilacion& m, const QString& fase) {
    return TextoElongacion(m.Am, m.w, fase);
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
        const double x1 = SorteaElongacion(g, m.Am);
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
        const FaseInicial inicio = SorteaFaseInicial(g);
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
        const FaseInicial inicio = SorteaFaseInicial(g);
        const double x1 = SorteaElongacion(g, m.Am);
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
        const QString velocidad = QStringLiteral("&+Iv(t)&-I& =& ") + TextoCifras(m.vmax(), 3) +
                                  QStringLiteral("& cos(") + TextoPulsacion(m.w) +
                                  QStringLiteral("&+It&-I") + fase + u')';
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
