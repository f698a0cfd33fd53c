#pragma once

// The meeting point of the main window and the collection dialogs: the main window shows the
// dialogs only through Dialogos and reads their outcome from ResultadosDialogos.

#include "document/coleccion.h"
#include "document/tema.h"

#include <cstdint>
#include <vector>

class QWidget;

namespace vornith::dialogs {

struct ResultadosDialogos {            // the shared outcome variables
    bool PropiedadesAceptadas = false; // wizard, properties
    bool ImprimirAceptado = false;     // Print pressed and every check passed
    bool ImprimirIntercalado = true;
    std::int32_t NumCopias = 1;         // 1..1999
    std::vector<bool> PaginasAImprimir; // [p], p = 1..max(199, NumPaginas); [0] unused
};

class Dialogos { // the main window shows the dialogs only through this
  public:
    virtual ~Dialogos() = default;
    virtual void Asistente(QWidget* padre, document::DatosColeccion& Coleccion,
                           document::ListaTemas& Temas, ResultadosDialogos& r) = 0;
    virtual void Propiedades(QWidget* padre, document::DatosColeccion& Coleccion,
                             ResultadosDialogos& r) = 0;
    virtual void Imprimir(QWidget* padre, int PaginaActual, int NumPaginas,
                          ResultadosDialogos& r) = 0;
};

} // namespace vornith::dialogs
