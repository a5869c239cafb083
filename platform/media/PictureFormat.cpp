#include "PictureFormat.h"

namespace vyx {

Transfer transferFromName(QStringView name) {
    if (name == u"pq") {
        return Transfer::Pq;
    }
    return name == u"hlg" ? Transfer::Hlg : Transfer::Sdr;
}

Primaries primariesFromName(QStringView name) {
    if (name == u"bt.2020") {
        return Primaries::Bt2020;
    }
    // A cinema's P3 has a white of its own; drawn with the screen's white it is near enough.
    return name == u"display-p3" || name == u"dci-p3" ? Primaries::P3 : Primaries::Bt709;
}

} // namespace vyx
