// The dispatcher shared by both subject modules: generate mode and listing mode.

#include "generation/despacho.h"

#include "generation/dynamics/rutinas.h"
#include "generation/kinematics/rutinas.h"
#include "generation/modulos.h"
#include "generation/number_services.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vornith::generation {

namespace {

// Failure number of a listing with more headings than its module allows.
constexpr int kFalloIndice = 9;

const QLatin1String kFinRegistro("\r\n");

// The leading number of a text, as the fields of a code are read: blanks are ignored, then an
// optional sign, digits with an optional decimal part and exponent. 0 when there is none.
// Unlike the markup's NumeroInicial and the collection file's ValorNumerico, blanks inside the
// number are skipped too and a number too large for a double is infinite, so that the code's
// seed check fails with an overflow instead of reading a wrong seed.
double NumeroInicial(const QString& texto) {
    std::string s;
    for (const QChar c : texto) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') continue;
        if (c.unicode() > 0x7F) break;
        s += static_cast<char>(c.unicode());
    }
    std::size_t i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';
    const std::size_t inicio = i;
    const auto digitos = [&] {
        std::size_t n = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i, ++n;
        return n;
    };
    std::size_t cifras = digitos();
    if (i < s.size() && s[i] == '.') {
        ++i;
        cifras += digitos();
    }
    if (cifras == 0) return 0;
    std::size_t fin = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (digitos() > 0) fin = i;
    }
    double valor = 0;
    const auto r = std::from_chars(s.data() + inicio, s.data() + fin, valor);
    if (r.ec == std::errc::result_out_of_range) valor = std::numeric_limits<double>::infinity();
    return negativo ? -valor : valor;
}

// The seed of a code, rounded half to even like every conversion to a whole number; a value
// no 32-bit integer holds is an overflow.
std::int32_t SemillaDe(double valor) {
    const double r = std::nearbyint(valor);
    if (!(r >= std::numeric_limits<std::int32_t>::min() &&
          r <= std::numeric_limits<std::int32_t>::max()))
        throw FalloGeneracion(kFalloDesbordamiento, QStringLiteral("Desbordamiento"));
    return static_cast<std::int32_t>(r);
}

RutinaGeneradora BuscaRutina(const Modulo& m, double numero) {
    for (const EntradaRutina& e : m.tabla)
        if (e.numero == numero) return e.rutina;
    return nullptr;
}

QString Ajusta(const QString& texto, int ancho) {
    return texto.left(ancho).leftJustified(ancho, u' ');
}

QString Codigo(const QString& texto) {
    return (QStringLiteral("000") + texto).right(3);
}

QString Listado(const Modulo& m, EstadoGeneracion& estado) {
    InterfazModulo& v = estado.Interfaz;
    v.ModoCatalogo = true;
    Generador g(v, estado.Azar);
    QString listado;
    QStringList encabezados;
    for (int i = 1; i <= m.ultimaRutina; ++i) {
        v.CatAsignatura.clear();
        if (RutinaGeneradora rutina = BuscaRutina(m, i)) rutina(g);
        if (v.CatAsignatura.isEmpty()) continue;

        v.CatRutina = QString::number(i).rightJustified(3, u'0');
        v.CatCodTema = Codigo(v.CatCodTema);
        v.CatCodTipo = Codigo(v.CatCodTipo);
        v.CatExtra = Codigo(v.CatExtra);
        v.CatAsignatura = Ajusta(v.CatAsignatura, 65);
        v.CatTema = Ajusta(v.CatTema, 80);
        v.CatTitulo = Ajusta(v.CatTitulo, 80);
        v.CatDescripcion = Ajusta(v.CatDescripcion, 160);
        const QString clase = RecortaBlancos(v.CatClase);
        v.CatClase = clase.isEmpty() ? QStringLiteral("3") : clase.left(1);

        const QString encabezado = v.CatCodTema + QLatin1String("000") + v.CatAsignatura +
                                   v.CatTema + QString(80, u' ') + QLatin1String("5000000") +
                                   QString(160, u' ') + kFinRegistro;
        const QString clave = encabezado.toUpper();
        if (!encabezados.contains(clave)) {
            if (encabezados.size() >= m.maxEncabezados)
                throw FalloGeneracion(kFalloIndice,
                                      QStringLiteral("Subíndice fuera del intervalo"));
            encabezados.append(clave);
            listado += encabezado;
        }
        listado += v.CatCodTema + v.CatCodTipo + v.CatAsignatura + v.CatTema + v.CatTitulo +
                   v.CatClase + v.CatRutina + v.CatExtra + v.CatDescripcion + kFinRegistro;
    }
    return m.clave + u':' + listado;
}

void Genera(const Modulo& m, EstadoGeneracion& estado, const QString& id) {
    InterfazModulo& v = estado.Interfaz;
    v.ModoCatalogo = false;
    v.CatRutina = id.mid(0, 3);
    v.Semilla = SemillaDe(NumeroInicial(id.mid(6, 4)));
    v.NumDelTipo = NumeroInicial(id.mid(12, 2));
    v.OrdenDelTipo = NumeroInicial(id.mid(14, 2));
    const double numero = NumeroInicial(v.CatRutina);
    v.TextoEnunciado.clear();
    v.TextoSolucion.clear();

    estado.Azar.reseed(v.Semilla);
    for (int i = 0; i < 4; ++i)
        estado.Azar.next();

    if (RutinaGeneradora rutina = BuscaRutina(m, numero)) {
        Generador g(v, estado.Azar);
        rutina(g);
    } else {
        v.TextoEnunciado = QLatin1String("<ERROR EN MODULO ") + m.clave +
                           QLatin1String(":. NO EXISTE RUTINA CON ID = ") + v.CatRutina +
                           QLatin1String(">&LF");
        v.TextoSolucion = QStringLiteral("&LF");
    }
}

} // namespace

QString GeneraProblemaModulo(const Modulo& modulo, EstadoGeneracion& estado, const QString& ID,
                             QString& Enunciado, QString& Solucion, bool Modo) {
    if (Modo) return Listado(modulo, estado);
    Genera(modulo, estado, ID);
    Enunciado = estado.Interfaz.TextoEnunciado;
    Solucion = estado.Interfaz.TextoSolucion;
    return {};
}

QString XIMB_FISI_CIN::GeneraProblema(EstadoGeneracion& estado, const QString& ID,
                                      QString& Enunciado, QString& Solucion, bool Modo) {
    const Modulo cinematica{QString::fromLatin1(kClaveCinematica), TablaRutinas(), 9, 9};
    return GeneraProblemaModulo(cinematica, estado, ID, Enunciado, Solucion, Modo);
}

QString XIMB_FISI_DIN::GeneraProblema(EstadoGeneracion& estado, const QString& ID,
                                      QString& Enunciado, QString& Solucion, bool Modo) {
    const Modulo dinamica{QString::fromLatin1(kClaveDinamica), TablaRutinas(), 4, 4};
    return GeneraProblemaModulo(dinamica, estado, ID, Enunciado, Solucion, Modo);
}

} // namespace vornith::generation
