#include "document/nucleo.h"

#include "generation/me_norv.h"
#include "textengine/markup.h"

namespace vornith::document {

namespace {

textengine::EstadoMotor& Arranca(textengine::EstadoMotor& motor, const ServiciosPlataforma& s) {
    textengine::FijaNotacion(motor.notacion);
    textengine::IniciaMotor(motor);
    motor.pictures = &s.imagenes;
    motor.eventLoop = &s.eventos;
    motor.printerCount = s.impresoras.count();
    return motor;
}

} // namespace

Nucleo::Nucleo(const ServiciosPlataforma& s, VentanaColeccion& ventana)
    : generacion(s.azar),
      documento({generacion, Arranca(motor, s), s.cajaPagina, ventana, s.cursor, s.eventos,
                 s.avisos, s.portapapeles, s.datosPrograma, s.carpetas}) {
    generation::CargaCatalogo(generacion);
}

} // namespace vornith::document
