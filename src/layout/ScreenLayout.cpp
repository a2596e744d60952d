#include "layout/ScreenLayout.h"

#include "layout/ColumnArrangement.h"
#include "layout/TabCaptionStyle.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <cmath>
#include <vector>

namespace zantrel {

namespace {

// The font size a window or a dialog was built with, or a control's share of its
// parent's; every layout scales from it.
constexpr const char* kDesignFont = "screenLayoutDesignFont";
constexpr double kSameSize = 0.01;
// The width a fixed-width entry field was built with.
constexpr const char* kDesignWidth = "screenLayoutDesignWidth";
// How many columns of groups a parameter page was built with: the most it is given.
constexpr const char* kDesignColumns = "screenLayoutDesignColumns";

// Room the page control's frame and the page's margins take beside the columns of a tab.
constexpr int kPageFrame = 8;
// A caption that makes its columns too wide wraps at a width this much narrower each try,
// down to this.
constexpr int kWrapStep = 8;
constexpr int kNarrowestCaption = 60;
// Tab captions too long to fit the window's width even wrapped are made smaller by this
// share of the window's font at a time, down to this.
constexpr double kTabFontStep = 0.05;
constexpr double kSmallestTabFont = 0.7;

enum class Sizing { Meter, FixedMeter, Thermometer, InjectionBar, PanelLambdaBar, Trace, MapCells, Memo };

// The controls whose size the layout sets; a name ending in "*" stands for every control
// whose name begins so.
struct SizedControl {
    const char* name;
    Sizing sizing;
};

constexpr SizedControl kSizedControls[] = {
    {"Ab270MeterRPM", Sizing::Meter},
    {"ManometrPsys", Sizing::Meter},
    {"ObrotomierzAd", Sizing::FixedMeter},
    {"AbThermometerRed", Sizing::Thermometer},
    {"AbThermometerLPG", Sizing::Thermometer},
    {"VBarB*", Sizing::InjectionBar},
    {"VBarG*", Sizing::InjectionBar},
    {"AbVBarPanelSonda*", Sizing::PanelLambdaBar},
    {"PaintBoxOscyloskopInjBenz", Sizing::Trace},
    {"PaintBoxInjLPG", Sizing::Trace},
    {"PaintBoxOscylKombo", Sizing::Trace},
    {"StringGridMapa", Sizing::MapCells},
    {"MemoOpisParametru", Sizing::Memo},
    {"MemoOpisZaawansowanych", Sizing::Memo},
    {"MemoAutoadaptacja", Sizing::Memo},
};

const SizedControl* sizingOf(const QString& name)
{
    for (const SizedControl& row : kSizedControls) {
        const QLatin1StringView pattern(row.name);
        if (pattern.endsWith(u'*') ? name.startsWith(pattern.chopped(1)) : name == pattern)
            return &row;
    }
    return nullptr;
}

void setSize(QWidget& control, Sizing sizing, const ScreenLayoutSpec& spec)
{
    switch (sizing) {
    case Sizing::Meter:
        control.setMinimumSize(spec.meter);
        break;
    case Sizing::FixedMeter:
        control.setFixedSize(spec.meter);
        break;
    case Sizing::Thermometer:
        control.setFixedWidth(spec.thermometer.width());
        control.setMinimumHeight(spec.thermometer.height());
        break;
    case Sizing::InjectionBar:
        control.setFixedSize(spec.injectionBar);
        break;
    case Sizing::PanelLambdaBar:
        control.setFixedSize(spec.panelLambdaBar);
        break;
    case Sizing::Trace:
        control.setFixedWidth(spec.traceWidth);
        break;
    case Sizing::MapCells:
        if (auto* grid = qobject_cast<QTableWidget*>(&control)) {
            grid->horizontalHeader()->setMinimumSectionSize(spec.mapCell.width());
            grid->horizontalHeader()->setDefaultSectionSize(spec.mapCell.width());
            grid->verticalHeader()->setMinimumSectionSize(spec.mapCell.height());
            grid->verticalHeader()->setDefaultSectionSize(spec.mapCell.height());
        }
        break;
    case Sizing::Memo:
        if (auto* memo = qobject_cast<QPlainTextEdit*>(&control))
            memo->setFixedHeight(spec.memoLines * memo->fontMetrics().lineSpacing() + 2 * memo->frameWidth()
                                 + 2 * qRound(memo->document()->documentMargin()));
        break;
    }
}

// A window's or dialog's design size is its own; a control's is a share of its parent's,
// taken when the layout first sees it: 1 for one that takes its parent's font, another
// share for a caption made smaller or a title made larger. Parents come before their
// children, so a control follows its parent's new size.
void scaleFont(QWidget& widget, double scale)
{
    const QFont font = widget.font();
    const double size = QFontInfo(font).pointSizeF();
    QVariant design = widget.property(kDesignFont);
    if (!design.isValid()) {
        const QWidget* parent = widget.parentWidget();
        const double share = widget.isWindow() || !parent ? size : size / QFontInfo(parent->font()).pointSizeF();
        design = std::abs(share - 1.0) < kSameSize && !widget.isWindow() ? 1.0 : share;
        widget.setProperty(kDesignFont, design);
    }
    double wanted = 0;
    if (widget.isWindow() || !widget.parentWidget())
        wanted = design.toDouble() * scale;
    else if (design.toDouble() != 1.0)
        wanted = QFontInfo(widget.parentWidget()->font()).pointSizeF() * design.toDouble();
    if (wanted <= 0 || std::abs(wanted - size) < kSameSize)
        return;
    QFont scaled = font;
    scaled.setPointSizeF(wanted);
    widget.setFont(scaled);
}

// A caption back on one line.
void unwrap(QLabel& label)
{
    label.setWordWrap(false);
    label.setMinimumSize(0, 0);
    label.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// An entry field of a fixed width, sized for the text it takes, keeps that share of its
// text's size.
void scaleFieldWidth(QLineEdit& field, double scale)
{
    QVariant design = field.property(kDesignWidth);
    if (!design.isValid()) {
        if (field.minimumWidth() != field.maximumWidth())
            return;
        design = field.minimumWidth();
        field.setProperty(kDesignWidth, design);
    }
    field.setFixedWidth(qRound(design.toInt() * scale));
}

// The tab bar measures and lays its tabs out again.
void restyle(QTabBar& bar)
{
    QEvent changed(QEvent::StyleChange);
    QCoreApplication::sendEvent(&bar, &changed);
}

// The tab captions as the bar shows them on one line, and the wrap that lets the tabs fit
// `room`: nothing when not even the widest words do.
struct TabCaptionFit {
    std::optional<int> wrap;
    int widestWord = 0;
    int widestCaption = 0;
};

TabCaptionFit tabCaptionFit(const QTabBar& bar, int room)
{
    const QFontMetrics metrics(bar.font());
    std::vector<QString> shown;
    TabCaptionFit fit;
    int frame = 0;
    for (int i = 0; i < bar.count(); ++i) {
        if (!bar.isTabVisible(i))
            continue;
        const QString caption = bar.tabText(i);
        const int oneLine = metrics.size(Qt::TextShowMnemonic, caption).width();
        frame = std::max(frame, bar.tabRect(i).width() - oneLine);
        fit.widestWord = std::max(fit.widestWord, WidestWord(caption, metrics));
        fit.widestCaption = std::max(fit.widestCaption, oneLine);
        shown.push_back(caption);
    }
    fit.wrap = CaptionWrapWidth(int(shown.size()), room, frame, fit.widestWord, fit.widestCaption,
                                [&](int tab, int width) { return WidestLine(shown[size_t(tab)], metrics, width); });
    return fit;
}

} // namespace

ScreenLayout::ScreenLayout(QWidget& window, QTabWidget& pages, QSize referenceSize)
    : QObject(&window)
    , window_(window)
    , pages_(pages)
    , reference_(referenceSize)
    , tabStyle_(new TabCaptionStyle)
    , advanced_(pages.findChild<QWidget*>(QStringLiteral("TabSheet4")))
{
    // The style goes with the window, after the tab bar.
    tabStyle_->setParent(this);
    pages_.tabBar()->setStyle(tabStyle_);
    // A tab shown or hidden, or a caption changed, asks the page control for a new layout.
    pages_.installEventFilter(this);
    window_.installEventFilter(this);
    if (advanced_)
        advanced_->installEventFilter(this);
}

bool ScreenLayout::eventFilter(QObject* watched, QEvent* event)
{
    // The advanced tab is measured as it is shown: the window's first showing and the
    // tab's own show step arrange it again.
    if (event->type() == QEvent::Show && current_ && advanced_ && (watched == &window_ || watched == advanced_))
        QTimer::singleShot(0, this, [this] {
            if (advanced_ && current_) {
                arrangeColumns(*advanced_, ScreenLayoutOf(*current_));
                // A window may grow as it is first laid out, before its columns are.
                fitWindow(window_.size().boundedTo(ScreenLayoutOf(*current_).screen));
            }
        });
    if (watched == &pages_ && event->type() == QEvent::LayoutRequest && current_
        && shownCaptions() != wrappedCaptions_)
        wrapTabCaptions(ScreenLayoutOf(*current_));
    return QObject::eventFilter(watched, event);
}

QStringList ScreenLayout::shownCaptions() const
{
    QStringList captions;
    const QTabBar& bar = *pages_.tabBar();
    for (int i = 0; i < bar.count(); ++i)
        if (bar.isTabVisible(i))
            captions << bar.tabText(i);
    return captions;
}

void ScreenLayout::Apply(Resolution resolution)
{
    current_ = resolution;
    const ScreenLayoutSpec& spec = ScreenLayoutOf(resolution);
    applyFonts(spec);
    applySizes(spec);
    wrapTabCaptions(spec);
    if (advanced_)
        arrangeColumns(*advanced_, spec);
    fitWindow(spec.screen);
}

void ScreenLayout::Reapply()
{
    if (current_)
        Apply(*current_);
}

void ScreenLayout::RearrangeAdvancedTab()
{
    if (!current_)
        return;
    const ScreenLayoutSpec& spec = ScreenLayoutOf(*current_);
    wrapTabCaptions(spec);
    if (advanced_)
        arrangeColumns(*advanced_, spec);
    // A window that grew for a language whose captions could not fit comes back to its
    // layout's screen; one made smaller by hand keeps its size.
    fitWindow(window_.size().boundedTo(spec.screen));
}

void ScreenLayout::fitWindow(QSize size)
{
    // A maximised window keeps the screen it fills.
    if (window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // The least size its layout gave it is that of what it held before; the layout gives it
    // again from what it holds now, and the window grows only if that needs more.
    window_.setMinimumSize(0, 0);
    if (QLayout* layout = window_.layout())
        layout->activate();
    window_.resize(size);
}

void ScreenLayout::applyFonts(const ScreenLayoutSpec& spec)
{
    QTabBar* bar = pages_.tabBar();
    scaleFont(window_, spec.fontScale);
    for (QWidget* widget : window_.findChildren<QWidget*>())
        if (widget != bar)
            scaleFont(*widget, spec.fontScale);
}

void ScreenLayout::applySizes(const ScreenLayoutSpec& spec)
{
    for (QWidget* widget : window_.findChildren<QWidget*>()) {
        if (const SizedControl* row = sizingOf(widget->objectName()))
            setSize(*widget, row->sizing, spec);
        else if (auto* field = qobject_cast<QLineEdit*>(widget))
            scaleFieldWidth(*field, spec.fontScale);
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            // A list takes its longest item's width again when a language changes its items.
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    for (int i = 0; i < pages_.count(); ++i)
        if (QLayout* layout = pages_.widget(i)->layout()) {
            layout->setContentsMargins(spec.margin, spec.margin, spec.margin, spec.margin);
            layout->setSpacing(spec.spacing);
        }
}

void ScreenLayout::wrapTabCaptions(const ScreenLayoutSpec& spec)
{
    QTabBar& bar = *pages_.tabBar();
    tabStyle_->SetMargin(spec.tabMargin);
    wrappedCaptions_ = shownCaptions();
    // The layout's caption size where the tabs fit the width, wrapped or not; a smaller one,
    // step by step, where a language's words are too long for them to fit.
    const int smallerSizes = qRound((spec.tabFontScale - kSmallestTabFont) / kTabFontStep);
    for (int step = 0; step <= smallerSizes; ++step) {
        QFont captions = window_.font();
        captions.setPointSizeF(captions.pointSizeF() * (spec.tabFontScale - step * kTabFontStep));
        bar.setFont(captions);
        tabStyle_->SetWrap(0);
        restyle(bar);
        const TabCaptionFit fit = tabCaptionFit(bar, spec.screen.width() - kPageFrame);
        if (!fit.wrap && step < smallerSizes)
            continue;
        // Without a fit even at the smallest size the widest words set the wrap and the
        // tab bar scrolls.
        const int chosen = fit.wrap.value_or(fit.widestWord);
        if (chosen < fit.widestCaption) {
            tabStyle_->SetWrap(chosen);
            restyle(bar);
        }
        return;
    }
}

void ScreenLayout::arrangeColumns(QWidget& page, const ScreenLayoutSpec& spec)
{
    // Measured as the style will show them, also before the page is first shown (a
    // polished page does not polish the children it had not yet).
    page.ensurePolished();
    for (QWidget* child : page.findChildren<QWidget*>())
        child->ensurePolished();
    auto* top = qobject_cast<QBoxLayout*>(page.layout());
    QBoxLayout* columns = nullptr;
    for (int i = 0; top && i < top->count() && !columns; ++i)
        columns = qobject_cast<QHBoxLayout*>(top->itemAt(i)->layout());
    if (!columns)
        return;
    std::vector<QGroupBox*> groups;
    int first = -1;
    int built = 0;
    for (int i = 0; i < columns->count(); ++i) {
        QLayout* column = columns->itemAt(i)->layout();
        if (!column)
            continue;
        first = first < 0 ? i : first;
        ++built;
        for (int j = 0; j < column->count(); ++j)
            if (auto* group = qobject_cast<QGroupBox*>(column->itemAt(j)->widget()))
                groups.push_back(group);
    }
    if (groups.empty())
        return;
    // The groups' rows as close as the page's controls.
    for (QGroupBox* group : groups)
        if (auto* grid = qobject_cast<QGridLayout*>(group->layout())) {
            grid->setContentsMargins(spec.margin, spec.margin, spec.margin, spec.margin);
            grid->setVerticalSpacing(spec.spacing);
        }
    if (!page.property(kDesignColumns).isValid())
        page.setProperty(kDesignColumns, built);
    const int designed = page.property(kDesignColumns).toInt();

    // The room of a page: the screen less what the window shows around it (the menu, the
    // status panel and bar, the tabs), measured as the window lays itself out now, after
    // a language change too (the page control places its tabs only once it is shown
    // again: they take the height they ask for); less, for the columns, what the page holds
    // below them.
    if (QLayout* layout = window_.layout())
        layout->activate();
    const QWidget* shown = pages_.currentWidget();
    const QTabBar& bar = *pages_.tabBar();
    const int chrome = shown ? window_.height() - shown->height() - bar.height() + bar.sizeHint().height() : 0;
    const QMargins margins = top->contentsMargins();
    int below = margins.top() + margins.bottom();
    for (int i = 0; i < top->count(); ++i)
        if (QLayoutItem* item = top->itemAt(i); item->layout() != columns && !item->isEmpty())
            below += item->sizeHint().height() + top->spacing();
    const QSize room(spec.screen.width() - margins.left() - margins.right() - kPageFrame,
                     spec.screen.height() - chrome - below);

    // The captions of the controls, on one line while the columns fit; otherwise the
    // longest wrap onto more lines, narrower step by step, until they do.
    std::vector<QLabel*> captions;
    int widest = 0;
    for (QGroupBox* group : groups)
        for (QLabel* label : group->findChildren<QLabel*>())
            if (label->buddy()) {
                unwrap(*label);
                captions.push_back(label);
                widest = std::max(widest, label->fontMetrics().horizontalAdvance(label->text()));
            }
    const auto arrange = [&](QSize within) {
        std::vector<QSize> sizes;
        for (QGroupBox* group : groups)
            sizes.push_back(group->isVisibleTo(&page) ? group->sizeHint() : QSize(0, 0));
        return ArrangeColumns(sizes, within, columns->spacing(), designed);
    };
    const auto wrapAt = [&](int wrap) {
        for (QLabel* label : captions) {
            const QFontMetrics metrics = label->fontMetrics();
            if (metrics.horizontalAdvance(label->text()) <= wrap) {
                unwrap(*label);
                continue;
            }
            const QRect lines = metrics.boundingRect(QRect(0, 0, wrap, 1 << 20), Qt::TextWordWrap, label->text());
            label->setWordWrap(true);
            // Sized here for its lines, it asks its layout for no height of its own: a
            // height that follows the width would reach the window's least size, and the
            // label's own guess wraps narrower, onto more lines than it shows.
            QSizePolicy policy = label->sizePolicy();
            policy.setHeightForWidth(false);
            label->setSizePolicy(policy);
            label->setFixedSize(std::max(wrap, lines.width()), lines.height());
        }
    };
    // The widest wrap at which the columns fit the room; when none does, the one whose
    // columns, within the width, are the shortest.
    std::optional<int> shortest;
    int shortestHeight = QWIDGETSIZE_MAX;
    for (int wrap = widest; wrap >= kNarrowestCaption; wrap -= kWrapStep) {
        wrapAt(wrap);
        const ColumnArrangement tried = arrange(room);
        if (tried.fits) {
            shortest.reset();
            break;
        }
        if (tried.width <= room.width() && tried.tallest < shortestHeight) {
            shortest = wrap;
            shortestHeight = tried.tallest;
        }
    }
    if (shortest)
        wrapAt(*shortest);
    const ColumnArrangement arranged = arrange(room);

    // The designed columns go; the groups keep their order and their place in the focus
    // chain, and stay with the page.
    for (int i = columns->count() - 1; i >= 0; --i) {
        if (QLayout* column = columns->itemAt(i)->layout()) {
            columns->removeItem(column);
            delete column;
        }
    }
    const std::vector<int>& starts = arranged.starts;
    for (size_t c = 0; c < starts.size(); ++c) {
        auto* column = new QVBoxLayout;
        const size_t end = c + 1 < starts.size() ? size_t(starts[c + 1]) : groups.size();
        for (size_t g = size_t(starts[c]); g < end; ++g)
            column->addWidget(groups[g]);
        column->addStretch(1);
        columns->insertLayout(first + int(c), column);
    }
    // The page's layout keeps the sizes it measured until told: a hidden page would ask
    // for the room of the columns it had.
    top->invalidate();
    page.updateGeometry();
}

} // namespace zantrel
