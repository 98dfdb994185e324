#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DbSqlite.h"
#include "recgame/RecordedGame.h"
#include "rename/RenameBatch.h"
#include "rename/RenameGames.h"
#include "rename/RenameStrings.h"
#include "rename/Renamer.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSettings>

namespace {

const char *const kUsage = "rename [--format TITLE | --pattern TEXT] [--round N] [--underscores] [--dry-run] [--json] "
                           "FILE... | rename --list-formats [--json]";

QString typeLabel(int type)
{
    return type == 0 ? LoadString(StringId::FormatTypeTeamGame) : CRecordedGame::MatchSizeLabel(type);
}

// The formats of the store, seeded from the shipped file on first use as the
// window does at start-up.
void loadFormats(CRenamer &renamer)
{
    if (!CRenamer::HasStoredFormats(*CSettings::OpenStore()))
        CRenamer::StoreDefaultFormats();
    renamer.LoadFormats();
}

int listFormats(bool json)
{
    CRenamer renamer;
    loadFormats(renamer);
    if (json) {
        QJsonArray list;
        for (const CRenameFormat &f : renamer.Formats())
            list.append(QJsonObject { { QStringLiteral("title"), f.title }, { QStringLiteral("type"), f.type },
                { QStringLiteral("typeLabel"), typeLabel(f.type) }, { QStringLiteral("format"), f.format } });
        Cli::PrintJson(list);
    } else {
        QList<QStringList> rows;
        for (const CRenameFormat &f : renamer.Formats())
            rows.append({ f.title, typeLabel(f.type), f.format });
        Cli::PrintTable({ QStringLiteral("Title"), QStringLiteral("Type"), QStringLiteral("Format") }, rows);
    }
    return ExitCode::Ok;
}

// What is done with one file named on the command line.
struct FileJob
{
    QString argument;
    QString folder;
    QString name;
    int id = 0;
    QString target; // empty when the file is not renamed
    QString problem; // why not
};

// The name a format gives the file; empty (with the reason) when none.
QString nameFor(CRenamer &renamer, const Cli::ParsedArgs &a, CRecordedGame &game, const QString &round, QString &why)
{
    QString name;
    if (a.options.contains(QStringLiteral("--pattern"))) {
        name = renamer.ExpandFormat(game, a.value(QStringLiteral("--pattern")), round);
    } else {
        const QString title = a.value(QStringLiteral("--format"));
        renamer.ClearResults();
        renamer.Expand(game, round);
        for (const CRenameResult &r : renamer.Results()) {
            if (title.isEmpty() || renamer.Formats()[r.formatIndex].title == title) {
                name = r.name;
                break;
            }
        }
        if (name.isEmpty()) {
            why = title.isEmpty()
                ? QStringLiteral("no rename format applies to a game of match size \"%1\"").arg(game.GetMatchSizeLabel())
                : QStringLiteral("the format \"%1\" does not apply to a game of match size \"%2\"")
                      .arg(title, game.GetMatchSizeLabel());
            return QString();
        }
    }
    if (a.has(QStringLiteral("--underscores")))
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
    return name;
}

QJsonObject stepJson(const CRenameStep &s, const QString &folder, bool occupant)
{
    QJsonObject o { { QStringLiteral("from"), folder + s.from }, { QStringLiteral("to"), folder + s.to } };
    if (s.catalogueId > 0)
        o.insert(QStringLiteral("id"), s.catalogueId);
    if (occupant)
        o.insert(QStringLiteral("madeRoom"), true);
    return o;
}

} // namespace

int RunRename(const QStringList &args)
{
    const QString usage = QString::fromLatin1(kUsage);
    const Cli::ParsedArgs a = Cli::Parse(args, { QStringLiteral("--format"), QStringLiteral("--pattern"),
        QStringLiteral("--round") }, { QStringLiteral("--underscores"), QStringLiteral("--dry-run"),
        QStringLiteral("--list-formats") });
    if (!a.error.isEmpty())
        return Cli::UsageError(usage, a.error);
    const bool json = a.has(QStringLiteral("--json"));
    if (a.has(QStringLiteral("--list-formats"))) {
        if (!a.positional.isEmpty() || !a.options.isEmpty())
            return Cli::UsageError(usage, QStringLiteral("--list-formats takes no files and no other options"));
        return listFormats(json);
    }
    if (a.positional.isEmpty())
        return Cli::UsageError(usage, QStringLiteral("no files given"));
    if (a.options.contains(QStringLiteral("--format")) && a.options.contains(QStringLiteral("--pattern")))
        return Cli::UsageError(usage, QStringLiteral("--format and --pattern exclude each other"));
    if (a.options.contains(QStringLiteral("--pattern")) && a.value(QStringLiteral("--pattern")).trimmed().isEmpty())
        return Cli::UsageError(usage, QStringLiteral("the pattern is empty"));
    QString round = QStringLiteral("1");
    if (a.options.contains(QStringLiteral("--round"))) {
        int n = 0;
        if (!Cli::IntArgument(a.value(QStringLiteral("--round")), &n) || n < 0)
            return Cli::UsageError(usage, QStringLiteral("the round must be a number"));
        round = QString::number(n);
    }

    CRenamer renamer;
    loadFormats(renamer);
    const QString title = a.value(QStringLiteral("--format"));
    if (!title.isEmpty()) {
        bool known = false;
        for (const CRenameFormat &f : renamer.Formats())
            known = known || f.title == title;
        if (!known)
            return Cli::UsageError(
                usage, QStringLiteral("no rename format is titled \"%1\" (see rename --list-formats)").arg(title));
    }
    if (!Cli::PrepareCatalogue())
        return ExitCode::Failure;
    auto db = Catalogue::OpenCatalogue();
    if (!db)
        return Cli::Failure(QStringLiteral("the catalogue cannot be opened"));

    // Each file gets its name; files of one folder are renamed as one batch,
    // in the order given, so that equal names are numbered.
    QList<FileJob> jobs;
    QStringList folders;
    QSet<QString> seen;
    for (const QString &arg : a.positional) {
        FileJob job;
        job.argument = arg;
        const QFileInfo info(arg);
        if (!info.isFile()) {
            job.problem = QStringLiteral("not a file");
            jobs.append(job);
            continue;
        }
        job.folder = Cli::FolderArgument(info.absolutePath());
        job.name = info.fileName();
        if (seen.contains(job.folder + job.name))
            continue;
        seen.insert(job.folder + job.name);
        auto game = std::make_unique<CRecordedGame>();
        job.id = RenameGames::LoadOrStore(job.folder, job.name, *db, *game, &job.problem);
        if (job.id > 0) {
            const QString name = nameFor(renamer, a, *game, round, job.problem);
            if (!name.isEmpty())
                job.target = CRenameBatch::TargetFor(job.name, name);
        }
        if (!job.target.isEmpty() && !folders.contains(job.folder))
            folders.append(job.folder);
        jobs.append(job);
    }

    const QString collision = CollisionText::Current();
    bool allDone = true;
    QJsonArray renamedJson;
    QJsonArray failedJson;
    QJsonArray unchangedJson;
    auto fail = [&](const QString &file, const QString &reason) {
        allDone = false;
        if (json)
            failedJson.append(QJsonObject { { QStringLiteral("file"), file }, { QStringLiteral("reason"), reason } });
        else
            Err() << "vellumcast-cli: " << file << ": " << reason << "\n";
    };
    for (const FileJob &job : jobs)
        if (job.target.isEmpty())
            fail(job.argument, job.problem);

    for (const QString &folder : folders) {
        QList<CRenameEntry> entries;
        QSet<QString> sources;
        for (const FileJob &job : jobs) {
            // A file already named as its format says stays as it is: a
            // second run over a folder changes nothing.
            if (job.folder != folder || job.target.isEmpty())
                continue;
            if (job.target == job.name) {
                if (json)
                    unchangedJson.append(folder + job.name);
                else
                    Out() << folder << job.name << " (unchanged)\n";
                continue;
            }
            entries.append({ job.name, job.target, job.id });
            sources.insert(job.name);
        }
        CRenameBatch batch(folder, entries, collision);
        const CRenameBatch::Outcome out = a.has(QStringLiteral("--dry-run")) ? batch.Plan() : batch.Run(db.get());
        const QList<CRenameStep> &steps = a.has(QStringLiteral("--dry-run")) ? out.planned : out.done;
        for (const CRenameStep &s : steps) {
            // A file that only made room for another one is not one of ours.
            const bool occupant = !sources.contains(s.from);
            if (json)
                renamedJson.append(stepJson(s, folder, occupant));
            else
                Out() << folder << s.from << " -> " << s.to << "\n";
        }
        if (out.result != CRenameBatch::Done) {
            fail(folder, QString(out.message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            if (out.result == CRenameBatch::InvalidName && !json)
                Err() << "vellumcast-cli: nothing in " << folder << " was renamed\n";
        }
    }
    if (json)
        Cli::PrintJson(QJsonObject { { QStringLiteral("dryRun"), a.has(QStringLiteral("--dry-run")) },
            { QStringLiteral("renamed"), renamedJson }, { QStringLiteral("unchanged"), unchangedJson },
            { QStringLiteral("failed"), failedJson } });
    return allDone ? ExitCode::Ok : ExitCode::Failure;
}
