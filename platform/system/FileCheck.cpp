#include "FileCheck.h"

#include "errors/RuntimeError.h"

#include <QFile>
#include <QFileInfo>

namespace vyx {

void checkRegularFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw RuntimeError(ErrorCode::FileNotFound, path);
    }
    if (!info.isFile()) {
        throw RuntimeError(ErrorCode::PathFileAccess, path);
    }
    if (!QFile(path).open(QIODevice::ReadOnly)) {
        throw RuntimeError(ErrorCode::PermissionDenied, path);
    }
}

} // namespace vyx
