#include "PlayerMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <algorithm>
#include <cmath>

namespace vyx {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("vyx::MediaPlayer", text);
}

QAction* addItem(QMenu* menu, const QString& text, PlayerCommand command, double value = 0.0) {
    QAction* const action = menu->addAction(text);
    action->setData(QVariant::fromValue(PlayerRequest{command, value}));
    return action;
}

// One of several, ticked: sizes, tracks, speeds.
QAction* addChoice(QMenu* menu, QActionGroup* group, const QString& text, PlayerCommand command,
                   double value, bool ticked) {
    QAction* const action = addItem(menu, text, command, value);
    action->setCheckable(true);
    action->setChecked(ticked);
    group->addAction(action);
    return action;
}

void addTracks(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const audio = menu->addMenu(tr("A&udio"));
    auto* const audioGroup = new QActionGroup(audio);
    QMenu* const subtitles = menu->addMenu(tr("Su&btitles"));
    auto* const subtitleGroup = new QActionGroup(subtitles);
    bool anySubtitle = false;
    for (const MediaTrack& track : state.tracks) {
        const bool isAudio = track.kind == MediaTrack::Kind::Audio;
        anySubtitle = anySubtitle || !isAudio;
        addChoice(isAudio ? audio : subtitles, isAudio ? audioGroup : subtitleGroup, track.label,
                  isAudio ? PlayerCommand::SelectAudio : PlayerCommand::SelectSubtitle, track.id,
                  track.selected);
    }
    audio->setEnabled(!audio->isEmpty());
    const bool noneShown =
        std::none_of(state.tracks.begin(), state.tracks.end(), [](const MediaTrack& track) {
            return track.kind == MediaTrack::Kind::Subtitle && track.selected;
        });
    addChoice(subtitles, subtitleGroup, tr("Off"), PlayerCommand::SelectSubtitle, 0, noneShown)
        ->setEnabled(anySubtitle);
    subtitles->addSeparator();
    addItem(subtitles, tr("&Load subtitles..."), PlayerCommand::LoadSubtitles);
    subtitles->setEnabled(state.loaded);
}

void addSpeeds(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const speeds = menu->addMenu(tr("S&peed"));
    auto* const group = new QActionGroup(speeds);
    for (const double speed : {0.5, 0.75, 1.0, 1.25, 1.5, 2.0}) {
        addChoice(speeds, group, QStringLiteral("%1x").arg(speed), PlayerCommand::SetSpeed, speed,
                  std::abs(speed - state.speed) < 0.005);
    }
}

} // namespace

PlayerRequest choosePlayerCommand(QWidget* parent, const PlayerMenuState& state, QPoint globalPos) {
    QMenu menu(parent);
    addItem(&menu, state.paused ? tr("&Play") : tr("P&ause"), PlayerCommand::TogglePlay)
        ->setEnabled(state.loaded);
    addItem(&menu, tr("&Stop"), PlayerCommand::Stop)->setEnabled(state.loaded);
    if (state.severalEntries) {
        addItem(&menu, tr("&Next"), PlayerCommand::NextEntry);
        addItem(&menu, tr("Pre&vious"), PlayerCommand::PreviousEntry);
    }
    QAction* const mute = addItem(&menu, tr("&Mute"), PlayerCommand::ToggleMute);
    mute->setCheckable(true);
    mute->setChecked(state.muted);
    menu.addSeparator();
    addTracks(&menu, state);
    addSpeeds(&menu, state);
    QMenu* const sizes = menu.addMenu(tr("&Display Size"));
    auto* const group = new QActionGroup(sizes);
    addChoice(sizes, group, tr("&Original Size"), PlayerCommand::OriginalSize, 0, !state.fitToSize);
    addChoice(sizes, group, tr("&Fit to Player"), PlayerCommand::FitToSize, 0, state.fitToSize);

    const QAction* const chosen = menu.exec(globalPos);
    return chosen != nullptr ? chosen->data().value<PlayerRequest>() : PlayerRequest{};
}

} // namespace vyx
