#include "IcyStation.h"

#include <QTcpSocket>
#include <QTimer>
#include <utility>

namespace vyx::testing {

namespace {

constexpr int kMetaInterval = 4000;
constexpr int kTickMs = 50;

QByteArray metadataBlock(const QByteArray& title) {
    QByteArray text = "StreamTitle='" + title + "';";
    const qsizetype blocks = (text.size() + 15) / 16;
    text.resize(blocks * 16, '\0');
    return char(blocks) + text;
}

} // namespace

IcyStation::IcyStation(QByteArray audio, int bytesPerSecond)
    : m_audio(std::move(audio))
    , m_bytesPerSecond(bytesPerSecond) {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* const socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QUrl IcyStation::url() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1/stream").arg(m_server.serverPort()));
}

void IcyStation::serve(QTcpSocket* socket) {
    const QByteArray request = socket->peek(8192);
    if (!request.contains("\r\n\r\n") || socket->property("served").toBool()) {
        return;
    }
    socket->readAll();
    socket->setProperty("served", true);
    ++m_listeners;
    const bool metadata = request.toLower().contains("icy-metadata: 1");
    socket->write(
        "HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nicy-name: Test Station\r\n" +
        (metadata ? "icy-metaint: " + QByteArray::number(kMetaInterval) + "\r\n" : QByteArray()) +
        "\r\n");
    auto* const timer = new QTimer(socket);
    // Where the next bytes come from in the audio, and how many until the next title.
    auto state = std::make_shared<std::pair<qsizetype, qsizetype>>(0, kMetaInterval);
    connect(timer, &QTimer::timeout, socket, [this, socket, metadata, state] {
        qsizetype due = m_bytesPerSecond * kTickMs / 1000;
        while (due > 0) {
            const qsizetype piece =
                std::min({due, m_audio.size() - state->first, metadata ? state->second : due});
            socket->write(m_audio.mid(state->first, piece));
            due -= piece;
            state->first = (state->first + piece) % m_audio.size();
            if (metadata && (state->second -= piece) == 0) {
                socket->write(metadataBlock(m_title));
                state->second = kMetaInterval;
            }
        }
    });
    timer->start(kTickMs);
}

} // namespace vyx::testing
