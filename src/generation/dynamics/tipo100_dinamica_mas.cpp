// Type "100": dynamics of simple harmonic motion, a mass on a spring (sub-types 1 to 6) and a
// simple pendulum (7 and 8). Every number is written with four significant figures.

#include "generation/dynamics/comun_dinamica.h"
#include "generation/dynamics/rutinas.h"
#include "generation/listado.h"
#include "generation/movimiento_armonico.h"

#include <QStringList>

namespace vornith::generation::XIMB_FISI_DIN {

using namespace Qt::StringLiterals;

namespace {

// One motion: every quantity of it follows from the drawn amplitude, mass and period.
struct MovimientoMAS {
    double A = 0;  // amplitude, m
    double m = 0;  // mass, g
    double T = 0;  // period, s
    double f = 0;  // frequency, Hz
    double w = 0;  // angular frequency, rad/s
    double k = 0;  // spring constant, N/m
    double Lp = 0; // length of the pendulum with this period, m

    // Highest speed and highest force.
    double vm() const { return w * A; }
    double Fm() const { return A * k; }
};

MovimientoMAS SorteaMovimiento(Generador& g) {
    MovimientoMAS s;
    s.A = SorteaAmplitud(g);
    s.m = g.Aleatorio(20, 4000, 10, 1) / 10;
    s.T = SorteaPeriodo(g);
    s.f = 1 / s.T;
    s.w = (PI + PI) * s.f;
    s.k = s.w * s.w * s.m / 1000;
    s.Lp = s.T * s.T * kG / 4 / (PI * PI);
    return s;
}

// The equation of the elongation and the sentence that tells where the motion starts.
struct Ecuacion {
    QString texto;
    QString condicion;
};

Ecuacion EscribeEcuacion(Generador& g, const MovimientoMAS& s) {
    const FaseInicial inicio = SorteaFaseInicial(g);
    return {TextoElongacion(s.A, s.w, inicio.fase), inicio.condicion};
}

// A problem's texts: the opening sentences, the questions a), b)... and their answers.
struct Textos {
    QString entrada;
    QStringList preguntas;
    QStringList respuestas;
};

const QString kEcuacionPedida = u"Ecuación de la elongación en función del tiempo."_s;
const QString kConstantePedida = u"Constante elástica del muelle."_s;
const QString kFuerzaPedida = u"Fuerza máxima sobre el objeto."_s;

Textos TextosDelSubTipo(Generador& g, int subTipo, const MovimientoMAS& s, const Ecuacion& e) {
    const QString& E = e.texto;
    const QString& c = e.condicion;
    switch (subTipo) {
    case 1:
        return {u"Una masa de "_s + C4(s.m) +
                    u"& g está unida a un muelle y realiza un movimiento armónico simple con "
                    u"una amplitud de "_s +
                    C4(s.A) + u"& m y un periodo de "_s + C4(s.T) + u"& s. "_s +
                    u"Si en el instante inicial "_s + c + u", calcular:&LF"_s,
                {kConstantePedida, kEcuacionPedida, u"Fuerza máxima."_s},
                {C4(s.k) + u" N/m"_s, E, C4(s.Fm()) + u" N"_s}};
    case 2:
        return {u"La constante elástica de un muelle vale "_s + C4(s.k) +
                    u"& N/m. Se coloca una masa al muelle y éste realiza un movimiento armónico "
                    u"simple de "_s +
                    C4(s.A) + u"& m de amplitud con una frecuencia de "_s + C4(s.f) + u"& Hz. "_s +
                    u"Cuando se inicia el movimiento "_s + c + u", determinar:&LF"_s,
                {u"El valor de la masa."_s, kEcuacionPedida, u"Fuerza máxima."_s},
                {C4(s.m) + u" g"_s, E, C4(s.Fm()) + u" N"_s}};
    case 3:
        return {u"Un objeto de "_s + C4(s.m) +
                    u"& g de masa está unido a un muelle cuya constante elástica es de "_s +
                    C4(s.k) +
                    u"& N/m. Se hace vibrar el sistema con un movimiento armónico simple de "_s +
                    C4(s.A) + u"& m de amplitud. "_s + u"Para el instante inicial "_s + c +
                    u", hallar:&LF"_s,
                {u"Frecuencia del movimiento."_s, kEcuacionPedida, u"Velocidad máxima."_s},
                {C4(s.f) + u" Hz"_s, E, C4(s.vm()) + u" m/s"_s}};
    case 4:
        return {u"Tenemos un cuerpo de "_s + C4(s.m) +
                    u"& g de masa unido a un muelle. Se hace oscilar el sistema con un "
                    u"movimiento armónico simple que tiene una amplitud de "_s +
                    C4(s.A) + u"& m y una velocidad de "_s + C4(s.vm()) +
                    u"& m/s en el punto de equilibrio. "_s + u"Cuando el tiempo es nulo, "_s + c +
                    u", calcular:&LF"_s,
                {u"Periodo del movimiento."_s, kConstantePedida, kEcuacionPedida},
                {C4(s.T) + u" s"_s, C4(s.k) + u" N/m"_s, E}};
    case 5:
        return {u"Un objeto de "_s + C4(s.m) +
                    u"& g de masa se encuentra unido a un muelle realizando un movimiento "
                    u"armónico simple que tiene una frecuencia de "_s +
                    C4(s.f) + u"& Hz con una velocidad máxima de "_s + C4(s.vm()) + u"& m/s. "_s +
                    u"Si inicialmente "_s + c + u", determinar:&LF"_s,
                {u"Amplitud."_s, kConstantePedida, kEcuacionPedida, kFuerzaPedida},
                {C4(s.A) + u" m"_s, C4(s.k) + u" N/m"_s, E, C4(s.Fm()) + u" N"_s}};
    case 6:
        return {u"Un cuerpo de "_s + C4(s.m) +
                    u"& g de masa está unido a un muelle que realiza un movimiento armónico "
                    u"simple cuya elongación viene dada por "_s +
                    E + u" en unidades del S.I. Hallar:&LF"_s,
                {kConstantePedida, u"Velocidad máxima."_s, kFuerzaPedida},
                {C4(s.k) + u" N/m"_s, C4(s.vm()) + u" m/s"_s, C4(s.Fm()) + u" N"_s}};
    case 7: {
        const double xc = SorteaElongacion(g, s.A);
        const double vc = VelocidadEnElongacion(s.A, s.w, xc);
        return {
            u"Un péndulo simple oscila con un movimiento armónico simple según la "
            u"expresión "_s +
                E + u" en unidades del S.I. Siendo &+Ig&-I& =& 9&.8& m/s^2, calcular:&LF"_s,
            {u"Frecuencia."_s, u"Longitud de la varilla del péndulo."_s,
             u"Velocidad de la &+Ilenteja&-I cuando la elongación es de "_s + C4(xc) + u" m."_s},
            {C4(s.f) + u" Hz"_s, C4(s.Lp) + u" m"_s, C4(vc) + u" m/s"_s}};
    }
    default:
        return {u"La varilla de un péndulo simple mide "_s + C4(s.Lp) +
                    u"& m de longitud. El péndulo oscila con un movimiento armónico simple de "_s +
                    C4(s.A) + u"& m de amplitud. "_s + u"Si inicialmente "_s + c +
                    u" y siendo &+Ig&-I& =& 9&.8& m/s^2, determinar:&LF"_s,
                {u"Periodo."_s, kEcuacionPedida,
                 u"Velocidad máxima de oscilación de la &+Ilenteja&-I."_s},
                {C4(s.T) + u" s"_s, E, C4(s.vm()) + u" m/s"_s}};
    }
}

// Questions one to a line, indented, with bold letters a), b)...
QString Enunciado(const Textos& t) {
    QString texto = t.entrada;
    for (qsizetype i = 0; i < t.preguntas.size(); ++i)
        texto += u"    &+B"_s + QChar(char16_t(u'a' + i)) + u")&-B "_s + t.preguntas[i] + u"&LF"_s;
    return texto;
}

// Answers on one line after the tab mark, separated by semicolons.
QString Solucion(const Textos& t) {
    QString texto = u"&SP=10:"_s;
    for (qsizetype i = 0; i < t.respuestas.size(); ++i) {
        texto += (i == 0 ? u" &+B"_s : u";    &+B"_s) + QChar(char16_t(u'a' + i)) + u")&-B "_s +
                 t.respuestas[i];
    }
    return texto + u".&LF"_s;
}

} // namespace

void Tipo100_DinamicaMAS(Generador& g) {
    if (g.v.ModoCatalogo) {
        EntradaCatalogo(
            g.v, kTemaDinamica, u"100"_s, u"Dinámica del movimiento armónico simple"_s,
            u"Dinámica del M.A.S. para muelles y péndulos: Elongación, velocidad, frecuencia, "
            u"masa, constante elástica, longitud del péndulo... (8 tipos)"_s);
        return;
    }
    const int subTipo = SubTipo(g, 8);
    const bool pendulo = subTipo >= 7;
    MovimientoMAS s;
    for (;;) {
        g.Vuelta();
        s = SorteaMovimiento(g);
        // A pendulum swings harmonically only for a small amplitude against its length.
        if (!pendulo || 0.2 * s.Lp >= s.A) break;
    }
    const Ecuacion e = EscribeEcuacion(g, s);
    const Textos t = TextosDelSubTipo(g, subTipo, s, e);
    g.v.TextoEnunciado = Enunciado(t);
    g.v.TextoSolucion = Solucion(t);
}

} // namespace vornith::generation::XIMB_FISI_DIN
