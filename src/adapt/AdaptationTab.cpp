#include "adapt/AdaptationTab.h"

#include "adapt/AdaptationFinish.h"
#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "image/ControllerImage.h"
#include "live/AdaptationSpeedMeter.h"
#include "maps/MapEditor.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zantrel {

namespace {

struct FieldRow {
    AdaptField field;
    const char* name;
    Text label;
};

constexpr FieldRow kFieldRows[kAdaptFields] = {
    {AdaptField::PetrolLoad, "EditObciazBenz", Text::AdaptPetrolLoadLabel},
    {AdaptField::GasLoad, "EditObciazLPG", Text::AdaptGasLoadLabel},
    {AdaptField::PressureMax, "EditPsysMax", Text::AdaptPressureMaxLabel},
    {AdaptField::PetrolSteady, "EditSredniBenzyna", Text::AdaptPetrolSteadyLabel},
    {AdaptField::GasSteady, "EditSredniLPG", Text::AdaptGasSteadyLabel},
    {AdaptField::PressureMin, "EditPsysMin", Text::AdaptPressureMinLabel},
    {AdaptField::SteadyDifference, "EditRoznicaWolne", Text::AdaptSteadyDifferenceLabel},
    {AdaptField::Correction, "EditAutoadapKorekta", Text::AdaptCorrectionLabel},
};

constexpr int kMemoHeight = 90;
constexpr int kFieldWidth = 90;

QString Bracketed(const QString& text)
{
    return QStringLiteral("(%1)").arg(text);
}

} // namespace

AdaptationTab::AdaptationTab(ShellWindow& window, AdaptationSpeedMeter& meter, const AdaptationParts& parts,
                             const AdaptationTimers& timers, QProgressBar& stepProgress, MapEditor& maps,
                             std::function<void(bool running)> setRunning)
    : QObject(&window.Widget())
    , texts_(parts.texts)
    , prompter_(parts.prompter)
    , screen_(parts.screen)
    , image_(parts.image)
    , decimal_(parts.decimal)
    , timers_(timers)
    , stepProgress_(stepProgress)
    , maps_(maps)
    , setRunning_(std::move(setRunning))
    , run_(parts, *this)
{
    build(window.Tab(TabId::TabSheet5), meter);
    for (const AdaptStepTimer& row : AdaptStepTimers()) {
        QTimer* timer = timers_.steps[size_t(int(row.step) - 1)];
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(row.intervalMs);
        connect(timer, &QTimer::timeout, this, [this, step = row.step] { run_.Tick(step); });
    }
    for (QObject* up = window.Tab(TabId::TabSheet5); up; up = up->parent()) {
        if (auto* pages = qobject_cast<QTabWidget*>(up)) {
            connect(pages, &QTabWidget::currentChanged, this, &AdaptationTab::pageChanged);
            break;
        }
    }
    connect(ButtonRozpocznijAuto, &QPushButton::clicked, this, [this] { run_.ButtonPressed(); });
    connect(ButtonCofnijAutoadaptacje, &QPushButton::clicked, this, &AdaptationTab::undo);
    // An undo of the run's words shows them on the parameter tabs again.
    connect(&image_, &ControllerImage::ParametersChanged, this,
            [this] { ShowAdaptWords(image_.Parameters(), screen_, decimal_); });
    RefreshTexts();
    window.OnTextsChanged([this] { RefreshTexts(); });
}

void AdaptationTab::build(QWidget* page, AdaptationSpeedMeter& meter)
{
    ButtonRozpocznijAuto = new QPushButton(page);
    ButtonRozpocznijAuto->setObjectName(QStringLiteral("ButtonRozpocznijAuto"));
    ButtonCofnijAutoadaptacje = new QPushButton(page);
    ButtonCofnijAutoadaptacje->setObjectName(QStringLiteral("ButtonCofnijAutoadaptacje"));
    ButtonCofnijAutoadaptacje->setEnabled(false);
    MemoAutoadaptacja = new QPlainTextEdit(page);
    MemoAutoadaptacja->setObjectName(QStringLiteral("MemoAutoadaptacja"));
    MemoAutoadaptacja->setReadOnly(true);
    MemoAutoadaptacja->setFixedHeight(kMemoHeight);
    ProgressAd = new QProgressBar(page);
    ProgressAd->setObjectName(QStringLiteral("ProgressAd"));
    ProgressAd->setRange(0, 100);
    ProgressAd->setValue(0);

    GroupBoxWyniki = new QGroupBox(page);
    GroupBoxWyniki->setObjectName(QStringLiteral("GroupBoxWyniki"));
    auto* form = new QFormLayout(GroupBoxWyniki);
    for (const FieldRow& row : kFieldRows) {
        auto* field = new QLineEdit(GroupBoxWyniki);
        field->setObjectName(QString::fromLatin1(row.name));
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setFixedWidth(kFieldWidth);
        auto* label = new QLabel(GroupBoxWyniki);
        label->setObjectName(QStringLiteral("Label") + field->objectName().mid(4));
        Fields[size_t(row.field)] = field;
        labels_[size_t(row.field)] = label;
        form->addRow(field, label);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonRozpocznijAuto);
    buttons->addWidget(ButtonCofnijAutoadaptacje);
    buttons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(MemoAutoadaptacja);
    left->addLayout(buttons);
    left->addWidget(ProgressAd);
    left->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addLayout(left, 1);
    row->addWidget(GroupBoxWyniki, 0, Qt::AlignTop);
    // Below the meter, above the column's closing stretch.
    meter.Column->insertLayout(meter.Column->count() - 1, row);
}

void AdaptationTab::RefreshTexts()
{
    for (const FieldRow& row : kFieldRows)
        labels_[size_t(row.field)]->setText(Bracketed(texts_[row.label]));
    ButtonCofnijAutoadaptacje->setText(texts_[Text::AdaptUndo]);
    const bool running = run_.Running();
    ButtonRozpocznijAuto->setText(texts_[running ? Text::AdaptAbort : Text::AdaptStart]);
    if (!running)
        MemoAutoadaptacja->setPlainText(texts_[Text::AdaptIdleInstruction]);
}

void AdaptationTab::pageChanged()
{
    if (run_.Step() == AdaptStep::Idle)
        return;
    for (const QTimer* timer : timers_.steps)
        if (timer->isActive())
            return;
    run_.Abort(true);
}

void AdaptationTab::RunStepTimer(AdaptStep step)
{
    for (QTimer* timer : timers_.steps)
        timer->stop();
    if (step != AdaptStep::Idle)
        timers_.steps[size_t(int(step) - 1)]->start();
}

void AdaptationTab::HoldLiveTimers(bool held)
{
    if (held) {
        timers_.live->stop();
        timers_.autoconnect->stop();
    } else {
        timers_.live->start();
    }
}

void AdaptationTab::ShowMessage(const QString& text)
{
    MemoAutoadaptacja->setPlainText(text);
}

void AdaptationTab::ShowField(AdaptField field, const QString& text)
{
    Fields[size_t(field)]->setText(text);
}

void AdaptationTab::ShowRunning(bool running, const QString& buttonText, bool buttonEnabled)
{
    ButtonRozpocznijAuto->setText(buttonText);
    ButtonRozpocznijAuto->setEnabled(buttonEnabled);
    if (running)
        ButtonCofnijAutoadaptacje->setEnabled(false);
    setRunning_(running);
}

void AdaptationTab::ShowStepProgress(int maximum, int position)
{
    stepProgress_.setRange(0, maximum);
    stepProgress_.setValue(position);
}

void AdaptationTab::ShowOverallProgress(int value)
{
    ProgressAd->setValue(value);
}

void AdaptationTab::FinishWritten()
{
    ButtonCofnijAutoadaptacje->setEnabled(maps_.CanUndo());
}

void AdaptationTab::undo()
{
    if (!maps_.Undo())
        prompter_.Inform(QString(), texts_[Text::AdaptNothingToUndo]);
    ButtonCofnijAutoadaptacje->setEnabled(maps_.CanUndo());
}

} // namespace zantrel
