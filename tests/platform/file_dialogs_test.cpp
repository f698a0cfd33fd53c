#include "platform/qt/qt_file_dialogs.h"

#include "support/guion_modal.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

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
    QTimer guion;
    test::guionModal<QFileDialog>(guion, [&](QFileDialog* dialogo) {
        sinMayusculas = !(dialogo->filter() & QDir::CaseSensitive);
        // The name goes in the name box itself: selectFile leaves that box alone while it has
        // the focus, and accept() with no name only changes folder.
        auto* nombre = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!nombre) return;
        nombre->setText(dir.filePath("hoja"));
        QMetaObject::invokeMethod(dialogo, "accept", Qt::DirectConnection);
    });
    const auto elegido = dialogos.saveFile(
        {"Guardar colección", "Colecciones (*.col)|*.col", dir.path(), {}, "col"});
    ASSERT_TRUE(elegido.has_value());
    EXPECT_EQ(*elegido, dir.filePath("hoja.col"));
    EXPECT_TRUE(sinMayusculas);
}

// The dialog opens wide enough for its detail columns: name, size, type and date each show
// their headings and entries whole.
TEST(QtFileDialogs, ColumnsAreNotCut) {
    QTemporaryDir dir;
    QFile file(dir.filePath("Problemas de cinemática.col"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    QtFileDialogs dialogos;
    QStringList cut;
    int settled = 0;
    QTimer guion;
    test::guionModal<QFileDialog>(guion, [&](QFileDialog* dialogo) {
        auto* view = dialogo->findChild<QTreeView*>();
        if (!view || view->model()->rowCount(view->rootIndex()) == 0) return;
        // A few turns of the event loop once the folder is read, for the columns to settle.
        if (++settled < 4) return;
        guion.stop();
        const QHeaderView* header = view->header();
        const QAbstractItemView* entries = view;
        int total = 0;
        for (int column = 0; column < header->count(); ++column) {
            const int room = header->sectionSize(column);
            total += room;
            if (room < entries->sizeHintForColumn(column) || room < header->sectionSizeHint(column))
                cut << view->model()->headerData(column, Qt::Horizontal).toString();
        }
        if (total > view->viewport()->width()) cut << "beyond the view";
        dialogo->reject();
    });
    EXPECT_FALSE(dialogos.openFile({"Abrir", "Colecciones (*.col)|*.col", dir.path(), {}, {}}));
    EXPECT_TRUE(cut.isEmpty()) << cut.join(", ").toStdString();
}

} // namespace
} // namespace vornith
