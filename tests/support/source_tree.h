#pragma once

#include <QDir>
#include <QString>

namespace vornith::test {

// assets/img of the source tree, whose path the build compiles in (VORNITH_SOURCE_DIR); empty
// when that folder is missing.
inline QString sourcePictureFolder() {
    const QDir folder(
        QDir(QString::fromUtf8(VORNITH_SOURCE_DIR)).filePath(QStringLiteral("assets/img")));
    return folder.exists() ? folder.path() : QString();
}

} // namespace vornith::test
