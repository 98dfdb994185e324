#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "explorer/FileSystem.h"
#include "explorer/ZipWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

const QString kUsage
    = QStringLiteral("zip [--json] [--force] OUT.zip FILE|FOLDER... | zip [--json] [--force] --each DIR FILE...");

} // namespace

// Creates one zip of files and folders (named inside by their paths below
// the current folder), or with --each one zip per file in DIR. Asks
// nothing: an existing archive is replaced only with --force, and then only
// once its replacement is complete. Ctrl+C stops and leaves no partial zip.
int RunZip(const QStringList &args)
{
    const Cli::ParsedArgs a = Cli::Parse(args, { "--each" }, { "--force" });
    const bool each = a.options.contains("--each");
    if (!a.error.isEmpty() || a.positional.size() < (each ? 1 : 2))
        return Cli::UsageError(kUsage, a.error);
    QStringList paths = each ? a.positional : a.positional.mid(1);
    for (QString &path : paths) {
        if (!FileSystem::Exists(path))
            return Cli::Failure(QStringLiteral("'%1' does not exist").arg(path));
        path = QFileInfo(path).absoluteFilePath();
    }

    QList<ZipWriter::Task> tasks;
    if (each) {
        const QString folder = Cli::FolderArgument(a.value("--each"));
        if (folder.isEmpty())
            return Cli::Failure(QStringLiteral("'%1' is not a folder").arg(a.value("--each")));
        tasks = ZipWriter::IndividualTasks(paths, folder);
    } else {
        const QString target = QFileInfo(a.positional.first()).absoluteFilePath();
        if (QFileInfo(target).isDir())
            return Cli::Failure(QStringLiteral("'%1' is a folder").arg(a.positional.first()));
        tasks.append({ target, ZipWriter::Collect(paths, QDir::currentPath(), target), false });
    }
    QStringList targets;
    for (ZipWriter::Task &task : tasks) {
        if (targets.contains(task.target))
            return Cli::Failure(QStringLiteral("two sources would both be zipped into '%1'").arg(task.target));
        targets << task.target;
        if (FileSystem::Exists(task.target)) {
            if (!a.has("--force"))
                return Cli::Failure(QStringLiteral("'%1' exists; --force replaces it").arg(task.target));
            task.replace = true;
        }
    }

    Cli::InstallInterruptHandler();
    Cli::ProgressBar bar(QStringLiteral("zipping"));
    const ZipWriter::Result result
        = ZipWriter::Run(tasks, &Cli::InterruptFlag(), [&bar](int done, int total) { bar.Update(done, total); });
    bar.Finish();

    QJsonArray written;
    for (int i = 0; i < result.archives; ++i)
        written.append(QJsonObject { { QStringLiteral("archive"), tasks[i].target },
            { QStringLiteral("files"), int(tasks[i].sources.size()) } });
    if (a.has("--json")) {
        Cli::PrintJson(QJsonObject {
            { QStringLiteral("ok"), result.Succeeded() },
            { QStringLiteral("archives"), written },
            { QStringLiteral("interrupted"), result.cancelled },
            { QStringLiteral("error"), result.errorText },
        });
    } else {
        for (const QJsonValue &w : written)
            Out() << w[QStringLiteral("archive")].toString() << ": " << w[QStringLiteral("files")].toInt()
                  << " file(s)\n";
    }
    if (result.cancelled)
        return Cli::Failure(QStringLiteral("interrupted; the archive being written was removed"));
    if (result.error)
        return Cli::Failure(QStringLiteral("Error creating Zip file: %1").arg(result.errorText));
    return ExitCode::Ok;
}
