#pragma once

#include "media/VideoOutputMode.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vyx {

// What the program was asked to do from its command line.
struct CommandLine {
    // Error: the command line itself is wrong. Refused: it is well formed, but what it names
    // cannot be opened.
    enum class Action { Run, Help, Version, Error, Refused };
    Action action = Action::Run;
    QStringList files;           // the files to play at start, as local paths, in order
    QString message;             // for Error and Refused: what was wrong
    bool separateWindow = false; // play in the separate, resizable player window
    QString browse;              // an address to open in the browser at start; empty for none
    VideoOutputMode videoOutput = VideoOutputMode::Auto; // what draws the pictures
};

// The arguments after the program name. A file may be a path or a file:// URL (percent-encoded
// names are decoded); several are taken in order. Qt's own options are accepted and left to
// QApplication. --separate-window plays in the resizable player window; --browse ADDRESS opens
// the browser there as well, and an address that the browser would refuse is refused here,
// before any window is made. --video-output=auto|opengl|software chooses what draws the
// pictures.
CommandLine parseCommandLine(const QStringList& arguments);

// One argument as the system gave it. A file name that is not UTF-8 comes back as a file://
// address that keeps its bytes; everything else as text.
QString argumentFromBytes(const QByteArray& argument);

// Says what the command line asked for that does not run the program (its help, its version,
// what was wrong) on standard output or error; returns the program's exit status.
int answerWithoutRunning(const CommandLine& command);

QString helpText();
QString versionText();

} // namespace vyx
