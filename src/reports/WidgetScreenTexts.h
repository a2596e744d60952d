#pragma once

#include "reports/ScreenTexts.h"

#include <QList>

class QWidget;

namespace zantrel {

class ShellWindow;

// The report's control names resolved on the live widgets: the car dialog's on the car
// dialog, the others on the pages and dialogs that hold them, in a fixed order so that a
// name two windows share (the factory tab's and the car dialog's Label5) means one control.
class WidgetScreenTexts : public ScreenTexts {
public:
    // `pages`: where the main window's names are looked up, in order.
    WidgetScreenTexts(ShellWindow& window, QWidget& carDialog, QList<QWidget*> pages);

    QString Text(QStringView name) const override;
    int ItemIndex(QStringView name) const override;
    bool Shown(QStringView name) const override;

private:
    struct Found {
        QWidget* widget = nullptr;
        QWidget* root = nullptr;
    };
    Found find(QStringView name) const;

    ShellWindow& window_;
    QWidget& carDialog_;
    QList<QWidget*> pages_;
};

} // namespace zantrel
