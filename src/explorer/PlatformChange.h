#pragma once

#include "explorer/GameRow.h"

#include <QString>

class CRecordedGame;

// Filing a stored game under another rating platform: the game is deleted
// and its file read and stored again, so that its players are matched (or
// added) on the new platform with that platform's ratings and countries.
namespace PlatformChange {

enum class Result {
    NotStored, // the row has no catalogue id: nothing to change
    Unchanged, // the game is already on that platform (or it is not a platform)
    Changed, // stored anew; the row and the record carry the new entry
    FileLost // the file could not be read: the entry is gone, the row emptied
};

// folder ends with "/". Runs on the calling thread with its own connection.
Result ChangePlatform(const QString &folder, CGameRow &row, int newPlatform, CRecordedGame &game);

} // namespace PlatformChange
