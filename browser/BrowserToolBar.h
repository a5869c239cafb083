#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vyx {

// The height of the browser's button strip, in twips.
constexpr double kToolBarHeight = 450;

// Puts the browser's buttons on the strip, in their order and places; a click reports the
// button's key ("Back", "Forward", "Stop", "Refresh", "Home", "Search", "Offline").
void addToolButtons(QWidget& strip, const std::function<void(const QString& key)>& clicked);

} // namespace vyx
