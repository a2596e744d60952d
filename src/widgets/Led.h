#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QTimer>

namespace zantrel {

// A lamp with its caption beside it: off, on, or on and flashing. A click is a button
// click.
class Led final : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kFlashIntervalMs = 400;

    explicit Led(QWidget* parent = nullptr);

    void setOn(bool on);
    void setFlashing(bool flashing);
    void setCaption(const QString& caption);
    void setOnColour(const QColor& colour);

    bool isOn() const { return on_; }
    bool isFlashing() const { return flashRequested_; }
    const QString& caption() const { return caption_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateFlashing();

    bool on_ = false;
    bool flashRequested_ = false;
    bool lit_ = false; // what the lamp shows at this instant of its flashing
    QString caption_;
    QColor onColour_;
    QTimer flashTimer_;
};

} // namespace zantrel
