#include "platform/qt/qt_clipboard.h"

#include "platform/qt/selection_requestor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vornith {

namespace {

// The program's own format: other instances of the program read it, across processes too. On
// X11 the toolkit offers it under a target of the same name.
const QString kFormato = QStringLiteral("application/x-vornith-norv-datos");

QClipboard* portapapeles() { return QGuiApplication::clipboard(); }

ClipboardContent contenidoDe(const QMimeData* mime) {
    if (!mime) return {};
    return {mime->text(), mime->hasFormat(kFormato) ? mime->data(kFormato) : QByteArray()};
}

} // namespace

QtClipboard::QtClipboard() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    requestor_ = SelectionRequestor::open(qgetenv("DISPLAY"));
    if (requestor_)
        olvido_ = QObject::connect(portapapeles(), &QClipboard::dataChanged,
                                   [r = requestor_.get()] { r->forget(); });
}

QtClipboard::~QtClipboard() {
    QObject::disconnect(cambio_);
    QObject::disconnect(olvido_);
}

void QtClipboard::clear() { portapapeles()->clear(); }

void QtClipboard::setText(const QString& text) { portapapeles()->setText(text); }

void QtClipboard::setTextAndData(const QString& text, const QByteArray& data) {
    auto* mime = new QMimeData;
    mime->setText(text);
    if (!data.isEmpty()) mime->setData(kFormato, data);
    portapapeles()->setMimeData(mime); // the clipboard owns it
}

bool QtClipboard::otroPrograma() const { return requestor_ && !portapapeles()->ownsClipboard(); }

std::optional<QString> QtClipboard::text() const {
    ++lectura_;
    if (otroPrograma()) return requestor_->text();
    return contenidoDe(portapapeles()->mimeData()).text;
}

void QtClipboard::readText(std::function<void(std::optional<QString>)> done) {
    auto ultima = [this, n = ++lectura_, done = std::move(done)](std::optional<QString> text) {
        if (n == lectura_) done(std::move(text));
    };
    if (otroPrograma()) return requestor_->readText(std::move(ultima));
    ultima(contenidoDe(portapapeles()->mimeData()).text);
}

std::optional<ClipboardContent> QtClipboard::content() const {
    ++lectura_;
    if (otroPrograma()) return requestor_->content(kFormato.toLatin1());
    return contenidoDe(portapapeles()->mimeData());
}

void QtClipboard::onChange(std::function<void()> changed) {
    ++lectura_;
    QObject::disconnect(cambio_);
    if (changed)
        cambio_ = QObject::connect(portapapeles(), &QClipboard::dataChanged, std::move(changed));
}

} // namespace vornith
