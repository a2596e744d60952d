#include "reports/ConfigurationReport.h"
#include "reports/PageBreaks.h"
#include "reports/SpreadsheetExport.h"

#include "ScreenFixture.h"

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

const char* const kScreenGolden =
    "Konfiguracja sprzętowa:\t\t17.05.2006/10:30\n"
    "Wersja programu PC:\t\t\tZantrel - V 1.39 HW 3 SW 10\n"
    "Urządzenie:\t\t\t0x03\n"
    "Liczba cyl.:\t\t\t3-4 cyl.\n"
    "Oprogramowanie:\td12\n"
    "Nr seryjny:\t\t\t\t0x010A\n"
    "Dane samochodu:\n"
    "Data Montażu: :\t\t\t\t2006/05/17\n"
    "Nr rejestracyjny: :\t\t\t\tWA 1234\n"
    "Układ Cylindrów: :\t\t\tR\n"
    "Liczba Cylindrów: :\t\t\t4\n"
    "Pojemność silnika: :\t\t\t1600\n"
    "Średnica Dysz: :\t\t2,0\n"
    "Opis Dodatkowy:\t\t\tJan Kowalski Kraków\n"
    "Parametry :\t\t\t\n"
    "Wtryskiwacz\t\t\tTyp A\n"
    "Zapłon\t\tStandard\n"
    "Max czas\t25 [ms]\n"
    "Min czas\t2,5 [ms]\n"
    "Temp.\t\t35 [°C]\n"
    "Obroty\t\t1500 [obr./min]\n"
    "Cykle 8 [cykle]\n"
    "Mapa zaawansowana\n"
    "Przes.\t\t\t\t0,3 [ms]\n"
    "Max obr.\t\t6000 - Wył. [obr./min]\n"
    "Czujnik\t\t0-90\n"
    "Odśw.\t\t\t5 [sek]\n"
    "Sonda 1\t\t\t0-1V\n"
    "Sonda 2\t\t\tBrak\n"
    "Czujnik temp.\t\t\t4k7\n"
    "Podciśn.\t\t\tTak\n"
    "Obciąż.\t\t0 [ms]\n"
    "Ciśn. wył.\t\t0,6 [Bar]\n"
    "Powrót\t3 [sek]\n"
    "Beep\t0,8 [Bar]\n"
    "Rozgrz.\t\tTak - 50%\n"
    "Wył. od temp.\tgazu -10\n"
    "Wył. od temp.\treduktora 20\n"
    "Czas on\t4 [sek]\n"
    "Pełne\t\t\t1,8 [ms]\n"
    "Podtrz.\t\t40 [%]\n"
    "Opóźn.\t0,1 [ms]\n"
    "Filtr\t\t\tŚrednie\n"
    "Brzęczyk\n"
    "Korekta\t\t0,2 [ms]\n"
    "Delta\t\t\t\t200\n";

const char* const kExportGolden =
    "Konfiguracja sprzętowa:\n"
    "\n"
    "Wersja programu PC:\tZantrel - V 1.39 HW 3 SW 10\n"
    "\n"
    "Urządzenie:\t0x03\n"
    "Liczba cyl.:\t3-4 cyl.\n"
    "Oprogramowanie:\td12\n"
    "Nr seryjny:\t0x010A\n"
    "\n"
    "Dane samochodu:\n"
    "\n"
    "Data Montażu:\t2006 05 17\n"
    "Nr rejestracyjny:\tWA 1234\n"
    "Układ Cylindrów:\tR\n"
    "Liczba Cylindrów:\t4\n"
    "Pojemność silnika:\t1600\n"
    "Średnica Dysz:\t2,0\n"
    "\n"
    "Opis Dodatkowy:\tJan Kowalski Kraków\n"
    "\n"
    "Parametry\t\n"
    "Wtryskiwacz\tTyp A\n"
    "Zapłon\tStandard\n"
    "Max czas\t25\n"
    "Min czas\t2,5 [ms]\n"
    "Temp.\t35 [°C]\n"
    "Obroty\t1500 [obr./min]\n"
    "Cykle\t8 [cykle]\n"
    "Wzbog.\t10 [%]\n"
    "Mapa 1\n"
    "Przes.\t0,3 [ms]\n"
    "Max obr.\t6000 [obr./min] Wył.\n"
    "Czujnik\t0-90\n"
    "Odśw.\t5 [sek]\n"
    "Sonda 1\t0-1V\n"
    "Sonda 2\tBrak\n"
    "Czujnik temp.\t4k7\n"
    "Podciśn.\tTak\n"
    "Obciąż.\t0 [ms]\n"
    "Ciśn. wył.\t0,6 [Bar]\n"
    "Powrót\t3 [sek]\n"
    "Beep\t0,8 [Bar]\n"
    "Rozgrz.\tTak 50%\n"
    "Wył. od temp.\tgazu -10\n"
    "Wył. od temp.\treduktora 20\n"
    "Czas on\t4 [sek]\n"
    "Pełne\t1,8 [ms]\n"
    "Podtrz.\t40 [%]\n"
    "Opóźn.\t0,1 [ms]\n"
    "Filtr\tŚrednie Brzęczyk\n"
    "Korekta\t0,2 [ms]\n"
    "Delta\t200\n";

const LanguageStrings kPolish;
const QString kStamp = QStringLiteral("17.05.2006/10:30");

TEST(ReportBuilders, ScreenReportAndExportMatchTheirGoldenTextsFromOneScreen)
{
    const FixedScreen screen = InstallationScreen();
    const std::vector<ReportLine> lines = BuildScreenReport({screen, kPolish, kStamp});
    EXPECT_EQ(ReportPlainText(lines), QString::fromUtf8(kScreenGolden));
    EXPECT_EQ(BuildExportText({screen, kPolish, kStamp}), QString::fromUtf8(kExportGolden));

    const ReportColour expected[] = {ReportColour::Red, ReportColour::Blue, ReportColour::Green,
                                     ReportColour::Purple, ReportColour::Red, ReportColour::Red,
                                     ReportColour::Purple};
    const int rows[] = {0, 1, 6, 14, 22, 23, 24};
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(lines[size_t(rows[i])].colour, expected[i]) << "row " << rows[i] + 1;
}

TEST(ReportBuilders, ReducerSensorRowFollowsItsVisibility)
{
    for (const bool shown : {true, false}) {
        FixedScreen screen = InstallationScreen();
        screen.reducerSensorShown = shown;
        const QString text = BuildExportText({screen, kPolish, {}});
        EXPECT_EQ(text.count(u'\n'), shown ? 52 : 51);
        EXPECT_TRUE(text.endsWith(u'\n'));
        EXPECT_EQ(BuildScreenReport({screen, kPolish, {}}).size(), shown ? 46u : 45u);
        EXPECT_EQ(text.contains(QStringLiteral("4k7")), shown);
        EXPECT_EQ(BuildPrintedReport({screen, kPolish, {}}).join(u'\n').contains(QStringLiteral("4k7")), shown);
    }
}

TEST(ReportBuilders, ValuesWithTabsOrLineFeedsKeepTwoColumns)
{
    const FixedScreen screen = InstallationScreen();
    for (const QString& line : BuildExportText({screen, kPolish, {}}).split(u'\n'))
        EXPECT_LE(line.count(u'\t'), 1) << line.toStdString();
}

TEST(ReportBuilders, PrintedReportAddsMakeAndModelAndDropsTheMapKind)
{
    const FixedScreen screen = InstallationScreen();
    const QStringList printed = BuildPrintedReport({screen, kPolish, kStamp});
    EXPECT_EQ(printed.value(1), QStringLiteral("Wersja programu PC:Zantrel - V 1.39 HW 3 SW 10"));
    EXPECT_EQ(printed.value(7), QString::fromUtf8("Data Montażu:      2006/05/17"));
    EXPECT_EQ(printed.value(8), QString::fromUtf8("Nr rejestracyjny:         WA 1234"));
    EXPECT_EQ(printed.value(12), QString::fromUtf8("Średnica Dysz:   2,0"));
    EXPECT_EQ(printed.value(13), QStringLiteral("Marka:      Fiat"));
    EXPECT_EQ(printed.value(14), QStringLiteral("Model:      Punto"));
    EXPECT_EQ(printed.value(16), QStringLiteral("Parametry :"));
    EXPECT_EQ(printed.value(17), QStringLiteral("Wtryskiwacz  Typ A"));
    EXPECT_EQ(printed.value(19), QStringLiteral("Max czas 25 [ms]"));
    EXPECT_FALSE(printed.contains(QStringLiteral("Mapa zaawansowana")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Delta 200")));
    EXPECT_EQ(printed.size(), 19 + 28);
}

TEST(ReportBuilders, ExportNeedsEveryParameterFieldAndPolishCodePage)
{
    FixedScreen screen = InstallationScreen();
    for (const char* name : {"EditMultiRpmPower", "EditSignalInj", "EditMaxRpmQuillon",
                             "EditCisnienieWylaczeniaQuillon", "EditCzasPowrotuNaBenzQuillon"})
        screen.texts.insert(QString::fromLatin1(name), QStringLiteral("1"));
    EXPECT_TRUE(ExportFieldsFilled(screen));
    screen.texts.remove(QStringLiteral("EditSignalInj"));
    EXPECT_FALSE(ExportFieldsFilled(screen));

    EXPECT_EQ(CodePage::Of(ExportCodePage(kPolish)).Number(), 1250);
    const CodePage::Encoded encoded = EncodeExport(QString::fromUtf8("Ciśn. ąę\n"), ExportCodePage(kPolish));
    EXPECT_FALSE(encoded.missing);
    EXPECT_EQ(encoded.bytes, QByteArray("Ci\x9Cn. \xB9\xEA\n"));
    EXPECT_TRUE(EncodeExport(QString::fromUtf8("→"), ExportCodePage(kPolish)).missing);
}

TEST(PageBreaks, PagesTakeWholeLinesAndSplitOnlyALineTallerThanAPage)
{
    const struct {
        std::vector<int> rows;
        int perPage;
        std::vector<PrintedPage> pages;
    } cases[] = {
        {{}, 3, {{}}},
        {{1, 1, 1}, 3, {{{0, 0, 1}, {1, 0, 1}, {2, 0, 1}}}},
        {{1, 1, 2}, 3, {{{0, 0, 1}, {1, 0, 1}}, {{2, 0, 2}}}},
        {{1, 5, 1}, 2, {{{0, 0, 1}}, {{1, 0, 2}}, {{1, 2, 2}}, {{1, 4, 1}, {2, 0, 1}}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayOutPages(c.rows, c.perPage), c.pages);
}

} // namespace
} // namespace zantrel::test
