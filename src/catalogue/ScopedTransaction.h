#pragma once

#include "catalogue/DbSqlite.h"

// A transaction that rolls back unless it was committed: a store that stops
// half-way (an error, a cancelled copy) leaves nothing behind.
class CScopedTransaction
{
public:
    explicit CScopedTransaction(CDbSQLite &db)
        : m_db(db)
        , m_active(db.Begin())
    {
    }
    ~CScopedTransaction()
    {
        if (m_active)
            m_db.Rollback();
    }
    CScopedTransaction(const CScopedTransaction &) = delete;
    CScopedTransaction &operator=(const CScopedTransaction &) = delete;

    bool IsActive() const { return m_active; }
    bool Commit()
    {
        if (!m_active)
            return false;
        m_active = false;
        return m_db.Commit();
    }

private:
    CDbSQLite &m_db;
    bool m_active;
};
