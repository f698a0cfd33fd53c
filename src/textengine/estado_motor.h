#pragma once

#include "platform/colour.h"
#include "textengine/notation.h"

#include <QChar>
#include <QString>

#include <array>
#include <memory>
#include <unordered_map>

namespace vornith {
class EventLoop;
class PictureLoader;
} // namespace vornith

namespace vornith::textengine {

// Fixed limits of the engine's tables.
inline constexpr int kMaxElemento = 200;      // element numbers of one output line
inline constexpr int kMaxCajasLinea = 50;     // constructs directly in one line or part
inline constexpr int kMaxBloquesPagina = 500; // "#MARK" lines of one page
inline constexpr int kMaxLineas = 10000;      // lines of one text
inline constexpr int kNumSimbolos = 78;       // slots of the symbol table

// The box of one laid-out element, in twips.
struct CajaElemento {
    double DespIzq = 0;   // lead from the current X to the element's left edge
    double Ancho = 0;     // width; the element advances the line by DespIzq + Ancho
    double AltoSobre = 0; // room needed above the element's top
    double Ascenso = 0;   // from the element's top down to its axis
    double Alto = 0;      // from the element's top down to its bottom
    QString Texto;        // the text the element was measured from
    double PosX = 0;      // the surface's position when the drawing pass began the element
    double PosY = 0;
};

// `Cajas`, indexed 0 to kMaxElemento. An index outside the table reaches a scratch box, so a
// line that needs more element numbers than the table holds is laid out wrongly but never
// writes outside it; the line processor ends such a line early (see ProcesaLinea).
class TablaCajas {
public:
    CajaElemento& operator()(int n) { return dentro(n) ? cajas_[n] : fuera_; }
    const CajaElemento& operator()(int n) const { return dentro(n) ? cajas_[n] : fuera_; }

private:
    static bool dentro(int n) { return n >= 0 && n <= kMaxElemento; }
    std::array<CajaElemento, kMaxElemento + 1> cajas_{};
    CajaElemento fuera_;
};

// `TablaNivel`(e, k), both indexed 0 to kMaxElemento: the element number of part k of the
// construct whose own number is e. Held on the heap (41,000 entries); indexes outside the table
// reach a scratch entry, as for TablaCajas.
class TablaNiveles {
public:
    TablaNiveles() : valores_(std::make_unique<int[]>(kLado * kLado)) {}
    int& operator()(int e, int k) {
        return dentro(e, k) ? valores_[static_cast<std::size_t>(e * kLado + k)] : fuera_;
    }
    int operator()(int e, int k) const {
        return dentro(e, k) ? valores_[static_cast<std::size_t>(e * kLado + k)] : 0;
    }

private:
    static constexpr int kLado = kMaxElemento + 1;
    static bool dentro(int e, int k) { return e >= 0 && e < kLado && k >= 0 && k < kLado; }
    std::unique_ptr<int[]> valores_;
    int fuera_ = 0;
};

// Every module variable of the formatted-text engine, under its system name, and the services
// the engine uses. One object per program (a test builds its own); every engine function takes
// it explicitly. The engine is not re-entrant: drawers nest only through ProcesaLinea.
struct EstadoMotor {
    // Line layout (ProcesaLinea and the construct drawers).
    TablaCajas Cajas;
    int NumElemento = 0;
    int ModoDibujo = 0; // 0 measuring pass, 1 drawing pass
    TablaNiveles TablaNivel;
    int NivelCociente = 0;
    int NivelExponente = 0;
    Rgb ColorRelleno = 0; // fill colour of "&FF", set by "&BC"
    Rgb ColorLinea = 0;   // colour of the drawers' lines, set by "&LC"

    // Page geometry of the page drawn last, in twips.
    double AnchoPagina = 0;
    double AltoPagina = 0;
    double MargenIzqPagina = 0;
    double MargenDerPagina = 0;
    double MargenSupPagina = 0;
    double MargenInfPagina = 0;
    double SangriaIzq = 0;

    // Result and block tables of the page drawn last; blocks are numbered from 1.
    int MarcaResultado = 0;
    int NumBloquesPagina = 0;
    std::array<int, kMaxBloquesPagina + 1> BloqueRef{};
    std::array<bool, kMaxBloquesPagina + 1> BloqueSel{};
    std::array<double, kMaxBloquesPagina + 1> BloqueY1{};
    std::array<double, kMaxBloquesPagina + 1> BloqueY2{};
    // The page's first block when it is taller than the page: its lines stop at the bottom
    // margin under a mark that says so. 0 when nothing was cut.
    int BloqueCortado = 0;

    // Tables set by IniciaMotor. DesplOperador(class 1..3, operator 1..4), as fractions of h.
    std::array<std::array<float, 5>, 4> DesplOperador{};
    std::array<QString, kNumSimbolos + 1> SimboloTag; // slots 1..78
    std::array<QString, kNumSimbolos + 1> SimboloCar;
    double PI = 0;

    // Notation strings, written once by FijaNotacion before IniciaMotor runs.
    Notacion notacion;

    // What the engine reads of the main window.
    double Zoom = 1.0;
    bool MostrarMargenes = false;

    // Services. A null picture loader loads nothing; a null event loop is never yielded to.
    PictureLoader* pictures = nullptr;
    EventLoop* eventLoop = nullptr;
    int printerCount = 0; // installed printers

    // How deep the line processor is inside construct parts: 0 for the page entry's lines.
    int partDepth = 0;

    // One-character texts, shared so that measuring a character allocates nothing.
    const QString& textoDe(QChar c);

private:
    std::array<QString, 256> latin_;
    std::unordered_map<char16_t, QString> otros_;
};

} // namespace vornith::textengine
