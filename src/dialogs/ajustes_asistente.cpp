#include "dialogs/ajustes_asistente.h"

#include "dialogs/numero_texto.h"
#include "document/conversion_numerica.h"
#include "platform/settings.h"

namespace vornith::dialogs {

namespace {

const QString kSeccion = QStringLiteral("Wizard");
// Stored keys are case-sensitive here: page numbering lives under this one spelling.
const QString kClavePagPos = QStringLiteral("PagPos");
constexpr std::int32_t kColorMaximo = 16777215;

QString lee(const Settings& ajustes, const char* clave, const char* porDefecto) {
    return ajustes.value(kSeccion, QString::fromLatin1(clave), QString::fromLatin1(porDefecto));
}

// Val of the stored text rounded to a 32-bit integer; the default when that cannot be.
std::int32_t numero(const QString& texto, std::int32_t porDefecto) {
    const auto valor = Val(texto);
    if (!valor) return porDefecto;
    return document::EnteroLargo(*valor).value_or(porDefecto);
}

QString siNo(bool si) {
    return si ? QStringLiteral("S") : QStringLiteral("N");
}

} // namespace

PasosVisibles LeeAjustes(const Settings& ajustes, document::DatosColeccion& Coleccion) {
    Coleccion.ORDENA = lee(ajustes, "Ordena", "S") == QLatin1String("S");
    Coleccion.POSSOL = numero(lee(ajustes, "Solpos", "1"), 1);
    if (Coleccion.POSSOL < 0 || Coleccion.POSSOL > 3) Coleccion.POSSOL = 1;
    Coleccion.PROPRE = lee(ajustes, "Propre", "");
    Coleccion.PROSUF = lee(ajustes, "Prosuf", ")");
    Coleccion.POSNUMPAG = numero(ajustes.value(kSeccion, kClavePagPos, QStringLiteral("11")), 11);
    std::int32_t color = numero(lee(ajustes, "Procol", "16777215"), kColorMaximo);
    if (color < 0 || color > kColorMaximo) color = kColorMaximo;
    Coleccion.COLRESPRO = static_cast<Rgb>(color);
    return {lee(ajustes, "Showini", "S") == QLatin1String("S"),
            lee(ajustes, "Showavan", "N") == QLatin1String("S")};
}

void GuardarAjustes(Settings& ajustes, const document::DatosColeccion& Coleccion,
                    PasosVisibles pasos, const QString& asignatura) {
    auto pon = [&](const QString& clave, const QString& valor) {
        ajustes.setValue(kSeccion, clave, valor);
    };
    pon(QStringLiteral("Ordena"), siNo(Coleccion.ORDENA));
    pon(QStringLiteral("Solpos"), document::Decimal(Coleccion.POSSOL));
    pon(QStringLiteral("Propre"), Coleccion.PROPRE);
    pon(QStringLiteral("Prosuf"), Coleccion.PROSUF);
    pon(kClavePagPos, document::Decimal(Coleccion.POSNUMPAG));
    pon(QStringLiteral("Procol"), document::Decimal(Coleccion.COLRESPRO));
    pon(QStringLiteral("Showini"), siNo(pasos.Showini));
    pon(QStringLiteral("Showavan"), siNo(pasos.Showavan));
    pon(QStringLiteral("Asignatura"), asignatura);
}

} // namespace vornith::dialogs
