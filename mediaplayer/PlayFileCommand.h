#pragma once

#include <QString>
#include <QStringList>

namespace vyx {

class FileChooser;
class MediaPlayer;
class MessagePrompter;
class OpenFileDialog;

// The windows' "choose a file and play it" command, under the file-command trap: a cancelled
// dialog ends it silently, a refused file is offered again on Retry.
void playChosenFile(MessagePrompter& prompter, OpenFileDialog& opener, MediaPlayer& player,
                    const QString& filter);

// Plays files named by the user on the command line, in turn, with the same handling of a
// refused file.
void playFiles(MessagePrompter& prompter, MediaPlayer& player, const QStringList& entries);

// The same for what was dropped on the player, which may be subtitles for what it plays.
void playDropped(MessagePrompter& prompter, MediaPlayer& player, const QStringList& entries);

// Subtitles of the user's choice for what the player plays, looked for beside it; a file that
// cannot be read is said so.
void loadChosenSubtitles(MessagePrompter& prompter, FileChooser& chooser, MediaPlayer& player);

} // namespace vyx
