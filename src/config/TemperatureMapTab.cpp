#include "config/TemperatureMapTab.h"

#include "base/LanguageStrings.h"
#include "base/ShellWindow.h"
#include "base/TypedKeyFilter.h"
#include "config/ParameterEntry.h"
#include "config/ParameterItemLists.h"
#include "config/TemperatureMap.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

QLineEdit* newEdit(const char* name, EntryKind kind, const Separators& separators, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(60);
    FilterTypedKeys(*edit, [kind, separators](QChar key) { return FilterEntryKey(kind, key, separators); });
    return edit;
}

QPushButton* newButton(const char* caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// A row of edits under a caption, with the unit at its end.
template <size_t N>
QGroupBox* editRow(const char* name, const char* caption, const char* unit, const std::array<const char*, N>& names, EntryKind kind,
                   const Separators& separators, QWidget* parent)
{
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(group);
    for (const char* name : names)
        row->addWidget(newEdit(name, kind, separators, group));
    row->addWidget(new QLabel(QString::fromUtf8(unit), group));
    row->addStretch();
    return group;
}

} // namespace

TemperatureMapTab::TemperatureMapTab(ShellWindow& window, ControllerImage& image, LinkGate& gate,
                                     Prompter& prompter, const LanguageStrings& texts)
    : QObject(&window.Widget())
    , window_(window)
    , texts_(texts)
    , screen_(window)
    , editor_(image, gate, screen_, prompter, texts)
{
    build(*window.Tab(TabId::TabSheetMapaTemp));
}

void TemperatureMapTab::build(QWidget& page)
{
    const Separators& separators = window_.EntrySeparators();
    auto* column = new QVBoxLayout(&page);
    QGroupBox* points =
        editRow("GroupBoxZakresTemp", "Zakres Temperatur:", "[°C]", kTempPointEdits, EntryKind::Digits, separators, &page);
    QGroupBox* corrections =
        editRow("GroupBoxWzbogacanieTemp", "Wzbogacanie:", "[%]", kTempCorrectionEdits, EntryKind::SignedInt, separators, &page);
    column->addWidget(points);
    column->addWidget(corrections);

    auto* switchList = new QComboBox(&page);
    switchList->setObjectName(QString::fromLatin1(TemperatureMapEditor::kSwitch));
    if (const ItemList* items = FindItemList(switchList->objectName()))
        switchList->addItems(items->items);
    switchList->installEventFilter(this);
    auto* buttons = new QHBoxLayout;
    QPushButton* read = newButton("Czytaj", "ButtonOdczytMapy", &page);
    QPushButton* save = newButton("Zapisz Zmiany", "Button16", &page);
    QPushButton* reset = newButton("RESET", "ResetWzbTempGazu", &page);
    buttons->addWidget(switchList);
    buttons->addWidget(read);
    buttons->addWidget(save);
    buttons->addWidget(reset);
    buttons->addStretch();
    column->addLayout(buttons);
    auto* status = new QLabel(&page);
    status->setObjectName(QString::fromLatin1(TemperatureMapEditor::kStatus));
    status->setWordWrap(true);
    column->addWidget(status);
    column->addStretch();

    connect(read, &QPushButton::clicked, this, [this] { editor_.Read(); });
    connect(save, &QPushButton::clicked, this, [this] { editor_.Save(); });
    connect(reset, &QPushButton::clicked, this, [this] { editor_.Reset(); });
    for (const char* name : kTempPointEdits) {
        auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(name));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::editingFinished, this, [this, name] { editor_.ExitPoint(name); });
    }
    for (const char* name : kTempCorrectionEdits) {
        auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(name));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::editingFinished, this, [this, name, edit] {
            if (editor_.ExitCorrection(name))
                edit->setFocus();
        });
    }
}

// Entering a control puts its description into the emission tab's memo.
bool TemperatureMapTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const bool isSwitch = watched->objectName() == QLatin1String(TemperatureMapEditor::kSwitch);
        screen_.SetText("MemoEmisja", texts_[isSwitch ? Text::TemperatureSwitchHelp : Text::TemperatureRangeHelp]);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zantrel
