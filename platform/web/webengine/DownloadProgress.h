#pragma once

#include <QProgressDialog>

class QWebEngineDownloadRequest;

namespace vyx {

// Shows how far one download has come and lets the user cancel it; says how it ended.
class DownloadProgress final : public QProgressDialog {
    Q_OBJECT
public:
    DownloadProgress(QWebEngineDownloadRequest* download, QWidget* parent);

    // Ends a download that cannot be saved before it starts, saying why.
    void refuse(const QString& reason);

    // "1.5 MB of 12 MB", or just what has arrived when the size is not known.
    static QString describe(qint64 received, qint64 total);

private:
    void update();
    void finish();
    void showEnd(const QString& text);

    QWebEngineDownloadRequest* m_download;
};

} // namespace vyx
