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
    // Drawing the minimap needs QImage only; no display is used.
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
