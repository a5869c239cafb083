#pragma once

#include <QStackedWidget>
#include <memory>

class QLabel;

namespace vyx {

class MpvCore;
class VideoOutputChoice;
class VideoSurface;

// The player's picture area: the engine's picture, or a message in its place (a title, a
// failure, why there is no picture).
class PlayerScreen final : public QStackedWidget {
    Q_OBJECT
public:
    explicit PlayerScreen(QWidget* parent);

    // Adds the surface that draws the core's picture, with the output the program chose.
    VideoSurface* addPicture(std::shared_ptr<MpvCore> core, VideoOutputChoice& outputs);
    void showMessage(const QString& text);
    // Why the file cannot be played: it stays until the next file, whatever the engine still
    // reports of this one.
    void showFailure(const QString& text);
    // A new file: its picture until it turns out to have none, then its title.
    void newFile(const QString& fileName);
    void setTitle(const QString& title);
    void setHasVideo(bool hasVideo);
    // What is shown instead of a picture; empty over the picture.
    [[nodiscard]] QString message() const;

private:
    // The picture, or why there cannot be one.
    void showPicture();
    void showTitle();

    QLabel* m_message;
    VideoSurface* m_surface = nullptr;
    QString m_noPictureReason;
    QString m_fileName;
    QString m_title;
    bool m_audioOnly = false;
    bool m_failed = false;
};

} // namespace vyx
