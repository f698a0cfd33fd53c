#include "generation/regenera_problema.h"

#include "generation/me_norv.h"

namespace vornith::generation {

void RegeneraProblema(EstadoGeneracion& estado, ServiciosDocumento& documento,
                      ServiciosVentana& ventana, BusyCursor& cursor, Problema& problema,
                      std::int16_t& ProblemaVisible) {
    cursor.setBusy(true);
    bool compuesta = false;
    try {
        ventana.EstadoGenerando();
        const QString codigo = IdProblema(problema);
        GeneraPorModulo(estado, problema.Clave, codigo, problema.Enunciado, problema.Solucion);
        documento.ComponerColeccion(true, ProblemaVisible);
        compuesta = true; // the composition has given the window back
        documento.PonArchivoActual(QString());
        ventana.PonTitulo(ventana.TituloAplicacion());
        documento.PonModificado(true);
    } catch (...) {
        if (!compuesta) {
            ventana.MuestraPagina();
            ventana.HabilitaControles();
        }
        cursor.setBusy(false);
        throw;
    }
    cursor.setBusy(false);
}

} // namespace vornith::generation
