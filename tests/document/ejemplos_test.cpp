// The example collections shipped beside the program.

#include "document/creacion.h"
#include "document_fixture.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace vornith::test {
namespace {

QString ejemplo(const char* nombre) {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/Ejemplos/Ejemplo ") +
           QString::fromUtf8(nombre) + QStringLiteral(".col");
}

TEST(Ejemplos, OpenWithoutAMessage) {
    for (const char* nombre : {"física", "matemáticas", "química"}) {
        QTemporaryDir temp;
        DocumentFixture f(
            {QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/img"), temp.path()});
        ASSERT_TRUE(f.doc->OpenFile(ejemplo(nombre))) << nombre;
        EXPECT_TRUE(f.avisos.shown.empty()) << nombre;
        EXPECT_GE(f.doc->estado().Coleccion.NPROB, 8) << nombre;
        EXPECT_LE(f.doc->estado().Coleccion.NPROB, 12) << nombre;
        EXPECT_FALSE(f.doc->estado().Problemas[1].Enunciado.startsWith(u"<ERROR")) << nombre;
    }
}

// Every vertical branch "#UDB(" of the examples: its centre, its bond letters and the texts of
// its two groups ("#R1(" above, "#R2(" below).
struct Rama {
    QString construccion;
    QChar centre, arriba, abajo;
    QString grupoArriba, grupoAbajo;
};

QString grupo(const QString& cuerpo, const QString& abre, const QString& cierra) {
    const qsizetype a = cuerpo.indexOf(abre);
    const qsizetype c = cuerpo.indexOf(cierra);
    return a < 0 || c < a ? QString() : cuerpo.mid(a + 4, c - a - 4);
}

std::vector<Rama> ramas(const QString& texto) {
    std::vector<Rama> r;
    for (qsizetype i = texto.indexOf(u"#UDB("); i >= 0; i = texto.indexOf(u"#UDB(", i + 5)) {
        const qsizetype fin = texto.indexOf(u"#UDB)", i);
        const QString cuerpo = texto.mid(i + 5, fin < 0 ? -1 : fin - i - 5);
        const auto letra = [&](int k) { return k < cuerpo.size() ? cuerpo[k] : QChar(); };
        r.push_back({texto.mid(i, fin < 0 ? -1 : fin + 5 - i), letra(0), letra(1), letra(2),
                     grupo(cuerpo, QStringLiteral("#R1("), QStringLiteral("#R1)")),
                     grupo(cuerpo, QStringLiteral("#R2("), QStringLiteral("#R2)"))});
    }
    return r;
}

// A group drawn 1.5 text heights above (-1) or below (+1) a centre drawn at `centro`, in the
// centre's column, joined to it by a vertical bond line.
bool grupoDibujado(const std::vector<test::DrawOp>& ops, const test::DrawOp& centro,
                   const QString& grupo, int lado) {
    const double h = 23 * centro.state.fontSize; // the recording surface's text height
    const auto texto = std::find_if(ops.begin(), ops.end(), [&](const test::DrawOp& op) {
        return op.kind == test::DrawOp::Kind::Text && op.text == grupo.left(1) &&
               std::abs(op.x1 - centro.x1) < 2 &&
               std::abs(op.y1 - (centro.y1 + lado * 1.5 * h)) < 2;
    });
    const auto enlace = std::find_if(ops.begin(), ops.end(), [&](const test::DrawOp& op) {
        const double medio = (op.y1 + op.y2) / 2 - centro.y1;
        return op.kind == test::DrawOp::Kind::Line && op.x1 == op.x2 && op.x1 > centro.x1 &&
               op.x1 < centro.x1 + 0.6 * h && std::abs(medio - (lado < 0 ? -0.25 : 1.25) * h) < 2;
    });
    return texto != ops.end() && enlace != ops.end();
}

// The structural formulas of the examples: each branch has bond letters that draw its bonds,
// and the drawn page shows every group of it in place, bond included.
TEST(Ejemplos, EveryBranchHasItsBondLettersAndIsDrawnWithItsGroups) {
    const QString letras = QStringLiteral("SDT ");
    int vistas = 0;
    for (const char* nombre : {"física", "matemáticas", "química"}) {
        QTemporaryDir temp;
        DocumentFixture f(
            {QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/img"), temp.path()});
        ASSERT_TRUE(f.doc->OpenFile(ejemplo(nombre))) << nombre;
        const document::EstadoDocumento& d = f.doc->estado();
        std::vector<std::vector<test::DrawOp>> paginas;
        for (int p = 1; p <= d.NumPaginas; ++p) {
            f.doc->PonPaginaActual(p);
            f.caja.clearOps();
            f.doc->DibujaPagina();
            paginas.push_back(f.caja.ops());
        }
        std::vector<std::pair<int, const test::DrawOp*>> usados;
        for (int i = 1; i <= d.Coleccion.NPROB; ++i) {
            for (const Rama& r : ramas(d.Problemas[i].Enunciado + d.Problemas[i].Solucion)) {
                SCOPED_TRACE(r.construccion.toStdString());
                ++vistas;
                EXPECT_TRUE(letras.contains(r.arriba) && letras.contains(r.abajo));
                EXPECT_EQ(r.grupoArriba.isEmpty(), r.arriba == u' ');
                EXPECT_EQ(r.grupoAbajo.isEmpty(), r.abajo == u' ');
                // A centre on some page with its groups in place, not taken by another branch.
                bool dibujada = false;
                for (int p = 0; p < static_cast<int>(paginas.size()) && !dibujada; ++p) {
                    for (const test::DrawOp& op : paginas[p]) {
                        if (op.kind != test::DrawOp::Kind::Text || op.text != QString(r.centre) ||
                            std::count(usados.begin(), usados.end(), std::pair(p, &op)) > 0)
                            continue;
                        if ((r.grupoArriba.isEmpty() ||
                             grupoDibujado(paginas[p], op, r.grupoArriba, -1)) &&
                            (r.grupoAbajo.isEmpty() ||
                             grupoDibujado(paginas[p], op, r.grupoAbajo, +1))) {
                            usados.emplace_back(p, &op);
                            dibujada = true;
                            break;
                        }
                    }
                }
                EXPECT_TRUE(dibujada);
            }
        }
    }
    EXPECT_GE(vistas, 2);
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
// regenerating leaves them whole and says so once per command.
TEST(Ejemplos, RegeneratingAnotherSubjectKeepsItsProblems) {
    for (const char* nombre : {"matemáticas", "química"}) {
        DocumentFixture f;
        ASSERT_TRUE(f.doc->OpenFile(ejemplo(nombre))) << nombre;
        const document::EstadoDocumento& d = f.doc->estado();
        const int n = d.Coleccion.NPROB;
        const document::TablaProblemas antes = d.Problemas;
        const int ajenos = document::NoGenerables(d.Problemas, n);
        EXPECT_GT(ajenos, 0) << nombre;
        for (int vez = 1; vez <= 2; ++vez) {
            f.doc->RegenerarColeccion();
            ASSERT_EQ(f.avisos.shown.size(), static_cast<std::size_t>(vez)) << nombre;
            EXPECT_EQ(f.avisos.shown.back().text, document::MensajeSinRegenerar(ajenos));
        }
        EXPECT_TRUE(f.avisos.shown.back().text.endsWith(
            QStringLiteral("Posiblemente el archivo fue creado con una aplicación de otra "
                           "asignatura.")));
        for (int i = 1; i <= n; ++i) {
            if (generation::GeneraModulo(antes[i].Clave)) continue;
            EXPECT_EQ(d.Problemas[i], antes[i]) << nombre << " " << i;
            EXPECT_FALSE(d.Problemas[i].Enunciado.startsWith(u"<ERROR")) << nombre << " " << i;
        }

        // One problem: Regenerate and Insert refuse it, with a message, and change nothing.
        f.avisos.shown.clear();
        const bool undo = d.Undo.Hay;
        f.muestraYSelecciona(2);
        f.doc->RegenerarProblema();
        f.muestraYSelecciona(2);
        f.doc->InsertarMismoTipo();
        ASSERT_EQ(f.avisos.shown.size(), 2U) << nombre;
        EXPECT_EQ(f.avisos.shown[0].text, document::MensajeSinRegenerar(1));
        EXPECT_EQ(f.avisos.shown[1].text, document::MensajeNoRegenerable());
        EXPECT_EQ(d.Coleccion.NPROB, n);
        EXPECT_EQ(d.Problemas[2], antes[2]);
        EXPECT_EQ(d.Undo.Hay, undo);
    }
}

} // namespace
} // namespace vornith::test
