#include "config/LowRpmTab.h"

#include "base/ShellWindow.h"
#include "base/TypedKeyFilter.h"
#include "config/ParameterEntry.h"
#include "config/ParameterItemLists.h"
#include "image/ControllerImage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zantrel {

namespace {

// The slider runs over -30..+50 % in tenths.
constexpr int kSliderSteps = 10;
constexpr int kSliderLow = -30;
constexpr int kSliderHigh = 50;

struct FilterField {
    const char* label;
    const char* edit;
    const char* formText;
    EntryKind kind;
};
constexpr FilterField kFilterFields[] = {
    {"obr./min", "EditFiltrRPM", "1100", EntryKind::Digits},
    {"InB[ms]", "EditFiltrInjTime", "4", EntryKind::Decimal},
    {"dT[ms]", "EditFiltrDt", "1", EntryKind::Decimal},
};

constexpr const char* kDynamicLists[] = {"ComboBoxKorSkacz", "ComboBoxSkaczKorInjT", "ComboBoxKorekcjaSkacz"};

QComboBox* newList(const char* name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    if (const ItemList* items = FindItemList(list->objectName()))
        list->addItems(items->items);
    return list;
}

} // namespace

LowRpmTab::LowRpmTab(ShellWindow& window, ControllerImage& image, LinkGate& gate, Prompter& prompter,
                     const LanguageStrings& texts)
    : QObject(&window.Widget())
    , window_(window)
    , screen_(window)
    , editor_(image.Parameters(), gate, screen_, prompter, texts, window.EntrySeparators().decimal)
{
    build(*window.Tab(TabId::TabSheet11));
    connect(&image, &ControllerImage::ParametersChanged, this, &LowRpmTab::Refresh);
}

void LowRpmTab::build(QWidget& page)
{
    const Separators& separators = window_.EntrySeparators();
    auto* column = new QVBoxLayout(&page);

    auto* filter = new QGroupBox(QStringLiteral("Mazda/Jalowy"), &page);
    filter->setObjectName(QStringLiteral("GroupBoxFiltrLowRpm"));
    filter->hide();
    auto* form = new QFormLayout(filter);
    for (const FilterField& f : kFilterFields) {
        auto* edit = new QLineEdit(QString::fromLatin1(f.formText), filter);
        edit->setObjectName(QString::fromLatin1(f.edit));
        const EntryKind kind = f.kind;
        FilterTypedKeys(*edit, [kind, separators](QChar key) { return FilterEntryKey(kind, key, separators); });
        auto* label = new QLabel(QString::fromUtf8(f.label), filter);
        label->setObjectName(QStringLiteral("Label") + edit->objectName().mid(4));
        form->addRow(label, edit);
    }
    QComboBox* filterList = newList("ComboBoxFiltr", filter);
    form->addRow(filterList);
    auto* save = new QPushButton(QStringLiteral("Zapisz"), filter);
    save->setObjectName(QStringLiteral("ButtonFiltrZapis"));
    form->addRow(save);
    connect(save, &QPushButton::clicked, this, [this] { editor_.SaveFilter(); });
    column->addWidget(filter);

    auto* dynamic = new QGroupBox(QStringLiteral("Korekty Dynamiczne"), &page);
    dynamic->setObjectName(QStringLiteral("GroupBox14"));
    dynamic->hide();
    auto* dynamicColumn = new QVBoxLayout(dynamic);
    for (const char* name : kDynamicLists) {
        QComboBox* list = newList(name, dynamic);
        dynamicColumn->addWidget(list);
        connect(list, &QComboBox::activated, this, [this, name] { editor_.ChooseDynamic(name); });
    }
    auto* sliderRow = new QHBoxLayout;
    slider_ = new QSlider(Qt::Horizontal, dynamic);
    slider_->setObjectName(QStringLiteral("AbHSliderKorDyn"));
    slider_->setRange(kSliderLow * kSliderSteps, kSliderHigh * kSliderSteps);
    sliderValue_ = new QLabel(dynamic);
    sliderRow->addWidget(slider_);
    sliderRow->addWidget(sliderValue_);
    dynamicColumn->addLayout(sliderRow);
    showSlider(0);
    // Only the user's moves write; the refresh sets the value with signals blocked.
    connect(slider_, &QSlider::valueChanged, this, [this] {
        showSlider(SliderPercent());
        editor_.Slide(SliderPercent());
    });
    column->addWidget(dynamic);
    column->addStretch();
}

double LowRpmTab::SliderPercent() const
{
    return double(slider_->value()) / kSliderSteps;
}

void LowRpmTab::Refresh()
{
    if (const std::optional<double> percent = editor_.Refresh()) {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(int(*percent * kSliderSteps));
        showSlider(*percent);
    }
}

void LowRpmTab::showSlider(double percent)
{
    sliderValue_->setText(EntryText(percent, 1, window_.EntrySeparators().decimal) + QStringLiteral(" %"));
}

} // namespace zantrel
