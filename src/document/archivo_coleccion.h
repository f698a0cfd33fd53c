#pragma once

// The collection file (.COL): header, parameter lines, problem texts and the pictures they
// name, Windows-1252 on disk, byte for byte. Pure functions over bytes; the disk side is in
// disco_coleccion.h.

#include "document/coleccion.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace vornith::document {

// One picture carried by a collection file.
struct ImagenColeccion {
    QString nombre;
    QByteArray datos;

    friend bool operator==(const ImagenColeccion&, const ImagenColeccion&) = default;
};

// Widths of the fixed records.
constexpr int kLongitudLinea = 102;    // one parameter line, CR LF included
constexpr int kLongitudEntrada = 48;   // one picture directory entry
constexpr int kLongitudNombre = 32;    // picture name within an entry
constexpr int kLongitudClave = 80;     // module key within a parameter line
constexpr int kMaxPosicion = 99999999; // positions and lengths are written in 8 digits
// The largest file that is read, and so the largest that is written: past its 8-digit
// positions a file could reach about 200 MB.
constexpr qint64 kMaxBytesArchivo = 128 * 1024 * 1024;

// "pasaría de 128 MB, lo más que se puede abrir": why a file past kMaxBytesArchivo is not written.
QString PasaDelMaximoArchivo();

// ----- Writing

// Why a save did not happen. The caller keeps Modificado as it was in every case.
enum class FalloGuardado {
    Ninguno,
    TextoNoGuardable,         // the file cannot hold a text as it stands: Descripcion says why
    ProtegidoContraEscritura, // the file or its folder may not be written: offer Save As
    Otro,                     // any other failure, with a number and a description
};

struct ErrorGuardado {
    FalloGuardado Tipo = FalloGuardado::Ninguno;
    int Numero = 0;      // the error number shown to the user
    QString Descripcion; // and its description; TextoNoGuardable: the reason

    bool hayError() const { return Tipo != FalloGuardado::Ninguno; }
};

// The text of the message box for a failed save of `ArchivoActual`; empty for no failure.
QString MensajeErrorGuardado(const ErrorGuardado& error, const QString& ArchivoActual);

// The bytes of the picture file called `nombre`, or nothing when there is none.
using FuenteImagenes = std::function<std::optional<QByteArray>(const QString& nombre)>;

// The parameter line of problem `i` (1-based): key, problem code, printed number, CR LF.
QString LineaParametros(const Problema& problema, int i, std::int32_t PROINI);

// The distinct picture names (exact comparison) that the picture tags of `texto` name, from its
// 100th character on, in order of appearance. Tags without a closing tag or without two quotes,
// and names that are not plain file names, are passed over.
QStringList NombresImagenes(const QString& texto);

// Why a picture the texts name is not in a file that was built; its references stay.
enum class MotivoOmision {
    NoEncontrada,     // there is no picture of that name to be had
    NombreLargo,      // the name is longer than the directory's 32 characters
    NombreConBlancos, // the name has a blank at either end, which reading trims
    ArchivoGrande,    // the picture would lie past the file's 8-digit positions
    ArchivoSinAbrir,  // the file would be larger than kMaxBytesArchivo, which is not read
    NombreRepetido,   // an earlier name differs only in letter case, and its bytes differ
    NoLeida,          // the document's: the file it was opened from could not give it
};

struct ImagenOmitida {
    QString nombre;
    MotivoOmision motivo;

    friend bool operator==(const ImagenOmitida&, const ImagenOmitida&) = default;
};

struct ArchivoConstruido {
    QByteArray bytes;              // the complete file
    QList<ImagenOmitida> omitidas; // in the order the texts name them
};

// The problems a file of `coleccion` holds: NPROB, within the limits of the system and the
// table.
int ProblemasDelArchivo(const DatosColeccion& coleccion, const TablaProblemas& problemas);

// The pictures the file of `coleccion` names, as NombresImagenes finds them in it; with
// `soloSimples` false, names that are not plain file names too.
QStringList ImagenesNombradas(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              bool soloSimples = true);

// The complete file of header `coleccion` and problems 1..NPROB, with every picture the texts
// name taken from `fuente`. No picture stops it: one that `fuente` cannot give, whose name the
// directory would not read back as written or as another picture's, that would lie past the
// 8-digit positions or take the file past kMaxBytesArchivo is left out and listed, and the
// texts keep naming it.
ArchivoConstruido ConstruyeArchivoColeccion(const DatosColeccion& coleccion,
                                            const TablaProblemas& problemas,
                                            const FuenteImagenes& fuente);

// `texto` with every picture tag that names a key of `nombres` naming its value instead: each
// tag is rewritten once, from the name it had.
QString RenombraImagenes(const QString& texto, const QHash<QString, QString>& nombres);

// ----- Reading

// Statement and solution of "#ENU(" statement "#ENU)#SOL(" solution "#SOL)": the solution is
// what follows the first "#SOL(" less its last 5 characters, the statement the first
// (length - solution length - 15) characters less the first 5 (the tags are not checked).
// Nothing when there is no "#SOL(" or either text would have a negative length.
std::optional<std::pair<QString, QString>> SeparaTextos(QStringView texto);

enum class FalloLectura {
    Ninguno,
    ExtensionIncorrecta, // not ".COL": no message
    ArchivoIncorrecto,   // a required tag missing or a damaged field: "El Archivo es incorrecto"
    ErrorAlAbrir,        // the parameter block is empty or not whole lines
};

// The message for a failed open; empty when there is none to show.
QString MensajeErrorLectura(FalloLectura fallo);

// A collection as read from a file, complete before anything of the open one is touched.
struct ColeccionLeida {
    DatosColeccion Coleccion; // NPROB = the number of problems read
    TablaProblemas Problemas = nuevaTablaProblemas();
    // The pictures of the directory in its order, those with plain names only. Empty when the
    // file has none or its directory is damaged.
    std::vector<ImagenColeccion> Imagenes;
    // The names of the directory that are not plain file names: their pictures are left out.
    QStringList ImagenesRechazadas;
    bool DirectorioDanado = false; // the directory was refused and its pictures skipped

    // The reader left out a picture the file may have carried.
    bool ImagenesDanadas() const { return DirectorioDanado || !ImagenesRechazadas.isEmpty(); }
};

struct LecturaColeccion {
    FalloLectura Fallo = FalloLectura::Ninguno;
    ColeccionLeida Datos; // meaningful only without Fallo
};

// Turns the parameter block into the keys and codes of problems 1..n of `Problemas` (texts
// untouched) and returns n. 0 when the block is empty or not a whole number of lines (the table
// is then unchanged); nothing when a field is not a number or there are more than 500 lines
// (the table is unchanged too).
std::optional<std::int32_t> REG_To_Var(const QString& Param, TablaProblemas& Problemas);

// Parses the bytes of a collection file; more than kMaxBytesArchivo of them are an incorrect
// file.
LecturaColeccion LeeArchivoColeccion(const QByteArray& bytes);

} // namespace vornith::document
