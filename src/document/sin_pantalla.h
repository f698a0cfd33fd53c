#pragma once

// The main window and pointer of a run without a screen (the probe, benchmarks): they accept
// every call and show nothing.

#include "document/ventana_coleccion.h"
#include "platform/busy_cursor.h"
#include "platform/titulo_programa.h"

namespace vornith::document {

class VentanaNula final : public VentanaColeccion {
  public:
    void EstadoGenerando() override {}
    void HabilitaControles() override {}
    void MuestraPagina() override {}
    void PonTitulo(const QString&) override {}
    QString TituloAplicacion() const override { return TituloPrograma(); }
    void PonEtiquetaPagina(const QString&) override {}
    int PosicionScroll() const override { return 0; }
    void PonPosicionScroll(int) override {}
    void HayColeccion() override {}
    void NoColeccion(bool) override {}
    void ActualizaMenusCheckeados() override {}
    void EstadoDeshacer(const QString&, bool, const QString&, bool) override {}
    void PegarHabilitado(bool) override {}
    void CortarCopiarHabilitado(bool) override {}
    void ActualizarBotones() override {}
    void AnadeReciente(const QString&) override {}
    void GuardarComo() override {}
};

class CursorNulo final : public BusyCursor {
  public:
    void setBusy(bool busy) override { busy_ = busy; }
    bool isBusy() const override { return busy_; }

  private:
    bool busy_ = false;
};

} // namespace vornith::document
