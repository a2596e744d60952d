#include "CliCommands.h"

namespace zantrel::cli {

ExitCode RunIdentify(CliContext& c)
{
    const ControllerIdentity& id = c.identity;
    c.out.result(QStringLiteral("hardware 0x%1 software %2 variant %3 cylinders %4")
                     .arg(id.HardwareByte, 2, 16, QLatin1Char('0'))
                     .arg(id.SoftwareByte)
                     .arg(id.variant())
                     .arg(id.cylinders()),
                 QJsonObject{
                     {QStringLiteral("hardware"), id.HardwareByte},
                     {QStringLiteral("software"), id.SoftwareByte},
                     {QStringLiteral("variant"), id.variant()},
                     {QStringLiteral("cylinders"), id.cylinders()},
                 });
    return ExitCode::Ok;
}

} // namespace zantrel::cli
