#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace vornith {

// A picture name from markup or from a collection file is a plain file name: not empty, no
// folder separator, no "..", no drive colon, no control character.
bool isPlainFileName(const QString& name);

// Where diagram pictures are looked up: img/ beside the program (shipped pictures), then temp/
// in the user's data folder (pictures taken out of collection files).
struct PictureFolders {
    QString img;
    QString temp;
};

// img/ beside the program (or the installed data folder) and temp/ under the per-user data
// location.
PictureFolders defaultPictureFolders();

// The path of the file called `name` in `folder`, whatever the letter case on disk; empty when
// there is none or the name is not plain.
QString findFileIgnoringCase(const QString& folder, const QString& name);

// img/ first, then temp/; empty when neither has it.
QString findPicture(const PictureFolders& folders, const QString& name);

// The files of one folder, listed once, for many lookups that ignore letter case as
// findFileIgnoringCase does.
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
