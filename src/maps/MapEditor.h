#pragma once

#include "image/InjectionMaps.h"
#include "maps/EditHistory.h"
#include "maps/MapEdits.h"

#include <QChar>
#include <QObject>
#include <QString>

#include <functional>

#include <array>
#include <memory>
#include <optional>

namespace zantrel {

class ControllerImage;
class LanguageStrings;
class LinkGate;
class LinkJob;
class LiveRecord;
class ParameterTable;
class Prompter;
struct MapTransferReport;
enum class Text;

// What the map editors show while they work. The main window implements it with the
// grid, the curve strip, ProgressBar1, the status field and the window's note.
class MapEditorView {
public:
    virtual ~MapEditorView() = default;

    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgressPosition(int position) = 0;
    // The status field: the phase of a map read, in sight while the job holds the link
    // (the live records rewrite it once the link is free).
    virtual void ShowStatus(const QString& text) = 0;
    // A note that stays in sight for a while.
    virtual void ShowNote(const QString& text) = 0;
    // Entries that have new content, as a job goes; once it has ended, the whole maps
    // are shown again on ControllerImage::MapsChanged.
    virtual void ShowCell(int row, int column) = 0;
    virtual void ShowPoints() = 0;
    virtual void ShowCurve() = 0;
    // A job of the editor has ended, or an edit ended without one.
    virtual void EditEnded() = 0;
};

// The map editors on the controller image: the load/speed grid (steps, one value, the
// gradient, paste, undo and redo), the characteristic points, the load curve, and the
// live position. Every change is written at once, as a job through the link gate while
// the window goes on; only entries whose value changes are written. A text that is not
// a number is reported through the prompter and changes nothing. Everything is refused
// (false) while a job holds the link.
class MapEditor {
public:
    MapEditor(LinkGate& gate, ControllerImage& image, MapEditorView& view, Prompter& prompter,
              const LanguageStrings& texts, QChar decimalSeparator);

    const InjectionMaps& Maps() const;
    QChar DecimalSeparator() const { return separator_; }
    int CurveMax() const;

    // The map read that follows every read of all words (points, cells, curve, with
    // their phase in the status field and the progress bar), and the note when entries
    // stayed unread. Undo starts afresh from what was read.
    void AddRead(LinkJob& job);

    bool Step(CellRange range, int step);
    bool SetValue(CellRange range, const QString& text);
    // An empty text steps by 1.
    bool Gradient(CellRange range, const QString& text);
    // A block as ParsePercentBlock takes it, with its top-left cell at (row, column).
    bool Paste(int row, int column, const QString& text);
    QString Copy(CellRange range) const;

    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    bool Undo();
    bool Redo();
    EditHistory& History() { return history_; }

    // The point dialog's texts, by point (0..5 speeds, 6..16 times); a point is written
    // when its value changes.
    bool EditPoints(const std::array<QString, kMapPoints>& texts);
    // The speed points again in the words of the ignition type now in word 21, after it
    // has been changed and written; `then` runs once they are all written.
    bool ReencodeSpeedPoints(std::function<void()> then = {});

    bool StepCurve(int first, int last, int step);
    bool SetCurve(int first, int last, const QString& text);
    bool SetCurvePoint(int point, int percent);

    // The live position from an accepted record: the cell (none while the ignition type
    // is not known, since the speed is not) and the curve band. True when it moved.
    bool PlaceLiveCell(const LiveRecord& record);
    bool PlaceCurveSegment(const LiveRecord& record);

private:
    InjectionMaps& maps();
    const ParameterTable& table() const;
    bool refuse(Text text, const QString& argument = {});
    bool writeCells(const ByteChanges& changes);
    bool writeCurve(const ByteChanges& changes);
    bool writeBack(const EditStep& step, bool undoing);
    bool restoreWord(int index, quint16 word);
    static constexpr int kWordPauseMs = 10;
    // An entry's write, then its display and the progress bar's position.
    void addCell(LinkJob& job, int index, quint8 byte, int position, const std::shared_ptr<MapTransferReport>& report);
    void addPoint(LinkJob& job, int index, int value, int position);
    void addCurvePoint(LinkJob& job, int point, quint8 byte, int position);
    bool run(LinkJob job, int size, EditStep undo, std::shared_ptr<MapTransferReport> report,
             std::function<void()> then = {});
    void ended(const MapTransferReport& report);

    LinkGate& gate_;
    ControllerImage& image_;
    MapEditorView& view_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
    QChar separator_;
    EditHistory history_;
    bool emitting_ = false;
    // The editor's jobs end with it.
    QObject lifetime_;
};

} // namespace zantrel
