#pragma once

#include <QCoreApplication>
#include <QPixmap>
#include <QString>

namespace vyx {

// The main window's artwork with its words in the user's language. The picture carries only
// the program's name, which stays; the line under it and the hint along its foot are drawn on
// it in the language. Right to left, the artwork keeps to the window's right, clear of the
// player that the mirrored layout puts on the left.
class MainBackground {
    Q_DECLARE_TR_FUNCTIONS(MainBackground)
public:
    // The hint names the menu's items as the menu shows them, so it reads what a user finds
    // there; the texts keep their access-key ampersands, which the hint leaves out.
    static QString hint(const QString& fileMenu, const QString& playItem, const QString& openItem);
    // The client area's picture across its width, for the screen's pixel ratio and the layout's
    // direction; playerLeft is where the player begins, left to right.
    static QPixmap draw(int clientWidth, int playerLeft, qreal pixelRatio,
                        Qt::LayoutDirection direction, const QString& hint);
};

} // namespace vyx
