#include "PlayerMarks.h"

#include "ControlBar.h"
#include "media/MpvSession.h"

#include <algorithm>

namespace vyx {

PlayerMarks::PlayerMarks(MpvSession& session, ControlBar& controls, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_controls(controls) {
    connect(&m_session, &MpvSession::chaptersChanged, this,
            [this](const QList<MediaChapter>& chapters) {
                m_chapters = chapters;
                showMarks();
            });
    connect(&m_session, &MpvSession::chapterChanged, this,
            [this](int chapter) { m_chapter = chapter; });
}

void PlayerMarks::clear() {
    m_chapters.clear();
    m_chapter = -1;
    m_loopStart = -1.0;
    m_loopEnd = -1.0;
    showMarks();
}

QString PlayerMarks::chapterText(int chapter) const {
    const QString title = m_chapters.value(chapter).title;
    const QString number = tr("Chapter %1 of %2").arg(chapter + 1).arg(m_chapters.size());
    return title.isEmpty() ? number : number + QStringLiteral(": ") + title;
}

QString PlayerMarks::stepChapter(int by) {
    return goToChapter(std::clamp(m_chapter + by, 0, static_cast<int>(m_chapters.size()) - 1));
}

QString PlayerMarks::goToChapter(int chapter) {
    if (chapter < 0 || chapter >= m_chapters.size()) {
        return {};
    }
    m_session.setChapter(chapter);
    m_chapter = chapter;
    return chapterText(chapter);
}

QString PlayerMarks::markLoop(double position) {
    QString said;
    if (m_loopStart < 0) {
        m_loopStart = position;
        said = tr("Loop from %1").arg(ControlBar::formatTime(position));
    } else if (m_loopEnd < 0 && position > m_loopStart) {
        m_loopEnd = position;
        said = tr("Loop from %1 to %2")
                   .arg(ControlBar::formatTime(m_loopStart), ControlBar::formatTime(position));
    } else {
        m_loopStart = -1.0;
        m_loopEnd = -1.0;
        said = tr("Loop off");
    }
    m_session.setLoop(m_loopStart, m_loopEnd);
    // B is now, as the user saw it; the engine, a moment further on, may already be past it,
    // and it loops only when it reaches B. It goes back to A at once, as it would at B.
    if (m_loopEnd >= 0) {
        m_session.seek(m_loopStart);
    }
    showMarks();
    return said;
}

void PlayerMarks::showMarks() {
    QList<double> starts;
    for (const MediaChapter& chapter : std::as_const(m_chapters)) {
        starts.append(chapter.start);
    }
    m_controls.setMarks(starts, m_loopStart, m_loopEnd);
}

} // namespace vyx
