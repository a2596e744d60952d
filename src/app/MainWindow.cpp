#include "app/MainWindow.h"

#include "app/HelpViewer.h"
#include "app/LanguageTable.h"
#include "app/MenuTable.h"
#include "app/SettingsFiles.h"
#include "app/ShortcutPriority.h"
#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/ParameterEditorTabs.h"
#include "config/ParameterTransferUi.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "layout/ScreenLayout.h"
#include "link/ConnectingWindow.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/PortChooserWindow.h"
#include "link/PortMenu.h"
#include "link/PortNames.h"
#include "live/DiagnosticTimes.h"
#include "live/LiveView.h"
#include "live/ReadingsTab.h"
#include "live/RecorderControls.h"
#include "live/ReplayControls.h"
#include "live/StatusPanel.h"
#include "maps/MapTabClick.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zantrel {

namespace {

struct TimerRow {
    QTimer TForm1::*timer;
    const char* name;
    int intervalMs;
    bool enabledAtStart;
    bool adaptationStep;
};

const TimerRow kTimers[] = {
    {&TForm1::TimerVizualizacja, "TimerVizualizacja", 25, true, false},
    {&TForm1::TimerAutoconnect, "TimerAutoconnect", 100, false, false},
    {&TForm1::TimerVizualizacjaDEMO, "TimerVizualizacjaDEMO", 40, false, false},
    {&TForm1::TimerWolneRpmLPG, "TimerWolneRpmLPG", 50, false, true},
    {&TForm1::TimerWolneRpmBenz, "TimerWolneRpmBenz", 50, false, true},
    {&TForm1::TimerWdepniecieBenzyna, "TimerWdepniecieBenzyna", 50, false, true},
    {&TForm1::TimerWdepniecieLPG, "TimerWdepniecieLPG", 50, false, true},
    {&TForm1::TimerOpoznienie1, "TimerOpoznienie1", 100, false, true},
    {&TForm1::TimerOpoznienie2, "TimerOpoznienie2", 100, false, true},
    {&TForm1::TimerAutoTemp, "TimerAutoTemp", 100, false, true},
    {&TForm1::TimerNaBenz1, "TimerNaBenz1", 100, false, true},
    {&TForm1::TimerNaBenz2, "TimerNaBenz2", 100, false, true},
    {&TForm1::TimerNaGaz1, "TimerNaGaz1", 100, false, true},
    {&TForm1::TimerNaGaz2, "TimerNaGaz2", 100, false, true},
};

constexpr QSize kMainPageSize(1009, 587);
constexpr int kNoteShownMs = 15'000;
constexpr int kMaximisedScreenWidth = 800;

// Language items that the edition shows or hides at start-up.
constexpr const char* kHiddenLanguages[] = {"Turecki1", "Bulgarski1"};
constexpr const char* kShownLanguages[] = {"Wloski1", "Rumunski1"};

// Disabled again after a click on the map tab, once those editors exist.
constexpr const char* kDisabledByMapTabClick[] = {"EditWzbogacanieMieszanki", "LabelWzbogacanie"};

struct ResolutionItem {
    const char* name;
    Resolution resolution;
};

// The item named for 640x480 lays out for 800x600: it is the smallest layout offered.
constexpr ResolutionItem kResolutionItems[] = {
    {"N640x4801", Resolution::R800x600},
    {"N1024x7681", Resolution::R1024x768},
    {"N1280x10241", Resolution::R1280x1024},
};

} // namespace

TForm1::TForm1(EcuLink& link, LinkGate& gate, ControllerImage& image, LanguageStrings& texts, Prompter& prompter,
               const CommandLineOptions& options, QWidget* parent)
    : QMainWindow(parent)
    , link_(link)
    , gate_(gate)
    , image_(image)
    , parameters_(image.Parameters())
    , texts_(texts)
    , prompter_(prompter)
    , commands_(link)
    , menu_(*this)
{
    setObjectName(QStringLiteral("TForm1"));
    autodetectAnswer_ = options.autodetect;
    service_ = options.service;
    settings_ = std::make_unique<RegistrySettings>(options.settingsFile);
    lastPortSettings_ = std::make_unique<LastPortSettings>(*settings_, texts_);
    BuildControls();
    liveView_ = new LiveView(*this, link_, commands_, parameters_, texts_, *statusPanel_);
    BuildTimers();
    ConnectTabItems();
    ConnectSettingsItems();
    RunCreationSteps(options);
    CreateSecondaryWindows(options);
    // The tabs and dialogs wired in after the creation steps take the chosen layout too.
    screenLayout_->Reapply();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    statusPanel_ = new StatusPanel(texts_, central);
    EditStatus = statusPanel_->EditStatus;
    column->addWidget(statusPanel_);

    MainPage = new QTabWidget(central);
    MainPage->setObjectName(QStringLiteral("MainPage"));
    // Tabs change by clicks and Ctrl+Tab only, both guarded below; not by the wheel or
    // by arrow keys on a focused tab bar.
    MainPage->tabBar()->setFocusPolicy(Qt::NoFocus);
    // The captions carry their function keys, so they are never shortened: the screen
    // layout wraps them instead where they would not fit.
    MainPage->setElideMode(Qt::ElideNone);
    MainPage->tabBar()->installEventFilter(this);
    MainPage->installEventFilter(this);
    for (const TabSpec& spec : MainTabs()) {
        auto* page = new QWidget(MainPage);
        page->setObjectName(QString::fromLatin1(spec.name));
        const int index = MainPage->addTab(page, QString::fromUtf8(spec.caption));
        MainPage->setTabVisible(index, spec.shownAtDesign);
        tabs_[std::size_t(spec.id)] = page;
    }
    column->addWidget(MainPage, 1);
    setCentralWidget(central);

    // Left of the progress bar, which the transfer adds; a note stays a while, then gives
    // the bar its room back.
    LabelNote = new QLabel(this);
    LabelNote->setObjectName(QStringLiteral("LabelNote"));
    statusBar()->addPermanentWidget(LabelNote);
    noteShown_.setSingleShot(true);
    noteShown_.setInterval(kNoteShownMs);
    connect(&noteShown_, &QTimer::timeout, LabelNote, &QLabel::clear);
}

void TForm1::BuildTimers()
{
    for (const TimerRow& row : kTimers) {
        QTimer& timer = this->*row.timer;
        timer.setObjectName(QString::fromLatin1(row.name));
        timer.setInterval(row.intervalMs);
        if (row.enabledAtStart)
            timer.start();
    }
    connect(&TimerVizualizacja, &QTimer::timeout, this, &TForm1::TimerVizualizacjaTimer);
}

void TForm1::ConnectTabItems()
{
    for (const TabSpec& spec : MainTabs()) {
        if (*spec.menuItem == '\0')
            continue;
        connect(MenuItem(QString::fromLatin1(spec.menuItem)), &QAction::triggered, this,
                [this, id = spec.id, widen = spec.widenAfterSelect] {
                    SelectTab(id);
                    if (widen)
                        WidenByOnePixel();
                });
    }
}

// The creation steps in their order; the editors of the parameter, map and service tabs
// add theirs here as they come.
void TForm1::RunCreationSteps(const CommandLineOptions& options)
{
    MainPage->setTabVisible(MainPage->indexOf(Tab(TabId::TabSheetMapaTemp)), true);

    // The window is sized so that the page control gets its design size.
    resize(kMainPageSize.width(),
           kMainPageSize.height() + statusPanel_->sizeHint().height() + menuBar()->sizeHint().height());

    separators_ = SeparatorsOf(QLocale::system());

    for (const char* name : kHiddenLanguages)
        ShowMenuItem(QString::fromLatin1(name), false);
    for (const char* name : kShownLanguages)
        ShowMenuItem(QString::fromLatin1(name), true);

    // What this edition shows and hides of the map editors.
    ShowMenuItem(QStringLiteral("MapaInj1"), false);
    MainPage->setTabVisible(MainPage->indexOf(Tab(TabId::TabSheet6)), true);
    MenuItem(QStringLiteral("Mapa1"))->setEnabled(true);

    workingDirectory_ = QDir::currentPath();
    shippedDirectory_ = workingDirectory_;

    setWindowTitle(BaseCaption(texts_));
    MenuItem(QStringLiteral("Polski1"))->setChecked(true);
    MenuItem(QStringLiteral("N640x4801"))->setChecked(true);

    AssignShortcuts();

    // What the screen layout moves is found when a layout is applied; its reference is
    // the oscilloscope tab at the design size of the page control.
    screenLayout_ = new ScreenLayout(
        *this, *MainPage,
        QSize(kMainPageSize.width(), kMainPageSize.height() - MainPage->tabBar()->sizeHint().height()));

    LoadRegistrySettings();
    // A port given on the command line wins over the stored one.
    if (options.port)
        link_.SetLastPortName(*options.port);
    ShowLastPort();

    // The larger layouts are offered only where the screen is wide enough for them.
    const QScreen* screen = this->screen();
    const int screenWidth = screen ? screen->size().width() : 0;
    MenuItem(QStringLiteral("N1280x10241"))->setEnabled(Allows1280(screenWidth));
    MenuItem(QStringLiteral("N1024x7681"))->setEnabled(Allows1024(screenWidth));
    ApplyStoredResolution(screenWidth);

    if (screenWidth == kMaximisedScreenWidth)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::AssignShortcuts()
{
    for (const MenuItemSpec& spec : MainMenuItems()) {
        if (*spec.shortcut == '\0')
            continue;
        MenuItem(QString::fromLatin1(spec.name))->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut)));
    }
    QCoreApplication::instance()->installEventFilter(
        new ShortcutPriority(*this, [this](const QString& name) { return MenuItem(name); }));
}

void TForm1::ConnectSettingsItems()
{
    QAction* space = MenuItem(QStringLiteral("spacjaprzelaczabg1"));
    connect(space, &QAction::triggered, this,
            [this](bool checked) { ReportSettingsProblem(settings_->SaveSpaceBG(checked)); });
    for (const ResolutionItem& item : kResolutionItems)
        connect(MenuItem(QString::fromLatin1(item.name)), &QAction::triggered, this,
                [this, r = item.resolution] { ChooseResolutionItem(r); });
    for (const LanguageRow& row : Languages())
        connect(MenuItem(QString::fromLatin1(row.menuItem)), &QAction::triggered, this,
                [this, code = row.code] { ChooseLanguage(code); });
    connect(MenuItem(QStringLiteral("Help1")), &QAction::triggered, this, &TForm1::OpenHelp);
}

void TForm1::LoadRegistrySettings()
{
    const RegistrySettings::Loaded stored = settings_->LoadRegistrySettings();
    MenuItem(QStringLiteral("spacjaprzelaczabg1"))->setChecked(stored.spaceBG);
    if (!stored.lastPortDevice.isEmpty())
        link_.SetLastPortName(stored.lastPortDevice);
    else if (stored.lastPortNumber)
        link_.SetLastPortName(LastPortNameForNumber(*stored.lastPortNumber));
    ReportSettingsProblem(stored.problem);
}

void TForm1::ReportSettingsProblem(RegistrySettings::Problem problem)
{
    const QString text = SettingsProblemText(texts_, problem, settings_->location());
    if (text.isEmpty())
        return;
    // Not from inside a handler or the window's creation: the box runs from the loop.
    QMetaObject::invokeMethod(
        this, [this, text] { prompter_.Inform(texts_[Text::Error], text); }, Qt::QueuedConnection);
}

void TForm1::ShowLastPort()
{
    MenuItem(PortItemName(kLastPortSlot))->setText(PortItemCaption(link_.LastPortName()));
}

void TForm1::ApplyStoredResolution(int screenWidth)
{
    const std::optional<Resolution> chosen = ChooseResolution(
        LoadResolutionByte(QDir::currentPath()), Allows1024(screenWidth), Allows1280(screenWidth));
    if (chosen)
        ChooseResolutionItem(*chosen);
}

void TForm1::ChooseResolutionItem(Resolution resolution)
{
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    screenLayout_->Apply(resolution);
    for (const ResolutionItem& item : kResolutionItems)
        MenuItem(QString::fromLatin1(item.name))->setChecked(item.resolution == resolution);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
        if (screen->size().width() == ScreenLayoutOf(resolution).screen.width())
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    QDir::setCurrent(workingDirectory_);
    SaveResolution(workingDirectory_, resolution);
}

void TForm1::OpenHelp()
{
    QDir::setCurrent(workingDirectory_);
    const QString path = HelpFilePath(shippedDirectory_);
    if (!QFileInfo::exists(path)) {
        prompter_.Inform(texts_[Text::Error], texts_[Text::HelpMissing].arg(path));
        return;
    }
    const ViewerCommand viewer = HelpViewerCommand(path);
    if (!QProcess::startDetached(viewer.program, viewer.arguments))
        prompter_.Inform(texts_[Text::Error], texts_[Text::FileOperationFailed]);
}

TabId TForm1::CurrentTab() const
{
    const auto found = std::find(tabs_.begin(), tabs_.end(), MainPage->currentWidget());
    return TabId(found - tabs_.begin());
}

void TForm1::SelectTab(TabId id)
{
    MainPage->setCurrentWidget(Tab(id));
}

void TForm1::SetTabShown(TabId id, bool shown)
{
    MainPage->setTabVisible(MainPage->indexOf(Tab(id)), shown);
}

QStatusBar& TForm1::StatusBar()
{
    return *statusBar();
}

void TForm1::ShowNote(const QString& text)
{
    LabelNote->setText(text);
    noteShown_.start();
}

bool TForm1::event(QEvent* event)
{
    // The first activation asks its question from the event loop, not from inside the
    // activation; the flag is set at once so that a second activation while the box is
    // open does not ask again.
    if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        QMetaObject::invokeMethod(this, &TForm1::FirstActivation, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void TForm1::FirstActivation()
{
    if (const std::optional<int> code = LoadLanguageCode(workingDirectory_))
        ChooseLanguage(*code);
    const bool connect = autodetectAnswer_
        ? *autodetectAnswer_
        : prompter_.AskYesNo(texts_[Text::AutodetectCaption], texts_[Text::AutodetectQuestion]);
    if (connect)
        MenuItem(QStringLiteral("AutodetekcjaCTRLD1"))->trigger();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == MainPage->tabBar()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                return false;
            UserSelectsTab(MainPage->tabBar()->tabAt(mouse->position().toPoint()));
            return true;
        }
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
    if (watched == MainPage && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlTab = (key->modifiers() & Qt::ControlModifier)
            && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
        if (!ctrlTab)
            return false;
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        UserSelectsTab(NeighbourTab(MainPage->currentIndex(), MainPage->count(), back ? -1 : 1,
                                    [this](int index) { return TabSelectable(index); }));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::TabSelectable(int index) const
{
    return MainPage->isTabVisible(index) && MainPage->isTabEnabled(index);
}

void TForm1::UserSelectsTab(int index)
{
    if (index < 0 || index == MainPage->currentIndex() || !TabSelectable(index))
        return;
    if (CurrentTab() == TabId::TabSheet5 && adaptationRunning_) {
        if (!prompter_.AskYesNo(QString(), texts_[Text::LeaveAdaptationQuestion]))
            return;
        StopAdaptation();
        TimerVizualizacja.start();
    }
    MainPage->setCurrentIndex(index);
    AfterTabClick(CurrentTab());
}

void TForm1::AfterTabClick(TabId tab)
{
    switch (tab) {
    case TabId::TabSheet6:
        SelectLoadRpmMapOnTabClick(parameters_, gate_);
        for (const char* name : kDisabledByMapTabClick) {
            if (auto* control = findChild<QWidget*>(QString::fromLatin1(name)))
                control->setEnabled(false);
        }
        break;
    case TabId::TabSheetMapaTemp:
        ReadTemperatureMap();
        break;
    default:
        break;
    }
}

void TForm1::StopAdaptation()
{
    for (const TimerRow& row : kTimers) {
        if (row.adaptationStep)
            (this->*row.timer).stop();
    }
    adaptationRunning_ = false;
}

void TForm1::WidenByOnePixel()
{
    // The screen layout runs again for the tab now shown; the window keeps its size.
    screenLayout_->Reapply();
}

void TForm1::TimerVizualizacjaTimer()
{
    liveView_->Poll().Tick();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A transfer under way ends here: the port closes below.
    gate_.Cancel();
    StopAdaptation();
    TimerVizualizacjaDEMO.stop();
    hide();
    const bool save = shutdownAnswer_
        ? *shutdownAnswer_
        : prompter_.AskYesNo(texts_[Text::SaveParametersCaption], texts_[Text::SaveParametersQuestion]);
    if (save)
        MenuItem(QStringLiteral("ZapiszParametryCTRLS1"))->trigger();
    if (link_.PortOpen())
        link_.ClosePort();
    event->accept();
    emit ShutdownComplete();
}

} // namespace zantrel
