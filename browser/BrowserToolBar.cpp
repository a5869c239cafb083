#include "BrowserToolBar.h"

#include "forms/Mirrored.h"
#include "forms/Twips.h"

#include <QCoreApplication>
#include <QIcon>
#include <QToolButton>
#include <array>

namespace vyx {

namespace {

constexpr double kButtonWidth = 465;
constexpr double kSeparatorWidth = 172;

struct ToolButton {
    const char* key = ""; // empty: a separator
    const char* tip = "";
    const char* image = "";
    // Right to left, back points right and forward left: each takes the other's arrow.
    const char* rightToLeftImage = nullptr;
};

constexpr std::array kButtons{
    ToolButton{"Back", QT_TRANSLATE_NOOP("vyx::frmBrowser", "Backward"), "b", "n"},
    ToolButton{"Forward", QT_TRANSLATE_NOOP("vyx::frmBrowser", "Forward"), "n", "b"},
    ToolButton{"", "", ""},
    ToolButton{"Stop", QT_TRANSLATE_NOOP("vyx::frmBrowser", "Stop"), "s"},
    ToolButton{"Refresh", QT_TRANSLATE_NOOP("vyx::frmBrowser", "Refresh"), "r"},
    ToolButton{"", "", ""},
    ToolButton{"Home", QT_TRANSLATE_NOOP("vyx::frmBrowser", "Home"), "h"},
    ToolButton{"Search", QT_TRANSLATE_NOOP("vyx::frmBrowser", "Search"), "search"},
    ToolButton{"Offline", QT_TRANSLATE_NOOP("vyx::frmBrowser", "Browse Offline"), "o"},
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
        const QString tip = QCoreApplication::translate("vyx::frmBrowser", entry.tip);
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        const char* const image = strip.isRightToLeft() && entry.rightToLeftImage != nullptr
                                      ? entry.rightToLeftImage
                                      : entry.image;
        button->setIcon(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(image))));
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        // Reached with Tab and pressed with Space, as the address box and the page are.
        button->setFocusPolicy(Qt::TabFocus);
        placeMirrored(*button, twips::toPixels(left, 0, kButtonWidth, kToolBarHeight));
        QObject::connect(button, &QToolButton::clicked, &strip, [clicked, key] { clicked(key); });
        left += kButtonWidth;
    }
}

} // namespace vyx
