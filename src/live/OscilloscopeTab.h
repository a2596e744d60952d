#pragma once

#include "base/EntryFilters.h"
#include "live/TraceChannels.h"

#include <QObject>

#include <array>

class QComboBox;
class QGroupBox;
class QWidget;

namespace zantrel {

class LiveRecord;
class ParameterTable;
class TracePaintBox;

// The oscilloscope tab: three strip charts, a petrol injector, a gas injector and an
// engine parameter, each showing the channel its selector names. Every live view update
// adds the record to the three shown channels; a panel out of sight is drawn when it comes
// into view.
class OscilloscopeTab final : public QObject {
    Q_OBJECT
public:
    // Builds the panels on `page`, which owns them.
    OscilloscopeTab(QWidget* page, const LiveRecord& record, const ParameterTable& table,
                    const Separators& separators);

    // By TracePanel: GroupBoxOscyloskopInjBenz, GroupBoxOscyloskopInjLPG, GroupBox3; the
    // selectors ComboBoxOscyloskopWtryskBenzynowy, ComboBoxOscyloskopWtryskGazowy,
    // ComboBoxOscyloskopParametry; the panels PaintBoxOscyloskopInjBenz, PaintBoxInjLPG,
    // PaintBoxOscylKombo.
    std::array<QGroupBox*, kTracePanels> Group{};
    std::array<QComboBox*, kTracePanels> Selector{};
    std::array<TracePaintBox*, kTracePanels> Panel{};

    ScreenTraces& Traces() { return traces_; }

    // The trace step of the live view update.
    void DrawTraces();

private:
    // What a panel drew last, so that it can be drawn again when it comes into view.
    struct Shown {
        int channel = -1;
        TraceLimits limits;
    };

    QGroupBox* buildPanel(QWidget* page, TracePanel panel, const char* group, const char* selector,
                          const char* box);
    void selectItem(TracePanel panel, int item);
    void draw(TracePanel panel);

    const LiveRecord& record_;
    const ParameterTable& table_;
    const Separators& separators_;
    ScreenTraces traces_;
    std::array<Shown, kTracePanels> shown_{};
};

} // namespace zantrel
