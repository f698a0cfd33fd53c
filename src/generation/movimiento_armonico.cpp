#include "generation/movimiento_armonico.h"

#include <cmath>

namespace vornith::generation {

double SorteaAmplitud(Generador& g) {
    const double a = g.Aleatorio(15, 495, 1, 1) / 100;
    return a == 1 ? 2 : a;
}

double SorteaPeriodo(Generador& g) {
    const double periodo = g.Aleatorio(50, 9000, 10, 1) / 1000;
    return g.Rnd() > 0.5 ? g.Aleatorio(50, 900, 10, 1) / 1000 : periodo;
}

FaseInicial SorteaFaseInicial(Generador& g) {
    FaseInicial inicio{QString(), QStringLiteral("su elongación es nula")};
    if (g.Rnd() > 0.5)
        inicio = {QStringLiteral("& +& &pi/6"),
                  QStringLiteral("su elongación es la mitad de la amplitud")};
    if (g.Rnd() > 0.5)
        inicio = {QStringLiteral("& +& &pi/2"), QStringLiteral("su elongación es máxima")};
    return inicio;
}

double SorteaElongacion(Generador& g, double a) {
    return a * g.Aleatorio(20, 80, 1, 1) / 100;
}

double VelocidadEnElongacion(double a, double w, double x) {
    return std::sqrt(a * a - x * x) * w;
}

QString TextoPulsacion(double w) {
    const QString texto = C4(w);
    return texto == QLatin1String("1") ? QString() : texto + QStringLiteral("& ");
}

QString TextoElongacion(double a, double w, const QString& fase) {
    return QStringLiteral("&+Ix(t)&-I& =& ") + C4(a) + QStringLiteral("& sen(") +
           TextoPulsacion(w) + QStringLiteral("&+It&-I") + fase + u')';
}

} // namespace vornith::generation
