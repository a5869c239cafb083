#include "frmBrowser.h"

#include "AboutHost.h"
#include "BrowserLogic.h"
#include "BrowserToolBar.h"
#include "EnterKeyWatch.h"
#include "LinkCatalogue.h"
#include "Publisher.h"
#include "dialogs/ErrorTrap.h"
#include "forms/MenuBuilder.h"
#include "forms/Mirrored.h"
#include "forms/Twips.h"
#include "system/Timing.h"
#include "web/WebBrowser.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>

namespace vyx {

namespace {

constexpr double kClientWidth = 13335;
constexpr double kClientHeight = 10125;
constexpr double kAddressLeft = 3600;
constexpr int kTickMilliseconds = 250;

} // namespace

frmBrowser::frmBrowser(MessagePrompter& prompter, FileChooser& chooser, WebBrowserFactory& engine,
                       AboutHost& about)
    : QMainWindow(nullptr)
    , m_prompter(prompter)
    , m_about(about)
    , m_opener(chooser)
    , m_client(new QWidget(this))
    , m_web(nullptr)
    , m_toolbar(new QWidget(m_client))
    , m_address(new QComboBox(m_toolbar)) {
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(browser::titlePrefix() + publisher::host());
    setWindowIcon(QIcon(QStringLiteral(":/icons/vyxsurfer.svg")));

    m_client->setObjectName(QStringLiteral("client"));
    m_client->setAutoFillBackground(true);
    QPalette black = m_client->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_client->setPalette(black);
    setCentralWidget(m_client);

    m_web = engine.createBrowser(QUrl(publisher::baseAddress()),
                                 QUrl(QStringLiteral("https://duckduckgo.com/")), m_client);
    m_web->setObjectName(QStringLiteral("WebBrowser"));
    placeMirrored(*m_web, twips::toPixels(0, 480, 13335, 9615));
    connect(m_web, &WebBrowser::DownloadComplete, this, &frmBrowser::WebBrowser_DownloadComplete);
    connect(m_web, &WebBrowser::playRequested, this, &frmBrowser::playRequested);

    createToolBar();
    createMenus();
    setTabOrder(m_web, m_address);

    m_timer.setInterval(kTickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this,
            [this] { runGuarded(m_prompter, [this] { timTimer_Timer(); }); });

    resize(twips::toPixels(kClientWidth, kClientHeight) + QSize(0, menuBar()->sizeHint().height()));
}

frmBrowser::~frmBrowser() = default;

void frmBrowser::createToolBar() {
    m_toolbar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolbar->setAutoFillBackground(true);
    // The client area is black; the strip keeps the usual button-face colour.
    QPalette face = m_toolbar->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    m_toolbar->setPalette(face);
    m_toolbar->setGeometry(0, 0, twips::toPixels(kClientWidth), twips::toPixels(kToolBarHeight));

    addToolButtons(*m_toolbar, [this](const QString& key) { tbToolBar_ButtonClick(key); });

    m_address->setObjectName(QStringLiteral("cboAddress"));
    m_address->setEditable(true);
    // The list is the program's: typing never adds to it.
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setAccessibleName(tr("Address"));
    m_address->lineEdit()->setAccessibleName(tr("Address"));
    placeMirrored(*m_address, twips::toPixels(kAddressLeft, 120, 6555, 315));
    auto* const enter = new EnterKeyWatch(m_address);
    connect(enter, &EnterKeyWatch::pressed, this, [this] { cboAddress_KeyPress(13); });
    connect(m_address, &QComboBox::activated, this, [this, enter] {
        if (!enter->pending()) {
            runGuarded(m_prompter, [this] { cboAddress_Click(); });
        }
    });
}

void frmBrowser::createMenus() {
    MenuBuilder file(menuBar(), "mnuFile", tr("&File"), m_prompter);
    file.command(
        "mnuOpen", tr("&Open..."), [this] { mnuOpen_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
    file.separator("l22");
    file.command(
        "mnuClose", tr("&Close Vyx Surfer"), [this] { close(); },
        QKeySequence(Qt::ALT | Qt::Key_Backspace));

    MenuBuilder edit(menuBar(), "mnuEdit", tr("&Edit"), m_prompter);
    edit.command("mnuRefresh", tr("&Refresh"), [this] {
        runResumeNext({[this] {
            m_web->Refresh();
        }});
    });

    MenuBuilder view(menuBar(), "mnuView", tr("&View"), m_prompter);
    view.command("mnuHome", tr("&Home"),
                 [this] {
                     runResumeNext({[this] {
                         m_web->GoHome();
                     }});
                 })
        ->setVisible(false);
    view.separator("l5")->setVisible(false);
    view.item("mnuPrevious", tr("&Previous"));
    view.item("mnuNext", tr("&Next"));

    createOnlineMenu();

    MenuBuilder help(menuBar(), "mnuHelp", tr("&Help"), m_prompter);
    help.command("mnuAbout", tr("&About Vyx Player..."), [this] { m_about.openAboutBox(); });
}

void frmBrowser::createOnlineMenu() {
    MenuBuilder online(menuBar(), "mnuOnline", tr("&Online"), m_prompter);
    links::buildOnlineMenu(online, links::browserWindowItems(),
                           [this](const QString& path) { OpenSitePage(path); });
}

void frmBrowser::Form_Load() {
    runResumeNext({
        [this] { show(); },
        [this] { m_toolbar->update(); },
        [this] { Form_Resize(); },
        [this] {
            placeMirrored(*m_address, QRect(QPoint(twips::toPixels(kAddressLeft),
                                                   m_toolbar->y() + twips::toPixels(40)),
                                            m_address->size()));
        },
        [this] { m_startingAddress = browser::withoutFinalSlash(publisher::baseAddress()); },
        [this] {
            if (!m_startingAddress.isEmpty()) {
                m_address->setEditText(m_startingAddress);
                m_address->addItem(m_address->currentText());
                logTiming("browser-address", m_startingAddress);
            }
        },
    });
}

void frmBrowser::Form_Resize() {
    if (isMinimized()) {
        return;
    }
    // The toolbar is aligned to the top edge: it always spans the client area.
    m_toolbar->resize(m_client->width(), m_toolbar->height());
    const browser::Layout layout =
        browser::layoutFor(static_cast<float>(twips::fromPixels(m_client->width())),
                           static_cast<float>(twips::fromPixels(m_client->height())),
                           static_cast<float>(twips::fromPixels(designedLeft(*m_web))),
                           static_cast<float>(twips::fromPixels(m_web->y())));
    runResumeNext({
        [&] {
            if (layout.addressWidth) {
                m_address->resize(twips::toPixels(*layout.addressWidth), m_address->height());
            }
        },
        [&] {
            if (layout.browserWidth) {
                m_web->resize(twips::toPixels(*layout.browserWidth), m_web->height());
            }
        },
        [&] {
            if (layout.browserHeight) {
                m_web->resize(m_web->width(), twips::toPixels(*layout.browserHeight));
            }
        },
        // Measured from the right in a language written from right to left.
        [&] { placeMirroredAgain(*m_toolbar); },
        [&] { placeMirroredAgain(*m_client); },
    });
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

QStringList frmBrowser::addressList() const {
    QStringList list;
    for (int i = 0; i < m_address->count(); ++i) {
        list.append(m_address->itemText(i));
    }
    return list;
}

void frmBrowser::cboAddress_Click() {
    if (m_suppressAddressClick) {
        return;
    }
    m_timer.start();
    m_web->Navigate(m_address->currentText());
}

void frmBrowser::cboAddress_KeyPress(int keyAscii) {
    if (keyAscii == 13) {
        runResumeNext({[this] {
            cboAddress_Click();
        }});
    }
}

void frmBrowser::NavigateTo(const QString& address) {
    logTiming("navigate", address);
    m_address->setEditText(address);
    cboAddress_Click();
    UpdateAddressHistory();
}

void frmBrowser::OpenSitePage(const QString& path) {
    NavigateTo(publisher::baseAddress() + path);
}

void frmBrowser::UpdateAddressHistory() {
    showPageCaption();
    const QStringList list = browser::visited(addressList(), m_web->LocationURL());
    m_suppressAddressClick = true;
    m_address->clear();
    m_address->addItems(list);
    selectListEntry(0);
    m_suppressAddressClick = false;
}

void frmBrowser::selectListEntry(int index) {
    // Choosing an entry puts it into the box and counts as a click on the box.
    m_address->setCurrentIndex(index);
    cboAddress_Click();
}

void frmBrowser::showPageCaption() {
    setWindowTitle(browser::pageCaption(m_web->LocationName()));
}

void frmBrowser::WebBrowser_DownloadComplete() {
    logTiming("download-complete", m_web->LocationURL());
    runResumeNext({[this] {
        showPageCaption();
    }});
}

void frmBrowser::timTimer_Timer() {
    if (m_web->Busy()) {
        setWindowTitle(browser::busyCaption());
        return;
    }
    m_timer.stop();
    showPageCaption();
}

void frmBrowser::tbToolBar_ButtonClick(const QString& key) {
    runResumeNext({
        [this] { m_timer.start(); },
        [&] {
            if (key == QLatin1String("Back")) {
                m_web->GoBack();
            } else if (key == QLatin1String("Forward")) {
                m_web->GoForward();
            } else if (key == QLatin1String("Refresh")) {
                m_web->Refresh();
            } else if (key == QLatin1String("Home")) {
                m_web->GoHome();
            } else if (key == QLatin1String("Search")) {
                m_web->GoSearch();
            } else if (key == QLatin1String("Stop")) {
                runResumeNext({
                    [this] { m_timer.stop(); },
                    [this] { m_web->Stop(); },
                    [this] { showPageCaption(); },
                });
            } else if (key == QLatin1String("Offline")) {
                mnuOpen_Click();
            }
        },
    });
}

void frmBrowser::mnuOpen_Click() {
    OpenFileDialog* dialog = nullptr;
    const int answer =
        runTrapped(TrapKind::FileCommand, m_prompter,
                   {
                       [&] { dialog = &m_opener; },
                       [&] { dialog->setDialogTitle(tr("Browse for offline web pages")); },
                       [&] {
                           //: The filters' names; the patterns after them stay as they are.
                           dialog->setFilter(tr("WebPages") + QStringLiteral("|*.htm; *.html |") +
                                             tr("All Files") + QStringLiteral("|*.*"));
                       },
                       [&] { dialog->ShowOpen(); },
                       [&] { NavigateTo(dialog->FileName()); },
                       [&] { dialog = nullptr; },
                   });
    if (answer != 0) {
        m_errorResponse = answer;
    }
}

} // namespace vyx
