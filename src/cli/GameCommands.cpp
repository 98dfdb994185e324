#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "explorer/GameRow.h"
#include "explorer/PlatformChange.h"
#include "explorer/RowAnalysis.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"

#include <QFileInfo>
#include <QJsonObject>

namespace {

// The game list's row of a file, with its catalogue columns when stored.
bool rowOfFile(const QString &path, CGameRow &row, QString &folder)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    folder = Cli::FolderArgument(info.absolutePath());
    row.fileName = info.fileName();
    row.fileSize = Catalogue::CatalogueFileSize(info.size());
    auto db = Catalogue::OpenCatalogue();
    auto game = std::make_unique<CRecordedGame>();
    if (db && Catalogue::LoadSummaryByFile(*game, info.fileName(), row.fileSize, *db))
        row.FillFromGame(*game);
    return true;
}

// Prepares the catalogue and finds the file's row: ExitCode::Ok, or the
// code the command ends with.
int catalogueRowOf(const QString &path, CGameRow &row, QString &folder)
{
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    if (!rowOfFile(path, row, folder))
        return Cli::Failure(QStringLiteral("'%1' is not a file").arg(path));
    return ExitCode::Ok;
}

int report(bool json, const QString &file, const QString &outcome, const CGameRow &row, int exitCode)
{
    if (json) {
        QJsonObject o = Cli::RowJson(row);
        o.insert(QStringLiteral("file"), file);
        o.insert(QStringLiteral("outcome"), outcome);
        Cli::PrintJson(o);
    } else {
        Out() << file << ": " << outcome;
        if (row.IsKnown())
            Out() << " (id " << row.catalogueId << ", " << Platform::PlatformLabel(row.platform) << ")";
        Out() << "\n";
    }
    return exitCode;
}

} // namespace

int RunSetPlatform(const QStringList &args)
{
    const QString usage = QStringLiteral("set-platform [--json] FILE PLATFORM");
    const Cli::ParsedArgs a = Cli::Parse(args, {});
    if (!a.error.isEmpty() || a.positional.size() != 2)
        return Cli::UsageError(usage, a.error);
    const int platform = Platform::PlatformFromText(a.positional[1]);
    if (platform < 0)
        return Cli::UsageError(
            usage, QStringLiteral("unknown platform '%1' (0-5 or a label such as \"GP RM\")").arg(a.positional[1]));
    CGameRow row;
    QString folder;
    if (const int rc = catalogueRowOf(a.positional[0], row, folder); rc != ExitCode::Ok)
        return rc;
    auto game = std::make_unique<CRecordedGame>();
    switch (PlatformChange::ChangePlatform(folder, row, platform, *game)) {
    case PlatformChange::Result::NotStored:
        return report(a.has("--json"), a.positional[0], QStringLiteral("not in the catalogue"), row, ExitCode::Failure);
    case PlatformChange::Result::Unchanged:
        return report(a.has("--json"), a.positional[0], QStringLiteral("unchanged"), row, ExitCode::Ok);
    case PlatformChange::Result::Changed:
        return report(a.has("--json"), a.positional[0], QStringLiteral("changed"), row, ExitCode::Ok);
    case PlatformChange::Result::FileLost:
        return report(
            a.has("--json"), a.positional[0], QStringLiteral("could not be read; removed"), row, ExitCode::Failure);
    }
    return ExitCode::Failure;
}

int RunReanalyze(const QStringList &args)
{
    const QString usage = QStringLiteral("reanalyze [--json] FILE");
    const Cli::ParsedArgs a = Cli::Parse(args, {});
    if (!a.error.isEmpty() || a.positional.size() != 1)
        return Cli::UsageError(usage, a.error);
    CGameRow row;
    QString folder;
    if (const int rc = catalogueRowOf(a.positional[0], row, folder); rc != ExitCode::Ok)
        return rc;
    auto game = std::make_unique<CRecordedGame>();
    const bool ok = RowAnalysis::Reanalyze(folder, row, *game);
    return report(a.has("--json"), a.positional[0], ok ? QStringLiteral("stored") : QStringLiteral("could not be read"),
        row, ok ? ExitCode::Ok : ExitCode::Failure);
}
