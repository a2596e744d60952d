#pragma once

#include <QDialog>

namespace zantrel {

// The map kind chooser.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
};

} // namespace zantrel
