// The example collections shipped beside the program.

#include "document/disco_coleccion.h"
#include "document_fixture.h"
#include "platform/picture_files.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace vornith::test {
namespace {

QString ejemplo(const char* nombre) {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/Ejemplos/Ejemplo ") +
           QString::fromUtf8(nombre) + QStringLiteral(".col");
}

// The examples open without a message, and a picture one carries under a name that img/ holds
// has img/'s bytes: the program shows img/'s, and a save would silently rewrite the example.
TEST(Ejemplos, OpenWithoutAMessageAndCarryTheDiagramsOfImg) {
    const QString img = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/img");
    int comparadas = 0;
    for (const char* nombre : {"física", "matemáticas", "química"}) {
        for (const document::ImagenColeccion& imagen :
             document::AbreArchivoColeccion(ejemplo(nombre)).Datos.Imagenes) {
            const QString ruta = findFileIgnoringCase(img, imagen.nombre);
            if (ruta.isEmpty()) continue;
            ++comparadas;
            EXPECT_EQ(readPictureFile(ruta), imagen.datos) << imagen.nombre.toStdString();
        }
        QTemporaryDir temp;
        DocumentFixture f({img, temp.path()});
        ASSERT_TRUE(f.doc->OpenFile(ejemplo(nombre))) << nombre;
        EXPECT_TRUE(f.avisos.shown.empty()) << nombre;
        EXPECT_GE(f.doc->estado().Coleccion.NPROB, 8) << nombre;
        EXPECT_LE(f.doc->estado().Coleccion.NPROB, 12) << nombre;
        EXPECT_FALSE(f.doc->estado().Problemas[1].Enunciado.startsWith(u"<ERROR")) << nombre;
    }
    EXPECT_GE(comparadas, 2);
}

// The branches "#UDB(" of the examples give their centre the bond letter of each group: "S",
// "D" or "T" towards a group ("#R1(" above, "#R2(" below), a blank where there is none.
TEST(Ejemplos, EveryBranchHasTheBondLettersOfItsGroups) {
    int ramas = 0;
    for (const char* nombre : {"física", "matemáticas", "química"}) {
        DocumentFixture f;
        ASSERT_TRUE(f.doc->OpenFile(ejemplo(nombre))) << nombre;
        const document::EstadoDocumento& d = f.doc->estado();
        for (int i = 1; i <= d.Coleccion.NPROB; ++i) {
            const QString texto = d.Problemas[i].Enunciado + d.Problemas[i].Solucion;
            for (qsizetype a = texto.indexOf(u"#UDB("); a >= 0;
                 a = texto.indexOf(u"#UDB(", a + 5)) {
                const QString rama = texto.mid(a, texto.indexOf(u"#UDB)", a) + 5 - a);
                SCOPED_TRACE(rama.toStdString());
                ++ramas;
                ASSERT_GE(rama.size(), 8);
                for (const auto& [letra, grupo] :
                     {std::pair(rama[6], u"#R1("), std::pair(rama[7], u"#R2(")}) {
                    EXPECT_TRUE(QStringLiteral("SDT ").contains(letra));
                    EXPECT_EQ(rama.contains(grupo), letra != u' ');
                }
            }
        }
    }
    EXPECT_GE(ramas, 2);
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

// The mathematics and chemistry problems belong to modules this program does not have:
// regenerating the collection leaves them whole and says how many; Insert refuses them.
TEST(Ejemplos, RegeneratingAnotherSubjectKeepsItsProblems) {
    const QString causa =
        QStringLiteral("Posiblemente el archivo fue creado con una aplicación de otra asignatura.");
    for (const char* nombre : {"matemáticas", "química"}) {
        SCOPED_TRACE(nombre);
        DocumentFixture f;
        ASSERT_TRUE(f.doc->OpenFile(ejemplo(nombre)));
        const document::EstadoDocumento& d = f.doc->estado();
        const int n = d.Coleccion.NPROB;
        const document::TablaProblemas antes = d.Problemas;
        const bool undo = d.Undo.Hay;
        f.doc->RegenerarColeccion();
        f.muestraYSelecciona(2);
        f.doc->InsertarMismoTipo();
        ASSERT_EQ(f.avisos.shown.size(), 2U);
        EXPECT_EQ(
            f.avisos.shown[0].text,
            QStringLiteral("No se pueden regenerar %1 problemas: se han dejado como estaban. ")
                    .arg(n) +
                causa);
        EXPECT_EQ(f.avisos.shown[1].text,
                  QStringLiteral("No se puede regenerar el problema. ") + causa);
        ASSERT_EQ(d.Coleccion.NPROB, n);
        for (int i = 1; i <= n; ++i)
            EXPECT_EQ(d.Problemas[i], antes[i]) << i;
        EXPECT_EQ(d.Undo.Hay, undo);
    }
}

} // namespace
} // namespace vornith::test
