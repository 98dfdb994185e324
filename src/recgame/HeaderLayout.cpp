#include "recgame/HeaderLayout.h"

#include "recgame/ByteView.h"

#include <algorithm>
#include <cstring>

namespace HeaderLayout {

namespace {

constexpr int kMaxName = 255;
constexpr int kEntries = 9;
// A dimension larger than this cannot be a map; it keeps W·H products far
// from overflowing 64-bit positions.
constexpr qint64 kMaxDimension = 1 << 20;
// Zones hold a float per terrain class, a few hundred at most.
constexpr std::int32_t kMaxZoneFloats = 4096;
// Player records hold a few hundred resource values.
constexpr std::int32_t kMaxResources = 4096;
constexpr std::int32_t kMaxEntryType = 16;
constexpr int kExtendedTile = 0xFF;

qint64 tileCount(std::int32_t w, std::int32_t hgt)
{
    if (w <= 0 || hgt <= 0 || w > kMaxDimension || hgt > kMaxDimension)
        return 0;
    return qint64(w) * hgt;
}

// The zones as the original reader skips them: a fixed size per zone and a
// float count that must be 41.
qint64 skipZonesClassic(const ByteView &h, qint64 b, std::int32_t w, std::int32_t hgt)
{
    const qint64 tiles = (w > kMaxDimension || hgt > kMaxDimension) ? h.size() : std::max<qint64>(0, qint64(w) * hgt);
    const std::int32_t zones = h.i32Or(b + 118, 0);
    qint64 pos = b + 122;
    for (std::int32_t z = 0; z < zones; ++z) {
        pos += 1275 + tiles;
        if (pos >= h.size() || h.i32Or(pos, 0) != 41)
            break;
        pos += 172;
    }
    return pos + 2;
}

bool zoneFloats(const ByteView &h, qint64 pos, std::int32_t *floats)
{
    return h.i32(pos, floats) && *floats >= 0 && *floats <= kMaxZoneFloats;
}

// Zones of the other families: the HD edition stores two bytes per tile and
// a larger table in each zone; the float count is read, not assumed.
qint64 skipZones(const ByteView &h, const CGameVersion &version, qint64 at, qint64 tiles)
{
    const std::int32_t zones = h.i32Or(at, 0);
    qint64 pos = at + 4;
    const qint64 wide = 2048 + 2 * tiles;
    const qint64 narrow = 1275 + tiles;
    for (std::int32_t z = 0; z < zones && pos < h.size(); ++z) {
        qint64 skip = version.isHd() ? wide : narrow;
        std::int32_t floats = 0;
        if (!zoneFloats(h, pos + skip, &floats)) {
            skip = skip == wide ? narrow : wide;
            if (!zoneFloats(h, pos + skip, &floats))
                break;
        }
        pos += skip + 8 + 4LL * floats;
    }
    return pos + 2;
}

bool plausibleEntries(const ByteView &h, qint64 pos)
{
    for (int i = 0; i < kEntries; ++i) {
        std::int32_t number = 0;
        std::int32_t type = 0;
        std::int32_t length = 0;
        if (!h.i32(pos, &number) || !h.i32(pos + 4, &type) || !h.i32(pos + 8, &length))
            return false;
        if (number < 0 || number > 8 || type < 0 || type > kMaxEntryType || length < 0 || length > kMaxName + 1
            || !h.has(pos + 12, length))
            return false;
        pos += 12 + length;
    }
    return true;
}

qint64 entriesStart(const ByteView &h, qint64 g, const CGameVersion &version)
{
    if (version.classicLayout())
        return g + 24;
    // The Age of Kings has one field less before the entries, HD 4.x four
    // more; a file that does not fit its family's place is tried at the others.
    const qint64 preferred = version.family() == CGameVersion::Family::AgeOfKings ? 20 : version.isLateHd() ? 40 : 24;
    for (const qint64 offset : {preferred, qint64(24), qint64(40), qint64(20)})
        if (plausibleEntries(h, g + offset))
            return g + offset;
    return g + preferred;
}

} // namespace

qint64 SkipAiSection(const ByteView &h, const CGameVersion &version)
{
    if (h.i32Or(12, 0) != 1)
        return 16;
    int strings = 0;
    if (!h.i16(18, &strings))
        return h.size();
    qint64 pos = 24;
    for (int i = 0; i < strings; ++i) {
        std::int32_t len = 0;
        if (!h.i32(pos, &len) || len < 0 || !h.has(pos + 4, len))
            return h.size();
        pos += 4 + len;
    }
    pos += 6;
    for (int block = 0; block < 8; ++block) {
        int rules = 0;
        if (!h.i16(pos + 10, &rules) || rules < 0)
            return h.size();
        pos += 16 + 400LL * rules;
        if (pos > h.size())
            return h.size();
    }
    // The HD edition keeps 1280 more bytes of AI state after the rules.
    return pos + 5544 + (version.isHd() ? 1280 : 0);
}

MapSection ReadMapSection(const ByteView &h, const CGameVersion &version)
{
    MapSection map;
    map.b = SkipAiSection(h, version);
    // The Age of Kings' game information is two bytes shorter before the map.
    const qint64 sizeAt = map.b + (version.family() == CGameVersion::Family::AgeOfKings ? 108 : 110);
    map.width = h.i32Or(sizeAt, 0);
    map.height = h.i32Or(sizeAt + 4, 0);
    map.tiles = tileCount(map.width, map.height);
    map.firstTile = version.classicLayout() ? skipZonesClassic(h, map.b, map.width, map.height)
                                            : skipZones(h, version, sizeAt + 8, map.tiles);
    return map;
}

qint64 ReadTiles(const ByteView &h, const CGameVersion &version, const MapSection &map, std::uint8_t *terrain,
                 qint64 maxCopy)
{
    // UserPatch 1.5 marks a tile of four bytes with 0xFF, its terrain id next.
    const bool extended = version.family() == CGameVersion::Family::UserPatch15;
    if (!extended) {
        const qint64 n = terrain ? std::min(map.tiles, maxCopy) : 0;
        for (qint64 i = 0; i < n && h.has(map.firstTile + 2 * i, 1); ++i)
            terrain[i] = std::uint8_t(*h.at(map.firstTile + 2 * i));
        return std::min(map.firstTile + 2 * map.tiles, h.size());
    }
    qint64 pos = map.firstTile;
    for (qint64 i = 0; i < map.tiles; ++i) {
        int id = 0;
        if (!h.u8(pos, &id))
            return h.size();
        if (id == kExtendedTile) {
            id = h.u8Or(pos + 1, 0);
            pos += 4;
        } else {
            pos += 2;
        }
        if (terrain && i < maxCopy)
            terrain[i] = std::uint8_t(id);
    }
    return std::min(pos, h.size());
}

std::vector<Entry> ReadEntries(const ByteView &h, qint64 g, const CGameVersion &version)
{
    std::vector<Entry> entries;
    qint64 pos = entriesStart(h, g, version);
    for (int i = 0; i < kEntries; ++i) {
        Entry e;
        std::int32_t length = 0;
        if (!h.i32(pos, &e.number) || !h.i32(pos + 8, &length) || length < 0 || !h.has(pos + 12, length))
            break;
        h.i32(pos + 4, &e.type);
        const qint64 used = std::min<qint64>(length, kMaxName);
        const char *raw = h.at(pos + 12);
        const void *nul = used > 0 ? std::memchr(raw, 0, size_t(used)) : nullptr;
        e.name = QByteArray(raw, nul ? static_cast<const char *>(nul) - raw : used);
        entries.push_back(std::move(e));
        pos += 12 + length;
    }
    return entries;
}

bool CivilizationAndColour(const ByteView &h, const CGameVersion &version, qint64 p, qint64 n, int *civilization,
                           int *colour, qint64 *next)
{
    if (version.classicLayout()) {
        *civilization = h.u8Or(p + n + 817, 0);
        *colour = h.u8Or(p + n + 821, 0);
        *next = p + n + 5008;
        return true;
    }
    // After the name: its NUL, a marker byte, the resource count, a marker
    // byte and the resources; then the start position and the civilization
    // and colour, four bytes apart.
    std::int32_t resources = 0;
    if (!h.i32(p + n + 2, &resources) || resources < 0 || resources > kMaxResources)
        return false;
    const qint64 civAt = p + n + 4LL * resources + (version.family() == CGameVersion::Family::AgeOfKings ? 21 : 25);
    if (!h.u8(civAt, civilization) || !h.u8(civAt + 4, colour))
        return false;
    *next = civAt + 5;
    return true;
}

} // namespace HeaderLayout
