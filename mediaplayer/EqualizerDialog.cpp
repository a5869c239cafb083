#include "EqualizerDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace vyx {

namespace {

constexpr int kSettleMs = 150;
constexpr int kSliderHeight = 160;

QString bandName(int hertz) {
    return hertz >= 1000 ? EqualizerDialog::tr("%1 kHz").arg(hertz / 1000)
                         : EqualizerDialog::tr("%1 Hz").arg(hertz);
}

} // namespace

const QList<EqualizerDialog::Preset>& EqualizerDialog::presets() {
    static const QList<Preset> kPresets{
        {QT_TR_NOOP("Flat"), {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {QT_TR_NOOP("Classical"), {0, 0, 0, 0, 0, 0, -4, -4, -4, -6}},
        {QT_TR_NOOP("Pop"), {-1, 2, 4, 5, 3, 0, -1, -1, -1, -1}},
        {QT_TR_NOOP("Rock"), {5, 3, -3, -5, -2, 2, 5, 6, 6, 6}},
        // Voices stand out of what surrounds them: the lows and the hiss taken down.
        {QT_TR_NOOP("Speech"), {-6, -4, -2, 2, 4, 4, 3, 1, -2, -4}},
        {QT_TR_NOOP("Bass Boost"), {6, 5, 4, 2, 0, 0, 0, 0, 0, 0}},
    };
    return kPresets;
}

int EqualizerDialog::presetOf(const EqualizerGains& gains) {
    const QList<Preset>& all = presets();
    for (qsizetype index = 0; index < all.size(); ++index) {
        if (all.at(index).gains == gains) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

EqualizerDialog::EqualizerDialog(const EqualizerGains& gains, QWidget* parent)
    : QDialog(parent)
    , m_presets(new QComboBox(this)) {
    setWindowTitle(tr("Equalizer"));
    auto* const layout = new QVBoxLayout(this);
    auto* const presetLabel = new QLabel(tr("&Preset:"), this);
    presetLabel->setBuddy(m_presets);
    for (const Preset& preset : presets()) {
        m_presets->addItem(tr(preset.name));
    }
    m_presets->addItem(tr("Your Own"));
    auto* const top = new QHBoxLayout;
    top->addWidget(presetLabel);
    top->addWidget(m_presets, 1);
    layout->addLayout(top);
    auto* const bands = new QGridLayout;
    for (std::size_t band = 0; band < kEqualizerBands.size(); ++band) {
        auto* const slider = new QSlider(Qt::Vertical, this);
        slider->setRange(-kEqualizerRange, kEqualizerRange);
        slider->setTickPosition(QSlider::TicksBothSides);
        slider->setTickInterval(kEqualizerRange / 2);
        // Tall enough to set a band to the decibel.
        slider->setMinimumHeight(kSliderHeight);
        const QString name = bandName(kEqualizerBands.at(band));
        slider->setAccessibleName(name);
        auto* const label = new QLabel(name, this);
        label->setAlignment(Qt::AlignHCenter);
        const int column = static_cast<int>(band);
        bands->addWidget(slider, 0, column, Qt::AlignHCenter);
        bands->addWidget(label, 1, column);
        connect(slider, &QSlider::valueChanged, this, &EqualizerDialog::slidersMoved);
        m_sliders.append(slider);
    }
    layout->addLayout(bands, 1);
    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);

    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { Q_EMIT gainsChanged(this->gains()); });
    connect(m_presets, &QComboBox::activated, this, &EqualizerDialog::choosePreset);
    if (presetOf(gains) < 0) {
        m_own = gains;
    }
    showGains(gains);
}

EqualizerGains EqualizerDialog::gains() const {
    EqualizerGains gains{};
    for (std::size_t band = 0; band < gains.size(); ++band) {
        gains.at(band) = m_sliders.at(static_cast<qsizetype>(band))->value();
    }
    return gains;
}

QString EqualizerDialog::presetName() const {
    return m_presets->currentText();
}

void EqualizerDialog::showGains(const EqualizerGains& gains) {
    for (std::size_t band = 0; band < gains.size(); ++band) {
        const QSignalBlocker quiet(m_sliders.at(static_cast<qsizetype>(band)));
        m_sliders.at(static_cast<qsizetype>(band))->setValue(gains.at(band));
    }
    const int preset = presetOf(gains);
    m_presets->setCurrentIndex(preset < 0 ? static_cast<int>(presets().size()) : preset);
}

void EqualizerDialog::choosePreset(int index) {
    showGains(index < presets().size() ? presets().at(index).gains : m_own);
    m_settle.start();
}

void EqualizerDialog::slidersMoved() {
    // Moved by hand, the setting becomes the user's own, kept for coming back to.
    m_own = gains();
    const int preset = presetOf(m_own);
    m_presets->setCurrentIndex(preset < 0 ? static_cast<int>(presets().size()) : preset);
    m_settle.start();
}

} // namespace vyx
