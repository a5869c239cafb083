#include "ScreenSaverHold.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
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
    auto* const watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_asking = false;
        const QDBusPendingReply<quint32> reply = *w;
        if (reply.isError()) {
            if (m_held) {
                resetX11();
                m_x11Reset.start();
            }
            return;
        }
        m_cookie = reply.value();
        if (!m_held) {
            releaseService();
        }
    });
}

void ScreenSaverHold::releaseService() {
    if (!m_cookie || m_asking) {
        return;
    }
    QDBusMessage call = serviceCall(QStringLiteral("UnInhibit"));
    call << *std::exchange(m_cookie, std::nullopt);
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
