#pragma once

#include "app/StringTable.h"

// Ids of the texts of the window, its dialogs and its status bar.
namespace StringId {
inline constexpr int StatusReady = 106;
inline constexpr int FilesCounter = 107;
inline constexpr int GamesCounter = 108;
inline constexpr int PleaseRestart = 129;
inline constexpr int IpTooltip = 1077;
inline constexpr int PlayerTooltip = 1078;
inline constexpr int ColumnName = 1160; // .. 1165 "Date"
inline constexpr int SearchWaitTitle = 1192;
inline constexpr int SearchWaitText = 1225;
inline constexpr int InvalidNameCharacters = 1230;
inline constexpr int DateFormatLabelBase = 1248; // .. 1256
inline constexpr int DateFormatBase = 1267; // .. 1275
inline constexpr int ConfigurationTitle = 1292;
inline constexpr int PleaseWaitTitle = 1296;
inline constexpr int PageProgress = 1300;
inline constexpr int LoadingFiles = 1303;
inline constexpr int Version10Filter = 1310;
inline constexpr int FolderLabel = 1313;
inline constexpr int TranslatorName = 1314;
inline constexpr int TranslatorFlag = 1315;
inline constexpr int DateLabels = 1316;
inline constexpr int ScanningDirectory = 1321;
inline constexpr int FilesProgress = 1322;
inline constexpr int ProductName = 1325;
inline constexpr int VersionLine = 1326;
inline constexpr int CreditLine = 1327;
inline constexpr int TranslatedBy = 1331;
} // namespace StringId

namespace StringId {
inline constexpr int RatingLine = 1069;
inline constexpr int CivilizationLine = 1070;
} // namespace StringId
