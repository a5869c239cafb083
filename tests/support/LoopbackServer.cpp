#include "LoopbackServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace vyx::testing {

LoopbackServer::LoopbackServer() {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* const socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

void LoopbackServer::page(const QString& path, const QString& title, const QString& body) {
    route(path, {"Content-Type: text/html; charset=utf-8\r\n",
                 QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
                     .arg(title, body)
                     .toUtf8()});
}

QUrl LoopbackServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LoopbackServer::serve(QTcpSocket* socket) {
    const QByteArray request = socket->peek(8192);
    if (!request.contains("\r\n\r\n")) {
        return;
    }
    socket->readAll();
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = words.size() > 1 ? QString::fromLatin1(words.at(1)) : QString();
    ++m_counts[path];
    const auto found = m_routes.constFind(path);
    const Response response = found == m_routes.constEnd()
                                  ? Response{"Content-Type: text/plain\r\n", "not here", true, 0}
                                  : *found;
    QByteArray reply =
        found == m_routes.constEnd() ? "HTTP/1.0 404 Not Found\r\n" : "HTTP/1.0 200 OK\r\n";
    reply += response.headers;
    if (response.sendLength) {
        reply += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    }
    reply += "Connection: close\r\n\r\n";
    if (response.pieceDelayMs <= 0) {
        reply += response.body;
        QTimer::singleShot(response.delayMs, socket, [socket, reply] {
            socket->write(reply);
            socket->disconnectFromHost();
        });
        return;
    }
    socket->write(reply);
    const qsizetype piece = response.body.size() / 10 + 1;
    for (int i = 0; i <= 10; ++i) {
        QTimer::singleShot(response.delayMs + i * response.pieceDelayMs, socket,
                           [socket, response, piece, i] {
                               if (i == 10) {
                                   socket->disconnectFromHost();
                               } else {
                                   socket->write(response.body.mid(i * piece, piece));
                               }
                           });
    }
}

} // namespace vyx::testing
