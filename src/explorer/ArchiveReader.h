#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Extraction of the recorded games inside zip and rar archives. Only
// entries whose names are recordings are written, each under its base name
// into the target folder (never elsewhere, whatever folders, "../" or
// absolute paths the archive names); a second entry with a name already
// taken gets a numbered suffix. Archives are untrusted: the number of
// entries, the size of each extracted file and their total are capped, and
// a damaged archive fails with a text instead of yielding damaged files.
// Failures are logged. Runs on any thread.
namespace ArchiveReader {

struct Limits
{
    int maxEntries = 20000;
    qint64 maxEntrySize = qint64(256) << 20;
    qint64 maxTotalSize = qint64(1) << 30;
};

struct Result
{
    bool ok = true;
    QString error; // the library's result text or the reason, when !ok
    QStringList extracted; // file names written into the target folder
};

enum class Kind { None, Zip, Rar };

// By the name's extension, without regard to case.
Kind KindOf(const QString &fileName);

Result ExtractZip(const QString &archivePath, const QString &targetFolder, const Limits &limits = {});
Result ExtractRar(const QString &archivePath, const QString &targetFolder, const Limits &limits = {});
// Either of the above by the archive's name.
Result Extract(const QString &archivePath, const QString &targetFolder, const Limits &limits = {});

// What opening an archive row does before the list shows the work
// directory: the work directory is prepared (see WorkDirectory::Prepare)
// and the archive's recordings are extracted into it. On failure message is
// the text for the user ("Error reading Zip File: ..."), and the current
// folder stays as it was.
struct OpenResult
{
    bool ok = false;
    QString message;
    QStringList extracted;
};
OpenResult OpenIntoWorkDirectory(const QString &archivePath, const QString &workDirectory);

// The name an entry is written under: its last path component with
// control characters replaced, numbered " (2)", " (3)" ... before the
// extension when taken (compared without regard to case) already holds it.
// Empty when nothing usable is left.
QString TargetName(const QString &entryName, const QSet<QString> &taken);

} // namespace ArchiveReader
