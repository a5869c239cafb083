#pragma once

#include <QStringList>
#include <optional>

// The browser window's arithmetic and list rules, kept apart from the window so that tests can
// call them directly.
namespace vyx::browser {

// "Vyx Surfer" and 23 spaces: every caption the window shows starts with it.
QString titlePrefix();
QString pageCaption(const QString& locationName);
QString busyCaption();

// The address as the box shows it: without a final slash.
QString withoutFinalSlash(QString address);

// Whether a key press in the address box is character code 13: Return, keypad Enter, or Ctrl+M,
// which X delivers as the letter with a carriage return for its text.
bool isEnterKey(int key, const QString& text);

// The address list after a visit: the address on top, once (letter case counts), the others in
// their order.
[[nodiscard]] QStringList visited(QStringList list, const QString& address);

// New sizes (twips) for the address box and the page area in a client area of the given size.
// A size that would be negative is left out: the control keeps the size it has.
struct Layout {
    std::optional<float> addressWidth;
    std::optional<float> browserWidth;
    std::optional<float> browserHeight;
};
Layout layoutFor(float clientWidth, float clientHeight, float browserLeft, float browserTop);

} // namespace vyx::browser
