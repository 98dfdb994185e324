#include "explorer/FileSystem.h"

#include "app/FileDates.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace FileSystem {

namespace {

std::filesystem::path native(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdU16String());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

Status fromErrorCode(const std::error_code &error)
{
    if (!error)
        return Status();
    Status s;
    s.ok = false;
    s.code = error.value();
    s.text = QString::fromLocal8Bit(error.message());
    return s;
}

#ifdef Q_OS_UNIX
Status fromErrno(bool ok)
{
    return ok ? Status() : Status::Failure(errno);
}

struct DirCloser
{
    void operator()(DIR *dir) const { closedir(dir); }
};
#endif

} // namespace

bool ListDirectory(const QString &folder, QList<DirectoryEntry> *entries)
{
    entries->clear();
#ifdef Q_OS_UNIX
    std::unique_ptr<DIR, DirCloser> dir(opendir(QFile::encodeName(folder).constData()));
    if (!dir)
        return false;
    const int fd = dirfd(dir.get());
    while (const dirent *e = readdir(dir.get())) {
        if (e->d_name[0] == '.')
            continue; // ".", ".." and hidden entries
        struct stat st {};
        if (fstatat(fd, e->d_name, &st, 0) != 0)
            continue; // a dangling link, or gone meanwhile
        if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode))
            continue;
        DirectoryEntry entry;
        entry.name = QFile::decodeName(e->d_name);
        entry.isDir = S_ISDIR(st.st_mode);
        entry.size = entry.isDir ? 0 : qint64(st.st_size);
        entry.date = FileDates::OfStat(st);
        entries->append(std::move(entry));
    }
#else
    QDir dir(folder);
    if (!dir.exists())
        return false;
    for (const QFileInfo &info : dir.entryInfoList(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort))
        entries->append({ info.fileName(), info.isDir(), info.isDir() ? 0 : info.size(),
            FileDates::OfPath(info.absoluteFilePath()) });
#endif
    std::sort(entries->begin(), entries->end(),
        [](const DirectoryEntry &a, const DirectoryEntry &b) { return a.name.compare(b.name) < 0; });
    return true;
}

Status Status::Failure(int code)
{
    Status s;
    s.ok = false;
    s.code = code;
    s.text = qt_error_string(code);
    return s;
}

Status Status::Failure(const QString &text)
{
    Status s;
    s.ok = false;
    s.text = text;
    return s;
}

bool Status::CrossDevice() const
{
    return !ok && code == EXDEV;
}

bool Exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

Status RenameNoReplace(const QString &from, const QString &to)
{
#ifdef Q_OS_LINUX
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return Status();
    // Some file systems (network, FUSE) do not know the flag: check, then rename.
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return Status::Failure(errno);
#endif
    if (Exists(to))
        return Status::Failure(EEXIST);
    return RenameReplace(from, to);
}

Status RenameReplace(const QString &from, const QString &to)
{
#ifdef Q_OS_UNIX
    return fromErrno(::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0);
#else
    std::error_code error;
    std::filesystem::rename(native(from), native(to), error);
    return fromErrorCode(error);
#endif
}

Status MakeDirectory(const QString &path)
{
#ifdef Q_OS_UNIX
    return fromErrno(::mkdir(QFile::encodeName(path).constData(), 0777) == 0);
#else
    std::error_code error;
    if (std::filesystem::create_directory(native(path), error) || error)
        return fromErrorCode(error);
    return Status::Failure(EEXIST);
#endif
}

Status MoveToTrash(const QString &path)
{
    // Qt moves the file into "./files/" below the current folder, and says
    // it succeeded, when the user's data folder does not exist yet.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty())
        QDir().mkpath(data);
    QFile file(path);
    if (!file.moveToTrash())
        return Status::Failure(file.errorString());
    if (Exists(path))
        return Status::Failure(QStringLiteral("The file is still in place after moving it to the trash."));
    return Status();
}

Status RemovePermanently(const QString &path)
{
    // remove_all never follows a symbolic link: a link to a folder loses
    // the link, not the folder's contents.
    if (!Exists(path))
        return Status::Failure(ENOENT);
    std::error_code error;
    std::filesystem::remove_all(native(path), error);
    return fromErrorCode(error);
}

} // namespace FileSystem
