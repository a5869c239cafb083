#include "PlayerDelays.h"

#include "media/MpvSession.h"

#include <QLocale>
#include <cmath>

namespace vyx {

PlayerDelays::PlayerDelays(MpvSession& session, QObject* parent)
    : QObject(parent)
    , m_session(session) {
    connect(&m_session, &MpvSession::delayChanged, this,
            [this](MediaTrack::Kind kind, double seconds) {
                (kind == MediaTrack::Kind::Audio ? m_audio : m_subtitles) = seconds;
            });
}

double PlayerDelays::delay(MediaTrack::Kind kind) const {
    return kind == MediaTrack::Kind::Audio ? m_audio : m_subtitles;
}

QString PlayerDelays::add(MediaTrack::Kind kind, double seconds) {
    double& delay = kind == MediaTrack::Kind::Audio ? m_audio : m_subtitles;
    // In tenths, so that steps there and back come to exactly nothing.
    delay = std::round((delay + seconds) * 10.0) / 10.0;
    if (m_session.started()) {
        m_session.setDelay(kind, delay);
    }
    return describe(kind);
}

QString PlayerDelays::reset() {
    m_audio = 0.0;
    m_subtitles = 0.0;
    if (m_session.started()) {
        m_session.setDelay(MediaTrack::Kind::Audio, 0.0);
        m_session.setDelay(MediaTrack::Kind::Subtitle, 0.0);
    }
    return tr("Sound and subtitles in step");
}

QString PlayerDelays::describe(MediaTrack::Kind kind) const {
    const double seconds = delay(kind);
    const QString amount = seconds == 0.0 ? tr("none")
                                          //: A delay in seconds, as "+0.1 s".
                                          : tr("%1%2 s")
                                                .arg(seconds > 0 ? QStringLiteral("+") : QString())
                                                .arg(QLocale().toString(seconds, 'f', 1));
    return kind == MediaTrack::Kind::Audio ? tr("Sound delay: %1").arg(amount)
                                           : tr("Subtitle delay: %1").arg(amount);
}

} // namespace vyx
