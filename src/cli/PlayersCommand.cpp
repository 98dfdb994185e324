#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Maintenance.h"
#include "ratings/Countries.h"
#include "ratings/Platforms.h"
#include "ratings/PlayersInfo.h"
#include "recgame/RecordedGame.h"
#include "shell/GameDescription.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <memory>

int RunTop(const QStringList &args)
{
    const QString usage = QStringLiteral("top [--json] PLATFORM");
    const Cli::ParsedArgs a = Cli::Parse(args, {});
    if (!a.error.isEmpty() || a.positional.size() != 1)
        return Cli::UsageError(usage, a.error);
    const int platform = Platform::PlatformFromText(a.positional.first());
    if (platform < 0)
        return Cli::UsageError(usage, QStringLiteral("unknown platform '%1'").arg(a.positional.first()));
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    auto db = Catalogue::OpenCatalogue();
    if (!db)
        return ExitCode::Failure;
    const QList<Maintenance::CPlayerRow> top = Maintenance::TopPlayers(platform, *db);
    if (a.has("--json")) {
        QJsonArray rows;
        for (const auto &p : top)
            rows.append(QJsonObject { { QStringLiteral("nick"), p.nick }, { QStringLiteral("rating"), p.rating },
                { QStringLiteral("country"), p.country },
                { QStringLiteral("countryName"), Country::EnglishCountryName(p.country) } });
        Cli::PrintJson(QJsonObject { { QStringLiteral("platform"), platform },
            { QStringLiteral("label"), Platform::PlatformLabel(platform) }, { QStringLiteral("players"), rows } });
        return ExitCode::Ok;
    }
    Out() << "Top 15 Players: " << Platform::PlatformLabel(platform) << "\n";
    QList<QStringList> rows;
    int rank = 0;
    for (const auto &p : top)
        rows << QStringList { QString::number(++rank), QStringLiteral("%1 (%2)").arg(p.nick).arg(p.rating),
            Country::EnglishCountryName(p.country) };
    Cli::PrintTable({ QStringLiteral("#"), QStringLiteral("Player"), QStringLiteral("Country") }, rows);
    return ExitCode::Ok;
}

int RunPlayers(const QStringList &args)
{
    const QString usage
        = QStringLiteral("players [--json] [--nick TEXT] [--country ID] [--rating-min N] [--rating-max N]");
    const Cli::ParsedArgs a = Cli::Parse(args, { "--nick", "--country", "--rating-min", "--rating-max" });
    if (!a.error.isEmpty() || !a.positional.isEmpty())
        return Cli::UsageError(usage, a.error);
    int country = -1, minRating = 0, maxRating = 0;
    if (a.options.contains("--country")) {
        country = Country::CountryFromName(a.value("--country"));
        if (country < 0)
            return Cli::UsageError(usage, QStringLiteral("unknown country '%1'").arg(a.value("--country")));
    }
    if ((a.options.contains("--rating-min") && !Cli::IntArgument(a.value("--rating-min"), &minRating))
        || (a.options.contains("--rating-max") && !Cli::IntArgument(a.value("--rating-max"), &maxRating)))
        return Cli::UsageError(usage, QStringLiteral("ratings are numbers"));
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    auto db = Catalogue::OpenCatalogue();
    if (!db)
        return ExitCode::Failure;
    const QStringList nicks
        = Maintenance::SearchPlayers(a.value("--nick").left(25), country, minRating, maxRating, *db);
    if (a.has("--json")) {
        Cli::PrintJson(QJsonArray::fromStringList(nicks));
        return ExitCode::Ok;
    }
    for (const QString &n : nicks)
        Out() << n << "\n";
    Out() << "Found matches: " << nicks.size() << "\n";
    return ExitCode::Ok;
}

int RunSetCountry(const QStringList &args)
{
    const QString usage = QStringLiteral("set-country [--json] FILE PLAYER COUNTRY");
    const Cli::ParsedArgs a = Cli::Parse(args, {});
    if (!a.error.isEmpty() || a.positional.size() != 3)
        return Cli::UsageError(usage, a.error);
    const int country = Country::CountryFromName(a.positional[2]);
    if (country < 0)
        return Cli::UsageError(usage, QStringLiteral("unknown country '%1'").arg(a.positional[2]));
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    const QFileInfo file(a.positional[0]);
    QString reason = QStringLiteral("no such file");
    const int id = file.isFile() ? Cli::StoredGameId(file, &reason) : 0;
    auto game = std::make_unique<CRecordedGame>();
    if (id <= 0 || !GameDescription::LoadStoredGame(id, Cli::FolderArgument(file.absolutePath()), *game))
        return Cli::Failure(QStringLiteral("%1: %2").arg(a.positional[0], reason));

    // The same entries and save as the players dialog: the country of the
    // player on the game's platform, in every game of that platform.
    QList<CPlayerInfo> entries = PlayersInfo::Entries(*game);
    auto entry = std::find_if(entries.begin(), entries.end(),
        [&](const CPlayerInfo &e) { return e.name.compare(a.positional[1], Qt::CaseInsensitive) == 0; });
    if (entry == entries.end())
        return Cli::Failure(QStringLiteral("no player '%1' in %2").arg(a.positional[1], a.positional[0]));
    entry->country = country;
    auto db = Catalogue::OpenCatalogue();
    if (!db || !PlayersInfo::Save(entries, *db))
        return Cli::Failure(QStringLiteral("the catalogue could not be written"));
    if (a.has("--json")) {
        Cli::PrintJson(QJsonObject { { QStringLiteral("player"), entry->name },
            { QStringLiteral("playerId"), entry->playerId }, { QStringLiteral("platform"), game->platform },
            { QStringLiteral("country"), country },
            { QStringLiteral("countryName"), Country::EnglishCountryName(country) } });
    } else {
        Out() << entry->name << " (" << Platform::PlatformLabel(game->platform)
              << "): " << Country::EnglishCountryName(country) << "\n";
    }
    return ExitCode::Ok;
}
