#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The requests and replies of the three rating services, as pure functions:
// what is sent for a list of names, and what a reply text says. Replies are
// untrusted: every parser reads any text without failing and yields at most
// what the reply really holds.
namespace RatingParsers {

inline constexpr int kNewRating = 1600;
inline constexpr int kMaxRecords = 8;

// One player as a service reports it.
struct RatingRecord
{
    QString nick;
    int rating = kNewRating;
    int country = 0;
};

// What the GamePark player page says about one player.
struct PageResult
{
    bool found = false; // the page is a player page
    int country = 0;
    int rating = kNewRating;
};


// A parameter value percent-encoded for a query or a form body: every byte
// but the unreserved ones (A-Z a-z 0-9 - . _ ~) as %XX. The text is encoded
// with codePage when that code page represents it exactly (the bytes the
// game wrote), otherwise as UTF-8.
QByteArray EncodeParameter(const QString &value, const QString &codePage);

// A name without a leading clan tag: "[ABC]nick" gives "nick"; a name that
// starts with "[" but holds no "]" stays whole.
QString WithoutClanTag(const QString &name);

// The form body of the nickname query service for the names (in slot
// order): "type=tessik&nicks=a;b;c", each name encoded.
QByteArray NickServiceBody(const QStringList &names, const QString &codePage);
// The query of the GamePark player page: "nick=<name>".
QByteArray GameParkQuery(const QString &name, const QString &codePage);
// The query of the IGZones rating service: "ladder=<ladder>&player=a,b,c",
// names without their clan tags.
QByteArray IgZonesQuery(const QString &ladder, const QStringList &names, const QString &codePage);

// The nickname query service's reply: lines holding "<player" with the
// attributes nick="...", rating="..." and country="..."; at most eight.
QList<RatingRecord> ParseNickServiceReply(const QString &reply);
// The IGZones reply: records separated by ";", fields by ","; the second
// field is the nick, the third the rating; at most eight.
QList<RatingRecord> ParseIgZonesReply(const QString &reply);
// The GamePark player page for one ladder (170 random map, 169 death match).
PageResult ParseGameParkPage(const QString &page, int ladder);

} // namespace RatingParsers
