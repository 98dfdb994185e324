#pragma once

#include "recgame/GameVersion.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

class ByteView;

// Where the parts of a header lie in each family's layout: the AI section,
// the map with its zones and tiles, the lobby's player entries and the
// civilization and colour inside a player record. The families the reader
// was first written for keep their original walk; the others are read the
// way they are written.
namespace HeaderLayout {

// Entry type of a lobby seat taken by somebody who watches the game.
inline constexpr std::int32_t kSpectatorEntry = 6;

// Position of the AI flag: 12, or after the lobby settings block that HD
// saves after 12.34 put first.
qint64 AiFlagPosition(const ByteView &h, const CGameVersion &version);

// Position after the AI section (B), or 4 bytes after the AI flag without one.
qint64 SkipAiSection(const ByteView &h, const CGameVersion &version);

struct MapSection
{
    qint64 b = 16;          // game information starts here
    std::int32_t width = 0;
    std::int32_t height = 0;
    qint64 tiles = 0;       // width x height, 0 when either is not a size
    qint64 firstTile = 0;   // position of the tile array
};

MapSection ReadMapSection(const ByteView &h, const CGameVersion &version);

// Walks the tile array: copies up to maxCopy terrain ids into terrain (when
// not null) and returns the position after the array, or the header size
// when it runs out.
qint64 ReadTiles(const ByteView &h, const CGameVersion &version, const MapSection &map, std::uint8_t *terrain,
                 qint64 maxCopy);

struct Entry
{
    std::int32_t number = 0;
    std::int32_t type = 0;
    QByteArray name; // up to the first NUL, at most 255 bytes
};

// The nine player entries of the game settings at G; fewer when the buffer
// ends first.
std::vector<Entry> ReadEntries(const ByteView &h, qint64 g, const CGameVersion &version);

// Civilization and colour of the player record whose name (n bytes) starts
// at p; false when the record does not hold them.
bool CivilizationAndColour(const ByteView &h, const CGameVersion &version, qint64 p, qint64 n, int *civilization,
                           int *colour, qint64 *next);

} // namespace HeaderLayout
