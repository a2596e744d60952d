#pragma once

#include "live/LiveViewModel.h"

#include <QObject>

#include <array>

class QGroupBox;
class QLineEdit;
class QVBoxLayout;
class QWidget;

namespace zantrel {

// The injection times on the injector diagnostics tab: two rows of eight read-only
// fields, petrol and gas, copies of the readings tab's texts.
class DiagnosticTimes final : public QObject {
    Q_OBJECT
public:
    // Puts the two groups at the top of the page's column layout.
    explicit DiagnosticTimes(QWidget* page);

    QGroupBox* GroupPetrol = nullptr;
    QGroupBox* GroupGas = nullptr;
    std::array<QLineEdit*, live::kCylinders> EditB_Diag{};
    std::array<QLineEdit*, live::kCylinders> EditG_Diag{};
    // The page's column; the diagnostics controls go below the times, above its closing
    // stretch.
    QVBoxLayout* Column = nullptr;

    void Show(const LiveViewModel& view);

private:
    QGroupBox* buildRow(QWidget* page, const QString& title, const char* prefix,
                        std::array<QLineEdit*, live::kCylinders>& fields);
};

} // namespace zantrel
