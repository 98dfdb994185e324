#include "catalogue/Searcher.h"

#include "catalogue/Catalogue.h"
#include "catalogue/DbSqlite.h"
#include "catalogue/SqlStatement.h"

#include <QStringList>

namespace {

const QString kPlainStatement = QStringLiteral(
    "SELECT r.*, m.Name, p.* FROM recgame AS r LEFT JOIN maps m ON (r.Id_Map = m.Id_Map), players AS p "
    "WHERE r.Id_Player_View = p.Id_Player");
const QString kPovStatement = QStringLiteral(
    "SELECT r.*, m.Name, p.* FROM recgame AS r LEFT JOIN maps m ON (r.Id_Map = m.Id_Map), recgame_players AS rp, "
    "players AS p WHERE r.Id_Rec_Game = rp.Id_Rec_Game AND rp.Id_Player = p.Id_Player AND r.Id_Player_View = "
    "rp.Id_Player");
const QString kUniqueStatement = QStringLiteral(
    "SELECT r.*, m.Name, p.* FROM recgame AS r LEFT JOIN maps m ON (r.Id_Map = m.Id_Map), recgame_players AS rp, "
    "players AS p WHERE r.Id_Rec_Game = rp.Id_Rec_Game AND p.Id_Player = r.Id_Player_View");
const QString kAllStatement = QStringLiteral(
    "SELECT DISTINCT r.Id_Rec_Game FROM recgame AS r, recgame_players AS rp, players AS p WHERE r.Id_Rec_Game = "
    "rp.Id_Rec_Game AND rp.Id_Player = p.Id_Player ");
const QString kFileCondition = QStringLiteral(" AND r.File_Name = ?1 AND r.File_Size = ?2");

// Collects the bound values; each call returns the parameter text for them.
class Parameters
{
public:
    QString add(const QVariant &value)
    {
        m_values.append(value);
        return QStringLiteral("?%1").arg(m_values.size() + 2);
    }
    // "?3,?4,..." for a list; "NULL" for an empty one, which matches nothing.
    QString addList(const QList<int> &ids)
    {
        QStringList parts;
        for (int id : ids)
            parts << add(id);
        return parts.isEmpty() ? QStringLiteral("NULL") : parts.join(QLatin1Char(','));
    }
    QVariantList values() const { return m_values; }

private:
    QVariantList m_values;
};

QList<int> parseIds(const QString &list)
{
    QList<int> ids;
    for (const QString &part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok)
            ids.append(id);
    }
    return ids;
}

QString trimCommas(const QString &list)
{
    qsizetype b = 0;
    qsizetype e = list.size();
    while (b < e && list[b] == QLatin1Char(','))
        ++b;
    while (e > b && list[e - 1] == QLatin1Char(','))
        --e;
    return list.mid(b, e - b);
}

} // namespace

void CSearcher::Set(const QString &nickname, int minRating, int maxRating, const QString &civilizations, int playerMode,
    int fileNameMode, const QString &fileName, const QString &maps, int gameType, int matchSize, int platform)
{
    m_nickname = nickname;
    m_minRating = minRating;
    m_maxRating = maxRating;
    m_civilizations = trimCommas(civilizations.trimmed());
    m_playerMode = playerMode;
    m_fileNameMode = fileNameMode;
    m_fileName = fileName;
    m_maps = trimCommas(maps.trimmed());
    m_gameType = gameType;
    m_matchSize = matchSize;
    m_platform = platform;
}

QString CSearcher::DurationPatternFor(int startMinutes)
{
    return QStringLiteral("%1:%2_:__").arg(startMinutes / 60, 2, 10, QLatin1Char('0')).arg((startMinutes % 60) / 10);
}

bool CSearcher::FindPlayerIds(const QString &nickname, QList<int> &ids, CDbSQLite &db)
{
    ids.clear();
    const QString exact = nickname.trimmed();
    QString pattern = exact;
    while (!pattern.isEmpty() && (pattern.front() == QLatin1Char('%') || pattern.front().isSpace()))
        pattern.remove(0, 1);
    while (!pattern.isEmpty() && (pattern.back() == QLatin1Char('%') || pattern.back().isSpace()))
        pattern.chop(1);
    if (exact.isEmpty())
        return false;
    // A nickname such as "100%" is also found as itself, not only through
    // the pattern that the trimming leaves.
    auto find = db.CreateStatement(QStringLiteral(
        "SELECT Id_Player FROM players WHERE Nick = ?1 OR (?2 <> '' AND Nick LIKE ?2) ORDER BY (Nick = ?1) DESC, "
        "Nick LIMIT 5"));
    find->BindText(1, exact).BindText(2, pattern);
    while (find->NextRow())
        ids.append(find->ColumnInt(0));
    return !ids.isEmpty();
}

bool CSearcher::BuildQuery(CSearchQuery &query, CDbSQLite *db) const
{
    Parameters params;
    QString statement;
    bool idsOnly = false;

    std::unique_ptr<CDbSQLite> own;
    const auto playerIds = [&](QList<int> &ids) {
        if (!db) {
            own = Catalogue::OpenCatalogue();
            db = own.get();
        }
        return db && FindPlayerIds(m_nickname, ids, *db);
    };
    const auto maximum = [&](QString &text) {
        if (m_maxRating <= 0)
            return true;
        if (m_maxRating < m_minRating)
            return false;
        text += QStringLiteral(" AND MAX(spl.Rating) <= %1").arg(params.add(m_maxRating));
        return true;
    };

    const QString nickname = m_nickname.trimmed();
    if (nickname.isEmpty() && m_minRating <= 0 && m_civilizations.isEmpty()) {
        statement = kPlainStatement;
    } else if (m_playerMode == PlayerPov || m_playerMode == UniquePlayer) {
        const bool pov = m_playerMode == PlayerPov;
        statement = pov || !nickname.isEmpty() || !m_civilizations.isEmpty() ? (pov ? kPovStatement : kUniqueStatement)
                                                                             : kPlainStatement;
        if (!nickname.isEmpty()) {
            QList<int> ids;
            if (!playerIds(ids))
                return false;
            statement
                += (pov ? QStringLiteral(" AND r.Id_Player_View IN (%1)") : QStringLiteral(" AND rp.Id_Player IN (%1)"))
                       .arg(params.addList(ids));
        }
        if (!m_civilizations.isEmpty())
            statement
                += QStringLiteral(" AND rp.Id_Civilization IN (%1)").arg(params.addList(parseIds(m_civilizations)));
        if (m_minRating > 0) {
            statement += QStringLiteral(
                " AND r.Id_Rec_Game = (SELECT sp.Id_Rec_Game FROM recgame_players AS sp, players AS spl "
                "WHERE sp.Id_Rec_Game = r.Id_Rec_Game AND sp.Id_Player = spl.Id_Player GROUP BY "
                "sp.Id_Rec_Game HAVING MIN(spl.Rating) >= %1")
                             .arg(params.add(m_minRating));
            if (!maximum(statement))
                return false;
            statement += QStringLiteral(" )");
        }
    } else {
        idsOnly = true;
        statement = kAllStatement;
        if (!nickname.isEmpty()) {
            QList<int> ids;
            if (!playerIds(ids))
                return false;
            statement += QStringLiteral("AND rp.Id_Player IN (%1)").arg(params.addList(ids));
        }
        if (!m_civilizations.isEmpty())
            statement += QStringLiteral(" AND r.Id_Rec_Game = (SELECT DISTINCT srp.Id_Rec_Game FROM recgame_players AS "
                                        "srp WHERE srp.Id_Rec_Game = r.Id_Rec_Game AND srp.Id_Civilization IN (%1))")
                             .arg(params.addList(parseIds(m_civilizations)));
        if (m_minRating > 0) {
            statement += QStringLiteral(" AND r.Id_Rec_Game = (SELECT DISTINCT srp.Id_Rec_Game FROM recgame_players AS "
                                        "srp, players AS spl WHERE srp.Id_Rec_Game = r.Id_Rec_Game AND srp.Id_Player = "
                                        "spl.Id_Player GROUP BY srp.Id_Rec_Game HAVING MIN(spl.Rating) > %1")
                             .arg(params.add(m_minRating));
            if (!maximum(statement))
                return false;
            statement += QStringLiteral(" )");
        }
    }

    QString conditions;
    if (!m_maps.isEmpty())
        conditions += QStringLiteral(" AND r.Id_Map IN (%1)").arg(params.addList(parseIds(m_maps)));
    if (m_gameType >= 0)
        conditions += QStringLiteral(" AND r.GameType = %1").arg(params.add(m_gameType));
    if (!m_durationPattern.isEmpty())
        conditions += QStringLiteral(" AND r.Duration LIKE %1").arg(params.add(m_durationPattern));
    if (m_matchSize == kTeamGame)
        conditions += QStringLiteral(" AND r.Players >= 2");
    else if (m_matchSize == kFreeForAll)
        conditions += QStringLiteral(" AND r.Players = 0");
    else if (m_matchSize > 0)
        conditions += QStringLiteral(" AND r.Players = %1").arg(params.add(m_matchSize));
    if (m_platform >= 0)
        conditions += QStringLiteral(" AND r.Plataforma = %1").arg(params.add(m_platform));
    conditions += kFileCondition;

    QString pattern;
    if (!m_fileName.trimmed().isEmpty()) {
        pattern = m_fileName.trimmed();
        for (const QChar c : QStringLiteral("\\*?\"<>|"))
            pattern.remove(c);
        if (m_fileNameMode == BeginsWith)
            pattern += QLatin1Char('*');
        else if (m_fileNameMode == Contains)
            pattern = QLatin1Char('*') + pattern + QLatin1Char('*');
        else
            pattern = QLatin1Char('*') + pattern;
    }

    query.sql = statement + conditions + QLatin1Char(';');
    query.values = params.values();
    query.filePattern = pattern;
    query.idsOnly = idsOnly;
    return true;
}
