#pragma once

#include "dialogos_falsos.h"
#include "document/tema.h"
#include "mainwindow/barra_desplazamiento.h"
#include "mainwindow/boton_barra.h"
#include "mainwindow/form_main.h"
#include "mainwindow/vista_pagina.h"
#include "platform/qt/page_box_surface.h"
#include "support/fakes.h"
#include "support/temas_de_prueba.h"

#include <QAction>
#include <QTemporaryDir>

#include <memory>

namespace vornith::test {

// The main window over the fakes of the platform, with a real document.
struct VentanaFixture {
    VentanaFixture() {
        ventana_->resize(1024, 768);
        ventana_->PonDialogos(ventanas);
    }

    mainwindow::FormMain& ventana() { return *ventana_; }
    // Loaded and shown, at the size given; zoom 1 (no fit to the width at activation).
    mainwindow::FormMain& cargada(int ancho = 1024, int alto = 768) {
        mainwindow::FormMain& v = ventana();
        v.Form_Load();
        v.AnchoPendiente = false;
        v.resize(ancho, alto);
        v.show();
        return v;
    }
    // A collection of `n` kinematics problems, made as the New command makes it.
    void abre(int n, int possol = 1) {
        document::ListaTemas temas = TemasDePrueba(n);
        document::DatosColeccion cabecera = doc().estado().Coleccion;
        cabecera.POSSOL = possol;
        cabecera.ORDENA = true;
        doc().PonCabecera(cabecera);
        doc().Arbol_to_Var(temas);
        doc().CrearColeccion(1);
        ventana().HayColeccion();
    }
    document::Documento& doc() { return ventana().Doc(); }
    QImage pagina() { return ventana().CajaPagina().image().convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir dir;
    Pcg32Random azar{777};
    FakeSettings ajustes;
    FakePrinters impresoras;
    FakeShell shell;
    FakeNotifier avisos;
    FakeFileDialogs dialogos;
    FakeProcessExit salida;
    FakeClipboard portapapeles;
    FakeBusyCursor cursor;
    FakeEventLoop eventos;
    FakePictureLoader imagenes;
    FakeProgramData datosPrograma;
    DialogosFalsos ventanas;
    mainwindow::ServiciosPrincipal servicios{
        azar,
        ajustes,
        impresoras,
        shell,
        avisos,
        dialogos,
        salida,
        portapapeles,
        cursor,
        eventos,
        imagenes,
        datosPrograma,
        {dir.filePath(QStringLiteral("img")), dir.filePath(QStringLiteral("temp"))}};

  private:
    std::unique_ptr<mainwindow::FormMain> ventana_ =
        std::make_unique<mainwindow::FormMain>(servicios);

  public:
    textengine::EstadoMotor& motor = ventana_->Motor();
};

} // namespace vornith::test
