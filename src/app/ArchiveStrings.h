#pragma once

#include "app/StringTable.h"

// Ids of the texts of the archives: browsing zip and rar files, creating zips.
namespace StringId {
inline constexpr int ZipReadError = 1095;
inline constexpr int RarReadError = 1096;
inline constexpr int ZipFilter = 1170;
inline constexpr int ZipExists = 1171;
inline constexpr int IndividualZipFolder = 1172;
inline constexpr int IndividualZipExists = 1173;
inline constexpr int ZipCreateFailed = 1304;
inline constexpr int CompressingFiles = 1305;
inline constexpr int CompressProgress = 1306;
inline constexpr int ZipCreateError = 1307;
// The work directory's guard and the extraction limits.
inline constexpr int WorkDirectoryNotOurs = 1720;
inline constexpr int WorkDirectoryTooWide = 1721;
inline constexpr int WorkDirectoryFailed = 1722;
inline constexpr int ArchiveTooManyEntries = 1723;
inline constexpr int ArchiveEntryTooLarge = 1724;
inline constexpr int ArchiveTooLarge = 1725;
} // namespace StringId
