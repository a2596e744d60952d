#pragma once

#include <QDialog>

namespace zantrel {

// The port chooser.
class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);
};

} // namespace zantrel
