#include "EqualizerDialog.h"
#include "Fixtures.h"
#include "MediaPlayer.h"
#include "media/ColourConversion.h"
#include "media/EngineAdjustments.h"
#include "media/VideoOutputChoice.h"
#include "media/VideoSurface.h"

#include <QComboBox>
#include <QDir>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <cmath>

using namespace vyx;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(vyx::VideoOutputMode)

namespace {

// How far apart two pictures of one size are: the mean difference of their channels, 0 to 1.
double meanDifference(const QImage& one, const QImage& other) {
    const QImage a = one.convertToFormat(QImage::Format_RGB32);
    const QImage b = other.convertToFormat(QImage::Format_RGB32).scaled(a.size());
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * 255.0 * a.width() * a.height());
}

} // namespace

class TestVideoOutput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void outputChosen_data();
    void outputChosen();
    void colourConverted_data();
    void colourConverted();
    void pictureLooksLikeItsSource_data();
    void pictureLooksLikeItsSource();
    void adjustmentsAsFilters_data();
    void adjustmentsAsFilters();
    void adjustmentKeys_data();
    void adjustmentKeys();
    void adjustedPicture_data();
    void adjustedPicture();
    void soundAdjustedWhilePlaying();
    void equalizerPresets();

private:
    testing::Fixtures m_files;
    QString m_reference;
    QMap<QString, QString> m_clips;
};

void TestVideoOutput::initTestCase() {
    // Colour bars with their ramps and a white, as a film mastered for an ordinary screen, and
    // the same put into HDR10 and HLG as a grading would: its light as that screen shows it,
    // ordinary white at 203 cd/m2.
    const QString sdr = m_files.ffmpeg(
        u"sdr.mkv"_s, u"-f lavfi -i smptehdbars=s=640x360:r=25:d=4 -pix_fmt yuv420p -c:v libx264 "
                      "-preset ultrafast -qp 0"_s.split(u' '));
    m_reference = m_files.ffmpeg(u"reference.png"_s, {u"-i"_s, sdr, u"-frames:v"_s, u"1"_s});
    QVERIFY(!sdr.isEmpty() && !m_reference.isEmpty());
    m_clips.insert(u"sdr"_s, sdr);
    const auto displayLight = [](double white) {
        const QString channel = u"pow(val/65535\\,2.4)*65535*%1"_s.arg(white);
        return u"format=gbrp16le,lutrgb=r='%1':g='%1':b='%1'"_s.arg(channel);
    };
    for (const auto& [name, transfer, white, peak] : {std::tuple{u"pq"_s, u"smpte2084"_s, 1.0, 203},
                                                      {u"hlg"_s, u"arib-std-b67"_s, 0.203, 1000}}) {
        const QString filter =
            displayLight(white) +
            u",zscale=tin=linear:pin=bt709:min=gbr:rin=full:t=%1:p=bt2020:m=bt2020nc:r=limited:"
            "npl=%2,format=yuv420p10le"_s.arg(transfer)
                .arg(peak);
        const QString clip = m_files.ffmpeg(
            name + u".mkv"_s,
            QStringList{u"-i"_s, sdr, u"-vf"_s, filter} +
                u"-c:v libx265 -preset ultrafast -x265-params log-level=error:lossless=1 "
                "-color_primaries bt2020 -colorspace bt2020nc -color_trc"_s.split(u' ') +
                QStringList{transfer});
        QVERIFY(!clip.isEmpty());
        m_clips.insert(name, clip);
    }
}

void TestVideoOutput::outputChosen_data() {
    QTest::addColumn<VideoOutputMode>("mode");
    QTest::addColumn<bool>("device");
    QTest::addColumn<bool>("softwareForced");
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<int>("version");      // major * 10 + minor
    QTest::addColumn<QString>("software"); // why software; empty for GL
    const auto gpu = u"AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)"_s;
    const auto cpu = u"llvmpipe (LLVM 15.0.6, 256 bits)"_s;
    QTest::newRow("a GPU") << VideoOutputMode::Auto << true << false << gpu << 46 << QString();
    QTest::newRow("no GPU device")
        << VideoOutputMode::Auto << false << false << gpu << 46 << u"no GPU device"_s;
    QTest::newRow("software GL asked for") << VideoOutputMode::Auto << true << true << gpu << 46
                                           << u"software GL asked for by LIBGL_ALWAYS_SOFTWARE"_s;
    QTest::newRow("a device, GL on the CPU")
        << VideoOutputMode::Auto << true << false << cpu << 45
        << u"GL renderer \"llvmpipe (LLVM 15.0.6, 256 bits)\" is software"_s;
    QTest::newRow("GL too old") << VideoOutputMode::Auto << true << false << gpu << 20
                                << u"GL 2.0 is too old"_s;
    QTest::newRow("GL forced on the CPU")
        << VideoOutputMode::OpenGL << false << true << cpu << 45 << QString();
    QTest::newRow("GL forced, too old")
        << VideoOutputMode::OpenGL << true << false << cpu << 14 << u"GL 1.4 is too old"_s;
    QTest::newRow("software forced")
        << VideoOutputMode::Software << true << false << gpu << 46 << u"asked for"_s;
}

void TestVideoOutput::outputChosen() {
    QFETCH(VideoOutputMode, mode);
    QFETCH(bool, device);
    QFETCH(bool, softwareForced);
    QFETCH(QString, renderer);
    QFETCH(int, version);
    QFETCH(QString, software);
    GpuHints hints;
    hints.device = device;
    hints.softwareForced = softwareForced;
    const std::optional<QString> before = softwareBeforeGl(mode, hints);
    const std::optional<QString> reason =
        before ? before : softwareAfterGl(mode, renderer, version / 10, version % 10, false);
    QCOMPARE(reason.value_or(QString()), software);
    // The choice is kept: once GL failed, every later picture is drawn in software.
    VideoOutputChoice choice(mode, hints);
    if (choice.next() == VideoOutput::OpenGL) {
        choice.glFails(u"no context"_s);
    }
    QCOMPARE(choice.next(), VideoOutput::Software);
}

void TestVideoOutput::colourConverted_data() {
    QTest::addColumn<int>("transfer");
    QTest::addColumn<int>("primaries");
    QTest::addColumn<QList<int>>("stored"); // red, green, blue, 0 to 1023
    QTest::addColumn<int>("beside");        // the brightest grey of the picture around it
    QTest::addColumn<QList<int>>("shown");  // red, green, blue, 0 to 255
    const int pq = int(Transfer::Pq);
    const int hlg = int(Transfer::Hlg);
    const int sdr = int(Transfer::Sdr);
    const int wide = int(Primaries::Bt2020);
    // PQ 592 is 203 cd/m2, ordinary white, and 800 some 1,300; HLG's three quarters is white;
    // BT.2020's own green is greener than any the screen has, and shown as its green.
    QTest::newRow("HDR10 black") << pq << wide << QList{0, 0, 0} << 0 << QList{0, 0, 0};
    QTest::newRow("HDR10 white") << pq << wide << QList{592, 592, 592} << 0 << QList{253, 253, 253};
    QTest::newRow("HDR10 grey") << pq << wide << QList{400, 400, 400} << 0 << QList{114, 114, 114};
    QTest::newRow("HDR10 highlight")
        << pq << wide << QList{800, 800, 800} << 0 << QList{255, 255, 255};
    // Brought down to make room for a highlight beside it, rather than the highlight clipped.
    QTest::newRow("HDR10 white beside a highlight")
        << pq << wide << QList{592, 592, 592} << 800 << QList{241, 241, 241};
    QTest::newRow("HLG white") << hlg << wide << QList{767, 767, 767} << 0 << QList{255, 255, 255};
    QTest::newRow("BT.2020 green") << sdr << wide << QList{0, 1023, 0} << 0 << QList{0, 255, 0};
}

void TestVideoOutput::colourConverted() {
    QFETCH(int, transfer);
    QFETCH(int, primaries);
    QFETCH(QList<int>, stored);
    QFETCH(int, beside);
    QFETCH(QList<int>, shown);
    PictureFormat format;
    format.transfer = static_cast<Transfer>(transfer);
    format.primaries = static_cast<Primaries>(primaries);
    ColourConversion conversion(format);
    // A picture of the colour and the grey beside it, converted once as a frame would be.
    const auto pixel = [](int red, int green, int blue) {
        return static_cast<std::uint32_t>(red) << 20U | static_cast<std::uint32_t>(green) << 10U |
               static_cast<std::uint32_t>(blue);
    };
    std::array<std::uint32_t, 2> picture{pixel(stored[0], stored[1], stored[2]),
                                         pixel(beside, beside, beside)};
    std::array<std::uint32_t, 2> converted{};
    conversion.convert({picture.data(), sizeof(picture), QSize(2, 1)},
                       {converted.data(), sizeof(converted), QSize(2, 1)});
    const std::array<int, 3> screen = conversion.convertPixel({stored[0], stored[1], stored[2]});
    for (std::size_t channel = 0; channel < screen.size(); ++channel) {
        QVERIFY2(std::abs(screen.at(channel) - shown[static_cast<qsizetype>(channel)]) <= 2,
                 qPrintable(u"%1 %2 %3"_s.arg(screen[0]).arg(screen[1]).arg(screen[2])));
    }
}

void TestVideoOutput::pictureLooksLikeItsSource_data() {
    QTest::addColumn<VideoOutputMode>("mode");
    QTest::addColumn<QString>("clip");
    for (const auto& [mode, output] : {std::pair{VideoOutputMode::Software, u"software"_s},
                                       {VideoOutputMode::OpenGL, u"GL"_s}}) {
        for (const QString& clip : {u"sdr"_s, u"pq"_s, u"hlg"_s}) {
            QTest::addRow("%s, %s", qPrintable(output), qPrintable(clip)) << mode << clip;
        }
    }
}

void TestVideoOutput::pictureLooksLikeItsSource() {
    QFETCH(VideoOutputMode, mode);
    QFETCH(QString, clip);
    const QString pictures = m_files.path(u"pictures-%1"_s.arg(QTest::currentDataTag()));
    const testing::PicturesFolder picturesFolder(m_files, pictures);
    // No VA-API driver answers here; the GL output tries it and decodes in software.
    qputenv("LIBVA_DRIVER_NAME", "none");
    const auto restore = qScopeGuard([] { qunsetenv("LIBVA_DRIVER_NAME"); });
    VideoOutputChoice outputs(mode);
    MediaPlayerSettings settings;
    settings.DisplaySize = DisplaySizeMode::FitToSize;
    MediaPlayer player(settings, outputs, nullptr);
    player.resize(640, 400);
    player.show();
    QVERIFY(QTest::qWaitForWindowExposed(&player));
    player.Open(m_clips.value(clip));
    QTRY_VERIFY_WITH_TIMEOUT(player.position() > 1.0, 15000);
    auto* const surface = player.findChild<VideoSurface*>();
    QCOMPARE(surface->output() == VideoOutput::OpenGL, mode == VideoOutputMode::OpenGL);
    const QImage reference(m_reference);
    // On the screen: the bars of the source, not washed out, not pale.
    const QPoint at = surface->mapTo(&player, QPoint(0, 0));
    const QImage screen =
        player.screen()
            ->grabWindow(player.winId(), at.x(), at.y(), surface->width(), surface->height())
            .toImage();
    const double onScreen = meanDifference(screen, reference);
    QVERIFY2(onScreen < 0.08, qPrintable(QString::number(onScreen)));
    // And S writes what the screen shows, at the film's own size.
    player.pause();
    player.saveScreenshot();
    // The GL output's screenshot is drawn by the engine at its next turn of rendering, which
    // under the sanitizers on a loaded machine's software GL takes seconds.
    QTRY_COMPARE_WITH_TIMEOUT(QDir(pictures).entryList(QDir::Files).size(), 1, 30000);
    const QString name = QDir(pictures).entryList(QDir::Files).constFirst();
    QImage shot;
    QTRY_VERIFY(shot.load(QDir(pictures).filePath(name)));
    QCOMPARE(shot.size(), reference.size());
    const double written = meanDifference(shot, reference);
    QVERIFY2(written < 0.08, qPrintable(QString::number(written)));
}

void TestVideoOutput::adjustmentsAsFilters_data() {
    QTest::addColumn<bool>("normalised");
    QTest::addColumn<QList<int>>("gains");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("hue");
    QTest::addColumn<QString>("filters");
    const QList<int> flat(10, 0);
    QTest::newRow("as recorded") << false << flat << 0 << 0 << QString();
    QTest::newRow("loudness evened out")
        << true << flat << 0 << 0 << u"lavfi=[dynaudnorm=f=250:g=11:m=8]"_s;
    // Lifted bands lower the whole by the largest lift, so that nothing clips.
    QTest::newRow("bass lifted, highs cut")
        << false << QList{6, 0, 0, 0, 0, 0, 0, 0, 0, -3} << 0 << 0
        << u"lavfi=[equalizer=f=31:t=o:w=1:g=6,equalizer=f=16000:t=o:w=1:g=-3,volume=-6dB]"_s;
    QTest::newRow("brighter, hue turned") << false << flat << 20 << -50
                                          << u"lavfi=[eq=brightness=0.2:contrast=1:saturation=1:"
                                             "gamma=1,hue=h=-90]"_s;
}

void TestVideoOutput::adjustmentsAsFilters() {
    QFETCH(bool, normalised);
    QFETCH(QList<int>, gains);
    QFETCH(int, brightness);
    QFETCH(int, hue);
    QFETCH(QString, filters);
    SoundAdjustments sound;
    sound.normalised = normalised;
    std::copy(gains.begin(), gains.end(), sound.gains.begin());
    PictureAdjustments picture;
    picture.brightness = brightness;
    picture.hue = hue;
    QCOMPARE(audioFilters(sound) + colourFilters(picture), filters);
}

void TestVideoOutput::adjustmentKeys_data() {
    QTest::addColumn<QList<int>>("keys"); // each a key with its modifiers
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    const int alt = Qt::AltModifier;
    const int shift = Qt::ShiftModifier;
    const int control = Qt::ControlModifier;
    QTest::newRow("turned right") << QList<int>{Qt::Key_R} << u"rotation"_s << 90;
    QTest::newRow("turned left") << QList<int>{Qt::Key_R | shift} << u"rotation"_s << 270;
    QTest::newRow("shapes in turn")
        << QList<int>{Qt::Key_A, Qt::Key_A} << u"aspect"_s << int(AspectOverride::SixteenNine);
    QTest::newRow("zoomed in") << QList<int>{Qt::Key_Equal | alt, Qt::Key_Plus | alt} << u"zoom"_s
                               << 2;
    QTest::newRow("zoomed back") << QList<int>{Qt::Key_Minus | alt, Qt::Key_0 | alt} << u"zoom"_s
                                 << 0;
    QTest::newRow("deinterlaced always")
        << QList<int>{Qt::Key_D} << u"deinterlace"_s << int(Deinterlace::On);
    QTest::newRow("less contrast") << QList<int>{Qt::Key_1} << u"contrast"_s << -5;
    QTest::newRow("brighter, to the limit") << QList<int>(30, Qt::Key_4) << u"brightness"_s << 100;
    QTest::newRow("hue forward") << QList<int>{Qt::Key_0} << u"hue"_s << 5;
    QTest::newRow("picture reset")
        << QList<int>{Qt::Key_4, Qt::Key_R, Qt::Key_Backspace | control} << u"brightness"_s << 0;
    QTest::newRow("loudness evened out") << QList<int>{Qt::Key_N} << u"normalised"_s << 1;
}

void TestVideoOutput::adjustmentKeys() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, field);
    QFETCH(int, value);
    VideoOutputChoice outputs(VideoOutputMode::Software);
    MediaPlayer player(MediaPlayerSettings{}, outputs, nullptr);
    for (const int key : keys) {
        QTest::keyClick(&player, static_cast<Qt::Key>(key & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    }
    const PictureAdjustments& picture = player.adjustments().picture();
    const QMap<QString, int> fields{{u"rotation"_s, picture.rotation},
                                    {u"aspect"_s, int(picture.aspect)},
                                    {u"zoom"_s, picture.zoomSteps},
                                    {u"deinterlace"_s, int(picture.deinterlace)},
                                    {u"contrast"_s, picture.contrast},
                                    {u"brightness"_s, picture.brightness},
                                    {u"hue"_s, picture.hue},
                                    {u"normalised"_s, player.adjustments().sound().normalised}};
    QCOMPARE(fields.value(field), value);
}

void TestVideoOutput::adjustedPicture_data() {
    QTest::addColumn<VideoOutputMode>("mode");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("looks");
    for (const auto& [mode, output] : {std::pair{VideoOutputMode::Software, u"software"_s},
                                       {VideoOutputMode::OpenGL, u"GL"_s}}) {
        // A phone's film stored lying down: shown upright, and the player goes on.
        QTest::addRow("%s, turned by its file", qPrintable(output))
            << mode << u"phone"_s << QList<int>{} << u"upright"_s;
        // A film recorded on its side, turned by the user.
        QTest::addRow("%s, turned by the user", qPrintable(output))
            << mode << u"side"_s << QList<int>{Qt::Key_R} << u"upright"_s;
        QTest::addRow("%s, brighter", qPrintable(output))
            << mode << u"sdr"_s << QList<int>(6, Qt::Key_4) << u"brighter"_s;
        QTest::addRow("%s, interlaced", qPrintable(output))
            << mode << u"interlaced"_s << QList<int>{} << u"without combs"_s;
    }
}

void TestVideoOutput::adjustedPicture() {
    QFETCH(VideoOutputMode, mode);
    QFETCH(QString, clip);
    QFETCH(QList<int>, keys);
    QFETCH(QString, looks);
    if (!m_clips.contains(u"side"_s)) {
        const QString side = m_files.ffmpeg(
            u"side.mp4"_s, u"-f lavfi -i testsrc2=s=320x180:r=25:d=6 -vf transpose=1 -pix_fmt "
                           "yuv420p -c:v libx264 -preset ultrafast"_s.split(u' '));
        m_clips.insert(u"side"_s, side);
        const QString lying = m_files.ffmpeg(
            u"lying.mp4"_s, u"-f lavfi -i testsrc2=s=320x180:r=25:d=6 -pix_fmt yuv420p -c:v "
                            "libx264 -preset ultrafast"_s.split(u' '));
        m_clips.insert(u"phone"_s,
                       m_files.ffmpeg(u"phone.mp4"_s, {u"-i"_s, lying, u"-c"_s, u"copy"_s,
                                                       u"-metadata:s:v:0"_s, u"rotate=90"_s}));
        // Two fields a picture, of moments a fiftieth of a second apart, as a TV recording.
        m_clips.insert(u"interlaced"_s,
                       m_files.ffmpeg(u"interlaced.mkv"_s,
                                      u"-f lavfi -i testsrc2=s=720x576:r=50:d=6 -vf "
                                      "tinterlace=mode=interleave_top,setfield=tff -flags "
                                      "+ildct+ilme -pix_fmt yuv420p -c:v libx264 -preset "
                                      "ultrafast -x264-params tff=1"_s.split(u' ')));
    }
    const QString pictures = m_files.path(u"adjusted-%1"_s.arg(QTest::currentDataTag()));
    const testing::PicturesFolder picturesFolder(m_files, pictures);
    VideoOutputChoice outputs(mode);
    MediaPlayer player(MediaPlayerSettings{}, outputs, nullptr);
    player.resize(480, 400);
    player.show();
    QVERIFY(QTest::qWaitForWindowExposed(&player));
    player.Open(m_clips.value(clip));
    QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0.5, 15000);
    auto* const surface = player.findChild<VideoSurface*>();
    const auto grab = [&player, surface] {
        const QPoint at = surface->mapTo(&player, QPoint(0, 0));
        return player.screen()
            ->grabWindow(player.winId(), at.x(), at.y(), surface->width(), surface->height())
            .toImage();
    };
    QImage black(1, 1, QImage::Format_RGB32);
    black.fill(Qt::black);
    const double before = meanDifference(grab(), black);
    for (const int key : keys) {
        QTest::keyClick(&player, static_cast<Qt::Key>(key));
    }
    if (looks == u"upright") {
        // Taller than wide, in its own shape: the bars either side of it.
        const auto tall = [&grab] {
            const QImage shot = grab();
            int left = shot.width();
            int right = -1;
            for (int x = 0; x < shot.width(); ++x) {
                if (qGray(shot.pixel(x, shot.height() / 2)) > 16) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
            return right > left && (right - left) * 3 < shot.height() * 2;
        };
        QTRY_VERIFY_WITH_TIMEOUT(tall(), 5000);
        QTest::qWait(300);
        QVERIFY(player.isPlaying());
    } else if (looks == u"brighter") {
        QTRY_VERIFY_WITH_TIMEOUT(meanDifference(grab(), black) > before + 0.1, 5000);
    } else {
        // Woven back together: rows next to each other differ less than the fields' rows.
        player.saveScreenshot();
        // The GL output's screenshot is drawn by the engine at its next turn of rendering, which
        // under the sanitizers on a loaded machine's software GL takes seconds.
        QTRY_COMPARE_WITH_TIMEOUT(QDir(pictures).entryList(QDir::Files).size(), 1, 30000);
        QImage shot;
        QTRY_VERIFY(shot.load(QDir(pictures).filePath(QDir(pictures).entryList().last())));
        const QImage lower = shot.copy(0, 1, shot.width(), shot.height() - 2);
        const QImage even = shot.copy(0, 2, shot.width(), shot.height() - 2);
        const QImage same = shot.copy(0, 0, shot.width(), shot.height() - 2);
        const double neighbours = meanDifference(same, lower);
        const double fields = meanDifference(same, even);
        QVERIFY2(neighbours < 0.75 * fields,
                 qPrintable(u"%1 against %2"_s.arg(neighbours).arg(fields)));
    }
}

void TestVideoOutput::soundAdjustedWhilePlaying() {
    VideoOutputChoice outputs(VideoOutputMode::Software);
    MediaPlayer player(MediaPlayerSettings{}, outputs, nullptr);
    const QString tone = m_files.toneClip(u"tone.mp3"_s, 6);
    player.Open(tone);
    QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0.3, 15000);
    // The engine's own list, the desktop's default first and no output it is not given.
    QSignalSpy listed(&player.adjustments(), &EngineAdjustments::devicesListed);
    player.adjustments().requestDevices();
    QTRY_COMPARE(listed.size(), 1);
    const auto devices = listed.first().at(0).value<QList<AudioDevice>>();
    QVERIFY(!devices.isEmpty());
    QCOMPARE(devices.first().name, u"auto"_s);
    QVERIFY(std::none_of(devices.begin(), devices.end(),
                         [](const AudioDevice& device) { return device.name == u"sdl"_s; }));
    // Every filter the engine is given is one it takes: the sound plays on through them.
    SoundAdjustments sound;
    sound.normalised = true;
    sound.gains = EqualizerDialog::presets().at(3).gains;
    sound.device = devices.last().name;
    player.adjustments().setSound(sound);
    const double at = player.position();
    QTRY_VERIFY_WITH_TIMEOUT(player.position() > at + 1.0, 10000);
    QVERIFY(player.isPlaying());
}

void TestVideoOutput::equalizerPresets() {
    EqualizerDialog dialog(EqualizerGains{}, nullptr);
    QSignalSpy changed(&dialog, &EqualizerDialog::gainsChanged);
    auto* const presets = dialog.findChild<QComboBox*>();
    presets->setCurrentIndex(3);
    Q_EMIT presets->activated(3);
    QTRY_COMPARE(changed.size(), 1);
    QCOMPARE(changed.last().at(0).value<EqualizerGains>(), EqualizerDialog::presets().at(3).gains);
    // Moved by hand it is the user's own, kept while another preset is tried.
    dialog.findChildren<QSlider*>().first()->setValue(-9);
    QCOMPARE(dialog.presetName(), u"Your Own"_s);
    const EqualizerGains own = dialog.gains();
    presets->setCurrentIndex(0);
    Q_EMIT presets->activated(0);
    QCOMPARE(dialog.gains(), EqualizerGains{});
    presets->setCurrentIndex(presets->count() - 1);
    Q_EMIT presets->activated(presets->count() - 1);
    QCOMPARE(dialog.gains(), own);
}

QTEST_MAIN(TestVideoOutput)
#include "tst_videooutput.moc"
