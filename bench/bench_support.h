#pragma once

// What the benchmark programs share: a headless application around Google Benchmark, the core
// on the real page box with an event loop that never yields, and the --results report that
// checks a speed-up changes no result.

#include "document/nucleo.h"
#include "document/sin_pantalla.h"
#include "platform/event_loop.h"
#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/qt_program_data.h"
#include "textengine/estado_motor.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QImage>

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>
#include <initializer_list>
#include <string>

namespace vornith::bench {

class NoYield final : public EventLoop {
  public:
    void yield() override {}
};

class SilentNotifier final : public Notifier {
  public:
    Answer ask(const QString&, const QString&, Buttons, Icon, Answer) override {
        return Answer::Ok;
    }
    void beep() override {}
};

// Gives back what was put on it, the data as a new copy, as they come from another instance:
// a paste pays for their arrival.
class HeldClipboard final : public Clipboard {
  public:
    void clear() override { content_ = {}; }
    void setText(const QString& text) override { content_ = {text, {}}; }
    void setTextAndData(const QString& text, const QByteArray& data) override {
        content_ = {text, data};
    }
    ClipboardRead text() const override {
        return {ClipboardRead::Outcome::Read, {content_.text, {}}};
    }
    void readText(std::function<void(ClipboardRead)> done) override { done(text()); }
    ClipboardRead content(qsizetype) const override {
        return {ClipboardRead::Outcome::Read,
                {content_.text, QByteArray(content_.data.constData(), content_.data.size())}};
    }
    void onChange(std::function<void()>) override {}

  private:
    ClipboardContent content_;
};

// One row of the wizard: the module, the type and how many problems.
struct Tipo {
    const char* clave;
    int rutina;
    int cantidad;
};

// The core with a page box of the A4 page at zoom 1 and generation seeded with 7, its
// pictures in `carpetas`.
struct NucleoBench {
    explicit NucleoBench(const PictureFolders& carpetas = defaultPictureFolders())
        : caja(796, 1125), imagenes(carpetas),
          nucleo({azar, caja, cursor, eventos, avisos, portapapeles, imagenes, impresoras,
                  datosPrograma, carpetas},
                 ventana) {}

    // A new collection of the given rows, solutions after each problem.
    void nueva(std::initializer_list<Tipo> tipos) {
        document::ListaTemas temas;
        for (const Tipo& t : tipos) {
            document::Tema& fila = temas.Temas[++temas.NumTemas];
            fila.Clave = QString::fromLatin1(t.clave);
            fila.Rutina = static_cast<std::int16_t>(t.rutina);
            fila.Cantidad = static_cast<std::int16_t>(t.cantidad);
            fila.Seleccionado = true;
        }
        document::Documento& doc = nucleo.documento;
        document::DatosColeccion cabecera = doc.estado().Coleccion;
        cabecera.POSSOL = document::kSolucionTrasProblema;
        cabecera.TITULO = QStringLiteral("Colección de problemas");
        doc.PonCabecera(cabecera);
        doc.Arbol_to_Var(temas);
        doc.CrearColeccion(1);
    }

    Pcg32Random azar{7};
    PageBoxSurface caja;
    document::CursorNulo cursor;
    NoYield eventos;
    SilentNotifier avisos;
    HeldClipboard portapapeles;
    QtPictureLoader imagenes;
    QtPrinters impresoras;
    QtProgramData datosPrograma;
    document::VentanaNula ventana;
    document::Nucleo nucleo;
};

// Appends `separador` and the exact decimal text of `v`.
template <typename T> void anade(std::string& s, char separador, T v) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    s.push_back(separador);
    s.append(buffer, r.ptr);
}

// One page's results: MarcaResultado and the block table, every number exact.
inline void anadeResultados(std::string& s, const textengine::EstadoMotor& m) {
    anade(s, '\n', m.MarcaResultado);
    anade(s, ' ', m.NumBloquesPagina);
    for (int n = 1; n <= m.NumBloquesPagina; ++n) {
        const auto k = static_cast<std::size_t>(n);
        anade(s, ' ', m.BloqueRef[k]);
        anade(s, ':', m.BloqueY1[k]);
        anade(s, ':', m.BloqueY2[k]);
    }
}

// A hash of the page's pixels.
inline void anadeHuella(std::string& s, PageBoxSurface& caja) {
    const QImage& imagen = caja.image();
    const QByteArray pixeles(reinterpret_cast<const char*>(imagen.constBits()),
                             static_cast<qsizetype>(imagen.sizeInBytes()));
    s.push_back(' ');
    s.append(QCryptographicHash::hash(pixeles, QCryptographicHash::Sha1).toHex().constData());
}

// The body of a benchmark program's main: with the single argument --results it prints
// `resultados()`, when given, instead of timing anything.
inline int ejecuta(int argc, char** argv, void (*resultados)() = nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (resultados && argc == 2 && std::strcmp(argv[1], "--results") == 0) {
        resultados();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace vornith::bench
