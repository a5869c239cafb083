#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vyx {

// An audio or subtitle track of the file that plays, as the user picks it.
struct MediaTrack {
    enum class Kind { Audio, Subtitle };
    Kind kind = Kind::Audio;
    int id = 0; // the engine's number within its kind, from 1
    QString label;
    bool selected = false;
};

// The audio and subtitle tracks in the engine's track list (JSON); pictures are left out.
[[nodiscard]] QList<MediaTrack> tracksFromJson(const QByteArray& json);

// A chapter of the file that plays: where it starts, in seconds, and its title (maybe empty).
struct MediaChapter {
    double start = 0.0;
    QString title;
};

// The chapters in the engine's chapter list (JSON), in their order.
[[nodiscard]] QList<MediaChapter> chaptersFromJson(const QByteArray& json);

// The track after the selected one of a kind, wrapping round; for subtitles "off" (0) comes
// after the last. 0 when the kind has no track.
[[nodiscard]] int nextTrack(const QList<MediaTrack>& tracks, MediaTrack::Kind kind);

} // namespace vyx
