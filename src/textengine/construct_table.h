#pragma once

#include "platform/surface.h"
#include "textengine/estado_motor.h"

#include <QChar>
#include <QString>
#include <QStringView>

namespace vornith::textengine {

// The common signature of the construct drawers (drawers/drawers.h).
using Dibujante = void (*)(EstadoMotor& motor, const QString& texto, Surface& destino);

// A construct the line processor recognises by its five-character opening tag; it closes with
// the same first four characters followed by ")".
struct Construccion {
    QStringView abre;
    // The line processor puts the construct's axis on the line's axis ("#COC(", "#DDL(",
    // "#SPB(", "#ATX(", "#RWS(", "#CEQ("); the others start at the top of the text.
    bool alineaEje;
    Dibujante dibuja;
};

// The construct whose opening tag begins `texto`, or null.
const Construccion* BuscaConstruccion(QStringView texto);

// The closing tag of an opening tag: "#COC(" closes with "#COC)".
QString CierreDe(QStringView abre);

// What the ring tags tell their drawer: the vertex count (the digit of "#A3V(" to "#A9D(", 6
// for "#BCV(" and "#BCH("), whether the ring has an inner circle (tags "#B..."), and the
// orientation letter (the tag's fourth character).
struct ParametrosAnillo {
    int vertices;
    bool circulo;
    QChar orientacion;
};
ParametrosAnillo ParametrosDeAnillo(QStringView abre);

} // namespace vornith::textengine
