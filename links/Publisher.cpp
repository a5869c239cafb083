#include "Publisher.h"

#include <QUrl>

namespace vyx::publisher {

QString baseAddress() {
    return QStringLiteral(VYX_PUBLISHER_BASE);
}

QString host() {
    return QUrl(baseAddress()).host();
}

} // namespace vyx::publisher
