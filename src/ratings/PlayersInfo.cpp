#include "ratings/PlayersInfo.h"

#include "catalogue/DbSqlite.h"
#include "catalogue/ScopedTransaction.h"
#include "catalogue/SqlStatement.h"
#include "ratings/Countries.h"
#include "recgame/RecordedGame.h"

#include <QSet>

namespace PlayersInfo {

QList<CPlayerInfo> Entries(const CRecordedGame &game)
{
    QList<CPlayerInfo> entries;
    QSet<int> seen;
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.number <= 0 || p.catalogueId <= 0 || seen.contains(p.catalogueId))
            continue;
        seen.insert(p.catalogueId);
        entries.append({ p.name, p.catalogueId, Country::IsValid(p.country) ? p.country : Country::NoFlag });
    }
    return entries;
}

bool Save(const QList<CPlayerInfo> &entries, CDbSQLite &db)
{
    CScopedTransaction transaction(db);
    if (!transaction.IsActive())
        return false;
    {
        auto update = db.CreateStatement(QStringLiteral("UPDATE players SET Id_Country = ?1 WHERE Id_Player = ?2;"));
        for (const CPlayerInfo &e : entries) {
            update->BindInt(1, e.country).BindInt(2, e.playerId);
            if (!update->Execute())
                return false;
            update->Reset();
        }
    }
    return transaction.Commit();
}

} // namespace PlayersInfo
