#pragma once

#include <QString>

// Country ids of the players (0 "No Flag" to 195), their names and the
// country texts of the web rating services.
namespace Country {

inline constexpr int NoFlag = 0;
inline constexpr int kCount = 196;
inline constexpr int kServiceCount = 71;

bool IsValid(int country);
// The translatable name of a country id; empty for an unknown id.
QString CountryName(int country);
// The name as the program ships it, never translated.
QString EnglishCountryName(int country);
// The id of a country text of the rating service, ignoring case; 0 when the
// text is not one of the service's names.
int CountryFromServiceName(const QString &text);
// The service's name at table position index (0..70).
QString ServiceName(int index);
// The id of a country named by its id number or its name; -1 when none.
int CountryFromName(const QString &text);

} // namespace Country
