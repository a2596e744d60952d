#include "live/OscilloscopeTab.h"

#include "live/TracePaintBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zantrel {

OscilloscopeTab::OscilloscopeTab(QWidget* page, const LiveRecord& record, const ParameterTable& table,
                                 const Separators& separators)
    : QObject(page)
    , record_(record)
    , table_(table)
    , separators_(separators)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(2);
    column->addWidget(buildPanel(page, TracePanel::Petrol, "GroupBoxOscyloskopInjBenz",
                                 "ComboBoxOscyloskopWtryskBenzynowy", "PaintBoxOscyloskopInjBenz"));
    column->addWidget(buildPanel(page, TracePanel::Gas, "GroupBoxOscyloskopInjLPG", "ComboBoxOscyloskopWtryskGazowy",
                                 "PaintBoxInjLPG"));
    column->addWidget(buildPanel(page, TracePanel::Parameter, "GroupBox3", "ComboBoxOscyloskopParametry",
                                 "PaintBoxOscylKombo"));
}

QGroupBox* OscilloscopeTab::buildPanel(QWidget* page, TracePanel panel, const char* group, const char* selector,
                                       const char* box)
{
    const size_t p = size_t(panel);
    auto* frame = new QGroupBox(page);
    frame->setObjectName(QString::fromLatin1(group));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(4, 2, 4, 4);

    auto* paintBox = new TracePaintBox(frame);
    paintBox->setObjectName(QString::fromLatin1(box));
    paintBox->setFixedWidth(kTraceLength);
    paintBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(paintBox, &TracePaintBox::NeedsDrawing, this, [this, panel] { draw(panel); });

    auto* items = new QComboBox(frame);
    items->setObjectName(QString::fromLatin1(selector));
    for (const TraceChannelRow& row : TraceChannelsOf(panel))
        items->addItem(QString::fromUtf8(row.item));
    items->setCurrentIndex(0);
    frame->setTitle(items->currentText());
    connect(items, &QComboBox::activated, this, [this, panel](int item) { selectItem(panel, item); });

    row->addWidget(paintBox);
    row->addWidget(items, 0, Qt::AlignTop);
    row->addStretch(1);
    Group[p] = frame;
    Selector[p] = items;
    Panel[p] = paintBox;
    return frame;
}

void OscilloscopeTab::selectItem(TracePanel panel, int item)
{
    Group[size_t(panel)]->setTitle(Selector[size_t(panel)]->itemText(item));
    // The channel takes over the panel as it stood when it was last shown.
    const std::optional<int> channel = TraceChannelOf(panel, item);
    if (channel && *channel != shown_[size_t(panel)].channel) {
        if (const std::optional<TraceSample> sample = TraceSampleOf(*channel, record_, table_)) {
            shown_[size_t(panel)] = {*channel, sample->limits};
            draw(panel);
        }
    }
}

void OscilloscopeTab::DrawTraces()
{
    for (int p = 0; p < kTracePanels; ++p) {
        const auto panel = TracePanel(p);
        const std::optional<int> channel = TraceChannelOf(panel, Selector[size_t(p)]->currentIndex());
        if (!channel)
            continue;
        const std::optional<TraceSample> sample =
            traces_.Advance(*channel, record_, table_, Panel[size_t(p)]->width());
        if (!sample)
            continue;
        shown_[size_t(p)] = {*channel, sample->limits};
        draw(panel);
    }
}

void OscilloscopeTab::draw(TracePanel panel)
{
    TracePaintBox& box = *Panel[size_t(panel)];
    const Shown& shown = shown_[size_t(panel)];
    if (shown.channel < 0 || !box.isVisible() || box.height() <= 0)
        return;
    box.Draw(LayoutTrace(traces_.Channel(shown.channel), shown.limits,
                         TraceChannelTable()[size_t(shown.channel)].colour, box.size(), separators_.decimal));
}

} // namespace zantrel
