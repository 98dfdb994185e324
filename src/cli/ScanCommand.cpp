#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "explorer/FolderListing.h"
#include "explorer/FullScan.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>

namespace {
const QString kUsage = QStringLiteral("scan [--json] [--jobs N] DIR");
} // namespace

// The full scan of one folder: every recording the catalogue does not know
// is analysed and stored, read on N threads (one per core by default).
// Ctrl+C stops after the file being stored.
int RunScan(const QStringList &args)
{
    const Cli::ParsedArgs a = Cli::Parse(args, { "--jobs" });
    if (!a.error.isEmpty() || a.positional.size() != 1)
        return Cli::UsageError(kUsage, a.error);
    bool jobsOk = true;
    const int jobs = a.value(QStringLiteral("--jobs"), QStringLiteral("0")).toInt(&jobsOk);
    if (!jobsOk || jobs < 0 || jobs > 256)
        return Cli::UsageError(kUsage, QStringLiteral("--jobs takes a number from 1 to 256"));
    const QString folder = Cli::FolderArgument(a.positional.first());
    if (folder.isEmpty())
        return Cli::Failure(QStringLiteral("'%1' is not a folder").arg(a.positional.first()));
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;

    QElapsedTimer timer;
    timer.start();
    Cli::InstallInterruptHandler();
    const CFolderListing listing = FolderListing::Fill(folder, CFolderListingOptions { false, false });

    Cli::ProgressBar bar(QStringLiteral("scanning"));
    QJsonArray failures;
    CFullScanObserver observer;
    observer.progress = [&bar](int done, int, int total) { bar.Update(done, total); };
    observer.failed = [&](const QString &path, const QString &reason) {
        failures.append(QJsonObject { { QStringLiteral("file"), path }, { QStringLiteral("error"), reason } });
    };
    const CFullScanResult result = FullScan::Run(folder, listing.rows, Cli::InterruptFlag(), observer, jobs);
    bar.Finish();
    const double seconds = timer.elapsed() / 1000.0;

    if (a.has("--json")) {
        Cli::PrintJson(QJsonObject {
            { QStringLiteral("folder"), folder },
            { QStringLiteral("files"), result.candidates },
            { QStringLiteral("stored"), result.stored },
            { QStringLiteral("failed"), result.failed },
            { QStringLiteral("known"), result.recordings },
            { QStringLiteral("interrupted"), result.cancelled },
            { QStringLiteral("seconds"), seconds },
            { QStringLiteral("failures"), failures },
        });
    } else {
        for (const QJsonValue &f : failures)
            Out() << "failed: " << f[QStringLiteral("file")].toString() << ": " << f[QStringLiteral("error")].toString()
                  << "\n";
        Out() << result.candidates << " files, " << result.stored << " stored, " << result.failed << " failed"
              << (result.cancelled ? " (interrupted)" : "") << " in " << QString::number(seconds, 'f', 2) << " s\n";
    }
    return result.cancelled ? ExitCode::Failure : ExitCode::Ok;
}
