#pragma once

#include "catalogue/DbSqlite.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

// Opening, creating and seeding the catalogue "recgame.db" in the data
// directory. Every catalogue operation opens its own connection with
// OpenCatalogue() and lets it close when the operation ends.
namespace Catalogue {

// The generation stamp written to the settings once the catalogue is ready.
inline constexpr int kStamp = 10404;

// Called when the catalogue cannot be opened: the only fatal error. The
// default handler prints the message on stderr and ends the process with
// exit code 1; the window installs one that shows a message box first.
using FatalHandler = std::function<void(const QString &message)>;
void SetFatalHandler(FatalHandler handler);

// A connection to the catalogue. On failure the error is logged with
// "Exit Aplication" and the fatal handler runs; when the handler returns
// (tests), the result is null.
std::unique_ptr<CDbSQLite> OpenCatalogue();
// Opens the catalogue file at path (creating it), for callers that work on
// another file than the live catalogue (the rebuild). Null on failure.
std::unique_ptr<CDbSQLite> OpenDatabaseFile(const QString &path);

// Opens the catalogue file on db (SQLite creates it) and builds its
// structure. An open failure is fatal as for OpenCatalogue. Returns the
// result of CreateStructure, false when the open failed.
bool CreateCatalogue(CDbSQLite &db);

// The four tables, six indexes and the two map divider rows, then the
// search indexes. Every statement runs even when an earlier one failed; true
// when all succeeded.
bool CreateStructure(CDbSQLite &db);

// The indexes that keep listing, searching and the player look-ups quick
// in a catalogue of a hundred thousand games. Catalogues made before them
// get them at start-up; an index already there is left as it is, and no row
// changes. True when all exist afterwards.
bool CreateSearchIndexes(CDbSQLite &db);
// Their names, for tools that compare a catalogue with and without them.
QStringList SearchIndexNames();

// Seeds the players table from the base knowledge files below the
// resources' "data/" folder: all three files on creation, only the
// "igz" file in update mode.
void ImportBaseKnowledge(CDbSQLite &db, bool updateMode);

struct BaseKnowledgeJob
{
    CDbSQLite *db = nullptr;
    QString path;
    // Worker runs wait briefly so that a progress dialog can appear first,
    // and honour the stop flag after each record.
    bool worker = false;
    const std::atomic<bool> *stop = nullptr;
};

enum class ImportResult { Completed, Stopped };

// Imports one base knowledge file in one transaction. A missing file is
// logged and imports nothing. A stopped worker run rolls back every row.
ImportResult ImportBaseKnowledgeFile(const BaseKnowledgeJob &job);

// One parsed record of a base knowledge file.
struct BaseKnowledgeRecord
{
    QString nick;
    int rating = 0;
    int country = 0;
    int platform = 0;
};
// Splits a decoded base knowledge text into records: runs of CR/LF separate
// records, runs of ";" separate fields (so an empty field does not exist),
// numbers read like the C library's string-to-int conversion.
QList<BaseKnowledgeRecord> ParseBaseKnowledge(const QString &text);

// Start-up preparation: creates the catalogue and imports the base knowledge
// when it does not exist; imports the update file once when it exists but the
// settings carry no stamp; then writes the stamp. Safe when several
// processes start at once. Returns false when the catalogue is unusable.
bool PrepareCatalogue();

// Base knowledge file names, in creation order.
QString BaseKnowledgePath(const char *fileName);

} // namespace Catalogue
