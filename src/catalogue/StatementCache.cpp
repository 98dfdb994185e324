#include "catalogue/StatementCache.h"

#include <sqlite3.h>

CStatementCache::~CStatementCache()
{
    Clear();
}

sqlite3_stmt *CStatementCache::Take(const QString &sql)
{
    const auto it = m_idle.find(sql);
    if (it == m_idle.end() || it->empty())
        return nullptr;
    sqlite3_stmt *statement = it->back();
    it->pop_back();
    --m_count;
    return statement;
}

void CStatementCache::Give(const QString &sql, sqlite3_stmt *statement)
{
    if (m_count >= kMaxIdle) {
        sqlite3_finalize(statement);
        return;
    }
    // A reset statement holds no lock and no read transaction.
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    m_idle[sql].push_back(statement);
    ++m_count;
}

void CStatementCache::Clear()
{
    for (auto &statements : m_idle)
        for (sqlite3_stmt *statement : statements)
            sqlite3_finalize(statement);
    m_idle.clear();
    m_count = 0;
}
