// Generated problems drawn on the real page box: the diagram hanging beside a statement leaves
// every glyph of the statement clear.

#include "generation/dynamics/rutinas.h"
#include "generation/module_interface.h"
#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_picture.h"
#include "platform/random.h"
#include "support/fakes.h"
#include "support/forwarding_surface.h"
#include "support/source_tree.h"
#include "textengine/estado_motor.h"
#include "textengine/markup.h"
#include "textengine/page_entry.h"

#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

namespace vornith {
namespace {

// The statement as the page shows it, drawn either without its pictures or with nothing else.
class Filtro final : public test::ForwardingSurface {
  public:
    Filtro(Surface& target, bool soloImagenes)
        : ForwardingSurface(target), soloImagenes_(soloImagenes) {}
    void print(const QString& s) override {
        if (soloImagenes_)
            setCurrentX(currentX() + textWidth(s));
        else
            ForwardingSurface::print(s);
    }
    void line(double x1, double y1, double x2, double y2, Rgb c, LineShape s) override {
        if (soloImagenes_) {
            setCurrentX(x2);
            setCurrentY(y2);
        } else {
            ForwardingSurface::line(x1, y1, x2, y2, c, s);
        }
    }
    void paintPicture(const Picture& p, double x, double y, double w, double h) override {
        if (soloImagenes_) ForwardingSurface::paintPicture(p, x, y, w, h);
    }

  private:
    bool soloImagenes_;
};

QImage dibuja(const QString& texto, QtPictureLoader& imagenes, bool soloImagenes) {
    test::FakeEventLoop eventos;
    textengine::EstadoMotor motor;
    textengine::FijaNotacion(motor.notacion);
    textengine::IniciaMotor(motor);
    motor.pictures = &imagenes;
    motor.eventLoop = &eventos;
    PageBoxSurface pagina(796, 1125);
    Filtro filtro(pagina, soloImagenes);
    double tamano = 12;
    textengine::DibujaTextoFormateado(motor, texto, tamano, filtro);
    return pagina.image();
}

TEST(PaginaConDiagrama, NoPictureInkFallsOnText) {
    const QString carpeta = test::sourcePictureFolder();
    ASSERT_FALSE(carpeta.isEmpty()) << "no assets/img in the source tree";
    QtPictureLoader imagenes({carpeta, QString()});
    const QRegularExpression nombre(QStringLiteral("#IMG\\('([^']+)'"));
    std::set<QString> vistas;
    Pcg32Random rng;
    for (const auto& entrada : generation::XIMB_FISI_DIN::TablaRutinas()) {
        for (std::int32_t semilla = 1; semilla <= 100; ++semilla) {
            generation::InterfazModulo v;
            v.Semilla = semilla;
            rng.reseed(semilla);
            generation::Generador g(v, rng);
            entrada.rutina(g);
            const auto imagen = nombre.match(v.TextoEnunciado);
            if (!imagen.hasMatch()) continue;
            vistas.insert(imagen.captured(1));
            SCOPED_TRACE(v.TextoEnunciado.toStdString());
            // As numbered on a page.
            const QString texto = QStringLiteral("#MARK=001&+B12&-B  ") + v.TextoEnunciado;
            const QImage letras = dibuja(texto, imagenes, false);
            const QImage dibujo = dibuja(texto, imagenes, true);
            int comunes = 0;
            for (int y = 0; y < letras.height(); ++y) {
                for (int x = 0; x < letras.width(); ++x) {
                    if (qGray(letras.pixel(x, y)) < 224 && qGray(dibujo.pixel(x, y)) < 224)
                        ++comunes;
                }
            }
            EXPECT_EQ(comunes, 0) << imagen.captured(1).toStdString() << " seed " << semilla;
        }
    }
    EXPECT_EQ(vistas.size(), 9u);
}

} // namespace
} // namespace vornith
