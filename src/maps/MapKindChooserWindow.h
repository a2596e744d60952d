#pragma once

#include <QDialog>

class QPushButton;

namespace zantrel {

// "Mapy": the map kind chooser. Either button closes it with OK; the choice itself
// changes no setting.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    QPushButton* ButtonMapaStandardowa = nullptr;
    QPushButton* ButtonMapaZaawansowana = nullptr;
};

} // namespace zantrel
