#pragma once

// Reading polynomials in the italic t and plane vectors back from generated markup, so that
// tests can differentiate and evaluate what a statement or a solution prints.

#include <QString>

#include <array>
#include <optional>

namespace vornith::test {

// c[k] is the coefficient of t^k.
struct PolinomioT {
    std::array<double, 4> c{};

    double en(double t) const { return ((c[3] * t + c[2]) * t + c[1]) * t + c[0]; }
    PolinomioT derivada() const { return {{c[1], 2 * c[2], 3 * c[3], 0}}; }
    int terminosEnT() const { return (c[1] != 0) + (c[2] != 0) + (c[3] != 0); }
    friend bool operator==(const PolinomioT&, const PolinomioT&) = default;
};

// A polynomial of degree at most 3 in "&+It&-I" as the polynomial text writes it
// ("3&+It&-I^3& -& 2&+It&-I& +& 5", hard or plain blanks). No value for anything else.
std::optional<PolinomioT> leePolinomio(const QString& texto);

// One component of a plane vector: its value and whether it was written in parentheses.
struct ComponenteLeida {
    PolinomioT valor;
    bool parentesis = false;
};

struct VectorLeido {
    ComponenteLeida i, j;
};

// A plane vector as the vector text writes it: components that are numbers or polynomials in
// t, with the unit vectors i and j; "#VEC(0#VEC)" is the zero vector. No value for anything
// else, a k component included.
std::optional<VectorLeido> leeVector(const QString& texto);

// The text between the first `antes` and the next `despues`; no value when either is missing.
std::optional<QString> entre(const QString& texto, const QString& antes, const QString& despues);

} // namespace vornith::test
