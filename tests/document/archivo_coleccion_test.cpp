#include "coleccion_de_prueba.h"

#include "document/archivo_coleccion.h"
#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::Bytes;
using test::ColeccionDePrueba;
using test::FuenteFija;
using test::ImagenesDePrueba;
using test::ProblemaDePrueba;

// A one-problem collection, and its file written out by hand with `bindir` in the header.
struct UnProblema {
    DatosColeccion coleccion;
    TablaProblemas problemas = nuevaTablaProblemas();

    explicit UnProblema(const QString& enunciado) {
        coleccion.TITULO = QStringLiteral("Física 1º × €");
        coleccion.POSNUMPAG = 11;
        coleccion.COLRESPRO = rgb(255, 255, 255);
        coleccion.PROSUF = QStringLiteral(".");
        coleccion.NPROB = 1;
        problemas[1] = ProblemaDePrueba(QStringLiteral("XIMB_FISI_CIN"), 7, 45, 123, enunciado,
                                        QStringLiteral("v = 3&LF"));
    }

    static QByteArray Esperado(const QByteArray& bindir, const QByteArray& enunciado) {
        return "#CABECERA(#PROPARAM(XIMB_FISI_CIN" + QByteArray(67, ' ') +
               "0070450123060302"
               "0001\r\n#PROPARAM)"
               "#TITULO(F\xED"
               "sica 1\xBA \xD7 \x80#TITULO)#POSNUMPAG( 11#POSNUMPAG)"
               "#COLRESPRO( 16777215#COLRESPRO)#ORDENA(0#ORDENA)#PAGINI( 1#PAGINI)"
               "#POSSOL( 1#POSSOL)#PROPRE(#PROPRE)#PROSUF(.#PROSUF)#PROINI( 1#PROINI)"
               "#BINDIR(" +
               bindir +
               "#BINDIR)#CABECERA)"
               "#PRO001(#ENU(" +
               enunciado + "#ENU)#SOL(v = 3&LF#SOL)#PRO001)";
    }
};

QByteArray Construye(const DatosColeccion& c, const TablaProblemas& p,
                     const FuenteImagenes& fuente = FuenteFija(ImagenesDePrueba())) {
    const ArchivoConstruido archivo = ConstruyeArchivoColeccion(c, p, fuente);
    EXPECT_TRUE(archivo.omitidas.isEmpty());
    return archivo.bytes;
}

void EsperaMismosProblemas(const ColeccionLeida& leida, const TablaProblemas& problemas, int n) {
    ASSERT_EQ(leida.Coleccion.NPROB, n);
    for (int i = 1; i <= n; ++i)
        EXPECT_EQ(leida.Problemas[i], problemas[i]) << "problema " << i;
}

TEST(ArchivoColeccion, SinImagenesByteAByte) {
    const UnProblema uno(QStringLiteral("Un móvil&LF"));
    const QByteArray bytes = Construye(uno.coleccion, uno.problemas);
    EXPECT_EQ(bytes, UnProblema::Esperado("00000000", "Un m\xF3vil&LF"));

    const LecturaColeccion leida = LeeArchivoColeccion(bytes);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Coleccion, uno.coleccion);
    EsperaMismosProblemas(leida.Datos, uno.problemas, 1);
    EXPECT_TRUE(leida.Datos.Imagenes.empty());
    EXPECT_FALSE(leida.Datos.DirectorioDanado);
}

TEST(ArchivoColeccion, ConImagenesDirectorioYBytesExactos) {
    // Past the 100th character: "b.png" twice, "B.png" (another name, the same picture as
    // found ignoring case), "a.png".
    const QString enunciado =
        QStringLiteral("#IMG('b.png',1#IMG)#IMG('B.png'#IMG)#img('b.png'#img)#IMG('a.png'#IMG)");
    const UnProblema uno(enunciado);
    const std::map<QString, QByteArray> imagenes = {
        {QStringLiteral("b.png"), "bbb"}, {QStringLiteral("B.png"), "bbb"}, {"a.png", "aaaa"}};
    const QByteArray bytes = Construye(uno.coleccion, uno.problemas, FuenteFija(imagenes));

    const qsizetype T = UnProblema::Esperado("00000000", Bytes(enunciado)).size();
    const auto a8 = [](qsizetype n) { return QByteArray::number(n).leftJustified(8, ' '); };
    const qsizetype datos = T + 3 * 48 + 1;
    const QByteArray esperado = UnProblema::Esperado(a8(T + 1), Bytes(enunciado)) +
                                QByteArray("b.png").leftJustified(32, ' ') + a8(datos) + a8(3) +
                                QByteArray("B.png").leftJustified(32, ' ') + a8(datos + 3) + a8(3) +
                                QByteArray("a.png").leftJustified(32, ' ') + a8(datos + 6) + a8(4) +
                                "bbbbbbaaaa";
    EXPECT_EQ(bytes, esperado);

    const LecturaColeccion leida = LeeArchivoColeccion(bytes);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    const std::vector<ImagenColeccion> leidas = {
        {"b.png", "bbb"}, {"B.png", "bbb"}, {"a.png", "aaaa"}};
    EXPECT_EQ(leida.Datos.Imagenes, leidas);
}

TEST(ArchivoColeccion, EscribirLeerYEscribirDaLosMismosBytes) {
    const ColeccionDePrueba prueba;
    const QByteArray bytes = Construye(prueba.coleccion, prueba.problemas);
    EXPECT_TRUE(bytes.contains("01504501230603020007\r\n"));
    EXPECT_TRUE(bytes.contains("03089989990603020008\r\n"));
    EXPECT_TRUE(bytes.contains("#TITULO(  F\xEDsica 1\xBA \xD7  #TITULO)"));
    EXPECT_TRUE(bytes.contains("#PROPRE( Problema #PROPRE)#PROSUF(. #PROSUF)"));
    EXPECT_TRUE(bytes.contains("#ORDENA(1#ORDENA)"));

    const LecturaColeccion leida = LeeArchivoColeccion(bytes);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Coleccion, prueba.coleccion);
    EsperaMismosProblemas(leida.Datos, prueba.problemas, 3);
    ASSERT_EQ(leida.Datos.Imagenes.size(), 2u);
    EXPECT_EQ(leida.Datos.Imagenes[0].nombre, QStringLiteral("rueda.png"));
    EXPECT_EQ(leida.Datos.Imagenes[1].nombre, QStringLiteral("Plano.gif"));

    std::map<QString, QByteArray> deVuelta;
    for (const ImagenColeccion& imagen : leida.Datos.Imagenes)
        deVuelta[imagen.nombre] = imagen.datos;
    EXPECT_EQ(Construye(leida.Datos.Coleccion, leida.Datos.Problemas, FuenteFija(deVuelta)), bytes);
}

TEST(ArchivoColeccion, SinImagenesTerminaEnElUltimoProblema) {
    ColeccionDePrueba prueba;
    prueba.coleccion.NPROB = 2;
    const QByteArray bytes = Construye(prueba.coleccion, prueba.problemas);
    EXPECT_TRUE(bytes.endsWith("#SOL)#PRO002)"));
    EXPECT_TRUE(bytes.contains("#BINDIR(00000000#BINDIR)#CABECERA)"));
}

TEST(ArchivoColeccion, NumerosConYSinBlancoYNegativos) {
    ColeccionDePrueba prueba;
    prueba.coleccion.POSNUMPAG = -5;
    prueba.coleccion.COLRESPRO = 0xFFFFFFFF; // as a 32-bit integer, -1
    QByteArray bytes = Construye(prueba.coleccion, prueba.problemas);
    EXPECT_TRUE(bytes.contains("#POSNUMPAG(-5#POSNUMPAG)#COLRESPRO(-1#COLRESPRO)"));
    // Hand-made values without the blank, with blanks after, or with a fraction read the same.
    bytes.replace("#PAGINI( 3#", "#PAGINI(3#").replace("#POSSOL( 2#", "#POSSOL(2.0  #");
    bytes.replace("#PROINI( 7#", "#PROINI(   7x#");
    const LecturaColeccion leida = LeeArchivoColeccion(bytes);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Coleccion, prueba.coleccion);
}

TEST(ArchivoColeccion, ElNumeroImpresoNoSeLee) {
    ColeccionDePrueba prueba;
    prueba.coleccion.PROINI = 1999;
    const QByteArray bytes = Construye(prueba.coleccion, prueba.problemas);
    EXPECT_TRUE(bytes.contains("01504501230603021999\r\n"));
    EXPECT_TRUE(bytes.contains("0250000000060302"
                               "2001\r\n"));
    const LecturaColeccion leida = LeeArchivoColeccion(bytes);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EsperaMismosProblemas(leida.Datos, prueba.problemas, 3);
}

TEST(ArchivoColeccion, LetrasFueraDelCodigoNoDescuadranLosCampos) {
    ColeccionDePrueba prueba;
    prueba.problemas[1].Clave = QStringLiteral("XIMB_ω_\U0001D400");
    prueba.coleccion.TITULO = QStringLiteral("\U0001D400 título");
    const LecturaColeccion leida =
        LeeArchivoColeccion(Construye(prueba.coleccion, prueba.problemas));
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Problemas[1].Clave, QStringLiteral("XIMB_?_?"));
    EXPECT_EQ(leida.Datos.Coleccion.TITULO, QStringLiteral("? título"));
    EXPECT_EQ(leida.Datos.Problemas[2], prueba.problemas[2]);
    EXPECT_EQ(leida.Datos.Imagenes.size(), 2u);
}

TEST(ArchivoColeccion, ClaveLargaSeCortaA80) {
    ColeccionDePrueba prueba;
    prueba.problemas[1].Clave = QString(90, u'K');
    const LecturaColeccion leida =
        LeeArchivoColeccion(Construye(prueba.coleccion, prueba.problemas));
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Problemas[1].Clave, QString(80, u'K'));
}

TEST(ArchivoColeccion, UnEnunciadoConSolNoSeLeeComoSeEscribio) {
    UnProblema uno(QStringLiteral("a#SOL(b"));
    uno.problemas[1].Solucion = QStringLiteral("sol");
    const LecturaColeccion leida = LeeArchivoColeccion(Construye(uno.coleccion, uno.problemas));
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Problemas[1].Enunciado, QString());
    EXPECT_EQ(leida.Datos.Problemas[1].Solucion, QStringLiteral("b#ENU)#SOL(sol"));
}

TEST(NombresImagenes, DesdeElCaracter100YSoloNombresSimples) {
    const QString relleno(99, u' ');
    EXPECT_EQ(NombresImagenes(relleno + "#IMG('a.png'#IMG)"), QStringList{"a.png"});
    EXPECT_TRUE(NombresImagenes(relleno.left(98) + "#IMG('a.png'#IMG)").isEmpty());
    EXPECT_EQ(NombresImagenes(relleno + "#img('a.png'#IMG)#IMG('A.png'#img)#IMG('a.png'#IMG)"),
              (QStringList{"a.png", "A.png"}));
    // Unclosed tags, missing quotes and names reaching out of the picture folders are passed
    // over; the search goes on behind them.
    EXPECT_EQ(NombresImagenes(relleno + "#IMG(sin comillas#IMG)#IMG('../x.png'#IMG)"
                                        "#IMG('sub/x.png'#IMG)#IMG(''#IMG)#IMG('c\x01.png'#IMG)"
                                        "#IMG('un'a'#IMG)#IMG('b.png'"),
              QStringList{"un"});
}

// No picture stops the file: one that cannot be had, or whose name would not read back, is left
// out and listed, and its reference stays. So is one whose name differs from another's only in
// letter case, with other bytes: the reader would take it for that one.
TEST(ArchivoColeccion, ImagenesQueNoSePuedenGuardarSeDejanFuera) {
    const QString largo = QStringLiteral("una_imagen_con_un_nombre_muy_largo.png");
    const UnProblema uno("#IMG('" + largo +
                         "'#IMG)#IMG(' blanco.png'#IMG)#IMG('bien.png'#IMG)#IMG('BIEN.png'#IMG)");
    const ArchivoConstruido archivo = ConstruyeArchivoColeccion(
        uno.coleccion, uno.problemas,
        FuenteFija({{largo, "123"}, {" blanco.png", "45"}, {"bien.png", "6"}, {"BIEN.png", "7"}}));
    EXPECT_EQ(archivo.omitidas,
              (QList<ImagenOmitida>{{" blanco.png", MotivoOmision::NombreConBlancos},
                                    {largo, MotivoOmision::NombreLargo},
                                    {"BIEN.png", MotivoOmision::NombreRepetido}}));
    LecturaColeccion leida = LeeArchivoColeccion(archivo.bytes);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Problemas[1].Enunciado, uno.problemas[1].Enunciado);
    EXPECT_EQ(leida.Datos.Imagenes, (std::vector<ImagenColeccion>{{"bien.png", "6"}}));

    const ColeccionDePrueba prueba;
    const ArchivoConstruido sinPlano = ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas,
                                                                 FuenteFija({{"rueda.png", "x"}}));
    EXPECT_EQ(sinPlano.omitidas,
              (QList<ImagenOmitida>{{"Plano.gif", MotivoOmision::NoEncontrada}}));
    leida = LeeArchivoColeccion(sinPlano.bytes);
    EXPECT_EQ(leida.Datos.Imagenes, (std::vector<ImagenColeccion>{{"rueda.png", "x"}}));
    EsperaMismosProblemas(leida.Datos, prueba.problemas, 3);
}

TEST(ArchivoColeccion, MensajesDeError) {
    const QString ruta = QStringLiteral("/home/ana/Física.COL");
    EXPECT_EQ(MensajeErrorGuardado({FalloGuardado::ProtegidoContraEscritura, 75, {}}, ruta),
              QStringLiteral("Lo sentimos: Archivo protegido contra escritura. \r\n"
                             "No se puede guardar el archivo /home/ana/Física.COL\r\n\r\n"
                             "Por favor, especifique un nombre diferente de archivo."));
    EXPECT_EQ(
        MensajeErrorGuardado({FalloGuardado::Otro, 61, "Disco lleno"}, ruta),
        QStringLiteral("Lo siento: Error al guardar el archivo.\r\n"
                       "Nombre archivo: /home/ana/Física.COL\r\nNº error = 61\r\nDisco lleno"));
    EXPECT_EQ(MensajeErrorGuardado({}, ruta), QString());
    EXPECT_EQ(MensajeErrorLectura(FalloLectura::ArchivoIncorrecto), "El Archivo es incorrecto");
    EXPECT_EQ(MensajeErrorLectura(FalloLectura::ErrorAlAbrir), "Error al abrir el archivo");
    EXPECT_EQ(MensajeErrorLectura(FalloLectura::ExtensionIncorrecta), QString());
}

TEST(REG_To_Var, LineasCompletasONada) {
    TablaProblemas tabla = nuevaTablaProblemas();
    const QString linea = QStringLiteral("  XIMB_FISI_DIN") + QString(65, u' ') +
                          "0308998999060312"
                          "1234\r\n";
    EXPECT_EQ(REG_To_Var(linea + linea, tabla), 2);
    EXPECT_EQ(tabla[2].Clave, QStringLiteral("XIMB_FISI_DIN"));
    EXPECT_EQ(tabla[2].SemillaB, 8999);
    EXPECT_EQ(tabla[2].Orden, 12);

    const TablaProblemas antes = tabla;
    EXPECT_EQ(REG_To_Var(QString(), tabla), 0);
    EXPECT_EQ(REG_To_Var(linea + "x", tabla), 0);
    QString danada = linea;
    danada[84] = u'x';
    EXPECT_EQ(REG_To_Var(linea + danada, tabla), std::nullopt);
    QString muchas;
    for (int i = 0; i < 501; ++i)
        muchas += linea;
    EXPECT_EQ(REG_To_Var(muchas, tabla), std::nullopt);
    EXPECT_EQ(tabla, antes);
}

} // namespace
} // namespace vornith::document
