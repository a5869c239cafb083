#include "LocalPages.h"

#include <QChildEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWidget>

namespace vyx {

namespace {

// How long after a click or key press a navigation still counts as the user's.
constexpr qint64 kGestureMilliseconds = 1000;

// The canonical path of an ordinary, readable file inside the folder; empty otherwise. Links
// are followed first, so that a link in the folder cannot point out of it.
QString servablePath(const QString& folder, const QString& path) {
    const QFileInfo info(path);
    if (folder.isEmpty() || !info.isFile() || !info.isReadable()) {
        return {};
    }
    const QString canonical = info.canonicalFilePath();
    return canonical.startsWith(folder + u'/') ? canonical : QString();
}

} // namespace

void LocalPageScheme::registerScheme() {
    if (QWebEngineUrlScheme::schemeByName(scheme()).name() == scheme()) {
        return;
    }
    QWebEngineUrlScheme local(scheme());
    local.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Pages of the web cannot load from it; its own pages can.
    local.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(local);
}

QUrl LocalPageScheme::fromFileUrl(const QUrl& url) {
    if (!url.isLocalFile()) {
        return url;
    }
    QUrl local(url);
    local.setScheme(QString::fromLatin1(scheme()));
    local.setHost({});
    return local;
}

QUrl LocalPageScheme::toFileUrl(const QUrl& url) {
    if (!isLocalPage(url)) {
        return url;
    }
    QUrl file(url);
    file.setScheme(QStringLiteral("file"));
    return file;
}

void LocalPageScheme::allowFolderOf(const QUrl& page) {
    m_folder = QFileInfo(toFileUrl(page).toLocalFile()).canonicalPath();
}

void LocalPageScheme::requestStarted(QWebEngineUrlRequestJob* job) {
    const QString path = servablePath(m_folder, toFileUrl(job->requestUrl()).toLocalFile());
    if (path.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    auto* const file = new QFile(path, job);
    if (!file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestFailed);
        return;
    }
    job->reply(QMimeDatabase().mimeTypeForFile(path).name().toLatin1(), file);
}

void LocalPageGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const bool fromLocalPage = LocalPageScheme::isLocalPage(info.firstPartyUrl()) ||
                               LocalPageScheme::isLocalPage(info.initiator());
    // A page the user leaves for the web is a navigation, which the page itself decides on.
    if (fromLocalPage && !LocalPageScheme::isLocalPage(info.requestUrl()) &&
        info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame) {
        info.block(true);
    }
}

UserInputClock::UserInputClock(QWidget* view)
    : QObject(view) {
    // The engine draws and takes input in a child widget that it makes and remakes itself.
    view->installEventFilter(this);
}

bool UserInputClock::userActedJustNow() const {
    return m_sinceInput.isValid() && m_sinceInput.elapsed() < kGestureMilliseconds;
}

bool UserInputClock::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (auto* const child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType()) {
            child->installEventFilter(this);
        }
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
        if (event->spontaneous()) {
            m_sinceInput.start();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vyx
