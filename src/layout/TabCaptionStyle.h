#pragma once

#include <QProxyStyle>
#include <QString>

class QFontMetrics;

namespace zantrel {

// A caption broken into lines no wider than `wrap` pixels where it may break: at a space
// (which goes), before "[" or "(" (the function key stays whole) and after "/". A word wider than
// `wrap` keeps a line of its own, whole. `wrap` 0 keeps the caption on one line.
QString WrapCaption(const QString& caption, const QFontMetrics& metrics, int wrap);
// The widest line of a caption wrapped so.
int WidestLine(const QString& caption, const QFontMetrics& metrics, int wrap);
// The widest piece that a caption cannot be broken within.
int WidestWord(const QString& caption, const QFontMetrics& metrics);

// The style of the main window's tab bar: narrow margins beside a caption, and captions
// wrapped onto more lines where the tabs would not fit the window's width on one line.
// The captions themselves stay as they are; only their drawing and size wrap.
class TabCaptionStyle final : public QProxyStyle {
public:
    void SetMargin(int margin) { margin_ = margin; }
    void SetWrap(int wrap) { wrap_ = wrap; }
    int Wrap() const { return wrap_; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    int margin_ = 6;
    int wrap_ = 0;
};

} // namespace zantrel
