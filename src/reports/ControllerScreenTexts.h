#pragma once

#include "reports/ScreenTexts.h"

#include <QChar>
#include <QString>

#include <functional>
#include <optional>

namespace zantrel {

struct CarDataBlock;
struct ControllerIdentity;
class PlainEditorScreen;

// What the screen would show of a controller without a window: the parameter controls
// as the editors' refresh filled them, the labels as the tabs and dialogs caption them,
// the device data and the car data. The command line's report reads it.
struct ControllerScreenSources {
    QString caption;
    // A main-menu item's caption by objectName; empty for a name the menu has not got.
    std::function<QString(QStringView)> menuCaption;
    const ControllerIdentity& identity;
    std::optional<quint16> serialNumber;
    const CarDataBlock& carData;
    int language; // whose code page the car-data texts are in
    const PlainEditorScreen& editors;
    QChar decimalSeparator;
};

class ControllerScreenTexts final : public ScreenTexts {
public:
    explicit ControllerScreenTexts(ControllerScreenSources sources) : s_(std::move(sources)) {}

    QString Text(QStringView name) const override;
    int ItemIndex(QStringView name) const override;
    bool Shown(QStringView name) const override;

private:
    QString carDialogText(const QString& object) const;
    QString deviceText(const QString& object) const;

    ControllerScreenSources s_;
};

} // namespace zantrel
