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

// What a read keeps of the text: a problem's is far below 8 MB.
constexpr qsizetype kBytesTexto = qsizetype{8} * 1024 * 1024;

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

// The windows of the toolkit's own connection to the X server.
SelectionRequestor::OwnWindows ventanasPropias() {
    auto* x = x11();
    if (!x || !x->connection()) return {};
    const xcb_setup_t* setup = xcb_get_setup(x->connection());
    return {setup->resource_id_base, setup->resource_id_mask};
}

// The toolkit's clipboard: its text and, when `formato` is set, its data in that format, of
// at most `maxData` bytes.
ClipboardRead leidoDe(const QMimeData* mime, const QByteArray& formato, qsizetype maxData = 0) {
    if (!mime) return {};
    const QString texto = mime->text();
    const QString tipo = QString::fromLatin1(formato);
    QByteArray datos =
        !formato.isEmpty() && mime->hasFormat(tipo) ? mime->data(tipo) : QByteArray();
    if ((texto.size() * 3 > kBytesTexto && texto.toUtf8().size() > kBytesTexto) ||
        datos.size() > maxData)
        return {ClipboardRead::Outcome::TooBig, {}};
    return {ClipboardRead::Outcome::Read, {texto, std::move(datos)}};
}

} // namespace

QtClipboard::QtClipboard()
    : QtClipboard(QGuiApplication::platformName() == QLatin1String("xcb") ? pantalla()
                                                                          : QByteArray()) {}

QtClipboard::QtClipboard(const QByteArray& display) {
    if (display.isEmpty()) return;
    requestor_ = SelectionRequestor::open(display, ventanasPropias());
}

QtClipboard::~QtClipboard() {
    QObject::disconnect(cambio_);
}

void QtClipboard::clear() {
    portapapeles()->clear();
}

void QtClipboard::setText(const QString& text) {
    setTextAndData(text, {});
}

void QtClipboard::setTextAndData(const QString& text, const QByteArray& data) {
    auto* mime = new QMimeData;
    mime->setText(text);
    if (!data.isEmpty()) mime->setData(kFormato, data);
    propios_ = mime;
    portapapeles()->setMimeData(mime); // the clipboard owns it
}

// The toolkit gives the data it holds only when the X server tells it that its own window owns
// the clipboard; anything else it would read from another program, with none of the requestor's
// bounds, and is never read.
const QMimeData* QtClipboard::propios() const {
    return propios_ && portapapeles()->mimeData() == propios_.get() ? propios_.get() : nullptr;
}

// Another program's content through the requestor, the busy pointer shown after a moment. The
// toolkit's clipboard when the requestor says that a toolkit's window owns it, and then only
// the data set here; off X11 the toolkit's clipboard alone.
ClipboardRead QtClipboard::lee(const QByteArray& formato, qsizetype maxData) const {
    ++lectura_;
    if (!requestor_) return leidoDe(portapapeles()->mimeData(), formato, maxData);
    // Asked before the requestor asks the X server: the window handles no event until the
    // answer, so the toolkit's windows cannot take the clipboard back once another has it.
    const QMimeData* mime = propios();
    std::future<std::optional<SelectionRequestor::Answer>> respuesta =
        requestor_->read(formato, {kBytesTexto, maxData});
    if (respuesta.wait_for(kMomento) == std::future_status::timeout) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        if (auto* x = x11()) xcb_flush(x->connection()); // the window handles no event meanwhile
        respuesta.wait();
        QGuiApplication::restoreOverrideCursor();
    }
    std::optional<SelectionRequestor::Answer> leido = respuesta.get();
    if (leido && !leido->own) return std::move(leido->read);
    // A toolkit's window owns it (a text box's copy, when not the data set here), or no
    // connection to the display can be made and nobody else is asked.
    if (mime) return leidoDe(mime, formato, maxData);
    return {leido ? ClipboardRead::Outcome::Read : ClipboardRead::Outcome::NoAnswer, {}};
}

ClipboardRead QtClipboard::text() const {
    return lee({}, 0);
}

// Only the latest read's answer is given, and none when there is no connection to the display,
// since the toolkit would hold the window. Off X11 the toolkit's clipboard is read at once.
void QtClipboard::readText(std::function<void(ClipboardRead)> done) {
    const int n = ++lectura_;
    if (!requestor_) return done(leidoDe(portapapeles()->mimeData(), {}));
    requestor_->readText(kBytesTexto, [this, n, done = std::move(done)](
                                          std::optional<SelectionRequestor::Answer> r) {
        if (n != lectura_ || !r) return;
        if (!r->own) return done(std::move(r->read));
        // Any change since the requestor asked is told, and read again.
        const QMimeData* mime = propios();
        done(mime ? leidoDe(mime, {}) : ClipboardRead{});
    });
}

ClipboardRead QtClipboard::content(qsizetype maxData) const {
    return lee(kFormato.toLatin1(), maxData);
}

// On X11 the X server tells the changes, on the requestor's connection: the toolkit ignores a
// new owner that took the clipboard with the time of its own copy.
void QtClipboard::onChange(std::function<void()> changed) {
    ++lectura_;
    if (requestor_) return requestor_->onChange(std::move(changed));
    QObject::disconnect(cambio_);
    if (changed)
        cambio_ = QObject::connect(portapapeles(), &QClipboard::dataChanged, std::move(changed));
}

} // namespace vornith
