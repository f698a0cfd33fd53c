#include "document/archivo_coleccion.h"

#include "document/conversion_numerica.h"
#include "generation/me_norv.h"
#include "platform/cp1252.h"
#include "platform/picture_files.h"

#include <QSet>

#include <algorithm>

namespace vornith::document {

namespace {

const QString kFinLinea = QStringLiteral("\r\n");
const QString kBindirVacio = QStringLiteral("00000000");

// A text as the file holds it: one character per byte, "?" for what the code page lacks. Fixed
// widths are measured on this form, so that they are byte widths.
QString EnCodigo(const QString& texto) {
    return fromCp1252(toCp1252(texto));
}

// A position or length of the picture directory: decimal, left-justified, blank-filled to 8.
QString Posicion8(qint64 n) {
    return AnchoFijo(Decimal(n), 8);
}

// The header items after the parameter block, in file order.
constexpr const char* kItemsCabecera[] = {"TITULO", "POSNUMPAG", "COLRESPRO", "ORDENA", "PAGINI",
                                          "POSSOL", "PROPRE",    "PROSUF",    "PROINI"};

QString Etiqueta(const char* nombre, char parentesis) {
    return u'#' + QLatin1String(nombre) + QLatin1Char(parentesis);
}

QString Item(const char* nombre, const QString& valor) {
    return Etiqueta(nombre, '(') + valor + Etiqueta(nombre, ')');
}

QString EtiquetaProblema(int i, char parentesis) {
    return QStringLiteral("#PRO") + CifrasFijas(i, 3) + QLatin1Char(parentesis);
}

// Cuts header items off the front of what is left of the header, read in the file's bytes: the
// value is what precedes the closing tag less as many characters as the opening tag has (it is
// not checked).
class Cabecera {
  public:
    explicit Cabecera(QByteArrayView texto) : resto_(texto) {}

    std::optional<QByteArrayView> Corta(QByteArrayView cierre) {
        const qsizetype k = resto_.indexOf(cierre);
        if (k < 0) return std::nullopt;
        QByteArrayView valor = resto_.first(k);
        valor = valor.size() > cierre.size() ? valor.sliced(cierre.size()) : QByteArrayView();
        resto_ = resto_.sliced(k + cierre.size());
        return valor;
    }

  private:
    QByteArrayView resto_;
};

std::optional<std::int32_t> Numero(QByteArrayView valor) {
    const std::optional<double> v = ValorNumerico(fromCp1252(valor));
    return v ? EnteroLargo(*v) : std::nullopt;
}

// The statement and the solution of `bloque`, parts of it, as SeparaTextos finds them.
template <typename Vista, typename Etiqueta>
std::optional<std::pair<Vista, Vista>> PartesTextos(Vista bloque, Etiqueta apertura) {
    const qsizetype k = bloque.indexOf(apertura);
    if (k < 0) return std::nullopt;
    const Vista tras = bloque.sliced(k + 5);
    if (tras.size() < 5) return std::nullopt;
    const Vista solucion = tras.first(tras.size() - 5);
    const qsizetype largo = bloque.size() - solucion.size() - 15;
    if (largo < 0) return std::nullopt;
    return std::pair(largo > 5 ? bloque.sliced(5, largo - 5) : Vista(), solucion);
}

// Whether `imagen` ends where its format marks its end: a GIF in its trailer ";", a JPEG in its
// EOI marker FF D9, a PNG in its IEND chunk, whose CRC is fixed. None of these marks ends in CR,
// LF, NUL or Ctrl-Z. Other formats the reader may take (BMP, TIFF, XBM...) can end in any byte,
// a NUL or a line end among them, and are never taken as whole here.
bool TerminaEnSuMarca(QByteArrayView imagen) {
    const auto es = [imagen](QByteArrayView inicio, QByteArrayView fin) {
        return imagen.size() >= inicio.size() + fin.size() && imagen.startsWith(inicio) &&
               imagen.endsWith(fin);
    };
    return es("GIF87a", ";") || es("GIF89a", ";") || es("\xff\xd8\xff", "\xff\xd9") ||
           es("\x89PNG\r\n\x1a\n", QByteArrayView("\0\0\0\0IEND\xae\x42\x60\x82", 12));
}

// Bytes that an editor's final newline, a mail gateway or a text-mode transfer adds at the end
// of a file.
bool SoloRelleno(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == '\r' || c == '\n' || c == '\0' || c == '\x1a'; });
}

// The pictures of the directory at 1-based position `D` of the file: every entry's position
// must be where the previous picture ended, and the last must end where the file does, or be
// followed only by CR, LF, NUL and Ctrl-Z and end in its format's end mark: a last picture whose
// length in the directory is short would leave that mark, which is none of those bytes, behind
// it. Names alike but for letter case are one picture, as lookup finds them: they must carry the
// same bytes. Nothing when the directory is damaged; entries whose names are not plain file
// names are left out and their names put in `rechazadas`.
std::optional<std::vector<ImagenColeccion>> LeeDirectorio(QByteArrayView bytes, qint64 D,
                                                          QStringList& rechazadas) {
    std::vector<ImagenColeccion> imagenes;
    if (D == 0) return imagenes;
    const qint64 n = bytes.size();
    if (D < 1 || D - 1 + kLongitudEntrada > n) return std::nullopt;
    const auto campo = [&](qint64 posicion) { // an 8-character number at 1-based `posicion`
        return Numero(bytes.sliced(posicion - 1, 8));
    };
    const std::optional<std::int32_t> P = campo(D + 32);
    if (!P || *P <= D || (*P - D) % kLongitudEntrada != 0 || *P - 1 > n) return std::nullopt;
    qint64 posicion = *P;
    qint64 ultima = posicion;          // where the last picture starts
    QHash<QString, QByteArray> vistas; // by case-folded name
    for (qint64 entrada = D; entrada < *P; entrada += kLongitudEntrada) {
        const std::optional<std::int32_t> donde = campo(entrada + 32);
        const std::optional<std::int32_t> largo = campo(entrada + 40);
        if (!donde || !largo || *donde != posicion || *largo < 0 || posicion - 1 + *largo > n)
            return std::nullopt;
        const QString nombre = fromCp1252(SinBlancos(bytes.sliced(entrada - 1, kLongitudNombre)));
        if (isPlainFileName(nombre)) {
            const QString clave = nombre.toCaseFolded();
            QByteArray datos = bytes.sliced(posicion - 1, *largo).toByteArray();
            const auto vista = vistas.constFind(clave);
            if (vista != vistas.cend() && *vista != datos) return std::nullopt;
            vistas.insert(clave, datos);
            imagenes.push_back({nombre, std::move(datos)});
        } else if (!nombre.isEmpty() && !rechazadas.contains(nombre)) {
            rechazadas.append(nombre);
        }
        ultima = posicion;
        posicion += *largo;
    }
    if (posicion - 1 != n && !(SoloRelleno(bytes.sliced(posicion - 1)) &&
                               TerminaEnSuMarca(bytes.sliced(ultima - 1, posicion - ultima))))
        return std::nullopt;
    return imagenes;
}

} // namespace

std::optional<std::pair<QString, QString>> SeparaTextos(QStringView bloque) {
    const auto partes = PartesTextos(bloque, QLatin1String("#SOL("));
    if (!partes) return std::nullopt;
    return std::pair(partes->first.toString(), partes->second.toString());
}

QString PasaDelMaximoArchivo() {
    return QStringLiteral("pasaría de ") + Decimal(kMaxBytesArchivo / (1024 * 1024)) +
           QStringLiteral(" MB, lo más que se puede abrir");
}

QString MensajeErrorGuardado(const ErrorGuardado& error, const QString& ArchivoActual) {
    switch (error.Tipo) {
    case FalloGuardado::Ninguno:
        return {};
    case FalloGuardado::TextoNoGuardable:
        return QStringLiteral("Error al guardar archivo.") + kFinLinea + error.Descripcion;
    case FalloGuardado::ProtegidoContraEscritura:
        return QStringLiteral("Lo sentimos: Archivo protegido contra escritura. ") + kFinLinea +
               QStringLiteral("No se puede guardar el archivo ") + ArchivoActual + kFinLinea +
               kFinLinea + QStringLiteral("Por favor, especifique un nombre diferente de archivo.");
    case FalloGuardado::Otro:
        return QStringLiteral("Lo siento: Error al guardar el archivo.") + kFinLinea +
               QStringLiteral("Nombre archivo: ") + ArchivoActual + kFinLinea +
               QStringLiteral("Nº error = ") + Decimal(error.Numero) + kFinLinea +
               error.Descripcion;
    }
    return {};
}

QString MensajeErrorLectura(FalloLectura fallo) {
    switch (fallo) {
    case FalloLectura::ArchivoIncorrecto:
        return QStringLiteral("El Archivo es incorrecto");
    case FalloLectura::ErrorAlAbrir:
        return QStringLiteral("Error al abrir el archivo");
    case FalloLectura::Ninguno:
    case FalloLectura::ExtensionIncorrecta:
        break;
    }
    return {};
}

QString LineaParametros(const Problema& problema, int i, std::int32_t PROINI) {
    return AnchoFijo(EnCodigo(problema.Clave), kLongitudClave) + generation::IdProblema(problema) +
           CifrasFijas(std::int64_t{PROINI} + i - 1, 4) + kFinLinea;
}

namespace {

// Where the name of each picture tag of `texto` from 0-based character `desde` on stands: the
// text between the first two quotes inside the tag, as (position, length).
std::vector<std::pair<qsizetype, qsizetype>> PosicionesDeNombres(const QString& texto,
                                                                 qsizetype desde) {
    const QLatin1String apertura("#IMG(");
    const QLatin1String cierre("#IMG)");
    std::vector<std::pair<qsizetype, qsizetype>> nombres;
    for (qsizetype hit = texto.indexOf(apertura, desde, Qt::CaseInsensitive); hit >= 0;
         hit = texto.indexOf(apertura, hit + 10, Qt::CaseInsensitive)) {
        const qsizetype fin = texto.indexOf(cierre, hit + 6, Qt::CaseInsensitive);
        if (fin < 0) continue;
        const qsizetype q1 = texto.indexOf(u'\'', hit + 5);
        const qsizetype q2 = q1 < 0 ? -1 : texto.indexOf(u'\'', q1 + 1);
        if (q2 < 0 || q2 >= fin) continue;
        nombres.emplace_back(q1 + 1, q2 - q1 - 1);
    }
    return nombres;
}

// The distinct names the picture tags of `texto` give, as NombresImagenes finds them; those
// that are not plain file names too unless `soloSimples`.
QStringList NombresEnEtiquetas(const QString& texto, bool soloSimples) {
    QStringList nombres;
    QSet<QString> vistos;
    for (const auto& [posicion, largo] : PosicionesDeNombres(texto, 99)) {
        const QString nombre = texto.sliced(posicion, largo);
        if ((soloSimples && !isPlainFileName(nombre)) || vistos.contains(nombre)) continue;
        vistos.insert(nombre);
        nombres.append(nombre);
    }
    return nombres;
}

} // namespace

QStringList NombresImagenes(const QString& texto) {
    return NombresEnEtiquetas(texto, true);
}

int ProblemasDelArchivo(const DatosColeccion& coleccion, const TablaProblemas& problemas) {
    const qsizetype tope =
        std::max<qsizetype>(0, std::min<qsizetype>(kMaxProblemas, problemas.size() - 1));
    return static_cast<int>(std::clamp<qsizetype>(coleccion.NPROB, 0, tope));
}

namespace {

// Pieces 1 to 6 of the file, with no picture position yet in the header, in code-page form so
// that its character count is its byte count; `posicionBindir` is where that position goes.
QByteArray TextoArchivo(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                        qsizetype& posicionBindir) {
    const int n = ProblemasDelArchivo(coleccion, problemas);
    QString texto = QStringLiteral("#CABECERA(#PROPARAM(");
    for (int i = 1; i <= n; ++i)
        texto += LineaParametros(problemas[i], i, coleccion.PROINI);
    texto += QStringLiteral("#PROPARAM)");
    const QString valores[] = {EnCodigo(coleccion.TITULO),
                               NumeroConBlanco(coleccion.POSNUMPAG),
                               NumeroConBlanco(static_cast<std::int32_t>(coleccion.COLRESPRO)),
                               coleccion.ORDENA ? QStringLiteral("1") : QStringLiteral("0"),
                               NumeroConBlanco(coleccion.PAGINI),
                               NumeroConBlanco(coleccion.POSSOL),
                               EnCodigo(coleccion.PROPRE),
                               EnCodigo(coleccion.PROSUF),
                               NumeroConBlanco(coleccion.PROINI)};
    for (std::size_t k = 0; k < std::size(kItemsCabecera); ++k)
        texto += Item(kItemsCabecera[k], valores[k]);
    texto += QStringLiteral("#BINDIR(");
    posicionBindir = texto.size();
    texto += kBindirVacio + QStringLiteral("#BINDIR)#CABECERA)");
    for (int i = 1; i <= n; ++i) {
        texto += EtiquetaProblema(i, '(') + QStringLiteral("#ENU(") + problemas[i].Enunciado +
                 QStringLiteral("#ENU)#SOL(") + problemas[i].Solucion + QStringLiteral("#SOL)") +
                 EtiquetaProblema(i, ')');
    }
    return toCp1252(texto);
}

} // namespace

QStringList ImagenesNombradas(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              bool soloSimples) {
    qsizetype posicionBindir = 0;
    return NombresEnEtiquetas(fromCp1252(TextoArchivo(coleccion, problemas, posicionBindir)),
                              soloSimples);
}

ArchivoConstruido ConstruyeArchivoColeccion(const DatosColeccion& coleccion,
                                            const TablaProblemas& problemas,
                                            const FuenteImagenes& fuente) {
    qsizetype posicionBindir = 0;
    QByteArray bytes = TextoArchivo(coleccion, problemas, posicionBindir);
    ArchivoConstruido archivo;
    const auto omite = [&archivo](const QString& nombre, MotivoOmision motivo) {
        archivo.omitidas.append({nombre, motivo});
    };
    // Names as the file's reader will see them. The directory is read without the blanks at the
    // ends of a name, or cut to its width: the texts would no longer name the picture.
    const QString texto = fromCp1252(bytes);
    for (const QString& nombre : NombresEnEtiquetas(texto, false)) {
        if (SinBlancos(nombre).size() != nombre.size())
            omite(nombre, MotivoOmision::NombreConBlancos);
    }
    std::vector<ImagenColeccion> imagenes;
    QHash<QString, QByteArray> tomadas; // by case-folded name, as pictures are looked up
    for (const QString& nombre : NombresImagenes(texto)) {
        if (SinBlancos(nombre).size() != nombre.size()) continue;
        if (nombre.size() > kLongitudNombre) {
            omite(nombre, MotivoOmision::NombreLargo);
        } else if (std::optional<QByteArray> datos = fuente ? fuente(nombre) : std::nullopt) {
            const QString clave = nombre.toCaseFolded();
            const auto tomada = tomadas.constFind(clave);
            if (tomada != tomadas.cend() && *tomada != *datos) {
                omite(nombre, MotivoOmision::NombreRepetido);
            } else {
                tomadas.insert(clave, *datos);
                imagenes.push_back({nombre, std::move(*datos)});
            }
        } else {
            omite(nombre, MotivoOmision::NoEncontrada);
        }
    }

    // Those that would lie past the 8-digit positions, or end past the largest file that is
    // read, are left out, measured as if none were: the others only come nearer.
    const qint64 T = bytes.size();
    qint64 posicion = T + qint64{kLongitudEntrada} * static_cast<qint64>(imagenes.size()) + 1;
    std::erase_if(imagenes, [&](const ImagenColeccion& imagen) {
        if (T + 1 > kMaxPosicion || posicion > kMaxPosicion || imagen.datos.size() > kMaxPosicion) {
            omite(imagen.nombre, MotivoOmision::ArchivoGrande);
            return true;
        }
        if (posicion - 1 + imagen.datos.size() > kMaxBytesArchivo) {
            omite(imagen.nombre, MotivoOmision::ArchivoSinAbrir);
            return true;
        }
        posicion += imagen.datos.size();
        return false;
    });
    if (imagenes.empty()) {
        archivo.bytes = std::move(bytes);
        return archivo;
    }

    posicion = T + qint64{kLongitudEntrada} * static_cast<qint64>(imagenes.size()) + 1;
    QByteArray directorio;
    QByteArray datos;
    for (const ImagenColeccion& imagen : imagenes) {
        directorio += toCp1252(AnchoFijo(imagen.nombre, kLongitudNombre) + Posicion8(posicion) +
                               Posicion8(imagen.datos.size()));
        datos += imagen.datos;
        posicion += imagen.datos.size();
    }
    bytes.replace(posicionBindir, 8, toCp1252(Posicion8(T + 1)));
    bytes += directorio;
    bytes += datos;
    archivo.bytes = std::move(bytes);
    return archivo;
}

QString RenombraImagenes(const QString& texto, const QHash<QString, QString>& nombres) {
    QString renombrado = texto;
    const auto posiciones = PosicionesDeNombres(texto, 0);
    // From the last, so that the positions before stay good; two tags may find one name (a tag
    // without its quotes takes the next tag's), which is rewritten once.
    qsizetype reescrito = texto.size(); // where the name rewritten last starts
    for (auto k = posiciones.rbegin(); k != posiciones.rend(); ++k) {
        if (k->first >= reescrito) continue;
        reescrito = k->first;
        const auto nuevo = nombres.constFind(texto.sliced(k->first, k->second));
        if (nuevo != nombres.cend()) renombrado.replace(k->first, k->second, *nuevo);
    }
    return renombrado;
}

std::optional<std::int32_t> REG_To_Var(const QString& Param, TablaProblemas& Problemas) {
    const qsizetype n = Param.size() / kLongitudLinea;
    if (n == 0 || n * kLongitudLinea != Param.size()) return 0;
    if (n > kMaxProblemas || n >= static_cast<qsizetype>(Problemas.size())) return std::nullopt;
    TablaProblemas nuevos = Problemas;
    for (qsizetype i = 1; i <= n; ++i) {
        const QStringView linea =
            QStringView(Param).sliced((i - 1) * kLongitudLinea, kLongitudLinea);
        Problema& p = nuevos[i];
        const std::optional<std::int16_t> campos[] = {
            EnteroCorto(linea.sliced(80, 3)), EnteroCorto(linea.sliced(83, 3)),
            EnteroCorto(linea.sliced(86, 4)), EnteroCorto(linea.sliced(90, 2)),
            EnteroCorto(linea.sliced(92, 2)), EnteroCorto(linea.sliced(94, 2))};
        for (const auto& campo : campos) {
            if (!campo) return std::nullopt;
        }
        p.Clave = SinBlancos(linea.first(kLongitudClave)).toString();
        p.Tipo = *campos[0];
        p.SemillaA = *campos[1];
        p.SemillaB = *campos[2];
        p.Variante = *campos[3];
        p.Cantidad = *campos[4];
        p.Orden = *campos[5];
    }
    Problemas = std::move(nuevos);
    return static_cast<std::int32_t>(n);
}

LecturaColeccion LeeArchivoColeccion(const QByteArray& bytes) {
    LecturaColeccion lectura;
    const auto falla = [&lectura](FalloLectura fallo) {
        lectura.Fallo = fallo;
        lectura.Datos = ColeccionLeida{};
        return lectura;
    };
    if (bytes.size() > kMaxBytesArchivo) return falla(FalloLectura::ArchivoIncorrecto);
    // The tags are ASCII, and the code page makes no other byte an ASCII character: they are
    // found in the bytes where the text has them, and only the values become text, never the
    // whole file.
    const QByteArrayView todo(bytes);

    const qsizetype finCabecera = todo.indexOf("#CABECERA)");
    if (finCabecera < 10) return falla(FalloLectura::ArchivoIncorrecto);
    // The first 10 characters stand for "#CABECERA(", unchecked.
    Cabecera cabecera(todo.sliced(10, finCabecera - 10));
    const QByteArrayView resto = SinBlancos(todo.sliced(finCabecera + 10));

    const std::optional<QByteArrayView> param = cabecera.Corta("#PROPARAM)");
    std::optional<QByteArrayView> valores[std::size(kItemsCabecera)];
    if (!param) return falla(FalloLectura::ArchivoIncorrecto);
    for (std::size_t k = 0; k < std::size(kItemsCabecera); ++k) {
        valores[k] = cabecera.Corta(Etiqueta(kItemsCabecera[k], ')').toLatin1());
        if (!valores[k]) return falla(FalloLectura::ArchivoIncorrecto);
    }
    const std::optional<std::int32_t> numeros[] = {Numero(*valores[1]), Numero(*valores[2]),
                                                   Numero(*valores[4]), Numero(*valores[5]),
                                                   Numero(*valores[8])};
    const std::optional<double> ordena = ValorNumerico(fromCp1252(*valores[3]));
    for (const auto& numero : numeros) {
        if (!numero) return falla(FalloLectura::ArchivoIncorrecto);
    }
    if (!ordena) return falla(FalloLectura::ArchivoIncorrecto);

    DatosColeccion& c = lectura.Datos.Coleccion;
    c.TITULO = fromCp1252(*valores[0]);
    c.POSNUMPAG = *numeros[0];
    c.COLRESPRO = static_cast<Rgb>(*numeros[1]);
    c.ORDENA = *ordena == 1.0;
    // First numbers out of the dialogs' range would overflow when counted on.
    c.PAGINI = std::clamp(*numeros[2], kMinNumeroInicial, kMaxNumeroInicial);
    c.POSSOL = *numeros[3];
    c.PROPRE = fromCp1252(*valores[6]);
    c.PROSUF = fromCp1252(*valores[7]);
    c.PROINI = std::clamp(*numeros[4], kMinNumeroInicial, kMaxNumeroInicial);

    // The picture directory's position: the header's own item, or else the first "#BINDIR("
    // anywhere in the file. A value that is no number leaves the pictures out.
    std::optional<std::int32_t> D;
    if (const std::optional<QByteArrayView> bindir = cabecera.Corta("#BINDIR)")) {
        D = Numero(SinBlancos(*bindir));
    } else {
        const qsizetype k = todo.indexOf("#BINDIR(");
        D = k < 0 ? 0
                  : Numero(todo.sliced(k + 8).first(std::min<qsizetype>(8, todo.size() - k - 8)));
    }

    const std::optional<std::int32_t> n = REG_To_Var(fromCp1252(*param), lectura.Datos.Problemas);
    if (!n) return falla(FalloLectura::ArchivoIncorrecto);
    if (*n == 0) return falla(FalloLectura::ErrorAlAbrir);
    c.NPROB = *n;

    qsizetype cursor = 0;
    for (int i = 1; i <= *n; ++i) {
        const QByteArray cierre = EtiquetaProblema(i, ')').toLatin1();
        const qsizetype k = resto.indexOf(cierre, cursor);
        if (k < 0) return falla(FalloLectura::ArchivoIncorrecto);
        QByteArrayView bloque = resto.sliced(cursor, k - cursor);
        bloque = bloque.size() > 8 ? bloque.sliced(8) : QByteArrayView();
        cursor = k + cierre.size();
        const auto textos = PartesTextos(bloque, QByteArrayView("#SOL("));
        if (!textos) return falla(FalloLectura::ArchivoIncorrecto);
        lectura.Datos.Problemas[i].Enunciado = fromCp1252(textos->first);
        lectura.Datos.Problemas[i].Solucion = fromCp1252(textos->second);
    }

    std::optional<std::vector<ImagenColeccion>> imagenes;
    QStringList rechazadas;
    if (D) imagenes = LeeDirectorio(todo, *D, rechazadas);
    if (imagenes) {
        lectura.Datos.Imagenes = std::move(*imagenes);
        lectura.Datos.ImagenesRechazadas = std::move(rechazadas);
    } else {
        lectura.Datos.DirectorioDanado = true;
    }
    return lectura;
}

} // namespace vornith::document
