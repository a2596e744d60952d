#include "live/DisplayField.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zantrel {

namespace {

// Frame and text margins of a line edit, and how much wider than its text it may grow.
constexpr int kFieldPadding = 10;
constexpr int kRoomFactor = 2;
constexpr qreal kCaptionScale = 0.9;

} // namespace

QLineEdit* NewDisplayField(const QString& name, const QString& widest, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignCenter);
    QFont font = field->font();
    font.setBold(true);
    field->setFont(font);
    const int width = QFontMetrics(font).horizontalAdvance(widest) + kFieldPadding;
    field->setMinimumWidth(width);
    field->setMaximumWidth(width * kRoomFactor);
    return field;
}

QLabel* NewCaption(const QString& text, QWidget* parent, const QString& name)
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * kCaptionScale);
        label->setFont(font);
    }
    return label;
}

QVBoxLayout* CaptionedColumn(QLabel* caption, QWidget* control)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(caption, 0, Qt::AlignHCenter);
    column->addWidget(control, 0, Qt::AlignHCenter);
    return column;
}

} // namespace zantrel
