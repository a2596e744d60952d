#include "maps/MapsUi.h"

#include "base/ShellWindow.h"
#include "config/ConfigBitFields.h"
#include "config/ParameterUnits.h"
#include "config/ParameterTransfer.h"
#include "image/ControllerImage.h"
#include "link/LinkJob.h"
#include "live/LiveConversions.h"
#include "live/LivePoll.h"
#include "live/LiveRecord.h"
#include "maps/CurveTab.h"
#include "maps/MapCellGrid.h"
#include "maps/MapDefaults.h"
#include "maps/MapGridTab.h"
#include "maps/MapKindChooserWindow.h"
#include "maps/MapPointPresetsWindow.h"
#include "maps/MapTexts.h"
#include "maps/MapValueModifierWindow.h"
#include "widgets/BarGauge.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace zantrel {

namespace {

constexpr quint32 kLoadRpmMapKind = 1;
constexpr quint32 kLoadCurveKind = 2;

} // namespace

MapsUi::MapsUi(ShellWindow& window, LinkGate& gate, ControllerImage& image, ParameterTransfer& transfer,
               Prompter& prompter, const LanguageStrings& texts, const Parts& parts)
    : QObject(&window.Widget())
    , window_(window)
    , image_(image)
    , parts_(parts)
    , editor_(gate, image, *this, prompter, texts, window.EntrySeparators().decimal)
{
    grid_ = new MapGridTab(texts, *window.Tab(TabId::TabSheet6));
    curve_ = new CurveTab(*window.Tab(TabId::TabSheet7));
    // The grid's texts at start-up, until the first read replaces texts and bytes together.
    image_.Maps() = StartupMaps();
    showEverything();

    transfer.AddAfterRead([this](LinkJob& job) { editor_.AddRead(job); });
    connect(&image_, &ControllerImage::MapsChanged, this, &MapsUi::showEverything);
    // After the live view, which is connected queued before this.
    connect(&parts_.poll, &LivePoll::RecordAccepted, this, &MapsUi::placeLiveCell, Qt::QueuedConnection);
    connectGrid();
    connectCurve();
    ShowServiceView(window_.ServiceView());
}

void MapsUi::connectGrid()
{
    MapGridTab& g = *grid_;
    const std::pair<QPushButton*, int> steps[] = {{g.ButtonPlus5, 5}, {g.Button1, 1}, {g.Button2, -1}, {g.Button3, -5}};
    for (const auto& [button, step] : steps)
        connect(button, &QPushButton::clicked, this,
                [this, step = step] { editor_.Step(grid_->StringGridMapa->Selection(), step); });
    connect(g.GradientMap2, &QPushButton::clicked, this, &MapsUi::gradient);
    connect(g.ButtonEditPoints, &QPushButton::clicked, this, &MapsUi::editPoints);
    connect(g.StringGridMapa, &MapCellGrid::EnterPressed, this, &MapsUi::setValue);
    connect(g.StringGridMapa, &MapCellGrid::CopyAsked, this, [this] {
        QApplication::clipboard()->setText(editor_.Copy(grid_->StringGridMapa->Selection()));
    });
    connect(g.StringGridMapa, &MapCellGrid::PasteAsked, this, &MapsUi::paste);
    connect(g.StringGridMapa, &MapCellGrid::UndoAsked, this, [this] { editor_.Undo(); });
    connect(g.StringGridMapa, &MapCellGrid::RedoAsked, this, [this] { editor_.Redo(); });
    connect(g.MapyButton, &QPushButton::clicked, this, [this] {
        if (parts_.kindDialog.exec() == QDialog::Accepted)
            openMapOfKind();
    });
    // The hidden list only navigates, to the tab of the kind it shows.
    connect(g.ComboBoxMapa, &QComboBox::activated, this, [this](int kind) {
        if (kind == int(kLoadRpmMapKind))
            window_.SelectTab(TabId::TabSheet6);
        else if (kind == int(kLoadCurveKind))
            openCurveTab();
    });
}

void MapsUi::connectCurve()
{
    CurveTab& c = *curve_;
    const std::pair<QPushButton*, int> steps[] = {
        {c.ButtonPL1stdm, 1}, {c.ButtonPL5stdm, 5}, {c.ButtonMi1stdm, -1}, {c.ButtonMi5stdm, -5}};
    for (const auto& [button, step] : steps) {
        connect(button, &QPushButton::clicked, this, [this, step = step] {
            const CellRange range = curve_->StringPasek->Selection();
            editor_.StepCurve(range.left, range.right, step);
        });
    }
    connect(c.StringPasek, &QTableWidget::cellDoubleClicked, this,
            [this](int, int column) { setCurveValue(column, column); });
    connect(c.StringPasek, &MapCellGrid::EnterPressed, this, [this] {
        const CellRange range = curve_->StringPasek->Selection();
        setCurveValue(range.left, range.right);
    });
    connect(c.Image1, &CurveGraphWidget::Pointed, this, [this](int x, int y, int percent, int band) {
        curve_->LabelX->setText(QStringLiteral("X: %1").arg(x));
        curve_->LabelY->setText(QStringLiteral("Y: %1").arg(y));
        curve_->LabelKor->setText(QStringLiteral("K: %1").arg(percent));
        curve_->LabelSegment->setText(QStringLiteral("S: %1").arg(band));
    });
    connect(c.Image1, &CurveGraphWidget::Clicked, this,
            [this](int band, int percent) { editor_.SetCurvePoint(band, percent); });
    connect(c.ButtonEditPP, &QPushButton::clicked, this, &MapsUi::editPoints);
    connect(c.ButtonEXITMap1, &QPushButton::clicked, this, [this] {
        window_.SetTabShown(TabId::TabSheet7, false);
        window_.SelectTab(TabId::TabSheet1);
    });
    connect(window_.MenuItem(QStringLiteral("MapaInj1")), &QAction::triggered, this, &MapsUi::openCurveTab);
    curvePage_ = window_.Tab(TabId::TabSheet7);
    curvePage_->installEventFilter(this);
}

// Showing the curve editor draws it anew: the curve limit follows the turbo setting,
// which may have changed since.
bool MapsUi::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == curvePage_ && event->type() == QEvent::Show)
        ShowCurve();
    return QObject::eventFilter(watched, event);
}

void MapsUi::ShowServiceView(bool shown)
{
    window_.ShowMenuItem(QStringLiteral("MapaInj1"), shown);
    window_.MenuItem(QStringLiteral("MapaInj1"))->setEnabled(shown);
    grid_->MapyButton->setVisible(shown);
}

void MapsUi::openCurveTab()
{
    window_.SetTabShown(TabId::TabSheet7, true);
    window_.SelectTab(TabId::TabSheet7);
}

void MapsUi::openMapOfKind()
{
    const quint32 kind = ShadowField(image_.Parameters(), ConfigField::MapKind);
    if (kind == kLoadRpmMapKind)
        window_.SelectTab(TabId::TabSheet6);
    else if (kind == kLoadCurveKind)
        openCurveTab();
}

void MapsUi::setValue()
{
    MapCellGrid& grid = *grid_->StringGridMapa;
    if (parts_.valueDialog.isVisible())
        return;
    const CellRange range = grid.Selection();
    const std::optional<QString> text = parts_.valueDialog.AskValue(grid.item(range.top, range.left)->text());
    if (!text) {
        EditEnded();
        return;
    }
    grid.setEnabled(false);
    if (!editor_.SetValue(range, *text))
        EditEnded();
}

void MapsUi::gradient()
{
    const std::optional<QString> text = parts_.valueDialog.AskValue();
    if (!text) {
        EditEnded();
        return;
    }
    editor_.Gradient(grid_->StringGridMapa->Selection(), *text);
}

void MapsUi::paste()
{
    const CellRange range = grid_->StringGridMapa->Selection();
    editor_.Paste(range.top, range.left, QApplication::clipboard()->text());
}

void MapsUi::editPoints()
{
    parts_.pointDialog.Fill(editor_.Maps().points);
    if (parts_.pointDialog.AskPoints())
        editor_.EditPoints(parts_.pointDialog.PointTexts());
}

void MapsUi::setCurveValue(int first, int last)
{
    const std::optional<QString> text = parts_.valueDialog.AskValue(curve_->StringPasek->item(0, first)->text());
    if (text)
        editor_.SetCurve(first, last, *text);
}

void MapsUi::placeLiveCell()
{
    if (!editor_.PlaceLiveCell(parts_.record))
        return;
    const std::optional<LiveMapCell> cell = editor_.Maps().liveCell;
    grid_->StringGridMapa->ShowLive(cell ? std::optional<std::pair<int, int>>({cell->row, cell->column})
                                         : std::nullopt);
}

void MapsUi::ShowLiveBand()
{
    if (editor_.PlaceCurveSegment(parts_.record))
        curve_->ShowSegment(editor_.Maps().liveSegment->segment);
    curve_->ShowLoad(TicksToMs(parts_.record[live::kPetrolTime[0]], FastClock(image_.Parameters())),
                     parts_.record.OnGas());
}

void MapsUi::SetProgressMaximum(int maximum)
{
    parts_.progress.setRange(0, maximum);
}

void MapsUi::SetProgressPosition(int position)
{
    parts_.progress.setValue(position);
}

void MapsUi::ShowStatus(const QString& text)
{
    parts_.status.setText(text);
}

void MapsUi::ShowNote(const QString& text)
{
    window_.ShowNote(text);
}

void MapsUi::ShowCell(int row, int column)
{
    grid_->ShowCell(editor_.Maps().map, row, column);
}

void MapsUi::ShowPoints()
{
    const QChar separator = editor_.DecimalSeparator();
    grid_->ShowPoints(editor_.Maps().points, separator);
    curve_->ShowPoints(editor_.Maps().points, separator);
    curve_->ShowCurve(editor_.Maps().points, editor_.Maps().curve, editor_.CurveMax(), separator);
}

void MapsUi::ShowCurve()
{
    curve_->ShowCurve(editor_.Maps().points, editor_.Maps().curve, editor_.CurveMax(), editor_.DecimalSeparator());
}

void MapsUi::showEverything()
{
    ShowPoints();
    for (int row = 0; row < kMapRows; ++row)
        for (int column = 0; column < kMapColumns; ++column)
            ShowCell(row, column);
}

void MapsUi::EditEnded()
{
    MapCellGrid& grid = *grid_->StringGridMapa;
    grid.setEnabled(true);
    if (grid.isVisible())
        grid.setFocus();
    grid.viewport()->update();
}

} // namespace zantrel
