#pragma once

#include <QPixmap>
#include <QString>

// The flag pictures of the country ids 0..195, taken from the system's flag
// set. Ids without a flag of their own (0 "No Flag", "Ussr", unknown ids)
// show the "No Flag" picture: a transparent one of the same size.
namespace CountryFlags {

inline constexpr int kWidth = 16;
inline constexpr int kHeight = 11;

// The folder of the flag files; tests may point it elsewhere.
void SetFlagDirectory(const QString &folder);

// Lower-case file stem of the country's flag ("de", "england"), "" for none.
QString FlagCode(int country);

QPixmap Flag(int country);

// The file of the country's flag, empty when it has none (rich-text tooltips
// show pictures by file).
QString FlagFile(int country);

} // namespace CountryFlags
