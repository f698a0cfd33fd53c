#pragma once

#include "document/nucleo.h"
#include "fake_ventana.h"
#include "generation/me_norv.h"
#include "support/fakes.h"
#include "support/recording_surface.h"
#include "support/temas_de_prueba.h"

namespace vornith::test {

// The core over fakes: the page box is a recording surface of the A4 page at zoom 1, and
// generation draws from a seeded generator.
struct DocumentFixture {
    explicit DocumentFixture(PictureFolders carpetas = {})
        : nucleo({azar, caja, cursor, eventos, avisos, portapapeles, imagenes, impresoras,
                  datosPrograma, std::move(carpetas)},
                 ventana) {}

    // The document's state, for what no command sets in one step.
    document::EstadoDocumento& d() { return doc->d; }

    // A collection of `n` problems of kinematics type 8 ("010"), generated, composed and
    // paginated.
    void crear(int n, int possol = document::kSolucionTrasProblema, bool ordena = true,
               const QString& titulo = QString()) {
        document::ListaTemas temas = TemasDePrueba(n);
        document::DatosColeccion cabecera = doc->estado().Coleccion;
        cabecera.POSSOL = possol;
        cabecera.ORDENA = ordena;
        cabecera.TITULO = titulo;
        doc->PonCabecera(cabecera);
        doc->Arbol_to_Var(temas);
        doc->CrearColeccion(1);
    }

    // Selects block `ref` on the displayed page, as a click on it would.
    bool selecciona(int problema) {
        for (int j = 1; j <= motor.NumBloquesPagina; ++j)
            motor.BloqueSel[j] = false;
        for (int j = 1; j <= motor.NumBloquesPagina; ++j) {
            const int ref = motor.BloqueRef[j];
            if (std::abs(doc->estado().TablaBloques[ref].NumProblema) == problema) {
                motor.BloqueSel[j] = true;
                return true;
            }
        }
        return false;
    }
    // Shows the page of `problema` and selects it.
    void muestraYSelecciona(int problema) {
        doc->PonPaginaActual(doc->PaginaDeProblema(problema));
        doc->DibujaPagina();
        selecciona(problema);
    }

    Pcg32Random azar{12345};
    RecordingSurface caja;
    FakeVentana ventana;
    FakeBusyCursor cursor;
    FakeEventLoop eventos;
    FakeNotifier avisos;
    FakeClipboard portapapeles;
    FakePictureLoader imagenes;
    FakePrinters impresoras;
    FakeProgramData datosPrograma;
    document::Nucleo nucleo;
    generation::EstadoGeneracion& generacion = nucleo.generacion;
    textengine::EstadoMotor& motor = nucleo.motor;
    document::Documento* const doc = &nucleo.documento;
};

} // namespace vornith::test
