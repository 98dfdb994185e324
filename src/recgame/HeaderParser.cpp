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
#include "recgame/HeaderLayout.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr qint64 kMarkerFloor = 18000;
constexpr qint64 kMapTypeFloor = 100000;
constexpr int kMaxMapName = 100;
constexpr int kMaxChatMessage = 256;
// A real lobby holds a few hundred messages at most. Without a ceiling a
// header inflated from a few kilobytes of "@#1" repeated would make
// gigabytes of lines.
constexpr qsizetype kMaxPreGameChat = 1 << 22;

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
    version = CGameVersion::Detect(header, body);
    spectators.clear();
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

    // Player entries: number, type, name length, name. Seats taken by
    // spectators are listed apart and leave their slot empty.
    const bool classic = version.classicLayout();
    std::vector<NameEntry> names;
    const std::vector<HeaderLayout::Entry> entries = HeaderLayout::ReadEntries(h, markers.g, version);
    for (size_t i = 0; i < entries.size() && i < size_t(kSlots); ++i) {
        const HeaderLayout::Entry &entry = entries[i];
        const int number = entry.number;
        if (number < 1 || number > 8)
            continue;
        if (!classic && entry.type == HeaderLayout::kSpectatorEntry) {
            spectators << TextCodec::Decode(entry.name.constData(), entry.name.size());
            continue;
        }
        CPlayer &player = players[i];
        player.name = TextCodec::Decode(entry.name.constData(), entry.name.size());
        player.number = number;
        const bool firstOfNumber = std::none_of(players.begin(), players.begin() + qsizetype(i),
                                                [&](const CPlayer &p) { return p.number == number; });
        if (firstOfNumber) {
            player.active = true;
            names.push_back({entry.name});
        }
    }

    // Game information after the optional AI section.
    const HeaderLayout::MapSection map = HeaderLayout::ReadMapSection(h, version);
    const qint64 b = map.b;
    povSlot = h.u8Or(b + 45, 0);
    if (povSlot < 1 || povSlot > 8)
        povSlot = 0;
    int povNumber = players[povSlot].number;
    if (povNumber < 1 || povNumber > 8)
        povNumber = 0;
    povSlot = povNumber;
    playerCount = h.u8Or(b + 47, 0) - 1 - int(spectators.size());
    mapWidth = map.width;
    mapHeight = map.height;
    const qint64 firstTile = map.firstTile;
    const qint64 tiles = map.tiles;

    terrain.fill(0x41);
    const bool copyTerrain = normalGame && readTerrain;
    const qint64 tilesEnd
        = HeaderLayout::ReadTiles(h, version, map, copyTerrain ? terrain.data() : nullptr, kTerrainSize);

    // Civilization and colour: each name occurs again in the player records,
    // preceded by an int16 of its length plus one.
    if (!names.empty() && markers.m > 0) {
        const qint64 start = classic ? firstTile + 3 * tiles + playerCount + 1012 : tilesEnd;
        size_t current = 0;
        int matched = 0;
        int slot = 0;
        qint64 p = std::max<qint64>(start, 2);
        const auto nextActiveSlot = [&]() {
            ++slot;
            while (slot <= 8 && !players[slot].active)
                ++slot;
            return slot <= 8;
        };
        while (p < markers.m && current < names.size()) {
            const QByteArray &name = names[current].bytes;
            if (name.isEmpty()) {
                // Nothing to search for: the slot keeps civilization and
                // colour 0 and the players after it are still looked for.
                if (!nextActiveSlot())
                    break;
                ++current;
                if (++matched == playerCount)
                    break;
                continue;
            }
            // The length field and the name are searched together: the longer
            // pattern lets the search skip further, and a hit needs no check.
            const QByteArray pattern = withLengthField(name);
            const qint64 hit = h.find(p - 2, markers.m, pattern.constData(), pattern.size());
            if (hit < 0)
                break;
            p = hit + 2;
            if (!nextActiveSlot())
                break;
            const qint64 n = name.size();
            int civilization = 0;
            int colour = 0;
            qint64 next = p + 1;
            if (HeaderLayout::CivilizationAndColour(h, version, p, n, &civilization, &colour, &next)) {
                players[slot].civilization = civilization;
                players[slot].colour = colour;
            }
            ++current;
            if (++matched == playerCount)
                break;
            if (classic) {
                std::int32_t skip = 0;
                if (!h.i32(next, &skip))
                    break;
                p = std::max(next + skip + 1, p + 1);
            } else {
                p = std::max(next, p + 1);
            }
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
    version = CGameVersion::Detect(header, body);
    const ByteView h(header);
    const Markers markers = findMarkers(h);
    const HeaderLayout::MapSection map = HeaderLayout::ReadMapSection(h, version);
    mapWidth = map.width;
    mapHeight = map.height;
    HeaderLayout::ReadTiles(h, version, map, gameType != kGameTypeScenario ? terrain.data() : nullptr, kTerrainSize);
    spectators.clear();
    if (!version.classicLayout() && markers.g > 0) {
        for (const HeaderLayout::Entry &entry : HeaderLayout::ReadEntries(h, markers.g, version))
            if (entry.number >= 1 && entry.number <= 8 && entry.type == HeaderLayout::kSpectatorEntry)
                spectators << TextCodec::Decode(entry.name.constData(), entry.name.size());
    }
    if (!scan)
        return;
    readPreGameChat(markers.m + 31);
    scanBody(false);
    completePartners(true);
}
