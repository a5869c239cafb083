#include "BrowserToolBar.h"

#include "forms/Twips.h"

#include <QIcon>
#include <QToolButton>
#include <array>

namespace vyx {

namespace {

constexpr double kButtonWidth = 465;
constexpr double kSeparatorWidth = 172;

struct ToolButton {
    const char* key; // empty: a separator
    const char* tip;
    const char* image;
};

constexpr std::array kButtons{
    ToolButton{"Back", "Backward", "b"},
    ToolButton{"Forward", "Forward", "n"},
    ToolButton{"", "", ""},
    ToolButton{"Stop", "Stop", "s"},
    ToolButton{"Refresh", "Refresh", "r"},
    ToolButton{"", "", ""},
    ToolButton{"Home", "Home", "h"},
    ToolButton{"Search", "Search", "search"},
    ToolButton{"Offline", "Browse Offline", "o"},
};

} // namespace

void addToolButtons(QWidget& strip, const std::function<void(const QString& key)>& clicked) {
    double left = 0;
    for (const ToolButton& entry : kButtons) {
        if (*entry.key == '\0') {
            left += kSeparatorWidth;
            continue;
        }
        auto* const button = new QToolButton(&strip);
        const QString key = QLatin1String(entry.key);
        button->setObjectName(key);
        button->setToolTip(QLatin1String(entry.tip));
        button->setAccessibleName(QLatin1String(entry.tip));
        button->setIcon(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(entry.image))));
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        // Reached with Tab and pressed with Space, as the address box and the page are.
        button->setFocusPolicy(Qt::TabFocus);
        button->setGeometry(twips::toPixels(left, 0, kButtonWidth, kToolBarHeight));
        QObject::connect(button, &QToolButton::clicked, &strip, [clicked, key] { clicked(key); });
        left += kButtonWidth;
    }
}

} // namespace vyx
