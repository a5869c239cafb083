#include "Screenshot.h"

#include "system/LocalPath.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QImage>
#include <QImageWriter>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>
#include <utility>

namespace vyx {

QString screenshotPath(const QString& folder, const QString& entry, double seconds,
                       const std::function<bool(const QString&)>& exists) {
    const long long millis =
        std::isfinite(seconds) && seconds > 0 ? std::llround(seconds * 1000.0) : 0;
    QString name = QFileInfo(shownName(entry)).completeBaseName();
    // An address ending in "/" has no name of its own.
    if (name.isEmpty()) {
        name = QStringLiteral("screenshot");
    }
    const QString moment = QStringLiteral("%1-%2-%3.%4")
                               .arg(millis / 3600000)
                               .arg(millis / 60000 % 60, 2, 10, QLatin1Char('0'))
                               .arg(millis / 1000 % 60, 2, 10, QLatin1Char('0'))
                               .arg(millis % 1000, 3, 10, QLatin1Char('0'));
    const QString stem = QDir(folder).filePath(name + QLatin1Char(' ') + moment);
    QString path = stem + QStringLiteral(".png");
    for (int number = 2; exists(path); ++number) {
        path = QStringLiteral("%1 (%2).png").arg(stem).arg(number);
    }
    return path;
}

QString picturesFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

QString newScreenshotPath(const QString& entry, double seconds, const QString& lastAsked) {
    const QString folder = picturesFolder();
    if (!QDir().mkpath(folder)) {
        return {};
    }
    return screenshotPath(folder, entry, seconds, [&lastAsked](const QString& path) {
        return path == lastAsked || QFileInfo::exists(path);
    });
}

void writeScreenshot(const QImage& picture, const QString& path, QObject* receiver,
                     std::function<void(const QString& failure)> done) {
    if (picture.isNull()) {
        done(QObject::tr("the picture could not be drawn"));
        return;
    }
    // A PNG of a film's size takes a tenth of a second and more to compress. The watcher goes
    // with the receiver, and what it watches then reports to no one.
    auto* const watcher = new QFutureWatcher<QString>(receiver);
    QObject::connect(watcher, &QFutureWatcher<QString>::finished, watcher,
                     [watcher, done = std::move(done)] {
                         done(watcher->result());
                         watcher->deleteLater();
                     });
    watcher->setFuture(QtConcurrent::run([picture, path] {
        QImageWriter writer(path);
        return writer.write(picture) ? QString() : writer.errorString();
    }));
}

} // namespace vyx
