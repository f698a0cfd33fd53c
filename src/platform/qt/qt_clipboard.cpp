#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>

namespace vornith {

namespace {

// The program's own format: other instances of the program read it, across processes too.
const QString kFormato = QStringLiteral("application/x-vornith-norv-datos");
const QString kTexto = QStringLiteral("text/plain");
const QString kTextoUtf8 = QStringLiteral("text/plain;charset=utf-8");

// Qt's X11 clipboard gives up on an owner that does not answer after a time-out of its own
// (five seconds) and returns nothing, as for an empty answer; an empty answer that took this
// long is taken for a time-out.
constexpr qint64 kSinRespuestaMs = 1000;

bool sinRespuesta(const QElapsedTimer& reloj) { return reloj.elapsed() >= kSinRespuestaMs; }

} // namespace

QtClipboard::~QtClipboard() { QObject::disconnect(cambio_); }

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtClipboard::setTextAndData(const QString& text, const QByteArray& data) {
    auto* mime = new QMimeData;
    mime->setText(text);
    if (!data.isEmpty()) mime->setData(kFormato, data);
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard owns it
}

bool QtClipboard::ownsClipboard() const { return QGuiApplication::clipboard()->ownsClipboard(); }

std::optional<QString> QtClipboard::text() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard->mimeData();
    if (!mime) return QString();
    if (clipboard->ownsClipboard()) return mime->text();
    // One request for what the owner offers; Qt keeps the answer until the owner changes.
    QElapsedTimer reloj;
    reloj.start();
    const QStringList formatos = mime->formats();
    if (formatos.isEmpty()) return sinRespuesta(reloj) ? std::nullopt : std::optional(QString());
    const QString formato = formatos.contains(kTexto)       ? kTexto
                            : formatos.contains(kTextoUtf8) ? kTextoUtf8
                                                            : QString();
    if (formato.isEmpty()) return QString();
    reloj.restart();
    const QByteArray bytes = mime->data(formato); // UTF-8, whatever the owner's text type
    if (bytes.isEmpty() && sinRespuesta(reloj)) return std::nullopt;
    return QString::fromUtf8(bytes);
}

QByteArray QtClipboard::data() const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasFormat(kFormato) ? mime->data(kFormato) : QByteArray();
}

void QtClipboard::onChange(std::function<void()> changed) {
    QObject::disconnect(cambio_);
    if (changed)
        cambio_ = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                                   std::move(changed));
}

} // namespace vornith
