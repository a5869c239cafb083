#include "EngineFailure.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <mpv/client.h>

namespace vyx {

namespace {

// The reasons, translated as the engine's failures.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EngineFailure)
};

// The first message that matches, with its captures; an empty list when none does.
QStringList find(const QStringList& messages, const QString& pattern) {
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    for (const QString& message : messages) {
        const QRegularExpressionMatch match = expression.match(message);
        if (match.hasMatch()) {
            return match.capturedTexts();
        }
    }
    return {};
}

} // namespace

QString failureReason(int error, const QStringList& engineMessages, bool stream) {
    // libavformat says so once it has tried every piece in turn. Before the server's answer: that
    // was about a piece, not about the address played.
    if (const QStringList piece =
            find(engineMessages, QStringLiteral("Error when loading first segment '(.*)'"));
        !piece.isEmpty()) {
        return Texts::tr("the stream's pieces cannot be read (the first is %1)")
            .arg(QUrl(piece.at(1)).fileName());
    }
    if (const QStringList http = find(engineMessages, QStringLiteral(R"(HTTP error (\d+)\s*(.*))"));
        !http.isEmpty()) {
        const QString answer = (http.at(1) + u' ' + http.at(2)).trimmed();
        return http.at(1) == QLatin1String("404")
                   ? Texts::tr("there is nothing at that address (the server answered %1)")
                         .arg(answer)
                   : Texts::tr("the server would not send it (it answered %1)").arg(answer);
    }
    if (!find(engineMessages, QStringLiteral("Connection refused")).isEmpty()) {
        return Texts::tr("the connection was refused: nothing answers at that address");
    }
    if (const QStringList name =
            find(engineMessages, QStringLiteral(R"(Failed to resolve hostname (\S+?):)"));
        !name.isEmpty()) {
        return Texts::tr("the name %1 could not be found: check the address and the network")
            .arg(name.at(1));
    }
    if (!find(engineMessages, QStringLiteral("timed out")).isEmpty()) {
        return Texts::tr("the server did not answer in time");
    }
    // Over UDP (SRT, RIST) nothing refuses: the connection only fails.
    if (!find(engineMessages, QStringLiteral(R"(Connection to \S+ failed)")).isEmpty()) {
        return Texts::tr("nothing answers at that address");
    }
    if (const QStringList codec = find(
            engineMessages, QStringLiteral("Failed to initiali[sz]e a decoder for codec '(.*)'"));
        !codec.isEmpty()) {
        return codec.at(1).isEmpty()
                   ? Texts::tr("there is no decoder for its codec")
                   : Texts::tr("there is no decoder for its codec (%1)").arg(codec.at(1));
    }
    switch (error) {
    case MPV_ERROR_AO_INIT_FAILED:
        return Texts::tr("no sound device could be opened");
    case MPV_ERROR_NOTHING_TO_PLAY:
        return Texts::tr("it holds no sound or picture that this player can decode");
    case MPV_ERROR_UNKNOWN_FORMAT:
        return Texts::tr("it is not in a format that this player reads");
    default:
        return stream ? Texts::tr("the address could not be read as media")
                      : Texts::tr("the file is damaged or cut short");
    }
}

QString skippedPiece(const QString& engineMessage) {
    const QStringList piece =
        find({engineMessage}, QStringLiteral(R"(Failed to open segment (\d+))"));
    return piece.isEmpty() ? QString()
                           : Texts::tr("Piece %1 of the stream is missing: playing jumps over it")
                                 .arg(piece.at(1));
}

bool decoderFailed(const QStringList& engineMessages) {
    return std::any_of(engineMessages.begin(), engineMessages.end(), [](const QString& message) {
        return message.startsWith(QLatin1String("Failed to initialize a decoder"));
    });
}

} // namespace vyx
