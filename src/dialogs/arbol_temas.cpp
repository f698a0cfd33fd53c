#include "dialogs/arbol_temas.h"

#include "dialogs/imagenes_ui.h"
#include "platform/qt/font_resolver.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace vornith::dialogs {

namespace {

constexpr int kGrosorBarra = 17;
constexpr QRgb kColorConector = qRgb(128, 128, 128);
constexpr QRgb kColorCarpeta = qRgb(0, 0, 0x60);

struct Imagenes {
    QPixmap ImgPLUS = ImagenUi(QStringLiteral("arbol_mas"));
    QPixmap ImgMENOS = ImagenUi(QStringLiteral("arbol_menos"));
    QPixmap ImgDOTS = ImagenUi(QStringLiteral("arbol_puntos"));
    QPixmap ClosedFolder = ImagenUi(QStringLiteral("carpeta_cerrada"));
    QPixmap OpenFolder = ImagenUi(QStringLiteral("carpeta_abierta"));
    QPixmap ImgCON = ImagenUi(QStringLiteral("casilla_si"));
    QPixmap ImgCOFF = ImagenUi(QStringLiteral("casilla_no"));
    QPixmap ImgCONDw = ImagenUi(QStringLiteral("casilla_si_pulsada"));
    QPixmap ImgCOFFDw = ImagenUi(QStringLiteral("casilla_no_pulsada"));
    QPixmap ImgTIP[5] = {QPixmap(), ImagenUi(QStringLiteral("tipo_1")),
                         ImagenUi(QStringLiteral("tipo_2")), ImagenUi(QStringLiteral("tipo_3")),
                         ImagenUi(QStringLiteral("tipo_4"))};
};

const Imagenes& imagenes() {
    static const Imagenes i;
    return i;
}

// Shows `barra` over 0..maximo when `visible` and gives the drawing's shift, minus its value;
// otherwise hides it at 0. Neither sends a signal.
int ponBarra(QScrollBar* barra, bool visible, int maximo) {
    if (!visible) {
        const QSignalBlocker bloqueo(barra);
        barra->setValue(0);
        barra->hide();
        return 0;
    }
    {
        const QSignalBlocker bloqueo(barra);
        barra->setRange(0, maximo);
    }
    barra->show();
    return -barra->value();
}

} // namespace

ArbolTemas::ArbolTemas(document::ListaTemas& temas, QWidget* padre)
    : QWidget(padre), temas_(temas), vscroll_(new QScrollBar(Qt::Vertical, this)),
      hscroll_(new QScrollBar(Qt::Horizontal, this)), Label2_(new QWidget(this)) {
    fuente_ = QFont(FontResolver::familyFor(QStringLiteral("Arial")));
    fuente_.setPointSizeF(9.75);
    fuenteNegrita_ = fuente_;
    fuenteNegrita_.setBold(true);
    setFont(fuente_);
    setFocusPolicy(Qt::StrongFocus);
    vscroll_->setSingleStep(1);
    vscroll_->setPageStep(10);
    hscroll_->setSingleStep(1);
    hscroll_->setPageStep(80);
    vscroll_->hide();
    hscroll_->hide();
    Label2_->setAutoFillBackground(true);
    Label2_->setBackgroundRole(QPalette::Button);
    Label2_->hide();
    connect(vscroll_, &QScrollBar::valueChanged, this, [this](int valor) {
        DesplFilas_ = -valor;
        ActualizaTree();
        setFocus();
    });
    connect(hscroll_, &QScrollBar::valueChanged, this, [this](int valor) {
        DesplX_ = -valor;
        ActualizaTree();
        setFocus();
    });
}

void ArbolTemas::resizeEvent(QResizeEvent*) {
    RESIZE();
}

void ArbolTemas::RESIZE() {
    vscroll_->setGeometry(width() - kGrosorBarra, 0, kGrosorBarra, height() - kGrosorBarra);
    hscroll_->setGeometry(0, height() - kGrosorBarra, width() - kGrosorBarra, kGrosorBarra);
    Label2_->setGeometry(width() - kGrosorBarra, height() - kGrosorBarra, kGrosorBarra,
                         kGrosorBarra);
    Label2_->setVisible(!vscroll_->isHidden() || !hscroll_->isHidden());
}

void ArbolTemas::ActualizaTree() {
    const int N = std::clamp<int>(temas_.NumTemas, 0, document::kMaxTemas);
    filas_.assign(static_cast<std::size_t>(N) + 1, Elementos{});
    conectores_.clear();
    const int w = kGrosorBarra + 2;
    const int hh = kGrosorBarra + 2;
    const int c = (height() - 4 - hh) / kAltoFila;
    const int x0 = DesplX_;
    const QFontMetrics medidas(fuente_);
    const QFontMetrics medidasNegrita(fuenteNegrita_);
    bool desborda = false;
    int m = 0;

    // Rows: a closed folder hides the deeper rows after it until one of its own level.
    int y = DesplFilas_;
    int h = -1;
    for (int i = 1; i <= N; ++i) {
        const document::Tema& t = tema(i);
        if (t.Nivel == h) h = -1;
        if (h >= 0 && t.Nivel >= h) continue;
        Elementos& e = filas_[static_cast<std::size_t>(i)];
        e.visible = true;
        const int sangria = x0 + 20 * t.Nivel;
        const QString caption = t.Titulo + QLatin1Char(' ');
        const int anchoEtiqueta =
            (t.EsCarpeta ? medidasNegrita : medidas).horizontalAdvance(caption) + 4;
        e.LblItem = QRect(sangria + (t.EsCarpeta ? 37 : 44), kAltoFila * y + 3, anchoEtiqueta,
                          medidas.height());
        const int derecha = e.LblItem.left() - x0 + anchoEtiqueta;
        if (derecha > width() - 20 - w) {
            desborda = true;
            m = std::max(m, derecha - width() + 20 - w);
        }
        if (t.EsCarpeta) {
            e.PMImg = QRect(sangria + 5, kAltoFila * y + 5, 9, 9);
            e.HeadIMG = QRect(sangria + 15, kAltoFila * y + 1, 22, 16);
            if (!t.Abierto) h = t.Nivel;
        } else {
            e.PMImg = QRect(sangria + 5, kAltoFila * y + 1, 9, 9);
            e.ItemCHK = QRect(sangria + 15, kAltoFila * y, 15, 16);
            e.ItemIMG = QRect(sangria + 31, kAltoFila * y, 12, 16);
        }
        ++y;
    }
    const int n = y - DesplFilas_;

    // Connectors, over the same walk.
    y = DesplFilas_;
    for (int i = 1; i <= N; ++i) {
        if (!filas_[static_cast<std::size_t>(i)].visible) continue;
        const document::Tema& t = tema(i);
        const int x = x0 + 9 + 20 * t.Nivel;
        if (!t.EsCarpeta) {
            if (i > 1 && tema(i - 1).Nivel == t.Nivel) {
                for (int k : {-5, -3, -1})
                    conectores_.emplace_back(x, kAltoFila * y + k);
            }
        } else {
            if (i > 1) {
                conectores_.emplace_back(x, kAltoFila * y + 1);
                conectores_.emplace_back(x, kAltoFila * y + 3);
            }
            for (int j = i - 1;
                 j >= 1 && filas_[static_cast<std::size_t>(j)].visible && tema(j).Nivel > t.Nivel;
                 --j) {
                for (int k = -1; k <= 15; k += 2)
                    conectores_.emplace_back(x, kAltoFila * (y - (i - j)) + k);
            }
        }
        ++y;
    }

    // The bars. A new range that moves a bar's value to its end moves the drawing with it.
    const int desplFilas = ponBarra(vscroll_, n > c, n - c);
    const int desplX = ponBarra(hscroll_, desborda, std::min(m + 16, 32767));
    Label2_->setVisible(!vscroll_->isHidden() || !hscroll_->isHidden());
    if (desplFilas != DesplFilas_ || desplX != DesplX_) {
        DesplFilas_ = desplFilas;
        DesplX_ = desplX;
        ActualizaTree();
        return;
    }
    update();
}

void ArbolTemas::ActualizaSeleccion() {
    update();
    CompruebaScroll();
    if (isVisible()) setFocus();
}

void ArbolTemas::CompruebaScroll() {
    if (FilaSel_ < 1 || FilaSel_ >= static_cast<int>(filas_.size())) return;
    const Elementos& e = filas_[static_cast<std::size_t>(FilaSel_)];
    if (!e.visible) return;
    const int hb = hscroll_->isHidden() ? 0 : hscroll_->height();
    if (e.LblItem.top() < 0 && vscroll_->value() > vscroll_->minimum()) {
        vscroll_->setValue(vscroll_->value() - 1);
    } else if (e.LblItem.top() + e.LblItem.height() > height() - hb &&
               vscroll_->value() < vscroll_->maximum()) {
        vscroll_->setValue(vscroll_->value() + 1);
    }
}

void ArbolTemas::MouseWheel(int Rotation) {
    if (vscroll_->isHidden()) return;
    ruedaAcumulada_ += Rotation;
    int filas = 0;
    for (; ruedaAcumulada_ >= 120; ruedaAcumulada_ -= 120)
        --filas;
    for (; ruedaAcumulada_ <= -120; ruedaAcumulada_ += 120)
        ++filas;
    if (filas != 0)
        vscroll_->setValue(
            std::clamp(vscroll_->value() + filas, vscroll_->minimum(), vscroll_->maximum()));
}

ArbolTemas::Impacto ArbolTemas::impacto(QPoint punto) const {
    for (std::size_t i = 1; i < filas_.size(); ++i) {
        const Elementos& e = filas_[i];
        if (!e.visible) continue;
        const int fila = static_cast<int>(i);
        const std::pair<const QRect&, Parte> partes[] = {
            {e.PMImg, Parte::PMImg},     {e.HeadIMG, Parte::HeadIMG}, {e.ItemCHK, Parte::ItemCHK},
            {e.ItemIMG, Parte::ItemIMG}, {e.LblItem, Parte::LblItem},
        };
        for (const auto& [rect, parte] : partes) {
            if (rect.contains(punto)) return {fila, parte};
        }
    }
    return {};
}

void ArbolTemas::alternaFila(int i) {
    document::Tema& t = tema(i);
    if (t.EsCarpeta) {
        t.Abierto = !t.Abierto;
        ActualizaTree();
    } else {
        t.Seleccionado = !t.Seleccionado;
        update();
    }
}

void ArbolTemas::mousePressEvent(QMouseEvent* event) {
    const Impacto en = impacto(event->position().toPoint());
    switch (en.parte) {
    case Parte::HeadIMG:
    case Parte::ItemIMG:
    case Parte::LblItem:
        FilaSel_ = en.fila;
        ActualizaSeleccion();
        emit cambio();
        break;
    case Parte::ItemCHK:
        FilaSel_ = en.fila;
        casillaPulsada_ = en.fila;
        ActualizaSeleccion();
        emit cambio();
        break;
    case Parte::PMImg:
        if (tema(en.fila).EsCarpeta) {
            if (event->button() == Qt::LeftButton) tema(en.fila).Abierto = !tema(en.fila).Abierto;
            FilaSel_ = en.fila;
            ActualizaTree();
            emit cambio();
        }
        setFocus();
        break;
    case Parte::Ninguna:
        setFocus();
        break;
    }
}

void ArbolTemas::mouseReleaseEvent(QMouseEvent* event) {
    const int fila = casillaPulsada_;
    if (fila == 0) return;
    casillaPulsada_ = 0;
    update();
    const Impacto en = impacto(event->position().toPoint());
    if (en.fila == fila && en.parte == Parte::ItemCHK) {
        tema(fila).Seleccionado = !tema(fila).Seleccionado;
        emit cambio();
    }
}

// A double click arrives after a press, a release (the click) and before a second release:
// only labels, type icons and folder icons act on it, so the check box and the mark toggle
// once per double click.
void ArbolTemas::mouseDoubleClickEvent(QMouseEvent* event) {
    const Impacto en = impacto(event->position().toPoint());
    switch (en.parte) {
    case Parte::ItemIMG:
    case Parte::LblItem:
        FilaSel_ = en.fila;
        alternaFila(en.fila);
        emit cambio();
        break;
    case Parte::HeadIMG:
        tema(en.fila).Abierto = !tema(en.fila).Abierto;
        ActualizaTree();
        emit cambio();
        setFocus();
        break;
    default:
        break;
    }
}

void ArbolTemas::seleccionaVecina(int paso) {
    for (int i = FilaSel_ + paso; i >= 1 && i < static_cast<int>(filas_.size()); i += paso) {
        if (!filas_[static_cast<std::size_t>(i)].visible) continue;
        FilaSel_ = i;
        ActualizaSeleccion();
        emit cambio();
        return;
    }
}

void ArbolTemas::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (FilaSel_ >= 1 && FilaSel_ <= temas_.NumTemas) {
            alternaFila(FilaSel_);
            emit cambio();
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        seleccionaVecina(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        seleccionaVecina(1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ArbolTemas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const Imagenes& img = imagenes();
    const QFontMetrics medidas(fuente_);
    for (std::size_t i = 1; i < filas_.size(); ++i) {
        const Elementos& e = filas_[i];
        if (!e.visible) continue;
        const document::Tema& t = tema(static_cast<int>(i));
        if (t.EsCarpeta) {
            p.drawPixmap(e.PMImg.topLeft(), t.Abierto ? img.ImgMENOS : img.ImgPLUS);
            p.drawPixmap(e.HeadIMG.topLeft(), t.Abierto ? img.OpenFolder : img.ClosedFolder);
        } else {
            p.drawPixmap(e.PMImg.topLeft(), img.ImgDOTS);
            const bool pulsada = casillaPulsada_ == static_cast<int>(i);
            p.drawPixmap(e.ItemCHK.topLeft(), t.Seleccionado
                                                  ? (pulsada ? img.ImgCONDw : img.ImgCON)
                                                  : (pulsada ? img.ImgCOFFDw : img.ImgCOFF));
            if (t.Clase >= 1 && t.Clase <= 4)
                p.drawPixmap(e.ItemIMG.topLeft(), img.ImgTIP[t.Clase]);
        }
        const bool elegida = static_cast<int>(i) == FilaSel_;
        p.fillRect(e.LblItem, elegida ? palette().color(QPalette::Highlight) : QColor(Qt::white));
        p.setPen(elegida       ? palette().color(QPalette::HighlightedText)
                 : t.EsCarpeta ? QColor(kColorCarpeta)
                               : QColor(Qt::black));
        p.setFont(t.EsCarpeta ? fuenteNegrita_ : fuente_);
        p.drawText(e.LblItem.left() + 1, e.LblItem.top() + medidas.ascent(),
                   t.Titulo + QLatin1Char(' '));
    }
    p.setPen(QColor(kColorConector));
    for (const QPoint& punto : conectores_)
        p.drawPoint(punto);
}

} // namespace vornith::dialogs
