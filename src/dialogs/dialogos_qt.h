#pragma once

#include "dialogs/dialogos.h"

#include <QString>

namespace vornith {
class BusyCursor;
class Notifier;
class Printers;
class Settings;
namespace generation {
struct EstadoGeneracion;
}
} // namespace vornith

namespace vornith::dialogs {

// What the dialogs use of the platform and the program.
struct ServiciosDialogos {
    Settings& settings;
    Notifier& notifier;
    Printers& printers;
    BusyCursor& cursor;
    generation::EstadoGeneracion& generacion;
    QString carpetaDatos; // the program's data folder: the subject pictures
};

// The dialogs as the program shows them: modal, drawn windows.
class DialogosQt final : public Dialogos {
  public:
    explicit DialogosQt(ServiciosDialogos servicios) : s_(std::move(servicios)) {}

    void Asistente(QWidget* padre, document::DatosColeccion& Coleccion, document::ListaTemas& Temas,
                   ResultadosDialogos& r) override;
    void Propiedades(QWidget* padre, document::DatosColeccion& Coleccion,
                     ResultadosDialogos& r) override;
    void Imprimir(QWidget* padre, int PaginaActual, int NumPaginas, ResultadosDialogos& r) override;

  private:
    ServiciosDialogos s_;
};

} // namespace vornith::dialogs
