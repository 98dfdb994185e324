#include "cli/Commands.h"

#include "app/Settings.h"
#include "cli/RecordPrinter.h"
#include "recgame/Minimap.h"
#include "recgame/RecordedGame.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

namespace {

// Reads and analyses one file the way the explorer does for a selection. A
// file that passes the length checks but whose header does not inflate still
// counts as read: its record simply keeps its defaults.
bool readAndAnalyze(const QString &path, CRecordedGame &game, QString *reason)
{
    if (!QFileInfo(path).isFile()) {
        *reason = QFileInfo::exists(path) ? QStringLiteral("not a file") : QStringLiteral("no such file");
        return false;
    }
    game.SetFile(path);
    if (!game.ReadFile()) {
        *reason = game.ReadError();
        return false;
    }
    game.Analyze(true);
    game.BuildTeamLabels();
    return true;
}

} // namespace

int RunAnalyze(const QStringList &args)
{
    CSettings &settings = CSettings::Instance();
    bool json = false;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--no-chat-times")) {
            settings.showChatTimes = false;
        } else if (a == QLatin1String("--no-resign")) {
            settings.showResign = false;
        } else if (a == QLatin1String("--codepage")) {
            if (i + 1 >= args.size()) {
                Err() << "analyze: --codepage needs a name\n";
                return ExitCode::Usage;
            }
            const QString name = args[++i];
            if (!QStringDecoder(name.toLatin1().constData()).isValid()) {
                Err() << "analyze: unknown code page '" << name << "'\n";
                return ExitCode::Usage;
            }
            settings.SetCodePage(name);
        } else if (a == QLatin1String("--")) {
            files += args.mid(i + 1);
            break;
        } else if (a.startsWith(QLatin1String("--"))) {
            Err() << "analyze: unknown option '" << a << "'\n";
            return ExitCode::Usage;
        } else {
            files << a;
        }
    }
    if (files.isEmpty()) {
        Err() << "usage: vellumcast-cli analyze [--json] [--codepage NAME] [--no-chat-times] [--no-resign] FILE...\n";
        return ExitCode::Usage;
    }

    bool allRead = true;
    QJsonArray results;
    for (const QString &file : files) {
        CRecordedGame game;
        QString reason;
        const bool ok = readAndAnalyze(file, game, &reason);
        allRead = allRead && ok;
        if (json) {
            results.append(ok ? RecordPrinter::ToJson(file, game) : RecordPrinter::FailureJson(file, reason));
        } else if (ok) {
            Out() << "== " << file << "\n" << RecordPrinter::ToText(game) << "\n";
        } else {
            Out() << "== " << file << "\nerror: " << reason << "\n\n";
        }
    }
    if (json)
        Out() << QJsonDocument(results).toJson(QJsonDocument::Indented);
    return allRead ? ExitCode::Ok : ExitCode::Failure;
}

int RunMinimap(const QStringList &args)
{
    if (args.size() != 2) {
        Err() << "usage: vellumcast-cli minimap FILE OUT.png\n";
        return ExitCode::Usage;
    }
    CRecordedGame game;
    QString reason;
    if (!readAndAnalyze(args[0], game, &reason)) {
        Err() << "minimap: " << args[0] << ": " << reason << "\n";
        return ExitCode::Failure;
    }
    const QImage image = Minimap::Render(game, QColor(240, 240, 240));
    if (!image.save(args[1], "PNG")) {
        Err() << "minimap: cannot write " << args[1] << "\n";
        return ExitCode::Failure;
    }
    Out() << "wrote " << args[1] << " (" << game.mapWidth << " x " << game.mapHeight << " tiles)\n";
    return ExitCode::Ok;
}
