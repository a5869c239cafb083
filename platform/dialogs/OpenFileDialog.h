#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vyx {

struct OpenRequest {
    QString title;
    QStringList nameFilters;
    QString selectedFilter;
    QString initialPath;
};

// Shows the modal Open dialog itself; tests give a scripted one.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFileToOpen(const OpenRequest& request) = 0;

protected:
    FileChooser() = default;
    FileChooser(const FileChooser&) = default;
    FileChooser& operator=(const FileChooser&) = default;
};

class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> chooseFileToOpen(const OpenRequest& request) override;
};

// A window's Open dialog: title and filter are set before each use, the chosen path is kept
// while the window lives and offered again the next time.
class OpenFileDialog {
public:
    explicit OpenFileDialog(FileChooser& chooser)
        : m_chooser(chooser) {}

    void setDialogTitle(const QString& title) { m_title = title; }
    [[nodiscard]] const QString& DialogTitle() const { return m_title; }
    void setFilter(const QString& filter) { m_filter = filter; }
    [[nodiscard]] const QString& Filter() const { return m_filter; }
    [[nodiscard]] const QString& FileName() const { return m_fileName; }

    // Modal. Throws the cancel error (32755) when the user cancels; FileName is kept then.
    void ShowOpen();

private:
    FileChooser& m_chooser;
    QString m_title;
    QString m_filter;
    QString m_fileName;
};

} // namespace vyx
