#pragma once

#include <QDialog>

namespace zantrel {

// The injector signal noise level dialog.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

} // namespace zantrel
