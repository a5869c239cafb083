#include "SysInfo.h"

#include "AppInfo.h"
#include "KeyValue.h"
#include "dialogs/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace vyx {

namespace {

std::optional<std::string> environmentVariable(const std::string& name) {
    const QByteArray value = qgetenv(name.c_str());
    if (value.isNull()) {
        return std::nullopt;
    }
    return value.toStdString();
}

std::optional<QString> findProgram(const SysInfoServices& services) {
    std::string path;
    if (GetKeyValue(services.registry, registry::kLocalMachine,
                    "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path,
                    environmentVariable)) {
        return QString::fromLocal8Bit(path);
    }
    if (!GetKeyValue(services.registry, registry::kLocalMachine,
                     "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path,
                     environmentVariable)) {
        return std::nullopt;
    }
    const QString program = QString::fromLocal8Bit(path) + QStringLiteral("\\MSINFO32.EXE");
    if (!services.fileExists(program)) {
        return std::nullopt;
    }
    return program;
}

} // namespace

void StartSysInfo(const SysInfoServices& services) {
    try {
        const std::optional<QString> program = findProgram(services);
        if (program && services.start(*program)) {
            return;
        }
    } catch (...) {
        // Whatever went wrong, the user hears the same thing.
    }
    services.prompter.MsgBox(QCoreApplication::translate("vyx::frmAbout",
                                                         "System Information Is Unavailable At "
                                                         "This Time"),
                             msgbox::OkOnly, QString::fromLatin1(app::kTitle));
}

bool isOrdinaryFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool startDetached(const QString& path) {
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

} // namespace vyx
