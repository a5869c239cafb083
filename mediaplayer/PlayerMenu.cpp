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

void addPicture(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const picture = menu->addMenu(tr("Pi&cture"));
    addItem(picture, tr("Turn &Right"), PlayerCommand::RotateRight, 0.0, QKeySequence(Qt::Key_R));
    addItem(picture, tr("Turn &Left"), PlayerCommand::RotateLeft, 0.0,
            QKeySequence(Qt::SHIFT | Qt::Key_R));
    QMenu* const shapes = picture->addMenu(tr("&Shape"));
    auto* const shapeGroup = new QActionGroup(shapes);
    for (const auto& [text, aspect] : std::initializer_list<std::pair<QString, AspectOverride>>{
             {tr("As the &File Says"), AspectOverride::File},
             {QStringLiteral("&4:3"), AspectOverride::FourThree},
             {QStringLiteral("1&6:9"), AspectOverride::SixteenNine},
             {QStringLiteral("1.&85:1"), AspectOverride::Flat},
             {QStringLiteral("&2.35:1"), AspectOverride::Scope}}) {
        addChoice(shapes, shapeGroup, text, PlayerCommand::SetAspect, static_cast<int>(aspect),
                  state.picture.aspect == aspect);
    }
    addItem(picture, tr("Zoom &In"), PlayerCommand::ZoomIn, 0.0,
            QKeySequence(Qt::ALT | Qt::Key_Plus));
    addItem(picture, tr("Zoom &Out"), PlayerCommand::ZoomOut, 0.0,
            QKeySequence(Qt::ALT | Qt::Key_Minus));
    addItem(picture, tr("Zoom Reset"), PlayerCommand::ZoomReset, 0.0,
            QKeySequence(Qt::ALT | Qt::Key_0));
    QMenu* const deinterlace = picture->addMenu(tr("&Deinterlace"));
    auto* const deinterlaceGroup = new QActionGroup(deinterlace);
    for (const auto& [text, mode] : std::initializer_list<std::pair<QString, Deinterlace>>{
             {tr("&Where Interlaced"), Deinterlace::Automatic},
             {tr("&Always"), Deinterlace::On},
             {tr("&Never"), Deinterlace::Off}}) {
        addChoice(deinterlace, deinterlaceGroup, text, PlayerCommand::SetDeinterlace,
                  static_cast<int>(mode), state.picture.deinterlace == mode);
    }
    picture->addSeparator();
    const std::initializer_list<std::tuple<QString, QString, int>> colours{
        {tr("Less Contrast"), tr("More Contrast"), Qt::Key_1},
        {tr("Darker"), tr("Brighter"), Qt::Key_3},
        {tr("Less Gamma"), tr("More Gamma"), Qt::Key_5},
        {tr("Less Saturation"), tr("More Saturation"), Qt::Key_7},
        {tr("Hue Back"), tr("Hue Forward"), Qt::Key_9}};
    int colour = 0;
    for (const auto& [down, up, key] : colours) {
        addItem(picture, down, PlayerCommand::ColourDown, colour, QKeySequence(key));
        addItem(picture, up, PlayerCommand::ColourUp, colour,
                QKeySequence(key == Qt::Key_9 ? Qt::Key_0 : key + 1));
        ++colour;
    }
    picture->addSeparator();
    addItem(picture, tr("Reset &Picture"), PlayerCommand::ResetPicture, 0.0,
            QKeySequence(Qt::CTRL | Qt::Key_Backspace))
        ->setEnabled(state.picture != PictureAdjustments{});
}

void addSound(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const sound = menu->addMenu(tr("S&ound"));
    addCheck(sound, tr("&Even Out Loudness"), PlayerCommand::ToggleLoudness, state.sound.normalised,
             QKeySequence(Qt::Key_N));
    addItem(sound, tr("E&qualizer..."), PlayerCommand::ShowEqualizer, 0.0, QKeySequence(Qt::Key_E));
    QMenu* const devices = sound->addMenu(tr("Output &Device"));
    // Filled as it opens, from the engine's latest list.
    QObject::connect(devices, &QMenu::aboutToShow, devices, [devices, state] {
        devices->clear();
        auto* const group = new QActionGroup(devices);
        const QList<AudioDevice> listed = state.devices ? state.devices() : QList<AudioDevice>{};
        for (qsizetype index = 0; index < listed.size(); ++index) {
            const AudioDevice& device = listed.at(index);
            const bool isDefault = device.name == QLatin1String("auto");
            const bool current =
                isDefault ? state.sound.device.isEmpty() : device.name == state.sound.device;
            addChoice(devices, group, isDefault ? tr("The Desktop's Default") : device.description,
                      PlayerCommand::SetAudioDevice, static_cast<double>(index), current);
        }
        if (listed.isEmpty()) {
            devices->addAction(tr("(none listed)"))->setEnabled(false);
        }
    });
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
    addPicture(&menu, state);
    addSound(&menu, state);

    const QAction* const chosen = menu.exec(globalPos);
    return chosen != nullptr ? chosen->data().value<PlayerRequest>() : PlayerRequest{};
}

} // namespace vyx
