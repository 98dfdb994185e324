#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "app/Settings.h"
#include "catalogue/Maintenance.h"

#include <QJsonObject>

namespace {
const QString kUsage = QStringLiteral("db stats [--json] | db rebuild [--json] --copy all|basic|none|rating:N");
} // namespace

int RunDb(const QStringList &args)
{
    const Cli::ParsedArgs a = Cli::Parse(args, { "--copy" });
    if (!a.error.isEmpty() || a.positional.size() != 1)
        return Cli::UsageError(kUsage, a.error);
    const QString sub = a.positional.first();
    if (sub == QLatin1String("stats")) {
        if (a.options.contains("--copy"))
            return Cli::UsageError(kUsage, QStringLiteral("--copy belongs to rebuild"));
        if (!Cli::PrepareCatalogue())
            return ExitCode::Failure;
        const Maintenance::CStatistics s = Maintenance::Statistics();
        if (a.has("--json")) {
            Cli::PrintJson(QJsonObject { { QStringLiteral("path"), CSettings::Instance().CataloguePath() },
                { QStringLiteral("bytes"), double(s.bytes) }, { QStringLiteral("size"), s.sizeText },
                { QStringLiteral("players"), s.players }, { QStringLiteral("games"), s.games } });
        } else {
            Out() << "Database:            " << CSettings::Instance().CataloguePath() << "\n"
                  << "Database Size:       " << s.sizeText << "\n"
                  << "Players Registered:  " << s.players << "\n"
                  << "Matches Registered:  " << s.games << "\n";
        }
        return ExitCode::Ok;
    }
    if (sub != QLatin1String("rebuild"))
        return Cli::UsageError(kUsage, QStringLiteral("unknown db command '%1'").arg(sub));

    Maintenance::RebuildOptions options;
    const QString copy = a.value("--copy").toLower();
    if (copy == QLatin1String("all")) {
        options.mode = Maintenance::CopyMode::AllPlayers;
    } else if (copy == QLatin1String("basic")) {
        options.mode = Maintenance::CopyMode::BaseKnowledge;
    } else if (copy == QLatin1String("none")) {
        options.mode = Maintenance::CopyMode::None;
    } else if (copy.startsWith(QLatin1String("rating:")) && Cli::IntArgument(copy.mid(7), &options.minimumRating)) {
        options.mode = Maintenance::CopyMode::AboveRating;
    } else {
        return Cli::UsageError(kUsage, QStringLiteral("--copy is all, basic, none or rating:N"));
    }
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    Cli::InstallInterruptHandler();
    options.stop = &Cli::InterruptFlag();
    const Maintenance::RebuildResult result = Maintenance::Rebuild(options);
    const bool ok = result == Maintenance::RebuildResult::Done;
    const Maintenance::CStatistics s = Maintenance::Statistics();
    if (a.has("--json")) {
        Cli::PrintJson(QJsonObject { { QStringLiteral("ok"), ok },
            { QStringLiteral("message"), Maintenance::RebuildMessage(result) },
            { QStringLiteral("players"), s.players }, { QStringLiteral("games"), s.games },
            { QStringLiteral("size"), s.sizeText } });
    } else {
        (ok ? Out() : Err()) << Maintenance::RebuildMessage(result) << "\n";
        if (ok)
            Out() << "Players Registered: " << s.players << "  Matches Registered: " << s.games << "\n";
    }
    return ok ? ExitCode::Ok : ExitCode::Failure;
}
