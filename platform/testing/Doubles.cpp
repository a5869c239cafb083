#include "Doubles.h"

namespace vyx::testing {

int ScriptedPrompter::MsgBox(const QString& prompt, int style, const QString& title) {
    shown.append({prompt, style, title});
    if (m_answers.empty()) {
        return (style & 0x0F) == msgbox::AbortRetryIgnore ? msgbox::Abort : msgbox::Ok;
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedFileChooser::chooseFileToOpen(const OpenRequest& request) {
    requests.append(request);
    if (m_results.empty()) {
        return std::nullopt;
    }
    const Result result = m_results.front();
    m_results.pop_front();
    if (result.cancelled) {
        return std::nullopt;
    }
    return result.path;
}

} // namespace vyx::testing
