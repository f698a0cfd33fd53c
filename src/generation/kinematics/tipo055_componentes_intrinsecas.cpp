// Type "055": tangential and normal acceleration as exact functions of t, and the radius of
// curvature at one instant, for r(t) = (B t^2 + D) i + (C t^3 + E) j.

#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

const QString kT = QStringLiteral("&+It&-I");

// a2 t^2 + a1 t + a0.
QString P(double a2, double a1, double a0) {
    return TextoPolinomio(0, 0, a2, a1, a0, kT);
}

// a3 t^3 + a0.
QString P3(double a3, double a0) {
    return TextoPolinomio(0, a3, 0, 0, a0, kT);
}

QString EntreParentesisSi(bool parentesis, const QString& s) {
    return parentesis ? u'(' + s + u')' : s;
}

// Whole values held as doubles: exact at these sizes, and a failed draw stays a value that
// the text services refuse instead of an undefined conversion.
bool Multiplo(double a, double k) {
    return std::fmod(a, k) == 0;
}

// A fraction whose denominator is the root of Sr t^2 + Rr. Dividing the radicand by k^2 and
// every numerator coefficient by k keeps its value, since sqrt(k^2 u) = k sqrt(u).
struct FraccionConRaiz {
    double Rr = 0, Sr = 0;

    // Cancels 2 twice, then 3, then 5, each where radicand and numerator allow it.
    void Simplifica(std::initializer_list<double*> numerador) {
        for (const double k : {2.0, 2.0, 3.0, 5.0}) {
            bool divisible = Multiplo(Rr, k * k) && Multiplo(Sr, k * k);
            for (const double* n : numerador)
                divisible = divisible && Multiplo(*n, k);
            if (!divisible) continue;
            Rr /= k * k;
            Sr /= k * k;
            for (double* n : numerador)
                *n /= k;
        }
    }

    QString Texto(const QString& nombre, const QString& numerador) const {
        return QStringLiteral("&+I&+Ba&-I&-B_") + nombre + QStringLiteral("& =& #COC(") +
               numerador + QStringLiteral("#N)(#SQR(") + P(Sr, 0, Rr) +
               QStringLiteral("#SQR)#COC)");
    }
};

FraccionConRaiz Radicando(double b, double c) {
    return {4 * b * b, 9 * c * c};
}

// a_t = (18 C^2 t^2 + 4 B^2) / sqrt(9 C^2 t^2 + 4 B^2)
QString TextoTangencial(double b, double c) {
    FraccionConRaiz f = Radicando(b, c);
    double Pn = 4 * b * b;
    double Qn = 18 * c * c;
    f.Simplifica({&Pn, &Qn});
    return f.Texto(QStringLiteral("t"), P(Qn, 0, Pn));
}

// a_n = 6 B C t / sqrt(9 C^2 t^2 + 4 B^2)
QString TextoNormal(double b, double c) {
    FraccionConRaiz f = Radicando(b, c);
    double Nn = 6 * b * c;
    f.Simplifica({&Nn});
    return f.Texto(QStringLiteral("n"), P(0, Nn, 0));
}

// Two decimals up to 100 m, one up to 1000 m, whole metres beyond.
double RadioRedondeado(double rho) {
    double r = D2(rho);
    if (r > 100) r = D1(rho);
    if (r > 1000) r = D0(rho);
    return r;
}

} // namespace

void Tipo055_ComponentesIntrinsecas(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(
            v, kTemaCinematica, QStringLiteral("055"),
            QStringLiteral("Componentes intrínsecas de la aceleración"),
            QStringLiteral(
                "Cálculo de las componentes tangencial y normal de la aceleración a partir del "
                "vector de posición. (1 tipo)"));
        return;
    }

    const double B = g.Aleatorio(1, 7, 1, 1);
    const double C = g.Aleatorio(1, 6, 1, 1);
    double D = g.Aleatorio(-12, 20, 1, 0);
    double E = g.Aleatorio(-12, 20, 1, 1);
    if (g.Rnd() > 0.7) D = 0;
    if (g.Rnd() > 0.7) E = 0;
    const double T = g.Aleatorio(1, 4, 1, 1);

    QString textoX = EntreParentesisSi(D != 0, P(B, 0, D));
    QString textoY = EntreParentesisSi(E != 0, P3(C, E));
    if (g.Rnd() > 0.5) std::swap(textoX, textoY);
    const QString posicion = QStringLiteral("#VED(&+B&+Ir&-I&-B#VED)(&+It&-I)& =& ") +
                             TextoVector(0, 0, 0, textoX, textoY, QString());

    const double rho = T * std::pow(std::sqrt(9 * C * C * T * T + 4 * B * B), 3) / 6 / B / C;

    const QString cuerpos[] = {QStringLiteral("una partícula"), QStringLiteral("un móvil"),
                               QStringLiteral("un objeto")};
    const QString cuerpo = cuerpos[RestoSemilla(g, 3)];

    v.TextoEnunciado =
        QStringLiteral("La posición de ") + cuerpo + QStringLiteral(" viene dada por  ") +
        posicion + QStringLiteral("  en unidades del SI. Calcular:  ") +
        QStringLiteral("&+Ba)&-B& La& componente de la aceleración tangencial instantánea.  ") +
        QStringLiteral("&+Bb)&-B& La& componente de la aceleración normal instantánea.  ") +
        QStringLiteral("&+Bc)&-B& El& radio de curvatura para el instante &+It&-I& =& ") +
        TextoNumero(T) + QStringLiteral("& s.&LF");
    v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + TextoTangencial(B, C) +
                      QStringLiteral("      ") + QStringLiteral("&+Bb)&-B& ") + TextoNormal(B, C) +
                      QStringLiteral("      ") + QStringLiteral("&+Bc)&-B& ") +
                      TextoNumero(RadioRedondeado(rho)) + QStringLiteral("& m.&LF");
}

} // namespace vornith::generation::XIMB_FISI_CIN
