#pragma once

// What the tests of the cord and horizontal-plane generators add to generador_directo.h:
// scripted draws, the diagram constructs of a statement, and a source that keeps a redraw
// loop failing.

#include "generador_directo.h"
#include "generated_text.h"
#include "generation/module_interface.h"
#include "platform/random.h"
#include "support/fakes.h"

#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace vornith::test {

// Runs the routine on scripted draws (after the four the dispatcher discards) and tells how
// many of them it used.
inline Generado generaConGuion(generation::RutinaGeneradora rutina, std::int32_t semilla,
                               const std::vector<float>& guion, int& sorteos) {
    ScriptedRandom rng;
    rng.script = {0.0F, 0.0F, 0.0F, 0.0F};
    rng.script.insert(rng.script.end(), guion.begin(), guion.end());
    const Generado p = generaDirecto(rutina, semilla, rng);
    sorteos = rng.draws - 4;
    return p;
}

// The numbers of `texto`, each within 1e-9 of the expected one.
inline void esperaNumeros(const QString& texto, const std::vector<double>& esperados) {
    const QList<double> leidos = numerosEn(texto);
    ASSERT_EQ(leidos.size(), static_cast<qsizetype>(esperados.size())) << texto.toStdString();
    for (std::size_t i = 0; i < esperados.size(); ++i)
        EXPECT_NEAR(leidos[static_cast<qsizetype>(i)], esperados[i], 1e-9)
            << "number " << i << " of " << texto.toStdString();
}

// One "#IMG(" construct with the tab set just before it.
struct Dibujo {
    QString espacio; // "&SP=60:"
    QString fichero;
    QString dx;
    QString dy;
    bool operator==(const Dibujo&) const = default;
};

inline QList<Dibujo> dibujosEn(const QString& texto) {
    static const QRegularExpression re(
        QStringLiteral("(&SP=\\d+:)?#IMG\\('([^']*)'DXmm=([^:]*):DYmm=([^:]*):#IMG\\)"));
    QList<Dibujo> dibujos;
    auto it = re.globalMatch(texto);
    while (it.hasNext()) {
        const auto m = it.next();
        dibujos.append({m.captured(1), m.captured(2), m.captured(3), m.captured(4)});
    }
    return dibujos;
}

// The nine diagram pictures that exist beside the program.
inline bool esDibujoConocido(const QString& fichero) {
    static const QStringList nombres = {
        QStringLiteral("F_DIN_ATWOOD.GIF"), QStringLiteral("F_DIN_ME2M.GIF"),
        QStringLiteral("F_DIN_pis2M.GIF"),  QStringLiteral("F_DIN_ME3M.GIF"),
        QStringLiteral("F_DIN_HOOKE.GIF"),  QStringLiteral("F_DIN_PENCON.GIF"),
        QStringLiteral("f_din_pis.GIF"),    QStringLiteral("f_din_pii.GIF"),
        QStringLiteral("f_din_peral.GIF")};
    return nombres.contains(fichero);
}

// The house rules, and every picture well formed and one of the nine.
inline void compruebaNormasDinamica(const Generado& p) {
    compruebaNormas(p);
    const qsizetype construcciones = p.enunciado.count(QLatin1String("#IMG("));
    const QList<Dibujo> dibujos = dibujosEn(p.enunciado);
    EXPECT_EQ(dibujos.size(), construcciones) << p.enunciado.toStdString();
    for (const Dibujo& d : dibujos)
        EXPECT_TRUE(esDibujoConocido(d.fichero)) << d.fichero.toStdString();
    EXPECT_FALSE(p.solucion.contains(QLatin1String("#IMG"))) << p.solucion.toStdString();
}

// A source that repeats one cycle of draws for ever, whatever the seed.
class RandomCiclico final : public RandomSource {
  public:
    explicit RandomCiclico(std::vector<float> ciclo) : ciclo_(std::move(ciclo)) {}
    void reseed(std::int64_t) override {}
    void reseedFromClock() override {}
    float next() override { return ciclo_[i_++ % ciclo_.size()]; }

  private:
    std::vector<float> ciclo_;
    std::size_t i_ = 0;
};

} // namespace vornith::test
