#pragma once

#include <QObject>

class QComboBox;

namespace vyx {

// Sees Enter in an editable combo box. Keys reach the box itself (its line edit only through
// it), so that is where Enter is seen; the box still receives the key afterwards.
class EnterKeyWatch final : public QObject {
    Q_OBJECT
public:
    explicit EnterKeyWatch(QComboBox* box);

    // True while the box handles the Enter just reported. On text that matches a list entry it
    // picks that entry, which must not count as a second request.
    [[nodiscard]] bool pending() const { return m_pending; }

Q_SIGNALS:
    void pressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_pending = false;
};

} // namespace vyx
