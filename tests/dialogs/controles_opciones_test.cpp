// The collection option controls: page-number table and decoding, start boxes, swatch row,
// option buttons and texts, each writing its field of the header at once.

#include "dialogs/controles_opciones.h"

#include "ayudas.h"
#include "dialogs/imagenes_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith::dialogs {
namespace {

struct Opciones {
    explicit Opciones(document::DatosColeccion datos, const Paleta& paleta = kPaletaAsistente)
        : Coleccion(std::move(datos)), o(Coleccion, paleta, &ventana) {
        o.Carga();
    }
    document::DatosColeccion Coleccion;
    QWidget ventana;
    ControlesOpciones o;
};

document::DatosColeccion conNumeroPagina(int codigo) {
    document::DatosColeccion c;
    c.POSNUMPAG = codigo;
    return c;
}

TEST(ControlesOpciones, DiezClavesDeNumeroDePagina) {
    struct {
        int posicion, alineacion, codigo;
        const char* pagina;
        const char* opuesta;
    } const filas[] = {
        {0, 2, 1, "numero_arriba_derecha", nullptr},
        {0, 0, 2, "numero_arriba_izquierda", nullptr},
        {0, 1, 3, "numero_arriba_centro", nullptr},
        {0, 3, 4, "numero_arriba_derecha", "numero_arriba_izquierda"},
        {0, 4, 5, "numero_arriba_izquierda", "numero_arriba_derecha"},
        {1, 2, 9, "numero_abajo_derecha", nullptr},
        {1, 0, 10, "numero_abajo_izquierda", nullptr},
        {1, 1, 11, "numero_abajo_centro", nullptr},
        {1, 3, 12, "numero_abajo_derecha", "numero_abajo_izquierda"},
        {1, 4, 13, "numero_abajo_izquierda", "numero_abajo_derecha"},
    };
    Opciones t(conNumeroPagina(11));
    for (const auto& f : filas) {
        t.o.Combo1->setCurrentIndex(f.posicion);
        t.o.Combo2->setCurrentIndex(f.alineacion);
        EXPECT_EQ(t.Coleccion.POSNUMPAG, f.codigo);
        EXPECT_TRUE(
            test::mismaImagen(t.o.Image4[0]->pixmap(), ImagenUi(QString::fromLatin1(f.pagina))))
            << f.codigo;
        EXPECT_EQ(!t.o.Image4[1]->isHidden(), f.opuesta != nullptr) << f.codigo;
        if (f.opuesta) {
            EXPECT_TRUE(test::mismaImagen(t.o.Image4[1]->pixmap(),
                                          ImagenUi(QString::fromLatin1(f.opuesta))))
                << f.codigo;
        }
    }
}

TEST(ControlesOpciones, DecodificacionAlCargar) {
    struct {
        int guardado, posicion, alineacion, normalizado;
    } const filas[] = {
        {8, 1, 1, 11},  // no alignment part: "Centro"
        {11, 1, 1, 11}, //
        {13, 1, 4, 13}, //
        {6, 0, 1, 3},   // alignment 6 shows "Centro"
        {7, 0, 1, 3},   //
        {1, 0, 2, 1},   //
    };
    for (const auto& f : filas) {
        Opciones t(conNumeroPagina(f.guardado));
        EXPECT_TRUE(t.o.Check1->isChecked()) << f.guardado;
        EXPECT_FALSE(t.o.Frame2->isHidden()) << f.guardado;
        EXPECT_EQ(t.o.Combo1->currentIndex(), f.posicion) << f.guardado;
        EXPECT_EQ(t.o.Combo2->currentIndex(), f.alineacion) << f.guardado;
        EXPECT_EQ(t.Coleccion.POSNUMPAG, f.normalizado) << f.guardado;
        EXPECT_FALSE(t.o.BloqueoEventos);
    }
}

TEST(ControlesOpciones, NumerarPaginasApagadoYEncendido) {
    Opciones t(conNumeroPagina(0));
    EXPECT_FALSE(t.o.Check1->isChecked());
    EXPECT_TRUE(t.o.Frame2->isHidden());
    EXPECT_EQ(t.o.Combo1->currentText(), QStringLiteral("Abajo"));
    EXPECT_EQ(t.o.Combo2->currentText(), QStringLiteral("Centro"));
    t.o.Combo2->setCurrentIndex(3); // unticked: the code stays 0
    EXPECT_EQ(t.Coleccion.POSNUMPAG, 0);
    t.o.Check1->setChecked(true);
    EXPECT_FALSE(t.o.Frame2->isHidden());
    EXPECT_EQ(t.Coleccion.POSNUMPAG, 12);
    t.o.Check1->setChecked(false);
    EXPECT_TRUE(t.o.Frame2->isHidden());
    EXPECT_EQ(t.Coleccion.POSNUMPAG, 0);
}

TEST(ControlesOpciones, CajasDeInicio) {
    struct {
        const char* texto;
        int proini;
        const char* cajaProblemas;
        int pagini;
        const char* cajaPaginas;
    } const filas[] = {
        {"", 1, "", 7, "7"},      // an empty page box is out of range
        {"0", 7, "7", 7, "7"},    //
        {"2000", 7, "7", 7, "7"}, //
        {"1999", 1999, "1999", 1999, "1999"},
        {"40000", 7, "7", 7, "7"}, // beyond 16 bits
        {"12a", 12, "12a", 12, "12a"},
        {"a", 7, "7", 7, "7"},
        {"2.5", 2, "2.5", 2, "2.5"}, // halves to even
    };
    for (const auto& f : filas) {
        document::DatosColeccion c;
        c.PROINI = 7;
        c.PAGINI = 7;
        Opciones t(c);
        t.o.TxNumProbINI->setText(QString::fromLatin1(f.texto));
        t.o.TxINIPAG->setText(QString::fromLatin1(f.texto));
        EXPECT_EQ(t.Coleccion.PROINI, f.proini) << f.texto;
        EXPECT_EQ(t.o.TxNumProbINI->text(), QString::fromLatin1(f.cajaProblemas)) << f.texto;
        EXPECT_EQ(t.Coleccion.PAGINI, f.pagini) << f.texto;
        EXPECT_EQ(t.o.TxINIPAG->text(), QString::fromLatin1(f.cajaPaginas)) << f.texto;
    }
}

TEST(ControlesOpciones, CajaDeInicioDeProblemasSoloTomaCifras) {
    Opciones t{document::DatosColeccion{}};
    t.o.TxNumProbINI->clear();
    QTest::keyClicks(t.o.TxNumProbINI, QStringLiteral("1a-2 "));
    EXPECT_EQ(t.o.TxNumProbINI->text(), QStringLiteral("12"));
    QTest::keyClick(t.o.TxNumProbINI, Qt::Key_Backspace);
    EXPECT_EQ(t.Coleccion.PROINI, 1);
}

TEST(ControlesOpciones, FilaDeColores) {
    struct {
        double x;
        int muestra; // -1: nothing chosen
    } const filas[] = {{0, 0}, {19, 0}, {19.9, 0}, {20, 1}, {439, 21}, {440, -1}, {443, -1}};
    for (const auto& f : filas) {
        document::DatosColeccion c;
        c.COLRESPRO = rgb(1, 2, 3);
        Opciones t(c);
        test::raton(t.o.Picture2, QEvent::MouseButtonPress, QPoint(int(f.x), 10), QPoint(),
                    Qt::RightButton);
        if (f.muestra < 0) {
            EXPECT_EQ(t.Coleccion.COLRESPRO, rgb(1, 2, 3)) << f.x;
            EXPECT_EQ(t.o.Picture2->Shape2Left(), 2) << f.x;
        } else {
            EXPECT_EQ(t.Coleccion.COLRESPRO, kPaletaAsistente[std::size_t(f.muestra)]) << f.x;
            EXPECT_EQ(t.o.Picture2->Shape2Left(), 20 * f.muestra + 2) << f.x;
        }
    }
}

TEST(ControlesOpciones, ColorRepetidoMarcaLaPrimeraMuestra) {
    ASSERT_EQ(kPaletaAsistente[15], kPaletaAsistente[19]);
    document::DatosColeccion c;
    c.COLRESPRO = kPaletaAsistente[19];
    Opciones t(c);
    EXPECT_EQ(t.o.Picture2->Shape2Left(), 15 * 20 + 2);
}

TEST(ControlesOpciones, TextosSoloTomanLoQueCabeEnElArchivo) {
    Opciones t{document::DatosColeccion{}};
    for (QLineEdit* caja : {t.o.TxTITULO, t.o.TxProPre, t.o.TxProSuf}) {
        caja->clear();
        // Typed one character at a time, letters outside ASCII included.
        for (const QChar c : QStringLiteral("Δv π € #TITULO) #PROPRE(")) {
            QKeyEvent tecla(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(caja, &tecla);
        }
        EXPECT_EQ(caja->text(), QStringLiteral("v  € #TITULO #PROPRE"));
    }
    EXPECT_EQ(t.Coleccion.TITULO, QStringLiteral("v  € #TITULO #PROPRE"));
}

TEST(ControlesOpciones, OpcionesYTextos) {
    document::DatosColeccion c;
    c.POSSOL = 1;
    c.ORDENA = true;
    Opciones t(c);
    EXPECT_TRUE(t.o.Option13->isChecked());
    EXPECT_TRUE(t.o.Option11->isChecked());
    const QRadioButton* opciones[] = {t.o.Option1, t.o.Option13, t.o.Option19, t.o.Option5};
    const char* previews[] = {"soluciones_ninguna", "soluciones_tras_problema",
                              "soluciones_al_final", "soluciones_aparte"};
    for (int posicion : {3, 0, 2, 1}) {
        const_cast<QRadioButton*>(opciones[posicion])->setChecked(true);
        EXPECT_EQ(t.Coleccion.POSSOL, posicion);
        EXPECT_TRUE(test::mismaImagen(t.o.Image2->pixmap(),
                                      ImagenUi(QString::fromLatin1(previews[posicion]))));
    }
    t.o.Option12->setChecked(true);
    EXPECT_FALSE(t.Coleccion.ORDENA);
    t.o.Option11->setChecked(true);
    EXPECT_TRUE(t.Coleccion.ORDENA);

    t.o.TxTITULO->setText(QStringLiteral("  Hoja 3  "));
    t.o.TxProPre->setText(QStringLiteral(" P-"));
    t.o.TxProSuf->setText(QStringLiteral(") "));
    EXPECT_EQ(t.Coleccion.TITULO, QStringLiteral("Hoja 3"));
    EXPECT_EQ(t.Coleccion.PROPRE, QStringLiteral(" P-"));
    EXPECT_EQ(t.Coleccion.PROSUF, QStringLiteral(") "));
}

} // namespace
} // namespace vornith::dialogs
