#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace vornith {

// What the clipboard holds: its text and the data in the program's own format (empty when it
// holds none, or when they came damaged).
struct ClipboardContent {
    QString text;
    QByteArray data;
    bool dataDamaged = false; // data were offered, but came garbled or of another type
};

// What a read of the clipboard got.
struct ClipboardRead {
    enum class Outcome {
        Read,       // `content` is what the clipboard holds
        NoAnswer,   // the owner did not answer in time, went mid-transfer, or offered the
                    // program's data and gave them empty or not at all: trying again can help
        Slow,       // the owner kept sending, but not all of it within the total limit
        TooBig,     // more than the read takes
        Unreadable, // text of a type or format that cannot be read as text
    };
    Outcome outcome = Outcome::Read;
    ClipboardContent content;
};

// The system clipboard: text, and beside it data in a format of this program's own (the
// pictures of a copied problem), which other programs do not read and which goes when they
// put anything on the clipboard. A read of what another program put there asks that program,
// which may be slow or hung: read at a change or when the user asks for the content, never on
// a timer. What this program put there itself is read without asking anyone.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    // `text` and, beside it, `data` in the program's own format.
    virtual void setTextAndData(const QString& text, const QByteArray& data) = 0;
    // The clipboard's text; empty when it offers none. This program's own content is read
    // locally; another program is waited for at most one time-out without progress per request
    // and 15 s in all, with the busy pointer after a moment. A text over 8 MB is TooBig.
    virtual ClipboardRead text() const = 0;
    // The same read without waiting for another program: `done` runs from the event loop when
    // the answer comes, or at once when no other program is asked (off X11). A read that starts
    // before the answer comes, or onChange, abandons it: its `done` does not run; nor does it
    // when the owner cannot be reached at all.
    virtual void readText(std::function<void(ClipboardRead)> done) = 0;
    // The text and the data in the program's own format, read together from one owner as
    // text() reads. Data over `maxData` bytes are TooBig, found so while they come.
    virtual ClipboardRead content(qsizetype maxData) const = 0;
    // `changed` runs from the event loop each time the clipboard's owner or content changes,
    // this program's copies included; it is not called for the state at the time of the call.
    // An empty function stops the calls, and abandons a read under way.
    virtual void onChange(std::function<void()> changed) = 0;
};

} // namespace vornith
