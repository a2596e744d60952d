#pragma once

#include "maps/MapColours.h"
#include "maps/MapEdits.h"

#include <QTableWidget>

class QPushButton;

#include <optional>
#include <utility>

namespace zantrel {

// A grid of correction entries (the load/speed map, the curve strip) that the program
// fills: each entry's text on its value colour, entries never read in grey, and the
// live entry in its own colour over everything. The user selects, never edits in place;
// the keys of the editors come out as signals.
class MapCellGrid final : public QTableWidget {
    Q_OBJECT
public:
    MapCellGrid(int rows, int columns, Rgb liveColour, QWidget* parent = nullptr);

    void ShowEntry(int row, int column, const QString& text, int percent, bool known);
    // The live entry, or none; only the two entries concerned are repainted.
    void ShowLive(std::optional<std::pair<int, int>> entry);
    bool IsLive(int row, int column) const { return live_ == std::make_pair(row, column); }
    // The selected rectangle; the current entry when nothing is selected.
    CellRange Selection() const;

signals:
    void EnterPressed();
    void CopyAsked();
    void PasteAsked();
    void UndoAsked();
    void RedoAsked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void repaintEntry(std::optional<std::pair<int, int>> entry);

    std::optional<std::pair<int, int>> live_;
};

QColor ColourOf(Rgb rgb);
// A button of the map tabs: it takes no focus, so the grid keeps its selection.
QPushButton* NewMapButton(const char* name, const QString& caption, QWidget* parent);

} // namespace zantrel
