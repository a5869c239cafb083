#include "FileCheck.h"

#include "errors/RuntimeError.h"
#include "system/LocalPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vyx {

void checkRegularFile(const QString& entry) {
    // By the name's bytes: a name that is not UTF-8 has no QString that names it.
    const QByteArray path = pathOfEntry(entry);
    const QString shown = shownPath(entry);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) {
        throw RuntimeError(ErrorCode::FileNotFound, shown);
    }
    if (!S_ISREG(status.st_mode)) {
        throw RuntimeError(ErrorCode::PathFileAccess, shown);
    }
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        throw RuntimeError(ErrorCode::PermissionDenied, shown);
    }
    ::close(descriptor);
}

} // namespace vyx
