#include "mainwindow/linea_comandos.h"

#include "document/lista_aviso.h"

#include <QFileInfo>

namespace vornith::mainwindow {

bool EsColeccion(const QString& nombre) {
    return nombre.endsWith(QStringLiteral(".COL"), Qt::CaseInsensitive);
}

QStringList ProcesaCommand(const QStringList& argumentos) {
    QStringList nombres;
    if (argumentos.size() == 1) {
        if (!argumentos[0].isEmpty()) nombres.append(argumentos[0]);
    } else {
        for (const QString& a : argumentos) {
            if (nombres.size() == kMaxArchivosComando) break;
            if (EsColeccion(a)) nombres.append(a);
        }
    }
    for (QString& n : nombres)
        n = QFileInfo(n).absoluteFilePath();
    return nombres;
}

QStringList NoColecciones(const QStringList& argumentos) {
    QStringList nombres;
    if (argumentos.size() < 2) return nombres;
    for (const QString& a : argumentos) {
        if (!a.isEmpty() && !EsColeccion(a)) nombres.append(QFileInfo(a).absoluteFilePath());
    }
    return nombres;
}

QString MensajeNoColecciones(const QStringList& nombres) {
    return QStringLiteral("Estos archivos no son colecciones y no se han abierto:") +
           document::ListaAviso(nombres) +
           QStringLiteral("Solo se abren los archivos cuyo nombre termina en .col.");
}

QStringList ArchivosSoltados(const QList<QUrl>& urls) {
    QStringList nombres;
    for (const QUrl& u : urls) {
        if (nombres.size() == kMaxArchivosComando) break;
        if (u.isLocalFile() && EsColeccion(u.toLocalFile())) nombres.append(u.toLocalFile());
    }
    return nombres;
}

bool AceptaArrastre(const QList<QUrl>& urls) {
    return !urls.isEmpty() && urls.first().isLocalFile() && EsColeccion(urls.first().toLocalFile());
}

} // namespace vornith::mainwindow
