#pragma once

#include <QString>
#include <QStringList>

namespace vyx {

// What the program was asked to do from its command line.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString file;    // the file to play at start, as a local path; empty for none
    QString message; // for Error: what was wrong
};

// The arguments after the program name. A file may be a path or a file:// URL (percent-encoded
// names are decoded); of several files the first is played.
CommandLine parseCommandLine(const QStringList& arguments);

QString helpText();
QString versionText();

} // namespace vyx
