#pragma once

#include <QProgressDialog>

class QWebEngineDownloadRequest;

namespace vyx {

// Shows how far one download has come and lets the user cancel it; says how it ended.
class DownloadProgress final : public QProgressDialog {
    Q_OBJECT
public:
    DownloadProgress(QWebEngineDownloadRequest* download, QWidget* parent);

    // "1.5 MB of 12 MB", or just what has arrived when the size is not known.
    static QString describe(qint64 received, qint64 total);

private:
    void update();
    void finish();

    QWebEngineDownloadRequest* m_download;
};

} // namespace vyx
