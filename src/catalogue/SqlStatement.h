#pragma once

#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;
class CStatementCache;

// One prepared statement. Values are always bound to "?" parameters, never
// formatted into the SQL text: a nickname such as `Nick` or `x'); DROP...`
// must reach the database as data.
//
// A statement whose text failed to prepare stays failed; stepping it reports
// a misuse, exactly like a step that SQLite refuses.
class CSqlStatement
{
public:
    CSqlStatement(const QString &sql, sqlite3 *connection);
    // A statement of a connection's cache: taken from it when one with the
    // same text is idle, handed back (reset, bindings cleared) when destroyed.
    CSqlStatement(const QString &sql, sqlite3 *connection, const std::shared_ptr<CStatementCache> &cache);
    virtual ~CSqlStatement();
    CSqlStatement(const CSqlStatement &) = delete;
    CSqlStatement &operator=(const CSqlStatement &) = delete;

    bool IsPrepared() const { return m_statement != nullptr; }

    // Parameters are numbered from 1. A null QVariant binds NULL; integers
    // bind as 64-bit integers, doubles as REAL, everything else as text.
    CSqlStatement &Bind(int index, const QVariant &value);
    CSqlStatement &BindInt(int index, qint64 value);
    CSqlStatement &BindText(int index, const QString &value);
    CSqlStatement &BindDouble(int index, double value);
    // Binds values to the parameters 1..n in order.
    CSqlStatement &BindAll(const QVariantList &values);

    // Runs a statement that returns no rows. True on SQLITE_DONE.
    bool Execute();
    // Advances to the next row; false at the end or on an error (logged).
    bool NextRow();
    // Makes the statement ready to run again with new bindings.
    void Reset();

    int ColumnInt(int column) const;
    qint64 ColumnInt64(int column) const;
    double ColumnDouble(int column) const;
    // A NULL column reads as an empty string.
    QString ColumnText(int column) const;

    QString Sql() const { return m_sql; }

private:
    void logStepError(const char *function, int code) const;

    void prepare(sqlite3 *connection);

    sqlite3_stmt *m_statement = nullptr;
    QString m_sql;
    std::weak_ptr<CStatementCache> m_cache;
};
