#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zantrel {

class Led;

// The reserve gauge settings: the five level lamps, the four thresholds in volts, the
// sensor's direction, the live sensor voltage and the refresh time of the indication.
// ReserveGaugeUi fills it and writes what it holds.
class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    // Level 1 ("Rez.") .. 5 ("Full").
    std::array<Led*, 5> Lamps{};
    // EditSzkloR, EditRez14, EditRez12, EditRez34: words 30..33.
    std::array<QLineEdit*, 4> ThresholdEdits{};
    QComboBox* ComboBoxSzkloRosMal = nullptr;
    QLineEdit* EditPoziomLPG = nullptr;
    QLineEdit* EditOdswiezanieOczka = nullptr;
    QPushButton* ButtonZapisz = nullptr;
    QPushButton* ButtonAnuluj = nullptr;
};

} // namespace zantrel
