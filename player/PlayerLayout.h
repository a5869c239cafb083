#pragma once

namespace vyx {

struct PlayerExtent {
    float width;
    float height;
};

// The player fills the window's client area less a 20-twip strip along the right and bottom
// edges; all in twips, never below zero.
PlayerExtent fitPlayer(float clientWidth, float clientHeight, float left, float top);

} // namespace vyx
