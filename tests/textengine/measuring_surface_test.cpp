// Pagination lays pages out on a surface that measures like the page box and paints nothing;
// the page box then draws them. Both must give the same layout, or the page on screen would
// not be the page pagination found.

#include "engine_fixture.h"

#include "platform/measuring_surface.h"
#include "platform/qt/page_box_surface.h"
#include "textengine/page_entry.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// A page's results: MarcaResultado and its block table.
struct Resultado {
    int marca = 0;
    std::vector<int> refs;
    std::vector<double> arriba;
    std::vector<double> abajo;
    double x = 0; // where the surface's current position was left
    double y = 0;
};

void mismos(const Resultado& medido, const Resultado& dibujado) {
    EXPECT_EQ(medido.marca, dibujado.marca);
    EXPECT_EQ(medido.refs, dibujado.refs);
    EXPECT_EQ(medido.arriba, dibujado.arriba);
    EXPECT_EQ(medido.abajo, dibujado.abajo);
    EXPECT_EQ(medido.x, dibujado.x);
    EXPECT_EQ(medido.y, dibujado.y);
}

Resultado dibuja(EstadoMotor& m, const QString& texto, Surface& destino) {
    double tamano = 12;
    DibujaTextoFormateado(m, texto, tamano, destino);
    Resultado r{m.MarcaResultado, {}, {}, {}, destino.currentX(), destino.currentY()};
    for (int n = 1; n <= m.NumBloquesPagina; ++n) {
        const auto k = static_cast<std::size_t>(n);
        r.refs.push_back(m.BloqueRef[k]);
        r.arriba.push_back(m.BloqueY1[k]);
        r.abajo.push_back(m.BloqueY2[k]);
    }
    return r;
}

// Blocks as the collection composes them, with every kind of inline element.
QString bloques(int cuantos) {
    QString t = QStringLiteral("&+BColección de problemas&-B&LF&LF");
    for (int k = 1; k <= cuantos; ++k) {
        t += QStringLiteral("#MARK=") + QString::number(1000 + k).right(3) +
             QStringLiteral("&+B&BC=255;128;0:&FF=REC,20,5.5:%1. &-B& ").arg(k);
        t += QStringLiteral("Un cuerpo de %1&.5& kg sobre un plano de &alfa = 30°, con &mu = 0&.2 "
                            "y &+Iv&-I_0 = 4 m/s^2; ¿qué distancia recorre hasta detenerse?&LF"
                            "&SP=10:a) &+UF&-U = m a = %1&E-3& N&, &Delta x = %2&.5& m &Q &= "
                            "&+Sx&-S&LF&FS=14:&FN=Arial:Solución&FN=Times New Roman:&FS=12: "
                            "v^2 = v_0^2 + 2 a x&LF")
                 .arg(k)
                 .arg(2 * k);
    }
    return t;
}

TEST(MeasuringSurface, ThePageBoxLaysOutEveryPageAsPaginationMeasuredIt) {
    Motor m;
    PageBoxSurface pagina(796, 1125);
    MeasuringSurface medida(pagina);
    const QString texto = bloques(12);
    const Resultado medido = dibuja(m.motor, texto, medida);
    const Resultado dibujado = dibuja(m.motor, texto, pagina);
    EXPECT_LT(medido.marca, 0); // the page is full
    EXPECT_GE(medido.refs.size(), 3u);
    mismos(medido, dibujado);

    // The page after it, from the block that did not fit.
    const qsizetype desde =
        texto.indexOf(QStringLiteral("#MARK=") + QString::number(1000 - medido.marca).right(3));
    ASSERT_GT(desde, 0);
    const QString resto = texto.mid(desde);
    mismos(dibuja(m.motor, resto, medida), dibuja(m.motor, resto, pagina));

    // A page that fits ends where its last line's text does: drawn as wide as measured.
    const QString corto = bloques(1).chopped(3);
    const Resultado cabe = dibuja(m.motor, corto, medida);
    EXPECT_EQ(cabe.marca, 1);
    EXPECT_GT(cabe.x, 3000);
    mismos(cabe, dibuja(m.motor, corto, pagina));
}

} // namespace
} // namespace vornith::textengine::test
