#include "WebEngineBrowser.h"

#include "DownloadProgress.h"
#include "HelperWindows.h"
#include "LocalPages.h"
#include "PageDialogs.h"
#include "errors/RuntimeError.h"
#include "media/MediaSource.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QOpenGLContext>
#include <QQuickWidget>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

QT_BEGIN_NAMESPACE
// QtGui's own way to name the context that every GL context of the process shares with, which
// the web engine needs (declared in qopenglcontext_p.h, exported since Qt 5.4). The public way,
// Qt::AA_ShareOpenGLContexts before the application starts, would load the GL driver at start.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace vyx {

namespace {

// A page that may not open windows of its own. A local page may not leave for the web, nor
// for a local page elsewhere, unless the user clicked or typed: its scripts cannot.
class ContainedPage final : public QWebEnginePage {
public:
    using MediaLink = std::function<void(const QUrl& address)>;
    ContainedPage(QWebEngineProfile* profile, QWidget* view, LocalPageScheme& localPages,
                  PageDialogs& dialogs, MediaLink mediaLink)
        : QWebEnginePage(profile, view)
        , m_localPages(localPages)
        , m_dialogs(dialogs)
        , m_mediaLink(std::move(mediaLink))
        , m_input(view) {}

protected:
    void javaScriptAlert(const QUrl& origin, const QString& text) override {
        m_dialogs.alert(origin, text);
    }
    bool javaScriptConfirm(const QUrl& origin, const QString& text) override {
        return m_dialogs.confirm(origin, text);
    }
    bool javaScriptPrompt(const QUrl& origin, const QString& text, const QString& value,
                          QString* result) override {
        return m_dialogs.prompt(origin, text, value, result);
    }

    QWebEnginePage* createWindow(WebWindowType /*type*/) override { return nullptr; }

    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        // Audio or video is the player's, if the user wants: asked once the engine's call is
        // over, since the question waits for the user.
        if (isMainFrame && isMediaAddress(url)) {
            QMetaObject::invokeMethod(
                this, [this, url] { m_mediaLink(url); }, Qt::QueuedConnection);
            return false;
        }
        const bool byUser = type == NavigationTypeTyped || type == NavigationTypeBackForward ||
                            type == NavigationTypeReload || m_input.userActedJustNow();
        if (!byUser && LocalPageScheme::isLocalPage(this->url()) &&
            (isMainFrame || !LocalPageScheme::isLocalPage(url))) {
            return false;
        }
        if (byUser && isMainFrame && LocalPageScheme::isLocalPage(url)) {
            m_localPages.allowFolderOf(url);
        }
        return true;
    }

private:
    LocalPageScheme& m_localPages;
    PageDialogs& m_dialogs;
    MediaLink m_mediaLink;
    UserInputClock m_input;
};

} // namespace

WebEngineBrowser::WebEngineBrowser(const QUrl& home, const QUrl& search, QWidget* parent)
    : WebBrowser(parent)
    , m_home(home)
    , m_search(search)
    , m_view(new QWebEngineView(this))
    , m_profile(new QWebEngineProfile(this))
    , m_dialogs(new PageDialogs(m_view))
    , m_saveLocation([this](const QString& suggested) {
        QFileDialog dialog(window(), tr("Save Download As"), suggested);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        return m_dialogs->ask(dialog) == QDialog::Accepted ? dialog.selectedFiles().value(0)
                                                           : QString();
    }) {
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    // Off the record keeps pages' data in memory, yet the engine still makes folders for it:
    // they go in a private temporary folder that goes with the browser.
    m_profile->setPersistentStoragePath(m_scratch.filePath(QStringLiteral("storage")));
    m_profile->setCachePath(m_scratch.filePath(QStringLiteral("cache")));
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    QWebEngineSettings* const settings = m_profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    auto* const localPages = new LocalPageScheme(m_profile);
    m_profile->installUrlSchemeHandler(LocalPageScheme::scheme(), localPages);
    m_profile->setUrlRequestInterceptor(new LocalPageGuard(m_profile));

    auto* const page = new ContainedPage(m_profile, m_view, *localPages, *m_dialogs,
                                         [this](const QUrl& url) { onMediaLink(url); });
    m_view->setPage(page);
    // The engine adds its OpenGL drawing widget after the window is shown, and Qt would make the
    // window afresh for it (a flicker, the focus lost); one never shown has it made so at once.
    auto* const glMaker = new QQuickWidget(this);
    glMaker->hide();
    keepUnlisted(*glMaker);
    new HelperWindowWatch(m_view);
    connect(page, &QWebEnginePage::featurePermissionRequested, page,
            [page](const QUrl& origin, QWebEnginePage::Feature feature) {
                page->setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
            });
    connect(page, &QWebEnginePage::loadStarted, this, [this] {
        m_busy = true;
        m_dialogs->newPage();
    });
    connect(page, &QWebEnginePage::loadFinished, this, [this](bool /*ok*/) {
        m_busy = false;
        m_requested.clear();
        Q_EMIT DownloadComplete();
    });
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            &WebEngineBrowser::onDownloadRequested);
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int /*code*/) {
                if (status != QWebEnginePage::NormalTerminationStatus) {
                    onPageCrashed(LocalPageScheme::toFileUrl(m_view->url()));
                }
            });
}

void WebEngineBrowser::open(const QUrl& url) {
    // Until the engine reports the new page, the requested one is the location: the address
    // list then holds the page being opened rather than the one being left.
    m_requested = url;
    m_crashed.clear();
    m_busy = true;
    m_view->setUrl(LocalPageScheme::fromFileUrl(url));
}

void WebEngineBrowser::Navigate(const QString& text) {
    open(addressFromText(text));
}

void WebEngineBrowser::GoBack() {
    if (!m_view->history()->canGoBack()) {
        throw RuntimeError(ErrorCode::NothingToGoBack);
    }
    m_crashed.clear();
    m_view->back();
}

void WebEngineBrowser::GoForward() {
    if (!m_view->history()->canGoForward()) {
        throw RuntimeError(ErrorCode::NothingToGoForward);
    }
    m_crashed.clear();
    m_view->forward();
}

void WebEngineBrowser::GoHome() {
    open(m_home);
}

void WebEngineBrowser::GoSearch() {
    open(m_search);
}

void WebEngineBrowser::Refresh() {
    // Over the notice of a page that crashed, the page itself is what a user wants again.
    if (!m_crashed.isEmpty()) {
        const QUrl page = m_crashed; // open() forgets the crash
        open(page);
        return;
    }
    m_view->reload();
}

void WebEngineBrowser::Stop() {
    m_view->stop();
}

QString WebEngineBrowser::LocationName() const {
    if (!m_requested.isEmpty()) {
        return m_requested.toString();
    }
    const QString title = m_view->title();
    return title.isEmpty() ? LocationURL() : title;
}

QString WebEngineBrowser::LocationURL() const {
    return (m_requested.isEmpty() ? LocalPageScheme::toFileUrl(m_view->url()) : m_requested)
        .toString();
}

void WebEngineBrowser::onMediaLink(const QUrl& address) {
    switch (m_dialogs->playOrSave(address)) {
    case PageDialogs::MediaAnswer::Play:
        Q_EMIT playRequested(address);
        break;
    case PageDialogs::MediaAnswer::Save:
        m_saveAsked.append(address);
        m_view->page()->download(address);
        break;
    case PageDialogs::MediaAnswer::Neither:
        break;
    }
}

bool WebEngineBrowser::playedInstead(QWebEngineDownloadRequest* download) {
    const QUrl address = download->url();
    if (m_saveAsked.removeOne(address) || !isStreamAddress(address.toString())) {
        return false;
    }
    const QString type = download->mimeType();
    if (!type.startsWith(QLatin1String("audio/")) && !type.startsWith(QLatin1String("video/")) &&
        !isMediaAddress(address)) {
        return false;
    }
    const PageDialogs::MediaAnswer answer = m_dialogs->playOrSave(address);
    if (answer == PageDialogs::MediaAnswer::Save) {
        return false;
    }
    download->cancel();
    if (answer == PageDialogs::MediaAnswer::Play) {
        Q_EMIT playRequested(address);
    }
    return true;
}

void WebEngineBrowser::onDownloadRequested(QWebEngineDownloadRequest* download) {
    if (playedInstead(download)) {
        return;
    }
    // Nothing is written before the user has said where. While another question is open the
    // answer is no: a page cannot pile up save questions, one a second.
    const QString target =
        m_saveLocation(QDir(download->downloadDirectory()).filePath(download->downloadFileName()));
    if (target.isEmpty()) {
        download->cancel();
        return;
    }
    const QFileInfo info(target);
    auto* const progress = new DownloadProgress(download, this);
    // The engine would make a missing folder itself, and call a folder it cannot make a
    // cancellation by the user.
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) {
        progress->refuse(tr("not allowed to write there"));
        return;
    }
    download->setDownloadDirectory(folder);
    download->setDownloadFileName(info.fileName());
    download->accept();
}

void WebEngineBrowser::onPageCrashed(const QUrl& address) {
    // The notice below lives at about:blank: should its own process go too, the page it offers
    // is still the one that crashed first.
    const QUrl notice(QStringLiteral("about:blank"));
    if (m_crashed.isEmpty() || address != notice) {
        m_crashed = address;
    }
    // The page's process is gone; offer the same page again rather than a blank area.
    const QString link = m_crashed.toString(QUrl::FullyEncoded).toHtmlEscaped();
    m_view->setHtml(
        tr("<html><head><title>The page stopped working</title></head><body style='font-family:"
           "sans-serif;margin:3em'><h2>The page stopped working</h2><p><a href='%1'>Reload %2</a>"
           "</p></body></html>")
            .arg(link, m_crashed.toString().toHtmlEscaped()),
        notice);
}

WebEnginePlugin::WebEnginePlugin() {
    LocalPageScheme::registerScheme();
    // Made once, when the first browser loads the engine; it lives as long as the application.
    if (QOpenGLContext::globalShareContext() != nullptr) {
        return;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto* const shared = new QOpenGLContext(QCoreApplication::instance());
    shared->setFormat(QSurfaceFormat::defaultFormat());
    shared->create();
    qt_gl_set_global_share_context(shared);
}

} // namespace vyx
