#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace vornith::test {

// Starts `guion` so that every 20 ms it hands `paso` the active modal window if that is a `W`,
// again and again until the first such window is gone: a step a busy machine missed is tried
// again. A script not done within 20 s fails the test and closes every modal window still up,
// so that the test's exec() returns. A timer runs one script: a new one replaces the last.
template <class W, class Paso> void guionModal(QTimer& guion, Paso paso) {
    QObject::disconnect(&guion, &QTimer::timeout, nullptr, nullptr);
    guion.setInterval(20);
    auto tic = [&guion, paso, plazo = QDeadlineTimer(20000), vista = false,
                ventana = QPointer<W>()]() mutable {
        if (vista && (!ventana || !ventana->isVisible())) {
            guion.stop();
        } else if (plazo.hasExpired()) {
            guion.stop();
            ADD_FAILURE() << "A modal window's script was not done within 20 s; "
                             "closing the modal windows so that the test ends";
            // A message box without an escape button ignores close().
            for (QWidget* abierta : QApplication::topLevelWidgets()) {
                if (!abierta->isVisible() || !abierta->isModal()) continue;
                if (auto* dialogo = qobject_cast<QDialog*>(abierta))
                    dialogo->done(QDialog::Rejected);
                else
                    abierta->close();
            }
        } else if (auto* activa = dynamic_cast<W*>(QApplication::activeModalWidget())) {
            if (!vista) ventana = activa;
            vista = true;
            paso(activa);
        }
    };
    QObject::connect(&guion, &QTimer::timeout, tic);
    guion.start();
}

} // namespace vornith::test
