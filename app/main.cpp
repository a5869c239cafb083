#include "Application.h"
#include "CommandLine.h"
#include "LibraryLogs.h"
#include "PlayFileCommand.h"
#include "QuitSignals.h"
#include "SessionBus.h"
#include "Translations.h"
#include "dialogs/MessageBox.h"
#include "dialogs/OpenFileDialog.h"
#include "frmMediaPlayer.h"
#include "frmVyx.h"
#include "system/Timing.h"
#include "web/WebBrowser.h"

#include <QApplication>
#include <QLoggingCategory>
#include <unistd.h>

int main(int argc, char** argv) {
    vyx::logTiming("start");
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << vyx::argumentFromBytes(argv[i]);
    }
    // Answered before any window system is touched, so that they work without a display; in the
    // user's language, which a core application without windows holds.
    if (vyx::parseCommandLine(arguments).action != vyx::CommandLine::Action::Run) {
        QCoreApplication core(argc, argv);
        const vyx::Translations translations(core);
        return vyx::answerWithoutRunning(vyx::parseCommandLine(arguments));
    }
    const vyx::CommandLine command = vyx::parseCommandLine(arguments);

    // Qt::AA_ShareOpenGLContexts is not set here, though the web engine needs a shared GL
    // context: set before the application exists it loads the GL driver at start, a large
    // library with a software one, for a browser that may never be opened. The engine plugin makes
    // the shared context itself when the first browser loads it. Nothing is written to disk but
    // what the user saves: not even compiled shaders.
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    vyx::useNoSessionBusWhereThereIsNone();
    vyx::quietLibraryLogs();
    // The web engine shows a page to screen readers on Linux only when asked to; it does the
    // work only while one listens.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY")) {
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    }
    // The web engine describes its GL set-up at length whenever it starts, and passes on what
    // pages say to their developers' console (its own error pages too); QT_LOGGING_RULES still
    // turns either on.
    QLoggingCategory::setFilterRules(QStringLiteral(
        "qt.webenginecontext.info=false\njs.debug=false\njs.info=false\njs.warning=false"));
    // GL through EGL on X11 too, as on Wayland: the hardware decoders hand their pictures to GL
    // only through EGL. Qt reads it when GL is first used, not before.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) {
        qputenv("QT_XCB_GL_INTEGRATION", "xcb_egl");
    }
    QApplication qapp(argc, argv);
    const vyx::Translations translations(qapp);
    QApplication::setApplicationName(QStringLiteral("Vyx Player"));
    QApplication::setApplicationVersion(QStringLiteral(VYX_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("vyxplayer"));

    vyx::QtMessagePrompter prompter;
    vyx::QtFileChooser chooser;
    vyx::Application app(prompter, chooser, vyx::webEngineFactory, command.videoOutput);
    bool quitting = false;
    const vyx::QuitSignals signals([&app, &quitting] {
        quitting = true;
        app.exitAll();
        // quit() would be refused by a box that must be answered; exit() ends every event loop
        // of the thread, a modal box's own included.
        QCoreApplication::exit(0);
        // Should anything still hold the process (a thread that does not end), it goes anyway.
        alarm(2);
    });
    vyx::frmVyx& main = app.showMainWindow();
    if (!command.files.isEmpty()) {
        if (command.separateWindow) {
            vyx::playFiles(prompter, app.showPlayerWindow().MP(), command.files);
        } else {
            main.playFiles(command.files);
        }
    }
    if (!command.browse.isEmpty() && !quitting) {
        app.showBrowserWindow().NavigateTo(command.browse);
    }
    // A signal while start-up waited on a box: exec() would start the loop afresh.
    return quitting ? 0 : QApplication::exec();
}
