#include "FixtureWriter.h"

#include <QFile>

#include <cstring>

#include <zlib.h>

namespace Fixture {

QByteArray Le32(qint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray Le16(qint16 v)
{
    QByteArray b(2, '\0');
    b[0] = char(quint16(v) & 0xFF);
    b[1] = char(quint16(v) >> 8);
    return b;
}

QByteArray Deflate(const QByteArray &raw)
{
    z_stream s{};
    deflateInit2(&s, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&s, uLong(raw.size()))), '\0');
    s.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.constData()));
    s.avail_in = uInt(raw.size());
    s.next_out = reinterpret_cast<Bytef *>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    out.resize(qsizetype(s.total_out));
    deflateEnd(&s);
    return out;
}

QByteArray RecordingCompressed(const QByteArray &compressed, const QByteArray &body)
{
    return Le32(qint32(compressed.size() + 8)) + Le32(0) + compressed + body;
}

QByteArray Recording(const QByteArray &rawHeader, const QByteArray &body)
{
    return RecordingCompressed(Deflate(rawHeader), body);
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace Fixture

using Fixture::Le16;
using Fixture::Le32;

HeaderBuilder::HeaderBuilder() = default;

HeaderBuilder HeaderBuilder::Duel(const QByteArray &a, const QByteArray &b)
{
    HeaderBuilder h;
    h.entries = {FixturePlayer{}, FixturePlayer{1, a, 1, 0, 1}, FixturePlayer{2, b, 2, 1, 1}};
    return h;
}

QByteArray HeaderBuilder::build() const
{
    int active = 0;
    for (int i = 0; i < entries.size(); ++i) {
        bool first = entries[i].number != 0;
        for (int j = 0; j < i && first; ++j)
            first = entries[j].number != entries[i].number;
        active += first ? 1 : 0;
    }
    const int countByte = playerCountByte >= 0 ? playerCountByte : active + 1;
    const int playerCount = countByte - 1;

    const bool tagged = !versionTag.isEmpty();
    const bool aok = versionTag == "VER 9.3";
    const bool up15 = versionTag == "VER 9.E" || versionTag == "VER 9.F";
    const bool hd = versionTag == "VER 9.4" && saveVersion > 11.765f && saveVersion < 12.97f;
    const bool lateHd = hd && saveVersion >= 12.3f;
    const bool classic = !aok && !up15 && !hd;

    QByteArray h(16, '\0');
    if (tagged) {
        h.replace(0, qMin<qsizetype>(versionTag.size(), 7), versionTag.left(7));
        quint32 bits = 0;
        std::memcpy(&bits, &saveVersion, 4);
        h.replace(8, 4, Le32(qint32(bits)));
    }
    h.replace(12, 4, Le32(aiSection ? 1 : 0));
    if (hd && saveVersion > 12.345f)
        h.insert(12, hdSettingsBlock());
    if (aiSection) {
        // At 18 a string count, strings from 24, 6 bytes, 8 rule blocks, 5544 bytes.
        QByteArray ai(8, '\0');
        ai.replace(2, 2, Le16(2));
        ai += Le32(3) + "abc" + Le32(0);
        ai += QByteArray(6, '\0');
        for (int block = 0; block < 8; ++block) {
            QByteArray blk(16, '\0');
            const int rules = block == 3 ? aiRules : 0;
            blk.replace(10, 2, Le16(qint16(rules)));
            ai += blk + QByteArray(400 * rules, '\x07');
        }
        ai += QByteArray(5544 + (hd ? 1280 : 0), '\0');
        h += ai;
    }
    const qsizetype b = h.size();
    // The Age of Kings' game information is two bytes shorter before the map.
    const int sizeAt = aok ? 108 : 110;
    QByteArray info(sizeAt + 12, '\0');
    info[45] = char(povByte);
    info[47] = char(countByte);
    info.replace(sizeAt, 4, Le32(width));
    info.replace(sizeAt + 4, 4, Le32(height));
    info.replace(sizeAt + 8, 4, Le32(zones));
    h += info;
    const qsizetype tiles = qsizetype(width) * height;
    for (int z = 0; z < zones; ++z) {
        h += QByteArray(hd ? 2048 + 2 * tiles : 1275 + tiles, '\x05');
        h += Le32(41) + QByteArray(41 * 4, '\0') + Le32(0);
    }
    h += QByteArray(2, '\0');
    const qsizetype firstTile = h.size();
    // UserPatch 1.5 writes tiles of four bytes behind 0xFF; every other tile
    // here is one so that a wrong stride shows.
    for (qsizetype i = 0; i < tiles; ++i)
        h += (up15 && i % 2 == 0) ? QByteArray("\xFF", 1) + char(terrainId) + QByteArray(2, '\x01')
                                  : QByteArray(1, char(terrainId)) + QByteArray(1, '\0');
    Q_UNUSED(b);

    // Player records, searched from T + 3·W·H + player count + 1012, or in
    // the tagged layouts from the end of the tiles.
    if (classic)
        h += QByteArray(firstTile + 3 * tiles + playerCount + 1012 - h.size() + 16, '\0');
    else
        h += QByteArray(16, '\0');
    for (int i = 0; i < entries.size(); ++i) {
        const FixturePlayer &p = entries[i];
        bool first = p.number != 0;
        for (int j = 0; j < i && first; ++j)
            first = entries[j].number != p.number;
        if (!first)
            continue;
        h += Le16(qint16(p.name.size() + 1));
        if (classic) {
            QByteArray record(p.name.size() + 5016, '\0');
            record.replace(0, p.name.size(), p.name);
            record[p.name.size() + 817] = char(p.civilization);
            record[p.name.size() + 821] = char(p.colour);
            h += record;
        } else {
            // Name, NUL, 0x16, resource count, 0x21, resources, 0x0B, start
            // position, then the civilization and four bytes on the colour.
            h += p.name + QByteArray(1, '\0') + QByteArray(1, '\x16') + Le32(resources) + QByteArray(1, '\x21');
            h += QByteArray(4 * resources, '\0') + QByteArray(1, '\x0B') + QByteArray(8, '\0');
            h += QByteArray(aok ? 5 : 9, '\0') + char(p.civilization) + QByteArray(3, '\0') + char(p.colour);
            h += QByteArray(64, '\0');
        }
    }

    if (!instructions.isEmpty()) {
        if (h.size() < 100100)
            h += QByteArray(100100 - h.size(), '\0');
        h += instructions;
        h += QByteArray(64, '\0');
    }
    if (h.size() < 18100)
        h += QByteArray(18100 - h.size(), '\0');

    settingsMarkerPos = h.size();
    QByteArray settings = settingsMarker ? QByteArray("\x9D\xFF\xFF\xFF", 4) : QByteArray(4, '\0');
    // The Age of Kings has one field less before the entries, HD 4.x four more.
    settings += QByteArray(8, '\0') + Le32(mapId) + QByteArray(aok ? 4 : lateHd ? 24 : 8, '\0');
    for (int i = 0; i < 9; ++i) {
        const FixturePlayer p = i < entries.size() ? entries[i] : FixturePlayer{};
        QByteArray name = p.name;
        if (!name.isEmpty())
            name += '\0';
        settings += Le32(p.number) + Le32(tagged ? p.type : 0) + Le32(qint32(name.size())) + name;
    }
    h += settings;
    h += QByteArray(32, '\0');
    if (triggerMarker)
        h += QByteArray("\x9A\x99\x99\x99\x99\x99\xF9\x3F", 8);
    else
        h += QByteArray(8, '\0');
    triggerMarkerEnd = h.size();
    h += QByteArray(1, '\0') + Le32(triggerCount);
    for (int t = 0; t < triggerCount; ++t) {
        QByteArray trig(18, '\0');
        trig += Le32(4) + "desc" + Le32(4) + "name";
        trig += Le32(1); // one effect
        trig += QByteArray(24, '\0') + Le32(-1) + QByteArray(72, '\0') + Le32(2) + "hi" + Le32(0);
        trig += Le32(0);                                 // effect order
        trig += Le32(1) + QByteArray(72, '\0') + Le32(0); // one condition and its order
        h += trig;
    }
    h += QByteArray(4 * triggerCount, '\0');
    QByteArray after(31, '\0');
    for (int s = 0; s < 8; ++s) {
        int teamByte = 1;
        if (s + 1 < entries.size())
            teamByte = entries[s + 1].teamByte;
        after[s] = char(teamByte);
    }
    after[25] = char(gameType);
    h += after;
    for (const QByteArray &message : preGameChat)
        h += Le32(qint32(message.size() + 1)) + message + QByteArray(1, '\0') + QByteArray(5, '\0');
    if (h.size() < minimumSize)
        h += QByteArray(minimumSize - h.size(), '\0');
    if (!instructions.isEmpty() && h.size() < 100100 + 18000 + 200)
        h += QByteArray(100100 + 18000 + 200 - h.size(), '\0');
    return h;
}

QByteArray HeaderBuilder::hdSettingsBlock() const
{
    const QByteArray separator("\xA3\x5F\x02\x00", 4);
    const auto string = [](const QByteArray &text) { return Le16(qint16(text.size())) + "\x60\x0A" + text; };
    const int v = hdSettingsVersion;
    const float number = float(v);
    quint32 bits = 0;
    std::memcpy(&bits, &number, 4);
    QByteArray b = Le32(qint32(bits)) + Le32(0) + Le32(0);
    b += Le32(2) + Le32(1) + Le32(2); // two DLCs
    b += Le32(0) + QByteArray(8 * 4, '\0') + QByteArray(v >= 1006 ? 4 : 0, '\0');
    b += separator;
    if (v == 1000)
        b += string("map") + string("");
    b += separator + QByteArray(24, '\0') + separator + QByteArray(16, '\0');
    if (v == 1000) {
        b += QByteArray(120, '\0') + separator + QByteArray(40, '\0');
        for (int i = 0; i < 8; ++i)
            b += string("s");
        return b + QByteArray(16, '\0') + separator + QByteArray(10, '\0');
    }
    for (int i = 0; i < 8; ++i) {
        const FixturePlayer p = i + 1 < entries.size() ? entries[i + 1] : FixturePlayer{};
        b += Le32(1) + Le32(p.colour) + QByteArray(v >= 1006 ? 1 : 0, '\0') + QByteArray(2 + 4 + 1, '\0');
        b += Le32(p.teamByte) + Le32(p.civilization) + string("") + QByteArray(1, '\0');
        if (v >= 1005)
            b += string("");
        b += string(p.name) + Le32(p.type) + QByteArray(8, '\0') + Le32(p.number);
        if (v >= 1006 && hdRatings)
            b += Le32(1650) + Le32(1600);
    }
    b += QByteArray(12, '\0') + separator + QByteArray(10, '\0');
    for (int i = 0; i < 3; ++i)
        b += string("file") + QByteArray(8, '\0');
    b += QByteArray(16, '\x11') + string("lobby") + string("") + QByteArray(4, '\0');
    if (v >= 1005)
        b += QByteArray(4, '\0') + string("") + QByteArray(4, '\0');
    return b;
}

BodyBuilder &BodyBuilder::i32(qint32 value)
{
    m_bytes += Le32(value);
    return *this;
}

BodyBuilder &BodyBuilder::raw(const QByteArray &bytes)
{
    m_bytes += bytes;
    return *this;
}

BodyBuilder &BodyBuilder::timeStep(int deltaMs, int flag)
{
    i32(2).i32(deltaMs).i32(flag);
    if (flag == 0)
        m_bytes += QByteArray(28, '\0');
    m_bytes += QByteArray(12, '\0');
    return *this;
}

BodyBuilder &BodyBuilder::chat(const QByteArray &text)
{
    QByteArray t = text + '\0';
    return i32(4).i32(-1).i32(qint32(t.size())).raw(t);
}

BodyBuilder &BodyBuilder::meta500()
{
    return i32(4).i32(500).raw(QByteArray(20, '\x01'));
}

BodyBuilder &BodyBuilder::research(int playerNumber, int technology)
{
    QByteArray cmd(16, '\0');
    cmd[0] = 0x65;
    cmd.replace(8, 2, Le16(qint16(playerNumber)));
    cmd.replace(10, 2, Le16(qint16(technology)));
    return i32(1).i32(qint32(cmd.size())).raw(cmd).raw(QByteArray(4, '\0'));
}

BodyBuilder &BodyBuilder::resign(int playerNumber)
{
    QByteArray cmd(4, '\0');
    cmd[0] = 0x0B;
    cmd[1] = char(playerNumber);
    cmd[2] = char(playerNumber);
    return i32(1).i32(qint32(cmd.size())).raw(cmd).raw(QByteArray(4, '\0'));
}
