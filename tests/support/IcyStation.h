#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>

namespace vyx::testing {

// An internet radio station on 127.0.0.1: an endless MP3 stream at its own bit rate, with the
// current title (ICY StreamTitle) in the stream for players that ask for it.
class IcyStation final : public QObject {
    Q_OBJECT
public:
    // Sends the MP3 frames of audio again and again, at bytesPerSecond.
    IcyStation(QByteArray audio, int bytesPerSecond);
    [[nodiscard]] QUrl url() const;
    void setTitle(const QString& title) { m_title = title.toUtf8(); }
    // Listeners that have connected so far.
    [[nodiscard]] int listeners() const { return m_listeners; }

private:
    void serve(class QTcpSocket* socket);

    QTcpServer m_server;
    QByteArray m_audio;
    QByteArray m_title;
    int m_bytesPerSecond;
    int m_listeners = 0;
};

} // namespace vyx::testing
