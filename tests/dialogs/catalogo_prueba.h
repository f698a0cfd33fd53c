#pragma once

// Catalogues made for the wizard tests, stored as the modules' listings are.

#include "document/conversion_numerica.h"
#include "generation/estado_generacion.h"
#include "generation/me_norv.h"

#include <QString>

namespace vornith::test {

struct Registro {
    Registro(QString a, QString t, QString ti, int c = 3, int r = 0, int m = 0, QString d = {})
        : asignatura(std::move(a)), tema(std::move(t)), titulo(std::move(ti)), clase(c), rutina(r),
          maxVariante(m), descripcion(std::move(d)) {}
    QString asignatura;
    QString tema;
    QString titulo; // empty for a heading
    int clase;
    int rutina;
    int maxVariante;
    QString descripcion;
};

// One 400-character catalogue record.
inline QString registro(const Registro& r) {
    using document::AnchoFijo;
    return QStringLiteral("040001") + AnchoFijo(r.asignatura, 65) + AnchoFijo(r.tema, 80) +
           AnchoFijo(r.titulo, 80) + QString::number(r.clase) + document::CifrasFijas(r.rutina, 3) +
           document::CifrasFijas(r.maxVariante, 3) + AnchoFijo(r.descripcion, 160) +
           QStringLiteral("\r\n");
}

// Stores the records as the listing of module `clave`.
inline void listado(generation::EstadoGeneracion& g, const QString& clave,
                    std::initializer_list<Registro> registros) {
    QString texto = clave + QLatin1Char(':');
    for (const Registro& r : registros)
        texto += registro(r);
    generation::AlmacenaListado(g, texto);
}

inline Registro cabecera(const QString& asignatura, const QString& tema) {
    return {asignatura, tema, QString(), 5};
}

} // namespace vornith::test
