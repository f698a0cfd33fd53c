#include "platform/qt/font_families.h"

#include <utility>

namespace vornith {

namespace {

// Family names compare ignoring case and blanks; the foundry in brackets that tells apart a
// family listed once per foundry compares ignoring case only.
QString keyOf(const QString& name) {
    const qsizetype foundry = name.indexOf(u'[');
    QString key;
    key.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if ((foundry >= 0 && i >= foundry) || !name[i].isSpace()) key.append(name[i].toLower());
    }
    return key;
}

} // namespace

FontFamilies::FontFamilies(const QStringList& installed, DrawnFamily drawnFamily)
    : drawnFamily_(std::move(drawnFamily)) {
    families_.insert(QString(), Family{});
    for (const QString& family : installed) {
        families_.insert(keyOf(family), Family{family, {}});
        // The family without its foundry stands for the first foundry listed.
        const qsizetype foundry = family.indexOf(QLatin1String(" ["));
        if (foundry <= 0) continue;
        const QString plain = family.left(foundry);
        if (!families_.contains(keyOf(plain))) families_.insert(keyOf(plain), Family{plain, {}});
    }
    // No installed family has this name.
    fallback_.listed = QStringLiteral("Vornith - no such font family");
}

void FontFamilies::addAlias(const QString& name, const QString& family) {
    families_.insert(keyOf(name), Family{name, family, true});
}

QString FontFamilies::familyFor(const QString& name) {
    const auto found = families_.find(keyOf(name));
    return resolve(found != families_.end() ? *found : fallback_);
}

QString FontFamilies::resolve(Family& family) {
    if (!family.asked) {
        family.resolved = drawnFamily_(family.listed);
        family.asked = true;
    }
    return family.resolved;
}

} // namespace vornith
