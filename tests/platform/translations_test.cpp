#include "platform/qt/qt_translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vornith {
namespace {

// After start-up the toolkit's own windows speak Spanish: standard buttons, the file
// dialog's labels and its overwrite question.
TEST(ToolkitTranslations, StandardTextsReadSpanish) {
    ASSERT_TRUE(loadToolkitTranslations(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Sí");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Ver en:");
    EXPECT_TRUE(
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .contains("reemplazar"));
    QDialogButtonBox botones(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(botones.button(QDialogButtonBox::Cancel)->text(), "Cancelar");
    EXPECT_EQ(botones.button(QDialogButtonBox::Open)->text(), "Abrir");
}

} // namespace
} // namespace vornith
