#include "shell/CommandState.h"

#include "shell/CommandIds.h"

#include <algorithm>

CommandState CommandState::FromSelection(const QList<Row> &rows, bool browsingArchive)
{
    CommandState s;
    // A folder can be made in any folder that is not an archive's listing,
    // an empty one above all, where nothing but ".." could be selected.
    s.createFolder = !browsingArchive;
    const bool hasParent
        = std::any_of(rows.begin(), rows.end(), [](const Row &r) { return r.kind == RowKind::Parent; });
    // ".." is not a real entry of the folder: no file command may act on it.
    if (rows.isEmpty() || hasParent)
        return s;

    const bool inPlace = !browsingArchive;
    s.selectedCount = int(rows.size());
    s.somethingSelected = true;
    s.move = inPlace;
    s.copy = true;
    s.remove = inPlace;
    s.zip = inPlace;

    if (rows.size() == 1) {
        const Row &row = rows.front();
        const bool storedGame = row.kind == RowKind::RecordedGame && row.stored;
        s.rename = inPlace;
        s.gameCommands = storedGame;
        s.individualZips = storedGame;
        return s;
    }
    // Several rows are renamed and zipped one by one by the rename formats,
    // which only make sense for recorded games read from disk.
    const bool allGames
        = std::all_of(rows.begin(), rows.end(), [](const Row &r) { return r.kind == RowKind::RecordedGame; });
    s.rename = inPlace && allGames;
    s.individualZips = inPlace && allGames;
    return s;
}

bool IsCommandEnabled(int command, const CommandState &s, const CommandContext &c)
{
    switch (command) {
    case Cmd::CreateFolder:
        return s.createFolder;
    case Cmd::ZipAsk:
    case Cmd::PopupZipAsk:
        return s.zip && s.somethingSelected;
    case Cmd::ZipCurrent:
    case Cmd::ZipDesktop:
    case Cmd::PopupZipCurrent:
    case Cmd::PopupZipDesktop:
        return s.zip && s.selectedCount == 1;
    case Cmd::ZipEachAsk:
    case Cmd::ZipEachCurrent:
    case Cmd::ZipEachDesktop:
    case Cmd::PopupZipEachAsk:
    case Cmd::PopupZipEachCurrent:
    case Cmd::PopupZipEachDesktop:
        return s.individualZips && s.selectedCount > 1 && s.zip;
    case Cmd::Rename:
    case Cmd::PopupRename:
        return s.rename;
    case Cmd::MoveAsk:
    case Cmd::PopupMoveAsk:
        return s.move && s.somethingSelected;
    case Cmd::MoveSaveGame:
    case Cmd::PopupMoveSaveGame:
        return s.move && !c.inSaveGameFolder;
    case Cmd::MoveDesktop:
    case Cmd::PopupMoveDesktop:
        return s.move && !c.inDesktop;
    case Cmd::CopyAsk:
    case Cmd::PopupCopyAsk:
        return s.copy && s.somethingSelected;
    case Cmd::CopySaveGame:
    case Cmd::PopupCopySaveGame:
        return s.copy && !c.inSaveGameFolder;
    case Cmd::CopyDesktop:
    case Cmd::PopupCopyDesktop:
        return s.copy && !c.inDesktop;
    case Cmd::Delete:
    case Cmd::PopupDelete:
        return s.remove && s.somethingSelected;
    case Cmd::Launch10c:
        return c.gameProgramFound;
    case Cmd::Launch10:
        return c.version10Found;
    case Cmd::PlatformChinaZone:
    case Cmd::PopupPlatformChinaZone:
        return false;
    default:
        break;
    }
    if (command >= Cmd::RenameFormatFirst && command <= Cmd::RenameFormatLast)
        return s.rename;
    switch (command) {
    case Cmd::RefreshRatings:
    case Cmd::PopupRefreshRatings:
    case Cmd::PlatformZone:
    case Cmd::PlatformIgzRm:
    case Cmd::PlatformIgzDm:
    case Cmd::PlatformGpRm:
    case Cmd::PlatformGpDm:
    case Cmd::PlatformIp:
    case Cmd::PopupPlatformZone:
    case Cmd::PopupPlatformIgzRm:
    case Cmd::PopupPlatformIgzDm:
    case Cmd::PopupPlatformGpRm:
    case Cmd::PopupPlatformGpDm:
    case Cmd::PopupPlatformIp:
    case Cmd::Reanalyze:
    case Cmd::PopupReanalyze:
    case Cmd::EditPlayers:
    case Cmd::PopupEditPlayers:
    case Cmd::CopyDescription:
    case Cmd::PopupCopyDescription:
        return s.gameCommands;
    default:
        return true; // every other command is always available
    }
}
