#include "generation/me_norv.h"
#include "generation/regenera_problema.h"
#include "qstring_printer.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vornith::generation {
namespace {

// The document and the window write what is asked of them into one shared log.
struct Registro {
    QStringList pasos;
};

class DocumentoFalso final : public ServiciosDocumento {
public:
    explicit DocumentoFalso(Registro& r) : r_(r) {}
    void ComponerColeccion(bool flag, std::int16_t& visible) override {
        r_.pasos << QStringLiteral("componer %1 %2").arg(flag).arg(visible);
        if (fallaAlComponer) throw std::runtime_error("composition failed");
    }
    void PonArchivoActual(const QString& ruta) override {
        r_.pasos << QStringLiteral("archivo '%1'").arg(ruta);
    }
    void PonModificado(bool m) override { r_.pasos << QStringLiteral("modificado %1").arg(m); }
    bool fallaAlComponer = false;

private:
    Registro& r_;
};

class VentanaFalsa final : public ServiciosVentana {
public:
    explicit VentanaFalsa(Registro& r) : r_(r) {}
    void EstadoGenerando() override {
        r_.pasos << QStringLiteral("generando");
        if (fallaAlEmpezar) throw std::runtime_error("window failed");
    }
    void HabilitaControles() override { r_.pasos << QStringLiteral("habilita"); }
    void MuestraPagina() override { r_.pasos << QStringLiteral("muestra"); }
    void PonTitulo(const QString& t) override { r_.pasos << QStringLiteral("titulo ") + t; }
    QString TituloAplicacion() const override { return QStringLiteral("Vornith"); }
    bool fallaAlEmpezar = false;

private:
    Registro& r_;
};

class RegeneraProblemaTest : public ::testing::Test {
protected:
    RegeneraProblemaTest() : estado(rng), documento(registro), ventana(registro) {
        problema.Clave = QStringLiteral("XIMB_FISI_CIN");
        problema.Tipo = 1;
        problema.SemillaA = 17;
        problema.SemillaB = 4;
        problema.Cantidad = 1;
        problema.Orden = 1;
        problema.Enunciado = QStringLiteral("viejo&LF");
        problema.Solucion = QStringLiteral("vieja&LF");
    }

    void regenera() { RegeneraProblema(estado, documento, ventana, cursor, problema, visible); }

    Pcg32Random rng;
    EstadoGeneracion estado;
    Registro registro;
    DocumentoFalso documento;
    VentanaFalsa ventana;
    test::FakeBusyCursor cursor;
    Problema problema;
    std::int16_t visible = 7;
};

TEST_F(RegeneraProblemaTest, GeneratesComposesAndUntiesTheFile) {
    Pcg32Random otro;
    EstadoGeneracion aparte(otro);
    QString enunciado;
    QString solucion;
    GeneraPorModulo(aparte, problema.Clave, IdProblema(problema), enunciado, solucion);

    regenera();
    EXPECT_EQ(problema.Enunciado, enunciado);
    EXPECT_EQ(problema.Solucion, solucion);
    EXPECT_TRUE(problema.Enunciado.startsWith("Se lanza ")) << problema.Enunciado;
    EXPECT_EQ(registro.pasos, QStringList({"generando", "componer 1 7", "archivo ''",
                                           "titulo Vornith", "modificado 1"}));
    EXPECT_FALSE(cursor.isBusy());
    EXPECT_GE(cursor.changes, 2);
}

TEST_F(RegeneraProblemaTest, UnknownModuleStillComposes) {
    problema.Clave = QStringLiteral("XIMB_QUIM_EST");
    regenera();
    EXPECT_TRUE(problema.Enunciado.startsWith("<ERROR: No se puede regenerar el problema>"));
    EXPECT_EQ(problema.Solucion, "<ERROR>&LF");
    EXPECT_EQ(registro.pasos.size(), 5);
    EXPECT_FALSE(cursor.isBusy());
}

TEST_F(RegeneraProblemaTest, ThrowingCompositionGivesTheWindowBack) {
    documento.fallaAlComponer = true;
    EXPECT_THROW(regenera(), std::runtime_error);
    EXPECT_EQ(registro.pasos, QStringList({"generando", "componer 1 7", "muestra", "habilita"}));
    EXPECT_FALSE(cursor.isBusy());
}

TEST_F(RegeneraProblemaTest, FailureBeforeCompositionGivesTheWindowBack) {
    ventana.fallaAlEmpezar = true;
    EXPECT_THROW(regenera(), std::runtime_error);
    EXPECT_EQ(registro.pasos, QStringList({"generando", "muestra", "habilita"}));
    EXPECT_EQ(problema.Enunciado, "viejo&LF");
    EXPECT_FALSE(cursor.isBusy());
}

} // namespace
} // namespace vornith::generation
