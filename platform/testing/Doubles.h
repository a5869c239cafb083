#pragma once

#include "dialogs/MessageBox.h"
#include "dialogs/OpenFileDialog.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <optional>

namespace vyx::testing {

// Answers message boxes from a script and remembers what they said.
class ScriptedPrompter final : public MessagePrompter {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };

    void answer(std::initializer_list<int> answers) { m_answers.insert(m_answers.end(), answers); }
    int MsgBox(const QString& prompt, int style, const QString& title) override;

    QList<Shown> shown;

private:
    std::deque<int> m_answers;
};

// Picks files from a script: a path, or nothing for Cancel. Remembers every request.
class ScriptedFileChooser final : public FileChooser {
public:
    void choose(const QString& path) { m_results.push_back({false, path}); }
    void cancel() { m_results.push_back({true, {}}); }
    std::optional<QString> chooseFileToOpen(const OpenRequest& request) override;

    QList<OpenRequest> requests;

private:
    struct Result {
        bool cancelled;
        QString path;
    };
    std::deque<Result> m_results;
};

} // namespace vyx::testing
