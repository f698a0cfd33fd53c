// Type "030": a turning object or the wheels of a vehicle whose angular speed changes at a
// constant rate.

#include "generation/kinematics/giro.h"
#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

struct GiroAcelerado {
    double rpm0 = 0, rpm1 = 0; // initial and final turning speed
    double t = 0;              // time of the change in s
    double alfa = 0;           // angular acceleration in rad/s^2
    double r = 0;              // radius in cm
    double vi = 0, vf = 0;     // initial and final speed at the rim in m/s
    double at = 0;             // tangential acceleration at the rim
    double an = 0;             // final normal acceleration at the rim
    double N = 0;              // turns made during the change
    double d = 0;              // braking distance in m (sub-type 4)
};

// Angle turned during the change, in rad.
double Angulo(const GiroAcelerado& m) {
    return PI * m.rpm0 / 30 * m.t + m.alfa * 0.5 * m.t * m.t;
}

GiroAcelerado Datos(Generador& g, int subTipo) {
    GiroAcelerado m;
    if (subTipo == 4) { // braking to rest
        m.rpm0 = g.Aleatorio(60, 920, 5, 1);
        m.rpm1 = 0;
        m.t = g.Aleatorio(3, 65, 1, 1);
        m.alfa = (0 - m.rpm0) * PI / 30 / m.t;
        m.r = g.Aleatorio(20, 600, 5, 1);
        m.vi = D2(VelocidadBorde(m.rpm0, m.r));
        m.vf = 0;
        m.N = D1(Angulo(m) / 2 / PI);
        m.d = D1(Angulo(m) * m.r / 100);
        return m;
    }
    m.rpm0 = g.Aleatorio(30, 120, 5, 1);
    if (subTipo == 3) m.rpm0 = 0; // from rest: the draw above still advances the sequence
    m.rpm1 = m.rpm0 + g.Aleatorio(20, 900, 5, 1);
    m.t = g.Aleatorio(3, 65, 1, 1);
    m.alfa = (m.rpm1 - m.rpm0) * PI / 30 / m.t;
    m.r = g.Aleatorio(20, 600, 5, 1);
    m.vi = D2(VelocidadBorde(m.rpm0, m.r));
    m.vf = D2(VelocidadBorde(m.rpm1, m.r));
    m.an = D2(m.vf * m.vf / m.r * 100);
    m.at = D2(m.alfa * m.r / 100);
    m.N = D1(Angulo(m) / 2 / PI);
    return m;
}

// Fewer decimals for larger values.
void AjustaDecimales(GiroAcelerado& m) {
    m.alfa = D3(m.alfa);
    if (m.alfa > 1) m.alfa = D2(m.alfa);
    if (m.alfa > 10) m.alfa = D1(m.alfa);
    if (m.d > 1000) m.d = D0(m.d);
    if (m.at > 100) m.at = D1(m.at);
    if (m.an > 100) m.an = D1(m.an);
    if (m.an > 1000) m.an = D0(m.an);
}

} // namespace

void Tipo030_MCUA(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(v, kTemaCinematica, QStringLiteral("030"),
                        QStringLiteral("Movimiento circular uniformemente acelerado"),
                        QStringLiteral("Problemas de movimiento circular uniformemente "
                                       "acelerado (MCUA).         (4 tipos)"));
        return;
    }

    const int subTipo = SubTipo(v.Semilla, 4);
    GiroAcelerado m = Datos(g, subTipo);
    AjustaDecimales(m);

    QString inicial = TN(m.vi) + QStringLiteral("& m/s");
    QString final_ = TN(m.vf) + QStringLiteral("& m/s");
    if (g.Rnd() > 0.7) {
        inicial = TN(D2(VelocidadBorde(m.rpm0, m.r) * 3.6)) + QStringLiteral("& km/h");
        final_ = TN(D2(VelocidadBorde(m.rpm1, m.r) * 3.6)) + QStringLiteral("& km/h");
    }
    const QString radio = TextoRadio(g, m.r);

    const QString objeto = ObjetoQueGira(v.Semilla);
    const QString alfa =
        QStringLiteral("&+Bb)&-B& ") + TN(m.alfa) + QStringLiteral("& rad/s^2      ");
    // Angular, tangential and final normal accelerations: answers a) and b) of 1 and 3.
    const QString aceleraciones = QStringLiteral("&SP=10:&+Ba)&-B& ") + TN(m.alfa) +
                                  QStringLiteral("& rad/s^2      ") + QStringLiteral("&+Bb)&-B& ") +
                                  TN(m.at) + QStringLiteral("& m/s^2      ") + TN(m.an) +
                                  QStringLiteral("& m/s^2      ");

    switch (subTipo) {
    case 1:
        v.TextoEnunciado =
            objeto + QStringLiteral(" de ") + radio + QStringLiteral(" que gira a ") + TN(m.rpm0) +
            QStringLiteral("& rpm acelera durante ") + TN(m.t) +
            QStringLiteral("& s hasta alcanzar las ") + TN(m.rpm1) +
            QStringLiteral("& rpm.  Calcular:  ") +
            QStringLiteral("&+Ba)&-B& La& aceleración angular.  ") +
            QStringLiteral("&+Bb)&-B& Aceleración tangencial en el borde y la aceleración "
                           "normal final en el borde.  ") +
            QStringLiteral("&+Bc)&-B& Número de vueltas que ha dado.&LF");
        v.TextoSolucion = aceleraciones + QStringLiteral("&+Bc)&-B& ") + TN(m.N) +
                          QStringLiteral("& vueltas.&LF");
        break;
    case 2:
        v.TextoEnunciado =
            QStringLiteral("Un vehículo con ruedas de ") + radio +
            QStringLiteral(" se desplaza a ") + inicial +
            QStringLiteral(".  Si aumenta su velocidad durante ") + TN(m.t) +
            QStringLiteral(" segundos hasta alcanzar los ") + final_ +
            QStringLiteral(",  hallar:  ") +
            QStringLiteral("&+Ba)&-B& La& velocidad angular final de las ruedas en rad/s.  ") +
            QStringLiteral("&+Bb)&-B& La& aceleración angular.  ") +
            QStringLiteral("&+Bc)&-B& El& número de vueltas que han dado las ruedas.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + TN(D1(PI * m.rpm1 / 30)) +
                          QStringLiteral("& rad/s      ") + alfa + QStringLiteral("&+Bc)&-B& ") +
                          TN(m.N) + QStringLiteral("& vueltas.&LF");
        break;
    case 3:
        v.TextoEnunciado =
            objeto + QStringLiteral(" de ") + radio +
            QStringLiteral(" acelera uniformemente desde el reposo.  Cuando ha dado ") + TN(m.N) +
            QStringLiteral(" vueltas su velocidad es de ") + TN(m.rpm1) +
            QStringLiteral("& rpm.  Determinar:  ") +
            QStringLiteral("&+Ba)&-B& La& aceleración angular.  ") +
            QStringLiteral("&+Bb)&-B& La& aceleración tangencial en el borde y la aceleración "
                           "normal final en el borde.  ") +
            QStringLiteral("&+Bc)&-B& Velocidad lineal final en el borde.&LF");
        v.TextoSolucion =
            aceleraciones + QStringLiteral("&+Bc)&-B& ") + TN(m.vf) + QStringLiteral("& m/s.&LF");
        break;
    default: // 4
        v.TextoEnunciado =
            QStringLiteral("Un móvil tiene ruedas de ") + radio + QStringLiteral(" y se mueve a ") +
            inicial + QStringLiteral(".  Se le aplica un freno que lo detiene en ") + TN(m.t) +
            QStringLiteral(" segundos. Calcular:  ") +
            QStringLiteral("&+Ba)&-B& Velocidad angular inicial de las ruedas en rad/s.  ") +
            QStringLiteral("&+Bb)&-B& La& aceleración angular de frenado.  ") +
            QStringLiteral("&+Bc)&-B& Número de vueltas que dan las ruedas durante el frenado "
                           "y la distancia recorrida.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + TN(D1(PI * m.rpm0 / 30)) +
                          QStringLiteral("& rad/s      ") + alfa + QStringLiteral("&+Bc)&-B& ") +
                          TN(m.N) + QStringLiteral("& vueltas      ") + TN(m.d) +
                          QStringLiteral("& m&LF");
        break;
    }
}

} // namespace vornith::generation::XIMB_FISI_CIN
