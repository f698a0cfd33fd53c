// vornith-examples: makes a collection file from an example written in markup.
//   vornith-examples SOURCE.txt OUTPUT.COL
//
// The source is UTF-8 text, one item per line:
//   TITULO text          the collection's title
//   CLAVE key            module key of the problems that follow
//   POSSOL n             solution placement (0-3)
//   ENU markup           starts a problem: its statement
//   SOL markup           its solution
//   + markup             continues the statement or solution above
// Blank lines and lines starting with "//" are skipped. The problems carry no problem code
// of their own: their key names no module of this program.

#include "document/archivo_coleccion.h"
#include "document/disco_coleccion.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

using namespace vornith;

namespace {

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

int falla(const QString& texto) {
    err() << "vornith-examples: " << texto << '\n';
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2) {
        err() << "usage: vornith-examples SOURCE.txt OUTPUT.COL\n";
        return 2;
    }
    QFile fuente(args[0]);
    if (!fuente.open(QIODevice::ReadOnly)) return falla(QStringLiteral("cannot read ") + args[0]);
    const QStringList lineas = QString::fromUtf8(fuente.readAll()).split(u'\n');

    document::DatosColeccion c;
    c.ORDENA = true;
    document::TablaProblemas p = document::nuevaTablaProblemas();
    QString clave;
    QString* texto = nullptr;
    int n = 0;
    for (int i = 0; i < lineas.size(); ++i) {
        const QString l = lineas[i].trimmed();
        if (l.isEmpty() || l.startsWith(QStringLiteral("//"))) continue;
        const qsizetype blanco = l.indexOf(u' ');
        const QString orden = blanco < 0 ? l : l.left(blanco);
        const QString valor = blanco < 0 ? QString() : l.mid(blanco + 1);
        if (orden == u"TITULO") {
            c.TITULO = valor;
        } else if (orden == u"CLAVE") {
            clave = valor;
        } else if (orden == u"POSSOL") {
            c.POSSOL = valor.toInt();
        } else if (orden == u"ENU") {
            if (n == document::kMaxProblemas) return falla(QStringLiteral("too many problems"));
            ++n;
            p[n].Clave = clave;
            p[n].Tipo = static_cast<std::int16_t>(n);
            p[n].Cantidad = 1;
            p[n].Orden = 1;
            texto = &p[n].Enunciado;
            *texto = valor;
        } else if (orden == u"SOL" && n > 0) {
            texto = &p[n].Solucion;
            *texto = valor;
        } else if (orden == u"+" && texto != nullptr) {
            *texto += valor;
        } else {
            return falla(QStringLiteral("line %1 not understood").arg(i + 1));
        }
    }
    if (n == 0) return falla(QStringLiteral("no problems in ") + args[0]);
    c.NPROB = n;

    // No picture source: a picture named in the markup is refused.
    const document::ArchivoConstruido archivo = document::ConstruyeArchivoColeccion(c, p, {});
    if (!archivo.omitidas.isEmpty())
        return falla(QStringLiteral("no picture can be given: ") + archivo.omitidas[0].nombre);
    if (document::EscribeArchivo(args[1], archivo.bytes).hayError())
        return falla(QStringLiteral("cannot write ") + args[1]);
    QTextStream(stdout) << args[1] << ": " << n << " problems\n";
    return 0;
}
