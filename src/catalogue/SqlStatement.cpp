#include "catalogue/SqlStatement.h"

#include "app/Log.h"
#include "catalogue/StatementCache.h"

#include <sqlite3.h>

namespace {

constexpr const char *kUnit = "DbSqlite";

QString codeName(int code)
{
    switch (code & 0xFF) {
    case SQLITE_BUSY:
        return QStringLiteral("SQLITE_BUSY");
    case SQLITE_ERROR:
        return QStringLiteral("SQLITE_ERROR");
    case SQLITE_MISUSE:
        return QStringLiteral("SQLITE_MISUSE");
    default:
        return QStringLiteral("SQLITE_%1 (%2)").arg(code).arg(QString::fromUtf8(sqlite3_errstr(code)));
    }
}

} // namespace

CSqlStatement::CSqlStatement(const QString &sql, sqlite3 *connection)
    : m_sql(sql)
{
    prepare(connection);
}

CSqlStatement::CSqlStatement(const QString &sql, sqlite3 *connection, const std::shared_ptr<CStatementCache> &cache)
    : m_sql(sql)
    , m_cache(cache)
{
    m_statement = cache ? cache->Take(sql) : nullptr;
    if (!m_statement)
        prepare(connection);
}

void CSqlStatement::prepare(sqlite3 *connection)
{
    if (!connection)
        return;
    const QByteArray text = m_sql.toUtf8();
    if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

CSqlStatement::~CSqlStatement()
{
    if (!m_statement)
        return;
    // The connection may be gone already: then there is no cache to return to.
    if (const std::shared_ptr<CStatementCache> cache = m_cache.lock())
        cache->Give(m_sql, m_statement);
    else
        sqlite3_finalize(m_statement);
}

CSqlStatement &CSqlStatement::BindInt(int index, qint64 value)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, index, value);
    return *this;
}

CSqlStatement &CSqlStatement::BindText(int index, const QString &value)
{
    if (m_statement) {
        const QByteArray utf8 = value.toUtf8();
        sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    return *this;
}

CSqlStatement &CSqlStatement::BindDouble(int index, double value)
{
    if (m_statement)
        sqlite3_bind_double(m_statement, index, value);
    return *this;
}

CSqlStatement &CSqlStatement::Bind(int index, const QVariant &value)
{
    if (!m_statement)
        return *this;
    if (value.isNull()) {
        sqlite3_bind_null(m_statement, index);
        return *this;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return BindInt(index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return BindDouble(index, value.toDouble());
    default:
        return BindText(index, value.toString());
    }
}

CSqlStatement &CSqlStatement::BindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        Bind(i + 1, values[i]);
    return *this;
}

void CSqlStatement::logStepError(const char *function, int code) const
{
    // The statement text carries no values (they are bound), so it is safe
    // to name it and it tells which of the many statements failed.
    Log::Write(QStringLiteral("Error\r\nFile: %1 - Line: %2\r\nFunction: %3\r\nMessage: %4\r\nStatement: %5\r\n")
                   .arg(QString::fromLatin1(kUnit))
                   .arg(__LINE__)
                   .arg(QString::fromLatin1(function), codeName(code), m_sql));
}

bool CSqlStatement::Execute()
{
    if (!m_statement) {
        logStepError("CSqlStatement::Execute", SQLITE_MISUSE);
        return false;
    }
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_DONE) {
        sqlite3_reset(m_statement);
        return true;
    }
    if (rc == SQLITE_ROW)
        return false; // a query run as a command: not an error worth a log entry
    sqlite3_reset(m_statement);
    logStepError("CSqlStatement::Execute", rc);
    return false;
}

bool CSqlStatement::NextRow()
{
    if (!m_statement) {
        logStepError("CSqlStatement::NextRow", SQLITE_MISUSE);
        return false;
    }
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    sqlite3_reset(m_statement);
    if (rc == SQLITE_DONE)
        return false;
    logStepError("CSqlStatement::NextRow", rc);
    return false;
}

void CSqlStatement::Reset()
{
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

int CSqlStatement::ColumnInt(int column) const
{
    return m_statement ? sqlite3_column_int(m_statement, column) : 0;
}

qint64 CSqlStatement::ColumnInt64(int column) const
{
    return m_statement ? sqlite3_column_int64(m_statement, column) : 0;
}

double CSqlStatement::ColumnDouble(int column) const
{
    return m_statement ? sqlite3_column_double(m_statement, column) : 0.0;
}

QString CSqlStatement::ColumnText(int column) const
{
    if (!m_statement)
        return QString();
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    if (!text)
        return QString();
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}
