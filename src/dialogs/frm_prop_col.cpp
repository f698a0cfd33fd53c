#include "dialogs/frm_prop_col.h"

#include "dialogs/controles_sueltos.h"
#include "dialogs/dibuja_marco.h"
#include "dialogs/imagenes_ui.h"
#include "platform/busy_cursor.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace vornith::dialogs {

namespace {

constexpr int kAncho = 631;
constexpr int kAlto = 485;

// The tab pictures: pair t is (resting, selected), by the tab's Tag.
QString imagenPestana(int t) {
    static const char* nombres[] = {"pestana90",      "pestana90_sel", "pestana120",
                                    "pestana120_sel", "pestana150",    "pestana150_sel"};
    return QString::fromLatin1(nombres[t]);
}

struct Pestana {
    const char* caption;
    int tag;
    const char* titulo; // the page frame's caption
};

// Captions with their leading blank; the third tab's Tag is empty and counts as 0.
const Pestana kPestanas[] = {
    {" Título", 0, "Título de la colección"},
    {" Ordenación", 2, "Ordenación de temas"},
    {" Soluciones", 0, "Posición de las soluciones"},
    {" Numeración prob.", 4, "Numeración de problemas"},
    {" Numeración pág.", 4, "Numeración de páginas"},
};

// Where each page's option group (and so its frame's placeholder) stands on the page.
constexpr QPoint kLugarGrupo(44, 48);

QImage paginaRayada() {
    QImage pagina(576, 320, QImage::Format_RGB32);
    pagina.fill(Qt::white);
    QPainter p(&pagina);
    p.setPen(QColor(kColorRayado));
    for (int y = 0; y <= 350; y += 2)
        p.drawLine(0, y, 607, y);
    return pagina;
}

} // namespace

FrmPropCol::FrmPropCol(QWidget* padre, document::DatosColeccion& coleccion, ResultadosDialogos& r,
                       BusyCursor& cursor)
    : VentanaDibujada(padre, QSize(kAncho, kAlto), QStringLiteral("Propiedades de la colección"),
                      66, kAncho),
      Coleccion(coleccion), CopiaColeccion(coleccion), r_(r), cursor_(cursor) {
    opciones_ = new ControlesOpciones(Coleccion, kPaletaResalte, this);
    PonEsquinas(QPoint(0, 0), QPoint(625, 0));

    QWidget* grupos[] = {opciones_->GrupoTitulo, opciones_->GrupoOrdenacion,
                         opciones_->GrupoSoluciones, opciones_->GrupoNumeracionProblemas,
                         opciones_->GrupoNumeracionPaginas};
    int L = 10;
    for (int i = 1; i <= 5; ++i) {
        const Pestana& pestana = kPestanas[i - 1];
        QWidget* grupo = grupos[i - 1];
        auto* pagina = new Lienzo(this, paginaRayada());
        pagina->move(26, 68);
        pagina->hide();
        {
            // The page's frame around its placeholder: the group's place and size.
            QPainter p(&pagina->imagen());
            DibujaMarcoAlrededor(p, QRect(kLugarGrupo, grupo->size()),
                                 QString::fromUtf8(pestana.titulo));
        }
        grupo->setParent(pagina);
        grupo->move(kLugarGrupo);
        grupo->show();
        Frame1_[i] = pagina;

        Tag_[i] = pestana.tag;
        auto* imagen = new QLabel(this);
        imagen->setPixmap(ImagenUi(imagenPestana(Tag_[i])));
        imagen->adjustSize();
        imagen->move(L, 40);
        Image3_[i] = imagen;
        auto* etiqueta = new QLabel(QString::fromUtf8(pestana.caption), this);
        etiqueta->setGeometry(L + 5, 40, imagen->width() - 5, 17);
        etiqueta->installEventFilter(this);
        LblTAB_[i] = etiqueta;
        colorPestana(i, kColorTinta);
        L += imagen->width() - 1;
    }
    {
        QPainter p(&Fondo());
        DibujaMarco(p, 10, 40, 610, 370, QStringLiteral("-"), true);
    }
    // The tabs stand over the outer frame's caption.
    for (int i = 1; i <= 5; ++i) {
        Image3_[i]->raise();
        LblTAB_[i]->raise();
    }
    LblTAB_Click(1);

    auto* CmdCancel = new Comando(
        QStringLiteral("Cancelar"), [this] { CmdCancel_Click(); }, this);
    auto* CmdNext = new Comando(
        QStringLiteral("Aceptar"), [this] { CmdNext_Click(); }, this);
    AgregaBoton(CmdCancel, QPoint(480, 437));
    AgregaBoton(CmdNext, QPoint(315, 437));

    opciones_->Carga();
}

void FrmPropCol::LblTAB_Click(int Index) {
    // The chosen tab stands in the Tab order before its page; focus on it follows the choice.
    const bool enPestanas = focusWidget() == LblTAB_[TabActual_];
    for (int i = 1; i <= 5; ++i) {
        const bool elegida = i == Index;
        Image3_[i]->setPixmap(ImagenUi(imagenPestana(Tag_[i] + (elegida ? 1 : 0))));
        Frame1_[i]->setVisible(elegida);
        LblTAB_[i]->setFocusPolicy(elegida ? Qt::TabFocus : Qt::NoFocus);
    }
    TabActual_ = Index;
    if (enPestanas)
        LblTAB_[Index]->setFocus();
    else if (TabActual_ == 1)
        opciones_->TxTITULO->setFocus();
}

void FrmPropCol::PestanaVecina(int paso) {
    const bool enPestanas = focusWidget() == LblTAB_[TabActual_];
    LblTAB_Click((TabActual_ - 1 + paso + 5) % 5 + 1);
    if (enPestanas) return;
    // The page's first control: the one after its tab.
    LblTAB_[TabActual_]->setFocus();
    focusNextChild();
}

void FrmPropCol::colorPestana(int i, QRgb color) {
    // A dotted outline marks the focused tab; the resting border keeps the caption in place.
    LblTAB_[i]->setStyleSheet(
        QStringLiteral("QLabel { color: %1; background: transparent; border: 1px solid "
                       "transparent; } QLabel:focus { border: 1px dotted %2; }")
            .arg(QColor(color).name(), QColor(kColorTinta).name()));
}

void FrmPropCol::Activacion() {
    cursor_.setBusy(false);
    opciones_->TxTITULO->setFocus();
}

void FrmPropCol::CmdNext_Click() {
    r_.PropiedadesAceptadas = true;
    Cierra(true);
}

void FrmPropCol::CmdCancel_Click() {
    Coleccion = CopiaColeccion;
    r_.PropiedadesAceptadas = false;
    Cierra(false);
}

void FrmPropCol::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (control && event->key() == Qt::Key_Tab) {
        PestanaVecina(event->modifiers() & Qt::ShiftModifier ? -1 : 1);
        return;
    }
    if (control && event->key() == Qt::Key_Backtab) {
        PestanaVecina(-1);
        return;
    }
    VentanaDibujada::keyPressEvent(event);
}

bool FrmPropCol::eventFilter(QObject* objeto, QEvent* event) {
    for (int i = 1; i <= 5; ++i) {
        if (objeto != LblTAB_[i]) continue;
        if (event->type() == QEvent::KeyPress) {
            // The arrows move along the tabs, as on any tab bar.
            const int tecla = static_cast<QKeyEvent*>(event)->key();
            if (tecla == Qt::Key_Left || tecla == Qt::Key_Right) {
                PestanaVecina(tecla == Qt::Key_Left ? -1 : 1);
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            colorPestana(i, qRgb(240, 240, 255));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            colorPestana(i, kColorTinta);
            if (LblTAB_[i]->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                LblTAB_Click(i);
            return true;
        }
        return false;
    }
    return VentanaDibujada::eventFilter(objeto, event);
}

} // namespace vornith::dialogs
