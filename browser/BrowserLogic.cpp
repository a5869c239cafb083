#include "BrowserLogic.h"

#include <QCoreApplication>
#include <Qt>

namespace vyx::browser {

namespace {

constexpr float kAddressLeft = 3600.0F;
constexpr float kMargin = 20.0F;

std::optional<float> ifValid(float size) {
    return size >= 0.0F ? std::optional<float>(size) : std::nullopt;
}

} // namespace

QString titlePrefix() {
    return QStringLiteral("Vyx Surfer") + QString(23, u' ');
}

QString pageCaption(const QString& locationName) {
    return titlePrefix() + locationName;
}

QString busyCaption() {
    return titlePrefix() + QCoreApplication::translate("vyx::frmBrowser", "Working...");
}

bool isEnterKey(int key, const QString& text) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || text == QLatin1String("\r");
}

QStringList visited(QStringList list, const QString& address) {
    list.removeAll(address);
    list.prepend(address);
    return list;
}

Layout layoutFor(float clientWidth, float clientHeight, float browserLeft, float browserTop) {
    return {ifValid(clientWidth - kAddressLeft), ifValid(clientWidth - browserLeft - kMargin),
            ifValid((clientHeight - kMargin) - browserTop)};
}

QString withoutFinalSlash(QString address) {
    if (address.endsWith(u'/')) {
        address.chop(1);
    }
    return address;
}

} // namespace vyx::browser
