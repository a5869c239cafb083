#include "DownloadProgress.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QWebEngineDownloadRequest>

namespace vyx {

DownloadProgress::DownloadProgress(QWebEngineDownloadRequest* download, QWidget* parent)
    : QProgressDialog(parent)
    , m_download(download) {
    setWindowTitle(tr("Downloading %1").arg(download->downloadFileName()));
    setWindowModality(Qt::NonModal);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this,
            &DownloadProgress::update);
    connect(download, &QWebEngineDownloadRequest::totalBytesChanged, this,
            &DownloadProgress::update);
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this,
            &DownloadProgress::finish);
    // A download the engine could resume later (a full disk, a refused write) is never
    // finished: it would wait for ever, its partial file on the disk.
    connect(download, &QWebEngineDownloadRequest::stateChanged, this,
            [this](QWebEngineDownloadRequest::DownloadState state) {
                if (state == QWebEngineDownloadRequest::DownloadInterrupted) {
                    refuse(engineReason());
                }
            });
    connect(this, &QProgressDialog::canceled, download, [download] {
        if (!download->isFinished()) {
            download->cancel();
        }
    });
    update();
    show();
}

DownloadProgress::~DownloadProgress() {
    if (!m_ended) {
        abandon();
    }
}

QString DownloadProgress::reason(int interruptReason, const QString& engineText) {
    switch (interruptReason) {
    case QWebEngineDownloadRequest::FileNoSpace:
    case QWebEngineDownloadRequest::FileTooLarge:
        return tr("disk full");
    case QWebEngineDownloadRequest::FileAccessDenied:
        return tr("not allowed to write there");
    default:
        return engineText;
    }
}

void DownloadProgress::abandon() {
    if (m_download == nullptr) {
        return;
    }
    if (!m_download->isFinished()) {
        m_download->cancel();
    }
    // The engine writes to "<name>.download" and renames it once complete.
    QFile::remove(QDir(m_download->downloadDirectory())
                      .filePath(m_download->downloadFileName() + QStringLiteral(".download")));
}

QString DownloadProgress::describe(qint64 received, qint64 total) {
    const QLocale locale;
    const QString got = locale.formattedDataSize(std::max<qint64>(received, 0));
    return total > 0 ? tr("%1 of %2").arg(got, locale.formattedDataSize(total)) : got;
}

QString DownloadProgress::engineReason() const {
    return reason(m_download->interruptReason(), m_download->interruptReasonString());
}

void DownloadProgress::refuse(const QString& why) {
    abandon();
    showEnd(tr("The download of %1 failed: %2").arg(m_download->downloadFileName(), why));
}

void DownloadProgress::update() {
    const qint64 total = m_download->totalBytes();
    const qint64 received = m_download->receivedBytes();
    // An unknown size shows a busy bar rather than a wrong percentage.
    if (total > 0) {
        setRange(0, 1000);
        setValue(static_cast<int>(1000 * std::min(received, total) / total));
    } else {
        setRange(0, 0);
    }
    setLabelText(tr("%1\n%2").arg(m_download->downloadFileName(), describe(received, total)));
}

void DownloadProgress::finish() {
    if (!m_download->isFinished()) {
        return;
    }
    switch (m_download->state()) {
    case QWebEngineDownloadRequest::DownloadCompleted:
        showEnd(tr("Saved %1")
                    .arg(QDir(m_download->downloadDirectory())
                             .filePath(m_download->downloadFileName())));
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        showEnd(tr("The download of %1 was cancelled.").arg(m_download->downloadFileName()));
        break;
    default:
        refuse(engineReason());
        break;
    }
}

void DownloadProgress::showEnd(const QString& text) {
    // Nothing the engine reports afterwards changes how it ended.
    m_ended = true;
    disconnect(m_download, nullptr, this, nullptr);
    setRange(0, 1);
    setValue(1);
    setLabelText(text);
    setCancelButtonText(tr("Close"));
    // A cancel click has hidden the dialog; it stays to say how the download ended.
    show();
    disconnect(this, &QProgressDialog::canceled, nullptr, nullptr);
    connect(this, &QProgressDialog::canceled, this, &QWidget::close);
}

} // namespace vyx
