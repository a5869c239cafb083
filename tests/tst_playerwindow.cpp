#include "Fixtures.h"
#include "MediaPlayer.h"
#include "PlayerLayout.h"
#include "Rig.h"
#include "dialogs/MessageBox.h"
#include "forms/Twips.h"
#include "frmMediaPlayer.h"
#include "frmVyx.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace vyx;

class TestPlayerWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { m_rig.reset(); }
    void resizeRule_data();
    void resizeRule();
    void loadSizeAndFit();
    void fitsEverySize_data();
    void fitsEverySize();
    void minimisedChangesNothing();
    void menus();
    void oneInstanceThenFreshAfterClose();
    void openUsesMediaFilter();
    void cancelKeepsCurrentFile();
    void refusedFileRetriesSameFile();
    void playersAreIndependent();
    void closingMainLeavesPlayerPlaying();
    void laterCtrlWBringsItBack_data();
    void laterCtrlWBringsItBack();
    void subtitlesChosenInTheWindowsDialogs_data();
    void subtitlesChosenInTheWindowsDialogs();

private:
    frmMediaPlayer& window() { return m_app->showPlayerWindow(); }
    // The player's size in pixels for a client area of the given size, the player at 0, 0.
    static QSize fitted(QSize client);

    testing::Fixtures m_files;
    QString m_clip;
    QString m_other;
    std::unique_ptr<testing::Rig> m_rig;
    testing::ScriptedPrompter* m_prompter = nullptr;
    testing::ScriptedFileChooser* m_chooser = nullptr;
    Application* m_app = nullptr;
};

void TestPlayerWindow::initTestCase() {
    m_clip = m_files.videoClip(QStringLiteral("clip.mp4"), 4);
    m_other = m_files.videoClip(QStringLiteral("other.mkv"), 4, QStringLiteral("160x120"));
    QVERIFY(!m_clip.isEmpty() && !m_other.isEmpty());
}

void TestPlayerWindow::init() {
    m_rig = std::make_unique<testing::Rig>();
    m_prompter = &m_rig->prompter;
    m_chooser = &m_rig->chooser;
    m_app = &m_rig->app;
}

QSize TestPlayerWindow::fitted(QSize client) {
    // The player keeps 20 twips (a pixel, rounded) free at the right and bottom, never negative.
    return {std::max(0, client.width() - 1), std::max(0, client.height() - 1)};
}

void TestPlayerWindow::resizeRule_data() {
    QTest::addColumn<float>("clientWidth");
    QTest::addColumn<float>("clientHeight");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::newRow("design") << 9885.0F << 9180.0F << 0.0F << 0.0F << 9865.0F << 9160.0F;
    QTest::newRow("maximised") << 19200.0F << 14700.0F << 0.0F << 0.0F << 19180.0F << 14680.0F;
    QTest::newRow("offset player") << 3000.0F << 2000.0F << 100.0F << 200.0F << 2880.0F << 1780.0F;
    QTest::newRow("exactly the margin") << 20.0F << 20.0F << 0.0F << 0.0F << 0.0F << 0.0F;
    QTest::newRow("smaller than the margins") << 10.0F << 5.0F << 0.0F << 0.0F << 0.0F << 0.0F;
    QTest::newRow("smaller than the offset") << 50.0F << 50.0F << 100.0F << 100.0F << 0.0F << 0.0F;
}

void TestPlayerWindow::resizeRule() {
    QFETCH(float, clientWidth);
    QFETCH(float, clientHeight);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    const PlayerExtent extent = fitPlayer(clientWidth, clientHeight, left, top);
    QCOMPARE(extent.width, width);
    QCOMPARE(extent.height, height);
}

void TestPlayerWindow::loadSizeAndFit() {
    frmMediaPlayer& player = window();
    QVERIFY(QTest::qWaitForWindowExposed(&player));
    QCOMPARE(player.windowTitle(), QStringLiteral("Media Player"));
    QTRY_COMPARE(player.frameGeometry().size(), QSize(667, 667));
    QCOMPARE(player.MP().pos(), QPoint(0, 0));
    QCOMPARE(player.MP().size(), fitted(player.centralWidget()->size()));
    QVERIFY(player.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(player.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(player.minimumSize() != player.maximumSize());
    QVERIFY(player.windowIcon().cacheKey() != m_app->showMainWindow().windowIcon().cacheKey());
    QVERIFY(player.MP().FileName().isEmpty());
}

void TestPlayerWindow::fitsEverySize_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("large") << QSize(1280, 1000);
    QTest::newRow("wide") << QSize(900, 200);
    QTest::newRow("tiny") << QSize(40, 40);
    QTest::newRow("one pixel") << QSize(1, 1);
}

void TestPlayerWindow::fitsEverySize() {
    QFETCH(QSize, size);
    frmMediaPlayer& player = window();
    QVERIFY(QTest::qWaitForWindowExposed(&player));
    player.resize(size);
    QTRY_COMPARE(player.MP().size(), fitted(player.centralWidget()->size()));
    QVERIFY(player.MP().width() >= 0 && player.MP().height() >= 0);
}

void TestPlayerWindow::minimisedChangesNothing() {
    frmMediaPlayer& player = window();
    QVERIFY(QTest::qWaitForWindowExposed(&player));
    const QSize before = player.MP().size();
    player.setWindowState(Qt::WindowMinimized);
    player.centralWidget()->resize(100, 100);
    player.Form_Resize();
    QCOMPARE(player.MP().size(), before);
    player.setWindowState(Qt::WindowNoState);
    player.Form_Resize();
    QCOMPARE(player.MP().size(), fitted(player.centralWidget()->size()));
}

void TestPlayerWindow::menus() {
    const QStringList expected{
        "mnuFile|&File|",
        " mnuOpen|&Open...|Ctrl+O",
        " li1||",
        " mnuClose|&Close MediaPlayer|Alt+Backspace",
        "mnuOnline|&Online|",
        "mnuHelp|&Help|",
        " mnuAbout|&About Vyx Player...|",
    };
    QStringList actual;
    for (QAction* const top : window().menuBar()->actions()) {
        actual << top->objectName() + u'|' + top->text() + u'|';
        // The Online menu's items are the link tests' to check.
        if (top->objectName() == QLatin1String("mnuOnline")) {
            continue;
        }
        for (QAction* const item : top->menu()->actions()) {
            actual << u' ' + item->objectName() + u'|' + item->text() + u'|' +
                          item->shortcut().toString();
        }
    }
    QCOMPARE(actual, expected);
}

void TestPlayerWindow::oneInstanceThenFreshAfterClose() {
    frmVyx& main = m_app->showMainWindow();
    QAction* const open = main.findChild<QAction*>(QStringLiteral("mnuOpen"));
    open->trigger();
    frmMediaPlayer* const first = m_app->playerWindow();
    QVERIFY(first != nullptr);
    m_chooser->choose(m_clip);
    first->mnuOpen_Click();
    first->resize(300, 300);
    open->trigger();
    QCOMPARE(m_app->playerWindow(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->size(), QSize(300, 300));

    first->findChild<QAction*>(QStringLiteral("mnuClose"))->trigger();
    QTRY_VERIFY(m_app->playerWindow() == nullptr);
    open->trigger();
    frmMediaPlayer* const fresh = m_app->playerWindow();
    QVERIFY(fresh != nullptr);
    QTRY_COMPARE(fresh->frameGeometry().size(), QSize(667, 667));
    QVERIFY(fresh->MP().FileName().isEmpty());
    QVERIFY(fresh->Opener().FileName().isEmpty());
}

void TestPlayerWindow::laterCtrlWBringsItBack_data() {
    QTest::addColumn<bool>("minimised");
    QTest::newRow("minimised") << true;
    QTest::newRow("behind the main window") << false;
}

void TestPlayerWindow::laterCtrlWBringsItBack() {
    QFETCH(bool, minimised);
    frmVyx& main = m_app->showMainWindow();
    const auto pressCtrlW = [&main] {
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &main,
                        Qt::Key_W, Qt::ControlModifier);
    };
    pressCtrlW();
    frmMediaPlayer* const player = m_app->playerWindow();
    QVERIFY(player != nullptr);
    if (minimised) {
        player->showMinimized();
        QTRY_VERIFY(player->isMinimized());
    }
    pressCtrlW();
    QCOMPARE(m_app->playerWindow(), player);
    QTRY_VERIFY(!player->isMinimized());
    QTRY_VERIFY(player->isActiveWindow());
}

void TestPlayerWindow::openUsesMediaFilter() {
    m_chooser->choose(m_clip);
    window().mnuOpen_Click();
    QCOMPARE(m_chooser->requests.size(), 1);
    const OpenRequest& request = m_chooser->requests.at(0);
    QCOMPARE(request.title, QStringLiteral("Select A Media File To Play"));
    QCOMPARE(request.nameFilters,
             (QStringList{QStringLiteral(
                              "All Media Files (*.avi *.mpeg *.mpg *.mpe *.mpa *.m1v *.mpv2 *.wmv "
                              "*.wmx *.ivf *.dat *.asf *.wav *.mp3 *.mid *.midi)"),
                          QStringLiteral("All Files (*)")}));
    QCOMPARE(request.selectedFilter, request.nameFilters.constFirst());
    QCOMPARE(window().MP().FileName(), m_clip);
}

void TestPlayerWindow::cancelKeepsCurrentFile() {
    m_chooser->choose(m_clip);
    window().mnuOpen_Click();
    QTRY_VERIFY_WITH_TIMEOUT(window().MP().position() > 0.3, 15000);
    m_chooser->cancel();
    window().mnuOpen_Click();
    QVERIFY(m_prompter->shown.isEmpty());
    QCOMPARE(window().MP().FileName(), m_clip);
    QCOMPARE(m_chooser->requests.at(1).initialPath, m_clip);
    const double before = window().MP().position();
    QTRY_VERIFY_WITH_TIMEOUT(window().MP().position() > before + 0.2, 15000);
}

void TestPlayerWindow::refusedFileRetriesSameFile() {
    const QString text = m_files.writeBytes(QStringLiteral("words.mp3"), "not a sound at all\n");
    m_chooser->choose(text);
    m_prompter->answer({msgbox::Retry, msgbox::Retry, msgbox::Abort});
    window().mnuOpen_Click();
    QCOMPARE(m_prompter->shown.size(), 3);
    for (const auto& shown : std::as_const(m_prompter->shown)) {
        QCOMPARE(shown.prompt, QStringLiteral("321 Invalid file format: ") + text);
        QCOMPARE(shown.title, QStringLiteral("ERROR:  Invalid file format: ") + text);
    }
    QCOMPARE(m_chooser->requests.size(), 1);
}

void TestPlayerWindow::playersAreIndependent() {
    frmVyx& main = m_app->showMainWindow();
    m_chooser->choose(m_clip);
    main.mnuPlay_Click();
    m_chooser->choose(m_other);
    window().mnuOpen_Click();
    MediaPlayer& a = main.MP();
    MediaPlayer& b = window().MP();
    QTRY_VERIFY_WITH_TIMEOUT(a.position() > 0.3 && b.position() > 0.3, 20000);
    QCOMPARE(a.Volume(), -600);
    QCOMPARE(b.Volume(), -640);
    b.pause();
    QTRY_VERIFY(!b.isPlaying());
    const double paused = b.position();
    const double running = a.position();
    QTRY_VERIFY_WITH_TIMEOUT(a.position() > running + 0.3, 10000);
    QVERIFY(a.isPlaying());
    QCOMPARE(b.position(), paused);
    b.setMute(true);
    QVERIFY(!a.Mute());
}

void TestPlayerWindow::closingMainLeavesPlayerPlaying() {
    frmVyx& main = m_app->showMainWindow();
    m_chooser->choose(m_clip);
    window().mnuOpen_Click();
    main.close();
    QTRY_VERIFY(m_app->mainWindow() == nullptr);
    QVERIFY(window().isVisible());
    const double before = window().MP().position();
    QTRY_VERIFY_WITH_TIMEOUT(window().MP().position() > before + 0.3, 15000);
}

void TestPlayerWindow::subtitlesChosenInTheWindowsDialogs_data() {
    QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
    QTest::addColumn<bool>("refused");
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("readable") << m_other << false;
    QTest::newRow("missing") << m_files.path(QStringLiteral("missing.srt")) << true;
}

void TestPlayerWindow::subtitlesChosenInTheWindowsDialogs() {
    QFETCH(QString, chosen);
    QFETCH(bool, refused);
    MediaPlayer& player = window().MP();
    player.Open(m_clip);
    chosen.isEmpty() ? m_chooser->cancel() : m_chooser->choose(chosen);
    player.chooseSubtitles();
    QCOMPARE(m_chooser->requests.size(), 1);
    QCOMPARE(m_chooser->requests.constFirst().title, QStringLiteral("Load Subtitles"));
    // Looked for beside what plays.
    QCOMPARE(m_chooser->requests.constFirst().initialPath, QFileInfo(m_clip).absolutePath());
    QCOMPARE(m_prompter->shown.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(m_prompter->shown.constFirst().title, QStringLiteral("Load Subtitles"));
        QCOMPARE(m_prompter->shown.constFirst().style, msgbox::Exclamation);
    }
}

QTEST_MAIN(TestPlayerWindow)
#include "tst_playerwindow.moc"
