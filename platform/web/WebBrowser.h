#pragma once

#include <QUrl>
#include <QWidget>
#include <QtPlugin>
#include <functional>

namespace vyx {

// The hosted browser a browser window shows its pages in. Calls that cannot be carried out
// throw RuntimeError; loading goes on after Navigate has returned.
class WebBrowser : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The text as typed: a web address, a host name or a local path.
    virtual void Navigate(const QString& text) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void GoHome() = 0;
    virtual void GoSearch() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    [[nodiscard]] virtual bool Busy() const = 0;
    [[nodiscard]] virtual QString LocationName() const = 0;
    [[nodiscard]] virtual QString LocationURL() const = 0;

    // Asked where a download should go, given the suggested path; an empty answer cancels it.
    // Nothing is written before it has answered.
    using SaveLocation = std::function<QString(const QString& suggested)>;
    virtual void setSaveLocation(SaveLocation choose) = 0;

Q_SIGNALS:
    // Each time a download of the current navigation ends, whether it succeeded or not.
    void DownloadComplete();
    // The user chose to play, rather than save, the audio or video at a web address.
    void playRequested(const QUrl& address);
};

// Makes browsers. The web engine lives in a plugin that is loaded only when the first browser
// is wanted, so that a program that never browses never pays for it.
class WebBrowserFactory {
public:
    virtual ~WebBrowserFactory() = default;
    virtual WebBrowser* createBrowser(const QUrl& home, const QUrl& search, QWidget* parent) = 0;

protected:
    WebBrowserFactory() = default;
    WebBrowserFactory(const WebBrowserFactory&) = default;
    WebBrowserFactory& operator=(const WebBrowserFactory&) = default;
};

// Turns what a user typed (a web address, a bare host name, a local path) into the address to
// open. Throws the navigation error for empty text and for schemes the browser does not open, and
// the file errors for a local page that is missing, not an ordinary file, or unreadable.
QUrl addressFromText(const QString& text);

// Loads the web engine plugin from beside the executable (or the installed plugin folder).
// Throws RuntimeError when it cannot be loaded. The plugin stays loaded for the process.
WebBrowserFactory& webEngineFactory();

} // namespace vyx

#define VyxWebBrowserFactory_iid "org.vyx.WebBrowserFactory/1"
Q_DECLARE_INTERFACE(vyx::WebBrowserFactory, VyxWebBrowserFactory_iid)
