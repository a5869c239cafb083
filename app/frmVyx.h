#pragma once

#include "dialogs/OpenFileDialog.h"

#include <QMainWindow>

namespace vyx {

class Application;
class MediaPlayer;

// The main window: a fixed-size window with the background artwork, the embedded player and
// the menus that lead to everything else.
class frmVyx final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmVyx(Application& app);

    [[nodiscard]] MediaPlayer& MP() const { return *m_mp; }
    [[nodiscard]] const OpenFileDialog& Opener() const { return m_opener; }

    // File > Play...: choose a file and play it in the embedded player.
    void mnuPlay_Click();
    // Plays the files given on the command line, in turn.
    void playFiles(const QStringList& entries);

    // Opens a page of the publisher's site in the browser window.
    void GoOnline(const QString& address);

    static QString caption();

private:
    void Form_Load();
    void createFileMenu();
    void createOnlineMenu();
    void createHelpMenu();

    Application& m_app;
    MediaPlayer* m_mp;
    OpenFileDialog m_opener;
};

} // namespace vyx
