#include "explorer/WorkDirectory.h"

#include "app/ArchiveStrings.h"
#include "app/Log.h"
#include "app/Paths.h"
#include "app/TextFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace WorkDirectory {
namespace {

// The path with links resolved; for a path that does not exist (yet), its
// clean absolute form.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

Status failure(int id, const QString &folder, const QString &detail = QString())
{
    Status status;
    status.ok = false;
    status.message = FormatText(LoadString(id), { QDir::toNativeSeparators(folder), detail });
    Log::Write(status.message);
    return status;
}

bool writeMarker(const QString &folder)
{
    QFile marker(folder + QLatin1String(kMarkerName));
    return marker.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

// Deletes everything inside dir but the marker. Links are removed, never
// followed; read-only entries are made writable first.
bool removeContents(const QString &dir, bool keepMarker, QString *error)
{
    const QFileInfoList entries
        = QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    bool ok = true;
    for (const QFileInfo &entry : entries) {
        if (keepMarker && entry.fileName() == QLatin1String(kMarkerName))
            continue;
        const QString path = entry.absoluteFilePath();
        if (entry.isSymLink() || !entry.isDir()) {
            if (!entry.isSymLink())
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QFile file(path);
            if (!file.remove()) {
                *error = file.errorString();
                ok = false;
            }
            continue;
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!removeContents(path, false, error) || !QDir().rmdir(path)) {
            if (error->isEmpty())
                *error = QStringLiteral("cannot remove the folder");
            ok = false;
        }
    }
    return ok;
}

} // namespace

bool Contains(const QString &folder, const QString &path)
{
    const QString outer = resolved(folder);
    const QString inner = resolved(path);
    if (outer == inner || outer == QLatin1String("/"))
        return true;
    return inner.startsWith(outer + QLatin1Char('/'));
}

bool IsMarked(const QString &folder)
{
    const QFileInfo marker(Paths::WithSlash(folder) + QLatin1String(kMarkerName));
    return marker.isFile() && !marker.isSymLink();
}

Status Prepare(const QString &folder, const QString &archivePath)
{
    if (folder.trimmed().isEmpty())
        return failure(StringId::WorkDirectoryFailed, folder, QStringLiteral("no folder is set"));
    const QString path = Paths::WithSlash(QDir::cleanPath(QDir(folder).absolutePath()));
    if (Contains(path, QDir::homePath()) || Contains(path, Paths::DataDirectory())
        || (!archivePath.isEmpty() && Contains(path, archivePath)))
        return failure(StringId::WorkDirectoryTooWide, path);

    const QFileInfo info(path);
    if (!info.exists()) {
        if (!QDir().mkpath(path) || !writeMarker(path))
            return failure(StringId::WorkDirectoryFailed, path, QStringLiteral("cannot create the folder"));
        return {};
    }
    if (!info.isDir())
        return failure(StringId::WorkDirectoryFailed, path, QStringLiteral("not a folder"));
    if (IsMarked(path)) {
        QString error;
        if (!removeContents(path, true, &error))
            return failure(StringId::WorkDirectoryFailed, path, error);
        return {};
    }
    if (!QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return failure(StringId::WorkDirectoryNotOurs, path);
    if (!writeMarker(path))
        return failure(StringId::WorkDirectoryFailed, path, QStringLiteral("cannot write in the folder"));
    return {};
}

} // namespace WorkDirectory
