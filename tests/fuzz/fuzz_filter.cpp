// The Open dialog's filter text ("Name|*.a;*.b|...") as Qt name filters.
#include "dialogs/FileFilter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString filter =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& entry : vyx::toNameFilters(filter)) {
        // Every entry is "name (patterns)" with a pattern list Qt can read back.
        const qsizetype open = entry.lastIndexOf(QLatin1String(" ("));
        if (open < 0 || !entry.endsWith(u')') || entry.size() - open <= 3 ||
            entry.mid(open + 2).chopped(1).contains(u'(')) {
            std::abort();
        }
    }
    return 0;
}
