#pragma once

// The drawn chrome of the collection dialogs: a borderless fixed-size dialog on a white, ruled
// background, moved by its drag handle and title label, with drawn buttons that run commands
// and a close mark "×". Every close that is not the accepting one runs the cancel handler.

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

class QLabel;

namespace vornith::dialogs {

// Colours of the chrome.
inline constexpr QRgb kColorTinta = qRgb(64, 64, 128);    // &H804040: captions, "×"
inline constexpr QRgb kColorRayado = qRgb(229, 229, 229); // every second row
inline constexpr QRgb kColorBordeVentana = qRgb(100, 100, 150);
inline constexpr QRgb kColorTextoDeshabilitado = qRgb(160, 160, 164);

// What a hidden command button was: a caption, an enabled state and an action. A drawn
// button follows its changes.
class Comando : public QObject {
    Q_OBJECT
  public:
    Comando(const QString& caption, std::function<void()> accion, QObject* padre);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool isEnabled() const { return habilitado_; }
    void setEnabled(bool habilitado);
    // Runs the action when enabled.
    void ejecuta();

  signals:
    void cambiado();

  private:
    QString caption_;
    std::function<void()> accion_;
    bool habilitado_ = true;
};

// A white image the size of `tamano` with a RGB(229, 229, 229) line on every second row from
// the top: the dialogs' background and their page surfaces.
QImage FondoRayado(QSize tamano);

// A widget that shows an image drawn once (a dialog page with its frames).
class Lienzo : public QWidget {
  public:
    Lienzo(QWidget* padre, QImage imagen);
    QImage& imagen() { return imagen_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage imagen_;
};

class VentanaDibujada : public QDialog {
    Q_OBJECT
  public:
    // One drawn button: the face `Image1` resting at `Boton`, the caption `Label3` 6 px lower.
    struct BotonDibujado {
        QLabel* Image1 = nullptr;
        QLabel* Label3 = nullptr;
        QPoint Boton; // BotonX, BotonY
        Comando* comando = nullptr;
        QColor fondo; // the face under the caption, when the caption has a background
    };

    // Shows the window modally, centred on its parent (or the screen); returns exec()'s code.
    int Muestra();

    // The chrome's controls, named as the dialogs name them.
    QLabel* Image7() const { return asa_; } // drag handle
    QLabel* Label4() const { return titulo_; }
    QLabel* Label6() const { return cerrar_; }
    const BotonDibujado& Boton(int i) const { return botones_.at(static_cast<std::size_t>(i)); }
    int NumBotones() const { return static_cast<int>(botones_.size()); }

    // Runs the command of drawn button i; any other index does nothing.
    void Label3_Click(int i);

  protected:
    // A window of `tamano` whose title label reads `titulo`, with its drag handle `anchoAsa`
    // wide (66, or a band across the window) and "×" at `anchoVentana` − 26, where W is the
    // width the dialog's layout counts with.
    VentanaDibujada(QWidget* padre, QSize tamano, const QString& titulo, int anchoAsa,
                    int anchoVentana);

    // The background, drawn into at load and painted as it stands afterwards.
    QImage& Fondo() { return fondo_; }
    // A drawn button over `comando`, resting at `reposo`; its index is the order of adding.
    void AgregaBoton(Comando* comando, QPoint reposo);
    // The two 6 × 6 top-corner pictures.
    void PonEsquinas(QPoint izquierda, QPoint derecha);
    // Gives the caption of drawn button i a background `color`: the button's face under the
    // caption, inside its border, takes that colour, so it presses and rests with the face.
    void PonFondoBoton(int i, QRgb color);

    // The cancel handler: run by Esc, "×", close() and the window manager; it must close the
    // window through Cierra(false) (or leave it open).
    virtual void Cancelar() = 0;
    // The accept command, run by Return when the focused control leaves Return to the window.
    virtual void Aceptar() = 0;
    // Once per showing, when the window is shown.
    virtual void Activacion() {}
    // Closes the window; `aceptada` tells the accepting close from the cancelling one.
    void Cierra(bool aceptada);

    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* event) override;

  private:
    void actualizaBoton(const BotonDibujado& boton);
    bool arrastre(QEvent* event);
    bool botonDibujado(int i, QEvent* event);
    bool marcaCerrar(QEvent* event);

    QImage fondo_;
    QLabel* asa_;
    QLabel* titulo_;
    QLabel* cerrar_;
    QPoint reposoCerrar_;
    std::vector<BotonDibujado> botones_;
    bool Arrastrando = false;
    QPoint Arrastre;   // ArrastreX, ArrastreY: the press's offset from the window position
    int pulsado_ = -1; // drawn button under a press
    bool cerrarPulsado_ = false;
};

} // namespace vornith::dialogs
