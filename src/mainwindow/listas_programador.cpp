#include "mainwindow/listas_programador.h"

#include "document/conversion_numerica.h"
#include "generation/me_norv.h"
#include "mainwindow/identidad.h"
#include "platform/titulo_programa.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vornith::mainwindow {

namespace {

using document::NumeroConBlanco;

const QString kCrLf = QStringLiteral("\r\n");

// The 400-character record of a catalogue line and its module key.
struct Linea {
    QString clave;
    QString registro;
};

Linea parte(const QString& linea) {
    const qsizetype dp = linea.indexOf(u':');
    if (dp < 0) return {QString(), linea};
    return {linea.left(dp), linea.mid(dp + 1)};
}

// Columns desde..hasta (1-based) of a record, blanks at both ends removed.
QString columnas(const QString& registro, int desde, int hasta) {
    return document::SinBlancos(QStringView(registro).mid(desde - 1, hasta - desde + 1)).toString();
}

std::int16_t entero(const QString& registro, int desde, int hasta) {
    return document::EnteroCorto(columnas(registro, desde, hasta)).value_or(0);
}

QString regla(char c, int n) {
    return QString(n, QChar::fromLatin1(c));
}

QString etiquetaTipo(int clase) {
    switch (clase) {
    case 1:
        return QStringLiteral("CUES");
    case 2:
        return QStringLiteral("EJER");
    case 3:
        return QStringLiteral("PROB");
    case 4:
        return QStringLiteral("TEOR");
    case 5:
        return QStringLiteral("<Carpeta>");
    default:
        return QString();
    }
}

struct Cuenta {
    int temas = 0;
    int subtemas = 0;
};

Cuenta cuenta(const document::ListaTemas& t) {
    Cuenta c;
    for (int i = 2; i <= t.NumTemas; ++i)
        c.temas += t.Temas[i].Clase == 5 ? 1 : 0;
    c.subtemas = t.NumTemas - c.temas - 1;
    return c;
}

QString textoSinId(const QString& asignatura, const document::ListaTemas& t, const Cuenta& c) {
    QString s = kCrLf + asignatura + kCrLf;
    for (int i = 2; i <= t.NumTemas; ++i) {
        const document::Tema& f = t.Temas[i];
        if (f.Clase == 5)
            s += kCrLf + kCrLf + f.Titulo + kCrLf;
        else
            s += QString(8, u' ') + f.Titulo + kCrLf;
    }
    s += kCrLf + QStringLiteral("Temas en esta asignatura = ") + NumeroConBlanco(c.temas) + kCrLf;
    s += QStringLiteral("Subtemas en esta asignatura = ") + NumeroConBlanco(c.subtemas) + kCrLf;
    return s;
}

QString textoConId(const QString& asignatura, document::ListaTemas& t, const Cuenta& c) {
    const QString igual = regla('=', 51);
    QString s = kCrLf + igual + kCrLf + kCrLf + asignatura + kCrLf + kCrLf + igual + kCrLf;
    for (int i = 2; i <= t.NumTemas; ++i) {
        document::Tema& f = t.Temas[i];
        f.Clave.replace(QChar(0), u' ');
        const QString indice = QStringLiteral("[") + QString::number(f.IndiceLista) +
                               QStringLiteral("]  ") + f.Titulo + kCrLf;
        if (f.Clase == 5) {
            s += kCrLf + kCrLf + indice + kCrLf;
            continue;
        }
        s += QStringLiteral("   ") + indice;
        s += QString(8, u' ') + f.Clave.trimmed() + QStringLiteral(".bas    Tipo = ") +
             NumeroConBlanco(f.Clase) + QStringLiteral(" ( ") + etiquetaTipo(f.Clase) +
             QStringLiteral(" )    Rutina =") + NumeroConBlanco(f.Rutina) + kCrLf + kCrLf;
    }
    const QString guion = regla('-', 50);
    s += kCrLf + guion + kCrLf;
    s += QStringLiteral("Temas en esta asignatura = ") + NumeroConBlanco(c.temas) + kCrLf;
    s += QStringLiteral("Subtemas en esta asignatura = ") + NumeroConBlanco(c.subtemas) + kCrLf;
    s += kCrLf + guion + kCrLf + kCrLf;
    return s;
}

} // namespace

QStringList ListaAsignaturas(const generation::EstadoGeneracion& cat) {
    QStringList asignaturas;
    for (int i = 1; i <= cat.NumCatalogo && asignaturas.size() < kMaxAsignaturas; ++i) {
        const QString a = columnas(parte(cat.Catalogo[i]).registro, 7, 71);
        if (!asignaturas.contains(a)) asignaturas.append(a);
    }
    return asignaturas;
}

void TemasDeAsignatura(const generation::EstadoGeneracion& cat, const QString& asignatura,
                       document::ListaTemas& t) {
    t = document::ListaTemas();
    document::Tema& raiz = t.Temas[1];
    raiz.Clase = 6;
    raiz.Titulo = asignatura;
    raiz.Abierto = true;
    raiz.EsCarpeta = true;
    raiz.Nivel = 0;
    int n = 1;
    const QString buscada = asignatura.toUpper();
    for (int i = 1; i <= cat.NumCatalogo && n < document::kMaxTemas; ++i) {
        const Linea l = parte(cat.Catalogo[i]);
        if (columnas(l.registro, 7, 71).toUpper() != buscada) continue;
        const int clase = entero(l.registro, 232, 232);
        if (clase == 6) continue;
        document::Tema f;
        f.Rutina = entero(l.registro, 233, 235);
        if (clase == 5) {
            f.Titulo = columnas(l.registro, 72, 151);
            if (t.Temas[n].Clase == 5 && t.Temas[n].Titulo == f.Titulo) continue;
            f.EsCarpeta = true;
            f.Nivel = 1;
            f.IndiceLista = entero(l.registro, 1, 3);
        } else {
            f.Titulo = columnas(l.registro, 152, 231);
            f.Descripcion = columnas(l.registro, 239, 398);
            f.Nivel = 2;
            f.IndiceLista = entero(l.registro, 4, 6);
            f.MaxVariante = entero(l.registro, 236, 238);
            f.Clave = l.clave;
        }
        f.Clase = static_cast<std::int16_t>(clase);
        t.Temas[++n] = f;
    }
    t.NumTemas = static_cast<std::int16_t>(n);
}

QString TextoAsignaturas(const QStringList& asignaturas) {
    const QString regla47 = regla('=', 47);
    QString s = QStringLiteral("LISTA DE ASIGNATURAS") + kCrLf;
    s += QStringLiteral("APLICACIÓN.ID = ") + IdAplicacion() + kCrLf;
    s += regla47 + kCrLf;
    for (const QString& a : asignaturas)
        s += a + kCrLf;
    s += regla47 + kCrLf;
    s += QStringLiteral("TOTAL = ") +
         NumeroConBlanco(static_cast<std::int32_t>(asignaturas.size())) +
         QStringLiteral(" ASIGNATURAS") + kCrLf;
    return s;
}

QString TextoTemas(const generation::EstadoGeneracion& cat, const QStringList& asignaturas,
                   bool conId) {
    QString s;
    Cuenta total;
    document::ListaTemas t;
    for (const QString& a : asignaturas) {
        TemasDeAsignatura(cat, a, t);
        const Cuenta c = cuenta(t);
        total.temas += c.temas;
        total.subtemas += c.subtemas;
        s += conId ? textoConId(a, t, c) : textoSinId(a, t, c);
    }
    if (!conId) return s;
    const QString estrellas = regla('*', 53);
    s += estrellas + kCrLf;
    s += QStringLiteral("TOTAL asignaturas = ") +
         NumeroConBlanco(static_cast<std::int32_t>(asignaturas.size())) + kCrLf;
    s += QStringLiteral("TOTAL Temas de TODAS las asignaturas = ") + NumeroConBlanco(total.temas) +
         kCrLf;
    s += QStringLiteral("TOTAL Subtemas en TODAS las asignaturas = ") +
         NumeroConBlanco(total.subtemas) + kCrLf;
    s += estrellas + kCrLf;
    return s;
}

QString TextoIdentidad(const QString& ejecutable, const QString& carpeta) {
    return QStringLiteral("IDPROD = ") + IdAplicacion() + kCrLf + QStringLiteral("APP.EXEname = ") +
           ejecutable + QStringLiteral(" <-- ") + ejecutable + QStringLiteral(".vbp") + kCrLf +
           QStringLiteral("APP.title = ") + TituloPrograma() + kCrLf +
           QStringLiteral("APP.path = ") + carpeta + kCrLf;
}

void CopiaListaProgramador(ListaProgramador lista, generation::EstadoGeneracion& cat,
                           Clipboard& portapapeles, Notifier& avisos) {
    QString texto;
    QString mensaje;
    bool comprueba = false;
    if (lista == ListaProgramador::Identidad) {
        texto = TextoIdentidad(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                               QCoreApplication::applicationDirPath());
        mensaje = texto + QStringLiteral("<Datos copiados al portapapeles>");
    } else {
        if (cat.NumCatalogo == 0) generation::CargaCatalogo(cat);
        const QStringList asignaturas = ListaAsignaturas(cat);
        if (lista == ListaProgramador::Asignaturas) {
            texto = TextoAsignaturas(asignaturas);
            mensaje = QStringLiteral("Lista de asignaturas copiadas al portapapeles");
        } else {
            const bool conId = lista == ListaProgramador::Temas;
            texto = TextoTemas(cat, asignaturas, conId);
            mensaje =
                conId
                    ? QStringLiteral("Listado de TEMAS copiados al portapapeles")
                    : QStringLiteral("Listado de TEMAS (SIN NUMEROS ID) copiados al portapapeles");
            comprueba = true;
        }
    }
    portapapeles.clear();
    portapapeles.setText(texto);
    if (comprueba && portapapeles.text().content.text != texto)
        mensaje = QStringLiteral("El portapapeles no copia el texto");
    avisos.ask(mensaje, TituloPrograma(), Notifier::Buttons::Ok, Notifier::Icon::None);
}

} // namespace vornith::mainwindow
