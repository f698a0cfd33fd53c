// Pictures of the new-collection wizard: the welcome picture, the subject pictures, the marks,
// folders, check boxes and document-type icons of the topic tree, and the graded-difficulty
// sign.

#include "dibujos.h"
#include "pinceles.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace vornith::ui_pictures {

namespace {

const QColor kAzulClaro(198, 214, 240);
const QColor kAzul(70, 104, 170);

// A 9 × 9 square with a minus, a plus or nothing; or the dotted lead of an entry row.
QImage marca(char tipo) {
    QImage img = lienzo(9, 9);
    QPainter p(&img);
    if (tipo == '.') {
        for (int x = 0; x < 9; x += 2)
            img.setPixel(x, 4, QColor(128, 128, 128).rgba());
        return img;
    }
    p.fillRect(0, 0, 9, 9, Qt::white);
    p.setPen(QColor(128, 128, 140));
    p.drawRect(0, 0, 8, 8);
    p.setPen(kTinta);
    p.drawLine(2, 4, 6, 4);
    if (tipo == '+') p.drawLine(4, 2, 4, 6);
    return img;
}

QImage carpeta(bool abierta) {
    QImage img = lienzo(22, 16);
    QPainter p(&img);
    preparaPintor(p);
    const QColor borde(168, 124, 36);
    p.setPen(QPen(borde, 1));
    p.setBrush(QColor(240, 200, 96));
    QPainterPath trasera;
    trasera.moveTo(2.5, 3.5);
    trasera.lineTo(8.5, 3.5);
    trasera.lineTo(10.5, 5.5);
    trasera.lineTo(18.5, 5.5);
    trasera.lineTo(18.5, 14.5);
    trasera.lineTo(2.5, 14.5);
    trasera.closeSubpath();
    p.drawPath(trasera);
    p.setBrush(QColor(252, 224, 130));
    if (abierta) {
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(150, 150, 160), 1));
        p.drawRect(QRectF(5.5, 2.5, 10, 8));
        p.setPen(QPen(borde, 1));
        p.setBrush(QColor(252, 224, 130));
        QPainterPath frente;
        frente.moveTo(2.5, 14.5);
        frente.lineTo(6.5, 8.5);
        frente.lineTo(21.0, 8.5);
        frente.lineTo(17.5, 14.5);
        frente.closeSubpath();
        p.drawPath(frente);
    } else {
        p.drawRect(QRectF(2.5, 7.5, 16, 7));
    }
    return img;
}

QImage casilla(bool marcada, bool pulsada) {
    QImage img = lienzo(15, 16);
    QPainter p(&img);
    const QRect caja(1, 2, 12, 12);
    p.fillRect(caja, pulsada ? QColor(212, 212, 224) : QColor(Qt::white));
    p.setPen(QColor(96, 96, 128));
    p.drawRect(caja);
    if (marcada) {
        preparaPintor(p);
        p.setPen(QPen(pulsada ? QColor(60, 60, 90) : QColor(20, 110, 40), 2, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        const QPointF trazo[] = {{3.5, 8.0}, {6.0, 11.0}, {11.0, 4.5}};
        p.drawPolyline(trazo, 3);
    }
    return img;
}

// The document-type icons: a sheet with the type's colour and mark, 12 × 16.
QImage tipo(int clase) {
    QImage img = lienzo(12, 16);
    QPainter p(&img);
    preparaPintor(p);
    const QColor tonos[] = {QColor(), QColor(46, 140, 200), QColor(60, 160, 80),
                            QColor(200, 80, 60), QColor(140, 90, 180)};
    const QColor tono = tonos[clase];
    p.setPen(QPen(tono.darker(140), 1));
    p.setBrush(Qt::white);
    QPainterPath hoja;
    hoja.moveTo(0.5, 1.5);
    hoja.lineTo(8.0, 1.5);
    hoja.lineTo(11.5, 5.0);
    hoja.lineTo(11.5, 15.5);
    hoja.lineTo(0.5, 15.5);
    hoja.closeSubpath();
    p.drawPath(hoja);
    p.setPen(Qt::NoPen);
    p.setBrush(tono);
    switch (clase) {
    case 1: // a question: a round dot and a stroke
        p.drawEllipse(QRectF(3.5, 5, 5, 5));
        p.drawRect(QRectF(5.2, 11.5, 1.6, 2));
        break;
    case 2: // exercises: short lines
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(2.5, 6 + 3 * i, 7, 1.5));
        break;
    case 3: // a problem: a band and a diagram
        p.drawRect(QRectF(2.5, 4, 5, 2));
        p.drawEllipse(QRectF(3, 8, 6, 6));
        break;
    default: // theory: a full block of text
        p.drawRect(QRectF(2.5, 4, 7, 9.5));
        break;
    }
    return img;
}

QImage progresiva() {
    QImage img = lienzo(38, 24);
    QPainter p(&img);
    preparaPintor(p);
    for (int i = 0; i < 5; ++i) {
        const double alto = 4 + 4 * i;
        QLinearGradient g(0, 24 - alto, 0, 24);
        g.setColorAt(0, QColor(120 + 25 * i, 200 - 30 * i, 80));
        g.setColorAt(1, QColor(90 + 25 * i, 160 - 25 * i, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(1 + 7.2 * i, 23 - alto, 6, alto), 1.2, 1.2);
    }
    return img;
}

// The welcome picture: a stack of worksheets with a pencil and an arrow of motion.
QImage bienvenida() {
    QImage img = lienzo(170, 270);
    QPainter p(&img);
    preparaPintor(p);
    QLinearGradient cielo(0, 0, 0, 270);
    cielo.setColorAt(0, QColor(226, 234, 250));
    cielo.setColorAt(1, QColor(186, 202, 236));
    p.setPen(QPen(QColor(140, 150, 190), 1));
    p.setBrush(cielo);
    p.drawRoundedRect(QRectF(0.5, 0.5, 169, 269), 8, 8);
    for (int k = 2; k >= 0; --k) {
        const QRectF hoja(28 + 8 * k, 46 - 6 * k + 24, 96, 132);
        QRectF zona = paginaMiniatura(p, hoja);
        if (k == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(kTinta);
            p.drawRect(QRectF(zona.left(), zona.top(), 26, 4));
            lineasTexto(p, QRectF(zona.left(), zona.top() + 10, zona.width(), 30), 4, 6,
                        QColor(160, 160, 180));
            // A projectile's path over the sheet.
            QPainterPath curva;
            curva.moveTo(zona.left() + 4, zona.bottom() - 6);
            curva.quadTo(zona.center().x(), zona.top() + 30, zona.right() - 4, zona.bottom() - 6);
            p.setPen(QPen(kAzul, 1.6, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawPath(curva);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 80, 60));
            p.drawEllipse(QPointF(zona.center().x(), zona.top() + 52), 4, 4);
        }
    }
    // The pencil.
    p.save();
    p.translate(118, 214);
    p.rotate(-38);
    p.setPen(QPen(QColor(120, 90, 30), 1));
    p.setBrush(QColor(250, 200, 70));
    p.drawRect(QRectF(0, -5, 56, 10));
    p.setBrush(QColor(240, 170, 160));
    p.drawRect(QRectF(56, -5, 8, 10));
    p.setBrush(QColor(240, 220, 180));
    const QPointF punta[] = {{0, -5}, {-12, 0}, {0, 5}};
    p.drawPolygon(punta, 3);
    p.restore();
    QFont letra(QStringLiteral("Liberation Sans"));
    letra.setPixelSize(15);
    letra.setBold(true);
    p.setFont(letra);
    p.setPen(kTinta);
    p.drawText(QRectF(0, 236, 170, 24), Qt::AlignCenter, QStringLiteral("NORV"));
    return img;
}

// A subject picture, 190 × 56: a coloured band with the subject's sign and name.
QImage asignatura(const QString& nombre, bool fisica) {
    QImage img(190, 56, QImage::Format_RGB32);
    QPainter p(&img);
    preparaPintor(p);
    QLinearGradient fondo(0, 0, 190, 56);
    fondo.setColorAt(0, fisica ? QColor(40, 70, 140) : QColor(150, 150, 160));
    fondo.setColorAt(1, fisica ? QColor(110, 150, 220) : QColor(210, 210, 218));
    p.fillRect(img.rect(), fondo);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
    p.setBrush(Qt::NoBrush);
    if (fisica) {
        // An atom: three orbits round a nucleus.
        const QPointF centro(30, 28);
        for (int k = 0; k < 3; ++k) {
            p.save();
            p.translate(centro);
            p.rotate(60.0 * k);
            p.drawEllipse(QPointF(0, 0), 20, 7);
            p.restore();
        }
        p.setBrush(QColor(255, 220, 120));
        p.setPen(Qt::NoPen);
        p.drawEllipse(centro, 3.5, 3.5);
    } else {
        // A book.
        p.drawRect(QRectF(16, 14, 28, 28));
        p.drawLine(QPointF(30, 14), QPointF(30, 42));
    }
    QFont letra(QStringLiteral("Liberation Sans"));
    letra.setPixelSize(fisica ? 22 : 15);
    letra.setBold(true);
    p.setFont(letra);
    p.setPen(Qt::white);
    p.drawText(QRectF(58, 0, 128, 56), Qt::AlignVCenter | Qt::AlignLeft, nombre);
    p.setPen(QPen(QColor(20, 30, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 189, 55));
    return img;
}

} // namespace

std::vector<Dibujo> dibujosAsistente() {
    return {
        {QStringLiteral("asistente_bienvenida.png"), bienvenida()},
        {QStringLiteral("asignatura_defecto.png"), asignatura(QStringLiteral("Asignatura"), false)},
        {QStringLiteral("arbol_mas.png"), marca('+')},
        {QStringLiteral("arbol_menos.png"), marca('-')},
        {QStringLiteral("arbol_puntos.png"), marca('.')},
        {QStringLiteral("carpeta_cerrada.png"), carpeta(false)},
        {QStringLiteral("carpeta_abierta.png"), carpeta(true)},
        {QStringLiteral("casilla_si.png"), casilla(true, false)},
        {QStringLiteral("casilla_no.png"), casilla(false, false)},
        {QStringLiteral("casilla_si_pulsada.png"), casilla(true, true)},
        {QStringLiteral("casilla_no_pulsada.png"), casilla(false, true)},
        {QStringLiteral("tipo_1.png"), tipo(1)},
        {QStringLiteral("tipo_2.png"), tipo(2)},
        {QStringLiteral("tipo_3.png"), tipo(3)},
        {QStringLiteral("tipo_4.png"), tipo(4)},
        {QStringLiteral("dificultad_progresiva.png"), progresiva()},
        // Subject pictures live beside the program, not among the embedded pictures.
        {QStringLiteral("../asignaturas/Física.jpg"), asignatura(QStringLiteral("Física"), true)},
    };
}

} // namespace vornith::ui_pictures
