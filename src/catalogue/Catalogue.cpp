#include "catalogue/Catalogue.h"

#include "app/Log.h"
#include "app/Paths.h"
#include "app/Settings.h"
#include "app/TextFormat.h"
#include "app/TextCodec.h"
#include "catalogue/SqlStatement.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace Catalogue {

namespace {

constexpr const char *kUnit = "Utils";
// Base knowledge files are short lists of top players; anything larger is
// not one of ours.
constexpr qint64 kMaxBaseKnowledgeSize = 32LL * 1024 * 1024;

QMutex &handlerMutex()
{
    static QMutex mutex;
    return mutex;
}

FatalHandler &handler()
{
    static FatalHandler h = [](const QString &message) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        std::exit(1);
    };
    return h;
}

void fatal()
{
    Log::Write(QStringLiteral("Exit Aplication"));
    FatalHandler h;
    {
        QMutexLocker lock(&handlerMutex());
        h = handler();
    }
    if (h)
        h(QStringLiteral("Fatal Error opening Database"));
}

struct StructureStatement
{
    const char *sql;
    const char *failure;
};

const StructureStatement kStructure[] = {
    { "CREATE TABLE players (Id_Player INTEGER PRIMARY KEY AUTOINCREMENT, Nick COLLATE NOCASE, Rating INTEGER, "
      "Plataforma INTEGER, Id_Country INTEGER);",
        "Error: Couldn't create table players" },
    { "CREATE INDEX index_players_pk ON players (Id_Player);", "Error: Couldn't create index index_players_pk" },
    { "CREATE INDEX index_players_nick ON players (Nick COLLATE NOCASE);",
        "Error: Couldn't create Index index_players_nick" },
    { "CREATE TABLE maps (Id_Map INTEGER PRIMARY KEY AUTOINCREMENT, Name COLLATE NOCASE);",
        "Error: Couldn't create table maps" },
    { "CREATE INDEX index_maps_pk ON maps (Id_Map);", "Error: Couldn't create Index index_maps_pk" },
    { "CREATE TABLE recgame (Id_Rec_Game INTEGER PRIMARY KEY AUTOINCREMENT, File_Name COLLATE NOCASE, File_Size "
      "INTEGER, Id_Player_View INTEGER, Players INTEGER, Id_Map INTEGER, Rating REAL, Plataforma INTEGER, GameType "
      "INTEGER, Duration TEXT);",
        "Error: Couldn't create table recgame" },
    { "CREATE INDEX index_recgame_pk ON recgame (Id_Rec_Game);", "Error: Couldn't create Index index_recgame_pk" },
    { "CREATE INDEX index_recgame_filesearch ON recgame (File_Name, File_Size);",
        "Error: Couldn't create Index index_recgame_filesearch" },
    { "CREATE TABLE recgame_players (Id_Rec_Game INTEGER, Id_Player INTEGER, Id_Civilization INTEGER, Id_Color "
      "INTEGER, Id_Team INTEGER, Id_Key INTEGER, PRIMARY KEY  "
      "(Id_Rec_Game,Id_Player,Id_Civilization,Id_Color,Id_Team));",
        "Error: Couldn't create table recgame_players" },
    { "CREATE INDEX index_recgame_players_pk ON recgame_players (Id_Rec_Game);",
        "Error: Couldn't create Index index_recgame_players_pk" },
    { "INSERT INTO maps VALUES (49, '');", "Error: Couldn't create Map Divisor" },
    { "INSERT INTO maps VALUES (50, '-');", "Error: Couldn't create Map Divisor" },
};

struct SearchIndex
{
    const char *name;
    const char *definition;
};

const SearchIndex kSearchIndexes[] = {
    // The top players of a platform, read in rating order.
    { "index_players_platform_rating", "players (Plataforma, Rating)" },
    // Every store of a game on a custom map looks its name up.
    { "index_maps_name", "maps (Name)" },
};

bool hasCatalogueTables(CDbSQLite &db)
{
    auto statement = db.CreateStatement(
        QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'recgame'"));
    return statement->NextRow() && statement->ColumnInt(0) > 0;
}

} // namespace

void SetFatalHandler(FatalHandler h)
{
    QMutexLocker lock(&handlerMutex());
    handler() = std::move(h);
}

std::unique_ptr<CDbSQLite> OpenDatabaseFile(const QString &path)
{
    auto db = std::make_unique<CDbSQLite>();
    if (!db->Open(path))
        return nullptr;
    return db;
}

std::unique_ptr<CDbSQLite> OpenCatalogue()
{
    auto db = OpenDatabaseFile(Paths::CataloguePath());
    if (!db) {
        Log::Write(QStringLiteral("Error opening Database\r\nFile: %1 - Line: %2")
                       .arg(QString::fromLatin1(kUnit))
                       .arg(__LINE__));
        fatal();
    }
    return db;
}

bool CreateCatalogue(CDbSQLite &db)
{
    const QString path = Paths::CataloguePath();
    Log::Write(QStringLiteral("Database not found\r\nCreating database..."));
    if (!db.Open(path)) {
        Log::Write(QStringLiteral("Error Creating database\r\nFileDb: %1\r\nFile Exception: %2 - Line: %3")
                       .arg(path, QString::fromLatin1(kUnit))
                       .arg(__LINE__));
        fatal();
        return false;
    }
    Log::Write(QStringLiteral("Database file created successfully"));
    return CreateStructure(db);
}

bool CreateStructure(CDbSQLite &db)
{
    bool ok = true;
    for (const StructureStatement &s : kStructure) {
        if (!db.ExecuteSql(QString::fromLatin1(s.sql))) {
            Log::Write(QString::fromLatin1(s.failure));
            ok = false;
        }
    }
    ok = CreateSearchIndexes(db) && ok;
    Log::Write(ok ? QStringLiteral("DataBase Structure created successfully.")
                  : QStringLiteral("Error creating Database Structure."));
    return ok;
}

bool CreateSearchIndexes(CDbSQLite &db)
{
    bool ok = true;
    for (const SearchIndex &index : kSearchIndexes) {
        const QString sql = QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2;")
                                .arg(QString::fromLatin1(index.name), QString::fromLatin1(index.definition));
        if (!db.ExecuteSql(sql)) {
            Log::Write(QStringLiteral("Error: Couldn't create Index %1").arg(QString::fromLatin1(index.name)));
            ok = false;
        }
    }
    return ok;
}

QStringList SearchIndexNames()
{
    QStringList names;
    for (const SearchIndex &index : kSearchIndexes)
        names << QString::fromLatin1(index.name);
    return names;
}

QString BaseKnowledgePath(const char *fileName)
{
    return Paths::ResourcesDirectory() + QStringLiteral("data/") + QString::fromLatin1(fileName);
}

void ImportBaseKnowledge(CDbSQLite &db, bool updateMode)
{
    static const char *const kFiles[]
        = { "zone_base_knowledge.txt", "gp_base_knowledge.txt", "igz_base_knowledge.txt" };
    for (const char *file : kFiles) {
        if (updateMode && qstrcmp(file, "igz_base_knowledge.txt") != 0)
            continue;
        BaseKnowledgeJob job;
        job.db = &db;
        job.path = BaseKnowledgePath(file);
        ImportBaseKnowledgeFile(job);
    }
}

QList<BaseKnowledgeRecord> ParseBaseKnowledge(const QString &text)
{
    QList<BaseKnowledgeRecord> records;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\\r\\n]+")), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (fields.isEmpty() || fields[0].isEmpty())
            continue;
        BaseKnowledgeRecord r;
        r.nick = fields[0];
        r.rating = fields.size() > 1 ? LeadingInt(fields[1]) : 0;
        r.country = fields.size() > 2 ? LeadingInt(fields[2]) : 0;
        r.platform = fields.size() > 3 ? LeadingInt(fields[3]) : 0;
        records.append(r);
    }
    return records;
}

ImportResult ImportBaseKnowledgeFile(const BaseKnowledgeJob &job)
{
    if (job.worker)
        QThread::msleep(250);
    QFile file(job.path);
    if (!job.db || !file.open(QIODevice::ReadOnly) || file.size() > kMaxBaseKnowledgeSize) {
        Log::Write(QStringLiteral("Failed reanding Base Knowledge\r\nFile: ") + job.path);
        return ImportResult::Completed;
    }
    QByteArray bytes = file.read(kMaxBaseKnowledgeSize);
    file.close();
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    const QList<BaseKnowledgeRecord> records = ParseBaseKnowledge(TextCodec::Decode(bytes));

    CDbSQLite &db = *job.db;
    const bool began = db.Begin();
    auto insert = db.CreateStatement(QStringLiteral("INSERT INTO players VALUES (NULL, ?1, ?2, ?3, ?4);"));
    bool stopped = false;
    for (const BaseKnowledgeRecord &r : records) {
        insert->BindText(1, r.nick).BindInt(2, r.rating).BindInt(3, r.platform).BindInt(4, r.country);
        if (!insert->Execute())
            Log::Write(QStringLiteral("Error Saving Player of base knowlege\r\nQuery: ") + insert->Sql()
                + QStringLiteral("\r\nNick: ") + r.nick);
        insert->Reset();
        if (job.worker && job.stop && job.stop->load()) {
            stopped = true;
            break;
        }
    }
    insert.reset();
    if (began) {
        if (stopped)
            db.Rollback();
        else
            db.Commit();
    }
    return stopped ? ImportResult::Stopped : ImportResult::Completed;
}

bool PrepareCatalogue()
{
    CSettings &settings = CSettings::Instance();
    // Two processes started together must not both create the tables or
    // both import the base knowledge.
    QLockFile lock(Paths::DataDirectory() + QStringLiteral("recgame.db.prepare.lock"));
    lock.setStaleLockTime(60000);
    lock.tryLock(30000);

    const QString path = Paths::CataloguePath();
    bool exists = QFileInfo(path).isFile() && QFileInfo(path).size() > 0;
    if (exists) {
        // A file without our tables (left empty by an interrupted start) is
        // created anew instead of being used as a catalogue without tables.
        auto db = OpenCatalogue();
        if (!db)
            return false;
        exists = hasCatalogueTables(*db);
        if (exists) {
            CreateSearchIndexes(*db);
            if (settings.CatalogueStamp() == 0) {
                ImportBaseKnowledge(*db, true);
                settings.SetCatalogueStamp(kStamp);
            }
            return true;
        }
        if (!CreateStructure(*db))
            return false;
        ImportBaseKnowledge(*db, false);
        settings.SetCatalogueStamp(kStamp);
        return true;
    }
    CDbSQLite db;
    if (!CreateCatalogue(db))
        return db.IsOpen() && hasCatalogueTables(db);
    ImportBaseKnowledge(db, false);
    settings.SetCatalogueStamp(kStamp);
    return true;
}

} // namespace Catalogue
