#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <cstddef>
#include <memory>
#include <new>
#include <optional>

namespace vyx {

// The byte order of Qt's RGB32 pixels in memory, in the engine's naming.
constexpr const char* kEnginePixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "bgr0" : "0rgb";

// Bytes per line for a picture of the given width in 4-byte pixels: rounded up to 64, which the
// media engine's scalers need for their fast paths.
[[nodiscard]] std::size_t frameStride(int width);

// Where the engine writes a picture: 4-byte pixels in the byte order of Qt's RGB32.
struct FrameTarget {
    void* pixels = nullptr;
    std::size_t stride = 0;
    QSize size;
};

// The part of a window's own picture that an area of it covers, when the engine can write the
// picture straight into it: the area spans the window's whole width, so that nothing lies
// between the end of one line and the start of the next (the engine may write over that gap,
// which would belong to the widgets beside the area), and the window's pixels are RGB32 or
// have an alpha byte that is not shown (the engine leaves it zero in the bars beside a picture).
[[nodiscard]] std::optional<FrameTarget> windowTarget(QImage& window, QRect area, bool alphaShown);
// The part of a target that a rectangle inside it covers, with the target's lines.
[[nodiscard]] FrameTarget partOf(const FrameTarget& target, QRect part);

// A picture buffer that the media engine writes into and Qt paints from: 64-byte aligned, one
// allocation reused until the size changes.
class FrameBuffer {
public:
    // Makes the buffer the given size in device pixels; the contents are undefined afterwards
    // when the size changed. An empty size frees it.
    void resize(QSize size);

    [[nodiscard]] QSize size() const { return m_size; }
    [[nodiscard]] std::size_t stride() const { return m_stride; }
    [[nodiscard]] void* data() const { return m_data.get(); }
    [[nodiscard]] FrameTarget target() const { return {data(), m_stride, m_size}; }
    // A view of the buffer, valid until the next resize.
    [[nodiscard]] QImage image() const;

private:
    struct Free {
        void operator()(std::byte* data) const;
    };
    static constexpr std::align_val_t kAlignment{64};

    QSize m_size;
    std::size_t m_stride = 0;
    std::unique_ptr<std::byte[], Free> m_data;
};

} // namespace vyx
