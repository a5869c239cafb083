#include "MediaProbe.h"

#include "RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <algorithm>
#include <array>

namespace vyx {

namespace {

// Containers whose registered type is not under audio/ or video/.
constexpr std::array kMediaContainers{
    "application/ogg",
    "application/vnd.ms-asf",
    "application/vnd.rn-realmedia",
    "application/mxf",
    "application/x-matroska",
    "application/x-shockwave-flash",
    "application/vnd.apple.mpegurl",
};

bool isMediaType(const QMimeType& type) {
    const auto family = [](const QString& name) {
        if (name.startsWith(QLatin1String("audio/")) || name.startsWith(QLatin1String("video/"))) {
            return true;
        }
        for (const char* container : kMediaContainers) {
            if (name == QLatin1String(container)) {
                return true;
            }
        }
        return false;
    };
    if (family(type.name())) {
        return true;
    }
    const QStringList parents = type.allAncestors();
    return std::any_of(parents.begin(), parents.end(), family);
}

} // namespace

void checkPlayable(const QString& path) {
    if (path.trimmed().isEmpty()) {
        throw RuntimeError(ErrorCode::BadFileName, QStringLiteral("(no file name)"));
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        throw RuntimeError(ErrorCode::FileNotFound, path);
    }
    if (!info.isFile()) {
        throw RuntimeError(ErrorCode::PathFileAccess, path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw RuntimeError(ErrorCode::PermissionDenied, path);
    }
    // The content decides, not the name: a text file called .mp3 is not a sound.
    const QMimeType type = QMimeDatabase().mimeTypeForData(&file);
    if (!isMediaType(type)) {
        throw RuntimeError(ErrorCode::InvalidFormat, path);
    }
}

} // namespace vyx
