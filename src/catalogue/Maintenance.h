#pragma once

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

class CDbSQLite;

// Work on the catalogue as a whole: its statistics, the rebuild that
// replaces it with a fresh file, the top players of a platform and the
// player search. No dialogs here: they call these functions.
namespace Maintenance {

struct CStatistics
{
    qint64 bytes = 0;
    QString sizeText; // "1.50 MB"
    int players = 0;
    int games = 0;
};

// "%d.%02d MB" of a file length, hundredths rounded.
QString SizeText(qint64 bytes);
CStatistics Statistics();

enum class CopyMode {
    AllPlayers, // every player of the old catalogue
    BaseKnowledge, // only the base knowledge files
    None,
    AboveRating // players whose rating is at least the minimum
};

enum class RebuildResult {
    Done,
    Cancelled, // the old catalogue stays; the temporary file is kept
    TemporaryNotDeleted,
    CannotCreate,
    StructureFailed,
    CopyFailed,
    ReplaceFailed
};

struct RebuildOptions
{
    CopyMode mode = CopyMode::AllPlayers;
    int minimumRating = 1600;
    const std::atomic<bool> *stop = nullptr;
    // How long the replacement waits for other connections to let go of the
    // catalogue before it gives up (the old catalogue then stays).
    int lockWaitMs = 20000;
    // Called before each step with a short text ("Copying Players Information...").
    std::function<void(const QString &step)> step;
};

// Builds a new catalogue in "recgame.db.tmp.db" and puts it in place of
// "recgame.db" in one SQLite transaction, so that readers and writers of
// other connections see the old or the new catalogue and never a missing or
// half-written one; on any failure the old catalogue is left as it was.
RebuildResult Rebuild(const RebuildOptions &options);
// The message shown for a result.
QString RebuildMessage(RebuildResult result);
// The temporary path: the catalogue path with ".tmp.db" appended.
QString TemporaryPath();

// Copies players (all when minimumRating <= 0) in nickname order into
// another catalogue, in one transaction; false when stopped or failed (the
// copy is then rolled back).
bool CopyPlayers(CDbSQLite &from, CDbSQLite &to, int minimumRating, const std::atomic<bool> *stop);

struct CPlayerRow
{
    int id = 0;
    QString nick;
    int rating = 0;
    int platform = 0;
    int country = 0;
};

// The 15 best-rated players of a platform, best first.
QList<CPlayerRow> TopPlayers(int platform, CDbSQLite &db);

// Nicknames containing text (at most 100), optionally of a country (-1 any)
// and in a rating range (a maximum only counts with a minimum).
QStringList SearchPlayers(const QString &text, int country, int minimumRating, int maximumRating, CDbSQLite &db);

} // namespace Maintenance
