#include "shell/SearchChoices.h"

#include "app/StringTable.h"
#include "catalogue/DbSqlite.h"
#include "catalogue/Searcher.h"
#include "catalogue/SqlStatement.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"

#include <QCoreApplication>
#include <QStringList>

namespace SearchChoices {

QList<CSearchChoice> Maps(CDbSQLite *db)
{
    QList<CSearchChoice> maps;
    for (int id = 9; id <= 33; ++id)
        maps.append({ LoadString(StringId::MapNameBase + id), id, {} });
    maps.append({ LoadString(StringId::MapNameBase + 35), 35, {} });
    if (!db)
        return maps;
    auto custom = db->CreateStatement(QStringLiteral("SELECT Id_Map, Name FROM maps WHERE Id_Map > 50 ORDER BY Name"));
    while (custom->NextRow())
        if (custom->ColumnInt(0) > 0)
            maps.append({ custom->ColumnText(1), custom->ColumnInt(0), {} });
    return maps;
}

QList<CSearchChoice> Civilizations()
{
    QList<CSearchChoice> civilizations;
    for (int id = 1; id <= CRecordedGame::kLastCivilization; ++id)
        civilizations.append({ CRecordedGame::CivilizationName(id), id, {} });
    return civilizations;
}

QList<CSearchChoice> GameTypes()
{
    QList<CSearchChoice> types;
    for (int id = 0; id <= 8; ++id)
        types.append({ CRecordedGame::GameTypeName(id), id, {} });
    return types;
}

QList<CSearchChoice> Durations()
{
    QList<CSearchChoice> durations;
    const auto hhmm = [](int minutes) {
        return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
    };
    for (int start = 0; start <= 140; start += 10)
        durations.append({ hhmm(start) + QStringLiteral(" - ") + hhmm(start + 9), start,
            CSearcher::DurationPatternFor(start) });
    return durations;
}

QList<CSearchChoice> MatchSizes()
{
    QList<CSearchChoice> sizes;
    for (int code = 1; code <= 4; ++code)
        sizes.append({ CRecordedGame::MatchSizeLabel(code), code, {} });
    sizes.append({ CRecordedGame::MatchSizeLabel(CRecordedGame::kMatchSizeFFA), CSearcher::kFreeForAll, {} });
    sizes.append({ QCoreApplication::translate("SearchChoices", "Team Game"), CSearcher::kTeamGame, {} });
    return sizes;
}

QList<CSearchChoice> Platforms()
{
    QList<CSearchChoice> platforms;
    for (int id : Platform::SearchOrder())
        platforms.append({ Platform::PlatformLabel(id), id, {} });
    return platforms;
}

QList<int> Ratings()
{
    QList<int> ratings;
    for (int r = 1600; r <= 2750; r += 50)
        ratings << r;
    return ratings;
}

int Resolve(const QString &text, const QList<CSearchChoice> &choices)
{
    const QString wanted = text.trimmed();
    bool number = false;
    const int id = wanted.toInt(&number);
    for (const CSearchChoice &c : choices)
        if ((number && c.id == id) || (!number && c.label.compare(wanted, Qt::CaseInsensitive) == 0))
            return c.id;
    return -1;
}

bool ResolveList(const QString &text, const QList<CSearchChoice> &choices, QString *ids, QString *unknown)
{
    QStringList resolved;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty())
            continue;
        const int id = Resolve(part, choices);
        if (id < 0) {
            if (unknown)
                *unknown = part.trimmed();
            return false;
        }
        resolved << QString::number(id);
    }
    *ids = resolved.join(QLatin1Char(','));
    return true;
}

} // namespace SearchChoices
