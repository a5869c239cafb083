#include "PlayerLayout.h"

#include <algorithm>

namespace vyx {

namespace {
constexpr float kMargin = 20.0F;
}

PlayerExtent fitPlayer(float clientWidth, float clientHeight, float left, float top) {
    return {std::max(0.0F, clientWidth - left - kMargin),
            std::max(0.0F, clientHeight - kMargin - top)};
}

} // namespace vyx
