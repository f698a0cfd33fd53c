#pragma once

// The catalogue entry a generator gives in listing mode.

#include "generation/module_interface.h"

#include <QString>

namespace vornith::generation {

// The topic under which a subject module lists its types: its code and its name.
struct TemaCatalogo {
    const char16_t* codigo;
    const char16_t* nombre;
};

inline constexpr TemaCatalogo kTemaCinematica{u"040", u"Cinemática"};
inline constexpr TemaCatalogo kTemaDinamica{u"060", u"Dinámica"};

// Fills the catalogue fields of one physics type (class 3) of `tema`; CatExtra is left alone.
inline void EntradaCatalogo(InterfazModulo& v, const TemaCatalogo& tema, const QString& codTipo,
                            const QString& titulo, const QString& descripcion) {
    v.CatClase = QStringLiteral("3");
    v.CatAsignatura = QStringLiteral("Física");
    v.CatCodTema = QString::fromUtf16(tema.codigo);
    v.CatTema = QString::fromUtf16(tema.nombre);
    v.CatCodTipo = codTipo;
    v.CatTitulo = titulo;
    v.CatDescripcion = descripcion;
}

} // namespace vornith::generation
