#include "dialogs/temas_asistente.h"

#include "document/conversion_numerica.h"
#include "generation/me_norv.h"

namespace vornith::dialogs {

namespace {

// Characters `desde`..`hasta` (1-based) of a catalogue record.
QStringView campo(const QString& registro, int desde, int hasta) {
    return QStringView(registro).mid(desde - 1, hasta - desde + 1);
}

std::int16_t numeroDe(QStringView texto) {
    const auto valor = document::ValorNumerico(texto);
    const auto entero = valor ? document::EnteroLargo(*valor) : std::nullopt;
    if (!entero || *entero < INT16_MIN || *entero > INT16_MAX) return 0;
    return static_cast<std::int16_t>(*entero);
}

void cargaSiVacio(generation::EstadoGeneracion& generacion) {
    if (generacion.NumCatalogo == 0) generation::CargaCatalogo(generacion);
}

} // namespace

QStringList ReuneAsignaturas(generation::EstadoGeneracion& generacion) {
    cargaSiVacio(generacion);
    QStringList asignaturas;
    for (int i = 1; i <= generacion.NumCatalogo && asignaturas.size() < kMaxAsignaturas; ++i) {
        const QString& linea = generacion.Catalogo[static_cast<std::size_t>(i)];
        const qsizetype dosPuntos = linea.indexOf(u':');
        const QString registro = dosPuntos < 0 ? QString() : linea.mid(dosPuntos + 1);
        const QString asignatura = document::SinBlancos(campo(registro, 7, 71)).toString();
        // A line that names no subject offers none.
        if (!asignatura.isEmpty() && !asignaturas.contains(asignatura))
            asignaturas.append(asignatura);
    }
    return asignaturas;
}

void ConstruyeTemas(generation::EstadoGeneracion& generacion, const QString& asignatura,
                    const TiposDocumento& tipos, document::ListaTemas& temas, QStringList& List1) {
    cargaSiVacio(generacion);
    List1.clear();
    const QString buscada = asignatura.toUpper();
    for (int i = 1; i <= generacion.NumCatalogo; ++i) {
        const QString& linea = generacion.Catalogo[static_cast<std::size_t>(i)];
        const qsizetype dosPuntos = linea.indexOf(u':');
        if (dosPuntos < 0) continue;
        const QString registro = linea.mid(dosPuntos + 1);
        if (document::SinBlancos(campo(registro, 7, 71)).toString().toUpper() == buscada)
            List1.append(registro + linea.left(dosPuntos));
    }

    using document::Tema;
    auto& filas = temas.Temas;
    filas.assign(document::kMaxTemas + 1, Tema{});
    Tema& raiz = filas[1];
    raiz.Clase = 6;
    raiz.Titulo = asignatura;
    raiz.Abierto = true;
    raiz.EsCarpeta = true;
    int n = 1;
    for (qsizetype j = 0; j < List1.size() && n < document::kMaxTemas; ++j) {
        const QString& rec = List1[j];
        const QStringView h = campo(rec, 72, 231);
        const int clase = numeroDe(campo(rec, 232, 232));
        if (clase == 5) {
            const QString tema = document::SinBlancos(h.left(80)).toString();
            const Tema& anterior = filas[static_cast<std::size_t>(n)];
            // A heading directly after the same heading is not repeated.
            if (anterior.Clase == 5 && anterior.Titulo == document::SinBlancos(h).toString())
                continue;
            Tema& fila = filas[static_cast<std::size_t>(++n)];
            fila.Clase = 5;
            fila.Titulo = tema;
            fila.EsCarpeta = true;
            fila.Nivel = 1;
        } else if (clase >= 1 && clase <= 4 && tipos[static_cast<std::size_t>(clase)]) {
            Tema& fila = filas[static_cast<std::size_t>(++n)];
            fila.Clase = static_cast<std::int16_t>(clase);
            fila.Titulo = document::SinBlancos(h.mid(80)).toString();
            fila.Descripcion = document::SinBlancos(campo(rec, 239, 398)).toString();
            fila.Nivel = 2;
            fila.IndiceLista = static_cast<std::int16_t>(j);
            fila.Rutina = numeroDe(campo(rec, 233, 235));
            fila.MaxVariante = numeroDe(campo(rec, 236, 238));
            fila.Clave = document::AnchoFijo(rec.mid(400), 80);
        }
    }
    temas.NumTemas = static_cast<std::int16_t>(n);
}

std::int32_t Total(const document::ListaTemas& temas) {
    std::int32_t total = 0;
    for (int i = 1; i <= temas.NumTemas; ++i) {
        const auto& fila = temas.Temas[static_cast<std::size_t>(i)];
        if (fila.Seleccionado) total += fila.Cantidad;
    }
    return total;
}

QString GetDefaultTitle(const document::ListaTemas& temas) {
    QString palabra;
    QString lugar;
    bool hayLugar = false;
    bool variosLugares = false;
    const auto& filas = temas.Temas;
    for (int i = 1; i <= temas.NumTemas; ++i) {
        const auto& fila = filas[static_cast<std::size_t>(i)];
        if (!fila.Seleccionado || fila.Clase < 1 || fila.Clase > 4) continue;
        switch (fila.Clase) {
        case 1:
            palabra = palabra.isEmpty()                        ? QStringLiteral("Cuestiones")
                      : palabra != QLatin1String("Cuestiones") ? QStringLiteral("Problemas")
                                                               : palabra;
            break;
        case 2:
            palabra = palabra.isEmpty()                        ? QStringLiteral("Ejercicios")
                      : palabra != QLatin1String("Ejercicios") ? QStringLiteral("Problemas")
                                                               : palabra;
            break;
        case 3:
            palabra = QStringLiteral("Problemas");
            break;
        default:
            palabra = QStringLiteral("Temas de teoría");
            break;
        }
        int k = i - 1;
        while (k >= 1 && filas[static_cast<std::size_t>(k)].Clase != 5)
            --k;
        if (k < 1 || variosLugares) continue;
        const QString& titulo = filas[static_cast<std::size_t>(k)].Titulo;
        if (!hayLugar) {
            lugar = titulo;
            hayLugar = true;
        } else if (titulo != lugar) {
            lugar = filas[1].Titulo;
            variosLugares = true;
        }
    }
    return palabra + QStringLiteral(" de ") + lugar;
}

int MueveEnRejilla(TeclaRejilla tecla, int n, int N) {
    switch (tecla) {
    case TeclaRejilla::Siguiente:
        return n + 1 > N ? 1 : n + 1;
    case TeclaRejilla::Anterior:
        return n - 1 < 1 ? N : n - 1;
    case TeclaRejilla::Abajo: {
        if (n + 3 <= N) return n + 3;
        int m = n % 3 == 0 ? 3 : n % 3;
        return m > N ? 1 : m;
    }
    case TeclaRejilla::Arriba: {
        int m = n - 3;
        if (m < 1) {
            const int c = N % 3 == 1 ? 2 : N % 3 == 2 ? 1 : 0;
            m += N + c;
            for (int veces = 0; veces < 2 && m > N; ++veces)
                m -= 3;
            if (m < 1) m = 1;
        }
        return m;
    }
    case TeclaRejilla::Inicio:
        return 1;
    case TeclaRejilla::Fin:
        return N;
    }
    return n;
}

} // namespace vornith::dialogs
