#include "textengine/drawers/arco_afilado.h"

#include "platform/units.h"
#include "textengine/drawers/drawer_frame.h"

#include <algorithm>
#include <cmath>

namespace vornith::textengine {

namespace {
constexpr double kMaxPluma = 10000; // pixels
}

void DibujaArco(double cx, double cy, double r, double a1, double a2, double w1, double w2, int n,
                Surface& destino) {
    if (n < 1 || !std::isfinite(a1) || !std::isfinite(a2)) return;
    if (a2 < a1) {
        // Whole turns at once: a loop of single turns would never end for far-apart angles.
        a2 += std::ceil((a1 - a2) / 360) * 360;
        if (a2 < a1) a2 = a1;
    }
    const double pi = 4 * std::atan(1.0);
    const double r1 = a1 * pi / 180;
    const double r2 = a2 * pi / 180;

    const int guardada = destino.drawWidth();
    const double tpp = TwipsPorPixelPluma(destino);
    // Printer pixels are small: a 1-pixel curve would look broken there.
    const double minimo = destino.kind() == SurfaceKind::Printer ? 2 : 1;
    // Widths are held to a sane range so that the pixel count is always a valid integer.
    const auto pixeles = [&](double w) {
        return std::isfinite(w) ? std::clamp(w / tpp, minimo, kMaxPluma) : minimo;
    };
    const double p1 = pixeles(w1);
    const double p2 = pixeles(w2);
    for (int i = 0; i < n; ++i) {
        const double t1 = r1 + (r2 - r1) * i / n;
        const double t2 = r1 + (r2 - r1) * (i + 1) / n;
        destino.setDrawWidth(penWidthPixels(p1 + (p2 - p1) * i / n, 1.0));
        destino.line(cx + r * std::cos(t1), cy - r * std::sin(t1), cx + r * std::cos(t2),
                     cy - r * std::sin(t2));
    }
    destino.setDrawWidth(guardada);
}

} // namespace vornith::textengine
