#include "Application.h"
#include "CommandLine.h"
#include "MessageBox.h"
#include "OpenFileDialog.h"
#include "WebBrowser.h"
#include "frmVyx.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // Answered before any window system is touched, so that they work without a display.
    const vyx::CommandLine command = vyx::parseCommandLine(arguments);
    switch (command.action) {
    case vyx::CommandLine::Action::Help:
        std::fputs(vyx::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case vyx::CommandLine::Action::Version:
        std::fputs(vyx::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case vyx::CommandLine::Action::Error:
        std::fprintf(stderr, "vyxplayer: %s\n%s", qPrintable(command.message),
                     qPrintable(vyx::helpText()));
        return 2;
    case vyx::CommandLine::Action::Run:
        break;
    }

    // The web engine, loaded later with the first browser, shares GL contexts with the widgets;
    // Qt only allows that to be set up before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vyx Player"));
    QApplication::setApplicationVersion(QStringLiteral(VYX_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("vyxplayer"));

    vyx::QtMessagePrompter prompter;
    vyx::QtFileChooser chooser;
    vyx::Application app(prompter, chooser, vyx::webEngineFactory);
    vyx::frmVyx& main = app.showMainWindow();
    if (!command.file.isEmpty()) {
        main.playFile(command.file);
    }
    return QApplication::exec();
}
