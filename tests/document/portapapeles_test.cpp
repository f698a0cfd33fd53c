#include "document/disco_coleccion.h"
#include "document/texto_portapapeles.h"
#include "document_fixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vornith::document {
namespace {

using test::DocumentFixture;

TEST(Portapapeles, CopyNeedsExactlyOneSelectedBlock) {
    DocumentFixture f;
    f.crear(5);
    f.doc->Copiar();
    EXPECT_FALSE(f.portapapeles.hasText());
    f.muestraYSelecciona(2);
    for (int j = 1; j <= f.motor.NumBloquesPagina; ++j)
        f.motor.BloqueSel[j] = true;
    f.doc->Copiar();
    EXPECT_FALSE(f.portapapeles.hasText());
    f.muestraYSelecciona(2);
    f.doc->Copiar();
    EXPECT_EQ(f.portapapeles.text().content.text, TextoPortapapeles(f.doc->estado().Problemas[2]));
    EXPECT_TRUE(f.ventana.pegar);
}

TEST(Portapapeles, PasteInsertsAtTheSelectionWithUndo) {
    DocumentFixture f;
    f.crear(4);
    const Problema copiado = f.doc->estado().Problemas[4];
    f.muestraYSelecciona(4);
    f.doc->Copiar();
    f.muestraYSelecciona(2);
    f.ventana.scroll = 80;
    f.doc->Pegar();
    const EstadoDocumento& d = f.doc->estado();
    ASSERT_EQ(d.Coleccion.NPROB, 5);
    EXPECT_EQ(d.Problemas[2], copiado); // texts kept, not generated again
    EXPECT_EQ(f.ventana.scroll, 80);
    EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer pegar"));
    f.doc->Deshacer();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 4);
}

TEST(Portapapeles, PasteWithNothingSelectedGoesFirst) {
    DocumentFixture f;
    f.crear(3);
    f.portapapeles.setText(TextoPortapapeles(f.doc->estado().Problemas[3]));
    f.doc->DibujaPagina(); // no selection
    f.doc->Pegar();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 4);
    EXPECT_EQ(f.doc->estado().Problemas[1], f.doc->estado().Problemas[4]);
}

TEST(Portapapeles, ForeignTextOrFullCollectionPastesNothing) {
    DocumentFixture f;
    f.crear(3);
    f.ventana.pegar = true;
    f.portapapeles.setText(QStringLiteral("hola"));
    f.doc->Pegar();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 3);
    EXPECT_FALSE(f.ventana.pegar);
    EXPECT_FALSE(f.ventana.deshacer);

    DocumentFixture llena;
    llena.crear(kMaxProblemas, kSinSoluciones);
    llena.portapapeles.setText(TextoPortapapeles(llena.doc->estado().Problemas[1]));
    llena.doc->Pegar();
    EXPECT_EQ(llena.doc->estado().Coleccion.NPROB, kMaxProblemas);
}

TEST(Portapapeles, DamagedTextPastesNothingAndKeepsTheUndoPoint) {
    DocumentFixture f;
    f.crear(3);
    f.muestraYSelecciona(2);
    f.doc->Borrar(); // an undo point of its own
    const QString entero = TextoPortapapeles(f.doc->estado().Problemas[1]);
    const QString danados[] = {
        entero.left(entero.size() - 3),                             // wrong length
        QString(entero).replace(18 + 80, 3, QStringLiteral("0a8")), // not digits in the code
        QString(entero).replace(QStringLiteral("#ENU)"), QStringLiteral("#ENU ")), // framing
    };
    for (const QString& texto : danados) {
        f.portapapeles.otroPrograma(texto);
        f.ventana.pegar = true;
        f.muestraYSelecciona(1);
        f.doc->Pegar();
        EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 2);
        EXPECT_FALSE(f.ventana.pegar);
        EXPECT_EQ(f.ventana.tituloDeshacer, QStringLiteral("Deshacer borrar"));
        f.ventana.pegar = true;
        f.doc->PortapapelesCambiado();
        EXPECT_FALSE(f.ventana.pegar);
    }
}

TEST(Portapapeles, PasteFollowsTheClipboardAtEachChange) {
    DocumentFixture f;
    f.crear(2);
    f.doc->PortapapelesCambiado();
    EXPECT_FALSE(f.ventana.pegar);
    f.portapapeles.otroPrograma(TextoPortapapeles(f.doc->estado().Problemas[1]));
    f.doc->PortapapelesCambiado();
    EXPECT_TRUE(f.ventana.pegar);
    f.ventana.pegar = false; // set from the document's state, whatever the window shows
    f.doc->PortapapelesCambiado();
    EXPECT_TRUE(f.ventana.pegar);
    f.portapapeles.otroPrograma(QStringLiteral("otro texto"));
    f.doc->PortapapelesCambiado();
    EXPECT_FALSE(f.ventana.pegar);
    // A problem's text with a line end after it, as from a text file, pastes.
    f.portapapeles.otroPrograma(TextoPortapapeles(f.doc->estado().Problemas[2]) + "\n");
    f.doc->PortapapelesCambiado();
    EXPECT_TRUE(f.ventana.pegar);
    f.doc->Pegar();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 3);
    // An owner that does not answer or sends too slowly keeps Paste; content too big or
    // unreadable turns it off.
    using enum ClipboardRead::Outcome;
    for (const auto& [fallo, pegar] :
         {std::pair{NoAnswer, true}, {Slow, true}, {TooBig, false}, {Unreadable, false}}) {
        f.ventana.pegar = !pegar;
        f.portapapeles.failures = {fallo};
        f.doc->PortapapelesCambiado();
        EXPECT_EQ(f.ventana.pegar, pegar);
    }
    // At Pegar each says so and pastes nothing; too big or unreadable turns Paste off.
    f.doc->PortapapelesCambiado();
    ASSERT_TRUE(f.ventana.pegar);
    for (const auto& [fallo, pegar, aviso] :
         {std::tuple{Slow, true,
                     QStringLiteral("El programa que tiene el portapapeles tarda demasiado en "
                                    "enviar su contenido. No se ha pegado nada.")},
          {TooBig, false,
           QStringLiteral("El contenido del portapapeles es demasiado grande para pegarlo.")},
          {Unreadable, false,
           QStringLiteral(
               "No se puede pegar: el contenido del portapapeles no se puede leer.")}}) {
        f.doc->PortapapelesCambiado();
        f.avisos.shown.clear();
        f.portapapeles.failures = {fallo};
        f.doc->Pegar();
        EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 3);
        EXPECT_EQ(f.ventana.pegar, pegar);
        ASSERT_EQ(f.avisos.shown.size(), 1u);
        EXPECT_EQ(f.avisos.shown[0].text, aviso);
        EXPECT_EQ(f.avisos.shown[0].icon, Notifier::Icon::Exclamation);
    }
    // The program's data over the collection reader's bound are too big: nothing is pasted.
    f.portapapeles.setTextAndData(TextoPortapapeles(f.doc->estado().Problemas[1]),
                                  QByteArray(kMaxBytesArchivo + 1, Qt::Uninitialized));
    f.avisos.shown.clear();
    f.doc->Pegar();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 3);
    ASSERT_EQ(f.avisos.shown.size(), 1u);
    EXPECT_EQ(f.avisos.shown[0].text,
              QStringLiteral("El contenido del portapapeles es demasiado grande para pegarlo."));
}

TEST(Portapapeles, CutCopiesThenDeletesAndUndoKeepsTheClipboard) {
    DocumentFixture f;
    f.crear(3);
    const Problema p = f.doc->estado().Problemas[2];
    f.muestraYSelecciona(2);
    f.doc->Cortar();
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 2);
    EXPECT_EQ(f.portapapeles.text().content.text, TextoPortapapeles(p));
    f.doc->Deshacer();
    EXPECT_EQ(f.doc->estado().Problemas[2], p);
    EXPECT_EQ(f.portapapeles.text().content.text, TextoPortapapeles(p));
}

} // namespace
} // namespace vornith::document
