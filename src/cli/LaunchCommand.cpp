#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "app/FileStrings.h"
#include "app/GameInstall.h"
#include "app/Settings.h"
#include "explorer/GameLauncher.h"

namespace {

const QString kUsage = QStringLiteral("launch [1.0c|1.0]");

} // namespace

// Starts the game like the window's launch commands: without an argument
// the default version (1.0c, else 1.0).
int RunLaunch(const QStringList &args)
{
    const Cli::ParsedArgs parsed = Cli::Parse(args, {});
    if (!parsed.error.isEmpty())
        return Cli::UsageError(kUsage, parsed.error);
    if (parsed.positional.size() > 1)
        return Cli::UsageError(kUsage);
    CGameLauncher::Version version = CGameLauncher::Version::Default;
    if (!parsed.positional.isEmpty()) {
        const QString wanted = parsed.positional.first().toLower();
        if (wanted == QLatin1String("1.0c") || wanted == QLatin1String("1.0e"))
            version = CGameLauncher::Version::V10c;
        else if (wanted == QLatin1String("1.0"))
            version = CGameLauncher::Version::V10;
        else
            return Cli::UsageError(kUsage, QStringLiteral("unknown version '%1'").arg(parsed.positional.first()));
    }
    const CSettings &settings = CSettings::Instance();
    const CGameInstall install(settings.WinePrefix());
    const QString program = CGameLauncher::Program(install, settings.Version10Path(), version);
    if (!CGameLauncher(settings.WineCommand(), install.Prefix()).Launch(program))
        return Cli::Failure(LoadString(StringId::GameNotFound));
    Out() << program << "\n";
    return ExitCode::Ok;
}
