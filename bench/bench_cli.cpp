// Measures what `vellumcast-cli analyze --json` costs as a whole process
// against the floor of getting the bytes: reading each file and inflating its
// header, nothing else. The floor the goal is held against is a process of
// its own (this program with --floor-only FILES..., which loads Qt Core and
// zlib only, as reading and inflating needs) reading and inflating with
// buffers kept from file to file: like the command, it pays what every new
// process pays, its start-up and the first touch of its buffers. That is no
// small part here: the dozen corpus recordings take 40 ms to read and
// inflate in a warm process and about 100 ms in a new one, so a whole
// process held against a warm in-process floor could not come near the goal
// over a short list whatever it did. Two in-process floors are printed too,
// timed in this process after a first pass: with fresh buffers for each file
// (ReadAndInflate, as the other benchmarks do) and with kept buffers
// (ReadAndInflateInto). Each round times the floors over the file list, then
// runs the command over the same list (its output goes to /dev/null); rounds
// alternate so that a busy machine slows all alike. The file list is the
// folder's recordings repeated --copies times (10 by default; 1 is the corpus
// itself).
//
//   bench_cli [FOLDER] [--rounds N] [--copies N] [--cli PATH] [-- EXTRA CLI ARGS]
//
// FOLDER defaults to the shared corpus beside the repository; the command to
// the vellumcast-cli beside this program.

#include "BenchClock.h"
#include "BenchFloor.h"
#include "recgame/RecordingFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#ifndef VELLUMCAST_SOURCE_DIR
#define VELLUMCAST_SOURCE_DIR "."
#endif

namespace {

struct Round
{
    double processMs = 0;
    double processCpuMs = 0;
    double freshMs = 0;
    double floorMs = 0;
    double floorCpuMs = 0;
    double cliMs = 0;
    double cliCpuMs = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int usage()
{
    std::fprintf(stderr, "usage: bench_cli [FOLDER] [--rounds N] [--copies N] [--cli PATH] [-- EXTRA CLI ARGS]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--floor-only") == 0) {
        FloorBuffers kept;
        qint64 sink = 0;
        for (int i = 2; i < argc; ++i)
            sink += ReadAndInflateInto(QString::fromLocal8Bit(argv[i]), kept);
        return sink == 0 ? 1 : 0;
    }
    QString folder = QStringLiteral(VELLUMCAST_SOURCE_DIR "/../shared/corpus");
    QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/vellumcast-cli");
    int rounds = 5;
    int copies = 10;
    QStringList extra;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const auto number = [&](int *out) {
            bool ok = false;
            *out = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            return ok && *out >= 1;
        };
        if (args[i] == QLatin1String("--rounds")) {
            if (!number(&rounds))
                return usage();
        } else if (args[i] == QLatin1String("--copies")) {
            if (!number(&copies))
                return usage();
        } else if (args[i] == QLatin1String("--cli") && i + 1 < args.size()) {
            cli = args[++i];
        } else if (args[i] == QLatin1String("--")) {
            extra = args.mid(i + 1);
            break;
        } else if (args[i].startsWith(QLatin1Char('-'))) {
            return usage();
        } else {
            folder = args[i];
        }
    }

    QStringList once;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(RecordingFiles::NameFilters(), QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : entries)
        once << info.absoluteFilePath();
    if (once.isEmpty()) {
        std::fprintf(stderr, "no recordings in %s\n", qPrintable(QDir(folder).absolutePath()));
        return 1;
    }
    QStringList files;
    for (int c = 0; c < copies; ++c)
        files += once;
    const QStringList cliArgs = QStringList{QStringLiteral("analyze"), QStringLiteral("--json")} + extra + files;
    std::printf("%lld recordings x %d copies = %lld files; %d rounds; %s %s ... (%lld args)\n",
                static_cast<long long>(once.size()), copies, static_cast<long long>(files.size()), rounds,
                qPrintable(cli), qPrintable(cliArgs.mid(0, 2 + extra.size()).join(QLatin1Char(' '))),
                static_cast<long long>(cliArgs.size()));

    const auto run = [](const QString &program, const QStringList &arguments) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(program, arguments);
        process.waitForFinished(-1);
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() <= 1;
    };
    const auto runCli = [&]() { return run(cli, cliArgs); };
    const QStringList floorArgs = QStringList{QStringLiteral("--floor-only")} + files;
    const auto runFloor = [&]() { return run(QCoreApplication::applicationFilePath(), floorArgs); };

    // One untimed pass fills the page cache and checks that the command runs.
    qint64 sink = 0;
    qint64 keptSink = 0;
    FloorBuffers kept;
    for (const QString &path : files) {
        sink += ReadAndInflate(path);
        keptSink += ReadAndInflateInto(path, kept);
    }
    if (!runCli()) {
        std::fprintf(stderr, "%s did not run\n", qPrintable(cli));
        return 1;
    }
    runFloor();

    std::vector<Round> measured;
    QElapsedTimer timer;
    for (int r = 0; r < rounds; ++r) {
        Round round;
        timer.start();
        for (const QString &path : files)
            sink += ReadAndInflate(path);
        round.freshMs = double(timer.nsecsElapsed()) / 1e6;
        const double floorCpuBefore = ProcessCpuMs();
        timer.start();
        for (const QString &path : files)
            keptSink += ReadAndInflateInto(path, kept);
        round.floorMs = double(timer.nsecsElapsed()) / 1e6;
        round.floorCpuMs = ProcessCpuMs() - floorCpuBefore;
        const double processCpuBefore = ChildrenCpuMs();
        timer.start();
        runFloor();
        round.processMs = double(timer.nsecsElapsed()) / 1e6;
        round.processCpuMs = ChildrenCpuMs() - processCpuBefore;
        const double cpuBefore = ChildrenCpuMs();
        timer.start();
        runCli();
        round.cliMs = double(timer.nsecsElapsed()) / 1e6;
        round.cliCpuMs = ChildrenCpuMs() - cpuBefore;
        measured.push_back(round);
        std::printf("round %d: floor fresh %7.1f ms, kept %7.1f ms (cpu %7.1f ms), process %7.1f ms; cli %7.1f ms "
                    "(cpu %7.1f ms); ratio to the floor process %.3f (cpu %.3f)\n",
                    r + 1, round.freshMs, round.floorMs, round.floorCpuMs, round.processMs, round.cliMs,
                    round.cliCpuMs, round.cliMs / round.processMs, round.cliCpuMs / round.processCpuMs);
    }

    std::vector<double> ratios;
    std::vector<double> cpuRatios;
    std::vector<double> freshRatios;
    std::vector<double> processRatios;
    std::vector<double> processCpuRatios;
    std::vector<double> processes;
    std::vector<double> freshes;
    std::vector<double> floors;
    std::vector<double> clis;
    for (const Round &round : measured) {
        ratios.push_back(round.cliMs / round.floorMs);
        cpuRatios.push_back(round.cliCpuMs / round.floorCpuMs);
        freshRatios.push_back(round.cliMs / round.freshMs);
        processRatios.push_back(round.cliMs / round.processMs);
        processCpuRatios.push_back(round.cliCpuMs / round.processCpuMs);
        processes.push_back(round.processMs);
        freshes.push_back(round.freshMs);
        floors.push_back(round.floorMs);
        clis.push_back(round.cliMs);
    }
    const double n = double(files.size());
    std::printf("median: floor fresh %.1f ms (%.2f ms a file), floor kept %.1f ms (%.2f ms a file), floor process "
                "%.1f ms, cli %.1f ms (%.2f ms a file)\n",
                median(freshes), median(freshes) / n, median(floors), median(floors) / n, median(processes),
                median(clis), median(clis) / n);
    std::printf("median ratio cli / floor in this process, fresh buffers: %.3f\n", median(freshRatios));
    std::printf("median ratio cli / floor in this process, kept buffers: %.3f (in processor time %.3f)\n",
                median(ratios), median(cpuRatios));
    std::printf("median ratio cli / floor as a process of its own: %.3f (goal <= 1.25); in processor time %.3f\n",
                median(processRatios), median(processCpuRatios));
    std::printf("(checksums %lld %lld)\n", static_cast<long long>(sink), static_cast<long long>(keptSink));
    return 0;
}
