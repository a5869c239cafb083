#include "frmMediaPlayer.h"

#include "AboutHost.h"
#include "GoOnline.h"
#include "LinkCatalogue.h"
#include "MediaPlayer.h"
#include "PlayFileCommand.h"
#include "PlayerLayout.h"
#include "dialogs/ErrorTrap.h"
#include "forms/FullScreen.h"
#include "forms/MenuBuilder.h"
#include "forms/Mirrored.h"
#include "forms/OnScreen.h"
#include "forms/Twips.h"

#include <QIcon>
#include <QMenuBar>
#include <QResizeEvent>
#include <QWindow>

namespace vyx {

namespace {

MediaPlayerSettings playerSettings() {
    MediaPlayerSettings settings;
    settings.AutoStart = true;
    settings.AutoRewind = true;
    settings.DisplaySize = DisplaySizeMode::Default;
    settings.ShowControls = true;
    settings.ShowPositionControls = true;
    settings.ShowTracker = true;
    settings.ShowAudioControls = true;
    settings.EnableContextMenu = true;
    settings.ClickToPlay = true;
    settings.PlayCount = 1;
    settings.Mute = false;
    settings.Volume = -640;
    settings.ListBeside = true;
    return settings;
}

} // namespace

QString frmMediaPlayer::mediaFilter() {
    //: The filters' names; the patterns after them stay as they are.
    return tr("All Media Files") +
           QStringLiteral("|*.avi;*.mpeg;*.mpg;*.mpe;*.mpa;*.m1v;*.mpv2;*.wmv;*.wmx;*.ivf;*.dat;"
                          "*.asf;*.wav;*.mp3;*.mid;*.midi|") +
           tr("All Files") + QStringLiteral("|*.*");
}

frmMediaPlayer::frmMediaPlayer(MessagePrompter& prompter, FileChooser& chooser,
                               VideoOutputChoice& outputs, BrowserHost& browsers, AboutHost& about)
    : QMainWindow(nullptr)
    , m_prompter(prompter)
    , m_browsers(browsers)
    , m_about(about)
    , m_mp(nullptr)
    , m_opener(chooser) {
    setObjectName(QStringLiteral("frmMediaPlayer"));
    setWindowTitle(tr("Media Player"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/mediaplayer.svg")));

    auto* const client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    m_mp = new MediaPlayer(playerSettings(), outputs, client);
    m_mp->setObjectName(QStringLiteral("MP"));
    placeMirrored(*m_mp, twips::toPixels(0, 0, 9855, 9135));
    connect(m_mp, &MediaPlayer::filesDropped, this,
            [this](const QStringList& entries) { playDropped(m_prompter, *m_mp, entries); });
    auto* const fullScreen = new FullScreen(m_mp);
    connect(m_mp, &MediaPlayer::fullScreenRequested, fullScreen, &FullScreen::set);
    connect(fullScreen, &FullScreen::changed, m_mp, &MediaPlayer::fullScreenChanged);

    createMenus();
    // The client area starts where it was designed on the screen.
    setGeometry(QRect(QPoint(twips::toPixels(2295), twips::toPixels(2580)),
                      twips::toPixels(9885, 9180) + QSize(0, menuBar()->sizeHint().height())));
    Form_Load();
}

void frmMediaPlayer::Form_Load() {
    // The outer size includes whatever frame the window manager has added so far; a frame that
    // comes later is allowed for when the window is first shown (see eventFilter).
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize outer = twips::toPixels(10000, 10000);
    resize(outer.width() - frame.width(), height());
    resize(width(), outer.height() - frame.height());
    keepOnScreen(*this);
}

void frmMediaPlayer::createMenus() {
    MenuBuilder file(menuBar(), "mnuFile", tr("&File"), m_prompter);
    file.command(
        "mnuOpen", tr("&Open..."), [this] { mnuOpen_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
    file.separator("li1");
    file.command(
        "mnuClose", tr("&Close MediaPlayer"), [this] { close(); },
        QKeySequence(Qt::ALT | Qt::Key_Backspace));

    MenuBuilder online(menuBar(), "mnuOnline", tr("&Online"), m_prompter);
    links::buildOnlineMenu(online, links::playerWindowItems(),
                           [this](const QString& path) { GoOnline(path); });

    MenuBuilder help(menuBar(), "mnuHelp", tr("&Help"), m_prompter);
    help.command("mnuAbout", tr("&About Vyx Player..."), [this] {
        runResumeNext({[this] {
            m_about.openAboutBox();
        }});
    });
}

void frmMediaPlayer::mnuOpen_Click() {
    playChosenFile(m_prompter, m_opener, *m_mp, mediaFilter());
}

void frmMediaPlayer::GoOnline(const QString& address) {
    vyx::GoOnline(m_browsers, m_prompter, address);
}

void frmMediaPlayer::Form_Resize() {
    // A full-screen player fills the window by itself.
    if (isMinimized() || m_mp->isShownFullScreen()) {
        return;
    }
    const QWidget* const client = centralWidget();
    const PlayerExtent extent =
        fitPlayer(static_cast<float>(twips::fromPixels(client->width())),
                  static_cast<float>(twips::fromPixels(client->height())),
                  static_cast<float>(twips::fromPixels(designedLeft(*m_mp))),
                  static_cast<float>(twips::fromPixels(m_mp->y())));
    m_mp->resize(twips::toPixels(extent.width, extent.height));
    placeMirroredAgain(*centralWidget());
}

void frmMediaPlayer::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMediaPlayer::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_frameAwaited && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
    }
    Form_Resize();
}

bool frmMediaPlayer::eventFilter(QObject* watched, QEvent* event) {
    // A window manager frames a window before it maps it: by its first exposure the frame is
    // known, and the load's outer size is applied again around it.
    if (watched == windowHandle() && event->type() == QEvent::Expose && m_frameAwaited) {
        m_frameAwaited = false;
        windowHandle()->removeEventFilter(this);
        if (frameGeometry().size() != geometry().size()) {
            Form_Load();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vyx
