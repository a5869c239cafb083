#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

namespace vyx {

class MediaPlayer;
class MprisService;

// The object the adaptors are exported on; the bus tells it which call it is answering, so that
// a call can be answered with an error.
class MprisObject final : public QObject, public QDBusContext {
    Q_OBJECT
public:
    using QObject::QObject;
};

// org.mpris.MediaPlayer2: who the player is.
class MprisRootAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool Fullscreen READ fullscreen WRITE setFullscreen)
    Q_PROPERTY(bool CanSetFullscreen READ canSetFullscreen)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)
public:
    MprisRootAdaptor(QObject* object, MprisService& service);

    [[nodiscard]] static bool canQuit() { return true; }
    [[nodiscard]] static bool canRaise() { return true; }
    // Of the player that plays, as F and Escape do.
    [[nodiscard]] bool fullscreen() const;
    void setFullscreen(bool on);
    [[nodiscard]] static bool canSetFullscreen() { return true; }
    [[nodiscard]] static bool hasTrackList() { return false; }
    [[nodiscard]] static QString identity();
    [[nodiscard]] static QString desktopEntry();
    [[nodiscard]] static QStringList supportedUriSchemes();
    [[nodiscard]] static QStringList supportedMimeTypes();

public Q_SLOTS:
    void Raise();
    // As File > Exit.
    void Quit();

private:
    MprisService& m_service;
};

// org.mpris.MediaPlayer2.Player: what plays, and the controls.
class MprisPlayerAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(QString LoopStatus READ loopStatus WRITE setLoopStatus)
    Q_PROPERTY(bool Shuffle READ shuffle WRITE setShuffle)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ minimumRate)
    Q_PROPERTY(double MaximumRate READ maximumRate)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPause)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    MprisPlayerAdaptor(MprisObject* object, MprisService& service);

    [[nodiscard]] QString playbackStatus() const;
    [[nodiscard]] double rate() const;
    void setRate(double rate);
    // "None", "Track" or "Playlist": the player's Repeat.
    [[nodiscard]] QString loopStatus() const;
    void setLoopStatus(const QString& status);
    [[nodiscard]] bool shuffle() const;
    void setShuffle(bool on);
    [[nodiscard]] QVariantMap metadata() const;
    [[nodiscard]] double volume() const;
    void setVolume(double volume);
    [[nodiscard]] qlonglong position() const;
    [[nodiscard]] static double minimumRate() { return 0.5; }
    [[nodiscard]] static double maximumRate() { return 2.0; }
    [[nodiscard]] bool canGoNext() const;
    [[nodiscard]] bool canGoPrevious() const;
    [[nodiscard]] bool canPlay() const;
    [[nodiscard]] bool canPause() const { return canPlay(); }
    [[nodiscard]] bool canSeek() const;
    [[nodiscard]] static bool canControl() { return true; }

public Q_SLOTS:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& track, qlonglong position);
    void OpenUri(const QString& uri);

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    // Tells the player spoken for, if there is one, to do something.
    void act(void (MediaPlayer::*command)());

    MprisObject* m_object;
    MprisService& m_service;
};

} // namespace vyx
