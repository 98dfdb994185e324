#include "shell/GameDetails.h"

#include "app/ShellStrings.h"
#include "app/TextFormat.h"
#include "ratings/Countries.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"

namespace {

constexpr int kFlagBitmapBase = 152;

bool occupied(const CPlayer &p)
{
    return p.number > 0 || !p.name.isEmpty();
}

QString ageTime(int milliseconds)
{
    return milliseconds > 0 ? CRecordedGame::FormatGameTime(milliseconds) : QStringLiteral("--:--:--");
}

CGameDetails::PlayerLine describePlayer(const CRecordedGame &game, int slot, bool unrated)
{
    const CPlayer &p = game.players[size_t(slot)];
    CGameDetails::PlayerLine line;
    line.slot = slot;
    line.name = p.name;
    line.civilization = p.civilization;
    line.colour = p.colour;
    line.country = p.country;
    line.firstFeudal = p.firstFeudal;
    line.firstCastle = p.firstCastle;
    line.firstImperial = p.firstImperial;
    const QString civ = CRecordedGame::CivilizationName(p.civilization);
    const bool noRating = unrated || game.gameType == CRecordedGame::kGameTypeScenario;
    line.line = noRating ? FormatText(LoadString(StringId::CivilizationLine), { civ })
                         : FormatText(LoadString(StringId::RatingLine), { civ, p.rating });
    const int flag = kFlagBitmapBase + p.country;
    if (unrated)
        line.tooltip = FormatText(LoadString(StringId::IpTooltip),
            { flag, int(p.firstFeudal), int(p.firstCastle), int(p.firstImperial), p.colour, p.name,
                ageTime(p.feudalTime), ageTime(p.castleTime), ageTime(p.imperialTime) });
    else
        line.tooltip = FormatText(LoadString(StringId::PlayerTooltip),
            { flag, int(p.firstFeudal), int(p.firstCastle), int(p.firstImperial), p.colour, p.name, p.rating,
                ageTime(p.feudalTime), ageTime(p.castleTime), ageTime(p.imperialTime) });
    return line;
}

} // namespace

CGameDetails CGameDetails::Describe(const CRecordedGame &game)
{
    CGameDetails d;
    d.chat = game.preGameChat + game.gameChat;
    d.type = CRecordedGame::GameTypeName(game.gameType);
    d.map = game.GetMapName(false);
    d.players = game.GetMatchSizeLabel();
    d.duration = game.duration;
    const QString label = game.version.label();
    if (!label.isEmpty())
        d.version = game.version.saveVersion() > 0
            ? QStringLiteral("%1 (save %2)").arg(label, QString::number(game.version.saveVersion(), 'f', 2))
            : label;
    d.spectators = game.spectators.join(QStringLiteral(", "));
    d.platform = game.platform;
    d.platformText = Platform::PlatformLabel(game.platform);
    d.hasTerrain = game.gameType != CRecordedGame::kGameTypeScenario && game.mapWidth > 0 && game.mapHeight > 0;

    const bool validPov = game.povSlot >= 1 && game.povSlot < CRecordedGame::kSlots;
    const CPlayer &pov = validPov ? game.players[size_t(game.povSlot)] : game.povPlayer;
    d.viewName = pov.name;
    d.viewCountry = pov.country;
    d.viewCountryName = pov.country > 0 ? Country::CountryName(pov.country) : QString();

    const bool unrated = game.platform == Platform::Ip;
    int ratingSum = 0;
    int rated = 0;
    for (int slot = 1; slot < CRecordedGame::kSlots; ++slot) {
        const CPlayer &p = game.players[size_t(slot)];
        if (occupied(p) && p.rating > 0)
            ratingSum += p.rating, ++rated;
    }
    d.ratingAverage
        = (rated == 0 || unrated) ? LoadString(StringId::NoRating) : QString::number(double(ratingSum) / rated, 'f', 2);

    // The point-of-view player's team against everybody else; a team of
    // "none" is the player alone.
    auto onPovTeam = [&](int slot) {
        const CPlayer &p = game.players[size_t(slot)];
        if (validPov && slot == game.povSlot)
            return true;
        return pov.team != 0 && p.team == pov.team;
    };
    int own = 0;
    int others = 0;
    for (int slot = 1; slot < CRecordedGame::kSlots; ++slot) {
        if (occupied(game.players[size_t(slot)]))
            (onPovTeam(slot) ? own : others) += 1;
    }
    const bool bySlot = game.matchSize == CRecordedGame::kMatchSizeFFA || own > 4 || others > 4;
    for (int slot = 1; slot < CRecordedGame::kSlots; ++slot) {
        if (!occupied(game.players[size_t(slot)]))
            continue;
        const bool inA = bySlot ? slot <= 4 : onPovTeam(slot);
        (inA ? d.teamA : d.teamB).append(describePlayer(game, slot, unrated));
    }
    return d;
}
