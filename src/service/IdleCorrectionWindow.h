#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zantrel {

// The extra idle correction per injector: which injectors get it, and how much.
// IdleCorrectionUi fills it from the factory tab's holders and writes what it holds.
class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    std::array<QCheckBox*, 8> CheckBoxes{}; // "Wtrysk1".."Wtrysk8"
    QLineEdit* EditPrzesuniecie2 = nullptr;
    QPushButton* ButtonWprowadz = nullptr;
    QPushButton* ButtonAnuluj = nullptr;
};

} // namespace zantrel
