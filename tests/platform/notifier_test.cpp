#include "platform/qt/qt_notifier.h"

#include "support/guion_modal.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith {
namespace {

// The question boxes answer from the keyboard: each button's access key presses it.
TEST(QtNotifier, QuestionButtonsCarryAccessKeys) {
    struct Caso {
        Notifier::Buttons buttons;
        Qt::Key key;
        Notifier::Answer answer;
    };
    const Caso casos[] = {
        {Notifier::Buttons::YesNoCancel, Qt::Key_S, Notifier::Answer::Yes},
        {Notifier::Buttons::YesNoCancel, Qt::Key_N, Notifier::Answer::No},
        {Notifier::Buttons::YesNoCancel, Qt::Key_C, Notifier::Answer::Cancel},
        {Notifier::Buttons::YesNo, Qt::Key_S, Notifier::Answer::Yes},
        {Notifier::Buttons::YesNo, Qt::Key_N, Notifier::Answer::No},
    };
    for (const Caso& caso : casos) {
        QtNotifier notifier;
        QStringList captions;
        int esperas = 0;
        QTimer guion;
        test::guionModal<QMessageBox>(guion, [&](QMessageBox* box) {
            // Access keys work in the active window.
            if (!box->isActiveWindow()) {
                box->activateWindow();
            } else if (captions.isEmpty()) {
                for (const QAbstractButton* button : box->buttons())
                    captions << button->text();
                QTest::keyClick(box, caso.key, Qt::AltModifier);
            } else if (++esperas == 50) {
                // The pressed button clicks itself a moment later; a key that pressed nothing
                // leaves the box up, and it is closed the other way.
                box->reject();
            }
        });
        const auto answer = notifier.ask(
            "¿Desea guardar el documento?", "Vornith NORV", caso.buttons, Notifier::Icon::Question,
            caso.answer == Notifier::Answer::Yes ? Notifier::Answer::No : Notifier::Answer::Yes);
        EXPECT_EQ(answer, caso.answer)
            << "Alt+" << char(caso.key) << " en " << captions.join(" ").toStdString();
        const QStringList todos = {"&Sí", "&No", "&Cancelar"};
        for (const QString& caption : captions)
            EXPECT_TRUE(todos.contains(caption)) << caption.toStdString();
    }
}

} // namespace
} // namespace vornith
