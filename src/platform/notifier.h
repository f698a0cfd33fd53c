#pragma once

#include <QString>

namespace vornith {

// Modal message boxes with the system's own texts, and the warning beep.
class Notifier {
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Exclamation, Critical, Question, Information };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Notifier() = default;
    // Shows `text` (lines joined by CR LF or LF) and waits for an answer. `defaultButton` is
    // the button Enter presses; Ok takes the first button of the set.
    virtual Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon,
                       Answer defaultButton = Answer::Ok) = 0;
    // The usual failure report: exclamation, title "Error", one "Aceptar" button.
    void error(const QString& text) {
        ask(text, QStringLiteral("Error"), Buttons::Ok, Icon::Exclamation);
    }
    virtual void beep() = 0;
};

} // namespace vornith
