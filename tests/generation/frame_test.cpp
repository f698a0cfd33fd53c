#include "generador_directo.h"
#include "generation/despacho.h"
#include "generation/dynamics/rutinas.h"
#include "generation/kinematics/rutinas.h"
#include "generation/me_norv.h"
#include "generation/modulos.h"

#include <gtest/gtest.h>

namespace vornith::generation {
namespace {

using test::Generado;
using test::ScriptedRandom;

const QString kErrorModulo =
    QStringLiteral("<ERROR: No se puede regenerar el problema>. Posiblemente el archivo fue "
                   "creado con una aplicación de otra asignatura.&LF");

Problema registro(int tipo, int a, int b, int variante, int cantidad, int orden) {
    Problema p;
    p.Tipo = static_cast<std::int16_t>(tipo);
    p.SemillaA = static_cast<std::int16_t>(a);
    p.SemillaB = static_cast<std::int16_t>(b);
    p.Variante = static_cast<std::int16_t>(variante);
    p.Cantidad = static_cast<std::int16_t>(cantidad);
    p.Orden = static_cast<std::int16_t>(orden);
    return p;
}

TEST(IdProblema, FieldsArePaddedAndCut) {
    EXPECT_EQ(IdProblema(registro(8, 17, 345, 1, 3, 2)), "0080170345010302");
    EXPECT_EQ(IdProblema(registro(8, 17, 12345, 1, 3, 2)), "0080172345010302");
    EXPECT_EQ(IdProblema(registro(1000, 0, 0, 0, 0, 0)), "0000000000000000");
    EXPECT_EQ(IdProblema(registro(1, 899, 8999, 99, 100, 7)), "0018998999990007");
}

TEST(IdProblema, NegativeFieldsAreWrittenWithoutSign) {
    const QString code = IdProblema(registro(-8, -17, -345, -1, -3, -2));
    EXPECT_EQ(code, "0080170345010302");
    EXPECT_EQ(IdProblema(registro(-32768, 0, -32768, 0, 0, 0)), "7680002768000000");
}

TEST(GeneraPorModulo, CodeFieldsReachTheInterfaceInAnyKeyCase) {
    ScriptedRandom rng;
    rng.fallback = 0.01F; // small draws keep type 010's distance under its bound
    EstadoGeneracion estado(rng);
    const Generado g = test::generaPorModulo(estado, "ximb_fisi_cin", "0080170345010302");
    EXPECT_EQ(estado.Interfaz.CatRutina, "008");
    EXPECT_EQ(estado.Interfaz.Semilla, 345);
    EXPECT_EQ(estado.Interfaz.NumDelTipo, 3.0);
    EXPECT_EQ(estado.Interfaz.OrdenDelTipo, 2.0);
    EXPECT_FALSE(estado.Interfaz.ModoCatalogo);
    ASSERT_EQ(rng.seeds.size(), 1U);
    EXPECT_EQ(rng.seeds[0], 345);
    // Routine 8 (type 010) ran: 345 mod 4 gives sub-type 2.
    EXPECT_TRUE(g.enunciado.contains("se mueve a una velocidad de")) << g.enunciado;
    EXPECT_EQ(g.enunciado, estado.Interfaz.TextoEnunciado);
    EXPECT_EQ(g.solucion, estado.Interfaz.TextoSolucion);
}

TEST(GeneraPorModulo, FourDrawsAreDiscardedAfterReseeding) {
    ScriptedRandom rng;
    // Discarded four; then type 010 sub-type 1 (Semilla 8): v = 25, u = 2.
    rng.script = {0.9F, 0.9F, 0.9F, 0.9F, 0.04F, 0.33F};
    EstadoGeneracion estado(rng);
    const Generado g = test::generaPorModulo(estado, "XIMB_FISI_CIN", "0080000008000101");
    EXPECT_EQ(g.enunciado, "Un objeto se desplaza con una velocidad de 90& km/h.  Calcular esta "
                           "velocidad en m/s,  cm/s  y  m/min.&LF");
    EXPECT_EQ(g.solucion, "&SP=10:25& m/s,      2500& cm/s,      1500& m/min.&LF");
    EXPECT_EQ(rng.draws, 6);
}

TEST(GeneraPorModulo, UnknownRoutineNamesItsCode) {
    ScriptedRandom rng;
    EstadoGeneracion estado(rng);
    Generado g = test::generaPorModulo(estado, "XIMB_FISI_CIN", "0000000000000000");
    EXPECT_EQ(g.enunciado, "<ERROR EN MODULO XIMB_FISI_CIN:. NO EXISTE RUTINA CON ID = 000>&LF");
    EXPECT_EQ(g.solucion, "&LF");
    g = test::generaPorModulo(estado, "XIMB_FISI_CIN", "0120000001000101");
    EXPECT_EQ(g.enunciado, "<ERROR EN MODULO XIMB_FISI_CIN:. NO EXISTE RUTINA CON ID = 012>&LF");
    g = test::generaPorModulo(estado, "Ximb_Fisi_Din", "0050000001000101");
    EXPECT_EQ(g.enunciado, "<ERROR EN MODULO XIMB_FISI_DIN:. NO EXISTE RUTINA CON ID = 005>&LF");
    g = test::generaPorModulo(estado, "XIMB_FISI_CIN",
                              "abc0000001000101"); // not a number: routine 0
    EXPECT_EQ(g.enunciado, "<ERROR EN MODULO XIMB_FISI_CIN:. NO EXISTE RUTINA CON ID = abc>&LF");
    g = test::generaPorModulo(estado, "XIMB_FISI_CIN",
                              "12"); // a short code reads as far as it goes
    EXPECT_EQ(g.enunciado, "<ERROR EN MODULO XIMB_FISI_CIN:. NO EXISTE RUTINA CON ID = 12>&LF");
}

TEST(GeneraPorModulo, UnknownModuleKey) {
    ScriptedRandom rng;
    EstadoGeneracion estado(rng);
    for (const QString& key : {QStringLiteral("XIMB_QUIM_EST"), QString()}) {
        const Generado g = test::generaPorModulo(estado, key, "0080170345010302");
        EXPECT_EQ(g.enunciado, kErrorModulo);
        EXPECT_EQ(g.solucion, "<ERROR>&LF");
    }
    EXPECT_EQ(rng.draws, 0);
}

TEST(GeneraPorModulo, EndlessRedrawLoopEndsInTheErrorStatement) {
    ScriptedRandom rng; // every draw 0.5: type 010 sub-type 2 never gets under 10000 m
    EstadoGeneracion estado(rng);
    const Generado g = test::generaPorModulo(estado, "XIMB_FISI_CIN", "0080000001000101");
    EXPECT_EQ(g.enunciado, "<ERROR>  Número=  17&LFDescripción del error=Los datos no "
                           "convergen tras 100000 intentos &LFOrden=0080000001000101&LFMódulo="
                           "XIMB_FISI_CIN&LF");
    EXPECT_EQ(g.solucion, "<ERROR>&LF");
}

TEST(GeneraPorModulo, OverflowingSeedEndsInTheErrorStatement) {
    ScriptedRandom rng;
    EstadoGeneracion estado(rng);
    const Generado g = test::generaPorModulo(estado, "ximb_fisi_cin", "0010009E99000101");
    EXPECT_TRUE(g.enunciado.startsWith("<ERROR>  Número=  6&LFDescripción del error="))
        << g.enunciado;
    EXPECT_TRUE(g.enunciado.endsWith(" &LFOrden=0010009E99000101&LFMódulo=ximb_fisi_cin&LF"));
    EXPECT_EQ(g.solucion, "<ERROR>&LF");
}

TEST(GeneraPorModulo, NegativeSeedStillGivesAValidSubType) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    for (const char* seed : {"-001", "-002", "-003", "-999"}) {
        const QString code = "001000" + QLatin1String(seed) + "000101";
        const Generado g = test::generaPorModulo(estado, "XIMB_FISI_CIN", code);
        EXPECT_TRUE(g.enunciado.endsWith("&LF")) << code;
        EXPECT_TRUE(g.solucion.startsWith("&SP=10:")) << code << g.solucion;
    }
}

TEST(GeneraPorModulo, TextsMayAliasTheArguments) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    QString clave = QStringLiteral("nada");
    QString texto = QStringLiteral("0080170345010302");
    GeneraPorModulo(estado, clave, texto, texto, clave);
    EXPECT_EQ(texto, kErrorModulo);
    EXPECT_EQ(clave, "<ERROR>&LF");
}

// The catalogue

QString kinematicsHeading() {
    return QStringLiteral("XIMB_FISI_CIN:040000Física") + QString(71 - 12, u' ') +
           QStringLiteral("Cinemática") + QString(231 - 81, u' ') + QStringLiteral("5000000") +
           QString(160, u' ') + QStringLiteral("\r\n");
}

int registered(const std::vector<EntradaRutina>& table, int last) {
    int n = 0;
    for (const EntradaRutina& e : table)
        n += e.numero >= 1 && e.numero <= last ? 1 : 0;
    return n;
}

TEST(CargaCatalogo, KinematicsComesFirstWithItsHeading) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    CargaCatalogo(estado);
    ASSERT_GE(estado.NumCatalogo, 3);
    EXPECT_EQ(estado.Catalogo[1], kinematicsHeading());
    EXPECT_EQ(estado.Catalogo[1].size(), 414);

    const QString line2 = estado.Catalogo[2];
    EXPECT_TRUE(line2.startsWith("XIMB_FISI_CIN:040020Física ")) << line2;
    const QString record = line2.mid(14);
    EXPECT_EQ(record.mid(71, 80).trimmed(), "Cinemática");
    EXPECT_EQ(record.mid(151, 80).trimmed(), "Lanzamiento horizontal y oblicuo");
    EXPECT_EQ(record.mid(231, 1), "3");
    EXPECT_EQ(record.mid(232, 3), "001");
    EXPECT_EQ(record.mid(235, 3), "000");
    EXPECT_TRUE(record.mid(238, 160).startsWith("Problemas de movimiento en dos dimensiones"));
    EXPECT_TRUE(record.endsWith("\r\n"));
}

TEST(CargaCatalogo, EveryLineHasItsFixedWidthAndRoutinesComeInOrder) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    CargaCatalogo(estado);
    const int kin = registered(XIMB_FISI_CIN::TablaRutinas(), 9);
    const int din = registered(XIMB_FISI_DIN::TablaRutinas(), 4);
    EXPECT_EQ(estado.NumCatalogo, (kin > 0 ? 1 + kin : 0) + (din > 0 ? 1 + din : 0));

    QString key;
    int previousRoutine = 0;
    for (int i = 1; i <= estado.NumCatalogo; ++i) {
        const QString& line = estado.Catalogo[static_cast<std::size_t>(i)];
        ASSERT_EQ(line.size(), 414) << i;
        EXPECT_TRUE(line.endsWith("\r\n"));
        const QString lineKey = line.left(13);
        if (lineKey != key) {
            // A module starts with its one heading.
            EXPECT_EQ(line.mid(14 + 231, 7), "5000000") << i;
            key = lineKey;
            previousRoutine = 0;
            continue;
        }
        EXPECT_EQ(line.mid(14 + 231, 1), "3") << i;
        const int routine = line.mid(14 + 232, 3).toInt();
        EXPECT_GT(routine, previousRoutine) << i;
        previousRoutine = routine;
        EXPECT_EQ(line.mid(14, 3), key == "XIMB_FISI_CIN" ? "040" : "060");
    }
    EXPECT_TRUE(estado.Catalogo[static_cast<std::size_t>(estado.NumCatalogo) + 1].isEmpty());
}

TEST(CargaCatalogo, BothModulesListEveryTypeInRoutineOrder) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    CargaCatalogo(estado);
    ASSERT_EQ(estado.NumCatalogo, 15);
    const char* const tipos[] = {"040000", "040020", "040015", "040025", "040045",
                                 "040055", "040040", "040030", "040010", "040100",
                                 "060000", "060030", "060035", "060040", "060100"};
    for (int i = 1; i <= 15; ++i) {
        const QString& line = estado.Catalogo[static_cast<std::size_t>(i)];
        EXPECT_EQ(line.left(14), i <= 10 ? "XIMB_FISI_CIN:" : "XIMB_FISI_DIN:") << i;
        EXPECT_EQ(line.mid(14, 6), QLatin1String(tipos[i - 1])) << i;
    }
}

TEST(CargaCatalogo, ReloadingRebuildsInsteadOfAppending) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    CargaCatalogo(estado);
    const int first = estado.NumCatalogo;
    const QString last = estado.Catalogo[static_cast<std::size_t>(first)];
    CargaCatalogo(estado);
    EXPECT_EQ(estado.NumCatalogo, first);
    EXPECT_EQ(estado.Catalogo[static_cast<std::size_t>(first)], last);
    EXPECT_TRUE(estado.Interfaz.ModoCatalogo);
}

TEST(AlmacenaListado, DropsRecordsPastTheLimit) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    QString records;
    for (int i = 0; i < 30; ++i)
        records += QString(398, QChar(u'a' + i % 26)) + "\r\n";
    for (int round = 0; round < 40; ++round)
        AlmacenaListado(estado, "KEY:" + records);
    EXPECT_EQ(estado.NumCatalogo, kMaxCatalogo);
    EXPECT_EQ(estado.Catalogo[1], "KEY:" + QString(398, u'a') + "\r\n");
    EXPECT_EQ(estado.Catalogo[kMaxCatalogo].size(), 404);
}

TEST(AlmacenaListado, RecordCountIsRoundedAndAShortTailKept) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    AlmacenaListado(estado, "K:" + QString(400, u'x') + QString(250, u'y'));
    ASSERT_EQ(estado.NumCatalogo, 2);
    EXPECT_EQ(estado.Catalogo[2], "K:" + QString(250, u'y'));
    AlmacenaListado(estado, "K:" + QString(150, u'z')); // rounds to no record
    EXPECT_EQ(estado.NumCatalogo, 2);
    AlmacenaListado(estado, QString(400, u'w')); // no key: no prefix
    EXPECT_EQ(estado.Catalogo[3], QString(400, u'w'));
}

// Listing mode of the shared dispatcher, on routines made for the test.

void listsLongTexts(Generador& g) {
    if (!g.v.ModoCatalogo) return;
    g.v.CatAsignatura = QStringLiteral("Física");
    g.v.CatCodTema = QStringLiteral("40");
    g.v.CatTema = QStringLiteral("Cinemática");
    g.v.CatCodTipo = QStringLiteral("12345");
    g.v.CatTitulo = QString(90, u'T');
    g.v.CatDescripcion = QString(170, u'D');
    g.v.CatClase = QString();
}

void listsNothing(Generador&) {}

void listsANewTopic(Generador& g) {
    static int topic = 100;
    g.v.CatAsignatura = QStringLiteral("Física");
    g.v.CatCodTema = QString::number(++topic);
    g.v.CatTema = QStringLiteral("Tema %1").arg(topic);
    g.v.CatClase = QStringLiteral("  4x");
}

TEST(Listado, FieldsAreCutPaddedAndCoded) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    const std::vector<EntradaRutina> table = {{2, &listsLongTexts}, {1, &listsNothing}};
    const Modulo modulo{QStringLiteral("PRUEBA"), table, 3, 1};
    QString e;
    QString s;
    const QString listing = GeneraProblemaModulo(modulo, estado, QString(), e, s, true);
    ASSERT_EQ(listing.size(), 7 + 800);
    EXPECT_TRUE(listing.startsWith("PRUEBA:040000Física"));
    const QString type = listing.mid(7 + 400);
    EXPECT_EQ(type.left(6), "040345");
    EXPECT_EQ(type.mid(151, 80), QString(80, u'T'));
    EXPECT_EQ(type.mid(231, 7), "3002000"); // empty kind is 3; extra code "000"
    EXPECT_EQ(type.mid(238, 160), QString(160, u'D'));
    EXPECT_TRUE(e.isEmpty() && s.isEmpty());
}

TEST(Listado, OneHeadingTooManyFailsTheListing) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    const std::vector<EntradaRutina> table = {{1, &listsANewTopic}, {2, &listsANewTopic}};
    QString e;
    QString s;
    const Modulo two{QStringLiteral("A"), table, 2, 2};
    const QString listing = GeneraProblemaModulo(two, estado, QString(), e, s, true);
    EXPECT_EQ(listing.size(), 2 + 4 * 400);
    EXPECT_EQ(listing.mid(2 + 400 + 231, 1), "4"); // the first character of the trimmed kind
    const Modulo one{QStringLiteral("A"), table, 2, 1};
    EXPECT_THROW(GeneraProblemaModulo(one, estado, QString(), e, s, true), FalloGeneracion);
}

} // namespace
} // namespace vornith::generation
