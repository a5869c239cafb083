#include "CommandLine.h"
#include "ControlBar.h"
#include "Fixtures.h"
#include "MediaPlayer.h"
#include "QuitSignals.h"
#include "Rig.h"
#include "frmMediaPlayer.h"
#include "frmVyx.h"
#include "media/VideoSurface.h"

#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <csignal>
#include <memory>
#include <utility>

using namespace vyx;

namespace {

// Where the screen shows the player's red picture, in the grab's own pixels, and the grab's size.
std::pair<QRect, QSize> shownPicture(const MediaPlayer& player) {
    const auto* const surface = player.findChild<VideoSurface*>();
    QWidget* const top = surface->window();
    const QPoint at = surface->mapTo(top, QPoint(0, 0));
    const QImage shot =
        top->screen()
            ->grabWindow(top->winId(), at.x(), at.y(), surface->width(), surface->height())
            .toImage();
    QRect box;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (testing::isRed(shot.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return {box, shot.size()};
}

} // namespace

Q_DECLARE_METATYPE(vyx::CommandLine::Action)
Q_DECLARE_METATYPE(vyx::VideoOutputMode)

class TestNative : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { m_rig = std::make_unique<testing::Rig>(); }
    void cleanup() { m_rig.reset(); }
    void arguments_data();
    void arguments();
    void windowArguments_data();
    void windowArguments();
    void quitSignalQuitsInOrder();
    void commandLineFilePlays();
    void missingFileIsRefusedClearly();
    void dropPlaysInTurn_data();
    void dropPlaysInTurn();
    void keysOnPlayingClip();
    void doubleClickDoesNotToggle();
    void fullScreenAndBack_data();
    void fullScreenAndBack();
    void hiDpiKeepsGeometry();

private:
    testing::Fixtures m_files;
    QString m_clip;
    QString m_other;
    QString m_red;
    std::unique_ptr<testing::Rig> m_rig;
};

void TestNative::initTestCase() {
    m_clip = m_files.videoClip(QStringLiteral("clip with spaces é.mp4"), 12);
    m_other = m_files.videoClip(QStringLiteral("other.mkv"), 3, QStringLiteral("160x120"));
    // Smaller than any screen, and wider than either window's picture area or the screen.
    m_red = m_files.redClip(QStringLiteral("red.mp4"), 30, QStringLiteral("320x180"));
    QVERIFY(!m_clip.isEmpty() && !m_other.isEmpty() && !m_red.isEmpty());
}

void TestNative::arguments_data() {
    using A = CommandLine::Action;
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<A>("action");
    QTest::addColumn<QString>("file");
    QTest::newRow("nothing") << QStringList{} << A::Run << QString();
    QTest::newRow("plain path") << QStringList{"/media/a b.mp3"} << A::Run << "/media/a b.mp3";
    QTest::newRow("relative path") << QStringList{"clip.avi"} << A::Run << "clip.avi";
    QTest::newRow("file URL with escapes") << QStringList{"file:///home/u/My%20Clip%20%C3%A9.mp4"}
                                           << A::Run << "/home/u/My Clip é.mp4";
    QTest::newRow("several files, in order")
        << QStringList{"/b.mp4", "/a.mp4"} << A::Run << "/b.mp4|/a.mp4";
    QTest::newRow("Qt's own options")
        << QStringList{"-platform", "xcb", "-style", "fusion", "/a.mp4"} << A::Run << "/a.mp4";
    QTest::newRow("browse with =")
        << QStringList{"--browse=about:blank", "/a.mp4"} << A::Run << "/a.mp4";
    QTest::newRow("version") << QStringList{"--version"} << A::Version << QString();
    QTest::newRow("help after a file") << QStringList{"/a.mp4", "--help"} << A::Help << QString();
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << A::Error << QString();
    QTest::newRow("dash file after --") << QStringList{"--", "-odd.mp4"} << A::Run << "-odd.mp4";
    QTest::newRow("web address streams")
        << QStringList{"http://example.com/a b.mp4"} << A::Run << "http://example.com/a%20b.mp4";
    QTest::newRow("secure web address")
        << QStringList{"HTTPS://example.com/a.mp4"} << A::Run << "https://example.com/a.mp4";
    QTest::newRow("web address without a host")
        << QStringList{"http:///a.mp4"} << A::Error << QString();
    QTest::newRow("streaming server") << QStringList{"rtsp://cam.example:554/live 1"} << A::Run
                                      << "rtsp://cam.example:554/live%201";
    QTest::newRow("multicast channel listened to")
        << QStringList{"udp://@:1234"} << A::Run << "udp://@:1234";
    QTest::newRow("listening without a port") << QStringList{"udp://@"} << A::Error << QString();
    QTest::newRow("a scheme of this machine's") << QStringList{"fd://0"} << A::Error << QString();
    QTest::newRow("remote file URL")
        << QStringList{"file://server/share/a.mp4"} << A::Error << QString();
    QTest::newRow("missing file is still handed on")
        << QStringList{"/nowhere/x.mp4"} << A::Run << "/nowhere/x.mp4";
    // Addresses that the browser refuses end the program with a message, before any window.
    for (const char* address : {"javascript:alert(1)", "mailto:a@example.com", "vyxodd://x",
                                "/nowhere/page.html", "file:///nowhere/page.html"}) {
        QTest::addRow("browse %s", address)
            << QStringList{"--browse", QLatin1String(address)} << A::Refused << QString();
    }
}

void TestNative::arguments() {
    QFETCH(QStringList, args);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, file);
    const CommandLine command = parseCommandLine(args);
    QCOMPARE(command.action, action);
    QCOMPARE(command.files.join(u'|'), file);
    QCOMPARE(command.message.isEmpty(),
             action != CommandLine::Action::Error && action != CommandLine::Action::Refused);
    QCOMPARE(versionText(), QStringLiteral("Vyx Player 1.2.0\n"));
}

void TestNative::windowArguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("separate");
    QTest::addColumn<QString>("browse");
    QTest::newRow("separate window")
        << QStringList{"--separate-window", "/a.mp4"} << true << "/a.mp4" << true << QString();
    QTest::newRow("separate window after the file")
        << QStringList{"/a.mp4", "--separate-window"} << true << "/a.mp4" << true << QString();
    const QString page = QUrl::fromLocalFile(m_clip).toString();
    QTest::newRow("browse") << QStringList{"--browse", page} << true << QString() << false << page;
    QTest::newRow("browse and play") << QStringList{"--browse", " example.com ", "/a.mp4"} << true
                                     << "/a.mp4" << false << "example.com";
    QTest::newRow("browse without an address")
        << QStringList{"--browse"} << false << QString() << false << QString();
    QTest::newRow("browse with a blank address")
        << QStringList{"--browse", "  "} << false << QString() << false << QString();
    QTest::newRow("after -- it is a file")
        << QStringList{"--", "--browse"} << true << "--browse" << false << QString();
}

void TestNative::windowArguments() {
    QFETCH(QStringList, args);
    QFETCH(bool, valid);
    QFETCH(QString, file);
    QFETCH(bool, separate);
    QFETCH(QString, browse);
    const CommandLine command = parseCommandLine(args);
    QCOMPARE(command.action, valid ? CommandLine::Action::Run : CommandLine::Action::Error);
    QCOMPARE(command.files.join(u'|'), file);
    QCOMPARE(command.separateWindow, separate);
    QCOMPARE(command.browse, browse);
}

void TestNative::quitSignalQuitsInOrder() {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int quits = 0;
        const QuitSignals quit([&quits] { ++quits; });
        std::raise(signal);
        std::raise(signal);
        QTRY_VERIFY(quits > 0);
        QTest::qWait(50);
        // Two signals before the loop looked come out as one quit, on the GUI thread.
        QCOMPARE(quits, 1);
    }
}

void TestNative::commandLineFilePlays() {
    frmVyx& main = m_rig->app.showMainWindow();
    main.playFiles(parseCommandLine({QUrl::fromLocalFile(m_clip).toString()}).files);
    QCOMPARE(main.MP().FileName(), m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(main.MP().position() > 0.3, 15000);
    QVERIFY(m_rig->prompter.shown.isEmpty());
}

void TestNative::missingFileIsRefusedClearly() {
    frmVyx& main = m_rig->app.showMainWindow();
    const QString missing = m_files.path(QStringLiteral("gone.mp4"));
    const auto engineLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libmpv");
    };
    const bool loadedBefore = engineLoaded();
    main.playFiles({missing});
    // Run alone (see CMakeLists.txt), this shows that a refused file does not load the engine.
    QCOMPARE(engineLoaded(), loadedBefore);
    QCOMPARE(m_rig->prompter.shown.size(), 1);
    QCOMPARE(m_rig->prompter.shown.at(0).prompt, QStringLiteral("53 File not found: ") + missing);
    QVERIFY(main.MP().FileName().isEmpty());
}

void TestNative::dropPlaysInTurn_data() {
    QTest::addColumn<bool>("inPlayerWindow");
    QTest::newRow("main window") << false;
    QTest::newRow("player window") << true;
}

void TestNative::dropPlaysInTurn() {
    QFETCH(bool, inPlayerWindow);
    MediaPlayer& player =
        inPlayerWindow ? m_rig->app.showPlayerWindow().MP() : m_rig->app.showMainWindow().MP();
    QVERIFY(QTest::qWaitForWindowExposed(player.window()));
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("mailto:a@example.com")), QUrl::fromLocalFile(m_other),
                  QUrl::fromLocalFile(m_clip)});
    const QPoint centre = player.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&player, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&player, &drop);
    QTRY_COMPARE(player.FileName(), m_other);
    QTRY_VERIFY_WITH_TIMEOUT(player.isPlaying() && player.position() > 0.2, 15000);
    QCOMPARE(player.list().count(), 2);

    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("avdevice://v4l2:/dev/video0"))});
    QDragEnterEvent refused(centre, Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&player, &refused);
    QVERIFY(!refused.isAccepted());
}

void TestNative::keysOnPlayingClip() {
    frmMediaPlayer& window = m_rig->app.showPlayerWindow();
    MediaPlayer& player = window.MP();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    player.Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(player.isPlaying() && player.position() > 0.3, 15000);
    player.setFocus();

    QTest::keyClick(&player, Qt::Key_Space);
    QTRY_VERIFY(!player.isPlaying());
    const double paused = player.position();
    QTest::keyClick(&player, Qt::Key_Right);
    QTRY_VERIFY_WITH_TIMEOUT(std::abs(player.position() - (paused + 5)) < 0.3, 5000);
    QTest::keyClick(&player, Qt::Key_Left);
    QTRY_VERIFY_WITH_TIMEOUT(std::abs(player.position() - paused) < 0.3, 5000);
    QTest::keyClick(&player, Qt::Key_Space);
    QTRY_VERIFY(player.isPlaying());

    const int volume = player.Volume();
    QTest::keyClick(&player, Qt::Key_Down);
    QTRY_VERIFY(player.Volume() < volume);
    QTest::keyClick(&player, Qt::Key_Up);
    QTRY_COMPARE(player.Volume(), volume);
    QTest::keyClick(&player, Qt::Key_M);
    QTRY_VERIFY(player.Mute());
    QTest::keyClick(&player, Qt::Key_M);
    QTRY_VERIFY(!player.Mute());
}

void TestNative::doubleClickDoesNotToggle() {
    frmMediaPlayer& window = m_rig->app.showPlayerWindow();
    MediaPlayer& player = window.MP();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    player.Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(player.isPlaying(), 15000);
    QWidget* const surface = player.findChild<VideoSurface*>();
    QVERIFY(surface != nullptr);
    QTest::mouseDClick(surface, Qt::LeftButton);
    QTRY_VERIFY(player.isShownFullScreen());
    QTest::qWait(QApplication::doubleClickInterval() + 200);
    QVERIFY(player.isPlaying());
    QTest::keyClick(&player, Qt::Key_Escape);
    QVERIFY(!player.isShownFullScreen());

    // One click toggles, once it is clear that it was a single one.
    QTest::mouseClick(surface, Qt::LeftButton);
    QVERIFY(player.isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), QApplication::doubleClickInterval() + 2000);
}

void TestNative::fullScreenAndBack_data() {
    QTest::addColumn<bool>("inPlayerWindow");
    QTest::addColumn<VideoOutputMode>("output");
    QTest::newRow("main window") << false << VideoOutputMode::Software;
    QTest::newRow("player window") << true << VideoOutputMode::Software;
    QTest::newRow("main window, GL") << false << VideoOutputMode::OpenGL;
    QTest::newRow("player window, GL") << true << VideoOutputMode::OpenGL;
}

void TestNative::fullScreenAndBack() {
    QFETCH(bool, inPlayerWindow);
    QFETCH(VideoOutputMode, output);
    m_rig = std::make_unique<testing::Rig>(output);
    QMainWindow* const window = inPlayerWindow
                                    ? static_cast<QMainWindow*>(&m_rig->app.showPlayerWindow())
                                    : static_cast<QMainWindow*>(&m_rig->app.showMainWindow());
    MediaPlayer& player = *window->findChild<MediaPlayer*>(QStringLiteral("MP"));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    player.Open(m_red);
    QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0.3, 15000);
    auto* const surface = player.findChild<VideoSurface*>();
    QCOMPARE(surface->output() == VideoOutput::OpenGL, output == VideoOutputMode::OpenGL);
    const QRect before = player.geometry();
    const QRect windowBefore = window->geometry();
    // The window's own rule: the main window stretches the picture over its area, the player
    // window shows it at its own size.
    std::pair<QRect, QSize> shown;
    QTRY_VERIFY_WITH_TIMEOUT((shown = shownPicture(player)).first.width() > 0, 5000);
    const auto [boxBefore, areaBefore] = shown;
    QCOMPARE(boxBefore.size() == areaBefore, !inPlayerWindow);

    player.setFocus();
    QTest::keyClick(&player, Qt::Key_F);
    QTRY_VERIFY(player.isShownFullScreen() && window->isFullScreen());
    // The window itself takes the screen, the player all of it.
    QTRY_COMPARE(window->geometry(), window->screen()->geometry());
    QTRY_COMPARE(player.geometry(), QRect(QPoint(0, 0), window->size()));
    // The picture goes on being drawn, enlarged to the screen's width with its shape kept: bars
    // above and below on a squarer screen.
    QSignalSpy painted(surface, &VideoSurface::framePainted);
    QTRY_VERIFY_WITH_TIMEOUT(painted.size() > 5, 10000);
    const auto spansTheWidth = [&shown, &player] {
        shown = shownPicture(player);
        return shown.first.width() >= shown.second.width() - 1;
    };
    QTRY_VERIFY_WITH_TIMEOUT(spansTheWidth(), 5000);
    const auto [full, screenArea] = shown;
    QVERIFY(full.height() < screenArea.height());
    QVERIFY2(std::abs(full.width() * 9 - full.height() * 16) <= 16 * 2,
             qPrintable(QStringLiteral("%1x%2").arg(full.width()).arg(full.height())));

    // The bar over the picture, not beside it, goes with the pointer when it rests, and comes
    // back when it moves.
    auto* const bar = player.findChild<ControlBar*>();
    QCOMPARE(bar->geometry().bottom(), player.height() - 1);
    QCOMPARE(surface->height(), player.height());
    QTRY_VERIFY_WITH_TIMEOUT(!bar->isVisible(), 5000);
    QCOMPARE(player.cursor().shape(), Qt::BlankCursor);
    const QPoint pointer = QCursor::pos();
    QCursor::setPos(pointer.x() > 100 ? pointer - QPoint(50, 50) : pointer + QPoint(50, 50));
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(player.cursor().shape(), Qt::ArrowCursor);

    QTest::keyClick(&player, Qt::Key_Escape);
    QVERIFY(!player.isShownFullScreen());
    QTRY_VERIFY(!window->isFullScreen());
    QVERIFY(bar->isVisible());
    QTRY_COMPARE(player.geometry(), before);
    QTRY_COMPARE(window->geometry(), windowBefore);
    QVERIFY(window->menuBar()->isVisible());
    // And the window's own rule again, still drawn.
    painted.clear();
    QTRY_VERIFY_WITH_TIMEOUT(painted.size() > 5, 10000);
    QTRY_COMPARE(shownPicture(player).first, boxBefore);
}

void TestNative::hiDpiKeepsGeometry() {
    frmVyx& main = m_rig->app.showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const qreal ratio = main.devicePixelRatioF();
    QCOMPARE(main.centralWidget()->size(), QSize(800, 301));
    QCOMPARE(main.MP().geometry(), QRect(464, 12, 321, 289));
    const QPixmap background = static_cast<QLabel*>(main.centralWidget())->pixmap();
    QCOMPARE(background.deviceIndependentSize().toSize(), QSize(800, 300));
    QCOMPARE(background.devicePixelRatio(), ratio > 1.5 ? 2.0 : 1.0);
    if (ratio > 1.5) {
        QCOMPARE(background.size(), QSize(1600, 600));
    }
}

QTEST_MAIN(TestNative)
#include "tst_native.moc"
