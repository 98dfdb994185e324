#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>

struct CGameRow;
class QFileInfo;

// What the catalogue commands of vellumcast-cli share: argument parsing,
// the catalogue preparation, tables, JSON, the progress bar and Ctrl+C.
namespace Cli {

struct ParsedArgs
{
    QStringList positional;
    QMap<QString, QString> options; // "--name" -> value
    QSet<QString> flags; // "--json", ...
    QString error; // non-empty on a usage error
    bool has(const QString &flag) const { return flags.contains(flag); }
    QString value(const QString &option, const QString &fallback = QString()) const
    {
        return options.value(option, fallback);
    }
};

// Options in withValue take the next argument; flags stand alone. "--json"
// is always a flag.
ParsedArgs Parse(const QStringList &args, const QStringList &withValue, const QStringList &flags = {});

// Reports a usage error: "usage: vellumcast-cli <usage>" and the reason.
int UsageError(const QString &usage, const QString &reason = QString());
int Failure(const QString &message);

// Creates or updates the catalogue in the data directory. An unusable
// catalogue is reported and false returned.
bool PrepareCatalogue();

// The catalogue id of a recording, storing it first when the catalogue
// does not know it yet (as selecting it in the window does). 0 when the file
// is not a readable recording; reason says why.
int StoredGameId(const QFileInfo &file, QString *reason);

// An existing folder as an absolute path with a trailing "/"; empty when it
// is not a folder.
QString FolderArgument(const QString &text);
// Integer options: false (and a usage message) when the text is not a number.
bool IntArgument(const QString &text, int *value);

// Prints a table with a header line, columns padded to their widest cell.
void PrintTable(const QStringList &headers, const QList<QStringList> &rows);
void PrintJson(const QJsonValue &value);

QJsonObject RowJson(const CGameRow &row);
QStringList RowCells(const CGameRow &row);
QStringList RowHeaders();

// Ctrl+C sets the returned flag instead of ending the process (once; a
// second Ctrl+C ends it).
std::atomic<bool> &InterruptFlag();
void InstallInterruptHandler();

// A one-line progress bar on stderr, drawn only when stderr is a terminal.
class ProgressBar
{
public:
    explicit ProgressBar(const QString &label);
    ~ProgressBar();
    void Update(int done, int total);
    void Finish();

private:
    QString m_label;
    bool m_active;
    bool m_drawn = false;
    int m_lastPercent = -1;
};

} // namespace Cli
