#include "FittedText.h"

#include <QLabel>

namespace vyx {

namespace {
constexpr double kSmallestPoints = 6.5;
constexpr double kStep = 0.25;
} // namespace

int inkHeight(const QLabel& label) {
    return label.heightForWidth(label.width()) - label.fontMetrics().descent();
}

void shrinkToFit(QLabel& label, int height) {
    QFont font = label.font();
    while (inkHeight(label) > height && font.pointSizeF() - kStep >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kStep);
        label.setFont(font);
    }
}

} // namespace vyx
