#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace zantrel {

// The injector settings dialog "Ustawienie wtryskiwaczy": the five timing edits under
// the names of the main window's edits they stand for, OK and "Anuluj". Enter or Page
// Down goes to the next edit, Page Up to the previous one; Enter in the last goes back to
// the first.
class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    static constexpr std::array<const char*, 5> kEditNames{
        "EditParametryMaxInj", "EditMinimalnyCzasWtrysku", "EditPelneOtwarcie", "EditProcentowePodtrzymanie",
        "EditOpoznienieWtryskiwaczy"};

    std::array<QLineEdit*, 5> Edits{};
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonAnuluj = nullptr;

signals:
    // An edit lost the focus with this text.
    void EditLeft(const QString& name, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zantrel
