#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vornith {

namespace {

// The program's own format: other instances of the program read it, across processes too.
const QString kFormato = QStringLiteral("application/x-vornith-norv-datos");

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

QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

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
