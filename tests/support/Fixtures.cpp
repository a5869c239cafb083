#include "Fixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <filesystem>

namespace vyx::testing {

Fixtures::Fixtures() = default;

Fixtures::~Fixtures() {
    // Qt cannot name, so cannot remove, a file whose name is not UTF-8: the folder goes by its
    // bytes first.
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(m_dir.path()).toStdString(), ignored);
}

QByteArray Fixtures::copyAs(const QString& source, const QByteArray& name) const {
    QByteArray copy = QFile::encodeName(m_dir.path()) + '/' + name;
    std::filesystem::copy_file(QFile::encodeName(source).toStdString(), copy.toStdString(),
                               std::filesystem::copy_options::overwrite_existing);
    return copy;
}

QString Fixtures::ffmpeg(const QString& name, const QStringList& args) const {
    QProcess process;
    QStringList all{QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y")};
    all << args << path(name);
    process.start(QStringLiteral("ffmpeg"), all);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning("ffmpeg failed for %s: %s", qPrintable(name),
                 process.readAllStandardError().constData());
        return {};
    }
    return path(name);
}

QString Fixtures::videoClip(const QString& name, double seconds, const QString& size) const {
    const QString duration = QString::number(seconds);
    return ffmpeg(name,
                  {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("testsrc=size=%1:rate=25").arg(size), QStringLiteral("-f"),
                   QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("sine=frequency=440"), QStringLiteral("-t"), duration,
                   QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-c:v"),
                   QStringLiteral("libx264"), QStringLiteral("-preset"),
                   QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")});
}

QString Fixtures::redClip(const QString& name, double seconds, const QString& size) const {
    return ffmpeg(name,
                  {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("color=c=red:size=%1:rate=25").arg(size), QStringLiteral("-t"),
                   QString::number(seconds), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                   QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                   QStringLiteral("ultrafast")});
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

QString Fixtures::toneClip(const QString& name, double seconds, const QString& title) const {
    QStringList args{QStringLiteral("-f"), QStringLiteral("lavfi"),
                     QStringLiteral("-i"), QStringLiteral("sine=frequency=330"),
                     QStringLiteral("-t"), QString::number(seconds)};
    if (!title.isEmpty()) {
        args << QStringLiteral("-metadata") << QStringLiteral("title=") + title;
    }
    return ffmpeg(name, args);
}

QString Fixtures::writeBytes(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return {};
    }
    return file.fileName();
}

PicturesFolder::PicturesFolder(const Fixtures& files, const QString& folder)
    : m_config(qgetenv("XDG_CONFIG_HOME")) {
    QDir().mkpath(files.path(QStringLiteral("config")));
    files.writeBytes(QStringLiteral("config/user-dirs.dirs"),
                     "XDG_PICTURES_DIR=\"" + folder.toUtf8() + "\"\n");
    qputenv("XDG_CONFIG_HOME", files.path(QStringLiteral("config")).toUtf8());
}

PicturesFolder::~PicturesFolder() {
    qputenv("XDG_CONFIG_HOME", m_config);
}

qint64 residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLongLong() / 1024;
        }
    }
    return -1;
}

} // namespace vyx::testing
