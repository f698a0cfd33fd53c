#pragma once

// The state of one ProcesaLinea call, shared by the token loop and the inline-element
// handlers. Private to the line processor.

#include "textengine/estado_motor.h"

#include <QString>
#include <QStringView>

#include <array>

namespace vornith {
class Surface;
}

namespace vornith::textengine {

struct LineaEnCurso {
    LineaEnCurso(EstadoMotor& m, const QString& t, Surface& s)
        : motor(m), texto(t), v(t), destino(s), dibujando(m.ModoDibujo != 0) {}

    EstadoMotor& motor;
    const QString& texto;
    QStringView v;
    Surface& destino;
    const bool dibujando;

    qsizetype i = 0; // the current token's first character; handlers leave it on its last
    int b = 0;       // the number of the box this call writes
    QString fuenteEntrada;
    double S = 0; // the font size in force
    double h = 0; // text height of "Hp"
    double a = 0; // axis: 0.574 h below the top of the text
    double A = 0; // ascent in twips
    double A0 = 0;
    int clase = 1; // size class, fixed at entry
    double X0 = 0, Y0 = 0, Xt = 0, Yt = 0;
    double U = 0; // width used by text since the start or the last tab

    // Element 0 is the text run; 1..m the line's constructs.
    struct Medidas {
        double DespIzq = 0, Ancho = 0, AltoSobre = 0, Ascenso = 0, Alto = 0;
    };
    std::array<Medidas, kMaxCajasLinea + 1> cajasLinea{};
    int m = 0;
    int t = 0; // first element of cajasLinea whose width still counts

    bool guionBlando = false; // the token was "&_": a break point
};

// Inline elements (inline_elements.cpp). Each leaves `l.i` on its token's last character.
void MetricasLinea(LineaEnCurso& l);
void Caracter(LineaEnCurso& l, QChar c);
void Literal(LineaEnCurso& l, QChar c);
void Simbolo(LineaEnCurso& l, int k);
void Script(LineaEnCurso& l, bool subindice);
void PotenciaDiez(LineaEnCurso& l);
void SignoDibujado(LineaEnCurso& l, QChar clase);
void GuionBlando(LineaEnCurso& l);
void Estilo(LineaEnCurso& l);
// False when the tag has no ":" after it: the line ends there.
bool EtiquetaValor(LineaEnCurso& l);

} // namespace vornith::textengine
