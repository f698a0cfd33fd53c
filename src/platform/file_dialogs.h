#pragma once

#include <QString>

#include <optional>

namespace vornith {

// What an Open or Save dialog is asked for. `filters` is in the system's form: pairs of a
// description and its patterns, all joined by "|" ("Colecciones (*.col)|*.col|Todos (*.*)|*.*").
struct FileDialogRequest {
    QString title;
    QString filters;
    QString folder;        // where the dialog starts; empty for the current folder
    QString fileName;      // proposed file (Save); may be a full path
    QString defaultSuffix; // added to a name typed without one (Save), without the dot
};

// The file dialogs. Patterns match file names whatever their letter case.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen existing file, or nothing when cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    // The chosen file to write, or nothing when cancelled; an existing file is written only
    // after the user confirmed overwriting it.
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

} // namespace vornith
