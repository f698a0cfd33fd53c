// Type 010: speed, distance and time at constant speed, and speed in several units.

#include "generation/kinematics/rutinas.h"
#include "generation/listado.h"
#include "generation/number_services.h"

namespace vornith::generation::XIMB_FISI_CIN {

namespace {

const QLatin1String kSeparador(",      ");

} // namespace

void Tipo010_CalculosBasicos(Generador& g) {
    InterfazModulo& v = g.v;
    if (v.ModoCatalogo) {
        EntradaCatalogo(v, kTemaCinematica, QStringLiteral("010"),
                        QStringLiteral("Cálculos básicos y cambio de unidades"),
                        QStringLiteral("Cálculos sencillos con velocidad, espacio y tiempo. "
                                       "Expresión de la velocidad en varias unidades. "
                                       "(4 tipos)"));
        return;
    }

    const int subTipo = SubTipo(g, 4);
    double velocidad = 0;
    double tiempo = 0;
    double distancia = 0;
    double unidad = 0;
    if (subTipo == 1) {
        velocidad = g.Aleatorio(15, 275, 5, 1);
        unidad = g.Aleatorio(1, 4, 1, 1);
    } else {
        do {
            g.Vuelta();
            velocidad = g.Aleatorio(15, 275, 5, 1);
            tiempo = g.Aleatorio(30, 660, 30, 1);
            distancia = velocidad * tiempo;
        } while (distancia >= 10000);
    }
    const QString s1 = TextoNumero(velocidad) + QLatin1String("& m/s");
    const QString s2 = TextoNumero(3.6 * velocidad) + QLatin1String("& km/h");
    const QString s3 = TextoNumero(100 * velocidad) + QLatin1String("& cm/s");
    const QString s4 = TextoNumero(60 * velocidad) + QLatin1String("& m/min");

    QString cuerpo;
    switch (RestoSemilla(g, 3)) {
    case 0:
        cuerpo = QStringLiteral("Una partícula");
        break;
    case 1:
        cuerpo = QStringLiteral("Un móvil");
        break;
    default:
        cuerpo = QStringLiteral("Un objeto");
        break;
    }

    switch (subTipo) {
    case 1: {
        QString dada;
        QString pedidas;
        QString respuestas;
        switch (static_cast<int>(unidad)) {
        case 1:
            dada = s1;
            pedidas = QStringLiteral("km/h,  cm/s  y  m/min");
            respuestas = s2 + kSeparador + s3 + kSeparador + s4;
            break;
        case 2:
            dada = s2;
            pedidas = QStringLiteral("m/s,  cm/s  y  m/min");
            respuestas = s1 + kSeparador + s3 + kSeparador + s4;
            break;
        case 3:
            dada = s3;
            pedidas = QStringLiteral("km/h,  m/s  y  m/min");
            respuestas = s2 + kSeparador + s1 + kSeparador + s4;
            break;
        default:
            dada = s4;
            pedidas = QStringLiteral("km/h,  cm/s  y  m/s");
            respuestas = s2 + kSeparador + s3 + kSeparador + s1;
            break;
        }
        v.TextoEnunciado = cuerpo + QStringLiteral(" se desplaza con una velocidad de ") + dada +
                           QStringLiteral(".  Calcular esta velocidad en ") + pedidas +
                           QStringLiteral(".&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:") + respuestas + QStringLiteral(".&LF");
        break;
    }
    case 2:
        v.TextoEnunciado = cuerpo + QStringLiteral(" se mueve a una velocidad de ") + s1 +
                           QStringLiteral(".  Determinar:  ") +
                           QStringLiteral("&+Ba)&-B& La& velocidad en km/h.  ") +
                           QStringLiteral("&+Bb)&-B& La& distancia recorrida al cabo de ") +
                           TextoNumero(tiempo / 60) + QStringLiteral("& minutos.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B ") + s2 +
                          QStringLiteral(",      &+Bb)&-B ") + TextoNumero(distancia) +
                          QStringLiteral("& m.&LF");
        break;
    case 3:
        v.TextoEnunciado = cuerpo + QStringLiteral(" ha recorrido ") + TextoNumero(distancia) +
                           QStringLiteral("& metros en ") + TextoNumero(tiempo) +
                           QStringLiteral("& segundos.  Hallar su velocidad en  cm/s  y en  "
                                          "m/min.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:") + s3 + kSeparador + s4 + QStringLiteral(".&LF");
        break;
    default:
        v.TextoEnunciado = QStringLiteral("Tenemos ") + cuerpo.toLower() +
                           QStringLiteral(" cuya velocidad es de ") + s2 +
                           QStringLiteral(".  Calcular:  ") +
                           QStringLiteral("&+Ba)&-B& Su& velocidad en m/s.  ") +
                           QStringLiteral("&+Bb)&-B& El& tiempo necesario para que recorra ") +
                           TextoNumero(distancia) + QStringLiteral("& metros.&LF");
        v.TextoSolucion = QStringLiteral("&SP=10:&+Ba)&-B ") + s1 +
                          QStringLiteral(",      &+Bb)&-B ") + TextoNumero(tiempo) +
                          QStringLiteral("& s.&LF");
        break;
    }
}

} // namespace vornith::generation::XIMB_FISI_CIN
