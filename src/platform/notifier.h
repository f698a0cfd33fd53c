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
    virtual Answer ask(const QString& text, const QString& title, Buttons buttons,
                       Icon icon) = 0;
    // The usual failure report: exclamation, title "Error", one "Aceptar" button.
    void error(const QString& text) {
        ask(text, QStringLiteral("Error"), Buttons::Ok, Icon::Exclamation);
    }
    virtual void beep() = 0;
};

} // namespace vornith
