#include "MediaTracks.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>

namespace vyx {

namespace {

// "Commentary (fra)", "eng", or "Track 2" when the file names neither.
QString labelOf(const QJsonObject& track, int id) {
    const QString title = track.value(QLatin1String("title")).toString().trimmed();
    const QString language = track.value(QLatin1String("lang")).toString().trimmed();
    if (!title.isEmpty() && !language.isEmpty()) {
        return QStringLiteral("%1 (%2)").arg(title, language);
    }
    if (!title.isEmpty() || !language.isEmpty()) {
        return title + language;
    }
    return QCoreApplication::translate("vyx::MediaPlayer", "Track %1").arg(id);
}

} // namespace

QList<MediaTrack> tracksFromJson(const QByteArray& json) {
    QList<MediaTrack> tracks;
    const QJsonArray list = QJsonDocument::fromJson(json).array();
    for (const QJsonValue value : list) {
        const QJsonObject track = value.toObject();
        const QString type = track.value(QLatin1String("type")).toString();
        const int id = track.value(QLatin1String("id")).toInt();
        if ((type != QLatin1String("audio") && type != QLatin1String("sub")) || id <= 0) {
            continue;
        }
        tracks.append(
            {type == QLatin1String("audio") ? MediaTrack::Kind::Audio : MediaTrack::Kind::Subtitle,
             id, labelOf(track, id), track.value(QLatin1String("selected")).toBool()});
    }
    return tracks;
}

QList<MediaChapter> chaptersFromJson(const QByteArray& json) {
    QList<MediaChapter> chapters;
    const QJsonArray list = QJsonDocument::fromJson(json).array();
    for (const QJsonValue value : list) {
        const QJsonObject chapter = value.toObject();
        chapters.append({chapter.value(QLatin1String("time")).toDouble(),
                         chapter.value(QLatin1String("title")).toString().trimmed()});
    }
    return chapters;
}

int nextTrack(const QList<MediaTrack>& tracks, MediaTrack::Kind kind) {
    QList<int> choices;
    if (kind == MediaTrack::Kind::Subtitle) {
        choices.append(0);
    }
    int current = 0;
    for (const MediaTrack& track : tracks) {
        if (track.kind == kind) {
            choices.append(track.id);
            current = track.selected ? track.id : current;
        }
    }
    if (choices.size() <= (kind == MediaTrack::Kind::Subtitle ? 1 : 0)) {
        return 0;
    }
    const auto at = std::find(choices.begin(), choices.end(), current);
    return at == choices.end() || at + 1 == choices.end() ? choices.front() : *(at + 1);
}

} // namespace vyx
