#pragma once

#include "dialogs/dialogos.h"

#include <functional>

namespace vornith::test {

// The dialogs as the test scripts them: each call runs the test's answer (nothing: not
// accepted) and is counted.
class DialogosFalsos final : public dialogs::Dialogos {
  public:
    using Asistente_ = std::function<void(document::DatosColeccion&, document::ListaTemas&,
                                          dialogs::ResultadosDialogos&)>;
    using Propiedades_ =
        std::function<void(document::DatosColeccion&, dialogs::ResultadosDialogos&)>;
    using Imprimir_ = std::function<void(int, int, dialogs::ResultadosDialogos&)>;

    void Asistente(QWidget*, document::DatosColeccion& Coleccion, document::ListaTemas& Temas,
                   dialogs::ResultadosDialogos& r) override {
        ++asistentes;
        if (asistente) asistente(Coleccion, Temas, r);
    }
    void Propiedades(QWidget*, document::DatosColeccion& Coleccion,
                     dialogs::ResultadosDialogos& r) override {
        ++propiedades;
        if (propiedadesAcepta) propiedadesAcepta(Coleccion, r);
    }
    void Imprimir(QWidget*, int PaginaActual, int NumPaginas,
                  dialogs::ResultadosDialogos& r) override {
        ++impresiones;
        if (imprime) imprime(PaginaActual, NumPaginas, r);
    }

    Asistente_ asistente;
    Propiedades_ propiedadesAcepta;
    Imprimir_ imprime;
    int asistentes = 0;
    int propiedades = 0;
    int impresiones = 0;
};

} // namespace vornith::test
