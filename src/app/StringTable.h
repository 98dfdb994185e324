#pragma once

#include <QString>

// The system's texts by id. Each id maps to an English source text that a
// Qt translation (context "StringTable") may replace, so callers never hold
// the texts themselves. An unknown id yields an empty string.
QString LoadString(int id);

// The source text of an id, untranslated (the English name tables).
QString SourceString(int id);

namespace StringId {
inline constexpr int FatalDatabase = 1000;
inline constexpr int Error = 1001;
inline constexpr int CivilizationBase = 1001;  // + civilization 1..18
inline constexpr int GameTypeBase = 1020;      // + game type 0..8
inline constexpr int MapNameBase = 1023;       // + map id 9..35
inline constexpr int Scenario = 1023;
inline constexpr int ResignLine = 1060;
inline constexpr int MatchSize1v1 = 1061;      // .. 1064 "4 vs 4"
inline constexpr int MatchSizeFFA = 1065;
inline constexpr int MatchSizeNone = 1066;
inline constexpr int PlatformIP = 1067;
inline constexpr int NoRating = 1068;
inline constexpr int PreChatHeader = 1071;
inline constexpr int GameChatHeader = 1072;
inline constexpr int FeudalLine = 1074;
inline constexpr int CastleLine = 1075;
inline constexpr int ImperialLine = 1076;
inline constexpr int DefaultDateFormat = 1092;
inline constexpr int EnglishMapNameBase = 1092; // + map id 9..35
inline constexpr int Attention = 1097;
inline constexpr int Team = 1098;
inline constexpr int EnglishScenario = 1100;
inline constexpr int LaterCivilizationBase = 1800; // + civilization 19..31
inline constexpr int LaterMapNameBase = 1900;      // + map id 36..105
} // namespace StringId
