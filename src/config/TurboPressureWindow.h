#pragma once

#include <QDialog>

namespace zantrel {

// The turbo boost pressure dialog.
class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);
};

} // namespace zantrel
