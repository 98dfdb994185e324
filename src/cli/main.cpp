#include "cli/Commands.h"

#include "app/Settings.h"

#include <QCoreApplication>


QTextStream &Out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &Err()
{
    static QTextStream stream(stderr);
    return stream;
}

namespace {

struct Command
{
    const char *name;
    const char *usage;
    int (*run)(const QStringList &);
};

const Command kCommands[] = {
    {"analyze", "analyze [--json] [--codepage NAME] [--no-chat-times] [--no-resign] FILE...", RunAnalyze},
    {"minimap", "minimap FILE OUT.png", RunMinimap},
    {"scan", "scan [--json] DIR", RunScan},
    {"list", "list [--json] [--sort COLUMN[:desc]] DIR|ARCHIVE", RunList},
    {"show", "show [--json] [--folder DIR] ID_OR_FILE", RunShow},
    {"search", "search [--json] [--player NICK] [--mode pov|unique|all] [--civ LIST] [--map LIST] [--type TYPE] "
               "[--size CODE] [--duration HH:M] [--platform ID] [--rating-min N] [--rating-max N] "
               "[--file-begins|--file-contains|--file-ends TEXT] DIR",
     RunSearch},
    {"set-platform", "set-platform [--json] FILE PLATFORM", RunSetPlatform},
    {"reanalyze", "reanalyze [--json] FILE", RunReanalyze},
    {"db", "db stats [--json] | db rebuild [--json] --copy all|basic|none|rating:N", RunDb},
    {"top", "top [--json] PLATFORM", RunTop},
    {"players", "players [--json] [--nick TEXT] [--country ID] [--rating-min N] [--rating-max N]", RunPlayers},
    {"zip", "zip [--json] [--force] OUT.zip FILE|FOLDER... | zip [--json] [--force] --each DIR FILE...", RunZip},
    {"ratings", "ratings [--json] FILE...", RunRatings},
    {"rename", "rename [--format TITLE | --pattern TEXT] [--round N] [--underscores] [--dry-run] [--json] FILE...\n"
               "  rename --list-formats [--json]",
     RunRename},
    {"describe", "describe [--json] [--rating no|full|short] [--civs no|yes|short] [--no-team-names] [--no-map] "
                 "[--union TEXT] FILE...",
     RunDescribe},
    {"set-country", "set-country [--json] FILE PLAYER COUNTRY", RunSetCountry},
    {"launch", "launch [1.0c|1.0]", RunLaunch},
};

int usage()
{
    Err() << "usage: vellumcast-cli COMMAND [OPTIONS]\n\ncommands:\n";
    for (const Command &c : kCommands)
        Err() << "  " << c.usage << "\n";
    Err().flush();
    return ExitCode::Usage;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrelhold"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumcast"));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))
        return usage();
    const QString name = args.takeFirst();
    for (const Command &c : kCommands) {
        if (name == QLatin1String(c.name)) {
            CSettings::Instance().Load();
            const int rc = c.run(args);
            Out().flush();
            Err().flush();
            return rc;
        }
    }
    Err() << "vellumcast-cli: unknown command '" << name << "'\n";
    return usage();
}
