#include "coleccion_de_prueba.h"

#include "document/comprobacion_guardado.h"

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::ColeccionDePrueba;
using test::FuenteFija;
using test::ImagenesDePrueba;

QString Razon(const ErrorGuardado& error) {
    EXPECT_EQ(error.Tipo, FalloGuardado::TextoNoGuardable);
    return error.Descripcion;
}

// The file's bytes as built, without the checks on its texts.
QByteArray Bytes(const ColeccionDePrueba& c) {
    return ConstruyeArchivoColeccion(c.coleccion, c.problemas, FuenteFija(ImagenesDePrueba()))
        .bytes;
}

TEST(CompruebaTextos, CaracterFueraDelCodigoNombradoConSuLugar) {
    const struct {
        void (*cambia)(ColeccionDePrueba&);
        const char* razon;
    } casos[] = {
        {[](ColeccionDePrueba& c) { c.coleccion.PROPRE = QStringLiteral("π "); },
         "El prefijo contiene el carácter «π» (U+03C0)"},
        {[](ColeccionDePrueba& c) { c.coleccion.PROSUF = QStringLiteral(" 😀"); },
         "El sufijo contiene el carácter «😀» (U+1F600)"},
        // Problems go by their printed number (PROINI is 7).
        {[](ColeccionDePrueba& c) { c.problemas[3].Solucion = QStringLiteral("x − y"); },
         "La solución del problema 9 contiene el carácter «−» (U+2212)"},
    };
    for (const auto& caso : casos) {
        ColeccionDePrueba c;
        caso.cambia(c);
        EXPECT_TRUE(Razon(CompruebaTextos(c.coleccion, c.problemas))
                        .startsWith(QString::fromUtf8(caso.razon)))
            << caso.razon;
    }
    // The code page's own letters beyond Latin-1 are kept.
    ColeccionDePrueba c;
    c.coleccion.TITULO = QStringLiteral("€ Œuvre “š” …");
    EXPECT_FALSE(CompruebaTextos(c.coleccion, c.problemas).hayError());
    // A problem beyond NPROB is not saved, so it is not looked at.
    c.problemas[4].Enunciado = QStringLiteral("Δ");
    EXPECT_FALSE(CompruebaTextos(c.coleccion, c.problemas).hayError());
}

TEST(CompruebaTextos, EtiquetasDeCabeceraEnTitulosPrefijoYSufijo) {
    EXPECT_EQ(EtiquetaDeCabecera(QStringLiteral("Tema 1 #CABECERA) fin")), "#CABECERA)");
    EXPECT_EQ(EtiquetaDeCabecera(QStringLiteral("a #TITULO( b #PROPARAM)")), "#TITULO(");
    EXPECT_EQ(EtiquetaDeCabecera(QStringLiteral("Tema #1 (#cabecera) #BINDIR")), "");
    ColeccionDePrueba c;
    c.coleccion.PROSUF = QStringLiteral(") #PROINI)");
    EXPECT_TRUE(Razon(CompruebaTextos(c.coleccion, c.problemas)).startsWith("El sufijo"));
}

TEST(CompruebaRelectura, LoQueNoSeLeeIgualSeNombra) {
    const struct {
        void (*cambia)(ColeccionDePrueba&);
        const char* lugar;
    } casos[] = {
        {[](ColeccionDePrueba& c) { c.coleccion.TITULO = QStringLiteral("Tema 1 #CABECERA) fin"); },
         "La colección"},
        {[](ColeccionDePrueba& c) { c.coleccion.TITULO = QStringLiteral("Curso #TITULO) 2"); },
         "El título"},
        {[](ColeccionDePrueba& c) { c.coleccion.PROPRE = QStringLiteral("Nº #PROPRE) "); },
         "El prefijo"},
        {[](ColeccionDePrueba& c) { c.problemas[1].Enunciado = QStringLiteral("a#SOL(b"); },
         "El enunciado del problema 7"},
        {[](ColeccionDePrueba& c) { c.problemas[2].Orden = 100; }, "El código del problema 8"},
        {[](ColeccionDePrueba& c) { c.problemas[3].Clave = QString(81, u'K'); },
         "La clave del problema 9"},
        {[](ColeccionDePrueba& c) { c.coleccion.NPROB = 0; }, "La colección"},
    };
    for (const auto& caso : casos) {
        ColeccionDePrueba c;
        caso.cambia(c);
        EXPECT_EQ(Razon(CompruebaRelectura(Bytes(c), c.coleccion, c.problemas)),
                  QString::fromUtf8(caso.lugar) +
                      " no se leería igual desde el archivo. No se ha guardado.");
    }

    // What reads back the same passes, blanks around a key included.
    ColeccionDePrueba c;
    c.coleccion.TITULO = QStringLiteral("  Tema #1 (#cabecera) ");
    c.problemas[1].Clave = QStringLiteral(" XIMB_FISI_CIN ");
    EXPECT_FALSE(CompruebaRelectura(Bytes(c), c.coleccion, c.problemas).hayError());

    // A damaged picture directory.
    QByteArray bytes = Bytes(c);
    bytes.chop(1);
    EXPECT_EQ(Razon(CompruebaRelectura(bytes, c.coleccion, c.problemas)),
              "El directorio de imágenes no se leería igual desde el archivo. No se ha guardado.");

    // Past the largest file that opens, whatever it holds: the reader refuses it too.
    bytes = Bytes(c);
    bytes.append(kMaxBytesArchivo + 1 - bytes.size(), '\n');
    EXPECT_EQ(Razon(CompruebaRelectura(bytes, c.coleccion, c.problemas)),
              "El archivo pasaría de 128 MB, lo más que se puede abrir. No se ha guardado.");
    EXPECT_EQ(LeeArchivoColeccion(bytes).Fallo, FalloLectura::ArchivoIncorrecto);
}

} // namespace
} // namespace vornith::document
