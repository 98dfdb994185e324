#include "catalogue/Persistence.h"

#include "app/Log.h"
#include "app/Settings.h"
#include "catalogue/DbSqlite.h"
#include "catalogue/ScopedTransaction.h"
#include "catalogue/SearchQuery.h"
#include "catalogue/SqlStatement.h"
#include "recgame/RecordedGame.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char *kUnit = "RecordedGame";
constexpr int kNewPlayerRating = 1600;
constexpr int kMapDivider = 50;

// Columns of "r.*, m.Name, p.*".
enum SummaryColumn {
    colId = 0,
    colFileName = 1,
    colFileSize = 2,
    colPlayerView = 3,
    colPlayers = 4,
    colMap = 5,
    colRating = 6,
    colPlatform = 7,
    colGameType = 8,
    colDuration = 9,
    colMapName = 10,
    colViewNick = 12,
    colViewRating = 13,
    colViewCountry = 15,
};

const QString kSummaryById
    = QStringLiteral("SELECT r.*, m.Name, p.* FROM recgame AS r LEFT JOIN maps m ON (r.Id_Map = m.Id_Map) "
                     "LEFT JOIN players AS p ON (r.Id_Player_View = p.Id_Player) WHERE r.Id_Rec_Game = ?1;");
// The point-of-view player is joined LEFT: a game stored without one is
// still known by its file, so it is not analysed and stored again on every
// listing.
const QString kSummaryByFile = QStringLiteral(
    "SELECT r.*, m.Name, p.* FROM recgame AS r LEFT JOIN maps m ON (r.Id_Map = m.Id_Map) "
    "LEFT JOIN players AS p ON (r.Id_Player_View = p.Id_Player) WHERE r.File_Name = ?1 AND r.File_Size = ?2 "
    "ORDER BY r.Id_Rec_Game LIMIT 1;");

QString fileNameOf(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? path : path.mid(slash + 1);
}

void fillSummary(CRecordedGame &game, const CSqlStatement &row)
{
    game.catalogueId = row.ColumnInt(colId);
    if (game.catalogueId <= 0)
        return;
    game.matchSize = row.ColumnInt(colPlayers);
    game.platform = row.ColumnInt(colPlatform);
    game.mapId = row.ColumnInt(colMap);
    game.gameType = row.ColumnInt(colGameType);
    game.duration = row.ColumnText(colDuration);
    game.durationSeconds = Catalogue::DurationSeconds(game.duration);
    game.mapName = game.mapId > kMapDivider ? row.ColumnText(colMapName) : QString();
    game.povPlayer.catalogueId = row.ColumnInt(colPlayerView);
    game.povPlayer.name = row.ColumnText(colViewNick);
    game.povPlayer.rating = row.ColumnInt(colViewRating);
    game.povPlayer.country = row.ColumnInt(colViewCountry);
}

bool logNullStatement(const QString &sql)
{
    Log::Write(
        QStringLiteral("Error in SQL Query, \r\nCSqlStatement* stmt, NULL POINTER\r\nQuery = %1\r\n File %2 - Line %3")
            .arg(sql, QString::fromLatin1(kUnit))
            .arg(__LINE__));
    return false;
}

int storedMapId(CRecordedGame &game, CDbSQLite &db)
{
    if ((game.mapId >= 9 && game.mapId <= 35) || game.mapId == 48) {
        if (game.mapId == 48)
            game.mapId = 35;
        return game.mapId;
    }
    // Maps of later versions have no id of their own in the catalogue: they
    // are kept by name like custom maps, so they read back and search by name.
    const QString name = game.mapName.isEmpty() ? game.GetMapName(true) : game.mapName;
    auto find = db.CreateStatement(QStringLiteral("SELECT Id_Map FROM maps WHERE Name = ?1"));
    find->BindText(1, name);
    if (find->NextRow()) {
        const int id = find->ColumnInt(0);
        find->Reset();
        return id;
    }
    auto insert = db.CreateStatement(QStringLiteral("INSERT INTO maps VALUES (NULL, ?1)"));
    insert->BindText(1, name);
    return insert->Execute() ? int(db.LastInsertId()) : 0;
}

int existingGame(CDbSQLite &db, const QString &fileName, qint64 size)
{
    auto find = db.CreateStatement(
        QStringLiteral("SELECT Id_Rec_Game FROM recgame WHERE File_Name = ?1 AND File_Size = ?2 LIMIT 1"));
    find->BindText(1, fileName).BindInt(2, size);
    const int id = find->NextRow() ? find->ColumnInt(0) : 0;
    find->Reset();
    return id;
}

} // namespace

namespace Catalogue {

int DurationSeconds(const QString &duration)
{
    const QStringList parts = duration.split(QLatin1Char(':'));
    const auto part = [&](int i) { return i < parts.size() ? parts[i].trimmed().toInt() : 0; };
    return part(0) * 3600 + part(1) * 60 + part(2);
}

qint64 CatalogueFileSize(qint64 length)
{
    return qint64(quint64(length) & 0xFFFFFFFFu);
}

void StorePlayer(CPlayer &player, CDbSQLite &db, int platform)
{
    // The id and rating come from the nickname's row on this platform; the
    // country from the highest one known on any platform. The look-up runs
    // even when the country is already known, so that such a player is not
    // added again on every store.
    auto find = db.CreateStatement(QStringLiteral(
        "SELECT Id_Player, Id_Country, Plataforma, Rating FROM players WHERE Nick = ?1 ORDER BY Id_Country DESC, "
        "Id_Player"));
    find->BindText(1, player.name);
    while (find->NextRow()) {
        if (player.country == 0)
            player.country = find->ColumnInt(1);
        if (find->ColumnInt(2) == platform) {
            player.catalogueId = find->ColumnInt(0);
            player.rating = find->ColumnInt(3);
            break;
        }
    }
    find->Reset();
    if (player.catalogueId != 0)
        return;
    if (player.rating == 0)
        player.rating = kNewPlayerRating;
    auto insert = db.CreateStatement(QStringLiteral("INSERT INTO players VALUES (NULL, ?1, ?2, ?3, ?4)"));
    insert->BindText(1, player.name).BindInt(2, player.rating).BindInt(3, platform).BindInt(4, player.country);
    if (insert->Execute())
        player.catalogueId = int(db.LastInsertId());
}

void LookupPlayer(CPlayer &player, CDbSQLite &db)
{
    auto find = db.CreateStatement(
        QStringLiteral("SELECT * FROM players WHERE Nick = ?1 ORDER BY Id_Country DESC, Id_Player"));
    find->BindText(1, player.name);
    if (find->NextRow()) {
        player.catalogueId = find->ColumnInt(0);
        if (player.catalogueId > 0)
            player.country = find->ColumnInt(4);
    }
    find->Reset();
}

bool StoreInCatalogue(CRecordedGame &game, CDbSQLite &db, int platform)
{
    CScopedTransaction transaction(db);
    if (!transaction.IsActive())
        return false;
    game.platform = platform;
    const QString fileName = fileNameOf(game.filePath);
    const qint64 size = CatalogueFileSize(game.fileSize);
    if (const int existing = existingGame(db, fileName, size)) {
        game.catalogueId = existing;
        return true;
    }

    const int mapId = storedMapId(game, db);
    double sum = 0;
    int count = 0;
    for (int s = 1; s <= 8; ++s) {
        CPlayer &p = game.players[s];
        if (p.number <= 0)
            continue;
        StorePlayer(p, db, platform);
        sum += p.rating;
        ++count;
    }
    const int pov = std::clamp(game.povSlot, 0, 8);
    game.povPlayer = game.players[size_t(pov)];
    const double average = count > 0 ? std::round(sum / count * 100.0) / 100.0 : 0.0;

    auto insert
        = db.CreateStatement(QStringLiteral("INSERT INTO recgame VALUES (NULL, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"));
    insert->BindText(1, fileName)
        .BindInt(2, size)
        .BindInt(3, game.povPlayer.catalogueId)
        .BindInt(4, game.matchSize)
        .BindInt(5, mapId)
        .BindDouble(6, average)
        .BindInt(7, platform)
        .BindInt(8, game.gameType)
        .BindText(9, game.duration);
    // On any failure the transaction rolls back, so ids handed out inside it
    // must not stay in the record.
    const auto fail = [&game] {
        game.catalogueId = 0;
        for (CPlayer &p : game.players)
            p.catalogueId = 0;
        game.povPlayer.catalogueId = 0;
        return false;
    };
    if (!insert->Execute())
        return fail();
    const int gameId = int(db.LastInsertId());

    auto playerRow
        = db.CreateStatement(QStringLiteral("INSERT OR IGNORE INTO recgame_players VALUES (?1, ?2, ?3, ?4, ?5, ?6);"));
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.catalogueId <= 0 || p.number <= 0)
            continue;
        // Co-operating partners of one player may share every key column;
        // one row then stands for both (the key allows no second one).
        playerRow->BindInt(1, gameId)
            .BindInt(2, p.catalogueId)
            .BindInt(3, p.civilization)
            .BindInt(4, p.colour)
            .BindInt(5, p.team == game.povPlayer.team ? 1 : 2)
            .BindInt(6, p.number);
        if (!playerRow->Execute())
            return fail();
        playerRow->Reset();
    }
    playerRow.reset();
    insert.reset();
    if (!transaction.Commit())
        return fail();
    game.catalogueId = gameId;
    return true;
}

bool LoadById(CRecordedGame &game, int id, CDbSQLite &db, bool withDetails, const QString &folder)
{
    {
        auto row = db.CreateStatement(QStringLiteral("SELECT r.*, m.Name FROM recgame AS r LEFT JOIN maps m ON "
                                                     "(r.Id_Map = m.Id_Map) WHERE r.Id_Rec_Game = ?1;"));
        if (!row->IsPrepared())
            return logNullStatement(row->Sql());
        row->BindInt(1, id);
        if (!row->NextRow())
            return false;
        game.catalogueId = row->ColumnInt(colId);
        if (game.catalogueId <= 0)
            return false;
        const QString base = folder.isEmpty() ? CSettings::Instance().CurrentPath() : folder;
        game.filePath = base + row->ColumnText(colFileName);
        game.fileSize = quint32(row->ColumnInt64(colFileSize));
        game.matchSize = row->ColumnInt(colPlayers);
        game.platform = row->ColumnInt(colPlatform);
        game.mapId = row->ColumnInt(colMap);
        game.gameType = row->ColumnInt(colGameType);
        game.duration = row->ColumnText(colDuration);
        game.durationSeconds = DurationSeconds(game.duration);
        if (game.mapId > kMapDivider)
            game.mapName = row->ColumnText(colMapName);
        game.povPlayer = CPlayer();
        game.povPlayer.catalogueId = row->ColumnInt(colPlayerView);
        row->Reset();
    }

    auto players = db.CreateStatement(QStringLiteral(
        "SELECT p.*, rp.Id_Team, rp.Id_Civilization, rp.Id_Color, rp.Id_Key FROM recgame_players rp, players p "
        "WHERE rp.Id_Player = p.Id_Player AND rp.Id_Rec_Game = ?1 ORDER BY rp.Id_Team ASC, rp.Id_Key ASC;"));
    players->BindInt(1, game.catalogueId);
    for (int s = 1; s <= 8; ++s)
        game.players[s] = CPlayer();
    game.povSlot = 0;
    int slot = 1;
    while (slot <= 8 && players->NextRow()) {
        CPlayer &p = game.players[slot];
        p.catalogueId = players->ColumnInt(0);
        p.name = players->ColumnText(1);
        p.rating = players->ColumnInt(2);
        p.country = players->ColumnInt(4);
        p.team = players->ColumnInt(5);
        p.civilization = players->ColumnInt(6);
        p.colour = players->ColumnInt(7);
        p.number = players->ColumnInt(8);
        p.active = true;
        if (p.catalogueId == game.povPlayer.catalogueId && game.povSlot == 0) {
            game.povPlayer = p;
            game.povSlot = slot;
        }
        ++slot;
    }
    players->Reset();
    game.playerCount = slot - 1;

    if (withDetails) {
        if (game.ReadFile())
            game.Reanalyze(true);
        return true;
    }
    QFile file(game.filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        Log::Write(QStringLiteral("Error opening recorded game file: %1\r\n").arg(game.filePath)
            + Log::CodeFile(kUnit, __LINE__));
        return false;
    }
    game.date = CRecordedGame::FileDate(QFileInfo(game.filePath));
    return true;
}

bool LoadSummaryById(CRecordedGame &game, int id, CDbSQLite &db)
{
    auto row = db.CreateStatement(kSummaryById);
    if (!row->IsPrepared())
        return logNullStatement(row->Sql());
    row->BindInt(1, id);
    if (!row->NextRow())
        return false;
    fillSummary(game, *row);
    row->Reset();
    return true;
}

bool LoadSummaryByFile(CRecordedGame &game, const QString &filePath, qint64 fileSize, CDbSQLite &db)
{
    return CSummaryLookup(db).Load(game, fileNameOf(filePath), fileSize);
}

bool LoadSummaryByQuery(
    CRecordedGame &game, const QString &filePath, qint64 fileSize, CDbSQLite &db, const CSearchQuery &query)
{
    return CSummaryLookup(db, query).Load(game, fileNameOf(filePath), fileSize);
}

int FindIdByQuery(const QString &filePath, qint64 fileSize, CDbSQLite &db, const CSearchQuery &query)
{
    auto row = db.CreateStatement(query.sql);
    if (!row->IsPrepared()) {
        logNullStatement(query.sql);
        return 0;
    }
    row->BindText(1, fileNameOf(filePath)).BindInt(2, CatalogueFileSize(fileSize));
    for (int i = 0; i < query.values.size(); ++i)
        row->Bind(i + 3, query.values[i]);
    const int id = row->NextRow() ? row->ColumnInt(0) : 0;
    row->Reset();
    return id;
}

bool RenameByName(CDbSQLite &db, const QString &oldFileName, qint64 fileSize, const QString &newFileName)
{
    auto update = db.CreateStatement(
        QStringLiteral("UPDATE recgame SET File_Name = ?1 WHERE File_Name = ?2 AND File_Size = ?3;"));
    update->BindText(1, newFileName).BindText(2, oldFileName).BindInt(3, fileSize);
    return update->Execute();
}

bool RenameById(CDbSQLite &db, const QString &newFileName, int id)
{
    auto update = db.CreateStatement(QStringLiteral("UPDATE recgame SET File_Name = ?1 WHERE Id_Rec_Game = ?2;"));
    update->BindText(1, newFileName).BindInt(2, id);
    return update->Execute();
}

bool DeleteFromCatalogue(int id, CDbSQLite &db)
{
    return DeleteManyFromCatalogue({ id }, db);
}

bool DeleteManyFromCatalogue(const QList<int> &ids, CDbSQLite &db)
{
    QList<int> valid;
    for (int id : ids)
        if (id > 0)
            valid.append(id);
    if (valid.isEmpty())
        return true;
    CScopedTransaction transaction(db);
    if (!transaction.IsActive())
        return false;
    auto game = db.CreateStatement(QStringLiteral("DELETE FROM recgame WHERE Id_Rec_Game = ?1;"));
    auto rows = db.CreateStatement(QStringLiteral("DELETE FROM recgame_players WHERE Id_Rec_Game = ?1;"));
    for (int id : valid) {
        game->BindInt(1, id);
        rows->BindInt(1, id);
        if (!game->Execute() || !rows->Execute())
            return false;
    }
    game.reset();
    rows.reset();
    return transaction.Commit();
}

} // namespace Catalogue

CSummaryLookup::CSummaryLookup(CDbSQLite &db)
    : m_db(db)
    , m_statement(db.CreateStatement(kSummaryByFile))
{
}

CSummaryLookup::CSummaryLookup(CDbSQLite &db, const CSearchQuery &query)
    : m_db(db)
    , m_statement(db.CreateStatement(query.sql))
    , m_values(query.values)
    , m_idsOnly(query.idsOnly)
{
    if (m_idsOnly)
        m_byId = db.CreateStatement(kSummaryById);
}

CSummaryLookup::~CSummaryLookup() = default;

bool CSummaryLookup::IsReady() const
{
    return m_statement->IsPrepared() && (!m_idsOnly || m_byId->IsPrepared());
}

bool CSummaryLookup::Load(CRecordedGame &game, const QString &fileName, qint64 fileSize)
{
    if (!m_statement->IsPrepared())
        return logNullStatement(m_statement->Sql());
    m_statement->BindText(1, fileName).BindInt(2, Catalogue::CatalogueFileSize(fileSize));
    for (int i = 0; i < m_values.size(); ++i)
        m_statement->Bind(i + 3, m_values[i]);
    if (!m_statement->NextRow())
        return false;
    if (!m_idsOnly) {
        fillSummary(game, *m_statement);
        m_statement->Reset();
        return true;
    }
    const int id = m_statement->ColumnInt(0);
    m_statement->Reset();
    m_byId->BindInt(1, id);
    const bool found = m_byId->NextRow();
    if (found)
        fillSummary(game, *m_byId);
    m_byId->Reset();
    return found;
}
