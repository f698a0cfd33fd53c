#include "platform/qt/font_resolver.h"

#include "platform/qt/font_families.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>

#include <utility>

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

// The family of Standard Symbols PS mapped by Unicode alone, loaded on first use; empty when
// the font is not installed.
QString unicodeSymbolFamily() {
    static const QString family = [] {
        // Standard Symbols PS maps its glyphs by the byte codes of the "Symbol" encoding
        // before their Unicode names, so Unicode text below 256 reaches the wrong glyphs (the
        // dot operator for the multiplication sign) and a PDF's text reads back as Latin
        // letters. Its Type 1 install, given the standard encoding instead, maps by glyph
        // names alone; it is registered under a family name of its own.
        QFile file(QStringLiteral("/usr/share/fonts/type1/urw-base35/StandardSymbolsPS.t1"));
        if (!file.open(QIODevice::ReadOnly)) return QString();
        QByteArray data = file.readAll();
        const qsizetype start = data.indexOf("/Encoding 256 array");
        const qsizetype end = start < 0 ? -1 : data.indexOf("readonly def", start);
        const QByteArray name = "/FamilyName (Standard Symbols PS)";
        if (end < 0 || !data.contains(name)) return QString();
        data.replace(start, end + 12 - start, "/Encoding StandardEncoding def");
        data.replace(name, "/FamilyName (Standard Symbols PS Unicode)");
        const int id = QFontDatabase::addApplicationFontFromData(data);
        return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    return family;
}

} // namespace

QString FontResolver::familyFor(const QString& name) {
    static FontFamilies families = [] {
        // Registered first, so that the families listed do not depend on what was drawn before.
        unicodeSymbolFamily();
        FontFamilies installed(QFontDatabase::families(), [](const QString& family) {
            return QFontInfo(QFont(family)).family();
        });
        // The core fonts' metric twins, then the look-alikes the desktop's font matching gives
        // other common Windows faces (serif stays serif, narrow stays narrow).
        static const std::pair<const char*, const char*> aliases[] = {
            {"Times New Roman", "Liberation Serif"},
            {"Times", "Liberation Serif"},
            {"Arial", "Liberation Sans"},
            {"Helvetica", "Liberation Sans"},
            {"Courier New", "Liberation Mono"},
            {"Courier", "Liberation Mono"},
            {"Georgia", "DejaVu Serif"},
            {"Cambria", "DejaVu Serif"},
            {"Garamond", "DejaVu Serif"},
            {"Palatino", "P052"},
            {"Palatino Linotype", "P052"},
            {"Bookman Old Style", "URW Bookman"},
            {"Century Schoolbook", "C059"},
            {"Arial Narrow", "Nimbus Sans Narrow"},
            {"Consolas", "DejaVu Sans Mono"},
            {"Comic Sans MS", "Z003"},
        };
        for (const auto& [alias, family] : aliases)
            installed.addAlias(QString::fromLatin1(alias), QString::fromLatin1(family));
        return installed;
    }();
    return families.familyFor(name);
}

FontResolver::CodedText FontResolver::codedText(CodedFont font, const QString& text) {
    static const QStringList candidates = [] {
        QStringList list;
        const QString symbols = unicodeSymbolFamily();
        if (!symbols.isEmpty()) list.append(symbols);
        list.append({QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans")});
        return list;
    }();
    static QHash<QString, CodedText> chosen;
    const QString key = QChar(u'0' + static_cast<int>(font)) + text;
    const auto found = chosen.constFind(key);
    if (found != chosen.constEnd()) return *found;
    // Markup may print any number of different texts: the table is bounded.
    if (chosen.size() >= 1024) chosen.clear();

    CodedText result{mapCodedText(font, text), candidates.back()};
    for (const QString& family : candidates) {
        if (familyHasAll(family, result.text)) {
            result.family = family;
            break;
        }
    }
    chosen.insert(key, result);
    return result;
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
