#pragma once

// Reads what a PDF written by the printer surface draws: the glyphs of its text with their
// origins and the starting points of its paths, in PDF points on the page.

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <vector>

namespace vornith::test {

struct GlifoPdf {
    QByteArray fuente; // the font resource, "/F7"
    QByteArray codigo; // the hex glyph code
    QPointF origen;
};

struct ContenidoPdf {
    std::vector<GlifoPdf> glifos;
    std::vector<QPointF> trazos; // the point of every "m"
    QByteArray orden;            // 'g' for each glyph, 'm' for each path start, in order
};

// The text pdftotext reads from `pdf`: every page, or page `pagina` alone; "(pdftotext failed)"
// when it cannot read it.
inline QString TextoPdf(const QString& pdf, int pagina = 0) {
    QStringList argumentos{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (pagina > 0) {
        const QString n = QString::number(pagina);
        argumentos << QStringLiteral("-f") << n << QStringLiteral("-l") << n;
    }
    argumentos << pdf << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumentos);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("(pdftotext failed)");
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page content streams of `pdf`, decompressed, in the order they appear in the file.
inline QList<QByteArray> FlujosDeContenido(const QByteArray& pdf) {
    QList<QByteArray> flujos;
    static const QRegularExpression flujo(
        QStringLiteral("/Filter /FlateDecode\\s*>>\\s*stream\\r?\\n"));
    const QString texto = QString::fromLatin1(pdf);
    auto it = flujo.globalMatch(texto);
    while (it.hasNext()) {
        const auto m = it.next();
        const qsizetype inicio = m.capturedEnd();
        const qsizetype fin = pdf.indexOf("endstream", inicio);
        if (fin < 0) break;
        // qUncompress takes zlib data after the expected size, big-endian.
        QByteArray datos("\x00\x10\x00\x00", 4);
        datos += pdf.mid(inicio, fin - inicio);
        const QByteArray claro = qUncompress(datos);
        if (claro.contains(" Tj") || claro.contains(" cm")) flujos.append(claro);
    }
    return flujos;
}

// Runs the operators of one content stream that place text and paths.
inline ContenidoPdf LeeContenido(const QByteArray& flujo) {
    ContenidoPdf c;
    QTransform ctm;
    std::vector<QTransform> pila;
    QTransform linea; // the text line matrix
    QByteArray fuente;
    std::vector<QByteArray> operandos;
    const auto numero = [&](std::size_t i) { return operandos[i].toDouble(); };
    const auto matriz = [&]() {
        return QTransform(numero(0), numero(1), numero(2), numero(3), numero(4), numero(5));
    };
    qsizetype i = 0;
    while (i < flujo.size()) {
        const char ch = flujo[i];
        if (ch == ' ' || ch == '\n' || ch == '\r') {
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        if (ch == '<' || ch == '[') {
            j = flujo.indexOf(ch == '<' ? '>' : ']', i) + 1;
            if (j == 0) break; // unterminated: the rest is no content
        } else {
            while (j < flujo.size() && !QByteArray(" \n\r<[/").contains(flujo[j]))
                ++j;
        }
        const QByteArray t = flujo.mid(i, j - i);
        i = j;
        const bool operando = t[0] == '/' || t[0] == '<' || t[0] == '[' || t[0] == '-' ||
                              t[0] == '.' || (t[0] >= '0' && t[0] <= '9');
        if (operando) {
            operandos.push_back(t);
            continue;
        }
        if (t == "q") {
            pila.push_back(ctm);
        } else if (t == "Q" && !pila.empty()) {
            ctm = pila.back();
            pila.pop_back();
        } else if (t == "cm" && operandos.size() == 6) {
            ctm = matriz() * ctm;
        } else if (t == "BT") {
            linea = QTransform();
        } else if (t == "Tf" && operandos.size() == 2) {
            fuente = operandos[0];
        } else if (t == "Tm" && operandos.size() == 6) {
            linea = matriz();
        } else if (t == "Td" && operandos.size() == 2) {
            linea = QTransform::fromTranslate(numero(0), numero(1)) * linea;
        } else if (t == "Tj" && operandos.size() == 1) {
            c.glifos.push_back({fuente, operandos[0].mid(1, operandos[0].size() - 2),
                                (linea * ctm).map(QPointF())});
            c.orden += 'g';
        } else if (t == "m" && operandos.size() == 2) {
            c.trazos.push_back(ctm.map(QPointF(numero(0), numero(1))));
            c.orden += 'm';
        }
        operandos.clear();
    }
    return c;
}

} // namespace vornith::test
