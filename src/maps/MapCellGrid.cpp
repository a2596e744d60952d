#include "maps/MapCellGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace zantrel {

namespace {

// The live entry is filled with its colour and its text drawn again on it.
class EntryDelegate final : public QStyledItemDelegate {
public:
    EntryDelegate(MapCellGrid& grid, QColor live)
        : QStyledItemDelegate(&grid)
        , grid_(grid)
        , live_(live)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!grid_.IsLive(index.row(), index.column())) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->fillRect(option.rect, live_);
        painter->setPen(Qt::black);
        painter->drawText(option.rect, int(index.data(Qt::TextAlignmentRole).toInt()), index.data().toString());
    }

private:
    MapCellGrid& grid_;
    QColor live_;
};

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

QColor ColourOf(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QPushButton* NewMapButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

MapCellGrid::MapCellGrid(int rows, int columns, Rgb liveColour, QWidget* parent)
    : QTableWidget(rows, columns, parent)
{
    setItemDelegate(new EntryDelegate(*this, ColourOf(liveColour)));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignCenter);
            setItem(r, c, item);
        }
    }
}

void MapCellGrid::ShowEntry(int row, int column, const QString& text, int percent, bool known)
{
    QTableWidgetItem* entry = item(row, column);
    entry->setText(text);
    entry->setBackground(ColourOf(ValueColour(percent)));
    entry->setForeground(known ? QColor(Qt::black) : QColor(Qt::gray));
}

void MapCellGrid::ShowLive(std::optional<std::pair<int, int>> entry)
{
    if (entry == live_)
        return;
    const std::optional<std::pair<int, int>> before = live_;
    live_ = entry;
    repaintEntry(before);
    repaintEntry(live_);
}

void MapCellGrid::repaintEntry(std::optional<std::pair<int, int>> entry)
{
    if (entry)
        viewport()->update(visualRect(model()->index(entry->first, entry->second)));
}

CellRange MapCellGrid::Selection() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        const int row = std::max(currentRow(), 0);
        const int column = std::max(currentColumn(), 0);
        return {row, column, row, column};
    }
    CellRange range{ranges.first().topRow(), ranges.first().leftColumn(), ranges.first().bottomRow(),
                    ranges.first().rightColumn()};
    for (const QTableWidgetSelectionRange& r : ranges) {
        range.top = std::min(range.top, r.topRow());
        range.left = std::min(range.left, r.leftColumn());
        range.bottom = std::max(range.bottom, r.bottomRow());
        range.right = std::max(range.right, r.rightColumn());
    }
    return range;
}

void MapCellGrid::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (isEnter(event->key()) && !control) {
        emit EnterPressed();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        emit CopyAsked();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit PasteAsked();
        return;
    }
    if (event->matches(QKeySequence::Undo)) {
        emit UndoAsked();
        return;
    }
    if (event->matches(QKeySequence::Redo) || (control && event->key() == Qt::Key_Y)) {
        emit RedoAsked();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace zantrel
