// The topic tree: where each row's elements stand, what closed folders hide, the connectors,
// both bars with their ends, the wheel, and the clicks that select, open and check.

#include "dialogs/arbol_temas.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith::dialogs {
namespace {

using document::Tema;

Tema carpeta(int nivel, const QString& titulo, bool abierta) {
    Tema t;
    t.Nivel = static_cast<std::int16_t>(nivel);
    t.EsCarpeta = true;
    t.Abierto = abierta;
    t.Titulo = titulo;
    t.Clase = nivel == 0 ? 6 : 5;
    return t;
}

Tema entrada(const QString& titulo, int clase = 3) {
    Tema t;
    t.Nivel = 2;
    t.Titulo = titulo;
    t.Clase = static_cast<std::int16_t>(clase);
    return t;
}

// Root, open heading A with two entries, closed heading B with one, then `extra` headings
// each open with two entries.
document::ListaTemas arbol(int extra = 0) {
    document::ListaTemas l;
    std::vector<Tema> filas = {carpeta(0, "Física", true), carpeta(1, "A", true),  entrada("a1"),
                               entrada("a2", 1),           carpeta(1, "B", false), entrada("b1")};
    for (int i = 0; i < extra; ++i) {
        filas.push_back(carpeta(1, QStringLiteral("H%1").arg(i), true));
        filas.push_back(entrada("x"));
        filas.push_back(entrada("y"));
    }
    for (std::size_t i = 0; i < filas.size(); ++i)
        l.Temas[i + 1] = filas[i];
    l.NumTemas = static_cast<std::int16_t>(filas.size());
    return l;
}

struct Arbol {
    explicit Arbol(document::ListaTemas t) : temas(std::move(t)), w(temas, nullptr) {
        w.resize(480, 390);
        w.show();
        w.ActualizaTree();
    }
    void raton(QEvent::Type tipo, QPoint en) {
        QMouseEvent e(tipo, QPointF(en), QPointF(w.mapToGlobal(en)), Qt::LeftButton,
                      tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
    // A double click as the platform delivers it: press, release, double click, release.
    void dobleClic(QPoint en) {
        for (auto tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            raton(tipo, en);
    }
    document::ListaTemas temas;
    ArbolTemas w;
};

TEST(ArbolTemas, LugaresDeLosElementosYConectores) {
    Arbol a(arbol());
    const auto& raiz = a.w.Fila(1);
    EXPECT_EQ(raiz.PMImg, QRect(5, 5, 9, 9));
    EXPECT_EQ(raiz.HeadIMG, QRect(15, 1, 22, 16));
    EXPECT_EQ(raiz.LblItem.topLeft(), QPoint(37, 3));
    EXPECT_TRUE(raiz.ItemCHK.isNull());
    const auto& cabeza = a.w.Fila(2);
    EXPECT_EQ(cabeza.PMImg.topLeft(), QPoint(25, 22));
    EXPECT_EQ(cabeza.LblItem.topLeft(), QPoint(57, 20));
    const auto& a1 = a.w.Fila(3);
    EXPECT_EQ(a1.PMImg, QRect(45, 35, 9, 9));
    EXPECT_EQ(a1.ItemCHK, QRect(55, 34, 15, 16));
    EXPECT_EQ(a1.ItemIMG, QRect(71, 34, 12, 16));
    EXPECT_EQ(a1.LblItem.topLeft(), QPoint(84, 37));
    // The label is its caption's width plus 4; a folder's caption is bold and wider.
    EXPECT_GT(a.w.Fila(2).LblItem.width(), 4);
    EXPECT_TRUE(a.w.Fila(5).visible);
    EXPECT_FALSE(a.w.Fila(6).visible); // inside closed B
    EXPECT_EQ(a.w.Fila(5).LblItem.top(), 17 * 4 + 3);

    std::vector<QPoint> esperado;
    for (int k : {-5, -3, -1}) // a2 joins a1
        esperado.emplace_back(49, 51 + k);
    for (int k : {1, 3}) // A below the root, B below A
        esperado.emplace_back(29, 17 + k);
    for (int k : {1, 3})
        esperado.emplace_back(29, 68 + k);
    for (int fila : {3, 2}) // B's line through A's entries
        for (int k = -1; k <= 15; k += 2)
            esperado.emplace_back(29, 17 * fila + k);
    auto ordena = [](std::vector<QPoint> v) {
        std::sort(v.begin(), v.end(), [](QPoint p, QPoint q) {
            return std::pair(p.x(), p.y()) < std::pair(q.x(), q.y());
        });
        return v;
    };
    EXPECT_EQ(ordena(a.w.Conectores()), ordena(esperado));
    const QImage dibujo = a.w.grab().toImage();
    EXPECT_EQ(dibujo.pixel(49, 46), qRgb(128, 128, 128));
    EXPECT_EQ(dibujo.pixel(49, 47), qRgb(255, 255, 255));
}

TEST(ArbolTemas, RaizCerradaYBarraVerticalConSusExtremos) {
    Arbol a(arbol(10)); // 1 + 3 + 2 + 30 rows, 35 shown; 21 fit
    QScrollBar* v = a.w.VScroll1();
    EXPECT_FALSE(v->isHidden());
    EXPECT_EQ(v->maximum(), 35 - 21);
    EXPECT_EQ(v->pageStep(), 10);
    v->setValue(v->maximum());
    EXPECT_EQ(a.w.DesplFilas(), -14);
    EXPECT_EQ(a.w.Fila(a.temas.NumTemas).LblItem.top(), 17 * 20 + 3); // last row at the bottom

    // Closing three headings shortens the range below the value: the drawing follows the bar.
    for (int i : {7, 10, 13})
        a.temas.Temas[static_cast<std::size_t>(i)].Abierto = false;
    a.w.ActualizaTree();
    EXPECT_EQ(v->maximum(), 8);
    EXPECT_EQ(v->value(), 8);
    EXPECT_EQ(a.w.DesplFilas(), -8);

    // A wheel step is one row per 120, accumulated; towards the user scrolls down.
    a.w.MouseWheel(60);
    EXPECT_EQ(a.w.DesplFilas(), -8);
    a.w.MouseWheel(60);
    EXPECT_EQ(a.w.DesplFilas(), -7);
    a.w.MouseWheel(-240);
    EXPECT_EQ(a.w.DesplFilas(), -8); // stops at the end
    for (int i = 0; i < 12; ++i)
        a.w.MouseWheel(120);
    EXPECT_EQ(v->value(), 0);

    // A tree that no longer needs the bar returns to its top; the wheel then does nothing.
    v->setValue(3);
    a.temas.Temas[1].Abierto = false;
    a.w.ActualizaTree();
    EXPECT_TRUE(v->isHidden());
    EXPECT_EQ(a.w.DesplFilas(), 0);
    for (int i = 2; i <= a.temas.NumTemas; ++i)
        EXPECT_FALSE(a.w.Fila(i).visible) << i;
    a.w.MouseWheel(-120);
    EXPECT_EQ(a.w.DesplFilas(), 0);
}

TEST(ArbolTemas, BarraHorizontalPorUnTituloLargo) {
    document::ListaTemas t = arbol();
    t.Temas[4].Titulo = QString(120, u'W');
    Arbol a(std::move(t));
    QScrollBar* h = a.w.HScroll1();
    ASSERT_FALSE(h->isHidden());
    const QRect etiqueta = a.w.Fila(4).LblItem;
    const int m = etiqueta.right() + 1 - 480 + 20 - 19;
    EXPECT_EQ(h->maximum(), m + 16);
    EXPECT_EQ(h->pageStep(), 80);
    h->setValue(50);
    EXPECT_EQ(a.w.DesplX(), -50);
    EXPECT_EQ(a.w.Fila(4).LblItem.left(), etiqueta.left() - 50);
    a.temas.Temas[4].Titulo = QStringLiteral("corto");
    a.w.ActualizaTree();
    EXPECT_TRUE(h->isHidden());
    EXPECT_EQ(a.w.DesplX(), 0);
}

TEST(ArbolTemas, ClicsTeclasYUnCambioPorDobleClic) {
    Arbol a(arbol(10));
    QSignalSpy cambios(&a.w, &ArbolTemas::cambio);
    const auto centro = [&](int fila, QRect ArbolTemas::Elementos::*parte) {
        return (a.w.Fila(fila).*parte).center();
    };
    using E = ArbolTemas::Elementos;

    // The box: pressed picture until the release, one toggle per click and per double click.
    a.raton(QEvent::MouseButtonPress, centro(3, &E::ItemCHK));
    EXPECT_EQ(a.w.FilaSel(), 3);
    EXPECT_TRUE(a.w.CasillaPulsada(3));
    EXPECT_FALSE(a.temas.Temas[3].Seleccionado);
    a.raton(QEvent::MouseButtonRelease, centro(3, &E::ItemCHK));
    EXPECT_FALSE(a.w.CasillaPulsada(3));
    EXPECT_TRUE(a.temas.Temas[3].Seleccionado);
    a.dobleClic(centro(3, &E::ItemCHK));
    EXPECT_FALSE(a.temas.Temas[3].Seleccionado);
    a.raton(QEvent::MouseButtonPress, centro(3, &E::ItemCHK)); // released away: no toggle
    a.raton(QEvent::MouseButtonRelease, QPoint(300, 300));
    EXPECT_FALSE(a.temas.Temas[3].Seleccionado);

    // Label and type icon: a double click toggles once; the mark opens on the press only.
    a.dobleClic(centro(4, &E::LblItem));
    EXPECT_TRUE(a.temas.Temas[4].Seleccionado);
    a.dobleClic(centro(4, &E::ItemIMG));
    EXPECT_FALSE(a.temas.Temas[4].Seleccionado);
    a.dobleClic(centro(5, &E::PMImg));
    EXPECT_TRUE(a.temas.Temas[5].Abierto);
    EXPECT_TRUE(a.w.Fila(6).visible);
    a.dobleClic(centro(5, &E::HeadIMG));
    EXPECT_FALSE(a.temas.Temas[5].Abierto);
    a.dobleClic(centro(2, &E::LblItem));
    EXPECT_FALSE(a.temas.Temas[2].Abierto);
    EXPECT_GT(cambios.count(), 0);

    // Keys skip hidden rows; Enter toggles; Up at the top does nothing.
    a.w.PonFilaSel(1);
    QTest::keyClick(&a.w, Qt::Key_Down);
    EXPECT_EQ(a.w.FilaSel(), 2);
    QTest::keyClick(&a.w, Qt::Key_Down);
    EXPECT_EQ(a.w.FilaSel(), 5);
    QTest::keyClick(&a.w, Qt::Key_Up);
    QTest::keyClick(&a.w, Qt::Key_Up);
    QTest::keyClick(&a.w, Qt::Key_Up);
    EXPECT_EQ(a.w.FilaSel(), 1);
    a.w.PonFilaSel(9);
    QTest::keyClick(&a.w, Qt::Key_Return);
    EXPECT_TRUE(a.temas.Temas[9].Seleccionado);

    // Moving below the box scrolls by one row.
    a.temas.Temas[2].Abierto = true;
    a.w.ActualizaTree();
    a.w.PonFilaSel(1);
    while (a.w.Fila(a.w.FilaSel()).LblItem.bottom() < 390 - 17)
        QTest::keyClick(&a.w, Qt::Key_Down);
    EXPECT_EQ(a.w.DesplFilas(), 0);
    QTest::keyClick(&a.w, Qt::Key_Down);
    EXPECT_EQ(a.w.DesplFilas(), -1);
}

} // namespace
} // namespace vornith::dialogs
