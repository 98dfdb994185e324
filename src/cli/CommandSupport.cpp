#include "cli/CommandSupport.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "cli/Commands.h"
#include "catalogue/Persistence.h"
#include "explorer/GameRow.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace Cli {

ParsedArgs Parse(const QStringList &args, const QStringList &withValue, const QStringList &flags)
{
    ParsedArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--")) {
            parsed.positional += args.mid(i + 1);
            break;
        }
        if (!a.startsWith(QLatin1String("--")) || a.size() == 2) {
            parsed.positional << a;
            continue;
        }
        QString name = a;
        QString inlineValue;
        bool hasInline = false;
        if (const qsizetype eq = a.indexOf(QLatin1Char('=')); eq > 0) {
            name = a.left(eq);
            inlineValue = a.mid(eq + 1);
            hasInline = true;
        }
        if (withValue.contains(name)) {
            if (hasInline) {
                parsed.options[name] = inlineValue;
            } else if (i + 1 < args.size()) {
                parsed.options[name] = args[++i];
            } else {
                parsed.error = name + QStringLiteral(" needs a value");
                return parsed;
            }
        } else if (!hasInline && (name == QLatin1String("--json") || flags.contains(name))) {
            parsed.flags.insert(name);
        } else {
            parsed.error = QStringLiteral("unknown option '%1'").arg(a);
            return parsed;
        }
    }
    return parsed;
}

int UsageError(const QString &usage, const QString &reason)
{
    if (!reason.isEmpty())
        Err() << "vellumcast-cli: " << reason << "\n";
    Err() << "usage: vellumcast-cli " << usage << "\n";
    return ExitCode::Usage;
}

int Failure(const QString &message)
{
    Err() << "vellumcast-cli: " << message << "\n";
    return ExitCode::Failure;
}

bool PrepareCatalogue()
{
    Catalogue::SetFatalHandler([](const QString &message) {
        Err() << "vellumcast-cli: " << message << " (" << CSettings::Instance().CataloguePath() << ")\n";
        Err().flush();
        std::exit(ExitCode::Failure);
    });
    if (Catalogue::PrepareCatalogue())
        return true;
    Failure(QStringLiteral("the catalogue %1 cannot be used").arg(CSettings::Instance().CataloguePath()));
    return false;
}

int StoredGameId(const QFileInfo &file, QString *reason)
{
    auto db = Catalogue::OpenCatalogue();
    if (!db)
        return 0;
    CRecordedGame game;
    if (Catalogue::LoadSummaryByFile(game, file.fileName(), Catalogue::CatalogueFileSize(file.size()), *db))
        return game.catalogueId;
    CGameRow row;
    row.fileName = file.fileName();
    if (!RowAnalysis::AnalyzeAndStore(FolderArgument(file.absolutePath()), row, game, *db, -1, reason))
        return 0;
    return game.catalogueId;
}

QString FolderArgument(const QString &text)
{
    const QFileInfo info(text);
    if (!info.isDir())
        return QString();
    QString path = QDir::cleanPath(info.absoluteFilePath());
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

bool IntArgument(const QString &text, int *value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

void PrintTable(const QStringList &headers, const QList<QStringList> &rows)
{
    QList<qsizetype> widths;
    for (const QString &h : headers)
        widths << h.size();
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    const auto line = [&widths](const QStringList &cells) {
        QString text;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const bool last = c + 1 == cells.size();
            text += last ? cells[c] : cells[c].leftJustified(widths[c]) + QStringLiteral("  ");
        }
        Out() << text << "\n";
    };
    line(headers);
    for (const QStringList &row : rows)
        line(row);
}

void PrintJson(const QJsonValue &value)
{
    const QJsonDocument doc = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    Out() << doc.toJson(QJsonDocument::Indented);
}

namespace {
QString kindName(const CGameRow &row)
{
    switch (row.kind) {
    case CGameRow::Kind::Folder:
        return QStringLiteral("folder");
    case CGameRow::Kind::Zip:
        return QStringLiteral("zip");
    case CGameRow::Kind::Rar:
        return QStringLiteral("rar");
    case CGameRow::Kind::Recording:
        break;
    }
    return QStringLiteral("recording");
}
} // namespace

QJsonObject RowJson(const CGameRow &row)
{
    QJsonObject o {
        { QStringLiteral("name"), row.fileName },
        { QStringLiteral("kind"), kindName(row) },
        { QStringLiteral("date"), FormatRowDate(row.date, CSettings::Instance().DateFormat()) },
        { QStringLiteral("dateSeconds"), double(row.date) },
        { QStringLiteral("id"), row.catalogueId },
    };
    if (row.isFile)
        o.insert(QStringLiteral("size"), double(row.fileSize));
    if (row.IsKnown()) {
        o.insert(QStringLiteral("view"), row.viewName);
        o.insert(QStringLiteral("viewCountry"), row.viewCountry);
        o.insert(QStringLiteral("map"), row.mapName);
        o.insert(QStringLiteral("players"), row.playersLabel);
        o.insert(QStringLiteral("matchSize"), row.players);
        o.insert(QStringLiteral("duration"), row.durationText);
        o.insert(QStringLiteral("durationSeconds"), row.duration);
        o.insert(QStringLiteral("platform"), row.platform);
    }
    return o;
}

QStringList RowHeaders()
{
    return { QStringLiteral("Name"), QStringLiteral("View"), QStringLiteral("Map"), QStringLiteral("Players"),
        QStringLiteral("Duration"), QStringLiteral("Date"), QStringLiteral("Id") };
}

QStringList RowCells(const CGameRow &row)
{
    const QString name = row.isFile ? row.fileName : row.fileName + QLatin1Char('/');
    return { name, row.viewName, row.mapName, row.playersLabel, row.durationText,
        FormatRowDate(row.date, CSettings::Instance().DateFormat()),
        row.IsKnown() ? QString::number(row.catalogueId) : QString() };
}

std::atomic<bool> &InterruptFlag()
{
    static std::atomic<bool> flag { false };
    return flag;
}

namespace {
extern "C" void onInterrupt(int)
{
    if (InterruptFlag().exchange(true))
        std::_Exit(130);
}
} // namespace

void InstallInterruptHandler()
{
    struct sigaction action
    {
    };
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

ProgressBar::ProgressBar(const QString &label)
    : m_label(label)
    , m_active(isatty(fileno(stderr)) != 0)
{
}

ProgressBar::~ProgressBar()
{
    Finish();
}

void ProgressBar::Update(int done, int total)
{
    if (!m_active || total <= 0)
        return;
    const int percent = int(qint64(done) * 100 / total);
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    constexpr int kWidth = 30;
    const int filled = percent * kWidth / 100;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(kWidth - filled, QLatin1Char('.'));
    std::fprintf(stderr, "\r%s [%s] %3d%% (%d of %d)", m_label.toLocal8Bit().constData(), bar.toLatin1().constData(),
        percent, done, total);
    std::fflush(stderr);
    m_drawn = true;
}

void ProgressBar::Finish()
{
    if (m_drawn) {
        std::fprintf(stderr, "\n");
        std::fflush(stderr);
        m_drawn = false;
    }
}

} // namespace Cli
