#pragma once

#include <QList>
#include <QString>

// Rating platforms: every stored game and every player row belongs to one.
namespace Platform {

inline constexpr int Zone = 0;
inline constexpr int GpRm = 1;
inline constexpr int GpDm = 2;
inline constexpr int Ip = 3; // not rated
inline constexpr int IgzRm = 4;
inline constexpr int IgzDm = 5;
inline constexpr int kCount = 6;

inline constexpr int kGameTypeDeathMatch = 2;

bool IsValid(int platform);
bool IsRated(int platform);

// The label shown for the platform (translatable); empty for an unknown id.
QString PlatformLabel(int platform);
// The platform of a newly analysed game: the DeathMatch default for game
// type 2, the Random Map default otherwise (from the settings).
int DefaultPlatformFor(int gameType);
// A platform id from a label or a number ("GP RM", "igz-dm", "4"); -1 when
// the text names none.
int PlatformFromText(const QString &text);

// The platform lists of the dialogs, in their order.
QList<int> TopPlayersOrder(); // 0, 4, 5, 1, 2
QList<int> SearchOrder(); // 4, 5, 0, 1, 2, 3
QList<int> RandomMapChoices(); // 0, 4, 1, 3
QList<int> DeathMatchChoices(); // 0, 5, 2, 3

} // namespace Platform
