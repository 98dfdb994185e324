// Measures what the analysis of a recording costs beyond getting its bytes:
// (a) reading each file and inflating its header, nothing else, and
// (b) the whole reader, header parser and body scan (SetFile, ReadFile,
// Analyze). ReadFile alone is shown too, to tell reading from parsing when
// the ratio moves. All run in the same process over the same files, alternating
// round by round so that a busy machine slows both alike.
//
//   bench_read [FOLDER] [--repeat N] [--no-terrain]
//
// FOLDER defaults to the shared corpus beside the repository.

#include "BenchFloor.h"
#include "app/Settings.h"
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
#include <vector>

#ifndef VELLUMCAST_SOURCE_DIR
#define VELLUMCAST_SOURCE_DIR "."
#endif

namespace {

qint64 readOnly(const QString &path)
{
    CRecordedGame game;
    game.SetFile(path);
    return game.ReadFile() ? game.header.size() + game.body.size() : -1;
}

qint64 analyze(const QString &path, bool terrain)
{
    CRecordedGame game;
    game.SetFile(path);
    if (!game.ReadFile())
        return -1;
    game.Analyze(terrain);
    return game.header.size() + game.mapWidth + game.gameChat.size();
}

struct Tally
{
    qint64 nanoseconds = 0;
    qint64 files = 0;
    qint64 bytes = 0;
    qint64 sink = 0;
};

void print(const char *label, const Tally &t)
{
    const double seconds = double(t.nanoseconds) / 1e9;
    std::printf("%-28s %8lld files %9.3f s %10.1f files/s %9.1f MB/s\n", label, static_cast<long long>(t.files),
                seconds, double(t.files) / seconds, double(t.bytes) / 1e6 / seconds);
}

int usage()
{
    std::fprintf(stderr, "usage: bench_read [FOLDER] [--repeat N] [--no-terrain]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // A private data directory: a failing read logs, and the user's log is
    // none of the benchmark's business.
    QTemporaryDir home;
    qputenv("VELLUMCAST_HOME", home.path().toUtf8());
    CSettings::Instance().ResetToDefaults();

    QString folder = QStringLiteral(VELLUMCAST_SOURCE_DIR "/../shared/corpus");
    int repeat = 20;
    bool terrain = true;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--repeat") && i + 1 < args.size()) {
            bool ok = false;
            repeat = args[++i].toInt(&ok);
            if (!ok || repeat < 1)
                return usage();
        } else if (args[i] == QLatin1String("--no-terrain")) {
            terrain = false;
        } else if (args[i].startsWith(QLatin1Char('-'))) {
            return usage();
        } else {
            folder = args[i];
        }
    }

    QStringList files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(RecordingFiles::NameFilters(), QDir::Files, QDir::Name | QDir::IgnoreCase);
    qint64 folderBytes = 0;
    for (const QFileInfo &info : entries) {
        files << info.absoluteFilePath();
        folderBytes += info.size();
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no recordings in %s\n", qPrintable(QDir(folder).absolutePath()));
        return 1;
    }
    std::printf("%lld recordings, %.1f MB, in %s; %d rounds; Analyze(%s)\n", static_cast<long long>(files.size()),
                double(folderBytes) / 1e6, qPrintable(QDir(folder).absolutePath()), repeat,
                terrain ? "true" : "false");

    // One untimed pass fills the page cache and the lazily built tables.
    for (const QString &path : files) {
        ReadAndInflate(path);
        analyze(path, terrain);
    }

    Tally a;
    Tally b;
    Tally c;
    std::vector<double> roundRatios;
    QElapsedTimer timer;
    for (int round = 0; round < repeat; ++round) {
        timer.start();
        for (const QString &path : files) {
            a.sink += ReadAndInflate(path);
            ++a.files;
        }
        const qint64 roundA = timer.nsecsElapsed();
        timer.start();
        for (const QString &path : files) {
            b.sink += analyze(path, terrain);
            ++b.files;
        }
        const qint64 roundB = timer.nsecsElapsed();
        timer.start();
        for (const QString &path : files) {
            c.sink += readOnly(path);
            ++c.files;
        }
        c.nanoseconds += timer.nsecsElapsed();
        c.bytes += folderBytes;
        a.nanoseconds += roundA;
        b.nanoseconds += roundB;
        a.bytes += folderBytes;
        b.bytes += folderBytes;
        roundRatios.push_back(double(roundB) / double(roundA));
    }

    print("(a) read + inflate header", a);
    print("(b) ReadFile + Analyze", b);
    print("    (ReadFile alone)", c);
    std::sort(roundRatios.begin(), roundRatios.end());
    const double ratio = double(b.nanoseconds) / double(a.nanoseconds);
    std::printf("ratio b/a: %.3f (median of rounds %.3f; aim <= 1.3)\n", ratio, roundRatios[roundRatios.size() / 2]);
    std::printf("(checksum %lld %lld)\n", static_cast<long long>(a.sink), static_cast<long long>(b.sink));
    return 0;
}
