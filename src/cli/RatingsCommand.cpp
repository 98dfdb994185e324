#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "app/StringTable.h"
#include "app/TextFormat.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "explorer/GameRow.h"
#include "explorer/RowAnalysis.h"
#include "ratings/Countries.h"
#include "ratings/Platforms.h"
#include "ratings/RatingLookups.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

constexpr int kErrorUpdatingRatings = 1299;

struct FileOutcome
{
    QString file;
    QString outcome; // "refreshed", "cancelled", "not rated", "failed"
    QString error;
    std::shared_ptr<CRatingJob> job;
};

// The stored game of a recording; an unknown recording is analysed and
// stored first, as selecting it in the window does.
int storedId(const QString &path, QString &folder, QString &error)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        error = QStringLiteral("'%1' is not a file").arg(path);
        return 0;
    }
    folder = Cli::FolderArgument(info.absolutePath());
    CGameRow row;
    row.fileName = info.fileName();
    row.fileSize = Catalogue::CatalogueFileSize(info.size());
    auto game = std::make_unique<CRecordedGame>();
    {
        auto db = Catalogue::OpenCatalogue();
        if (db && Catalogue::LoadSummaryByFile(*game, info.fileName(), row.fileSize, *db))
            return game->catalogueId;
    }
    if (RowAnalysis::AnalyzeSelection(folder, row, *game) != RowAnalysis::Outcome::Stored || !row.IsKnown()) {
        error = QStringLiteral("'%1' could not be read as a recorded game").arg(path);
        return 0;
    }
    return row.catalogueId;
}

FileOutcome refresh(const QString &path, const CRatingServices &services)
{
    FileOutcome result { path, QStringLiteral("failed"), QString(), std::make_shared<CRatingJob>() };
    QString folder;
    const int id = storedId(path, folder, result.error);
    if (id <= 0)
        return result;
    switch (RatingLookups::Prepare(*result.job, id, folder, services)) {
    case RatingLookups::Preparation::NotLoaded:
        result.error = QStringLiteral("'%1' could not be loaded from the catalogue").arg(path);
        return result;
    case RatingLookups::Preparation::NotRated:
        result.outcome = QStringLiteral("not rated");
        return result;
    case RatingLookups::Preparation::NotConfigured:
        result.error = result.job->error;
        return result;
    case RatingLookups::Preparation::Ready:
        break;
    }
    if (!RatingLookups::Run(*result.job, &Cli::InterruptFlag(), nullptr))
        result.error = FormatText(LoadString(kErrorUpdatingRatings), { result.job->error });
    else
        result.outcome = result.job->cancelled ? QStringLiteral("cancelled") : QStringLiteral("refreshed");
    return result;
}

QJsonObject toJson(const FileOutcome &o)
{
    QJsonObject object { { QStringLiteral("file"), o.file }, { QStringLiteral("outcome"), o.outcome } };
    if (!o.error.isEmpty())
        object.insert(QStringLiteral("error"), QString(o.error).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    const CRecordedGame &game = o.job->game;
    if (game.catalogueId <= 0)
        return object;
    object.insert(QStringLiteral("id"), game.catalogueId);
    object.insert(QStringLiteral("platform"), game.platform);
    object.insert(QStringLiteral("platformLabel"), Platform::PlatformLabel(game.platform));
    QJsonArray players;
    for (int slot : RatingLookups::TakingPart(game)) {
        const CPlayer &p = game.players[slot];
        players.append(QJsonObject { { QStringLiteral("name"), p.name }, { QStringLiteral("rating"), p.rating },
            { QStringLiteral("country"), p.country },
            { QStringLiteral("countryName"), p.country > 0 ? Country::EnglishCountryName(p.country) : QString() },
            { QStringLiteral("updated"), o.job->updatedSlots.contains(slot) } });
    }
    object.insert(QStringLiteral("players"), players);
    return object;
}

void print(const FileOutcome &o)
{
    const CRecordedGame &game = o.job->game;
    Out() << o.file << ": " << o.outcome;
    if (game.catalogueId > 0)
        Out() << " (id " << game.catalogueId << ", " << Platform::PlatformLabel(game.platform) << ")";
    Out() << "\n";
    if (game.catalogueId <= 0 || o.outcome == QLatin1String("not rated"))
        return;
    QList<QStringList> rows;
    for (int slot : RatingLookups::TakingPart(game)) {
        const CPlayer &p = game.players[slot];
        rows.append({ p.name, QString::number(p.rating), p.country > 0 ? Country::EnglishCountryName(p.country) : "-",
            o.job->updatedSlots.contains(slot) ? QStringLiteral("updated") : QString() });
    }
    Cli::PrintTable({ QStringLiteral("Player"), QStringLiteral("Rating"), QStringLiteral("Country"), QString() }, rows);
}

} // namespace

int RunRatings(const QStringList &args)
{
    const QString usage = QStringLiteral("ratings [--json] FILE...");
    const Cli::ParsedArgs a = Cli::Parse(args, {});
    if (!a.error.isEmpty() || a.positional.isEmpty())
        return Cli::UsageError(usage, a.error);
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    Cli::InstallInterruptHandler();
    const CRatingServices services = CRatingServices::Load();
    QJsonArray json;
    int rc = ExitCode::Ok;
    for (const QString &file : a.positional) {
        if (Cli::InterruptFlag())
            break;
        const FileOutcome outcome = refresh(file, services);
        if (!outcome.error.isEmpty()) {
            rc = ExitCode::Failure;
            Err() << "vellumcast-cli: " << file << ": "
                  << QString(outcome.error).replace(QLatin1String("\r\n"), QLatin1String("\n")) << "\n";
        }
        if (a.has("--json"))
            json.append(toJson(outcome));
        else
            print(outcome);
    }
    if (a.has("--json"))
        Cli::PrintJson(json);
    return Cli::InterruptFlag() ? ExitCode::Failure : rc;
}
