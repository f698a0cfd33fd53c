#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QTimer;

namespace vornith {
class Notifier;
class Shell;
} // namespace vornith

namespace vornith::mainwindow {

// The splash window at start-up, and the About box. At start it closes itself after 400 ms;
// as the About box (timer off, modal) it stays until a click or a key. Every close shows the
// main window through MostrarVentanaPrincipal.
class FormSplash final : public QDialog {
    Q_OBJECT
  public:
    FormSplash(Shell& shell, Notifier& avisos, QWidget* padre = nullptr);

    // The About box: no timer.
    void DetieneTemporizador();
    bool TemporizadorActivo() const;

    std::function<void()> MostrarVentanaPrincipal;

    // The two links, as their labels' clicks run them.
    void LblWEB_Click();
    void LlblMAIL_Click();

    QLabel* lblVersion;
    QLabel* LblTIT1;
    QLabel* LblTIT2;
    QLabel* LblWEB;
    QLabel* LlblMAIL;
    QLabel* lblNota;
    QLabel* Image1;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Descarga();

    Shell& shell_;
    Notifier& avisos_;
    QTimer* Timer1;
};

// "Versión: " and the program's major and minor version.
QString TextoVersion();

} // namespace vornith::mainwindow
