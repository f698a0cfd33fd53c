#include "coleccion_de_prueba.h"

#include "document/texto_portapapeles.h"

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::ProblemaDePrueba;

const Problema kProblema =
    ProblemaDePrueba(QStringLiteral("XIMB_FISI_CIN"), 7, 45, 123, QStringLiteral("Un móvil × 2&LF"),
                     QStringLiteral("v = 3&LF"));

TEST(TextoPortapapeles, Disposicion) {
    EXPECT_EQ(TextoPortapapeles(kProblema),
              QStringLiteral("VORNITH:NPROB=001:XIMB_FISI_CIN") + QString(67, u' ') +
                  QStringLiteral("0070450123060302#ENU(Un móvil × 2&LF#ENU)#SOL(v = 3&LF#SOL)"));
    Problema largo = kProblema;
    largo.Clave = QString(81, u'K');
    EXPECT_EQ(TextoPortapapeles(largo).mid(18, 81), QString(80, u'K') + u'0');
}

TEST(TextoPortapapeles, Prefijo) {
    EXPECT_TRUE(EsTextoPortapapeles(TextoPortapapeles(kProblema)));
    EXPECT_FALSE(EsTextoPortapapeles(QStringLiteral("VORNITH:NPROB=001:")));
    QString texto = TextoPortapapeles(kProblema);
    EXPECT_FALSE(EsTextoPortapapeles(texto.replace(0, 7, QStringLiteral("vornith"))));
    EXPECT_FALSE(EsTextoPortapapeles(" \n." + TextoPortapapeles(kProblema)));
    EXPECT_EQ(LeeTextoPortapapeles(QStringLiteral("Un texto cualquiera")), std::nullopt);
}

TEST(TextoPortapapeles, IdaYVuelta) {
    EXPECT_EQ(LeeTextoPortapapeles(TextoPortapapeles(kProblema)), kProblema);
    // As a text file or an editor's copy gives it back.
    EXPECT_EQ(LeeTextoPortapapeles(TextoPortapapeles(kProblema) + "\r\n \t\n"), kProblema);
    EXPECT_EQ(LeeTextoPortapapeles(" \r\n\t" + TextoPortapapeles(kProblema)), kProblema);
    Problema vacio = kProblema;
    vacio.Solucion.clear();
    vacio.Clave = QStringLiteral("XIMB_FISI_DIN");
    EXPECT_EQ(LeeTextoPortapapeles(TextoPortapapeles(vacio)), vacio);
}

// Damaged texts that begin with the prefix hold no problem.
QStringList TextosDanados() {
    const QString entero = TextoPortapapeles(kProblema);
    const auto cambia = [&entero](const QString& de, const QString& a) {
        return QString(entero).replace(de, a);
    };
    return {QStringLiteral("VORNITH:NPROB=001:basura"),
            entero.left(18 + 80 + 15),      // cut inside the code
            entero.left(entero.size() - 1), // cut inside the closing tag
            cambia(QStringLiteral("045"), QStringLiteral("4x5")),
            cambia(QStringLiteral("0070"), QStringLiteral(" 070")),
            cambia(QStringLiteral("#SOL("), QStringLiteral("#S0L(")),
            cambia(QStringLiteral("#ENU("), QStringLiteral("#ENV(")),
            cambia(QStringLiteral("#ENU)"), QStringLiteral("#ENU]")),
            entero + u'x',
            entero + "\r\nx"};
}

TEST(TextoPortapapeles, TextoDanadoNoDaProblema) {
    for (const QString& texto : TextosDanados()) {
        EXPECT_EQ(LeeTextoPortapapeles(texto), std::nullopt) << texto.toStdString();
        EXPECT_FALSE(EsTextoPortapapeles(texto)) << texto.toStdString();
    }
    // Cut anywhere, the text holds no problem.
    const QString entero = TextoPortapapeles(kProblema);
    for (qsizetype n = 0; n < entero.size(); ++n)
        EXPECT_EQ(LeeTextoPortapapeles(entero.left(n)), std::nullopt) << n;
}

} // namespace
} // namespace vornith::document
