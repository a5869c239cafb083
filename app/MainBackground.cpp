#include "MainBackground.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vyx {

namespace {

// Where the artwork leaves room for words, in its own pixels, and how they are set.
constexpr QRectF kTaglineBox(212, 128, 244, 24);
constexpr int kTaglineSize = 17;
constexpr QRectF kHintBox(24, 262, 428, 38);
constexpr int kHintSize = 13;
constexpr int kSmallestSize = 9;
const QColor kWords(0x5a, 0x5f, 0x86);

QString withoutAccessKey(const QString& text) {
    QString plain;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) == u'&' && at + 1 < text.size()) {
            ++at;
        }
        plain += text.at(at);
    }
    return plain;
}

bool fits(const QFont& font, const QRectF& box, int flags, const QString& text) {
    const QRectF needed = QFontMetricsF(font).boundingRect(box, flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// Set as designed where the words fit, smaller on one line where a language's are longer, and
// on two lines before they would become too small to read.
void drawFitted(QPainter& painter, const QRectF& box, int designedSize, Qt::Alignment alignment,
                const QString& text) {
    QFont font(QStringLiteral("Liberation Sans"));
    const int oneLine = static_cast<int>(alignment | Qt::AlignVCenter);
    int flags = oneLine;
    int size = designedSize;
    font.setPixelSize(size);
    while (!fits(font, box, flags, text) && size > kSmallestSize) {
        if (flags == oneLine && size * 5 <= designedSize * 4) {
            flags = oneLine | Qt::TextWordWrap;
            size = designedSize;
        } else {
            --size;
        }
        font.setPixelSize(size);
    }
    painter.setFont(font);
    painter.drawText(box, flags, text);
}

} // namespace

QString MainBackground::hint(const QString& fileMenu, const QString& playItem,
                             const QString& openItem) {
    const QString file = withoutAccessKey(fileMenu);
    //: The line along the foot of the main window's picture: %1 is the File menu, %2 and %3
    //: its Play and Open items, as the menu shows them.
    return tr("%1 › %2 to open a file  ·  %1 › %3")
        .arg(file, withoutAccessKey(playItem), withoutAccessKey(openItem));
}

QPixmap MainBackground::draw(int clientWidth, int playerLeft, qreal pixelRatio,
                             Qt::LayoutDirection direction, const QString& hint) {
    const bool dense = pixelRatio > 1.5;
    const qreal ratio = dense ? 2.0 : 1.0;
    const QPixmap art(dense ? QStringLiteral(":/main-background@2x.jpg")
                            : QStringLiteral(":/main-background.jpg"));
    // As tall as the artwork: the client area's white fills the rest.
    QPixmap picture(qRound(clientWidth * ratio), art.height());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const bool rightToLeft = direction == Qt::RightToLeft;
    const qreal artLeft = rightToLeft ? clientWidth - playerLeft : 0;
    painter.drawPixmap(QRectF(artLeft, 0, playerLeft, art.height() / ratio), art,
                       QRectF(0, 0, playerLeft * ratio, art.height()));
    painter.translate(artLeft, 0);
    painter.setLayoutDirection(direction);
    painter.setPen(kWords);
    const Qt::Alignment leading = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    //: The line under the program's name in the main window's picture.
    drawFitted(painter, kTaglineBox, kTaglineSize, leading, tr("Audio and video, light and fast"));
    drawFitted(painter, kHintBox, kHintSize, leading, hint);
    return picture;
}

} // namespace vyx
