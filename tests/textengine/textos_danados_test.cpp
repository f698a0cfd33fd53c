// Every construct drawer called directly with texts its tag never gives, in both passes: no
// read outside the text, the same numbering in both passes, nothing drawn while measuring,
// the surface's font, colour and pen as they were, the levels back at 0, and the error mark.

#include "drawer_checks.h"

#include "textengine/drawers/drawers.h"

#include <gtest/gtest.h>

#include <functional>

namespace vornith::textengine::test {
namespace {

using Dibujante = std::function<void(EstadoMotor&, const QString&, Surface&)>;

Dibujante anillo(int vertices, QChar orientacion) {
    return [=](EstadoMotor& m, const QString& t, Surface& s) {
        DibujaAnillo(m, t, s, vertices, false, orientacion);
    };
}

struct Caso {
    const char* nombre;
    Dibujante dibuja;
    QStringList textos;
    bool soloMarca; // nothing but the error mark is drawn
};

TEST(TextosDanados, EveryDrawerShowsTheErrorMarkInBothPasses) {
    const Caso casos[] = {
        {"cociente",
         DibujaCociente,
         {"", "#", "#COC(", "#COC)", "#COC(#COC", "#COC(#N)(", "#DDL(#L)", "#COC(#N)(#N)"},
         false},
        {"potencia",
         DibujaPotencia,
         {"", "#POT(", "#EXP(", "#EXP(#EXP", "#POT(#PB)(", "#POT(a#POT)"},
         false},
        {"subsuper",
         DibujaSubSuper,
         {"", "#SPB(", "#SPB(#T)(#SPB)", "#SPB(Lx#SPB)", "#SPB(#T)"},
         false},
        {"apilado",
         DibujaApilado,
         {"", "#TST(", "#TST(a#TST)", "#TST(a#TS)(#TST)", "#TST(a#TS)(#ST1(x#TST)",
          "#TST(a#TS)(#ST1(x#ST1)#ST3(y#ST3)#TST)", "#TST(a#TS)(x#ST1(y#ST1)#TST)"},
         false},
        {"imagen",
         DibujaImagen,
         {"", "#IMG(", "#IMG('A.GIF#IMG)", "#IMG(DXmm=3#IMG)", "#IMG(DYmm:#IMG)",
          "#IMG(DXmm=1e300:DYmm=2:#IMG)"},
         false},
        {"raiz",
         DibujaRaiz,
         {"", "#", "#SQR(", "#SQR(x", "#SQR(x#CUR)", "#ABC(x#ABC)", "#RAD(#RI(", "#RAD(#RI(#RAD)",
          "#RAD(#RI(3#RI#RAD)"},
         false},
        {"filas",
         DibujaFilas,
         {"", "#RWS(", "#RWS(L", "#RWS(L#RWS", "#RWS(L#RW1(#RWS)",
          "#RWS(C#RW1(a#RW1)#RW3(b#RW3)#RWS)", "#RWS(#RW1(a#RW1)#RWS)"},
         false},
        {"decoracion",
         DibujaDecoracion,
         {"", "#VE", "#VEC(", "#VEC(x", "#VEC(x#VED)", "#XYZ(x#XYZ)", "#INT(x#INT)"},
         false},
        {"flecha",
         DibujaFlechaTexto,
         {"", "#ATX(", "#ATX(#T)(", "#ATX(a#T)(b", "#ATX(a#T)(b#ATS)", "#ATX(ab#ATX)",
          "#ATX(a#T)b#ATX)"},
         false},
        {"udb", DibujaUDB, {"", "#UDB(", "#UDB(#UDB", "#UDB)", "#UDB(#UDB)", "#UDB(C#COC)"}, true},
        // Texts and settings that no ring tag gives.
        {"anillo 6V", anillo(6, u'V'), {"", "#A6V(", "#A6V(S#A5V)"}, true},
        {"anillo 0 vertices", anillo(0, u'V'), {"#A6V(#A6V)"}, true},
        {"anillo 10 vertices", anillo(10, u'V'), {"#A6V(#A6V)"}, true},
        {"anillo orientation X", anillo(6, u'X'), {"#A6V(#A6V)"}, true},
    };
    const Rgb azul = InterpretaColor(QStringLiteral("Azul"));
    for (const Caso& caso : casos) {
        for (const QString& texto : caso.textos) {
            SCOPED_TRACE(std::string(caso.nombre) + ": " + texto.toStdString());
            Motor m;
            RecordingSurface s;
            s.setFontItalic(true);
            s.setForeColor(azul);
            const Fuente antes = fuenteDe(s);
            int numeros[2] = {0, 0};
            for (const int modo : {0, 1}) {
                m.motor.ModoDibujo = modo;
                m.motor.NumElemento = 2;
                s.moveTo(1000, 2000);
                caso.dibuja(m.motor, texto, s);
                numeros[modo] = m.motor.NumElemento;
                EXPECT_EQ(fuenteDe(s), antes);
                EXPECT_EQ(s.foreColor(), azul);
                EXPECT_EQ(s.drawWidth(), 1);
                EXPECT_EQ(m.motor.NivelCociente, 0);
                EXPECT_EQ(m.motor.NivelExponente, 0);
                if (modo == 0) {
                    EXPECT_TRUE(s.ops().empty()) << "drawn while measuring";
                }
            }
            EXPECT_EQ(numeros[0], numeros[1]);
            const QString dibujado = textos(s.ops()).join(QString());
            if (caso.soloMarca) {
                EXPECT_EQ(dibujado, QStringLiteral("*ERROR*"));
                EXPECT_TRUE(deClase(s.ops(), DrawOp::Kind::Line).empty());
            } else {
                EXPECT_TRUE(dibujado.contains(u"*ERROR*"));
            }
        }
    }
}

} // namespace
} // namespace vornith::textengine::test
