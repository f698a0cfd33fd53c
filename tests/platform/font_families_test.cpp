#include "platform/qt/font_families.h"
#include "platform/qt/font_resolver.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

namespace vornith {
namespace {

// Markup may name any number of fonts: the font system is asked once per installed family
// used, and once for every other name together; an alias is answered without asking, ahead of
// an installed family of its name.
TEST(FontFamilies, AsksTheFontSystemOncePerInstalledFamilyAndOnceForAllOthers) {
    QStringList asked;
    FontFamilies families({QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Sans [urw]"),
                           QStringLiteral("Nimbus Sans [UKWN]"), QStringLiteral("Arial")},
                          [&asked](const QString& name) {
                              asked.append(name);
                              return QStringLiteral("drawn ") + name;
                          });
    families.addAlias(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(families.familyFor(QStringLiteral("ARIAL ")), QStringLiteral("Liberation Sans"));
    const QString unknown = families.familyFor(QStringLiteral("Fuente0"));
    EXPECT_EQ(families.familyFor(QStringLiteral("Liberation Serif x")), unknown);
    // Spelled as the font system compares families: in any case, blanks aside.
    for (const char* name :
         {"Liberation Serif", "liberation serif", " LIBERATION  SERIF ", "LiberationSerif"})
        EXPECT_EQ(families.familyFor(QString::fromLatin1(name)),
                  QStringLiteral("drawn Liberation Serif"))
            << name;
    // A family listed once per foundry: with a foundry, or without for the first listed.
    EXPECT_EQ(families.familyFor(QStringLiteral("nimbus sans")),
              QStringLiteral("drawn Nimbus Sans"));
    EXPECT_EQ(families.familyFor(QStringLiteral("Nimbus Sans [UKWN]")),
              QStringLiteral("drawn Nimbus Sans [UKWN]"));
    // No name at all: the default family.
    EXPECT_EQ(families.familyFor(QStringLiteral(" ")), QStringLiteral("drawn "));
    EXPECT_EQ(asked, QStringList({asked.value(0), QStringLiteral("Liberation Serif"),
                                  QStringLiteral("Nimbus Sans"),
                                  QStringLiteral("Nimbus Sans [UKWN]"), QString()}));
}

// The resolver of the program: installed families as the font system draws them, the core
// fonts as their metric twins, common Windows faces as their look-alikes, and any other name as
// the family the font system falls back to for a name it does not know.
TEST(FontResolver, ResolvesInstalledFamiliesAsDrawnAndEveryOtherNameAsTheFallback) {
    const QString fallback = QFontInfo(QFont(QStringLiteral("Fuente que no existe"))).family();
    for (const char* name :
         {"Fuente que no existe", "Verdana", "Calibri", "Segoe UI", "Symbol ", "Wingdings"}) {
        const QString n = QString::fromLatin1(name);
        if (QFontDatabase::hasFamily(n)) continue;
        EXPECT_EQ(FontResolver::familyFor(n).toStdString(), fallback.toStdString()) << name;
    }
    for (const QString& family : QFontDatabase::families()) {
        for (const QString& name : {family, family.toUpper(), QLatin1Char(' ') + family})
            EXPECT_EQ(FontResolver::familyFor(name).toStdString(),
                      QFontInfo(QFont(name)).family().toStdString())
                << name.toStdString();
    }
    const std::pair<const char*, const char*> twins[] = {{"Times New Roman", "Liberation Serif"},
                                                         {"Arial", "Liberation Sans"},
                                                         {"Courier New", "Liberation Mono"},
                                                         {"Georgia", "DejaVu Serif"},
                                                         {"Arial Narrow", "Nimbus Sans Narrow"}};
    for (const auto& [name, family] : twins)
        EXPECT_EQ(FontResolver::familyFor(QString::fromLatin1(name)), QString::fromLatin1(family))
            << name;
}

} // namespace
} // namespace vornith
