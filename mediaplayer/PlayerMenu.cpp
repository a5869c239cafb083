#include "PlayerMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>

namespace vyx {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("vyx::MediaPlayer", text);
}

QAction* addItem(QMenu* menu, const QString& text, PlayerCommand command, double value = 0.0,
                 const QKeySequence& key = {}) {
    // The key is shown beside the item, to teach it, but not bound to it: the player has its
    // keys already, and the menu's own letters must stay the menu's.
    QAction* const action = menu->addAction(
        key.isEmpty() ? text : text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
    action->setData(QVariant::fromValue(PlayerRequest{command, value}));
    return action;
}

QAction* addCheck(QMenu* menu, const QString& text, PlayerCommand command, bool ticked,
                  const QKeySequence& key = {}) {
    QAction* const action = addItem(menu, text, command, 0.0, key);
    action->setCheckable(true);
    action->setChecked(ticked);
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

void addChapters(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const chapters = menu->addMenu(tr("C&hapters"));
    auto* const group = new QActionGroup(chapters);
    for (int i = 0; i < state.chapters.size(); ++i) {
        const QString title =
            state.chapters.at(i).isEmpty() ? tr("Chapter %1").arg(i + 1) : state.chapters.at(i);
        addChoice(chapters, group, title, PlayerCommand::SelectChapter, i, i == state.chapter);
    }
    chapters->setEnabled(state.loaded && !state.chapters.isEmpty());
}

void addMoments(QMenu* menu, const PlayerMenuState& state) {
    const std::initializer_list<std::tuple<const char*, PlayerCommand, QKeySequence>> items{
        {"Next Chapter", PlayerCommand::NextChapter, QKeySequence(Qt::Key_PageDown)},
        {"Previous Chapter", PlayerCommand::PreviousChapter, QKeySequence(Qt::Key_PageUp)},
        {"Frame &Forward", PlayerCommand::FrameForward, QKeySequence(Qt::Key_Period)},
        {"Frame Bac&k", PlayerCommand::FrameBack, QKeySequence(Qt::Key_Comma)},
        {"A-B &Loop", PlayerCommand::MarkLoop, QKeySequence(Qt::Key_L)},
        {"Scree&nshot", PlayerCommand::Screenshot, QKeySequence(Qt::Key_S)}};
    for (const auto& [text, command, key] : items) {
        const bool chapterItem =
            command == PlayerCommand::NextChapter || command == PlayerCommand::PreviousChapter;
        addItem(menu, tr(text), command, 0.0, key)
            ->setEnabled(state.loaded && (!chapterItem || !state.chapters.isEmpty()));
    }
}

void addListItems(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const repeat = menu->addMenu(tr("&Repeat"));
    auto* const group = new QActionGroup(repeat);
    addChoice(repeat, group, tr("&Off"), PlayerCommand::SetRepeat, static_cast<int>(Repeat::Off),
              state.repeat == Repeat::Off);
    addChoice(repeat, group, tr("This &Entry"), PlayerCommand::SetRepeat,
              static_cast<int>(Repeat::Entry), state.repeat == Repeat::Entry);
    addChoice(repeat, group, tr("The Whole &List"), PlayerCommand::SetRepeat,
              static_cast<int>(Repeat::List), state.repeat == Repeat::List);
    addCheck(menu, tr("Shu&ffle"), PlayerCommand::ToggleShuffle, state.shuffled)
        ->setEnabled(state.severalEntries);
    if (state.listAllowed) {
        addCheck(menu, tr("Show L&ist"), PlayerCommand::ToggleList, state.listShown,
                 QKeySequence(Qt::Key_F9));
    }
}

void addDelays(QMenu* menu) {
    QMenu* const delays = menu->addMenu(tr("&Delays"));
    addItem(delays, tr("Subtitles Earlier"), PlayerCommand::SubtitlesEarlier, 0.0,
            QKeySequence(Qt::Key_Z));
    addItem(delays, tr("Subtitles Later"), PlayerCommand::SubtitlesLater, 0.0,
            QKeySequence(Qt::Key_X));
    addItem(delays, tr("Sound Earlier"), PlayerCommand::SoundEarlier, 0.0,
            QKeySequence(Qt::CTRL | Qt::Key_Minus));
    addItem(delays, tr("Sound Later"), PlayerCommand::SoundLater, 0.0,
            QKeySequence(Qt::CTRL | Qt::Key_Plus));
    delays->addSeparator();
    addItem(delays, tr("&Reset Delays"), PlayerCommand::ResetDelays);
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
    addCheck(&menu, tr("&Mute"), PlayerCommand::ToggleMute, state.muted);
    menu.addSeparator();
    addChapters(&menu, state);
    addMoments(&menu, state);
    menu.addSeparator();
    addListItems(&menu, state);
    menu.addSeparator();
    addTracks(&menu, state);
    addDelays(&menu);
    addSpeeds(&menu, state);
    QMenu* const sizes = menu.addMenu(tr("&Display Size"));
    auto* const group = new QActionGroup(sizes);
    addChoice(sizes, group, tr("&Original Size"), PlayerCommand::OriginalSize, 0, !state.fitToSize);
    addChoice(sizes, group, tr("&Fit to Player"), PlayerCommand::FitToSize, 0, state.fitToSize);

    const QAction* const chosen = menu.exec(globalPos);
    return chosen != nullptr ? chosen->data().value<PlayerRequest>() : PlayerRequest{};
}

} // namespace vyx
