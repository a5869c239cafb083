#include "Fixtures.h"
#include "RuntimeError.h"
#include "WebBrowser.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace vyx;

class TestWebBrowser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup() { m_browser.reset(); }
    void navigateReportsRequestThenPage();
    void historyFailsWhenEmpty_data();
    void historyFailsWhenEmpty();
    void backAndForward();
    void refusedText_data();
    void refusedText();

private:
    WebBrowser& browser();
    QString page(const QString& name, const QString& title);

    testing::Fixtures m_files;
    std::unique_ptr<WebBrowser> m_browser;
};

void TestWebBrowser::initTestCase() {
    QVERIFY(&webEngineFactory() != nullptr);
}

WebBrowser& TestWebBrowser::browser() {
    if (!m_browser) {
        m_browser.reset(webEngineFactory().createBrowser(
            QUrl(QStringLiteral("about:blank")), QUrl(QStringLiteral("about:blank")), nullptr));
        m_browser->resize(400, 300);
        m_browser->show();
    }
    return *m_browser;
}

QString TestWebBrowser::page(const QString& name, const QString& title) {
    return m_files.writeBytes(
        name, QStringLiteral("<html><head><title>%1</title></head><body>%1</body></html>")
                  .arg(title)
                  .toUtf8());
}

void TestWebBrowser::navigateReportsRequestThenPage() {
    const QString path = page(QStringLiteral("one.html"), QStringLiteral("Page One"));
    WebBrowser& web = browser();
    QSignalSpy complete(&web, &WebBrowser::DownloadComplete);
    web.Navigate(path);
    QVERIFY(web.Busy());
    QCOMPARE(web.LocationURL(), QUrl::fromLocalFile(path).toString());
    QVERIFY(complete.wait(20000));
    QTRY_VERIFY(!web.Busy());
    QTRY_COMPARE(web.LocationName(), QStringLiteral("Page One"));
    QCOMPARE(web.LocationURL(), QUrl::fromLocalFile(path).toString());
}

void TestWebBrowser::historyFailsWhenEmpty_data() {
    QTest::addColumn<bool>("back");
    QTest::addColumn<int>("code");
    QTest::newRow("back") << true << static_cast<int>(ErrorCode::NothingToGoBack);
    QTest::newRow("forward") << false << static_cast<int>(ErrorCode::NothingToGoForward);
}

void TestWebBrowser::historyFailsWhenEmpty() {
    QFETCH(bool, back);
    QFETCH(int, code);
    try {
        back ? browser().GoBack() : browser().GoForward();
        QFAIL("nothing to go to, yet it went");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.code(), code);
    }
}

void TestWebBrowser::backAndForward() {
    const QString first = page(QStringLiteral("first.html"), QStringLiteral("First"));
    const QString second = page(QStringLiteral("second.html"), QStringLiteral("Second"));
    WebBrowser& web = browser();
    QSignalSpy complete(&web, &WebBrowser::DownloadComplete);
    web.Navigate(first);
    QVERIFY(complete.wait(20000));
    web.Navigate(second);
    QVERIFY(complete.wait(20000));
    QTRY_COMPARE(web.LocationName(), QStringLiteral("Second"));
    web.GoBack();
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(), QStringLiteral("First"), 20000);
    web.GoForward();
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(), QStringLiteral("Second"), 20000);
}

void TestWebBrowser::refusedText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("script") << QStringLiteral("javascript:alert(1)");
    QTest::newRow("unknown scheme") << QStringLiteral("vyxunknown://x");
}

void TestWebBrowser::refusedText() {
    QFETCH(QString, text);
    try {
        browser().Navigate(text);
        QFAIL("accepted");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.code(), static_cast<int>(ErrorCode::NavigationRefused));
    }
    QVERIFY(!browser().Busy());
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestWebBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webbrowser.moc"
