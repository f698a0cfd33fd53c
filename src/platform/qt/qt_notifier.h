#pragma once

#include "platform/notifier.h"

class QWidget;

namespace vornith {

// Message boxes with Spanish buttons ("Aceptar", "Sí", "No", "Cancelar"); the question
// buttons carry access keys (Alt+S, Alt+N, Alt+C).
class QtNotifier final : public Notifier {
public:
    explicit QtNotifier(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon,
               Answer defaultButton) override;
    void beep() override;

private:
    QWidget* parent_;
};

} // namespace vornith
