#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "recgame/RecordedGame.h"
#include "shell/GameDescription.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

const QString kUsage = QStringLiteral("describe [--json] [--rating no|full|short] [--civs no|yes|short] "
                                      "[--no-team-names] [--no-map] [--union TEXT] FILE...");

bool parseMode(const QString &text, const QStringList &names, int *mode)
{
    const int index = int(names.indexOf(text.toLower()));
    if (index < 0)
        return false;
    *mode = index;
    return true;
}

} // namespace

int RunDescribe(const QStringList &args)
{
    const Cli::ParsedArgs a
        = Cli::Parse(args, { "--rating", "--civs", "--union" }, { "--no-team-names", "--no-map" });
    if (!a.error.isEmpty() || a.positional.isEmpty())
        return Cli::UsageError(kUsage, a.error);
    CDescriptionOptions options;
    if (a.options.contains("--rating")
        && !parseMode(a.value("--rating"), { "no", "full", "short" }, &options.rating))
        return Cli::UsageError(kUsage, QStringLiteral("--rating is no, full or short"));
    if (a.options.contains("--civs") && !parseMode(a.value("--civs"), { "no", "yes", "short" }, &options.civilizations))
        return Cli::UsageError(kUsage, QStringLiteral("--civs is no, yes or short"));
    if (a.options.contains("--union")) {
        options.unionText = a.value("--union");
        if (options.unionText.size() > CDescriptionOptions::kUnionMaxLength)
            return Cli::UsageError(kUsage,
                QStringLiteral("--union is at most %1 characters").arg(CDescriptionOptions::kUnionMaxLength));
    }
    options.teamNames = !a.has("--no-team-names");
    options.mapName = !a.has("--no-map");
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;

    bool allDone = true;
    QJsonArray results;
    QStringList texts;
    for (const QString &path : a.positional) {
        const QFileInfo file(path);
        QString reason = QStringLiteral("no such file");
        CRecordedGame game;
        const int id = file.isFile() ? Cli::StoredGameId(file, &reason) : 0;
        const bool ok = id > 0
            && GameDescription::LoadStoredGame(id, Cli::FolderArgument(file.absolutePath()), game);
        if (!ok && id > 0)
            reason = QStringLiteral("the stored game could not be loaded");
        const QString text = ok ? GameDescription::BuildDescription(game, options) : QString();
        allDone = allDone && ok;
        if (a.has("--json")) {
            QJsonObject o { { QStringLiteral("file"), path }, { QStringLiteral("ok"), ok } };
            if (ok) {
                o.insert(QStringLiteral("id"), id);
                o.insert(QStringLiteral("text"), text);
            } else {
                o.insert(QStringLiteral("error"), reason);
            }
            results.append(o);
        } else if (ok) {
            texts << text;
        } else {
            Err() << "vellumcast-cli: " << path << ": " << reason << "\n";
        }
    }
    if (a.has("--json"))
        Cli::PrintJson(results);
    else if (!texts.isEmpty())
        Out() << texts.join(QStringLiteral("\n\n")) << "\n";
    return allDone ? ExitCode::Ok : ExitCode::Failure;
}
