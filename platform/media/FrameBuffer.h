#pragma once

#include <QImage>
#include <QSize>
#include <cstddef>
#include <memory>
#include <new>

namespace vyx {

// Bytes per line for a picture of the given width in 4-byte pixels: rounded up to 64, which the
// media engine's scalers need for their fast paths.
[[nodiscard]] std::size_t frameStride(int width);

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
