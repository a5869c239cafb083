#pragma once

#include "web/WebBrowser.h"

#include <QTemporaryDir>

class QWebEngineDownloadRequest;
class QWebEngineProfile;
class QWebEngineView;
namespace vyx {

class PageDialogs;

// The hosted browser on Qt WebEngine. Off the record: nothing of what is browsed reaches the
// disk. Pop-ups, permission requests and programs for unknown schemes are refused.
class WebEngineBrowser final : public WebBrowser {
    Q_OBJECT
public:
    WebEngineBrowser(const QUrl& home, const QUrl& search, QWidget* parent);

    void Navigate(const QString& text) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    [[nodiscard]] bool Busy() const override { return m_busy; }
    [[nodiscard]] QString LocationName() const override;
    [[nodiscard]] QString LocationURL() const override;
    void setSaveLocation(SaveLocation choose) override { m_saveLocation = std::move(choose); }

private:
    void open(const QUrl& url);
    void onDownloadRequested(QWebEngineDownloadRequest* download);
    // A link to audio or video: play it, save it, or neither.
    void onMediaLink(const QUrl& address);
    // Asks whether a download of audio or video should rather be played; true when it is not
    // to be saved.
    bool playedInstead(QWebEngineDownloadRequest* download);
    void onPageCrashed(const QUrl& address);

    // Removed after the profile and view, which are children and go with the QWidget base.
    QTemporaryDir m_scratch;
    QUrl m_home;
    QUrl m_search;
    // The view (and the page in it) must go before the profile: Qt deletes children in the
    // order they were made.
    QWebEngineView* m_view;
    QWebEngineProfile* m_profile;
    PageDialogs* m_dialogs;
    SaveLocation m_saveLocation;
    QUrl m_requested;
    // Media the user chose to save: its download is not asked about again.
    QList<QUrl> m_saveAsked;
    QUrl m_crashed; // the page whose crash notice is shown, if one is
    bool m_busy = false;
};

class WebEnginePlugin final : public QObject, public WebBrowserFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VyxWebBrowserFactory_iid)
    Q_INTERFACES(vyx::WebBrowserFactory)
public:
    WebEnginePlugin();
    WebBrowser* createBrowser(const QUrl& home, const QUrl& search, QWidget* parent) override {
        return new WebEngineBrowser(home, search, parent);
    }
};

} // namespace vyx
