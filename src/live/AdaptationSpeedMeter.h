#pragma once

#include <QObject>

class QLineEdit;
class QVBoxLayout;
class QWidget;

namespace zantrel {

class RoundGauge;
struct LiveViewModel;

// The engine-speed meter of the auto-adaptation tab and its number.
class AdaptationSpeedMeter final : public QObject {
    Q_OBJECT
public:
    // Puts the meter into a column on the page.
    explicit AdaptationSpeedMeter(QWidget* page);

    RoundGauge* ObrotomierzAd = nullptr;
    QLineEdit* EditObrotomierzAd = nullptr;
    // The page's column; the adaptation's controls go beside or below the meter.
    QVBoxLayout* Column = nullptr;

    void Show(const LiveViewModel& view);
};

} // namespace zantrel
