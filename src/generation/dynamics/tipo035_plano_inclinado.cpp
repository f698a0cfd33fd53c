// Type "035": a particle on an inclined plane and other cases, graded by the problem's place
// in the collection. Sub-types 5 to 8 (inclined plane, banked curve) live here; 1 to 4 in
// tipo035_otros.cpp.

#include "generation/dynamics/rutinas.h"
#include "generation/dynamics/tipo035_comun.h"
#include "generation/listado.h"

#include <cmath>

namespace vornith::generation::XIMB_FISI_DIN {

using namespace Qt::StringLiterals;

namespace tipo035 {

namespace {

// Sub-type 1 to 8: from the seed, or, when the collection holds several problems of this type,
// from the problem's place among them, so that the collection runs from the easier cases to
// the harder ones.
int SubTipoGraduado(std::int32_t semilla, double numDelTipo, double ordenDelTipo) {
    int subTipo = SubTipo(semilla, 8);
    if (numDelTipo > 1) {
        // Compared as a double: an odd place far outside 0..100 must not overflow a cast.
        const double p = std::floor(ordenDelTipo * 100 / numDelTipo);
        if (p >= 0 && p <= 37)
            subTipo = SubTipo(semilla, 3);
        else if (p >= 38 && p <= 50)
            subTipo = 4;
        else if (p >= 51 && p <= 100)
            subTipo = SubTipo(semilla, 4) + 4;
    }
    return subTipo;
}

// The plane's forces for a mass m on a slope of alfa degrees with friction coefficient mu.
struct FuerzasPlano {
    double P;  // weight
    double Px; // weight component along the plane
    double N;  // normal force
    double Fr; // friction force
};

FuerzasPlano Fuerzas(double m, double alfa, double mu) {
    FuerzasPlano f{};
    f.P = m * kG;
    f.Px = std::sin(PI * alfa / 180) * f.P;
    f.N = std::cos(PI * alfa / 180) * f.P;
    f.Fr = mu * f.N;
    return f;
}

double Masa(Generador& g) {
    return g.Aleatorio(3, 50, 1, 1);
}
double Inclinacion(Generador& g) {
    return g.Aleatorio(25, 70, 1, 1);
}

// The drawn angle, or the classroom favourites 45, 60 and 30 degrees.
double RetocaAngulo(Generador& g, double alfa) {
    return AnguloFavorito(g, alfa, 45, 60, 30);
}

// The answers of the three plane sub-types: the acceleration, the normal and friction forces,
// and answer c).
QString SolucionFuerzas(double a, const FuerzasPlano& f, const QString& c) {
    return Respuestas(
        {TN(D3(a)) + u" m/s^2"_s, TN(D2(f.N)) + u" N      "_s + TN(D2(f.Fr)) + u" N"_s, c});
}

QString ImagenSubida() {
    return u"&SP=60:#IMG('f_din_pii.GIF'DXmm=45.6:DYmm=-22:#IMG)&LF"_s;
}

// Sub-type 5: a block slides down from the top of the plane.
void BloqueDesciende(Generador& g) {
    double m = 0, L = 0, mu = 0, alfa = 0;
    FuerzasPlano f{};
    do {
        g.Vuelta();
        m = Masa(g);
        L = g.Aleatorio(6, 90, 1, 1);
        mu = Rozamiento(g);
        alfa = RetocaAngulo(g, Inclinacion(g));
        f = Fuerzas(m, alfa, mu);
    } while (!(f.Fr < f.Px)); // a block that friction holds still does not slide
    const double a = (f.Px - f.Fr) / m;
    const double t = std::sqrt(std::fabs((L + L) / a));
    const double v = t * a;

    g.v.TextoEnunciado =
        u"Un bloque de "_s + TN(m) + u"& kg de masa se coloca en lo alto de un plano inclinado "_s +
        TN(alfa) + u"° respecto al suelo. El plano tiene una longitud de "_s + TN(L) +
        u"& m y el coeficiente de rozamiento (dinámico) entre el plano y el bloque es de "_s +
        TN(mu) + u". Calcular:&LF"_s +
        u"&+Ba)&-B& Aceleración con la que desciende."
        u"&SP=60:#IMG('f_din_pis.GIF'DXmm=49.74:DYmm=-24:#IMG)&LF"_s +
        u"&+Bb)&-B& Fuerza normal y de rozamiento.&LF"
        u"&+Bc)&-B& Tiempo y velocidad para llegar al final del plano.&LF"_s +
        LineaDato();
    g.v.TextoSolucion = SolucionFuerzas(a, f, TN(D3(t)) + u" s      "_s + TN(D2(v)) + u" m/s"_s);
}

// Sub-type 6: a block launched up the plane from its foot, until it stops.
void BloqueLanzado(Generador& g) {
    const double m = Masa(g);
    const double mu = Rozamiento(g);
    const double u = g.Aleatorio(5, 60, 1, 1);
    const double alfa = RetocaAngulo(g, Inclinacion(g));
    const FuerzasPlano f = Fuerzas(m, alfa, mu);
    const double a = (-f.Px - f.Fr) / m;
    const double t = -u / a;
    const double d = u * t / 2;

    g.v.TextoEnunciado =
        u"Lanzamos un bloque de "_s + TN(m) + u"& kg de masa a "_s + TN(u) +
        u"& m/s desde la parte inferior de un plano inclinado "_s + TN(alfa) +
        u"° respecto al suelo. El coeficiente de rozamiento dinámico entre el bloque y el "
        u"plano vale "_s +
        TN(mu) + u". Hallar:&LF"_s + u"&+Ba)&-B& Aceleración con la que se frena.&LF"_s +
        u"&+Bb)&-B& Fuerza normal y de rozamiento."_s + ImagenSubida() +
        u"&+Bc)&-B& Tiempo y distancia cuando se pare en lo alto del plano.&LF"_s + LineaDato();
    g.v.TextoSolucion = SolucionFuerzas(a, f, TN(D3(t)) + u" s      "_s + TN(D2(d)) + u" m"_s);
}

// Sub-type 7: a block pushed up the plane by a whole number of newtons parallel to it.
void BloqueEmpujado(Generador& g) {
    const double m = Masa(g);
    const double mu = Rozamiento(g);
    const double alfaDibujado = Inclinacion(g);
    const double a0 = g.Aleatorio(4, 22, 1, 1) / 2;
    const double t = g.Aleatorio(3, 15, 1, 1);
    const double alfa = RetocaAngulo(g, alfaDibujado);
    const FuerzasPlano f = Fuerzas(m, alfa, mu);
    // Just above what the target acceleration needs, so that the block does go up.
    const double F = std::floor(a0 * m + f.Fr + f.Px + 1);
    const double a = (F - f.Fr - f.Px) / m;
    const double v = t * a;
    const double d = a * 0.5 * t * t;
    const double h = d * std::sin(PI * alfa / 180);

    g.v.TextoEnunciado =
        u"Tenemos un plano inclinado "_s + TN(alfa) +
        u"° respecto al suelo. En la parte inferior se coloca un cuerpo de "_s + TN(m) +
        u"& kg que hacemos subir por el plano aplicando una fuerza de "_s + TN(F) +
        u"& N paralela al plano. El coeficiente de rozamiento dinámico entre el bloque y el "
        u"plano vale "_s +
        TN(mu) + u". Determinar:&LF"_s + u"&+Ba)&-B& Aceleración con la que sube.&LF"_s +
        u"&+Bb)&-B& Fuerza normal y de rozamiento."_s + ImagenSubida() +
        u"&+Bc)&-B& Velocidad y altura alcanzada al cabo de "_s + TN(t) + u"& s.&LF"_s +
        LineaDato();
    g.v.TextoSolucion = SolucionFuerzas(a, f, TN(D2(v)) + u" m/s      "_s + TN(D2(h)) + u" m"_s);
}

// Sub-type 8: a car on a banked curve, with and without friction.
void CurvaPeraltada(Generador& g) {
    const double mu = Rozamiento(g);
    const double alfa = g.Aleatorio(5, 45, 1, 1);
    const double R = g.Aleatorio(200, 500, 5, 1);
    const double c = std::cos(PI * alfa / 180);
    const double s = std::sin(PI * alfa / 180);
    const double vs = std::sqrt(std::tan(PI * alfa / 180) * R * kG);
    const double vr = std::sqrt((c * mu + s) * R * kG / (c - s * mu));
    const double k = g.Aleatorio(60, 90, 1, 1);
    const double vq = std::floor(vs * k / 100 + 0.5);
    const double beta = std::atan(vq * vq / R / kG) * 180 / PI;

    g.v.TextoEnunciado =
        u"Un coche toma una curva de "_s + TN(R) +
        u"& m de radio que tiene un ángulo de peralte de "_s + TN(alfa) +
        u"°. Calcular: &+Ba)&-B& La& velocidad máxima para que no derrape si:&LF"_s +
        u"   &+Ba_1)&-B& Se desprecia el rozamiento.&LF"_s +
        u"   &+Ba_2)&-B& El coeficiente de rozamiento vale "_s + TN(mu) +
        u".&SP=64:#IMG('f_din_peral.GIF'DXmm=45.6:DYmm=-22:#IMG)&LF"_s +
        u"&+Bb)&-B& Ángulo de peralte para tomarla a "_s + TN(vq) + u" m/s sin rozamiento.&LF"_s +
        LineaDato();
    g.v.TextoSolucion = u"&SP=10:&+Ba_1) &-B"_s + TN(D2(vs)) + u" m/s;      &+Ba_2)&-B "_s +
                        TN(D2(vr)) + u" m/s;      &+Bb)&-B "_s + TN(D2(beta)) + u"°.&LF"_s;
}

} // namespace

} // namespace tipo035

void Tipo035_PlanoInclinado(Generador& g) {
    if (g.v.ModoCatalogo) {
        EntradaCatalogo(
            g.v, kTemaDinamica, u"035"_s,
            u"Dinámica de una partícula (plano inclinado y otros tipos)"_s,
            u"&DPPartícula en inclinado, péndulo, ascensor, muelle, peralte...  (8 tipos)"_s);
        return;
    }
    using namespace tipo035;
    switch (SubTipoGraduado(g.v.Semilla, g.v.NumDelTipo, g.v.OrdenDelTipo)) {
    case 1:
        Despegue(g);
        break;
    case 2:
        Ascensor(g);
        break;
    case 3:
        Muelle(g);
        break;
    case 4:
        PenduloConico(g);
        break;
    case 5:
        BloqueDesciende(g);
        break;
    case 6:
        BloqueLanzado(g);
        break;
    case 7:
        BloqueEmpujado(g);
        break;
    default:
        CurvaPeraltada(g);
        break;
    }
}

} // namespace vornith::generation::XIMB_FISI_DIN
