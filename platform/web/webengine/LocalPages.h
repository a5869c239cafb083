#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlSchemeHandler>

namespace vyx {

// Local pages are shown through a scheme of the browser's own rather than file://, so that the
// engine reads from the disk only what this handler gives it: ordinary, readable files in the
// folder of the page that the user opened, and below it. Such a page keeps its pictures, styles
// and scripts, but its scripts cannot read other files (the scheme's pages have no origin to
// share), and a FIFO or a device is never opened.
class LocalPageScheme final : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // Once in the process, before the engine starts.
    static void registerScheme();
    static QByteArray scheme() { return QByteArrayLiteral("vyx-local"); }
    [[nodiscard]] static bool isLocalPage(const QUrl& url) {
        return url.scheme().toLatin1() == scheme();
    }
    // file:///a/b.html and the scheme's own address of it, both ways; others stay as they are.
    [[nodiscard]] static QUrl fromFileUrl(const QUrl& url);
    [[nodiscard]] static QUrl toFileUrl(const QUrl& url);

    // The page the user opened: its folder is what may be read from now on.
    void allowFolderOf(const QUrl& page);
    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    QString m_folder;
};

// Keeps local pages off the network: no request of any kind (fetch, XHR, WebSocket, EventSource,
// beacon, picture, frame) whose page is local reaches anything but the local page scheme.
class LocalPageGuard final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

// Whether the user has just clicked or pressed a key in a widget: a navigation that follows at
// once is the user's, one that comes without it is the page's own.
class UserInputClock final : public QObject {
    Q_OBJECT
public:
    explicit UserInputClock(QWidget* view);
    [[nodiscard]] bool userActedJustNow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer m_sinceInput;
};

} // namespace vyx
