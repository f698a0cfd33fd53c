// Every generator routine of both modules: the catalogue entry it lists without drawing, and
// the same problem again for the same seed and place in the collection.

#include "generador_directo.h"
#include "generation/dynamics/rutinas.h"
#include "generation/kinematics/rutinas.h"

#include <gtest/gtest.h>

#include <vector>

namespace vornith::test {
namespace {

using namespace generation;

struct Rutina {
    RutinaGeneradora rutina;
    const char* codTema;
    const char* tema;
    const char* codTipo;
    const char* titulo;
    const char* descripcion;
};

const Rutina kRutinas[] = {
    {&XIMB_FISI_CIN::Tipo020_Lanzamiento, "040", "Cinemática", "020",
     "Lanzamiento horizontal y oblicuo",
     "Problemas de movimiento en dos dimensiones: Lanzamiento horizontal y lanzamiento "
     "oblicuo. (3 tipos)"},
    {&XIMB_FISI_CIN::Tipo015_MRUA, "040", "Cinemática", "015",
     "Movimiento rectilíneo uniformemente acelerado/desacelerado",
     "&DPProblemas de movimiento acelerado y desacelerado (MRUA / MRUD). Lanzamiento vertical y "
     "caída libre. (7 tipos)"},
    {&XIMB_FISI_CIN::Tipo025_MCU, "040", "Cinemática", "025", "Movimiento circular uniforme",
     "Problemas de movimiento circular uniforme (velocidad constante) (MCU).    (4 tipos)"},
    {&XIMB_FISI_CIN::Tipo045_Vectores, "040", "Cinemática", "045",
     "Vectores de posición, velocidad y aceleración",
     "Cálculo del vector de posición, velocidad y aceleración conocido uno de ellos. Velocidad "
     "y aceleración media, módulos... (4 tipos)"},
    {&XIMB_FISI_CIN::Tipo055_ComponentesIntrinsecas, "040", "Cinemática", "055",
     "Componentes intrínsecas de la aceleración",
     "Cálculo de las componentes tangencial y normal de la aceleración a partir del vector de "
     "posición. (1 tipo)"},
    {&XIMB_FISI_CIN::Tipo040_DosMoviles, "040", "Cinemática", "040",
     "Movimiento de dos móviles y combinación de varios tipos de movimiento",
     "Problemas de dos móviles que se intersectan (3 tipos). Móvil con varios movimientos "
     "(acelerado, uniforme, desacelerado) (2 tipos). (Total 5 tipos)"},
    {&XIMB_FISI_CIN::Tipo030_MCUA, "040", "Cinemática", "030",
     "Movimiento circular uniformemente acelerado",
     "Problemas de movimiento circular uniformemente acelerado (MCUA).         (4 tipos)"},
    {&XIMB_FISI_CIN::Tipo010_CalculosBasicos, "040", "Cinemática", "010",
     "Cálculos básicos y cambio de unidades",
     "Cálculos sencillos con velocidad, espacio y tiempo. Expresión de la velocidad en varias "
     "unidades. (4 tipos)"},
    {&XIMB_FISI_CIN::Tipo100_MAS, "040", "Cinemática", "100",
     "Cinemática del movimiento armónico simple",
     "Cálculos con la ecuación de la elongación y velocidad. Aceleración, frecuencia, periodo, "
     "pulsación y amplitud (5 tipos)"},
    {&XIMB_FISI_DIN::Tipo030_PlanoHorizontal, "060", "Dinámica", "030",
     "Dinámica de una partícula (plano horizontal)", "Partícula en plano horizontal  (3 tipos)"},
    {&XIMB_FISI_DIN::Tipo035_PlanoInclinado, "060", "Dinámica", "035",
     "Dinámica de una partícula (plano inclinado y otros tipos)",
     "&DPPartícula en inclinado, péndulo, ascensor, muelle, peralte...  (8 tipos)"},
    {&XIMB_FISI_DIN::Tipo040_VariasParticulas, "060", "Dinámica", "040",
     "Dinámica de varias partículas",
     "Partículas unidas por cuerdas y poleas en planos inclinados, horizontales, ... (5 tipos)"},
    {&XIMB_FISI_DIN::Tipo100_DinamicaMAS, "060", "Dinámica", "100",
     "Dinámica del movimiento armónico simple",
     "Dinámica del M.A.S. para muelles y péndulos: Elongación, velocidad, frecuencia, masa, "
     "constante elástica, longitud del péndulo... (8 tipos)"},
};

TEST(Rutinas, EveryRoutineOfBothTablesIsListedHere) {
    std::size_t registradas = 0;
    for (const auto* tabla : {&XIMB_FISI_CIN::TablaRutinas(), &XIMB_FISI_DIN::TablaRutinas()})
        registradas += tabla->size();
    EXPECT_EQ(registradas, std::size(kRutinas));
}

TEST(Rutinas, ListingFillsTheCatalogueFieldsWithoutDrawing) {
    for (const Rutina& r : kRutinas) {
        InterfazModulo v;
        v.ModoCatalogo = true;
        v.CatExtra = QStringLiteral("007");
        ScriptedRandom rng;
        Generador g(v, rng);
        r.rutina(g);
        SCOPED_TRACE(r.titulo);
        EXPECT_EQ(v.CatClase, QStringLiteral("3"));
        EXPECT_EQ(v.CatAsignatura, QStringLiteral("Física"));
        EXPECT_EQ(v.CatCodTema, QString::fromUtf8(r.codTema));
        EXPECT_EQ(v.CatTema, QString::fromUtf8(r.tema));
        EXPECT_EQ(v.CatCodTipo, QString::fromUtf8(r.codTipo));
        EXPECT_EQ(v.CatTitulo, QString::fromUtf8(r.titulo));
        EXPECT_EQ(v.CatDescripcion, QString::fromUtf8(r.descripcion));
        EXPECT_EQ(v.CatExtra, QStringLiteral("007"));
        EXPECT_TRUE(v.TextoEnunciado.isEmpty());
        EXPECT_TRUE(v.TextoSolucion.isEmpty());
        EXPECT_EQ(rng.draws, 0);
    }
}

TEST(Rutinas, EqualSeedAndPlaceGiveEqualProblem) {
    std::vector<int> semillas;
    for (int s = -30; s < 300; ++s)
        semillas.push_back(s);
    for (int s = 97 * 4; s < 10000; s += 97)
        semillas.push_back(s);
    semillas.insert(semillas.end(), {777, 4242, 9998, 9999});
    const struct { double num, orden; } lugares[] = {{1, 1}, {5, 3}, {7, 3}};
    for (const Rutina& r : kRutinas)
        for (const auto& lugar : lugares)
            for (const int s : semillas)
                ASSERT_TRUE(generaDirecto(r.rutina, s, lugar.num, lugar.orden) ==
                            generaDirecto(r.rutina, s, lugar.num, lugar.orden))
                    << r.titulo << " Semilla " << s << " N=" << lugar.num << " k=" << lugar.orden;
}

} // namespace
} // namespace vornith::test
