#include "cli/RecordPrinter.h"

#include "recgame/RecordedGame.h"

#include <QJsonArray>
#include <QStringList>

namespace RecordPrinter {

QJsonObject ToJson(const QString &fileAsGiven, const CRecordedGame &game)
{
    QJsonArray players;
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.number <= 0)
            continue;
        players.append(QJsonObject{
            {QStringLiteral("slot"), s},
            {QStringLiteral("name"), p.name},
            {QStringLiteral("number"), p.number},
            {QStringLiteral("civilization"), p.civilization},
            {QStringLiteral("civilizationName"), CRecordedGame::CivilizationName(p.civilization)},
            {QStringLiteral("colour"), p.colour},
            {QStringLiteral("team"), p.team},
            {QStringLiteral("active"), p.active},
            {QStringLiteral("feudal"), p.feudalTime},
            {QStringLiteral("castle"), p.castleTime},
            {QStringLiteral("imperial"), p.imperialTime},
            {QStringLiteral("firstFeudal"), p.firstFeudal},
            {QStringLiteral("firstCastle"), p.firstCastle},
            {QStringLiteral("firstImperial"), p.firstImperial},
        });
    }
    return QJsonObject{
        {QStringLiteral("file"), fileAsGiven},
        {QStringLiteral("ok"), true},
        {QStringLiteral("version"), game.version.label()},
        {QStringLiteral("saveVersion"), game.version.saveVersion()},
        {QStringLiteral("spectators"), QJsonArray::fromStringList(game.spectators)},
        {QStringLiteral("mapId"), game.mapId},
        {QStringLiteral("mapName"), game.GetMapName(false)},
        {QStringLiteral("mapWidth"), game.mapWidth},
        {QStringLiteral("mapHeight"), game.mapHeight},
        {QStringLiteral("gameType"), game.gameType},
        {QStringLiteral("gameTypeName"), CRecordedGame::GameTypeName(game.gameType)},
        {QStringLiteral("matchSize"), game.matchSize},
        {QStringLiteral("matchSizeLabel"), game.GetMatchSizeLabel()},
        {QStringLiteral("duration"), game.duration},
        {QStringLiteral("povSlot"), game.povSlot},
        {QStringLiteral("playerCount"), game.playerCount},
        {QStringLiteral("teamLabelA"), game.teamLabelA},
        {QStringLiteral("teamLabelB"), game.teamLabelB},
        {QStringLiteral("preGameChat"), game.preGameChat},
        {QStringLiteral("gameChat"), game.gameChat},
        {QStringLiteral("players"), players},
    };
}

QJsonObject FailureJson(const QString &fileAsGiven, const QString &reason)
{
    return QJsonObject{
        {QStringLiteral("file"), fileAsGiven},
        {QStringLiteral("ok"), false},
        {QStringLiteral("error"), reason},
    };
}

namespace {

QString playerLine(const CPlayer &p)
{
    const auto age = [](int ms, bool first) {
        return ms ? CRecordedGame::FormatGameTime(ms) + (first ? QStringLiteral("*") : QString())
                  : QStringLiteral("--:--:--");
    };
    return QStringLiteral("    %1  %2  colour %3  team %4  feudal %5  castle %6  imperial %7%8\n")
        .arg(p.name.isEmpty() ? QStringLiteral("(no name)") : p.name,
             CRecordedGame::CivilizationName(p.civilization).isEmpty()
                 ? QStringLiteral("civ %1").arg(p.civilization)
                 : CRecordedGame::CivilizationName(p.civilization))
        .arg(p.colour)
        .arg(p.team)
        .arg(age(p.feudalTime, p.firstFeudal), age(p.castleTime, p.firstCastle),
             age(p.imperialTime, p.firstImperial), p.active ? QString() : QStringLiteral("  (co-op partner)"));
}

QString withoutCarriageReturns(QString text)
{
    return text.remove(QLatin1Char('\r'));
}

} // namespace

QString ToText(const CRecordedGame &game)
{
    QString out;
    out += QStringLiteral("Map:        %1 (id %2, %3 x %4)\n")
               .arg(game.GetMapName(false))
               .arg(game.mapId)
               .arg(game.mapWidth)
               .arg(game.mapHeight);
    out += QStringLiteral("Type:       %1\n").arg(CRecordedGame::GameTypeName(game.gameType));
    out += QStringLiteral("Match size: %1\n").arg(game.GetMatchSizeLabel());
    out += QStringLiteral("Duration:   %1\n").arg(game.duration);
    out += QStringLiteral("Version:    %1 (save %2)\n").arg(game.version.label()).arg(game.version.saveVersion());
    if (!game.spectators.isEmpty())
        out += QStringLiteral("Spectators: %1\n").arg(game.spectators.join(QStringLiteral(", ")));
    QString sideA;
    QString sideB;
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.number <= 0)
            continue;
        (p.team == game.povPlayer.team ? sideA : sideB) += playerLine(p);
    }
    out += QStringLiteral("%1 (recorded by %2):\n%3").arg(game.teamLabelA, game.povPlayer.name, sideA);
    out += QStringLiteral("%1:\n%2").arg(game.teamLabelB, sideB);
    out += withoutCarriageReturns(game.preGameChat);
    out += withoutCarriageReturns(game.gameChat);
    return out;
}

} // namespace RecordPrinter
