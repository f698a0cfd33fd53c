#pragma once

#include "platform/file_dialogs.h"

#include <QStringList>

class QWidget;

namespace vornith {

// Qt's own file dialog (not the desktop's), so that it looks the same everywhere and can be
// driven by scripts and tests.
class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

private:
    std::optional<QString> run(const FileDialogRequest& request, bool save);
    QWidget* parent_;
};

// "Desc (*.col)|*.col|All (*.*)|*.*" as Qt name filters; a description that does not show
// its patterns in parentheses gets them appended.
QStringList qtNameFilters(const QString& filters);

} // namespace vornith
