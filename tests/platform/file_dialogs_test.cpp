#include "platform/qt/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace vornith {
namespace {

TEST(QtFileDialogs, FiltersKeepTheirDescriptionsAndGainMissingPatterns) {
    EXPECT_EQ(qtNameFilters("Colecciones de Problemas (*.col)|*.col|Todos los archivos (*.*)|*.*"),
              QStringList({"Colecciones de Problemas (*.col)", "Todos los archivos (*.*)"}));
    EXPECT_EQ(qtNameFilters("Textos|*.txt;*.text"), QStringList({"Textos (*.txt *.text)"}));
}

// The dialog is Qt's own, so a script can fill it in: a name typed without extension gets
// the default suffix, and the patterns ignore letter case.
TEST(QtFileDialogs, SaveAddsTheDefaultSuffix) {
    QTemporaryDir dir;
    QtFileDialogs dialogos;
    bool sinMayusculas = false;
    // Fills the dialog in as soon as it is up, however long that takes on a busy machine.
    QTimer guion;
    guion.setInterval(20);
    QObject::connect(&guion, &QTimer::timeout, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogo) return;
        guion.stop();
        sinMayusculas = !(dialogo->filter() & QDir::CaseSensitive);
        dialogo->selectFile(dir.filePath("hoja"));
        QMetaObject::invokeMethod(dialogo, "accept", Qt::DirectConnection);
    });
    guion.start();
    const auto elegido = dialogos.saveFile(
        {"Guardar colección", "Colecciones (*.col)|*.col", dir.path(), {}, "col"});
    ASSERT_TRUE(elegido.has_value());
    EXPECT_EQ(*elegido, dir.filePath("hoja.col"));
    EXPECT_TRUE(sinMayusculas);
}

} // namespace
} // namespace vornith
