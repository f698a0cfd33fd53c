#pragma once

// The construct drawers. Every one keeps the contract of drawer_frame.h and is reached through
// the table in construct_table.cpp (one line per opening tag).

#include "platform/surface.h"
#include "textengine/estado_motor.h"

#include <QChar>
#include <QString>

namespace vornith::textengine {

// Stands in for a construct that cannot be drawn: a construct without its closing tag, or one
// whose drawer is not there. Measures and draws the red "*ERROR*" as the construct's only part,
// with its own element number, and leaves the text colour as it found it.
void DibujaError(EstadoMotor& motor, const QString& texto, Surface& destino);

// "#RAD(", "#SQR(", "#CUR(".
void DibujaRaiz(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#TDX(", "#TDU(", "#TDD(", "#REC(", "#VEC(", "#VED(", "#SEG(", "#UDL(", "#SED(", "#AND(",
// "#ARC(", "#DOL(".
void DibujaDecoracion(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#INT(".
void DibujaIntegral(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#IMG(".
void DibujaImagen(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#UDB(".
void DibujaUDB(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#BCV(", "#BCH(", "#A3V(" to "#A9D("; the three values come from ParametrosDeAnillo.
void DibujaAnillo(EstadoMotor& motor, const QString& texto, Surface& destino, int vertices,
                  bool circulo, QChar orientacion);
// "#NES(".
void DibujaDelimitadores(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#POT(", "#EXP(".
void DibujaPotencia(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#COC(", "#DDL(".
void DibujaCociente(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#SPB(".
void DibujaSubSuper(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#ATX(".
void DibujaFlechaTexto(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#TST(".
void DibujaApilado(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#RWS(".
void DibujaFilas(EstadoMotor& motor, const QString& texto, Surface& destino);
// "#CEQ(".
void DibujaReaccion(EstadoMotor& motor, const QString& texto, Surface& destino);

} // namespace vornith::textengine
