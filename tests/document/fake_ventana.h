#pragma once

#include "document/ventana_coleccion.h"

#include <QStringList>

#include <stdexcept>

namespace vornith::test {

// The main window as the document sees it: remembers every call.
class FakeVentana final : public document::VentanaColeccion {
public:
    static inline const QString kTitulo = QStringLiteral("Zelm Software - Vornith");

    void EstadoGenerando() override {
        generando = true;
        ++vecesGenerando;
        if (fallaAlGenerar) throw std::runtime_error("window failed");
    }
    void HabilitaControles() override { generando = false; }
    void MuestraPagina() override { ++paginasMostradas; }
    void PonTitulo(const QString& texto) override { titulo = texto; }
    // The caption, which differs from the program's title.
    QString TituloAplicacion() const override { return kTitulo; }
    void PonEtiquetaPagina(const QString& texto) override { etiquetas.append(texto); }
    int PosicionScroll() const override { return scroll; }
    void PonPosicionScroll(int posicion) override { scroll = posicion; }
    void HayColeccion() override { hayColeccion = true; }
    void NoColeccion(bool deshacerDisponible) override {
        hayColeccion = false;
        deshacerVisible = deshacerDisponible;
    }
    void ActualizaMenusCheckeados() override { ++menusCheckeados; }
    void EstadoDeshacer(const QString& d, bool hd, const QString& r, bool hr) override {
        tituloDeshacer = d;
        deshacer = hd;
        tituloRehacer = r;
        rehacer = hr;
    }
    void PegarHabilitado(bool h) override { pegar = h; }
    void CortarCopiarHabilitado(bool h) override { cortarCopiar = h; }
    void ActualizarBotones() override { ++botones; }
    void AnadeReciente(const QString& ruta) override { recientes.prepend(ruta); }
    void GuardarComo() override { ++guardarComo; }

    bool fallaAlGenerar = false;
    bool generando = false;
    int vecesGenerando = 0;
    int paginasMostradas = 0;
    QString titulo;
    QStringList etiquetas;
    int scroll = 0;
    bool hayColeccion = false;
    bool deshacerVisible = false;
    int menusCheckeados = 0;
    QString tituloDeshacer = QStringLiteral("No se puede deshacer");
    bool deshacer = false;
    QString tituloRehacer = QStringLiteral("No se puede rehacer");
    bool rehacer = false;
    bool pegar = false;
    bool cortarCopiar = false;
    int botones = 0;
    QStringList recientes;
    int guardarComo = 0;
};

} // namespace vornith::test
