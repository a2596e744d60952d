#pragma once

#include "image/InjectionMaps.h"

#include <QWidget>

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zantrel {

class BarGauge;
class MapCellGrid;

// The graph of the load curve (Image1): a bar per load band from the zero line to its
// point, the points joined by a line, the band limits marked and named under the zero
// line. The mouse over it tells the band and the percentage under it; a click asks for
// that percentage at that band.
class CurveGraphWidget final : public QWidget {
    Q_OBJECT
public:
    explicit CurveGraphWidget(QWidget* parent = nullptr);

    void Show(const MapPoints& points, const LoadCurve& curve, int curveMax, QChar decimalSeparator);

signals:
    void Pointed(int x, int y, int percent, int band);
    void Clicked(int band, int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    MapPoints points_;
    LoadCurve curve_;
    int curveMax_ = 50;
    QChar separator_ = u',';
};

// The controls of "Mapa Inj [F8]", the editor of the load curve.
class CurveTab final : public QWidget {
    Q_OBJECT
public:
    explicit CurveTab(QWidget& tab);

    CurveGraphWidget* Image1 = nullptr;
    MapCellGrid* StringPasek = nullptr;
    // Edit_1..Edit_24 at [0..23]: the band limits, then the points as plain numbers.
    std::array<QLineEdit*, 2 * kCurvePoints> Edits{};
    std::array<QGroupBox*, 4> Groups{};
    QPushButton* ButtonPL1stdm = nullptr;
    QPushButton* ButtonPL5stdm = nullptr;
    QPushButton* ButtonMi1stdm = nullptr;
    QPushButton* ButtonMi5stdm = nullptr;
    QPushButton* ButtonEditPP = nullptr;
    QPushButton* ButtonEXITMap1 = nullptr;
    BarGauge* AbBar1 = nullptr;
    QLabel* LabelX = nullptr;
    QLabel* LabelY = nullptr;
    QLabel* LabelKor = nullptr;
    QLabel* LabelSegment = nullptr;

    void ShowPoints(const MapPoints& points, QChar decimalSeparator);
    void ShowCurve(const MapPoints& points, const LoadCurve& curve, int curveMax, QChar decimalSeparator);
    // The live band: its field red and the strip entry in red; none clears it.
    void ShowSegment(std::optional<int> segment);
    void ShowLoad(double ms, bool onGas);
};

} // namespace zantrel
