#include "catalogue/DbSqlite.h"

#include "catalogue/SqlStatement.h"
#include "catalogue/StatementCache.h"

#include <QFile>

#include <sqlite3.h>

CDbSQLite::~CDbSQLite()
{
    if (m_cache)
        m_cache->Clear();
    m_cache.reset();
    if (m_connection)
        sqlite3_close_v2(m_connection);
}

bool CDbSQLite::Open(const QString &path)
{
    if (m_connection)
        return false;
    m_filePath = path;
    const QByteArray name = QFile::encodeName(path);
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(name.constData(), &m_connection, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(m_connection);
        m_connection = nullptr;
        return false;
    }
    sqlite3_busy_timeout(m_connection, kBusyTimeoutMs);
    m_cache = std::make_shared<CStatementCache>();
    // WAL lets the list fill read while a scan writes; NORMAL synchronisation
    // keeps every committed store across a killed process (only a power cut
    // may lose the last commits, never the file's integrity).
    sqlite3_exec(m_connection, "PRAGMA journal_mode=WAL;", nullptr, nullptr, nullptr);
    sqlite3_exec(m_connection, "PRAGMA synchronous=NORMAL;", nullptr, nullptr, nullptr);
    return true;
}

bool CDbSQLite::ExecuteSql(const QString &sql)
{
    CSqlStatement statement(sql, m_connection, m_cache);
    return statement.Execute();
}

std::unique_ptr<CSqlStatement> CDbSQLite::CreateStatement(const QString &sql)
{
    return std::make_unique<CSqlStatement>(sql, m_connection, m_cache);
}

bool CDbSQLite::Begin()
{
    // IMMEDIATE takes the write lock at once: two writers then queue on the
    // busy timeout instead of failing later with a deadlock between them.
    m_transactionText = QStringLiteral("BEGIN IMMEDIATE");
    return ExecuteSql(m_transactionText);
}

bool CDbSQLite::Commit()
{
    m_transactionText = QStringLiteral("commit");
    return ExecuteSql(m_transactionText);
}

bool CDbSQLite::Rollback()
{
    m_transactionText = QStringLiteral("rollback");
    return ExecuteSql(m_transactionText);
}

bool CDbSQLite::InTransaction() const
{
    return m_connection && sqlite3_get_autocommit(m_connection) == 0;
}

qint64 CDbSQLite::LastInsertId() const
{
    return m_connection ? sqlite3_last_insert_rowid(m_connection) : 0;
}

QString CDbSQLite::LastError() const
{
    return m_connection ? QString::fromUtf8(sqlite3_errmsg(m_connection)) : QStringLiteral("not open");
}
