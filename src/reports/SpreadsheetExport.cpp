#include "reports/SpreadsheetExport.h"

namespace zantrel {

namespace {

using T = zantrel::Text;

struct ExportRow {
    const char* onlyWhileShown; // empty: always
    ReportPieces caption;       // empty with no value: an empty line
    std::optional<ReportPieces> value;
};

const std::vector<ExportRow>& exportRows()
{
    static const std::vector<ExportRow> rows = {
        {"", {Lang(T::ReportHardware)}, std::nullopt},
        {"", {}, std::nullopt},
        {"", {Lang(T::ReportProgramVersion)}, ReportPieces{Ctl("Caption")}},
        {"", {}, std::nullopt},
        {"", {Ctl("Label5")}, ReportPieces{Ctl("EditUrzadzenie")}},
        {"", {Ctl("Label7")}, ReportPieces{Ctl("EditLiczbaCyl")}},
        {"", {Ctl("Label6")}, ReportPieces{Ctl("EditOprogramowanie")}},
        {"", {Ctl("Label8")}, ReportPieces{Ctl("EditSerialNumber")}},
        {"", {}, std::nullopt},
        {"", {Lang(T::ReportCarData)}, std::nullopt},
        {"", {}, std::nullopt},
        {"", {Ctl("TForm5.Label3")},
         ReportPieces{Ctl("TForm5.DataRokEdit"), Lit(" "), Ctl("TForm5.DataMiesEdit"), Lit(" "),
                      Ctl("TForm5.DataDzienEdit")}},
        {"", {Ctl("TForm5.Label1")}, ReportPieces{Ctl("TForm5.NrRejEdit")}},
        {"", {Ctl("TForm5.Label10")}, ReportPieces{Ctl("TForm5.ComboBox2")}},
        {"", {Ctl("TForm5.Label11")}, ReportPieces{Ctl("TForm5.ComboBox3")}},
        {"", {Ctl("TForm5.Label6")}, ReportPieces{Ctl("TForm5.ComboBox1")}},
        {"", {Ctl("TForm5.Label18")}, ReportPieces{Ctl("TForm5.ComboBox4")}},
        {"", {}, std::nullopt},
        {"", {Lang(T::ReportDescription)}, ReportPieces{Ctl("TForm5.OpisEdit")}},
        {"", {}, std::nullopt},
        {"", {Ctl("ParametryF41")}, ReportPieces{}},
        {"", {Ctl("LabelRodzajWtrysku")}, ReportPieces{Ctl("ComboBoxRodzajWtrysku")}},
        {"", {Ctl("LabelCewka")}, ReportPieces{Ctl("ComboBoxCewka")}},
        {"", {Ctl("LabelMaxInjTime")}, ReportPieces{Ctl("EditParametryMaxInj")}},
        {"", {Ctl("LabelMinimalnyCzasWtrysku")}, ReportPieces{Ctl("EditMinimalnyCzasWtrysku"), Lit(" [ms]")}},
        {"", {Ctl("LabelMinTempPrzel")}, ReportPieces{Ctl("EditMinTempPrzel"), Lit(" [°C]")}},
        {"", {Ctl("LabelRPMprzelNaLPG")}, ReportPieces{Ctl("EditRPMprzelNaLPG"), Lit(" "), Lang(T::ReportUnitRpm)}},
        {"", {Ctl("LabelWspolneCykle")}, ReportPieces{Ctl("EditWspolneCykle"), Lit(" "), Lang(T::ReportUnitCycles)}},
        {"", {Ctl("LabelWzbogacanie")}, ReportPieces{Ctl("EditWzbogacanieMieszanki"), Lit(" [%]")}},
        {"", {Ctl("ComboBoxMapa")}, std::nullopt},
        {"", {Ctl("LabelPrzesuniecieChar")}, ReportPieces{Ctl("EditPrzesuniecie"), Lit(" [ms]")}},
        {"", {Ctl("LabelMaxRPM")},
         ReportPieces{Ctl("EditMaxRpm"), Lit(" "), Lang(T::ReportUnitRpm), Lit(" "), Ctl("ComboBoxMaxRpm")}},
        {"", {Ctl("LabelSzkielkoRezerwy")}, ReportPieces{Ctl("ComboBoxSzkielkoRezerwy")}},
        {"", {Ctl("LabelOdswiezanieOczka")},
         ReportPieces{Ctl("EditOdswiezanieOczka"), Lit(" "), Lang(T::ReportUnitSeconds)}},
        {"", {Ctl("LabelSondaLambda1")}, ReportPieces{Ctl("ComboBoxSondaLambda1")}},
        {"", {Ctl("LabelSondaLambda2")}, ReportPieces{Ctl("ComboBoxSondaLambda2")}},
        {"LambaRodzajCzTemp", {Ctl("LambaRodzajCzTemp")}, ReportPieces{Ctl("ComboBoxRodzajCzTemp")}},
        {"", {Ctl("LabelPodcisnienieReduktora")}, ReportPieces{Ctl("ComboBoxPodcisnienieReduktora")}},
        {"", {Ctl("LabelCzasWtryskuPrzyObciazeniu")},
         ReportPieces{Index("EditCzasWtryskuPrzyObciazeniu"), Lit(" [ms]")}},
        {"", {Ctl("LabelCisnienieWylaczenia")}, ReportPieces{Ctl("EditCisnienieWylaczenia"), Lit(" [Bar]")}},
        {"", {Ctl("LabelCzasPowrotuNaBenz")},
         ReportPieces{Ctl("EditCzasPowrotuNaBenz"), Lit(" "), Lang(T::ReportUnitSeconds)}},
        {"", {Ctl("LabelCisnienieBeep")}, ReportPieces{Ctl("EditCisnienieBeep"), Lit(" [Bar]")}},
        {"", {Ctl("LabelRozgrzewanieWtryskiwacza")},
         ReportPieces{Ctl("ComboBoxRozgrzewanieWtryskiwacza"), Lit(" "), Ctl("ComboBoxSilaRozgrzewaniaWtrysku")}},
        {"", {Ctl("LabelWylOdTemp")}, ReportPieces{Lang(T::ReportGas), Lit(" "), Ctl("ComboBoxMrozGaz")}},
        {"", {Ctl("LabelWylOdTemp")}, ReportPieces{Lang(T::ReportReducer), Lit(" "), Ctl("ComboBoxMrozRed")}},
        {"", {Ctl("LabelOnTimeToInjTime")},
         ReportPieces{Ctl("EditOnTimeToInjTime"), Lit(" "), Lang(T::ReportUnitSeconds)}},
        {"", {Ctl("LabelPelneOtwarcie")}, ReportPieces{Ctl("EditPelneOtwarcie"), Lit(" [ms]")}},
        {"", {Ctl("LabelProcentowePodtrzymanie")}, ReportPieces{Ctl("EditProcentowePodtrzymanie"), Lit(" [%]")}},
        {"", {Ctl("LabelOpoznienieWtryskiwaczy")}, ReportPieces{Ctl("EditOpoznienieWtryskiwaczy"), Lit(" [ms]")}},
        {"", {Ctl("LabelFiltrowanieCisnienia")},
         ReportPieces{Ctl("ComboBoxFiltrowanieCisnienia"), Lit(" "), Ctl("ComboBoxBuzzer")}},
        {"", {Ctl("LabelDodPrzesuniecie")}, ReportPieces{Ctl("EditPrzesuniecie2"), Lit(" [ms]")}},
        {"", {Ctl("LabelDeltaRpm")}, ReportPieces{Ctl("ComboBoxDeltaRpm")}},
    };
    return rows;
}

constexpr const char* kFilledFields[] = {
    "EditMinTempPrzel",         "EditRPMprzelNaLPG",
    "EditWspolneCykle",         "EditWzbogacanieMieszanki",
    "EditPrzesuniecie",         "EditMaxRpm",
    "EditOdswiezanieOczka",     "EditCisnienieWylaczenia",
    "EditCzasPowrotuNaBenz",    "EditParametryMaxInj",
    "EditMinimalnyCzasWtrysku", "EditOnTimeToInjTime",
    "EditOpoznienieWtryskiwaczy", "EditPelneOtwarcie",
    "EditProcentowePodtrzymanie", "EditMultiRpmPower",
    "EditSignalInj",            "EditMaxRpmQuillon",
    "EditCisnienieWylaczeniaQuillon", "EditCzasPowrotuNaBenzQuillon",
};

} // namespace

QString BuildExportText(const ReportSources& sources)
{
    QString text;
    for (const ExportRow& row : exportRows()) {
        if (*row.onlyWhileShown && !sources.screen.Shown(QString::fromLatin1(row.onlyWhileShown)))
            continue;
        text += JoinPieces(row.caption, sources);
        if (row.value)
            text += u'\t' + JoinPieces(*row.value, sources);
        text += u'\n';
    }
    return text;
}

bool ExportFieldsFilled(const ScreenTexts& screen)
{
    for (const char* name : kFilledFields)
        if (screen.Text(QString::fromLatin1(name)).isEmpty())
            return false;
    return true;
}

CodePageId ExportCodePage(const LanguageStrings& texts)
{
    return CodePageOfLanguage(texts.Language());
}

CodePage::Encoded EncodeExport(const QString& text, CodePageId page)
{
    return CodePage::Of(page).Encode(text);
}

} // namespace zantrel
