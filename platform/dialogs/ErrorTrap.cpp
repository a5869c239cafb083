#include "ErrorTrap.h"

#include "AppInfo.h"

#include <QCoreApplication>
#include <exception>
#include <optional>

namespace vyx {

namespace {

// Runs one step and reports how it failed; anything that is not one of our errors is still
// caught, so that no step can take the command (or the event loop) down with it.
std::optional<RuntimeError> attempt(const Step& step) {
    try {
        step();
        return std::nullopt;
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::exception& error) {
        return RuntimeError(ErrorCode::Internal, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return RuntimeError(ErrorCode::Internal);
    }
}

} // namespace

QString trapPrompt(TrapKind kind, const RuntimeError& error) {
    if (kind == TrapKind::Link) {
        return error.description();
    }
    return QString::number(error.code()) + u' ' + error.description();
}

QString trapTitle(TrapKind kind, const RuntimeError& error) {
    if (kind == TrapKind::Link) {
        return QString::number(error.code());
    }
    return QStringLiteral("ERROR:  ") + error.description();
}

int runTrapped(TrapKind kind, MessagePrompter& prompter, const std::vector<Step>& steps) {
    int lastAnswer = 0;
    for (const Step& step : steps) {
        for (;;) {
            const std::optional<RuntimeError> failure = attempt(step);
            if (!failure) {
                break;
            }
            if (kind == TrapKind::FileCommand &&
                failure->code() == static_cast<std::int32_t>(ErrorCode::DialogCancelled)) {
                return lastAnswer;
            }
            lastAnswer =
                prompter.MsgBox(trapPrompt(kind, *failure), msgbox::CriticalAbortRetryIgnore,
                                trapTitle(kind, *failure));
            if (lastAnswer == msgbox::Retry) {
                continue;
            }
            if (lastAnswer == msgbox::Ignore) {
                break;
            }
            return lastAnswer;
        }
    }
    return lastAnswer;
}

void runResumeNext(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        attempt(step);
    }
}

void runGuarded(MessagePrompter& prompter, const Step& handler) noexcept {
    const std::optional<RuntimeError> failure = attempt(handler);
    if (!failure) {
        return;
    }
    try {
        prompter.MsgBox(QCoreApplication::translate("vyx::ErrorTrap", "Run-time error '%1':\n\n%2")
                            .arg(failure->code())
                            .arg(failure->description()),
                        msgbox::Critical, QString::fromLatin1(app::kTitle));
    } catch (...) {
        // The box itself failed (out of memory): there is nobody left to tell.
    }
}

} // namespace vyx
