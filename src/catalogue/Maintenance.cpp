#include "catalogue/Maintenance.h"

#include "app/Log.h"
#include "app/Paths.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DbSqlite.h"
#include "catalogue/ScopedTransaction.h"
#include "catalogue/SqlStatement.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace Maintenance {

namespace {

constexpr int kStepWaitMs = 250;

bool stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load();
}

void removeDatabaseFiles(const QString &path)
{
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
}

// Copies every page of source into the live catalogue inside one write
// transaction of the destination. Another connection holding the catalogue
// is waited for, but no longer than lockWaitMs: a catalogue that stays locked
// (or a stop request) ends the replacement, leaving the old catalogue as it
// was.
bool replaceCatalogue(CDbSQLite &source, CDbSQLite &destination, int lockWaitMs, const std::atomic<bool> *stop)
{
    sqlite3_backup *backup = sqlite3_backup_init(destination.Handle(), "main", source.Handle(), "main");
    if (!backup)
        return false;
    // Each step waits briefly so that the deadline and the stop flag are
    // looked at in between.
    sqlite3_busy_timeout(destination.Handle(), qBound(1, lockWaitMs, kStepWaitMs));
    QElapsedTimer waited;
    waited.start();
    int rc = SQLITE_OK;
    do {
        rc = sqlite3_backup_step(backup, -1);
        if ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && (waited.elapsed() >= lockWaitMs || stopped(stop)))
            break;
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(50);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    const bool done = sqlite3_backup_finish(backup) == SQLITE_OK && rc == SQLITE_DONE;
    sqlite3_busy_timeout(destination.Handle(), CDbSQLite::kBusyTimeoutMs);
    return done;
}

} // namespace

QString SizeText(qint64 bytes)
{
    const qint64 kb = bytes / 1024;
    qint64 whole = kb / 1024;
    qint64 hundredths = ((kb % 1024) * 100 + 512) / 1024;
    if (hundredths >= 100) {
        ++whole;
        hundredths -= 100;
    }
    return QStringLiteral("%1.%2 MB").arg(whole).arg(hundredths, 2, 10, QLatin1Char('0'));
}

CStatistics Statistics()
{
    CStatistics stats;
    const QFileInfo info(Paths::CataloguePath());
    stats.bytes = info.isFile() ? info.size() : 0;
    stats.sizeText = SizeText(stats.bytes);
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db)
        return stats;
    const auto count = [&db](const char *sql) {
        auto statement = db->CreateStatement(QString::fromLatin1(sql));
        return statement->NextRow() ? statement->ColumnInt(0) : 0;
    };
    stats.players = count("SELECT COUNT(*) FROM players");
    stats.games = count("SELECT COUNT(*) FROM recgame");
    return stats;
}

QString TemporaryPath()
{
    return Paths::CataloguePath() + QStringLiteral(".tmp.db");
}

bool CopyPlayers(CDbSQLite &from, CDbSQLite &to, int minimumRating, const std::atomic<bool> *stop)
{
    CScopedTransaction transaction(to);
    if (!transaction.IsActive())
        return false;
    auto rows = from.CreateStatement(minimumRating > 0
            ? QStringLiteral("SELECT * FROM players WHERE Rating >= ?1 ORDER BY Nick")
            : QStringLiteral("SELECT * FROM players ORDER BY Nick"));
    if (minimumRating > 0)
        rows->BindInt(1, minimumRating);
    auto insert = to.CreateStatement(QStringLiteral("INSERT INTO players VALUES (NULL, ?1, ?2, ?3, ?4);"));
    while (rows->NextRow()) {
        if (rows->ColumnInt(0) > 0) {
            insert->BindText(1, rows->ColumnText(1))
                .BindInt(2, rows->ColumnInt(2))
                .BindInt(3, rows->ColumnInt(3))
                .BindInt(4, rows->ColumnInt(4));
            if (!insert->Execute())
                return false;
            insert->Reset();
        }
        if (stopped(stop))
            return false;
    }
    rows.reset();
    insert.reset();
    return transaction.Commit();
}

RebuildResult Rebuild(const RebuildOptions &options)
{
    const QString temporary = TemporaryPath();
    const auto step = [&options](const QString &text) {
        if (options.step)
            options.step(text);
    };
    if (QFileInfo::exists(temporary) && !QFile::remove(temporary)) {
        Log::Write(QStringLiteral("Error deleting temporal Database."));
        return RebuildResult::TemporaryNotDeleted;
    }
    removeDatabaseFiles(temporary);

    std::unique_ptr<CDbSQLite> fresh = Catalogue::OpenDatabaseFile(temporary);
    if (!fresh) {
        Log::Write(QStringLiteral("Error Creating new database\r\nFile: %1").arg(temporary));
        return RebuildResult::CannotCreate;
    }
    Log::Write(QStringLiteral("New Database file created successfully"));
    if (!Catalogue::CreateStructure(*fresh))
        return RebuildResult::StructureFailed;

    std::unique_ptr<CDbSQLite> current = Catalogue::OpenCatalogue();
    if (!current)
        return RebuildResult::CopyFailed;
    step(QStringLiteral("Copying Players Information..."));
    switch (options.mode) {
    case CopyMode::AllPlayers:
    case CopyMode::AboveRating:
        if (!CopyPlayers(
                *current, *fresh, options.mode == CopyMode::AllPlayers ? 0 : options.minimumRating, options.stop))
            return stopped(options.stop) ? RebuildResult::Cancelled : RebuildResult::CopyFailed;
        break;
    case CopyMode::BaseKnowledge:
        for (const char *file : { "zone_base_knowledge.txt", "gp_base_knowledge.txt", "igz_base_knowledge.txt" }) {
            Catalogue::BaseKnowledgeJob job;
            job.db = fresh.get();
            job.path = Catalogue::BaseKnowledgePath(file);
            job.stop = options.stop;
            job.worker = options.stop != nullptr;
            if (Catalogue::ImportBaseKnowledgeFile(job) == Catalogue::ImportResult::Stopped)
                return RebuildResult::Cancelled;
        }
        break;
    case CopyMode::None:
        break;
    }
    if (stopped(options.stop))
        return RebuildResult::Cancelled;

    step(QStringLiteral("Replacing the catalogue..."));
    if (!replaceCatalogue(*fresh, *current, options.lockWaitMs, options.stop)) {
        if (stopped(options.stop))
            return RebuildResult::Cancelled;
        Log::Write(QStringLiteral("Error Renaming database\r\nCause: %1").arg(current->LastError()));
        return RebuildResult::ReplaceFailed;
    }
    current.reset();
    fresh.reset();
    QFile::remove(temporary);
    removeDatabaseFiles(temporary);
    return RebuildResult::Done;
}

QString RebuildMessage(RebuildResult result)
{
    switch (result) {
    case RebuildResult::Done:
        return QStringLiteral("New Database created successfully.");
    case RebuildResult::Cancelled:
        return QStringLiteral("The rebuild was cancelled; the catalogue is unchanged.");
    case RebuildResult::TemporaryNotDeleted:
        return QStringLiteral("the Temporal Database cannot be deleted.");
    case RebuildResult::CannotCreate:
        return QStringLiteral("Cannot create a New Database.");
    case RebuildResult::StructureFailed:
        return QStringLiteral("Error creating Database Structure.");
    case RebuildResult::CopyFailed:
        return QStringLiteral("Error copying the players; the catalogue is unchanged.");
    case RebuildResult::ReplaceFailed:
        return QStringLiteral("Error Renaming database.");
    }
    return QString();
}

QList<CPlayerRow> TopPlayers(int platform, CDbSQLite &db)
{
    QList<CPlayerRow> top;
    auto rows = db.CreateStatement(
        QStringLiteral("SELECT * FROM players WHERE Plataforma = ?1 ORDER BY Rating DESC LIMIT 15"));
    rows->BindInt(1, platform);
    while (rows->NextRow())
        top.append(
            { rows->ColumnInt(0), rows->ColumnText(1), rows->ColumnInt(2), rows->ColumnInt(3), rows->ColumnInt(4) });
    return top;
}

QStringList SearchPlayers(const QString &text, int country, int minimumRating, int maximumRating, CDbSQLite &db)
{
    QString sql = QStringLiteral("SELECT DISTINCT Nick FROM players WHERE Nick LIKE ?1");
    QVariantList values { QLatin1Char('%') + text + QLatin1Char('%') };
    const auto add = [&values](const QVariant &v) {
        values.append(v);
        return QStringLiteral("?%1").arg(values.size());
    };
    if (minimumRating > 0 && maximumRating > 0)
        sql += QStringLiteral(" AND Rating >= %1 AND Rating <= %2").arg(add(minimumRating), add(maximumRating));
    else if (minimumRating > 0)
        sql += QStringLiteral(" AND Rating >= %1").arg(add(minimumRating));
    if (country >= 0)
        sql += QStringLiteral(" AND Id_Country = %1").arg(add(country));
    sql += QStringLiteral(" LIMIT 100");
    QStringList nicks;
    auto rows = db.CreateStatement(sql);
    rows->BindAll(values);
    while (rows->NextRow())
        nicks << rows->ColumnText(0);
    return nicks;
}

} // namespace Maintenance
