#pragma once

#include "image/InjectionMaps.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace zantrel {

class LanguageStrings;
class MapCellGrid;

// The controls of "Map1 [F7]": the grid StringGridMapa with the points as its headers,
// the four step buttons, "Gradient", "Edytuj Punkty Charakterystyki", and the hidden
// "Korekty zaawansowane" and ComboBoxMapa.
class MapGridTab final : public QWidget {
    Q_OBJECT
public:
    MapGridTab(const LanguageStrings& texts, QWidget& tab);

    MapCellGrid* StringGridMapa = nullptr;
    QPushButton* ButtonPlus5 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* GradientMap2 = nullptr;
    QPushButton* ButtonEditPoints = nullptr;
    QPushButton* MapyButton = nullptr;
    QComboBox* ComboBoxMapa = nullptr;
    QLabel* LabelSkroty = nullptr;

    void ShowPoints(const MapPoints& points, QChar decimalSeparator);
    void ShowCell(const LoadRpmMap& map, int row, int column);
};

} // namespace zantrel
