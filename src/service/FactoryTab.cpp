#include "service/FactoryTab.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "config/ConfigBitFields.h"
#include "config/ParameterEditors.h"
#include "config/ParameterItemLists.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterUnits.h"
#include "config/ReserveSensorPresets.h"
#include "image/ControllerImage.h"
#include "image/ParameterWordIndex.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "service/DeviceData.h"
#include "service/DialogParts.h"
#include "service/ExtraIdleCorrection.h"
#include "service/FieldEntry.h"
#include "service/ReserveThresholdEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace zantrel {

namespace {

constexpr int kSerialCharacters = 5;
constexpr const char* kSerialAtStart = "10101";
constexpr int kSignalStrengthWord = 40;
constexpr int kCorrectionTimeWord = 52;
constexpr int kFieldWidth = 70;

template <typename W>
W* named(W* widget, const char* name)
{
    return Named(widget, QString::fromLatin1(name));
}

QLineEdit* edit(const char* name, QWidget* parent, bool readOnly = false)
{
    auto* e = named(new QLineEdit(parent), name);
    e->setFixedWidth(kFieldWidth);
    e->setReadOnly(readOnly);
    return e;
}

QLabel* label(const char* text, QWidget* parent, const char* name = nullptr)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

// The ladder of the tank levels from full down to the reserve, each threshold field
// between the two levels it divides.
struct LadderRow {
    const char* level;
    const char* label;
    int threshold; // the field below the level; -1 for the last
};

constexpr LadderRow kLadder[] = {
    {"Full", "LabelPoziomFull", 3}, {"3/4", "LabelPoziom34", 2}, {"1/2", "LabelPoziom12", 1},
    {"1/4", "LabelPoziom14", 0},    {"Rez.", "LabelPoziomRez", -1},
};

} // namespace

FactoryTab::FactoryTab(ShellWindow& window, LinkGate& gate, ControllerImage& image, ParameterTransfer& transfer,
                       ParameterEditors& editors, const LanguageStrings& texts, Prompter& prompter)
    : QObject(&window.Widget())
    , window_(window)
    , gate_(gate)
    , image_(image)
    , editors_(editors)
    , texts_(texts)
    , prompter_(prompter)
{
    QWidget& page = *window.Tab(TabId::TabSheet8);
    build(page);
    page.installEventFilter(this);

    connect(ButtonMulti, &QPushButton::clicked, this, &FactoryTab::RefreshDeviceData);
    connect(ButtonWprowadzSer, &QPushButton::clicked, this, &FactoryTab::WriteSerialNumber);
    connect(ButtonResetLPGT, &QPushButton::clicked, this, [this] { ResetCounter(Counter::Gas); });
    connect(Button12, &QPushButton::clicked, this, [this] { ResetCounter(Counter::Petrol); });
    connect(ButtonSzkielko, &QPushButton::clicked, this, &FactoryTab::SaveThresholds);
    connect(ButtonMocRpm, &QPushButton::clicked, this, [this] { editors_.Write(u"EditMultiRpmPower"); });
    connect(ButtonMocInj, &QPushButton::clicked, this, [this] { editors_.Write(u"EditSignalInj"); });
    connect(ButtonPoprawka, &QPushButton::clicked, this, &FactoryTab::EnterExtraCorrection);

    transfer.AddAfterRead([this](LinkJob& job) { addDeviceRead(job); });

    // The shipped configuration keeps the tab and its menu item out of sight.
    window.SetTabShown(TabId::TabSheet8, window.ServiceView());
    window.ShowMenuItem(QString::fromLatin1(TabSpecOf(TabId::TabSheet8).menuItem), window.ServiceView());
}

void FactoryTab::build(QWidget& page)
{
    const Separators& separators = window_.EntrySeparators();

    auto* serial = named(new QGroupBox(QStringLiteral("Serial Changer:"), &page), "GroupBoxSerialChanger");
    auto* serialGrid = new QGridLayout(serial);
    EditMulti = edit("EditMulti", serial);
    EditMulti->setMaxLength(kSerialCharacters);
    EditMulti->setText(QString::fromLatin1(kSerialAtStart));
    InstallEntryFilter(*EditMulti, EntryKind::Digits, separators);
    ButtonWprowadzSer = named(new QPushButton(QStringLiteral("Wprowadz"), serial), "ButtonWprowadzSer");
    ButtonResetLPGT = named(new QPushButton(QStringLiteral("Reset LPG T"), serial), "ButtonResetLPGT");
    Button12 = named(new QPushButton(QStringLiteral("Reset PET T"), serial), "Button12");
    serialGrid->addWidget(EditMulti, 0, 0);
    serialGrid->addWidget(ButtonWprowadzSer, 0, 1);
    serialGrid->addWidget(ButtonResetLPGT, 1, 0);
    serialGrid->addWidget(Button12, 1, 1);

    auto* device = named(new QGroupBox(QStringLiteral("Dane Sterownika"), &page), "GroupBoxDaneSterownika");
    auto* deviceGrid = new QGridLayout(device);
    EditUrzadzenie = edit("EditUrzadzenie", device, true);
    EditOprogramowanie = edit("EditOprogramowanie", device, true);
    EditLiczbaCyl = edit("EditLiczbaCyl", device, true);
    EditSerialNumber = edit("EditSerialNumber", device, true);
    QLineEdit* const deviceFields[] = {EditUrzadzenie, EditOprogramowanie, EditLiczbaCyl, EditSerialNumber};
    int row = 0;
    for (const NamedCaption& caption : DeviceDataLabels()) {
        deviceGrid->addWidget(label(caption.caption, device, caption.name), row, 0);
        deviceGrid->addWidget(deviceFields[row], row, 1);
        ++row;
    }
    ButtonMulti = named(new QPushButton(QStringLiteral("Odczytaj"), device), "ButtonMulti");
    ButtonMulti->hide();
    deviceGrid->addWidget(ButtonMulti, row, 1);

    auto* reserve = named(new QGroupBox(QStringLiteral("Ustawienia Szkielka Rezerwy"), &page), "GroupBoxSzkielko");
    auto* reserveGrid = new QGridLayout(reserve);
    reserveGrid->addWidget(label("(Poziomy od 0 do 4096)", reserve, "LabelPoziomy"), 0, 0, 1, 2);
    for (size_t i = 0; i < ThresholdEdits.size(); ++i) {
        ThresholdEdits[i] = edit(kReserveThresholdFields[i], reserve);
        InstallEntryFilter(*ThresholdEdits[i], EntryKind::Decimal, separators);
    }
    row = 1;
    for (const LadderRow& r : kLadder) {
        reserveGrid->addWidget(label(r.level, reserve, r.label), row++, 0);
        if (r.threshold >= 0)
            reserveGrid->addWidget(ThresholdEdits[size_t(r.threshold)], row++, 1);
    }
    ComboBoxSzkloRosMal = named(new QComboBox(reserve), "ComboBoxSzkloRosMal");
    if (const ItemList* items = FindItemList(u"ComboBoxSzkloRosMal"))
        ComboBoxSzkloRosMal->addItems(items->items);
    ComboBoxSzkloRosMal->setCurrentIndex(-1);
    ButtonSzkielko = named(new QPushButton(QStringLiteral("Zapisz Zmiany !"), reserve), "ButtonSzkielko");
    reserveGrid->addWidget(ComboBoxSzkloRosMal, row++, 0, 1, 2);
    reserveGrid->addWidget(ButtonSzkielko, row, 0, 1, 2);

    // Groups the edition keeps hidden: their controls are the holders other parts fill.
    auto* rpmPower = named(new QGroupBox(QString::fromUtf8("Moc Sygnalu Obrotów:"), &page), "GroupBoxMocRpm");
    ButtonMocRpm = named(new QPushButton(QStringLiteral("Wprowadz"), rpmPower), "ButtonMocRpm");
    (new QVBoxLayout(rpmPower))->addWidget(ButtonMocRpm);
    auto* injPower = named(new QGroupBox(QStringLiteral("Moc Sygnalu INJ"), &page), "GroupBoxMocInj");
    ButtonMocInj = named(new QPushButton(QStringLiteral("Wprowadz"), injPower), "ButtonMocInj");
    (new QVBoxLayout(injPower))->addWidget(ButtonMocInj);
    auto* extra = named(new QGroupBox(QStringLiteral("Poprawka Dodatkowa"), &page), "GroupBoxPoprawkaDodatkowa");
    auto* extraGrid = new QGridLayout(extra);
    for (size_t i = 0; i < CheckBoxes.size(); ++i) {
        CheckBoxes[i] = Named(new QCheckBox(QStringLiteral("Wtrysk%1").arg(i + 1), extra),
                              QStringLiteral("CheckBox%1").arg(i + 1));
        extraGrid->addWidget(CheckBoxes[i], int(i % 4), int(i / 4));
    }
    EditPrzesuniecie2 = edit("EditPrzesuniecie2", extra);
    InstallEntryFilter(*EditPrzesuniecie2, EntryKind::SignedDecimal, separators);
    ButtonPoprawka = named(new QPushButton(QStringLiteral("Wprowadz"), extra), "ButtonPoprawka");
    extraGrid->addWidget(EditPrzesuniecie2, 4, 0);
    extraGrid->addWidget(ButtonPoprawka, 4, 1);
    for (QGroupBox* hidden : {rpmPower, injPower, extra})
        hidden->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(serial);
    left->addWidget(device);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(reserve);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    for (QGroupBox* hidden : {rpmPower, injPower, extra})
        right->addWidget(hidden);
    right->addStretch(1);
    auto* columns = new QHBoxLayout(&page);
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    columns->addStretch(1);
}

bool FactoryTab::start(LinkJob job)
{
    return gate_.Start(std::move(job), this);
}

void FactoryTab::addDeviceRead(LinkJob& job)
{
    auto serial = std::make_shared<WordReadout>();
    ReadSerialNumber(job, serial);
    job.Then([this, serial] {
        if (*serial)
            image_.SetSerialNumber(**serial);
        showDeviceData();
    });
}

void FactoryTab::showDeviceData()
{
    const DeviceTexts device = DeviceTextsOf(image_.Identity());
    EditUrzadzenie->setText(device.device);
    EditOprogramowanie->setText(device.software);
    EditLiczbaCyl->setText(device.cylinders);
    if (const std::optional<quint16> serial = image_.SerialNumber()) {
        EditSerialNumber->setText(QString::number(*serial));
        EditMulti->setText(QString::number(*serial));
    }
    const ParameterTable& table = image_.Parameters();
    const QChar separator = window_.EntrySeparators().decimal;
    for (size_t i = 0; i < ThresholdEdits.size(); ++i)
        if (table.Known(kReserveThresholdWords[i]))
            ThresholdEdits[i]->setText(*ParameterText(table, kReserveThresholdWords[i], separator));
    if (table.Known(kFlagsAWord))
        ComboBoxSzkloRosMal->setCurrentIndex(int(ShadowField(table, ConfigField::ReserveDirection)));
    auto* power = window_.Widget().findChild<QLineEdit*>(QStringLiteral("EditMultiRpmPower"));
    if (power && table.Known(kSignalStrengthWord)) {
        power->setText(*ParameterText(table, kSignalStrengthWord, separator));
        power->setModified(false);
    }
}

bool FactoryTab::RefreshDeviceData()
{
    LinkJob job;
    addDeviceRead(job);
    return start(std::move(job));
}

bool FactoryTab::WriteSerialNumber()
{
    const std::optional<quint16> serial = SerialNumberEntry(EditMulti->text());
    if (!serial) {
        prompter_.Inform(texts_[Text::Error], texts_[Text::NotANumber].arg(EditMulti->text()));
        return false;
    }
    LinkJob job;
    zantrel::WriteSerialNumber(job, *serial);
    addDeviceRead(job);
    return start(std::move(job));
}

bool FactoryTab::ResetCounter(Counter counter)
{
    LinkJob job;
    zantrel::ResetCounter(job, counter);
    return start(std::move(job));
}

// The table takes the values only when their write can start: it is what the controller
// holds.
bool FactoryTab::SaveThresholds()
{
    if (gate_.Busy())
        return false;
    const QChar separator = window_.EntrySeparators().decimal;
    std::array<double, kReserveThresholdCount> volts{};
    for (size_t i = 0; i < ThresholdEdits.size(); ++i) {
        const std::optional<double> value =
            NumberOrMessage(ThresholdEdits[i]->text(), EntryKind::Decimal, separator, prompter_, texts_);
        if (!value)
            return false;
        volts[i] = *value;
    }
    ParameterTable& table = image_.Parameters();
    StoreThresholds(table, volts, ComboBoxSzkloRosMal->currentIndex());
    for (size_t i = 0; i < ThresholdEdits.size(); ++i)
        ThresholdEdits[i]->setText(*ParameterText(table, kReserveThresholdWords[i], separator));
    LinkJob job;
    WriteThresholds(job, table);
    return start(std::move(job));
}

bool FactoryTab::EnterExtraCorrection()
{
    if (gate_.Busy())
        return false;
    const QChar separator = window_.EntrySeparators().decimal;
    const std::optional<double> ms =
        NumberOrMessage(EditPrzesuniecie2->text(), EntryKind::SignedDecimal, separator, prompter_, texts_);
    if (!ms)
        return false;
    InjectorSelection injectors{};
    for (size_t i = 0; i < CheckBoxes.size(); ++i)
        injectors[i] = CheckBoxes[i]->isChecked();
    ParameterTable& table = image_.Parameters();
    if (!StoreExtraCorrection(table, *ms, injectors))
        return false;
    EditPrzesuniecie2->setText(*ParameterText(table, kCorrectionTimeWord, separator));
    LinkJob job;
    WriteExtraCorrection(job, table);
    return start(std::move(job));
}

void FactoryTab::RefreshHolders()
{
    ParameterTable& table = image_.Parameters();
    if (table.Known(kExtraCorrectionWord)) {
        table[ParameterTable::kShadow51] = table[kExtraCorrectionWord];
        const InjectorSelection injectors = ExtraCorrectionInjectors(table);
        for (size_t i = 0; i < CheckBoxes.size(); ++i)
            CheckBoxes[i]->setChecked(injectors[i]);
    }
    if (table.Known(kCorrectionTimeWord))
        EditPrzesuniecie2->setText(*ParameterText(table, kCorrectionTimeWord, window_.EntrySeparators().decimal));
}

bool FactoryTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == window_.Tab(TabId::TabSheet8))
        RefreshHolders();
    return false;
}

} // namespace zantrel
