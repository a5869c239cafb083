#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

namespace vyx {

class MediaPlayer;
class MprisPlayerAdaptor;

// The program as the desktop's media controls see it (MPRIS 2 on the session bus): it speaks
// for the player that played last. Without a session bus it does nothing, and says nothing.
class MprisService final : public QObject {
    Q_OBJECT
public:
    explicit MprisService(QObject* parent);
    ~MprisService() override;
    MprisService(const MprisService&) = delete;
    MprisService& operator=(const MprisService&) = delete;

    // A player the controls may speak for; it is forgotten when it goes.
    void follow(MediaPlayer* player);
    // The player spoken for: the last that played, else the last followed; null when none.
    [[nodiscard]] MediaPlayer* player() const;
    // The entry the player holds, numbered on each new one, as the track of the controls.
    [[nodiscard]] QString trackId() const;

Q_SIGNALS:
    // The controls asked the program to end.
    void quitRequested();

private:
    // Tells the bus which of the player's properties have changed since it was last told.
    void announce();

    QPointer<QObject> m_object;
    MprisPlayerAdaptor* m_adaptor = nullptr;
    QString m_busName;
    QList<QPointer<MediaPlayer>> m_players;
    QPointer<MediaPlayer> m_current;
    QVariantMap m_announced;
    QString m_lastEntry;
    int m_entryNumber = 0;
};

} // namespace vyx
