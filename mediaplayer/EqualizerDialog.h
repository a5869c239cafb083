#pragma once

#include "media/Adjustments.h"

#include <QDialog>
#include <QList>
#include <QTimer>

class QComboBox;
class QSlider;

namespace vyx {

// The sound's ten bands, set by hand or from a preset; the user's own setting is kept as a
// preset of its own while the program runs.
class EqualizerDialog final : public QDialog {
    Q_OBJECT
public:
    struct Preset {
        const char* name; // as the source text of its translation
        EqualizerGains gains;
    };
    // Flat, then the kinds of sound people reach for.
    static const QList<Preset>& presets();
    // The preset of those gains; -1 for the user's own.
    [[nodiscard]] static int presetOf(const EqualizerGains& gains);

    EqualizerDialog(const EqualizerGains& gains, QWidget* parent);

    [[nodiscard]] EqualizerGains gains() const;
    // The name of the preset shown, or of the user's own.
    [[nodiscard]] QString presetName() const;

Q_SIGNALS:
    // Sent a moment after the sliders stop, so that dragging one does not rebuild the sound's
    // filters at every step.
    void gainsChanged(const EqualizerGains& gains);

private:
    void showGains(const EqualizerGains& gains);
    void choosePreset(int index);
    void slidersMoved();

    QComboBox* m_presets;
    QList<QSlider*> m_sliders;
    EqualizerGains m_own{};
    QTimer m_settle;
};

} // namespace vyx
