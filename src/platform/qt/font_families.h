#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

namespace vornith {

// Font names turned into the families that draw them, asking the font system only about the
// installed families (each once) and once for the family it falls back to: markup may name any
// number of fonts, and every other name costs a lookup. Names compare as the font system
// compares families, ignoring case and blanks.
class FontFamilies {
  public:
    // The family the font system draws a name with.
    using DrawnFamily = std::function<QString(const QString& name)>;
    // `installed`: the font database's families, a duplicate family listed once per foundry
    // as "Family [Foundry]". An empty name stands for the default family.
    FontFamilies(const QStringList& installed, DrawnFamily drawnFamily);

    // `name` draws with `family`, ahead of any installed family of that name.
    void addAlias(const QString& name, const QString& family);
    QString familyFor(const QString& name);

  private:
    struct Family {
        QString listed; // the name the font system is asked about
        QString resolved;
        bool asked = false;
    };
    QString resolve(Family& family);

    QHash<QString, Family> families_;
    Family fallback_;
    DrawnFamily drawnFamily_;
};

} // namespace vornith
