#pragma once

#include <QDialog>

namespace zantrel {

// The reserve gauge settings.
class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);
};

} // namespace zantrel
