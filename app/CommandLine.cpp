#include "CommandLine.h"

#include "AppInfo.h"
#include "RuntimeError.h"
#include "WebBrowser.h"

#include <QUrl>
#include <iterator>

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
    const auto only = [](CommandLine::Action action, const QString& message = {}) {
        CommandLine answer;
        answer.action = action;
        answer.message = message;
        return answer;
    };
    const auto failure = [&only](const QString& message) {
        return only(CommandLine::Action::Error, message);
    };
    CommandLine result;
    bool optionsEnded = false;
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        const QString& argument = *it;
        const bool option = !optionsEnded && argument.startsWith(u'-') && argument.size() > 1;
        if (option && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (option &&
                   (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            return only(CommandLine::Action::Help);
        } else if (option &&
                   (argument == QLatin1String("--version") || argument == QLatin1String("-v"))) {
            return only(CommandLine::Action::Version);
        } else if (option && argument == QLatin1String("--separate-window")) {
            result.separateWindow = true;
        } else if (option && argument == QLatin1String("--browse")) {
            if (std::next(it) == arguments.end() || std::next(it)->trimmed().isEmpty()) {
                return failure(QStringLiteral("--browse needs an address"));
            }
            result.browse = (++it)->trimmed();
            try {
                addressFromText(result.browse);
            } catch (const RuntimeError& error) {
                return only(CommandLine::Action::Refused,
                            QStringLiteral("--browse: %1").arg(error.description()));
            }
        } else if (option) {
            return failure(QStringLiteral("unknown option %1").arg(argument));
        } else if (result.file.isEmpty() && !argument.isEmpty()) {
            QString problem;
            result.file = localFile(argument, &problem);
            if (!problem.isEmpty()) {
                return failure(problem);
            }
        }
    }
    return result;
}

QString helpText() {
    return QStringLiteral(
        "Usage: vyxplayer [OPTION]... [FILE]\n"
        "Plays FILE (a path or a file:// address) in the main window.\n\n"
        "      --separate-window  play FILE in the separate, resizable player window\n"
        "      --browse ADDRESS   open Vyx Surfer at ADDRESS as well\n"
        "  -h, --help             show this help and exit\n"
        "  -v, --version          show the version and exit\n\n"
        "With QT_LOGGING_RULES=\"vyx.timing.info=true\" the moments a user waits for (first\n"
        "frame, browser address, page loaded) are written to standard error.\n");
}

QString versionText() {
    return QStringLiteral("%1 %2.%3.%4\n")
        .arg(QLatin1String(app::kTitle))
        .arg(app::kMajor)
        .arg(app::kMinor)
        .arg(app::kRevision);
}

} // namespace vyx
