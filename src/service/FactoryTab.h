#pragma once

#include "service/WorkingTimeReport.h"

#include <QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zantrel {

class ControllerImage;
class LanguageStrings;
class LinkGate;
class LinkJob;
class ParameterEditors;
class ParameterTransfer;
class Prompter;
class ShellWindow;

// The factory tab "Fabr.[F12]" (TabSheet8), shown only in the service view: the device
// data and the serial number writer, the counter resets, the reserve thresholds, and
// the hidden holders of the extra idle correction and the signal-strength writes. Its
// device data follow every read-all.
class FactoryTab final : public QObject {
    Q_OBJECT
public:
    FactoryTab(ShellWindow& window, LinkGate& gate, ControllerImage& image, ParameterTransfer& transfer,
               ParameterEditors& editors, const LanguageStrings& texts, Prompter& prompter);

    // "Serial Changer:"
    QLineEdit* EditMulti = nullptr;
    QPushButton* ButtonWprowadzSer = nullptr;
    QPushButton* ButtonResetLPGT = nullptr;
    QPushButton* Button12 = nullptr;
    // "Ustawienia Szkielka Rezerwy": EditSzkloR, EditRez14, EditRez12, EditRez34
    std::array<QLineEdit*, 4> ThresholdEdits{};
    QComboBox* ComboBoxSzkloRosMal = nullptr;
    QPushButton* ButtonSzkielko = nullptr;
    // "Dane Sterownika"
    QLineEdit* EditUrzadzenie = nullptr;
    QLineEdit* EditOprogramowanie = nullptr;
    QLineEdit* EditLiczbaCyl = nullptr;
    QLineEdit* EditSerialNumber = nullptr;
    QPushButton* ButtonMulti = nullptr;
    // The hidden groups.
    QPushButton* ButtonMocRpm = nullptr;
    QPushButton* ButtonMocInj = nullptr;
    std::array<QCheckBox*, 8> CheckBoxes{}; // CheckBox1..CheckBox8
    QLineEdit* EditPrzesuniecie2 = nullptr;
    QPushButton* ButtonPoprawka = nullptr;

    // ButtonMulti: reads the serial number and shows the device data.
    bool RefreshDeviceData();
    // "Wprowadz": the serial number, then the device data that read it back.
    bool WriteSerialNumber();
    bool ResetCounter(Counter counter);
    // "Zapisz Zmiany !": words 30..33 from the four fields, the direction, word 22.
    bool SaveThresholds();
    // The holders of the extra idle correction into words 52 and 51, written.
    bool EnterExtraCorrection();
    // The holders from words 51 and 52, as the parameter refresh fills them.
    void RefreshHolders();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QWidget& page);
    void addDeviceRead(LinkJob& job);
    void showDeviceData();
    bool start(LinkJob job);

    ShellWindow& window_;
    LinkGate& gate_;
    ControllerImage& image_;
    ParameterEditors& editors_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
};

} // namespace zantrel
