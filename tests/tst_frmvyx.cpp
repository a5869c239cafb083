#include "Fixtures.h"
#include "MediaPlayer.h"
#include "Publisher.h"
#include "Rig.h"
#include "frmVyx.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>

using namespace vyx;

class TestFrmVyx : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void captionAndFrame();
    void menuTree();
    void playChoosesAndPlays();
    void playCancelledIsSilent();
    void playRefusedRetriesSameFile();
    void exitClosesEverything();

private:
    QAction* action(const char* name) const;

    testing::Fixtures m_files;
    QString m_clip;
    std::unique_ptr<testing::Rig> m_rig;
    testing::ScriptedPrompter* m_prompter = nullptr;
    testing::ScriptedFileChooser* m_chooser = nullptr;
    Application* m_app = nullptr;
    frmVyx* m_window = nullptr;
};

void TestFrmVyx::initTestCase() {
    m_clip = m_files.videoClip(QStringLiteral("clip.mp4"), 3);
    QVERIFY(!m_clip.isEmpty());
}

void TestFrmVyx::init() {
    m_rig = std::make_unique<testing::Rig>();
    m_prompter = &m_rig->prompter;
    m_chooser = &m_rig->chooser;
    m_app = &m_rig->app;
    m_window = &m_app->showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestFrmVyx::cleanup() {
    m_rig.reset();
    m_window = nullptr;
}

QAction* TestFrmVyx::action(const char* name) const {
    return m_window->findChild<QAction*>(QLatin1String(name));
}

void TestFrmVyx::captionAndFrame() {
    QCOMPARE(m_window->windowTitle(),
             QStringLiteral("Vyx Player") + QString(45, u' ') + publisher::host());
    QVERIFY(!publisher::host().isEmpty());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!m_window->windowIcon().isNull());
}

void TestFrmVyx::menuTree() {
    // name, caption, shortcut, enabled; a submenu's items follow it, indented by one space.
    const QStringList expected{
        "mnuFile|&File||1",           " mnuOpen|&Open in separate window...|Ctrl+W|1",
        " mnuPlay|&Play...|Ctrl+P|1", " l1|||1",
        " mnuExit|&Exit||1",          "mnuOnline|&Online||1",
        "mnuHelp|&Help||1",           " mnuAbout|&About Vyx Player...||1",
    };
    QStringList actual;
    const std::function<void(const QList<QAction*>&, int)> walk =
        [&](const QList<QAction*>& actions, int depth) {
            for (QAction* const item : actions) {
                actual << QString(depth, u' ') + item->objectName() + u'|' + item->text() + u'|' +
                              item->shortcut().toString() + u'|' +
                              (item->isEnabled() ? u'1' : u'0');
                // The Online menu's items are the link tests' to check.
                if (item->menu() != nullptr && item->objectName() != QLatin1String("mnuOnline")) {
                    walk(item->menu()->actions(), depth + 1);
                }
            }
        };
    walk(m_window->menuBar()->actions(), 0);
    QCOMPARE(actual, expected);
}

void TestFrmVyx::playChoosesAndPlays() {
    m_chooser->choose(m_clip);
    action("mnuPlay")->trigger();
    QCOMPARE(m_chooser->requests.size(), 1);
    QCOMPARE(m_chooser->requests.at(0).title, QStringLiteral("Select A Media File To Play"));
    QCOMPARE(m_chooser->requests.at(0).nameFilters, QStringList{QStringLiteral("All Files (*)")});
    QCOMPARE(m_chooser->requests.at(0).initialPath, QString());
    QCOMPARE(m_window->MP().FileName(), m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->MP().position() > 0.3, 15000);
    QVERIFY(m_prompter->shown.isEmpty());

    // The second use offers the file chosen before.
    m_chooser->cancel();
    action("mnuPlay")->trigger();
    QCOMPARE(m_chooser->requests.at(1).initialPath, m_clip);
}

void TestFrmVyx::playCancelledIsSilent() {
    m_chooser->cancel();
    m_window->mnuPlay_Click();
    QVERIFY(m_prompter->shown.isEmpty());
    QCOMPARE(m_window->MP().FileName(), QString());
    QCOMPARE(m_window->Opener().FileName(), QString());
}

void TestFrmVyx::playRefusedRetriesSameFile() {
    const QString missing = m_files.path(QStringLiteral("gone.avi"));
    m_chooser->choose(missing);
    m_prompter->answer({msgbox::Retry, msgbox::Ignore});
    m_window->mnuPlay_Click();
    QCOMPARE(m_chooser->requests.size(), 1);
    QCOMPARE(m_prompter->shown.size(), 2);
    for (const auto& shown : std::as_const(m_prompter->shown)) {
        QCOMPARE(shown.prompt, QStringLiteral("53 File not found: ") + missing);
        QCOMPARE(shown.title, QStringLiteral("ERROR:  File not found: ") + missing);
        QCOMPARE(shown.style, 18);
    }
    QCOMPARE(m_window->MP().FileName(), QString());
}

void TestFrmVyx::exitClosesEverything() {
    m_chooser->choose(m_clip);
    m_window->mnuPlay_Click();
    QTRY_VERIFY_WITH_TIMEOUT(m_window->MP().isPlaying(), 15000);
    action("mnuExit")->trigger();
    QVERIFY(!m_window->isVisible());
    QTRY_VERIFY(m_app->mainWindow() == nullptr);
}

QTEST_MAIN(TestFrmVyx)
#include "tst_frmvyx.moc"
