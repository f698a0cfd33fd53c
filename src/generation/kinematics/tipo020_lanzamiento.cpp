// Type 020: horizontal launch from a height, oblique launch from the ground and from a height.

#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

#include <cmath>

namespace vornith::generation::XIMB_FISI_CIN {

void Tipo020_Lanzamiento(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(v, kTemaCinematica, QStringLiteral("020"),
                        QStringLiteral("Lanzamiento horizontal y oblicuo"),
                        QStringLiteral("Problemas de movimiento en dos dimensiones: "
                                       "Lanzamiento horizontal y lanzamiento oblicuo. "
                                       "(3 tipos)"));
        return;
    }

    const int subTipo = SubTipo(g, 3);
    double vx = 0;
    double vy = 0;
    double h = 0;
    double v0 = 0;
    double angulo = 0;
    double tiempoVuelo = 0;
    double tiempoSubida = 0;
    double alcance = 0;
    double alturaMaxima = 0;
    double impacto = 0;
    switch (subTipo) {
    case 1:
        vx = g.Aleatorio(10, 400, 10, 1);
        h = g.Aleatorio(20, 350, 5, 1);
        tiempoVuelo = std::sqrt(2 * h / 9.8);
        alcance = D1(tiempoVuelo * vx);
        tiempoVuelo = D2(tiempoVuelo);
        vy = 9.8 * tiempoVuelo;
        impacto = D2(std::sqrt(vx * vx + vy * vy));
        break;
    case 2: {
        v0 = g.Aleatorio(10, 400, 10, 1);
        angulo = g.Aleatorio(20, 70, 5, 1);
        const double radianes = PI * angulo / 180;
        vx = v0 * std::cos(radianes);
        vy = v0 * std::sin(radianes);
        tiempoSubida = vy / 9.8;
        tiempoVuelo = 2 * tiempoSubida;
        alcance = D1(tiempoVuelo * vx);
        alturaMaxima = D1(tiempoSubida * vy / 2);
        tiempoVuelo = D2(tiempoVuelo);
        tiempoSubida = D2(tiempoSubida);
        break;
    }
    default: {
        v0 = g.Aleatorio(10, 400, 10, 1);
        h = g.Aleatorio(20, 350, 5, 1);
        angulo = g.Aleatorio(20, 70, 5, 1);
        const double radianes = PI * angulo / 180;
        vx = v0 * std::cos(radianes);
        vy = v0 * std::sin(radianes);
        tiempoSubida = vy / 9.8;
        alturaMaxima = D1(tiempoSubida * vy / 2) + h;
        tiempoVuelo = (std::sqrt(vy * vy + 19.6 * h) + vy) / 9.8;
        const double vyFinal = vy - 9.8 * tiempoVuelo;
        impacto = D2(std::sqrt(vyFinal * vyFinal + vx * vx));
        alcance = D1(tiempoVuelo * vx);
        tiempoSubida = D2(tiempoSubida);
        break;
    }
    }

    // Wording: every draw is made whatever the sub-type, so the sequence stays the same.
    QString objeto = QStringLiteral("una piedra");
    if (g.Rnd() > 0.7) objeto = QStringLiteral("un objeto");
    if (g.Rnd() > 0.7) objeto = QStringLiteral("una bola");
    if (subTipo == 1) objeto = QStringLiteral("una piedra");
    QString lugar = QStringLiteral("un acantilado");
    QString superficie = QStringLiteral("mar");
    if (g.Rnd() > 0.7) {
        lugar = QStringLiteral("un edificio");
        superficie = QStringLiteral("suelo");
    }
    if (g.Rnd() > 0.7) {
        lugar = QStringLiteral("una torre");
        superficie = QStringLiteral("suelo");
    }

    switch (subTipo) {
    case 1:
        v.TextoEnunciado =
            QStringLiteral("Desde lo alto de ") + lugar + QStringLiteral(" de ") + TextoNumero(h) +
            QStringLiteral("& m de altura sobre el ") + superficie + QStringLiteral(" se lanza ") +
            objeto + QStringLiteral(" horizontalmente con una velocidad de ") + TextoNumero(vx) +
            QStringLiteral("& m/s.  Hallar:  ") +
            QStringLiteral("&+Ba)&-B& Tiempo para llegar al ") + superficie +
            QStringLiteral(".  ") + QStringLiteral("&+Bb)&-B& Alcance máximo horizontal.  ") +
            QStringLiteral("&+Bc)&-B& Módulo de la velocidad en el punto de impacto.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + TextoNumero(tiempoVuelo) +
                          QStringLiteral("& s      ") + QStringLiteral("&+Bb)&-B& ") +
                          TextoNumero(alcance) + QStringLiteral("& m      ") +
                          QStringLiteral("&+Bc)&-B& ") + TextoNumero(impacto) +
                          QStringLiteral("& m/s.&LF");
        break;
    case 2:
        v.TextoEnunciado = QStringLiteral("Se lanza ") + objeto +
                           QStringLiteral(" desde el suelo a ") + TextoNumero(v0) +
                           QStringLiteral("& m/s formando un ángulo de ") + TextoNumero(angulo) +
                           QStringLiteral("º con la horizontal. Calcular:  ") +
                           QStringLiteral("&+Ba)&-B& Tiempo para que alcance la altura máxima.  ") +
                           QStringLiteral("&+Bb)&-B& Altura máxima.  ") +
                           QStringLiteral("&+Bc)&-B& Tiempo para el alcance máximo horizontal.  ") +
                           QStringLiteral("&+Bd)&-B& Alcance máximo horizontal.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + TextoNumero(tiempoSubida) +
                          QStringLiteral("& s      ") + QStringLiteral("&+Bb)&-B& ") +
                          TextoNumero(alturaMaxima) + QStringLiteral("& m      ") +
                          QStringLiteral("&+Bc)&-B& ") + TextoNumero(tiempoVuelo) +
                          QStringLiteral("& s      ") + QStringLiteral("&+Bd)&-B& ") +
                          TextoNumero(alcance) + QStringLiteral("& m.&LF");
        break;
    default:
        v.TextoEnunciado =
            QStringLiteral("Desde una altura de ") + TextoNumero(h) +
            QStringLiteral("& m se lanza ") + objeto + QStringLiteral(" a ") + TextoNumero(v0) +
            QStringLiteral("& m/s formando un ángulo de ") + TextoNumero(angulo) +
            QStringLiteral("º con la horizontal. Determinar:  ") +
            QStringLiteral("&+Ba)&-B& Tiempo para que alcance la altura máxima.  ") +
            QStringLiteral("&+Bb)&-B& Altura máxima medida desde el suelo.  ") +
            QStringLiteral("&+Bc)&-B& Alcance máximo horizontal.  ") +
            QStringLiteral("&+Bd)&-B& Módulo de la velocidad al llegar al suelo.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B& ") + TextoNumero(tiempoSubida) +
                          QStringLiteral("& s      ") + QStringLiteral("&+Bb)&-B& ") +
                          TextoNumero(alturaMaxima) + QStringLiteral("& m      ") +
                          QStringLiteral("&+Bc)&-B& ") + TextoNumero(alcance) +
                          QStringLiteral("& m      ") + QStringLiteral("&+Bd)&-B& ") +
                          TextoNumero(impacto) + QStringLiteral("& m/s.&LF");
        break;
    }
}

} // namespace vornith::generation::XIMB_FISI_CIN
