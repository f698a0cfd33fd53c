// "#TST(" base "#TS)(" "#ST1(" text "#ST1)" ["#ST2(" text "#ST2)" ["#ST3(" text "#ST3)"]]
// "#TST)": a base with one to three smaller texts stacked under it, left-aligned.

#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/escritos.h"
#include "textengine/drawers/separador.h"
#include "textengine/markup.h"

#include <algorithm>
#include <array>

namespace vornith::textengine {

namespace {

struct Apilado {
    QString base;
    std::array<QString, 3> textos;
    int cuantos = 0;
};

// The base and the texts, or nullopt when the markup is malformed: no "#TS)(", no first text,
// or something other than the next text where one may follow. Anything after a third text is
// ignored.
std::optional<Apilado> Separa(const QString& texto) {
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#TST(");
    const qsizetype corte = cuerpo ? BuscaSeparador(*cuerpo, u"#TS)(") : -1;
    if (corte < 0) return std::nullopt;
    Apilado a;
    a.base = cuerpo->left(corte).toString();
    QStringView resto = cuerpo->mid(corte + 5);
    static constexpr std::array<QStringView, 3> kAbre = {u"#ST1(", u"#ST2(", u"#ST3("};
    static constexpr std::array<QStringView, 3> kCierra = {u"#ST1)", u"#ST2)", u"#ST3)"};
    for (std::size_t k = 0; k < kAbre.size(); ++k) {
        if (k > 0 && resto.isEmpty()) break;
        if (!resto.startsWith(kAbre[k])) return std::nullopt;
        const qsizetype largo = LongitudBloque(resto, kAbre[k], kCierra[k]);
        if (largo < 0) return std::nullopt;
        a.textos[k] = resto.mid(5, largo - 10).toString();
        a.cuantos = static_cast<int>(k) + 1;
        resto = resto.mid(largo);
    }
    return a;
}

} // namespace

void DibujaApilado(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<Apilado> partes = Separa(texto);
    if (!partes) {
        DibujaError(motor, texto, destino);
        return;
    }
    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    const double h = AltoTexto(destino);
    const double g = std::max(0.0354 * h, 1.0);
    const int n = partes->cuantos;

    if (midiendo) {
        ParteConstruccion(motor, e, 0, partes->base, destino);
        for (int k = 1; k <= n; ++k) {
            ReduceApilado(motor, destino);
            ParteConstruccion(motor, e, k, partes->textos[static_cast<std::size_t>(k - 1)],
                              destino);
            destino.setFontSize(marco.fuente.tamano());
            --motor.NivelExponente;
        }
    } else {
        const CajaElemento B = CajaParte(motor, e, 0);
        destino.moveTo(marco.X0 + B.DespIzq, marco.Y0);
        ParteConstruccion(motor, e, 0, partes->base, destino);
        double y = B.Alto + g;
        for (int k = 1; k <= n; ++k) {
            const CajaElemento S = CajaParte(motor, e, k);
            ReduceApilado(motor, destino);
            destino.moveTo(marco.X0 + S.DespIzq, marco.Y0 + y + S.AltoSobre);
            ParteConstruccion(motor, e, k, partes->textos[static_cast<std::size_t>(k - 1)],
                              destino);
            destino.setFontSize(marco.fuente.tamano());
            y += S.AltoSobre + S.Alto + g;
            --motor.NivelExponente;
        }
    }
    marco.fuente.restaura(destino);
    if (midiendo) {
        const CajaElemento B = CajaParte(motor, e, 0);
        double ancho = std::max(B.Ancho, 0.0);
        double alto = B.Alto;
        for (int k = 1; k <= n; ++k) {
            const CajaElemento& S = CajaParte(motor, e, k);
            ancho = std::max(ancho, S.Ancho);
            alto += g + S.AltoSobre + S.Alto;
        }
        EscribeCaja(motor, e, B.DespIzq, ancho, B.AltoSobre, B.Ascenso, alto, texto);
    }
}

} // namespace vornith::textengine
