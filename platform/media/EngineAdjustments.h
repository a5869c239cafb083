#pragma once

#include "media/Adjustments.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>

struct mpv_event_property;

namespace vyx {

class MpvCore;
class VideoSurface;

// The user's adjustments of picture and sound, kept while the program runs and handed to each
// engine as it starts; each change goes to the engine as it is made. Nothing of them reaches
// the engine while they are as the file has it, so that playing costs what it did.
class EngineAdjustments final : public QObject {
    Q_OBJECT
public:
    explicit EngineAdjustments(QObject* parent);

    // The engine has started: what was set before reaches it.
    void attach(std::shared_ptr<MpvCore> core);
    [[nodiscard]] const PictureAdjustments& picture() const { return m_picture; }
    [[nodiscard]] const SoundAdjustments& sound() const { return m_sound; }
    void setPicture(const PictureAdjustments& picture);
    void setSound(const SoundAdjustments& sound);

    // The surface the picture is drawn on: a zoomed picture takes all of it, and the first
    // picture it draws of each file is asked whether it is interlaced.
    void watch(VideoSurface* surface);
    // A new file: an automatic deinterlacing waits for its pictures.
    void fileStarted();
    // Asks the engine for its output devices; devicesListed follows.
    void requestDevices();
    // Takes a reply to one of the requests above; false for any other reply.
    bool handleReply(std::uint64_t tag, const mpv_event_property& property);

    // The tags of those requests' replies, apart from every other request's.
    static constexpr std::uint64_t kInterlacedTag = UINT64_MAX - 2;
    static constexpr std::uint64_t kDevicesTag = UINT64_MAX - 3;

Q_SIGNALS:
    // The engine's output devices, the desktop's default first.
    void devicesListed(const QList<AudioDevice>& devices);

private:
    void applyPicture(const PictureAdjustments& before);
    void applySound(const SoundAdjustments& before);
    void pictureShown();

    std::shared_ptr<MpvCore> m_core;
    QPointer<VideoSurface> m_surface;
    PictureAdjustments m_picture;
    SoundAdjustments m_sound;
    // What the engine was last told.
    PictureAdjustments m_told;
    SoundAdjustments m_toldSound;
    bool m_interlaced = false;
    bool m_firstPicture = true;
};

// The devices of the engine's audio-device-list, the desktop's default ("auto") first.
[[nodiscard]] QList<AudioDevice> devicesFromNode(const void* node);

} // namespace vyx
