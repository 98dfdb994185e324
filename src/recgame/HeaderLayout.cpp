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

// HD saves after 12.34 open with a block of lobby settings, strings of an
// int16 length and the bytes 60 0A, and sections closed by A3 5F 02 00.
class HdSettingsWalk
{
public:
    explicit HdSettingsWalk(const ByteView &h)
        : m_h(h)
    {
    }

    // Position after the block that starts at pos, or -1 when it does not
    // have the block's shape.
    qint64 skip(qint64 pos)
    {
        float number = 0;
        if (!m_h.has(pos, 4))
            return -1;
        std::memcpy(&number, m_h.at(pos), 4);
        if (!(number >= 1000 && number < 2000))
            return -1;
        m_version = int(number);
        pos += 12;
        std::int32_t dlcs = 0;
        if (!m_h.i32(pos, &dlcs) || dlcs < 0 || dlcs > kMaxDlcs)
            return -1;
        pos += 4 + 4LL * dlcs + 4 + 8 * 4 + (m_version >= 1006 ? 4 : 0);
        if (!separator(pos))
            return -1;
        if (m_version == 1000 && (!string(pos) || !string(pos)))
            return -1;
        if (!separator(pos))
            return -1;
        pos += 6 * 4;
        if (!separator(pos))
            return -1;
        pos += 16;
        if (m_version == 1000) {
            pos += 120;
            if (!separator(pos))
                return -1;
            pos += 40;
            for (int i = 0; i < 8; ++i)
                if (!string(pos))
                    return -1;
            pos += 16;
            return separator(pos) ? pos + 10 : -1;
        }
        // Some saves store two ratings after each player, others not: when
        // the int32 after the first player equals its first field, they do not.
        qint64 probe = pos;
        const std::int32_t first = m_h.i32Or(pos, -1);
        if (!player(probe, false))
            return -1;
        const bool ratings = m_version >= 1006 && m_h.i32Or(probe, -2) != first;
        for (int i = 0; i < 8; ++i)
            if (!player(pos, ratings))
                return -1;
        pos += 3 + 9;
        if (!separator(pos))
            return -1;
        pos += 2 + 4 + 4;
        for (int i = 0; i < 3; ++i) {
            if (!string(pos))
                return -1;
            pos += 8;
        }
        pos += 16;
        if (!string(pos) || !string(pos))
            return -1;
        pos += 4;
        if (m_version >= 1005) {
            pos += 4;
            if (!string(pos))
                return -1;
            pos += 4;
        }
        return m_h.has(pos, 0) ? pos : -1;
    }

private:
    static constexpr std::int32_t kMaxDlcs = 1024;

    bool separator(qint64 &pos)
    {
        if (!m_h.equals(pos, "\xA3\x5F\x02\x00", 4))
            return false;
        pos += 4;
        return true;
    }

    bool string(qint64 &pos)
    {
        int length = 0;
        if (!m_h.i16(pos, &length) || length < 0 || !m_h.equals(pos + 2, "\x60\x0A", 2) || !m_h.has(pos + 4, length))
            return false;
        pos += 4 + length;
        return true;
    }

    // DLC, colour, (a byte), 2 bytes, data checksum, a byte, team, civilization,
    // AI type, a byte, (AI name), name, seat type, Steam id, player number,
    // (two ratings).
    bool player(qint64 &pos, bool ratings)
    {
        pos += 4 + 4 + (m_version >= 1006 ? 1 : 0) + 2 + 4 + 1 + 4 + 4;
        if (!string(pos))
            return false;
        pos += 1;
        if (m_version >= 1005 && !string(pos))
            return false;
        if (!string(pos))
            return false;
        pos += 4 + 8 + 4 + (ratings ? 8 : 0);
        return m_h.has(pos, 0);
    }

    const ByteView &m_h;
    int m_version = 0;
};

} // namespace

qint64 AiFlagPosition(const ByteView &h, const CGameVersion &version)
{
    constexpr qint64 kAfterVersion = 12;
    if (!version.isHd() || version.saveVersion() <= 12.34)
        return kAfterVersion;
    HdSettingsWalk walk(h);
    const qint64 end = walk.skip(kAfterVersion);
    // The AI flag that follows is 0 or 1; anything else means the walk went astray.
    const std::int32_t flag = end >= 0 ? h.i32Or(end, -1) : -1;
    return (flag == 0 || flag == 1) ? end : kAfterVersion;
}

qint64 SkipAiSection(const ByteView &h, const CGameVersion &version)
{
    const qint64 flag = AiFlagPosition(h, version);
    if (h.i32Or(flag, 0) != 1)
        return flag + 4;
    int strings = 0;
    if (!h.i16(flag + 6, &strings))
        return h.size();
    qint64 pos = flag + 12;
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
