#pragma once

// The picture bytes of the open collection that img/ does not ship: those its file carried and
// those pasted into it. They are kept whole in memory, so that a save writes each of them byte
// for byte whatever temp/ could hold for display.

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace vornith::document {

class AlmacenImagenes {
  public:
    // Names are found whatever their letter case, as pictures are on disk; of names alike in
    // case, the first added is kept.
    void Anade(const QString& nombre, const QByteArray& datos);
    std::optional<QByteArray> Busca(const QString& nombre) const;
    void Vacia() { datos_.clear(); }

  private:
    QHash<QString, QByteArray> datos_; // by case-folded name
};

} // namespace vornith::document
