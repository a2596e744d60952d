#include "reports/ReportPieces.h"

namespace zantrel {

namespace {

constexpr QStringView kCarPrefix = u"TForm5.";

// The names the reports use where this window calls the control otherwise.
struct Alias {
    const char16_t* name;
    const char16_t* object;
};

constexpr Alias kAliases[] = {
    {u"LabelMaxInjTime", u"LabelParametryMaxInj"},
    {u"LabelPrzesuniecieChar", u"LabelPrzesuniecie"},
    {u"LabelMaxRPM", u"LabelMaxRpm"},
    {u"SpeedButton2", u"ButtonMapaZaawansowana"},
    {u"LabelDodPrzesuniecie", u"LabelPrzesuniecie2"},
    // The car dialog's make, model and installer captions.
    {u"TForm5.Label7", u"Label2"},
    {u"TForm5.Label9", u"Label4"},
    {u"TForm5.Label2", u"Label5"},
};

} // namespace

QString ScreenObjectName(QStringView name)
{
    for (const Alias& alias : kAliases)
        if (name == QStringView(alias.name))
            return QString::fromUtf16(alias.object);
    if (InCarDialog(name))
        return name.mid(kCarPrefix.size()).toString();
    return name.toString();
}

bool InCarDialog(QStringView name)
{
    return name.startsWith(kCarPrefix);
}

QString OneLineField(QString text)
{
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}

QString JoinPieces(const ReportPieces& pieces, const ReportSources& sources)
{
    QString line;
    for (const ReportPiece& piece : pieces) {
        const QString name = QString::fromLatin1(piece.text);
        switch (piece.kind) {
        case ReportPiece::Kind::Literal:
            line += QString::fromUtf8(piece.text);
            break;
        case ReportPiece::Kind::Language:
            line += sources.texts[piece.language];
            break;
        case ReportPiece::Kind::Control:
            line += OneLineField(sources.screen.Text(name));
            break;
        case ReportPiece::Kind::ItemIndex:
            line += QString::number(sources.screen.ItemIndex(name));
            break;
        case ReportPiece::Kind::Stamp:
            line += sources.stamp;
            break;
        }
    }
    return line;
}

} // namespace zantrel
