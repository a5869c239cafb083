#pragma once

#include "AboutHost.h"
#include "BrowserHost.h"
#include "frmBrowser.h"
#include "media/VideoOutputChoice.h"
#include "registry/Registry.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

namespace vyx {

class FileChooser;
class MediaPlayer;
class MprisService;
class MessagePrompter;
class WebBrowserFactory;
class frmMediaPlayer;
class frmVyx;

// Owns the program's windows. They are top-level windows without an owner, so Qt parenting
// cannot own them: each is made here, deletes itself when closed, and whatever is still open
// when the Application goes is deleted with it.
class Application final : public QObject, public BrowserHost, public AboutHost {
    Q_OBJECT
public:
    // The web engine is asked for only when the first browser window is made.
    using BrowserEngine = std::function<WebBrowserFactory&()>;
    // The players draw with the output the mode asks for, chosen once for all of them.
    Application(MessagePrompter& prompter, FileChooser& chooser, BrowserEngine engine,
                VideoOutputMode videoOutput = VideoOutputMode::Auto);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    [[nodiscard]] MessagePrompter& prompter() const { return m_prompter; }
    [[nodiscard]] FileChooser& fileChooser() const { return m_chooser; }
    [[nodiscard]] VideoOutputChoice& videoOutputs() { return m_videoOutputs; }

    // Start-up: makes and shows the main window.
    frmVyx& showMainWindow();
    [[nodiscard]] frmVyx* mainWindow() const;

    // The one player window: made on first use, shown again afterwards, made afresh once
    // it was closed. Modeless and without an owner.
    frmMediaPlayer& showPlayerWindow();
    [[nodiscard]] frmMediaPlayer* playerWindow() const;

    // The one browser window, on the same terms; made and loaded on first use.
    frmBrowser& showBrowserWindow() override;
    [[nodiscard]] frmBrowser* browserWindow() const;

    // A new About box each time, kept by nobody but itself.
    void openAboutBox() override;

    // Ends the program at once: every window goes and playback stops.
    void exitAll();

private:
    // What a player asks of the desktop and of the windows' dialogs, and the desktop's media
    // controls for it.
    void attach(MediaPlayer& player);
    template <class Window, class... Args> Window* makeWindow(Args&&... args) {
        auto* const window = new Window(std::forward<Args>(args)...);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // Windows closed since are gone from the list here, so that it never grows unbounded.
        m_windows.removeAll(nullptr);
        m_windows.append(window);
        return window;
    }

    MessagePrompter& m_prompter;
    FileChooser& m_chooser;
    BrowserEngine m_engine;
    VideoOutputChoice m_videoOutputs;
    QPointer<frmVyx> m_main;
    QPointer<frmMediaPlayer> m_player;
    QPointer<frmBrowser> m_browser;
    QList<QPointer<QWidget>> m_windows;
    std::unique_ptr<registry::Registry> m_registry;
    // The desktop's media controls, for whichever player played last.
    MprisService* m_mpris;
};

} // namespace vyx
