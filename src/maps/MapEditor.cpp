#include "maps/MapEditor.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/WriteSequences.h"
#include "live/LiveRecord.h"
#include "maps/MapBands.h"
#include "maps/MapTransfer.h"

namespace zantrel {

namespace {

constexpr int kGradientWithoutText = 1;
constexpr int kMapEntries = kMapPoints + kMapCells + kCurvePoints;

Text phaseText(MapPart part)
{
    switch (part) {
    case MapPart::Points: return Text::MapPointsPhase;
    case MapPart::Cells: return Text::MapCellsPhase;
    case MapPart::Curve: return Text::MapCurvePhase;
    }
    return Text::MapPointsPhase;
}

int phaseSize(MapPart part)
{
    switch (part) {
    case MapPart::Points: return kMapPoints;
    case MapPart::Cells: return kMapCells;
    case MapPart::Curve: return kCurvePoints;
    }
    return 0;
}

} // namespace

MapEditor::MapEditor(LinkGate& gate, ControllerImage& image, MapEditorView& view, Prompter& prompter,
                     const LanguageStrings& texts, QChar decimalSeparator)
    : gate_(gate)
    , image_(image)
    , view_(view)
    , prompter_(prompter)
    , texts_(texts)
    , separator_(decimalSeparator)
{
    // Maps replaced as a whole by another (a factory reset, a file) start a new history.
    QObject::connect(&image_, &ControllerImage::MapsChanged, &lifetime_, [this] {
        if (!emitting_)
            history_.Clear();
    });
}

const InjectionMaps& MapEditor::Maps() const
{
    return image_.Maps();
}

InjectionMaps& MapEditor::maps()
{
    return image_.Maps();
}

const ParameterTable& MapEditor::table() const
{
    return image_.Parameters();
}

int MapEditor::CurveMax() const
{
    return zantrel::CurveMax(table());
}

void MapEditor::AddRead(LinkJob& job)
{
    auto report = std::make_shared<MapTransferReport>();
    job.Then([this] { history_.Clear(); });
    const MapReadHooks hooks{
        [this](MapPart part) {
            view_.ShowStatus(texts_[phaseText(part)]);
            view_.SetProgressMaximum(phaseSize(part));
            view_.SetProgressPosition(0);
        },
        [this](MapPart part, int index) {
            view_.SetProgressPosition(index + 1);
            if (part == MapPart::Cells)
                view_.ShowCell(index % kMapRows, index / kMapRows);
            else if (part == MapPart::Points)
                view_.ShowPoints();
        },
    };
    AddMapRead(job, maps(), PointCodingOf(table()), hooks, report);
    job.Then([this, report] {
        ended(*report);
        if (report->unread > 0)
            view_.ShowNote(texts_[Text::MapsPartlyRead].arg(report->unread).arg(kMapEntries));
    });
}

bool MapEditor::refuse(Text text, const QString& argument)
{
    prompter_.Inform(texts_[Text::Error], argument.isNull() ? texts_[text] : texts_[text].arg(argument));
    view_.EditEnded();
    return false;
}

bool MapEditor::Step(CellRange range, int step)
{
    return !gate_.Busy() && writeCells(StepCells(Maps().map, range, step));
}

bool MapEditor::SetValue(CellRange range, const QString& text)
{
    if (gate_.Busy())
        return false;
    const std::optional<int> value = WholeNumberFromText(text);
    if (!value)
        return refuse(Text::MapValueNotANumber, text);
    return writeCells(SetCells(Maps().map, range, *value));
}

bool MapEditor::Gradient(CellRange range, const QString& text)
{
    if (gate_.Busy())
        return false;
    const std::optional<int> value =
        text.trimmed().isEmpty() ? std::optional<int>(kGradientWithoutText) : WholeNumberFromText(text);
    if (!value)
        return refuse(Text::MapValueNotANumber, text);
    return writeCells(GradientCells(Maps().map, range, *value));
}

bool MapEditor::Paste(int row, int column, const QString& text)
{
    if (gate_.Busy())
        return false;
    std::variant<PercentBlock, BlockError> block = ParsePercentBlock(text);
    std::variant<ByteChanges, BlockError> changes =
        std::holds_alternative<PercentBlock>(block) ? PasteCells(Maps().map, row, column, std::get<PercentBlock>(block))
                                                    : std::variant<ByteChanges, BlockError>(std::get<BlockError>(block));
    if (const BlockError* error = std::get_if<BlockError>(&changes)) {
        switch (error->kind) {
        case BlockError::Kind::Empty:
            return refuse(Text::MapBlockEmpty);
        case BlockError::Kind::NotANumber:
            prompter_.Inform(texts_[Text::Error],
                             texts_[Text::MapBlockNotANumber].arg(error->row).arg(error->column).arg(error->text));
            break;
        case BlockError::Kind::Ragged:
            prompter_.Inform(texts_[Text::Error], texts_[Text::MapBlockRagged].arg(error->row));
            break;
        case BlockError::Kind::TooLarge:
            prompter_.Inform(texts_[Text::Error], texts_[Text::MapBlockTooLarge].arg(error->row).arg(error->column));
            break;
        }
        view_.EditEnded();
        return false;
    }
    return writeCells(std::get<ByteChanges>(changes));
}

QString MapEditor::Copy(CellRange range) const
{
    return CopyCells(Maps().map, range);
}

void MapEditor::addCell(LinkJob& job, int index, quint8 byte, int position,
                        const std::shared_ptr<MapTransferReport>& report)
{
    const int row = index / kMapColumns;
    const int column = index % kMapColumns;
    AddCellWrite(job, maps(), row, column, byte, report);
    job.Then([this, row, column, position] {
        view_.ShowCell(row, column);
        view_.SetProgressPosition(position);
    });
}

void MapEditor::addPoint(LinkJob& job, int index, int value, int position)
{
    AddPointWrite(job, maps(), index, value, PointCodingOf(table()));
    job.Then([this, position] {
        view_.ShowPoints();
        view_.SetProgressPosition(position);
    });
}

void MapEditor::addCurvePoint(LinkJob& job, int point, quint8 byte, int position)
{
    AddCurvePointWrite(job, maps(), point, byte);
    job.Then([this, position] {
        view_.ShowCurve();
        view_.SetProgressPosition(position);
    });
}

bool MapEditor::writeCells(const ByteChanges& changes)
{
    auto report = std::make_shared<MapTransferReport>();
    LinkJob job;
    EditStep undo;
    int position = 0;
    for (const ByteChange& c : changes) {
        undo.push_back({EditTarget::MapCell, c.index, Maps().map.bytes[size_t(c.index)], c.byte,
                        Maps().map.known[size_t(c.index)]});
        addCell(job, c.index, c.byte, ++position, report);
    }
    return run(std::move(job), position, std::move(undo), report);
}

bool MapEditor::writeCurve(const ByteChanges& changes)
{
    LinkJob job;
    EditStep undo;
    int position = 0;
    for (const ByteChange& c : changes) {
        undo.push_back({EditTarget::CurvePoint, c.index, Maps().curve.bytes[size_t(c.index)], c.byte,
                        Maps().curve.known[size_t(c.index)]});
        addCurvePoint(job, c.index, c.byte, ++position);
    }
    return run(std::move(job), position, std::move(undo), {});
}

bool MapEditor::Undo()
{
    if (gate_.Busy())
        return false;
    const std::optional<EditStep> step = history_.TakeUndo();
    return step && writeBack(*step, true);
}

bool MapEditor::Redo()
{
    if (gate_.Busy())
        return false;
    const std::optional<EditStep> step = history_.TakeRedo();
    return step && writeBack(*step, false);
}

// Only what differs from the value wanted is written, the last change first on an undo.
bool MapEditor::writeBack(const EditStep& step, bool undoing)
{
    auto report = std::make_shared<MapTransferReport>();
    LinkJob job;
    int position = 0;
    bool wordsRestored = false;
    const auto restore = [&](const EditChange& c) {
        if (undoing && !c.knownBefore)
            return;
        const int wanted = undoing ? c.before : c.after;
        const size_t i = size_t(c.index);
        switch (c.target) {
        case EditTarget::MapCell:
            if (Maps().map.bytes[i] != wanted)
                addCell(job, c.index, quint8(wanted), ++position, report);
            break;
        case EditTarget::MapPoint:
            if (Maps().points.values[i] != wanted)
                addPoint(job, c.index, wanted, ++position);
            break;
        case EditTarget::CurvePoint:
            if (Maps().curve.bytes[i] != wanted)
                addCurvePoint(job, c.index, quint8(wanted), ++position);
            break;
        case EditTarget::ParameterWord:
            if (restoreWord(c.index, quint16(wanted))) {
                WriteParameter(job, quint8(c.index), wanted, kWordPauseMs);
                wordsRestored = true;
            }
            break;
        }
    };
    if (undoing) {
        for (auto c = step.rbegin(); c != step.rend(); ++c)
            restore(*c);
    } else {
        for (const EditChange& c : step)
            restore(c);
    }
    if (wordsRestored)
        job.Then([this] { emit image_.ParametersChanged(); });
    return run(std::move(job), position, {}, report);
}

// The word and, for a bit-packed one, its shadow take the value; false when the table
// holds it already.
bool MapEditor::restoreWord(int index, quint16 word)
{
    ParameterTable& table = image_.Parameters();
    if (index < 0 || index >= ParameterTable::kWords || table.word(index) == word)
        return false;
    table[index] = ParameterTable::SlotValueOf(index, word);
    if (const std::optional<int> shadow = ParameterTable::ShadowOfWord(index))
        table[*shadow] = table[index];
    return true;
}

bool MapEditor::EditPoints(const std::array<QString, kMapPoints>& texts)
{
    if (gate_.Busy())
        return false;
    std::array<int, kMapPoints> values{};
    for (int i = 0; i < kMapPoints; ++i) {
        const std::optional<int> value = PointValueFromText(i, texts[size_t(i)], separator_);
        if (!value)
            return refuse(Text::MapPointNotANumber, texts[size_t(i)]);
        values[size_t(i)] = *value;
    }
    LinkJob job;
    EditStep undo;
    int position = 0;
    for (int i = 0; i < kMapPoints; ++i) {
        const int now = Maps().points.values[size_t(i)];
        if (values[size_t(i)] == now)
            continue;
        undo.push_back({EditTarget::MapPoint, i, now, values[size_t(i)], Maps().points.known[size_t(i)]});
        addPoint(job, i, values[size_t(i)], ++position);
    }
    return run(std::move(job), position, std::move(undo), {});
}

bool MapEditor::ReencodeSpeedPoints(std::function<void()> then)
{
    if (gate_.Busy())
        return false;
    LinkJob job;
    AddSpeedReencode(job, maps(), PointCodingOf(table()));
    return run(std::move(job), 0, {}, {}, std::move(then));
}

bool MapEditor::StepCurve(int first, int last, int step)
{
    return !gate_.Busy() && writeCurve(StepCurvePoints(Maps().curve, first, last, step, CurveMax()));
}

bool MapEditor::SetCurve(int first, int last, const QString& text)
{
    if (gate_.Busy())
        return false;
    const std::optional<int> value = WholeNumberFromText(text);
    if (!value)
        return refuse(Text::MapValueNotANumber, text);
    return writeCurve(SetCurvePoints(Maps().curve, first, last, *value, CurveMax()));
}

bool MapEditor::SetCurvePoint(int point, int percent)
{
    return !gate_.Busy() && writeCurve(SetCurvePoints(Maps().curve, point, point, percent, CurveMax()));
}

bool MapEditor::run(LinkJob job, int size, EditStep undo, std::shared_ptr<MapTransferReport> report,
                    std::function<void()> then)
{
    if (job.Empty()) {
        view_.EditEnded();
        if (then)
            then();
        return true;
    }
    view_.SetProgressMaximum(size);
    view_.SetProgressPosition(0);
    const bool started = gate_.Start(std::move(job), &lifetime_, [this, report, then](JobOutcome outcome) {
        ended(report ? *report : MapTransferReport{});
        if (then && outcome == JobOutcome::Completed)
            then();
    });
    if (!started)
        return false;
    history_.Record(std::move(undo));
    return true;
}

void MapEditor::ended(const MapTransferReport& report)
{
    if (report.pairsNotStored > 0)
        view_.ShowNote(texts_[Text::MapPairsNotStored].arg(report.pairsNotStored));
    emitting_ = true;
    emit image_.MapsChanged();
    emitting_ = false;
    view_.EditEnded();
}

bool MapEditor::PlaceLiveCell(const LiveRecord& record)
{
    std::optional<LiveMapCell> cell;
    if (table().Known(kIgnitionTypeWord))
        cell = LocateLiveCell(Maps().points, record[live::kSpeedPeriod], record[live::kPetrolTime[0]],
                              PointCodingOf(table()));
    if (cell == Maps().liveCell)
        return false;
    maps().liveCell = cell;
    return true;
}

bool MapEditor::PlaceCurveSegment(const LiveRecord& record)
{
    const LiveCurveSegment segment = LocateCurveSegment(Maps().points, record[live::kPetrolTime[0]]);
    if (Maps().liveSegment == segment)
        return false;
    maps().liveSegment = segment;
    return true;
}

} // namespace zantrel
