#pragma once

#include <QHash>
#include <QString>

#include <vector>

struct sqlite3_stmt;

// Prepared statements of one connection that are not in use, by their text.
// A scan stores thousands of games with the same few statements; preparing
// each again for every game cost as much as the inserts themselves. The
// connection owns the cache and finalizes what is left before it closes.
class CStatementCache
{
public:
    CStatementCache() = default;
    ~CStatementCache();
    CStatementCache(const CStatementCache &) = delete;
    CStatementCache &operator=(const CStatementCache &) = delete;

    // An idle statement with this text, ready to bind, or nullptr.
    sqlite3_stmt *Take(const QString &sql);
    // Resets a statement and keeps it for the next Take (or finalizes it
    // when the cache is full).
    void Give(const QString &sql, sqlite3_stmt *statement);
    // Finalizes every idle statement.
    void Clear();

private:
    static constexpr int kMaxIdle = 64;

    QHash<QString, std::vector<sqlite3_stmt *>> m_idle;
    int m_count = 0;
};
