// What the wizard builds without a window: its settings, the subjects, the topic rows, the
// default title and the subject grid's keys.

#include "dialogs/ajustes_asistente.h"
#include "dialogs/temas_asistente.h"

#include "catalogo_prueba.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace vornith::dialogs {
namespace {

using test::cabecera;
using test::listado;

TEST(AjustesAsistente, ValoresPorDefectoYLecturasAcotadas) {
    test::FakeSettings vacio;
    document::DatosColeccion c;
    const PasosVisibles pasos = LeeAjustes(vacio, c);
    EXPECT_TRUE(c.ORDENA);
    EXPECT_EQ(c.POSSOL, 1);
    EXPECT_EQ(c.PROPRE, QString());
    EXPECT_EQ(c.PROSUF, QStringLiteral(")"));
    EXPECT_EQ(c.POSNUMPAG, 11);
    EXPECT_EQ(c.COLRESPRO, 16777215U);
    EXPECT_TRUE(pasos.Showini);
    EXPECT_FALSE(pasos.Showavan);

    struct Caso {
        const char* solpos;
        const char* pagpos;
        const char* procol;
        int possol, posnumpag;
        Rgb colresPro;
    };
    const Caso casos[] = {
        {"abc", "abc", "abc", 0, 0, 0},                  // no number reads as 0
        {"7", "1e12", "-5", 1, 11, 16777215},            // out of range: 1, default, the maximum
        {"2.5", " 9", "16777216", 2, 9, 16777215},       // rounded half to even
        {"-1", "1e400", "99999999999", 1, 11, 16777215}, // no 32-bit number
        {"3", "13", "12632256", 3, 13, 12632256},
    };
    for (const Caso& caso : casos) {
        test::FakeSettings s;
        s.setValue("Wizard", "Solpos", caso.solpos);
        s.setValue("Wizard", "PagPos", caso.pagpos);
        s.setValue("Wizard", "Procol", caso.procol);
        s.setValue("Wizard", "Ordena", "N");
        s.setValue("Wizard", "Showini", "s"); // only "S" is yes
        document::DatosColeccion d;
        const PasosVisibles p = LeeAjustes(s, d);
        EXPECT_EQ(d.POSSOL, caso.possol) << caso.solpos;
        EXPECT_EQ(d.POSNUMPAG, caso.posnumpag) << caso.pagpos;
        EXPECT_EQ(d.COLRESPRO, caso.colresPro) << caso.procol;
        EXPECT_FALSE(d.ORDENA);
        EXPECT_FALSE(p.Showini);
    }
}

TEST(AjustesAsistente, SeEscribenComoTextosYSeLeenIgual) {
    document::DatosColeccion c;
    c.ORDENA = false;
    c.POSSOL = 3;
    c.PROPRE = QStringLiteral(" P ");
    c.PROSUF = QString();
    c.POSNUMPAG = 0;
    c.COLRESPRO = rgb(192, 224, 255);
    test::FakeSettings s;
    GuardarAjustes(s, c, {false, true}, QStringLiteral("Física"));
    const QHash<QString, QString> esperado = {
        {"Wizard/Ordena", "N"},  {"Wizard/Solpos", "3"},   {"Wizard/Propre", " P "},
        {"Wizard/Prosuf", ""},   {"Wizard/PagPos", "0"},   {"Wizard/Procol", "16769216"},
        {"Wizard/Showini", "N"}, {"Wizard/Showavan", "S"}, {"Wizard/Asignatura", "Física"},
    };
    EXPECT_EQ(s.values, esperado);
    document::DatosColeccion leida;
    const PasosVisibles p = LeeAjustes(s, leida);
    EXPECT_EQ(leida.POSNUMPAG, 0);
    EXPECT_EQ(leida.COLRESPRO, c.COLRESPRO);
    EXPECT_EQ(leida.PROPRE, c.PROPRE);
    EXPECT_FALSE(p.Showini);
    EXPECT_TRUE(p.Showavan);
}

struct Catalogo {
    test::ScriptedRandom azar;
    generation::EstadoGeneracion g{azar};
};

TEST(ReuneAsignaturas, UnaPorNombreEnOrdenYComoMucho15) {
    Catalogo dos;
    listado(dos.g, "MOD_A", {{"Física", "T", "a"}, {"Química", "T", "b"}});
    listado(dos.g, "MOD_B", {{"Física", "T", "c"}, {"física", "T", "d"}});
    EXPECT_EQ(ReuneAsignaturas(dos.g),
              QStringList({"Física", "Química", "física"})); // exact comparison

    for (int cuantas : {16, 120}) {
        Catalogo muchas;
        for (int i = 0; i < cuantas; ++i)
            listado(muchas.g, "M", {{QStringLiteral("A%1").arg(i), "T", "x"}});
        const QStringList a = ReuneAsignaturas(muchas.g);
        ASSERT_EQ(a.size(), 15);
        EXPECT_EQ(a.back(), QStringLiteral("A14"));
    }
}

TEST(ConstruyeTemas, FilasDeLaAsignatura) {
    Catalogo c;
    const QString claveLarga = QString(90, u'K');
    listado(c.g, "XIMB_FISI_CIN",
            {cabecera("Física", "Cinemática"),
             cabecera("Física", "Cinemática"),
             {"Física", "Cinemática", "Tiro", 3, 12, 4, "&DPParabólico"},
             {"Física", "Cinemática", "Teoría", 4, 13},
             {"Química", "Gases", "Ideal", 3, 1},
             {"Física", "Cinemática", "Raro", 0, 14},
             {"Física", "Cinemática", "Raro", 7, 15},
             cabecera("Física", "Cinemática"),
             {"Física", "Cinemática", "Cuestión", 1, 16}});
    listado(c.g, claveLarga,
            {cabecera("FÍSICA", "Dinámica"), {"FÍSICA", "Dinámica", "Fuerza", 3, 2}});

    document::ListaTemas temas;
    temas.Temas[5].Seleccionado = true; // earlier choices are dropped
    QStringList List1;
    ConstruyeTemas(c.g, "física", {false, true, true, true, false}, temas, List1);
    ASSERT_EQ(temas.NumTemas, 7);
    EXPECT_EQ(List1.size(), 10);
    EXPECT_TRUE(List1[0].endsWith("XIMB_FISI_CIN"));
    const auto& f = temas.Temas;
    EXPECT_EQ(f[1].Clase, 6);
    EXPECT_EQ(f[1].Titulo, "física");
    EXPECT_TRUE(f[1].Abierto && f[1].EsCarpeta);
    // Two headings in a row give one; after entries the same topic heads again.
    EXPECT_EQ(f[2].Clase, 5);
    EXPECT_EQ(f[2].Titulo, "Cinemática");
    EXPECT_FALSE(f[2].Abierto);
    EXPECT_EQ(f[2].Nivel, 1);
    const document::Tema& tiro = f[3];
    EXPECT_EQ(tiro.Titulo, "Tiro");
    EXPECT_EQ(tiro.Descripcion, "&DPParabólico");
    EXPECT_EQ(tiro.Rutina, 12);
    EXPECT_EQ(tiro.MaxVariante, 4);
    EXPECT_EQ(tiro.IndiceLista, 2);
    EXPECT_EQ(tiro.Nivel, 2);
    EXPECT_EQ(tiro.Clave, QStringLiteral("XIMB_FISI_CIN").leftJustified(80));
    EXPECT_FALSE(tiro.Seleccionado);
    EXPECT_EQ(tiro.Cantidad, 0);
    // Theory is unticked, classes 0 and 7 name no type, "Cuestión" is class 1 and unticked.
    EXPECT_EQ(f[4].Clase, 5);
    EXPECT_EQ(f[4].Titulo, "Cinemática");
    EXPECT_EQ(f[5].Clase, 1);
    EXPECT_EQ(f[6].Titulo, "Dinámica");
    EXPECT_EQ(f[7].Clave, QString(80, u'K'));
    EXPECT_EQ(f[7].Clase, 3);
    EXPECT_FALSE(temas.Temas[8].Seleccionado);
}

TEST(ConstruyeTemas, NoPasaDe256Filas) {
    Catalogo c;
    for (int i = 0; i < 3; ++i) {
        QString texto = QStringLiteral("M:");
        for (int j = 0; j < 300; ++j)
            texto += test::registro({"F", QStringLiteral("T%1").arg(j), "x", 3, 1});
        generation::AlmacenaListado(c.g, texto);
    }
    document::ListaTemas temas;
    QStringList List1;
    ConstruyeTemas(c.g, "F", {false, false, false, true, false}, temas, List1);
    EXPECT_EQ(List1.size(), 900);
    EXPECT_EQ(temas.NumTemas, 256);
    EXPECT_EQ(temas.Temas.size(), 257U);
}

document::ListaTemas filas(std::initializer_list<std::pair<int, bool>> clases) {
    document::ListaTemas t;
    t.Temas[1].Clase = 6;
    t.Temas[1].Titulo = QStringLiteral("Física");
    int n = 1;
    for (auto [clase, marcada] : clases) {
        auto& f = t.Temas[static_cast<std::size_t>(++n)];
        f.Clase = static_cast<std::int16_t>(clase);
        f.Seleccionado = marcada;
        f.Cantidad = 2;
        f.Titulo = clase == 5 ? QStringLiteral("Tema%1").arg(n) : QString();
    }
    t.NumTemas = static_cast<std::int16_t>(n);
    return t;
}

TEST(GetDefaultTitle, PalabraYLugar) {
    struct Caso {
        document::ListaTemas temas;
        const char* titulo;
    };
    const Caso casos[] = {
        {filas({{5, false}, {3, true}, {3, true}}), "Problemas de Tema2"},
        {filas({{5, false}, {1, true}, {5, false}, {3, true}}), "Problemas de Física"},
        {filas({{5, false}, {1, true}, {1, true}}), "Cuestiones de Tema2"},
        {filas({{5, false}, {2, true}, {1, true}}), "Problemas de Tema2"},
        {filas({{5, false}, {3, true}, {4, true}}), "Temas de teoría de Tema2"},
        {filas({{3, true}, {5, false}, {3, false}}), "Problemas de "},
        {filas({{5, false}, {3, true}, {5, false}, {3, true}, {5, false}, {3, true}}),
         "Problemas de Física"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(GetDefaultTitle(caso.temas), QString::fromUtf8(caso.titulo));
    EXPECT_EQ(Total(filas({{5, true}, {3, true}, {3, false}, {1, true}})), 6);
}

TEST(MueveEnRejilla, TablaDeTeclas) {
    using T = TeclaRejilla;
    // N = 7: rows 1 2 3 / 4 5 6 / 7.
    struct Caso {
        T tecla;
        int desde, hasta;
    };
    const Caso casos[] = {
        {T::Siguiente, 7, 1}, {T::Siguiente, 0, 1}, {T::Anterior, 1, 7}, {T::Anterior, 0, 7},
        {T::Abajo, 2, 5},     {T::Abajo, 5, 2},     {T::Abajo, 6, 3},    {T::Abajo, 7, 1},
        {T::Arriba, 5, 2},    {T::Arriba, 2, 5},    {T::Arriba, 1, 7},   {T::Arriba, 3, 6},
        {T::Inicio, 4, 1},    {T::Fin, 2, 7},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(MueveEnRejilla(c.tecla, c.desde, 7), c.hasta)
            << static_cast<int>(c.tecla) << " from " << c.desde;
    // Every key from every cell and from no selection lands on a cell, and Up then Down
    // returns to the same column.
    for (int N = 1; N <= 15; ++N) {
        for (int n = 0; n <= N; ++n) {
            for (T t : {T::Siguiente, T::Anterior, T::Abajo, T::Arriba, T::Inicio, T::Fin}) {
                const int m = MueveEnRejilla(t, n, N);
                EXPECT_TRUE(m >= 1 && m <= N) << N << ' ' << n << ' ' << static_cast<int>(t);
            }
            if (n >= 1 && N >= 3) {
                const int arriba = MueveEnRejilla(T::Arriba, n, N);
                EXPECT_EQ((arriba - 1) % 3, (n - 1) % 3) << N << ' ' << n;
            }
        }
    }
}

} // namespace
} // namespace vornith::dialogs
