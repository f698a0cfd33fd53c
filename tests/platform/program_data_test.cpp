#include "platform/program_data.h"
#include "platform/qt/qt_program_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vornith {
namespace {

// Which folder holds the data, for a program in `bin` of a tree that has the folders given.
TEST(ProgramData, BesideTheProgramElseTheInstallPrefix) {
    const struct {
        const char* bin;
        const char* folders;
        const char* expected;
    } rows[] = {
        {"build/bin", "build/bin/img", "build/bin"},                       // build tree
        {"usr/bin", "usr/bin usr/share/vornith/img", "usr/share/vornith"}, // installed
        {"opt/v/bin", "opt/v/bin/img opt/v/share/vornith", "opt/v/bin"},   // beside it first
        {"usr/bin", "usr/bin", "usr/bin"}, // neither: the program's folder
    };
    for (const auto& row : rows) {
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        for (const QString& folder : QString::fromLatin1(row.folders).split(u' '))
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        EXPECT_EQ(programDataFolder(root.filePath(QString::fromLatin1(row.bin))),
                  root.filePath(QString::fromLatin1(row.expected)))
            << row.folders;
    }
}

TEST(ProgramData, OnlyFilesUnderTheDataFolderAreProgramData) {
    const QString data = QtProgramData().folder(); // the running program's
    EXPECT_EQ(data, programDataFolder());
    EXPECT_TRUE(isProgramData(data + QStringLiteral("/a.col"), data));
    // A folder beside it whose name begins with its name is not under it.
    const QTemporaryDir hermana(data + QStringLiteral("x-XXXXXX"));
    ASSERT_TRUE(hermana.isValid());
    EXPECT_FALSE(isProgramData(hermana.filePath(QStringLiteral("a.col")), data));
    EXPECT_FALSE(isProgramData(QDir::tempPath() + QStringLiteral("/a.col"), data));
    EXPECT_FALSE(isProgramData(data + QStringLiteral("/a.col"), QString())); // no data folder
    QTemporaryDir otra; // a link elsewhere to a file of the program's is that file
    ASSERT_TRUE(QFile::link(QCoreApplication::applicationFilePath(), otra.filePath("a.col")));
    EXPECT_TRUE(isProgramData(otra.filePath("a.col"), data));
}

} // namespace
} // namespace vornith
