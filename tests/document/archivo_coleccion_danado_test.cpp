// Damaged collection files: every variant is refused with its outcome, or read with what it
// still holds, and never read outside the bytes (the sanitizer build runs these too).

#include "coleccion_de_prueba.h"

#include "document/archivo_coleccion.h"
#include "platform/picture_files.h"

#include <gtest/gtest.h>

#include <random>

namespace vornith::document {
namespace {

using test::ColeccionDePrueba;
using test::FuenteFija;
using test::ImagenesDePrueba;

QByteArray ArchivoBueno(int nprob = 3) {
    ColeccionDePrueba prueba;
    prueba.coleccion.NPROB = nprob;
    return ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas,
                                     FuenteFija(ImagenesDePrueba()))
        .bytes;
}

// What any read must satisfy, whatever the bytes.
void EsperaLecturaSana(const LecturaColeccion& leida, qsizetype tamano) {
    if (leida.Fallo != FalloLectura::Ninguno) {
        EXPECT_EQ(leida.Datos.Coleccion.NPROB, 0);
        EXPECT_TRUE(leida.Datos.Imagenes.empty());
        return;
    }
    EXPECT_GE(leida.Datos.Coleccion.NPROB, 1);
    EXPECT_LE(leida.Datos.Coleccion.NPROB, kMaxProblemas);
    qsizetype total = 0;
    for (const ImagenColeccion& imagen : leida.Datos.Imagenes) {
        EXPECT_TRUE(isPlainFileName(imagen.nombre)) << imagen.nombre.toStdString();
        total += imagen.datos.size();
    }
    EXPECT_LE(total, tamano);
}

FalloLectura Fallo(const QByteArray& bytes) {
    return LeeArchivoColeccion(bytes).Fallo;
}

TEST(ArchivoDanado, EtiquetasObligatorias) {
    const QByteArray bueno = ArchivoBueno();
    EXPECT_EQ(Fallo({}), FalloLectura::ArchivoIncorrecto);
    EXPECT_EQ(Fallo(QByteArray(bueno).replace("#CABECERA)", "#CABECERA]")),
              FalloLectura::ArchivoIncorrecto);
    for (const char* cierre :
         {"#PROPARAM)", "#TITULO)", "#POSNUMPAG)", "#COLRESPRO)", "#ORDENA)", "#PAGINI)",
          "#POSSOL)", "#PROPRE)", "#PROSUF)", "#PROINI)", "#PRO001)", "#PRO003)"}) {
        QByteArray sin = bueno;
        sin.replace(cierre, "#XXXX)");
        EXPECT_EQ(Fallo(sin), FalloLectura::ArchivoIncorrecto) << cierre;
    }
    QByteArray sinSol = bueno;
    sinSol.replace("#SOL(v = 3", "#S0L(v = 3");
    EXPECT_EQ(Fallo(sinSol), FalloLectura::ArchivoIncorrecto);
}

TEST(ArchivoDanado, SinBindirCerradoLasImagenesSeBuscanPorSuApertura) {
    QByteArray bytes = ArchivoBueno();
    bytes.replace("#BINDIR)", "#BINDIR]");
    const LecturaColeccion leida = LeeArchivoColeccion(bytes);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Imagenes.size(), 2u);
}

TEST(ArchivoDanado, BloqueDeParametros) {
    EXPECT_EQ(Fallo(ArchivoBueno(0)), FalloLectura::ErrorAlAbrir);
    QByteArray corta = ArchivoBueno();
    corta.remove(corta.indexOf("XIMB_FISI_DIN"), 1);
    EXPECT_EQ(Fallo(corta), FalloLectura::ErrorAlAbrir);
    QByteArray letra = ArchivoBueno();
    letra.replace("0150450123", "01504S0123");
    EXPECT_EQ(Fallo(letra), FalloLectura::ArchivoIncorrecto);
}

TEST(ArchivoDanado, NumerosDeCabeceraDesbordados) {
    for (const char* valor :
         {"#PAGINI( 99999999999#", "#PAGINI(1e999#", "#PAGINI(-2147483649#", "#ORDENA(1E400#"}) {
        QByteArray bytes = ArchivoBueno();
        const qsizetype k = bytes.indexOf(QByteArray(valor).left(8));
        bytes.replace(k, bytes.indexOf('#', k + 1) - k + 1, valor);
        EXPECT_EQ(Fallo(bytes), FalloLectura::ArchivoIncorrecto) << valor;
    }
}

// First numbers are held to what the dialogs accept, so that counting on from them never
// overflows.
TEST(ArchivoDanado, NumerosInicialesFueraDeRango) {
    const struct {
        const char* valor;
        std::int32_t leido;
    } casos[] = {{" 2147483647", 1999}, {"-2147483648", 1}, {" 0", 1}, {" 2000", 1999}};
    for (const auto& caso : casos) {
        QByteArray bytes = ArchivoBueno();
        bytes.replace("#PAGINI( 3#", QByteArray("#PAGINI(") + caso.valor + "#")
            .replace("#PROINI( 7#", QByteArray("#PROINI(") + caso.valor + "#");
        const LecturaColeccion leida = LeeArchivoColeccion(bytes);
        ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno) << caso.valor;
        EXPECT_EQ(leida.Datos.Coleccion.PAGINI, caso.leido) << caso.valor;
        EXPECT_EQ(leida.Datos.Coleccion.PROINI, caso.leido) << caso.valor;
    }
}

// The directory of the good file: where it starts, and the three fields of each entry.
struct Directorio {
    qsizetype inicio;
    explicit Directorio(const QByteArray& bytes)
        : inicio(bytes.mid(bytes.indexOf("#BINDIR(") + 8, 8).trimmed().toLongLong() - 1) {}
    qsizetype nombre(int k) const { return inicio + 48 * k; }
    qsizetype posicion(int k) const { return nombre(k) + 32; }
    qsizetype largo(int k) const { return nombre(k) + 40; }
};

TEST(ArchivoDanado, DirectorioMaloDejaLasImagenesYCargaLosProblemas) {
    const QByteArray bueno = ArchivoBueno();
    const Directorio dir(bueno);
    const auto con = [&](qsizetype donde, const QByteArray& campo) {
        return QByteArray(bueno).replace(donde, campo.size(), campo);
    };
    const qsizetype bindir = bueno.indexOf("#BINDIR(") + 8;
    const QByteArray variantes[] = {
        con(bindir, "99999999"),                                             // beyond the file
        con(bindir, "-5      "),                                             // before it
        con(bindir, QByteArray::number(bueno.size() - 10).leftJustified(8)), // entry cut off
        con(dir.posicion(0),
            QByteArray::number(dir.inicio + 50).leftJustified(8)), // not whole entries
        con(dir.posicion(0), "1       "),                          // data before the directory
        con(dir.posicion(1), "7       "), // second picture not where the first ends
        con(dir.largo(1), "99999999"),    // longer than the file
        con(dir.largo(0), "-1      "),    // negative
        con(dir.largo(0), "9e999   "),    // no number
        bueno.left(bueno.size() - 1),     // last picture cut short
        con(dir.largo(1), "7       "),    // last picture ends before the data
        con(dir.nombre(1), "RUEDA.PNG"),  // the first picture's name again, other bytes
    };
    const ColeccionDePrueba prueba;
    for (const QByteArray& bytes : variantes) {
        const LecturaColeccion leida = LeeArchivoColeccion(bytes);
        ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
        EXPECT_TRUE(leida.Datos.DirectorioDanado);
        EXPECT_TRUE(leida.Datos.Imagenes.empty());
        EXPECT_EQ(leida.Datos.Problemas[3], prueba.problemas[3]);
    }
    // A value that is no number at all reads as 0: no pictures, nothing damaged.
    const LecturaColeccion sinNumero = LeeArchivoColeccion(con(bindir, "abcdefgh"));
    ASSERT_EQ(sinNumero.Fallo, FalloLectura::Ninguno);
    EXPECT_FALSE(sinNumero.Datos.DirectorioDanado);
    EXPECT_TRUE(sinNumero.Datos.Imagenes.empty());
}

// Bytes after the last picture, as an editor's final newline, a mail gateway or a text-mode
// transfer adds them, leave the pictures whole when the last one ends in its format's end mark;
// read back, the file is written again as it was. A last picture cut short stays damaged.
TEST(ArchivoDanado, BytesTrasLaUltimaImagen) {
    const auto enviada = [](const char* ruta) {
        return test::Lee(QString::fromUtf8(VORNITH_SOURCE_DIR "/assets/") +
                         QString::fromUtf8(ruta));
    };
    const QByteArray gif = enviada("img/F_DIN_HOOKE.GIF");
    const QByteArray jpeg = enviada("asignaturas/Física.jpg");
    const QByteArray png = enviada("icon/48.png");
    const QByteArray sinMarca("BM\x0c\0\0\0\x01\x02\x03\x04\0\0", 12); // may end in NUL
    ASSERT_TRUE(!gif.isEmpty() && !jpeg.isEmpty() && !png.isEmpty());
    const QByteArray nul(1, '\0');
    const struct {
        const char* caso;
        QByteArray ultima;   // the last picture
        QByteArray anadidos; // added to the file
        int corto;           // the last length in the directory less this
        qsizetype cortados;  // bytes cut off the file before those added
        bool entera;
    } casos[] = {
        {"GIF, CR LF", gif, "\r\n", 0, 0, true},
        {"GIF, LF", gif, "\n", 0, 0, true},
        {"GIF, NUL", gif, nul, 0, 0, true},
        {"GIF, Ctrl-Z", gif, "\x1a", 0, 0, true},
        {"JPEG, CR LF Ctrl-Z", jpeg, "\r\n\x1a", 0, 0, true},
        {"PNG, LF NUL NUL", png, "\n" + nul + nul, 0, 0, true},
        {"GIF, largo un byte corto", gif, "", 1, 0, false},
        {"GIF, largo un byte corto, CR LF", gif, "\r\n", 1, 0, false},
        {"JPEG, largo un byte corto, CR LF", jpeg, "\r\n", 1, 0, false},
        {"PNG, largo un byte corto, LF", png, "\n", 1, 0, false},
        {"GIF cortado dentro, CR LF", gif, "\r\n", 0, 1, false},
        {"GIF, CR LF y otro byte", gif, "\r\nx", 0, 0, false},
        {"sin marca de fin, NUL", sinMarca, nul, 0, 0, false},
        {"sin marca de fin, largo un byte corto", sinMarca, "", 1, 0, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        ColeccionDePrueba prueba;
        const auto fuente = FuenteFija(
            {{"rueda.png", ImagenesDePrueba()["rueda.png"]}, {"Plano.gif", caso.ultima}});
        const QByteArray bueno =
            ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas, fuente).bytes;
        QByteArray bytes = bueno;
        const Directorio dir(bytes);
        bytes.replace(dir.largo(1), 8,
                      QByteArray::number(caso.ultima.size() - caso.corto).leftJustified(8));
        bytes.chop(caso.cortados);
        bytes += caso.anadidos;
        const LecturaColeccion leida = LeeArchivoColeccion(bytes);
        ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
        EXPECT_EQ(leida.Datos.Problemas[3], prueba.problemas[3]);
        EXPECT_EQ(leida.Datos.DirectorioDanado, !caso.entera);
        if (!caso.entera) {
            EXPECT_TRUE(leida.Datos.Imagenes.empty());
            continue;
        }
        ASSERT_EQ(leida.Datos.Imagenes.size(), 2u);
        EXPECT_EQ(leida.Datos.Imagenes[1].datos, caso.ultima);
        std::map<QString, QByteArray> leidas;
        for (const ImagenColeccion& imagen : leida.Datos.Imagenes)
            leidas[imagen.nombre] = imagen.datos;
        EXPECT_EQ(ConstruyeArchivoColeccion(leida.Datos.Coleccion, leida.Datos.Problemas,
                                            FuenteFija(leidas))
                      .bytes,
                  bueno);
    }
}

TEST(ArchivoDanado, NombresQueSalenDeLaCarpetaSeSaltanConSusBytes) {
    const QByteArray bueno = ArchivoBueno();
    const Directorio dir(bueno);
    for (const QByteArray& nombre : {QByteArray("../a.png"), QByteArray("/etc/pas"),
                                     QByteArray("a\\b.png"), QByteArray("a\nb.png")}) {
        QByteArray bytes = bueno;
        bytes.replace(dir.nombre(0), nombre.size(), nombre);
        const LecturaColeccion leida = LeeArchivoColeccion(bytes);
        ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
        ASSERT_EQ(leida.Datos.Imagenes.size(), 1u) << nombre.toStdString();
        EXPECT_EQ(leida.Datos.Imagenes[0].nombre, QStringLiteral("Plano.gif"));
        EXPECT_EQ(leida.Datos.Imagenes[0].datos, ImagenesDePrueba()["Plano.gif"]);
    }
}

TEST(ArchivoDanado, CortadoEnCualquierLongitud) {
    const QByteArray bueno = ArchivoBueno();
    const qsizetype T = Directorio(bueno).inicio;
    for (qsizetype n = 0; n <= bueno.size(); ++n) {
        const LecturaColeccion leida = LeeArchivoColeccion(bueno.left(n));
        EsperaLecturaSana(leida, n);
        if (n < T) {
            EXPECT_NE(leida.Fallo, FalloLectura::Ninguno) << n;
        } else {
            ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno) << n;
            EXPECT_EQ(leida.Datos.Imagenes.size(), n == bueno.size() ? 2u : 0u) << n;
        }
    }
}

TEST(ArchivoDanado, CadaByteCambiado) {
    const QByteArray bueno = ArchivoBueno();
    for (qsizetype i = 0; i < bueno.size(); ++i) {
        for (const char nuevo : {'\0', ' ', '#', '(', ')', '9', '-', '\xff'}) {
            QByteArray bytes = bueno;
            bytes[i] = nuevo;
            EsperaLecturaSana(LeeArchivoColeccion(bytes), bytes.size());
        }
    }
}

TEST(ArchivoDanado, MutacionesAlAzar) {
    const QByteArray bueno = ArchivoBueno();
    const QByteArray trozos[] = {"#PRO001)", "#SOL(", "#BINDIR(", "#CABECERA)", "99999999",
                                 "-1",       "#IMG(", "../",      "#PROPARAM)", "        "};
    std::mt19937 azar(20240607);
    const auto hasta = [&azar](qsizetype n) {
        return std::uniform_int_distribution<qsizetype>(0, std::max<qsizetype>(0, n - 1))(azar);
    };
    for (int vuelta = 0; vuelta < 3000; ++vuelta) {
        QByteArray bytes = bueno;
        const int cambios = 1 + static_cast<int>(hasta(4));
        for (int c = 0; c < cambios; ++c) {
            const qsizetype donde = hasta(bytes.size());
            switch (hasta(5)) {
            case 0:
                if (!bytes.isEmpty()) bytes[donde] = static_cast<char>(hasta(256));
                break;
            case 1:
                bytes.remove(donde, 1 + hasta(200));
                break;
            case 2:
                bytes.insert(donde, trozos[hasta(std::size(trozos))]);
                break;
            case 3:
                bytes.insert(donde, bytes.mid(hasta(bytes.size()), 1 + hasta(120)));
                break;
            default:
                bytes.replace(donde, 8,
                              QByteArray::number(hasta(bytes.size() * 2)).leftJustified(8));
                break;
            }
        }
        EsperaLecturaSana(LeeArchivoColeccion(bytes), bytes.size());
    }
}

} // namespace
} // namespace vornith::document
