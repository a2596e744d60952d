#include "service/ReserveGaugeUi.h"

#include "base/ShellWindow.h"
#include "config/ParameterEditors.h"
#include "live/LiveRecord.h"
#include "live/ReserveLevel.h"
#include "service/FactoryTab.h"
#include "service/FieldEntry.h"
#include "service/ReserveGaugeWindow.h"
#include "service/ReserveThresholdEntry.h"
#include "widgets/Led.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace zantrel {

namespace {

constexpr const char* kRefreshTimeControl = "EditOdswiezanieOczka";

bool leavesField(const QFocusEvent& focus)
{
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

ReserveGaugeUi::ReserveGaugeUi(ShellWindow& window, TForm12& dialog, FactoryTab& factory, ParameterEditors& editors,
                               const LiveRecord& record, const ParameterTable& table, const LanguageStrings& texts,
                               Prompter& prompter)
    : QObject(&window.Widget())
    , window_(window)
    , dialog_(dialog)
    , factory_(factory)
    , editors_(editors)
    , record_(record)
    , table_(table)
    , texts_(texts)
    , prompter_(prompter)
{
    const Separators& separators = window.EntrySeparators();
    for (QLineEdit* edit : dialog_.ThresholdEdits) {
        InstallEntryFilter(*edit, EntryKind::Decimal, separators);
        edit->installEventFilter(this);
    }
    InstallEntryFilter(*dialog_.EditOdswiezanieOczka, EntryKind::Decimal, separators);
    dialog_.EditOdswiezanieOczka->installEventFilter(this);
    connect(dialog_.ButtonZapisz, &QPushButton::clicked, this, &ReserveGaugeUi::save);
    if (auto* define = window.Widget().findChild<QPushButton*>(QStringLiteral("ButtonSzkielkoDefiniuj")))
        connect(define, &QPushButton::clicked, this, &ReserveGaugeUi::Open);
}

bool ReserveGaugeUi::Open()
{
    showLevel();
    for (size_t i = 0; i < dialog_.ThresholdEdits.size(); ++i)
        dialog_.ThresholdEdits[i]->setText(factory_.ThresholdEdits[i]->text());
    dialog_.ComboBoxSzkloRosMal->setCurrentIndex(factory_.ComboBoxSzkloRosMal->currentIndex());
    if (auto* refresh = window_.Widget().findChild<QLineEdit*>(QString::fromLatin1(kRefreshTimeControl)))
        dialog_.EditOdswiezanieOczka->setText(refresh->text());
    return dialog_.exec() == QDialog::Accepted;
}

// The lamps of the levels up to the one of the last record light while the engine runs
// on gas; otherwise all stay dark.
void ReserveGaugeUi::showLevel()
{
    const int level = record_.OnGas() ? ReserveLevel(record_[live::kLevel], ReserveThresholdsOf(table_)) : 0;
    for (size_t i = 0; i < dialog_.Lamps.size(); ++i)
        dialog_.Lamps[i]->setOn(int(i) < level);
}

void ReserveGaugeUi::ShowGasLevel(const QString& text)
{
    dialog_.EditPoziomLPG->setText(text);
}

void ReserveGaugeUi::limitThreshold(size_t field)
{
    QLineEdit* edit = dialog_.ThresholdEdits[field];
    if (edit->text().trimmed().isEmpty())
        return;
    const QChar separator = window_.EntrySeparators().decimal;
    const std::optional<double> volts =
        NumberOrMessage(edit->text(), EntryKind::Decimal, separator, prompter_, texts_);
    if (!volts)
        return;
    const double limited = LimitedThresholdVolts(int(field), *volts);
    if (limited != *volts)
        edit->setText(ThresholdText(limited, separator));
}

// The main window's refresh-time field takes the text and writes word 34, and shows what
// its writer stored; the dialog then shows the same.
void ReserveGaugeUi::writeRefreshTime()
{
    QLineEdit* field = dialog_.EditOdswiezanieOczka;
    auto* main = window_.Widget().findChild<QLineEdit*>(QString::fromLatin1(kRefreshTimeControl));
    if (!main || !field->isModified())
        return;
    main->setText(field->text());
    if (editors_.Write(QString::fromLatin1(kRefreshTimeControl)))
        field->setModified(false);
    field->setText(main->text());
}

void ReserveGaugeUi::save()
{
    for (size_t i = 0; i < dialog_.ThresholdEdits.size(); ++i)
        factory_.ThresholdEdits[i]->setText(dialog_.ThresholdEdits[i]->text());
    factory_.ComboBoxSzkloRosMal->setCurrentIndex(dialog_.ComboBoxSzkloRosMal->currentIndex());
    if (factory_.SaveThresholds())
        dialog_.accept();
}

bool ReserveGaugeUi::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return false;
    const bool refresh = edit == dialog_.EditOdswiezanieOczka;
    if (event->type() == QEvent::FocusOut && leavesField(*static_cast<QFocusEvent*>(event))) {
        if (refresh)
            writeRefreshTime();
        for (size_t i = 0; i < dialog_.ThresholdEdits.size(); ++i)
            if (edit == dialog_.ThresholdEdits[i])
                limitThreshold(i);
        return false;
    }
    if (refresh && event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent*>(event)->key())) {
        writeRefreshTime();
        dialog_.ThresholdEdits.back()->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

} // namespace zantrel
