// The print dialog: page lists, copies box and spin bar, page choice, messages, printer
// choice, and an outcome accepted only when every check passed.

#include "dialogs/frm_imprimir.h"

#include "ayudas.h"
#include "dialogs/lista_paginas.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith::dialogs {
namespace {

const QString kCopiasNoValidas =
    QStringLiteral("El número de copias no es válido. Máximo 1999 copias.");
const QString kListaVacia = QStringLiteral("Debe especificar números y/o intervalos de páginas.");
const QString kListaNoValida =
    QStringLiteral("Los números y/o intervalos de páginas no son válidos.");

std::vector<int> marcadas(const std::vector<bool>& paginas) {
    std::vector<int> p;
    for (std::size_t i = 0; i < paginas.size(); ++i)
        if (paginas[i]) p.push_back(static_cast<int>(i));
    return p;
}

std::vector<int> intervalo(int desde, int hasta) {
    std::vector<int> p;
    for (int i = desde; i <= hasta; ++i)
        p.push_back(i);
    return p;
}

QString elementos(int n, const QString& final = QString()) {
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << QStringLiteral("1");
    return l.join(QLatin1Char(',')) + final;
}

TEST(LeeListaPaginas, Tabla) {
    struct {
        QString texto;
        int ultima;
        ListaPaginas esperada;
        std::vector<int> paginas;
    } const filas[] = {
        {QStringLiteral("1, 3, 5-12, 14"),
         199,
         ListaPaginas::Aceptada,
         {1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 14}},
        {QStringLiteral("12-5"), 199, ListaPaginas::Aceptada, intervalo(5, 12)},
        {QStringLiteral("5 - 12"), 199, ListaPaginas::Aceptada, intervalo(5, 12)},
        {QStringLiteral("5,5,5"), 199, ListaPaginas::Aceptada, {5}},
        {QStringLiteral("-7"), 199, ListaPaginas::Aceptada, {7}},
        {QStringLiteral("3-7-9"), 199, ListaPaginas::Aceptada, intervalo(3, 7)},
        {QStringLiteral("7,,9,"), 199, ListaPaginas::Aceptada, {7, 9}},
        {QStringLiteral("1 5"), 199, ListaPaginas::Aceptada, {15}},
        {QStringLiteral("2.5"), 199, ListaPaginas::Aceptada, {2}},
        {QStringLiteral("150"), 199, ListaPaginas::Aceptada, {150}},
        {QStringLiteral("  "), 199, ListaPaginas::Vacia, {}},
        {QStringLiteral("5-"), 199, ListaPaginas::NoValida, intervalo(1, 5)},
        {QStringLiteral("0"), 199, ListaPaginas::NoValida, {}},
        {QStringLiteral("200"), 199, ListaPaginas::NoValida, {}},
        {QStringLiteral("198-200"), 199, ListaPaginas::NoValida, {198, 199}},
        {QStringLiteral("abc"), 199, ListaPaginas::NoValida, {}},
        {QStringLiteral("40000"), 199, ListaPaginas::NoValida, {}},
        {QStringLiteral("1-40000"), 199, ListaPaginas::NoValida, {}},
        {QStringLiteral("1e400"), 199, ListaPaginas::NoValida, {}},
        {QStringLiteral("240-250"), 250, ListaPaginas::Aceptada, intervalo(240, 250)},
        {elementos(100), 199, ListaPaginas::Aceptada, {1}},
        {elementos(101), 199, ListaPaginas::NoValida, {1}},
        {elementos(100, QStringLiteral(",")), 199, ListaPaginas::NoValida, {1}},
    };
    for (const auto& f : filas) {
        std::vector<bool> paginas(static_cast<std::size_t>(f.ultima) + 1, true);
        EXPECT_EQ(LeeListaPaginas(f.texto, paginas), f.esperada) << f.texto.toStdString();
        EXPECT_EQ(marcadas(paginas), f.paginas) << f.texto.toStdString();
    }
}

struct Impresion {
    explicit Impresion(int paginaActual = 1, int numPaginas = 3)
        : dialogo(nullptr, paginaActual, numPaginas, r, printers, notifier) {
        dialogo.show();
    }
    test::FakePrinters printers;
    test::FakeNotifier notifier;
    ResultadosDialogos r;
    frmImprimir dialogo;

    void imprimir() { test::clic(dialogo.Boton(0).Label3); }
    QStringList mensajes() const {
        QStringList m;
        for (const auto& s : notifier.shown) {
            EXPECT_EQ(s.title, QStringLiteral("Error"));
            EXPECT_EQ(s.icon, Notifier::Icon::Exclamation);
            m << s.text;
        }
        return m;
    }
};

TEST(FrmImprimir, SinTocarNadaImprimeTodoIntercalado) {
    Impresion t(2, 3);
    EXPECT_EQ(t.dialogo.Text1->text(), QStringLiteral(" 1"));
    t.imprimir();
    EXPECT_TRUE(t.r.ImprimirAceptado);
    EXPECT_TRUE(t.r.ImprimirIntercalado);
    EXPECT_EQ(t.r.NumCopias, 1);
    EXPECT_EQ(marcadas(t.r.PaginasAImprimir), intervalo(1, 199));
    EXPECT_FALSE(t.dialogo.isVisible());
}

TEST(FrmImprimir, PaginasTodasYActualEnColeccionesLargas) {
    {
        Impresion t(1, 250);
        t.imprimir();
        EXPECT_EQ(marcadas(t.r.PaginasAImprimir), intervalo(1, 250));
    }
    for (const auto& [actual, total, aceptado] :
         {std::tuple{7, 9, true}, {230, 250, true}, {230, 210, false}}) {
        Impresion t(actual, total);
        t.dialogo.Option3->setChecked(true);
        t.imprimir();
        EXPECT_EQ(t.r.ImprimirAceptado, aceptado) << actual;
        if (aceptado) {
            EXPECT_EQ(marcadas(t.r.PaginasAImprimir), std::vector<int>{actual});
        }
        EXPECT_EQ(t.notifier.beeps, aceptado ? 0 : 1);
    }
}

TEST(FrmImprimir, MensajesPorOrden) {
    struct {
        const char* copias;
        const char* lista;
        QString mensaje;
        int pitidos;
    } const filas[] = {
        {"0", "abc", kCopiasNoValidas, 0}, // copies are checked first
        {"2500", "", kCopiasNoValidas, 0}, {"3", "", kListaVacia, 0},
        {"3", "abc", kListaNoValida, 1},   {"3", "1,200", kListaNoValida, 1},
    };
    for (const auto& f : filas) {
        Impresion t;
        t.dialogo.Text1->setText(QString::fromLatin1(f.copias));
        t.dialogo.Text2->setText(QStringLiteral("x"));
        t.dialogo.Text2->setText(QString::fromLatin1(f.lista));
        t.imprimir();
        EXPECT_EQ(t.mensajes(), QStringList{f.mensaje}) << f.copias << " " << f.lista;
        EXPECT_EQ(t.notifier.beeps, f.pitidos);
        EXPECT_FALSE(t.r.ImprimirAceptado);
        EXPECT_TRUE(t.dialogo.isVisible());
        EXPECT_TRUE(t.dialogo.Option2->isChecked()) << "typing picks the list, and it stays";
        EXPECT_EQ(t.dialogo.Text2->text(), QString::fromLatin1(f.lista));
    }
}

TEST(FrmImprimir, NingunCierreTrasUnFalloDaPorAceptado) {
    const std::function<void(frmImprimir&)> cierres[] = {
        [](frmImprimir& d) { test::clic(d.Boton(1).Label3); },
        [](frmImprimir& d) { QTest::keyClick(d.Text2, Qt::Key_Escape); },
        [](frmImprimir& d) { test::clic(d.Label6()); },
        [](frmImprimir& d) { d.close(); },
    };
    for (const auto& cierre : cierres) {
        for (const char* lista : {"abc", "5"}) {
            Impresion t;
            t.dialogo.Text2->setText(QString::fromLatin1(lista));
            t.dialogo.Text1->setText(QStringLiteral("0"));
            t.imprimir();
            cierre(t.dialogo);
            EXPECT_FALSE(t.dialogo.isVisible());
            EXPECT_FALSE(t.r.ImprimirAceptado);
        }
    }
}

TEST(FrmImprimir, CajaDeCopiasYBarra) {
    Impresion t;
    QLineEdit* caja = t.dialogo.Text1;
    caja->setText(QStringLiteral("1999"));
    QTest::keyClick(caja, Qt::Key_Up);
    EXPECT_EQ(caja->text(), QStringLiteral("1999"));
    QTest::keyClick(caja, Qt::Key_Down);
    EXPECT_EQ(caja->text(), QStringLiteral("1998"));
    EXPECT_EQ(t.dialogo.VScroll1->value(), 1998);
    caja->setText(QStringLiteral("1"));
    QTest::keyClick(caja, Qt::Key_Down);
    EXPECT_EQ(caja->text(), QStringLiteral("1"));
    caja->setText(QString());
    EXPECT_EQ(caja->text(), QStringLiteral("1"));
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier); // select all, then type over it
    QTest::keyClicks(caja, QStringLiteral("2"));
    EXPECT_EQ(caja->text(), QStringLiteral("2"));

    caja->setText(QStringLiteral("25"));
    caja->selectAll();
    QTest::keyClicks(caja, QStringLiteral("2a5-00"));
    EXPECT_EQ(caja->text(), QStringLiteral("2500"));
    EXPECT_EQ(t.dialogo.VScroll1->value(), 250) << "2500 is refused";
    QFocusEvent salida(QEvent::FocusOut);
    QApplication::sendEvent(caja, &salida);
    EXPECT_EQ(caja->text(), QStringLiteral("250"));

    // The spin bar's upper arrow raises the count.
    QStyleOptionSlider opcion;
    opcion.initFrom(t.dialogo.VScroll1);
    opcion.orientation = Qt::Vertical;
    const QRect arriba = t.dialogo.VScroll1->style()->subControlRect(
        QStyle::CC_ScrollBar, &opcion, QStyle::SC_ScrollBarSubLine, t.dialogo.VScroll1);
    test::clic(t.dialogo.VScroll1, arriba.center());
    EXPECT_EQ(caja->text(), QStringLiteral("251"));
}

// The spin bar's arrows act from the count at both ends: up from 1, down from 1999, and
// neither past its end.
TEST(FrmImprimir, FlechasDeLaBarraEnSusExtremos) {
    Impresion t;
    QScrollBar* barra = t.dialogo.VScroll1;
    const std::tuple<const char*, bool, const char*> casos[] = {
        {"1", true, "2"}, {"1", false, "1"}, {"1999", false, "1998"}, {"1999", true, "1999"}};
    for (const auto& [antes, subir, despues] : casos) {
        SCOPED_TRACE(std::string(antes) + (subir ? " up" : " down"));
        t.dialogo.Text1->setText(QString::fromLatin1(antes));
        test::clic(barra, QPoint(barra->width() / 2, subir ? 3 : barra->height() - 4));
        EXPECT_EQ(t.dialogo.Text1->text(), QString::fromLatin1(despues));
    }
}

// Tab goes through the controls in reading order; Return prints from any control, the copies
// box included, with the checks of the Print button.
TEST(FrmImprimir, TabulaEnOrdenEIntroImprime) {
    Impresion t;
    frmImprimir& d = t.dialogo;
    d.Combo1->setFocus();
    EXPECT_EQ(test::recorrido(&d, 7),
              (std::vector<QWidget*>{d.Text1, d.ChkCOLLATE, d.Option1, d.Option3, d.Option2,
                                     d.Text2, d.Combo1}));
    d.Text1->setFocus();
    d.Text1->setText(QStringLiteral("0"));
    test::tecla(&d, Qt::Key_Return);
    EXPECT_EQ(t.mensajes(), QStringList{kCopiasNoValidas});
    EXPECT_TRUE(d.isVisible());
    d.Text1->setText(QStringLiteral("3"));
    d.Text2->setFocus();
    QTest::keyClicks(d.Text2, QStringLiteral("2-3"));
    test::tecla(&d, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(t.r.ImprimirAceptado);
    EXPECT_EQ(t.r.NumCopias, 3);
    EXPECT_EQ(marcadas(t.r.PaginasAImprimir), intervalo(2, 3));
}

// The Print button's caption stands on grey, resting and pressed, inside the button's border;
// the Cancel button keeps its face.
TEST(FrmImprimir, FondoGrisDeImprimirEsDelBoton) {
    Impresion t;
    frmImprimir& d = t.dialogo;
    auto gris = [&d](QPoint p) { return d.grab().toImage().pixel(p) == qRgb(224, 224, 224); };
    const QPoint imprimir = d.Boton(0).Boton;
    const QPoint bajoElTitulo(6, 17);
    EXPECT_TRUE(gris(imprimir + bajoElTitulo));
    EXPECT_FALSE(gris(imprimir + QPoint(70, 32))) << "the border stays";
    EXPECT_FALSE(gris(d.Boton(1).Boton + bajoElTitulo));
    test::pulsa(d.Boton(0).Label3);
    EXPECT_TRUE(gris(imprimir + QPoint(1, 1) + bajoElTitulo));
}

TEST(FrmImprimir, ImpresoraYIntercalado) {
    Impresion t;
    EXPECT_EQ(t.dialogo.Combo1->currentText(), QStringLiteral("Imprimir a PDF"));
    EXPECT_EQ(t.dialogo.Boton(0).Label3->toolTip(), QStringLiteral("Imprimir a PDF"));

    test::FakePrinters printers;
    printers.names = QStringList{QStringLiteral("Aula"), QStringLiteral("Sala"),
                                 QStringLiteral("Imprimir a PDF")};
    printers.current = QStringLiteral("Sala");
    test::FakeNotifier notifier;
    ResultadosDialogos r;
    frmImprimir d(nullptr, 1, 3, r, printers, notifier);
    EXPECT_EQ(d.Combo1->currentIndex(), 1);
    d.Combo1->setCurrentIndex(0);
    EXPECT_EQ(printers.current, QStringLiteral("Aula"));
    d.ChkCOLLATE->setChecked(false);
    EXPECT_TRUE(d.ImgCOLLATE[1]->isHidden());
    EXPECT_FALSE(d.ImgCOLLATE[0]->isHidden());
    d.show();
    test::clic(d.Boton(0).Label3);
    EXPECT_TRUE(r.ImprimirAceptado);
    EXPECT_FALSE(r.ImprimirIntercalado);
    EXPECT_EQ(printers.current, QStringLiteral("Aula"));

    printers.names.clear();
    frmImprimir sinImpresoras(nullptr, 1, 3, r, printers, notifier);
    EXPECT_TRUE(sinImpresoras.Combo1->isHidden());
}

} // namespace
} // namespace vornith::dialogs
