#include "GoOnline.h"
#include "LinkCatalogue.h"
#include "Publisher.h"
#include "Rig.h"
#include "errors/RuntimeError.h"
#include "frmBrowser.h"
#include "frmMediaPlayer.h"
#include "frmVyx.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <memory>

using namespace vyx;

namespace {

// A host whose show step, and a target whose navigation, fail a scripted number of times.
class FlakyHost final : public BrowserHost, public LinkTarget {
public:
    int showFailures = 0;
    int navigateFailures = 0;
    int shows = 0;
    QStringList navigated;

    LinkTarget& showBrowserWindow() override {
        ++shows;
        if (showFailures > 0) {
            --showFailures;
            throw RuntimeError(ErrorCode::WebEngineUnavailable);
        }
        return *this;
    }
    void NavigateTo(const QString& address) override {
        if (navigateFailures > 0) {
            --navigateFailures;
            throw RuntimeError(ErrorCode::NavigationRefused, address);
        }
        navigated.append(address);
    }
};

QMenu* onlineMenu(QMainWindow& window) {
    for (QAction* const action : window.menuBar()->actions()) {
        if (action->objectName() == QLatin1String("mnuOnline")) {
            return action->menu();
        }
    }
    return nullptr;
}

// Every item of a menu and its submenus, in order.
QList<QAction*> flatten(QMenu* menu) {
    QList<QAction*> all;
    for (QAction* const action : menu->actions()) {
        all.append(action);
        if (action->menu() != nullptr) {
            all.append(flatten(action->menu()));
        }
    }
    return all;
}

} // namespace

class TestLinks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_rig = std::make_unique<testing::Rig>(); }
    void cleanup() { m_rig.reset(); }
    void sitePaths();
    void menusMatchCatalogue_data();
    void menusMatchCatalogue();
    void trialAccessKeysDiffer();
    void disabledItemsDoNothing();
    void firstUseListsStartThenPage();
    void bothWindowsShareOneBrowser();
    void freshBrowserAfterClose();
    void linkTrap_data();
    void linkTrap();

private:
    std::unique_ptr<testing::Rig> m_rig;
};

void TestLinks::sitePaths() {
    QSet<QString> paths;
    for (int i = 0; i < links::kSiteCount; ++i) {
        const QString path = links::path(static_cast<links::Site>(i));
        QVERIFY2(!path.startsWith(u'/'), qPrintable(path));
        QVERIFY(path.isEmpty() || path.endsWith(QLatin1String(".htm")) ||
                path.endsWith(QLatin1String(".exe")));
        paths.insert(path);
    }
    QCOMPARE(paths.size(), 30);
    QVERIFY(paths.contains(QString()));
    QVERIFY(publisher::baseAddress().startsWith(QLatin1String("http://")));
    QVERIFY(publisher::baseAddress().endsWith(u'/'));
}

void TestLinks::menusMatchCatalogue_data() {
    // Each item as "name|caption|command", in menu order, submenus inline after their head.
    // The command is a site path (possibly empty), or "-" separator, ">" submenu, "off" disabled.
    QTest::addColumn<int>("window");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("main") << 0
                          << QStringList{
                                 "mnuFree|&Free Downloads Page|Free_Downloads.htm",
                                 "mnuTrial|&Trial Downloads|>",
                                 "mnuTDA|Tessaline &Database Application (11.1MB)|"
                                 "trialversion/setup.exe",
                                 "mnuTP|Tessaline &Professional Database (12.1MB)|"
                                 "tessaline_release/tessalinepro_setup.exe",
                                 "mnuTS|Tessaline &Server|off",
                                 "l11||-",
                                 "mnuCompress|P&ixSqueeze (820KB)|PixSqueezeTrial/setup.exe",
                                 "mnuDown|Pe&llumDownloader (215KB)|PellumDownTrial/setup.exe",
                                 "mnuCrawl|PellumCra&wler (217KB)|PellumCrawlerTrial/setup.exe",
                                 "mnuDraw|PellumD&raw (324KB)|PellumDrawTrial/setup.exe",
                                 "mnuMailer|Pellum&Mailer (219KB)|PellumMailerTrial/setup.exe",
                                 "mnuBrowse|Pellum&Browser (206KB)|PellumBrowserTrial/setup.exe",
                                 "mnuSol|PellumSolitair&e (539KB)|PellumSolTrial/setup.exe",
                                 "l12||-",
                                 // Ours to choose: the free programs' downloads.
                                 "mnuPlayer|Vyx Player (348KB)|VyxFree/VyxPlayer.exe",
                                 "mnuSurfer|Vyx Surfer (116KB)|VyxFree/VyxSurfer.exe",
                                 "mnuEditor|Vyx Editor (216KB)|VyxFree/VyxEditor.exe",
                                 "mnuPB|Vyx Phonebook (412KB)|VyxFree/VyxPhonebook.exe",
                                 "l2||-",
                                 "mnuHome|Publisher &Home|",
                                 "mnuStore|Publisher &Store|store.htm",
                             };
    QTest::newRow("player") << 1
                            << QStringList{
                                   "mnuProduct|&Product Page|prod02.htm",
                                   "mnuHome|Publisher &Home|",
                                   "mnuCatalog|Publisher &Catalog|catalog.htm",
                                   "mnuStore|Publisher &Store|store.htm",
                                   "mnuFeedback|Support/&Feedback|Feedback.htm",
                                   "li4||-",
                                   "mnuNews|Today's &News|vyx_news.htm",
                               };
    QTest::newRow("browser")
        << 2
        << QStringList{
               "mnuProduct|Product &Page|prod02.htm",
               "mnuPublisher|Publisher &Home|",
               "mnuCatalog|Publisher &Catalog|catalog.htm",
               "mnuStore|Publisher &Store|store.htm",
               "mnuFeedback|Support/&Feedback|Feedback.htm",
               "l67||-",
               "mnuTrial|&Database Trial Downloads|>",
               "mnTDA|Tessaline Database Application (11.1MB)|trialversion/setup.exe",
               "mnuTP|Tessaline Professional Database (12.1MB)|"
               "tessaline_release/tessalinepro_setup.exe",
               "mnuTS|Tessaline Server|off",
               "mnuPb2|Vyx Phonebook2 (9.12MB)|pb2trial/pb2_setup.exe",
               "mnuVyxDB|Vyx Database (12MB)|vyxdbtrial/vyxdb_setup.exe",
               "mnuPellum|P&ellum Demo Downloads|>",
               "mnuCompress|PixSqueeze (820KB)|PixSqueezeTrial/setup.exe",
               "mnuDown|PellumDownloader (215KB)|PellumDownTrial/setup.exe",
               "mnuCrawl|PellumCrawler (217KB)|PellumCrawlerTrial/setup.exe",
               "mnuDraw|PellumDraw (324KB)|PellumDrawTrial/setup.exe",
               "mnuMailer|PellumMailer (219KB)|PellumMailerTrial/setup.exe",
               "mnuBrowse|PellumBrowser (206KB)|PellumBrowserTrial/setup.exe",
               "mnuSol|PellumSolitaire (539KB)|PellumSolTrial/setup.exe",
               "mnuPrograms|Free Downlo&ads|>",
               "mnuPhonebook|Vyx Phonebook Free (424KB)|VyxFree/VyxPhonebook.exe",
               "mnuEditor|Vyx Editor Free (432KB)|VyxFree/VyxEditor.exe",
               "mnuNewsFeed|Vyx News Feeder (156KB)|VyxFree/VyxNews.exe",
               "mnuSurfer|Vyx Surfer Free (116KB)|VyxFree/VyxSurfer.exe",
               "mnuPlayer|Vyx Player Free (344KB)|VyxFree/VyxPlayer.exe",
               "mnuGames|Vyx Games Collection Free (6MB)|VyxFree/VyxGames2.exe",
               "mnuFree|&Free Downloads Page|Free_Downloads.htm",
               "li33||-",
               "mnuNews|Today's &News|>",
               "mnuTech|Technology News (Computer, Internet, ...)|tech_news.htm",
               "mnuEntertain|Entertainment News (Movies, Games, ...)|entertainment_news.htm",
               "mnuBus|Business News (Stock Market)|business_news.htm",
               "mnuSports|Sports News (Golf, Tennis, ...)|sports_news.htm",
               "mnuWorld|World News (Politics, World Events, ...)|world_news.htm",
               "mnuFriend|Pa&lFinder Service|palfinder.htm",
           };
}

void TestLinks::menusMatchCatalogue() {
    QFETCH(int, window);
    QFETCH(QStringList, items);
    QMainWindow* const form = window == 0 ? static_cast<QMainWindow*>(&m_rig->app.showMainWindow())
                              : window == 1
                                  ? static_cast<QMainWindow*>(&m_rig->app.showPlayerWindow())
                                  : static_cast<QMainWindow*>(&m_rig->app.showBrowserWindow());
    const QList<QAction*> actions = flatten(onlineMenu(*form));
    QCOMPARE(actions.size(), items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QStringList item = items.at(i).split(u'|');
        const QString& command = item.at(2);
        QAction* const action = actions.at(i);
        QCOMPARE(action->objectName(), item.at(0));
        QCOMPARE(action->isSeparator(), command == QLatin1String("-"));
        QCOMPARE(action->menu() != nullptr, command == QLatin1String(">"));
        QCOMPARE(action->isEnabled(), command != QLatin1String("off"));
        QVERIFY(action->shortcut().isEmpty());
        if (action->isSeparator() || action->menu() != nullptr || !action->isEnabled()) {
            QCOMPARE(action->isSeparator() ? QString() : action->text(), item.at(1));
            continue;
        }
        QCOMPARE(action->text(), item.at(1));
        action->trigger();
        const QString expected = publisher::baseAddress() + command;
        QCOMPARE(m_rig->engine.last->calls.constLast(), QStringLiteral("Navigate ") + expected);
        QCOMPARE(m_rig->app.browserWindow()->addressList().constFirst(), QUrl(expected).toString());
    }
    QCOMPARE(m_rig->engine.made, 1);
    QVERIFY(m_rig->prompter.shown.isEmpty());
}

void TestLinks::trialAccessKeysDiffer() {
    const frmVyx& main = m_rig->app.showMainWindow();
    QMenu* const trial = main.findChild<QMenu*>(QStringLiteral("mnuTrial"));
    QStringList keys;
    for (QAction* const action : trial->actions()) {
        const qsizetype amp = action->text().indexOf(u'&');
        if (amp >= 0) {
            keys << action->text().mid(amp + 1, 1);
        }
    }
    QCOMPARE(keys, (QStringList{"D", "P", "S", "i", "l", "w", "r", "M", "B", "e"}));
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
}

void TestLinks::disabledItemsDoNothing() {
    frmVyx& main = m_rig->app.showMainWindow();
    main.findChild<QAction*>(QStringLiteral("mnuTS"))->trigger();
    QVERIFY(m_rig->app.browserWindow() == nullptr);
    frmBrowser& browser = m_rig->app.showBrowserWindow();
    browser.findChild<QAction*>(QStringLiteral("mnuTS"))->trigger();
    QVERIFY(m_rig->engine.last->calls.isEmpty());
}

void TestLinks::firstUseListsStartThenPage() {
    frmVyx& main = m_rig->app.showMainWindow();
    main.findChild<QAction*>(QStringLiteral("mnuStore"))->trigger();
    frmBrowser* const browser = m_rig->app.browserWindow();
    QVERIFY(browser != nullptr && browser->isVisible());
    QCOMPARE(browser->addressList(),
             (QStringList{publisher::baseAddress() + QStringLiteral("store.htm"),
                          publisher::baseAddress().chopped(1)}));
    main.GoOnline(QString());
    QCOMPARE(m_rig->engine.last->calls.constLast(),
             QStringLiteral("Navigate ") + publisher::baseAddress());
}

void TestLinks::bothWindowsShareOneBrowser() {
    m_rig->app.showPlayerWindow().GoOnline(QStringLiteral("catalog.htm"));
    m_rig->app.showMainWindow().GoOnline(QStringLiteral("Free_Downloads.htm"));
    QCOMPARE(m_rig->engine.made, 1);
    QCOMPARE(m_rig->app.browserWindow()->addressList().size(), 3);
}

void TestLinks::freshBrowserAfterClose() {
    frmVyx& main = m_rig->app.showMainWindow();
    main.GoOnline(QStringLiteral("store.htm"));
    m_rig->app.browserWindow()->close();
    QTRY_VERIFY(m_rig->app.browserWindow() == nullptr);
    main.GoOnline(QStringLiteral("catalog.htm"));
    QCOMPARE(m_rig->engine.made, 2);
    QCOMPARE(m_rig->app.browserWindow()->addressList().size(), 2);
}

void TestLinks::linkTrap_data() {
    QTest::addColumn<int>("showFailures");
    QTest::addColumn<int>("navigateFailures");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("navigations");
    QTest::addColumn<int>("boxes");
    using L = QList<int>;
    QTest::newRow("all well") << 0 << 0 << L{} << 1 << 0;
    QTest::newRow("failed show, ignore still navigates") << 1 << 0 << L{msgbox::Ignore} << 1 << 1;
    QTest::newRow("failed show, retry") << 2 << 0 << L{msgbox::Retry, msgbox::Retry} << 1 << 2;
    QTest::newRow("failed show, abort") << 1 << 0 << L{msgbox::Abort} << 0 << 1;
    QTest::newRow("failed navigation, retry") << 0 << 1 << L{msgbox::Retry} << 1 << 1;
    QTest::newRow("failed navigation, ignore") << 0 << 1 << L{msgbox::Ignore} << 0 << 1;
    QTest::newRow("both fail, ignored") << 1 << 1 << L{msgbox::Ignore, msgbox::Ignore} << 0 << 2;
}

void TestLinks::linkTrap() {
    QFETCH(int, showFailures);
    QFETCH(int, navigateFailures);
    QFETCH(QList<int>, answers);
    QFETCH(int, navigations);
    QFETCH(int, boxes);
    FlakyHost host;
    host.showFailures = showFailures;
    host.navigateFailures = navigateFailures;
    testing::ScriptedPrompter prompter;
    for (const int answer : answers) {
        prompter.answer({answer});
    }
    GoOnline(host, prompter, QStringLiteral("store.htm"));
    QCOMPARE(host.navigated.size(), navigations);
    if (navigations > 0) {
        QCOMPARE(host.navigated.constFirst(),
                 publisher::baseAddress() + QStringLiteral("store.htm"));
    }
    QCOMPARE(prompter.shown.size(), boxes);
    if (showFailures > 0) {
        QCOMPARE(prompter.shown.at(0).prompt,
                 describe(static_cast<int>(ErrorCode::WebEngineUnavailable)));
        QCOMPARE(prompter.shown.at(0).title, QStringLiteral("1004"));
        QCOMPARE(prompter.shown.at(0).style, 18);
    }
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
