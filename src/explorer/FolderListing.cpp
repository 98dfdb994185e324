#include "explorer/FolderListing.h"

#include "app/FileDates.h"
#include "app/Paths.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "catalogue/ScopedTransaction.h"
#include "catalogue/SearchQuery.h"
#include "explorer/FileSystem.h"
#include "explorer/RowSorting.h"
#include "recgame/RecordedGame.h"
#include "recgame/RecordingFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <memory>

namespace {

bool cancelled(const std::atomic<bool> *cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

void addKnownColumns(CGameRow &row, CSummaryLookup *lookup, CRecordedGame &scratch, int &recordings)
{
    if (!lookup || !lookup->Load(scratch, row.fileName, row.fileSize))
        return;
    row.FillFromGame(scratch);
    ++recordings;
}

QRegularExpression patternExpression(const QString &pattern)
{
    return QRegularExpression(
        QRegularExpression::wildcardToRegularExpression(pattern, QRegularExpression::UnanchoredWildcardConversion),
        QRegularExpression::CaseInsensitiveOption);
}

bool matches(const QString &fileName, const QRegularExpression &re)
{
    const QRegularExpressionMatch m = re.match(fileName);
    return m.hasMatch() && m.capturedStart() == 0 && m.capturedLength() == fileName.size();
}

} // namespace

CFolderListingOptions CFolderListingOptions::FromSettings()
{
    const CSettings &settings = CSettings::Instance();
    return { settings.analyzeZip.load(), settings.analyzeRar.load() };
}

namespace FolderListing {

bool IsRecordingName(const QString &fileName)
{
    return RecordingFiles::IsRecordingName(fileName);
}

bool IsZipName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

bool IsRarName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".rar"), Qt::CaseInsensitive);
}

bool MatchesPattern(const QString &fileName, const QString &pattern)
{
    return pattern.isEmpty() || matches(fileName, patternExpression(pattern));
}

CFolderListing Fill(
    const QString &folder, const CFolderListingOptions &options, int sortKey, const std::atomic<bool> *cancel)
{
    CFolderListing listing;
    const QString path = Paths::WithSlash(folder.isEmpty() ? Paths::RootFallback() : folder);
    const QFileInfo folderInfo(path);
    if (!folderInfo.isDir() || !folderInfo.isReadable())
        return listing;

    QList<FileSystem::DirectoryEntry> all;
    if (!FileSystem::ListDirectory(path, &all))
        return listing;

    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    std::unique_ptr<CScopedRead> snapshot = db ? std::make_unique<CScopedRead>(*db) : nullptr;
    std::unique_ptr<CSummaryLookup> lookup = db ? std::make_unique<CSummaryLookup>(*db) : nullptr;
    if (lookup && !lookup->IsReady())
        lookup.reset();
    auto scratch = std::make_unique<CRecordedGame>();

    int ordinal = 0;
    if (!QDir(path).isRoot()) {
        CGameRow parent;
        parent.fileName = QStringLiteral("..");
        parent.kind = CGameRow::Kind::Folder;
        parent.isFile = false;
        parent.date = FileDates::OfPath(path + QStringLiteral(".."));
        parent.ordinal = ordinal++;
        listing.rows.append(parent);
    }
    for (const FileSystem::DirectoryEntry &entry : std::as_const(all)) {
        if (cancelled(cancel)) {
            listing.cancelled = true;
            break;
        }
        CGameRow row;
        row.fileName = entry.name;
        row.date = entry.date;
        row.ordinal = ordinal;
        if (entry.isDir) {
            row.kind = CGameRow::Kind::Folder;
            row.isFile = false;
        } else if (IsRecordingName(row.fileName)) {
            row.kind = CGameRow::Kind::Recording;
            row.fileSize = Catalogue::CatalogueFileSize(entry.size);
            addKnownColumns(row, lookup.get(), *scratch, listing.recordings);
        } else if (options.zip && IsZipName(row.fileName)) {
            row.kind = CGameRow::Kind::Zip;
            row.fileSize = entry.size;
        } else if (options.rar && IsRarName(row.fileName)) {
            row.kind = CGameRow::Kind::Rar;
            row.fileSize = entry.size;
        } else {
            continue;
        }
        if (row.isFile)
            ++listing.files;
        ++ordinal;
        listing.rows.append(row);
    }
    RowSorting::SortRows(listing.rows, sortKey);
    return listing;
}

CFolderListing SearchFill(
    const QString &folder, const CSearchQuery &query, int sortKey, const std::atomic<bool> *cancel)
{
    CFolderListing listing;
    const QString path = Paths::WithSlash(folder.isEmpty() ? Paths::RootFallback() : folder);
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db || !QFileInfo(path).isDir())
        return listing;
    QList<FileSystem::DirectoryEntry> files;
    if (!FileSystem::ListDirectory(path, &files))
        return listing;
    const CScopedRead snapshot(*db);
    CSummaryLookup lookup(*db, query);
    if (!lookup.IsReady())
        return listing;
    auto scratch = std::make_unique<CRecordedGame>();
    // Made once for the folder, not once a file.
    const bool anyName = query.filePattern.isEmpty();
    const QRegularExpression pattern = anyName ? QRegularExpression() : patternExpression(query.filePattern);
    int ordinal = 0;
    for (const FileSystem::DirectoryEntry &entry : std::as_const(files)) {
        if (cancelled(cancel)) {
            listing.cancelled = true;
            break;
        }
        const QString &name = entry.name;
        if (entry.isDir || !IsRecordingName(name) || !(anyName || matches(name, pattern)))
            continue;
        CGameRow row;
        row.fileName = name;
        row.kind = CGameRow::Kind::Recording;
        row.fileSize = Catalogue::CatalogueFileSize(entry.size);
        row.date = entry.date;
        if (!lookup.Load(*scratch, name, row.fileSize))
            continue;
        row.FillFromGame(*scratch);
        row.ordinal = ordinal++;
        ++listing.files;
        ++listing.recordings;
        listing.rows.append(row);
    }
    RowSorting::SortRows(listing.rows, sortKey);
    return listing;
}

} // namespace FolderListing
