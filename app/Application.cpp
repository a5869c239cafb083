#include "Application.h"

#include "MediaPlayer.h"
#include "MprisService.h"
#include "PlayFileCommand.h"
#include "desktop/ScreenSaverHold.h"
#include "frmAbout.h"
#include "frmBrowser.h"
#include "frmMediaPlayer.h"
#include "frmVyx.h"
#include "registry/SystemInfoRegistry.h"
#include "system/Timing.h"

#include <QCoreApplication>
#include <QUrl>

namespace vyx {

namespace {

// "Shows it again" as a user sees it: a minimised window comes back, one behind others comes to
// the front.
void bringBack(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

Application::Application(MessagePrompter& prompter, FileChooser& chooser, BrowserEngine engine,
                         VideoOutputMode videoOutput)
    : m_prompter(prompter)
    , m_chooser(chooser)
    , m_engine(std::move(engine))
    , m_videoOutputs(videoOutput)
    , m_mpris(new MprisService(this)) {
    connect(m_mpris, &MprisService::quitRequested, this, [this] {
        exitAll();
        // A box waiting for an answer has an event loop of its own, which quit() leaves running.
        QCoreApplication::exit(0);
    });
}

Application::~Application() {
    for (const QPointer<QWidget>& window : std::as_const(m_windows)) {
        delete window.data();
    }
}

frmVyx* Application::mainWindow() const {
    return m_main;
}

frmVyx& Application::showMainWindow() {
    if (m_main.isNull()) {
        m_main = makeWindow<frmVyx>(*this);
        attach(m_main->MP());
    }
    m_main->show();
    return *m_main;
}

void Application::attach(MediaPlayer& player) {
    m_mpris->follow(&player);
    auto* const hold = new ScreenSaverHold(&player);
    connect(&player, &MediaPlayer::screenAwakeChanged, hold, &ScreenSaverHold::setHeld);
    connect(&player, &MediaPlayer::subtitlesWanted, &player,
            [this, &player] { loadChosenSubtitles(m_prompter, m_chooser, player); });
}

frmMediaPlayer& Application::showPlayerWindow() {
    if (m_player.isNull()) {
        m_player = makeWindow<frmMediaPlayer>(m_prompter, m_chooser, m_videoOutputs, *this, *this);
        attach(m_player->MP());
        m_player->show();
    } else {
        bringBack(*m_player);
    }
    return *m_player;
}

frmMediaPlayer* Application::playerWindow() const {
    return m_player;
}

frmBrowser& Application::showBrowserWindow() {
    if (m_browser.isNull()) {
        logTiming("browser-show");
        m_browser = makeWindow<frmBrowser>(m_prompter, m_chooser, m_engine(), *this);
        // Streamed in the one player window, which comes to the front for it.
        connect(m_browser, &frmBrowser::playRequested, this, [this](const QUrl& address) {
            playFiles(m_prompter, showPlayerWindow().MP(), {address.toString(QUrl::FullyEncoded)});
        });
        m_browser->Form_Load();
    } else {
        bringBack(*m_browser);
    }
    return *m_browser;
}

frmBrowser* Application::browserWindow() const {
    return m_browser;
}

void Application::openAboutBox() {
    if (!m_registry) {
        m_registry = std::make_unique<registry::SystemInfoRegistry>();
    }
    makeWindow<frmAbout>(m_prompter, *this,
                         SysInfoServices{*m_registry, isOrdinaryFile, startDetached, m_prompter})
        ->show();
}

void Application::exitAll() {
    // Called from a window's own menu, so the windows may only be deleted once the handler has
    // returned; hiding them and silencing their players cannot wait.
    for (const QPointer<QWidget>& window : std::as_const(m_windows)) {
        if (!window.isNull()) {
            window->hide();
            window->setEnabled(false);
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            window->deleteLater();
        }
    }
    QCoreApplication::quit();
}

} // namespace vyx
