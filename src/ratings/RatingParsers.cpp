#include "ratings/RatingParsers.h"

#include "app/TextFormat.h"

#include "ratings/Countries.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>

namespace RatingParsers {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
        || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-');
}

QString decodeEntities(QString text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// Reads the attribute value that starts at pos: quoted with " or ' (up to
// the closing quote, or the end of the line when it is missing), or bare up
// to a blank, "/" or ">". pos moves past the value.
QString attributeValue(const QString &line, qsizetype &pos)
{
    const qsizetype n = line.size();
    if (pos < n && (line[pos] == QLatin1Char('"') || line[pos] == QLatin1Char('\''))) {
        const QChar quote = line[pos];
        const qsizetype start = pos + 1;
        qsizetype end = line.indexOf(quote, start);
        if (end < 0)
            end = n;
        pos = end + 1;
        return line.mid(start, end - start);
    }
    const qsizetype start = pos;
    while (pos < n && !isBlank(line[pos]) && line[pos] != QLatin1Char('/') && line[pos] != QLatin1Char('>'))
        ++pos;
    return line.mid(start, pos - start);
}

// True when the line holds a "<player" tag (not "<players" or "<playerlist").
bool hasPlayerTag(const QString &line)
{
    static const QLatin1String tag("<player");
    for (qsizetype at = line.indexOf(tag); at >= 0; at = line.indexOf(tag, at + 1)) {
        const qsizetype after = at + tag.size();
        if (after >= line.size() || !isNameChar(line[after]))
            return true;
    }
    return false;
}

RatingRecord parsePlayerLine(const QString &line)
{
    RatingRecord record;
    const qsizetype n = line.size();
    qsizetype pos = 0;
    while (pos < n) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            // A value of an attribute we do not read: its text is no name.
            attributeValue(line, pos);
            continue;
        }
        if (!isNameChar(c) || (pos > 0 && isNameChar(line[pos - 1]))) {
            ++pos;
            continue;
        }
        qsizetype end = pos;
        while (end < n && isNameChar(line[end]))
            ++end;
        const QString name = line.mid(pos, end - pos);
        pos = end;
        if (pos >= n || line[pos] != QLatin1Char('='))
            continue;
        ++pos;
        const QString value = attributeValue(line, pos);
        if (name == QLatin1String("nick"))
            record.nick = decodeEntities(value);
        else if (name == QLatin1String("rating"))
            record.rating = LeadingInt(value);
        else if (name == QLatin1String("country"))
            record.country = LeadingInt(value);
    }
    return record;
}

QByteArray joinEncoded(const QStringList &names, char separator, const QString &codePage)
{
    QByteArray list;
    for (const QString &name : names) {
        if (name.isEmpty())
            continue;
        if (!list.isEmpty())
            list += separator;
        list += EncodeParameter(name, codePage);
    }
    return list;
}

} // namespace

QByteArray EncodeParameter(const QString &value, const QString &codePage)
{
    QByteArray bytes = value.toUtf8();
    QStringEncoder encoder(codePage.toLatin1().constData(), QStringEncoder::Flag::Stateless);
    QStringDecoder decoder(codePage.toLatin1().constData(), QStringDecoder::Flag::Stateless);
    if (encoder.isValid() && decoder.isValid()) {
        const QByteArray local = encoder.encode(value);
        // Code pages replace what they cannot map (often by "?"): only an
        // exact round trip proves the text is representable.
        if (!encoder.hasError() && QString(decoder.decode(local)) == value)
            bytes = local;
    }
    return bytes.toPercentEncoding();
}

QString WithoutClanTag(const QString &name)
{
    if (name.startsWith(QLatin1Char('['))) {
        const qsizetype close = name.indexOf(QLatin1Char(']'));
        if (close >= 0)
            return name.mid(close + 1);
    }
    return name;
}

QByteArray NickServiceBody(const QStringList &names, const QString &codePage)
{
    return "type=tessik&nicks=" + joinEncoded(names, ';', codePage);
}

QByteArray GameParkQuery(const QString &name, const QString &codePage)
{
    return "nick=" + EncodeParameter(name, codePage);
}

QByteArray IgZonesQuery(const QString &ladder, const QStringList &names, const QString &codePage)
{
    QStringList bare;
    for (const QString &name : names)
        bare.append(WithoutClanTag(name));
    return "ladder=" + EncodeParameter(ladder, codePage) + "&player=" + joinEncoded(bare, ',', codePage);
}

QList<RatingRecord> ParseNickServiceReply(const QString &reply)
{
    QList<RatingRecord> records;
    const QStringList lines = reply.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (const QString &raw : lines) {
        if (records.size() == kMaxRecords)
            break;
        const QString line = raw.trimmed();
        if (hasPlayerTag(line))
            records.append(parsePlayerLine(line));
    }
    return records;
}

QList<RatingRecord> ParseIgZonesReply(const QString &reply)
{
    QList<RatingRecord> records;
    for (const QString &raw : reply.split(QLatin1Char(';'))) {
        if (records.size() == kMaxRecords)
            break;
        const QString piece = raw.trimmed();
        if (piece.isEmpty())
            continue;
        const QStringList fields = piece.split(QLatin1Char(','));
        RatingRecord record;
        if (fields.size() > 1)
            record.nick = fields[1];
        if (fields.size() > 2)
            record.rating = LeadingInt(fields[2]);
        records.append(record);
    }
    return records;
}

PageResult ParseGameParkPage(const QString &page, int ladder)
{
    static const QLatin1String idMarker("player's id :");
    static const QLatin1String nationalityMarker("Nationality :");
    static const QLatin1String cellMarker("<td class=\"descr\">");
    static const QLatin1String cellEnd("</td>");
    static const QLatin1String ladderMarker("<a href=\"/en/AOE_Ladder.asp?p=");
    static const QLatin1String ratingMarker("Rating: <strong>");

    PageResult result;
    qsizetype pos = page.indexOf(idMarker);
    if (pos <= 0)
        return result;
    result.found = true;

    // The ladder links follow the country; without a country they are looked
    // for from the player's id on.
    const qsizetype nationality = page.indexOf(nationalityMarker, pos);
    if (nationality >= 0) {
        const qsizetype cell = page.indexOf(cellMarker, nationality);
        if (cell >= 0) {
            const qsizetype start = cell + cellMarker.size();
            const qsizetype end = page.indexOf(cellEnd, start);
            if (end >= 0) {
                result.country = Country::CountryFromServiceName(page.mid(start, end - start).trimmed());
                pos = end;
            }
        }
    }

    for (qsizetype link = page.indexOf(ladderMarker, pos); link >= 0; link = page.indexOf(ladderMarker, link + 1)) {
        const qsizetype numberAt = link + ladderMarker.size();
        if (LeadingInt(QStringView(page).mid(numberAt, 16)) != ladder)
            continue;
        const qsizetype rating = page.indexOf(ratingMarker, numberAt);
        if (rating >= 0) {
            const int value = LeadingInt(QStringView(page).mid(rating + ratingMarker.size(), 16));
            result.rating = value == 0 ? kNewRating : value;
        }
        break;
    }
    return result;
}

} // namespace RatingParsers
