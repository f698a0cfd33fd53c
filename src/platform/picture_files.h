#pragma once

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

} // namespace vornith
