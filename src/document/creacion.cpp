#include "document/creacion.h"

#include "generation/me_norv.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vornith::document {

int Entero(RandomSource& azar, int n) {
    return static_cast<int>(std::floor(static_cast<double>(azar.next()) * n));
}

int Arbol_to_Var(ListaTemas& lista, DatosColeccion& coleccion, TablaProblemas& problemas,
                 RandomSource& azar) {
    int n = 0;
    int omitidos = 0;
    const int filas = std::min<int>(lista.NumTemas, kMaxTemas);
    for (int r = 1; r <= filas; ++r) {
        Tema& tema = lista.Temas[r];
        if (!tema.Seleccionado || tema.Cantidad <= 0) {
            tema.Seleccionado = false;
            tema.Cantidad = 0;
            continue;
        }
        const int k = tema.Cantidad;
        if (n + k > kMaxProblemas) omitidos += n + k - std::max(n, kMaxProblemas);
        for (int j = 1; j <= k && n < kMaxProblemas; ++j) {
            Problema& p = problemas[++n];
            p.Clave = tema.Clave.trimmed();
            p.Tipo = tema.Rutina;
            p.Cantidad = static_cast<std::int16_t>(k);
            p.Orden = static_cast<std::int16_t>(j);
            p.Variante = tema.Variante;
            if (j == 1) {
                p.SemillaA = static_cast<std::int16_t>(Entero(azar, 900));
                p.SemillaB = static_cast<std::int16_t>(Entero(azar, 9000));
            } else {
                p.SemillaA = static_cast<std::int16_t>(problemas[n - 1].SemillaA + 1);
                p.SemillaB = static_cast<std::int16_t>(problemas[n - 1].SemillaB + 1);
            }
        }
    }
    coleccion.NPROB = n;
    return omitidos;
}

void Barajar(TablaProblemas& problemas, int n, RandomSource& azar) {
    if (n < 1) return;
    const auto sorteo = [&] {
        return static_cast<int>(std::floor(static_cast<double>(azar.next()) * n * 0.99999)) + 1;
    };
    for (int ronda = 0; ronda <= n; ++ronda) {
        const int a = sorteo();
        const int b = sorteo();
        Problema& x = problemas[a];
        Problema& y = problemas[b];
        std::swap(x.Tipo, y.Tipo);
        std::swap(x.SemillaA, y.SemillaA);
        std::swap(x.SemillaB, y.SemillaB);
        std::swap(x.Cantidad, y.Cantidad);
        std::swap(x.Orden, y.Orden);
        std::swap(x.Variante, y.Variante);
        std::swap(x.Clave, y.Clave);
    }
}

void BarajarGenerables(TablaProblemas& problemas, int n, RandomSource& azar) {
    std::vector<int> lugares;
    for (int i = 1; i <= n; ++i)
        if (generation::GeneraModulo(problemas[i].Clave)) lugares.push_back(i);
    if (static_cast<int>(lugares.size()) == n) {
        Barajar(problemas, n, azar);
        return;
    }
    TablaProblemas juntos = nuevaTablaProblemas();
    for (std::size_t k = 0; k < lugares.size(); ++k)
        juntos[k + 1] = problemas[lugares[k]];
    Barajar(juntos, static_cast<int>(lugares.size()), azar);
    for (std::size_t k = 0; k < lugares.size(); ++k)
        problemas[lugares[k]] = juntos[k + 1];
}

int NoGenerables(const TablaProblemas& problemas, int n) {
    return static_cast<int>(std::count_if(
        problemas.begin() + 1, problemas.begin() + 1 + std::clamp(n, 0, kMaxProblemas),
        [](const Problema& p) { return !generation::GeneraModulo(p.Clave); }));
}

QString MensajeSinRegenerar(int n) {
    const QString causa = generation::CausaOtraAsignatura();
    if (n == 1)
        return QStringLiteral("No se puede regenerar el problema: se ha dejado como estaba. ") +
               causa;
    return QStringLiteral("No se pueden regenerar %1 problemas: se han dejado como estaban. ")
               .arg(n) +
           causa;
}

QString MensajeNoRegenerable() {
    return QStringLiteral("No se puede regenerar el problema. ") +
           generation::CausaOtraAsignatura();
}

} // namespace vornith::document
