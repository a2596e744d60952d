#pragma once

#include <QDialog>

namespace zantrel {

// The injector settings dialog.
class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
};

} // namespace zantrel
