// The CLIPBOARD requestor against an owner of the test's own, on a private Xvfb server.

#include "platform/qt/selection_requestor.h"

#include <QProcess>
#include <QTest>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <poll.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <thread>
#include <vector>

namespace vornith {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kTimeout = 3s;
constexpr char kDatos[] = "application/x-vornith-norv-datos";

// When the owner answers: at once, 2 s late, never, (Tardia) holding every request until 1 s
// after the first read's time-out, then at once, or (UnaTrasOtra) 2 s after its last answer.
enum class Respuesta { AlMomento, DosSegundosTarde, Mudo, Tardia, UnaTrasOtra };

struct Fila {
    const char* nombre;
    Respuesta respuesta = Respuesta::AlMomento;
    QByteArray texto{};                // UTF8_STRING; Tardia gives "viejo" to the first read
    std::optional<QByteArray> datos{}; // offered under kDatos with these bytes
    bool incr = false;                 // the text goes in pieces of 64 KB
    qsizetype limite = SelectionRequestor::kMaxBytes; // the requestor's bound
    // One read per entry: text(), or content(kDatos) when data are offered. Nothing: no answer.
    std::vector<std::optional<ClipboardContent>> esperado;
};

// A private X server on a display number it picks itself (-displayfd), so that parallel runs
// do not collide. `display` stays empty when it did not start.
struct Xvfb {
    QProcess process;
    QByteArray display;

    Xvfb() {
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-noreset"});
        const auto deadline = Clock::now() + 10s;
        QByteArray out;
        while (!out.contains('\n') && Clock::now() < deadline && process.waitForReadyRead(10000))
            out += process.readAllStandardOutput();
        for (const QByteArray name = ':' + out.trimmed();
             out.contains('\n') && display.isEmpty() && Clock::now() < deadline;
             std::this_thread::sleep_for(50ms)) {
            xcb_connection_t* c = xcb_connect(name.constData(), nullptr);
            if (!xcb_connection_has_error(c)) display = name;
            xcb_disconnect(c);
        }
    }
    ~Xvfb() {
        process.terminate();           // it removes its lock file and socket
        process.waitForFinished(5000); // or else killed by ~QProcess
    }
};

// The CLIPBOARD owner: takes the selection on a connection of its own and answers from a thread
// as the row says.
struct Dueno {
    bool owns = false;
    std::atomic<int> tardias = 0; // answers given late to the first read's window

    Dueno(const QByteArray& display, const Fila& fila)
        : fila_(fila), c_(xcb_connect(display.constData(), nullptr)) {
        if (xcb_connection_has_error(c_)) return;
        for (auto [a, name] : {std::pair{&clipboard_, "CLIPBOARD"},
                               {&targets_, "TARGETS"},
                               {&utf8_, "UTF8_STRING"},
                               {&incr_, "INCR"},
                               {&datos_, kDatos}}) {
            auto* r = xcb_intern_atom_reply(
                c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), {});
            *a = r ? r->atom : XCB_NONE;
            std::free(r);
        }
        const xcb_window_t window = xcb_generate_id(c_);
        xcb_create_window(c_, 0, window, xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root, 0,
                          0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, 0, 0, nullptr);
        xcb_set_selection_owner(c_, window, clipboard_, XCB_CURRENT_TIME);
        auto* owner =
            xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, clipboard_), {});
        owns = owner && owner->owner == window;
        std::free(owner);
        thread_ = std::thread([this] { run(); });
    }
    ~Dueno() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        xcb_disconnect(c_);
    }

  private:
    void run() {
        while (!stop_ && !xcb_connection_has_error(c_)) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                handle(e);
                std::free(e);
            }
            for (; !held_.empty() && held_.front().second <= Clock::now(); held_.pop_front())
                answer(held_.front().first);
            xcb_flush(c_);
            pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&fd, 1, 10); // short, so that due answers and `stop_` are seen
        }
    }

    void handle(const xcb_generic_event_t* e) {
        const auto* p = reinterpret_cast<const xcb_property_notify_event_t*>(e);
        if ((e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY && p->state == XCB_PROPERTY_DELETE &&
            p->window == incrWindow_ && p->atom == incrProperty_) {
            // The requestor took a piece: the next one (the last one is empty).
            const auto n = std::min<qsizetype>(64 * 1024, fila_.texto.size() - incrSent_);
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, incrWindow_, incrProperty_, utf8_, 8,
                                static_cast<uint32_t>(n), fila_.texto.constData() + incrSent_);
            incrSent_ += n;
            if (n == 0) incrWindow_ = XCB_NONE;
        }
        if ((e->response_type & 0x7f) != XCB_SELECTION_REQUEST) return;
        if (fila_.respuesta == Respuesta::Mudo) return;
        const auto& r = *reinterpret_cast<const xcb_selection_request_event_t*>(e);
        const auto now = Clock::now();
        if (!first_) first_ = {now, r.requestor};
        auto due = now;
        if (fila_.respuesta == Respuesta::DosSegundosTarde) due += 2s;
        if (fila_.respuesta == Respuesta::Tardia)
            due = std::max(now, first_->first + 4s); // kTimeout + 1 s
        if (fila_.respuesta == Respuesta::UnaTrasOtra)
            due = std::max(now, held_.empty() ? now : held_.back().second) + 2s;
        held_.emplace_back(r, due);
    }

    void answer(const xcb_selection_request_event_t& r) {
        const xcb_atom_t property = r.property == XCB_NONE ? r.target : r.property;
        const bool late = fila_.respuesta == Respuesta::Tardia && r.requestor == first_->second;
        tardias += late;
        xcb_atom_t given = property;
        if (r.target == targets_) {
            std::vector<xcb_atom_t> list{targets_, utf8_};
            if (fila_.datos) list.push_back(datos_);
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, r.requestor, property, XCB_ATOM_ATOM, 32,
                                static_cast<uint32_t>(list.size()), list.data());
        } else if (r.target == utf8_ && fila_.incr) {
            // The size first; each piece the requestor deletes asks for the next.
            const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(c_, r.requestor, XCB_CW_EVENT_MASK, &mask);
            const auto size = static_cast<uint32_t>(fila_.texto.size());
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, r.requestor, property, incr_, 32, 1,
                                &size);
            incrWindow_ = r.requestor;
            incrProperty_ = property;
        } else if (r.target == utf8_ || (r.target == datos_ && fila_.datos)) {
            const QByteArray bytes = r.target == datos_ ? *fila_.datos
                                     : late             ? QByteArray("viejo")
                                                        : fila_.texto;
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, r.requestor, property, r.target, 8,
                                static_cast<uint32_t>(bytes.size()), bytes.constData());
        } else {
            given = XCB_NONE; // refused
        }
        const xcb_selection_notify_event_t n{XCB_SELECTION_NOTIFY, 0,           0,        r.time,
                                             r.requestor,          r.selection, r.target, given};
        char event[32] = {}; // xcb_send_event sends 32 bytes
        std::memcpy(event, &n, sizeof n);
        xcb_send_event(c_, 0, r.requestor, XCB_EVENT_MASK_NO_EVENT, event);
    }

    const Fila& fila_;
    xcb_connection_t* c_;
    xcb_atom_t clipboard_ = 0, targets_ = 0, utf8_ = 0, incr_ = 0, datos_ = 0;
    std::optional<std::pair<Clock::time_point, xcb_window_t>> first_; // the first request's
    std::deque<std::pair<xcb_selection_request_event_t, Clock::time_point>> held_; // by time due
    xcb_window_t incrWindow_ = XCB_NONE; // the INCR transfer under way
    xcb_atom_t incrProperty_ = XCB_NONE;
    qsizetype incrSent_ = 0;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

TEST(SelectionRequestor, ReadsWhatTheOwnerAnswersAndDropsLateAnswers) {
    QByteArray megas; // UTF-8 characters fall across pieces
    for (int i = 0; megas.size() < 6 * 1024 * 1024; ++i)
        megas += QByteArray::number(i) + " Dinámica ñ º\n";
    const QByteArray datos = QByteArray::fromHex("00ff10") + "dibujo";
    const auto texto = [](const QString& t) { return ClipboardContent{t, {}}; };
    const std::optional<ClipboardContent> nada, completo = texto(QString::fromUtf8(megas)),
                                                conDatos = ClipboardContent{"algo", datos};
    using enum Respuesta;
    const std::vector<Fila> filas = {
        {.nombre = "respuesta tardía",
         .respuesta = Tardia,
         .texto = "nuevo",
         .esperado = {nada, texto("nuevo"), texto("nuevo")}},
        {.nombre = "INCR de varios MB", .texto = megas, .incr = true, .esperado = {completo}},
        {.nombre = "INCR sobre el límite",
         .texto = megas,
         .incr = true,
         .limite = 1024 * 1024,
         .esperado = {nada, nada}},
        {.nombre = "dueño mudo", .respuesta = Mudo, .esperado = {nada}},
        {.nombre = "texto vacío al momento", .esperado = {texto("")}},
        {.nombre = "texto vacío 2 s tarde", .respuesta = DosSegundosTarde, .esperado = {texto("")}},
        {.nombre = "una respuesta tras otra", // TARGETS at 2 s, the text at 4 s: past one time-out
         .respuesta = UnaTrasOtra,
         .texto = "algo",
         .esperado = {texto("algo")}},
        {.nombre = "datos ofrecidos y vacíos", .texto = "algo", .datos = "", .esperado = {nada}},
        {.nombre = "datos ofrecidos", .texto = "algo", .datos = datos, .esperado = {conDatos}},
    };
    Xvfb x;
    ASSERT_FALSE(x.display.isEmpty()) << "Xvfb could not be started";
    for (const Fila& fila : filas) {
        SCOPED_TRACE(fila.nombre);
        Dueno dueno(x.display, fila);
        ASSERT_TRUE(dueno.owns);
        const auto requestor = SelectionRequestor::open(x.display, kTimeout, fila.limite);
        ASSERT_TRUE(requestor);
        for (std::size_t i = 0; i < fila.esperado.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "read " << i + 1);
            const auto start = Clock::now();
            std::optional<ClipboardContent> got;
            if (fila.datos)
                got = requestor->content(kDatos);
            else if (auto text = requestor->text())
                got = texto(*text);
            const auto& want = fila.esperado[i];
            ASSERT_EQ(got.has_value(), want.has_value());
            if (!want && fila.respuesta != AlMomento) {
                EXPECT_GE(Clock::now() - start, kTimeout); // not answered in time
            } else if (want) {
                EXPECT_TRUE(got->text == want->text) // not printed: it may be megabytes
                    << got->text.size() << " characters: " << got->text.left(40).toStdString();
                EXPECT_EQ(got->data, want->data);
            }
        }
        if (fila.respuesta == Tardia) {
            EXPECT_EQ(dueno.tardias, 2); // the first read's TARGETS and UTF8_STRING
        }
    }
    // Without waiting: the answer comes through the event loop, and a read that starts before
    // it abandons it.
    const Fila lenta{
        .nombre = "sin esperar", .respuesta = DosSegundosTarde, .texto = "algo", .esperado = {}};
    Dueno dueno(x.display, lenta);
    const auto requestor = SelectionRequestor::open(x.display, kTimeout);
    std::vector<std::optional<QString>> dadas;
    const auto apunta = [&](std::optional<QString> t) { dadas.push_back(std::move(t)); };
    requestor->readText(apunta);
    EXPECT_TRUE(dadas.empty()); // the owner answers 2 s later
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dadas.empty(); }, 10000));
    requestor->readText(apunta);
    QTest::qWait(300); // its request sent
    EXPECT_EQ(requestor->text(), QStringLiteral("algo"));
    QTest::qWait(200);
    EXPECT_EQ(dadas, (std::vector<std::optional<QString>>{QStringLiteral("algo")}));
}

} // namespace
} // namespace vornith
