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
    EXPECT_TRUE(EsTextoPortapapeles(QStringLiteral("VORNITH:NPROB=001:")));
    EXPECT_FALSE(EsTextoPortapapeles(QStringLiteral("VORNITH:NPROB=001")));
    EXPECT_FALSE(EsTextoPortapapeles(QStringLiteral("vornith:NPROB=001:XIMB")));
    EXPECT_FALSE(EsTextoPortapapeles(QStringLiteral(" VORNITH:NPROB=001:")));
    EXPECT_EQ(LeeTextoPortapapeles(QStringLiteral("Un texto cualquiera")), std::nullopt);
}

TEST(TextoPortapapeles, IdaYVuelta) {
    EXPECT_EQ(LeeTextoPortapapeles(TextoPortapapeles(kProblema)), kProblema);
    Problema vacio = kProblema;
    vacio.Solucion.clear();
    vacio.Clave = QStringLiteral("XIMB_FISI_DIN");
    EXPECT_EQ(LeeTextoPortapapeles(TextoPortapapeles(vacio)), vacio);
}

TEST(TextoPortapapeles, TextoDanadoPegaLoQueDanLasConversiones) {
    QString texto = TextoPortapapeles(kProblema);
    texto.replace(QStringLiteral("045"), QStringLiteral("4x5"));
    texto.replace(QStringLiteral("#SOL("), QStringLiteral("#S0L("));
    const std::optional<Problema> p = LeeTextoPortapapeles(texto);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Tipo, 7);
    EXPECT_EQ(p->SemillaA, 0);
    EXPECT_EQ(p->SemillaB, 123);
    EXPECT_TRUE(p->Enunciado.isEmpty());
    EXPECT_TRUE(p->Solucion.isEmpty());

    // Cut anywhere after the prefix: whatever is complete is kept, the rest is empty or 0.
    const QString entero = TextoPortapapeles(kProblema);
    for (qsizetype n = 18; n <= entero.size(); ++n) {
        const std::optional<Problema> cortado = LeeTextoPortapapeles(entero.left(n));
        ASSERT_TRUE(cortado) << n;
        EXPECT_EQ(cortado->Orden, n >= 114 ? 2 : 0) << n;
        EXPECT_EQ(cortado->Clave.isEmpty(), n <= 18) << n;
    }
    EXPECT_EQ(LeeTextoPortapapeles(entero.left(18)), Problema{});
}

} // namespace
} // namespace vornith::document
