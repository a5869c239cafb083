#pragma once

#include "BrowserHost.h"
#include "dialogs/OpenFileDialog.h"

#include <QMainWindow>
#include <QTimer>

class QComboBox;
class QUrl;
class QToolButton;

namespace vyx {

class AboutHost;
class MessagePrompter;
class WebBrowser;
class WebBrowserFactory;

// "Vyx Surfer": the program's own browser window, with its toolbar, address box and list,
// and the busy notice in its title.
class frmBrowser final : public QMainWindow, public LinkTarget {
    Q_OBJECT
public:
    frmBrowser(MessagePrompter& prompter, FileChooser& chooser, WebBrowserFactory& engine,
               AboutHost& about);
    ~frmBrowser() override;
    frmBrowser(const frmBrowser&) = delete;
    frmBrowser& operator=(const frmBrowser&) = delete;

    // Shows the window and sets it up; runs once for each window made.
    void Form_Load();
    void Form_Resize();

    // Other windows open addresses through these; failures reach the caller.
    void NavigateTo(const QString& address) override;
    void OpenSitePage(const QString& path);
    void UpdateAddressHistory();

    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void WebBrowser_DownloadComplete();
    void timTimer_Timer();
    void tbToolBar_ButtonClick(const QString& key);
    void mnuOpen_Click();

    [[nodiscard]] const QString& StartingAddress() const { return m_startingAddress; }
    [[nodiscard]] int ErrorResponse() const { return m_errorResponse; }
    [[nodiscard]] WebBrowser& webBrowser() const { return *m_web; }
    [[nodiscard]] QComboBox& cboAddress() const { return *m_address; }
    [[nodiscard]] QWidget& tbToolBar() const { return *m_toolbar; }
    [[nodiscard]] const QTimer& timTimer() const { return m_timer; }
    [[nodiscard]] QStringList addressList() const;

Q_SIGNALS:
    // The user chose to play the audio or video behind a link, from its web address.
    void playRequested(const QUrl& address);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createToolBar();
    void createMenus();
    void createOnlineMenu();
    void showPageCaption();
    void selectListEntry(int index);

    MessagePrompter& m_prompter;
    AboutHost& m_about;
    OpenFileDialog m_opener;
    QTimer m_timer;
    QWidget* m_client;
    WebBrowser* m_web;
    QWidget* m_toolbar;
    QComboBox* m_address;
    QString m_startingAddress;
    bool m_suppressAddressClick = false;
    int m_errorResponse = 0;
};

} // namespace vyx
