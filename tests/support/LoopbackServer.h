#pragma once

#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QUrl>

namespace vyx::testing {

// A small HTTP/1.0 server on 127.0.0.1 for browser tests: fixed responses by path.
class LoopbackServer final : public QObject {
    Q_OBJECT
public:
    struct Response {
        QByteArray headers; // extra header lines, each ending in \r\n
        QByteArray body;
        bool sendLength = true;
        int delayMs = 0;
        // When set, the body goes out in ten pieces this far apart.
        int pieceDelayMs = 0;
    };

    LoopbackServer();
    void route(const QString& path, const Response& response) { m_routes.insert(path, response); }
    void page(const QString& path, const QString& title, const QString& body = {});
    [[nodiscard]] QUrl url(const QString& path) const;
    [[nodiscard]] int requests(const QString& path) const { return m_counts.value(path); }
    // Every request that arrived, whatever its path.
    [[nodiscard]] QStringList paths() const { return m_counts.keys(); }

private:
    void serve(class QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QString, Response> m_routes;
    QHash<QString, int> m_counts;
};

} // namespace vyx::testing
