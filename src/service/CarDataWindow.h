#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zantrel {

// The car data dialog: the installation's texts and date, and the engine data lists. It
// only holds the controls; CarDataUi fills them, checks them and writes what they hold.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    QLineEdit* NrRejEdit = nullptr;
    QLineEdit* MarkaEdit = nullptr;
    QLineEdit* ModelEdit = nullptr;
    QPlainTextEdit* OpisEdit = nullptr;
    QLineEdit* DataRokEdit = nullptr;
    QLineEdit* DataMiesEdit = nullptr;
    QLineEdit* DataDzienEdit = nullptr;
    QComboBox* ComboBox1 = nullptr; // engine capacity
    QComboBox* ComboBox2 = nullptr; // cylinder layout
    QComboBox* ComboBox3 = nullptr; // cylinder count
    QComboBox* ComboBox4 = nullptr; // nozzle diameter
    QPushButton* ButOK = nullptr;
    QPushButton* ButCancel = nullptr;
};

} // namespace zantrel
