#include "Output.h"

#include <QByteArray>
#include <QJsonDocument>

#include <cstdio>

namespace zantrel::cli {

void Output::line(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Output::object(const QJsonObject& object)
{
    line(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

void Output::result(const QString& plain, const QJsonObject& json)
{
    if (json_)
        object(json);
    else
        line(plain);
}

void PrintError(const QString& message)
{
    std::fprintf(stderr, "zantrel-cli: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString HexBytes(const quint8* bytes, int count)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes), count).toHex(' '));
}

} // namespace zantrel::cli
