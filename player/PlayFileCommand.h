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

} // namespace vyx
