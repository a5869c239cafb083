#include "FrameBuffer.h"

namespace vyx {

std::size_t frameStride(int width) {
    constexpr std::size_t kPixel = 4;
    constexpr std::size_t kLine = 64;
    const std::size_t bytes = static_cast<std::size_t>(width > 0 ? width : 0) * kPixel;
    return (bytes + kLine - 1) / kLine * kLine;
}

std::optional<FrameTarget> windowTarget(QImage& window, QRect area, bool alphaShown) {
    constexpr qsizetype kPixel = 4;
    const bool pixelsFit = window.format() == QImage::Format_RGB32 ||
                           (!alphaShown && window.format() == QImage::Format_ARGB32_Premultiplied);
    // Inside the window, each of the area's lines a whole line of the window's memory.
    const bool wholeLines =
        window.rect().contains(area) && window.bytesPerLine() == area.width() * kPixel;
    if (!pixelsFit || area.isEmpty() || !wholeLines) {
        return std::nullopt;
    }
    return FrameTarget{window.scanLine(area.y()), static_cast<std::size_t>(window.bytesPerLine()),
                       area.size()};
}

FrameTarget partOf(const FrameTarget& target, QRect part) {
    constexpr std::size_t kPixel = 4;
    return {static_cast<std::byte*>(target.pixels) +
                static_cast<std::size_t>(part.y()) * target.stride +
                static_cast<std::size_t>(part.x()) * kPixel,
            target.stride, part.size()};
}

void FrameBuffer::Free::operator()(std::byte* data) const {
    ::operator delete[](data, kAlignment);
}

void FrameBuffer::resize(QSize size) {
    if (size == m_size) {
        return;
    }
    m_data.reset();
    m_size = size.isEmpty() ? QSize() : size;
    m_stride = frameStride(m_size.width());
    if (!m_size.isEmpty()) {
        m_data.reset(static_cast<std::byte*>(
            ::operator new[](m_stride* static_cast<std::size_t>(m_size.height()), kAlignment)));
    }
}

QImage FrameBuffer::image() const {
    if (m_size.isEmpty()) {
        return {};
    }
    // The engine writes blue, green, red and a spare byte: Qt's RGB32 in little-endian memory.
    return {reinterpret_cast<const uchar*>(m_data.get()), m_size.width(), m_size.height(),
            static_cast<qsizetype>(m_stride), QImage::Format_RGB32};
}

} // namespace vyx
