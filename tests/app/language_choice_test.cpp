#include "app/LanguageApply.h"
#include "app/LanguageTable.h"
#include "base/CodePage.h"
#include "base/LanguageFile.h"
#include "base/LanguageStrings.h"
#include "base/LanguageTargets.h"
#include "service/ReserveGaugeWindow.h"
#include "widgets/FuelButton.h"
#include "widgets/Led.h"
#include "widgets/RoundGauge.h"

#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QToolButton>

#include <map>

namespace zantrel::test {
namespace {

using LanguageChoiceTest = MainWindowFixture;

// Texts no language changes: numbers, units, symbols, cylinder and point numbers.
bool languageNeutral(const QString& text)
{
    static const QRegularExpression units(QStringLiteral("(?<![^\\W\\d_])(ms|mm|L|Bar|bar|V|x|T|[TPL]\\d+)\\b"));
    static const QRegularExpression letter(QStringLiteral("[^\\W\\d_]"));
    return !QString(text).remove(QStringLiteral("°C")).remove(units).contains(letter);
}

// Controls whose text a language string or the program's state sets, and controls that
// never show their text: they have no id of their own.
const QSet<QString> kWithoutId = {
    QStringLiteral("BG_Brisca/on"),                 // "Benzyna" or "Gaz": the fuel strings
    QStringLiteral("AbLEDError/caption"),           // "Sprawny" or "Błąd": the error strings
    QStringLiteral("ButtonRozpocznijAuto/caption"), // "START" or "PRZERWIJ"
    QStringLiteral("ButtonCofnijAutoadaptacje/caption"),
    QStringLiteral("LabelNote/caption"),
    QStringLiteral("LabelMapaTempStan/caption"),
    QStringLiteral("LabelEmisjaStan/caption"),
    QStringLiteral("TForm14.LabelCOM/caption"),     // the port's name
    QStringLiteral("ComboBoxSzkielkoRezerwy/item"), // rebuilt from the reserve strings
    QStringLiteral("ButtonOdczytajParam/caption"),  // hidden command buttons
    QStringLiteral("ButtonZapisWszystkiego/caption"),
    QStringLiteral("ButtonDaneFull/caption"),
    QStringLiteral("przelacznikbg/caption"),        // a hidden item, only its shortcut works
};

bool withoutId(const QString& name, const char* kind)
{
    static const QRegularExpression stateSet(
        QStringLiteral("^(ButtonW\\d|COM\\dCTRL\\d1|N\\d+x\\d+1|Label(ObciazBenz|ObciazLPG|PsysMax|SredniBenzyna|"
                       "SredniLPG|PsysMin|RoznicaWolne|AutoadapKorekta))$"));
    return kWithoutId.contains(name + u'/' + QLatin1String(kind)) || stateSet.match(name).hasMatch();
}

struct Shown {
    QString target;
    const char* kind;
    int item;
    QString text;
};

// Every text the windows show, as a language target would name it.
std::vector<Shown> shownTexts(TForm1& window)
{
    std::vector<Shown> shown;
    const auto keyOf = [&window](QObject* o) {
        for (QObject* p = o; p && p != &window; p = p->parent())
            if (qobject_cast<QDialog*>(p))
                return p == o ? o->objectName() : p->objectName() + u'.' + o->objectName();
        return o->objectName();
    };
    const auto add = [&shown](const QString& key, const char* kind, int item, const QString& text) {
        if (!text.isEmpty() && !languageNeutral(text))
            shown.push_back({key, kind, item, text});
    };
    for (QAction* a : window.findChildren<QAction*>())
        if (!a->objectName().isEmpty())
            add(a->objectName(), "caption", -1, a->text());
    for (QMenu* m : window.findChildren<QMenu*>())
        add(m->objectName(), "caption", -1, m->title());
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->widget(i)->objectName(), "caption", -1, tabs->tabText(i));
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QMenu*>(w))
            continue;
        const QString key = keyOf(w);
        if (auto* d = qobject_cast<QDialog*>(w))
            add(key, "caption", -1, d->windowTitle());
        if (auto* l = qobject_cast<QLabel*>(w))
            add(key, "caption", -1, l->text());
        if (auto* f = qobject_cast<FuelButton*>(w))
            add(key, "on", -1, f->onCaption());
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(key, "caption", -1, b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w))
            add(key, "caption", -1, g->title());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(key, "item", i, c->itemText(i));
        if (auto* led = qobject_cast<Led*>(w))
            add(key, "caption", -1, led->caption());
        if (auto* gauge = qobject_cast<RoundGauge*>(w))
            add(key, "gauge", -1, gauge->caption());
        add(key, "hint", -1, w->toolTip());
    }
    return shown;
}

const char* kindName(TargetKind kind)
{
    switch (kind) {
    case TargetKind::Caption: return "caption";
    case TargetKind::Hint: return "hint";
    case TargetKind::Item: return "item";
    case TargetKind::GaugeName: return "gauge";
    case TargetKind::OnText: return "on";
    }
    return "";
}

TEST_F(LanguageChoiceTest, EveryTargetExistsAndShowsItsDesignedText)
{
    Start(serviceOptions());
    LanguageApplier applier(*window, texts);
    for (const LanguageTarget& t : LanguageTargets()) {
        QObject* object = applier.Find(QString::fromLatin1(t.target));
        ASSERT_NE(object, nullptr) << t.id << " " << t.target;
        EXPECT_EQ(LanguageApplier::TextOf(*object, t), QString::fromUtf8(t.polish)) << t.id << " " << t.target;
    }
}

TEST_F(LanguageChoiceTest, EveryShownTextHasAnIdOrIsSetByTheProgram)
{
    Start(serviceOptions());
    QSet<QString> targets;
    for (const LanguageTarget& t : LanguageTargets())
        targets.insert(QStringLiteral("%1/%2/%3").arg(QLatin1String(t.target), QLatin1String(kindName(t.kind))).arg(t.item));
    for (const Shown& s : shownTexts(*window)) {
        if (withoutId(s.target, s.kind))
            continue;
        EXPECT_TRUE(targets.contains(QStringLiteral("%1/%2/%3").arg(s.target, QLatin1String(s.kind)).arg(s.item)))
            << qPrintable(s.target) << " " << s.kind << " " << s.item << " \"" << qPrintable(s.text) << "\"";
    }
}

class LanguageFileTest : public MainWindowFixture {
protected:
    // A language file in the start folder's lang/, in the language's code page.
    void writeLanguage(const char* file, const QString& text, CodePageId page = CodePageId::Windows1252)
    {
        QFile f(workDir.filePath(QStringLiteral("lang/") + QLatin1String(file)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const CodePage::Encoded bytes = CodePage::Of(page).Encode(text);
        ASSERT_FALSE(bytes.missing);
        f.write(bytes.bytes);
    }
    int storedLanguage() const
    {
        QFile f(workDir.filePath(QStringLiteral("jezyk.txt")));
        return f.open(QIODevice::ReadOnly) ? int(quint8(f.readAll().at(0))) : -1;
    }
    QString menuTitle(const char* name) const
    {
        return window->findChild<QMenu*>(QString::fromLatin1(name))->title();
    }
    QString hint(const char* name) const
    {
        return window->findChild<QToolButton*>(QString::fromLatin1(name))->toolTip();
    }
    QComboBox* list(const char* name) const { return window->findChild<QComboBox*>(QString::fromLatin1(name)); }
    void choose(const char* item) { this->item(item)->trigger(); }
};

TEST_F(LanguageFileTest, OnlyCommentsChangeNoTextButTheCheckMarkHintsAndStoredChoice)
{
    Start();
    writeLanguage("rosyjski.txt", QStringLiteral("# только комментарий\n#10000 Файл\n"), CodePageId::Windows1251);
    choose("Rosyjski1");
    EXPECT_EQ(menuTitle("Plik1"), QStringLiteral("Plik"));
    EXPECT_EQ(texts[Text::Error], QStringLiteral("Błąd"));
    for (const LanguageRow& row : Languages())
        EXPECT_EQ(item(row.menuItem)->isChecked(), row.code == 3) << row.menuItem;
    // No line names the recording buttons' hints: they show the character set's number.
    EXPECT_EQ(hint("ButtonZapiszRamke"), QStringLiteral("204"));
    EXPECT_EQ(storedLanguage(), 3);
    EXPECT_TRUE(prompter.notices.empty());
    EXPECT_EQ(texts.Language(), 3);
}

TEST_F(LanguageFileTest, LinesApplyInOrderFromTheSeventhCharacterToEveryTarget)
{
    Start();
    writeLanguage("angielski.txt", QStringLiteral("10606 first\r\n"
                                                  "10606xAttention injector(s)\n"
                                                  "10000 File\n"
                                                  "10370 Level LED refresh\n"
                                                  "10567 Ctrl+C copy\n"
                                                  "10101 RPM\\nx 1000 min\n"
                                                  "15002 Record\n"
                                                  "12050 Fault\n"
                                                  "99999 unknown id\n"));
    choose("Angielski1");
    EXPECT_EQ(texts[Text::InjectorsOffWarning], QStringLiteral("Attention injector(s)"));
    EXPECT_EQ(menuTitle("Plik1"), QStringLiteral("File"));
    // 10370 sets the label on the parameters tab and its twin in the reserve dialog.
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("LabelOdswiezanieOczka"))->text(),
              QStringLiteral("Level LED refresh"));
    EXPECT_EQ(window->Form12->findChild<QLabel*>(QStringLiteral("LabelOdswiezanieOczka"))->text(),
              QStringLiteral("Level LED refresh"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("LabelSkroty"))->text(), QStringLiteral("Ctrl+C copy"));
    EXPECT_EQ(texts[Text::MapShortcuts], QStringLiteral("Ctrl+C copy"));
    EXPECT_EQ(window->findChild<RoundGauge*>(QStringLiteral("Ab270MeterRPM"))->caption(),
              QStringLiteral("RPM\nx 1000 min"));
    EXPECT_EQ(hint("ButtonZapiszRamke"), QStringLiteral("Record"));
    EXPECT_EQ(hint("ButtonPauzujRamke"), QStringLiteral("1"));
    EXPECT_EQ(texts[Text::Error], QStringLiteral("Fault"));
    EXPECT_TRUE(prompter.notices.empty());
}

TEST_F(LanguageFileTest, ListsKeepTheirSelectionAndTheInjectorPresetsKeepTheirNames)
{
    Start();
    QComboBox* injectors = list("ComboBoxRodzajWtrysku");
    injectors->setCurrentIndex(3);
    list("ComboBoxCewka")->setCurrentIndex(2);
    writeLanguage("niemiecki1.txt", QStringLiteral("15309 Valtek rot\n15306 Valtek gelb\n15313 Matrix X\n"));
    choose("Niemiecki1");
    EXPECT_EQ(injectors->currentIndex(), 3);
    EXPECT_EQ(list("ComboBoxCewka")->currentIndex(), 2);
    EXPECT_EQ(injectors->itemText(1), QStringLiteral("Matrix X"));
    EXPECT_EQ(injectors->itemText(3), QStringLiteral("Valtek gelb"));
    EXPECT_EQ(injectors->itemText(4), QStringLiteral("Valtek rot"));
    // Items 5 and 6 choose the Slavgas timings and keep saying so.
    EXPECT_EQ(injectors->itemText(5), QStringLiteral("Slavgas 2"));
    EXPECT_EQ(injectors->itemText(6), QStringLiteral("Slavgas"));
}

TEST_F(LanguageFileTest, StateTextsFollowTheNewLanguage)
{
    Start();
    writeLanguage("angielski.txt", QStringLiteral("10501 GO\n10604 On\n10605 Off\n11043 Pick a parameter\n"
                                                  "10373 20kR en\n10376 Own definition\n11000 Injector help\n"));
    choose("Angielski1");
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("ButtonRozpocznijAuto"))->text(), QStringLiteral("GO"));
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("ButtonW1"))->text(), QStringLiteral("On"));
    for (const char* memo : {"MemoOpisParametru", "MemoOpisZaawansowanych", "MemoEmisja"})
        EXPECT_EQ(window->findChild<QPlainTextEdit*>(QString::fromLatin1(memo))->toPlainText(),
                  QStringLiteral("Pick a parameter"))
            << memo;
    QComboBox* reserve = list("ComboBoxSzkielkoRezerwy");
    ASSERT_EQ(reserve->count(), 4);
    EXPECT_EQ(reserve->itemText(0), QStringLiteral("20kR en"));
    EXPECT_EQ(reserve->itemText(3), QStringLiteral("Own definition"));
    EXPECT_EQ(*texts.Replacement(11000), QStringLiteral("Injector help"));
}

TEST_F(LanguageFileTest, AMissingFileSaysErrorAndChangesNoTextButTheChoiceStands)
{
    Start();
    choose("Hiszpanski1");
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_TRUE(prompter.notices[0].text.startsWith(QStringLiteral("Błąd"))) << qPrintable(prompter.notices[0].text);
    EXPECT_EQ(menuTitle("Plik1"), QStringLiteral("Plik"));
    EXPECT_TRUE(item("Hiszpanski1")->isChecked());
    EXPECT_FALSE(item("Polski1")->isChecked());
    EXPECT_EQ(storedLanguage(), 14);
}

TEST_F(LanguageFileTest, AMalformedLineStopsTheReadingAndTheStepsAfterItRun)
{
    Start();
    writeLanguage("francuski_dorvik.txt", QStringLiteral("10000 Fichier\n1000x Port\n10001 Ouvrir\n10501 GO\n"));
    choose("Francuski1");
    EXPECT_EQ(menuTitle("Plik1"), QStringLiteral("Fichier"));
    EXPECT_EQ(item("OdczytajParametryCTRLO1")->text(), QStringLiteral("Odczytaj Parametry"));
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_TRUE(prompter.notices[0].text.contains(QStringLiteral(": wiersz 2 "))) << qPrintable(prompter.notices[0].text);
    EXPECT_EQ(storedLanguage(), 12);
    EXPECT_TRUE(item("Francuski1")->isChecked());
}

// Every shipped file puts its text on every target and into every language string.
TEST_F(LanguageFileTest, EachShippedLanguageChangesEveryTarget)
{
    Start(serviceOptions());
    window->SetShippedDirectory(QStringLiteral(ZANTREL_LANG_DIR "/.."));
    LanguageApplier applier(*window, texts);
    for (const LanguageRow& language : Languages()) {
        SCOPED_TRACE(language.file);
        QFile f(QStringLiteral(ZANTREL_LANG_DIR "/") + QLatin1String(language.file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        std::map<int, QString> file;
        for (const LanguageLine& line :
             ReadLanguageFile(f.readAll(), CodePage::Of(CodePageOfLanguage(language.code))).lines)
            file[line.id] = QString(line.text).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        choose(language.menuItem);
        EXPECT_TRUE(prompter.notices.empty());
        for (const LanguageTarget& t : LanguageTargets())
            EXPECT_EQ(LanguageApplier::TextOf(*applier.Find(QString::fromLatin1(t.target)), t), file[t.id])
                << t.id << " " << t.target;
        EXPECT_EQ(texts[Text::Error], file[12050]);
        EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("ButtonRozpocznijAuto"))->text(), file[10501]);
        EXPECT_EQ(storedLanguage(), language.code);
    }
}

} // namespace
} // namespace zantrel::test
