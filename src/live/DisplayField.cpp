#include "live/DisplayField.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStaticText>
#include <QVBoxLayout>

namespace zantrel {

namespace {

// Frame and text margins of a line edit, and how much wider than its text it may grow.
constexpr int kFieldPadding = 10;
constexpr int kRoomFactor = 2;
constexpr qreal kCaptionScale = 0.9;

// A read-only line edit that paints itself: a frame, its background and its text. The
// style's line edit lays its text out and draws a bevelled frame at every change, which
// for the three dozen fields of the live displays costs most of a record's repaint. Opaque,
// so nothing behind it is painted again.
// Its width follows its font (the screen layout scales it), from the widest text it shows.
class DisplayLineEdit final : public QLineEdit {
public:
    DisplayLineEdit(const QString& widest, QWidget* parent) : QLineEdit(parent), widest_(widest)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        connect(this, &QLineEdit::textChanged, this, [this] { text_.setText(text()); });
    }

    void FitWidest()
    {
        const int width = QFontMetrics(font()).horizontalAdvance(widest_) + kFieldPadding;
        setMinimumWidth(width);
        setMaximumWidth(width * kRoomFactor);
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QLineEdit::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            FitWidest();
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect frame = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(rect(), palette().color(isEnabled() ? QPalette::Base : QPalette::Window));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(frame);
        painter.setPen(palette().color(isEnabled() ? QPalette::Text : QPalette::PlaceholderText));
        painter.setFont(font());
        const QSizeF size = text_.size();
        const QPointF at((width() - size.width()) / 2.0, (height() - size.height()) / 2.0);
        painter.drawStaticText(at, text_);
    }

private:
    QString widest_;
    QStaticText text_;
};

} // namespace

QLineEdit* NewDisplayField(const QString& name, const QString& widest, QWidget* parent)
{
    auto* field = new DisplayLineEdit(widest, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignCenter);
    QFont font = field->font();
    font.setBold(true);
    field->setFont(font);
    field->FitWidest();
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
