#pragma once

#include "media/FrameBuffer.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

namespace vyx {

class MpvCore;
class SoftwareRender;

// Small pictures of moments of a local file, for the seek bar under the pointer: an engine of
// its own, which decodes on threads of its own, paused and silent, seeking to key frames only.
// It starts when the first picture is asked for, asks for at most one picture every 100 ms,
// and ends a few seconds after the last one, so that it costs nothing while no one hovers.
class FramePreview final : public QObject {
    Q_OBJECT
public:
    explicit FramePreview(QObject* parent);
    ~FramePreview() override;
    FramePreview(const FramePreview&) = delete;
    FramePreview& operator=(const FramePreview&) = delete;

    // The file the pictures are of; an empty name, or an address, has none.
    void setFile(const QString& path);
    // Asks for the picture at that time; the latest request wins.
    void show(double seconds);
    // No more pictures are wanted for now.
    void rest();

    static constexpr QSize kSize{160, 90};

Q_SIGNALS:
    void picture(const QImage& image);

private:
    bool startEngine();
    void endEngine();
    void ask();
    void drawn();
    static void onUpdate(void* context);
    static void wakeup(void* context);

    QString m_path;
    std::unique_ptr<MpvCore> m_core;
    std::unique_ptr<SoftwareRender> m_render; // ends before its core

    FrameBuffer m_frame;
    QTimer m_pace;
    QTimer m_idle;
    double m_wanted = -1.0;
    double m_asked = -1.0;
    bool m_loaded = false;
};

} // namespace vyx
