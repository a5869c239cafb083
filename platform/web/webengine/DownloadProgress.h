#pragma once

#include <QPointer>
#include <QProgressDialog>

class QWebEngineDownloadRequest;

namespace vyx {

// Shows how far one download has come and lets the user cancel it; says how it ended.
class DownloadProgress final : public QProgressDialog {
    Q_OBJECT
public:
    DownloadProgress(QWebEngineDownloadRequest* download, QWidget* parent);
    // A download still running when the browser goes is cancelled, and its partial file removed.
    ~DownloadProgress() override;
    DownloadProgress(const DownloadProgress&) = delete;
    DownloadProgress& operator=(const DownloadProgress&) = delete;

    // Ends a download that cannot be saved (before it starts, or when it stops part way),
    // saying why; nothing of it stays on the disk.
    void refuse(const QString& why);

    // "1.5 MB of 12 MB", or just what has arrived when the size is not known.
    static QString describe(qint64 received, qint64 total);
    // Why a download stopped, in the user's words where the cause is theirs to mend.
    static QString reason(int interruptReason, const QString& engineText);

private:
    // Why the engine stopped the download.
    [[nodiscard]] QString engineReason() const;
    void update();
    void finish();
    void showEnd(const QString& text);
    // Ends a download that did not complete: nothing of it stays on the disk.
    void abandon();

    QPointer<QWebEngineDownloadRequest> m_download;
    bool m_ended = false;
};

} // namespace vyx
