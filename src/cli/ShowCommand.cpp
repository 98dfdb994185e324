#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/RecordPrinter.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "ratings/Countries.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

const QString kUsage = QStringLiteral("show [--json] [--folder DIR] ID_OR_FILE");

// The id of the stored game of a file (by name and size), 0 when none.
int idOfFile(const QFileInfo &file, CDbSQLite &db)
{
    CRecordedGame summary;
    return Catalogue::LoadSummaryByFile(summary, file.fileName(), Catalogue::CatalogueFileSize(file.size()), db)
        ? summary.catalogueId
        : 0;
}

} // namespace

int RunShow(const QStringList &args)
{
    const Cli::ParsedArgs a = Cli::Parse(args, { "--folder" });
    if (!a.error.isEmpty() || a.positional.size() != 1)
        return Cli::UsageError(kUsage, a.error);
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    auto db = Catalogue::OpenCatalogue();
    if (!db)
        return ExitCode::Failure;

    const QString target = a.positional.first();
    const QFileInfo file(target);
    int id = 0;
    QString folder;
    if (file.isFile()) {
        id = idOfFile(file, *db);
        folder = Cli::FolderArgument(file.absolutePath());
        if (id == 0)
            return Cli::Failure(QStringLiteral("%1 is not in the catalogue (scan its folder first)").arg(target));
    } else if (!Cli::IntArgument(target, &id) || id <= 0) {
        return Cli::Failure(QStringLiteral("'%1' is neither a file nor a catalogue id").arg(target));
    } else {
        folder = a.options.contains("--folder") ? Cli::FolderArgument(a.value("--folder"))
                                                : CSettings::Instance().CurrentPath();
    }

    auto game = std::make_unique<CRecordedGame>();
    if (!Catalogue::LoadById(*game, id, *db, true, folder))
        return Cli::Failure(QStringLiteral("no game with id %1 in the catalogue").arg(id));
    game->BuildTeamLabels();
    const bool fileRead = !game->header.isEmpty();

    QJsonArray ratings;
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game->players[s];
        if (p.number <= 0)
            continue;
        ratings.append(QJsonObject { { QStringLiteral("name"), p.name }, { QStringLiteral("playerId"), p.catalogueId },
            { QStringLiteral("rating"), p.rating }, { QStringLiteral("country"), p.country },
            { QStringLiteral("countryName"), Country::EnglishCountryName(p.country) } });
    }
    if (a.has("--json")) {
        QJsonObject o = RecordPrinter::ToJson(game->filePath, *game);
        o.insert(QStringLiteral("id"), game->catalogueId);
        o.insert(QStringLiteral("platform"), game->platform);
        o.insert(QStringLiteral("platformLabel"), Platform::PlatformLabel(game->platform));
        o.insert(QStringLiteral("fileRead"), fileRead);
        o.insert(QStringLiteral("ratings"), ratings);
        Cli::PrintJson(o);
        return ExitCode::Ok;
    }
    Out() << "== " << game->filePath << "\n";
    Out() << "Catalogue id: " << game->catalogueId << "\n";
    Out() << "Platform:   " << Platform::PlatformLabel(game->platform) << " (" << game->platform << ")\n";
    if (!fileRead)
        Out() << "(the file could not be read: chat and age times are missing)\n";
    Out() << RecordPrinter::ToText(*game) << "\n";
    QList<QStringList> rows;
    for (const QJsonValue &r : ratings)
        rows << QStringList { r[QStringLiteral("name")].toString(),
            Platform::IsRated(game->platform) ? QString::number(r[QStringLiteral("rating")].toInt())
                                              : QStringLiteral("-"),
            r[QStringLiteral("countryName")].toString() };
    Cli::PrintTable({ QStringLiteral("Player"), QStringLiteral("Rating"), QStringLiteral("Country") }, rows);
    return ExitCode::Ok;
}
