#include "explorer/GameRow.h"

#include "catalogue/Persistence.h"
#include "recgame/RecordedGame.h"

#include <ctime>

void CGameRow::FillFromGame(const CRecordedGame &game)
{
    catalogueId = game.catalogueId;
    viewName = game.povPlayer.name;
    viewCountry = game.povPlayer.country;
    mapName = game.GetMapName(false);
    players = game.matchSize;
    playersLabel = game.GetMatchSizeLabel();
    durationText = game.duration;
    duration = game.durationSeconds > 0 ? game.durationSeconds : Catalogue::DurationSeconds(game.duration);
    platform = game.platform;
    error.clear();
}

void CGameRow::ClearGame()
{
    catalogueId = 0;
    viewName.clear();
    viewCountry = 0;
    mapName.clear();
    players = 0;
    playersLabel.clear();
    duration = 0;
    durationText.clear();
    platform = -1;
}

QString FormatRowDate(qint64 secondsSinceEpoch, const QString &format)
{
    const std::time_t t = std::time_t(secondsSinceEpoch);
    std::tm local {};
    if (!localtime_r(&t, &local))
        return QString();
    char buffer[256] = {};
    const QByteArray f = format.toLocal8Bit();
    const size_t n = f.isEmpty() ? 0 : std::strftime(buffer, sizeof buffer, f.constData(), &local);
    return QString::fromLocal8Bit(buffer, qsizetype(n));
}
