// A playlist's bytes, the first byte choosing .m3u or .pls: every entry names something, and a
// file's name comes back as the bytes the list wrote.
#include "ListFile.h"
#include "media/MediaSource.h"
#include "system/LocalPath.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArray text(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size) - 1);
    const vyx::ListFormat format = data[0] % 2 == 0 ? vyx::ListFormat::M3u : vyx::ListFormat::Pls;
    for (const vyx::ListEntry& entry : vyx::parseList(text, format, "/music")) {
        if (entry.entry.isEmpty() ||
            (!vyx::isStreamAddress(entry.entry) &&
             vyx::entryForPath(vyx::pathOfEntry(entry.entry)) != entry.entry)) {
            std::abort();
        }
    }
    return 0;
}
