#include "explorer/RowAnalysis.h"

#include "app/Log.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"

#include <QFileInfo>

namespace RowAnalysis {

bool AnalyzeFile(const QString &path, CRecordedGame &game, QString *reason, bool readTerrain)
{
    // A record reused from an earlier game would carry that game's catalogue
    // ids into the store; the analysis starts from an empty one (its buffers
    // kept for this file).
    game.Reset();
    QString why;
    if (!QFileInfo(path).isFile()) {
        why = QStringLiteral("no such file");
    } else {
        game.SetFile(path);
        if (!game.ReadFile())
            why = game.ReadError();
        else if (game.header.isEmpty())
            why = QStringLiteral("the header could not be inflated: not a recorded game");
    }
    if (!why.isEmpty()) {
        if (reason)
            *reason = why;
        return false;
    }
    game.Analyze(readTerrain);
    game.BuildTeamLabels();
    return true;
}

bool AnalyzeAndStore(
    const QString &folder, CGameRow &row, CRecordedGame &game, CDbSQLite &db, int platform, QString *reason)
{
    return AnalyzeFile(folder + row.fileName, game, reason, true) && StoreAnalysed(row, game, db, platform, reason);
}

bool StoreAnalysed(CGameRow &row, CRecordedGame &game, CDbSQLite &db, int platform, QString *reason)
{
    const int target = platform >= 0 ? platform : Platform::DefaultPlatformFor(game.gameType);
    if (!Catalogue::StoreInCatalogue(game, db, target)) {
        if (reason)
            *reason = QStringLiteral("the catalogue could not store the game");
        return false;
    }
    row.FillFromGame(game);
    row.fileSize = Catalogue::CatalogueFileSize(game.fileSize);
    return true;
}

Outcome AnalyzeSelection(const QString &folder, CGameRow &row, CRecordedGame &game)
{
    if (!row.isFile || !row.IsRecording())
        return Outcome::NotRecording;
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db) {
        row.error = QStringLiteral("the catalogue could not be opened");
        return Outcome::Failed;
    }
    if (row.IsKnown()) {
        if (Catalogue::LoadById(game, row.catalogueId, *db, true, folder)) {
            game.BuildTeamLabels();
            return Outcome::Loaded;
        }
        Log::Write(QStringLiteral("Error, getting RecGame Info, ID: %1").arg(row.catalogueId));
        row.error = QStringLiteral("its catalogue entry could not be loaded");
        return Outcome::Failed;
    }
    if (!AnalyzeAndStore(folder, row, game, *db, -1, &row.error))
        return Outcome::Failed;
    return Outcome::Stored;
}

bool Reread(const QString &folder, CGameRow &row, CRecordedGame &game, CDbSQLite &db, int platform)
{
    if (row.IsKnown())
        Catalogue::DeleteFromCatalogue(row.catalogueId, db);
    row.ClearGame();
    return AnalyzeAndStore(folder, row, game, db, platform, &row.error);
}

bool Reanalyze(const QString &folder, CGameRow &row, CRecordedGame &game)
{
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db)
        return false;
    return Reread(folder, row, game, *db, -1);
}

} // namespace RowAnalysis
