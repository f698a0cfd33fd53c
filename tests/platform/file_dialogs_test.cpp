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
    QTimer::singleShot(50, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        sinMayusculas = !(dialogo->filter() & QDir::CaseSensitive);
        dialogo->selectFile(dir.filePath("hoja"));
        QMetaObject::invokeMethod(dialogo, "accept", Qt::DirectConnection);
    });
    const auto elegido = dialogos.saveFile(
        {"Guardar colección", "Colecciones (*.col)|*.col", dir.path(), {}, "col"});
    ASSERT_TRUE(elegido.has_value());
    EXPECT_EQ(*elegido, dir.filePath("hoja.col"));
    EXPECT_TRUE(sinMayusculas);
}

} // namespace
} // namespace vornith
