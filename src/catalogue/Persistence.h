#pragma once

#include <QList>
#include <QString>

#include <memory>

class CDbSQLite;
class CPlayer;
class CRecordedGame;
class CSqlStatement;
struct CSearchQuery;

// Storing analysed recorded games in the catalogue and reading them back.
// Every function takes an open connection and leaves it open. A game is
// identified by its file name (without folder) and its size.
namespace Catalogue {

// Files the game under platform: matches or adds its custom map and its
// players, writes the game row and one row per player, all in one
// transaction, and fills the ids (game.catalogueId, each player's
// catalogueId, rating and country) into the record. When a game with the
// same file name and size is already stored (another scan got there first)
// nothing is written and the record takes that game's id. False when the
// store could not be written; the catalogue is then unchanged.
bool StoreInCatalogue(CRecordedGame &game, CDbSQLite &db, int platform);

// Matches the player by nickname on platform, or adds a row for it (rating
// 1600 when unknown). Fills the player's catalogue id, rating and country.
void StorePlayer(CPlayer &player, CDbSQLite &db, int platform);

// Finds the nickname on any platform (the row with the highest country) and
// fills the player's catalogue id and country.
void LookupPlayer(CPlayer &player, CDbSQLite &db);

// Loads a stored game with its players (point-of-view team first). The file
// is taken to lie in folder (with a trailing "/"; empty: the current path).
// With details the file is read again for terrain, chat and age times;
// without, only its date is read, and a missing file makes the load fail.
bool LoadById(CRecordedGame &game, int id, CDbSQLite &db, bool withDetails, const QString &folder = QString());

// The summary the game list shows: id, match size, platform, map, duration,
// the point-of-view player's name and country.
bool LoadSummaryById(CRecordedGame &game, int id, CDbSQLite &db);
bool LoadSummaryByFile(CRecordedGame &game, const QString &filePath, qint64 fileSize, CDbSQLite &db);
bool LoadSummaryByQuery(
    CRecordedGame &game, const QString &filePath, qint64 fileSize, CDbSQLite &db, const CSearchQuery &query);
// The id of the stored game that the ids-only (or any) search query finds
// for the file; 0 when none.
int FindIdByQuery(const QString &filePath, qint64 fileSize, CDbSQLite &db, const CSearchQuery &query);

// The game stored for the file of that name and catalogue size takes the new
// name. The catalogue has no folders: a game of another folder that shares
// only the name keeps it.
bool RenameByName(CDbSQLite &db, const QString &oldFileName, qint64 fileSize, const QString &newFileName);
bool RenameById(CDbSQLite &db, const QString &newFileName, int id);
// Deletes the game and its players rows (players and maps stay).
bool DeleteFromCatalogue(int id, CDbSQLite &db);
bool DeleteManyFromCatalogue(const QList<int> &ids, CDbSQLite &db);

// Seconds of a "HH:MM:SS" duration text.
int DurationSeconds(const QString &duration);
// The catalogue's file size of a file: the low 32 bits of its length.
qint64 CatalogueFileSize(qint64 length);

} // namespace Catalogue

// Repeated summary look-ups with one prepared statement, for listing a
// folder of thousands of files: either by file name and size, or through a
// search query.
class CSummaryLookup
{
public:
    explicit CSummaryLookup(CDbSQLite &db);
    CSummaryLookup(CDbSQLite &db, const CSearchQuery &query);
    virtual ~CSummaryLookup();

    // False when the statement could not be prepared (no catalogue tables,
    // a query of another shape): every Load would fail.
    bool IsReady() const;

    // Fills the summary of the stored game for the file; false when none.
    // An ids-only query is followed by a look-up of the summary by id.
    bool Load(CRecordedGame &game, const QString &fileName, qint64 fileSize);

private:
    CDbSQLite &m_db;
    std::unique_ptr<CSqlStatement> m_statement;
    std::unique_ptr<CSqlStatement> m_byId;
    QList<QVariant> m_values;
    bool m_idsOnly = false;
};
