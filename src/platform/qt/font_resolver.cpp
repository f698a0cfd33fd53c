#include "platform/qt/font_resolver.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>

namespace vornith {

namespace {

bool familyHasAll(const QString& family, const QString& text) {
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0) return false;
    for (const QChar c : text) {
        if (!c.isSpace() && !raw.supportsCharacter(c)) return false;
    }
    return true;
}

// Any other name: the family that really draws it, so that the many names that fall back to
// one family share its metrics. Markup may name any number of fonts: the table is bounded.
QString resolvedFamily(const QString& name) {
    constexpr qsizetype kMaxResolved = 1024;
    static QHash<QString, QString> resolved;
    const auto found = resolved.constFind(name);
    if (found != resolved.constEnd()) return *found;
    if (resolved.size() >= kMaxResolved) resolved.clear();
    const QString family = QFontInfo(QFont(name)).family();
    resolved.insert(name, family);
    return family;
}

} // namespace

QString FontResolver::familyFor(const QString& name) {
    static const QHash<QString, QString> aliases = {
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
    };
    const auto alias = aliases.constFind(name.trimmed().toLower());
    if (alias != aliases.constEnd()) return *alias;
    return resolvedFamily(name);
}

QString FontResolver::codedFamilyFor(const QString& mappedText) {
    static const QStringList candidates = [] {
        // Standard Symbols PS has the metrics the layout was made for. It is installed twice:
        // as OpenType with the byte-coded symbol encoding and as Type 1 with Unicode names;
        // each install is its own "family [foundry]", and only the Unicode one fits here.
        QStringList list;
        const QString symbols = QStringLiteral("Standard Symbols PS");
        for (const QString& family : QFontDatabase::families()) {
            if (family.startsWith(symbols, Qt::CaseInsensitive)) list.append(family);
        }
        list.append({QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans")});
        return list;
    }();
    static QHash<QString, QString> chosen;
    const auto found = chosen.constFind(mappedText);
    if (found != chosen.constEnd()) return *found;

    QString family = candidates.front();
    for (const QString& candidate : candidates) {
        if (familyHasAll(candidate, mappedText)) {
            family = candidate;
            break;
        }
    }
    chosen.insert(mappedText, family);
    return family;
}

QFont FontResolver::fontFor(const FontState& state, const QString& family, double deviceDpi) {
    QFont font(family);
    // Painters draw in twips: the size is chosen so that one point spans 20 logical units.
    font.setPointSizeF(state.points * 1440.0 / deviceDpi);
    font.setBold(state.bold);
    font.setItalic(state.italic);
    font.setUnderline(state.underline);
    font.setStrikeOut(state.strikethru);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

} // namespace vornith
