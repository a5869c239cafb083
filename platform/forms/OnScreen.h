#pragma once

#include <QRect>

class QWidget;

namespace vyx {

// Where a window's frame goes so that all of it lies in the screen's free area: moved in only as
// far as it has to, made smaller only where it is larger than the area.
[[nodiscard]] QRect keptOnScreen(const QRect& frame, const QRect& available);

// A window placed where it was designed keeps its place and size where the screen has room for
// them; on a lower or narrower screen it comes in so that its controls can be reached.
void keepOnScreen(QWidget& window);

} // namespace vyx
