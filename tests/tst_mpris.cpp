#include "Fixtures.h"
#include "IcyStation.h"
#include "MediaPlayer.h"
#include "MprisService.h"
#include "media/VideoOutputChoice.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace vyx;
using namespace Qt::StringLiterals;

namespace {

const QString kService = u"org.mpris.MediaPlayer2.vyxplayer"_s;
const QString kPath = u"/org/mpris/MediaPlayer2"_s;
const QString kPlayer = u"org.mpris.MediaPlayer2.Player"_s;
const QString kProperties = u"org.freedesktop.DBus.Properties"_s;
const QString kControls = u"controls"_s;

} // namespace

// What the desktop's media controls hear from the player.
class Listener final : public QObject {
    Q_OBJECT
public:
    QList<qlonglong> seeked;
    QList<QVariantMap> changed;

public Q_SLOTS:
    void onSeeked(qlonglong position) { seeked.append(position); }
    void onChanged(const QString& /*interface*/, const QVariantMap& properties,
                   const QStringList& /*invalidated*/) {
        changed.append(properties);
    }
};

// The player as the desktop's media controls reach it: through the session bus, from a
// connection of their own.
class TestMpris : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void propertiesWritten_data();
    void propertiesWritten();
    void openUriRefusedWithReason_data();
    void openUriRefusedWithReason();
    void openUriPlaysWhatItNames_data();
    void openUriPlaysWhatItNames();
    void positionForTheCurrentEntryOnly();
    void seekPastTheEndGoesOnAndQuitAsks();
    void speaksForThePlayerThatPlayedLast();

private:
    QDBusMessage call(const QString& method, const QVariantList& arguments,
                      const QString& interface = kPlayer) const;
    [[nodiscard]] QVariant property(const QString& name) const;
    [[nodiscard]] QString playingUrl() const;
    [[nodiscard]] QVariantMap metadata() const;
    void listen(Listener& listener);

    testing::Fixtures m_files;
    QString m_clip;
    QString m_other;
    std::unique_ptr<MprisService> m_service;
    VideoOutputChoice m_outputs{VideoOutputMode::Auto};
    std::unique_ptr<MediaPlayer> m_player;
    std::unique_ptr<testing::IcyStation> m_station;
    QDBusConnection m_controls{QString()};
};

void TestMpris::initTestCase() {
    if (!QDBusConnection::sessionBus().isConnected()) {
        QSKIP("no session bus: run under dbus-run-session");
    }
    m_clip = m_files.videoClip(u"clip.mp4"_s, 6);
    m_other = m_files.videoClip(u"other.mkv"_s, 6, u"160x120"_s);
    QVERIFY(!m_clip.isEmpty() && !m_other.isEmpty());
    QFile tone(m_files.ffmpeg(u"station.mp3"_s, u"-f lavfi -i sine=duration=3 -b:a 64k "
                                                "-map_metadata -1 -id3v2_version 0"_s.split(u' ')));
    QVERIFY(tone.open(QIODevice::ReadOnly));
    m_station = std::make_unique<testing::IcyStation>(tone.readAll(), 8000);
    m_station->setTitle(u"Some Artist - Some Song"_s);
}

void TestMpris::init() {
    m_service = std::make_unique<MprisService>(nullptr);
    m_player = std::make_unique<MediaPlayer>(MediaPlayerSettings{}, m_outputs, nullptr);
    m_service->follow(m_player.get());
    m_controls = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kControls);
}

void TestMpris::cleanup() {
    m_player.reset();
    m_service.reset();
    QDBusConnection::disconnectFromBus(kControls);
}

QDBusMessage TestMpris::call(const QString& method, const QVariantList& arguments,
                             const QString& interface) const {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
    message.setArguments(arguments);
    // The player answers from this thread's event loop, which must go on meanwhile.
    return m_controls.call(message, QDBus::BlockWithGui);
}

QVariant TestMpris::property(const QString& name) const {
    const QDBusMessage reply = call(u"Get"_s, {kPlayer, name}, kProperties);
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

QVariantMap TestMpris::metadata() const {
    return qdbus_cast<QVariantMap>(property(u"Metadata"_s).value<QDBusArgument>());
}

QString TestMpris::playingUrl() const {
    return metadata().value(u"xesam:url"_s).toString();
}

void TestMpris::listen(Listener& listener) {
    QVERIFY(m_controls.connect(kService, kPath, kPlayer, u"Seeked"_s, &listener,
                               SLOT(onSeeked(qlonglong))));
    QVERIFY(m_controls.connect(kService, kPath, kProperties, u"PropertiesChanged"_s, &listener,
                               SLOT(onChanged(QString, QVariantMap, QStringList))));
}

void TestMpris::propertiesWritten_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("read");
    QTest::newRow("volume") << u"Volume"_s << QVariant(0.5) << QVariant(0.5);
    QTest::newRow("volume above full") << u"Volume"_s << QVariant(3.0) << QVariant(1.0);
    QTest::newRow("rate") << u"Rate"_s << QVariant(1.5) << QVariant(1.5);
    QTest::newRow("rate beyond the maximum") << u"Rate"_s << QVariant(4.0) << QVariant(2.0);
    // MPRIS: a rate of 0 is not a pause; it is ignored.
    QTest::newRow("rate zero") << u"Rate"_s << QVariant(0.0) << QVariant(1.0);
    QTest::newRow("loop the list")
        << u"LoopStatus"_s << QVariant(u"Playlist"_s) << QVariant(u"Playlist"_s);
    QTest::newRow("loop the track")
        << u"LoopStatus"_s << QVariant(u"Track"_s) << QVariant(u"Track"_s);
    QTest::newRow("not a loop status")
        << u"LoopStatus"_s << QVariant(u"Forever"_s) << QVariant(u"None"_s);
    QTest::newRow("shuffle") << u"Shuffle"_s << QVariant(true) << QVariant(true);
}

void TestMpris::propertiesWritten() {
    QFETCH(QString, name);
    QFETCH(QVariant, written);
    QFETCH(QVariant, read);
    const QDBusMessage reply =
        call(u"Set"_s, {kPlayer, name, QVariant::fromValue(QDBusVariant(written))}, kProperties);
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(property(name), read);
    // What the player does, as its own menu shows it.
    const QMap<QString, QVariant> played{
        {u"Volume"_s, m_player->volumePercent() / 100.0},
        {u"Rate"_s, m_player->speed()},
        {u"LoopStatus"_s, QStringList{u"None"_s, u"Track"_s, u"Playlist"_s}.at(
                              static_cast<int>(m_player->repeat()))},
        {u"Shuffle"_s, m_player->shuffled()}};
    QCOMPARE(played.value(name), read);
}

void TestMpris::openUriRefusedWithReason_data() {
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("saying");
    QTest::newRow("a scheme of this machine's")
        << u"fd://0"_s << u"org.freedesktop.DBus.Error.NotSupported"_s << u"http"_s;
    QTest::newRow("listening without a port")
        << u"udp://@"_s << u"org.freedesktop.DBus.Error.InvalidArgs"_s << u"udp://@"_s;
    QTest::newRow("missing file") << QUrl::fromLocalFile(m_files.path(u"gone.mp4"_s)).toString()
                                  << u"org.freedesktop.DBus.Error.InvalidArgs"_s << u"gone.mp4"_s;
    QTest::newRow("not media")
        << QUrl::fromLocalFile(m_files.writeBytes(u"notes.mp4"_s, "just words\n")).toString()
        << u"org.freedesktop.DBus.Error.InvalidArgs"_s << u"notes.mp4"_s;
}

void TestMpris::openUriRefusedWithReason() {
    QFETCH(QString, uri);
    QFETCH(QString, error);
    QFETCH(QString, saying);
    const QDBusMessage reply = call(u"OpenUri"_s, {uri});
    QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(reply.errorName(), error);
    QVERIFY2(reply.errorMessage().contains(saying), qPrintable(reply.errorMessage()));
    QVERIFY(m_player->FileName().isEmpty());
}

void TestMpris::openUriPlaysWhatItNames_data() {
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("url"); // xesam:url once it plays
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("artist"); // empty: none said
    QTest::addColumn<bool>("length");
    const QString clip = QUrl::fromLocalFile(m_clip).toString(QUrl::FullyEncoded);
    const QString latin1 =
        u"file://"_s +
        QString::fromLatin1(m_files.copyAs(m_clip, "caf\xe9.mp4").toPercentEncoding("/"));
    QTest::newRow("name not UTF-8") << latin1 << latin1 << u"caf\ufffd.mp4"_s << QString() << true;
    const QString list = m_files.writeBytes(u"list.m3u"_s, "#EXTINF:6,From The List\nclip.mp4\n");
    QTest::newRow("playlist") << QUrl::fromLocalFile(list).toString() << clip << u"From The List"_s
                              << QString() << true;
    const QString station = m_station->url().toString();
    QTest::newRow("radio station")
        << station << station << u"Some Song"_s << u"Some Artist"_s << false;
}

void TestMpris::openUriPlaysWhatItNames() {
    QFETCH(QString, uri);
    QFETCH(QString, url);
    QFETCH(QString, title);
    QFETCH(QString, artist);
    QFETCH(bool, length);
    QCOMPARE(call(u"OpenUri"_s, {uri}).type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY_WITH_TIMEOUT(m_player->isPlaying() && m_player->position() > 0.5, 15000);
    QTRY_COMPARE(metadata().value(u"xesam:title"_s).toString(), title);
    const QVariantMap said = metadata();
    QCOMPARE(said.value(u"xesam:url"_s).toString(), url);
    QCOMPARE(said.value(u"xesam:artist"_s).toStringList(),
             artist.isEmpty() ? QStringList() : QStringList{artist});
    QCOMPARE(said.contains(u"mpris:length"_s), length);
}

void TestMpris::positionForTheCurrentEntryOnly() {
    Listener listener;
    listen(listener);
    m_player->Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(m_player->duration() > 5.5, 15000);
    m_player->pause();
    QTRY_VERIFY(listener.changed.contains(QVariantMap{{u"PlaybackStatus"_s, u"Paused"_s}}) ||
                property(u"PlaybackStatus"_s) == u"Paused"_s);
    const QDBusArgument metadata = property(u"Metadata"_s).value<QDBusArgument>();
    const auto track = qdbus_cast<QVariantMap>(metadata).value(u"mpris:trackid"_s);
    const QDBusObjectPath current = qvariant_cast<QDBusObjectPath>(track);
    QVERIFY(current.path().startsWith(u"/org/vyxplayer/entry/"_s));

    // A position meant for an entry that has been replaced, or outside this one, is ignored.
    call(u"SetPosition"_s,
         {QVariant::fromValue(QDBusObjectPath(u"/org/vyxplayer/entry/999"_s)), 4'000'000LL});
    call(u"SetPosition"_s, {QVariant::fromValue(current), -1'000'000LL});
    call(u"SetPosition"_s, {QVariant::fromValue(current), 60'000'000LL});
    QVERIFY(listener.seeked.isEmpty());
    call(u"SetPosition"_s, {QVariant::fromValue(current), 4'000'000LL});
    QTRY_COMPARE(listener.seeked.size(), 1);
    QCOMPARE(listener.seeked.constLast(), 4'000'000LL);
    QTRY_VERIFY(std::abs(m_player->position() - 4.0) < 0.2);
    // Seek is relative, and never before the start.
    call(u"Seek"_s, {-10'000'000LL});
    QTRY_COMPARE(listener.seeked.size(), 2);
    QCOMPARE(listener.seeked.constLast(), 0LL);

    listener.changed.clear();
    call(u"Play"_s, {});
    QTRY_VERIFY(std::any_of(listener.changed.cbegin(), listener.changed.cend(), [](const auto& c) {
        return c.value(u"PlaybackStatus"_s) == u"Playing"_s;
    }));
}

void TestMpris::seekPastTheEndGoesOnAndQuitAsks() {
    m_player->OpenList({m_clip, m_other});
    QTRY_VERIFY_WITH_TIMEOUT(m_player->duration() > 5.5, 15000);
    call(u"Seek"_s, {60'000'000LL});
    QTRY_COMPARE(m_player->FileName(), m_other);
    QTRY_VERIFY_WITH_TIMEOUT(m_player->position() > 0.2 && m_player->duration() > 5.5, 10000);
    // Past the end of the last entry is its end.
    QSignalSpy finished(m_player.get(), &MediaPlayer::finished);
    call(u"Seek"_s, {60'000'000LL});
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(m_player->FileName(), m_other);

    QSignalSpy quit(m_service.get(), &MprisService::quitRequested);
    const QDBusMessage canQuit =
        call(u"Get"_s, {u"org.mpris.MediaPlayer2"_s, u"CanQuit"_s}, kProperties);
    QCOMPARE(canQuit.arguments().value(0).value<QDBusVariant>().variant(), QVariant(true));
    call(u"Quit"_s, {}, u"org.mpris.MediaPlayer2"_s);
    QTRY_COMPARE(quit.size(), 1);
}

void TestMpris::speaksForThePlayerThatPlayedLast() {
    MediaPlayer second(MediaPlayerSettings{}, m_outputs, nullptr);
    m_service->follow(&second);
    m_player->Open(m_clip);
    QTRY_VERIFY_WITH_TIMEOUT(m_player->isPlaying() && m_player->position() > 0.2, 15000);
    QCOMPARE(playingUrl(), QUrl::fromLocalFile(m_clip).toString());
    second.Open(m_other);
    QTRY_VERIFY_WITH_TIMEOUT(second.isPlaying() && second.position() > 0.2, 15000);
    QTRY_COMPARE(playingUrl(), QUrl::fromLocalFile(m_other).toString());
    // Commands reach the one spoken for only.
    call(u"Pause"_s, {});
    QTRY_VERIFY(!second.isPlaying());
    QVERIFY(m_player->isPlaying());
}

QTEST_MAIN(TestMpris)
#include "tst_mpris.moc"
