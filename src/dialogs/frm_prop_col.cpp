#include "dialogs/frm_prop_col.h"

#include "dialogs/controles_sueltos.h"
#include "dialogs/dibuja_marco.h"
#include "dialogs/imagenes_ui.h"
#include "platform/busy_cursor.h"

#include <QCheckBox>
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
        PonColorTexto(etiqueta, kColorTinta);
        etiqueta->setGeometry(L + 5, 40, imagen->width() - 5, 17);
        etiqueta->installEventFilter(this);
        LblTAB_[i] = etiqueta;
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
    for (int i = 1; i <= 5; ++i) {
        const bool elegida = i == Index;
        Image3_[i]->setPixmap(ImagenUi(imagenPestana(Tag_[i] + (elegida ? 1 : 0))));
        Frame1_[i]->setVisible(elegida);
    }
    TabActual_ = Index;
    if (TabActual_ == 1) opciones_->TxTITULO->setFocus();
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

bool FrmPropCol::eventFilter(QObject* objeto, QEvent* event) {
    for (int i = 1; i <= 5; ++i) {
        if (objeto != LblTAB_[i]) continue;
        if (event->type() == QEvent::MouseButtonPress) {
            PonColorTexto(LblTAB_[i], qRgb(240, 240, 255));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            PonColorTexto(LblTAB_[i], kColorTinta);
            if (LblTAB_[i]->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                LblTAB_Click(i);
            return true;
        }
        return false;
    }
    return VentanaDibujada::eventFilter(objeto, event);
}

} // namespace vornith::dialogs
