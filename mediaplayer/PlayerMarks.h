#pragma once

#include "media/MediaTracks.h"

#include <QList>
#include <QObject>
#include <QString>

namespace vyx {

class ControlBar;
class MpvSession;

// The moments marked in what plays: its chapters and the user's A-B loop, both shown on the
// seek bar. Each change returns the few words the picture shows about it.
class PlayerMarks final : public QObject {
    Q_OBJECT
public:
    PlayerMarks(MpvSession& session, ControlBar& controls, QObject* parent);

    [[nodiscard]] const QList<MediaChapter>& chapters() const { return m_chapters; }
    // From 0; -1 before the first.
    [[nodiscard]] int chapter() const { return m_chapter; }
    // Negative for a point not set.
    [[nodiscard]] double loopStart() const { return m_loopStart; }
    [[nodiscard]] double loopEnd() const { return m_loopEnd; }

    // By whole chapters, the first and the last as far as it goes; an empty text when there
    // are none.
    QString stepChapter(int by);
    QString goToChapter(int chapter);
    // The first call marks A at the position, the second B, the third clears both.
    QString markLoop(double position);
    // A new file has no chapters known yet, and no loop.
    void clear();

private:
    QString chapterText(int chapter) const;
    void showMarks();

    MpvSession& m_session;
    ControlBar& m_controls;
    QList<MediaChapter> m_chapters;
    int m_chapter = -1;
    double m_loopStart = -1.0;
    double m_loopEnd = -1.0;
};

} // namespace vyx
