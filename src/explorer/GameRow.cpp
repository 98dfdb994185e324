#include "explorer/GameRow.h"

#include "catalogue/Persistence.h"
#include "recgame/RecordedGame.h"

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
