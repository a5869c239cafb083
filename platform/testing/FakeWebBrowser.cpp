#include "FakeWebBrowser.h"

#include "errors/RuntimeError.h"

namespace vyx::testing {

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
