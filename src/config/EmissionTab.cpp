#include "config/EmissionTab.h"

#include "base/LanguageStrings.h"
#include "base/ShellWindow.h"
#include "base/TypedKeyFilter.h"
#include "config/EmissionConversions.h"
#include "config/ParameterItemLists.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
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

constexpr const char* kMemo = "MemoEmisja";

// The groups of the tab, two words each: caption, and label and word of each row.
struct EmissionGroup {
    const char* caption;
    const char* labels[2];
    int words[2];
};

constexpr EmissionGroup kGroups[] = {
    {"Reakcja na Lambde", {"Prog Gorny:", "Prog Dolny:"}, {0, 1}},
    {"Maximum i minimum korekty:", {"Max:", "Min:"}, {2, 3}},
    {"Szybkosci narastania [Promile/sek]", {"W górę:", "W dół:"}, {4, 5}},
    {"Czas Trwania Korekty:", {"Dołu:", "Góry:"}, {6, 7}},
    {"Obciążenie:", {"Min:", "Max:"}, {8, 9}},
    {"Obroty/min:", {"Min:", "Max:"}, {10, 11}},
};

// What the edits show before any read, by word; "," stands for the decimal separator.
constexpr const char* kFormTexts[kEmissionWords] = {"0,75", "0,4", "10600", "10000", "100", "100",
                                                    "100",  "100", "2",     "12",    "100", "7000"};

struct ControlHelp {
    const char* control;
    Text help;
};

constexpr ControlHelp kHelp[] = {
    {"EditLambdaGora", Text::EmissionHelpLambdaUpper},   {"EditLambdaDol", Text::EmissionHelpLambdaLower},
    {"EditNarastUp", Text::EmissionHelpRiseUp},          {"EditNarastDown", Text::EmissionHelpRiseDown},
    {"EditKorTimeUp", Text::EmissionHelpTimeUp},         {"EditKorTimeDown", Text::EmissionHelpTimeDown},
    {"EditMaxKor", Text::EmissionHelpMaxCorrection},     {"EditMinKor", Text::EmissionHelpMinCorrection},
    {"EditInjMax", Text::EmissionHelpLoadMax},           {"EditInjMin", Text::EmissionHelpLoadMin},
    {"EditRpmMax", Text::EmissionHelpRpmMax},            {"EditRpmMin", Text::EmissionHelpRpmMin},
    {"ComboBoxFiltrIner", Text::EmissionHelpInertialFilter}, {"ComboBoxInercLambda", Text::EmissionHelpLambdaOk},
    {"ComboBoxWolnozmienna", Text::EmissionHelpSlowCorrection},
    {"ComboBoxInercRPM", Text::EmissionHelpRpmLimitation},
    {"ComboBoxObcKorekt", Text::EmissionHelpLoadLimitation},
};

QPushButton* newButton(const char* caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

EmissionTab::EmissionTab(ShellWindow& window, ControllerImage& image, LinkGate& gate, Prompter& prompter,
                         const LanguageStrings& texts)
    : QObject(&window.Widget())
    , window_(window)
    , texts_(texts)
    , screen_(window)
    , editor_(image, gate, screen_, prompter, texts, window.EntrySeparators().decimal)
{
    build(*window.Tab(TabId::TabSheetEmisja));
    // The shipped configuration keeps the tab out of sight.
    window.SetTabShown(TabId::TabSheetEmisja, window.ServiceView());
    window.OnTextsChanged([this] { screen_.SetText(kMemo, texts_[memoText_]); });
}

void EmissionTab::build(QWidget& page)
{
    const Separators& separators = window_.EntrySeparators();
    auto* columns = new QHBoxLayout(&page);
    auto* grid = new QGridLayout;
    int cell = 0;
    for (const EmissionGroup& g : kGroups) {
        auto* group = new QGroupBox(QString::fromUtf8(g.caption), &page);
        group->setObjectName(QStringLiteral("GroupBoxEmisja%1").arg(cell + 1));
        auto* form = new QFormLayout(group);
        for (int r = 0; r < 2; ++r) {
            const int word = g.words[r];
            const EmissionRow& row = EmissionRows()[size_t(word)];
            auto* edit = new QLineEdit(group);
            edit->setObjectName(QString::fromLatin1(row.edit));
            edit->setText(QString::fromLatin1(kFormTexts[word]).replace(u',', separators.decimal));
            const EntryKind kind = EmissionEntryKind(word);
            FilterTypedKeys(*edit, [kind, separators](QChar key) { return FilterEntryKey(kind, key, separators); });
            edit->installEventFilter(this);
            auto* label = new QLabel(QString::fromUtf8(g.labels[r]), group);
            label->setObjectName(QStringLiteral("Label") + edit->objectName().mid(4));
            form->addRow(label, edit);
        }
        grid->addWidget(group, cell / 2, cell % 2);
        ++cell;
    }
    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    for (const EmissionSwitch& s : EmissionSwitches()) {
        auto* list = new QComboBox(&page);
        list->setObjectName(QString::fromLatin1(s.control));
        if (const ItemList* items = FindItemList(list->objectName()))
            list->addItems(items->items);
        list->setCurrentIndex(0);
        list->installEventFilter(this);
        left->addWidget(list);
    }
    auto* buttons = new QHBoxLayout;
    QPushButton* read = newButton("Odczytaj wszystko", "Button39", &page);
    QPushButton* save = newButton("Zapisz wszystko", "Button38", &page);
    QPushButton* reset = newButton("Zresetuj wszystko", "Button42", &page);
    buttons->addWidget(read);
    buttons->addWidget(save);
    buttons->addWidget(reset);
    left->addLayout(buttons);
    auto* status = new QLabel(&page);
    status->setObjectName(QString::fromLatin1(EmissionEditor::kStatus));
    status->setWordWrap(true);
    left->addWidget(status);
    left->addStretch();
    columns->addLayout(left, 2);

    auto* memo = new QPlainTextEdit(&page);
    memo->setObjectName(QString::fromLatin1(kMemo));
    memo->setReadOnly(true);
    memo->setPlainText(texts_[Text::DescriptionPrompt]);
    columns->addWidget(memo, 1);

    connect(read, &QPushButton::clicked, this, [this] { editor_.Read(); });
    connect(save, &QPushButton::clicked, this, [this] { editor_.Save(); });
    connect(reset, &QPushButton::clicked, this, [this] { editor_.Reset(); });
}

bool EmissionTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const QString name = watched->objectName();
        for (const ControlHelp& h : kHelp)
            if (name == QLatin1String(h.control)) {
                memoText_ = h.help;
                screen_.SetText(kMemo, texts_[h.help]);
            }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zantrel
