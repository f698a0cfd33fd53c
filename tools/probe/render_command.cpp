// vornith-probe render: draws a markup file with the page entry and reports the block tables.

#include "commands.h"
#include "plataforma.h"

#include "textengine/page_entry.h"

#include <QFile>
#include <QTextStream>

#include <charconv>
#include <cstdio>
#include <string>

namespace vornith::probe {

namespace {

template <typename T> std::string numero(T v) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, r.ptr);
}

std::string informe(const textengine::EstadoMotor& m) {
    std::string s = "{\"MarcaResultado\": " + numero(m.MarcaResultado) +
                    ", \"NumBloquesPagina\": " + numero(m.NumBloquesPagina) + ", \"blocks\": [";
    for (int n = 1; n <= m.NumBloquesPagina; ++n) {
        const auto k = static_cast<std::size_t>(n);
        if (n > 1) s += ", ";
        s += "{\"ref\": " + numero(m.BloqueRef[k]) + ", \"y1\": " + numero(m.BloqueY1[k]) +
             ", \"y2\": " + numero(m.BloqueY2[k]) + "}";
    }
    return s + "]}\n";
}

int fallo(const QString& mensaje) {
    QTextStream(stderr) << "vornith-probe render: " << mensaje << '\n';
    return 2;
}

} // namespace

int runRender(const QStringList& arguments) {
    double zoom = 1;
    bool impresora = false;
    QString png;
    QString pdf;
    QString archivo;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hayValor = i + 1 < arguments.size();
        if (a == u"--zoom" && hayValor) {
            bool ok = false;
            zoom = arguments[++i].toDouble(&ok);
            if (!ok || !(zoom >= 0.1 && zoom <= 8)) return fallo(QStringLiteral("bad --zoom"));
        } else if (a == u"--printer") {
            impresora = true;
        } else if (a == u"--png" && hayValor) {
            png = arguments[++i];
        } else if (a == u"--pdf" && hayValor) {
            pdf = arguments[++i];
        } else if (archivo.isEmpty() && !a.startsWith(u"--")) {
            archivo = a;
        } else {
            return fallo(QStringLiteral("unexpected argument \"%1\"").arg(a));
        }
    }
    if (archivo.isEmpty() || png.isEmpty() == pdf.isEmpty())
        return fallo(QStringLiteral("usage: render [--zoom Z] "
                                    "(--png OUT.png | --printer --pdf OUT.pdf) FILE"));
    if (impresora != !pdf.isEmpty())
        return fallo(QStringLiteral("--printer writes a PDF (--pdf), the page box a PNG (--png)"));

    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) return fallo(QStringLiteral("cannot read ") + archivo);
    QByteArray bytes = f.readAll();
    bytes.replace('\r', QByteArray()).replace('\n', QByteArray());
    const QString texto = QString::fromUtf8(bytes);

    // The printer draws at zoom 1 on its own surface; the page box at the zoom asked for.
    NucleoProbe probe(impresora ? 1.0 : zoom);
    textengine::EstadoMotor& motor = probe.nucleo.motor;
    if (impresora) {
        auto trabajo = probe.impresoras.beginJob({QString(), pdf}, QStringLiteral("vornith-probe"));
        if (!trabajo) return fallo(QStringLiteral("cannot write ") + pdf);
        double tamano = 12;
        textengine::DibujaTextoFormateado(motor, texto, tamano, trabajo->surface());
        if (!trabajo->endDoc()) return fallo(QStringLiteral("cannot write ") + pdf);
    } else {
        double tamano = 12 * zoom;
        textengine::DibujaTextoFormateado(motor, texto, tamano, probe.caja);
        if (!probe.caja.image().save(png, "PNG"))
            return fallo(QStringLiteral("cannot write ") + png);
    }
    const std::string salida = informe(motor);
    std::fwrite(salida.data(), 1, salida.size(), stdout);
    return 0;
}

} // namespace vornith::probe
