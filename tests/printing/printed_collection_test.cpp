// A collection with pictures printed to a real PDF file: each picture is embedded once however
// often it is drawn, and every page reads back as the text printed on it.

#include "document/document_fixture.h"
#include "support/fakes.h"
#include "support/pdf_contenido.h"

#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "platform/symbol_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace vornith {
namespace {

// The characters of `texto` but blanks, in code order: what a page says, whatever the order
// a reader takes its lines and pieces in.
QString letras(QString texto) {
    texto.remove(QRegularExpression(QStringLiteral("\\s")));
    std::sort(texto.begin(), texto.end());
    return texto;
}

TEST(PrintedCollection, PicturesAreEmbeddedOnceAndPagesReadBackAsPrinted) {
    QTemporaryDir temp;
    // The diagram pictures copied beside the programs; the test program is built in tests/.
    const QString img = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/img");
    ASSERT_TRUE(QDir(img).exists()) << img.toStdString();
    QtPictureLoader imagenes({img, temp.filePath(QStringLiteral("t"))});
    test::DocumentFixture f;
    f.motor.pictures = &imagenes; // the real pictures, not the fixture's fakes
    document::ListaTemas temas;
    for (int rutina = 1; rutina <= 4; ++rutina) {
        document::Tema& t = temas.Temas[++temas.NumTemas];
        t.Clave = QStringLiteral("XIMB_FISI_DIN");
        t.Rutina = static_cast<std::int16_t>(rutina);
        t.Cantidad = 5;
        t.Seleccionado = true;
    }
    document::DatosColeccion cabecera = f.doc->estado().Coleccion;
    cabecera.POSSOL = document::kSolucionTrasProblema;
    f.doc->PonCabecera(cabecera);
    f.doc->Arbol_to_Var(temas);
    f.doc->CrearColeccion(1);
    const int paginas = f.doc->estado().NumPaginas;
    ASSERT_GE(paginas, 2);

    const QString pdf = temp.filePath(QStringLiteral("coleccion.pdf"));
    QtPrinters impresoras;
    auto trabajo = impresoras.beginJob({QString(), pdf}, QStringLiteral("Dinámica"));
    ASSERT_NE(trabajo, nullptr);
    std::vector<int> todas;
    for (int p = 1; p <= paginas; ++p)
        todas.push_back(p);
    ASSERT_EQ(f.doc->ImprimirPaginas(*trabajo, todas, 1.0), document::ResultadoImpresion::Impreso);

    // Each page again on a recording printer, for its text and its pictures.
    test::FakePrinters grabadoras;
    int dibujos = 0;
    for (int p = 1; p <= paginas; ++p) {
        auto grabacion = grabadoras.beginJob({}, {});
        f.doc->ImprimirPaginas(*grabacion, {p}, 1.0);
        QString impreso;
        for (const test::DrawOp& op : grabadoras.lastJob->page.ops()) {
            if (op.kind == test::DrawOp::Kind::Picture) ++dibujos;
            if (op.kind != test::DrawOp::Kind::Text) continue;
            const CodedFont codificada = codedFontOf(op.state.fontName);
            impreso += codificada == CodedFont::None ? op.text : mapCodedText(codificada, op.text);
        }
        EXPECT_EQ(letras(test::TextoPdf(pdf, p)).toStdString(), letras(impreso).toStdString())
            << "page " << p;
    }

    QSet<QString> nombres;
    static const QRegularExpression imagen(QStringLiteral("#IMG\\('([^']*)'"),
                                           QRegularExpression::CaseInsensitiveOption);
    const document::EstadoDocumento& d = f.doc->estado();
    for (int i = 1; i <= d.Coleccion.NPROB; ++i) {
        for (const QString* texto : {&d.Problemas[i].Enunciado, &d.Problemas[i].Solucion}) {
            auto it = imagen.globalMatch(*texto);
            while (it.hasNext())
                nombres.insert(it.next().captured(1).toUpper());
        }
    }
    ASSERT_GT(dibujos, nombres.size()); // some picture is drawn more than once
    QFile archivo(pdf);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    // Pictures with transparent paper come with a mask image of their own.
    const QByteArray bytes = archivo.readAll();
    EXPECT_EQ(bytes.count("/Subtype /Image") - bytes.count("/ImageMask true"), nombres.size());
}

} // namespace
} // namespace vornith
