#include "PlayerMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>

namespace vyx {

namespace {

// The texts of these functions, translated as the player's own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vyx::MediaPlayer)
};

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
    QMenu* const audio = menu->addMenu(Texts::tr("A&udio"));
    auto* const audioGroup = new QActionGroup(audio);
    QMenu* const subtitles = menu->addMenu(Texts::tr("Su&btitles"));
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
    addChoice(subtitles, subtitleGroup, Texts::tr("Off"), PlayerCommand::SelectSubtitle, 0,
              noneShown)
        ->setEnabled(anySubtitle);
    subtitles->addSeparator();
    addItem(subtitles, Texts::tr("&Load subtitles..."), PlayerCommand::LoadSubtitles);
    subtitles->setEnabled(state.loaded);
}

void addChapters(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const chapters = menu->addMenu(Texts::tr("C&hapters"));
    auto* const group = new QActionGroup(chapters);
    for (int i = 0; i < state.chapters.size(); ++i) {
        const QString title = state.chapters.at(i).isEmpty() ? Texts::tr("Chapter %1").arg(i + 1)
                                                             : state.chapters.at(i);
        addChoice(chapters, group, title, PlayerCommand::SelectChapter, i, i == state.chapter);
    }
    chapters->setEnabled(state.loaded && !state.chapters.isEmpty());
}

void addMoments(QMenu* menu, const PlayerMenuState& state) {
    const std::initializer_list<std::tuple<const char*, PlayerCommand, QKeySequence>> items{
        {QT_TRANSLATE_NOOP("vyx::MediaPlayer", "Next Chapter"), PlayerCommand::NextChapter,
         QKeySequence(Qt::Key_PageDown)},
        {QT_TRANSLATE_NOOP("vyx::MediaPlayer", "Previous Chapter"), PlayerCommand::PreviousChapter,
         QKeySequence(Qt::Key_PageUp)},
        {QT_TRANSLATE_NOOP("vyx::MediaPlayer", "Frame &Forward"), PlayerCommand::FrameForward,
         QKeySequence(Qt::Key_Period)},
        {QT_TRANSLATE_NOOP("vyx::MediaPlayer", "Frame Bac&k"), PlayerCommand::FrameBack,
         QKeySequence(Qt::Key_Comma)},
        {QT_TRANSLATE_NOOP("vyx::MediaPlayer", "A-B &Loop"), PlayerCommand::MarkLoop,
         QKeySequence(Qt::Key_L)},
        {QT_TRANSLATE_NOOP("vyx::MediaPlayer", "Screensho&t"), PlayerCommand::Screenshot,
         QKeySequence(Qt::Key_S)}};
    for (const auto& [text, command, key] : items) {
        const bool chapterItem =
            command == PlayerCommand::NextChapter || command == PlayerCommand::PreviousChapter;
        addItem(menu, Texts::tr(text), command, 0.0, key)
            ->setEnabled(state.loaded && (!chapterItem || !state.chapters.isEmpty()));
    }
}

void addListItems(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const repeat = menu->addMenu(Texts::tr("&Repeat"));
    auto* const group = new QActionGroup(repeat);
    addChoice(repeat, group, Texts::tr("&Off"), PlayerCommand::SetRepeat,
              static_cast<int>(Repeat::Off), state.repeat == Repeat::Off);
    addChoice(repeat, group, Texts::tr("This &Entry"), PlayerCommand::SetRepeat,
              static_cast<int>(Repeat::Entry), state.repeat == Repeat::Entry);
    addChoice(repeat, group, Texts::tr("The Whole &List"), PlayerCommand::SetRepeat,
              static_cast<int>(Repeat::List), state.repeat == Repeat::List);
    addCheck(menu, Texts::tr("Shuffl&e"), PlayerCommand::ToggleShuffle, state.shuffled)
        ->setEnabled(state.severalEntries);
    if (state.listAllowed) {
        addCheck(menu, Texts::tr("Show L&ist"), PlayerCommand::ToggleList, state.listShown,
                 QKeySequence(Qt::Key_F9));
    }
}

void addDelays(QMenu* menu) {
    QMenu* const delays = menu->addMenu(Texts::tr("Dela&ys"));
    addItem(delays, Texts::tr("Subtitles Earlier"), PlayerCommand::SubtitlesEarlier, 0.0,
            QKeySequence(Qt::Key_Z));
    addItem(delays, Texts::tr("Subtitles Later"), PlayerCommand::SubtitlesLater, 0.0,
            QKeySequence(Qt::Key_X));
    addItem(delays, Texts::tr("Sound Earlier"), PlayerCommand::SoundEarlier, 0.0,
            QKeySequence(Qt::CTRL | Qt::Key_Minus));
    addItem(delays, Texts::tr("Sound Later"), PlayerCommand::SoundLater, 0.0,
            QKeySequence(Qt::CTRL | Qt::Key_Plus));
    delays->addSeparator();
    addItem(delays, Texts::tr("&Reset Delays"), PlayerCommand::ResetDelays);
}

void addSpeeds(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const speeds = menu->addMenu(Texts::tr("S&peed"));
    auto* const group = new QActionGroup(speeds);
    for (const double speed : {0.5, 0.75, 1.0, 1.25, 1.5, 2.0}) {
        addChoice(speeds, group, Texts::tr("%1x").arg(QLocale().toString(speed)),
                  PlayerCommand::SetSpeed, speed, std::abs(speed - state.speed) < 0.005);
    }
}

void addPicture(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const picture = menu->addMenu(Texts::tr("Pi&cture"));
    addItem(picture, Texts::tr("Turn &Right"), PlayerCommand::RotateRight, 0.0,
            QKeySequence(Qt::Key_R));
    addItem(picture, Texts::tr("Turn &Left"), PlayerCommand::RotateLeft, 0.0,
            QKeySequence(Qt::SHIFT | Qt::Key_R));
    QMenu* const shapes = picture->addMenu(Texts::tr("&Shape"));
    auto* const shapeGroup = new QActionGroup(shapes);
    for (const auto& [text, aspect] : std::initializer_list<std::pair<QString, AspectOverride>>{
             {Texts::tr("As the &File Says"), AspectOverride::File},
             {QStringLiteral("&4:3"), AspectOverride::FourThree},
             {QStringLiteral("1&6:9"), AspectOverride::SixteenNine},
             {QStringLiteral("1.&85:1"), AspectOverride::Flat},
             {QStringLiteral("&2.35:1"), AspectOverride::Scope}}) {
        addChoice(shapes, shapeGroup, text, PlayerCommand::SetAspect, static_cast<int>(aspect),
                  state.picture.aspect == aspect);
    }
    addItem(picture, Texts::tr("Zoom &In"), PlayerCommand::ZoomIn, 0.0,
            QKeySequence(Qt::ALT | Qt::Key_Plus));
    addItem(picture, Texts::tr("Zoom &Out"), PlayerCommand::ZoomOut, 0.0,
            QKeySequence(Qt::ALT | Qt::Key_Minus));
    addItem(picture, Texts::tr("Zoom Rese&t"), PlayerCommand::ZoomReset, 0.0,
            QKeySequence(Qt::ALT | Qt::Key_0));
    QMenu* const deinterlace = picture->addMenu(Texts::tr("&Deinterlace"));
    auto* const deinterlaceGroup = new QActionGroup(deinterlace);
    for (const auto& [text, mode] : std::initializer_list<std::pair<QString, Deinterlace>>{
             {Texts::tr("&Where Interlaced"), Deinterlace::Automatic},
             {Texts::tr("&Always"), Deinterlace::On},
             {Texts::tr("&Never"), Deinterlace::Off}}) {
        addChoice(deinterlace, deinterlaceGroup, text, PlayerCommand::SetDeinterlace,
                  static_cast<int>(mode), state.picture.deinterlace == mode);
    }
    picture->addSeparator();
    const std::initializer_list<std::tuple<QString, QString, int>> colours{
        {Texts::tr("Less Contrast"), Texts::tr("More Contrast"), Qt::Key_1},
        {Texts::tr("Darker"), Texts::tr("Brighter"), Qt::Key_3},
        {Texts::tr("Less Gamma"), Texts::tr("More Gamma"), Qt::Key_5},
        {Texts::tr("Less Saturation"), Texts::tr("More Saturation"), Qt::Key_7},
        {Texts::tr("Hue Back"), Texts::tr("Hue Forward"), Qt::Key_9}};
    int colour = 0;
    for (const auto& [down, up, key] : colours) {
        addItem(picture, down, PlayerCommand::ColourDown, colour, QKeySequence(key));
        addItem(picture, up, PlayerCommand::ColourUp, colour,
                QKeySequence(key == Qt::Key_9 ? Qt::Key_0 : key + 1));
        ++colour;
    }
    picture->addSeparator();
    addItem(picture, Texts::tr("Reset &Picture"), PlayerCommand::ResetPicture, 0.0,
            QKeySequence(Qt::CTRL | Qt::Key_Backspace))
        ->setEnabled(state.picture != PictureAdjustments{});
}

void addSound(QMenu* menu, const PlayerMenuState& state) {
    QMenu* const sound = menu->addMenu(Texts::tr("S&ound"));
    addCheck(sound, Texts::tr("&Even Out Loudness"), PlayerCommand::ToggleLoudness,
             state.sound.normalised, QKeySequence(Qt::Key_N));
    addItem(sound, Texts::tr("E&qualizer..."), PlayerCommand::ShowEqualizer, 0.0,
            QKeySequence(Qt::Key_E));
    QMenu* const devices = sound->addMenu(Texts::tr("Output &Device"));
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
            addChoice(devices, group,
                      isDefault ? Texts::tr("The Desktop's Default") : device.description,
                      PlayerCommand::SetAudioDevice, static_cast<double>(index), current);
        }
        if (listed.isEmpty()) {
            devices->addAction(Texts::tr("(none listed)"))->setEnabled(false);
        }
    });
}

} // namespace

void fillPlayerMenu(QMenu& menu, const PlayerMenuState& state) {
    addItem(&menu, state.paused ? Texts::tr("Pl&ay") : Texts::tr("P&ause"),
            PlayerCommand::TogglePlay)
        ->setEnabled(state.loaded);
    addItem(&menu, Texts::tr("&Stop"), PlayerCommand::Stop)->setEnabled(state.loaded);
    if (state.severalEntries) {
        addItem(&menu, Texts::tr("&Next"), PlayerCommand::NextEntry);
        addItem(&menu, Texts::tr("Pre&vious"), PlayerCommand::PreviousEntry);
    }
    addCheck(&menu, Texts::tr("&Mute"), PlayerCommand::ToggleMute, state.muted);
    menu.addSeparator();
    addChapters(&menu, state);
    addMoments(&menu, state);
    menu.addSeparator();
    addListItems(&menu, state);
    menu.addSeparator();
    addTracks(&menu, state);
    addDelays(&menu);
    addSpeeds(&menu, state);
    QMenu* const sizes = menu.addMenu(Texts::tr("&Display Size"));
    auto* const group = new QActionGroup(sizes);
    addChoice(sizes, group, Texts::tr("&Original Size"), PlayerCommand::OriginalSize, 0,
              !state.fitToSize);
    addChoice(sizes, group, Texts::tr("&Fit to Player"), PlayerCommand::FitToSize, 0,
              state.fitToSize);
    addPicture(&menu, state);
    addSound(&menu, state);
}

PlayerRequest choosePlayerCommand(QWidget* parent, const PlayerMenuState& state, QPoint globalPos) {
    QMenu menu(parent);
    fillPlayerMenu(menu, state);
    const QAction* const chosen = menu.exec(globalPos);
    return chosen != nullptr ? chosen->data().value<PlayerRequest>() : PlayerRequest{};
}

} // namespace vyx
