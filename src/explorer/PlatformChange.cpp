#include "explorer/PlatformChange.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "explorer/RowAnalysis.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"

namespace PlatformChange {

Result ChangePlatform(const QString &folder, CGameRow &row, int newPlatform, CRecordedGame &game)
{
    if (!row.isFile || !row.IsKnown())
        return Result::NotStored;
    if (!Platform::IsValid(newPlatform))
        return Result::Unchanged;
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db)
        return Result::Unchanged;
    CRecordedGame stored;
    if (!Catalogue::LoadSummaryById(stored, row.catalogueId, *db))
        return Result::NotStored;
    if (stored.platform == newPlatform)
        return Result::Unchanged;
    Catalogue::DeleteFromCatalogue(row.catalogueId, *db);
    row.ClearGame();
    if (!RowAnalysis::AnalyzeAndStore(folder, row, game, *db, newPlatform))
        return Result::FileLost;
    return Result::Changed;
}

} // namespace PlatformChange
