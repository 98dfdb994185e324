#pragma once

#include "catalogue/SearchQuery.h"

#include <QList>
#include <QString>

class CDbSQLite;

// Turns the options of a recorded game search into one query that is then
// applied to each file of the current folder (by file name and size) and a
// pattern on the file names. Values are bound; only statement shapes are
// put together here.
class CSearcher
{
public:
    enum PlayerMode { PlayerPov = 0, UniquePlayer = 1, AllPlayers = 2 };
    enum FileNameMode { BeginsWith = 0, Contains = 1, EndsWith = 2 };
    // Match size as the "Players:" list passes it: 1..4 the "n vs n" games,
    // kFreeForAll the games stored with code 0, kTeamGame every game of two
    // or more per side.
    static constexpr int kFreeForAll = 5;
    static constexpr int kTeamGame = 6;

    virtual ~CSearcher() = default;

    // Ratings of 0 or less, empty texts, a game type or platform of -1 and a
    // match size of 0 mean "any". civilizations and maps are comma-separated
    // id lists.
    void Set(const QString &nickname, int minRating, int maxRating, const QString &civilizations, int playerMode,
        int fileNameMode, const QString &fileName, const QString &maps, int gameType, int matchSize, int platform);
    // A LIKE pattern on the duration text such as "00:1_:__"; empty for any.
    void SetDurationPattern(const QString &pattern) { m_durationPattern = pattern; }

    // False when the search cannot match anything (no player has the
    // nickname, or the maximum rating is below the minimum). The player ids
    // are looked up on db, or on a connection of its own when db is null.
    bool BuildQuery(CSearchQuery &query, CDbSQLite *db = nullptr) const;

    // The ids (at most five, the exact nickname first, then by nickname) of
    // the players whose nickname is the text or matches it as a LIKE
    // pattern after blanks and "%" are trimmed from its ends.
    static bool FindPlayerIds(const QString &nickname, QList<int> &ids, CDbSQLite &db);

    // The duration pattern of the ten-minute range starting at minutes.
    static QString DurationPatternFor(int startMinutes);

private:
    QString m_nickname;
    int m_minRating = 0;
    int m_maxRating = 0;
    QString m_civilizations;
    int m_playerMode = PlayerPov;
    int m_fileNameMode = BeginsWith;
    QString m_fileName;
    QString m_maps;
    int m_gameType = -1;
    int m_matchSize = 0;
    int m_platform = -1;
    QString m_durationPattern;
};
