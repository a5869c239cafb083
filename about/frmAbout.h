#pragma once

#include "SysInfo.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vyx {

class BrowserHost;
class MessagePrompter;

// The About box: title and version, the advert for the publisher's database with its trial
// download, and the button that starts the system-information program.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    frmAbout(MessagePrompter& prompter, BrowserHost& browsers, const SysInfoServices& sysInfo);

    void StartSysInfo() const;
    void cmdDownload_Click();

    static QString description();
    static QString advert();
    static QString version();

private:
    void Form_Load();
    void paintEvent(QPaintEvent* event) override;

    MessagePrompter& m_prompter;
    BrowserHost& m_browsers;
    SysInfoServices m_sysInfo;
    QLabel* m_title;
    QLabel* m_version;
};

} // namespace vyx
