#pragma once

#include <QString>

namespace vornith {

// The folder of the program's own data: img/, Ejemplos/, the manual and the subject pictures.
// Read-only: nothing the program makes is ever written there.
//
// In a build tree the data lie beside the program (`binaryFolder` holds img/); installed, they
// lie in `../share/vornith` from the program's folder, so an install prefix can be moved
// whole. When neither is there, the program's folder, where nothing will be found.
QString programDataFolder(const QString& binaryFolder);

// The data folder of the running program.
QString programDataFolder();

// Whether `folder` is the data folder `data` or a folder under it; never with no `data`.
bool isProgramDataFolder(const QString& folder, const QString& data);

// Whether `path` (a file, or a link to one) lies in the data folder `data` or a folder under it.
bool isProgramData(const QString& path, const QString& data);

// Where the program's own data are, for the layers that must never write there: the running
// program's in the program, a folder of the test's in tests.
class ProgramData {
  public:
    virtual ~ProgramData() = default;
    virtual QString folder() const = 0;
};

} // namespace vornith
