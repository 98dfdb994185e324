#pragma once

// Command identifiers of the menus, the popup menu of the game list and the
// toolbar. Language modules and the status-bar texts are keyed by them, so
// they never change.
namespace Cmd {
inline constexpr int CreateFolder = 32880;
inline constexpr int ChangeFolder = 32878;
inline constexpr int Search = 32882;
inline constexpr int Launch10c = 32961;
inline constexpr int Launch10 = 32962;
inline constexpr int Launch = 32881;
inline constexpr int Exit = 57665;

inline constexpr int ZipAsk = 32886;
inline constexpr int ZipCurrent = 32887;
inline constexpr int ZipDesktop = 32888;
inline constexpr int ZipEachAsk = 32889;
inline constexpr int ZipEachCurrent = 32890;
inline constexpr int ZipEachDesktop = 32891;
inline constexpr int PopupZipAsk = 32782;
inline constexpr int PopupZipCurrent = 32810;
inline constexpr int PopupZipDesktop = 32811;
inline constexpr int PopupZipEachAsk = 32812;
inline constexpr int PopupZipEachCurrent = 32813;
inline constexpr int PopupZipEachDesktop = 32814;

inline constexpr int Rename = 32879;
inline constexpr int PopupRename = 32778;
inline constexpr int RenameFormatFirst = 32901; // .. 32910
inline constexpr int RenameFormatLast = 32910;

inline constexpr int MoveAsk = 32892;
inline constexpr int MoveSaveGame = 32893;
inline constexpr int MoveDesktop = 32918;
inline constexpr int PopupMoveAsk = 32781;
inline constexpr int PopupMoveSaveGame = 32797;
inline constexpr int PopupMoveDesktop = 32799;
inline constexpr int CopyAsk = 32895;
inline constexpr int CopySaveGame = 32896;
inline constexpr int CopyDesktop = 32897;
inline constexpr int PopupCopyAsk = 32779;
inline constexpr int PopupCopySaveGame = 32795;
inline constexpr int PopupCopyDesktop = 32794;
inline constexpr int Delete = 32840;
inline constexpr int PopupDelete = 32780;

inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int ViewSplit = 57653;
inline constexpr int TopPlayers = 32919;
inline constexpr int Refresh = 32851;
inline constexpr int PopupRefresh = 32798;
inline constexpr int RefreshRatings = 32862;
inline constexpr int PopupRefreshRatings = 32785;

inline constexpr int PlatformZone = 32898;
inline constexpr int PlatformIgzRm = 32971;
inline constexpr int PlatformIgzDm = 32972;
inline constexpr int PlatformGpRm = 32911;
inline constexpr int PlatformGpDm = 32912;
inline constexpr int PlatformIp = 32960;
inline constexpr int PlatformChinaZone = 32913;
inline constexpr int PopupPlatformZone = 32787;
inline constexpr int PopupPlatformIgzRm = 32969;
inline constexpr int PopupPlatformIgzDm = 32970;
inline constexpr int PopupPlatformGpRm = 32789;
inline constexpr int PopupPlatformGpDm = 32788;
inline constexpr int PopupPlatformIp = 32958;
inline constexpr int PopupPlatformChinaZone = 32791;

inline constexpr int Reanalyze = 32914;
inline constexpr int PopupReanalyze = 32784;
inline constexpr int EditPlayers = 32869;
inline constexpr int PopupEditPlayers = 32790;
inline constexpr int CopyDescription = 32870;
inline constexpr int PopupCopyDescription = 32792;
inline constexpr int Configuration = 32852;
inline constexpr int Language = 32915;
inline constexpr int LanguageFirst = 28416;
inline constexpr int RenameFormats = 32916;
inline constexpr int DatabaseManagement = 32853;
inline constexpr int Site1 = 32871;
inline constexpr int Site2 = 32873;
inline constexpr int Site3 = 32872;
inline constexpr int Site4 = 32917;
inline constexpr int Site5 = 32876;
inline constexpr int Site6 = 32874;
inline constexpr int About = 57664;
inline constexpr int FullScan = 32968;
} // namespace Cmd
