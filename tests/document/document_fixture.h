#pragma once

#include "document/documento.h"
#include "fake_ventana.h"
#include "generation/me_norv.h"
#include "support/fakes.h"
#include "support/recording_surface.h"
#include "textengine/markup.h"

#include <memory>

namespace vornith::test {

// A document over fakes: the page box is a recording surface of the A4 page at zoom 1, and
// generation draws from a seeded generator.
struct DocumentFixture {
    explicit DocumentFixture(PictureFolders carpetas = {}) : generacion(azar) {
        generation::FijaNotacion(motor.notacion);
        textengine::IniciaMotor(motor);
        motor.eventLoop = &eventos;
        motor.printerCount = 1;
        doc = std::make_unique<document::Documento>(document::ServiciosColeccion{
            generacion, motor, caja, ventana, cursor, eventos, avisos, portapapeles,
            std::move(carpetas)});
    }

    // A collection of `n` problems of kinematics type 8 ("010"), generated, composed and
    // paginated.
    void crear(int n, int possol = document::kSolucionTrasProblema, bool ordena = true,
               const QString& titulo = QString()) {
        document::ListaTemas temas;
        temas.NumTemas = 1;
        document::Tema& t = temas.Temas[1];
        t.Clave = QStringLiteral("XIMB_FISI_CIN");
        t.Rutina = 8;
        t.Cantidad = static_cast<std::int16_t>(n);
        t.Seleccionado = true;
        doc->d.Coleccion.POSSOL = possol;
        doc->d.Coleccion.ORDENA = ordena;
        doc->d.Coleccion.TITULO = titulo;
        doc->Arbol_to_Var(temas);
        doc->CrearColeccion(1);
    }

    // Selects block `ref` on the displayed page, as a click on it would.
    bool selecciona(int problema) {
        for (int j = 1; j <= motor.NumBloquesPagina; ++j) motor.BloqueSel[j] = false;
        for (int j = 1; j <= motor.NumBloquesPagina; ++j) {
            const int ref = motor.BloqueRef[j];
            if (std::abs(doc->d.TablaBloques[ref].NumProblema) == problema) {
                motor.BloqueSel[j] = true;
                return true;
            }
        }
        return false;
    }
    // Shows the page of `problema` and selects it.
    void muestraYSelecciona(int problema) {
        doc->d.PaginaActual = static_cast<std::int16_t>(doc->PaginaDeProblema(problema));
        doc->DibujaPagina();
        selecciona(problema);
    }

    Pcg32Random azar{12345};
    generation::EstadoGeneracion generacion;
    textengine::EstadoMotor motor;
    RecordingSurface caja;
    FakeVentana ventana;
    FakeBusyCursor cursor;
    FakeEventLoop eventos;
    FakeNotifier avisos;
    FakeClipboard portapapeles;
    std::unique_ptr<document::Documento> doc;
};

} // namespace vornith::test
