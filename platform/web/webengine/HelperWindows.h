#pragma once

#include <QObject>

class QQuickWidget;

namespace vyx {

// Each Qt Quick widget draws through a window of its own that is never shown ("Offscreen"); a
// screen reader lists a program's windows, and would list those among the user's. Marked as
// popups, which are not listed, they stay out of that list; they are never shown either way.
void keepUnlisted(QQuickWidget& widget);

// Does so for every Qt Quick widget that the web engine puts into a widget (the page's own
// drawing widget, made again whenever the page's process starts afresh).
class HelperWindowWatch final : public QObject {
    Q_OBJECT
public:
    explicit HelperWindowWatch(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vyx
