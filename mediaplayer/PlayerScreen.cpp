#include "PlayerScreen.h"

#include "media/VideoSurface.h"
#include "system/LocalPath.h"

#include <QLabel>
#include <utility>

namespace vyx {

PlayerScreen::PlayerScreen(QWidget* parent)
    : QStackedWidget(parent)
    , m_message(new QLabel(this)) {
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setAutoFillBackground(true);
    QPalette dark = m_message->palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    m_message->setPalette(dark);
    addWidget(m_message);
}

VideoSurface* PlayerScreen::addPicture(std::shared_ptr<MpvCore> core, VideoOutputChoice& outputs) {
    m_surface = new VideoSurface(std::move(core), outputs, this);
    addWidget(m_surface);
    if (!m_surface->hasRenderer()) {
        m_noPictureReason = tr("No picture: the media engine cannot draw here.");
    }
    return m_surface;
}

void PlayerScreen::showMessage(const QString& text) {
    m_message->setText(text);
    setCurrentWidget(m_message);
}

void PlayerScreen::showFailure(const QString& text) {
    m_failed = true;
    showMessage(text);
}

void PlayerScreen::newFile(const QString& fileName) {
    m_fileName = fileName;
    m_title.clear();
    m_audioOnly = false;
    m_failed = false;
    showPicture();
}

void PlayerScreen::setTitle(const QString& title) {
    m_title = title;
    if (m_audioOnly && !m_failed) {
        showTitle();
    }
}

void PlayerScreen::setHasVideo(bool hasVideo) {
    m_audioOnly = !hasVideo;
    if (!m_failed) {
        m_audioOnly ? showTitle() : showPicture();
    }
}

void PlayerScreen::showTitle() {
    showMessage(m_title.isEmpty() ? shownName(m_fileName) : m_title);
}

void PlayerScreen::showPicture() {
    if (!m_noPictureReason.isEmpty()) {
        showMessage(m_noPictureReason);
    } else if (m_surface != nullptr) {
        setCurrentWidget(m_surface);
    }
}

QString PlayerScreen::message() const {
    return currentWidget() == m_message ? m_message->text() : QString();
}

} // namespace vyx
