#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zantrel {

// The connecting window "Łączenie" shown while the ports are searched. Its Timer1 runs
// from creation on and closes the window once a controller is connected; closing it by
// any means stops the search. Being hidden without a close, as when the main window is
// minimised, does not.
class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    QLabel* LabLaczenie = nullptr;
    QLineEdit* EditStatus2 = nullptr;
    QPushButton* ZamknijBtn = nullptr;
    QTimer Timer1{this};

    // Shows the window on top of and centred on its parent.
    void ShowCentred();

signals:
    // The window was closed: the search must stop.
    void Closed();
};

} // namespace zantrel
