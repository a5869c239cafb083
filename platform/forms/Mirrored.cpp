#include "Mirrored.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace vyx {

namespace {

constexpr const char* kDesigned = "vyxDesignedLeft";

} // namespace

void placeMirrored(QWidget& part, const QRect& designed) {
    part.setProperty(kDesigned, designed.left());
    const QWidget* const parent = part.parentWidget();
    part.setGeometry(parent == nullptr
                         ? designed
                         : QStyle::visualRect(parent->layoutDirection(), parent->rect(), designed));
}

int designedLeft(const QWidget& part) {
    const QVariant designed = part.property(kDesigned);
    return designed.isValid() ? designed.toInt() : part.x();
}

void placeMirroredAgain(QWidget& parent) {
    for (QWidget* const part : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (part->property(kDesigned).isValid()) {
            placeMirrored(*part, QRect(QPoint(designedLeft(*part), part->y()), part->size()));
        }
    }
}

} // namespace vyx
