#include "platform/qt/qt_notifier.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vornith {

Notifier::Answer QtNotifier::ask(const QString& text, const QString& title, Buttons buttons,
                                 Icon icon, Answer defaultButton) {
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    // The system's texts break lines with CR LF; the screen wants one LF.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
    QAbstractButton* ok = nullptr;
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    QAbstractButton* cancel = nullptr;
    switch (buttons) {
    case Buttons::Ok:
        ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case Buttons::YesNoCancel:
        yes = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("&Cancelar"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case Buttons::YesNo:
        yes = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    }
    QAbstractButton* preferred = defaultButton == Answer::Yes      ? yes
                                 : defaultButton == Answer::No     ? no
                                 : defaultButton == Answer::Cancel ? cancel
                                                                   : nullptr;
    if (auto* button = qobject_cast<QPushButton*>(preferred)) box.setDefaultButton(button);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes) return Answer::Yes;
    if (clicked && clicked == no) return Answer::No;
    if (clicked && clicked == ok) return Answer::Ok;
    return buttons == Buttons::Ok ? Answer::Ok
                                  : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
}

void QtNotifier::beep() { QApplication::beep(); }

} // namespace vornith
