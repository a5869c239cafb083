#pragma once

#include <QRect>

class QWidget;

namespace vyx {

// Where the windows' parts are placed by the twips they were designed in, a language written
// from right to left reads them mirrored: a part's left edge is measured from its parent's right
// edge. In a left-to-right language the part goes where the twips say.

// Places the part at its designed rectangle in its parent, mirrored where the parent lays out
// right to left, and remembers the designed left edge.
void placeMirrored(QWidget& part, const QRect& designed);
// The part's left edge as designed, whatever the mirroring.
[[nodiscard]] int designedLeft(const QWidget& part);
// After the parent's width or a part's size changed: every part placed with placeMirrored is
// placed again, at its designed left edge and top, with the size it has now.
void placeMirroredAgain(QWidget& parent);

} // namespace vyx
