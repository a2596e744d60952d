#include "CliCommands.h"

#include "app/MenuTable.h"
#include "base/EntryFilters.h"
#include "base/LanguageStrings.h"
#include "base/DecliningPrompter.h"
#include "config/ParameterEditors.h"
#include "config/ParameterTransfer.h"
#include "config/QuietTransferView.h"
#include "config/PlainEditorScreen.h"
#include "image/CarDataBlock.h"
#include "image/ControllerImage.h"
#include "link/ConnectionManager.h"
#include "link/JobRun.h"
#include "link/LinkGate.h"
#include "link/ReadSequences.h"
#include "link/StepTimer.h"
#include "reports/ConfigurationReport.h"
#include "reports/ControllerScreenTexts.h"
#include "service/CarDataTransfer.h"
#include "service/DeviceData.h"

#include <QDateTime>
#include <QJsonArray>
#include <QLocale>
#include <QSaveFile>

#include <memory>

namespace zantrel::cli {

namespace {

QString menuCaption(QStringView name)
{
    for (const MenuItemSpec& item : MainMenuItems())
        if (name == QLatin1String(item.name))
            return QString::fromUtf8(item.caption);
    return {};
}

const char* colourName(ReportColour colour)
{
    switch (colour) {
    case ReportColour::Red:
        return "red";
    case ReportColour::Blue:
        return "blue";
    case ReportColour::Green:
        return "green";
    case ReportColour::Purple:
        return "purple";
    }
    return "";
}

bool writeFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace

ExitCode RunReport(CliContext& c)
{
    EcuCommands& commands = c.session.commands();
    const ParameterReadout words = ReadAllParameterWords(commands);
    const CarDataReadout car = ReadCarData(commands);
    LinkJob serialJob;
    auto serial = std::make_shared<WordReadout>();
    ReadSerialNumber(serialJob, serial);
    RunJob(c.session.link(), std::move(serialJob));
    if (!c.session.link().PortOpen())
        return c.session.portWentAway();

    ControllerImage image;
    StoreParameterRead(image.Parameters(), words);
    CarDataBlock carData;
    ApplyCarDataRead(carData, car);

    // The editors fill the screen from the table as the window's refresh does. The bits
    // that refresh sets in words 22 and 47 stay in this copy: the report writes nothing.
    const LanguageStrings texts;
    const Separators separators = SeparatorsOf();
    // The editors need a transfer to exist; nothing goes through it.
    PauseStepTimer timer(c.session.pause());
    LinkGate gate(c.session.link(), timer);
    QuietTransferView view;
    DecliningPrompter prompter;
    ParameterTransfer transfer(gate, image, view, prompter, texts);
    PlainEditorScreen screen;
    ParameterEditors editors(image.Parameters(), transfer, screen, prompter, texts, separators);
    static_cast<void>(editors.Refresh(true, c.identity));

    const ControllerScreenTexts shown({
        ConnectionManager::IdentityCaption(BaseCaption(texts), ConnectionManager::kEditionText, c.identity),
        &menuCaption,
        c.identity,
        *serial,
        carData,
        texts.Language(),
        screen,
        separators.decimal,
    });
    const std::vector<ReportLine> lines =
        BuildScreenReport({shown, texts, ReportStamp(QDateTime::currentDateTime(), QLocale())});

    const QString plain = ReportPlainText(lines);
    if (!c.request.out.isEmpty()) {
        if (!writeFile(c.request.out, plain)) {
            PrintError(QStringLiteral("cannot write %1").arg(c.request.out));
            return ExitCode::FileFailed;
        }
        c.out.result(QStringLiteral("%1 lines in %2").arg(lines.size()).arg(c.request.out),
                     {{QStringLiteral("lines"), qint64(lines.size())}, {QStringLiteral("file"), c.request.out}});
    } else if (c.out.json()) {
        QJsonArray json;
        for (const ReportLine& line : lines)
            json.append(QJsonObject{{QStringLiteral("colour"), QLatin1String(colourName(line.colour))},
                                    {QStringLiteral("text"), line.text}});
        c.out.object({{QStringLiteral("lines"), json}});
    } else {
        for (const ReportLine& line : lines)
            c.out.line(line.text);
    }

    const int received = image.Parameters().KnownCount();
    if (received == ParameterTable::kWords)
        return ExitCode::Ok;
    PrintError(QStringLiteral("%1 of %2 words were not answered: their fields are empty")
                   .arg(ParameterTable::kWords - received)
                   .arg(ParameterTable::kWords));
    return ExitCode::NoController;
}

} // namespace zantrel::cli
