#include "ScreenSaverHold.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPointer>
#include <xcb/xcb.h>

namespace vyx {

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");

// Well inside the shortest blanking time a desktop offers (one minute).
constexpr int kResetMilliseconds = 10'000;

QDBusMessage serviceCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

bool serviceRunning() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() != nullptr &&
           bus.interface()->isServiceRegistered(kService).value();
}

} // namespace

ScreenSaverHold::ScreenSaverHold(QObject* parent)
    : QObject(parent) {
    m_x11Reset.setInterval(kResetMilliseconds);
    connect(&m_x11Reset, &QTimer::timeout, this, &ScreenSaverHold::resetX11);
}

ScreenSaverHold::~ScreenSaverHold() {
    setHeld(false);
}

void ScreenSaverHold::setHeld(bool held) {
    if (held == m_held) {
        return;
    }
    m_held = held;
    if (!held) {
        m_x11Reset.stop();
        releaseService();
    } else if (m_cookie || m_asking) {
        // A release is still on its way; the answer to the earlier question holds again.
    } else if (serviceRunning()) {
        askService();
    } else {
        resetX11();
        m_x11Reset.start();
    }
}

void ScreenSaverHold::askService() {
    QDBusMessage call = serviceCall(QStringLiteral("Inhibit"));
    call << QGuiApplication::applicationDisplayName() << tr("Playing a video");
    m_asking = true;
    // The answer is awaited even when the hold has gone meanwhile (its player closed), so that
    // the inhibition it brings is given back rather than left for the rest of the session.
    auto* const watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call),
                                                      QCoreApplication::instance());
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
            [self = QPointer<ScreenSaverHold>(this)](QDBusPendingCallWatcher* answer) {
                answer->deleteLater();
                const QDBusPendingReply<quint32> reply = *answer;
                if (!self.isNull()) {
                    self->answered(reply.isError() ? std::nullopt
                                                   : std::optional<quint32>(reply.value()));
                } else if (!reply.isError()) {
                    release(reply.value());
                }
            });
}

void ScreenSaverHold::answered(std::optional<quint32> cookie) {
    m_asking = false;
    m_cookie = cookie;
    if (!m_held) {
        releaseService();
    } else if (!cookie) {
        resetX11();
        m_x11Reset.start();
    }
}

void ScreenSaverHold::releaseService() {
    if (m_cookie) {
        release(*std::exchange(m_cookie, std::nullopt));
    }
}

void ScreenSaverHold::release(quint32 cookie) {
    QDBusMessage call = serviceCall(QStringLiteral("UnInhibit"));
    call << cookie;
    QDBusConnection::sessionBus().send(call);
}

void ScreenSaverHold::resetX11() {
    const auto* const x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
        xcb_force_screen_saver(x11->connection(), XCB_SCREEN_SAVER_RESET);
        xcb_flush(x11->connection());
    }
}

} // namespace vyx
