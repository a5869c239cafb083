#include "BrowserLogic.h"
#include "Fixtures.h"
#include "GoOnline.h"
#include "Publisher.h"
#include "Rig.h"
#include "frmBrowser.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace vyx;

Q_DECLARE_METATYPE(std::optional<float>)

class TestBrowser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_rig.reset(); }
    void captions();
    void layoutRule_data();
    void layoutRule();
    void loadState();
    void narrowWindowKeepsAddressWidth();
    void minimisedChangesNothing();
    void toolbarAndMenus();
    void addressListRules();
    void typedAddressIsNotAdded_data();
    void typedAddressIsNotAdded();
    void busyTitleTransitions();
    void toolbarKeys_data();
    void toolbarKeys();
    void offlineOpensLocalPage();
    void offlineFailureRetriesSameFile();
    void oneWindowThenFreshAfterClose();
    void closeWhileLoading();
    void laterLinkBringsWindowBack_data();
    void laterLinkBringsWindowBack();

private:
    frmBrowser& browser() { return m_rig->app.showBrowserWindow(); }
    testing::FakeWebBrowser& web() { return *m_rig->engine.last; }
    QString start() const { return publisher::baseAddress().chopped(1); }

    testing::Fixtures m_files;
    std::unique_ptr<testing::Rig> m_rig;
};

void TestBrowser::init() {
    m_rig = std::make_unique<testing::Rig>();
}

void TestBrowser::captions() {
    // "Vyx Surfer" and 23 spaces before what the caption says.
    QCOMPARE(browser::busyCaption(), QStringLiteral("Vyx Surfer                       Working..."));
    QCOMPARE(browser::pageCaption(QStringLiteral("Store")),
             QStringLiteral("Vyx Surfer                       Store"));
}

void TestBrowser::layoutRule_data() {
    using O = std::optional<float>;
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<O>("address");
    QTest::addColumn<O>("browserWidth");
    QTest::addColumn<O>("browserHeight");
    QTest::newRow("design") << 13335.0F << 10125.0F << O(9735.0F) << O(13315.0F) << O(9625.0F);
    QTest::newRow("narrower than the address box")
        << 3000.0F << 10125.0F << O() << O(2980.0F) << O(9625.0F);
    QTest::newRow("exactly the address left")
        << 3600.0F << 500.0F << O(0.0F) << O(3580.0F) << O(0.0F);
    QTest::newRow("lower than the toolbar") << 5000.0F << 300.0F << O(1400.0F) << O(4980.0F) << O();
    QTest::newRow("nothing left") << 10.0F << 10.0F << O() << O() << O();
}

void TestBrowser::layoutRule() {
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(std::optional<float>, address);
    QFETCH(std::optional<float>, browserWidth);
    QFETCH(std::optional<float>, browserHeight);
    const browser::Layout layout = browser::layoutFor(width, height, 0, 480);
    QCOMPARE(layout.addressWidth, address);
    QCOMPARE(layout.browserWidth, browserWidth);
    QCOMPARE(layout.browserHeight, browserHeight);
}

void TestBrowser::loadState() {
    frmBrowser& window = browser();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Vyx Surfer") + QString(23, u' ') + publisher::host());
    QCOMPARE(window.StartingAddress(), start());
    QCOMPARE(window.cboAddress().currentText(), start());
    QCOMPARE(window.addressList(), QStringList{start()});
    QVERIFY(!window.timTimer().isActive());
    QVERIFY(web().calls.isEmpty());
    QCOMPARE(window.centralWidget()->size(), QSize(889, 675));
    QCOMPARE(window.webBrowser().geometry(), QRect(0, 32, 888, 642));
    QCOMPARE(window.cboAddress().geometry(), QRect(240, 3, 649, 21));
    QCOMPARE(window.tbToolBar().width(), 889);
}

void TestBrowser::narrowWindowKeepsAddressWidth() {
    frmBrowser& window = browser();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(400, 300);
    QTRY_COMPARE(window.centralWidget()->width(), 400);
    QCOMPARE(window.cboAddress().width(), 160);
    window.resize(200, 300);
    QTRY_COMPARE(window.centralWidget()->width(), 200);
    QCOMPARE(window.cboAddress().width(), 160);
    QCOMPARE(window.webBrowser().width(), 199);
}

void TestBrowser::minimisedChangesNothing() {
    frmBrowser& window = browser();
    const QSize before = window.webBrowser().size();
    window.setWindowState(Qt::WindowMinimized);
    window.centralWidget()->resize(300, 300);
    window.Form_Resize();
    QCOMPARE(window.webBrowser().size(), before);
}

void TestBrowser::toolbarAndMenus() {
    frmBrowser& window = browser();
    QStringList buttons;
    for (QToolButton* const button : window.tbToolBar().findChildren<QToolButton*>()) {
        buttons << button->objectName() + u'|' + button->toolTip() + u'|' +
                       QString::number(button->x());
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->x() + button->width() <= window.cboAddress().x());
    }
    QCOMPARE(buttons, (QStringList{"Back|Backward|0", "Forward|Forward|31", "Stop|Stop|73",
                                   "Refresh|Refresh|104", "Home|Home|147", "Search|Search|178",
                                   "Offline|Browse Offline|209"}));
    QStringList menus;
    for (QAction* const top : window.menuBar()->actions()) {
        if (top->objectName() == QLatin1String("mnuOnline")) {
            continue;
        }
        menus << top->objectName() + u'|' + top->text();
        for (QAction* const item : top->menu()->actions()) {
            menus << u' ' + item->objectName() + u'|' + item->text() + u'|' +
                         item->shortcut().toString() + u'|' + (item->isVisible() ? u'1' : u'0');
        }
    }
    QCOMPARE(menus, (QStringList{"mnuFile|&File", " mnuOpen|&Open...|Ctrl+O|1", " l22|||1",
                                 " mnuClose|&Close Vyx Surfer|Alt+Backspace|1", "mnuEdit|&Edit",
                                 " mnuRefresh|&Refresh||1", "mnuView|&View", " mnuHome|&Home||0",
                                 " l5|||0", " mnuPrevious|&Previous||1", " mnuNext|&Next||1",
                                 "mnuHelp|&Help", " mnuAbout|&About Vyx Player...||1"}));
    QVERIFY(window.cboAddress().isEditable());
    QCOMPARE(window.cboAddress().insertPolicy(), QComboBox::NoInsert);
    // Previous and Next can be chosen and do nothing.
    window.findChild<QAction*>(QStringLiteral("mnuPrevious"))->trigger();
    window.findChild<QAction*>(QStringLiteral("mnuNext"))->trigger();
    QVERIFY(web().calls.isEmpty());
}

void TestBrowser::addressListRules() {
    frmBrowser& window = browser();
    window.NavigateTo(QStringLiteral("http://a.example/page"));
    QCOMPARE(web().calls, QStringList{QStringLiteral("Navigate http://a.example/page")});
    QCOMPARE(window.addressList(), (QStringList{QStringLiteral("http://a.example/page"), start()}));
    QCOMPARE(window.cboAddress().currentText(), QStringLiteral("http://a.example/page"));
    QCOMPARE(window.windowTitle(), browser::pageCaption(QStringLiteral("http://a.example/page")));

    window.NavigateTo(start());
    QCOMPARE(window.addressList(), (QStringList{start(), QStringLiteral("http://a.example/page")}));

    // Only an exact match moves; a different letter case is another address.
    window.NavigateTo(QStringLiteral("http://a.example/Page"));
    QCOMPARE(window.addressList(), (QStringList{QStringLiteral("http://a.example/Page"), start(),
                                                QStringLiteral("http://a.example/page")}));

    window.OpenSitePage(QStringLiteral("store.htm"));
    QCOMPARE(window.addressList().constFirst(),
             publisher::baseAddress() + QStringLiteral("store.htm"));
    window.OpenSitePage(QString());
    QCOMPARE(web().calls.constLast(), QStringLiteral("Navigate ") + publisher::baseAddress());
    QCOMPARE(window.addressList().size(), 5);
    // Each of those was one request: the list's own selection did not navigate again.
    QCOMPARE(web().calls.size(), 5);
}

void TestBrowser::typedAddressIsNotAdded_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("navigated");
    const QString host = QStringLiteral("www.typed.example");
    QTest::newRow("Return") << host << int(Qt::Key_Return) << "\r" << 0 << host;
    QTest::newRow("keypad Enter") << host << int(Qt::Key_Enter) << "\r" << int(Qt::KeypadModifier)
                                  << host;
    QTest::newRow("Ctrl+M") << host << int(Qt::Key_M) << "\r" << int(Qt::ControlModifier) << host;
    // Typing the start of an entry that is not the current one completes it in the box; the box
    // then picks that entry as well, yet it opens once.
    QTest::newRow("inline-completed entry")
        << start().left(12) << int(Qt::Key_Return) << "\r" << 0 << start();
    // Text the browser refuses is ignored: no box.
    QTest::newRow("refused") << "javascript:void(0)" << int(Qt::Key_Return) << "\r" << 0
                             << "javascript:void(0)";
}

void TestBrowser::typedAddressIsNotAdded() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, keyText);
    QFETCH(int, modifiers);
    QFETCH(QString, navigated);
    frmBrowser& window = browser();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.NavigateTo(QStringLiteral("http://other.example/"));
    const QStringList list = window.addressList();
    web().calls.clear();
    const QString before = window.windowTitle();
    // The road a user's keys take: a click into the box, then keys to whatever has the focus.
    QLineEdit* const edit = window.cboAddress().lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(key), keyText,
                        Qt::KeyboardModifiers(modifiers));
    QCOMPARE(web().calls, QStringList{QStringLiteral("Navigate ") + navigated});
    QCOMPARE(window.addressList(), list);
    QCOMPARE(window.windowTitle(), before);
    QVERIFY(window.timTimer().isActive());
    QVERIFY(m_rig->prompter.shown.isEmpty());
}

void TestBrowser::busyTitleTransitions() {
    frmBrowser& window = browser();
    window.NavigateTo(QStringLiteral("http://a.example/"));
    QVERIFY(window.timTimer().isActive());
    window.timTimer_Timer();
    QCOMPARE(window.windowTitle(), browser::busyCaption());
    QVERIFY(window.timTimer().isActive());
    web().finishLoading(QStringLiteral("Example Page"));
    QCOMPARE(window.windowTitle(), browser::pageCaption(QStringLiteral("Example Page")));
    window.timTimer_Timer();
    QVERIFY(!window.timTimer().isActive());
    QCOMPARE(window.windowTitle(), browser::pageCaption(QStringLiteral("Example Page")));
    // The real timer does the same on its own.
    window.NavigateTo(QStringLiteral("http://b.example/"));
    QTRY_COMPARE(window.windowTitle(), browser::busyCaption());
    web().finishLoading(QStringLiteral("B"));
    QTRY_VERIFY(!window.timTimer().isActive());
    QCOMPARE(window.windowTitle(), browser::pageCaption(QStringLiteral("B")));
}

void TestBrowser::toolbarKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("timerOn");
    QTest::newRow("Back with no history") << "Back" << QStringList{"GoBack"} << true;
    QTest::newRow("Forward") << "Forward" << QStringList{"GoForward"} << true;
    QTest::newRow("Refresh") << "Refresh" << QStringList{"Refresh"} << true;
    QTest::newRow("Home") << "Home" << QStringList{"Navigate about:home"} << true;
    QTest::newRow("Search") << "Search" << QStringList{"Navigate about:search"} << true;
    QTest::newRow("Stop") << "Stop" << QStringList{"Stop"} << false;
    QTest::newRow("Offline, cancelled") << "Offline" << QStringList{} << true;
    QTest::newRow("unknown key") << "Print" << QStringList{} << true;
    QTest::newRow("keys are case-sensitive") << "back" << QStringList{} << true;
}

void TestBrowser::toolbarKeys() {
    QFETCH(QString, key);
    QFETCH(QStringList, calls);
    QFETCH(bool, timerOn);
    frmBrowser& window = browser();
    const QStringList list = window.addressList();
    m_rig->chooser.cancel();
    // Pressed as the user presses it where there is a button; a key without one reaches the
    // handler only from code.
    if (auto* const button = window.findChild<QToolButton*>(key)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        window.tbToolBar_ButtonClick(key);
    }
    QCOMPARE(web().calls, calls);
    QCOMPARE(window.timTimer().isActive(), timerOn);
    QCOMPARE(window.addressList(), list);
    QVERIFY(m_rig->prompter.shown.isEmpty());
    if (key == QLatin1String("Stop")) {
        QCOMPARE(window.windowTitle(), browser::pageCaption(web().LocationName()));
    }
    // Whatever the button did, the first tick that finds the page loaded ends the busy notice.
    web().finishLoading(QStringLiteral("Loaded"));
    window.setWindowTitle(QString());
    window.timTimer_Timer();
    QVERIFY(!window.timTimer().isActive());
    QCOMPARE(window.windowTitle(), browser::pageCaption(web().LocationName()));
}

void TestBrowser::offlineOpensLocalPage() {
    const QString page =
        m_files.writeBytes(QStringLiteral("offline.html"), "<title>Offline</title>");
    frmBrowser& window = browser();
    m_rig->chooser.choose(page);
    window.findChild<QToolButton*>(QStringLiteral("Offline"))->click();
    QCOMPARE(m_rig->chooser.requests.size(), 1);
    QCOMPARE(m_rig->chooser.requests.at(0).title, QStringLiteral("Browse for offline web pages"));
    QCOMPARE(
        m_rig->chooser.requests.at(0).nameFilters,
        (QStringList{QStringLiteral("WebPages (*.htm *.html)"), QStringLiteral("All Files (*)")}));
    QCOMPARE(web().calls, QStringList{QStringLiteral("Navigate ") + page});
    QCOMPARE(window.addressList().constFirst(), QUrl::fromLocalFile(page).toString());
    QVERIFY(m_rig->prompter.shown.isEmpty());

    // File > Open offers the page chosen last.
    m_rig->chooser.cancel();
    window.findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    QCOMPARE(m_rig->chooser.requests.at(1).initialPath, page);
    QCOMPARE(web().calls.size(), 1);
}

void TestBrowser::offlineFailureRetriesSameFile() {
    frmBrowser& window = browser();
    m_rig->chooser.choose(QStringLiteral("   "));
    m_rig->prompter.answer({msgbox::Retry, msgbox::Ignore});
    window.mnuOpen_Click();
    QCOMPARE(m_rig->prompter.shown.size(), 2);
    QCOMPARE(m_rig->prompter.shown.at(0).title,
             QStringLiteral("ERROR:  The address cannot be opened: (empty address)"));
    QCOMPARE(web().calls,
             (QStringList{QStringLiteral("Navigate    "), QStringLiteral("Navigate    ")}));
    QCOMPARE(window.ErrorResponse(), msgbox::Ignore);
    QCOMPARE(window.addressList(), QStringList{start()});
}

void TestBrowser::oneWindowThenFreshAfterClose() {
    frmBrowser* const first = &browser();
    first->NavigateTo(QStringLiteral("http://a.example/"));
    QCOMPARE(&browser(), first);
    QCOMPARE(m_rig->engine.made, 1);
    QCOMPARE(first->addressList().size(), 2);
    first->findChild<QAction*>(QStringLiteral("mnuClose"))->trigger();
    QTRY_VERIFY(m_rig->app.browserWindow() == nullptr);
    frmBrowser& fresh = browser();
    QCOMPARE(m_rig->engine.made, 2);
    QCOMPARE(fresh.addressList(), QStringList{start()});
}

void TestBrowser::closeWhileLoading() {
    browser().NavigateTo(QStringLiteral("http://slow.example/"));
    QVERIFY(web().Busy());
    const QPointer<QWidget> engine = &web();
    browser().close();
    QTRY_VERIFY(m_rig->app.browserWindow() == nullptr);
    // The page goes with its window, and no tick is left to report on it.
    QVERIFY(engine.isNull());
    QTest::qWait(300);
    QVERIFY(m_rig->prompter.shown.isEmpty());
    QCOMPARE(m_rig->engine.made, 1);
}

void TestBrowser::laterLinkBringsWindowBack_data() {
    QTest::addColumn<bool>("minimised");
    QTest::newRow("minimised") << true;
    QTest::newRow("behind another window") << false;
}

void TestBrowser::laterLinkBringsWindowBack() {
    QFETCH(bool, minimised);
    frmBrowser& window = browser();
    QWidget other;
    other.resize(300, 200);
    if (minimised) {
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
    } else {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    GoOnline(m_rig->app, m_rig->prompter, QStringLiteral("store.htm"));
    QTRY_VERIFY(!window.isMinimized());
    QTRY_VERIFY(window.isActiveWindow());
    QCOMPARE(web().calls.constLast(),
             QStringLiteral("Navigate ") + publisher::baseAddress() + QStringLiteral("store.htm"));
}

QTEST_MAIN(TestBrowser)
#include "tst_browser.moc"
