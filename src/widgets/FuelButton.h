#pragma once

#include <QAbstractButton>
#include <QColor>

namespace zantrel {

// A fuel button: a face in the colour of its fuel state, a gradient from one colour to
// the other, and the caption it shows while on.
class FuelButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit FuelButton(const QString& onCaption, QWidget* parent = nullptr);

    void setOnCaption(const QString& caption);
    const QString& onCaption() const { return onCaption_; }
    void setFaceColours(const QColor& from, const QColor& to);
    QColor faceFrom() const { return from_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString onCaption_;
    QColor from_;
    QColor to_;
};

} // namespace zantrel
