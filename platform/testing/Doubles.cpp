#include "Doubles.h"

#include "RuntimeError.h"

namespace vyx::testing {

int ScriptedPrompter::MsgBox(const QString& prompt, int style, const QString& title) {
    shown.append({prompt, style, title});
    if (m_answers.empty()) {
        return (style & 0x0F) == msgbox::AbortRetryIgnore ? msgbox::Abort : msgbox::Ok;
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedFileChooser::chooseFileToOpen(const OpenRequest& request) {
    requests.append(request);
    if (m_results.empty()) {
        return std::nullopt;
    }
    const Result result = m_results.front();
    m_results.pop_front();
    if (result.cancelled) {
        return std::nullopt;
    }
    return result.path;
}

void FakeWebBrowser::Navigate(const QString& text) {
    calls.append(QStringLiteral("Navigate ") + text);
    const QUrl url = addressFromText(text);
    m_history.resize(m_current + 1);
    m_history.append(url.toString());
    m_current = m_history.size() - 1;
    m_title.clear();
    m_busy = true;
}

void FakeWebBrowser::GoBack() {
    calls.append(QStringLiteral("GoBack"));
    if (m_current <= 0) {
        throw RuntimeError(ErrorCode::NothingToGoBack);
    }
    --m_current;
    m_busy = true;
}

void FakeWebBrowser::GoForward() {
    calls.append(QStringLiteral("GoForward"));
    if (m_current + 1 >= m_history.size()) {
        throw RuntimeError(ErrorCode::NothingToGoForward);
    }
    ++m_current;
    m_busy = true;
}

void FakeWebBrowser::Stop() {
    calls.append(QStringLiteral("Stop"));
    m_busy = false;
}

QString FakeWebBrowser::LocationName() const {
    return m_title.isEmpty() ? LocationURL() : m_title;
}

QString FakeWebBrowser::LocationURL() const {
    return m_current < 0 ? QString() : m_history.at(m_current);
}

void FakeWebBrowser::finishLoading(const QString& title) {
    m_title = title;
    m_busy = false;
    Q_EMIT DownloadComplete();
}

WebBrowser* FakeBrowserFactory::createBrowser(const QUrl& /*home*/, const QUrl& /*search*/,
                                              QWidget* parent) {
    last = new FakeWebBrowser(parent);
    ++made;
    return last;
}

} // namespace vyx::testing
