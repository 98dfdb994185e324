#include "explorer/FileOperations.h"

#include "app/FileStrings.h"
#include "app/Log.h"
#include "app/TextFormat.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "explorer/FileNames.h"
#include "explorer/FileSystem.h"

namespace FileOperations {

namespace {

Result invalid(int messageId)
{
    return Result { Result::Outcome::InvalidName, LoadString(messageId) };
}

Result failed(const QString &message)
{
    return Result { Result::Outcome::Failed, message };
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

bool DeletePath(const QString &path, bool toTrash, QString *error)
{
    const FileSystem::Status status = toTrash ? FileSystem::MoveToTrash(path) : FileSystem::RemovePermanently(path);
    if (status)
        return true;
    Log::Write(QStringLiteral("Error deleting file\r\nSrc: %1\r\nError: %2").arg(path, status.text));
    if (error)
        *error = status.text;
    return false;
}

DeleteResult DeleteEntries(const QString &folder, const QList<DeleteItem> &items, bool toTrash,
    const std::atomic<bool> *cancel, const std::function<void(int, int)> &progress)
{
    DeleteResult result;
    const QString base = withSlash(folder);
    int done = 0;
    for (const DeleteItem &item : items) {
        if (cancel && *cancel) {
            result.cancelled = true;
            break;
        }
        QString error;
        if (DeletePath(base + item.name, toTrash, &error)) {
            result.deleted << item.name;
            if (item.catalogueId > 0)
                result.removedIds << item.catalogueId;
        } else {
            result.errors << FormatText(
                LoadString(StringId::DeleteError), { item.name + QStringLiteral(": ") + error });
        }
        if (progress)
            progress(++done, int(items.size()));
    }
    // Only the games whose files are really gone leave the catalogue.
    if (!result.removedIds.isEmpty()) {
        const auto db = Catalogue::OpenCatalogue();
        if (!db || !Catalogue::DeleteManyFromCatalogue(result.removedIds, *db)) {
            Log::Write(QStringLiteral("Error deleting recorded games from the catalogue\r\nFolder: %1").arg(base));
            result.removedIds.clear();
        }
    }
    return result;
}

Result CreateFolder(const QString &folder, const QString &name)
{
    const QString trimmed = name.trimmed();
    if (!FileNames::IsValid(trimmed))
        return invalid(StringId::InvalidFolderName);
    const QString path = withSlash(folder) + trimmed;
    const FileSystem::Status status = FileSystem::MakeDirectory(path);
    if (status)
        return Result();
    Log::Write(QStringLiteral("Error creating directory\r\nPath: %1\r\nError Number: %2\r\nError: %3")
                   .arg(path)
                   .arg(status.code)
                   .arg(status.text));
    return failed(FormatText(LoadString(StringId::CreateFolderError), { trimmed, status.text }));
}

Result RenameEntry(const QString &folder, const QString &oldName, const QString &newName, bool isFolder)
{
    if (!FileNames::IsValid(newName))
        return invalid(isFolder ? StringId::InvalidFolderNameRename : StringId::InvalidFileName);
    if (newName == oldName)
        return Result();
    const QString source = withSlash(folder) + oldName;
    const QString target = withSlash(folder) + newName;
    const FileSystem::Status status = FileSystem::RenameNoReplace(source, target);
    if (status)
        return Result();
    Log::Write(
        QStringLiteral("Error renaming file/dir\r\nSrc: %1\r\nDst: %2\r\nError: %3").arg(source, target, status.text));
    return failed(
        FormatText(LoadString(isFolder ? StringId::RenameFolderError : StringId::RenameFileError), { status.text }));
}

} // namespace FileOperations
