#include "CommandLine.h"

#include "AppInfo.h"
#include "errors/RuntimeError.h"
#include "media/MediaSource.h"
#include "system/LocalPath.h"
#include "web/WebBrowser.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QUrl>
#include <cstdio>

namespace vyx {

namespace {

// What the command line says to its user, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vyx::CommandLine)
};

// A file URL becomes its local path; a stream's address (http://, rtsp://, udp://) is streamed as
// it is; a URL of any other scheme cannot be played.
QString localFile(const QString& argument, QString* problem) {
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        const bool thisMachine = url.host().isEmpty() || url.host() == QLatin1String("localhost");
        if (!url.isValid() || !url.isLocalFile() || !thisMachine) {
            *problem = Texts::tr("not a local file address: %1").arg(argument);
            return {};
        }
        return entryForFileAddress(url);
    }
    if (isStreamAddress(argument)) {
        const QUrl url(argument);
        if (!namesItsSource(url)) {
            *problem = Texts::tr("not a valid address: %1").arg(argument);
            return {};
        }
        return url.toString(QUrl::FullyEncoded);
    }
    const qsizetype colon = argument.indexOf(QLatin1String("://"));
    if (colon > 0 && !argument.left(colon).contains(u'/')) {
        *problem = Texts::tr("only local files and addresses of streams (http://, rtsp://, "
                             "rtmp://, mms://, udp://, ...) can be played: %1")
                       .arg(argument);
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
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform xcb, -style fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption separate(QStringLiteral("separate-window"));
    const QCommandLineOption browse(QStringLiteral("browse"), {}, QStringLiteral("address"));
    const QCommandLineOption output(QStringLiteral("video-output"), {}, QStringLiteral("output"));
    parser.addOptions({help, version, separate, browse, output});
    // QApplication reads these from the same arguments; here they only have to be known.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "geometry", "qwindowgeometry", "title", "qwindowtitle", "icon",
                             "qwindowicon", "style", "stylesheet", "session", "name"}) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option{QString::fromLatin1(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    if (!parser.parse(QStringList{QStringLiteral("vyxplayer")} + arguments)) {
        return only(CommandLine::Action::Error, parser.errorText());
    }
    if (parser.isSet(help)) {
        return only(CommandLine::Action::Help);
    }
    if (parser.isSet(version)) {
        return only(CommandLine::Action::Version);
    }
    CommandLine result;
    result.separateWindow = parser.isSet(separate);
    if (parser.isSet(output)) {
        const std::optional<VideoOutputMode> mode = videoOutputModeFromName(parser.value(output));
        if (!mode) {
            return only(CommandLine::Action::Error,
                        Texts::tr("--video-output must be auto, opengl or software, not '%1'")
                            .arg(parser.value(output)));
        }
        result.videoOutput = *mode;
    }
    if (parser.isSet(browse)) {
        result.browse = parser.value(browse).trimmed();
        if (result.browse.isEmpty()) {
            return only(CommandLine::Action::Error, Texts::tr("--browse needs an address"));
        }
        try {
            addressFromText(result.browse);
        } catch (const RuntimeError& error) {
            return only(CommandLine::Action::Refused,
                        QStringLiteral("--browse: %1").arg(error.description()));
        }
    }
    for (const QString& argument : parser.positionalArguments()) {
        if (argument.isEmpty()) {
            continue;
        }
        QString problem;
        const QString file = localFile(argument, &problem);
        if (!problem.isEmpty()) {
            return only(CommandLine::Action::Error, problem);
        }
        result.files.append(file);
    }
    return result;
}

QString argumentFromBytes(const QByteArray& argument) {
    QString text = QString::fromLocal8Bit(argument);
    // An option is known by its words, and a name that decodes is passed as it is.
    if (argument.startsWith('-') || text.toLocal8Bit() == argument) {
        return text;
    }
    return entryForPath(argument);
}

int answerWithoutRunning(const CommandLine& command) {
    switch (command.action) {
    case CommandLine::Action::Help:
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fputs(qPrintable(Texts::tr("vyxplayer: %1\nTry 'vyxplayer --help' for more "
                                        "information.\n")
                                  .arg(command.message)),
                   stderr);
        return 2;
    case CommandLine::Action::Refused:
        std::fprintf(stderr, "vyxplayer: %s\n", qPrintable(command.message));
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return 0;
}

QString helpText() {
    //: The option names (--separate-window, ADDRESS's --browse=...), the address schemes, the
    //: program's name and QT_LOGGING_RULES's values stay as they are; the columns line up.
    return Texts::tr(
        "Usage: vyxplayer [OPTION]... [FILE]...\n"
        "Plays FILE (a path, a file:// address, or the address of a stream: http://, https://,\n"
        "rtsp://, rtmp://, mms://, srt://, udp://, ...) in the main window; several play in "
        "turn.\n\n"
        "      --separate-window  play FILE in the separate, resizable player window\n"
        "      --browse ADDRESS   open Vyx Surfer at ADDRESS as well (or --browse=ADDRESS)\n"
        "      --video-output=OUTPUT  draw pictures with auto (the GPU where there is one),\n"
        "                         opengl or software\n"
        "  -h, --help             show this help and exit\n"
        "  -v, --version          show the version and exit\n"
        "Qt's own options (-platform, -style, ...) work as in every Qt program.\n\n"
        "With QT_LOGGING_RULES=\"vyx.timing.info=true\" the moments a user waits for (first\n"
        "frame, browser address, page loaded) are written to standard error; with\n"
        "\"vyx.media.info=true\", what the player chose for a file.\n");
}

QString versionText() {
    return QStringLiteral("%1 %2.%3.%4\n")
        .arg(QLatin1String(app::kTitle))
        .arg(app::kMajor)
        .arg(app::kMinor)
        .arg(app::kRevision);
}

} // namespace vyx
