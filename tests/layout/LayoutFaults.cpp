#include "LayoutFaults.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTableWidget>

#include <algorithm>

namespace zantrel::test {

namespace {

// Controls whose children are the toolkit's own parts.
bool compound(const QWidget& w)
{
    return qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w)
        || qobject_cast<const QAbstractScrollArea*>(&w) || qobject_cast<const QLineEdit*>(&w)
        || qobject_cast<const QTabBar*>(&w) || qobject_cast<const QMenuBar*>(&w);
}

QString nameOf(const QWidget& w)
{
    return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName();
}

QString pathOf(const QWidget& w)
{
    QStringList names;
    for (const QWidget* at = &w; at; at = at->isWindow() ? nullptr : at->parentWidget())
        if (!at->objectName().isEmpty() || at == &w || at->isWindow())
            names.prepend(nameOf(*at));
    return names.join(u'/');
}

// A caption as drawn: "&&" is an ampersand, a single "&" marks the shortcut key.
QString shown(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        out += text[i];
    }
    return out;
}

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

class Checker {
public:
    explicit Checker(QStringList& faults) : faults_(faults) {}

    void control(const QWidget& w)
    {
        if (auto* label = qobject_cast<const QLabel*>(&w))
            checkLabel(*label);
        else if (auto* button = qobject_cast<const QAbstractButton*>(&w))
            checkButton(*button);
        else if (auto* group = qobject_cast<const QGroupBox*>(&w))
            checkGroup(*group);
        else if (auto* bar = qobject_cast<const QTabBar*>(&w))
            checkTabs(*bar);
        else if (auto* list = qobject_cast<const QComboBox*>(&w))
            checkList(*list);
        else if (auto* grid = qobject_cast<const QTableWidget*>(&w))
            checkGrid(*grid);
    }

    void placement(const QWidget& w)
    {
        const QWidget* parent = w.parentWidget();
        if (!parent || w.isWindow())
            return;
        if (!parent->rect().contains(w.geometry()))
            fault(w, QStringLiteral("lies outside its parent %1: %2 in %3")
                         .arg(nameOf(*parent), rectText(w.geometry()), rectText(parent->rect())));
    }

    void siblings(const QWidget& parent)
    {
        std::vector<const QWidget*> shownChildren;
        for (const QObject* o : parent.children())
            if (auto* w = qobject_cast<const QWidget*>(o); w && !w->isWindow() && w->isVisible())
                shownChildren.push_back(w);
        for (size_t a = 0; a < shownChildren.size(); ++a)
            for (size_t b = a + 1; b < shownChildren.size(); ++b)
                if (shownChildren[a]->geometry().intersects(shownChildren[b]->geometry()))
                    fault(*shownChildren[a], QStringLiteral("overlaps %1: %2 and %3")
                                                 .arg(nameOf(*shownChildren[b]), rectText(shownChildren[a]->geometry()),
                                                      rectText(shownChildren[b]->geometry())));
    }

private:
    static QString rectText(const QRect& r)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

    void fault(const QWidget& w, const QString& what) { faults_ << pathOf(w) + QStringLiteral(": ") + what; }

    void tooWide(const QWidget& w, const QString& text, int needed, int room)
    {
        fault(w, QStringLiteral("\"%1\" needs %2 px, has %3 px").arg(text).arg(needed).arg(room));
    }

    // A text in a room: on its lines, or wrapped at the room's width.
    void fit(const QWidget& w, const QFontMetrics& metrics, const QString& text, QSize room, bool wraps)
    {
        if (text.isEmpty())
            return;
        if (!wraps) {
            const int needed = widestLine(metrics, text);
            if (needed > room.width())
                tooWide(w, text, needed, room.width());
            const int height = int(text.count(u'\n') + 1) * metrics.height();
            if (height > room.height())
                fault(w, QStringLiteral("\"%1\" needs %2 px of height, has %3 px").arg(text).arg(height).arg(room.height()));
            return;
        }
        const QRect bounds = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text);
        if (bounds.width() > room.width())
            tooWide(w, text, bounds.width(), room.width());
        if (bounds.height() > room.height())
            fault(w, QStringLiteral("\"%1\" wrapped needs %2 px of height, has %3 px")
                         .arg(text).arg(bounds.height()).arg(room.height()));
    }

    void checkLabel(const QLabel& label)
    {
        if (label.text().isEmpty() || Qt::mightBeRichText(label.text()))
            return;
        const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
        fit(label, label.fontMetrics(), label.buddy() ? shown(label.text()) : label.text(), room.size(),
            label.wordWrap());
    }

    void checkButton(const QAbstractButton& button)
    {
        const QStyle& style = *button.style();
        int room = button.width();
        if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button))
            room -= style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button)
                + style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
        else
            room -= style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button)
                + 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
        fit(button, button.fontMetrics(), shown(button.text()), {room, button.height()}, false);
    }

    void checkGroup(const QGroupBox& group)
    {
        if (group.title().isEmpty())
            return;
        QStyleOptionGroupBox option;
        option.initFrom(&group);
        option.text = group.title();
        option.lineWidth = 1;
        option.midLineWidth = 0;
        option.textAlignment = Qt::Alignment(group.alignment());
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (group.isCheckable())
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect label = group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &group);
        const int needed = widestLine(group.fontMetrics(), shown(group.title()));
        const int room = std::min(label.width(), group.width() - std::max(0, label.left()));
        if (needed > room || label.right() >= group.width())
            tooWide(group, group.title(), needed, room);
    }

    void checkTabs(const QTabBar& bar)
    {
        const QFontMetrics metrics(bar.font());
        const int margin = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
        for (int i = 0; i < bar.count(); ++i) {
            if (!bar.isTabVisible(i))
                continue;
            const QRect tab = bar.tabRect(i);
            const QString caption = shown(bar.tabText(i));
            if (!bar.rect().contains(tab))
                fault(bar, QStringLiteral("tab \"%1\" lies outside the tab bar: %2 in %3")
                               .arg(caption, rectText(tab), rectText(bar.rect())));
            // A caption may break at its spaces, before the bracket of its function key and
            // after a slash, never within a word.
            QString breakable = caption;
            breakable.replace(QRegularExpression(QStringLiteral("(\\S)([\\[(])")), QStringLiteral("\\1 \\2"));
            breakable.replace(QRegularExpression(QStringLiteral("/(\\S)")), QStringLiteral("/ \\1"));
            int widestWord = 0;
            for (const QString& word : breakable.split(u' '))
                widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
            const int room = tab.width() - margin;
            if (metrics.horizontalAdvance(caption) <= room && metrics.height() <= tab.height())
                continue;
            if (widestWord > room)
                tooWide(bar, caption, widestWord, room);
            const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(room, 1), 1 << 20), Qt::TextWordWrap, breakable);
            if (bounds.height() > tab.height())
                fault(bar, QStringLiteral("tab \"%1\" needs %2 px of height, has %3 px")
                               .arg(caption).arg(bounds.height()).arg(tab.height()));
        }
    }

    void checkList(const QComboBox& list)
    {
        QStyleOptionComboBox option;
        option.initFrom(&list);
        option.editable = list.isEditable();
        option.frame = list.hasFrame();
        option.subControls = QStyle::SC_All;
        const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list);
        const QFontMetrics metrics(list.font());
        for (int i = 0; i < list.count(); ++i) {
            const QString item = list.itemText(i);
            const int needed = metrics.horizontalAdvance(item);
            if (needed > field.width())
                fault(list, QStringLiteral("item %1 \"%2\" needs %3 px, has %4 px").arg(i).arg(item).arg(needed).arg(field.width()));
        }
    }

    void checkGrid(const QTableWidget& grid)
    {
        const QFontMetrics metrics(grid.font());
        const int margin = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.columnCount(); ++c)
                if (const QTableWidgetItem* cell = grid.item(r, c); cell && !grid.isColumnHidden(c)) {
                    const int needed = metrics.horizontalAdvance(cell->text());
                    if (needed > grid.columnWidth(c) - margin)
                        fault(grid, QStringLiteral("cell %1,%2 \"%3\" needs %4 px, has %5 px")
                                        .arg(r).arg(c).arg(cell->text()).arg(needed).arg(grid.columnWidth(c) - margin));
                }
        const QHeaderView* headers[] = {grid.horizontalHeader(), grid.verticalHeader()};
        for (const QHeaderView* header : headers) {
            if (!header->isVisible())
                continue;
            const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            const QFontMetrics headerMetrics(header->font());
            for (int s = 0; s < header->count(); ++s) {
                const QTableWidgetItem* item = header->orientation() == Qt::Horizontal ? grid.horizontalHeaderItem(s)
                                                                                      : grid.verticalHeaderItem(s);
                if (!item || header->isSectionHidden(s))
                    continue;
                const QSize room = header->orientation() == Qt::Horizontal
                    ? QSize(header->sectionSize(s) - headerMargin, header->height())
                    : QSize(header->width() - headerMargin, header->sectionSize(s));
                const int needed = widestLine(headerMetrics, item->text());
                const int height = int(item->text().count(u'\n') + 1) * headerMetrics.height();
                if (needed > room.width() || height > room.height())
                    fault(grid, QStringLiteral("header %1 \"%2\" needs %3x%4 px, has %5x%6 px")
                                    .arg(s).arg(item->text()).arg(needed).arg(height).arg(room.width()).arg(room.height()));
            }
        }
    }

    QStringList& faults_;
};

void walk(const QWidget& w, Checker& checker)
{
    checker.control(w);
    if (compound(w))
        return;
    checker.siblings(w);
    for (const QObject* o : w.children()) {
        auto* child = qobject_cast<const QWidget*>(o);
        if (!child || child->isWindow() || !child->isVisible())
            continue;
        checker.placement(*child);
        walk(*child, checker);
    }
}

} // namespace

QStringList LayoutFaults(const QWidget& window)
{
    QStringList faults;
    Checker checker(faults);
    walk(window, checker);
    return faults;
}

} // namespace zantrel::test
