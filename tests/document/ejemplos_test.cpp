// The example collections shipped beside the program.

#include "document_fixture.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

QString ejemplo(const char* nombre) {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/Ejemplos/Ejemplo ") +
           QString::fromUtf8(nombre) + QStringLiteral(".col");
}

TEST(Ejemplos, OpenWithoutAMessage) {
    for (const char* nombre : {"física", "matemáticas", "química"}) {
        QTemporaryDir temp;
        DocumentFixture f({QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/img"),
                           temp.path()});
        ASSERT_TRUE(f.doc->OpenFile(ejemplo(nombre))) << nombre;
        EXPECT_TRUE(f.avisos.shown.empty()) << nombre;
        EXPECT_GE(f.doc->estado().Coleccion.NPROB, 8) << nombre;
        EXPECT_LE(f.doc->estado().Coleccion.NPROB, 12) << nombre;
        EXPECT_FALSE(f.doc->estado().Problemas[1].Enunciado.startsWith(u"<ERROR")) << nombre;
    }
}

TEST(Ejemplos, PhysicsTextsAreAFreshGenerationOfTheirCodes) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc->OpenFile(ejemplo("física")));
    const document::EstadoDocumento& d = f.doc->estado();
    for (int i = 1; i <= d.Coleccion.NPROB; ++i) {
        const generation::Problema& p = d.Problemas[i];
        QString enunciado;
        QString solucion;
        generation::GeneraPorModulo(f.generacion, p.Clave, generation::IdProblema(p), enunciado,
                                    solucion);
        EXPECT_EQ(enunciado, p.Enunciado) << i;
        EXPECT_EQ(solucion, p.Solucion) << i;
    }
}

TEST(Ejemplos, RegeneratingAMathematicsProblemGivesTheErrorStatement) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc->OpenFile(ejemplo("matemáticas")));
    EXPECT_EQ(f.doc->estado().Problemas[2].Clave, QStringLiteral("XIMB_MATE_GEN"));
    f.muestraYSelecciona(2);
    f.doc->RegenerarProblema();
    EXPECT_TRUE(f.doc->estado().Problemas[2].Enunciado.startsWith(
        QStringLiteral("<ERROR: No se puede regenerar el problema>")));
    EXPECT_EQ(f.doc->estado().Problemas[2].Solucion, QStringLiteral("<ERROR>&LF"));
}

} // namespace
} // namespace vornith::test
