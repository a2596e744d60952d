#include "base/LanguageStrings.h"
#include "live/LiveRecord.h"
#include "service/ErrorLamp.h"
#include "service/ErrorReport.h"

#include <gtest/gtest.h>

#include <optional>

namespace zantrel::test {
namespace {

LiveRecord errorRecord(quint16 current, quint16 remembered, quint16 faultyInjectors)
{
    LiveRecord record;
    record[live::kErrors] = current;
    record[live::kStoredErrors] = remembered;
    record[live::kFaultyInjectors] = faultyInjectors;
    return record;
}

struct ReportCase {
    quint16 current;
    quint16 remembered;
    quint16 faultyInjectors;
    const char* text;
};

const ReportCase kReports[] = {
    {0, 0, 0x00FF, "Status\nBrak Błędów\n"},
    // Current error 1 has no line of its own: the remembered heading follows at once.
    {0x0001, 0, 0, "Status\nWystąpiły Błędy ! :\n\n\nStare Zapamiętane BŁĘDY::\n"},
    {0, 0x0001, 0,
     "Status\nWystąpiły Błędy ! :\n\n\nStare Zapamiętane BŁĘDY::\n"
     "1: Za niskie cisnienie reduktora lub pusty zbiornik\n"},
    // The first current line follows the heading on its line; message 9 before 10.
    {0x0300, 0, 0,
     "Status\nWystąpiły Błędy ! :9: Zbyt niska temperatura gazu\n10: Zbyt niska temperatura reduktora\n"
     "\n\n\nStare Zapamiętane BŁĘDY::\n"},
    {0, 0x0300, 0,
     "Status\nWystąpiły Błędy ! :\n\n\nStare Zapamiętane BŁĘDY::\n"
     "9: Zbyt niska temperatura gazu\n10: Zbyt niska temperatura reduktora\n"},
    // Gas injectors from the low byte of word 31, petrol injectors from the high byte.
    {0x0400, 0, 0x0105,
     "Status\nWystąpiły Błędy ! :11: Wtryskiwacz Gazowy Uszkodzony:\n1\n3\n"
     "\n\n\nStare Zapamiętane BŁĘDY::\n11: Wtryskiwacz Gazowy Uszkodzony:\n"},
    {0x0800, 0, 0x8201,
     "Status\nWystąpiły Błędy ! :12: Brak Sygnału wtryskiwacza Benzynowego:\n2\n8\n"
     "\n\n\nStare Zapamiętane BŁĘDY::\n12: Wtryskiwacz Benzynowy Uszkodzony:\n"},
    // Injector faults the controller remembers are listed though no longer current.
    {0, 0x0C00, 0xFFFF,
     "Status\nWystąpiły Błędy ! :\n\n\nStare Zapamiętane BŁĘDY::\n"
     "11: Wtryskiwacz Gazowy Uszkodzony:\n12: Wtryskiwacz Benzynowy Uszkodzony:\n"},
    // Bits 12..15 carry no message.
    {0xF002, 0xF000, 0,
     "Status\nWystąpiły Błędy ! :2: Za wysokie cisnienie reduktora\n\n\n\nStare Zapamiętane BŁĘDY::\n"},
    {0xFFFF, 0xFFFF, 0xFFFF,
     "Status\nWystąpiły Błędy ! :"
     "2: Za wysokie cisnienie reduktora\n"
     "3: Czujnik cisnienia zwarty do masy\n"
     "4: Czujnik cisnienie odłączony lub wysokie cisnienie reduktora\n"
     "5: Czujnik temp. reduktora zwarty\n"
     "6: Czujnik temperatury reduktora rozwarty\n"
     "7: Czujnik temperatury LPG zwarty\n"
     "8: Czujnik temperatury LPG rozwarty\n"
     "9: Zbyt niska temperatura gazu\n"
     "10: Zbyt niska temperatura reduktora\n"
     "11: Wtryskiwacz Gazowy Uszkodzony:\n1\n2\n3\n4\n5\n6\n7\n8\n"
     "12: Brak Sygnału wtryskiwacza Benzynowego:\n1\n2\n3\n4\n5\n6\n7\n8\n"
     "\n\n\nStare Zapamiętane BŁĘDY::\n"
     "1: Za niskie cisnienie reduktora lub pusty zbiornik\n"
     "2: Za wysokie cisnienie reduktora\n"
     "3: Czujnik cisnienia zwarty do masy\n"
     "4: Czujnik cisnienie odłączony lub wysokie cisnienie reduktora\n"
     "5: Czujnik temp. reduktora zwarty\n"
     "6: Czujnik temperatury reduktora rozwarty\n"
     "7: Czujnik temperatury LPG zwarty\n"
     "8: Czujnik temperatury LPG rozwarty\n"
     "9: Zbyt niska temperatura gazu\n"
     "10: Zbyt niska temperatura reduktora\n"
     "11: Wtryskiwacz Gazowy Uszkodzony:\n"
     "12: Wtryskiwacz Benzynowy Uszkodzony:\n"},
};

TEST(ErrorReport, ReadsTheErrorWordsInTheirOrder)
{
    const LanguageStrings texts;
    for (const ReportCase& c : kReports) {
        const QString report = ErrorReport(errorRecord(c.current, c.remembered, c.faultyInjectors), texts);
        EXPECT_EQ(report, QString::fromUtf8(c.text))
            << std::hex << c.current << " " << c.remembered << " " << c.faultyInjectors;
    }
}

TEST(ErrorReport, TakesItsTextsFromTheLanguagePack)
{
    LanguageStrings texts;
    ASSERT_TRUE(texts.SetById(10114, QStringLiteral("State")));
    ASSERT_TRUE(texts.SetById(12054, QStringLiteral("Errors: ")));
    ASSERT_TRUE(texts.SetById(12055, QStringLiteral("Old errors")));
    ASSERT_TRUE(texts.SetById(12066, QStringLiteral("10: reducer too cold")));
    ASSERT_TRUE(texts.SetById(12068, QStringLiteral("12: no petrol injector signal")));
    ASSERT_TRUE(texts.SetById(12069, QStringLiteral("12: petrol injector faulty")));
    EXPECT_EQ(ErrorReport(errorRecord(0x0900, 0x0100, 0x0400), texts),
              QStringLiteral("State\nErrors: 10: reducer too cold\n12: no petrol injector signal\n3\n"
                             "\n\n\nOld errors:\n10: reducer too cold\n12: petrol injector faulty\n"));
    ASSERT_TRUE(texts.SetById(12056, QStringLiteral("No errors")));
    EXPECT_EQ(ErrorReport(errorRecord(0, 0, 0), texts), QStringLiteral("State\nNo errors\n"));
}

struct LampCase {
    quint16 current;
    quint16 remembered;
    std::optional<ErrorLamp> lamp;
};

TEST(ErrorLamp, LightsForAnyErrorButKeepsItsStateOnCurrentLowPressure)
{
    const ErrorLamp off{false, false, Text::Working};
    const ErrorLamp flashing{true, true, Text::Error};
    const LampCase cases[] = {
        {0, 0, off},
        {0x0002, 0, flashing},
        {0, 0x0001, flashing},
        {0x8000, 0, flashing},
        {0x0001, 0, std::nullopt},
        {0x0001, 0x0001, std::nullopt},
        {0x0003, 0x0003, std::nullopt},
    };
    for (const LampCase& c : cases)
        EXPECT_EQ(ErrorLampFor(errorRecord(c.current, c.remembered, 0)), c.lamp)
            << std::hex << c.current << " " << c.remembered;
}

} // namespace
} // namespace zantrel::test
