#include "KeyValue.h"
#include "Publisher.h"
#include "Rig.h"
#include "SysInfo.h"
#include "frmAbout.h"
#include "frmBrowser.h"
#include "frmMediaPlayer.h"
#include "frmVyx.h"
#include "registry/SystemInfoRegistry.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <map>
#include <memory>

using namespace vyx;
using namespace vyx::registry;

namespace {

// A registry of exact bytes; remembers how it was asked.
class FakeRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
        std::uint32_t reportedSize; // what the query says it stored
    };
    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::uint32_t> accessMasks;
    std::vector<std::string> opened;
    int closes = 0;

    std::int32_t RegOpenKeyExA(Key root, const std::string& path, std::uint32_t /*options*/,
                               std::uint32_t access, Key* result) override {
        accessMasks.push_back(access);
        opened.push_back(path);
        const auto found = keys.find(path);
        if (root != kLocalMachine || found == keys.end()) {
            *result = 0;
            return kFileNotFound;
        }
        *result = static_cast<Key>(std::distance(keys.begin(), found) + 1);
        return kSuccess;
    }
    std::int32_t RegQueryValueExA(Key key, const std::string& name, std::uint32_t* type,
                                  unsigned char* buffer, std::uint32_t* size) override {
        auto entry = keys.begin();
        std::advance(entry, static_cast<long>(key - 1));
        const auto value = entry->second.find(name);
        if (value == entry->second.end()) {
            return kFileNotFound;
        }
        std::copy(value->second.bytes.begin(), value->second.bytes.end(), buffer);
        *type = value->second.type;
        *size = value->second.reportedSize;
        return kSuccess;
    }
    std::int32_t RegCloseKey(Key /*key*/) override {
        ++closes;
        return kSuccess;
    }
};

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

FakeRegistry::Value text(const std::string& value) {
    return {kString, value + '\0', static_cast<std::uint32_t>(value.size() + 1)};
}

std::optional<std::string> fakeEnvironment(const std::string& name) {
    if (name == "SystemRoot") {
        return std::string("C:\\WINDOWS");
    }
    return std::nullopt;
}

} // namespace

Q_DECLARE_METATYPE(FakeRegistry::Value)

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyValue_data();
    void keyValue();
    void keyValueMissing();
    void expand_data();
    void expand();
    void startSysInfo_data();
    void startSysInfo();
    void standInFindsProgram();
    void startsRealProgram();
    void boxTexts();
    void boxGeometryAndFocus();
    void keysCloseOrPress();
    void twoBoxesAtOnce();
    void downloadOpensBrowser();

private:
    struct Launch {
        FakeRegistry registry;
        QStringList existing;
        QStringList startable;
        QStringList started;
        testing::ScriptedPrompter prompter;
        SysInfoServices services() {
            return {registry, [this](const QString& p) { return existing.contains(p); },
                    [this](const QString& p) {
                        started << p;
                        return startable.contains(p);
                    },
                    prompter};
        }
    };
};

void TestAbout::keyValue_data() {
    QTest::addColumn<FakeRegistry::Value>("value");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("expected");
    using V = FakeRegistry::Value;
    QTest::newRow("string with its zero")
        << text("C:\\Tools\\msinfo32.exe") << true << "C:\\Tools\\msinfo32.exe";
    QTest::newRow("string without zero") << V{kString, "C:\\Tools", 8} << true << "C:\\Tools";
    QTest::newRow("dword 5") << V{kDword, std::string("\x05\0\0\0", 4), 4} << true << "5";
    QTest::newRow("dword 4660") << V{kDword, std::string("\x34\x12\0\0", 4), 4} << true << "4660";
    QTest::newRow("dword with high byte")
        << V{kDword, std::string("\0\0\0\x01", 4), 4} << true << "16777216";
    QTest::newRow("size 0 reads as empty") << V{kString, "", 0} << true << "";
    QTest::newRow("binary is not text") << V{kBinary, "\x01\x02", 2} << false << "";
    QTest::newRow("other type is not text") << V{7, std::string("a\0\0", 3), 3} << false << "";
    QTest::newRow("expandable string")
        << V{kExpandString, std::string("%SystemRoot%\\msinfo\0", 20), 20} << true
        << "C:\\WINDOWS\\msinfo";
}

void TestAbout::keyValue() {
    QFETCH(FakeRegistry::Value, value);
    QFETCH(bool, result);
    QFETCH(QString, expected);
    FakeRegistry registry;
    registry.keys[kPathKey]["PATH"] = value;
    std::string keyVal = "left over";
    QCOMPARE(GetKeyValue(registry, kLocalMachine, kPathKey, "PATH", keyVal, fakeEnvironment),
             result);
    QCOMPARE(QString::fromStdString(keyVal), expected);
    QCOMPARE(registry.accessMasks, std::vector<std::uint32_t>{kKeyRead});
    QCOMPARE(registry.closes, 1);
}

void TestAbout::keyValueMissing() {
    FakeRegistry registry;
    registry.keys[kPathKey]["OTHER"] = text("x");
    std::string keyVal = "left over";
    QVERIFY(!GetKeyValue(registry, kLocalMachine, kPathKey, "PATH", keyVal, fakeEnvironment));
    QVERIFY(keyVal.empty());
    keyVal = "left over";
    QVERIFY(!GetKeyValue(registry, kLocalMachine, kFolderKey, "MSINFO", keyVal, fakeEnvironment));
    QVERIFY(keyVal.empty());
    // Closed on every path, the failed open included.
    QCOMPARE(registry.closes, 2);
}

void TestAbout::expand_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("plain") << "C:\\x"
                           << "C:\\x";
    QTest::newRow("variable") << "%SystemRoot%\\x"
                              << "C:\\WINDOWS\\x";
    QTest::newRow("unknown stays") << "%Nope%\\x"
                                   << "%Nope%\\x";
    QTest::newRow("lone percent") << "100% sure"
                                  << "100% sure";
    QTest::newRow("unknown then known") << "%a%SystemRoot%"
                                        << "%aC:\\WINDOWS";
    QTest::newRow("empty name") << "%%x"
                                << "%%x";
}

void TestAbout::expand() {
    QFETCH(QString, input);
    QFETCH(QString, output);
    QCOMPARE(QString::fromStdString(expandEnvironment(input.toStdString(), fakeEnvironment)),
             output);
}

void TestAbout::startSysInfo_data() {
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("startable");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<int>("keysOpened");
    QTest::addColumn<bool>("message");
    QTest::newRow("first location")
        << true << true << true << true << QStringList{"C:\\T\\msinfo32.exe"} << 1 << false;
    QTest::newRow("second with the file")
        << false << true << true << true << QStringList{"C:\\F\\MSINFO32.EXE"} << 2 << false;
    QTest::newRow("second without the file")
        << false << true << false << true << QStringList{} << 2 << true;
    QTest::newRow("both absent") << false << false << false << false << QStringList{} << 2 << true;
    QTest::newRow("first names nothing startable")
        << true << true << true << false << QStringList{"C:\\T\\msinfo32.exe"} << 1 << true;
}

void TestAbout::startSysInfo() {
    QFETCH(bool, first);
    QFETCH(bool, second);
    QFETCH(bool, fileThere);
    QFETCH(bool, startable);
    QFETCH(QStringList, started);
    QFETCH(int, keysOpened);
    QFETCH(bool, message);
    Launch launch;
    if (first) {
        launch.registry.keys[kPathKey]["PATH"] = text("C:\\T\\msinfo32.exe");
    }
    if (second) {
        launch.registry.keys[kFolderKey]["MSINFO"] = text("C:\\F");
    }
    if (fileThere) {
        launch.existing << QStringLiteral("C:\\F\\MSINFO32.EXE");
    }
    if (startable) {
        launch.startable << QStringLiteral("C:\\T\\msinfo32.exe")
                         << QStringLiteral("C:\\F\\MSINFO32.EXE");
    }
    StartSysInfo(launch.services());
    QCOMPARE(launch.started, started);
    QCOMPARE(static_cast<int>(launch.registry.opened.size()), keysOpened);
    QCOMPARE(launch.prompter.shown.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(launch.prompter.shown.at(0).prompt,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(launch.prompter.shown.at(0).style, msgbox::OkOnly);
        QCOMPARE(launch.prompter.shown.at(0).title, QStringLiteral("Vyx Player"));
    }
}

void TestAbout::standInFindsProgram() {
    SystemInfoRegistry none({QStringLiteral("surely-no-such-program-here")});
    Key key = 99;
    QCOMPARE(none.RegOpenKeyExA(kLocalMachine, kPathKey, 0, kKeyRead, &key), kFileNotFound);

    SystemInfoRegistry found({QStringLiteral("surely-no-such-program-here"), QStringLiteral("sh")});
    std::string value;
    QVERIFY(GetKeyValue(found, kLocalMachine, kPathKey, "PATH", value, fakeEnvironment));
    QVERIFY2(QFileInfo(QString::fromStdString(value)).isExecutable(), value.c_str());
    QVERIFY(value.ends_with("/sh"));
    std::string folder;
    QVERIFY(GetKeyValue(found, kLocalMachine, kFolderKey, "MSINFO", folder, fakeEnvironment));
    QCOMPARE(QString::fromStdString(folder),
             QFileInfo(QString::fromStdString(value)).absolutePath());
    QVERIFY(!GetKeyValue(found, kLocalMachine, "SOFTWARE\\Other", "PATH", value, fakeEnvironment));
}

void TestAbout::startsRealProgram() {
    SystemInfoRegistry registry;
    std::string path;
    if (!GetKeyValue(registry, kLocalMachine, kPathKey, "PATH", path, fakeEnvironment)) {
        QSKIP("no system-information program on this machine");
    }
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    testing::ScriptedPrompter prompter;
    StartSysInfo({registry, isOrdinaryFile, startDetached, prompter});
    QVERIFY(prompter.shown.isEmpty());
    const auto running = [&] {
        QProcess pgrep;
        pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-x"), name.left(15)});
        pgrep.waitForFinished();
        return pgrep.exitCode() == 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(running(), 10000);
    QProcess::execute(QStringLiteral("pkill"),
                      {QStringLiteral("-KILL"), QStringLiteral("-x"), name.left(15)});
    QTRY_VERIFY(!running());
}

void TestAbout::boxTexts() {
    Launch launch;
    testing::Rig rig;
    frmAbout box(rig.prompter, rig.app, launch.services());
    QCOMPARE(box.windowTitle(), QStringLiteral("About Vyx Player"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
             QStringLiteral("Vyx Player"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 1.2.0"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("lblDescription"))->text(),
             QStringLiteral("Quorvane light weight audio and video player. For more information "
                            "on other products by Quorvane, visit ") +
                 publisher::baseAddress().chopped(1) + u'.');
    const QString advert = box.findChild<QLabel*>(QStringLiteral("lblTy"))->text();
    QCOMPARE(advert,
             QStringLiteral(
                 "If you need an innovative database application for building and managing "
                 "custom databases, try Tessaline Professional Database. Tessaline Pro is simple "
                 "and intuitive to use, so you can start on your first database within minutes of "
                 "installing it. It is also powerful: Tessaline Pro hides the complexity of "
                 "building and managing a database behind clear menus and dialogs. That leaves "
                 "you free to concentrate on the design of your database instead of the details "
                 "of its storage. Tessaline Pro is fully customisable, so every database can look "
                 "and work exactly the way you want it to. For each table it designs a form of its "
                 "own, ready to use from the moment the table is created. On that form you set the "
                 "location, size, colour and font of each column with just a few clicks. Download "
                 "the free trial of Tessaline Pro today, and see for yourself how easy building "
                 "databases is. 30-day trial version size 12.1MB"));
    const auto* const download = box.findChild<QPushButton*>(QStringLiteral("cmdDownload"));
    QCOMPARE(download->text(), QStringLiteral("Download 30-day trial [12.1MB]"));
    QCOMPARE(download->toolTip(), download->text());
    QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(),
             QStringLiteral("&System Info..."));
    QVERIFY(!box.findChild<QLabel*>(QStringLiteral("lblDisclaimer"))->text().contains(u'\n'));
}

void TestAbout::boxGeometryAndFocus() {
    Launch launch;
    testing::Rig rig;
    frmAbout box(rig.prompter, rig.app, launch.services());
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(box.size(), QSize(382, 544));
    QTRY_COMPARE(box.geometry().topLeft(), QPoint(156, 129));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(!(box.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(box.findChild<QWidget*>(QStringLiteral("fraAd"))->geometry(), QRect(0, 200, 385, 345));
    QCOMPARE(box.findChild<QWidget*>(QStringLiteral("cmdDownload"))->geometry(),
             QRect(136, 272, 113, 65));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("picIcon"))
                 ->pixmap()
                 .deviceIndependentSize()
                 .toSize(),
             QSize(100, 134));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("imgTessalinePro"))
                 ->pixmap()
                 .deviceIndependentSize()
                 .toSize(),
             QSize(120, 147));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("lblTy"))->font().pointSize(), 9);

    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"picIcon", "cmdSysInfo", "cmdDownload", "cmdOK"}));
}

void TestAbout::keysCloseOrPress() {
    testing::Rig rig;
    const auto open = [&](Launch& launch) {
        auto* const box = new frmAbout(rig.prompter, rig.app, launch.services());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        box->activateWindow();
        if (!QTest::qWaitForWindowActive(box)) {
            qWarning("About box not active");
        }
        return QPointer<frmAbout>(box);
    };
    Launch launch;
    QPointer<frmAbout> box = open(launch);
    QVERIFY(QTest::qWaitForWindowExposed(box.data()));
    box->findChild<QWidget*>(QStringLiteral("lblTy"))->setFocus();
    QTest::keyClick(box.data(), Qt::Key_Escape);
    QTRY_VERIFY(box.isNull());

    box = open(launch);
    QWidget* const picture = box->findChild<QWidget*>(QStringLiteral("picIcon"));
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Return);
    QTRY_VERIFY(box.isNull());

    box = open(launch);
    // Alt+S (checked by hand with a real key press) is the button's mnemonic.
    auto* const button = box->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    QCOMPARE(QKeySequence::mnemonic(button->text()), QKeySequence(Qt::ALT | Qt::Key_S));
    button->click();
    QCOMPARE(launch.prompter.shown.size(), 1); // nothing registered: the message
    QVERIFY(!box.isNull() && box->isVisible());
    QWidget* const sysInfo = box->findChild<QWidget*>(QStringLiteral("cmdSysInfo"));
    sysInfo->setFocus();
    QTest::keyClick(sysInfo, Qt::Key_Return);
    QCOMPARE(launch.prompter.shown.size(), 2);
    QVERIFY(!box.isNull());
    box->close();
    QTRY_VERIFY(box.isNull());
}

void TestAbout::twoBoxesAtOnce() {
    testing::Rig rig;
    frmVyx& main = rig.app.showMainWindow();
    QAction* const about = main.findChild<QAction*>(QStringLiteral("mnuAbout"));
    about->trigger();
    about->trigger();
    rig.app.showPlayerWindow().findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    rig.app.showBrowserWindow().findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    QList<frmAbout*> open;
    for (QWidget* const widget : QApplication::topLevelWidgets()) {
        if (auto* const box = qobject_cast<frmAbout*>(widget);
            box != nullptr && box->isVisible() && !box->testAttribute(Qt::WA_WState_Hidden)) {
            open << box;
        }
    }
    QCOMPARE(open.size(), 4);
    const QPointer<frmAbout> closed = open.at(0);
    closed->close();
    QTRY_VERIFY(closed.isNull());
    QVERIFY(open.at(1)->isVisible());
}

void TestAbout::downloadOpensBrowser() {
    testing::Rig rig;
    Launch launch;
    frmAbout box(rig.prompter, rig.app, launch.services());
    box.show();
    box.findChild<QPushButton*>(QStringLiteral("cmdDownload"))->click();
    frmBrowser* const browser = rig.app.browserWindow();
    QVERIFY(browser != nullptr && browser->isVisible());
    const QString download =
        publisher::baseAddress() + QStringLiteral("tessaline_release/tessalinepro_setup.exe");
    QCOMPARE(browser->addressList(), (QStringList{download, publisher::baseAddress().chopped(1)}));
    QCOMPARE(rig.engine.last->calls, QStringList{QStringLiteral("Navigate ") + download});
    QVERIFY(box.isVisible());
    // Again with the browser open: the same window, moved nowhere.
    browser->move(40, 50);
    const QPoint where = browser->pos();
    box.findChild<QPushButton*>(QStringLiteral("cmdDownload"))->click();
    QCOMPARE(rig.app.browserWindow(), browser);
    QCOMPARE(browser->pos(), where);
    QCOMPARE(rig.engine.made, 1);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
