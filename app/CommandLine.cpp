#include "CommandLine.h"

#include "AppInfo.h"

#include <QUrl>

namespace vyx {

namespace {

// A file URL becomes its local path; a URL of any other scheme cannot be played from here.
QString localFile(const QString& argument, QString* problem) {
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        const bool thisMachine = url.host().isEmpty() || url.host() == QLatin1String("localhost");
        if (!url.isValid() || !url.isLocalFile() || !thisMachine) {
            *problem = QStringLiteral("not a local file address: %1").arg(argument);
            return {};
        }
        return url.toLocalFile();
    }
    const qsizetype colon = argument.indexOf(QLatin1String("://"));
    if (colon > 0 && !argument.left(colon).contains(u'/')) {
        *problem = QStringLiteral("only local files can be played: %1").arg(argument);
        return {};
    }
    return argument;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded &&
                   (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (!optionsEnded &&
                   (argument == QLatin1String("--version") || argument == QLatin1String("-v"))) {
            return {CommandLine::Action::Version, {}, {}};
        } else if (!optionsEnded && argument.startsWith(u'-') && argument.size() > 1) {
            return {
                CommandLine::Action::Error, {}, QStringLiteral("unknown option %1").arg(argument)};
        } else if (result.file.isEmpty() && !argument.isEmpty()) {
            QString problem;
            result.file = localFile(argument, &problem);
            if (!problem.isEmpty()) {
                return {CommandLine::Action::Error, {}, problem};
            }
        }
    }
    return result;
}

QString helpText() {
    return QStringLiteral("Usage: vyxplayer [FILE]\n"
                          "Plays FILE (a path or a file:// address) in the main window.\n\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n");
}

QString versionText() {
    return QStringLiteral("%1 %2.%3.%4\n")
        .arg(QLatin1String(app::kTitle))
        .arg(app::kMajor)
        .arg(app::kMinor)
        .arg(app::kRevision);
}

} // namespace vyx
