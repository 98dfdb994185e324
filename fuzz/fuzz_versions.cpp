// Fuzz target that keeps its inputs small: the fuzzer's bytes choose a
// version and the shape of a header (AI section, zones, map size, lobby
// entries with their seat types, resources per player record), the fixture
// writer lays it out in that version's layout, and the remaining bytes are
// written over it at chosen places. The parser so meets every family's
// layout, nearly right and slightly wrong, thousands of times a second
// instead of the whole-file target's dozens.
//
// Input: byte 0 version, byte 1 shape flags, bytes 2-3 map size, 4 AI rules
// (its five high bits set: draw the minimap),
// 5 zones, 6 resources, then nine entries of 4 bytes (number, seat type,
// civilization, colour) and pairs (position, value) of damage.

#include "FuzzCommon.h"

#include "support/FixtureWriter.h"

#include <cstddef>
#include <cstdint>

namespace {

struct VersionChoice
{
    const char *tag;
    float save;
};

const VersionChoice kVersions[] = {
    {"", 0.0f},          {"VER 9.3", 11.5f},  {"VER 9.4", 11.76f}, {"VER 9.C", 11.76f},
    {"VER 9.D", 11.76f}, {"VER 9.E", 11.76f}, {"VER 9.F", 11.76f}, {"VER 9.4", 11.97f},
    {"VER 9.4", 12.2f},  {"VER 9.4", 12.34f}, {"VER 9.4", 12.5f},  {"VER 9.4", 13.0f},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString home = FuzzCommon::PrivateHome();
    constexpr std::size_t kFixed = 7 + 9 * 4;
    if (size < kFixed)
        return 0;
    const VersionChoice &version = kVersions[data[0] % (sizeof kVersions / sizeof kVersions[0])];
    const std::uint8_t flags = data[1];
    FuzzCommon::ApplySettings(flags & 7, 0);

    // Mutations mostly change the damage bytes: the header of the last
    // shape is kept, and only a new shape is laid out again.
    static QByteArray lastShape;
    static QByteArray shaped;
    const QByteArray shape(reinterpret_cast<const char *>(data), qsizetype(kFixed));
    if (shape != lastShape) {
        HeaderBuilder h;
        h.versionTag = version.tag;
        h.saveVersion = version.save;
        h.aiSection = flags & 8;
        h.triggerCount = (flags >> 4) & 3;
        h.width = data[2] % 48;
        h.height = data[3] % 48;
        h.aiRules = data[4] % 8;
        h.zones = data[5] % 4;
        h.resources = data[6];
        h.povByte = (flags >> 6) + 1;
        for (int i = 0; i < 9; ++i) {
            const std::uint8_t *e = data + 7 + 4 * i;
            FixturePlayer p;
            p.number = e[0] % 10;
            p.type = e[1] % 8;
            p.civilization = e[2];
            p.colour = e[3];
            p.teamByte = e[3] % 6;
            p.name = p.number ? QByteArray("P") + QByteArray::number(i) + QByteArray(e[2] % 4, 'x') : QByteArray();
            h.entries << p;
        }
        shaped = h.build();
        lastShape = shape;
    }
    QByteArray header = shaped;
    for (std::size_t i = kFixed; i + 2 < size; i += 3) {
        const qsizetype at = qsizetype((std::size_t(data[i]) << 8 | data[i + 1]) * 7) % header.size();
        header[at] = char(data[i + 2]);
    }
    // One record for every input, started afresh as a reader reusing it
    // does: no new terrain and buffers for each input.
    static CRecordedGame game;
    static const QByteArray body = BodyBuilder().meta500().timeStep(500).chat("@#1P1: hi").build();
    game.Reset();
    game.header = header;
    game.body = body;
    // One input in 32 (the five high bits of the AI rules byte set) draws
    // the minimap.
    FuzzCommon::Exercise(game, true, true, (data[4] & 0xF8) == 0xF8);
    return 0;
}
