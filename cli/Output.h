#pragma once

#include <QJsonObject>
#include <QString>

namespace zantrel::cli {

// Results go to stdout, as plain lines or as JSON; errors go to stderr as one line.
class Output {
public:
    explicit Output(bool json) : json_(json) {}

    bool json() const { return json_; }
    void line(const QString& text);
    // One compact JSON object on a line of its own.
    void object(const QJsonObject& object);
    // The plain text or the JSON object, whichever was asked for.
    void result(const QString& plain, const QJsonObject& json);

private:
    bool json_;
};

void PrintError(const QString& message);

// "49 00 00 00 49 3b"
QString HexBytes(const quint8* bytes, int count);

} // namespace zantrel::cli
