#include "base/CodePage.h"
#include "image/CarDataBlock.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/VirtualClock.h"
#include "service/CarDataCodec.h"
#include "service/CarDataTransfer.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

const CodePage& polish() { return CodePage::Of(CodePageId::Windows1250); }

CarDataTexts texts(const char* registration, const char* make, const char* model, const char* installer,
                   const char* year, const char* month, const char* day)
{
    return {QString::fromUtf8(registration), QString::fromUtf8(make),  QString::fromUtf8(model),
            QString::fromUtf8(installer),    QString::fromUtf8(year),  QString::fromUtf8(month),
            QString::fromUtf8(day)};
}

QByteArray bytes(const CarDataBlock& block, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(block.bytes.data()) + from, count);
}

TEST(CarDataCodec, FieldsArePaddedInTheirBytesAndComeBack)
{
    CarDataBlock block;
    block.bytes.fill(0x77); // what the controller kept beyond the text
    const CarDataTexts entered = texts("WE 4711K", "Zefira", "Tarsa 1.6", "Pan Żółć, Łódź", "2024", "05", "17");
    ASSERT_FALSE(PutCarDataTexts(block, entered, polish()));

    EXPECT_EQ(bytes(block, 0, 12), QByteArray("WE 4711K    ")); // eight characters and four spaces
    EXPECT_EQ(bytes(block, 12, 15), QByteArray("Zefira         "));
    EXPECT_EQ(bytes(block, 42, 30), QByteArray("Pan \xAF\xF3\xB3\xE6, \xA3\xF3\x64\x9F                "));
    EXPECT_EQ(bytes(block, 72, 8), QByteArray("20240517"));
    EXPECT_EQ(block.bytes[80], 0);
    EXPECT_EQ(bytes(block, 81, 39), QByteArray(39, '\x77'));
    EXPECT_EQ(block.Word(0), ('W' << 8) | 'E');
    // The words the fields fill are the program's; the spare bytes of word 40 are not.
    EXPECT_EQ(block.known.count(), 40u);
    EXPECT_FALSE(block.known.test(40));

    EXPECT_EQ(CarDataTextsOf(block, polish()), entered);
}

TEST(CarDataCodec, AFieldThatDoesNotFitIsRefusedAndNothingChanges)
{
    CarDataBlock block;
    ASSERT_FALSE(PutCarDataTexts(block, texts("A", "B", "C", "D", "2020", "01", "01"), polish()));
    const CarDataBlock before = block;

    const CarDataTexts tooLong = texts("A", "B", "C", "0123456789012345678901234567890", "2020", "01", "01");
    const std::optional<CarDataRefusal> length = PutCarDataTexts(block, tooLong, polish());
    ASSERT_TRUE(length);
    EXPECT_EQ(length->field, CarDataField::Installer);
    EXPECT_FALSE(length->character);
    EXPECT_EQ(RefusalText(*length, LanguageStrings()),
              QString::fromUtf8("Pole \"Montował:\" mieści najwyżej 30 znaków. Dane samochodu nie zostały zapisane."));

    // A character the page has not got, and characters that are no text (the euro sign
    // before the line break is in the page).
    const std::pair<const char*, const char*> refused[] = {{"Ж", "Ж"}, {"a\tb", "\t"}, {"€uro\n", "\n"}};
    for (const auto& [make, character] : refused) {
        const std::optional<CarDataRefusal> refusal =
            PutCarDataTexts(block, texts("A", make, "C", "D", "2020", "01", "01"), polish());
        ASSERT_TRUE(refusal) << make;
        EXPECT_EQ(refusal->field, CarDataField::Make);
        EXPECT_EQ(refusal->character, QString::fromUtf8(character));
    }
    EXPECT_EQ(block.bytes, before.bytes);
}

TEST(CarDataCodec, ShortDatesTakeTheirDefaults)
{
    const CarDataTexts saved = WithSavedDateDefaults(texts("", "", "", "", "99", "1", ""));
    EXPECT_EQ(saved[size_t(CarDataField::Year)], "2006");
    EXPECT_EQ(saved[size_t(CarDataField::Month)], "01");
    EXPECT_EQ(saved[size_t(CarDataField::Day)], "01");
    EXPECT_EQ(WithSavedDateDefaults(texts("", "", "", "", "2024", "12", "31")),
              texts("", "", "", "", "2024", "12", "31"));

    const std::optional<DateFieldFix> year = DateFieldOnExit(CarDataField::Year, "201");
    ASSERT_TRUE(year);
    EXPECT_EQ(year->text, "2005");
    EXPECT_EQ(year->message, Text::EnterYear);
    EXPECT_EQ(DateFieldOnExit(CarDataField::Day, "7")->message, Text::EnterDay);
    EXPECT_FALSE(DateFieldOnExit(CarDataField::Month, "07"));
    EXPECT_FALSE(DateFieldOnExit(CarDataField::Make, ""));
}

TEST(CarDataCodec, EngineDataPackIntoWords62And63)
{
    // "V - Widlasty", 6 cylinders, nozzle "1,80mm", capacity "2,00 L".
    const EngineData v6{1, 5, 16, 33};
    EXPECT_EQ(EngineWord(v6), 0x1510);
    EXPECT_EQ(CapacityWord(v6), 0x2100);
    EXPECT_EQ(EngineDataOf(0x1510, 0x2100), v6);
    // A list with nothing selected is stored as what no list item is.
    EXPECT_EQ(EngineWord({-1, 3, -1, 25}), 0xF3FF);
    EXPECT_EQ(CapacityWord({0, 0, 0, -1}), 0xFF00);

    const QStringList nozzles = NozzleItems(u',');
    ASSERT_EQ(nozzles.size(), 81);
    EXPECT_EQ(nozzles.first(), "1,00mm");
    EXPECT_EQ(nozzles[16], "1,80mm");
    EXPECT_EQ(nozzles.last(), "5,00mm");
    const QStringList capacities = CapacityItems(u'.');
    ASSERT_EQ(capacities.size(), 134);
    EXPECT_EQ(capacities.first(), "0.35 L");
    EXPECT_EQ(capacities[kEngineDataDefaults.capacity], "1.60 L");
    EXPECT_EQ(capacities[33], "2.00 L");
    EXPECT_EQ(capacities.last(), "7.00 L");
    EXPECT_EQ(CylinderCountItems()[kEngineDataDefaults.count], "4");
}

TEST(CarDataCodec, ErasedMemoryIsNeverSavedAndShowsNoText)
{
    CarDataBlock erased;
    erased.bytes.fill(0xFF);
    erased.engine = 0xFFFF;
    erased.capacity = 0xFFFF;
    EXPECT_TRUE(NeverSaved(erased));
    EXPECT_EQ(CarDataTextsOf(erased, polish()), CarDataTexts{});
    // Every stored index lies beyond its list: all four show "Brak Danej".
    const EngineData data = EngineDataOf(*erased.engine, *erased.capacity);
    EXPECT_GE(data.layout, CylinderLayoutItems().size());
    EXPECT_GE(data.count, CylinderCountItems().size());
    EXPECT_GE(data.nozzle, NozzleItems(u',').size());
    EXPECT_GE(data.capacity, CapacityItems(u',').size());

    // Before any read there is nothing, and nothing to ask.
    EXPECT_FALSE(NeverSaved(CarDataBlock{}));
    EXPECT_EQ(CarDataTextsOf(CarDataBlock{}, polish()), CarDataTexts{});
}

// The controller behind a scripted device: answers "P" i with 0x4100 + i except the
// words in `silent`.
class CarDataLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(link.OpenPort());
        io.onWrite = [this](const QByteArray& f) {
            const quint8 i = quint8(f.at(1));
            if (f.at(0) != 'P' || silent.contains(i))
                return;
            const quint16 v = quint16(0x4100 + i);
            io.deliver(QByteArray{"e"} + char(i) + char(v >> 8) + char(v & 0xFF) + '\0' + ';', 300);
        };
    }

    VirtualClock clock;
    ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EcuCommands cmds{link};
    QList<quint8> silent;
};

TEST_F(CarDataLink, AWordNotAnsweredKeepsItsBytesButIsNotWrittenBack)
{
    silent = {3, 45, 63};
    CarDataBlock block;
    block.SetWord(3, 0x1234);
    block.capacity = 0x1900;
    ApplyCarDataRead(block, ReadCarData(cmds));
    EXPECT_EQ(clock.frames().size(), 63);
    EXPECT_EQ(block.Word(0), 0x4100);
    EXPECT_EQ(block.Word(3), 0x1234);
    EXPECT_EQ(block.Word(59), 0x4100 + 59);
    EXPECT_EQ(block.engine, 0x4100 + 62);
    EXPECT_EQ(block.capacity, 0x1900);
    EXPECT_FALSE(block.known.test(3));
    EXPECT_FALSE(block.known.test(45));

    ASSERT_FALSE(PutCarDataTexts(block, texts("AB", "", "", "", "2024", "01", "02"), polish()));
    clock.clearEvents();
    LinkJob job;
    WriteEngineData(job, {1, 5, 16, 33});
    WriteCarDataText(job, block);
    ASSERT_EQ(RunJob(link, std::move(job)), JobOutcome::Completed);
    const QStringList t = clock.trace();
    EXPECT_EQ(t.mid(0, 9), (QStringList{"10ms", "M 3e 00 00", "30ms", "U 3e 15 10", "20ms", "M 3f 00 00", "30ms",
                                        "U 3f 21 00", "40ms"}));
    // Words 0..59 but 45, which the read did not bring: the text words 0..39 are the
    // fields' own, word 3 among them.
    const QStringList frames = clock.frames();
    EXPECT_EQ(frames.size(), 4 + 2 * 59);
    EXPECT_TRUE(frames.contains("U 03 20 20"));
    EXPECT_FALSE(frames.contains("M 2d 00 00"));
    EXPECT_TRUE(frames.contains("U 3b 41 3b"));
}

} // namespace
} // namespace zantrel::test
