#include "app/LanguageTable.h"
#include "base/BuiltInLanguage.h"
#include "base/LanguageFile.h"
#include "base/LanguageStrings.h"
#include "base/LanguageTargets.h"
#include "config/ParameterDescriptions.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <map>

namespace zantrel::test {
namespace {

const QString kLangDir = QStringLiteral(ZANTREL_LANG_DIR);

std::vector<LanguageLine> builtIn()
{
    return BuiltInLanguageLines(ParameterHelpLines());
}

QByteArray shipped(const char* file)
{
    QFile f(QDir(kLangDir).filePath(QString::fromLatin1(file)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
    return f.readAll();
}

// Texts that share an id show the same designed text, so the template holds one line for them.
TEST(LanguageTargets, IdsAreInTheFileRangeAndSharedIdsShareTheirText)
{
    std::map<int, QString> byId;
    const LanguageStrings texts;
    for (const LanguageStringId& s : LanguageStringIds())
        byId.try_emplace(s.id, texts[s.key]);
    for (const LanguageTarget& t : LanguageTargets()) {
        EXPECT_GE(t.id, kFirstLanguageId);
        EXPECT_LE(t.id, kLastLanguageId);
        const auto [at, fresh] = byId.try_emplace(t.id, QString::fromUtf8(t.polish));
        EXPECT_EQ(at->second, QString::fromUtf8(t.polish)) << t.id << " " << t.target;
    }
    for (const ParameterDescription& d : ParameterDescriptions()) {
        EXPECT_GE(d.id, kFirstDescriptionId);
        EXPECT_LE(d.id, kLastDescriptionId);
        EXPECT_FALSE(byId.count(d.id)) << d.id;
    }
}

// The ids the controller's language files were made for keep their meaning.
TEST(LanguageTargets, TheFixedIdsNameTheirTargets)
{
    const struct {
        int id;
        const char* target;
        TargetKind kind;
        int item;
    } fixed[] = {
        {10000, "Plik1", TargetKind::Caption, -1},
        {10025, "Odczytkonfiguracji1", TargetKind::Caption, -1},
        {10070, "Pomoc1", TargetKind::Caption, -1},
        {10070, "Help1", TargetKind::Caption, -1},
        {10101, "Ab270MeterRPM", TargetKind::GaugeName, -1},
        {10114, "LabelStatus", TargetKind::Caption, -1},
        {10117, "ButtonBenzyna", TargetKind::OnText, -1},
        {10119, "ButtonLPG", TargetKind::OnText, -1},
        {10203, "ComboBoxOscyloskopParametry", TargetKind::Item, 0},
        {10227, "ComboBoxOscyloskopWtryskGazowy", TargetKind::Item, 7},
        {10353, "LabelCisnienieWylaczeniaQuillon", TargetKind::Caption, -1},
        {10370, "LabelOdswiezanieOczka", TargetKind::Caption, -1},
        {10370, "TForm12.LabelOdswiezanieOczka", TargetKind::Caption, -1},
        {10480, "TabSheet4", TargetKind::Caption, -1},
        {10494, "TabSheet11", TargetKind::Caption, -1},
        {10700, "TabSheet9", TargetKind::Caption, -1},
        {10806, "TForm5.ComboBox2", TargetKind::Item, 0},
        {10820, "TForm5", TargetKind::Caption, -1},
        {12104, "Label5", TargetKind::Caption, -1},
        {12300, "TForm13.LabLaczenie", TargetKind::Caption, -1},
        {15002, "ButtonZapiszRamke", TargetKind::Hint, -1},
        {15009, "COM_SET", TargetKind::Caption, -1},
        {15318, "ComboBoxRodzajWtrysku", TargetKind::Item, 0},
        {15309, "ComboBoxRodzajWtrysku", TargetKind::Item, 4},
    };
    for (const auto& f : fixed) {
        bool found = false;
        for (const LanguageTarget& t : LanguageTargets())
            found = found || (t.id == f.id && qstrcmp(t.target, f.target) == 0 && t.kind == f.kind && t.item == f.item);
        EXPECT_TRUE(found) << f.id << " " << f.target;
    }
    LanguageStrings texts;
    const struct {
        int id;
        Text key;
    } strings[] = {{10114, Text::Status},    {10122, Text::FuelPetrol}, {10123, Text::FuelGas},
                   {10373, Text::ReserveLpg1}, {10376, Text::ReserveOwnDefinition}, {10606, Text::InjectorsOffWarning},
                   {11043, Text::DescriptionPrompt}, {12050, Text::Error}, {12100, Text::ReportHardware},
                   {16000, Text::ReportUnitRpm},     {16002, Text::ReportUnitRpm}, {16006, Text::ReportUnitSeconds}};
    for (const auto& s : strings) {
        ASSERT_TRUE(texts.SetById(s.id, QStringLiteral("x%1").arg(s.id)));
        EXPECT_EQ(texts[s.key], QStringLiteral("x%1").arg(s.id)) << s.id;
    }
}

TEST(LanguagePack, PolishFileHoldsExactlyTheBuiltInTexts)
{
    const WrittenLanguageFile expected = WriteLanguageFile(
        QStringLiteral("Zantrel - polski (kod 1, strona kodowa 1250)\n"
                       "Wiersz: pięciocyfrowy numer, spacja, tekst do końca wiersza; \\n to nowa linia."),
        builtIn(), CodePage::Of(CodePageId::Windows1250));
    ASSERT_FALSE(expected.missing);
    const QByteArray file = shipped("polski.txt");
    if (file != expected.bytes) {
        // What the file should be, for a developer who changed a designed text.
        QFile out(QStringLiteral("polski.txt.expected"));
        if (out.open(QIODevice::WriteOnly))
            out.write(expected.bytes);
    }
    EXPECT_TRUE(file == expected.bytes) << "lang/polski.txt differs from the designed texts; see "
                                        << qPrintable(QDir::current().filePath(QStringLiteral("polski.txt.expected")));
}

// Each shipped file reads to its end and gives every id exactly once, with the same
// placeholders and line breaks as the designed text.
TEST(LanguagePack, EveryShippedFileHoldsEveryIdAndNothingElse)
{
    const std::vector<LanguageLine> designed = builtIn();
    std::map<int, QString> designedById;
    for (const LanguageLine& l : designed)
        designedById[l.id] = l.text;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (const LanguageRow& language : Languages()) {
        SCOPED_TRACE(language.file);
        const LanguageFileContents contents =
            ReadLanguageFile(shipped(language.file), CodePage::Of(CodePageOfLanguage(language.code)));
        EXPECT_FALSE(contents.stoppedAt);
        std::map<int, int> seen;
        for (const LanguageLine& line : contents.lines) {
            ++seen[line.id];
            const auto polish = designedById.find(line.id);
            if (polish == designedById.end()) {
                ADD_FAILURE() << "unknown id " << line.id;
                continue;
            }
            QStringList want, got;
            for (const auto& m : placeholder.globalMatch(polish->second))
                want << m.captured();
            for (const auto& m : placeholder.globalMatch(line.text))
                got << m.captured();
            want.sort();
            got.sort();
            EXPECT_EQ(got, want) << line.id;
            EXPECT_EQ(line.text.count(QStringLiteral("\\n")), QString(polish->second).count(u'\n')) << line.id;
            EXPECT_FALSE(line.text.contains(QChar(0xFFFD))) << line.id;
        }
        for (const auto& [id, text] : designedById)
            EXPECT_EQ(seen[id], 1) << "id " << id;
    }
}

} // namespace
} // namespace zantrel::test
