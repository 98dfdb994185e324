// The header parser does not decode the header as a whole: it finds the
// trigger and settings markers near its end, reads fields at fixed distances
// from them and from the start, skips variable sections by their lengths and
// finds civilizations and colours by searching for the players' names.
// Every position is checked against the buffer; a field that lies outside it
// ends that step and leaves the record's defaults.

#include "recgame/RecordedGame.h"

#include "app/Settings.h"
#include "app/StringTable.h"
#include "app/TextCodec.h"
#include "recgame/ByteView.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr qint64 kMarkerFloor = 18000;
constexpr qint64 kMapTypeFloor = 100000;
constexpr int kMaxName = 255;
constexpr int kMaxMapName = 100;
constexpr int kMaxChatMessage = 256;
// A real lobby holds a few hundred messages at most. Without a ceiling a
// header inflated from a few kilobytes of "@#1" repeated would make
// gigabytes of lines.
constexpr qsizetype kMaxPreGameChat = 1 << 22;
// A dimension larger than this cannot be a map; it keeps W·H products far
// from overflowing 64-bit positions.
constexpr qint64 kMaxDimension = 1 << 20;

const unsigned char kTriggerMarker[8] = {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xF9, 0x3F};
const unsigned char kSettingsMarker[4] = {0x9D, 0xFF, 0xFF, 0xFF};

struct Markers
{
    qint64 g = 0; // first byte of the settings marker
    qint64 m = 0; // just after the trigger marker
};

Markers findMarkers(const ByteView &h)
{
    Markers found;
    if (h.size() <= kMarkerFloor)
        return found;
    bool haveM = false;
    const auto *bytes = reinterpret_cast<const unsigned char *>(h.at(0));
    // p is the last byte of the compared bytes; only bytes inside the header
    // count. The last byte alone rules out almost every position, so the
    // whole marker is compared only where it matches.
    for (qint64 p = h.size() - 1; p > kMarkerFloor; --p) {
        if (!haveM) {
            if (bytes[p] == kTriggerMarker[7] && h.equals(p - 7, kTriggerMarker, 8)) {
                found.m = p + 1;
                haveM = true;
            }
        } else if (bytes[p] == kSettingsMarker[3] && h.equals(p - 3, kSettingsMarker, 4)) {
            found.g = p - 3;
            break;
        }
    }
    return found;
}

struct NameEntry
{
    QByteArray bytes; // raw name up to the first NUL
};

// Position after the AI section (B), or 16 without one.
qint64 skipAiSection(const ByteView &h)
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
    return pos + 5544;
}

qint64 tileCount(std::int32_t w, std::int32_t hgt)
{
    if (w <= 0 || hgt <= 0 || w > kMaxDimension || hgt > kMaxDimension)
        return 0;
    return qint64(w) * hgt;
}

// Skips the zones; returns the position of the first tile (T).
qint64 skipZones(const ByteView &h, qint64 b, std::int32_t w, std::int32_t hgt)
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

// One trigger as laid out after the trigger count; false when it leaves the buffer.
bool skipTrigger(const ByteView &h, qint64 &pos)
{
    const auto skipString = [&]() {
        std::int32_t len = 0;
        if (!h.i32(pos, &len) || len < 0 || !h.has(pos + 4, len))
            return false;
        pos += 4 + len;
        return true;
    };
    const auto readCount = [&](std::int32_t *count) { return h.i32(pos, count) && (pos += 4, true); };

    pos += 18;
    if (!skipString() || !skipString())
        return false;
    std::int32_t effects = 0;
    if (!readCount(&effects) || effects < 0)
        return false;
    for (std::int32_t e = 0; e < effects; ++e) {
        pos += 24;
        std::int32_t selected = 0;
        if (!readCount(&selected))
            return false;
        if (selected == -1)
            selected = 0;
        if (selected < 0)
            return false;
        pos += 72;
        if (!skipString() || !skipString())
            return false;
        pos += 4LL * selected;
        if (pos > h.size())
            return false;
    }
    pos += 4LL * effects;
    std::int32_t conditions = 0;
    if (!readCount(&conditions) || conditions < 0)
        return false;
    pos += 76LL * conditions;
    return pos <= h.size();
}

// Position A after the trigger section, or -1 when it cannot be walked.
qint64 skipTriggers(const ByteView &h, qint64 m)
{
    qint64 pos = m + 1;
    std::int32_t count = 0;
    if (!h.i32(pos, &count) || count < 0)
        return -1;
    pos += 4;
    for (std::int32_t t = 0; t < count; ++t)
        if (!skipTrigger(h, pos))
            return -1;
    pos += 4LL * count;
    return pos <= h.size() ? pos : -1;
}

// A name as the player records hold it: an int16 of its length plus one, then the bytes.
QByteArray withLengthField(const QByteArray &name)
{
    const int field = int(name.size()) + 1;
    return QByteArray(1, char(field & 0xFF)) + char((field >> 8) & 0xFF) + name;
}

QString decodeUpToNul(const ByteView &h, qint64 pos, qint64 maxLength)
{
    const qint64 length = std::clamp<qint64>(std::min(maxLength, h.size() - pos), 0, maxLength);
    if (length <= 0 || pos < 0)
        return QString();
    const char *p = h.at(pos);
    const void *nul = std::memchr(p, 0, size_t(length));
    return TextCodec::Decode(p, nul ? static_cast<const char *>(nul) - p : length);
}

// Language labels of the "Map Type" line of the game's instructions.
struct MapTypeLabel
{
    const char *bytes;
    int length;
    bool spaceBeforeColon;
};

const MapTypeLabel kMapTypeLabels[] = {
    {"Map Type", 8, false},
    {"Tipo de mapa", 12, false},
    {"Kartentyp", 9, false},
    {"\x83\x7D\x83\x62\x83\x76\x82\xCC\x8E\xED\x97\xDE", 12, false},
    {"\xB5\xD8\xCD\xBC\xC0\xE0\xD0\xCD", 8, false},
    {"\xA6\x61\xB9\xCF\xC3\xFE\xA7\x4F", 8, false},
    {"\xC1\xF6\xB5\xB5\x20\xC1\xBE\xB7\xF9", 9, false},
    {"\xD2\xE8\xEF\x20\xCA\xE0\xF0\xF2\xFB", 9, false},
    {"Type de carte", 13, true},
};

// Which bytes end a label, for labels right before the colon and for those
// with one byte between: text full of ": " would otherwise compare every
// label at every other position of a header of hundreds of megabytes.
struct LabelEnds
{
    bool plain[256] = {};
    bool spaced[256] = {};
    LabelEnds()
    {
        for (const MapTypeLabel &label : kMapTypeLabels)
            (label.spaceBeforeColon ? spaced : plain)[static_cast<unsigned char>(label.bytes[label.length - 1])] = true;
    }
};

QString findMapTypeName(const ByteView &h)
{
    static const LabelEnds ends;
    const qint64 top = h.size() - kMarkerFloor;
    if (top <= kMapTypeFloor)
        return QString();
    // Every position read directly lies between kMapTypeFloor - 3 and top,
    // inside the header.
    const auto *d = reinterpret_cast<const unsigned char *>(h.at(0));
    for (qint64 p = top; p > kMapTypeFloor; --p) {
        const int a = d[p - 1];
        const int b = d[p];
        if ((a == ':' && b == ' ') || (a == 0xA1 && b == 0x47)) {
            if (!ends.plain[d[p - 2]] && !ends.spaced[d[p - 3]])
                continue;
            for (const MapTypeLabel &label : kMapTypeLabels) {
                const qint64 end = p - 1 - (label.spaceBeforeColon ? 1 : 0);
                if (h.equals(end - label.length, label.bytes, label.length)) {
                    const qint64 from = p + 1;
                    qint64 to = from;
                    while (to < h.size() && to - from < kMaxMapName && *h.at(to) != '\n')
                        ++to;
                    return from < h.size() ? TextCodec::Decode(h.at(from), to - from) : QString();
                }
            }
        } else if (b == 'A' && h.equals(p - 3, "GAIA", 4)) {
            return QString();
        }
    }
    return QString();
}

} // namespace

void CRecordedGame::readPreGameChat(qsizetype from)
{
    const ByteView h(header);
    preGameChat = LoadString(StringId::PreChatHeader) + QStringLiteral("\r\n\r\n");
    if (from < 0)
        return;
    const char *data = header.constData();
    qint64 p = from;
    while (p + 2 < h.size() && preGameChat.size() < kMaxPreGameChat) {
        const void *hit = std::memchr(data + p, '@', size_t(h.size() - p));
        if (!hit)
            break;
        p = static_cast<const char *>(hit) - data;
        if (p + 2 < h.size() && data[p + 1] == '#' && data[p + 2] >= '1' && data[p + 2] <= '8') {
            std::int32_t length = 0;
            if (h.i32(p - 4, &length)) {
                const qint64 copy = qint64(std::min(length, kMaxChatMessage)) - 3;
                if (copy > 0)
                    preGameChat += decodeUpToNul(h, p + 3, copy) + QStringLiteral("\r\n");
            }
        }
        ++p;
    }
}

void CRecordedGame::Analyze(bool readTerrain)
{
    mapWidth = mapHeight = 0;
    if (header.isEmpty())
        return;
    const ByteView h(header);
    const CSettings &settings = CSettings::Instance();

    const Markers markers = findMarkers(h);
    mapId = h.i32Or(markers.g + 12, 0);
    bool normalGame = true;
    if (mapId == kMapIdScenario) {
        mapName = LoadString(StringId::Scenario);
        normalGame = false;
        if (!settings.analyzeScenario)
            return;
    }

    // Player entries: number, an unused int32, name length, name.
    std::vector<NameEntry> names;
    qint64 pos = markers.g + 24;
    for (int i = 0; i < kSlots; ++i) {
        std::int32_t number = 0;
        std::int32_t length = 0;
        if (!h.i32(pos, &number) || !h.i32(pos + 8, &length) || length < 0 || !h.has(pos + 12, length))
            break;
        if (number >= 1 && number <= 8) {
            CPlayer &player = players[i];
            const qint64 used = std::min<qint64>(length, kMaxName);
            const char *raw = h.at(pos + 12);
            const void *nul = std::memchr(raw, 0, size_t(used));
            const qint64 nameLength = nul ? static_cast<const char *>(nul) - raw : used;
            player.name = TextCodec::Decode(raw, nameLength);
            player.number = number;
            const bool firstOfNumber = std::none_of(players.begin(), players.begin() + i,
                                                    [&](const CPlayer &p) { return p.number == number; });
            if (firstOfNumber) {
                player.active = true;
                names.push_back({QByteArray(raw, nameLength)});
            }
        }
        pos += 12 + length;
    }

    // Game information after the optional AI section.
    const qint64 b = skipAiSection(h);
    povSlot = h.u8Or(b + 45, 0);
    if (povSlot < 1 || povSlot > 8)
        povSlot = 0;
    int povNumber = players[povSlot].number;
    if (povNumber < 1 || povNumber > 8)
        povNumber = 0;
    povSlot = povNumber;
    playerCount = h.u8Or(b + 47, 0) - 1;
    const std::int32_t w = h.i32Or(b + 110, 0);
    const std::int32_t hgt = h.i32Or(b + 114, 0);
    mapWidth = w;
    mapHeight = hgt;
    const qint64 firstTile = skipZones(h, b, w, hgt);
    const qint64 tiles = tileCount(w, hgt);

    terrain.fill(0x41);
    if (normalGame && readTerrain) {
        const qint64 n = std::min<qint64>(tiles, kTerrainSize);
        for (qint64 i = 0; i < n && h.has(firstTile + 2 * i, 1); ++i)
            terrain[size_t(i)] = std::uint8_t(*h.at(firstTile + 2 * i));
    }

    // Civilization and colour: each name occurs again in the player records,
    // preceded by an int16 of its length plus one.
    if (!names.empty() && markers.m > 0) {
        const qint64 start = firstTile + 3 * tiles + playerCount + 1012;
        size_t current = 0;
        int matched = 0;
        int slot = 0;
        qint64 p = std::max<qint64>(start, 2);
        const char *data = header.constData();
        while (p < markers.m && current < names.size()) {
            const QByteArray &name = names[current].bytes;
            if (name.isEmpty())
                break;
            // The length field and the name are searched together: the longer
            // pattern lets the search skip further, and a hit needs no check.
            const QByteArray pattern = withLengthField(name);
            const void *hit = memmem(data + p - 2, size_t(markers.m - (p - 2)), pattern.constData(),
                                     size_t(pattern.size()));
            if (!hit)
                break;
            p = static_cast<const char *>(hit) - data + 2;
            ++slot;
            while (slot <= 8 && !players[slot].active)
                ++slot;
            if (slot > 8)
                break;
            const qint64 n = name.size();
            players[slot].civilization = h.u8Or(p + n + 817, 0);
            players[slot].colour = h.u8Or(p + n + 821, 0);
            ++current;
            if (++matched == playerCount)
                break;
            const qint64 q = p + n + 5008;
            std::int32_t skip = 0;
            if (!h.i32(q, &skip))
                break;
            p = std::max(q + skip + 1, p + 1);
        }
    }

    if (mapId == 30 || mapId == 44)
        mapName = findMapTypeName(h);

    // Triggers, then teams, game type and the lobby chat.
    const qint64 a = skipTriggers(h, markers.m);
    if (a >= 0) {
        for (int s = 1; s <= 8; ++s)
            players[s].team = h.u8Or(a + s - 1, 1) - 1;
        gameType = h.u8Or(a + 25, 0);
    }
    readPreGameChat(a >= 0 ? a + 31 : -1);

    scanBody(true);

    // Match size from the player count.
    switch (playerCount) {
    case 2:
        matchSize = 1;
        players[size_t(povNumber)].team = kTeamRecordingDuel;
        break;
    case 4:
        matchSize = 2;
        break;
    case 3:
    case 5:
    case 7: {
        matchSize = kMatchSizeFFA;
        for (int s = 1; s <= playerCount; ++s)
            if (players[s].team != 0)
                matchSize = kMatchSizeNone;
        break;
    }
    case 6:
    case 8: {
        const bool anyTeam = std::any_of(players.begin() + 1, players.begin() + 1 + playerCount,
                                         [](const CPlayer &p) { return p.team != 0; });
        matchSize = anyTeam ? (playerCount == 6 ? 3 : 4) : kMatchSizeFFA;
        break;
    }
    default:
        matchSize = kMatchSizeNone;
        break;
    }

    completePartners(false);

    for (int s = 1; s <= 8; ++s) {
        if (players[s].active && players[s].number == povNumber) {
            povSlot = s;
            break;
        }
    }
    povPlayer = players[size_t(std::clamp(povSlot, 0, 8))];
}

void CRecordedGame::completePartners(bool byFeudalTime)
{
    for (int s = 1; s <= 8; ++s) {
        CPlayer &partner = players[s];
        if (byFeudalTime ? partner.feudalTime != 0 : partner.active)
            continue;
        for (int o = 1; o <= 8; ++o) {
            if (o == s || players[o].number != partner.number)
                continue;
            const CPlayer &source = players[o];
            partner.civilization = source.civilization;
            partner.colour = source.colour;
            partner.team = source.team;
            partner.feudalTime = source.feudalTime;
            partner.castleTime = source.castleTime;
            partner.imperialTime = source.imperialTime;
            partner.firstFeudal = source.firstFeudal;
            partner.firstCastle = source.firstCastle;
            partner.firstImperial = source.firstImperial;
            break;
        }
    }
}

void CRecordedGame::Reanalyze(bool scan)
{
    mapWidth = mapHeight = 0;
    if (header.isEmpty())
        return;
    const ByteView h(header);
    const Markers markers = findMarkers(h);
    const qint64 b = skipAiSection(h);
    const std::int32_t w = h.i32Or(b + 110, 0);
    const std::int32_t hgt = h.i32Or(b + 114, 0);
    mapWidth = w;
    mapHeight = hgt;
    const qint64 firstTile = skipZones(h, b, w, hgt);
    if (gameType != kGameTypeScenario) {
        const qint64 n = std::min<qint64>(tileCount(w, hgt), kTerrainSize);
        for (qint64 i = 0; i < n && h.has(firstTile + 2 * i, 1); ++i)
            terrain[size_t(i)] = std::uint8_t(*h.at(firstTile + 2 * i));
    }
    if (!scan)
        return;
    readPreGameChat(markers.m + 31);
    scanBody(false);
    completePartners(true);
}
