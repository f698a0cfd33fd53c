#pragma once

// Doubles of the platform interfaces: they remember what was asked of them and answer from
// what the test set.

#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/event_loop.h"
#include "platform/file_dialogs.h"
#include "platform/notifier.h"
#include "platform/picture.h"
#include "platform/printers.h"
#include "platform/process_exit.h"
#include "platform/program_data.h"
#include "platform/random.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "support/recording_surface.h"

#include <QHash>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <optional>
#include <vector>

namespace vornith::test {

// Setting it notifies as the system's does. What the program puts there is its own;
// `otroPrograma` puts what another program does. Reads are counted: each would ask the owner.
class FakeClipboard final : public Clipboard {
  public:
    void clear() override { set(QString(), {}, false, true); }
    void setText(const QString& text) override { setTextAndData(text, {}); }
    void setTextAndData(const QString& text, const QByteArray& data) override {
        set(text, data, true, true);
    }
    void otroPrograma(const QString& text) { set(text, {}, true, false); }
    ClipboardRead text() const override { return {lee(), {text_, {}}}; }
    void readText(std::function<void(ClipboardRead)> done) override { done(text()); }
    ClipboardRead content(qsizetype maxData) const override {
        if (data_.size() > maxData) return {ClipboardRead::Outcome::TooBig, {}};
        return {lee(), {text_, data_, dataDamaged}};
    }
    bool hasText() const { return has_; }
    void onChange(std::function<void()> changed) override { changed_ = std::move(changed); }

    mutable int reads = 0; // reads of another program's content
    bool dataDamaged = false; // the data come garbled
    // How the next of them end, when not read: each is used once.
    mutable std::deque<ClipboardRead::Outcome> failures;

  private:
    ClipboardRead::Outcome lee() const {
        if (own_) return ClipboardRead::Outcome::Read; // the program's own content is read locally
        ++reads;
        if (failures.empty()) return ClipboardRead::Outcome::Read;
        const ClipboardRead::Outcome o = failures.front();
        failures.pop_front();
        return o;
    }
    void set(const QString& text, const QByteArray& data, bool has, bool own) {
        text_ = text;
        data_ = data;
        has_ = has;
        own_ = own;
        if (changed_) changed_();
    }
    QString text_;
    QByteArray data_;
    bool has_ = false;
    bool own_ = false;
    std::function<void()> changed_;
};

class FakeSettings final : public Settings {
  public:
    QString value(const QString& section, const QString& key,
                  const QString& fallback) const override {
        return values.value(section + u'/' + key, fallback);
    }
    void setValue(const QString& section, const QString& key, const QString& value) override {
        values.insert(section + u'/' + key, value);
    }
    void remove(const QString& section, const QString& key) override {
        values.remove(section + u'/' + key);
    }
    QHash<QString, QString> values;
};

class FakeShell final : public Shell {
  public:
    // A failure is told at once.
    void open(const QString& target, std::function<void()> fallo) override {
        opened.append(target);
        if (!succeed) fallo();
    }
    bool startInstance(const QStringList& arguments) override {
        instances.push_back(arguments);
        return succeed;
    }
    QStringList opened;
    std::vector<QStringList> instances;
    bool succeed = true;
};

// Answers message boxes from a queue (Ok, or the last button, when it runs dry) and keeps
// what was shown.
class FakeNotifier final : public Notifier {
  public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
        Answer defaultButton;
    };
    Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon,
               Answer defaultButton = Answer::Ok) override {
        shown.push_back({text, title, buttons, icon, defaultButton});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void beep() override { ++beeps; }
    std::vector<Shown> shown;
    std::deque<Answer> answers;
    int beeps = 0;
};

class FakeBusyCursor final : public BusyCursor {
  public:
    void setBusy(bool busy) override {
        busy_ = busy;
        ++changes;
    }
    bool isBusy() const override { return busy_; }
    int changes = 0;

  private:
    bool busy_ = false;
};

// Counts the yields; `alCeder` runs at each, as events arriving in the middle of a long job.
class FakeEventLoop final : public EventLoop {
  public:
    void yield() override {
        ++yields;
        if (falla) throw std::runtime_error("event loop failed");
        // A copy: the hook may replace itself.
        if (const auto hook = alCeder) hook();
    }
    int yields = 0;
    bool falla = false;
    std::function<void()> alCeder; // what arrives at a yield: a timer, a command
};

// A generator whose draws the test writes; when the script runs out it repeats `fallback`.
class ScriptedRandom final : public RandomSource {
  public:
    void reseed(std::int64_t seed) override { seeds.push_back(seed); }
    void reseedFromClock() override { ++clockSeeds; }
    float next() override {
        ++draws;
        if (script.empty()) return fallback;
        const float v = script.front();
        script.pop_front();
        return v;
    }
    std::deque<float> script;
    float fallback = 0.5F;
    std::vector<std::int64_t> seeds;
    int clockSeeds = 0;
    int draws = 0;
};

class FakePicture final : public Picture {
  public:
    FakePicture(int w, int h) : w_(w), h_(h) {}
    int widthPixels() const override { return w_; }
    int heightPixels() const override { return h_; }

  private:
    int w_;
    int h_;
};

// Knows the pictures the test added, by name in any case.
class FakePictureLoader final : public PictureLoader {
  public:
    void add(const QString& name, int w, int h) {
        pictures[name.toUpper()] = std::make_shared<FakePicture>(w, h);
    }
    std::shared_ptr<const Picture> load(const QString& name) override {
        requested.append(name);
        const auto found = pictures.find(name.toUpper());
        return found == pictures.end() ? nullptr : found->second;
    }
    void useFolder(const QString& folder) override { folders.append(folder); }
    std::map<QString, std::shared_ptr<const Picture>> pictures;
    QStringList requested;
    QStringList folders; // each folder the loader was told to use, in order
};

// Printers whose jobs draw on recording surfaces of an A4 printable area at 600 dpi.
class FakePrinters final : public Printers {
  public:
    struct Job final : PrintJob {
        RecordingSurface page{SurfaceKind::Printer, 4753, 6883, 2.4};
        int pages = 1;
        bool ended = false;
        std::vector<int>* finished = nullptr;
        Surface& surface() override { return paper ? *paper : page; }
        bool newPage() override {
            ++pages;
            return pages <= pagesAccepted;
        }
        bool endDoc() override {
            ended = true;
            if (finished) finished->push_back(pages);
            return finishes;
        }
        int pagesAccepted = 1 << 20; // the sheet after the last accepted one fails
        bool finishes = true;
        Surface* paper = nullptr; // when set, what the job prints on instead of `page`
    };
    QStringList deviceNames() const override { return names; }
    int count() const override { return static_cast<int>(names.size()); }
    QString currentPrinter() const override { return current; }
    void setCurrentPrinter(const QString& deviceName) override { current = deviceName; }
    std::unique_ptr<PrintJob> beginJob(const PrintTarget& target,
                                       const QString& documentName) override {
        targets.push_back(target);
        documentNames.append(documentName);
        if (refuse) return nullptr;
        auto job = std::make_unique<Job>();
        job->finished = &finished;
        lastJob = job.get();
        if (onBegin) onBegin(*job);
        return job;
    }
    QStringList names{QStringLiteral("Imprimir a PDF")};
    QString current = QStringLiteral("Imprimir a PDF");
    std::vector<PrintTarget> targets;
    QStringList documentNames;         // of every job asked for, in order
    std::function<void(Job&)> onBegin; // runs on every job that starts
    Job* lastJob = nullptr;
    std::vector<int> finished; // the pages of every job that ended, in order
    bool refuse = false;
};

// Answers file dialogs from a queue (nothing: cancelled) and keeps every request.
class FakeFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> openFile(const FileDialogRequest& request) override {
        return answer(request, false);
    }
    std::optional<QString> saveFile(const FileDialogRequest& request) override {
        return answer(request, true);
    }
    struct Asked {
        FileDialogRequest request;
        bool save;
    };
    std::vector<Asked> asked;
    std::deque<std::optional<QString>> answers;

  private:
    std::optional<QString> answer(const FileDialogRequest& request, bool save) {
        asked.push_back({request, save});
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// The program's data folder where the test puts it; none by default.
class FakeProgramData final : public ProgramData {
  public:
    QString folder() const override { return carpeta; }
    QString carpeta;
};

// Remembers the exit instead of ending the test.
class FakeProcessExit final : public ProcessExit {
  public:
    void exitNow(int code) override { codes.push_back(code); }
    std::vector<int> codes;
};

} // namespace vornith::test
