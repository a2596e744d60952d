#include "reports/ConfigurationReport.h"

#include <QRegularExpression>

namespace zantrel {

namespace {

using T = zantrel::Text;
using C = ReportColour;

struct ScreenRow {
    int number;
    ReportColour colour;
    const char* onlyWhileShown; // empty: always
    ReportPieces pieces;
};

const std::vector<ScreenRow>& screenRows()
{
    static const std::vector<ScreenRow> rows = {
        {1, C::Red, "", {Lang(T::ReportHardware), Lit("\t\t"), Stamp()}},
        {2, C::Blue, "", {Lang(T::ReportProgramVersion), Lit("\t\t\t"), Ctl("Caption")}},
        {3, C::Blue, "", {Ctl("Label5"), Lit("\t\t\t"), Ctl("EditUrzadzenie")}},
        {4, C::Blue, "", {Ctl("Label7"), Lit("\t\t\t"), Ctl("EditLiczbaCyl")}},
        {5, C::Blue, "", {Ctl("Label6"), Lit("\t"), Ctl("EditOprogramowanie")}},
        {6, C::Blue, "", {Ctl("Label8"), Lit("\t\t\t\t"), Ctl("EditSerialNumber")}},
        {7, C::Green, "", {Lang(T::ReportCarData)}},
        {8, C::Green, "", {Ctl("TForm5.Label3"), Lit(" :\t\t\t\t"), Ctl("TForm5.DataRokEdit"), Lit("/"),
                           Ctl("TForm5.DataMiesEdit"), Lit("/"), Ctl("TForm5.DataDzienEdit")}},
        {9, C::Green, "", {Ctl("TForm5.Label1"), Lit(" :\t\t\t\t"), Ctl("TForm5.NrRejEdit")}},
        {10, C::Green, "", {Ctl("TForm5.Label10"), Lit(" :\t\t\t"), Ctl("TForm5.ComboBox2")}},
        {11, C::Green, "", {Ctl("TForm5.Label11"), Lit(" :\t\t\t"), Ctl("TForm5.ComboBox3")}},
        {12, C::Green, "", {Ctl("TForm5.Label6"), Lit(" :\t\t\t"), Ctl("TForm5.ComboBox1")}},
        {13, C::Green, "", {Ctl("TForm5.Label18"), Lit(" :\t\t"), Ctl("TForm5.ComboBox4")}},
        {14, C::Green, "", {Lang(T::ReportDescription), Lit("\t\t\t"), Ctl("TForm5.OpisEdit")}},
        {15, C::Purple, "", {Ctl("ParametryF41"), Lit(" :\t\t\t")}},
        {16, C::Purple, "", {Ctl("LabelRodzajWtrysku"), Lit("\t\t\t"), Ctl("ComboBoxRodzajWtrysku")}},
        {17, C::Purple, "", {Ctl("LabelCewka"), Lit("\t\t"), Ctl("ComboBoxCewka")}},
        {18, C::Purple, "", {Ctl("LabelMaxInjTime"), Lit("\t"), Ctl("EditParametryMaxInj"), Lit(" [ms]")}},
        {19, C::Purple, "",
         {Ctl("LabelMinimalnyCzasWtrysku"), Lit("\t"), Ctl("EditMinimalnyCzasWtrysku"), Lit(" [ms]")}},
        {20, C::Purple, "", {Ctl("LabelMinTempPrzel"), Lit("\t\t"), Ctl("EditMinTempPrzel"), Lit(" [°C]")}},
        {21, C::Purple, "",
         {Ctl("LabelRPMprzelNaLPG"), Lit("\t\t"), Ctl("EditRPMprzelNaLPG"), Lit(" "), Lang(T::ReportUnitRpm)}},
        {22, C::Purple, "",
         {Ctl("LabelWspolneCykle"), Lit(" "), Ctl("EditWspolneCykle"), Lit(" "), Lang(T::ReportUnitCycles)}},
        {23, C::Red, "", {Ctl("SpeedButton2")}},
        {24, C::Red, "", {Ctl("LabelPrzesuniecieChar"), Lit("\t\t\t\t"), Ctl("EditPrzesuniecie"), Lit(" [ms]")}},
        {25, C::Purple, "",
         {Ctl("LabelMaxRPM"), Lit("\t\t"), Ctl("EditMaxRpm"), Lit(" - "), Ctl("ComboBoxMaxRpm"), Lit(" "),
          Lang(T::ReportUnitRpm)}},
        {26, C::Purple, "", {Ctl("LabelSzkielkoRezerwy"), Lit("\t\t"), Ctl("ComboBoxSzkielkoRezerwy")}},
        {27, C::Purple, "",
         {Ctl("LabelOdswiezanieOczka"), Lit("\t\t\t"), Ctl("EditOdswiezanieOczka"), Lit(" "),
          Lang(T::ReportUnitSeconds)}},
        {28, C::Purple, "", {Ctl("LabelSondaLambda1"), Lit("\t\t\t"), Ctl("ComboBoxSondaLambda1")}},
        {29, C::Purple, "", {Ctl("LabelSondaLambda2"), Lit("\t\t\t"), Ctl("ComboBoxSondaLambda2")}},
        {30, C::Purple, "LambaRodzajCzTemp", {Ctl("LambaRodzajCzTemp"), Lit("\t\t\t"), Ctl("ComboBoxRodzajCzTemp")}},
        {31, C::Purple, "",
         {Ctl("LabelPodcisnienieReduktora"), Lit("\t\t\t"), Ctl("ComboBoxPodcisnienieReduktora")}},
        {32, C::Purple, "",
         {Ctl("LabelCzasWtryskuPrzyObciazeniu"), Lit("\t\t"), Index("EditCzasWtryskuPrzyObciazeniu"), Lit(" [ms]")}},
        {33, C::Purple, "",
         {Ctl("LabelCisnienieWylaczenia"), Lit("\t\t"), Ctl("EditCisnienieWylaczenia"), Lit(" [Bar]")}},
        {34, C::Purple, "",
         {Ctl("LabelCzasPowrotuNaBenz"), Lit("\t"), Ctl("EditCzasPowrotuNaBenz"), Lit(" "),
          Lang(T::ReportUnitSeconds)}},
        {35, C::Purple, "", {Ctl("LabelCisnienieBeep"), Lit("\t"), Ctl("EditCisnienieBeep"), Lit(" [Bar]")}},
        {36, C::Purple, "",
         {Ctl("LabelRozgrzewanieWtryskiwacza"), Lit("\t\t"), Ctl("ComboBoxRozgrzewanieWtryskiwacza"), Lit(" - "),
          Ctl("ComboBoxSilaRozgrzewaniaWtrysku")}},
        {37, C::Purple, "",
         {Ctl("LabelWylOdTemp"), Lit("\t"), Lang(T::ReportGas), Lit(" "), Ctl("ComboBoxMrozGaz")}},
        {38, C::Purple, "",
         {Ctl("LabelWylOdTemp"), Lit("\t"), Lang(T::ReportReducer), Lit(" "), Ctl("ComboBoxMrozRed")}},
        {39, C::Purple, "",
         {Ctl("LabelOnTimeToInjTime"), Lit("\t"), Ctl("EditOnTimeToInjTime"), Lit(" "), Lang(T::ReportUnitSeconds)}},
        {40, C::Purple, "", {Ctl("LabelPelneOtwarcie"), Lit("\t\t\t"), Ctl("EditPelneOtwarcie"), Lit(" [ms]")}},
        {41, C::Purple, "",
         {Ctl("LabelProcentowePodtrzymanie"), Lit("\t\t"), Ctl("EditProcentowePodtrzymanie"), Lit(" [%]")}},
        {42, C::Purple, "",
         {Ctl("LabelOpoznienieWtryskiwaczy"), Lit("\t"), Ctl("EditOpoznienieWtryskiwaczy"), Lit(" [ms]")}},
        {43, C::Purple, "", {Ctl("LabelFiltrowanieCisnienia"), Lit("\t\t\t"), Ctl("ComboBoxFiltrowanieCisnienia")}},
        {44, C::Purple, "", {Ctl("ComboBoxBuzzer")}},
        {45, C::Purple, "", {Ctl("LabelDodPrzesuniecie"), Lit("\t\t"), Ctl("EditPrzesuniecie2"), Lit(" [ms]")}},
        {46, C::Purple, "", {Ctl("LabelDeltaRpm"), Lit("\t\t\t\t"), Ctl("ComboBoxDeltaRpm")}},
    };
    return rows;
}

bool rowShown(const ScreenRow& row, const ScreenTexts& screen)
{
    return *row.onlyWhileShown == '\0' || screen.Shown(QString::fromLatin1(row.onlyWhileShown));
}

// The paper's own lines for the screen's rows 1 to 17; from row 18 on it prints the
// screen's rows with each run of tabs made one space.
const std::vector<ReportPieces>& printedHead()
{
    static const std::vector<ReportPieces> rows = {
        {Lang(T::ReportHardware), Lit("\t\t"), Stamp()},
        {Lang(T::ReportProgramVersion), Ctl("Caption")},
        {Ctl("Label5"), Ctl("EditUrzadzenie")},
        {Ctl("Label7"), Ctl("EditLiczbaCyl")},
        {Ctl("Label6"), Ctl("EditOprogramowanie")},
        {Ctl("Label8"), Ctl("EditSerialNumber")},
        {Lang(T::ReportCarData)},
        {Ctl("TForm5.Label3"), Lit("      "), Ctl("TForm5.DataRokEdit"), Lit("/"), Ctl("TForm5.DataMiesEdit"),
         Lit("/"), Ctl("TForm5.DataDzienEdit")},
        {Ctl("TForm5.Label1"), Lit("         "), Ctl("TForm5.NrRejEdit")},
        {Ctl("TForm5.Label10"), Lit("    "), Ctl("TForm5.ComboBox2")},
        {Ctl("TForm5.Label11"), Lit("    "), Ctl("TForm5.ComboBox3")},
        {Ctl("TForm5.Label6"), Lit("    "), Ctl("TForm5.ComboBox1")},
        {Ctl("TForm5.Label18"), Lit("   "), Ctl("TForm5.ComboBox4")},
        {Ctl("TForm5.Label7"), Lit("      "), Ctl("TForm5.MarkaEdit")},
        {Ctl("TForm5.Label9"), Lit("      "), Ctl("TForm5.ModelEdit")},
        {Ctl("TForm5.Label2"), Lit("      "), Ctl("TForm5.OpisEdit")},
        {Ctl("ParametryF41"), Lit(" :")},
        {Ctl("LabelRodzajWtrysku"), Lit("  "), Ctl("ComboBoxRodzajWtrysku")},
        {Ctl("LabelCewka"), Lit("  "), Ctl("ComboBoxCewka")},
    };
    return rows;
}

constexpr int kFirstPrintedScreenRow = 18;
constexpr int kMapKindRow = 23;

} // namespace

std::vector<ReportLine> BuildScreenReport(const ReportSources& sources)
{
    std::vector<ReportLine> lines;
    for (const ScreenRow& row : screenRows())
        if (rowShown(row, sources.screen))
            lines.push_back({row.colour, JoinPieces(row.pieces, sources)});
    return lines;
}

QStringList BuildPrintedReport(const ReportSources& sources)
{
    QStringList lines;
    for (const ReportPieces& pieces : printedHead())
        lines << JoinPieces(pieces, sources);
    static const QRegularExpression tabs(QStringLiteral("\t+"));
    for (const ScreenRow& row : screenRows())
        if (row.number >= kFirstPrintedScreenRow && row.number != kMapKindRow && rowShown(row, sources.screen))
            lines << JoinPieces(row.pieces, sources).replace(tabs, QStringLiteral(" "));
    return lines;
}

QString ReportPlainText(const std::vector<ReportLine>& lines)
{
    QString text;
    for (const ReportLine& line : lines)
        text += line.text + u'\n';
    return text;
}

QString ReportStamp(const QDateTime& when, const QLocale& locale)
{
    return locale.toString(when.date(), QLocale::ShortFormat) + u'/' + locale.toString(when.time(), QLocale::ShortFormat);
}

unsigned ReportRgb(ReportColour colour)
{
    switch (colour) {
    case ReportColour::Red:
        return 0xFF0000;
    case ReportColour::Blue:
        return 0x0000FF;
    case ReportColour::Green:
        return 0x008000;
    case ReportColour::Purple:
        return 0x800080;
    }
    return 0;
}

} // namespace zantrel
