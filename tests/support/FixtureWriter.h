#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Builds recordings byte by byte: a header laid out the way the parser reads
// it (fields at fixed distances from the start, the settings and trigger
// markers, player records found by name) deflated with raw zlib, and a body
// of operations. Each test describes just what it needs.
struct FixturePlayer
{
    int number = 0;
    QByteArray name;
    int civilization = 0;
    int colour = 0;
    int teamByte = 1; // team + 1
    int type = 2;     // lobby seat: 2 a person, 4 a computer, 6 a spectator (tagged headers only)
};

class HeaderBuilder
{
public:
    HeaderBuilder();

    int mapId = 9;
    int width = 8;
    int height = 8;
    int povByte = 1;
    int playerCountByte = -1;       // -1: active players + 1 (gaia)
    int gameType = 0;
    quint8 terrainId = 0;           // every tile
    QList<FixturePlayer> entries;   // up to 9, entry i belongs to slot i
    QList<QByteArray> preGameChat;  // "@#1name: text" pieces
    QByteArray instructions;        // e.g. "Map Type: Dry Arabia\n"
    bool aiSection = false;
    int triggerCount = 0;
    bool settingsMarker = true;
    bool triggerMarker = true;
    int minimumSize = 20000;        // markers must lie beyond 18000 bytes
    // With a tag ("VER 9.E") and a save version the header takes that
    // version's layout; without one it has the original reader's layout.
    QByteArray versionTag;
    float saveVersion = 11.76f;
    int aiRules = 1;                // rules in the fourth AI block
    int zones = 0;
    int resources = 198;            // values in each player record (tagged headers)
    // HD saves after 12.34: the lobby settings block before the AI flag, in
    // this version (1000, 1004, 1005, 1006); two ratings per player or not.
    int hdSettingsVersion = 1006;
    bool hdRatings = true;

    // 1 vs 1: entry 0 empty (gaia), two players.
    static HeaderBuilder Duel(const QByteArray &a = "Alice", const QByteArray &b = "Bob");

    QByteArray build() const;
    QByteArray hdSettingsBlock() const;

    // Offsets of interest in the last build (for damage tests).
    mutable qsizetype triggerMarkerEnd = 0;
    mutable qsizetype settingsMarkerPos = 0;
};

class BodyBuilder
{
public:
    BodyBuilder &timeStep(int deltaMs, int flag = 1);
    BodyBuilder &chat(const QByteArray &text); // text as stored, with the "@#1" marker
    BodyBuilder &research(int playerNumber, int technology);
    BodyBuilder &resign(int playerNumber);
    BodyBuilder &meta500();
    BodyBuilder &raw(const QByteArray &bytes);
    BodyBuilder &i32(qint32 value);
    QByteArray build() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

namespace Fixture {

QByteArray Deflate(const QByteArray &raw);
QByteArray Le32(qint32 v);
QByteArray Le16(qint16 v);
// prefix (header length, 4 skipped bytes) + deflated header + body
QByteArray Recording(const QByteArray &rawHeader, const QByteArray &body);
// As Recording, with a compressed header given as is.
QByteArray RecordingCompressed(const QByteArray &compressed, const QByteArray &body);
bool Write(const QString &path, const QByteArray &bytes);

} // namespace Fixture
