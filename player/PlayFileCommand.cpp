#include "PlayFileCommand.h"

#include "dialogs/OpenFileDialog.h"
#include "errors/ErrorTrap.h"
#include "media/MediaPlayer.h"

namespace vyx {

void playChosenFile(MessagePrompter& prompter, OpenFileDialog& opener, MediaPlayer& player,
                    const QString& filter) {
    OpenFileDialog* dialog = nullptr;
    runTrapped(TrapKind::FileCommand, prompter,
               {
                   [&] { dialog = &opener; },
                   [&] { dialog->setDialogTitle(QStringLiteral("Select A Media File To Play")); },
                   [&] { dialog->setFilter(filter); },
                   [&] { dialog->ShowOpen(); },
                   [&] { player.Open(dialog->FileName()); },
                   [&] { dialog = nullptr; },
               });
}

void playFiles(MessagePrompter& prompter, MediaPlayer& player, const QStringList& entries) {
    runTrapped(TrapKind::FileCommand, prompter, {[&] {
                   player.OpenList(entries);
               }});
}

void playDropped(MessagePrompter& prompter, MediaPlayer& player, const QStringList& entries) {
    runTrapped(TrapKind::FileCommand, prompter, {[&] {
                   player.openDropped(entries);
               }});
}

} // namespace vyx
