#include "config/ParameterTabLayout.h"

#include "config/ParameterDescriptions.h"
#include "config/ParameterItemLists.h"
#include "config/ParameterWords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

enum class Kind {
    Column,    // a new column of groups on the current page
    Group,     // a group box: objectName, title
    Edit,      // an edit with its label and unit
    List,      // a list with its label
    Check,     // a check box with its caption
    Button,    // a button on a row of its own
    Beside,    // a button beside the control of the row before
    Memo,      // the description memo, below the columns
    Partner,   // the hidden panel of the partner edition's twins
};

// `text` is the label (nullptr: the label of the index table) or the caption.
struct LayoutRow {
    Kind kind;
    const char* name;
    const char* text = nullptr;
    const char* unit = "";
};

constexpr const char* kRpm = "[obr./min]";
constexpr const char* kMs = "[ms]";
constexpr const char* kSeconds = "[sek.]";
constexpr const char* kBar = "[bar]";

// In focus order: Tab, Enter and the page keys go from row to row.
constexpr LayoutRow kParametersTab[] = {
    {Kind::Column, ""},
    {Kind::Group, "GroupBoxWtryskiwacze", "Wtryskiwacze i zapłon"},
    {Kind::List, "ComboBoxRodzajWtrysku", "Rodzaj wtryskiwacza gazowego"},
    {Kind::Beside, "ButtonRodzajWtryskiwaczy", "USTAW"},
    {Kind::Button, "ButtonDyszki", "zalecane dysze"},
    {Kind::List, "ComboBoxCewka"},
    {Kind::List, "EditCzasWtryskuPrzyObciazeniu"},
    {Kind::Group, "GroupBoxPrzejscie", "Przejście na gaz"},
    {Kind::Edit, "EditMinTempPrzel", nullptr, "[°C]"},
    {Kind::List, "ComboBoxDeltaObrotow"},
    {Kind::Edit, "EditRPMprzelNaLPG", nullptr, kRpm},
    {Kind::Edit, "EditWspolneCykle", nullptr, "[cykle]"},
    {Kind::Edit, "EditWzbogacanieMieszanki", nullptr, "[%]"},
    {Kind::Edit, "EditPrzesuniecie", nullptr, kMs},
    {Kind::Column, ""},
    {Kind::Group, "GroupBoxMaxRpm", "Maksymalne obroty"},
    {Kind::List, "ComboBoxMaxRpm", "Funkcja maksymalnych obrotów"},
    {Kind::Edit, "EditMaxRpm", nullptr, kRpm},
    {Kind::Group, "GroupBoxTurbo", "Turbo"},
    {Kind::List, "ComboBoxTURBO", "Silnik"},
    {Kind::Beside, "ButtonTURBO", "USTAW"},
    {Kind::Group, "GroupBoxZbiornik", "Paliwo i zbiornik"},
    {Kind::List, "ComboBoxCNGLPG", "Rodzaj paliwa"},
    {Kind::List, "ComboBoxSzkielkoRezerwy", "Czujnik rezerwy"},
    {Kind::Beside, "ButtonSzkielkoDefiniuj", "USTAW"},
    {Kind::Edit, "EditOdswiezanieOczka", nullptr, kSeconds},
    {Kind::Group, "GroupBoxSondy", "Sondy lambda"},
    {Kind::List, "ComboBoxSondaLambda1"},
    {Kind::List, "ComboBoxSondaLambda2"},
    {Kind::Memo, "MemoOpisParametru"},
    {Kind::Partner, "PanelQuillon"},
    {Kind::Edit, "EditCisnienieWylaczeniaQuillon", nullptr, kBar},
    {Kind::Edit, "EditCzasPowrotuNaBenzQuillon", nullptr, kSeconds},
    {Kind::List, "ComboBoxMaxRpmQuillon", "Funkcja maksymalnych obrotów"},
    {Kind::Edit, "EditMaxRpmQuillon", nullptr, kRpm},
    {Kind::List, "ComboBoxTURBOQuillon", "Silnik"},
    {Kind::Beside, "ButtonTURBOQuillon", "USTAW"},
};

constexpr LayoutRow kAdvancedTab[] = {
    {Kind::Column, ""},
    {Kind::Group, "GroupBoxCisnienie", "Ciśnienie gazu"},
    {Kind::List, "ComboBoxPodcisnienieReduktora", "Podciśnienie reduktora"},
    {Kind::Edit, "EditCisnienieWylaczenia", nullptr, kBar},
    {Kind::Edit, "EditCzasPowrotuNaBenz", nullptr, kSeconds},
    {Kind::Edit, "EditCisnienieBeep", nullptr, kBar},
    {Kind::List, "ComboBoxFiltrowanieCisnienia"},
    {Kind::Group, "GroupBoxPrzelaczanie", "Przełączanie i zabezpieczenia"},
    {Kind::Edit, "EditOnTimeToInjTime", nullptr, kSeconds},
    {Kind::List, "ComboBoxDeltaRpm"},
    {Kind::List, "ComboBoxBuzzer", "Sygnał zmiany paliwa"},
    {Kind::List, "ComboBoxMrozGaz"},
    {Kind::List, "ComboBoxMrozRed"},
    {Kind::List, "ComboBoxRodzajCzTemp", "Czujnik temp. reduktora"},
    {Kind::List, "ComboBoxSpuscPsys", "Zawór upustowy"},
    {Kind::Check, "CheckBoxLpgStart", "Start na gazie"},
    {Kind::Column, ""},
    {Kind::Group, "GroupBoxWtryskiwaczeGazowe", "Wtryskiwacze gazowe"},
    {Kind::Edit, "EditParametryMaxInj", nullptr, kMs},
    {Kind::Edit, "EditMinimalnyCzasWtrysku", nullptr, kMs},
    {Kind::Edit, "EditPelneOtwarcie", nullptr, kMs},
    {Kind::Edit, "EditProcentowePodtrzymanie", nullptr, "[%]"},
    {Kind::Edit, "EditOpoznienieWtryskiwaczy", nullptr, kMs},
    {Kind::Button, "PoprawkiButton", "Korekta na wtryskiwacz"},
    {Kind::Column, ""},
    {Kind::Group, "GroupBoxSterowanie", "Sterowanie wtryskiem"},
    {Kind::List, "ComboBoxMocnoZaawansowane"},
    {Kind::List, "ComboBoxAlgorytm", "Algorytm sterowania"},
    {Kind::Group, "GroupBoxRozgrzWtr", "Rozgrzewanie wtryskiwaczy"},
    {Kind::List, "ComboBoxRozgrzewanieWtryskiwaczaTervo", "Rozgrzewanie"},
    {Kind::List, "ComboBoxSilaRozgrzewaniaWtryskuTervo"},
    {Kind::Edit, "EditTempRozgrz"},
    {Kind::Edit, "EditCzasRozgrz"},
    {Kind::Edit, "EditInjRozgrz"},
    {Kind::List, "ComboBoxRozgrzewanieWtryskiwacza", "Rozgrzewanie"},
    {Kind::List, "ComboBoxSilaRozgrzewaniaWtrysku"},
    {Kind::Group, "GroupBoxSygnaly", "Sygnały wejściowe"},
    {Kind::Edit, "EditMultiRpmPower"},
    {Kind::List, "ComboBoxSygnalObrotow", "Poziom sygnału obrotów"},
    {Kind::Edit, "EditSignalInj"},
    {Kind::Memo, "MemoOpisZaawansowanych"},
};

// Labels named otherwise than "Label" followed by the control's name without its kind.
struct LabelName {
    const char* control;
    const char* label;
};

constexpr LabelName kLabelNames[] = {
    {"EditWzbogacanieMieszanki", "LabelWzbogacanie"},
    {"ComboBoxMrozGaz", "LabelWylOdTemp"},
    {"ComboBoxMrozRed", "LabelWylOdTemp2"},
    {"ComboBoxRodzajCzTemp", "LambaRodzajCzTemp"},
};

// What this edition hides or disables at start-up; a hidden control takes its label and
// unit with it.
struct StartState {
    const char* control;
    bool shown;
    bool enabled;
};

constexpr StartState kStartStates[] = {
    {"EditWzbogacanieMieszanki", false, false},
    {"ComboBoxPodcisnienieReduktora", true, false},
    {"ButtonDyszki", false, true},
    {"ButtonRodzajWtryskiwaczy", false, true},
    {"ButtonSzkielkoDefiniuj", false, true},
    {"ButtonTURBO", false, true},
    {"ComboBoxRozgrzewanieWtryskiwacza", false, true},
    {"ComboBoxSilaRozgrzewaniaWtrysku", false, true},
    {"ComboBoxMrozGaz", false, true},
    {"ComboBoxMrozRed", false, true},
    {"ComboBoxFiltrowanieCisnienia", false, true},
    {"ComboBoxDeltaRpm", false, true},
};

constexpr int kEditWidth = 60;
// Lists are as wide as their longest item, up to this many characters; the drop-down
// shows the whole of every item.
constexpr int kListCharacters = 16;
constexpr int kMemoHeight = 84;
constexpr int kMargin = 6;
constexpr int kSpacing = 4;

QString labelNameOf(const char* control)
{
    for (const LabelName& l : kLabelNames)
        if (qstrcmp(l.control, control) == 0)
            return QString::fromLatin1(l.label);
    QString name = QString::fromLatin1(control);
    for (const char* kind : {"ComboBox", "Edit", "CheckBox"})
        if (name.startsWith(QLatin1String(kind)))
            return QStringLiteral("Label") + name.mid(qsizetype(qstrlen(kind)));
    return QStringLiteral("Label") + name;
}

// The label the index table gives the control.
QString tableLabelOf(const char* control)
{
    const QString name = QString::fromLatin1(control);
    if (const std::optional<int> word = WordOfControl(name))
        for (const ParameterControl& c : ParameterWordAt(*word).controls)
            if (c.name && name == QLatin1String(c.name))
                return QString::fromUtf8(c.label);
    return {};
}

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Lays out one page's rows into columns of groups.
class PageBuilder {
public:
    explicit PageBuilder(QWidget& page) : page_(page), pageLayout_(new QVBoxLayout(&page)), columns_(new QHBoxLayout)
    {
        pageLayout_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
        columns_->setSpacing(kSpacing);
        pageLayout_->addLayout(columns_, 1);
    }

    void add(const LayoutRow& row)
    {
        switch (row.kind) {
        case Kind::Column:
            closeColumn();
            column_ = new QVBoxLayout;
            columns_->addLayout(column_);
            break;
        case Kind::Group: {
            auto* group = named(new QGroupBox(QString::fromUtf8(row.text), &page_), row.name);
            grid_ = new QGridLayout(group);
            grid_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
            grid_->setHorizontalSpacing(kSpacing);
            grid_->setColumnStretch(1, 1);
            rows_ = 0;
            column_->addWidget(group);
            break;
        }
        case Kind::Partner: {
            closeColumn();
            auto* panel = named(new QWidget(&page_), row.name);
            panel->hide();
            grid_ = new QGridLayout(panel);
            rows_ = 0;
            columns_->addWidget(panel);
            break;
        }
        case Kind::Edit: {
            auto* edit = named(new QLineEdit(&page_), row.name);
            edit->setFixedWidth(kEditWidth);
            addRow(row, edit);
            break;
        }
        case Kind::List: {
            auto* list = named(new QComboBox(&page_), row.name);
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            if (const ItemList* items = FindItemList(list->objectName())) {
                list->addItems(items->items);
                for (const QString& item : items->items)
                    if (item.size() > kListCharacters) {
                        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                        list->setMinimumContentsLength(kListCharacters);
                    }
            }
            list->setCurrentIndex(-1);
            addRow(row, list);
            break;
        }
        case Kind::Check:
            grid_->addWidget(named(new QCheckBox(QString::fromUtf8(row.text), &page_), row.name), rows_++, 1);
            break;
        case Kind::Button:
            grid_->addWidget(named(new QPushButton(QString::fromUtf8(row.text), &page_), row.name), rows_++, 0, 1, 2,
                             Qt::AlignLeft);
            break;
        case Kind::Beside:
            field_->insertWidget(field_->count() - 1, named(new QPushButton(QString::fromUtf8(row.text), &page_), row.name));
            break;
        case Kind::Memo: {
            closeColumn();
            auto* memo = named(new QPlainTextEdit(DescriptionMemoPrompt(), &page_), row.name);
            memo->setReadOnly(true);
            memo->setFocusPolicy(Qt::NoFocus);
            memo->setFixedHeight(kMemoHeight);
            pageLayout_->addWidget(memo);
            break;
        }
        }
    }

private:
    // The groups of a column keep to its top.
    void closeColumn()
    {
        if (column_)
            column_->addStretch(1);
        column_ = nullptr;
    }

    void addRow(const LayoutRow& row, QWidget* control)
    {
        const QString text = row.text ? QString::fromUtf8(row.text) : tableLabelOf(row.name);
        auto* label = new QLabel(text, &page_);
        label->setObjectName(labelNameOf(row.name));
        label->setBuddy(control);
        // The control with its unit or button right after it.
        field_ = new QHBoxLayout;
        field_->addWidget(control);
        if (*row.unit) {
            auto* unit = new QLabel(QString::fromUtf8(row.unit), &page_);
            unit->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Unit"));
            field_->addWidget(unit);
        }
        field_->addStretch(1);
        grid_->addWidget(label, rows_, 0);
        grid_->addLayout(field_, rows_, 1);
        ++rows_;
    }

    QWidget& page_;
    QVBoxLayout* pageLayout_;
    QHBoxLayout* columns_;
    QVBoxLayout* column_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QHBoxLayout* field_ = nullptr;
    int rows_ = 0;
};

template <size_t N>
void buildPage(QWidget& page, const LayoutRow (&rows)[N])
{
    PageBuilder builder(page);
    for (const LayoutRow& row : rows)
        builder.add(row);
}

void applyStartState(QWidget& page, const StartState& state)
{
    const QString name = QString::fromLatin1(state.control);
    QWidget* control = page.findChild<QWidget*>(name);
    if (!control)
        return;
    QWidget* label = page.findChild<QWidget*>(labelNameOf(state.control));
    QWidget* unit = page.findChild<QWidget*>(name + QStringLiteral("Unit"));
    for (QWidget* w : {control, label, unit}) {
        if (!w)
            continue;
        w->setVisible(state.shown);
        w->setEnabled(state.enabled);
    }
}

} // namespace

void BuildParameterTabs(QWidget& parametersPage, QWidget& advancedPage)
{
    buildPage(parametersPage, kParametersTab);
    buildPage(advancedPage, kAdvancedTab);
    for (const StartState& state : kStartStates)
        for (QWidget* page : {&parametersPage, &advancedPage})
            applyStartState(*page, state);
}

} // namespace zantrel
