#pragma once

#include "web/WebBrowser.h"

#include <QStringList>

namespace vyx::testing {

// A browser without an engine: keeps a history, reports itself busy until told the page came.
class FakeWebBrowser final : public WebBrowser {
    Q_OBJECT
public:
    using WebBrowser::WebBrowser;

    void Navigate(const QString& text) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override { Navigate(QStringLiteral("about:home")); }
    void GoSearch() override { Navigate(QStringLiteral("about:search")); }
    void Refresh() override { calls.append(QStringLiteral("Refresh")); }
    void Stop() override;
    [[nodiscard]] bool Busy() const override { return m_busy; }
    [[nodiscard]] QString LocationName() const override;
    [[nodiscard]] QString LocationURL() const override;
    void setSaveLocation(SaveLocation /*choose*/) override {}

    // The page arrives: no longer busy, DownloadComplete is raised.
    void finishLoading(const QString& title = {});

    QStringList calls;

private:
    QStringList m_history;
    qsizetype m_current = -1;
    QString m_title;
    bool m_busy = false;
};

// Makes engine-free browsers and keeps the last one made.
class FakeBrowserFactory final : public WebBrowserFactory {
public:
    WebBrowser* createBrowser(const QUrl& home, const QUrl& search, QWidget* parent) override;
    FakeWebBrowser* last = nullptr;
    int made = 0;
};

} // namespace vyx::testing
