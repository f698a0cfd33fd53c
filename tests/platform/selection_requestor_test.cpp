// The CLIPBOARD requestor against an owner of the test's own, on a private Xvfb server.

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/selection_requestor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWindow>

#include <QProcess>
#include <QTest>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <poll.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <ostream>
#include <set>
#include <thread>
#include <vector>

namespace vornith {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kTimeout = 3s, kTotal = 6s;
constexpr char kDatos[] = "application/x-vornith-norv-datos";

// When the owner answers: at once, 2 s late, never, (Tardia) holding every request until 1 s
// after the first read's time-out, then at once, (UnaTrasOtra) 2 s after its last answer,
// (Mata) by closing the connection of the first window that asks, then answering its request,
// with STRING alone, just before the next, which is answered 200 ms later, or (SoloPrimera) to
// the first window that asks alone.
// clang-format off
enum class Respuesta {
    AlMomento, DosSegundosTarde, Mudo, Tardia, UnaTrasOtra, Mata, SoloPrimera
};
// clang-format on

// What else the owner does: (BorraSola) deletes each piece itself, (SinEscribir) notifies
// without writing, (Entero) writes the text as INTEGER, (TipoCambia) changes the pieces' type,
// (IgnoraBorrados) writes every piece at once without waiting for deletions, (TamanoCorto) gives
// an INCR size of 1 KB, (Reescribe) writes the first piece, deletes it and writes it again under
// a server grab, (Xclip) sends each piece after any deletion on the requestor's window, (Goteo)
// sends pieces of 4 KB, one a second, (DatosMudos) never answers the data, (Cede) hands the
// clipboard, after the text, to a second window of its own offering `relevo` and data "otros",
// (Estanca) stops the text after its first piece and ends the transfer when the window goes,
// (Retoma) refuses the first text request and takes the clipboard again in the same server grab,
// (DatosDeOtroTipo) gives the data as STRING, (DatosEn32) in format 32, (DatosEnPiezas) in pieces
// of `pieza` with no size, xclip's way, (SeVa) closes its connection after read 1, (SinVentana)
// destroys its window after read 1.
// Or what the test does: (Propio) gives the owner's windows as the requestor's own and has the
// relevo take over with the owner's time, (Salida) ends the requestor after the abandoned reads,
// (MataEntreLecturas) closes the requestor's connection after read 1, (MataYEspera) too, then
// waits for a change told with no read.
// clang-format off
enum class Giro {
    Ninguno, BorraSola, SinEscribir, Entero, TipoCambia, IgnoraBorrados, TamanoCorto, Reescribe,
    Xclip, Goteo, DatosMudos, Cede, Estanca, Retoma, DatosDeOtroTipo, DatosEn32, DatosEnPiezas, SeVa,
    SinVentana, Propio, Salida, MataEntreLecturas, MataYEspera
};
// clang-format on

struct Fila {
    const char* nombre;
    Respuesta respuesta = Respuesta::AlMomento;
    QByteArray texto{};                 // UTF8_STRING; Tardia gives "viejo" to the first read
    std::optional<QByteArray> datos{};  // offered under kDatos with these bytes
    bool incr = false;                  // the text goes in pieces of `pieza`
    bool latin1 = false;                // offered as STRING only
    std::optional<QByteArray> relevo{}; // a STRING-only owner's text, taking over after read 1
    Giro giro = Giro::Ninguno;
    qsizetype pieza = 64 * 1024;
    std::chrono::milliseconds pausa{}; // from a deletion to the next piece
    // Reads started without waiting before the row's reads, each abandoned by the next; the
    // first once its text transfer has begun when the text goes in pieces. With Estanca the
    // second and third wait two thirds of a time-out each.
    int abandonadas = 0;
    std::optional<int> ventanas{}; // at most this many of the windows that asked are left
    qsizetype limite = qsizetype{256} * 1024 * 1024; // each read's bound
    // One read per entry, of the text and of kDatos when data are offered.
    std::vector<ClipboardRead> esperado{};
    // Another outcome a correct reader may give, depending on the order the X server chooses.
    std::optional<ClipboardRead::Outcome> tambien{};
};

void PrintTo(const Fila& fila, std::ostream* os) {
    *os << fila.nombre;
}

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
    std::atomic<int> tardias = 0;  // answers given late to the first read's window
    std::atomic<int> abiertas = 0; // INCR transfers begun and not ended by the requestor

    xcb_timestamp_t tiempo = XCB_CURRENT_TIME; // of its ownership

    // It takes the clipboard at `desde`, or at the server's time now, for a window of its own or
    // for `en`, a window of another connection.
    Dueno(const QByteArray& display, const Fila& fila,
          std::optional<xcb_timestamp_t> desde = std::nullopt,
          std::optional<xcb_window_t> en = std::nullopt)
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
        propia_ = ventana();
        const xcb_window_t window = en.value_or(propia_);
        tiempo = desde ? *desde : hora(propia_);
        xcb_set_selection_owner(c_, window, clipboard_, tiempo);
        auto* owner =
            xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, clipboard_), {});
        owns = owner && owner->owner == window;
        std::free(owner);
        thread_ = std::thread([this] { run(); });
    }
    SelectionRequestor::OwnWindows propias() const {
        return {xcb_get_setup(c_)->resource_id_base, xcb_get_setup(c_)->resource_id_mask};
    }

    ~Dueno() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        xcb_disconnect(c_);
    }

    // The requestor's windows that asked and still exist, the properties left on them, and
    // whether they are the last to ask (made one after another, their ids grow).
    struct Ventanas {
        int vivas = 0, propiedades = 0;
        bool ultimas = true;
    };
    Ventanas ventanasYPropiedades(const QByteArray& display) {
        std::set<xcb_window_t> ventanas;
        {
            const std::lock_guard lock(mutex_);
            ventanas = ventanas_;
        }
        xcb_connection_t* c = xcb_connect(display.constData(), nullptr);
        Ventanas v;
        for (const xcb_window_t w : ventanas) {
            auto* r = xcb_list_properties_reply(c, xcb_list_properties(c, w), nullptr);
            v.ultimas = v.ultimas && (r || v.vivas == 0); // none gone after one left
            v.vivas += r != nullptr;
            v.propiedades += r ? r->atoms_len : 0;
            std::free(r);
        }
        xcb_disconnect(c);
        return v;
    }

    // Leaves the clipboard as the X server sees it: its connection closes, or its window goes.
    void vete(bool cierra) {
        cierra ? xcb_kill_client(c_, propia_) : xcb_destroy_window(c_, propia_);
        xcb_flush(c_);
    }

    // Closes the connection of the window that asked last, and waits until the server has.
    void mataAlUltimo() {
        {
            const std::lock_guard lock(mutex_);
            xcb_kill_client(c_, *ventanas_.rbegin());
        }
        std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
    }

  private:
    xcb_window_t ventana() {
        const xcb_window_t window = xcb_generate_id(c_);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c_, 0, window, xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root, 0,
                          0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, 0, XCB_CW_EVENT_MASK, &mask);
        return window;
    }

    // The server's time now: that of a property change on `window`.
    xcb_timestamp_t hora(xcb_window_t window) {
        xcb_change_property(c_, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                            0, nullptr);
        xcb_flush(c_);
        for (xcb_generic_event_t* e; (e = xcb_wait_for_event(c_)); std::free(e))
            if ((e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                const xcb_timestamp_t t = reinterpret_cast<xcb_property_notify_event_t*>(e)->time;
                std::free(e);
                return t;
            }
        return XCB_CURRENT_TIME;
    }

    void run() {
        while (!stop_ && !xcb_connection_has_error(c_)) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                handle(e);
                std::free(e);
            }
            for (; !held_.empty() && held_.front().second <= Clock::now(); held_.pop_front())
                answer(held_.front().first);
            for (auto it = transferencias_.begin(); it != transferencias_.end();)
                it = it->second.due && *it->second.due <= Clock::now() ? siguiente(it)
                                                                       : std::next(it);
            xcb_flush(c_);
            pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&fd, 1, 10); // short, so that due answers and `stop_` are seen
        }
    }

    void handle(const xcb_generic_event_t* e) {
        const auto* p = reinterpret_cast<const xcb_property_notify_event_t*>(e);
        if ((e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY && p->state == XCB_PROPERTY_DELETE &&
            !es(Giro::Goteo)) { // a dripping owner sends on time, in run()
            const auto it = transferencias_.find(p->window);
            if (it != transferencias_.end() && (p->atom == it->second.property || es(Giro::Xclip)))
                it->second.due = Clock::now() + fila_.pausa;
        }
        const auto* d = reinterpret_cast<const xcb_destroy_notify_event_t*>(e);
        if ((e->response_type & 0x7f) == XCB_DESTROY_NOTIFY && es(Giro::Estanca))
            abiertas -= static_cast<int>(transferencias_.erase(d->window));
        if ((e->response_type & 0x7f) != XCB_SELECTION_REQUEST) return;
        const auto& r = *reinterpret_cast<const xcb_selection_request_event_t*>(e);
        {
            const std::lock_guard lock(mutex_);
            ventanas_.insert(r.requestor);
        }
        const auto now = Clock::now();
        const bool primera = !first_ || first_->second == r.requestor;
        if (!first_) first_ = {now, r.requestor};
        if (fila_.respuesta == Respuesta::Mudo ||
            (fila_.respuesta == Respuesta::SoloPrimera && !primera))
            return;
        if (fila_.respuesta == Respuesta::Mata && !mato_) {
            mato_ = true;
            retenida_ = r;
            return void(xcb_kill_client(c_, r.requestor));
        }
        if (es(Giro::DatosMudos) && r.target == datos_) return;
        auto due = now;
        if (retenida_ && r.requestor != retenida_->requestor) {
            held_.emplace_back(*retenida_, now);
            retenida_.reset();
            due += 200ms;
        }
        if (fila_.respuesta == Respuesta::DosSegundosTarde) due += 2s;
        if (fila_.respuesta == Respuesta::Tardia)
            due = std::max(now, first_->first + 4s); // kTimeout + 1 s
        if (fila_.respuesta == Respuesta::UnaTrasOtra)
            due = std::max(now, held_.empty() ? now : held_.back().second) + 2s;
        held_.emplace_back(r, due);
    }

    // An INCR transfer under way, by the requestor's window, of `bytes` as `type`.
    struct Incr {
        xcb_atom_t property;
        qsizetype sent = 0;
        std::optional<Clock::time_point> due; // of the next piece
        const QByteArray* bytes = nullptr;
        xcb_atom_t type = XCB_NONE;
    };
    using Transfers = std::map<xcb_window_t, Incr>;

    // The next piece of a transfer; the one after the last, empty, ends it when deleted.
    Transfers::iterator siguiente(Transfers::iterator it) {
        Incr& t = it->second;
        if (es(Giro::Estanca) && t.sent > 0) { // stalled for good
            t.due.reset();
            return std::next(it);
        }
        if (t.sent > t.bytes->size()) {
            --abiertas;
            return transferencias_.erase(it);
        }
        const auto n =
            std::min<qsizetype>(es(Giro::Goteo) ? 4096 : fila_.pieza, t.bytes->size() - t.sent);
        const bool cambia = es(Giro::TipoCambia) && t.sent > 0;
        const bool reescribe = es(Giro::Reescribe) && t.sent == 0;
        if (reescribe) xcb_grab_server(c_);
        for (int i = 0; i <= int{reescribe}; ++i) {
            if (i > 0) xcb_delete_property(c_, it->first, t.property);
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, it->first, t.property,
                                cambia ? xcb_atom_t{XCB_ATOM_STRING} : t.type, 8,
                                static_cast<uint32_t>(n), t.bytes->constData() + t.sent);
        }
        if (reescribe) xcb_ungrab_server(c_);
        if (es(Giro::BorraSola) && n > 0) xcb_delete_property(c_, it->first, t.property);
        t.sent += std::max<qsizetype>(n, 1);
        t.due = es(Giro::Goteo) ? std::optional(Clock::now() + 1s) : std::nullopt;
        return std::next(it);
    }

    void answer(const xcb_selection_request_event_t& r) {
        const xcb_atom_t property = r.property == XCB_NONE ? r.target : r.property;
        const bool late = fila_.respuesta == Respuesta::Tardia && r.requestor == first_->second;
        tardias += late;
        xcb_atom_t given = property;
        const xcb_atom_t text = fila_.latin1 ? xcb_atom_t{XCB_ATOM_STRING} : utf8_;
        const bool segunda = r.owner == segunda_; // the window that took over
        const bool retoma = es(Giro::Retoma) && r.target == text && !retomado_;
        if (r.target == targets_) {
            std::vector<xcb_atom_t> list{targets_, text};
            if (fila_.datos) list.push_back(datos_);
            if (fila_.respuesta == Respuesta::Mata && r.requestor == first_->second)
                list = {targets_, XCB_ATOM_STRING};
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, r.requestor, property, XCB_ATOM_ATOM, 32,
                                static_cast<uint32_t>(list.size()), list.data());
        } else if ((r.target == utf8_ && fila_.incr) ||
                   (r.target == datos_ && es(Giro::DatosEnPiezas))) {
            // The size first; each piece the requestor deletes asks for the next.
            const bool datos = r.target == datos_;
            const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c_, r.requestor, XCB_CW_EVENT_MASK, &mask);
            const auto size = static_cast<uint32_t>(datos                   ? 0
                                                    : es(Giro::TamanoCorto) ? 1024
                                                                            : fila_.texto.size());
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, r.requestor, property, incr_, 32, 1,
                                &size);
            if (!es(Giro::IgnoraBorrados)) {
                transferencias_[r.requestor] = {
                    property, 0, es(Giro::Goteo) ? std::optional(Clock::now() + 1s) : std::nullopt,
                    datos ? &*fila_.datos : &fila_.texto, r.target};
                ++abiertas;
            }
        } else if (r.target == text && es(Giro::SinEscribir)) {
            // notified, never written
        } else if ((r.target == text && !retoma) || (r.target == datos_ && fila_.datos)) {
            const QByteArray bytes = r.target == datos_ ? (segunda ? "otros" : *fila_.datos)
                                     : late             ? QByteArray("viejo")
                                     : segunda          ? *fila_.relevo
                                                        : fila_.texto;
            const bool entero = r.target == text && es(Giro::Entero);
            const bool otro = r.target == datos_ && es(Giro::DatosDeOtroTipo);
            const uint8_t formato = r.target == datos_ && es(Giro::DatosEn32) ? 32 : 8;
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, r.requestor, property,
                                entero ? xcb_atom_t{XCB_ATOM_INTEGER}
                                : otro ? xcb_atom_t{XCB_ATOM_STRING}
                                       : r.target,
                                formato, static_cast<uint32_t>(bytes.size() / (formato / 8)),
                                bytes.constData());
        } else {
            given = XCB_NONE; // refused
        }
        const xcb_selection_notify_event_t n{XCB_SELECTION_NOTIFY, 0,           0,        r.time,
                                             r.requestor,          r.selection, r.target, given};
        char event[32] = {}; // xcb_send_event sends 32 bytes
        std::memcpy(event, &n, sizeof n);
        if (retoma) xcb_grab_server(c_); // its new ownership is told before the next request
        xcb_send_event(c_, 0, r.requestor, XCB_EVENT_MASK_NO_EVENT, event);
        if (retoma) {
            retomado_ = true;
            xcb_set_selection_owner(c_, r.owner, clipboard_, XCB_CURRENT_TIME);
            xcb_ungrab_server(c_);
        }
        if (es(Giro::Cede) && r.target == text && !segunda_) { // before the data are asked
            segunda_ = ventana();
            xcb_set_selection_owner(c_, segunda_, clipboard_, XCB_CURRENT_TIME);
        }
        if (r.target != utf8_ || !fila_.incr || !es(Giro::IgnoraBorrados)) return;
        for (qsizetype sent = 0;; sent += fila_.pieza) { // every piece at once, the last empty
            const auto n = std::clamp<qsizetype>(fila_.texto.size() - sent, 0, fila_.pieza);
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, r.requestor, property, utf8_, 8,
                                static_cast<uint32_t>(n),
                                fila_.texto.constData() + std::min(sent, fila_.texto.size()));
            if (n == 0) break;
        }
    }

    bool es(Giro giro) const { return fila_.giro == giro; }

    const Fila& fila_;
    xcb_connection_t* c_;
    xcb_atom_t clipboard_ = 0, targets_ = 0, utf8_ = 0, incr_ = 0, datos_ = 0;
    std::optional<std::pair<Clock::time_point, xcb_window_t>> first_; // the first request's
    bool mato_ = false;
    std::optional<xcb_selection_request_event_t> retenida_; // Mata's first request
    xcb_window_t segunda_ = XCB_NONE;
    xcb_window_t propia_ = XCB_NONE; // its first window, the owner unless told otherwise
    bool retomado_ = false;
    std::deque<std::pair<xcb_selection_request_event_t, Clock::time_point>> held_; // by time due
    Transfers transferencias_;
    std::mutex mutex_;
    std::set<xcb_window_t> ventanas_; // the requestor's windows that asked
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

std::vector<Fila> filas() {
    QByteArray megas; // UTF-8 characters fall across pieces
    for (int i = 0; megas.size() < 6 * 1024 * 1024; ++i)
        megas += QByteArray::number(i) + " Dinámica ñ º\n";
    const QByteArray datos = QByteArray::fromHex("00ff10") + "dibujo";
    using enum ClipboardRead::Outcome;
    const auto texto = [](const QString& t) { return ClipboardRead{Read, {t, {}}}; };
    const ClipboardRead nada{NoAnswer, {}}, grande{TooBig, {}}, ilegible{Unreadable, {}},
        completo = texto(QString::fromUtf8(megas)), conDatos{Read, {"algo", datos}},
        danados{Read, {"algo", {}, true}};
    using enum Respuesta;
    using enum Giro;
    const QByteArray poco(16 * 1024, 'a'), cuatro(200 * 1024, 'v'); // 4 pieces and an end
    constexpr qsizetype kMegaYMedio = 1536 * 1024; // QByteArray's own growth would take 2 MB
    const QByteArray cercaDelLimite(kMegaYMedio - 1000, 'd');
    // clang-format off
    return {
        {.nombre = "RespuestaTardia", .respuesta = Tardia, .texto = "nuevo",
         .esperado = {nada, texto("nuevo"), texto("nuevo")}},
        {.nombre = "IncrDeVariosMB", .texto = megas, .incr = true, .esperado = {completo}},
        {.nombre = "IncrALaManeraDeXclip", .texto = megas, .incr = true, .giro = Xclip,
         .esperado = {completo}},
        {.nombre = "IncrJustoEnElLimite", .texto = megas, .incr = true, .limite = megas.size(),
         .esperado = {completo}},
        {.nombre = "IncrSobreElLimite", .texto = megas, .incr = true, .limite = 1 << 20,
         .esperado = {grande, grande}},
        {.nombre = "IncrQueDiceMenosDeLoQueEnvia", .texto = megas, .incr = true, // a lower bound
         .giro = TamanoCorto, .limite = 1 << 20, .esperado = {grande}},
        {.nombre = "GoteoHastaElLimiteTotal", .texto = QByteArray(48 * 1024, 'a'), .incr = true,
         .giro = Goteo, .esperado = {{Slow, {}}}}, // 12 pieces, one a second
        {.nombre = "DuenoMudo", .respuesta = Mudo, .esperado = {nada}},
        {.nombre = "TextoATiempoYDatosNunca", .respuesta = UnaTrasOtra, .texto = "algo", // at 4 s
         .datos = datos, .giro = DatosMudos, .esperado = {nada}},
        {.nombre = "SeisLecturasSinRespuesta", .respuesta = Mudo, .abandonadas = 5, .ventanas = 5,
         .esperado = {nada}},
        {.nombre = "UnVaciadoVivoSobreviveACincoLecturas", .respuesta = SoloPrimera, .texto = poco,
         .incr = true, .pieza = 4096, .pausa = 500ms, .abandonadas = 5, .esperado = {nada}},
        {.nombre = "UnVaciadoParadoSeQuitaPrimero", .respuesta = SoloPrimera, .texto = poco,
         .incr = true, .giro = Estanca, .pieza = 4096, .abandonadas = 8, .ventanas = 5},
        {.nombre = "VaciadoAlSalir", .respuesta = SoloPrimera, .texto = poco, .incr = true,
         .giro = Salida, .pieza = 4096, .pausa = 50ms, .abandonadas = 1},
        {.nombre = "ConexionCerradaYRehecha", .respuesta = Mata, .texto = "algo", // its late
         .esperado = {nada, texto("algo")}}, // answer, to the closed connection, is not taken
        {.nombre = "ConexionCerradaEntreLecturas", .texto = "algo", .giro = MataEntreLecturas,
         .esperado = {texto("algo"), texto("algo")}},
        {.nombre = "ConexionCerradaYNingunaLectura", .texto = "algo", .relevo = "segundo",
         .giro = MataYEspera, .esperado = {texto("algo"), texto("segundo")}},
        {.nombre = "PiezasBorradasPorElDueno", .texto = cuatro, .incr = true, .giro = BorraSola,
         .esperado = {nada}, .tambien = Unreadable},
        {.nombre = "PiezaBorradaPorElDuenoYReescrita", .texto = cuatro, .incr = true,
         .giro = Reescribe, .esperado = {ilegible}},
        {.nombre = "AvisoSinEscribir", .texto = "algo", .giro = SinEscribir, .esperado = {nada}},
        {.nombre = "TextoComoINTEGER", .texto = "algo", .giro = Entero, .esperado = {ilegible}},
        {.nombre = "PiezasDeOtroTipo", .texto = cuatro, .incr = true, .giro = TipoCambia,
         .esperado = {ilegible}},
        {.nombre = "PiezasSinEsperarAlBorrado", .texto = cuatro, .incr = true, // written over
         .giro = IgnoraBorrados, .esperado = {ilegible}},
        {.nombre = "TextoVacioAlMomento", .esperado = {texto("")}},
        {.nombre = "TextoVacioDosSegundosTarde", .respuesta = DosSegundosTarde,
         .esperado = {texto("")}},
        {.nombre = "UnaRespuestaTrasOtra", .respuesta = UnaTrasOtra, .texto = "algo", // TARGETS
         .esperado = {texto("algo")}}, // at 2 s, the text at 4 s: past one time-out
        {.nombre = "SoloString", .texto = QStringLiteral("Dinámica ñ").toLatin1(), .latin1 = true,
         .esperado = {texto(QStringLiteral("Dinámica ñ"))}},
        {.nombre = "OtroDuenoEntreDosLecturas", .texto = "primero", .relevo = "segundo",
         .esperado = {texto("primero"), texto("segundo")}}, // it offers STRING alone
        {.nombre = "DatosOfrecidosYVacios", .texto = "algo", .datos = "", .esperado = {nada}},
        {.nombre = "DatosOfrecidos", .texto = "algo", .datos = datos, .esperado = {conDatos}},
        {.nombre = "DatosDeOtroTipo", .texto = "algo", .datos = datos, .giro = DatosDeOtroTipo,
         .esperado = {danados}},
        {.nombre = "DatosEnFormato32", .texto = "algo", .datos = datos, .giro = DatosEn32,
         .esperado = {danados}},
        {.nombre = "DatosEnPiezasSinTamanoCercaDelLimite", .texto = "algo",
         .datos = cercaDelLimite, .giro = DatosEnPiezas, .limite = kMegaYMedio,
         .esperado = {{Read, {"algo", cercaDelLimite}}}},
        {.nombre = "DuenoQueRetomaTrasNegarElTexto", .texto = "algo", .giro = Retoma, // read again
         .esperado = {texto("algo")}},
        {.nombre = "DuenoQueSeVa", .texto = "algo", .giro = SeVa,
         .esperado = {texto("algo"), texto("")}},
        {.nombre = "VentanaDelDuenoDestruida", .texto = "algo", .giro = SinVentana,
         .esperado = {texto("algo"), texto("")}},
        {.nombre = "SalidaSinVaciado", .texto = "algo", .giro = Salida, .esperado = {texto("algo")}},
        {.nombre = "DuenoQueCedeEntreTextoYDatos", .texto = "primero", .datos = datos,
         .relevo = "segundo", .giro = Cede, .esperado = {{Read, {"segundo", "otros"}}}},
        {.nombre = "OtroTomaLaCopiaPropiaConSuHora", .texto = "propio", .relevo = "ajeno",
         .giro = Propio, .esperado = {{}, texto("ajeno")}}, // the first read finds its own
    };
    // clang-format on
}

class SelectionRequestorTable : public testing::TestWithParam<Fila> {};

// Each read asks one thing at a time and takes only its own answers; every transfer it starts,
// or gives up, is ended for its owner, and no property stays on its windows.
TEST_P(SelectionRequestorTable, ReadsWhatTheOwnerAnswersAndDropsLateAnswers) {
    const Fila& fila = GetParam();
    using enum ClipboardRead::Outcome;
    using enum Respuesta;
    using enum Giro;
    Xvfb x;
    ASSERT_FALSE(x.display.isEmpty()) << "Xvfb could not be started";
    Dueno dueno(x.display, fila);
    ASSERT_TRUE(dueno.owns);
    const Fila segundo{.nombre = "relevo", .texto = fila.relevo.value_or(""), .latin1 = true};
    std::optional<Dueno> relevo; // after `segundo`, which it answers from
    auto requestor = SelectionRequestor::open(
        x.display, fila.giro == Propio ? dueno.propias() : SelectionRequestor::OwnWindows{},
        kTimeout, kTotal);
    ASSERT_TRUE(requestor);
    int cambios = 0;
    requestor->onChange([&] { ++cambios; });
    for (int i = 0; i < fila.abandonadas; ++i) {
        requestor->readText(fila.limite, [](std::optional<SelectionRequestor::Answer>) {
            ADD_FAILURE() << "an abandoned read was answered";
        });
        if (i == 0 && fila.incr) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return dueno.abiertas == 1; }, 5000));
        }
        QTest::qWait(30);                               // its request sent
        if (fila.giro == Estanca && (i == 1 || i == 2)) // over the two, more than a time-out
            QTest::qWait(static_cast<int>((kTimeout * 2 / 3).count()));
    }
    if (fila.giro == Estanca) { // the stalled drain went first, at the sixth read, not by a sweep
        EXPECT_TRUE(QTest::qWaitFor([&] { return dueno.abiertas == 0; }, 2500));
    }
    for (std::size_t i = 0; i < fila.esperado.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "read " << i + 1);
        if (i == 1 && (fila.giro == MataEntreLecturas || fila.giro == MataYEspera))
            dueno.mataAlUltimo();
        if (i == 1 && fila.giro == MataYEspera) { // a new connection within about a second
            EXPECT_TRUE(QTest::qWaitFor([&] { return cambios > 0; }, 2000));
        }
        if (i == 1 && (fila.giro == SeVa || fila.giro == SinVentana)) { // told by the X server
            dueno.vete(fila.giro == SeVa);
            EXPECT_TRUE(QTest::qWaitFor([&] { return cambios > 0; }, 5000));
        }
        if (i == 1 && fila.relevo && fila.giro != Cede) {
            const int antes = cambios;
            relevo.emplace(x.display, segundo,
                           fila.giro == Propio ? std::optional(dueno.tiempo) : std::nullopt);
            // Told by the X server, whatever the time the new owner took it with.
            EXPECT_TRUE(QTest::qWaitFor([&] { return cambios > antes; }, 5000));
        }
        const auto start = Clock::now();
        const std::optional<SelectionRequestor::Answer> answer =
            requestor->read(fila.datos ? kDatos : "", {fila.limite, fila.limite}).get();
        const auto tardo = Clock::now() - start;
        const ClipboardRead& want = fila.esperado[i];
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->own, fila.giro == Propio && i == 0);
        const ClipboardRead& got = answer->read;
        if (got.outcome == fila.tambien) continue;
        ASSERT_EQ(got.outcome, want.outcome);
        if (want.outcome == Slow) { // the total limit, not the time-out without progress
            EXPECT_GE(tardo, kTotal);
            EXPECT_LT(tardo, kTotal + 1s);
        } else if (want.outcome == NoAnswer && fila.respuesta == Mata) {
            EXPECT_LT(tardo, 1s); // told by the broken connection, not by the time-out
        } else if (want.outcome == NoAnswer && fila.respuesta != AlMomento) {
            EXPECT_GE(tardo, kTimeout); // not answered in time
        }
        EXPECT_TRUE(got.content.text == want.content.text) // not printed: it may be MBs
            << got.content.text.size()
            << " characters: " << got.content.text.left(40).toStdString();
        EXPECT_EQ(got.content.data, want.content.data);
        EXPECT_LE(got.content.data.capacity(), fila.limite); // its room never past the bound
        EXPECT_EQ(got.content.dataDamaged, want.content.dataDamaged);
    }
    if (fila.giro == Salida) { // at once when the drain has ended, at the latest after its moment
        const auto start = Clock::now();
        requestor.reset();
        EXPECT_LT(Clock::now() - start, SelectionRequestor::kFinish);
    }
    if (fila.respuesta == Tardia) {
        EXPECT_EQ(dueno.tardias, 1); // the first read's TARGETS, asked alone
    }
    // Every transfer ended, and nothing left on the windows that asked.
    EXPECT_TRUE(QTest::qWaitFor([&] { return dueno.abiertas == 0; }, 10000));
    QTest::qWait(100);
    EXPECT_EQ(dueno.ventanasYPropiedades(x.display).propiedades, 0);
    if (fila.ventanas) { // those quiet the longest went
        EXPECT_LE(dueno.ventanasYPropiedades(x.display).vivas, *fila.ventanas);
        EXPECT_TRUE(dueno.ventanasYPropiedades(x.display).ultimas);
    }
    if (fila.respuesta == Tardia) { // the retired window goes after two quiet time-outs
        EXPECT_EQ(dueno.ventanasYPropiedades(x.display).vivas, 2);
        QTest::qWait(static_cast<int>((2 * kTimeout + 500ms).count()));
        EXPECT_EQ(dueno.ventanasYPropiedades(x.display).vivas, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Filas, SelectionRequestorTable, testing::ValuesIn(filas()),
                         [](const testing::TestParamInfo<Fila>& info) {
                             return std::string(info.param.nombre);
                         });

// Without waiting: the answer comes through the event loop, and a read that starts before it
// abandons it.
TEST(SelectionRequestor, ReadsTextWithoutWaiting) {
    Xvfb x;
    ASSERT_FALSE(x.display.isEmpty()) << "Xvfb could not be started";
    const Fila lenta{
        .nombre = "sin esperar", .respuesta = Respuesta::DosSegundosTarde, .texto = "algo"};
    Dueno dueno(x.display, lenta);
    const auto requestor = SelectionRequestor::open(x.display, {}, kTimeout);
    std::vector<std::optional<SelectionRequestor::Answer>> dadas;
    const auto apunta = [&](std::optional<SelectionRequestor::Answer> r) {
        dadas.push_back(std::move(r));
    };
    requestor->readText(1024, apunta);
    EXPECT_TRUE(dadas.empty()); // the owner answers 2 s later
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dadas.empty(); }, 10000));
    requestor->readText(1024, apunta);
    QTest::qWait(300); // its request sent
    EXPECT_EQ(requestor->read({}, {1024, 0}).get()->read.content.text, QStringLiteral("algo"));
    QTest::qWait(200);
    ASSERT_EQ(dadas.size(), 1u);
    EXPECT_EQ(dadas[0]->read.content.text, QStringLiteral("algo"));
}

// The application's clipboard gives only the latest read's answer, after its requestor's
// connection breaks it still asks the owner at a change, without holding the window, and Pegar
// takes no text over 8 MB.
TEST(QtClipboard, GivesTheLatestAnswerAndAsksAgainAfterABreak) {
    Xvfb x;
    ASSERT_FALSE(x.display.isEmpty()) << "Xvfb could not be started";
    const Fila fila{.nombre = "ajeno", .respuesta = Respuesta::Mata, .texto = "ajeno"};
    Dueno dueno(x.display, fila);
    QtClipboard portapapeles(x.display);
    QGuiApplication::clipboard()->setText(QStringLiteral("propio")); // not read: another owns X's
    std::vector<ClipboardRead> dadas;
    const auto apunta = [&](ClipboardRead r) { dadas.push_back(std::move(r)); };
    portapapeles.readText(apunta); // its connection closed by the owner
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dadas.empty(); }, 5000));
    EXPECT_EQ(dadas.back().outcome, ClipboardRead::Outcome::NoAnswer);
    portapapeles.readText(apunta); // superseded: never given
    portapapeles.readText(apunta);
    EXPECT_EQ(dadas.size(), 1u); // not read through the toolkit, which would hold the window
    ASSERT_TRUE(QTest::qWaitFor([&] { return dadas.size() == 2; }, 5000));
    QTest::qWait(300);
    ASSERT_EQ(dadas.size(), 2u);
    EXPECT_EQ(dadas.back().content.text, QStringLiteral("ajeno"));
    EXPECT_EQ(portapapeles.text().content.text, QStringLiteral("ajeno"));
    { // A text over 8 MB is not a problem's, at Pegar too.
        const Fila grande{.nombre = "grande", .texto = QByteArray(9 << 20, 'a'), .incr = true};
        Dueno otro(x.display, grande);
        EXPECT_EQ(portapapeles.content(1 << 20).outcome, ClipboardRead::Outcome::TooBig);
    }
    { // Nor data over the bound Pegar gives.
        const Fila datos{.nombre = "datos", .texto = "algo", .datos = "dibujo"};
        Dueno otro(x.display, datos);
        EXPECT_EQ(portapapeles.content(5).outcome, ClipboardRead::Outcome::TooBig);
        EXPECT_EQ(portapapeles.content(6).content.data, "dibujo");
    }
    // An answer already on its way is not given once a later read has started.
    portapapeles.readText(apunta);
    std::this_thread::sleep_for(500ms); // its answer queued, unless the machine is slow
    portapapeles.readText(apunta);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dadas.size() == 3; }, 5000));
    QTest::qWait(300);
    EXPECT_EQ(dadas.size(), 3u);
}

// On the X server of the toolkit's own windows (a private Xvfb, where this test runs again in a
// copy of the program on xcb): the program's copy is read from the toolkit, within the bounds,
// and nothing else is ever read through the toolkit, which would hold the window unbounded.
TEST(QtClipboard, ReadsTheToolkitOnlyForTheProgramsOwnCopy) {
    if (QGuiApplication::platformName() != "xcb" || qEnvironmentVariableIsEmpty("VORNITH_XVFB")) {
        Xvfb x;
        ASSERT_FALSE(x.display.isEmpty()) << "Xvfb could not be started";
        QProcess copia;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("QT_QPA_PLATFORM", "xcb");
        entorno.insert("DISPLAY", x.display);
        entorno.insert("VORNITH_XVFB", "1");
        copia.setProcessEnvironment(entorno);
        copia.setProcessChannelMode(QProcess::MergedChannels);
        copia.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=QtClipboard.ReadsTheToolkitOnlyForTheProgramsOwnCopy"});
        ASSERT_TRUE(copia.waitForFinished(120000)) << "the copy on xcb did not end";
        EXPECT_EQ(copia.exitCode(), 0) << copia.readAll().toStdString();
        return;
    }
    using enum ClipboardRead::Outcome;
    QtClipboard portapapeles;
    portapapeles.setTextAndData("propio", "dibujo");
    const ClipboardRead propio = portapapeles.content(6); // not asked of the window, which waits
    EXPECT_EQ(propio.outcome, Read);
    EXPECT_EQ(propio.content.text, QStringLiteral("propio"));
    EXPECT_EQ(propio.content.data, "dibujo");
    EXPECT_EQ(portapapeles.content(5).outcome, TooBig);
    portapapeles.setText(QString(9 << 20, u'a'));
    EXPECT_EQ(portapapeles.text().outcome, TooBig);
    // Another program names a toolkit's window as the owner, as if it took the clipboard between
    // the X server's answer and the toolkit's read: neither read takes its text.
    QWindow ventana;
    ventana.create();
    const Fila ajeno{.nombre = "ajeno", .texto = "ajeno"};
    Dueno dueno(qgetenv("DISPLAY"), ajeno, std::nullopt,
                static_cast<xcb_window_t>(ventana.winId()));
    ASSERT_TRUE(dueno.owns);
    const ClipboardRead leido = portapapeles.text();
    EXPECT_EQ(leido.outcome, Read);
    EXPECT_EQ(leido.content.text, QString());
    std::optional<ClipboardRead> dada;
    portapapeles.readText([&](ClipboardRead r) { dada = std::move(r); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return dada.has_value(); }, 10000));
    EXPECT_EQ(dada->content.text, QString());
}

} // namespace
} // namespace vornith
