#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zantrel {

// "Modyfikator Mapy": one value for the map editors. OK closes it with the value,
// "Anuluj" without.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAnuluj = nullptr;

    // Shows the dialog with `text` in its field, or the field's last text when none is
    // given, selected; the field's text when it closes with OK.
    std::optional<QString> AskValue(const std::optional<QString>& text = std::nullopt);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace zantrel
