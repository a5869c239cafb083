#include "Fixtures.h"
#include "IcyStation.h"
#include "LoopbackServer.h"
#include "MediaPlayer.h"
#include "PlayerMarks.h"
#include "errors/RuntimeError.h"
#include "media/DecoderThreads.h"
#include "media/FramePreview.h"
#include "media/MpvCore.h"
#include "media/MpvSession.h"
#include "media/ReaderWatch.h"
#include "media/VideoSurface.h"
#include "system/LocalPath.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTcpServer>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <mpv/client.h>
#include <utility>

using namespace vyx;
using namespace Qt::StringLiterals;

class TestMediaPlayer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void sessionReportsProperties_data();
    void sessionReportsProperties();
    void sessionDropsStaleEntries();
    void sessionReportsShownPicture_data();
    void sessionReportsShownPicture();
    void laggingDecoderGetsCores();
    void pictureComesOnTime();
    void unplayableTailJudged_data();
    void unplayableTailJudged();
    void playsAndAdvances();
    void pictureIsDrawn_data();
    void pictureIsDrawn();
    void refusalKeepsCurrentFile_data();
    void refusalKeepsCurrentFile();
    void endOfFile_data();
    void endOfFile();
    void playCountRepeats();
    void controlsShowInitialVolumeAndMute();
    void seekBarClickJumpsThere();
    void audioOnlyShowsTitle();
    void openReplacesPlayingFile();
    void listPlaysInTurn_data();
    void listPlaysInTurn();
    void filmSwitchesTracks();
    void speedKeys_data();
    void speedKeys();
    void streamPlaysOrSaysWhy_data();
    void streamPlaysOrSaysWhy();
    void radioIsLiveAndNamesItsSong();
    void hlsPlaysAsOneStream_data();
    void hlsPlaysAsOneStream();
    void repeatGoesRound_data();
    void repeatGoesRound();
    void chaptersLoopsAndFrames();
    void screenshotAtTheFilmsSize();
    void previewIsSmallAndPaced();
    void listBesideThePicture_data();
    void listBesideThePicture();

private:
    // A 12-second film in three chapters, "Opening", "Middle" and "Ending".
    QString chapteredFilm();
    std::unique_ptr<MediaPlayer> makePlayer(const MediaPlayerSettings& settings = {});

    testing::Fixtures m_files;
    VideoOutputChoice m_outputs{VideoOutputMode::Auto};
    QString m_clip;
    QString m_short;
    QString m_tone;
};

void TestMediaPlayer::initTestCase() {
    // What the player chose for a file, which some tests read; a user sees it only when asked.
    QLoggingCategory::setFilterRules(u"vyx.media.info=true"_s);
    m_clip = m_files.videoClip(QStringLiteral("clip.mp4"), 4);
    m_short = m_files.videoClip(QStringLiteral("short.mkv"), 1);
    m_tone = m_files.toneClip(QStringLiteral("tone.mp3"), 2, QStringLiteral("Evening Tone"));
    QVERIFY(!m_clip.isEmpty() && !m_short.isEmpty() && !m_tone.isEmpty());
}

void TestMediaPlayer::init() {
    // An option the engine refuses is a fault of ours, whatever else the test finds.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("refused option")));
}

namespace {

QVariantList signalArguments(const QObject& object, const char* name,
                             const std::function<void()>& act) {
    const QMetaObject& meta = *object.metaObject();
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).name() == name) {
            QSignalSpy spy(&object, meta.method(i));
            act();
            return spy.isEmpty() ? QVariantList() : spy.takeFirst();
        }
    }
    // A renamed signal must not pass for one that was not sent.
    QTest::qFail(qPrintable(QStringLiteral("no signal %1").arg(QLatin1String(name))), __FILE__,
                 __LINE__);
    return {};
}

} // namespace

void TestMediaPlayer::sessionReportsProperties_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value"); // invalid: the engine has none
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QVariant>("expected"); // invalid: not reported
    QTest::newRow("pause") << "pause"_ba << QVariant(true) << "pausedChanged"_ba << QVariant(true);
    QTest::newRow("volume") << "volume"_ba << QVariant(42.5) << "volumeChanged"_ba
                            << QVariant(42.5);
    QTest::newRow("position") << "time-pos"_ba << QVariant(3.25) << "positionChanged"_ba
                              << QVariant(3.25);
    QTest::newRow("no position is the start")
        << "time-pos"_ba << QVariant() << "positionChanged"_ba << QVariant(0.0);
    QTest::newRow("no duration is kept")
        << "duration"_ba << QVariant() << "durationChanged"_ba << QVariant();
    QTest::newRow("end") << "eof-reached"_ba << QVariant(true) << "atEndChanged"_ba
                         << QVariant(true);
    QTest::newRow("title") << "media-title"_ba << QVariant("Évening"_ba) << "titleChanged"_ba
                           << QVariant(QStringLiteral("Évening"));
    QTest::newRow("no video") << "vid"_ba << QVariant("no"_ba) << "hasVideoChanged"_ba
                              << QVariant(false);
    QTest::newRow("video track") << "vid"_ba << QVariant("1"_ba) << "hasVideoChanged"_ba
                                 << QVariant(true);
    QTest::newRow("wrong format ignored")
        << "pause"_ba << QVariant(1.0) << "pausedChanged"_ba << QVariant();
}

void TestMediaPlayer::sessionReportsProperties() {
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, signal);
    QFETCH(QVariant, expected);
    MpvSession session(nullptr);
    session.start(1);
    int flag = value.toBool() ? 1 : 0;
    double number = value.toDouble();
    const QByteArray utf8 = value.toByteArray();
    const char* text = utf8.constData();
    mpv_event_property property{name.constData(), MPV_FORMAT_NONE, nullptr};
    if (value.typeId() == QMetaType::Bool) {
        property = {name.constData(), MPV_FORMAT_FLAG, &flag};
    } else if (value.typeId() == QMetaType::Double) {
        property = {name.constData(), MPV_FORMAT_DOUBLE, &number};
    } else if (value.isValid()) {
        property = {name.constData(), MPV_FORMAT_STRING, &text};
    }
    mpv_event event{MPV_EVENT_PROPERTY_CHANGE, 0, 0, &property};
    const QVariantList arguments = signalArguments(session, signal.constData(), [&] {
        session.handleEvent(event);
        if (value.typeId() == QMetaType::QByteArray) {
            // What is read once per file arrives as a reply for the file being played.
            event.event_id = MPV_EVENT_GET_PROPERTY_REPLY;
            session.handleEvent(event);
        }
    });
    QCOMPARE(arguments.value(0), expected);
}

void TestMediaPlayer::sessionReportsShownPicture_data() {
    QTest::addColumn<int>("rotate");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("gamma");
    QTest::addColumn<QString>("primaries");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<int>("transfer");
    QTest::addColumn<int>("colours");
    // An anamorphic picture: 1440 pixels wide, shown 1920 wide.
    QTest::newRow("anamorphic") << 0 << "yuv420p"
                                << "bt.1886"
                                << "bt.709" << QSize(1920, 1080) << int(Transfer::Sdr)
                                << int(Primaries::Bt709);
    QTest::newRow("stored lying down")
        << 90 << "yuv444p"
        << "auto"
        << "auto" << QSize(1080, 1920) << int(Transfer::Sdr) << int(Primaries::Bt709);
    QTest::newRow("HDR10") << 0 << "yuv420p10"
                           << "pq"
                           << "bt.2020" << QSize(1920, 1080) << int(Transfer::Pq)
                           << int(Primaries::Bt2020);
    QTest::newRow("HLG in P3") << 0 << "yuv420p10"
                               << "hlg"
                               << "display-p3" << QSize(1920, 1080) << int(Transfer::Hlg)
                               << int(Primaries::P3);
}

void TestMediaPlayer::sessionReportsShownPicture() {
    QFETCH(int, rotate);
    QFETCH(QString, format);
    QFETCH(QString, gamma);
    QFETCH(QString, primaries);
    QFETCH(QSize, shown);
    QFETCH(int, transfer);
    QFETCH(int, colours);
    MpvSession session(nullptr);
    session.start(1);
    QSignalSpy pictures(&session, &MpvSession::pictureChanged);
    std::array<QByteArray, 3> names{format.toUtf8(), gamma.toUtf8(), primaries.toUtf8()};
    std::array<char*, 7> keys{const_cast<char*>("pixelformat"), const_cast<char*>("gamma"),
                              const_cast<char*>("primaries"),   const_cast<char*>("w"),
                              const_cast<char*>("dw"),          const_cast<char*>("dh"),
                              const_cast<char*>("rotate")};
    std::array<mpv_node, 7> values{};
    for (std::size_t index = 0; index < names.size(); ++index) {
        values.at(index).format = MPV_FORMAT_STRING;
        values.at(index).u.string = names.at(index).data();
    }
    for (const auto& [index, number] : {std::pair{3, 1440}, {4, 1920}, {5, 1080}, {6, rotate}}) {
        values.at(index).format = MPV_FORMAT_INT64;
        values.at(index).u.int64 = number;
    }
    mpv_node_list map{static_cast<int>(keys.size()), values.data(), keys.data()};
    mpv_node params{};
    params.format = MPV_FORMAT_NODE_MAP;
    params.u.list = &map;
    mpv_event_property property{"video-params", MPV_FORMAT_NODE, &params};
    session.handleEvent(mpv_event{MPV_EVENT_PROPERTY_CHANGE, 0, 0, &property});
    QCOMPARE(pictures.size(), 1);
    const auto picture = pictures.first().at(0).value<PictureFormat>();
    QCOMPARE(picture.size, shown);
    QCOMPARE(picture.pixelFormat, format);
    QCOMPARE(int(picture.transfer), transfer);
    QCOMPARE(int(picture.primaries), colours);
}

void TestMediaPlayer::laggingDecoderGetsCores() {
    if (decoderCores() < 2) {
        QSKIP("one core: no thread to add");
    }
    const auto player = makePlayer(MediaPlayerSettings{});
    player->Open(m_clip);
    auto* const session = player->findChild<MpvSession*>();
    auto* const surface = player->findChild<VideoSurface*>();
    QVERIFY(session != nullptr && surface != nullptr);
    QSignalSpy frames(surface, &VideoSurface::framePainted);
    QTRY_VERIFY_WITH_TIMEOUT(frames.size() > 2, 15000);
    QTest::ignoreMessage(
        QtInfoMsg,
        QRegularExpression(
            QStringLiteral("fell behind with 1 thread.*%1 from here").arg(decoderCores())));
    std::int64_t dropped = 6;
    mpv_event_property property{"frame-drop-count", MPV_FORMAT_INT64, &dropped};
    session->handleEvent(mpv_event{MPV_EVENT_PROPERTY_CHANGE, 0, 0, &property});
    // The decoder starts again, and the picture goes on from where it was.
    const double position = player->position();
    frames.clear();
    QTRY_VERIFY_WITH_TIMEOUT(frames.size() > 5 && player->position() > position + 0.2, 15000);
}

void TestMediaPlayer::pictureComesOnTime() {
    // Five frames a second and no sound: each frame is due 200 ms after the one before.
    const QString slow = m_files.ffmpeg(
        u"slow.mp4"_s,
        {u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc=size=160x120:rate=5"_s, u"-t"_s, u"6"_s,
         u"-pix_fmt"_s, u"yuv420p"_s, u"-c:v"_s, u"libx264"_s, u"-preset"_s, u"ultrafast"_s});
    QVERIFY(!slow.isEmpty());
    // Before the player, so that they outlive what it signals into them.
    QElapsedTimer clock;
    QList<qint64> shown;
    const auto player = makePlayer();
    clock.start();
    player->Open(slow);
    auto* const surface = player->findChild<VideoSurface*>();
    QVERIFY(surface != nullptr);
    connect(surface, &VideoSurface::framePainted, this,
            [&clock, &shown] { shown.append(clock.elapsed()); });
    QTRY_VERIFY_WITH_TIMEOUT(shown.size() > 2, 15000);
    // Frames handed over as early as the engine would by itself are still held until their time.
    auto* const session = player->findChild<MpvSession*>();
    QVERIFY(session != nullptr);
    session->core()->setDouble("video-timing-offset", 0.05);
    // After a seek the picture there comes at once, and the next one a frame later; shown
    // sooner, the picture runs ahead of the sound. The engine's redrawing the same picture
    // (sooner than 120 ms) is not a frame. A first picture painted late shortens the wait: the
    // longest of three counts.
    qint64 longest = 0;
    for (const double at : {1.0, 3.0, 2.0}) {
        shown.clear();
        player->seek(at);
        const auto next = [&shown] {
            return std::find_if(shown.cbegin(), shown.cend(),
                                [&shown](qint64 when) { return when - shown.first() >= 120; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty() && next() != shown.cend(), 10000);
        longest = std::max(longest, *next() - shown.first());
    }
    QVERIFY2(longest >= 180, qPrintable(QString::number(longest)));
}

void TestMediaPlayer::sessionDropsStaleEntries() {
    MpvSession session(nullptr);
    session.start(1);
    QSignalSpy failed(&session, &MpvSession::failed);
    QSignalSpy titles(&session, &MpvSession::titleChanged);
    // An address, which is not tried a second time through libavformat as a file would be.
    const QString missing = u"http://127.0.0.1:9/gone.mp4"_s;
    session.load(missing, true, 1); // entry 1
    session.load(missing, true, 1); // entry 2 replaces it
    const auto feed = [&session](mpv_event_id id, std::uint64_t tag, int error, void* data) {
        session.handleEvent(mpv_event{id, error, tag, data});
    };
    mpv_event_start_file first{1};
    mpv_event_end_file firstFailed{MPV_END_FILE_REASON_ERROR, MPV_ERROR_LOADING_FAILED, 1, 0, 0};
    const char* title = "Old";
    mpv_event_property oldTitle{"media-title", MPV_FORMAT_STRING, &title};
    feed(MPV_EVENT_START_FILE, 0, 0, &first);
    feed(MPV_EVENT_GET_PROPERTY_REPLY, 1, 0, &oldTitle);
    feed(MPV_EVENT_END_FILE, 0, 0, &firstFailed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not carry out")));
    feed(MPV_EVENT_COMMAND_REPLY, 1, MPV_ERROR_LOADING_FAILED, nullptr);
    QCOMPARE(failed.size(), 0);
    QCOMPARE(titles.size(), 0);

    mpv_event_start_file second{2};
    mpv_event_end_file secondFailed{MPV_END_FILE_REASON_ERROR, MPV_ERROR_LOADING_FAILED, 2, 0, 0};
    feed(MPV_EVENT_START_FILE, 0, 0, &second);
    feed(MPV_EVENT_END_FILE, 0, 0, &secondFailed);
    feed(MPV_EVENT_COMMAND_REPLY, 2, MPV_ERROR_LOADING_FAILED, nullptr);
    // Told once the engine's log has been read; the engine's own try at the address may add
    // its failure to these.
    QTRY_VERIFY(failed.size() >= 2);
    QVERIFY(!failed.first().first().toString().isEmpty());

    // A live stream left: the next load is still the engine's next entry, and its failure told.
    session.unload();
    const qsizetype before = failed.size();
    session.load(missing, true, 1); // entry 3
    mpv_event_start_file third{3};
    mpv_event_end_file thirdFailed{MPV_END_FILE_REASON_ERROR, MPV_ERROR_LOADING_FAILED, 3, 0, 0};
    feed(MPV_EVENT_START_FILE, 0, 0, &third);
    feed(MPV_EVENT_END_FILE, 0, 0, &thirdFailed);
    QTRY_VERIFY(failed.size() > before);

    // Frames dropped count for the file that dropped them: only once the latest has started
    // does a count ask for more decoder threads.
    if (decoderCores() > 1) {
        std::int64_t dropped = 6;
        mpv_event_property drops{"frame-drop-count", MPV_FORMAT_INT64, &dropped};
        session.load(missing, true, 1); // entry 4, not started yet
        feed(MPV_EVENT_PROPERTY_CHANGE, 0, 0, &drops);
        mpv_event_start_file fourth{4};
        feed(MPV_EVENT_START_FILE, 0, 0, &fourth);
        // Had the earlier count been taken, the threads would be there already, and unasked.
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(u"fell behind with 1 thread"_s));
        feed(MPV_EVENT_PROPERTY_CHANGE, 0, 0, &drops);
    }
}

void TestMediaPlayer::unplayableTailJudged_data() {
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("looks"); // offsets in MiB, "p" where packets came meanwhile
    QTest::addColumn<bool>("unplayable");
    QTest::newRow("steady reading, no packets") << true << "8 16 24 32" << true;
    QTest::newRow("packets keep it playing") << true << "8 16 24p 32 40" << false;
    QTest::newRow("a jump is a seek") << true << "900 400 410" << false;
    QTest::newRow("fonts while opening") << false << "20 40 60" << false;
    QTest::newRow("no end while opening") << false << "30 60 90" << true;
}

void TestMediaPlayer::unplayableTailJudged() {
    QFETCH(bool, opened);
    QFETCH(QString, looks);
    QFETCH(bool, unplayable);
    TailJudge judge;
    if (opened) {
        judge.opened(0);
    }
    TailJudge::Verdict verdict = TailJudge::Verdict::Fine;
    for (const QString& look : looks.split(u' ')) {
        const bool packets = look.endsWith(u'p');
        verdict = judge.look(QString(look).remove(u'p').toLongLong() << 20, packets);
        if (verdict != TailJudge::Verdict::Fine) {
            break;
        }
    }
    QCOMPARE(verdict == TailJudge::Verdict::UnplayableTail, unplayable);
}

std::unique_ptr<MediaPlayer> TestMediaPlayer::makePlayer(const MediaPlayerSettings& settings) {
    auto player = std::make_unique<MediaPlayer>(settings, m_outputs, nullptr);
    player->resize(320, 260);
    player->show();
    if (!QTest::qWaitForWindowExposed(player.get())) {
        qWarning("player window not exposed");
    }
    return player;
}

void TestMediaPlayer::playsAndAdvances() {
    const auto player = makePlayer();
    QSignalSpy awake(player.get(), &MediaPlayer::screenAwakeChanged);
    player->Open(m_clip);
    QCOMPARE(player->FileName(), m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.5, 15000);
    QVERIFY(player->isPlaying());
    QVERIFY(std::abs(player->duration() - 4.0) < 0.2);
    QVERIFY(player->message().isEmpty());
    // A picture that plays keeps the screen awake; paused, it lets the screen go.
    QVERIFY(!awake.isEmpty() && awake.last().first().toBool());
    player->pause();
    QTRY_VERIFY(!awake.last().first().toBool());
}

void TestMediaPlayer::pictureIsDrawn_data() {
    QTest::addColumn<DisplaySizeMode>("mode");
    QTest::addColumn<bool>("barsAboveAndBelow");
    // A 16:9 picture in a squarer player: kept in shape it leaves bars, stretched it fills.
    QTest::newRow("own shape") << DisplaySizeMode::Default << true;
    QTest::newRow("fit to player") << DisplaySizeMode::FitToSize << false;
}

void TestMediaPlayer::pictureIsDrawn() {
    QFETCH(DisplaySizeMode, mode);
    QFETCH(bool, barsAboveAndBelow);
    const QString red = m_files.redClip(QStringLiteral("red.mp4"), 3, QStringLiteral("1920x1080"));
    QVERIFY(!red.isEmpty());
    MediaPlayerSettings settings;
    settings.DisplaySize = mode;
    const auto player = makePlayer(settings);
    player->Open(red);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.5, 15000);
    auto* const surface = player->findChild<VideoSurface*>();
    QVERIFY(surface != nullptr);
    QVERIFY(surface->hasRenderer());
    using testing::isRed;
    // A copy of the widget, and what the window shows: the picture is written straight into
    // the window's own buffer there, since it spans the window.
    const QPoint onScreen = surface->mapTo(player.get(), QPoint(0, 0));
    for (const QImage& frame :
         {surface->grab().toImage(), player->screen()
                                         ->grabWindow(player->winId(), onScreen.x(), onScreen.y(),
                                                      surface->width(), surface->height())
                                         .toImage()}) {
        QVERIFY(isRed(frame.pixel(frame.width() / 2, frame.height() / 2)));
        QVERIFY(isRed(frame.pixel(2, frame.height() / 2)));
        QCOMPARE(isRed(frame.pixel(frame.width() / 2, 2)), !barsAboveAndBelow);
    }
}

void TestMediaPlayer::refusalKeepsCurrentFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code");
    QTest::newRow("missing") << m_files.path(QStringLiteral("missing.mp4")) << 53;
    QTest::newRow("empty name") << QString() << 52;
    QTest::newRow("folder") << m_files.path(QString()) << 75;
    QTest::newRow("garbage") << m_files.writeBytes(QStringLiteral("garbage.mp4"),
                                                   QByteArray(4096, 'x'))
                             << 321;
    QTest::newRow("zero bytes") << m_files.writeBytes(QStringLiteral("zero.mp3"), {}) << 321;
}

void TestMediaPlayer::refusalKeepsCurrentFile() {
    QFETCH(QString, path);
    QFETCH(int, code);
    const auto player = makePlayer();
    player->Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.2, 15000);
    try {
        player->Open(path);
        QFAIL("the file was accepted");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.code(), code);
    }
    QCOMPARE(player->FileName(), m_clip);
    const double before = player->position();
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > before + 0.2, 15000);
}

void TestMediaPlayer::endOfFile_data() {
    QTest::addColumn<bool>("autoRewind");
    QTest::newRow("rewinds") << true;
    QTest::newRow("stays at the end") << false;
}

void TestMediaPlayer::endOfFile() {
    QFETCH(bool, autoRewind);
    MediaPlayerSettings settings;
    settings.AutoRewind = autoRewind;
    const auto player = makePlayer(settings);
    QSignalSpy finished(player.get(), &MediaPlayer::finished);
    player->Open(m_short);
    QVERIFY(finished.wait(15000));
    QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 5000);
    QTest::qWait(300);
    if (autoRewind) {
        QVERIFY2(player->position() < 0.1, qPrintable(QString::number(player->position())));
    } else {
        QVERIFY2(player->position() > 0.8, qPrintable(QString::number(player->position())));
    }
    // Play again after the end starts from the beginning.
    player->play();
    QTRY_VERIFY_WITH_TIMEOUT(player->isPlaying(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.1 && player->position() < 0.9, 5000);
}

void TestMediaPlayer::playCountRepeats() {
    MediaPlayerSettings settings;
    settings.PlayCount = 2;
    const auto player = makePlayer(settings);
    QSignalSpy finished(player.get(), &MediaPlayer::finished);
    QElapsedTimer clock;
    clock.start();
    player->Open(m_short);
    QVERIFY(finished.wait(20000));
    QVERIFY2(clock.elapsed() > 1800, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(finished.size(), 1);
}

void TestMediaPlayer::controlsShowInitialVolumeAndMute() {
    MediaPlayerSettings settings;
    settings.Volume = -600;
    settings.Mute = true;
    const auto player = makePlayer(settings);
    QCOMPARE(player->Volume(), -600);
    QVERIFY(player->Mute());
    auto* const volume = player->findChild<QSlider*>(QStringLiteral("volume"));
    const auto* const mute = player->findChild<QToolButton*>(QStringLiteral("mute"));
    QVERIFY(volume && mute);
    QCOMPARE(volume->value(), 79); // 100 * cbrt(10^-0.3)
    QVERIFY(mute->isChecked());
    // Playing, the slider drives the engine, and moving it gives the sound back.
    player->Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(player->isPlaying(), 15000);
    auto* const session = player->findChild<MpvSession*>();
    QVERIFY(session != nullptr);
    QSignalSpy engineVolume(session, &MpvSession::volumeChanged);
    QSignalSpy engineMute(session, &MpvSession::muteChanged);
    volume->setValue(50);
    QTRY_VERIFY(!engineVolume.isEmpty() &&
                qFuzzyCompare(engineVolume.last().first().toDouble(), 50.0));
    QTRY_VERIFY(!engineMute.isEmpty() && !engineMute.last().first().toBool());
    QVERIFY(!player->Mute());
    QVERIFY(!mute->isChecked());
    QCOMPARE(player->Volume(), -1806); // 20 dB * 3 * log10(0.5)
}

void TestMediaPlayer::seekBarClickJumpsThere() {
    MediaPlayerSettings settings;
    settings.AutoStart = false;
    const auto player = makePlayer(settings);
    player->Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(player->duration() > 3.5, 10000);
    auto* const tracker = player->findChild<QSlider*>(QStringLiteral("tracker"));
    QTest::mouseClick(tracker, Qt::LeftButton, {},
                      QPoint(tracker->width() * 3 / 4, tracker->height() / 2));
    // Three quarters of the way, give or take the handle's width.
    QTRY_VERIFY_WITH_TIMEOUT(std::abs(player->position() - 0.75 * player->duration()) < 0.4, 5000);
}

void TestMediaPlayer::audioOnlyShowsTitle() {
    const auto player = makePlayer();
    player->Open(m_tone);
    QTRY_COMPARE_WITH_TIMEOUT(player->message(), QStringLiteral("Evening Tone"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.3, 10000);
    // Sound alone leaves the screen to the desktop.
    QVERIFY(!player->wantsScreenAwake());
}

void TestMediaPlayer::openReplacesPlayingFile() {
    const auto player = makePlayer();
    player->Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 1.0, 15000);
    player->Open(m_short);
    QCOMPARE(player->FileName(), m_short);
    QTRY_VERIFY_WITH_TIMEOUT(std::abs(player->duration() - 1.0) < 0.2, 10000);
    QVERIFY(player->position() < 1.0);
}

void TestMediaPlayer::listPlaysInTurn_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("first"); // the entry before m_clip, and the title it shows
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("lastShown"); // a missing last entry leaves its reason in the player
    const QString gone = m_files.path(QStringLiteral("gone.mp4"));
    QTest::newRow("two files") << QStringList{m_short, m_clip} << m_short << u"short.mkv"_s
                               << false;
    QTest::newRow("one passed over")
        << QStringList{m_short, gone, m_clip} << m_short << u"short.mkv"_s << false;
    QTest::newRow("none after") << QStringList{m_short, gone} << m_short << QString() << true;
    // A list that names a missing file, and a list that names the first again.
    m_files.writeBytes(u"inner.pls"_s, "[playlist]\nFile1=clip.mp4\nFile2=list.m3u\n");
    const QString list = m_files.writeBytes(
        u"list.m3u"_s, "#EXTINF:1,Listed Title\nshort.mkv\ngone.mp4\ninner.pls\nlist.m3u\n");
    QTest::newRow("list file") << QStringList{list} << m_short << u"Listed Title"_s << false;
    const QByteArray latin1 = m_files.copyAs(m_short, "caf\xe9.mkv");
    QTest::newRow("name not UTF-8") << QStringList{entryForPath(latin1), m_clip}
                                    << entryForPath(latin1) << u"caf\ufffd.mkv"_s << false;
}

void TestMediaPlayer::listPlaysInTurn() {
    QFETCH(QStringList, entries);
    QFETCH(QString, first);
    QFETCH(QString, title);
    QFETCH(bool, lastShown);
    const auto player = makePlayer();
    QSignalSpy finished(player.get(), &MediaPlayer::finished);
    player->OpenList(entries);
    if (lastShown) {
        QTRY_VERIFY_WITH_TIMEOUT(player->message().contains(u"gone.mp4"_s), 15000);
        QCOMPARE(player->FileName(), first);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(player->FileName(), m_clip, 15000);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.3, 10000);
    QVERIFY(player->isPlaying());
    QCOMPARE(finished.size(), 0);
    // Back, and on again, by the entries rather than by seconds.
    auto* const back = player->findChild<QToolButton*>(QStringLiteral("back"));
    back->click();
    QTRY_COMPARE(player->FileName(), first);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.1, 10000);
    QCOMPARE(player->title(), title);
    QVERIFY(finished.wait(15000));
    QCOMPARE(player->FileName(), m_clip);
}

void TestMediaPlayer::filmSwitchesTracks() {
    const QString english =
        m_files.writeBytes(u"en.srt"_s, "1\n00:00:00,000 --> 00:00:09,000\nHello\n");
    const QString french =
        m_files.writeBytes(u"fr.srt"_s, "1\n00:00:00,000 --> 00:00:09,000\nSalut\n");
    const QString film = m_files.ffmpeg(
        u"film.mkv"_s,
        u"-i %1 -f lavfi -i sine=frequency=880 -i %2 -i %3 -map 0 -map 1 -map 2 -map 3 -t 4 "
        "-c:v copy -c:a aac -metadata:s:a:1 title=Commentary -metadata:s:a:1 language=fra "
        "-metadata:s:s:0 language=eng -metadata:s:s:1 language=fre"_s.arg(m_clip, english, french)
            .split(u' '));
    QVERIFY(!film.isEmpty());
    const auto player = makePlayer();
    const auto shown = [&player](MediaTrack::Kind kind) {
        const QList<MediaTrack>& tracks = player->tracks();
        const auto at = std::find_if(tracks.begin(), tracks.end(), [kind](const MediaTrack& t) {
            return t.kind == kind && t.selected;
        });
        return at == tracks.end() ? QString() : at->label;
    };
    player->Open(film);
    QTRY_COMPARE_WITH_TIMEOUT(shown(MediaTrack::Kind::Audio), u"Track 1"_s, 10000);
    QCOMPARE(player->tracks().size(), 4);
    QTest::keyClick(player.get(), Qt::Key_NumberSign);
    QTRY_COMPARE(shown(MediaTrack::Kind::Audio), u"Commentary (fra)"_s);
    QTest::keyClick(player.get(), Qt::Key_NumberSign);
    QTRY_COMPARE(shown(MediaTrack::Kind::Audio), u"Track 1"_s);
    // Subtitles go round through "off".
    QTest::keyClick(player.get(), Qt::Key_J);
    const QString first = shown(MediaTrack::Kind::Subtitle);
    QTRY_COMPARE(shown(MediaTrack::Kind::Subtitle), first == u"eng"_s ? u"fre"_s : u"eng"_s);
    QTest::keyClick(player.get(), Qt::Key_J);
    QTRY_VERIFY(shown(MediaTrack::Kind::Subtitle) != u"fre"_s);
    // Subtitles dropped on a playing film are added to it and shown.
    player->openDropped({french});
    QTRY_COMPARE(shown(MediaTrack::Kind::Subtitle), u"fr.srt"_s);
    QCOMPARE(player->FileName(), film);
}

void TestMediaPlayer::speedKeys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("speed");
    QTest::newRow("faster") << u"]]"_s << 1.21;
    QTest::newRow("slower") << u"["_s << 0.91;
    QTest::newRow("back to normal") << u"]]]\b"_s << 1.0;
    QTest::newRow("twice at most") << u"]]]]]]]]]"_s << 2.0;
    QTest::newRow("half at least") << u"[[[[[[[["_s << 0.5;
}

void TestMediaPlayer::speedKeys() {
    QFETCH(QString, keys);
    QFETCH(double, speed);
    const auto player = makePlayer();
    player->Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.1, 10000);
    QTest::keyClicks(player.get(), keys);
    QTRY_VERIFY(std::abs(player->speed() - speed) < 0.001);
}

void TestMediaPlayer::streamPlaysOrSaysWhy_data() {
    QTest::addColumn<QString>("file");    // served as /media, without ranges; empty: not found
    QTest::addColumn<QString>("message"); // the start of what the player shows; empty: plays
    QTest::newRow("plays") << m_short << QString();
    QTest::newRow("not found") << QString()
                               << u"Cannot play media:\nthere is nothing at that address "
                                  "(the server answered 404 Not Found)"_s;
    QTest::newRow("refused") << u"refused"_s << u"Cannot play media:\nthe connection was refused"_s;
    QTest::newRow("refused over RTSP")
        << u"refused rtsp"_s << u"Cannot play media:\nthe connection was refused"_s;
    // The MP4 index is at its end, beyond what the engine keeps of a stream it cannot seek in.
    QTest::newRow("index out of reach") << m_files.videoClip(u"big.mp4"_s, 20, u"640x360"_s)
                                        << u"Cannot play media:\nthe stream ended"_s;
}

void TestMediaPlayer::streamPlaysOrSaysWhy() {
    QFETCH(QString, file);
    QFETCH(QString, message);
    testing::LoopbackServer server;
    QFile body(file);
    const bool refused = file.startsWith(u"refused"_s);
    if (!file.isEmpty() && !refused) {
        QVERIFY(body.open(QIODevice::ReadOnly));
        server.route(u"/media"_s, {"Content-Type: video/x-matroska\r\n", body.readAll()});
    }
    QUrl address = server.url(u"/media"_s);
    if (refused) {
        // A port that was open a moment ago and is closed now.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        address.setPort(closed.serverPort());
        if (file.endsWith(u" rtsp"_s)) {
            address.setScheme(u"rtsp"_s);
        }
    }
    const auto player = makePlayer();
    player->Open(address.toString());
    if (message.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(player->position() > 0.3, 15000);
        QVERIFY(player->message().isEmpty());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(player->message().startsWith(message), 15000);
    }
}

void TestMediaPlayer::radioIsLiveAndNamesItsSong() {
    const QString tone = m_files.ffmpeg(
        u"station.mp3"_s, u"-f lavfi -i sine=frequency=500:duration=3 -b:a 64k -map_metadata -1 "
                          "-id3v2_version 0 -write_xing 0"_s.split(u' '));
    QFile audio(tone);
    QVERIFY(audio.open(QIODevice::ReadOnly));
    testing::IcyStation station(audio.readAll(), 8000);
    station.setTitle(u"First Artist - First Song"_s);
    const auto player = makePlayer();
    player->Open(station.url().toString());
    QTRY_COMPARE_WITH_TIMEOUT(player->title(), u"First Artist - First Song"_s, 15000);
    QTRY_VERIFY(player->isLive());
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 1.5, 10000);
    QCOMPARE(player->duration(), 0.0);
    auto* const tracker = player->findChild<QSlider*>(u"tracker"_s);
    QVERIFY(tracker != nullptr && !tracker->isEnabled());
    QVERIFY(player->findChild<QLabel*>(u"time"_s)->text().endsWith(u" / live"_s));
    // The title follows the station.
    station.setTitle(u"Second Artist - Second Song"_s);
    QTRY_COMPARE_WITH_TIMEOUT(player->title(), u"Second Artist - Second Song"_s, 10000);
    QCOMPARE(player->message(), player->title());
    // Stop leaves the stream, and Play joins it again where it is now.
    player->findChild<QToolButton*>(u"stop"_s)->click();
    QTRY_VERIFY(!player->isPlaying());
    player->findChild<QToolButton*>(u"playPause"_s)->click();
    QTRY_COMPARE(station.listeners(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(player->isPlaying() && player->position() > 0.5, 10000);
    QTRY_COMPARE(player->message(), u"Second Artist - Second Song"_s);
}

void TestMediaPlayer::hlsPlaysAsOneStream_data() {
    QTest::addColumn<QString>("entry");   // opened; "http:NAME" serves the folder hls/ over HTTP
    QTest::addColumn<int>("entries");     // in the player's list
    QTest::addColumn<double>("duration"); // the whole film's, seekable; 0: live, not ended yet
    QTest::addColumn<double>("from");     // where it is played to its end from
    QTest::addColumn<QString>("message"); // the start of what the player shows; empty: plays
    // A film of three pieces of two seconds, as a recorder leaves it.
    const QString folder = m_files.path(u"hls"_s);
    QDir().mkpath(folder);
    const QString film = m_files.ffmpeg(
        u"hls/film.m3u8"_s,
        (u"-f lavfi -i testsrc=size=160x120:rate=25 -f lavfi -i sine -t 6 -c:v libx264 -preset "
         "ultrafast -g 25 -c:a aac -f hls -hls_time 2 -hls_list_size 0 -hls_playlist_type vod "
         "-hls_segment_filename "_s +
         folder + u"/film%d.ts"_s)
            .split(u' '));
    QFile read(film);
    QVERIFY(read.open(QIODevice::ReadOnly));
    const QByteArray text = read.readAll();
    QVERIFY(text.contains("film2.ts\n#EXT-X-ENDLIST"));
    const auto write = [this, &text](const QString& name, const char* from, const char* to) {
        return m_files.writeBytes(u"hls/"_s + name, QByteArray(text).replace(from, to));
    };
    QTest::newRow("media playlist") << film << 1 << 6.0 << 4.5 << QString();
    QTest::newRow("named .m3u") << write(u"film.m3u"_s, "", "") << 1 << 6.0 << 4.5 << QString();
    QTest::newRow("named as text") << write(u"film.txt"_s, "", "") << 1 << 6.0 << 4.5 << QString();
    QTest::newRow("not ended yet")
        << write(u"live.m3u8"_s, "#EXT-X-ENDLIST", "") << 1 << 0.0 << 0.0 << QString();
    QTest::newRow("master playlist")
        << m_files.writeBytes(u"hls/master.m3u8"_s,
                              "#EXTM3U\n#EXT-X-STREAM-INF:BANDWIDTH=90000,RESOLUTION=160x120\n"
                              "film.m3u8\n#EXT-X-STREAM-INF:BANDWIDTH=180000\nfilm.m3u\n")
        << 1 << 6.0 << 4.5 << QString();
    QTest::newRow("in a list") << m_files.writeBytes(
                                      u"list.m3u8"_s,
                                      "#EXTM3U\n#EXTINF:6,Film\nhls/film.m3u8\nclip.mp4\n")
                               << 2 << 6.0 << 4.5 << QString();
    QTest::newRow("over HTTP") << u"http:film.m3u8"_s << 1 << 6.0 << 4.5 << QString();
    QTest::newRow("over HTTP, not ended yet")
        << u"http:live.m3u8"_s << 1 << 0.0 << 0.0 << QString();
    QTest::newRow("a piece missing on the way")
        << write(u"hole.m3u8"_s, "film1.ts", "gone1.ts") << 1 << 6.0 << 1.5 << QString();
    const QString missing =
        u"Cannot play gone.m3u8:\nthe stream's pieces cannot be read (the first is gone0.ts)"_s;
    const QString gone = write(u"gone.m3u8"_s, "film", "gone");
    QTest::newRow("pieces missing") << gone << 1 << 0.0 << 0.0 << missing;
    QTest::newRow("over HTTP, pieces missing") << u"http:gone.m3u8"_s << 1 << 0.0 << 0.0 << missing;
}

void TestMediaPlayer::hlsPlaysAsOneStream() {
    QFETCH(QString, entry);
    QFETCH(int, entries);
    QFETCH(double, duration);
    QFETCH(double, from);
    QFETCH(QString, message);
    testing::LoopbackServer server;
    if (entry.startsWith(u"http:"_s)) {
        const QFileInfoList files = QDir(m_files.path(u"hls"_s)).entryInfoList(QDir::Files);
        for (const QFileInfo& file : files) {
            QFile body(file.filePath());
            QVERIFY(body.open(QIODevice::ReadOnly));
            server.route(u"/"_s + file.fileName(), {{}, body.readAll()});
        }
        entry = server.url(u"/"_s + entry.mid(5)).toString();
    }
    const auto player = makePlayer();
    QSignalSpy finished(player.get(), &MediaPlayer::finished);
    player->Open(entry);
    if (!message.isEmpty()) {
        QTRY_VERIFY2_WITH_TIMEOUT(player->message().startsWith(message),
                                  qPrintable(player->message()), 15000);
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(player->isPlaying() && player->position() > 0.3, 15000);
    QCOMPARE(player->list().count(), entries);
    // An unended one is live: its end is not known yet.
    QTRY_COMPARE(player->isLive(), duration == 0);
    if (duration == 0) {
        return;
    }
    QVERIFY2(std::abs(player->duration() - duration) < 0.2,
             qPrintable(QString::number(player->duration())));
    player->seek(from);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() >= from - 0.1, 5000);
    if (entries > 1) {
        QTRY_COMPARE_WITH_TIMEOUT(player->FileName(), m_clip, 15000);
    } else {
        QVERIFY(finished.wait(15000));
        QVERIFY(player->message().isEmpty());
    }
}

void TestMediaPlayer::repeatGoesRound_data() {
    QTest::addColumn<int>("repeat");
    QTest::addColumn<QStringList>("played"); // in turn, over five seconds
    QTest::addColumn<bool>("finishes");
    QTest::newRow("off") << static_cast<int>(Repeat::Off)
                         << QStringList{u"short.mkv"_s, u"tone.mp3"_s} << true;
    QTest::newRow("the whole list")
        << static_cast<int>(Repeat::List)
        << QStringList{u"short.mkv"_s, u"tone.mp3"_s, u"short.mkv"_s, u"tone.mp3"_s} << false;
    QTest::newRow("this entry") << static_cast<int>(Repeat::Entry) << QStringList{u"short.mkv"_s}
                                << false;
}

void TestMediaPlayer::repeatGoesRound() {
    QFETCH(int, repeat);
    QFETCH(QStringList, played);
    QFETCH(bool, finishes);
    const auto player = makePlayer();
    QSignalSpy finished(player.get(), &MediaPlayer::finished);
    QStringList seen;
    connect(player.get(), &MediaPlayer::changed, player.get(), [&seen, &player] {
        const QString name = shownName(player->FileName());
        if (seen.value(seen.size() - 1) != name) {
            seen.append(name);
        }
    });
    player->setRepeat(static_cast<Repeat>(repeat));
    player->OpenList({m_short, m_tone});
    if (static_cast<Repeat>(repeat) == Repeat::Entry) {
        // The entry goes back to its start rather than on.
        double furthest = 0.0;
        QTRY_VERIFY_WITH_TIMEOUT((furthest = std::max(furthest, player->position()),
                                  furthest > 0.5 && player->position() < 0.3),
                                 10000);
    }
    QTest::qWait(5000);
    QCOMPARE(seen.mid(0, played.size()), played);
    QCOMPARE(finished.isEmpty(), !finishes);
}

QString TestMediaPlayer::chapteredFilm() {
    const QString chapters = m_files.writeBytes(
        u"chapters.txt"_s, ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=4000\n"
                           "title=Opening\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=4000\nEND=8000\n"
                           "title=Middle\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=8000\nEND=12000\n"
                           "title=Ending\n");
    return m_files.ffmpeg(u"chapters.mkv"_s,
                          u"-f lavfi -i testsrc2=size=320x180:rate=25:duration=12 -i %1 "
                          "-map_chapters 1 -c:v libx264 -preset ultrafast -g 25"_s.arg(chapters)
                              .split(u' '));
}

void TestMediaPlayer::chaptersLoopsAndFrames() {
    const QString film = chapteredFilm();
    QVERIFY(!film.isEmpty());
    const auto player = makePlayer();
    player->Open(film);
    QTRY_COMPARE_WITH_TIMEOUT(player->marks().chapters().size(), 3, 10000);
    QCOMPARE(player->marks().chapters().at(1).title, u"Middle"_s);
    QTest::keyClick(player.get(), Qt::Key_PageDown);
    QTRY_VERIFY(player->position() >= 4.0 && player->position() < 5.0);
    QTest::keyClick(player.get(), Qt::Key_PageDown);
    QTRY_VERIFY(player->position() >= 8.0);
    QTest::keyClick(player.get(), Qt::Key_PageUp);
    QTRY_VERIFY(player->position() >= 4.0 && player->position() < 5.0);

    // A-B: from 5 s to 6 s, round and round, until a third L.
    player->seek(5.0);
    QTRY_VERIFY(player->position() >= 5.0);
    QTest::keyClick(player.get(), Qt::Key_L);
    QTRY_VERIFY(player->position() >= 6.0);
    QTest::keyClick(player.get(), Qt::Key_L);
    const double loopEnd = player->position();
    double furthest = loopEnd;
    double last = loopEnd;
    int roundsBack = 0;
    // Back to A, and again from B: round and round, never far past B.
    QTRY_VERIFY_WITH_TIMEOUT((furthest = std::max(furthest, player->position()),
                              roundsBack += player->position() < last - 0.5 ? 1 : 0,
                              last = player->position(), roundsBack >= 2),
                             10000);
    QVERIFY2(furthest < loopEnd + 1.0, qPrintable(QString::number(furthest)));
    QTest::keyClick(player.get(), Qt::Key_L);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 7.0, 5000);

    // A frame each way, paused there.
    QTest::keyClick(player.get(), Qt::Key_Period);
    QTRY_VERIFY(!player->isPlaying());
    QTest::qWait(300);
    const double stopped = player->position();
    QTest::keyClick(player.get(), Qt::Key_Period);
    QTRY_COMPARE(std::lround((player->position() - stopped) * 100), 4L);
    QTest::keyClick(player.get(), Qt::Key_Comma);
    QTRY_COMPARE(std::lround((player->position() - stopped) * 100), 0L);
    QTest::keyClick(player.get(), Qt::Key_Comma);
    QTRY_COMPARE(std::lround((player->position() - stopped) * 100), -4L);
    QVERIFY(!player->isPlaying());
}

void TestMediaPlayer::screenshotAtTheFilmsSize() {
    const QString film = chapteredFilm();
    const QString pictures = m_files.path(u"My Pictures"_s);
    // Where the user's folders are said to be, as the desktop writes it.
    const testing::PicturesFolder picturesFolder(m_files, pictures);
    const auto player = makePlayer();
    player->Open(film);
    QTRY_VERIFY_WITH_TIMEOUT(player->position() > 1.0, 10000);
    // Twice at once: the second is not written over the first.
    player->pause();
    QTest::keyClick(player.get(), Qt::Key_S);
    QTest::keyClick(player.get(), Qt::Key_S);
    QTRY_COMPARE_WITH_TIMEOUT(QDir(pictures).entryList(QDir::Files).size(), 2, 10000);
    for (const QString& name : QDir(pictures).entryList(QDir::Files)) {
        QVERIFY2(name.startsWith(u"chapters 0-00-0"_s) && name.endsWith(u".png"_s),
                 qPrintable(name));
        QTRY_COMPARE(QImage(QDir(pictures).filePath(name)).size(), QSize(320, 180));
    }
}

void TestMediaPlayer::previewIsSmallAndPaced() {
    const QString film = chapteredFilm();
    FramePreview preview(nullptr);
    QSignalSpy pictures(&preview, &FramePreview::picture);
    preview.setFile(film);
    // The pointer sweeps the bar: fifty moments asked for in half a second.
    for (int step = 0; step < 50; ++step) {
        preview.show(step * 0.2);
        QTest::qWait(10);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!pictures.isEmpty(), 10000);
    QVERIFY2(pictures.size() <= 8, qPrintable(QString::number(pictures.size())));
    const auto image = pictures.last().at(0).value<QImage>();
    QCOMPARE(image.size(), FramePreview::kSize);
    // A picture of the film, not an empty frame.
    QVERIFY(image.pixel(80, 45) != image.pixel(2, 45) ||
            image.pixel(80, 45) != image.pixel(158, 45));
    preview.rest();
    preview.setFile(u"http://radio.example/live"_s);
    pictures.clear();
    preview.show(1.0);
    QTest::qWait(500);
    QVERIFY(pictures.isEmpty());
}

void TestMediaPlayer::listBesideThePicture_data() {
    QTest::addColumn<bool>("beside"); // the window allows it
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("shown");
    QTest::newRow("a list in the player window") << true << 3 << true;
    QTest::newRow("one file") << true << 1 << false;
    QTest::newRow("the main window's small player") << false << 3 << false;
}

void TestMediaPlayer::listBesideThePicture() {
    QFETCH(bool, beside);
    QFETCH(int, entries);
    QFETCH(bool, shown);
    MediaPlayerSettings settings;
    settings.ListBeside = beside;
    const auto player = makePlayer(settings);
    player->resize(600, 300);
    const QStringList files = QStringList{m_clip, m_short, m_tone}.mid(0, entries);
    player->OpenList(files);
    QTest::keyClick(player.get(), Qt::Key_F9);
    auto* const list = player->findChild<QListWidget*>(u"playlist"_s);
    QVERIFY(list != nullptr);
    QCOMPARE(list->isVisible(), shown);
    if (!shown) {
        return;
    }
    QCOMPARE(list->count(), 3);
    QVERIFY(list->item(0)->font().bold());
    // Return plays the entry chosen, and Delete takes one out.
    list->setFocus();
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_COMPARE(player->FileName(), m_tone);
    QVERIFY(list->item(2)->font().bold());
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 2);
    QCOMPARE(player->list().entries(), (QStringList{m_short, m_tone}));
    QTest::keyClick(player.get(), Qt::Key_F9);
    QVERIFY(!list->isVisible());
}

QTEST_MAIN(TestMediaPlayer)
#include "tst_mediaplayer.moc"
