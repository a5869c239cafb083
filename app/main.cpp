#include "Application.h"
#include "MessageBox.h"
#include "OpenFileDialog.h"
#include "WebBrowser.h"

#include <QApplication>

int main(int argc, char** argv) {
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
    app.showMainWindow();
    return QApplication::exec();
}
