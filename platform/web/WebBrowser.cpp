#include "WebBrowser.h"

#include "errors/RuntimeError.h"
#include "system/FileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <array>

namespace vyx {

namespace {

// Anything else (mailto:, javascript:, a scheme some other program has registered) would hand
// the text to another program or run it; the browser only shows pages.
constexpr std::array kSchemes{"http", "https", "about", "data"};

// Qt's advice to programs that start the web engine from a plugin is to share GL contexts from
// the application's start, which would load the GL driver at every start (150 ms and 58 MiB more
// with the software driver) for a browser that may never open. The plugin makes the shared
// context itself, so the advice, given while the plugin loads, is not passed on.
class AdviceFilter {
public:
    AdviceFilter() { previous() = qInstallMessageHandler(&AdviceFilter::handle); }
    ~AdviceFilter() { qInstallMessageHandler(previous()); }
    AdviceFilter(const AdviceFilter&) = delete;
    AdviceFilter& operator=(const AdviceFilter&) = delete;

private:
    static QtMessageHandler& previous() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin")) ||
            text.startsWith(QLatin1String("Attribute Qt::AA_ShareOpenGLContexts must be set"))) {
            return;
        }
        // Qt hands back its own handler when no other was installed.
        previous()(type, context, text);
    }
};

} // namespace

QUrl addressFromText(const QString& text) {
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        throw RuntimeError(ErrorCode::NavigationRefused,
                           QCoreApplication::translate("vyx::WebBrowser", "(empty address)"));
    }
    QUrl url = QUrl::fromUserInput(typed, QDir::currentPath(), QUrl::DefaultResolution);
    if (!url.isValid() || url.scheme().isEmpty()) {
        throw RuntimeError(ErrorCode::NavigationRefused, typed);
    }
    if (url.isLocalFile()) {
        // The engine would wait for ever on a FIFO or a device, and show a folder as a listing
        // of the disk: only a readable ordinary file is a page.
        checkRegularFile(url.toLocalFile());
        return url;
    }
    for (const char* scheme : kSchemes) {
        if (url.scheme() == QLatin1String(scheme)) {
            return url;
        }
    }
    throw RuntimeError(ErrorCode::NavigationRefused,
                       //: %2 is the address's scheme, as "ftp" in "ftp://..."
                       QCoreApplication::translate("vyx::WebBrowser",
                                                   "%1 (the browser does not open %2: addresses)")
                           .arg(typed, url.scheme()));
}

// The plugin takes this file's code from the executable rather than a copy of its own, so that
// both sides agree on one WebBrowser class.
WebBrowserFactory& webEngineFactory() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList folders{appDir, appDir + QStringLiteral("/" VYX_PLUGIN_FROM_BINDIR)};
    QStringList reasons;
    for (const QString& folder : folders) {
        // QPluginLoader instances share one loaded library, which Qt keeps until exit.
        QPluginLoader loader(QDir(folder).filePath(QStringLiteral("vyxwebengine")));
        const AdviceFilter quiet;
        if (auto* const factory = qobject_cast<WebBrowserFactory*>(loader.instance())) {
            return *factory;
        }
        reasons.append(loader.errorString());
    }
    // Both places usually fail for the same reason, which is said once.
    reasons.removeDuplicates();
    throw RuntimeError(ErrorCode::WebEngineUnavailable, reasons.join(u'\n'));
}

} // namespace vyx
