#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace zantrel {

// The port chooser: the number n of the last port ("\\.\COM" + n), 1..256. Where ports
// have device paths (Linux), a path such as /dev/ttyUSB0 may be typed instead; left
// empty, the path in use stays unless a number is chosen. OK takes only a number the
// track bar can show, or a path.
class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    QLabel* LabelCOM = nullptr;
    QLineEdit* EditCOM = nullptr;
    QSlider* TrackBarCom = nullptr;
    QLabel* LabelDevicePath = nullptr;
    QLineEdit* EditDevicePath = nullptr;
    QPushButton* BtnCOMok = nullptr;
    QPushButton* BtnCOMcancel = nullptr;

    // Prepares the window for the port choice; the track bar keeps its last position.
    // `devicePath` is the path in use, shown as what an empty path field keeps.
    void PrepareForPortChoice(const QString& labelText, const QString& devicePath);

private:
    void enableOk();

signals:
    // Every move of the track bar, with the port number it now shows.
    void PortNumberMoved(int number);
};

} // namespace zantrel
