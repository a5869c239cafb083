#include "PlayFileCommand.h"

#include "MediaPlayer.h"
#include "dialogs/ErrorTrap.h"
#include "dialogs/MessageBox.h"
#include "dialogs/OpenFileDialog.h"
#include "errors/RuntimeError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vyx {

namespace {

// The commands' dialogs, translated as the player's own texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vyx::MediaPlayer)
};

} // namespace

void playChosenFile(MessagePrompter& prompter, OpenFileDialog& opener, MediaPlayer& player,
                    const QString& filter) {
    OpenFileDialog* dialog = nullptr;
    runTrapped(TrapKind::FileCommand, prompter,
               {
                   [&] { dialog = &opener; },
                   [&] { dialog->setDialogTitle(Texts::tr("Select A Media File To Play")); },
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

void loadChosenSubtitles(MessagePrompter& prompter, FileChooser& chooser, MediaPlayer& player) {
    const QString title = Texts::tr("Load Subtitles");
    //: The filters' names; the patterns in brackets stay as they are.
    const std::optional<QString> path = chooser.chooseFileToOpen(
        {title,
         {Texts::tr("Subtitles (*.srt *.ass *.ssa *.vtt *.sub)"), Texts::tr("All Files (*)")},
         {},
         QFileInfo(player.FileName()).absolutePath()});
    if (!path) {
        return;
    }
    try {
        player.addSubtitles(*path);
    } catch (const RuntimeError& error) {
        prompter.MsgBox(error.description(), msgbox::Exclamation, title);
    }
}

} // namespace vyx
