#include "explorer/FolderListing.h"

#include "app/Paths.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "catalogue/SearchQuery.h"
#include "explorer/RowSorting.h"
#include "recgame/RecordedGame.h"
#include "recgame/RecordingFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <memory>

namespace {

bool cancelled(const std::atomic<bool> *cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

// Entries of folder in name order; hidden entries are not listed.
QFileInfoList entries(const QString &folder, QDir::Filters filters)
{
    QDir dir(folder);
    dir.setFilter(filters | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name);
    return dir.entryInfoList();
}

void addKnownColumns(CGameRow &row, CSummaryLookup *lookup, CRecordedGame &scratch, int &recordings)
{
    if (!lookup || !lookup->Load(scratch, row.fileName, row.fileSize))
        return;
    row.FillFromGame(scratch);
    ++recordings;
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
    if (pattern.isEmpty())
        return true;
    const QRegularExpression re(
        QRegularExpression::wildcardToRegularExpression(pattern, QRegularExpression::UnanchoredWildcardConversion),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(fileName);
    return m.hasMatch() && m.capturedStart() == 0 && m.capturedLength() == fileName.size();
}

CFolderListing Fill(
    const QString &folder, const CFolderListingOptions &options, int sortKey, const std::atomic<bool> *cancel)
{
    CFolderListing listing;
    const QString path = Paths::WithSlash(folder.isEmpty() ? Paths::RootFallback() : folder);
    const QFileInfo folderInfo(path);
    if (!folderInfo.isDir() || !folderInfo.isReadable())
        return listing;

    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
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
        parent.date = CRecordedGame::FileDate(QFileInfo(path + QStringLiteral("..")));
        parent.ordinal = ordinal++;
        listing.rows.append(parent);
    }
    const QFileInfoList all = entries(path, QDir::AllDirs | QDir::Files);
    for (const QFileInfo &info : all) {
        if (cancelled(cancel)) {
            listing.cancelled = true;
            break;
        }
        CGameRow row;
        row.fileName = info.fileName();
        row.date = CRecordedGame::FileDate(info);
        row.ordinal = ordinal;
        if (info.isDir()) {
            row.kind = CGameRow::Kind::Folder;
            row.isFile = false;
        } else if (IsRecordingName(row.fileName)) {
            row.kind = CGameRow::Kind::Recording;
            row.fileSize = Catalogue::CatalogueFileSize(info.size());
            addKnownColumns(row, lookup.get(), *scratch, listing.recordings);
        } else if (options.zip && IsZipName(row.fileName)) {
            row.kind = CGameRow::Kind::Zip;
            row.fileSize = info.size();
        } else if (options.rar && IsRarName(row.fileName)) {
            row.kind = CGameRow::Kind::Rar;
            row.fileSize = info.size();
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
    CSummaryLookup lookup(*db, query);
    if (!lookup.IsReady())
        return listing;
    auto scratch = std::make_unique<CRecordedGame>();
    int ordinal = 0;
    const QFileInfoList files = entries(path, QDir::Files);
    for (const QFileInfo &info : files) {
        if (cancelled(cancel)) {
            listing.cancelled = true;
            break;
        }
        const QString name = info.fileName();
        if (!IsRecordingName(name) || !MatchesPattern(name, query.filePattern))
            continue;
        CGameRow row;
        row.fileName = name;
        row.kind = CGameRow::Kind::Recording;
        row.fileSize = Catalogue::CatalogueFileSize(info.size());
        row.date = CRecordedGame::FileDate(info);
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
