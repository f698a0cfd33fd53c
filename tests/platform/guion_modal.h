#pragma once

#include <QApplication>
#include <QTimer>

namespace vornith::test {

// Starts `guion` so that every 20 ms it hands `paso` the active modal window if that is a `W`:
// a script that waits for a dialog however long it takes to come up on a busy machine.
template <class W, class Paso> void guionModal(QTimer& guion, Paso paso) {
    guion.setInterval(20);
    QObject::connect(&guion, &QTimer::timeout, [paso] {
        if (auto* ventana = qobject_cast<W*>(QApplication::activeModalWidget())) paso(ventana);
    });
    guion.start();
}

} // namespace vornith::test
