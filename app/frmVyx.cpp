#include "frmVyx.h"

#include "Application.h"
#include "GoOnline.h"
#include "LinkCatalogue.h"
#include "MainBackground.h"
#include "MediaPlayer.h"
#include "PlayFileCommand.h"
#include "Publisher.h"
#include "forms/FullScreen.h"
#include "forms/MenuBuilder.h"
#include "forms/Mirrored.h"
#include "forms/Twips.h"

#include <QIcon>
#include <QLabel>
#include <QMenuBar>

namespace vyx {

namespace {

constexpr double kClientWidth = 12000;
constexpr double kClientHeight = 4515;

MediaPlayerSettings playerSettings() {
    MediaPlayerSettings settings;
    settings.AutoStart = true;
    settings.AutoRewind = false;
    settings.DisplaySize = DisplaySizeMode::FitToSize;
    settings.ShowControls = true;
    settings.ShowPositionControls = true;
    settings.ShowTracker = true;
    settings.ShowAudioControls = true;
    settings.EnableContextMenu = true;
    settings.ClickToPlay = true;
    settings.PlayCount = 1;
    settings.Mute = false;
    settings.Volume = -600;
    return settings;
}

} // namespace

QString frmVyx::caption() {
    return QStringLiteral("Vyx Player") + QString(45, u' ') + publisher::host();
}

frmVyx::frmVyx(Application& app)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_app(app)
    , m_mp(nullptr)
    , m_opener(app.fileChooser()) {
    setObjectName(QStringLiteral("frmVyx"));
    setWindowTitle(caption());
    setWindowIcon(QIcon(QStringLiteral(":/icons/vyxplayer.svg")));

    auto* const client = new QLabel(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    client->setAutoFillBackground(true);
    QPalette white = client->palette();
    white.setColor(QPalette::Window, Qt::white);
    client->setPalette(white);
    client->setFixedSize(twips::toPixels(kClientWidth, kClientHeight));
    setCentralWidget(client);

    m_mp = new MediaPlayer(playerSettings(), app.videoOutputs(), client);
    m_mp->setObjectName(QStringLiteral("MP"));
    const QRect player = twips::toPixels(6960, 180, 4815, 4335);
    placeMirrored(*m_mp, player);
    connect(m_mp, &MediaPlayer::filesDropped, this,
            [this](const QStringList& entries) { playDropped(m_app.prompter(), *m_mp, entries); });
    auto* const fullScreen = new FullScreen(m_mp);
    connect(m_mp, &MediaPlayer::fullScreenRequested, fullScreen, &FullScreen::set);
    connect(fullScreen, &FullScreen::changed, m_mp, &MediaPlayer::fullScreenChanged);

    createFileMenu();
    createOnlineMenu();
    createHelpMenu();
    // The artwork is drawn unscaled: on a screen of twice the pixel density, from the copy
    // rendered at twice the size.
    client->setPixmap(MainBackground::draw(
        client->width(), player.left(), devicePixelRatioF(), layoutDirection(),
        MainBackground::hint(tr("&File"), tr("&Play..."), tr("&Open in separate window..."))));
    Form_Load();
}

void frmVyx::Form_Load() {
    // The client area keeps its designed size under the menu bar; whatever frame the window
    // manager adds goes around it. A fixed size also leaves no maximise button.
    setFixedSize(twips::toPixels(kClientWidth, 0).width(),
                 menuBar()->sizeHint().height() + twips::toPixels(kClientHeight));
}

void frmVyx::createFileMenu() {
    MenuBuilder file(menuBar(), "mnuFile", tr("&File"), m_app.prompter());
    file.command(
        "mnuOpen", tr("&Open in separate window..."), [this] { m_app.showPlayerWindow(); },
        QKeySequence(Qt::CTRL | Qt::Key_W));
    file.command(
        "mnuPlay", tr("&Play..."), [this] { mnuPlay_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_P));
    file.separator("l1");
    file.command("mnuExit", tr("&Exit"), [this] { m_app.exitAll(); });
}

void frmVyx::createOnlineMenu() {
    MenuBuilder online(menuBar(), "mnuOnline", tr("&Online"), m_app.prompter());
    links::buildOnlineMenu(online, links::mainWindowItems(),
                           [this](const QString& path) { GoOnline(path); });
}

void frmVyx::GoOnline(const QString& address) {
    vyx::GoOnline(m_app, m_app.prompter(), address);
}

void frmVyx::createHelpMenu() {
    MenuBuilder help(menuBar(), "mnuHelp", tr("&Help"), m_app.prompter());
    help.command("mnuAbout", tr("&About Vyx Player..."), [this] { m_app.openAboutBox(); });
}

void frmVyx::playFiles(const QStringList& entries) {
    vyx::playFiles(m_app.prompter(), *m_mp, entries);
}

void frmVyx::mnuPlay_Click() {
    //: The filter's name; the pattern after it stays as it is.
    playChosenFile(m_app.prompter(), m_opener, *m_mp, tr("All Files") + QStringLiteral("|*.*"));
}

} // namespace vyx
