#include "MprisService.h"

#include "MediaPlayer.h"
#include "MprisAdaptors.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace vyx {

namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

} // namespace

MprisService::MprisService(QObject* parent)
    : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    auto* const object = new MprisObject(this);
    new MprisRootAdaptor(object, *this);
    m_adaptor = new MprisPlayerAdaptor(object, *this);
    if (!bus.registerObject(kObjectPath, object, QDBusConnection::ExportAdaptors)) {
        delete object;
        m_adaptor = nullptr;
        return;
    }
    m_object = object;
    // The first process takes the plain name; others, one of their own, as MPRIS allows.
    const QString name = QStringLiteral("org.mpris.MediaPlayer2.vyxplayer");
    for (const QString& candidate :
         {name, name + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid())}) {
        if (bus.registerService(candidate)) {
            m_busName = candidate;
            break;
        }
    }
}

MprisService::~MprisService() {
    if (!m_object.isNull()) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(kObjectPath);
        if (!m_busName.isEmpty()) {
            bus.unregisterService(m_busName);
        }
    }
}

void MprisService::follow(MediaPlayer* player) {
    m_players.removeAll(nullptr);
    m_players.append(player);
    connect(player, &MediaPlayer::changed, this, [this, player] {
        if (player->isPlaying()) {
            m_current = player;
        }
        if (player == this->player()) {
            announce();
        }
    });
    connect(player, &MediaPlayer::seeked, this, [this, player](double seconds) {
        if (m_adaptor != nullptr && player == this->player()) {
            Q_EMIT m_adaptor->Seeked(static_cast<qlonglong>(seconds * 1e6));
        }
    });
    // Told once the player is gone: while it is being destroyed it is no longer a MediaPlayer.
    connect(player, &QObject::destroyed, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_players.removeAll(nullptr);
                announce();
            },
            Qt::QueuedConnection);
    });
}

MediaPlayer* MprisService::player() const {
    if (!m_current.isNull()) {
        return m_current;
    }
    for (auto it = m_players.crbegin(); it != m_players.crend(); ++it) {
        if (!it->isNull()) {
            return *it;
        }
    }
    return nullptr;
}

QString MprisService::trackId() const {
    return QStringLiteral("/org/vyxplayer/entry/%1").arg(m_entryNumber);
}

void MprisService::announce() {
    if (m_adaptor == nullptr) {
        return;
    }
    const MediaPlayer* const current = player();
    const QString entry =
        current != nullptr
            ? QStringLiteral("%1 %2").arg(current->list().index()).arg(current->FileName())
            : QString();
    if (entry != m_lastEntry) {
        m_lastEntry = entry;
        ++m_entryNumber;
    }
    const QVariantMap now{
        {QStringLiteral("PlaybackStatus"), m_adaptor->playbackStatus()},
        {QStringLiteral("Metadata"), m_adaptor->metadata()},
        {QStringLiteral("Volume"), m_adaptor->volume()},
        {QStringLiteral("Rate"), m_adaptor->rate()},
        {QStringLiteral("LoopStatus"), m_adaptor->loopStatus()},
        {QStringLiteral("Shuffle"), m_adaptor->shuffle()},
        {QStringLiteral("CanGoNext"), m_adaptor->canGoNext()},
        {QStringLiteral("CanGoPrevious"), m_adaptor->canGoPrevious()},
        {QStringLiteral("CanPlay"), m_adaptor->canPlay()},
        {QStringLiteral("CanPause"), m_adaptor->canPause()},
        {QStringLiteral("CanSeek"), m_adaptor->canSeek()},
    };
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_announced.value(it.key()) != it.value()) {
            changed.insert(it.key(), it.value());
        }
    }
    m_announced = now;
    if (changed.isEmpty()) {
        return;
    }
    QDBusMessage signal =
        QDBusMessage::createSignal(kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

} // namespace vyx
