#include "mainwindow/identidad.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace vornith::mainwindow {

void IdentificaVentanas() {
    QIcon icono;
    for (const QString& lado : QDir(QStringLiteral(":/icon")).entryList())
        icono.addFile(QStringLiteral(":/icon/") + lado);
    QApplication::setWindowIcon(icono);
    QApplication::setDesktopFileName(QStringLiteral(VORNITH_APP_ID));
}

} // namespace vornith::mainwindow
