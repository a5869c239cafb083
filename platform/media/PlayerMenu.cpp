#include "PlayerMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace vyx {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("vyx::MediaPlayer", text);
}

} // namespace

PlayerCommand choosePlayerCommand(QWidget* parent, const PlayerMenuState& state, QPoint globalPos) {
    QMenu menu(parent);
    QAction* const playPause = menu.addAction(state.paused ? tr("&Play") : tr("P&ause"));
    playPause->setData(static_cast<int>(PlayerCommand::TogglePlay));
    playPause->setEnabled(state.loaded);
    QAction* const stop = menu.addAction(tr("&Stop"));
    stop->setData(static_cast<int>(PlayerCommand::Stop));
    stop->setEnabled(state.loaded);
    QAction* const mute = menu.addAction(tr("&Mute"));
    mute->setData(static_cast<int>(PlayerCommand::ToggleMute));
    mute->setCheckable(true);
    mute->setChecked(state.muted);
    menu.addSeparator();
    QMenu* const sizes = menu.addMenu(tr("&Display Size"));
    QActionGroup group(sizes);
    QAction* const original = sizes->addAction(tr("&Original Size"));
    original->setData(static_cast<int>(PlayerCommand::OriginalSize));
    QAction* const fit = sizes->addAction(tr("&Fit to Player"));
    fit->setData(static_cast<int>(PlayerCommand::FitToSize));
    for (QAction* const action : {original, fit}) {
        action->setCheckable(true);
        group.addAction(action);
    }
    (state.fitToSize ? fit : original)->setChecked(true);

    const QAction* const chosen = menu.exec(globalPos);
    return chosen != nullptr ? static_cast<PlayerCommand>(chosen->data().toInt())
                             : PlayerCommand::None;
}

} // namespace vyx
