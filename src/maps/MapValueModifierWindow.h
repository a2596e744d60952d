#pragma once

#include <QDialog>

namespace zantrel {

// The map value modifier dialog.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};

} // namespace zantrel
