#pragma once

// The pictures of an opened collection file live in a folder of their own under temp/, held
// while the collection is open: two files that carry different pictures under one name never
// share them, and temp/ keeps only what open collections use. A lock file beside the folder
// tells the other running instances of the program, which share temp/, to leave it alone; what
// no running instance holds is removed by the next open in any of them.

#include <QLockFile>
#include <QString>

#include <memory>

namespace vornith::document {

class CarpetaImagenes {
  public:
    // Removes from `temp` what no running instance holds (folders of collections no longer
    // open, links, any other file), then makes a new empty folder there and holds it. Nothing
    // when `temp` is empty, is a link or cannot be written; `motivo` then says why, naming it.
    static std::unique_ptr<CarpetaImagenes> Nueva(const QString& temp, QString* motivo = nullptr);
    // Removes the folder with its pictures and lets its lock go.
    ~CarpetaImagenes();
    CarpetaImagenes(const CarpetaImagenes&) = delete;
    CarpetaImagenes& operator=(const CarpetaImagenes&) = delete;

    const QString& ruta() const { return ruta_; }

  private:
    CarpetaImagenes(QString ruta, std::unique_ptr<QLockFile> cerrojo);

    QString ruta_;
    std::unique_ptr<QLockFile> cerrojo_;
};

} // namespace vornith::document
