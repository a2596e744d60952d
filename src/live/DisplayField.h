#pragma once

#include <QString>

class QLabel;
class QLayout;
class QLineEdit;
class QVBoxLayout;
class QWidget;

namespace zantrel {

// A read-only value field of the live displays: centred, bold, never focused, and wide
// enough for `widest`, the longest text it shows.
QLineEdit* NewDisplayField(const QString& name, const QString& widest, QWidget* parent);
// The longest texts of the live fields, which size them.
inline const QString kStatusSample = QStringLiteral("ECU błąd");
inline const QString kSpeedSample = QStringLiteral("10000rpm");
inline const QString kSpeedNumberSample = QStringLiteral("10000");
inline const QString kPressureSample = QStringLiteral("3,87Bar");
inline const QString kPressureNumberSample = QStringLiteral("3,87");
inline const QString kTimeSample = QStringLiteral("284,4ms");
inline const QString kCorrectionSample = QStringLiteral("+100,0%");
inline const QString kTemperatureSample = QStringLiteral("-40°C");
inline const QString kLambdaSample = QStringLiteral("5,00V");
inline const QString kLevelSample = QStringLiteral("5,00 V");

// A small caption label.
QLabel* NewCaption(const QString& text, QWidget* parent, const QString& name = {});
// A column of a caption over a control.
QVBoxLayout* CaptionedColumn(QLabel* caption, QWidget* control);

} // namespace zantrel
