// "#RWS(" a "#RW1(" ... "#RW1)" "#RW2(" ... "#RW2)" ... "#RWS)": up to nine rows stacked one
// under the other, aligned left, centred or right ("L", "C", "R", either case) in the widest.

#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"
#include "textengine/markup.h"

#include <QList>

#include <algorithm>
#include <optional>

namespace vornith::textengine {

namespace {

constexpr int kMaxFilas = 9;

struct PartesFilas {
    QChar alineacion; // 'L', 'C' or 'R'
    QList<QString> filas;
    bool conError = false; // the last row is the error mark
};

// The alignment and the rows of a stack, or nothing when `texto` is not framed as one. Row i
// must open exactly where row i - 1 closed; a missing or unclosed row becomes the red error
// mark and ends the stack. What follows a ninth row is dropped.
std::optional<PartesFilas> LeeFilas(const QString& texto) {
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#RWS(");
    if (!cuerpo) return std::nullopt;
    PartesFilas partes;
    const QChar a = cuerpo->isEmpty() ? QChar(u'L') : cuerpo->front().toUpper();
    // An unknown alignment letter aligns left.
    partes.alineacion = a == u'C' || a == u'R' ? a : QChar(u'L');
    QStringView resto = cuerpo->mid(1);
    for (int i = 1; i <= kMaxFilas && !resto.isEmpty(); ++i) {
        const QString digito(QChar(u'0' + i));
        const QString abre = QStringLiteral("#RW") + digito + u'(';
        const QString cierra = QStringLiteral("#RW") + digito + u')';
        const qsizetype largo = resto.startsWith(abre) ? LongitudBloque(resto, abre, cierra) : -1;
        if (largo < 0) {
            partes.filas.append(kTextoError.toString());
            partes.conError = true;
            break;
        }
        partes.filas.append(resto.mid(5, largo - 10).toString());
        resto = resto.mid(largo);
    }
    return partes;
}

} // namespace

void DibujaFilas(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<PartesFilas> partes = LeeFilas(texto);
    if (!partes) {
        DibujaError(motor, texto, destino);
        return;
    }
    const QList<QString>& filas = partes->filas;
    const auto n = static_cast<int>(filas.size());

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    const Rgb colorEntrada = destino.foreColor();
    const double h = AltoTexto(destino);
    const double gap = std::max(0.0354 * h, 1.0);

    if (midiendo) {
        for (int k = 1; k <= n; ++k)
            ParteConstruccion(motor, e, k, filas[k - 1], destino);
    }
    double wMax = 0;      // the widest row, lead included
    double altoTotal = 0; // all rows with their room above and the gaps between them
    for (int k = 1; k <= n; ++k) {
        const CajaElemento& R = CajaParte(motor, e, k);
        wMax = std::max(wMax, R.DespIzq + R.Ancho);
        altoTotal += R.AltoSobre + R.Alto + (k > 1 ? gap : 0);
    }
    const CajaElemento R1 = n > 0 ? CajaParte(motor, e, 1) : CajaElemento{};

    if (!midiendo) {
        // Row 1 has its top at the box's top; each next row follows a gap below the last one's
        // bottom, so the stack fills the box exactly.
        double d = -R1.AltoSobre;
        for (int k = 1; k <= n; ++k) {
            const CajaElemento R = CajaParte(motor, e, k);
            const double w = R.DespIzq + R.Ancho;
            double x = marco.X0 + R.DespIzq;
            if (partes->alineacion == u'C') x += (wMax - w) / 2;
            if (partes->alineacion == u'R') x = marco.X0 + wMax - R.Ancho;
            destino.moveTo(x, marco.Y0 + d + R.AltoSobre);
            ParteConstruccion(motor, e, k, filas[k - 1], destino);
            d += R.AltoSobre + R.Alto + gap;
        }
        // The error mark of a bad row ends in black: the text after the stack keeps its colour.
        if (partes->conError) destino.setForeColor(colorEntrada);
    }
    marco.fuente.restaura(destino);
    if (midiendo) {
        const double alto = n >= 2 ? altoTotal - R1.AltoSobre : R1.Alto;
        // Several rows: the line's axis goes through the middle of the whole stack.
        const double ascenso = n >= 2 ? (alto - R1.AltoSobre) / 2 : R1.Ascenso;
        EscribeCaja(motor, e, R1.DespIzq, wMax, R1.AltoSobre, ascenso, alto, texto);
    }
}

} // namespace vornith::textengine
