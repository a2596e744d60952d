#include "maps/MapPointPresetsWindow.h"

#include "base/EntryFilters.h"
#include "base/TypedKeyFilter.h"
#include "maps/MapDefaults.h"
#include "maps/MapTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <span>

namespace zantrel {

namespace {

constexpr int kTimeFieldLength = 5;
constexpr int kSpeedFieldLength = 6;
constexpr int kLastTimeField = 11; // Edit11; Edit12 follows it
constexpr int kFirstSpeedField = 13;
constexpr int kLastSpeedField = 18; // Edit18; Edit19 follows it

QString plus(const QString& text) { return QLatin1Char('+') + text; }

// Leaving a field, or Enter in it, runs `left`.
class LeaveOrEnter final : public QObject {
public:
    LeaveOrEnter(QLineEdit& edit, std::function<void()> left)
        : QObject(&edit)
        , left_(std::move(left))
    {
        edit.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const bool enter = event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (enter || event->type() == QEvent::FocusOut)
            left_();
        return false;
    }

private:
    std::function<void()> left_;
};

} // namespace

TForm8::TForm8(QChar decimalSeparator, QWidget* parent)
    : QDialog(parent)
    , separator_(decimalSeparator)
{
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Punkty charakterystyki"));
    Label1 = new QLabel(QStringLiteral("Zmiana punktów charakterystyki mapy w zależności od silnika"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    const Separators separators{decimalSeparator, OtherSeparator(decimalSeparator)};
    for (int n = 1; n <= int(Edits.size()); ++n) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Edit%1").arg(n));
        const bool speed = n >= kFirstSpeedField;
        field->setMaxLength(speed ? kSpeedFieldLength : kTimeFieldLength);
        field->setFixedWidth(70);
        if (n == kLastTimeField + 1 || n == kLastSpeedField + 1)
            field->setReadOnly(true);
        else if (speed)
            FilterTypedKeys(*field, &KeyFilterSignedInt);
        else
            FilterTypedKeys(*field, [separators](QChar key) { return KeyFilterSignedDecimal(key, separators); });
        Edits[size_t(n - 1)] = field;
    }
    new LeaveOrEnter(*edit(kLastTimeField), [this] { followLast(); });
    new LeaveOrEnter(*edit(kLastSpeedField), [this] { followLast(); });

    auto* fields = new QGridLayout;
    auto* speeds = new QLabel(QStringLiteral("obr./min."), this);
    speeds->setObjectName(QStringLiteral("LabelObroty"));
    fields->addWidget(speeds, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("T [ms]"), this), 0, 3);
    for (int i = 0; i <= kLastTimeField; ++i) {
        fields->addWidget(new QLabel(QStringLiteral("T%1").arg(i + 1), this), i + 1, 2);
        fields->addWidget(edit(i + 1), i + 1, 3);
    }
    for (int i = 0; i <= kLastSpeedField - kFirstSpeedField + 1; ++i) {
        fields->addWidget(new QLabel(QStringLiteral("P%1").arg(i + 1), this), i + 1, 0);
        fields->addWidget(edit(kFirstSpeedField + i), i + 1, 1);
    }

    auto* presets = new QVBoxLayout;
    const std::span<const MapPointPreset> rows = MapPointPresets();
    for (size_t p = 0; p < PresetButtons.size(); ++p) {
        auto* button = new QPushButton(QString::fromUtf8(rows[p].caption), this);
        button->setObjectName(QStringLiteral("ButtonPreset%1").arg(p + 1));
        connect(button, &QPushButton::clicked, this, [this, preset = &rows[p]] { ApplyPreset(*preset); });
        presets->addWidget(button);
        PresetButtons[p] = button;
    }
    presets->addStretch();

    BitBtnMapModZapis = new QPushButton(QStringLiteral("Zapisz"), this);
    BitBtnMapModZapis->setObjectName(QStringLiteral("BitBtnMapModZapis"));
    BitBtnMapMod = new QPushButton(QStringLiteral("Anuluj"), this);
    BitBtnMapMod->setObjectName(QStringLiteral("BitBtnMapMod"));
    // Enter belongs to the fields (Edit12 and Edit19 follow it), not to a default button.
    BitBtnMapModZapis->setAutoDefault(false);
    BitBtnMapMod->setAutoDefault(false);
    connect(BitBtnMapModZapis, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnMapMod, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QHBoxLayout;
    body->addLayout(fields);
    body->addSpacing(16);
    body->addLayout(presets);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtnMapModZapis);
    buttons->addWidget(BitBtnMapMod);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Label1);
    column->addLayout(body);
    column->addLayout(buttons);
}

QLineEdit* TForm8::fieldOfPoint(int point) const
{
    return point < kSpeedPoints ? edit(kFirstSpeedField + point) : edit(point - kFirstLoadPoint + 1);
}

void TForm8::Fill(const MapPoints& points)
{
    for (int i = 0; i < kMapPoints; ++i)
        fieldOfPoint(i)->setText(PointText(points, i, separator_));
    followLast();
}

void TForm8::ApplyPreset(const MapPointPreset& preset)
{
    for (int i = 0; i < kSpeedPoints; ++i)
        fieldOfPoint(i)->setText(SpeedPointText(preset.speedsRpm[size_t(i)]));
    for (int i = 0; i < kLoadPoints; ++i)
        fieldOfPoint(kFirstLoadPoint + i)->setText(PresetLoadPointText(preset.loadTenths[size_t(i)], separator_));
    followLast();
}

std::array<QString, kMapPoints> TForm8::PointTexts() const
{
    std::array<QString, kMapPoints> texts;
    for (int i = 0; i < kMapPoints; ++i)
        texts[size_t(i)] = fieldOfPoint(i)->text();
    return texts;
}

void TForm8::followLast()
{
    edit(kLastTimeField + 1)->setText(plus(edit(kLastTimeField)->text()));
    edit(kLastSpeedField + 1)->setText(plus(edit(kLastSpeedField)->text()));
}

bool TForm8::AskPoints()
{
    return exec() == QDialog::Accepted;
}

} // namespace zantrel
