#pragma once

#include "MessageBox.h"
#include "OpenFileDialog.h"
#include "WebBrowser.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <optional>

namespace vyx::testing {

// Answers message boxes from a script and remembers what they said.
class ScriptedPrompter final : public MessagePrompter {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };

    void answer(std::initializer_list<int> answers) { m_answers.insert(m_answers.end(), answers); }
    int MsgBox(const QString& prompt, int style, const QString& title) override;

    QList<Shown> shown;

private:
    std::deque<int> m_answers;
};

// Picks files from a script: a path, or nothing for Cancel. Remembers every request.
class ScriptedFileChooser final : public FileChooser {
public:
    void choose(const QString& path) { m_results.push_back({false, path}); }
    void cancel() { m_results.push_back({true, {}}); }
    std::optional<QString> chooseFileToOpen(const OpenRequest& request) override;

    QList<OpenRequest> requests;

private:
    struct Result {
        bool cancelled;
        QString path;
    };
    std::deque<Result> m_results;
};

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
