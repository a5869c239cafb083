#pragma once

#include "dialogs/OpenFileDialog.h"

#include <QMainWindow>

namespace vyx {

class AboutHost;
class BrowserHost;
class MediaPlayer;
class MessagePrompter;
class VideoOutputChoice;

// The separate, resizable player window with a player and an Open dialog of its own.
class frmMediaPlayer final : public QMainWindow {
    Q_OBJECT
public:
    frmMediaPlayer(MessagePrompter& prompter, FileChooser& chooser, VideoOutputChoice& outputs,
                   BrowserHost& browsers, AboutHost& about);

    [[nodiscard]] MediaPlayer& MP() const { return *m_mp; }
    [[nodiscard]] const OpenFileDialog& Opener() const { return m_opener; }

    // File > Open...: choose a media file and play it.
    void mnuOpen_Click();
    // Keeps the player fitted to the client area; nothing while minimised.
    void Form_Resize();
    // Opens a page of the publisher's site in the browser window.
    void GoOnline(const QString& address);

    static QString mediaFilter();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void createMenus();

    MessagePrompter& m_prompter;
    BrowserHost& m_browsers;
    AboutHost& m_about;
    MediaPlayer* m_mp;
    OpenFileDialog m_opener;
    // The outer size is set again once the window manager has framed the window.
    bool m_frameAwaited = true;
};

} // namespace vyx
