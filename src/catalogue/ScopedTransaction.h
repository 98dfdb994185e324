#pragma once

#include "catalogue/DbSqlite.h"

// A transaction that rolls back unless it was committed: a store that stops
// half-way (an error, a cancelled copy) leaves nothing behind. Inside a
// transaction the caller already holds (a scan storing a batch of games in
// one commit) it is a savepoint: a failed store then undoes only itself and
// the caller's commit keeps the others.
class CScopedTransaction
{
public:
    explicit CScopedTransaction(CDbSQLite &db)
        : m_db(db)
        , m_nested(db.InTransaction())
        , m_active(m_nested ? db.ExecuteSql(QStringLiteral("SAVEPOINT scoped")) : db.Begin())
    {
    }
    ~CScopedTransaction()
    {
        if (!m_active)
            return;
        if (m_nested) {
            m_db.ExecuteSql(QStringLiteral("ROLLBACK TO scoped"));
            m_db.ExecuteSql(QStringLiteral("RELEASE scoped"));
        } else {
            m_db.Rollback();
        }
    }
    CScopedTransaction(const CScopedTransaction &) = delete;
    CScopedTransaction &operator=(const CScopedTransaction &) = delete;

    bool IsActive() const { return m_active; }
    bool Commit()
    {
        if (!m_active)
            return false;
        m_active = false;
        return m_nested ? m_db.ExecuteSql(QStringLiteral("RELEASE scoped")) : m_db.Commit();
    }

private:
    CDbSQLite &m_db;
    bool m_nested;
    bool m_active;
};

// One read transaction around many look-ups (a folder listing asks the
// catalogue once per file): the connection takes its read lock once instead
// of for every statement, and every answer comes from the same state of the
// catalogue. With the write-ahead log a writer is not held up by it. Does
// nothing inside a transaction the caller already holds.
class CScopedRead
{
public:
    explicit CScopedRead(CDbSQLite &db)
        : m_db(db)
        , m_active(!db.InTransaction() && db.ExecuteSql(QStringLiteral("BEGIN DEFERRED")))
    {
    }
    ~CScopedRead()
    {
        if (m_active)
            m_db.ExecuteSql(QStringLiteral("COMMIT"));
    }
    CScopedRead(const CScopedRead &) = delete;
    CScopedRead &operator=(const CScopedRead &) = delete;

private:
    CDbSQLite &m_db;
    bool m_active;
};
