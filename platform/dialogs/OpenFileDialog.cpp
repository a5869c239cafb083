#include "OpenFileDialog.h"

#include "dialogs/FileFilter.h"
#include "errors/RuntimeError.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vyx {

std::optional<QString> QtFileChooser::chooseFileToOpen(const OpenRequest& request) {
    QFileDialog dialog(nullptr, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setNameFilters(request.nameFilters);
    if (!request.selectedFilter.isEmpty()) {
        dialog.selectNameFilter(request.selectedFilter);
    }
    // A folder is opened with no name filled in; a file is shown chosen in its folder.
    if (const QFileInfo initial(request.initialPath); initial.isDir()) {
        dialog.setDirectory(initial.absoluteFilePath());
    } else if (!request.initialPath.isEmpty()) {
        dialog.selectFile(request.initialPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void OpenFileDialog::ShowOpen() {
    OpenRequest request;
    request.title = m_title;
    request.nameFilters = toNameFilters(m_filter);
    if (!request.nameFilters.isEmpty()) {
        request.selectedFilter = request.nameFilters.constFirst();
    }
    request.initialPath = m_fileName;
    std::optional<QString> chosen = m_chooser.chooseFileToOpen(request);
    if (!chosen) {
        throw RuntimeError(ErrorCode::DialogCancelled);
    }
    m_fileName = std::move(*chosen);
}

} // namespace vyx
