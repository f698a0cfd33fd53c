// The drawn chrome: dragging, drawn buttons and their commands, and every way of closing.

#include "dialogs/ventana_dibujada.h"

#include "ayudas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith::dialogs {
namespace {

using test::clic;
using test::pulsa;
using test::raton;
using test::suelta;

class VentanaPrueba final : public VentanaDibujada {
  public:
    VentanaPrueba() : VentanaDibujada(nullptr, QSize(400, 300), QStringLiteral("Prueba"), 66, 400) {
        for (int i = 0; i < 2; ++i) {
            comandos[i] = new Comando(
                QStringLiteral("Botón %1").arg(i), [this, i] { ++clics[i]; }, this);
            AgregaBoton(comandos[i], QPoint(40 + 180 * i, 250));
        }
    }
    Comando* comandos[2];
    int clics[2] = {0, 0};
    int cancelaciones = 0;
    int activaciones = 0;
    int aceptaciones = 0;

  protected:
    void Cancelar() override {
        ++cancelaciones;
        Cierra(false);
    }
    void Aceptar() override { ++aceptaciones; }
    void Activacion() override { ++activaciones; }
};

// Return and keypad Enter run the accept command from a control that leaves them alone; not
// with Ctrl, nor from a control that takes Return.
TEST(VentanaDibujada, IntroAceptaSalvoSiElControlLoToma) {
    VentanaPrueba v;
    auto* linea = new QLineEdit(&v);
    auto* texto = new QPlainTextEdit(&v);
    v.show();
    QTest::keyClick(linea, Qt::Key_Return);
    QTest::keyClick(linea, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(v.aceptaciones, 2);
    QTest::keyClick(linea, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(texto, Qt::Key_Return);
    EXPECT_EQ(v.aceptaciones, 2);
    EXPECT_EQ(texto->toPlainText(), "\n");
}

TEST(VentanaDibujada, ArrastrePorAsaYTituloSigueAlRaton) {
    VentanaPrueba v;
    v.show();
    for (QWidget* agarre : {static_cast<QWidget*>(v.Image7()), static_cast<QWidget*>(v.Label4())}) {
        for (const Qt::MouseButton boton : {Qt::LeftButton, Qt::RightButton}) {
            v.move(100, 120);
            const QPoint inicio = v.pos() + agarre->pos() + QPoint(7, 5);
            raton(agarre, QEvent::MouseButtonPress, QPoint(7, 5), inicio, boton);
            raton(agarre, QEvent::MouseMove, QPoint(7, 5), inicio + QPoint(35, -12), boton);
            EXPECT_EQ(v.pos(), QPoint(135, 108));
            raton(agarre, QEvent::MouseMove, QPoint(0, 0), inicio + QPoint(-20, 40), boton);
            EXPECT_EQ(v.pos(), QPoint(80, 160));
            raton(agarre, QEvent::MouseButtonRelease, QPoint(0, 0), inicio, boton);
            raton(agarre, QEvent::MouseMove, QPoint(0, 0), inicio + QPoint(90, 90), boton);
            EXPECT_EQ(v.pos(), QPoint(80, 160)) << "no move after the release";
        }
    }
}

TEST(VentanaDibujada, BotonSeHundeYVuelveASuSitio) {
    VentanaPrueba v;
    v.show();
    const auto& b = v.Boton(1);
    EXPECT_EQ(b.Image1->pos(), QPoint(220, 250));
    EXPECT_EQ(b.Label3->pos(), QPoint(220, 256));
    pulsa(b.Label3);
    EXPECT_EQ(b.Image1->pos(), QPoint(221, 251));
    EXPECT_EQ(b.Label3->pos(), QPoint(221, 257));
    b.Image1->move(0, 0);
    suelta(b.Label3);
    EXPECT_EQ(b.Image1->pos(), QPoint(220, 250));
    EXPECT_EQ(b.Label3->pos(), QPoint(220, 256));
    EXPECT_EQ(b.Label3->focusPolicy(), Qt::NoFocus);
}

TEST(VentanaDibujada, ClicEjecutaElComandoDeSuIndice) {
    VentanaPrueba v;
    v.show();
    clic(v.Boton(1).Label3);
    EXPECT_EQ(v.clics[0], 0);
    EXPECT_EQ(v.clics[1], 1);
    clic(v.Boton(0).Label3);
    EXPECT_EQ(v.clics[0], 1);
    // A release outside the caption is no click.
    pulsa(v.Boton(0).Label3);
    suelta(v.Boton(0).Label3, QPoint(-30, 5));
    EXPECT_EQ(v.clics[0], 1);
    v.Label3_Click(2);
    EXPECT_EQ(v.clics[0] + v.clics[1], 2);
}

TEST(VentanaDibujada, BotonDeshabilitadoNoSeHundeNiEjecuta) {
    VentanaPrueba v;
    v.show();
    const auto& b = v.Boton(0);
    const QPixmap habilitada = b.Image1->pixmap();
    v.comandos[0]->setEnabled(false);
    v.comandos[0]->setCaption(QStringLiteral("Finalizar"));
    EXPECT_FALSE(test::mismaImagen(b.Image1->pixmap(), habilitada));
    EXPECT_EQ(b.Label3->text(), QStringLiteral("Finalizar"));
    pulsa(b.Label3);
    EXPECT_EQ(b.Image1->pos(), QPoint(40, 250));
    suelta(b.Label3);
    v.Label3_Click(0);
    EXPECT_EQ(v.clics[0], 0);
    v.comandos[0]->setEnabled(true);
    EXPECT_TRUE(test::mismaImagen(b.Image1->pixmap(), habilitada));
    clic(b.Label3);
    EXPECT_EQ(v.clics[0], 1);
}

TEST(VentanaDibujada, EscCruzYCloseCancelan) {
    const std::function<void(VentanaPrueba&)> cierres[] = {
        [](VentanaPrueba& v) { QTest::keyClick(&v, Qt::Key_Escape); },
        [](VentanaPrueba& v) { clic(v.Label6()); },
        [](VentanaPrueba& v) { v.close(); },
    };
    for (const auto& cierre : cierres) {
        VentanaPrueba v;
        v.show();
        v.hide();
        v.show();
        EXPECT_EQ(v.activaciones, 2) << "once per showing";
        // A press on "×" released elsewhere shifts it and puts it back, and cancels nothing.
        const QPoint reposo(400 - 26, v.Label6()->y());
        pulsa(v.Label6());
        EXPECT_EQ(v.Label6()->pos(), reposo + QPoint(1, 1));
        suelta(v.Label6(), QPoint(-40, 5));
        EXPECT_EQ(v.Label6()->pos(), reposo);
        EXPECT_EQ(v.cancelaciones, 0);
        cierre(v);
        EXPECT_EQ(v.cancelaciones, 1);
        EXPECT_FALSE(v.isVisible());
        EXPECT_EQ(v.result(), QDialog::Rejected);
    }
}

} // namespace
} // namespace vornith::dialogs
