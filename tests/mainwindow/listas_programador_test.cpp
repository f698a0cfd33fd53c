#include "mainwindow/listas_programador.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

namespace vornith::mainwindow {
namespace {

// A catalogue line: the module key, ":" and a 400-character record.
QString linea(const QString& clave, const char* tema, const char* tipo, const QString& asignatura,
              const QString& titulo, const QString& entrada, char clase, const char* rutina) {
    QString r = QString::fromLatin1(tema) + QString::fromLatin1(tipo) +
                asignatura.leftJustified(65) + titulo.leftJustified(80) +
                entrada.leftJustified(80) + QChar::fromLatin1(clase) + QString::fromLatin1(rutina) +
                QStringLiteral("000") + QStringLiteral("Descripción").leftJustified(160) +
                QStringLiteral("\r\n");
    return clave + u':' + r;
}

using test::ScriptedRandom;

struct Catalogo {
    ScriptedRandom azar;
    generation::EstadoGeneracion cat{azar};
    void agrega(const QString& l) { cat.Catalogo[++cat.NumCatalogo] = l; }
};

// Two subjects; Química's heading comes twice in a row and once in another case.
void dosAsignaturas(Catalogo& c) {
    const QString fis = QStringLiteral("XIMB_FISI_CIN");
    const QString qui = QStringLiteral("XIMB_QUIM_GEN");
    c.agrega(linea(fis, "040", "000", QStringLiteral("Física"), QStringLiteral("Cinemática"), {},
                   '5', "000"));
    c.agrega(linea(fis, "040", "001", QStringLiteral("Física"), QStringLiteral("Cinemática"),
                   QStringLiteral("MRU"), '3', "001"));
    c.agrega(linea(qui, "010", "000", QStringLiteral("Química"), QStringLiteral("Moles"), {}, '5',
                   "000"));
    c.agrega(linea(qui, "010", "000", QStringLiteral("QUÍMICA"), QStringLiteral("Moles"), {}, '5',
                   "000"));
    c.agrega(linea(qui, "010", "007", QStringLiteral("Química"), QStringLiteral("Moles"),
                   QStringLiteral("Masa molar"), '2', "012"));
    c.agrega(linea(fis, "040", "002", QStringLiteral("Física"), QStringLiteral("Cinemática"),
                   QStringLiteral("MRUA"), '1', "002"));
}

TEST(ListasProgramador, SubjectsAndTopicsByteForByte) {
    Catalogo c;
    dosAsignaturas(c);
    const QStringList asig = ListaAsignaturas(c.cat);
    EXPECT_EQ(asig, (QStringList{QStringLiteral("Física"), QStringLiteral("Química"),
                                 QStringLiteral("QUÍMICA")}));
    const QString r47(47, u'=');
    EXPECT_EQ(TextoAsignaturas(asig.mid(0, 2)),
              QStringLiteral("LISTA DE ASIGNATURAS\r\nAPLICACIÓN.ID = VORNITH_NORV\r\n") + r47 +
                  QStringLiteral("\r\nFísica\r\nQuímica\r\n") + r47 +
                  QStringLiteral("\r\nTOTAL =  2 ASIGNATURAS\r\n"));

    const QStringList dos = asig.mid(0, 2);
    EXPECT_EQ(TextoTemas(c.cat, dos, false),
              QStringLiteral("\r\nFísica\r\n\r\n\r\nCinemática\r\n        MRU\r\n        MRUA\r\n"
                             "\r\nTemas en esta asignatura =  1\r\n"
                             "Subtemas en esta asignatura =  2\r\n"
                             "\r\nQuímica\r\n\r\n\r\nMoles\r\n        Masa molar\r\n"
                             "\r\nTemas en esta asignatura =  1\r\n"
                             "Subtemas en esta asignatura =  1\r\n"));

    const QString r51(51, u'=');
    const QString r50(50, u'-');
    const QString r53(53, u'*');
    const QString pie = QStringLiteral("\r\n") + r50 + QStringLiteral("\r\n");
    EXPECT_EQ(TextoTemas(c.cat, dos, true),
              QStringLiteral("\r\n") + r51 + QStringLiteral("\r\n\r\nFísica\r\n\r\n") + r51 +
                  QStringLiteral("\r\n\r\n\r\n[40]  Cinemática\r\n\r\n"
                                 "   [1]  MRU\r\n"
                                 "        XIMB_FISI_CIN.bas    Tipo =  3 ( PROB )    Rutina = 1"
                                 "\r\n\r\n"
                                 "   [2]  MRUA\r\n"
                                 "        XIMB_FISI_CIN.bas    Tipo =  1 ( CUES )    Rutina = 2"
                                 "\r\n\r\n") +
                  pie +
                  QStringLiteral("Temas en esta asignatura =  1\r\n"
                                 "Subtemas en esta asignatura =  2\r\n") +
                  pie + QStringLiteral("\r\n") + QStringLiteral("\r\n") + r51 +
                  QStringLiteral("\r\n\r\nQuímica\r\n\r\n") + r51 +
                  QStringLiteral("\r\n\r\n\r\n[10]  Moles\r\n\r\n"
                                 "   [7]  Masa molar\r\n"
                                 "        XIMB_QUIM_GEN.bas    Tipo =  2 ( EJER )    Rutina = 12"
                                 "\r\n\r\n") +
                  pie +
                  QStringLiteral("Temas en esta asignatura =  1\r\n"
                                 "Subtemas en esta asignatura =  1\r\n") +
                  pie + QStringLiteral("\r\n") + r53 +
                  QStringLiteral("\r\nTOTAL asignaturas =  2\r\n"
                                 "TOTAL Temas de TODAS las asignaturas =  2\r\n"
                                 "TOTAL Subtemas en TODAS las asignaturas =  3\r\n") +
                  r53 + QStringLiteral("\r\n"));
}

TEST(ListasProgramador, LimitsOfSubjectsAndRows) {
    Catalogo c;
    for (int i = 0; i < 120; ++i)
        c.agrega(linea(QStringLiteral("K"), "001", "001", QStringLiteral("A%1").arg(i),
                       QStringLiteral("T"), QStringLiteral("E"), '3', "001"));
    for (int i = 0; i < 300; ++i)
        c.agrega(linea(QStringLiteral("K"), "001", "001", QStringLiteral("Grande"),
                       QStringLiteral("T%1").arg(i), {}, '5', "000"));
    EXPECT_EQ(ListaAsignaturas(c.cat).size(), kMaxAsignaturas);
    document::ListaTemas t;
    TemasDeAsignatura(c.cat, QStringLiteral("grande"), t);
    EXPECT_EQ(t.NumTemas, document::kMaxTemas);
    EXPECT_EQ(t.Temas[256].Titulo, QStringLiteral("T254"));
}

// A clipboard that loses the last character of what it is given.
class PortapapelesRoto final : public Clipboard {
  public:
    void clear() override { t_.clear(); }
    void setText(const QString& text) override { t_ = text.chopped(1); }
    void setTextAndData(const QString& text, const QByteArray&) override { setText(text); }
    ClipboardRead text() const override { return {ClipboardRead::Outcome::Read, {t_, {}}}; }
    void readText(std::function<void(ClipboardRead)> done) override { done(text()); }
    ClipboardRead content(qsizetype) const override { return text(); }
    void onChange(std::function<void()>) override {}

  private:
    QString t_;
};

TEST(ListasProgramador, CopyReportsAndChecksTheClipboard) {
    Catalogo c;
    dosAsignaturas(c);
    test::FakeClipboard bueno;
    test::FakeNotifier avisos;
    CopiaListaProgramador(ListaProgramador::TemasSinId, c.cat, bueno, avisos);
    EXPECT_EQ(bueno.text().content.text, TextoTemas(c.cat, ListaAsignaturas(c.cat), false));
    PortapapelesRoto roto;
    CopiaListaProgramador(ListaProgramador::Temas, c.cat, roto, avisos);
    CopiaListaProgramador(ListaProgramador::Asignaturas, c.cat, roto, avisos);
    ASSERT_EQ(avisos.shown.size(), 3u);
    EXPECT_EQ(avisos.shown[0].text,
              QStringLiteral("Listado de TEMAS (SIN NUMEROS ID) copiados al portapapeles"));
    EXPECT_EQ(avisos.shown[1].text, QStringLiteral("El portapapeles no copia el texto"));
    EXPECT_EQ(avisos.shown[2].text,
              QStringLiteral("Lista de asignaturas copiadas al portapapeles"));
    EXPECT_EQ(avisos.shown[2].title, QStringLiteral("Vornith NORV"));

    CopiaListaProgramador(ListaProgramador::Identidad, c.cat, bueno, avisos);
    EXPECT_TRUE(bueno.text().content.text.startsWith(
        QStringLiteral("IDPROD = VORNITH_NORV\r\nAPP.EXEname = ")));
    EXPECT_EQ(avisos.shown.back().text,
              bueno.text().content.text + QStringLiteral("<Datos copiados al portapapeles>"));
}

} // namespace
} // namespace vornith::mainwindow
