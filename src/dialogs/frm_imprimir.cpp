#include "dialogs/frm_imprimir.h"

#include "dialogs/controles_sueltos.h"
#include "dialogs/dibuja_marco.h"
#include "dialogs/imagenes_ui.h"
#include "dialogs/lista_paginas.h"
#include "dialogs/numero_texto.h"
#include "document/conversion_numerica.h"
#include "platform/notifier.h"
#include "platform/printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace vornith::dialogs {

namespace {

constexpr int W = 622; // the title band's width, which the layout counts with

// The placeholders of the two frames: printer and pages.
const QRect kShape1[] = {QRect(33, 70, W - 66, 60), QRect(33, 192, W - 66, 110)};

// A number read from the copies box, rounded half to even; nothing when unreadable.
std::optional<std::int32_t> copiasDe(const QString& texto) {
    const auto valor = Val(texto);
    return valor ? document::EnteroLargo(*valor) : std::nullopt;
}

bool copiasValidas(std::optional<std::int32_t> n) {
    return n && *n >= 1 && *n <= kMaxCopias;
}

} // namespace

frmImprimir::frmImprimir(QWidget* padre, int paginaActual, int NumPaginas, ResultadosDialogos& r,
                         Printers& printers, Notifier& notifier)
    : VentanaDibujada(padre, QSize(624, 386), QStringLiteral("Imprimir"), W, W),
      PaginaActual(paginaActual), r_(r), printers_(printers), notifier_(notifier) {
    r_.ImprimirAceptado = false;
    r_.PaginasAImprimir.assign(static_cast<std::size_t>(std::max(kPaginasConMarca, NumPaginas)) + 1,
                               false);

    Combo1 = new QComboBox(this);
    Combo1->setGeometry(53, 78, 300, 24);
    Etiqueta(this, QStringLiteral("Número de copias:"), 372, 82);
    Text1 = new QLineEdit(this);
    Text1->setGeometry(490, 79, 44, 22);
    Text1->setMaxLength(4);
    // The spin bar counts upward from its lower end, so its upper arrow raises the count.
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setGeometry(534, 77, 16, 26);
    VScroll1->setRange(1, kMaxCopias);
    VScroll1->setInvertedAppearance(true);
    // Inverted appearance turns the handle over but not the arrows and page areas: their
    // steps are turned here, so that a step toward the top raises the count. The step is
    // taken from the value, not from the position the bar has already clamped.
    connect(VScroll1, &QAbstractSlider::actionTriggered, this, [this](int accion) {
        const int valor = VScroll1->value();
        switch (accion) {
        case QAbstractSlider::SliderSingleStepAdd:
            VScroll1->setSliderPosition(valor - VScroll1->singleStep());
            break;
        case QAbstractSlider::SliderSingleStepSub:
            VScroll1->setSliderPosition(valor + VScroll1->singleStep());
            break;
        case QAbstractSlider::SliderPageStepAdd:
            VScroll1->setSliderPosition(valor - VScroll1->pageStep());
            break;
        case QAbstractSlider::SliderPageStepSub:
            VScroll1->setSliderPosition(valor + VScroll1->pageStep());
            break;
        default:
            break;
        }
    });
    ChkCOLLATE = new QCheckBox(QStringLiteral("Intercalar"), this);
    ChkCOLLATE->move(372, 108);
    ChkCOLLATE->adjustSize();
    ChkCOLLATE->setChecked(true);
    const char* orden[] = {"intercalar_no", "intercalar_si"};
    for (std::size_t i = 0; i < 2; ++i) {
        ImgCOLLATE[i] = new QLabel(this);
        ImgCOLLATE[i]->setPixmap(ImagenUi(QString::fromLatin1(orden[i])));
        ImgCOLLATE[i]->setGeometry(470, 104, 80, 24);
    }
    ImgCOLLATE[0]->hide();

    Option1 = Opcion(this, QStringLiteral("Todas las páginas"), 53, 196);
    Option3 = Opcion(this, QStringLiteral("Página actual"), 53, 220);
    Option2 = Opcion(this, QStringLiteral("Páginas:"), 53, 244);
    Option1->setChecked(true);
    Text2 = new QLineEdit(this);
    Text2->setGeometry(140, 242, 300, 22);
    Label5 =
        new QLabel(QStringLiteral("Escriba números de páginas y/o intervalos separados por comas "
                                  "(intervalos se indican con un guión). Ejemplo: 1, 3, 5-12, 14"),
                   this);
    Label5->setGeometry(53, 270, 520, 30);
    Label5->setWordWrap(true);

    Text1->setText(QStringLiteral(" 1"));
    VScroll1->setValue(1);
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this,
            [this](int valor) { Text1->setText(document::Decimal(valor)); });
    Text1->installEventFilter(this);
    connect(ChkCOLLATE, &QCheckBox::toggled, this, [this](bool marcado) {
        ImgCOLLATE[1]->setVisible(marcado);
        ImgCOLLATE[0]->setVisible(!marcado);
    });
    connect(Text2, &QLineEdit::textChanged, this, [this] { Option2->setChecked(true); });

    {
        QPainter p(&Fondo());
        const QString titulos[] = {QStringLiteral("Impresora"), QStringLiteral("Páginas")};
        for (int i = 0; i < 2; ++i)
            DibujaMarcoAlrededor(p, kShape1[i], titulos[i]);
    }
    PonEsquinas(QPoint(0, 0), QPoint(W - 4, 0));

    auto* cmdImprimir = new Comando(
        QStringLiteral("Imprimir"), [this] { cmdImprimir_Click(); }, this);
    auto* CmdCancelar = new Comando(
        QStringLiteral("Cancelar"), [this] { CmdCancelar_Click(); }, this);
    AgregaBoton(cmdImprimir, QPoint(W - 313, 339));
    AgregaBoton(CmdCancelar, QPoint(W - 151, 339));
    PonFondoBoton(0, qRgb(224, 224, 224));

    if (printers_.count() > 0) {
        const QString actual = printers_.currentPrinter();
        Combo1->addItems(printers_.deviceNames());
        Boton(0).Label3->setToolTip(actual);
        Boton(0).Image1->setToolTip(actual);
        Combo1->setCurrentIndex(
            Combo1->findText(actual, Qt::MatchExactly | Qt::MatchCaseSensitive));
        connect(Combo1, &QComboBox::currentIndexChanged, this,
                [this](int indice) { Combo1_Click(indice); });
    } else {
        Combo1->hide();
    }
}

void frmImprimir::Activacion() {
    Option1->setChecked(true);
}

void frmImprimir::Combo1_Click(int indice) {
    if (indice < 0) return;
    const QString nombre = Combo1->itemText(indice);
    if (printers_.deviceNames().contains(nombre)) printers_.setCurrentPrinter(nombre);
}

void frmImprimir::Text1_Change() {
    const QString texto = Text1->text();
    if (document::SinBlancos(texto).isEmpty()) {
        Text1->setText(QStringLiteral("1"));
        return;
    }
    const auto n = copiasDe(texto);
    if (copiasValidas(n)) VScroll1->setValue(*n);
}

void frmImprimir::Text1_LostFocus() {
    const auto n = copiasDe(Text1->text());
    if (copiasValidas(n)) VScroll1->setValue(*n);
    Text1->setText(document::Decimal(VScroll1->value()));
}

bool frmImprimir::Text1_KeyDown(int tecla) {
    if (tecla == Qt::Key_Up || tecla == Qt::Key_Down) {
        const auto n = copiasDe(Text1->text()).value_or(0);
        Text1->setText(
            document::Decimal(static_cast<std::int64_t>(n) + (tecla == Qt::Key_Up ? 1 : -1)));
        Text1_LostFocus();
        return true;
    }
    // Editing keys and digits reach the box; focus moves, Return and Esc go on to the dialog.
    switch (tecla) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return false;
    default:
        return !(tecla >= Qt::Key_0 && tecla <= Qt::Key_9);
    }
}

bool frmImprimir::eventFilter(QObject* objeto, QEvent* event) {
    if (objeto == Text1) {
        if (event->type() == QEvent::KeyPress) {
            // Ctrl's editing shortcuts (select all, copy, paste, undo) reach the box as well.
            const auto* tecla = static_cast<QKeyEvent*>(event);
            if (!(tecla->modifiers() & Qt::ControlModifier)) return Text1_KeyDown(tecla->key());
        }
        if (event->type() == QEvent::FocusOut) Text1_LostFocus();
    }
    return VentanaDibujada::eventFilter(objeto, event);
}

void frmImprimir::cmdImprimir_Click() {
    r_.ImprimirIntercalado = ChkCOLLATE->isChecked();
    const auto copias = copiasDe(Text1->text());
    if (!copiasValidas(copias)) {
        notifier_.error(QStringLiteral("El número de copias no es válido. Máximo 1999 copias."));
        return;
    }
    r_.NumCopias = *copias;
    if (!marcaPaginas()) return;
    r_.ImprimirAceptado = true;
    Cierra(true);
}

bool frmImprimir::marcaPaginas() {
    auto& paginas = r_.PaginasAImprimir;
    const int ultima = static_cast<int>(paginas.size()) - 1;
    bool valida = true;
    if (Option1->isChecked()) {
        std::fill(paginas.begin() + 1, paginas.end(), true);
    } else if (Option3->isChecked()) {
        std::fill(paginas.begin(), paginas.end(), false);
        if (PaginaActual >= 1 && PaginaActual <= ultima)
            paginas[static_cast<std::size_t>(PaginaActual)] = true;
        else
            valida = false;
    } else if (Option2->isChecked()) {
        const ListaPaginas lista = LeeListaPaginas(Text2->text(), paginas);
        if (lista == ListaPaginas::Vacia) {
            notifier_.error(QStringLiteral("Debe especificar números y/o intervalos de páginas."));
            return false;
        }
        valida = lista == ListaPaginas::Aceptada;
    }
    if (!valida) {
        notifier_.beep();
        notifier_.error(QStringLiteral("Los números y/o intervalos de páginas no son válidos."));
    }
    return valida;
}

void frmImprimir::CmdCancelar_Click() {
    r_.ImprimirAceptado = false;
    Cierra(false);
}

} // namespace vornith::dialogs
