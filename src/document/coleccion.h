#pragma once

#include "document/almacen_imagenes.h"
#include "generation/problema.h"
#include "platform/colour.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace vornith::document {

using generation::Problema;

// Limits of the system.
constexpr int kMaxProblemas = 500;
constexpr int kMaxBloques = 1024;
// PROINI and PAGINI as the dialogs accept them; files are held to the same range.
constexpr std::int32_t kMinNumeroInicial = 1;
constexpr std::int32_t kMaxNumeroInicial = 1999;

// The collection header.
struct DatosColeccion {
    std::int32_t PAGINI = 1;     // number printed on the first page
    std::int32_t POSNUMPAG = 11; // page-number position code (bottom, centred)
    std::int32_t NPROB = 0;      // problems in use; 0: no collection open
    Rgb COLRESPRO = rgb(255, 255, 255);
    QString PROPRE;
    QString PROSUF;
    std::int32_t PROINI = 1; // number given to the first problem
    std::int32_t POSSOL = 1; // 0 none, 1 after each, 2 together at the end, 3 on pages of their own
    QString TITULO;
    bool ORDENA = false; // keep the wizard's order instead of shuffling

    friend bool operator==(const DatosColeccion&, const DatosColeccion&) = default;
};

// POSSOL codes.
constexpr int kSinSoluciones = 0;
constexpr int kSolucionTrasProblema = 1;
constexpr int kSolucionesAlFinal = 2;
constexpr int kSolucionesAparte = 3;

// One composed text block: a problem (NumProblema = its index) or a solution (minus it).
struct Bloque {
    QString Texto;
    std::int32_t Pagina = 0; // 0 until pagination places it
    std::int32_t NumProblema = 0;
};

// The problems of a collection, 1-based: entry 0 is never used.
using TablaProblemas = std::vector<Problema>;
inline TablaProblemas nuevaTablaProblemas() {
    return TablaProblemas(kMaxProblemas + 1);
}

// One level of undo or redo: a whole copy of header and problems, with its description.
struct PuntoRestauracion {
    bool Hay = false;
    DatosColeccion Coleccion;
    TablaProblemas Problemas = nuevaTablaProblemas();
    QString Descripcion;
};

// The one open collection and what is derived from it for display.
struct EstadoDocumento {
    DatosColeccion Coleccion;
    TablaProblemas Problemas = nuevaTablaProblemas();
    std::vector<Bloque> TablaBloques = std::vector<Bloque>(kMaxBloques + 1);
    std::int32_t NumBloques = 0;
    std::int32_t NumPaginas = 0;
    std::int16_t PaginaActual = 1;
    // Pages drawn without the title: it left no room there for their first block, which fits
    // without it.
    QList<int> PaginasSinTitulo;
    bool Ocupado = false;
    bool Modificado = false;
    QString ArchivoActual;
    // Problems with a block taller than a page, as last told to the user.
    QList<int> ProblemasCortados;
    // The pictures of the collection that img/ does not ship, for saves and copies.
    AlmacenImagenes Imagenes;
    // Pictures that saves left out, as the user was told of them: each is named once.
    QSet<QString> ImagenesOmitidasAvisadas;
    // The pictures, by case-folded name, that the file opened could not give: its picture
    // directory was damaged.
    QSet<QString> ImagenesNoLeidas;
    PuntoRestauracion Undo;
    PuntoRestauracion Redo;
};

} // namespace vornith::document
