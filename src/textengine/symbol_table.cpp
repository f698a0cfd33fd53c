#include "textengine/symbol_table.h"

#include "platform/cp1252.h"

#include <array>
#include <vector>

namespace vornith::textengine {

namespace {

struct Simbolo {
    const char16_t* tag;
    unsigned char codigo; // Windows-1252 code of the glyph in the slot's font
};

// Slot k is entry k - 1. Slot 67 repeats the tag of slot 47, so it is never reached: the first
// match wins.
constexpr Simbolo kSimbolos[kNumSimbolos] = {
    {u"&alfa", 97},     {u"&beta", 98},     {u"&gamma", 103},  {u"&Gamma", 71},   {u"&delta", 100},
    {u"&Delta", 68},    {u"&epsilon", 101}, {u"&zeta", 122},   {u"&eta", 104},    {u"&teta", 113},
    {u"&Teta", 81},     {u"&iota", 105},    {u"&kappa", 107},  {u"&lambda", 108}, {u"&Lambda", 76},
    {u"&mu", 109},      {u"&nu", 110},      {u"&xi", 120},     {u"&Xi", 88},      {u"&pi", 112},
    {u"&Pi", 80},       {u"&ro", 114},      {u"&sigma", 115},  {u"&Sigma", 83},   {u"&tau", 116},
    {u"&ypsilon", 117}, {u"&Ypsilon", 161}, {u"&fi", 106},     {u"&Fi", 70},      {u"&ji", 99},
    {u"&psi", 121},     {u"&Psi", 89},      {u"&omega", 119},  {u"&Omega", 87},   {u"&ald", 220},
    {u"&aud", 221},     {u"&ard", 222},     {u"&add", 223},    {u"&alrd", 219},   {u"&als", 172},
    {u"&aus", 173},     {u"&ars", 174},     {u"&ads", 175},    {u"&alrs", 171},   {u"&divi", 184},
    {u"&!=", 185},      {u"&vacio", 198},   {u"&iorden", 187}, {u"&aprox", 64},   {u"&real", 194},
    {u"&<=", 163},      {u"&>=", 179},      {u"&oo", 165},     {u"&Vacio", 198},  {u"&theta", 113},
    {u"&Theta", 81},    {u"&perte", 206},   {u"&nabla", 209},  {u"&perpen", 94},  {u"&todo", 34},
    {u"&exist", 36},    {u"&parci", 182},   {u"&itg", 242},    {u"&pm", 177},     {u"&aspa", 180},
    {u"&noperte", 207}, {u"&vacio", 102},   {u"&TRE", 167},    {u"&DIA", 168},    {u"&COR", 169},
    {u"&PIC", 170},     {u"&rho", 114},     {u"&and", 217},    {u"&or", 218},     {u"&union", 85},
    {u"&inter", 73},    {u"&mp", 109},      {u"&hbar", 104},
};

// Every tag begins with "&": the slots whose tag has a given second character, in slot order.
// The line processor looks a symbol up at every "&", so it compares only those few tags.
using IndiceSimbolos = std::array<std::vector<int>, 128>;

const IndiceSimbolos& indiceSimbolos() {
    static const IndiceSimbolos indice = [] {
        IndiceSimbolos i;
        for (int k = 1; k <= kNumSimbolos; ++k)
            i[static_cast<std::size_t>(kSimbolos[k - 1].tag[1])].push_back(k);
        return i;
    }();
    return indice;
}

} // namespace

QStringView FuenteSimbolo(int k) {
    return k >= kPrimerSimboloMTExtra ? QStringView(u"MT Extra") : QStringView(u"Symbol");
}

void LlenaTablaSimbolos(EstadoMotor& motor) {
    for (int k = 1; k <= kNumSimbolos; ++k) {
        motor.SimboloTag[k] = QString::fromUtf16(kSimbolos[k - 1].tag);
        motor.SimboloCar[k] = QString(cp1252Char(kSimbolos[k - 1].codigo));
    }
}

int BuscaSimbolo(const EstadoMotor& motor, QStringView texto) {
    if (texto.size() < 2 || texto[0] != u'&') return 0;
    const char16_t segundo = texto[1].unicode();
    if (segundo >= indiceSimbolos().size()) return 0;
    for (const int k : indiceSimbolos()[segundo]) {
        const QString& tag = motor.SimboloTag[static_cast<std::size_t>(k)];
        if (!tag.isEmpty() && texto.startsWith(tag)) return k;
    }
    return 0;
}

} // namespace vornith::textengine
