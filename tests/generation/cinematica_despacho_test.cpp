// The motion generators reached through the kinematics module by their routine numbers, with
// the collection counts of the problem code reaching the graded type.

#include "generador_directo.h"

#include <gtest/gtest.h>

namespace vornith::generation {
namespace {

QString Enunciado(const char* codigo) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    const test::Generado p =
        test::generaPorModulo(estado, QStringLiteral("XIMB_FISI_CIN"), QString::fromLatin1(codigo));
    EXPECT_TRUE(p.solucion.startsWith(QLatin1String("&SP=10:"))) << p.solucion;
    return p.enunciado;
}

TEST(GeneradoresMovimiento, RoutineNumbersReachTheirGenerators) {
    // Semilla 10 throughout.
    EXPECT_TRUE(Enunciado("0020000010000101").startsWith(QLatin1String("Hemos frenado")));
    EXPECT_TRUE(Enunciado("0030000010000101").startsWith(QLatin1String("En el borde de ")));
    EXPECT_TRUE(Enunciado("0060000010000101").startsWith(QLatin1String("Tenemos dos ")));
    EXPECT_TRUE(Enunciado("0070000010000101").contains(QLatin1String(" desde el reposo.")));
}

TEST(GeneradoresMovimiento, CollectionCountsOfTheCodeGradeType015) {
    // Two problems: the first accelerates ((10 mod 3) + 1 = 2), the second is launched up
    // ((10 mod 4) + 4 = 6). Ten problems, place 6: braking ((10 mod 2) + 4 = 4).
    EXPECT_TRUE(Enunciado("0020000010000201").contains(QLatin1String(" aumenta su velocidad")));
    EXPECT_TRUE(Enunciado("0020000010000202").startsWith(QLatin1String("Lanzamos vertical")));
    EXPECT_TRUE(Enunciado("0020000010001006").startsWith(QLatin1String("Hemos frenado")));
}

} // namespace
} // namespace vornith::generation
