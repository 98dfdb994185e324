// The catalogue at the size of a player who keeps every game: N synthetic
// stored games (records of the corpus under varied names, players, maps and
// civilizations) and about M players, filed through the same store functions
// as a scan. Prints the query plans of the look-ups the window runs, then:
//  1. listing a folder of K recordings, all stored;
//  2. searches over that folder by player, civilization and map;
//  3. the top players of a platform and the player search;
//  4. with --scan F, the full scan of F new recordings with one reader and
//     with one per core, against reading and inflating the same files.
// With --before the figures are taken first without the catalogue's search
// indexes, then again with them.
//
//   bench_scale [CORPUS] [--games N] [--players M] [--list K] [--keep DIR] [--before] [--scan F]
//
// --keep DIR keeps the generated catalogue and folder in DIR and reuses them
// on the next run (generating 100,000 games takes a minute or two).

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DbSqlite.h"
#include "catalogue/Maintenance.h"
#include "catalogue/Persistence.h"
#include "catalogue/Searcher.h"
#include "catalogue/SqlStatement.h"
#include "BenchClock.h"
#include "BenchFloor.h"
#include "explorer/FolderListing.h"
#include "explorer/FullScan.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"
#include "recgame/RecordingFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <memory>
#include <unistd.h>
#include <vector>

#ifndef VELLUMCAST_SOURCE_DIR
#define VELLUMCAST_SOURCE_DIR "."
#endif

namespace {

struct Options
{
    QString corpus = QStringLiteral(VELLUMCAST_SOURCE_DIR "/../shared/corpus");
    int games = 100000;
    int players = 50000;
    int list = 10000;
    QString keep;
    bool before = false;
    int scan = 0;
};

// A small deterministic generator, so that two runs build the same catalogue.
class Lcg
{
public:
    explicit Lcg(quint64 seed)
        : m_state(seed)
    {
    }
    int below(int n)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((m_state >> 33) % quint64(n));
    }

private:
    quint64 m_state;
};

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

// Processor time of the process: on a machine shared with other work the
// elapsed time says little, this says what the work costs.

QString nickOf(int n)
{
    return QStringLiteral("Nick%1").arg(n, 5, 10, QLatin1Char('0'));
}

QString gameName(int i, const QString &source)
{
    return QStringLiteral("g%1-%2").arg(i, 6, 10, QLatin1Char('0')).arg(QFileInfo(source).fileName());
}

int storedGames()
{
    auto db = Catalogue::OpenCatalogue();
    auto s = db->CreateStatement(QStringLiteral("SELECT COUNT(*) FROM recgame"));
    return s->NextRow() ? s->ColumnInt(0) : 0;
}

// Files the synthetic games: game i is the record of source i % sources
// with players drawn from the nickname pool, its own map and civilizations.
void generate(const Options &options, const QStringList &readable)
{
    std::vector<std::unique_ptr<CRecordedGame>> analysed;
    for (const QString &s : readable) {
        analysed.push_back(std::make_unique<CRecordedGame>());
        RowAnalysis::AnalyzeFile(s, *analysed.back());
    }
    Lcg random(20261206);
    auto db = Catalogue::OpenCatalogue();
    auto game = std::make_unique<CRecordedGame>();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < options.games; ++i) {
        const qsizetype which = i % readable.size();
        *game = *analysed[size_t(which)];
        game->filePath = gameName(i, readable[which]);
        game->fileSize = quint32(QFileInfo(readable[which]).size());
        game->catalogueId = 0;
        if (random.below(3) == 0) {
            game->mapId = 0;
            game->mapName = QStringLiteral("Custom map %1").arg(random.below(300));
        } else {
            game->mapId = 9 + random.below(27);
        }
        game->duration = QStringLiteral("%1:%2:%3")
                             .arg(random.below(2), 2, 10, QLatin1Char('0'))
                             .arg(random.below(60), 2, 10, QLatin1Char('0'))
                             .arg(random.below(60), 2, 10, QLatin1Char('0'));
        for (CPlayer &p : game->players) {
            p.catalogueId = 0;
            p.rating = 0;
            p.country = 0;
            if (p.number <= 0)
                continue;
            p.name = nickOf(random.below(options.players));
            p.civilization = 1 + random.below(18);
        }
        Catalogue::StoreInCatalogue(*game, *db, 1);
        if ((i + 1) % 10000 == 0)
            std::fprintf(stderr, "  %d games stored, %.1f s\n", i + 1, double(timer.elapsed()) / 1000.0);
    }
}

// The recordings the reader takes; the others cannot stand for a game.
QStringList readableSources(const QStringList &sources)
{
    QStringList readable;
    CRecordedGame game;
    for (const QString &s : sources)
        if (RowAnalysis::AnalyzeFile(s, game))
            readable << s;
    return readable;
}

QStringList linkFolder(const QString &folder, const QStringList &sources, int count)
{
    QDir().mkpath(folder);
    QStringList made;
    for (int i = 0; i < count; ++i) {
        const QString source = sources[i % sources.size()];
        const QString target = folder + QLatin1Char('/') + gameName(i, source);
        if (!QFileInfo::exists(target)
            && ::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0
            && !QFile::link(source, target))
            QFile::copy(source, target);
        made << target;
    }
    return made;
}

struct Search
{
    const char *label;
    QString nick;
    QString civilizations;
    QString maps;
    int mode;
};

const Search kSearches[] = {
    { "player (point of view)", QStringLiteral("Nick00042"), {}, {}, CSearcher::PlayerPov },
    { "player (any slot)", QStringLiteral("Nick00042"), {}, {}, CSearcher::UniquePlayer },
    { "player (all players)", QStringLiteral("Nick00042"), {}, {}, CSearcher::AllPlayers },
    { "player pattern", QStringLiteral("Nick0_042"), {}, {}, CSearcher::PlayerPov },
    { "civilization", {}, QStringLiteral("5"), {}, CSearcher::UniquePlayer },
    { "civilization (all players)", {}, QStringLiteral("5,7"), {}, CSearcher::AllPlayers },
    { "map", {}, {}, QStringLiteral("12,29"), CSearcher::PlayerPov },
};

CSearchQuery buildQuery(const Search &s, CDbSQLite &db)
{
    CSearcher searcher;
    searcher.Set(s.nick, 0, 0, s.civilizations, s.mode, CSearcher::BeginsWith, QString(), s.maps, -1, 0, -1);
    CSearchQuery query;
    searcher.BuildQuery(query, &db);
    return query;
}

void explain(CDbSQLite &db, const char *label, const QString &sql)
{
    std::printf("  %s\n", label);
    auto plan = db.CreateStatement(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
    while (plan->NextRow())
        std::printf("    %s\n", qPrintable(plan->ColumnText(3)));
}

void explainAll(CDbSQLite &db)
{
    std::printf("\nquery plans\n");
    explain(db, "listing look-up",
        QStringLiteral("SELECT r.*, m.Name, p.* FROM recgame AS r LEFT JOIN maps m ON (r.Id_Map = m.Id_Map) "
                       "LEFT JOIN players AS p ON (r.Id_Player_View = p.Id_Player) WHERE r.File_Name = ?1 AND "
                       "r.File_Size = ?2 ORDER BY r.Id_Rec_Game LIMIT 1;"));
    for (const Search &s : kSearches)
        explain(db, s.label, buildQuery(s, db).sql);
    explain(db, "player ids of a nickname",
        QStringLiteral("SELECT Id_Player FROM players WHERE Nick = ?1 OR (?2 <> '' AND Nick LIKE ?2) ORDER BY "
                       "(Nick = ?1) DESC, Nick LIMIT 5"));
    explain(db, "store: player by nickname",
        QStringLiteral("SELECT Id_Player, Id_Country, Plataforma, Rating FROM players WHERE Nick = ?1 ORDER BY "
                       "Id_Country DESC, Id_Player"));
    explain(db, "details: players of a game",
        QStringLiteral("SELECT p.*, rp.Id_Team, rp.Id_Civilization, rp.Id_Color, rp.Id_Key FROM recgame_players rp, "
                       "players p WHERE rp.Id_Player = p.Id_Player AND rp.Id_Rec_Game = ?1 ORDER BY rp.Id_Team ASC, "
                       "rp.Id_Key ASC;"));
    explain(db, "top players",
        QStringLiteral("SELECT * FROM players WHERE Plataforma = ?1 ORDER BY Rating DESC LIMIT 15"));
    explain(db, "player search",
        QStringLiteral("SELECT DISTINCT Nick FROM players WHERE Nick LIKE ?1 AND Rating >= ?2 AND Rating <= ?3 "
                       "AND Id_Country = ?4 LIMIT 100"));
}

void measure(const QString &folder, int listCount)
{
    QElapsedTimer timer;
    timer.start();
    double cpu = ProcessCpuMs();
    const CFolderListing listed = FolderListing::Fill(folder, CFolderListingOptions {});
    std::printf("  listing %d files                %9.1f ms  cpu %7.1f ms  (%d known)\n", listCount,
        ms(timer.nsecsElapsed()), ProcessCpuMs() - cpu, listed.recordings);
    auto db = Catalogue::OpenCatalogue();
    for (const Search &s : kSearches) {
        timer.start();
        cpu = ProcessCpuMs();
        const CSearchQuery query = buildQuery(s, *db);
        const CFolderListing found = FolderListing::SearchFill(folder, query);
        std::printf("  search: %-26s %9.1f ms  cpu %7.1f ms  (%d matches)\n", s.label, ms(timer.nsecsElapsed()),
            ProcessCpuMs() - cpu, found.files);
    }
    timer.start();
    cpu = ProcessCpuMs();
    const auto top = Maintenance::TopPlayers(1, *db);
    std::printf("  top players                        %9.1f ms  cpu %7.1f ms  (%lld rows)\n", ms(timer.nsecsElapsed()),
        ProcessCpuMs() - cpu, static_cast<long long>(top.size()));
    timer.start();
    cpu = ProcessCpuMs();
    const QStringList nicks = Maintenance::SearchPlayers(QStringLiteral("ck0123"), -1, 1500, 2000, *db);
    std::printf("  player search                      %9.1f ms  cpu %7.1f ms  (%lld rows)\n", ms(timer.nsecsElapsed()),
        ProcessCpuMs() - cpu, static_cast<long long>(nicks.size()));
}

// Links of the sources under names no other run used, so that the
// catalogue knows none of them.
QStringList scanFolder(const QString &folder, const QStringList &sources, int count, const QString &tag)
{
    QDir().mkpath(folder);
    QStringList made;
    for (int i = 0; i < count; ++i) {
        const QString source = sources[i % sources.size()];
        const QString target = QStringLiteral("%1/%2-%3-%4").arg(folder, tag).arg(i).arg(QFileInfo(source).fileName());
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0
            && !QFile::link(source, target))
            QFile::copy(source, target);
        made << target;
    }
    return made;
}

void measureScan(const QString &work, const QStringList &sources, int count)
{
    const QString tag = QString::number(QDateTime::currentMSecsSinceEpoch());
    const QString one = work + QStringLiteral("/scan1-") + tag + QLatin1Char('/');
    const QString all = work + QStringLiteral("/scanN-") + tag + QLatin1Char('/');
    // Names of their own on every run: a kept catalogue knows the files of
    // earlier runs by name and size, and a scan would pass over them.
    const QStringList files = scanFolder(one, sources, count, QStringLiteral("one") + tag);
    scanFolder(all, sources, count, QStringLiteral("all") + tag);
    qint64 sink = 0;
    QElapsedTimer timer;
    const auto floor = [&]() {
        timer.start();
        for (const QString &f : files)
            sink += ReadAndInflate(f);
        return timer.nsecsElapsed();
    };
    floor(); // page cache
    const qint64 floorNs = floor();
    std::printf("\nfull scan of %d new recordings (%d cores)\n", count, FullScan::DefaultJobs());
    std::printf("  floor (read + inflate, one thread) %9.1f ms\n", ms(floorNs));
    for (const auto &[folder, jobs] : { std::pair { one, 1 }, std::pair { all, 0 } }) {
        const CFolderListing listing = FolderListing::Fill(folder, CFolderListingOptions { false, false });
        std::atomic<bool> cancel { false };
        timer.start();
        const double cpu = ProcessCpuMs();
        const CFullScanResult r = FullScan::Run(folder, listing.rows, cancel, {}, jobs);
        const qint64 ns = timer.nsecsElapsed();
        std::printf("  scan, %d reader(s)                 %9.1f ms  %5.2f x floor  cpu %7.1f ms  (%d stored, %d failed)\n",
            jobs > 0 ? jobs : FullScan::DefaultJobs(), ms(ns), double(ns) / double(floorNs), ProcessCpuMs() - cpu, r.stored,
            r.failed);
    }
    std::printf("  (sink %lld)\n", static_cast<long long>(sink));
    QDir(one).removeRecursively();
    QDir(all).removeRecursively();
}

int usage()
{
    std::fprintf(
        stderr, "usage: bench_scale [CORPUS] [--games N] [--players M] [--list K] [--keep DIR] [--before] [--scan F]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Options options;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        bool ok = true;
        const auto next = [&]() { return i + 1 < args.size() ? args[++i] : QString(); };
        if (args[i] == QLatin1String("--games"))
            options.games = next().toInt(&ok);
        else if (args[i] == QLatin1String("--players"))
            options.players = next().toInt(&ok);
        else if (args[i] == QLatin1String("--list"))
            options.list = next().toInt(&ok);
        else if (args[i] == QLatin1String("--keep"))
            options.keep = next();
        else if (args[i] == QLatin1String("--scan"))
            options.scan = next().toInt(&ok);
        else if (args[i] == QLatin1String("--before"))
            options.before = true;
        else if (args[i].startsWith(QLatin1Char('-')))
            return usage();
        else
            options.corpus = args[i];
        if (!ok || options.players <= 0 || options.list < 0 || options.games < 0)
            return usage();
    }

    QTemporaryDir temporary;
    const QString work = options.keep.isEmpty() ? temporary.path() : QDir(options.keep).absolutePath();
    QDir().mkpath(work);
    qputenv("VELLUMCAST_HOME", (work + QStringLiteral("/home")).toUtf8());
    CSettings::Instance().ResetToDefaults();

    QStringList all;
    for (const QFileInfo &info :
        QDir(options.corpus).entryInfoList(RecordingFiles::NameFilters(), QDir::Files, QDir::Name))
        all << info.absoluteFilePath();
    const QStringList sources = readableSources(all);
    if (sources.isEmpty()) {
        std::fprintf(stderr, "no recordings in %s\n", qPrintable(options.corpus));
        return 1;
    }
    if (!Catalogue::PrepareCatalogue())
        return 1;
    if (storedGames() < options.games) {
        std::fprintf(stderr, "generating %d games...\n", options.games);
        QElapsedTimer timer;
        timer.start();
        generate(options, sources);
        std::printf("generated %d games in %.1f s\n", options.games, double(timer.elapsed()) / 1000.0);
    }
    const QString folder = work + QStringLiteral("/list/");
    linkFolder(folder, sources, options.list);
    {
        const Maintenance::CStatistics stats = Maintenance::Statistics();
        std::printf("catalogue: %d games, %d players, %s\n", stats.games, stats.players, qPrintable(stats.sizeText));
    }

    if (options.before) {
        {
            auto db = Catalogue::OpenCatalogue();
            for (const QString &name : Catalogue::SearchIndexNames())
                db->ExecuteSql(QStringLiteral("DROP INDEX IF EXISTS %1").arg(name));
            explainAll(*db);
        }
        std::printf("\nwithout the search indexes\n");
        measure(folder, options.list);
        auto db = Catalogue::OpenCatalogue();
        Catalogue::CreateSearchIndexes(*db);
    }
    {
        auto db = Catalogue::OpenCatalogue();
        explainAll(*db);
    }
    std::printf("\nwith the search indexes\n");
    measure(folder, options.list);
    if (options.scan > 0)
        measureScan(work, sources, options.scan);
    return 0;
}
