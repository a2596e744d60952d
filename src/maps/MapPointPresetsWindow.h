#pragma once

#include "image/InjectionMaps.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zantrel {

struct MapPointPreset;

// The characteristic points of the map by engine: the times T1..T11 (Edit1..Edit11,
// with "+" and T11 in Edit12) and the speeds P1..P6 (Edit13..Edit18, "+" and P6 in
// Edit19), four presets that fill them all, "Zapisz" and "Anuluj".
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QChar decimalSeparator, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    // Edit1..Edit19 at [0..18].
    std::array<QLineEdit*, kMapPoints + 2> Edits{};
    std::array<QPushButton*, 4> PresetButtons{};
    QPushButton* BitBtnMapModZapis = nullptr;
    QPushButton* BitBtnMapMod = nullptr;

    // The fields from the points the map shows.
    void Fill(const MapPoints& points);
    void ApplyPreset(const MapPointPreset& preset);
    // The texts by point: speeds 0..5 from Edit13..Edit18, times 6..16 from Edit1..Edit11.
    std::array<QString, kMapPoints> PointTexts() const;
    // Shows the dialog; true when it closes with "Zapisz".
    bool AskPoints();

private:
    QLineEdit* edit(int number) const { return Edits[size_t(number - 1)]; }
    QLineEdit* fieldOfPoint(int point) const;
    void followLast();

    QChar separator_;
};

} // namespace zantrel
