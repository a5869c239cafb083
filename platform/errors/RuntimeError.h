#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <exception>

namespace vyx {

// Every code the program's own components report. The numbers of the first group are the
// classic run-time error numbers users of such programs know; the rest are ours.
enum class ErrorCode : std::int32_t {
    InvalidArgument = 5,
    Internal = 51,
    BadFileName = 52,
    FileNotFound = 53,
    PermissionDenied = 70,
    PathFileAccess = 75,
    InvalidFormat = 321,
    NavigationRefused = 1001,
    NothingToGoBack = 1002,
    NothingToGoForward = 1003,
    WebEngineUnavailable = 1004,
    MediaEngineUnavailable = 1010,
    EmptyList = 1011,
    DialogCancelled = 32755,
};

// The one table of descriptions; an unknown code gets a generic text.
QString describe(std::int32_t code);

class RuntimeError : public std::exception {
public:
    RuntimeError(std::int32_t code, QString description);
    // A description from the table, followed by what the failure concerns (a file, an address).
    explicit RuntimeError(ErrorCode code, const QString& subject = {});

    [[nodiscard]] std::int32_t code() const noexcept { return m_code; }
    [[nodiscard]] const QString& description() const noexcept { return m_description; }
    [[nodiscard]] const char* what() const noexcept override { return m_what.constData(); }

private:
    std::int32_t m_code;
    QString m_description;
    QByteArray m_what;
};

} // namespace vyx
