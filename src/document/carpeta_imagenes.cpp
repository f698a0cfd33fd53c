#include "document/carpeta_imagenes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace vornith::document {

namespace {

const QString kCerrojo = QStringLiteral(".lock");

// The largest lock file read: a lock holds a process number, a program and a host name.
constexpr qint64 kMaxBytesCerrojo = 4096;

// Links, pipes and devices are removed, never opened: one would block or read without end, or
// lead outside temp/.
bool EsAjeno(const QFileInfo& entrada) {
    return entrada.isSymLink() || (!entrada.isFile() && !entrada.isDir());
}

// The lock of the entry `ruta` of temp/, or nothing while a running instance holds it. A lock
// that is not a small regular file was not made by the program: it goes before anything is read.
std::unique_ptr<QLockFile> Cierra(const QString& ruta) {
    const QFileInfo lock(ruta + kCerrojo);
    if (lock.exists() || lock.isSymLink()) {
        if (EsAjeno(lock) || (lock.isFile() && lock.size() > kMaxBytesCerrojo))
            QFile::remove(lock.filePath());
        else if (!lock.isFile())
            return nullptr;
    }
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
    const auto entradas = [&temp] {
        return temp.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
    };
    // Locks and folders are real files and folders: anything else was not made here, and goes
    // before any lock is read.
    for (const QFileInfo& entrada : entradas()) {
        if (EsAjeno(entrada)) QFile::remove(entrada.filePath());
    }
    QSet<QString> vistas;
    for (const QFileInfo& entrada : entradas()) {
        QString nombre = entrada.fileName();
        if (nombre.endsWith(kCerrojo)) nombre.chop(kCerrojo.size());
        if (vistas.contains(nombre)) continue;
        vistas.insert(nombre);
        const QString ruta = temp.filePath(nombre);
        if (const std::unique_ptr<QLockFile> cerrojo = Cierra(ruta)) Quita(ruta);
    }
}

// Why the folder `temp` cannot hold pictures.
QString PorQueNoSirve(const QString& temp) {
    const QFileInfo info(temp);
    if (info.isSymLink()) return temp + QStringLiteral(" es un enlace");
    if (info.exists() && !info.isDir()) return temp + QStringLiteral(" no es una carpeta");
    if (!info.exists()) return QStringLiteral("no se puede crear la carpeta ") + temp;
    return QStringLiteral("no se puede escribir en la carpeta ") + temp;
}

} // namespace

std::unique_ptr<CarpetaImagenes> CarpetaImagenes::Nueva(const QString& temp, QString* motivo) {
    const auto falla = [&]() -> std::unique_ptr<CarpetaImagenes> {
        if (motivo)
            *motivo = temp.isEmpty() ? QStringLiteral("no hay carpeta de datos del usuario")
                                     : PorQueNoSirve(temp);
        return nullptr;
    };
    // temp/ itself a link could point at any folder, whose files the sweep would remove.
    if (temp.isEmpty() || QFileInfo(temp).isSymLink() || !QDir().mkpath(temp)) return falla();
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
        if (!QDir().mkdir(ruta)) return falla();
        return std::unique_ptr<CarpetaImagenes>(new CarpetaImagenes(ruta, std::move(cerrojo)));
    }
    return falla();
}

CarpetaImagenes::CarpetaImagenes(QString ruta, std::unique_ptr<QLockFile> cerrojo)
    : ruta_(std::move(ruta)), cerrojo_(std::move(cerrojo)) {}

CarpetaImagenes::~CarpetaImagenes() {
    Quita(ruta_);
}

} // namespace vornith::document
