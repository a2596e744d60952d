#include "layout/TabCaptionStyle.h"

#include <QFontMetrics>
#include <QtMath>
#include <QStyleOptionTab>

#include <algorithm>

namespace zantrel {

namespace {

// The caption in the pieces it may break between; a piece that follows a space begins
// with that space.
QStringList piecesOf(const QString& caption)
{
    QStringList pieces;
    QString piece;
    for (const QChar c : caption) {
        const bool breaks = !piece.isEmpty()
            && (c == u' ' || ((c == u'[' || c == u'(') && !piece.endsWith(u' ')) || piece.endsWith(u'/'));
        if (breaks) {
            pieces << piece;
            piece.clear();
        }
        piece += c;
    }
    if (!piece.isEmpty())
        pieces << piece;
    return pieces;
}

// A text's width to the next whole pixel: the toolkit wraps text by its exact width, so a
// line measured rounded down would not fit a room of that many pixels.
int advance(const QFontMetrics& metrics, const QString& text)
{
    return qCeil(QFontMetricsF(metrics).horizontalAdvance(text));
}

QStringList linesOf(const QString& caption, const QFontMetrics& metrics, int wrap)
{
    if (wrap <= 0)
        return {caption};
    QStringList lines;
    QString line;
    for (const QString& piece : piecesOf(caption)) {
        const QString longer = line + piece;
        if (line.isEmpty() || advance(metrics, longer) <= wrap) {
            line = longer;
            continue;
        }
        lines << line;
        line = piece.startsWith(u' ') ? piece.mid(1) : piece;
    }
    lines << line;
    return lines;
}

} // namespace

QString WrapCaption(const QString& caption, const QFontMetrics& metrics, int wrap)
{
    return linesOf(caption, metrics, wrap).join(u'\n');
}

int WidestLine(const QString& caption, const QFontMetrics& metrics, int wrap)
{
    int widest = 0;
    for (const QString& line : linesOf(caption, metrics, wrap))
        widest = std::max(widest, advance(metrics, line));
    return widest;
}

int WidestWord(const QString& caption, const QFontMetrics& metrics)
{
    int widest = 0;
    for (const QString& piece : piecesOf(caption))
        widest = std::max(widest, advance(metrics, piece.trimmed()));
    return widest;
}

int TabCaptionStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_TabBarTabHSpace)
        return margin_;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize TabCaptionStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                        const QWidget* widget) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (type != CT_TabBarTab || !tab || wrap_ <= 0)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    // The tab bar measured the caption on one line.
    const QFontMetrics& metrics = tab->fontMetrics;
    const QStringList lines = linesOf(tab->text, metrics, wrap_);
    const int oneLine = metrics.size(Qt::TextShowMnemonic, tab->text).width();
    // The bar gave one line the font's height; wrapped lines are drawn a line spacing apart,
    // each with its leading.
    const QSize wrapped(size.width() - oneLine + WidestLine(tab->text, metrics, wrap_),
                        size.height() - metrics.height() + int(lines.size()) * metrics.lineSpacing());
    return QProxyStyle::sizeFromContents(type, option, wrapped, widget);
}

void TabCaptionStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (element != CE_TabBarTabLabel || !tab || wrap_ <= 0) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionTab wrapped(*tab);
    wrapped.text = WrapCaption(tab->text, tab->fontMetrics, wrap_);
    QProxyStyle::drawControl(element, &wrapped, painter, widget);
}

} // namespace zantrel
