#include "Application.h"
#include "BrowserLogic.h"
#include "Doubles.h"
#include "Fixtures.h"
#include "LoopbackServer.h"
#include "MediaPlayer.h"
#include "errors/RuntimeError.h"
#include "frmBrowser.h"
#include "frmMediaPlayer.h"
#include "web/WebBrowser.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sys/stat.h>

using namespace vyx;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(vyx::ErrorCode)

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
    void popupsOpenNothing();
    void localPagesStayLocal();
    void localPagesStayInTheirFolder_data();
    void localPagesStayInTheirFolder();
    void permissionsRefused();
    void download_data();
    void download();
    void unknownSchemeStartsNoProgram();
    void downloadToUnwritablePlace();
    void downloadCancelledHalfWay();
    void downloadFailsOnDisk_data();
    void downloadFailsOnDisk();
    void windowClosedWhileLoading();
    void windowShowsPageTitle();
    void windowBackWithoutHistoryIsIgnored();
    void windowStopWhileLoading();
    void refreshAfterCrashReloadsPage();
    void scriptDialogsHoldOnlyTheirPage_data();
    void scriptDialogsHoldOnlyTheirPage();
    void scriptQuestionsAnswered_data();
    void scriptQuestionsAnswered();
    void oneSaveQuestionAtATime();
    void mediaLinkPlaysOrSaves_data();
    void mediaLinkPlaysOrSaves();

private:
    WebBrowser& browser();
    static QWidget* engineInput(WebBrowser& web);
    QString page(const QString& name, const QString& title);

    // Loads a page and waits until its script has set the title to something else.
    QString titleAfterScript(const QString& path, const QString& script);

    // The browser window on the real engine.
    struct Window {
        testing::ScriptedPrompter prompter;
        testing::ScriptedFileChooser chooser;
        Application app{prompter, chooser, webEngineFactory};
        frmBrowser& browser() { return app.showBrowserWindow(); }
    };

    testing::Fixtures m_files;
    testing::LoopbackServer m_server;
    std::unique_ptr<WebBrowser> m_browser;
};

void TestWebBrowser::initTestCase() {
    try {
        const std::unique_ptr<WebBrowser> probe(webEngineFactory().createBrowser({}, {}, nullptr));
        QCOMPARE(probe->metaObject()->className(), "vyx::WebEngineBrowser");
    } catch (const RuntimeError& error) {
        QFAIL(qPrintable(error.description()));
    }
}

QWidget* TestWebBrowser::engineInput(WebBrowser& web) {
    for (QWidget* child : web.findChildren<QWidget*>()) {
        if (child->inherits("QWebEngineView")) {
            return child->focusProxy(); // where the engine takes input
        }
    }
    return nullptr;
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
    QTest::addColumn<ErrorCode>("code");
    const QString fifo = m_files.path(QStringLiteral("pipe.html"));
    QVERIFY(QFileInfo::exists(fifo) || ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("empty") << QString() << ErrorCode::NavigationRefused;
    QTest::newRow("script") << QStringLiteral("javascript:alert(1)")
                            << ErrorCode::NavigationRefused;
    QTest::newRow("unknown scheme")
        << QStringLiteral("vyxunknown://x") << ErrorCode::NavigationRefused;
    QTest::newRow("mail") << QStringLiteral("mailto:a@example.com") << ErrorCode::NavigationRefused;
    QTest::newRow("missing page") << m_files.path(QStringLiteral("gone.html"))
                                  << ErrorCode::FileNotFound;
    // The engine would wait for ever on a FIFO, and list a folder's files.
    QTest::newRow("FIFO") << QUrl::fromLocalFile(fifo).toString() << ErrorCode::PathFileAccess;
    QTest::newRow("folder") << m_files.path(QString()) << ErrorCode::PathFileAccess;
}

void TestWebBrowser::refusedText() {
    QFETCH(QString, text);
    QFETCH(ErrorCode, code);
    try {
        browser().Navigate(text);
        QFAIL("accepted");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.code(), static_cast<int>(code));
        QVERIFY2(text.isEmpty() || error.description().contains(text.section(u'/', -1)),
                 qPrintable(error.description()));
    }
    QVERIFY(!browser().Busy());
}

QString TestWebBrowser::titleAfterScript(const QString& path, const QString& script) {
    m_server.page(path, QStringLiteral("waiting"),
                  QStringLiteral("<script>%1</script>").arg(script));
    WebBrowser& web = browser();
    web.Navigate(m_server.url(path).toString());
    const bool changed = QTest::qWaitFor(
        [&] {
            return !web.Busy() && web.LocationName() != QLatin1String("waiting") &&
                   !web.LocationName().startsWith(QLatin1String("http"));
        },
        20000);
    return changed ? web.LocationName() : QStringLiteral("(timed out)");
}

void TestWebBrowser::popupsOpenNothing() {
    m_server.page(QStringLiteral("/other"), QStringLiteral("Other"));
    browser();
    const qsizetype windows = QApplication::topLevelWidgets().size();
    const QString title = titleAfterScript(
        QStringLiteral("/popup"),
        QStringLiteral(
            "var w = window.open('/other'); document.title = w ? 'opened' : 'refused';"));
    QCOMPARE(title, QStringLiteral("refused"));
    QTest::qWait(300);
    QCOMPARE(m_server.requests(QStringLiteral("/other")), 0);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

void TestWebBrowser::localPagesStayLocal() {
    const QString secret = m_files.writeBytes(QStringLiteral("secret.txt"), "secret");
    const QString folder = m_files.path(QStringLiteral("offline"));
    QVERIFY(QDir().mkpath(folder));
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(folder + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    write(QStringLiteral("style.css"), "body { background: #8f8 }");
    write(QStringLiteral("own.js"), "report('own-js');");
    write(QStringLiteral("pic.svg"),
          "<svg xmlns='http://www.w3.org/2000/svg' width='9' height='9'/>");
    const QString server = m_server.url(QString()).toString();
    write(QStringLiteral("hostile.html"),
          QStringLiteral(
              "<html><head><title>waiting</title><link rel=stylesheet href=style.css><script>"
              "var seen = []; function report(x) { seen.push(x); document.title = seen.sort()"
              ".join(' '); }</script></head><body>"
              "<a id=link href='%1/clicked' style='display:block;height:200px'>out</a>"
              "<img src=pic.svg onload=\"report('own-img')\"><script>"
              "fetch('%2').then(r => r.text()).then(() => report('fetch-read'), () => "
              "report('fetch-blocked'));"
              "try { var x = new XMLHttpRequest(); x.open('GET', '%2', false); x.send(); "
              "report('xhr-read'); } catch (e) { report('xhr-blocked'); }"
              "fetch('%1/fetch').catch(() => 0); new WebSocket('%3/ws');"
              "new EventSource('%1/events'); navigator.sendBeacon('%1/beacon', 'x');"
              "new Image().src = '%1/image'; var f = document.createElement('iframe');"
              "f.src = '%1/frame'; document.body.appendChild(f);"
              "setTimeout(() => { var form = document.createElement('form'); form.method = "
              "'post'; form.action = '%1/form'; document.body.appendChild(form); form.submit(); "
              "}, 300); setTimeout(() => location = '%1/moved', 600);"
              "setTimeout(() => report('tried-all'), 700);"
              "</script><script src=own.js></script></body></html>")
              .arg(server, QUrl::fromLocalFile(secret).toString(),
                   QString(server).replace(QLatin1String("http:"), QLatin1String("ws:")))
              .toUtf8());
    m_server.page(QStringLiteral("/clicked"), QStringLiteral("Clicked"));
    const QStringList before = m_server.paths();
    WebBrowser& web = browser();
    web.Navigate(folder + QStringLiteral("/hostile.html"));
    // Its own script, picture and style work; reading a file and every way out do not, and the
    // page is still there once it has tried them all.
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(),
                              QStringLiteral("fetch-blocked own-img own-js tried-all xhr-blocked"),
                              20000);
    QCOMPARE(m_server.paths(), before);
    QCOMPARE(web.LocationURL(), QUrl::fromLocalFile(folder + QStringLiteral("/hostile.html")));
    // A link that the user clicks still opens.
    QWidget* const view = engineInput(web);
    QVERIFY(view != nullptr);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(40, 40));
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(), QStringLiteral("Clicked"), 20000);
    QCOMPARE(m_server.requests(QStringLiteral("/clicked")), 1);
}

void TestWebBrowser::localPagesStayInTheirFolder_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("beside the page") << "inside.js"
                                     << "read";
    QTest::newRow("the folder above") << "../outside.js"
                                      << "refused";
    QTest::newRow("a link out of the folder") << "link.js"
                                              << "refused";
    // Opened, it would hold the engine until something wrote to it.
    QTest::newRow("a FIFO in the folder") << "fifo.js"
                                          << "refused";
}

void TestWebBrowser::localPagesStayInTheirFolder() {
    QFETCH(QString, source);
    QFETCH(QString, outcome);
    const QString folder = m_files.path(QStringLiteral("pages-") + QString::number(qHash(source)));
    QVERIFY(QDir().mkpath(folder));
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    write(folder + QStringLiteral("/../outside.js"), "document.title = 'read';");
    write(folder + QStringLiteral("/inside.js"), "document.title = 'read';");
    QVERIFY(QFile::link(folder + QStringLiteral("/../outside.js"),
                        folder + QStringLiteral("/link.js")));
    QCOMPARE(::mkfifo(qPrintable(folder + QStringLiteral("/fifo.js")), 0600), 0);
    write(folder + QStringLiteral("/page.html"),
          QStringLiteral("<html><head><title>waiting</title></head><body><script src='%1' "
                         "onerror=\"document.title = 'refused'\"></script></body></html>")
              .arg(source)
              .toUtf8());
    WebBrowser& web = browser();
    web.Navigate(folder + QStringLiteral("/page.html"));
    QTRY_VERIFY_WITH_TIMEOUT(web.LocationName() != QLatin1String("waiting") &&
                                 !web.LocationName().isEmpty() && !web.Busy(),
                             20000);
    QCOMPARE(web.LocationName(), outcome);
}

void TestWebBrowser::permissionsRefused() {
    const QString title = titleAfterScript(
        QStringLiteral("/ask"),
        QStringLiteral("Notification.requestPermission().then(p => document.title = p);"));
    QCOMPARE(title, QStringLiteral("denied"));
}

void TestWebBrowser::download_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("sendLength");
    QTest::addColumn<int>("size");
    QTest::newRow("saved") << true << true << 200000;
    QTest::newRow("no size given") << true << false << 50000;
    QTest::newRow("empty file") << true << true << 0;
    QTest::newRow("declined") << false << true << 1000;
}

void TestWebBrowser::download() {
    QFETCH(bool, accept);
    QFETCH(bool, sendLength);
    QFETCH(int, size);
    const QString name = QStringLiteral("setup-%1.exe")
                             .arg(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
    const QByteArray body(size, 'v');
    m_server.route(u'/' + name,
                   {"Content-Type: application/octet-stream\r\nContent-Disposition: attachment\r\n",
                    body, sendLength, 0});
    const QString target = m_files.path(QStringLiteral("saved-") + name);
    QString suggested;
    WebBrowser& web = browser();
    web.setSaveLocation([&](const QString& offered) {
        suggested = offered;
        return accept ? target : QString();
    });
    web.Navigate(m_server.url(u'/' + name).toString());
    QTRY_VERIFY_WITH_TIMEOUT(!suggested.isEmpty(), 20000);
    QVERIFY2(suggested.endsWith(name), qPrintable(suggested));
    if (accept) {
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(target).exists() && QFileInfo(target).size() == size,
                                 20000);
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), body);
    } else {
        QTest::qWait(500);
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(!QFileInfo::exists(suggested));
    }
}

// Receives what would otherwise be handed to another program.
class ExternalOpener final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

void TestWebBrowser::unknownSchemeStartsNoProgram() {
    ExternalOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("vyxtest"), &opener, "open");
    m_server.page(QStringLiteral("/scheme"), QStringLiteral("Scheme"),
                  QStringLiteral("<a href='vyxtest://launch/something' "
                                 "style='display:block;height:200px'>launch</a>"));
    WebBrowser& web = browser();
    web.Navigate(m_server.url(QStringLiteral("/scheme")).toString());
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(), QStringLiteral("Scheme"), 20000);
    // The engine would hand such a link to another program when the user clicks it.
    QTest::mouseClick(engineInput(web), Qt::LeftButton, {}, QPoint(40, 40));
    QTest::qWait(1000);
    QDesktopServices::unsetUrlHandler(QStringLiteral("vyxtest"));
    QVERIFY(opener.opened.isEmpty());
    QCOMPARE(web.LocationName(), QStringLiteral("Scheme"));
}

void TestWebBrowser::downloadToUnwritablePlace() {
    m_server.route(QStringLiteral("/tool.exe"),
                   {"Content-Type: application/octet-stream\r\n", QByteArray(5000, 'x'), true, 0});
    // The engine makes missing folders itself; a folder that cannot be made is one below a file.
    // (Permissions would not stop the tests, which run as root.)
    const QString blocker = m_files.writeBytes(QStringLiteral("blocker"), "a file, not a folder");
    const QString target = blocker + QStringLiteral("/sub/tool.exe");
    bool asked = false;
    WebBrowser& web = browser();
    web.setSaveLocation([&](const QString&) {
        asked = true;
        return target;
    });
    web.Navigate(m_server.url(QStringLiteral("/tool.exe")).toString());
    QTRY_VERIFY_WITH_TIMEOUT(asked, 20000);
    // The user is told, and nothing is left behind.
    QProgressDialog* progress = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((progress = web.findChild<QProgressDialog*>()) != nullptr, 10000);
    QTRY_VERIFY2_WITH_TIMEOUT(progress->labelText().contains(QStringLiteral("failed")),
                              qPrintable(progress->labelText()), 10000);
    QCOMPARE(QDir(m_files.path(QString()))
                 .entryList(QStringList{QStringLiteral("*tool*")}, QDir::AllEntries),
             QStringList());
    QVERIFY(QFileInfo(blocker).isFile());
    // The browser goes on working.
    m_server.page(QStringLiteral("/after"), QStringLiteral("After"));
    web.Navigate(m_server.url(QStringLiteral("/after")).toString());
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(), QStringLiteral("After"), 20000);
}

void TestWebBrowser::downloadFailsOnDisk_data() {
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full") << "size=1m"
                          << "disk full";
    QTest::newRow("read-only") << "size=1m,ro"
                               << "not allowed to write there";
}

void TestWebBrowser::downloadFailsOnDisk() {
    QFETCH(QString, options);
    QFETCH(QString, reason);
    const QString folder = m_files.path(QStringLiteral("disk-") + QTest::currentDataTag());
    QVERIFY(QDir().mkpath(folder));
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           options, QStringLiteral("tmpfs"), folder}) != 0) {
        QSKIP("this machine does not let the tests mount a small disk");
    }
    const auto unmount =
        qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {folder}); });
    m_server.route(QStringLiteral("/huge.bin"), {"Content-Type: application/octet-stream\r\n",
                                                 QByteArray(20 << 20, 'h'), true, 0});
    WebBrowser& web = browser();
    web.setSaveLocation([&](const QString&) { return folder + QStringLiteral("/huge.bin"); });
    web.Navigate(m_server.url(QStringLiteral("/huge.bin")).toString());
    QProgressDialog* progress = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((progress = web.findChild<QProgressDialog*>()) != nullptr, 20000);
    QTRY_VERIFY2_WITH_TIMEOUT(progress->labelText().endsWith(QStringLiteral("failed: ") + reason),
                              qPrintable(progress->labelText()), 10000);
    QTRY_COMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestWebBrowser::downloadCancelledHalfWay() {
    m_server.route(QStringLiteral("/big.exe"), {"Content-Type: application/octet-stream\r\n",
                                                QByteArray(2000000, 'b'), true, 0, 400});
    const QString target = m_files.path(QStringLiteral("big.exe"));
    WebBrowser& web = browser();
    web.setSaveLocation([&](const QString&) { return target; });
    web.Navigate(m_server.url(QStringLiteral("/big.exe")).toString());
    QProgressDialog* progress = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((progress = web.findChild<QProgressDialog*>()) != nullptr, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(progress->labelText().contains(QStringLiteral(" of ")), 10000);
    // As the user does it: the dialog's Cancel button.
    const auto button = [&] {
        return progress->findChild<QPushButton*>();
    };
    button()->click();
    QTRY_VERIFY2_WITH_TIMEOUT(progress->labelText().contains(QStringLiteral("cancelled")),
                              qPrintable(progress->labelText()), 10000);
    QTest::qWait(500);
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(!QFileInfo::exists(target + QStringLiteral(".download")));
    QVERIFY(progress->isVisible());
    QCOMPARE(button()->text(), QStringLiteral("Close"));
    button()->click();
    QTRY_VERIFY(web.findChild<QProgressDialog*>() == nullptr);
}

void TestWebBrowser::windowClosedWhileLoading() {
    m_server.route(QStringLiteral("/slower"),
                   {"Content-Type: text/html\r\n", "<title>Late</title>", true, 2000});
    Window window;
    QPointer<frmBrowser> browser = &window.browser();
    browser->NavigateTo(m_server.url(QStringLiteral("/slower")).toString());
    QVERIFY(browser->webBrowser().Busy());
    browser->close();
    QTRY_VERIFY(browser.isNull());
    QTest::qWait(2500); // the answer arrives for a window that is gone
    QVERIFY(window.prompter.shown.isEmpty());
}

namespace {

template <typename Dialog> QList<Dialog*> shownDialogs() {
    QList<Dialog*> shown;
    for (QWidget* const widget : QApplication::topLevelWidgets()) {
        if (auto* const dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible()) {
            shown.append(dialog);
        }
    }
    return shown;
}

} // namespace

void TestWebBrowser::scriptDialogsHoldOnlyTheirPage_data() {
    QTest::addColumn<bool>("silence"); // else the window is closed while a box is up
    QTest::newRow("page silenced") << true;
    QTest::newRow("window closed") << false;
}

void TestWebBrowser::scriptDialogsHoldOnlyTheirPage() {
    QFETCH(bool, silence);
    m_server.route(QStringLiteral("/alerts"),
                   {"Content-Type: text/html\r\n",
                    "<title>Alerts</title><script>for (var i = 1; i <= 50; ++i) alert('box ' + i);"
                    "document.title = 'done';</script>",
                    true, 0});
    Window window;
    QPointer<frmBrowser> browser = &window.browser();
    // The user, answering each box as it comes; a box waits inside the engine's call, so the
    // answers come from the event loop, as a user's would.
    QStringList seen;
    QStringList texts;
    QTimer user;
    connect(&user, &QTimer::timeout, [&] {
        const QList<QMessageBox*> shown = shownDialogs<QMessageBox>();
        if (shown.size() != 1 || texts.contains(shown.first()->text())) {
            return;
        }
        QMessageBox* const box = shown.first();
        texts << box->text();
        // Nothing is modal to the program, and the browser's own menus still work.
        seen << box->text() + (QApplication::activeModalWidget() == nullptr ? "" : " modal") +
                    (browser->menuBar()->isEnabled() ? "" : " blocked") +
                    (box->checkBox() != nullptr ? " offers silence" : "");
        if (seen.size() == 3 && !silence) {
            browser->close();
            return;
        }
        if (box->checkBox() != nullptr) {
            box->checkBox()->setChecked(true);
        }
        box->button(QMessageBox::Ok)->click();
    });
    user.start(50);
    browser->NavigateTo(m_server.url(QStringLiteral("/alerts")).toString());
    if (silence) {
        QTRY_COMPARE_WITH_TIMEOUT(browser->webBrowser().LocationName(), QStringLiteral("done"),
                                  20000);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(browser.isNull(), 20000);
    }
    QCOMPARE(seen, QStringList({QStringLiteral("box 1"), QStringLiteral("box 2"),
                                QStringLiteral("box 3 offers silence")}));
    QTRY_COMPARE(shownDialogs<QMessageBox>().size(), 0);
}

void TestWebBrowser::scriptQuestionsAnswered_data() {
    QTest::addColumn<bool>("accepts");
    QTest::addColumn<QString>("title"); // what the page makes of the answers
    QTest::newRow("accepted") << true << u"true|Ada"_s;
    QTest::newRow("cancelled") << false << u"false|null"_s;
}

void TestWebBrowser::scriptQuestionsAnswered() {
    QFETCH(bool, accepts);
    QFETCH(QString, title);
    m_server.route(u"/ask"_s, {"Content-Type: text/html\r\n",
                               "<title>Asking</title><script>var sure = confirm('Sure?');"
                               "var name = prompt('Name?', 'x');"
                               "document.title = sure + '|' + name;</script>",
                               true, 0});
    Window window;
    frmBrowser* const browser = &window.browser();
    QTimer answering;
    connect(&answering, &QTimer::timeout, [&] {
        const QList<QMessageBox*> boxes = shownDialogs<QMessageBox>();
        const QList<QInputDialog*> inputs = shownDialogs<QInputDialog>();
        for (QMessageBox* const box : boxes) {
            box->button(accepts ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        }
        for (QInputDialog* const input : inputs) {
            input->setTextValue(u"Ada"_s);
            accepts ? input->accept() : input->reject();
        }
    });
    answering.start(50);
    browser->NavigateTo(m_server.url(u"/ask"_s).toString());
    QTRY_COMPARE_WITH_TIMEOUT(browser->webBrowser().LocationName(), title, 20000);
    answering.stop();
    QTRY_VERIFY(shownDialogs<QMessageBox>().isEmpty() && shownDialogs<QInputDialog>().isEmpty());
}

void TestWebBrowser::oneSaveQuestionAtATime() {
    // A download every 200 ms, none of them answered.
    m_server.route(QStringLiteral("/file.bin"),
                   {"Content-Type: application/octet-stream\r\n", QByteArray(1000, 'f'), true, 0});
    m_server.route(
        QStringLiteral("/flood"),
        {"Content-Type: text/html\r\n",
         "<title>Flood</title><script>setInterval(function () {"
         "var a = document.createElement('a'); a.href = '/file.bin'; a.download = 'f.bin';"
         "document.body.appendChild(a); a.click(); }, 200);</script>",
         true, 0});
    Window window;
    QPointer<frmBrowser> browser = &window.browser();
    int most = 0;
    bool modal = false;
    QTimer user;
    connect(&user, &QTimer::timeout, [&] {
        most = std::max<int>(most, static_cast<int>(shownDialogs<QFileDialog>().size()));
        modal = modal || QApplication::activeModalWidget() != nullptr;
    });
    user.start(50);
    // The user leaves the question open for a while, then closes the browser.
    QTimer::singleShot(3000, browser, &QWidget::close);
    browser->NavigateTo(m_server.url(QStringLiteral("/flood")).toString());
    QTRY_VERIFY_WITH_TIMEOUT(browser.isNull(), 20000);
    QCOMPARE(most, 1);
    QVERIFY(!modal);
    QTRY_COMPARE(shownDialogs<QFileDialog>().size(), 0);
}

void TestWebBrowser::mediaLinkPlaysOrSaves_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QString>("answer");
    // The engine would show this one itself.
    QTest::newRow("named by its extension") << u"/clip.webm"_s << "video/webm"_ba << u"&Play"_s;
    QTest::newRow("named by its type") << u"/watch?v=1"_s << "video/x-msvideo"_ba << u"&Play"_s;
    QTest::newRow("saved instead") << u"/clip.mkv"_s << "video/x-matroska"_ba << u"&Save..."_s;
}

void TestWebBrowser::mediaLinkPlaysOrSaves() {
    QFETCH(QString, path);
    QFETCH(QByteArray, type);
    QFETCH(QString, answer);
    const QString clip = m_files.videoClip(u"clip.mkv"_s, 3);
    QFile body(clip);
    QVERIFY(body.open(QIODevice::ReadOnly));
    m_server.route(path, {"Content-Type: " + type + "\r\n", body.readAll()});
    Window window;
    // Answered from the event loop, as a user would: the questions wait inside the engine's call.
    QTimer user;
    QStringList asked;
    bool saveAsked = false;
    connect(&user, &QTimer::timeout, [&] {
        for (QFileDialog* const dialog : shownDialogs<QFileDialog>()) {
            saveAsked = true;
            dialog->reject();
        }
        for (QMessageBox* const box : shownDialogs<QMessageBox>()) {
            asked << box->text().section(u' ', 1);
            for (QAbstractButton* const button : box->buttons()) {
                if (button->text() == answer) {
                    button->click();
                }
            }
        }
    });
    user.start(50);
    const QString address = m_server.url(path).toString();
    window.browser().NavigateTo(address);
    if (answer == u"&Play"_s) {
        QTRY_VERIFY_WITH_TIMEOUT(window.app.playerWindow() != nullptr, 20000);
        MediaPlayer& player = window.app.playerWindow()->MP();
        QCOMPARE(player.FileName(), address);
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0.3, 15000);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(saveAsked, 20000);
        QVERIFY(window.app.playerWindow() == nullptr);
    }
    QCOMPARE(asked, QStringList{u"is audio or video.\nPlay it in the media player, or save it?"_s});
}

void TestWebBrowser::windowShowsPageTitle() {
    m_server.page(QStringLiteral("/titled"), QStringLiteral("A Titled Page"));
    Window window;
    frmBrowser& browser = window.browser();
    browser.NavigateTo(m_server.url(QStringLiteral("/titled")).toString());
    QCOMPARE(browser.addressList().constFirst(),
             m_server.url(QStringLiteral("/titled")).toString());
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(),
                              browser::pageCaption(QStringLiteral("A Titled Page")), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer().isActive(), 5000);
    QCOMPARE(browser.addressList().size(), 2);
}

void TestWebBrowser::windowBackWithoutHistoryIsIgnored() {
    Window window;
    frmBrowser& browser = window.browser();
    browser.tbToolBar_ButtonClick(QStringLiteral("Back"));
    QVERIFY(browser.timTimer().isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer().isActive(), 5000);
    QVERIFY(window.prompter.shown.isEmpty());
}

void TestWebBrowser::windowStopWhileLoading() {
    m_server.route(QStringLiteral("/slow"),
                   {"Content-Type: text/html\r\n", "<title>Slow</title>", true, 3000});
    Window window;
    frmBrowser& browser = window.browser();
    browser.NavigateTo(m_server.url(QStringLiteral("/slow")).toString());
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), browser::busyCaption(), 5000);
    browser.tbToolBar_ButtonClick(QStringLiteral("Stop"));
    QVERIFY(!browser.timTimer().isActive());
    QVERIFY(browser.windowTitle() != browser::busyCaption());
    QTest::qWait(600);
    QVERIFY(browser.windowTitle() != browser::busyCaption());
}

void TestWebBrowser::refreshAfterCrashReloadsPage() {
    m_server.page(QStringLiteral("/fragile"), QStringLiteral("Fragile"));
    WebBrowser& web = browser();
    web.Navigate(m_server.url(QStringLiteral("/fragile")).toString());
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(), QStringLiteral("Fragile"), 20000);
    // The page's process dies as a crashed one would. Renderers are forked by the engine's
    // zygote processes and keep their command line: they are the zygotes' children.
    QProcess::execute(QStringLiteral("bash"),
                      {QStringLiteral("-c"),
                       QStringLiteral("pkill -KILL -P \"$(pgrep -d, -f -- --type=zygote)\"")});
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(), QStringLiteral("The page stopped working"),
                              20000);
    web.Refresh();
    QTRY_COMPARE_WITH_TIMEOUT(web.LocationName(), QStringLiteral("Fragile"), 20000);
    QCOMPARE(m_server.requests(QStringLiteral("/fragile")), 2);
}

int main(int argc, char** argv) {
    // As in the program: no shared GL context up front, the engine plugin makes its own.
    QApplication app(argc, argv);
    TestWebBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webbrowser.moc"
