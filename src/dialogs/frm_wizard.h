#pragma once

// The new-collection wizard: seven steps (welcome, subject, document types, topics with
// counts, numbering, ordering and solutions, title) over the header, edited in place and put
// back whole by every close but Finalizar.

#include "dialogs/ajustes_asistente.h"
#include "dialogs/controles_opciones.h"
#include "dialogs/dialogos_qt.h"
#include "dialogs/temas_asistente.h"
#include "dialogs/ventana_dibujada.h"

#include <QStringList>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace vornith::dialogs {

class ArbolTemas;

class FrmWizard final : public VentanaDibujada {
    Q_OBJECT
  public:
    FrmWizard(QWidget* padre, document::DatosColeccion& Coleccion, document::ListaTemas& Temas,
              ResultadosDialogos& r, const ServiciosDialogos& servicios);
    ~FrmWizard() override;

    // Navigation: the hidden command buttons' handlers.
    void CmdNext_Click();
    void CmdBack_Click();
    void CmdCancel_Click();
    Comando* CmdCancel() const { return CmdCancel_; }
    Comando* CmdBack() const { return CmdBack_; }
    Comando* CmdNext() const { return CmdNext_; }

    int Paso() const { return Paso_; }
    bool PasoActivo(int i) const { return PasoActivo_.at(static_cast<std::size_t>(i)); }
    QWidget* Frame1(int i) const { return Frame1_.at(static_cast<std::size_t>(i)); }
    QCheckBox* Check2() const { return Check2_; }
    QCheckBox* Check3() const { return Check3_; }
    QCheckBox* ChkTIP(int i) const { return ChkTIP_.at(static_cast<std::size_t>(i)); }
    ControlesOpciones& Opciones() { return *opciones_; }

    // Subject grid: pictures 1..NumAsignaturas, and the subject list beside it; the two
    // share one selection.
    int NumAsignaturas() const;
    QLabel* ImageASIG(int i) const { return ImageASIG_.at(static_cast<std::size_t>(i)); }
    QWidget* ShaSelec() const { return ShaSelec_; }
    QListWidget* LstAsig() const { return LstAsig_; }
    int ListIndex() const;
    void ImageASIG_Click(int Index);
    const QStringList& List1() const { return List1_; }

    // Topic step.
    ArbolTemas* Picture1() const { return Picture1_; }
    QLineEdit* TxCan(int i) const { return TxCan_.at(static_cast<std::size_t>(i)); }
    // The count spinners: their value is minus the number shown.
    QScrollBar* VScroll2(int i) const { return VScroll2_.at(static_cast<std::size_t>(i)); }
    QLineEdit* TxTOT() const { return TxTOT_; }
    QLabel* Label1(int i) const;
    QLabel* ImageProgre() const { return ImageProgre_; }
    // The count group (0) and the items group (1), each inside its frame, Shape1(6) and
    // Shape1(12).
    QWidget* GrupoCantidad(int i) const { return grupoCantidad_.at(static_cast<std::size_t>(i)); }

  protected:
    void Cancelar() override { CmdCancel_Click(); }
    void Aceptar() override { CmdNext_Click(); }
    void Activacion() override;
    bool eventFilter(QObject* objeto, QEvent* event) override;

  private:
    void construyePaso1();
    void construyePaso2();
    void construyePaso3();
    void construyePaso4();
    void construyePasos5a7();
    QImage& imagenPaso(int i);
    void muestraSoloPaso(int paso);
    void textosBienvenidaNegros();
    void entraEnPaso4();
    void Check2_Click();
    void Check3_Click();
    void ChkTIP_Click();
    void LstAsig_Click();
    void LstAsig_DblClick();
    // ShaSelec round the chosen picture and its name in Label1(18).
    void muestraAsignatura();
    QString asignaturaElegida() const;
    void LoadTOLISTBOX_BUILT_CODE();
    void AE_ItemEXProyect();
    void RECUENTA();
    void TxCan_Change(int Index);
    void VScroll2_Change(int Index);
    void TxTOT_Change();
    bool Form_KeyDown(QKeyEvent* tecla);
    bool teclaCajaCantidad(int Index, QEvent* event);

    document::DatosColeccion& Coleccion;
    const document::DatosColeccion ColeccionInicial;
    document::ListaTemas& Temas;
    ResultadosDialogos& r_;
    const ServiciosDialogos& s_;
    ControlesOpciones* opciones_;
    Comando* CmdCancel_;
    Comando* CmdBack_;
    Comando* CmdNext_;
    QCheckBox* Check2_;
    QCheckBox* Check3_;
    int Paso_ = 1;
    std::array<bool, 8> PasoActivo_{};
    std::array<Lienzo*, 8> Frame1_{};
    std::array<QCheckBox*, 5> ChkTIP_{};
    QString ClaveCargada;

    QListWidget* LstAsig_ = nullptr;
    std::vector<QLabel*> ImageASIG_; // [0] unused
    QWidget* ShaSelec_ = nullptr;
    QStringList List1_;

    ArbolTemas* Picture1_ = nullptr;
    std::array<QLineEdit*, 2> TxCan_{};
    std::array<QScrollBar*, 2> VScroll2_{};
    std::array<QWidget*, 2> grupoCantidad_{}; // the count and the items groups
    QLineEdit* TxTOT_ = nullptr;
    QLabel* ImageProgre_ = nullptr;
    // Label1(3), (4), (6), (10), (18), (21), (30).
    QLabel* Label1_3 = nullptr;
    QLabel* Label1_4 = nullptr;
    QLabel* Label1_6 = nullptr;
    QLabel* Label1_10 = nullptr;
    QLabel* Label1_18 = nullptr;
    QLabel* Label1_21 = nullptr;
    QLabel* Label1_30 = nullptr;
};

} // namespace vornith::dialogs
