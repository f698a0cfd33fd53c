#pragma once

#include "platform/settings.h"

#include <QDialog>
#include <QPoint>
#include <QString>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;

namespace vornith::mainwindow {

// The start-options window: three example collections, Open and the wizard. It opens nothing
// itself: the command it leaves in ComandoInicio ("OPEN:" + path, "OPEN?:", "WIZARD:" or empty)
// is carried out by the main window.
class FormIniOpt final : public QDialog {
  public:
    // `NoMostrarInicio` and `ComandoInicio` are the main window's; `carpetaDatos` holds the
    // Ejemplos folder.
    FormIniOpt(QWidget* padre, Settings& ajustes, const QString& carpetaDatos,
               bool& NoMostrarInicio, QString& ComandoInicio);

    // The check box's state, for the main window's menu entry.
    bool Mostrar() const;

    void ImageOP_Click(int i);
    void Label3_Click();

    std::array<QLabel*, 5> ImageOP{};
    std::array<QLabel*, 5> Label1{};
    std::array<QLabel*, 5> Label2{};
    QLabel* Image1;
    QLabel* Label3;
    QCheckBox* Check1;
    QFrame* Shape1;

  protected:
    // Every close passes here: the options, Cancel, Esc and the close box.
    void done(int resultado) override;
    bool eventFilter(QObject* objeto, QEvent* event) override;

  private:
    void Form_Unload();
    void pulsaOpcion(int i, bool pulsada);
    void pulsaCancelar(bool pulsado);

    Settings& ajustes_;
    QString carpeta_;
    bool& NoMostrarInicio_;
    QString& ComandoInicio_;
    std::array<QPoint, 5> Opcion{}; // OpcionX, OpcionY
    QPoint Boton;                   // BotonX(0), BotonY(0)
    bool descargada_ = false;
};

} // namespace vornith::mainwindow
