#pragma once

#include "app/StringTable.h"

// Ids of the texts of renaming: format types, messages and the dialogs.
namespace StringId {
inline constexpr int FormatTypeTeamGame = 1174;
inline constexpr int SampleFormatFirst = 1175; // .. 1179
inline constexpr int SampleFormatLast = 1179;
inline constexpr int FormatTagsHelp = 1180;
inline constexpr int FormatTypeGame = 1181;
inline constexpr int InvalidFormatTitle = 1182;
inline constexpr int InvalidFormatText = 1183;
inline constexpr int Nation = 1229;
inline constexpr int FilesSelected = 1231;
inline constexpr int MissingNewName = 1232;
inline constexpr int CollisionSample = 1233;
inline constexpr int Versus = 1308;
// Texts of the Linux renaming (collision setting, batch outcome).
inline constexpr int InvalidCollisionText = 1760;
inline constexpr int BatchStopped = 1761;
inline constexpr int InvalidBatchName = 1762;
inline constexpr int SelectFormatType = 1763;
inline constexpr int CatalogueUnavailable = 1764;
} // namespace StringId
