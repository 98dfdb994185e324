#pragma once

#include "app/StringTable.h"

// Ids of the texts of the file operations and the game launcher.
namespace StringId {
inline constexpr int ConfirmReplace = 130;
inline constexpr int InvalidRecordingName = 131;
inline constexpr int MoveManyPrompt = 1166;
inline constexpr int MoveOnePrompt = 1167;
inline constexpr int CopyOnePrompt = 1168;
inline constexpr int CopyManyPrompt = 1169;
inline constexpr int CreateFolderError = 1185;
inline constexpr int InvalidFolderName = 1186;
inline constexpr int GameNotFound = 1224;
inline constexpr int DeleteError = 1227;
inline constexpr int RenameFilesError = 1228;
inline constexpr int InvalidFileName = 1234;
inline constexpr int InvalidFolderNameRename = 1235;
inline constexpr int RenameFileTitle = 1236;
inline constexpr int RenameFileLabel = 1237;
inline constexpr int RenameFolderTitle = 1238;
inline constexpr int RenameFolderLabel = 1239;
inline constexpr int RenameFolderError = 1240;
inline constexpr int RenameFileError = 1241;
// Texts of the Linux file operations (trash, own overwrite questions).
inline constexpr int DeleteOneForGood = 1700;
inline constexpr int DeleteManyForGood = 1701;
inline constexpr int ReplaceExisting = 1702;
inline constexpr int MoveIntoItself = 1703;
inline constexpr int CopyIntoItself = 1704;
inline constexpr int MovingFiles = 1705;
inline constexpr int CopyingFiles = 1706;
inline constexpr int DeletingFiles = 1707;
inline constexpr int MoveError = 1708;
inline constexpr int CopyError = 1709;
inline constexpr int ReplaceKindMismatch = 1710;
inline constexpr int CopyVerifyFailed = 1711;
} // namespace StringId
