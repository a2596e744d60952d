#pragma once

#include <QDialog>

namespace zantrel {

// The car data dialog.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

} // namespace zantrel
