#pragma once

#include <QDialog>

namespace zantrel {

// The map characteristic-point presets.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
};

} // namespace zantrel
