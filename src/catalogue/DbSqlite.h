#pragma once

#include "catalogue/SqlStatement.h"

#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3;
class CStatementCache;

// One open connection to an SQLite database. A connection belongs to one
// operation on one thread: it is opened at the start of the operation and
// closed by the destructor at its end, never cached or shared.
//
// Every connection waits up to kBusyTimeoutMs for a lock held by another
// connection (the user-interface thread and a scan worker both write), and
// the catalogue runs in WAL mode so that readers never block the writer.
class CDbSQLite
{
public:
    static constexpr int kBusyTimeoutMs = 8000;

    CDbSQLite() = default;
    virtual ~CDbSQLite();
    CDbSQLite(const CDbSQLite &) = delete;
    CDbSQLite &operator=(const CDbSQLite &) = delete;

    // Opens (and creates when missing) the database file. True on success.
    bool Open(const QString &path);
    bool IsOpen() const { return m_connection != nullptr; }
    QString FilePath() const { return m_filePath; }

    // Runs a statement that returns no rows once.
    bool ExecuteSql(const QString &sql);
    // A prepared statement on this connection. Statements are kept prepared
    // between uses: one destroyed before the connection goes back to it.
    std::unique_ptr<CSqlStatement> CreateStatement(const QString &sql);

    bool Begin();
    bool Commit();
    bool Rollback();
    // True between Begin() and its Commit() or Rollback().
    bool InTransaction() const;

    // The rowid of the last successful INSERT on this connection. Unlike a
    // MAX() query it cannot see another connection's insert.
    qint64 LastInsertId() const;
    // SQLite's text of the last failure, for log entries.
    QString LastError() const;

    sqlite3 *Handle() const { return m_connection; }

private:
    sqlite3 *m_connection = nullptr;
    std::shared_ptr<CStatementCache> m_cache;
    QString m_filePath;
    QString m_transactionText;
};
