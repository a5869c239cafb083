#pragma once

#include "media/MediaTracks.h"

#include <QObject>
#include <QString>

namespace vyx {

class MpvSession;

// How much later than the picture the subtitles and the sound come, which the user moves to
// mend a file whose sound or subtitles are out of step; kept from file to file.
class PlayerDelays final : public QObject {
    Q_OBJECT
public:
    PlayerDelays(MpvSession& session, QObject* parent);

    [[nodiscard]] double delay(MediaTrack::Kind kind) const;
    // Each returns the words the picture shows about it.
    QString add(MediaTrack::Kind kind, double seconds);
    QString reset();

private:
    QString describe(MediaTrack::Kind kind) const;

    MpvSession& m_session;
    double m_audio = 0.0;
    double m_subtitles = 0.0;
};

} // namespace vyx
