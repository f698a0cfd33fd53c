#include "platform/qt/qt_file_dialogs.h"

#include <QFileDialog>

namespace vornith {

QStringList qtNameFilters(const QString& filters) {
    const QStringList parts = filters.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        out.append(description.contains(u'(' + patterns + u')')
                       ? parts[i]
                       : description + QStringLiteral(" (") + patterns + u')');
    }
    return out;
}

std::optional<QString> QtFileDialogs::openFile(const FileDialogRequest& request) {
    return run(request, false);
}

std::optional<QString> QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return run(request, true);
}

std::optional<QString> QtFileDialogs::run(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, request.title, request.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Name filters match "*.col" and "*.COL" alike.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setNameFilters(qtNameFilters(request.filters));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

} // namespace vornith
