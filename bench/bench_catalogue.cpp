// The catalogue's three figures, each beside its floor, in one run:
//  1. scanning N recordings (links to the corpus under distinct names) into
//     an empty catalogue, against reading and inflating the same files;
//  2. listing a folder of M recordings that are all in the catalogue;
//  3. a search over that folder with a player and a civilization condition.
//
//   bench_catalogue [CORPUS] [--scan N] [--list M]
//
// CORPUS defaults to the shared corpus beside the repository.

#include "BenchFloor.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "catalogue/Searcher.h"
#include "explorer/FolderListing.h"
#include "explorer/FullScan.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"
#include "recgame/RecordingFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

#ifndef VELLUMCAST_SOURCE_DIR
#define VELLUMCAST_SOURCE_DIR "."
#endif

namespace {

// count links (or copies) of the sources in folder, named prefix-NNNNN-source.
QStringList populate(const QString &folder, const QStringList &sources, int count, const QString &prefix)
{
    QDir().mkpath(folder);
    QStringList made;
    for (int i = 0; i < count; ++i) {
        const QString source = sources[i % sources.size()];
        const QString target = QStringLiteral("%1/%2-%3-%4")
                                   .arg(folder, prefix)
                                   .arg(i, 5, 10, QLatin1Char('0'))
                                   .arg(QFileInfo(source).fileName());
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0
            && !QFile::link(source, target))
            QFile::copy(source, target);
        made << target;
    }
    return made;
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

int usage()
{
    std::fprintf(stderr, "usage: bench_catalogue [CORPUS] [--scan N] [--list M]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    qputenv("VELLUMCAST_HOME", (work.path() + QStringLiteral("/home")).toUtf8());
    CSettings::Instance().ResetToDefaults();

    QString corpus = QStringLiteral(VELLUMCAST_SOURCE_DIR "/../shared/corpus");
    int scanCount = 1000;
    int listCount = 10000;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == QLatin1String("--scan") && i + 1 < args.size())
            scanCount = args[++i].toInt(&ok);
        else if (args[i] == QLatin1String("--list") && i + 1 < args.size())
            listCount = args[++i].toInt(&ok);
        else if (args[i].startsWith(QLatin1Char('-')))
            return usage();
        else
            corpus = args[i];
        if (!ok)
            return usage();
    }
    QStringList sources;
    for (const QFileInfo &info : QDir(corpus).entryInfoList(RecordingFiles::NameFilters(), QDir::Files, QDir::Name))
        sources << info.absoluteFilePath();
    if (sources.isEmpty()) {
        std::fprintf(stderr, "no recordings in %s\n", qPrintable(corpus));
        return 1;
    }
    if (!Catalogue::PrepareCatalogue())
        return 1;
    std::printf("%lld source recordings in %s\n", static_cast<long long>(sources.size()),
        qPrintable(QDir(corpus).absolutePath()));

    // 1. The scan against its floor.
    const QString scanFolder = work.path() + QStringLiteral("/scan");
    const QStringList scanFiles = populate(scanFolder, sources, scanCount, QStringLiteral("scan"));
    qint64 sink = 0;
    for (const QString &s : sources)
        sink += ReadAndInflate(s); // page cache
    QElapsedTimer timer;
    // The floor is timed before and after the scan and the faster run kept:
    // whichever loop runs first also pays for the allocator growing its heap.
    const auto timeFloor = [&]() {
        timer.start();
        for (const QString &f : scanFiles)
            sink += ReadAndInflate(f);
        return timer.nsecsElapsed();
    };
    const qint64 floorBefore = timeFloor();

    timer.start();
    const CFolderListing before
        = FolderListing::Fill(scanFolder + QLatin1Char('/'), CFolderListingOptions { false, false });
    std::atomic<bool> cancel { false };
    const CFullScanResult scanned = FullScan::Run(scanFolder + QLatin1Char('/'), before.rows, cancel);
    const qint64 scanNs = timer.nsecsElapsed();
    const qint64 floorNs = std::min(floorBefore, timeFloor());
    std::printf("\n1. scan of %d recordings into an empty catalogue\n", scanCount);
    std::printf("   floor (read + inflate)     %9.1f ms  %7.3f ms/file\n", ms(floorNs), ms(floorNs) / scanCount);
    std::printf("   full scan (fill + store)   %9.1f ms  %7.3f ms/file  (%d stored, %d failed)\n", ms(scanNs),
        ms(scanNs) / scanCount, scanned.stored, scanned.failed);
    std::printf("   ratio scan / floor         %9.2f  (aim: 1.5 or less)\n", double(scanNs) / double(floorNs));

    // 2. Listing a folder whose recordings are all stored. The games are
    // stored from records analysed once, so the set-up stays short.
    const QString listFolder = work.path() + QStringLiteral("/list");
    const QStringList listFiles = populate(listFolder, sources, listCount, QStringLiteral("list"));
    {
        std::vector<std::unique_ptr<CRecordedGame>> analysed;
        for (const QString &s : sources) {
            auto g = std::make_unique<CRecordedGame>();
            if (!RowAnalysis::AnalyzeFile(s, *g))
                g.reset();
            analysed.push_back(std::move(g));
        }
        auto db = Catalogue::OpenCatalogue();
        auto game = std::make_unique<CRecordedGame>();
        for (int i = 0; i < listFiles.size(); ++i) {
            const auto &source = analysed[size_t(i % sources.size())];
            if (!source)
                continue;
            *game = *source;
            game->filePath = listFiles[i];
            game->fileSize = quint32(QFileInfo(listFiles[i]).size());
            game->catalogueId = 0;
            for (CPlayer &p : game->players)
                p.catalogueId = 0;
            Catalogue::StoreInCatalogue(*game, *db, 1);
        }
    }
    int storedInList = 0;
    {
        auto db = Catalogue::OpenCatalogue();
        auto s = db->CreateStatement(QStringLiteral("SELECT COUNT(*) FROM recgame"));
        storedInList = s->NextRow() ? s->ColumnInt(0) : 0;
    }
    timer.start();
    const CFolderListing listed = FolderListing::Fill(listFolder + QLatin1Char('/'), CFolderListingOptions {});
    const qint64 listNs = timer.nsecsElapsed();
    timer.start();
    const int enumerated = int(QDir(listFolder).entryInfoList(QDir::Files).size());
    const qint64 enumerateNs = timer.nsecsElapsed();
    std::printf("\n2. listing a folder of %d recordings, all in the catalogue (%d games stored in all)\n", listCount,
        storedInList);
    std::printf("   floor (enumerate + stat)   %9.1f ms  (%d entries)\n", ms(enumerateNs), enumerated);
    std::printf("   fill                       %9.1f ms  (%d files, %d known)  (aim: under 1000 ms)\n", ms(listNs),
        listed.files, listed.recordings);

    // 3. A search with a player and a civilization condition over it.
    for (const auto &[mode, label] : { std::pair { int(CSearcher::PlayerPov), "pov" },
             std::pair { int(CSearcher::UniquePlayer), "unique" }, std::pair { int(CSearcher::AllPlayers), "all" } }) {
        CSearcher searcher;
        searcher.Set(QStringLiteral("Zuppi"), 0, 0, QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18"),
            mode, CSearcher::BeginsWith, QString(), QString(), -1, 0, -1);
        timer.start();
        CSearchQuery query;
        const bool built = searcher.BuildQuery(query);
        const CFolderListing found
            = built ? FolderListing::SearchFill(listFolder + QLatin1Char('/'), query) : CFolderListing {};
        const qint64 searchNs = timer.nsecsElapsed();
        std::printf("\n3. search \"Zuppi\" + civilizations, mode %-6s %9.1f ms  (%d matches)  (aim: under 1000 ms)\n",
            label, ms(searchNs), found.files);
    }
    std::printf("\n(sink %lld)\n", static_cast<long long>(sink));
    return 0;
}
