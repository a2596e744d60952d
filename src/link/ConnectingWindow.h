#pragma once

#include <QDialog>
#include <QTimer>

namespace zantrel {

// The connecting window "Łączenie" shown while the ports are searched. Its Timer1 runs
// from creation on.
class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    QTimer Timer1{this};
};

} // namespace zantrel
