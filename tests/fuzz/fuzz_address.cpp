// Typed addresses and the address list: text to address, and the list kept as the browser
// keeps it (found entries move to the top, nothing twice).
#include "BrowserLogic.h"
#include "errors/RuntimeError.h"
#include "web/WebBrowser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QUrl url = vyx::addressFromText(text);
        const QString scheme = url.scheme();
        if (!url.isValid() ||
            (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
             scheme != QLatin1String("file") && scheme != QLatin1String("about") &&
             scheme != QLatin1String("data"))) {
            std::abort();
        }
    } catch (const vyx::RuntimeError& error) {
        using vyx::ErrorCode;
        const auto code = static_cast<ErrorCode>(error.code());
        if (code != ErrorCode::NavigationRefused && code != ErrorCode::FileNotFound &&
            code != ErrorCode::PathFileAccess && code != ErrorCode::PermissionDenied) {
            std::abort();
        }
    }
    QStringList list;
    for (const QString& address : text.split(u'\n')) {
        // The others keep their order behind it.
        QStringList others = list;
        others.removeAll(address);
        list = vyx::browser::visited(list, address);
        if (list.count(address) != 1 || list.constFirst() != address || list.mid(1) != others) {
            std::abort();
        }
    }
    return 0;
}
