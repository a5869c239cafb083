#include "RuntimeError.h"

#include <array>
#include <utility>

namespace vyx {

namespace {

struct Entry {
    ErrorCode code;
    const char* description;
};

constexpr std::array kTable{
    Entry{ErrorCode::InvalidArgument, "Invalid procedure call or argument"},
    Entry{ErrorCode::Internal, "Internal error"},
    Entry{ErrorCode::BadFileName, "Bad file name or number"},
    Entry{ErrorCode::FileNotFound, "File not found"},
    Entry{ErrorCode::PermissionDenied, "Permission denied"},
    Entry{ErrorCode::PathFileAccess, "Path/File access error"},
    Entry{ErrorCode::InvalidFormat, "Invalid file format"},
    Entry{ErrorCode::NavigationRefused, "The address cannot be opened"},
    Entry{ErrorCode::NothingToGoBack, "There is no earlier page to go back to"},
    Entry{ErrorCode::NothingToGoForward, "There is no later page to go forward to"},
    Entry{ErrorCode::WebEngineUnavailable, "The web engine could not be loaded"},
    Entry{ErrorCode::MediaEngineUnavailable, "The media engine could not be started"},
    Entry{ErrorCode::EmptyList, "The list names nothing that can be played"},
    Entry{ErrorCode::DialogCancelled, "Cancel was selected."},
};

} // namespace

QString describe(std::int32_t code) {
    for (const Entry& entry : kTable) {
        if (static_cast<std::int32_t>(entry.code) == code) {
            return QString::fromLatin1(entry.description);
        }
    }
    return QStringLiteral("Application-defined or object-defined error");
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
