#include "MprisAdaptors.h"

#include "EntryTitle.h"
#include "MediaPlayer.h"
#include "MprisService.h"
#include "errors/RuntimeError.h"
#include "media/MediaSource.h"
#include "system/LocalPath.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QUrl>
#include <array>
#include <utility>

namespace vyx {

namespace {

constexpr double kMicroseconds = 1e6;

} // namespace

MprisRootAdaptor::MprisRootAdaptor(QObject* object, MprisService& service)
    : QDBusAbstractAdaptor(object)
    , m_service(service) {}

QString MprisRootAdaptor::identity() {
    return QGuiApplication::applicationName();
}

QString MprisRootAdaptor::desktopEntry() {
    return QGuiApplication::desktopFileName();
}

QStringList MprisRootAdaptor::supportedUriSchemes() {
    return QStringList{QStringLiteral("file")} + streamSchemes();
}

QStringList MprisRootAdaptor::supportedMimeTypes() {
    return {QStringLiteral("audio/mpeg"),
            QStringLiteral("audio/ogg"),
            QStringLiteral("audio/wav"),
            QStringLiteral("video/mp4"),
            QStringLiteral("video/webm"),
            QStringLiteral("video/x-matroska"),
            QStringLiteral("audio/x-mpegurl"),
            QStringLiteral("audio/x-scpls"),
            QStringLiteral("application/vnd.apple.mpegurl")};
}

void MprisRootAdaptor::Quit() {
    Q_EMIT m_service.quitRequested();
}

bool MprisRootAdaptor::fullscreen() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr && player->isShownFullScreen();
}

void MprisRootAdaptor::setFullscreen(bool on) {
    if (MediaPlayer* const player = m_service.player()) {
        player->setFullScreen(on);
    }
}

void MprisRootAdaptor::Raise() {
    if (MediaPlayer* const player = m_service.player()) {
        QWidget* const window = player->window();
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
    }
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisObject* object, MprisService& service)
    : QDBusAbstractAdaptor(object)
    , m_object(object)
    , m_service(service) {}

QString MprisPlayerAdaptor::playbackStatus() const {
    const MediaPlayer* const player = m_service.player();
    if (player == nullptr || !player->isLoaded()) {
        return QStringLiteral("Stopped");
    }
    return player->isPlaying() ? QStringLiteral("Playing") : QStringLiteral("Paused");
}

double MprisPlayerAdaptor::rate() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr ? player->speed() : 1.0;
}

void MprisPlayerAdaptor::setRate(double rate) {
    if (MediaPlayer* const player = m_service.player(); player != nullptr && rate > 0) {
        player->setSpeed(rate);
    }
}

namespace {

const std::array<std::pair<Repeat, const char*>, 3> kLoopStatuses{
    {{Repeat::Off, "None"}, {Repeat::Entry, "Track"}, {Repeat::List, "Playlist"}}};

} // namespace

QString MprisPlayerAdaptor::loopStatus() const {
    const MediaPlayer* const player = m_service.player();
    const Repeat repeat = player != nullptr ? player->repeat() : Repeat::Off;
    for (const auto& [value, name] : kLoopStatuses) {
        if (value == repeat) {
            return QLatin1String(name);
        }
    }
    return QStringLiteral("None");
}

void MprisPlayerAdaptor::setLoopStatus(const QString& status) {
    MediaPlayer* const player = m_service.player();
    for (const auto& [value, name] : kLoopStatuses) {
        // Anything else is not a loop status, and changes nothing.
        if (player != nullptr && status == QLatin1String(name)) {
            player->setRepeat(value);
        }
    }
}

bool MprisPlayerAdaptor::shuffle() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr && player->shuffled();
}

void MprisPlayerAdaptor::setShuffle(bool on) {
    if (MediaPlayer* const player = m_service.player()) {
        player->setShuffle(on);
    }
}

QVariantMap MprisPlayerAdaptor::metadata() const {
    const MediaPlayer* const player = m_service.player();
    if (player == nullptr || player->FileName().isEmpty()) {
        return {{QStringLiteral("mpris:trackid"),
                 QVariant::fromValue(QDBusObjectPath(
                     QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")))}};
    }
    const QString& entry = player->FileName();
    const QString address =
        isStreamAddress(entry) ? QUrl(entry).toString(QUrl::FullyEncoded) : fileAddress(entry);
    QVariantMap metadata{{QStringLiteral("mpris:trackid"),
                          QVariant::fromValue(QDBusObjectPath(m_service.trackId()))},
                         {QStringLiteral("xesam:title"), player->title()},
                         {QStringLiteral("xesam:url"), address}};
    // A station names what it plays as "Artist - Title".
    if (const ArtistTitle named = splitArtist(player->title());
        isStreamAddress(entry) && !named.artist.isEmpty()) {
        metadata.insert(QStringLiteral("xesam:title"), named.title);
        metadata.insert(QStringLiteral("xesam:artist"), QStringList{named.artist});
    }
    if (!player->isLive()) {
        metadata.insert(QStringLiteral("mpris:length"),
                        static_cast<qlonglong>(player->duration() * kMicroseconds));
    }
    return metadata;
}

double MprisPlayerAdaptor::volume() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr ? player->volumePercent() / 100.0 : 1.0;
}

void MprisPlayerAdaptor::setVolume(double volume) {
    if (MediaPlayer* const player = m_service.player()) {
        player->setVolumePercent(volume * 100.0);
    }
}

qlonglong MprisPlayerAdaptor::position() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr ? static_cast<qlonglong>(player->position() * kMicroseconds) : 0;
}

bool MprisPlayerAdaptor::canGoNext() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr && player->list().hasNext();
}

bool MprisPlayerAdaptor::canGoPrevious() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr && player->list().hasPrevious();
}

bool MprisPlayerAdaptor::canPlay() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr && player->isLoaded();
}

bool MprisPlayerAdaptor::canSeek() const {
    const MediaPlayer* const player = m_service.player();
    return player != nullptr && player->isLoaded() && player->duration() > 0;
}

void MprisPlayerAdaptor::act(void (MediaPlayer::*command)()) {
    if (MediaPlayer* const player = m_service.player()) {
        (player->*command)();
    }
}

void MprisPlayerAdaptor::Next() {
    act(&MediaPlayer::next);
}

void MprisPlayerAdaptor::Previous() {
    act(&MediaPlayer::previous);
}

void MprisPlayerAdaptor::Pause() {
    act(&MediaPlayer::pause);
}

void MprisPlayerAdaptor::PlayPause() {
    act(&MediaPlayer::togglePlay);
}

void MprisPlayerAdaptor::Stop() {
    act(&MediaPlayer::stop);
}

void MprisPlayerAdaptor::Play() {
    act(&MediaPlayer::play);
}

void MprisPlayerAdaptor::Seek(qlonglong offset) {
    if (MediaPlayer* const player = m_service.player()) {
        // Past the end is the end, from which the list goes on to its next entry.
        player->seek(player->position() + static_cast<double>(offset) / kMicroseconds);
    }
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& track, qlonglong position) {
    // A position for an entry that has been replaced meanwhile, or outside the entry, is
    // ignored, as MPRIS asks.
    MediaPlayer* const player = m_service.player();
    const double seconds = static_cast<double>(position) / kMicroseconds;
    if (player != nullptr && track.path() == m_service.trackId() && seconds >= 0 &&
        seconds <= player->duration()) {
        player->seek(seconds);
    }
}

void MprisPlayerAdaptor::OpenUri(const QString& uri) {
    MediaPlayer* const player = m_service.player();
    const QUrl url(uri);
    const QString entry = url.isLocalFile() ? entryForFileAddress(url) : uri;
    if (player == nullptr || (!url.isLocalFile() && !isStreamAddress(uri))) {
        m_object->sendErrorReply(QDBusError::NotSupported,
                                 tr("only file addresses and those of streams play (%1)")
                                     .arg(streamSchemes().join(QStringLiteral(", "))));
        return;
    }
    if (!url.isLocalFile() && !namesItsSource(url)) {
        m_object->sendErrorReply(QDBusError::InvalidArgs, tr("not a valid address: %1").arg(uri));
        return;
    }
    try {
        player->Open(entry);
    } catch (const RuntimeError& error) {
        m_object->sendErrorReply(QDBusError::InvalidArgs, error.description());
    }
}

} // namespace vyx
