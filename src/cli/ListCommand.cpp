#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "app/ArchiveStrings.h"
#include "app/TextFormat.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Searcher.h"
#include "explorer/ArchiveReader.h"
#include "explorer/FolderListing.h"
#include "explorer/FullScan.h"
#include "explorer/GameRow.h"
#include "ratings/Platforms.h"
#include "shell/SearchChoices.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

const QString kListUsage = QStringLiteral("list [--json] [--sort COLUMN[:desc]] DIR|ARCHIVE");
const QString kSearchUsage = QStringLiteral(
    "search [--json] [--player NICK] [--mode pov|unique|all] [--civ LIST] [--map LIST] [--type TYPE] [--size CODE] "
    "[--duration HH:M] [--platform ID] [--rating-min N] [--rating-max N] "
    "[--file-begins|--file-contains|--file-ends TEXT] [--sort COLUMN[:desc]] DIR");

// "date:desc" -> -6; false for an unknown column.
bool parseSortKey(const QString &text, int *key)
{
    if (text.isEmpty()) {
        *key = GameColumn::Name;
        return true;
    }
    const QStringList parts = text.toLower().split(QLatin1Char(':'));
    static const QStringList names { "name", "view", "map", "players", "duration", "date" };
    const int column = int(names.indexOf(parts[0])) + 1;
    if (column <= 0 || parts.size() > 2 || (parts.size() == 2 && parts[1] != "desc" && parts[1] != "asc"))
        return false;
    *key = parts.size() == 2 && parts[1] == "desc" ? -column : column;
    return true;
}

int printListing(const QString &folder, const CFolderListing &listing, bool json)
{
    if (json) {
        QJsonArray rows;
        for (const CGameRow &row : listing.rows)
            rows.append(Cli::RowJson(row));
        Cli::PrintJson(QJsonObject {
            { QStringLiteral("folder"), folder },
            { QStringLiteral("files"), listing.files },
            { QStringLiteral("recordedGames"), listing.recordings },
            { QStringLiteral("rows"), rows },
        });
        return ExitCode::Ok;
    }
    QList<QStringList> cells;
    for (const CGameRow &row : listing.rows)
        cells << Cli::RowCells(row);
    Cli::PrintTable(Cli::RowHeaders(), cells);
    Out() << "Files: " << listing.files << "  Recorded Games: " << listing.recordings << "\n";
    return ExitCode::Ok;
}

// An archive is listed like a folder: its recordings are extracted into a
// temporary folder (removed afterwards), the unknown ones analysed and
// stored as a full scan would, and the list shows them.
int listArchive(const QString &archive, int sortKey, bool json)
{
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    QTemporaryDir extracted;
    if (!extracted.isValid())
        return Cli::Failure(QStringLiteral("no temporary folder: %1").arg(extracted.errorString()));
    const QString folder = extracted.path() + QLatin1Char('/');
    const ArchiveReader::Result result = ArchiveReader::Extract(archive, folder);
    if (!result.ok) {
        const int format = ArchiveReader::KindOf(archive) == ArchiveReader::Kind::Rar ? StringId::RarReadError
                                                                                     : StringId::ZipReadError;
        return Cli::Failure(FormatText(LoadString(format), { QFileInfo(archive).fileName(), result.error })
                                .replace(QLatin1String("\r\n"), QLatin1String(" ")));
    }
    const CFolderListingOptions noArchives { false, false };
    Cli::InstallInterruptHandler();
    FullScan::Run(folder, FolderListing::Fill(folder, noArchives).rows, Cli::InterruptFlag());
    CFolderListing listing = FolderListing::Fill(folder, noArchives, sortKey);
    listing.rows.removeIf([](const CGameRow &row) { return row.IsParent(); });
    return printListing(archive, listing, json);
}

int matchSizeArgument(const QString &text)
{
    const QString t = text.trimmed().toLower().remove(QLatin1Char(' '));
    static const QStringList names { "-", "1v1", "2v2", "3v3", "4v4", "ffa", "team" };
    if (const int i = int(names.indexOf(t)); i >= 0)
        return i;
    bool ok = false;
    const int n = t.toInt(&ok);
    return ok && n >= 0 && n <= CSearcher::kTeamGame ? n : -1;
}

} // namespace

int RunList(const QStringList &args)
{
    const Cli::ParsedArgs a = Cli::Parse(args, { "--sort" });
    int sortKey = 0;
    if (!a.error.isEmpty() || a.positional.size() != 1)
        return Cli::UsageError(kListUsage, a.error);
    if (!parseSortKey(a.value("--sort"), &sortKey))
        return Cli::UsageError(kListUsage, QStringLiteral("unknown sort column '%1'").arg(a.value("--sort")));
    const QFileInfo argument(a.positional.first());
    if (argument.isFile() && ArchiveReader::KindOf(argument.fileName()) != ArchiveReader::Kind::None)
        return listArchive(argument.absoluteFilePath(), sortKey, a.has("--json"));
    const QString folder = Cli::FolderArgument(a.positional.first());
    if (folder.isEmpty())
        return Cli::Failure(QStringLiteral("'%1' is not a folder or an archive").arg(a.positional.first()));
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    const CFolderListing listing = FolderListing::Fill(folder, CFolderListingOptions::FromSettings(), sortKey);
    return printListing(folder, listing, a.has("--json"));
}

int RunSearch(const QStringList &args)
{
    const Cli::ParsedArgs a = Cli::Parse(args,
        { "--player", "--mode", "--civ", "--map", "--type", "--size", "--duration", "--platform", "--rating-min",
            "--rating-max", "--file-begins", "--file-contains", "--file-ends", "--sort" });
    if (!a.error.isEmpty() || a.positional.size() != 1)
        return Cli::UsageError(kSearchUsage, a.error);
    int sortKey = 0;
    if (!parseSortKey(a.value("--sort"), &sortKey))
        return Cli::UsageError(kSearchUsage, QStringLiteral("unknown sort column '%1'").arg(a.value("--sort")));

    static const QStringList modes { "pov", "unique", "all" };
    const int mode = int(modes.indexOf(a.value("--mode", "pov").toLower()));
    if (mode < 0)
        return Cli::UsageError(kSearchUsage, QStringLiteral("--mode is pov, unique or all"));
    int minRating = 0, maxRating = 0, gameType = -1, platform = -1;
    if ((a.options.contains("--rating-min") && !Cli::IntArgument(a.value("--rating-min"), &minRating))
        || (a.options.contains("--rating-max") && !Cli::IntArgument(a.value("--rating-max"), &maxRating)))
        return Cli::UsageError(kSearchUsage, QStringLiteral("ratings are numbers"));
    if (a.options.contains("--type")) {
        gameType = SearchChoices::Resolve(a.value("--type"), SearchChoices::GameTypes());
        if (gameType < 0)
            return Cli::UsageError(kSearchUsage, QStringLiteral("unknown game type '%1'").arg(a.value("--type")));
    }
    QString civilizations, unknown;
    if (!SearchChoices::ResolveList(a.value("--civ"), SearchChoices::Civilizations(), &civilizations, &unknown))
        return Cli::UsageError(kSearchUsage, QStringLiteral("unknown civilization '%1'").arg(unknown));
    if (a.options.contains("--platform")) {
        platform = Platform::PlatformFromText(a.value("--platform"));
        if (platform < 0)
            return Cli::UsageError(kSearchUsage, QStringLiteral("unknown platform '%1'").arg(a.value("--platform")));
    }
    const int matchSize = a.options.contains("--size") ? matchSizeArgument(a.value("--size")) : 0;
    if (matchSize < 0)
        return Cli::UsageError(kSearchUsage, QStringLiteral("--size is 1v1, 2v2, 3v3, 4v4, ffa or team"));
    int fileMode = CSearcher::BeginsWith;
    QString fileName = a.value("--file-begins");
    if (a.options.contains("--file-contains")) {
        fileMode = CSearcher::Contains;
        fileName = a.value("--file-contains");
    } else if (a.options.contains("--file-ends")) {
        fileMode = CSearcher::EndsWith;
        fileName = a.value("--file-ends");
    }
    QString duration;
    if (a.options.contains("--duration")) {
        duration = a.value("--duration").trimmed();
        if (duration.size() < 4 || duration[2] != QLatin1Char(':'))
            return Cli::UsageError(kSearchUsage, QStringLiteral("--duration is HH:M, the start of a ten-minute range"));
        duration = duration.left(4) + QStringLiteral("_:__");
    }

    const QString folder = Cli::FolderArgument(a.positional.first());
    if (folder.isEmpty())
        return Cli::Failure(QStringLiteral("'%1' is not a folder").arg(a.positional.first()));
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    // Maps by name include the custom maps the catalogue has stored.
    QString maps;
    if (a.options.contains("--map")) {
        const auto db = Catalogue::OpenCatalogue();
        if (!SearchChoices::ResolveList(a.value("--map"), SearchChoices::Maps(db.get()), &maps, &unknown))
            return Cli::UsageError(kSearchUsage, QStringLiteral("unknown map '%1'").arg(unknown));
    }

    CSearcher searcher;
    searcher.Set(a.value("--player").left(25), minRating, maxRating, civilizations, mode, fileMode,
        fileName.trimmed().left(30), maps, gameType, matchSize, platform);
    searcher.SetDurationPattern(duration);
    CSearchQuery query;
    if (!searcher.BuildQuery(query)) {
        Err() << "The current search has not matches\n";
        return ExitCode::Failure;
    }
    const CFolderListing listing = FolderListing::SearchFill(folder, query, sortKey);
    return printListing(folder, listing, a.has("--json"));
}
