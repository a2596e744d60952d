#include "reports/ReportPieces.h"

namespace zantrel {

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
