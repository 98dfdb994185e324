#pragma once

#include "explorer/GameRow.h"

#include <QList>
#include <QString>

#include <atomic>

struct CSearchQuery;

// What the game list shows for one folder, and the two counters of the
// status bar. Built on any thread with a catalogue connection of its own;
// nothing here touches a widget.
struct CFolderListing
{
    QList<CGameRow> rows;
    int files = 0; // recordings and listed archives
    int recordings = 0; // recordings known to the catalogue
    bool cancelled = false;
};

struct CFolderListingOptions
{
    bool zip = true; // list zip archives
    bool rar = true; // list rar archives
    // The "AnalyzeZip" and "AnalyzeRar" settings.
    static CFolderListingOptions FromSettings();
};

namespace FolderListing {

// Recordings by extension, without regard to case, of every edition
// (RecordingFiles::IsRecordingName).
bool IsRecordingName(const QString &fileName);
bool IsZipName(const QString &fileName);
bool IsRarName(const QString &fileName);

// The fill: ".." and the subfolders, every recording, and the archives the
// options allow; a recording whose name and size the catalogue knows gets
// its columns from it. Rows are sorted with sortKey. A set cancel flag
// stops the enumeration after the current row (the listing so far is kept).
// A folder that cannot be listed yields no rows and zero counters.
CFolderListing Fill(const QString &folder, const CFolderListingOptions &options, int sortKey = 0,
    const std::atomic<bool> *cancel = nullptr);

// The search fill: only the recordings of folder whose names match the
// query's file pattern and for which the query finds a stored game.
CFolderListing SearchFill(
    const QString &folder, const CSearchQuery &query, int sortKey = 0, const std::atomic<bool> *cancel = nullptr);

// Whether fileName matches a wildcard pattern ("*" and "?"), ignoring case.
bool MatchesPattern(const QString &fileName, const QString &pattern);

} // namespace FolderListing
