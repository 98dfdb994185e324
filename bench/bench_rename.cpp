// The time "vellumcast-cli rename --dry-run" takes over a folder of stored
// recordings (links to the corpus under distinct names), as a user runs it:
// a whole process, start-up included. Beside it, the same work in this
// process (load each stored game, expand the formats, plan the batch).
//
//   bench_rename [CORPUS] [--files N]
//
// CORPUS defaults to the shared corpus beside the repository; N to 1000.

#include "BenchClock.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"
#include "recgame/RecordingFiles.h"
#include "rename/RenameBatch.h"
#include "rename/RenameGames.h"
#include "rename/Renamer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

#ifndef VELLUMCAST_SOURCE_DIR
#define VELLUMCAST_SOURCE_DIR "."
#endif

namespace {

QStringList populate(const QString &folder, const QStringList &sources, int count)
{
    QDir().mkpath(folder);
    QStringList made;
    for (int i = 0; i < count; ++i) {
        const QString source = sources[i % sources.size()];
        const QString target = QStringLiteral("%1/rec-%2-%3")
                                   .arg(folder)
                                   .arg(i, 5, 10, QLatin1Char('0'))
                                   .arg(QFileInfo(source).fileName());
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
            QFile::copy(source, target);
        made << target;
    }
    return made;
}

// Stores every file from records analysed once per source.
int storeAll(const QStringList &sources, const QStringList &files)
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
    int stored = 0;
    for (int i = 0; i < files.size(); ++i) {
        const auto &source = analysed[size_t(i % analysed.size())];
        if (!source)
            continue;
        *game = *source;
        game->filePath = files[i];
        game->fileSize = quint32(QFileInfo(files[i]).size());
        game->catalogueId = 0;
        for (CPlayer &p : game->players)
            p.catalogueId = 0;
        stored += Catalogue::StoreInCatalogue(*game, *db, 1) ? 1 : 0;
    }
    return stored;
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

int usage()
{
    std::fprintf(stderr, "usage: bench_rename [CORPUS] [--files N]\n");
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
    int count = 1000;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == QLatin1String("--files") && i + 1 < args.size())
            count = args[++i].toInt(&ok);
        else if (args[i].startsWith(QLatin1Char('-')))
            return usage();
        else
            corpus = args[i];
        if (!ok || count <= 0)
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
    const QString folder = work.path() + QStringLiteral("/games");
    const QStringList files = populate(folder, sources, count);
    const int stored = storeAll(sources, files);
    CRenamer::StoreDefaultFormats();
    std::printf("%d recordings (links to %lld corpus files), %d stored\n", count,
        static_cast<long long>(sources.size()), stored);

    // 1. The command as a user runs it.
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/vellumcast-cli");
    QElapsedTimer timer;
    QProcess process;
    const double childrenBefore = ChildrenCpuMs();
    timer.start();
    process.start(cli, QStringList { QStringLiteral("rename"), QStringLiteral("--dry-run") } + files);
    const bool finished = process.waitForFinished(600000);
    const qint64 cliNs = timer.nsecsElapsed();
    const double cliCpu = ChildrenCpuMs() - childrenBefore;
    const int lines = int(process.readAllStandardOutput().count('\n'));
    std::printf("\n1. vellumcast-cli rename --dry-run over %d files\n", count);
    std::printf("   whole process, wall        %9.1f ms  %7.3f ms/file  (exit %d, %d lines)  (aim: under 1000 ms)\n",
        ms(cliNs), ms(cliNs) / count, finished ? process.exitCode() : -1, lines);
    std::printf("   whole process, processor   %9.1f ms\n", cliCpu);

    // 2. The same work in this process.
    const double selfBefore = ProcessCpuMs();
    timer.start();
    CRenamer renamer;
    renamer.LoadFormats();
    auto db = Catalogue::OpenCatalogue();
    auto game = std::make_unique<CRecordedGame>();
    QList<CRenameEntry> entries;
    for (const QString &f : files) {
        const QFileInfo info(f);
        const int id = RenameGames::LoadOrStore(folder + QLatin1Char('/'), info.fileName(), *db, *game);
        renamer.ClearResults();
        renamer.Expand(*game, QStringLiteral("1"));
        if (id > 0 && renamer.ResultCount() > 0)
            entries.append({ info.fileName(), CRenameBatch::TargetFor(info.fileName(), renamer.GetResult(0)), id });
    }
    const qint64 expandNs = timer.nsecsElapsed();
    const CRenameBatch::Outcome plan = CRenameBatch(folder, entries, CollisionText::Current()).Plan();
    const qint64 totalNs = timer.nsecsElapsed();
    const double selfCpu = ProcessCpuMs() - selfBefore;
    std::printf("\n2. in process\n");
    std::printf("   load + expand              %9.1f ms  %7.3f ms/file  (%lld named)\n", ms(expandNs),
        ms(expandNs) / count, static_cast<long long>(entries.size()));
    std::printf("   plan of the batch          %9.1f ms  (%lld renames)\n", ms(totalNs - expandNs),
        static_cast<long long>(plan.planned.size()));
    std::printf("   both, processor            %9.1f ms\n", selfCpu);
    return 0;
}
