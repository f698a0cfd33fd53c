// The collate pictures of the print dialog: the page order of three pages in two copies.

#include "dibujos.h"
#include "pinceles.h"

#include <QFont>

namespace vornith::ui_pictures {

namespace {

// Six sheets in groups of `grupo`: a gap between the groups shows how the sheets come out.
QImage ordenCopias(const int (&paginas)[6], int grupo) {
    QImage img = lienzo(80, 24);
    QPainter p(&img);
    preparaPintor(p);
    QFont letra(QStringLiteral("Liberation Sans"));
    letra.setPixelSize(9);
    letra.setBold(true);
    p.setFont(letra);
    for (int i = 0; i < 6; ++i) {
        const double x = 1 + i * 12 + (i / grupo) * (grupo == 3 ? 4 : 3);
        const QRectF hoja(x, 3, 11, 17);
        hojaConSombra(p, hoja, 1, QColor(120, 120, 150));
        p.setPen(kTinta);
        p.drawText(hoja, Qt::AlignCenter, QString::number(paginas[i]));
    }
    return img;
}

} // namespace

std::vector<Dibujo> dibujosImprimir() {
    return {
        {QStringLiteral("intercalar_no.png"), ordenCopias({1, 1, 2, 2, 3, 3}, 2)},
        {QStringLiteral("intercalar_si.png"), ordenCopias({1, 2, 3, 1, 2, 3}, 3)},
    };
}

} // namespace vornith::ui_pictures
