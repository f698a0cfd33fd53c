#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

namespace vornith {

// A picture name from markup or from a collection file is a plain file name that the common
// file systems can all hold: not empty, no folder separator, no "..", no drive colon, none of
// ? * < > | ", no control character (0x80-0x9F included), no trailing dot or blank, no leading
// "-", and not a reserved device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an
// extension).
bool isPlainFileName(const QString& name);

// The largest picture file read, for drawing or for saving.
constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

// The bytes of the picture file at `path`: a regular file that is not a link, of at most
// kMaxPictureFileBytes. Nothing for anything else (a link, a pipe, a device, a larger file) or
// when it cannot be read.
std::optional<QByteArray> readPictureFile(const QString& path);

// Where diagram pictures are looked up: img/ of the program's data (shipped pictures), then temp/
// in the user's data folder (pictures taken out of collection files). The document gives the
// loader and the save, as `temp`, the folder of temp/ that holds the open file's pictures.
struct PictureFolders {
    QString img;
    QString temp;
};

// img/ in the program's data folder and temp/ under the per-user data location.
PictureFolders defaultPictureFolders();

// The path of the file called `name` in `folder`, whatever the letter case on disk; empty when
// there is none or the name is not plain. Only regular files that are not links count.
QString findFileIgnoringCase(const QString& folder, const QString& name);

// img/ first, then temp/; empty when neither has it.
QString findPicture(const PictureFolders& folders, const QString& name);

// The regular files (not links) of one folder, listed once, for many lookups that ignore letter
// case as findFileIgnoringCase does.
class FolderIndex {
  public:
    explicit FolderIndex(const QString& folder);
    // The path of the file called `name`, whatever its letter case; empty when there is none.
    QString find(const QString& name) const;
    // Records a file just written to the folder.
    void add(const QString& name);

  private:
    QString folder_;
    QSet<QString> exact_;
    QHash<QString, QString> folded_; // case-folded name -> the first such name listed
};

} // namespace vornith
