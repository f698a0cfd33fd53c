// vornith-probe collection: makes or opens a collection as the program would, and reports it.

#include "commands.h"
#include "json.h"
#include "plataforma.h"

#include "generation/me_norv.h"

#include <QTextStream>

#include <cstdio>
#include <optional>

namespace vornith::probe {

namespace {

int fallo(const QString& mensaje) {
    QTextStream(stderr) << "vornith-probe collection: " << mensaje << '\n';
    return 2;
}

struct Opciones {
    QString nueva;
    QString abrir;
    std::optional<int> possol;
    std::optional<bool> ordena;
    std::optional<QString> titulo;
    double zoom = 1;
    QString guardar;
    QString pdf;
    int paginaPng = 0;
    QString png;
};

std::optional<Opciones> leeOpciones(const QStringList& a, QString& error) {
    Opciones o;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString& x = a[i];
        const bool valor = i + 1 < a.size();
        bool ok = true;
        if (x == u"--new" && valor) o.nueva = a[++i];
        else if (x == u"--open" && valor) o.abrir = a[++i];
        else if (x == u"--possol" && valor) o.possol = a[++i].toInt(&ok);
        else if (x == u"--ordena" && valor) o.ordena = a[++i].toInt(&ok) != 0;
        else if (x == u"--title" && valor) o.titulo = a[++i];
        else if (x == u"--zoom" && valor) {
            o.zoom = a[++i].toDouble(&ok);
            ok = ok && o.zoom >= 0.1 && o.zoom <= 8;
        } else if (x == u"--save" && valor) o.guardar = a[++i];
        else if (x == u"--pdf" && valor) o.pdf = a[++i];
        else if (x == u"--png" && i + 2 < a.size()) {
            o.paginaPng = a[++i].toInt(&ok);
            o.png = a[++i];
        } else {
            error = QStringLiteral("unexpected argument \"%1\"").arg(x);
            return std::nullopt;
        }
        if (!ok) {
            error = QStringLiteral("bad value for %1").arg(x);
            return std::nullopt;
        }
    }
    if (o.nueva.isEmpty() == o.abrir.isEmpty()) {
        error = QStringLiteral("give one of --new and --open");
        return std::nullopt;
    }
    return o;
}

// "MODULE:TIPO:COUNT[,...]" as the wizard's checked rows.
std::optional<document::ListaTemas> leeTemas(const QString& texto) {
    document::ListaTemas lista;
    for (const QString& parte : texto.split(u',', Qt::SkipEmptyParts)) {
        const QStringList campos = parte.split(u':');
        bool okTipo = false;
        bool okCantidad = false;
        if (campos.size() != 3 || lista.NumTemas >= document::kMaxTemas) return std::nullopt;
        const int tipo = campos[1].toInt(&okTipo);
        const int cantidad = campos[2].toInt(&okCantidad);
        if (!okTipo || !okCantidad || cantidad < 0 || cantidad > 500) return std::nullopt;
        document::Tema& t = lista.Temas[++lista.NumTemas];
        t.Nivel = 2;
        t.Clave = campos[0].leftJustified(80);
        t.Rutina = static_cast<std::int16_t>(tipo);
        t.Cantidad = static_cast<std::int16_t>(cantidad);
        t.Seleccionado = true;
    }
    return lista;
}

std::string informe(const document::Documento& doc) {
    const document::EstadoDocumento& d = doc.estado();
    std::string s = "{\"NPROB\": " + jsonNumber(d.Coleccion.NPROB) +
                    ", \"NumBloques\": " + jsonNumber(d.NumBloques) +
                    ", \"NumPaginas\": " + jsonNumber(d.NumPaginas) + ", \"problems\": [";
    for (int i = 1; i <= d.Coleccion.NPROB; ++i) {
        if (i > 1) s += ", ";
        s += "{\"Clave\": " + jsonString(d.Problemas[i].Clave) +
             ", \"IdProblema\": " + jsonString(generation::IdProblema(d.Problemas[i])) +
             ", \"Pagina\": " + jsonNumber(doc.PaginaDeProblema(i)) + "}";
    }
    s += "], \"blocks\": [";
    for (int j = 1; j <= d.NumBloques; ++j) {
        if (j > 1) s += ", ";
        s += "{\"NumProblema\": " + jsonNumber(d.TablaBloques[j].NumProblema) +
             ", \"Pagina\": " + jsonNumber(d.TablaBloques[j].Pagina) + "}";
    }
    return s + "]}\n";
}

} // namespace

int runCollection(const QStringList& arguments) {
    QString error;
    const auto opciones = leeOpciones(arguments, error);
    if (!opciones) return fallo(error);
    const Opciones& o = *opciones;

    NucleoProbe probe(o.zoom);
    document::Documento& doc = probe.nucleo.documento;
    const auto cabecera = [&] {
        document::DatosColeccion c = doc.estado().Coleccion;
        if (o.possol) c.POSSOL = *o.possol;
        if (o.ordena) c.ORDENA = *o.ordena;
        if (o.titulo) c.TITULO = *o.titulo;
        doc.PonCabecera(c);
    };

    if (!o.nueva.isEmpty()) {
        auto temas = leeTemas(o.nueva);
        if (!temas) return fallo(QStringLiteral("bad --new list \"%1\"").arg(o.nueva));
        cabecera();
        if (const int omitidos = doc.Arbol_to_Var(*temas); omitidos > 0) {
            std::fprintf(stderr, "vornith-probe: %d problems left out (at most %d)\n", omitidos,
                         document::kMaxProblemas);
        }
        doc.CrearColeccion(1);
    } else {
        if (!doc.OpenFile(o.abrir) || doc.estado().Coleccion.NPROB == 0)
            return fallo(QStringLiteral("cannot open \"%1\"").arg(o.abrir));
        if (o.possol || o.ordena || o.titulo) {
            cabecera();
            doc.ComponerColeccion(1);
        }
    }

    if (!o.guardar.isEmpty() && !doc.SaveFile(o.guardar))
        return fallo(QStringLiteral("cannot save \"%1\"").arg(o.guardar));
    if (!o.pdf.isEmpty()) {
        auto trabajo = probe.impresoras.beginJob({QString(), o.pdf}, doc.NombreImpresion());
        if (!trabajo) return fallo(QStringLiteral("cannot print to \"%1\"").arg(o.pdf));
        std::vector<int> paginas;
        for (int p = 1; p <= doc.estado().NumPaginas; ++p) paginas.push_back(p);
        switch (doc.ImprimirPaginas(*trabajo, paginas, 1.0)) {
        case document::ResultadoImpresion::Impreso:
            break;
        case document::ResultadoImpresion::Ocupado:
            return fallo(QStringLiteral("busy: nothing printed to \"%1\"").arg(o.pdf));
        case document::ResultadoImpresion::PaginaIncompleta:
            return fallo(QStringLiteral("a page did not fit on paper in \"%1\"").arg(o.pdf));
        case document::ResultadoImpresion::SinPaginaNueva:
            return fallo(QStringLiteral("cannot start a new page in \"%1\"").arg(o.pdf));
        case document::ResultadoImpresion::SinTerminar:
            return fallo(QStringLiteral("cannot write \"%1\"").arg(o.pdf));
        }
    }
    if (!o.png.isEmpty()) {
        doc.PonPaginaActual(o.paginaPng);
        doc.DibujaPagina();
        if (!probe.caja.image().save(o.png, "PNG"))
            return fallo(QStringLiteral("cannot write \"%1\"").arg(o.png));
    }
    const std::string json = informe(doc);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
}

} // namespace vornith::probe
