#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

namespace vornith::test {

// assets/img of the source tree: from VORNITH_SOURCE_DIR (set by ctest), else the first folder
// above the test program that holds it; empty when neither is found.
inline QString sourcePictureFolder() {
    const QString source = qEnvironmentVariable("VORNITH_SOURCE_DIR");
    if (!source.isEmpty()) return QDir(source).filePath(QStringLiteral("assets/img"));
    QDir dir(QCoreApplication::applicationDirPath());
    do {
        if (dir.exists(QStringLiteral("assets/img")))
            return dir.filePath(QStringLiteral("assets/img"));
    } while (dir.cdUp());
    return {};
}

} // namespace vornith::test
