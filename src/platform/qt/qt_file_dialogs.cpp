#include "platform/qt/qt_file_dialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>

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

namespace {

// The detail view's name column takes the room the size, type and date columns leave, and
// those fit their contents, so that none of them is cut; the places list shows its names.
void fitColumns(QFileDialog& dialog) {
    QSize size(900, 540);
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    dialog.resize(size);
    if (auto* view = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (auto* splitter = dialog.findChild<QSplitter*>()) {
        const int places = size.width() / 5;
        splitter->setSizes({places, size.width() - places});
    }
}

} // namespace

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
    fitColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

} // namespace vornith
