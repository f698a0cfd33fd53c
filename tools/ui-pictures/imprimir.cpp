// The collate pictures of the print dialog: the page order of three pages in two copies.

#include "dibujos.h"
#include "pinceles.h"

#include <QFont>

namespace vornith::ui_pictures {

namespace {

QImage ordenCopias(const int (&paginas)[6]) {
    QImage img = lienzo(80, 24);
    QPainter p(&img);
    preparaPintor(p);
    QFont letra(QStringLiteral("Liberation Sans"));
    letra.setPixelSize(9);
    letra.setBold(true);
    p.setFont(letra);
    for (int i = 0; i < 6; ++i) {
        // Copies apart: a wider gap after the third sheet.
        const double x = 1 + i * 12.5 + (i >= 3 ? 3 : 0);
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
        {QStringLiteral("intercalar_no.png"), ordenCopias({1, 1, 2, 2, 3, 3})},
        {QStringLiteral("intercalar_si.png"), ordenCopias({1, 2, 3, 1, 2, 3})},
    };
}

} // namespace vornith::ui_pictures
