#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vyx::testing {

// Media files made for a test run in a temporary folder.
class Fixtures {
public:
    Fixtures();
    ~Fixtures();
    Fixtures(const Fixtures&) = delete;
    Fixtures& operator=(const Fixtures&) = delete;

    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }

    // ffmpeg with the given input and output arguments; the file name is the last argument.
    // Returns the path, or an empty text when ffmpeg failed.
    QString ffmpeg(const QString& name, const QStringList& args) const;
    // A clip with a test picture and a tone.
    QString videoClip(const QString& name, double seconds,
                      const QString& size = QStringLiteral("320x240")) const;
    // A silent clip of one red picture, whose place on the screen a test can find with isRed.
    QString redClip(const QString& name, double seconds, const QString& size) const;
    QString toneClip(const QString& name, double seconds, const QString& title = {}) const;
    QString writeBytes(const QString& name, const QByteArray& bytes) const;
    // A copy of source under a name given as bytes (one that is not UTF-8, as old archives have
    // them); returns the copy's path in bytes.
    QByteArray copyAs(const QString& source, const QByteArray& name) const;

private:
    QTemporaryDir m_dir;
};

// The user's pictures folder said to be the given one, as the desktop writes it into
// user-dirs.dirs under XDG_CONFIG_HOME, for as long as this lives.
class PicturesFolder {
public:
    PicturesFolder(const Fixtures& files, const QString& folder);
    ~PicturesFolder();
    PicturesFolder(const PicturesFolder&) = delete;
    PicturesFolder& operator=(const PicturesFolder&) = delete;

private:
    const QByteArray m_config;
};

// A pixel of a red clip's picture, as the screen shows it.
[[nodiscard]] bool isRed(QRgb pixel);

// This process's resident memory in MiB, -1 when the system does not say.
qint64 residentMiB();

} // namespace vyx::testing
