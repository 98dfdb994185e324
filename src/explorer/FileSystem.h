#pragma once

#include <QList>
#include <QString>

// The few system calls the file operations need beyond QFile: renames that
// either never replace the target or replace it in one atomic step, and a
// directory creation that reports the system's error. Every failure carries
// the system error number and its text.
namespace FileSystem {

struct Status
{
    bool ok = true;
    int code = 0; // errno
    QString text; // the system's text for code

    explicit operator bool() const { return ok; }
    // The rename crossed a file system boundary: copy instead.
    bool CrossDevice() const;
    static Status Failure(int code);
    static Status Failure(const QString &text);
};

// Renames from to to, failing with EEXIST when to exists (also for a
// target created after any check of the caller).
Status RenameNoReplace(const QString &from, const QString &to);
// Renames from to to, replacing a file at to atomically: at every moment
// either the old or the new file is there.
Status RenameReplace(const QString &from, const QString &to);
// Creates one directory; an existing entry is EEXIST.
Status MakeDirectory(const QString &path);

// Whether something (also a dangling symbolic link) is at path.
bool Exists(const QString &path);

// Moves a file or folder to the user's trash (the freedesktop trash here,
// the recycle bin on Windows). Fails when it is still in place afterwards.
Status MoveToTrash(const QString &path);
// Deletes a file, a symbolic link (never what it points to) or a folder
// with everything below it.
Status RemovePermanently(const QString &path);

// One entry of a folder as the listing needs it, from a single stat.
struct DirectoryEntry
{
    QString name;
    bool isDir = false;
    qint64 size = 0;
    qint64 date = 0; // seconds since 1970 (UTC): the earlier of write and access time
};

// The folders and regular files of folder (symbolic links followed; hidden
// entries, dangling links and special files left out), in name order as
// QDir::Name sorts. One pass of readdir and stat: no local-time conversion
// per entry. False when the folder cannot be opened.
bool ListDirectory(const QString &folder, QList<DirectoryEntry> *entries);

} // namespace FileSystem
