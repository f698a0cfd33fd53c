#include "document/carpeta_imagenes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace vornith::document {

namespace {

const QString kCerrojo = QStringLiteral(".lock");

// The lock of the entry `ruta` of temp/, or nothing while a running instance holds it.
std::unique_ptr<QLockFile> Cierra(const QString& ruta) {
    auto cerrojo = std::make_unique<QLockFile>(ruta + kCerrojo);
    // Taken from an instance that is no longer running only, however old its lock is.
    cerrojo->setStaleLockTime(0);
    if (!cerrojo->tryLock(0)) return nullptr;
    return cerrojo;
}

// Removes the entry `ruta`; a link goes itself, never what it points to.
void Quita(const QString& ruta) {
    const QFileInfo info(ruta);
    if (info.isDir() && !info.isSymLink()) {
        QDir(ruta).removeRecursively();
    } else {
        QFile::remove(ruta);
    }
}

void Limpia(const QDir& temp) {
    const QFileInfoList entradas =
        temp.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QSet<QString> vistas;
    for (const QFileInfo& entrada : entradas) {
        // Locks and folders are real files and folders: anything else was not made here.
        if (entrada.isSymLink() || (!entrada.isFile() && !entrada.isDir())) {
            QFile::remove(entrada.filePath());
            continue;
        }
        QString nombre = entrada.fileName();
        if (nombre.endsWith(kCerrojo)) nombre.chop(kCerrojo.size());
        if (vistas.contains(nombre)) continue;
        vistas.insert(nombre);
        const QString ruta = temp.filePath(nombre);
        if (const std::unique_ptr<QLockFile> cerrojo = Cierra(ruta)) Quita(ruta);
    }
}

} // namespace

std::unique_ptr<CarpetaImagenes> CarpetaImagenes::Nueva(const QString& temp) {
    // temp/ itself a link could point at any folder, whose files the sweep would remove.
    if (temp.isEmpty() || QFileInfo(temp).isSymLink() || !QDir().mkpath(temp)) return nullptr;
    const QDir carpeta(temp);
    Limpia(carpeta);
    // The process number keeps running instances apart; the first number not held, the
    // collections of one.
    const QString prefijo =
        QStringLiteral("col-") + QString::number(QCoreApplication::applicationPid()) + u'-';
    for (int n = 1; n <= 100; ++n) {
        const QString ruta = carpeta.filePath(prefijo + QString::number(n));
        std::unique_ptr<QLockFile> cerrojo = Cierra(ruta);
        if (!cerrojo) continue;
        Quita(ruta); // left by an instance that ran under the same process number
        if (!QDir().mkdir(ruta)) return nullptr;
        return std::unique_ptr<CarpetaImagenes>(new CarpetaImagenes(ruta, std::move(cerrojo)));
    }
    return nullptr;
}

CarpetaImagenes::CarpetaImagenes(QString ruta, std::unique_ptr<QLockFile> cerrojo)
    : ruta_(std::move(ruta)), cerrojo_(std::move(cerrojo)) {}

CarpetaImagenes::~CarpetaImagenes() {
    Quita(ruta_);
}

} // namespace vornith::document
