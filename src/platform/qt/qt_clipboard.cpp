#include "platform/qt/qt_clipboard.h"

#include "platform/qt/selection_requestor.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMimeData>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace vornith {

namespace {

// The program's own format: other instances of the program read it, across processes too. On
// X11 the toolkit offers it under a target of the same name.
const QString kFormato = QStringLiteral("application/x-vornith-norv-datos");

// What a read keeps: a change only needs to tell whether the text is a problem's (far below 8 MB);
// a paste takes more.
constexpr qsizetype kBytesCambio = qsizetype{8} * 1024 * 1024;
constexpr qsizetype kBytesPegar = qsizetype{256} * 1024 * 1024;

// How long a read waits before the busy pointer shows.
constexpr std::chrono::milliseconds kMomento{200};

QClipboard* portapapeles() {
    return QGuiApplication::clipboard();
}

QNativeInterface::QX11Application* x11() {
    return qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
}

// The display the toolkit's windows are on (-display included); $DISPLAY when it cannot tell.
QByteArray pantalla() {
    if (auto* x = x11(); x && x->display()) return XDisplayString(x->display());
    return qgetenv("DISPLAY");
}

// The toolkit's clipboard: its text and, when `formato` is set, its data in that format.
ClipboardRead leidoDe(const QMimeData* mime, const QByteArray& formato) {
    if (!mime) return {};
    const QString tipo = QString::fromLatin1(formato);
    return {ClipboardRead::Outcome::Read,
            {mime->text(),
             !formato.isEmpty() && mime->hasFormat(tipo) ? mime->data(tipo) : QByteArray()}};
}

} // namespace

QtClipboard::QtClipboard()
    : QtClipboard(QGuiApplication::platformName() == QLatin1String("xcb") ? pantalla()
                                                                          : QByteArray()) {}

QtClipboard::QtClipboard(const QByteArray& display) {
    if (display.isEmpty()) return;
    requestor_ = SelectionRequestor::open(display);
    if (requestor_)
        olvido_ = QObject::connect(portapapeles(), &QClipboard::dataChanged,
                                   [r = requestor_.get()] { r->forget(); });
}

QtClipboard::~QtClipboard() {
    QObject::disconnect(cambio_);
    QObject::disconnect(olvido_);
}

void QtClipboard::clear() {
    portapapeles()->clear();
}

void QtClipboard::setText(const QString& text) {
    portapapeles()->setText(text);
}

void QtClipboard::setTextAndData(const QString& text, const QByteArray& data) {
    auto* mime = new QMimeData;
    mime->setText(text);
    if (!data.isEmpty()) mime->setData(kFormato, data);
    portapapeles()->setMimeData(mime); // the clipboard owns it
}

bool QtClipboard::otroPrograma() const {
    return requestor_ && !portapapeles()->ownsClipboard();
}

// Another program's content through the requestor, the busy pointer shown after a moment; the
// toolkit's clipboard when the requestor can make no connection to the display.
ClipboardRead QtClipboard::lee(const QByteArray& formato) const {
    ++lectura_;
    if (!otroPrograma()) return leidoDe(portapapeles()->mimeData(), formato);
    std::future<std::optional<ClipboardRead>> respuesta = requestor_->read(formato, kBytesPegar);
    if (respuesta.wait_for(kMomento) == std::future_status::timeout) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        if (auto* x = x11()) xcb_flush(x->connection()); // the window handles no event meanwhile
        respuesta.wait();
        QGuiApplication::restoreOverrideCursor();
    }
    if (std::optional<ClipboardRead> leido = respuesta.get()) return *std::move(leido);
    return leidoDe(portapapeles()->mimeData(), formato);
}

ClipboardRead QtClipboard::text() const {
    return lee({});
}

// Only the latest read's answer is given. Nobody to ask reads the toolkit's clipboard; no
// connection to the display gives no answer, since the toolkit would hold the window.
void QtClipboard::readText(std::function<void(ClipboardRead)> done) {
    const int n = ++lectura_;
    if (!otroPrograma()) return done(leidoDe(portapapeles()->mimeData(), {}));
    requestor_->readText(kBytesCambio,
                         [this, n, done = std::move(done)](std::optional<ClipboardRead> r) {
                             if (n == lectura_ && r) done(*std::move(r));
                         });
}

ClipboardRead QtClipboard::content() const {
    return lee(kFormato.toLatin1());
}

void QtClipboard::onChange(std::function<void()> changed) {
    ++lectura_;
    QObject::disconnect(cambio_);
    if (changed)
        cambio_ = QObject::connect(portapapeles(), &QClipboard::dataChanged, std::move(changed));
}

} // namespace vornith
