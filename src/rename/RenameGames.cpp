#include "rename/RenameGames.h"

#include "catalogue/Persistence.h"
#include "explorer/RowAnalysis.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"

#include <QFileInfo>

namespace RenameGames {

int LoadOrStore(const QString &folder, const QString &fileName, CDbSQLite &db, CRecordedGame &game, QString *reason)
{
    const QFileInfo info(folder + fileName);
    if (!info.isFile()) {
        if (reason)
            *reason = QStringLiteral("no such file");
        return 0;
    }
    int id = 0;
    {
        CRecordedGame summary;
        if (Catalogue::LoadSummaryByFile(summary, fileName, Catalogue::CatalogueFileSize(info.size()), db))
            id = summary.catalogueId;
    }
    if (id <= 0) {
        if (!RowAnalysis::AnalyzeFile(folder + fileName, game, reason))
            return 0;
        if (!Catalogue::StoreInCatalogue(game, db, Platform::DefaultPlatformFor(game.gameType))) {
            if (reason)
                *reason = QStringLiteral("the catalogue could not store the game");
            return 0;
        }
        id = game.catalogueId;
    }
    game = CRecordedGame();
    if (!Catalogue::LoadById(game, id, db, false, folder)) {
        if (reason)
            *reason = QStringLiteral("the stored game could not be loaded");
        return 0;
    }
    return id;
}

} // namespace RenameGames
