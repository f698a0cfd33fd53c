// Type "040": two or three blocks joined by light cords over light pulleys.

#include "generation/dynamics/comun_dinamica.h"
#include "generation/dynamics/rutinas.h"
#include "generation/listado.h"
#include "generation/module_interface.h"
#include "generation/number_services.h"

#include <cmath>

namespace vornith::generation::XIMB_FISI_DIN {

namespace {

// Diagrams hung from the line after a tab to a per cent of the width, beside the lines below.
const QString kDibujoAtwood60 =
    QStringLiteral("&SP=60:#IMG('F_DIN_ATWOOD.GIF'DXmm=19.25:DYmm=-28:#IMG)");
const QString kDibujoAtwood65 =
    QStringLiteral("&SP=65:#IMG('F_DIN_ATWOOD.GIF'DXmm=19.25:DYmm=-28:#IMG)");
const QString kDibujoMesa2 =
    QStringLiteral("&SP=60:#IMG('F_DIN_ME2M.GIF'DXmm=33.46:DYmm=-22:#IMG)");
const QString kDibujoPlano2 =
    QStringLiteral("&SP=60:#IMG('F_DIN_pis2M.GIF'DXmm=45.6:DYmm=-22:#IMG)");
const QString kDibujoMesa3 =
    QStringLiteral("&SP=57:#IMG('F_DIN_ME3M.GIF'DXmm=42.93:DYmm=-22:#IMG)");

// Distance from 6 to 80 m, even.
double Distancia(Generador& g) {
    return g.Aleatorio(6, 80, 2, 1);
}

// Sub-type 1: two hanging masses, both given; the time until they are h apart.
void MaquinaAtwood(Generador& g) {
    const double m1 = g.Aleatorio(1, 9, 1, 1);
    const double m2 = m1 + g.Aleatorio(1, 9, 1, 1);
    const double a = (m2 - m1) * kG / (m2 + m1);
    const double tension = (a + kG) * m1;
    const double h = Distancia(g);
    // Each mass covers a·t²/2, so their separation grows as a·t².
    const double t = std::sqrt(h / a);

    g.v.TextoEnunciado =
        QStringLiteral("Dos bloques de masa ") + TN(m1) + QStringLiteral("& kg y ") + TN(m2) +
        QStringLiteral("& kg están unidos por una cuerda inextensible de masa despreciable "
                       "colgando verticalmente a los lados de una polea de masa también "
                       "despreciable.  Si inicialmente se encuentran a la misma altura, "
                       "calcular:&LF") +
        QStringLiteral("&+Ba)&-B& Tensión de la cuerda.") + kDibujoAtwood60 +
        QStringLiteral("&LF") +
        QStringLiteral("&+Bb)&-B& Aceleración del sistema.&LF&+Bc)&-B& Tiempo para que las "
                       "masas se separen ") +
        TN(h) + QStringLiteral(" m.&LF") + LineaDato();
    g.v.TextoSolucion =
        Respuestas({TN(D2(tension)) + QStringLiteral(" N"), TN(D2(a)) + QStringLiteral(" m/s^2"),
                    TN(D3(t)) + QStringLiteral(" s")});
}

// Sub-type 2: two hanging masses; the heavier one is found from the acceleration wanted.
void MaquinaAtwoodMasa(Generador& g) {
    const double m1 = g.Aleatorio(1, 20, 1, 1);
    const double a = g.Aleatorio(4, 14, 1, 1) / 2;
    const double tension = (a + kG) * m1;
    const double m2 = tension / (kG - a);
    const double t = g.Aleatorio(3, 12, 1, 1);
    const double desnivel = t * a * t;

    g.v.TextoEnunciado =
        QStringLiteral("Tenemos dos bloques &+Im_1&-I  y  &+Im_2&-I  siendo &+Im_1&-I& =& ") +
        TN(m1) +
        QStringLiteral("& kg.  Los bloques están unidos por una cuerda inextensible de masa "
                       "despreciable y cuelgan verticalmente a los lados de una polea de masa "
                       "igualmente despreciable.  Si inicialmente están a la misma altura, "
                       "hallar:&LF") +
        QStringLiteral("&+Ba)&-B& Masa de &+Im_2&-I para que baje con aceleración de ") + TN(a) +
        QStringLiteral(" m/s^2.") + kDibujoAtwood65 + QStringLiteral("&LF") +
        QStringLiteral("&+Bb)&-B& Tensión de la cuerda.&LF&+Bc)&-B& Diferencia de altura a "
                       "los ") +
        TN(t) + QStringLiteral(" s.&LF") + LineaDato();
    g.v.TextoSolucion =
        Respuestas({TN(D2(m2)) + QStringLiteral(" kg"), TN(D2(tension)) + QStringLiteral(" N"),
                    TN(D3(desnivel)) + QStringLiteral(" m")});
}

// Result of a block pulled by a hanging one (sub-types 3 and 4).
struct Arrastre {
    double a = 0;
    double fr = 0;
    double tension = 0;
    double h = 0;
    double t = 0;
};

// The end shared by sub-types 3 and 4: the distance the hanging block falls, from rest.
void CompletaArrastre(Generador& g, Arrastre& r) {
    r.h = Distancia(g);
    r.t = std::sqrt((r.h + r.h) / r.a);
}

// Questions a) to c) of sub-types 3 and 4, with the diagram beside b), and the data line.
QString PreguntasArrastre(const QString& dibujo, const Arrastre& r) {
    return QStringLiteral("&+Ba)&-B& Aceleración de las masas y fuerza de rozamiento.&LF") +
           QStringLiteral("&+Bb)&-B& Tensión de la cuerda.") + dibujo + QStringLiteral("&LF") +
           QStringLiteral("&+Bc)&-B& Tiempo para que el bloque 2 baje ") + TN(r.h) +
           QStringLiteral(" m.&LF") + LineaDato();
}

QString SolucionArrastre(const Arrastre& r) {
    return Respuestas(
        {TN(D2(r.a)) + QStringLiteral(" m/s^2;      ") + TN(D2(r.fr)) + QStringLiteral(" N"),
         TN(D2(r.tension)) + QStringLiteral(" N"), TN(D3(r.t)) + QStringLiteral(" s")});
}

// Sub-type 3: m1 on a table with friction, pulled by m2 hanging over the edge.
void MesaDosMasas(Generador& g) {
    double m1 = 0;
    double m2 = 0;
    double mu = 0;
    Arrastre r;
    do {
        g.Vuelta();
        m1 = g.Aleatorio(1, 9, 1, 1);
        m2 = m1 + g.Aleatorio(3, 9, 1, 1);
        mu = Rozamiento(g);
        const double n1 = m1 * kG;
        r.fr = mu * n1;
        r.a = (m2 * kG - r.fr) / (m2 + m1);
    } while (!(r.a > 1));
    r.tension = r.a * m1 + r.fr;
    CompletaArrastre(g, r);

    g.v.TextoEnunciado =
        QStringLiteral("Un bloque &+Im_1&-I de ") + TN(m1) +
        QStringLiteral("& kg se halla en reposo sobre una mesa y está unido con una cuerda "
                       "inextensible de masa despreciable a otro bloque &+Im_2&-I de ") +
        TN(m2) +
        QStringLiteral("& kg que cuelga verticalmente por el borde de la mesa.  El "
                       "coeficiente de rozamiento dinámico entre la mesa y el bloque 1 vale ") +
        TN(mu) + QStringLiteral(".  Determinar:&LF") + PreguntasArrastre(kDibujoMesa2, r);
    g.v.TextoSolucion = SolucionArrastre(r);
}

// Sub-type 4: m1 on an inclined plane with friction, pulled up by m2 hanging over the top.
void PlanoInclinadoDosMasas(Generador& g) {
    double m1 = 0;
    double m2 = 0;
    double alfa = 0;
    double mu = 0;
    Arrastre r;
    do {
        g.Vuelta();
        m1 = g.Aleatorio(1, 9, 1, 1);
        m2 = m1 + g.Aleatorio(3, 15, 1, 1);
        alfa = AnguloFavorito(g, g.Aleatorio(20, 60, 1, 1), 60, 45, 30);
        mu = Rozamiento(g);
        const double px = m1 * kG * std::sin(alfa * PI / 180);
        const double n1 = m1 * kG * std::cos(alfa * PI / 180);
        r.fr = mu * n1;
        r.a = (m2 * kG - r.fr - px) / (m2 + m1);
    } while (!(r.a > 1));
    r.tension = (kG - r.a) * m2;
    CompletaArrastre(g, r);

    g.v.TextoEnunciado =
        QStringLiteral("Se dispone de un bloque &+Im_1&-I de ") + TN(m1) +
        QStringLiteral("& kg en reposo sobre un plano inclinado ") + TN(alfa) +
        QStringLiteral("° sobre el suelo. El bloque 1 está unido con una cuerda inextensible "
                       "de masa despreciable a otro bloque &+Im_2&-I de ") +
        TN(m2) +
        QStringLiteral("& kg que cuelga verticalmente por el borde del plano.  El coeficiente "
                       "de rozamiento dinámico entre el plano y el bloque 1 vale ") +
        TN(mu) + QStringLiteral(".  Hallar:&LF") + PreguntasArrastre(kDibujoPlano2, r);
    g.v.TextoSolucion = SolucionArrastre(r);
}

// Sub-type 5: m2 on a table between m1 and m3 hanging at either side; m3 outweighs the rest.
void MesaTresMasas(Generador& g) {
    double m1 = 0;
    double m2 = 0;
    double m3 = 0;
    double mu = 0;
    double fr = 0;
    double a = 0;
    do {
        g.Vuelta();
        m1 = g.Aleatorio(1, 9, 1, 1);
        m2 = g.Aleatorio(2, 9, 1, 1);
        m3 = (m2 + m1) + g.Aleatorio(3, 9, 1, 1);
        mu = Rozamiento(g);
        const double n2 = m2 * kG;
        fr = mu * n2;
        a = (m3 * kG - fr - m1 * kG) / (m2 + m1 + m3);
    } while (!(a > 1));
    const double t1 = (a + kG) * m1;
    const double t3 = (kG - a) * m3;

    g.v.TextoEnunciado =
        QStringLiteral("Sobre una mesa se encuentra un bloque &+Im_2&-I de ") + TN(m2) +
        QStringLiteral("& kg que se halla unido mediante dos cuerdas inexten&_sibles y de "
                       "masa despreciable a otros dos bloques &+Im_1&-I de ") +
        TN(m1) + QStringLiteral("& kg y &+Im_3&-I de ") + TN(m3) +
        QStringLiteral("& kg que cuelgan ver&_ti&_cal&_mente a cada lado de la mesa.  El "
                       "coeficiente de rozamiento dinámico entre la mesa y el bloque& 2 es ") +
        TN(mu) + QStringLiteral(".  Calcular:&LF") +
        QStringLiteral("&+Ba)&-B& Fuerza de rozamiento.&LF") +
        QStringLiteral("&+Bb)&-B& Aceleración del movimiento.") + kDibujoMesa3 +
        QStringLiteral("&LF") + QStringLiteral("&+Bc)&-B& Tensión de las cuerdas.&LF") +
        LineaDato();
    g.v.TextoSolucion =
        Respuestas({TN(D2(fr)) + QStringLiteral(" N"), TN(D2(a)) + QStringLiteral(" m/s^2"),
                    TN(D2(t1)) + QStringLiteral(" N;      ") + TN(D2(t3)) + QStringLiteral(" N")});
}

} // namespace

void Tipo040_VariasParticulas(Generador& g) {
    if (g.v.ModoCatalogo) {
        EntradaCatalogo(g.v, kTemaDinamica, QStringLiteral("040"),
                        QStringLiteral("Dinámica de varias partículas"),
                        QStringLiteral("Partículas unidas por cuerdas y poleas en planos "
                                       "inclinados, horizontales, ... (5 tipos)"));
        return;
    }
    switch (SubTipo(g, 5)) {
    case 1:
        MaquinaAtwood(g);
        break;
    case 2:
        MaquinaAtwoodMasa(g);
        break;
    case 3:
        MesaDosMasas(g);
        break;
    case 4:
        PlanoInclinadoDosMasas(g);
        break;
    default:
        MesaTresMasas(g);
        break;
    }
}

} // namespace vornith::generation::XIMB_FISI_DIN
