#include "Fixtures.h"
#include "MediaPlayer.h"
#include "errors/RuntimeError.h"
#include "media/VideoOutputChoice.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <memory>
#include <sys/stat.h>

using namespace vyx;

// Every kind of broken, odd or hostile file the player may be handed. Each must be refused at
// once, or play, or end, or show why it cannot play, within a few seconds; never crash or hang.
// The same player then still plays a good file.
class TestMalformed : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void input_data();
    void input();
    void oldFormatsPlay_data();
    void oldFormatsPlay();
    void unplayableTailEnds_data();
    void unplayableTailEnds();

private:
    QString good(const QString& name, const QStringList& args);
    QString truncated(const QString& source, const QString& name, qint64 size);
    QString bytes(const QString& name, const QByteArray& data) {
        return m_files.writeBytes(name, data);
    }

    testing::Fixtures m_files;
    VideoOutputChoice m_outputs{VideoOutputMode::Auto};
    std::unique_ptr<MediaPlayer> m_player;
    QString m_mp4;
    QString m_mkv;
    QString m_good;
    int m_tried = 0;
};

QString TestMalformed::good(const QString& name, const QStringList& args) {
    QStringList all{QStringLiteral("-f"), QStringLiteral("lavfi"),
                    QStringLiteral("-i"), QStringLiteral("testsrc=size=160x120:rate=25"),
                    QStringLiteral("-f"), QStringLiteral("lavfi"),
                    QStringLiteral("-i"), QStringLiteral("sine=frequency=500"),
                    QStringLiteral("-t"), QStringLiteral("1.5")};
    return m_files.ffmpeg(name, all + args);
}

QString TestMalformed::truncated(const QString& source, const QString& name, qint64 size) {
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return bytes(name, file.read(size < 0 ? file.size() / 2 : size));
}

void TestMalformed::initTestCase() {
    m_mp4 = m_files.videoClip(QStringLiteral("source.mp4"), 2);
    m_mkv = m_files.videoClip(QStringLiteral("source.mkv"), 2);
    m_good = m_files.videoClip(QStringLiteral("good.mp4"), 3);
    QVERIFY(!m_mp4.isEmpty() && !m_mkv.isEmpty() && !m_good.isEmpty());
    m_player = std::make_unique<MediaPlayer>(MediaPlayerSettings{}, m_outputs, nullptr);
    m_player->resize(320, 260);
    m_player->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_player.get()));
}

void TestMalformed::cleanupTestCase() {
    qInfo("malformed inputs tried: %d", m_tried);
    m_player.reset();
}

void TestMalformed::input_data() {
    QTest::addColumn<QString>("path");
    QRandomGenerator random(20261208);
    const auto noise = [&](int size) {
        QByteArray data(size, '\0');
        for (char& byte : data) {
            byte = static_cast<char>(random.bounded(256));
        }
        return data;
    };

    for (const char* name : {"zero.mp4", "zero.mp3", "zero.avi", "zero.mkv"}) {
        QTest::newRow(name) << bytes(QLatin1String(name), {});
    }
    for (const qint64 size : {100, 1000, 5000, 20000, -1}) {
        QTest::addRow("truncated mp4 %lld", size)
            << truncated(m_mp4, QStringLiteral("cut%1.mp4").arg(size), size);
    }
    for (const qint64 size : {100, 1000, 5000, -1}) {
        QTest::addRow("truncated mkv %lld", size)
            << truncated(m_mkv, QStringLiteral("cut%1.mkv").arg(size), size);
    }
    for (const char* name :
         {"noise.mp4", "noise.mp3", "noise.avi", "noise.mkv", "noise.wav", "noise.ogg"}) {
        QTest::newRow(name) << bytes(QLatin1String(name), noise(64 * 1024));
    }
    for (const char* name : {"words.mp3", "words.mp4", "words.avi", "words.wav"}) {
        QTest::newRow(name) << bytes(QLatin1String(name), "This is not a recording, just text.\n");
    }
    // Headers that promise absurd pictures and sounds.
    QTest::newRow("huge y4m") << bytes(QStringLiteral("huge.y4m"),
                                       "YUV4MPEG2 W100000 H100000 F25:1 Ip A1:1 C420jpeg\nFRAME\n" +
                                           noise(4096));
    QByteArray wav("RIFF\xff\xff\xff\x7fWAVEfmt "
                   "\x10\0\0\0\x01\0\xff\xff\xff\xff\xff\x7f\xff\xff\xff\x7f\xff\xff\x10\0data\xff"
                   "\xff\xff\x7f",
                   44);
    QTest::newRow("absurd wav") << bytes(QStringLiteral("absurd.wav"), wav + noise(2048));
    QTest::newRow("avi header, noise") << bytes(
        QStringLiteral("header.avi"), QByteArray("RIFF\0\0\x10\0AVI LIST", 16) + noise(8192));
    QByteArray flipped;
    {
        QFile file(m_mp4);
        if (file.open(QIODevice::ReadOnly)) {
            flipped = file.readAll();
        }
    }
    for (qsizetype i = flipped.size() / 3; i < flipped.size() / 3 + 2000 && i < flipped.size();
         ++i) {
        flipped[i] = static_cast<char>(~flipped[i]);
    }
    QTest::newRow("mp4 with damaged middle") << bytes(QStringLiteral("damaged.mp4"), flipped);
    if (flipped.size() > 64) {
        flipped[40] = '\xff';
        flipped[41] = '\xff';
    }
    QTest::newRow("mp4 with damaged box size") << bytes(QStringLiteral("badbox.mp4"), flipped);

    const QString folder = m_files.path(QStringLiteral("folder.mp4"));
    QDir().mkpath(folder);
    QTest::newRow("folder") << folder;
    const QString fifo = m_files.path(QStringLiteral("fifo.mp3"));
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    QTest::newRow("fifo") << fifo;
    const QString dangling = m_files.path(QStringLiteral("dangling.mp4"));
    QFile::link(m_files.path(QStringLiteral("nothing-there.mp4")), dangling);
    QTest::newRow("dangling link") << dangling;
    const QString link = m_files.path(QStringLiteral("link.mp4"));
    QFile::link(m_good, link);
    QTest::newRow("link to a clip") << link;
    QTest::newRow("no name") << QString();
    QTest::newRow("missing") << m_files.path(QStringLiteral("missing.mp4"));

    QTest::newRow("spaces") << good(QStringLiteral("a clip with spaces.mp4"), {});
    QTest::newRow("quotes") << good(QStringLiteral("it's \"quoted\".mkv"), {});
    QTest::newRow("non-ASCII") << good(QStringLiteral("vidéo ünïcödé 映像.webm"), {});
    QTest::newRow("leading dash") << good(QStringLiteral("-dash.mp4"), {});
    QTest::newRow("wav") << m_files.toneClip(QStringLiteral("tone.wav"), 1);
    QTest::newRow("mp3") << m_files.toneClip(QStringLiteral("tone.mp3"), 1);
    QTest::newRow("ogg") << m_files.toneClip(QStringLiteral("tone.ogg"), 1);
    QTest::newRow("flac") << m_files.toneClip(QStringLiteral("tone.flac"), 1);
    QTest::newRow("avi") << good(QStringLiteral("clip.avi"), {});
    QTest::newRow("mpg") << good(QStringLiteral("clip.mpg"), {});
    QTest::newRow("mkv") << good(QStringLiteral("clip.mkv"), {});
    QTest::newRow("mp4 named mp3")
        << good(QStringLiteral("video.mp3"), {QStringLiteral("-f"), QStringLiteral("mp4")});
}

void TestMalformed::input() {
    QFETCH(QString, path);
    ++m_tried;
    MediaPlayer& player = *m_player;
    QSignalSpy finished(&player, &MediaPlayer::finished);
    QElapsedTimer clock;
    clock.start();
    try {
        player.Open(path);
    } catch (const RuntimeError& error) {
        QVERIFY2(clock.elapsed() < 1000, "a refusal must come at once");
        QVERIFY(!error.description().isEmpty());
    }
    // Refused, playing, ended or explained: one of them within the time bound. A title in place
    // of a picture explains nothing.
    const bool settled = QTest::qWaitFor(
        [&] {
            return player.FileName() != path ||
                   player.message().startsWith(QLatin1String("Cannot play")) ||
                   !finished.isEmpty() || (player.isPlaying() && player.position() > 0.1);
        },
        8000);
    QVERIFY2(settled, qPrintable(QStringLiteral("no outcome for %1").arg(path)));

    player.Open(m_good);
    QTRY_VERIFY_WITH_TIMEOUT(
        player.isPlaying() && player.position() > 0.2 && player.message().isEmpty(), 10000);
}

void TestMalformed::oldFormatsPlay_data() {
    QTest::addColumn<QString>("path");
    const auto made = [this](const char* name, const char* codecs) {
        return good(QLatin1String(name), QString::fromLatin1(codecs).split(u' '));
    };
    QTest::newRow("Cinepak in QuickTime") << made("cinepak.mov", "-c:v cinepak -c:a pcm_s16be");
    QTest::newRow("MS Video 1, 8-bit sound in AVI")
        << made("msvideo1.avi", "-c:v msvideo1 -c:a pcm_u8 -ar 11025");
    QTest::newRow("QuickTime Animation, IMA ADPCM")
        << made("qtrle.mov", "-c:v qtrle -c:a adpcm_ima_qt");
    // mkvmerge keeps a QuickTime file's video under the codec id V_QUICKTIME, which the
    // engine's own Matroska reader does not know.
    const QString matroska = m_files.path(QStringLiteral("cinepak.mkv"));
    QProcess::execute(QStringLiteral("mkvmerge"),
                      {QStringLiteral("-q"), QStringLiteral("-o"), matroska,
                       m_files.path(QStringLiteral("cinepak.mov"))});
    QTest::newRow("QuickTime codec in Matroska") << matroska;
}

void TestMalformed::oldFormatsPlay() {
    QFETCH(QString, path);
    QVERIFY(QFile::exists(path));
    m_player->Open(path);
    QTRY_VERIFY2_WITH_TIMEOUT(m_player->position() > 0.5,
                              qPrintable(QStringLiteral("at %1, %2, playing %3")
                                             .arg(m_player->position())
                                             .arg(m_player->message())
                                             .arg(m_player->isPlaying())),
                              10000);
    QVERIFY(m_player->message().isEmpty());
}

void TestMalformed::unplayableTailEnds_data() {
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("plays");
    QTest::addColumn<bool>("afterAnother");
    // Too little sound to open the file before the tail: it cannot be played at all.
    QTest::newRow("met while opening") << 1.0 << false << false;
    QTest::newRow("met while playing") << 3.0 << true << false;
    // The file it replaces opens meanwhile, which says nothing of this one.
    QTest::newRow("met while opening, just after another file") << 1.0 << false << true;
}

void TestMalformed::unplayableTailEnds() {
    QFETCH(double, seconds);
    QFETCH(bool, plays);
    QFETCH(bool, afterAnother);
    // Sound, then 2 GB of nothing (sparse): the engine's parser would keep every byte of it
    // while it looks for the next frame.
    const QString path = m_files.toneClip(QStringLiteral("endless%1.mp3").arg(seconds), seconds);
    QVERIFY(QFile::resize(path, 2LL << 30));
    MediaPlayer& player = *m_player;
    QSignalSpy finished(&player, &MediaPlayer::finished);
    const qint64 before = testing::residentMiB();
    qint64 peak = before;
    if (afterAnother) {
        // The engine opens that file while this thread is busy, so its opening is told only
        // after the next Open.
        player.Open(m_good);
        QThread::msleep(500);
    }
    player.Open(path);
    QVERIFY(QTest::qWaitFor(
        [&] {
            peak = std::max(peak, testing::residentMiB());
            return !player.isPlaying();
        },
        30000));
    QVERIFY2(peak - before < 350, qPrintable(QStringLiteral("grew %1 MiB").arg(peak - before)));
    QCOMPARE(finished.size(), plays ? 1 : 0);
    QCOMPARE(player.message().startsWith(QStringLiteral("Cannot play")), !plays);
    // A failure met after Open leaves the player ready for the next file.
    player.Open(m_good);
    QTRY_VERIFY_WITH_TIMEOUT(
        player.isPlaying() && player.position() > 0.2 && player.message().isEmpty(), 10000);
}

QTEST_MAIN(TestMalformed)
#include "tst_malformed.moc"
