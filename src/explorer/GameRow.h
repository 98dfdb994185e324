#pragma once

#include <QMetaType>
#include <QString>

class CRecordedGame;

// The data of one row of the game list: a folder, a recording or an
// archive. Plain data, copied freely between a worker and the list model.
struct CGameRow
{
    enum class Kind { Folder, Recording, Zip, Rar };

    QString fileName; // name without folder; ".." for the parent
    Kind kind = Kind::Recording;
    bool isFile = true; // recordings and archives
    qint64 date = 0; // seconds since 1970 (UTC): the earlier of write and access time
    qint64 fileSize = 0;
    int ordinal = 0; // position at insertion

    // Filled from the catalogue for a known recording; empty otherwise.
    int catalogueId = 0;
    QString viewName; // point-of-view player
    int viewCountry = 0; // country id of the point-of-view player
    QString mapName;
    int players = 0; // match size code, for sorting the Players column
    QString playersLabel; // "1 vs 1", "FFA", ...
    int duration = 0; // seconds, for sorting the Duration column
    QString durationText; // "HH:MM:SS"
    int platform = -1;

    // Why the recording could not be read when it was last tried; empty
    // when it was read or not tried yet. Not stored in the catalogue.
    QString error;

    bool IsParent() const { return !isFile && fileName == QLatin1String(".."); }
    bool IsRecording() const { return kind == Kind::Recording; }
    bool IsKnown() const { return catalogueId > 0; }
    bool IsUnreadable() const { return !error.isEmpty(); }

    // Takes the catalogue columns from a stored (or just stored) record.
    void FillFromGame(const CRecordedGame &game);
    // Forgets the catalogue columns: the recording is not (any more) stored.
    void ClearGame();
};

Q_DECLARE_METATYPE(CGameRow)

// A row's date in local time with a strftime-style format ("DateFormat").
QString FormatRowDate(qint64 secondsSinceEpoch, const QString &format);

// Columns of the game list; the sort key is a column number, negative for
// descending order, 0 for none (name order).
namespace GameColumn {
inline constexpr int Name = 1;
inline constexpr int View = 2;
inline constexpr int Map = 3;
inline constexpr int Players = 4;
inline constexpr int Duration = 5;
inline constexpr int Date = 6;
inline constexpr int kCount = 6;
} // namespace GameColumn
