#pragma once

#include <QString>

namespace vyx {

class MediaPlayer;
class MessagePrompter;
class OpenFileDialog;

// The windows' "choose a file and play it" command, under the file-command trap: a cancelled
// dialog ends it silently, a refused file is offered again on Retry.
void playChosenFile(MessagePrompter& prompter, OpenFileDialog& opener, MediaPlayer& player,
                    const QString& filter);

// Plays a file named by the user some other way (dropped, given on the command line), with the
// same handling of a refused file.
void playFile(MessagePrompter& prompter, MediaPlayer& player, const QString& path);

} // namespace vyx
