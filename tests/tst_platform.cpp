#include "CommandLine.h"
#include "ControlBar.h"
#include "Doubles.h"
#include "Fixtures.h"
#include "ListFile.h"
#include "PlayerScreen.h"
#include "Playlist.h"
#include "Screenshot.h"
#include "SessionBus.h"
#include "VolumeScale.h"
#include "desktop/ScreenSaverHold.h"
#include "dialogs/FileFilter.h"
#include "dialogs/OpenFileDialog.h"
#include "errors/RuntimeError.h"
#include "forms/OnScreen.h"
#include "forms/Twips.h"
#include "media/DecoderThreads.h"
#include "media/EngineFailure.h"
#include "media/FrameBuffer.h"
#include "media/MediaProbe.h"
#include "media/MediaSource.h"
#include "media/MpvLibrary.h"
#include "media/PictureFit.h"
#include "media/ScalerChoice.h"
#include "media/SlowGathers.h"
#include "system/LocalPath.h"
#include "web/WebBrowser.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLibrary>
#include <QListView>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <cstring>
#include <mpv/client.h>
#include <sys/stat.h>
#include <utility>

extern "C" {
#include <libavutil/cpu.h>
#include <libavutil/version.h>
}

using namespace vyx;
using namespace Qt::StringLiterals;

class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filterConversion_data();
    void filterConversion();
    void openDialogRemembersAndCancels();
    void allFilesListsNamesWithoutDot();
    void volumeScale_data();
    void volumeScale();
    void volumeRoundTrip();
    void timeFormat_data();
    void timeFormat();
    void twipsConversion();
    void keptOnScreen_data();
    void keptOnScreen();
    void frameStride_data();
    void frameStride();
    void frameBufferIsAligned();
    void windowTarget_data();
    void windowTarget();
    void failureStaysUntilNextFile();
    void scalerChoice_data();
    void scalerChoice();
    void scalersKeepOffSlowGathers();
    void pictureTargetIsEvenAndSpanned_data();
    void pictureTargetIsEvenAndSpanned();
    void addressText_data();
    void addressText();
    void screenSaverHeldOnBus_data();
    void screenSaverHeldOnBus();
    void mediaProbe_data();
    void mediaProbe();
    void workOfAFile_data();
    void workOfAFile();
    void listFile_data();
    void listFile();
    void fileNameBytes_data();
    void fileNameBytes();
    void sessionBusFound_data();
    void sessionBusFound();
    void failureInWords_data();
    void failureInWords();
    void errorDescriptionNamesSubject();
    void listOrder_data();
    void listOrder();
    void screenshotName_data();
    void screenshotName();

private:
    testing::Fixtures m_files;
};

void TestPlatform::filterConversion_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all files") << QStringLiteral("All Files|*.*")
                               << QStringList{QStringLiteral("All Files (*)")};
    QTest::newRow("media then all")
        << QStringLiteral("All Media Files|*.avi;*.mpeg;*.mp3|All Files|*.*")
        << QStringList{QStringLiteral("All Media Files (*.avi *.mpeg *.mp3)"),
                       QStringLiteral("All Files (*)")};
    QTest::newRow("spaces around patterns")
        << QStringLiteral("WebPages|*.htm; *.html |All Files|*.*")
        << QStringList{QStringLiteral("WebPages (*.htm *.html)"), QStringLiteral("All Files (*)")};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("name without patterns")
        << QStringLiteral("Anything") << QStringList{QStringLiteral("Anything (*)")};
    QTest::newRow("empty patterns dropped")
        << QStringLiteral("Some|;;*.a;;") << QStringList{QStringLiteral("Some (*.a)")};
    QTest::newRow("patterns without name")
        << QStringLiteral("|*.a") << QStringList{QStringLiteral("*.a (*.a)")};
    QTest::newRow("stray bars") << QStringLiteral("||||") << QStringList{};
    QTest::newRow("parentheses and inner space")
        << QStringLiteral("Odd|*(1).a;my file.b")
        << QStringList{QStringLiteral("Odd (*1.a my?file.b)")};
}

void TestPlatform::filterConversion() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(toNameFilters(filter), expected);
}

void TestPlatform::allFilesListsNamesWithoutDot() {
    const QString song = m_files.writeBytes(QStringLiteral("song.mp3"), "x");
    m_files.writeBytes(QStringLiteral("README"), "x");
    OpenRequest request;
    request.nameFilters = toNameFilters(QStringLiteral("Media|*.mp3|All Files|*.*"));
    request.selectedFilter = request.nameFilters.constLast();
    request.initialPath = song;
    QStringList listed;
    // The dialog the user sees, read while it is up.
    QTimer::singleShot(0, this, [&listed] {
        auto* const dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        // Closed whatever is found, so that a failure cannot leave the test waiting on it.
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        auto* const view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(view != nullptr);
        const auto rows = [view] {
            return view->model()->rowCount(view->rootIndex());
        };
        if (!QTest::qWaitFor([&] { return rows() >= 2; }, 3000)) {
            qWarning("the dialog lists %d file(s)", rows());
        }
        for (int row = 0; row < rows(); ++row) {
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        }
    });
    QtFileChooser chooser;
    QVERIFY(!chooser.chooseFileToOpen(request).has_value());
    QVERIFY2(listed.contains(QStringLiteral("README")), qPrintable(listed.join(u',')));
}

void TestPlatform::openDialogRemembersAndCancels() {
    testing::ScriptedFileChooser chooser;
    OpenFileDialog dialog(chooser);
    dialog.setDialogTitle(QStringLiteral("Pick"));
    dialog.setFilter(QStringLiteral("Media|*.mp3|All Files|*.*"));
    chooser.choose(QStringLiteral("/music/a.mp3"));
    dialog.ShowOpen();
    QCOMPARE(dialog.FileName(), QStringLiteral("/music/a.mp3"));

    chooser.cancel();
    try {
        dialog.ShowOpen();
        QFAIL("cancel must throw");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.code(), 32755);
    }
    QCOMPARE(dialog.FileName(), QStringLiteral("/music/a.mp3"));

    QCOMPARE(chooser.requests.size(), 2);
    QCOMPARE(chooser.requests.at(0).title, QStringLiteral("Pick"));
    QCOMPARE(chooser.requests.at(0).initialPath, QString());
    QCOMPARE(chooser.requests.at(0).selectedFilter, QStringLiteral("Media (*.mp3)"));
    QCOMPARE(chooser.requests.at(1).initialPath, QStringLiteral("/music/a.mp3"));
}

void TestPlatform::volumeScale_data() {
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<double>("percent");
    QTest::newRow("full") << 0 << 100.0;
    // -600 hundredths of a dB is a gain of 10^-0.3, about 0.501; libmpv cubes percent/100, so
    // 79.43 % gives 0.7943^3 = 0.501.
    QTest::newRow("main window") << -600 << 79.43282347242815;
    QTest::newRow("player window") << -640 << 78.22279563860026;
    QTest::newRow("-20 dB") << -2000 << 46.41588833612779;
    QTest::newRow("silent") << -10000 << 0.0;
    QTest::newRow("below silent") << -20000 << 0.0;
    QTest::newRow("above full is full") << 500 << 100.0;
}

void TestPlatform::volumeScale() {
    QFETCH(int, hundredths);
    QFETCH(double, percent);
    QVERIFY(std::abs(volume::toMpvPercent(hundredths) - percent) < 1e-9);
}

void TestPlatform::volumeRoundTrip() {
    for (int v = -9900; v <= 0; v += 37) {
        QCOMPARE(volume::fromMpvPercent(volume::toMpvPercent(v)), v);
    }
    QCOMPARE(volume::fromMpvPercent(0.0), volume::kSilent);
    QCOMPARE(volume::fromMpvPercent(-5.0), volume::kSilent);
    QCOMPARE(volume::fromMpvPercent(150.0), 0);
}

void TestPlatform::timeFormat_data() {
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0:00");
    QTest::newRow("fraction") << 59.99 << QStringLiteral("0:59");
    QTest::newRow("minute") << 65.0 << QStringLiteral("1:05");
    QTest::newRow("hour") << 3723.0 << QStringLiteral("1:02:03");
    QTest::newRow("negative") << -4.0 << QStringLiteral("0:00");
    QTest::newRow("not a number") << std::nan("") << QStringLiteral("0:00");
    QTest::newRow("infinite") << HUGE_VAL << QStringLiteral("0:00");
}

void TestPlatform::timeFormat() {
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(ControlBar::formatTime(seconds), text);
}

void TestPlatform::frameStride_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("stride");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("negative") << -5 << 0;
    QTest::newRow("one pixel") << 1 << 64;
    QTest::newRow("exactly a line") << 16 << 64;
    QTest::newRow("one over") << 17 << 128;
    QTest::newRow("640") << 640 << 2560;
    QTest::newRow("odd width") << 641 << 2624;
}

void TestPlatform::frameStride() {
    QFETCH(int, width);
    QFETCH(int, stride);
    QCOMPARE(vyx::frameStride(width), static_cast<std::size_t>(stride));
}

void TestPlatform::frameBufferIsAligned() {
    FrameBuffer buffer;
    QVERIFY(buffer.image().isNull());
    for (const QSize size : {QSize(3, 2), QSize(1281, 721), QSize(1281, 721), QSize(0, 5)}) {
        buffer.resize(size);
        if (size.isEmpty()) {
            QVERIFY(buffer.data() == nullptr);
            QVERIFY(buffer.image().isNull());
            continue;
        }
        QCOMPARE(reinterpret_cast<std::uintptr_t>(buffer.data()) % 64, std::uintptr_t{0});
        const QImage image = buffer.image();
        QCOMPARE(image.size(), size);
        QCOMPARE(static_cast<std::size_t>(image.bytesPerLine()), buffer.stride());
        // The engine may write up to the end of the last line's padding.
        std::memset(buffer.data(), 0x7f, buffer.stride() * static_cast<std::size_t>(size.height()));
    }
}

void TestPlatform::windowTarget_data() {
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<bool>("alphaShown");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("direct");
    const int width = 320;
    const QRect belowMenu(0, 19, width, 100);
    QTest::newRow("full width below a menu bar")
        << QImage::Format_RGB32 << true << belowMenu << true;
    QTest::newRow("alpha not shown")
        << QImage::Format_ARGB32_Premultiplied << false << belowMenu << true;
    QTest::newRow("alpha shown") << QImage::Format_ARGB32_Premultiplied << true << belowMenu
                                 << false;
    QTest::newRow("one column short")
        << QImage::Format_RGB32 << false << QRect(0, 19, width - 1, 100) << false;
    QTest::newRow("not at the left edge")
        << QImage::Format_RGB32 << false << QRect(1, 19, width - 1, 100) << false;
    QTest::newRow("past the bottom")
        << QImage::Format_RGB32 << false << QRect(0, 200, width, 41) << false;
    QTest::newRow("16-bit window") << QImage::Format_RGB16 << false << belowMenu << false;
    QTest::newRow("empty") << QImage::Format_RGB32 << false << QRect(0, 10, width, 0) << false;
}

void TestPlatform::windowTarget() {
    QFETCH(QImage::Format, format);
    QFETCH(bool, alphaShown);
    QFETCH(QRect, area);
    QFETCH(bool, direct);
    QImage window(320, 240, format);
    const std::optional<FrameTarget> target = vyx::windowTarget(window, area, alphaShown);
    QCOMPARE(target.has_value(), direct);
    if (target) {
        QCOMPARE(target->pixels, static_cast<void*>(window.scanLine(area.y())));
        QCOMPARE(target->stride, static_cast<std::size_t>(window.bytesPerLine()));
        QCOMPARE(target->size, area.size());
    }
}

void TestPlatform::scalerChoice_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QString>("format");
    QTest::addColumn<Converter>("converter");
    QTest::addColumn<Filter>("filter");
    // Milliseconds before its time that a frame is drawn.
    QTest::addColumn<int>("lead");
    const QString yuv420 = QStringLiteral("yuv420p");
    QTest::newRow("1080p in 720p") << QSize(1920, 1080) << QSize(1280, 720) << yuv420
                                   << Converter::Swscale << Filter::Area << 10;
    QTest::newRow("2160p on a 1600 screen") << QSize(3840, 2160) << QSize(1600, 1177) << yuv420
                                            << Converter::Swscale << Filter::Area << 20;
    QTest::newRow("upright film, wide area") << QSize(1080, 1920) << QSize(1280, 720) << yuv420
                                             << Converter::Swscale << Filter::Area << 10;
    QTest::newRow("same size") << QSize(1280, 720) << QSize(1280, 720) << yuv420
                               << Converter::Swscale << Filter::Bicubic << 10;
    QTest::newRow("enlarged") << QSize(640, 360) << QSize(1600, 1200) << yuv420
                              << Converter::Swscale << Filter::Bicubic << 10;
    QTest::newRow("enlarged past a desktop screen")
        << QSize(1920, 1080) << QSize(3800, 2137) << yuv420 << Converter::Swscale
        << Filter::Bilinear << 20;
    QTest::newRow("10-bit 4:2:2") << QSize(1920, 1080) << QSize(1600, 900)
                                  << QStringLiteral("yuv422p10") << Converter::Swscale
                                  << Filter::Area << 10;
    QTest::newRow("4:4:4 screen recording")
        << QSize(1920, 1080) << QSize(1600, 900) << QStringLiteral("yuv444p") << Converter::Zimg
        << Filter::Bilinear << 10;
    QTest::newRow("RGB, enlarged") << QSize(1280, 720) << QSize(1600, 900) << QStringLiteral("gbrp")
                                   << Converter::Zimg << Filter::Bicubic << 10;
    QTest::newRow("size not known")
        << QSize() << QSize(640, 360) << QString() << Converter::Swscale << Filter::Bicubic << 10;
}

void TestPlatform::scalerChoice() {
    QFETCH(QSize, picture);
    QFETCH(QSize, area);
    QFETCH(QString, format);
    QFETCH(Converter, converter);
    QFETCH(Filter, filter);
    QFETCH(int, lead);
    QCOMPARE(chooseScaler(picture, area, format), (Scaler{converter, filter}));
    QCOMPARE(static_cast<int>(drawLead(picture, area).count()), lead);
}

void TestPlatform::scalersKeepOffSlowGathers() {
    if (!gathersAreSlow(cpuVendor())) {
        QSKIP("this processor's gathers are not slow");
    }
    const MpvLibrary engine;
    QLibrary util;
    util.setFileNameAndVersion(QStringLiteral("avutil"), LIBAVUTIL_VERSION_MAJOR);
    QVERIFY(util.load());
    const auto flags =
        reinterpret_cast<decltype(&av_get_cpu_flags)>(util.resolve("av_get_cpu_flags"));
    QVERIFY(flags != nullptr);
    QVERIFY((flags() & AV_CPU_FLAG_SLOW_GATHER) != 0);
}

void TestPlatform::pictureTargetIsEvenAndSpanned_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<PictureFit>("fit");
    QTest::addColumn<QRect>("target");
    // Held by the height, a 16:9 picture would be 3799 pixels wide.
    QTest::newRow("1080p on a 4K screen above a control bar")
        << QSize(1920, 1080) << QSize(3840, 2137) << PictureFit::Fill << QRect(16, 0, 3798, 2137);
    QTest::newRow("wide picture on a square screen")
        << QSize(640, 360) << QSize(1600, 1177) << PictureFit::Fill << QRect(0, 138, 1600, 900);
    QTest::newRow("own size, centred")
        << QSize(320, 180) << QSize(500, 400) << PictureFit::OwnSize << QRect(88, 110, 320, 180);
    QTest::newRow("own size of odd width")
        << QSize(321, 180) << QSize(500, 400) << PictureFit::OwnSize << QRect(88, 110, 320, 180);
    QTest::newRow("own size, shrunk to fit")
        << QSize(1920, 1080) << QSize(641, 600) << PictureFit::OwnSize << QRect(0, 120, 640, 360);
    QTest::newRow("stretched, odd width kept")
        << QSize(1920, 1080) << QSize(321, 289) << PictureFit::Stretch << QRect(0, 0, 321, 289);
    QTest::newRow("size not known")
        << QSize() << QSize(641, 360) << PictureFit::Fill << QRect(0, 0, 641, 360);
}

void TestPlatform::pictureTargetIsEvenAndSpanned() {
    QFETCH(QSize, picture);
    QFETCH(QSize, area);
    QFETCH(PictureFit, fit);
    QFETCH(QRect, target);
    QCOMPARE(pictureTarget(picture, area, fit), target);
}

void TestPlatform::failureStaysUntilNextFile() {
    PlayerScreen screen(nullptr);
    screen.newFile(QStringLiteral("/media/song.mp3"));
    const QString why = QStringLiteral("Cannot play song.mp3:\nthe stream ended");
    screen.showFailure(why);
    // The engine's later word on the failed file (its title, that it has no picture).
    screen.setHasVideo(false);
    screen.setTitle(QStringLiteral("Song"));
    QCOMPARE(screen.message(), why);
    screen.newFile(QStringLiteral("/media/next.mp3"));
    screen.setHasVideo(false);
    QCOMPARE(screen.message(), QStringLiteral("next.mp3"));
}

void TestPlatform::twipsConversion() {
    QCOMPARE(twips::toPixels(12000), 800);
    QCOMPARE(twips::toPixels(4515), 301);
    QCOMPARE(twips::toPixels(7), 0);
    QCOMPARE(twips::toPixels(8), 1);
    QCOMPARE(twips::toPixels(-8), -1);
    QCOMPARE(twips::toPixels(6960, 180, 4815, 4335), QRect(464, 12, 321, 289));
    QCOMPARE(twips::fromPixels(800), 12000.0);
}

void TestPlatform::keptOnScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("kept");
    // The player window where designed: 153 from the left, 172 from the top, 667 square.
    const QRect designed(153, 172, 667, 667);
    QTest::newRow("room for it") << designed << QRect(0, 0, 1600, 1200) << designed;
    QTest::newRow("1366x768: up as far as needed")
        << designed << QRect(0, 0, 1366, 768) << QRect(153, 101, 667, 667);
    QTest::newRow("a panel at the top")
        << designed << QRect(0, 150, 1024, 618) << QRect(153, 150, 667, 618);
    QTest::newRow("narrower than the window")
        << designed << QRect(0, 0, 600, 1200) << QRect(0, 172, 600, 667);
    QTest::newRow("off the left of a second screen")
        << QRect(1500, -20, 300, 200) << QRect(1600, 0, 1920, 1080) << QRect(1600, 0, 300, 200);
    QTest::newRow("no screen known") << designed << QRect() << designed;
}

void TestPlatform::keptOnScreen() {
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(QRect, kept);
    QCOMPARE(vyx::keptOnScreen(frame, available), kept);
}

void TestPlatform::addressText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address"); // empty: refused
    QTest::newRow("web address") << QStringLiteral("http://www.quorvane.com/store.htm")
                                 << QStringLiteral("http://www.quorvane.com/store.htm");
    QTest::newRow("host name") << QStringLiteral("www.quorvane.com")
                               << QStringLiteral("http://www.quorvane.com");
    QTest::newRow("padded") << QStringLiteral("  https://a.example/  ")
                            << QStringLiteral("https://a.example/");
    const QString page = m_files.writeBytes(QStringLiteral("page.html"), "<p>");
    QTest::newRow("local page") << page << QUrl::fromLocalFile(page).toString();
    QTest::newRow("blank") << QStringLiteral("about:blank") << QStringLiteral("about:blank");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("spaces") << QStringLiteral("   ") << QString();
    QTest::newRow("script") << QStringLiteral("javascript:alert(1)") << QString();
    QTest::newRow("mail program") << QStringLiteral("mailto:a@b.c") << QString();
    QTest::newRow("other program") << QStringLiteral("steam://run/1") << QString();
}

void TestPlatform::addressText() {
    QFETCH(QString, typed);
    QFETCH(QString, address);
    try {
        const QUrl url = addressFromText(typed);
        QVERIFY2(!address.isEmpty(), qPrintable(url.toString()));
        QCOMPARE(url.toString(), address);
    } catch (const RuntimeError& error) {
        QVERIFY2(address.isEmpty(), qPrintable(error.description()));
        QCOMPARE(error.code(), static_cast<int>(ErrorCode::NavigationRefused));
    }
}

void TestPlatform::mediaProbe_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code"); // 0: accepted

    QByteArray noise(qsizetype{64} * 1024, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    const QString fifo = m_files.path(QStringLiteral("pipe.mp3"));
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    const QString dangling = m_files.path(QStringLiteral("dangling.mp4"));
    QFile::link(m_files.path(QStringLiteral("gone.mp4")), dangling);

    // A real file for each kind of the player window's media list that ffmpeg can write, and
    // raw H.264: all of them the engine plays.
    const QStringList video{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                            QStringLiteral("testsrc=size=160x120:rate=25:duration=0.4")};
    const QStringList sound{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                            QStringLiteral("sine=duration=0.4")};
    const auto made = [this](const char* name, QStringList args, const char* rest) {
        args << QString::fromLatin1(rest).split(u' ', Qt::SkipEmptyParts);
        return m_files.ffmpeg(QLatin1String(name), args);
    };
    QTest::newRow(".avi") << made("a.avi", video, "") << 0;
    QTest::newRow(".mpeg") << made("a.mpeg", video, "-f mpeg") << 0;
    QTest::newRow(".mpg") << made("a.mpg", video, "-f mpeg") << 0;
    QTest::newRow(".mpe") << made("a.mpe", video, "-f mpeg") << 0;
    QTest::newRow(".dat (VCD)") << made("a.dat", video, "-target pal-vcd") << 0;
    QTest::newRow(".mpa") << made("a.mpa", sound, "-f mp2") << 0;
    QTest::newRow(".m1v") << made("a.m1v", video, "-f mpeg1video") << 0;
    QTest::newRow(".mpv2") << made("a.mpv2", video, "-f mpeg2video") << 0;
    QTest::newRow(".wmv") << made("a.wmv", video, "-c:v wmv2 -f asf") << 0;
    QTest::newRow(".asf") << made("a.asf", sound, "-c:a wmav2 -f asf") << 0;
    QTest::newRow(".ivf") << made("a.ivf", video, "-c:v libvpx -f ivf") << 0;
    QTest::newRow(".h264") << made("a.h264", video, "-c:v libx264 -f h264") << 0;
    QTest::newRow(".wav") << made("a.wav", sound, "") << 0;
    QTest::newRow(".mp3") << made("a.mp3", sound, "") << 0;
    // A MIDI file has no demuxer: the engine could not play it.
    QTest::newRow(".mid") << m_files.writeBytes(QStringLiteral("a.mid"),
                                                QByteArray::fromHex("4d546864000000060000000100604d"
                                                                    "54726b0000000400ff2f00"))
                          << 321;
    QTest::newRow("text the engine will not show")
        << m_files.writeBytes(QStringLiteral("notes.txt"), "just some words\n") << 321;
    QTest::newRow("video") << m_files.videoClip(QStringLiteral("clip.mp4"), 1) << 0;
    QTest::newRow("audio") << m_files.toneClip(QStringLiteral("tone.wav"), 1) << 0;
    QTest::newRow("mp3 with odd name")
        << m_files.toneClip(QStringLiteral("a 'q' \"ü\".mp3"), 1) << 0;
    QTest::newRow("no name") << QString() << 52;
    QTest::newRow("missing") << m_files.path(QStringLiteral("nothing.mp4")) << 53;
    QTest::newRow("dangling link") << dangling << 53;
    QTest::newRow("folder") << QDir::tempPath() << 75;
    QTest::newRow("fifo") << fifo << 75;
    QTest::newRow("zero bytes") << m_files.writeBytes(QStringLiteral("empty.mp4"), {}) << 321;
    QTest::newRow("text named mp3")
        << m_files.writeBytes(QStringLiteral("notes.mp3"), "just some words\n") << 321;
    QTest::newRow("noise named avi")
        << m_files.writeBytes(QStringLiteral("noise.avi"), noise) << 321;
}

void TestPlatform::mediaProbe() {
    QFETCH(QString, path);
    QFETCH(int, code);
    try {
        checkFile(path);
        checkMediaFormat(path);
        QCOMPARE(0, code);
    } catch (const RuntimeError& error) {
        QCOMPARE(error.code(), code);
        if (!path.isEmpty()) {
            QVERIFY2(error.description().contains(path), qPrintable(error.description()));
        }
    }
}

void TestPlatform::workOfAFile_data() {
    QTest::addColumn<QString>("made");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<double>("frameRate");
    QTest::addColumn<int>("threads"); // on four cores
    const QString video = QStringLiteral(
        "-f lavfi -i testsrc=size=%1:rate=%2:duration=0.4 -c:v libx264 -preset ultrafast -f mp4");
    QTest::newRow("small picture")
        << video.arg(QStringLiteral("320x240")).arg(25) << QSize(320, 240) << 25.0 << 1;
    QTest::newRow("1080p at 50") << video.arg(QStringLiteral("1920x1080")).arg(50)
                                 << QSize(1920, 1080) << 50.0 << 4;
    QTest::newRow("song with a cover")
        << QStringLiteral(
               "-f lavfi -i sine=duration=0.4 -f lavfi -i color=size=64x64:duration=0.04 "
               "-map 0 -map 1 -c:v png -disposition:v attached_pic -f flac")
        << QSize() << 0.0 << 4;
}

void TestPlatform::workOfAFile() {
    QFETCH(QString, made);
    QFETCH(QSize, picture);
    QFETCH(double, frameRate);
    QFETCH(int, threads);
    const QString path =
        m_files.ffmpeg(QStringLiteral("work"), made.split(u' ', Qt::SkipEmptyParts));
    QVERIFY(!path.isEmpty());
    const MediaShape shape = checkMediaFormat(path);
    QCOMPARE(shape.picture, picture);
    QCOMPARE(shape.frameRate, frameRate);
    QCOMPARE(decoderThreads(shape.picture, shape.frameRate, 4), threads);
}

void TestPlatform::errorDescriptionNamesSubject() {
    const RuntimeError error(ErrorCode::FileNotFound, QStringLiteral("/x.mp4"));
    QCOMPARE(error.code(), 53);
    QCOMPARE(error.description(), QStringLiteral("File not found: /x.mp4"));
    QCOMPARE(RuntimeError(ErrorCode::DialogCancelled).description(),
             QStringLiteral("Cancel was selected."));
    QVERIFY(!describe(-1).isEmpty());
}

// The desktop's screen-saver service, as far as the hold uses it; it answers after a while, as
// a busy desktop would.
class FakeScreenSaver final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QList<uint> held;
    QList<QDBusMessage> unanswered;
    uint issued = 0;
    // The desktop answers when the test says so: what the hold does before and after is
    // decided by the order of events, not by how fast the bus is.
    void answer() {
        for (const QDBusMessage& reply : std::exchange(unanswered, {})) {
            m_bus.send(reply);
        }
    }
public Q_SLOTS:
    uint Inhibit(const QString& /*application*/, const QString& /*reason*/) {
        setDelayedReply(true);
        held.append(++issued);
        unanswered.append(message().createReply(issued));
        m_bus = connection();
        return 0;
    }
    void UnInhibit(uint cookie) { held.removeOne(cookie); }
    void Ping() {}

private:
    QDBusConnection m_bus{QString()};
};

void TestPlatform::screenSaverHeldOnBus_data() {
    QTest::addColumn<QList<bool>>("steps"); // setHeld, each before the desktop answers
    QTest::addColumn<bool>("answered");     // whether the answer comes before the hold goes
    QTest::addColumn<int>("held");
    QTest::newRow("held") << QList<bool>{true} << true << 1;
    QTest::newRow("let go before the answer, held again")
        << QList<bool>{true, false, true} << true << 1;
    QTest::newRow("let go before the answer") << QList<bool>{true, false} << true << 0;
    QTest::newRow("gone before the answer") << QList<bool>{true} << false << 1;
}

void TestPlatform::screenSaverHeldOnBus() {
    QFETCH(QList<bool>, steps);
    QFETCH(bool, answered);
    QFETCH(int, held);
    if (!QDBusConnection::sessionBus().isConnected()) {
        QSKIP("no session bus: run under dbus-run-session");
    }
    // A connection of its own, as another program's would be: calls on the same connection
    // are answered at once, without the bus.
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"desktop"_s);
    const auto disconnect = qScopeGuard([] { QDBusConnection::disconnectFromBus(u"desktop"_s); });
    FakeScreenSaver service;
    QVERIFY(bus.registerObject(u"/org/freedesktop/ScreenSaver"_s, &service,
                               QDBusConnection::ExportAllSlots));
    QVERIFY(bus.registerService(u"org.freedesktop.ScreenSaver"_s));
    const auto unregister = qScopeGuard([&bus] {
        bus.unregisterService(u"org.freedesktop.ScreenSaver"_s);
        bus.unregisterObject(u"/org/freedesktop/ScreenSaver"_s);
    });
    // A call on the player's own connection: whatever the player sent before it has reached
    // the desktop when it returns.
    const auto roundTrip = [] {
        QCoreApplication::processEvents();
        QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(u"org.freedesktop.ScreenSaver"_s,
                                           u"/org/freedesktop/ScreenSaver"_s,
                                           u"org.freedesktop.ScreenSaver"_s, u"Ping"_s),
            QDBus::BlockWithGui);
    };
    {
        ScreenSaverHold hold(nullptr);
        for (const bool on : steps) {
            hold.setHeld(on);
        }
        QTRY_COMPARE(service.unanswered.size(), 1);
        if (answered) {
            service.answer();
            roundTrip();
            roundTrip();
        }
        QCOMPARE(service.held.size(), held);
    }
    service.answer();
    // Gone with the player.
    QTRY_VERIFY(service.held.isEmpty());
}

void TestPlatform::listFile_data() {
    QTest::addColumn<bool>("pls");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("entries"); // read from a list in /music; none for a stream
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("oneStream"); // HTTP Live Streaming, for the engine to read whole
    QTest::newRow("m3u with titles")
        << false
        << "#EXTM3U\r\n#EXTINF:123,Artist - Song\r\nsong.mp3\r\n\r\n# note\r\n../a/b.ogg\r\n"_ba
        << QStringList{u"/music/song.mp3"_s, u"/a/b.ogg"_s} << QStringList{u"Artist - Song"_s, {}}
        << false;
    QTest::newRow("IPTV attributes and options")
        << false
        << "#EXTM3U url-tvg=\"http://g/epg.xml\"\n#EXTINF:-1 tvg-id=\"a.uk\" tvg-name=\"A, B\" "
           "tvg-logo=\"http://l/a,1.png\" group-title=\"News, UK\",A News HD\n"
           "#EXTVLCOPT:http-user-agent=Mozilla/5.0\n#KODIPROP:inputstream=adaptive\n"
           "#EXTGRP:News\nhttp://tv.example/a.m3u8|User-Agent=Mozilla\n"
           "#EXTINF:-1 tvg-name=\"Second\" group-title=\"Films\",\nrtmp://tv.example/live/b\n"
           "#EXTINF:-1 tvg-name=\"Bob\"s\",Third\nrtsp://tv.example:554/c\n"_ba
        << QStringList{u"http://tv.example/a.m3u8"_s, u"rtmp://tv.example/live/b"_s,
                       u"rtsp://tv.example:554/c"_s}
        << QStringList{u"A News HD"_s, u"Second"_s, u"Third"_s} << false;
    QTest::newRow("written on Windows")
        << false << "#EXTINF:1,Caf\xe9\nDisc 1\\track.mp3\n"_ba
        << QStringList{u"/music/Disc 1/track.mp3"_s} << QStringList{u"Caf\u00e9"_s} << false;
    QTest::newRow("name not UTF-8")
        << false << "caf\xe9.mp3\n"_ba << QStringList{u"file:///music/caf%E9.mp3"_s}
        << QStringList{{}} << false;
    QTest::newRow("file address") << false << "file:///x/caf%C3%A9.mp3\n"_ba
                                  << QStringList{u"/x/caf\u00e9.mp3"_s} << QStringList{{}} << false;
    QTest::newRow("every scheme the engine streams")
        << false
        << "RTSP://cam/1\nrtmps://s/l\nudp://@239.0.0.1:1234\nrtp://@:5004\nmmsh://m/r\n"
           "srt://s:9000\nsmb://h/a.mp3\nftp://h/b.ogg\n"_ba
        << QStringList{u"RTSP://cam/1"_s,  u"rtmps://s/l"_s,  u"udp://@239.0.0.1:1234"_s,
                       u"rtp://@:5004"_s,  u"mmsh://m/r"_s,   u"srt://s:9000"_s,
                       u"smb://h/a.mp3"_s, u"ftp://h/b.ogg"_s}
        << QStringList(8) << false;
    // Each would have the engine read this machine: a descriptor, a device, other files.
    QTest::newRow("the engine's local schemes left out")
        << false << "fd://0\navdevice://v4l2:/dev/video0\nedl://a.mp3\nlavf://x\nok.mp3\n"_ba
        << QStringList{u"/music/ok.mp3"_s} << QStringList{{}} << false;
    QTest::newRow("pls by number")
        << true << "[playlist]\nFile2=b.mp3\nTitle1=First\nfile1 = a.mp3\nNumberOfEntries=2\n"_ba
        << QStringList{u"/music/a.mp3"_s, u"/music/b.mp3"_s} << QStringList{u"First"_s, {}}
        << false;
    QTest::newRow("pls without entries")
        << true << "[playlist]\nNumberOfEntries=0\n"_ba << QStringList{} << QStringList{} << false;
    QTest::newRow("HLS media playlist")
        << false
        << "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:2\n#EXTINF:2.0,\nfilm0.ts\n"_ba
        << QStringList{} << QStringList{} << true;
    QTest::newRow("HLS master playlist, text before its start")
        << false << "\n# recorded\n#EXTM3U\n#EXT-X-STREAM-INF:BANDWIDTH=75900\nv0.m3u8\n"_ba
        << QStringList{} << QStringList{} << true;
    QTest::newRow("HLS tag named in a title")
        << false << "#EXTINF:1,#EXT-X-TARGETDURATION\nsong.mp3\n"_ba
        << QStringList{u"/music/song.mp3"_s} << QStringList{u"#EXT-X-TARGETDURATION"_s} << false;
}

void TestPlatform::listFile() {
    QFETCH(bool, pls);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, titles);
    QFETCH(bool, oneStream);
    QCOMPARE(isHlsPlaylist(text), oneStream);
    if (oneStream) {
        return;
    }
    const QList<ListEntry> list =
        parseList(text, pls ? ListFormat::Pls : ListFormat::M3u, "/music");
    QCOMPARE(entriesOf(list), entries);
    QStringList read;
    for (const ListEntry& entry : list) {
        read.append(entry.title);
    }
    QCOMPARE(read, titles);
}

void TestPlatform::fileNameBytes_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shown");
    QTest::newRow("UTF-8") << "/tmp/caf\xc3\xa9.mp3"_ba << u"/tmp/caf\u00e9.mp3"_s
                           << u"caf\u00e9.mp3"_s;
    QTest::newRow("Latin-1") << "/tmp/caf\xe9 1.mp3"_ba << u"file:///tmp/caf%E9%201.mp3"_s
                             << u"caf\ufffd 1.mp3"_s;
    QTest::newRow("Latin-1, relative")
        << "caf\xe9.mp3"_ba
        << u"file://"_s +
               QString::fromLatin1(QFile::encodeName(QDir::currentPath()).toPercentEncoding("/")) +
               u"/caf%E9.mp3"_s
        << u"caf\ufffd.mp3"_s;
}

void TestPlatform::fileNameBytes() {
    QFETCH(QByteArray, name);
    QFETCH(QString, entry);
    QFETCH(QString, shown);
    QCOMPARE(entryForPath(name), entry);
    QVERIFY(pathOfEntry(entry).endsWith(name));
    QCOMPARE(shownName(entry), shown);
    // Through the command line, an address (drops, MPRIS) and back.
    const CommandLine command = parseCommandLine({argumentFromBytes(name)});
    QCOMPARE(command.files, QStringList{entry});
    QCOMPARE(entryForFileAddress(QUrl(fileAddress(entry))), entry);
}

void TestPlatform::sessionBusFound_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<bool>("found");
    const QString withBus = m_files.path(u"run-with-bus"_s);
    QDir().mkpath(withBus);
    QFile(withBus + u"/bus"_s).open(QIODevice::WriteOnly);
    const QString without = m_files.path(u"run-without"_s);
    QDir().mkpath(without);
    QTest::newRow("address given") << u"unix:path=/run/bus"_s << QString() << true;
    QTest::newRow("bus in the runtime folder") << QString() << withBus << true;
    QTest::newRow("runtime folder without one") << QString() << without << false;
    QTest::newRow("neither") << QString() << QString() << false;
}

void TestPlatform::sessionBusFound() {
    QFETCH(QString, address);
    QFETCH(QString, runtime);
    QFETCH(bool, found);
    QProcessEnvironment environment;
    if (!address.isEmpty()) {
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, address);
    }
    if (!runtime.isEmpty()) {
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    }
    QCOMPARE(sessionBusAvailable(environment), found);
}

void TestPlatform::failureInWords_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("stream");
    QTest::addColumn<QString>("reason");
    const int failed = MPV_ERROR_LOADING_FAILED;
    QTest::newRow("not found")
        << failed << QStringList{u"http: HTTP error 404 Not Found"_s, u"Failed to open x."_s}
        << true << u"there is nothing at that address (the server answered 404 Not Found)"_s;
    QTest::newRow("forbidden") << failed << QStringList{u"http: HTTP error 403 Forbidden"_s} << true
                               << u"the server would not send it (it answered 403 Forbidden)"_s;
    QTest::newRow("refused")
        << failed << QStringList{u"tcp: Connection to tcp://h:1 failed: Connection refused"_s}
        << true << u"the connection was refused: nothing answers at that address"_s;
    QTest::newRow("unknown name")
        << failed
        << QStringList{u"tcp: Failed to resolve hostname a.invalid: Name or service not known"_s}
        << true << u"the name a.invalid could not be found: check the address and the network"_s;
    QTest::newRow("pieces of a stream missing")
        << failed
        << QStringList{u"http: HTTP error 404 Not Found"_s,
                       u"hls: Error when loading first segment 'http://h/a/film0.ts'"_s}
        << true << u"the stream's pieces cannot be read (the first is film0.ts)"_s;
    QTest::newRow("nothing answers over UDP")
        << failed << QStringList{u"srt: Connection to srt://h:9000 failed: Input/output error"_s}
        << true << u"nothing answers at that address"_s;
    QTest::newRow("no answer")
        << failed << QStringList{u"tcp: Connection to tcp://h:80 failed: Connection timed out"_s}
        << true << u"the server did not answer in time"_s;
    QTest::newRow("no decoder") << int(MPV_ERROR_NOTHING_TO_PLAY)
                                << QStringList{u"Failed to initialize a decoder for codec 'qoi'."_s,
                                               u"No video or audio streams selected."_s}
                                << false << u"there is no decoder for its codec (qoi)"_s;
    QTest::newRow("nothing to decode")
        << int(MPV_ERROR_NOTHING_TO_PLAY) << QStringList{} << false
        << u"it holds no sound or picture that this player can decode"_s;
    QTest::newRow("unknown format") << int(MPV_ERROR_UNKNOWN_FORMAT) << QStringList{} << false
                                    << u"it is not in a format that this player reads"_s;
    QTest::newRow("damaged file") << int(MPV_ERROR_GENERIC) << QStringList{} << false
                                  << u"the file is damaged or cut short"_s;
    QTest::newRow("stream unread") << int(MPV_ERROR_GENERIC) << QStringList{} << true
                                   << u"the address could not be read as media"_s;
}

void TestPlatform::failureInWords() {
    QFETCH(int, error);
    QFETCH(QStringList, messages);
    QFETCH(bool, stream);
    QFETCH(QString, reason);
    QCOMPARE(failureReason(error, messages, stream), reason);
}

void TestPlatform::listOrder_data() {
    QTest::addColumn<QStringList>("entries");
    // "next", "previous", "at N", "remove N", "move F T", "repeat", "shuffle"
    QTest::addColumn<QStringList>("steps");
    // What was opened, in turn; "-" for a step that opened nothing.
    QTest::addColumn<QStringList>("opened");
    const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("to the end and no further")
        << abc << QStringList{u"next"_s, u"next"_s, u"next"_s}
        << QStringList{u"b"_s, u"c"_s, u"-"_s};
    QTest::newRow("repeated, round again")
        << abc << QStringList{u"repeat"_s, u"next"_s, u"next"_s, u"next"_s, u"previous"_s}
        << QStringList{u"b"_s, u"c"_s, u"a"_s, u"c"_s};
    QTest::newRow("removing what plays: the one after it is next")
        << abc << QStringList{u"next"_s, u"remove 1"_s, u"next"_s} << QStringList{u"b"_s, u"c"_s};
    QTest::newRow("removing what plays: the one before it is previous")
        << abc << QStringList{u"next"_s, u"remove 1"_s, u"previous"_s}
        << QStringList{u"b"_s, u"a"_s};
    QTest::newRow("removing the first while it plays")
        << abc << QStringList{u"remove 0"_s, u"next"_s, u"next"_s} << QStringList{u"b"_s, u"c"_s};
    QTest::newRow("removing one before what plays")
        << abc << QStringList{u"at 1"_s, u"remove 0"_s, u"next"_s, u"previous"_s, u"previous"_s}
        << QStringList{u"b"_s, u"c"_s, u"b"_s, u"-"_s};
    QTest::newRow("moving what plays down")
        << abc << QStringList{u"move 0 2"_s, u"previous"_s, u"previous"_s}
        << QStringList{u"c"_s, u"b"_s};
    QTest::newRow("moving another before what plays")
        << abc << QStringList{u"at 1"_s, u"move 2 0"_s, u"next"_s, u"at 0"_s, u"next"_s}
        << QStringList{u"b"_s, u"-"_s, u"c"_s, u"a"_s};
    QTest::newRow("unplayable passed over, once round")
        << QStringList{u"a"_s, u"bad1"_s, u"bad2"_s}
        << QStringList{u"repeat"_s, u"next"_s, u"at 1"_s} << QStringList{u"a"_s, u"-"_s};
    QTest::newRow("shuffled: each once, then the end")
        << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}
        << QStringList{u"shuffle"_s, u"next"_s, u"next"_s, u"next"_s, u"next"_s, u"next"_s}
        << QStringList{u"4 others"_s, u"-"_s};
}

void TestPlatform::listOrder() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, opened);
    Playlist list;
    list.replace(entries);
    QStringList seen;
    const Playlist::Opener open = [&seen](const QString& entry) {
        if (entry.startsWith(u"bad"_s)) {
            throw RuntimeError(ErrorCode::InvalidFormat, entry);
        }
        seen.append(entry);
    };
    for (const QString& step : std::as_const(steps)) {
        const QStringList words = step.split(u' ');
        const qsizetype before = seen.size();
        if (words[0] == u"next"_s || words[0] == u"previous"_s) {
            list.step(words[0] == u"next"_s ? 1 : -1, open);
        } else if (words[0] == u"at"_s) {
            list.openAt(words[1].toInt(), open);
        } else if (words[0] == u"remove"_s) {
            list.remove(words[1].toInt());
            continue;
        } else if (words[0] == u"move"_s) {
            list.move(words[1].toInt(), words[2].toInt());
            continue;
        } else {
            words[0] == u"repeat"_s ? list.setRepeat(true) : list.setShuffle(true);
            continue;
        }
        if (seen.size() == before) {
            seen.append(u"-"_s);
        }
    }
    if (opened.first() == u"4 others"_s) {
        // A shuffled round: what played first, then every other entry once.
        QCOMPARE(seen.size(), 5);
        QCOMPARE(seen.last(), u"-"_s);
        seen.removeLast();
        seen.append(u"a"_s);
        seen.sort();
        QCOMPARE(seen, entries);
        return;
    }
    QCOMPARE(seen, opened);
}

void TestPlatform::screenshotName_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("name");
    QTest::newRow("file") << u"/films/clip.mp4"_s << 83.4567 << QStringList{}
                          << u"clip 0-01-23.457.png"_s;
    QTest::newRow("hours, dots in the name")
        << u"/a/my.holiday.mkv"_s << 3725.0 << QStringList{} << u"my.holiday 1-02-05.000.png"_s;
    QTest::newRow("not overwritten")
        << u"clip.mp4"_s << 0.0
        << QStringList{u"clip 0-00-00.000.png"_s, u"clip 0-00-00.000 (2).png"_s}
        << u"clip 0-00-00.000 (3).png"_s;
    QTest::newRow("a station") << u"http://radio.example/live"_s << 2.0 << QStringList{}
                               << u"live 0-00-02.000.png"_s;
    QTest::newRow("nothing to name it by")
        << u"http://radio.example/"_s << 2.0 << QStringList{} << u"screenshot 0-00-02.000.png"_s;
}

void TestPlatform::screenshotName() {
    QFETCH(QString, entry);
    QFETCH(double, seconds);
    QFETCH(QStringList, taken);
    QFETCH(QString, name);
    const QString path = screenshotPath(u"/pictures"_s, entry, seconds, [&taken](const QString& p) {
        return taken.contains(QFileInfo(p).fileName());
    });
    QCOMPARE(path, u"/pictures/"_s + name);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
