#include "RuntimeError.h"

#include <QCoreApplication>
#include <array>
#include <utility>

namespace vyx {

namespace {

struct Entry {
    ErrorCode code;
    const char* description;
};

constexpr std::array kTable{
    Entry{ErrorCode::InvalidArgument,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "Invalid procedure call or argument")},
    Entry{ErrorCode::Internal, QT_TRANSLATE_NOOP("vyx::RuntimeError", "Internal error")},
    Entry{ErrorCode::BadFileName,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "Bad file name or number")},
    Entry{ErrorCode::FileNotFound, QT_TRANSLATE_NOOP("vyx::RuntimeError", "File not found")},
    Entry{ErrorCode::PermissionDenied, QT_TRANSLATE_NOOP("vyx::RuntimeError", "Permission denied")},
    Entry{ErrorCode::PathFileAccess,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "Path/File access error")},
    Entry{ErrorCode::InvalidFormat, QT_TRANSLATE_NOOP("vyx::RuntimeError", "Invalid file format")},
    Entry{ErrorCode::NavigationRefused,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "The address cannot be opened")},
    Entry{ErrorCode::NothingToGoBack,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "There is no earlier page to go back to")},
    Entry{ErrorCode::NothingToGoForward,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "There is no later page to go forward to")},
    Entry{ErrorCode::WebEngineUnavailable,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "The web engine could not be loaded")},
    Entry{ErrorCode::MediaEngineUnavailable,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "The media engine could not be started")},
    Entry{ErrorCode::EmptyList,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "The list names nothing that can be played")},
    Entry{ErrorCode::DialogCancelled,
          QT_TRANSLATE_NOOP("vyx::RuntimeError", "Cancel was selected.")},
};

} // namespace

QString describe(std::int32_t code) {
    for (const Entry& entry : kTable) {
        if (static_cast<std::int32_t>(entry.code) == code) {
            return QCoreApplication::translate("vyx::RuntimeError", entry.description);
        }
    }
    return QCoreApplication::translate("vyx::RuntimeError",
                                       "Application-defined or object-defined error");
}

RuntimeError::RuntimeError(std::int32_t code, QString description)
    : m_code(code)
    , m_description(std::move(description))
    , m_what(QString::number(code).append(u' ').append(m_description).toUtf8()) {}

RuntimeError::RuntimeError(ErrorCode code, const QString& subject)
    : RuntimeError(static_cast<std::int32_t>(code),
                   subject.isEmpty() ? describe(static_cast<std::int32_t>(code))
                                     : describe(static_cast<std::int32_t>(code)) +
                                           QStringLiteral(": ") + subject) {}

} // namespace vyx
