#pragma once

#include <QString>

namespace vyx {

// Styles and answers of the program's message boxes, numbered as the windows use them.
namespace msgbox {
inline constexpr int OkOnly = 0;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int Critical = 16;
inline constexpr int Exclamation = 48;
inline constexpr int CriticalAbortRetryIgnore = Critical | AbortRetryIgnore; // 18

inline constexpr int Ok = 1;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
} // namespace msgbox

// A modal question to the user. Windows and traps get one by reference so that tests can answer.
class MessagePrompter {
public:
    virtual ~MessagePrompter() = default;
    // Shows the box and returns the answer: Ok, Abort, Retry or Ignore.
    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;

protected:
    MessagePrompter() = default;
    MessagePrompter(const MessagePrompter&) = default;
    MessagePrompter& operator=(const MessagePrompter&) = default;
};

// The real box: application-modal. With Abort/Retry/Ignore the user must pick one of the three
// buttons; Esc and the window's close box do nothing.
class QtMessagePrompter final : public MessagePrompter {
public:
    int MsgBox(const QString& prompt, int style, const QString& title) override;
};

} // namespace vyx
