#include "service/CarDataUi.h"

#include "base/CodePage.h"
#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "config/ParameterTransfer.h"
#include "image/ControllerImage.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "service/CarDataWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace zantrel {

namespace {

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The window coming and going or a box opening is no leaving of a field.
bool leavesField(const QFocusEvent& focus)
{
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}

QString textOf(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(control))
        return memo->toPlainText();
    return {};
}

} // namespace

CarDataUi::CarDataUi(ShellWindow& window, TForm5& dialog, LinkGate& gate, ControllerImage& image,
                     ParameterTransfer& transfer, ParameterTransferView& progress, const LanguageStrings& texts,
                     Prompter& prompter, std::function<void()> closeProgram)
    : QObject(&window.Widget())
    , window_(window)
    , dialog_(dialog)
    , gate_(gate)
    , image_(image)
    , progress_(progress)
    , texts_(texts)
    , prompter_(prompter)
    , closeProgram_(std::move(closeProgram))
    , read_(std::make_shared<CarDataReadout>())
{
    const QChar separator = window.EntrySeparators().decimal;
    dialog_.ComboBox2->addItems(CylinderLayoutItems());
    dialog_.ComboBox3->addItems(CylinderCountItems());
    dialog_.ComboBox1->addItems(CapacityItems(separator));
    dialog_.ComboBox4->addItems(NozzleItems(separator));
    for (QComboBox* list : {dialog_.ComboBox1, dialog_.ComboBox2, dialog_.ComboBox3, dialog_.ComboBox4})
        list->setPlaceholderText(texts_[Text::NoData]);
    for (QWidget* control : dialog_.findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control)
            || qobject_cast<QComboBox*>(control))
            control->installEventFilter(this);
    connect(dialog_.ButOK, &QPushButton::clicked, this, &CarDataUi::save);

    ButtonDaneFull = new QPushButton(QStringLiteral("ButtonDaneFull"), &window.Widget());
    ButtonDaneFull->setObjectName(QStringLiteral("ButtonDaneFull"));
    ButtonDaneFull->hide();
    connect(ButtonDaneFull, &QPushButton::clicked, this, [this] {
        if (!Open(Entry::Full))
            closeProgram_();
    });

    QAction* view = window.MenuItem(QStringLiteral("OdczytajDaneSamochodu1"));
    connect(view, &QAction::triggered, this, [this] { Open(Entry::View); });
    window.ShowMenuItem(view->objectName(), window.ServiceView());
    connect(window.MenuItem(QStringLiteral("ZapiszDaneAuta1")), &QAction::triggered, this,
            [this] { Open(Entry::EngineData); });

    transfer.AddAfterRead([this](LinkJob& job) { addRead(job); }, [this] { readEnded(); });
}

const CodePage& CarDataUi::codePage() const
{
    return CodePage::Of(CodePageOfLanguage(texts_.Language()));
}

void CarDataUi::addRead(LinkJob& job)
{
    *read_ = {};
    job.Then([this] { progress_.SetProgressPosition(0); });
    ReadCarData(job, read_, [this] { progress_.StepProgress(); });
    job.Then([this] {
        CarDataBlock block = image_.CarData();
        ApplyCarDataRead(block, *read_);
        image_.SetCarData(block);
    });
}

// From the loop: the read's job has ended, and the question opens a dialog of its own.
void CarDataUi::readEnded()
{
    if (NeverSaved(image_.CarData()))
        QMetaObject::invokeMethod(this, &CarDataUi::askForCarData, Qt::QueuedConnection);
}

void CarDataUi::askForCarData()
{
    if (prompter_.AskYesNo(texts_[Text::CarDataQuestionCaption], texts_[Text::CarDataQuestion]))
        ButtonDaneFull->click();
    else
        closeProgram_();
}

bool CarDataUi::Open(Entry entry)
{
    entry_ = entry;
    fill();
    enable(entry);
    if (dialog_.exec() != QDialog::Accepted)
        return false;
    write(entry);
    return true;
}

void CarDataUi::fill()
{
    const CarDataBlock& block = image_.CarData();
    const CarDataTexts texts = CarDataTextsOf(block, codePage());
    for (const CarDataFieldSpec& f : CarDataFields()) {
        QWidget* control = dialog_.findChild<QWidget*>(QString::fromLatin1(f.control));
        const QString& text = texts[size_t(f.field)];
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(text);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
            memo->setPlainText(text);
    }
    const EngineData engine =
        block.engine && block.capacity ? EngineDataOf(*block.engine, *block.capacity) : kEngineDataDefaults;
    // An index the list has not got shows "Brak Danej", with nothing selected.
    const auto select = [](QComboBox* list, int item) { list->setCurrentIndex(item < list->count() ? item : -1); };
    select(dialog_.ComboBox2, engine.layout);
    select(dialog_.ComboBox3, engine.count);
    select(dialog_.ComboBox1, engine.capacity);
    select(dialog_.ComboBox4, engine.nozzle);
}

void CarDataUi::enable(Entry entry)
{
    const bool texts = entry == Entry::Full;
    const bool lists = entry != Entry::View;
    for (const CarDataFieldSpec& f : CarDataFields())
        if (QWidget* control = dialog_.findChild<QWidget*>(QString::fromLatin1(f.control)))
            control->setEnabled(texts);
    for (QComboBox* list : {dialog_.ComboBox1, dialog_.ComboBox2, dialog_.ComboBox3, dialog_.ComboBox4})
        list->setEnabled(lists);
    dialog_.ButOK->setVisible(lists);
    QWidget* first = texts ? static_cast<QWidget*>(dialog_.NrRejEdit) : dialog_.ComboBox2;
    first->setFocus();
}

CarDataTexts CarDataUi::dialogTexts() const
{
    CarDataTexts texts;
    for (const CarDataFieldSpec& f : CarDataFields())
        texts[size_t(f.field)] = textOf(dialog_.findChild<QWidget*>(QString::fromLatin1(f.control)));
    return texts;
}

void CarDataUi::showDate(const CarDataTexts& texts)
{
    dialog_.DataRokEdit->setText(texts[size_t(CarDataField::Year)]);
    dialog_.DataMiesEdit->setText(texts[size_t(CarDataField::Month)]);
    dialog_.DataDzienEdit->setText(texts[size_t(CarDataField::Day)]);
}

EngineData CarDataUi::dialogEngineData() const
{
    return {dialog_.ComboBox2->currentIndex(), dialog_.ComboBox3->currentIndex(), dialog_.ComboBox4->currentIndex(),
            dialog_.ComboBox1->currentIndex()};
}

// "&Zapisz": the fields are checked before the dialog closes, so that a text the block
// cannot hold is put right while it is still in sight and nothing is written. While
// another transfer holds the link the dialog stays, to be saved once it is free.
void CarDataUi::save()
{
    if (gate_.Busy())
        return;
    if (entry_ == Entry::Full) {
        const CarDataTexts texts = WithSavedDateDefaults(dialogTexts());
        showDate(texts);
        saved_ = image_.CarData();
        if (const std::optional<CarDataRefusal> refusal = PutCarDataTexts(saved_, texts, codePage())) {
            prompter_.Inform(texts_[Text::Error], RefusalText(*refusal, texts_));
            return;
        }
    }
    dialog_.accept();
}

void CarDataUi::write(Entry entry)
{
    const EngineData engine = dialogEngineData();
    CarDataBlock block = entry == Entry::Full ? saved_ : image_.CarData();
    LinkJob job;
    WriteEngineData(job, engine);
    if (entry == Entry::Full)
        WriteCarDataText(job, block);
    TakeEngineData(block, engine);
    gate_.Start(std::move(job), this, [this, block](JobOutcome outcome) {
        if (outcome == JobOutcome::Completed)
            image_.SetCarData(block);
    });
}

bool CarDataUi::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    if (event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent*>(event)->key()))
        return enterKey(*control);
    if (event->type() == QEvent::FocusOut && leavesField(*static_cast<QFocusEvent*>(event))) {
        for (const CarDataFieldSpec& f : CarDataFields()) {
            auto* edit = qobject_cast<QLineEdit*>(control);
            if (!edit || control->objectName() != QLatin1String(f.control))
                continue;
            if (const std::optional<DateFieldFix> fix = DateFieldOnExit(f.field, edit->text())) {
                edit->setText(fix->text);
                prompter_.Inform(texts_[Text::Error], texts_[fix->message]);
            }
        }
    }
    return false;
}

// Enter moves on from a field that holds something and from every list, in the order of
// the installer's form; the installer's text, filled in, saves.
bool CarDataUi::enterKey(QWidget& control)
{
    const std::array<QWidget*, 11> order{dialog_.NrRejEdit,    dialog_.ComboBox2,    dialog_.ComboBox3,
                                         dialog_.ComboBox1,    dialog_.ComboBox4,    dialog_.DataRokEdit,
                                         dialog_.DataMiesEdit, dialog_.DataDzienEdit, dialog_.MarkaEdit,
                                         dialog_.ModelEdit,    dialog_.OpisEdit};
    const auto at = std::find(order.begin(), order.end(), &control);
    if (at == order.end())
        return false;
    const bool list = qobject_cast<QComboBox*>(&control) != nullptr;
    if (!list && textOf(&control).isEmpty())
        return true;
    if (&control == dialog_.OpisEdit) {
        if (dialog_.ButOK->isVisible())
            dialog_.ButOK->click();
        return true;
    }
    for (auto next = at + 1; next != order.end(); ++next) {
        if ((*next)->isEnabled()) {
            (*next)->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

} // namespace zantrel
