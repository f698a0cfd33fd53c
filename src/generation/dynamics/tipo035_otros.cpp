// Type "035", sub-types 1 to 4: an aeroplane taking off, a body hanging in a lift, a body
// hanging from a spring and a conical pendulum.

#include "generation/dynamics/tipo035_comun.h"

#include <cmath>

namespace vornith::generation::XIMB_FISI_DIN::tipo035 {

using namespace Qt::StringLiterals;

// Sub-type 1: engine force of an aeroplane that reaches its take-off speed from rest.
void Despegue(Generador& g) {
    const double M = g.Aleatorio(15, 95, 1, 1) * 1000;
    const double a = g.Aleatorio(2, 6, 1, 1);
    const double Fn = a * M;
    const double r = g.Aleatorio(15, 35, 1, 1);
    // r per cent of the net force, in whole kN.
    const double Fr = 1000 * D0(Fn * (r / 100) / 1000);
    const double F = Fn + Fr;
    const double t = g.Aleatorio(25, 55, 2, 1);
    const double v = t * a;
    const double L = a * 0.5 * t * t;

    g.v.TextoEnunciado =
        u"Un avión con una masa de "_s + TN(M) +
        u"& kg se halla parado al comienzo de la pista de despegue. Para despegar debe "
        u"alcanzar una velocidad de "_s +
        TN(v) + u"& m/s  en "_s + TN(t) + u"& segundos. Hallar:&LF"_s +
        u"&+Ba)&-B& Aceleración que requiere.  &+Bb)&-B& Longitud de pista mínima necesaria.  "
        u"&+Bc)&-B& Fuerza de los motores si el rozamiento es de "_s +
        TN(Fr / 1000) + u"& kN.    "_s + u"&+IDato&-I:& 1& kN& =& 1000& N.&LF"_s;
    g.v.TextoSolucion =
        Respuestas({TN(a) + u" m/s^2"_s, TN(L) + u" m"_s, TN(F / 1000) + u"& kN"_s});
}

// Sub-type 2: tension of the cord that holds a body from the roof of a lift.
void Ascensor(Generador& g) {
    const double m = g.Aleatorio(3, 35, 1, 1);
    const double a1 = g.Aleatorio(4, 10, 1, 1) / 2;
    double a2 = g.Aleatorio(4, 10, 1, 1) / 2;
    const double P = m * kG;
    // Question d) must not repeat the acceleration of questions b) and c).
    if (a2 == a1) a2 = a1 + g.Aleatorio(2, 6, 1, 1) / 2;
    QString sentido = u"subida"_s;
    if (g.Rnd() > 0.5) {
        a2 = -a2;
        sentido = u"bajada"_s;
    }
    const QString verbo = g.Rnd() > 0.5 ? u"baja"_s : u"sube"_s;
    // The figure stays the same in either unit: at constant speed it does not matter.
    const QString unidad = g.Rnd() > 0.5 ? u"& km/h"_s : u"& m/s"_s;

    QString enunciado = u"Un cuerpo de "_s + TN(m) +
                        u"& kg está colgado del techo de una ascensor mediante una cuerda. "
                        u"Determinar:&LF"_s;
    const double u = g.Aleatorio(2, 25, 1, 1);
    enunciado += u"&+Ba)&-B& Tensión de la cuerda si el ascensor "_s + verbo +
                 u" con una velocidad constante de "_s + TN(u) + unidad + u".&LF"_s +
                 u"&+Bb)&-B& Tensión de la cuerda si el ascensor sube con una aceleración de "_s +
                 TN(a1) + u"& m/s^2.&LF"_s +
                 u"&+Bc)&-B& Tensión de la cuerda si el ascensor baja con aceleración de "_s +
                 TN(a1) + u"& m/s^2.&LF"_s +
                 u"&+Bd)&-B& Aceleración y sentido del movimiento si la tensión de la cuerda "
                 u"es de "_s +
                 TN(a2 * m + P) + u"& N.&LF"_s + LineaDato();
    g.v.TextoEnunciado = enunciado;
    g.v.TextoSolucion =
        Respuestas({TN(P) + u" N"_s, TN(a1 * m + P) + u" N"_s, TN(P - a1 * m) + u"& N"_s,
                    TN(std::fabs(a2)) + u" m/s^2 ("_s + sentido + u")"_s});
}

// Sub-type 3: a spring stretched by a hanging body (masses in g, stretches in cm).
void Muelle(Generador& g) {
    const double m = g.Aleatorio(300, 900, 5, 1);
    const double y = g.Aleatorio(25, 120, 1, 1);
    const double k = (m / 1000 * kG) / (y / 100);
    const double y2 = y + g.Aleatorio(20, 100, 1, 1);
    // From the unrounded constant, so the answer of c) is not worked from the one of b).
    const double m2 = y2 * k / 100 / kG * 1000;

    g.v.TextoEnunciado = u"De un muelle fijo al techo colgamos un cuerpo de "_s + TN(m) +
                         u"& g de masa. Debido a ello el muelle se estira "_s + TN(y) +
                         u"& cm. Calcular:&LF"_s +
                         u"&+Ba)&-B& Fuerza de recuperación del muelle.&LF"_s +
                         u"&+Bb)&-B& Constante elástica del muelle."
                         u"&SP=60:#IMG('F_DIN_HOOKE.GIF'DXmm=23.52:DYmm=-28:#IMG)&LF"_s +
                         u"&+Bc)&-B& Masa que tendrá un cuerpo si al colgarlo del muelle&LF"_s +
                         u"    éste se estira "_s + TN(y2) + u"& cm.&LF"_s + LineaDato();
    g.v.TextoSolucion =
        Respuestas({TN(D2(m * kG / 1000)) + u" N"_s, TN(D2(k)) + u" N/m"_s, TN(D1(m2)) + u" g"_s});
}

// Sub-type 4: a particle whirling on a cord fixed to the roof (lengths in m, shown in cm).
void PenduloConico(Generador& g) {
    const double m = g.Aleatorio(3, 35, 1, 1);
    const double L = g.Aleatorio(40, 120, 1, 1) / 100;
    const double k = g.Aleatorio(60, 90, 1, 1);
    // k per cent of the cord, cut down to whole centimetres: always shorter than the cord.
    const double r = std::floor(k * L) / 100;
    const double theta = PI / 2 - ArcoCoseno(r / L); // angle of the cord with the vertical
    const double T = m * kG / std::cos(theta);
    const double Fc = T * r / L;
    const double w = std::sqrt(T / L / m);

    g.v.TextoEnunciado =
        u"Una partícula de "_s + TN(m) + u"& kg de masa está atada a una cuerda de "_s +
        TN(L * 100) +
        u"& cm de longitud cuyo extremo está fijo a un punto del techo. La partícula gira en un "
        u"plano horizontal siguiendo una trayectoria circular de "_s +
        TN(r * 100) + u"& cm de radio. Determinar:&LF"_s +
        u"&+Ba)&-B& Tensión de la cuerda."
        u"&SP=60:#IMG('F_DIN_PENCON.GIF'DXmm=27.52:DYmm=-28:#IMG)&LF"_s +
        u"&+Bb)&-B& Velocidad angular de giro en rad/s y rpm.&LF"
        u"&+Bc)&-B& Fuerza centrípeta.&LF"_s +
        LineaDato();
    g.v.TextoSolucion = Respuestas({TN(D2(T)) + u" N"_s,
                                    TN(D2(w)) + u" rad/s = "_s + TN(D2(w * 30 / PI)) + u" rpm"_s,
                                    TN(D2(Fc)) + u" N"_s});
}

} // namespace vornith::generation::XIMB_FISI_DIN::tipo035
