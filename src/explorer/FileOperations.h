#pragma once

#include "explorer/Overwrite.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// The file manager half of the explorer: moving, copying and deleting many
// files and folders, creating a folder and renaming one entry. Nothing here
// shows anything: questions go to the caller's callback, failures come back
// as texts for the user and are logged. Safe to run on a worker thread.
namespace FileOperations {

// One result of the single-entry operations.
struct Result
{
    enum class Outcome { Done, InvalidName, Failed };
    Outcome outcome = Outcome::Done;
    QString message; // for the user; empty when Done
    bool Succeeded() const { return outcome == Outcome::Done; }
};

enum class TransferMode { Copy, Move };

struct Progress
{
    int filesDone = 0;
    int filesTotal = 0;
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
};

struct TransferOptions
{
    TransferMode mode = TransferMode::Copy;
    // Asked for every target that exists; without one nothing is replaced.
    OverwriteQuestion question;
    // Tested between files and between the blocks of a file.
    const std::atomic<bool> *cancel = nullptr;
    // After every block and every file.
    std::function<void(const Progress &)> progress;
};

struct TransferResult
{
    int done = 0; // entries moved or copied completely
    QStringList skipped; // names the user chose not to replace
    QStringList errors; // one text per failure, for the user
    bool cancelled = false; // Cancel answered or the cancel flag raised
    bool changed = false; // something was written, moved or removed
    bool Succeeded() const { return errors.isEmpty() && !cancelled; }
};

// Moves or copies every source (a full path of a file or folder) into
// destinationFolder. An existing target is replaced only on Yes or Yes to
// all, and only once its replacement is complete: a copy is written beside
// the target under a hidden name and renamed over it. A folder meets an
// existing folder by merging, file by file. A folder is never moved or
// copied into itself. A move within one file system is a rename; across
// file systems it is a copy that is read back and compared before the
// original is deleted. Cancel leaves no partly written file behind.
TransferResult Transfer(const QStringList &sources, const QString &destinationFolder, const TransferOptions &options);

// Whether two paths name the same folder once links and "." / ".." are
// resolved. Case matters, as it does to the file system.
bool SameFolder(const QString &a, const QString &b);

struct DeleteItem
{
    QString name; // in the folder
    int catalogueId = 0; // 0: not a stored recording
};

struct DeleteResult
{
    QStringList deleted; // names that are gone
    QList<int> removedIds; // catalogue entries dropped with them
    QStringList errors; // one text per failure, for the user
    bool cancelled = false;
};

// Deletes the entries of folder (to the trash or for good), then drops in
// one transaction the catalogue entries of exactly the files that are
// gone; an entry whose file is still there stays.
DeleteResult DeleteEntries(const QString &folder, const QList<DeleteItem> &items, bool toTrash,
    const std::atomic<bool> *cancel = nullptr, const std::function<void(int done, int total)> &progress = {});

// Deletes one file or folder; logs a failure and returns its text.
bool DeletePath(const QString &path, bool toTrash, QString *error = nullptr);

// Creates folder + name, name trimmed of surrounding white space.
Result CreateFolder(const QString &folder, const QString &name);

// Renames a folder or a file that is not a stored recording; an existing
// target is never replaced.
Result RenameEntry(const QString &folder, const QString &oldName, const QString &newName, bool isFolder);

} // namespace FileOperations
