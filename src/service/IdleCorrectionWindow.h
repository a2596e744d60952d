#pragma once

#include <QDialog>

namespace zantrel {

// The extra idle correction per injector.
class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);
};

} // namespace zantrel
