#include "CorpusGame.h"
#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Settings.h"
#include "recgame/RecordedGame.h"

#include <QTest>

#include <cstring>
#include <set>

using Fixture::Le32;

namespace {

QByteArray versionHeader(const QByteArray &tag, float save)
{
    QByteArray h = tag.left(7) + QByteArray(1, '\0');
    quint32 bits = 0;
    std::memcpy(&bits, &save, 4);
    return h + Le32(qint32(bits)) + Le32(0);
}

CRecordedGame analyzed(const HeaderBuilder &h, const QByteArray &body = {})
{
    CRecordedGame game;
    game.header = h.build();
    game.body = body;
    game.Analyze(true);
    return game;
}

// One line per player in slot order: "name civ colour".
QStringList playerFacts(const CRecordedGame &game)
{
    QStringList out;
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.number > 0)
            out << QStringLiteral("%1 %2 %3").arg(p.name).arg(p.civilization).arg(p.colour);
    }
    return out;
}

// Share of tiles whose right-hand neighbour has the same terrain. Real maps
// are made of patches (well above one half); tiles read with the wrong
// stride alternate with elevation bytes or markers and make stripes.
double neighbourAgreement(const CRecordedGame &game)
{
    const int w = game.mapWidth;
    const int h = game.mapHeight;
    qint64 same = 0;
    qint64 pairs = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x + 1 < w; ++x) {
            const qint64 i = qint64(y) * w + x;
            if (i + 1 >= CRecordedGame::kTerrainSize)
                break;
            same += game.terrain[size_t(i)] == game.terrain[size_t(i + 1)] ? 1 : 0;
            ++pairs;
        }
    return pairs ? double(same) / double(pairs) : 0.0;
}

HeaderBuilder tagged(const char *tag, float save)
{
    HeaderBuilder h = HeaderBuilder::Duel("Alice", "Bob");
    h.versionTag = tag;
    h.saveVersion = save;
    h.entries[1].civilization = 23;
    h.entries[1].colour = 3;
    h.entries[2].civilization = 19;
    h.entries[2].colour = 0;
    h.width = h.height = 16;
    h.terrainId = 9;
    return h;
}

} // namespace

class TestVersions : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void init() { CSettings::Instance().ResetToDefaults(); }

    void detect_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("save");
        const QByteArray log4 = Le32(4) + Le32(500);
        QTest::addRow("age of kings") << versionHeader("VER 9.3", 11.5f) << Le32(500) << "The Age of Kings" << 11.5;
        QTest::addRow("conquerors 1.0") << versionHeader("VER 9.4", 11.76f) << Le32(3) + Le32(500)
                                        << "The Conquerors 1.0" << 11.76;
        QTest::addRow("conquerors 1.0c") << versionHeader("VER 9.4", 11.76f) << log4 << "The Conquerors 1.0c" << 11.76;
        QTest::addRow("userpatch 1.4 C") << versionHeader("VER 9.C", 11.76f) << log4 << "UserPatch 1.4" << 11.76;
        QTest::addRow("userpatch 1.4 D") << versionHeader("VER 9.D", 11.76f) << log4 << "UserPatch 1.4" << 11.76;
        QTest::addRow("userpatch 1.5 E") << versionHeader("VER 9.E", 11.76f) << log4 << "UserPatch 1.5" << 11.76;
        QTest::addRow("userpatch 1.5 F") << versionHeader("VER 9.F", 11.76f) << log4 << "UserPatch 1.5" << 11.76;
        QTest::addRow("hd 11.97") << versionHeader("VER 9.4", 11.97f) << log4 << "HD Edition" << 11.97;
        QTest::addRow("hd 12.34") << versionHeader("VER 9.4", 12.34f) << log4 << "HD Edition" << 12.34;
        QTest::addRow("definitive") << versionHeader("VER 9.4", 13.34f) << log4 << "Definitive Edition" << 13.34;
        QTest::addRow("unknown tag") << versionHeader("TRL 9.3", 11.5f) << log4 << "TRL 9.3" << 11.5;
        QTest::addRow("not text") << QByteArray(16, '\x01') << log4 << "" << 0.0;
        QTest::addRow("too short") << QByteArray("VER 9.4") << log4 << "" << 0.0;
        QTest::addRow("save not a number") << QByteArray("VER 9.4\0\xFF\xFF\xFF\x7F", 12) << log4
                                           << "The Conquerors 1.0c" << 0.0;
    }

    void detect()
    {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, body);
        QFETCH(QString, label);
        QFETCH(double, save);
        const CGameVersion v = CGameVersion::Detect(header, body);
        QCOMPARE(v.label(), label);
        QCOMPARE(v.saveVersion(), save);
    }

    // Each family's own layout: AI section, map, tiles, lobby entries and
    // the player records' civilization and colour.
    void layouts_data()
    {
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<double>("save");
        QTest::addColumn<bool>("ai");
        QTest::addColumn<int>("zones");
        QTest::addRow("userpatch 1.5") << QByteArray("VER 9.E") << 11.76 << false << 0;
        QTest::addRow("userpatch 1.5, AI and zones") << QByteArray("VER 9.F") << 11.76 << true << 2;
        QTest::addRow("age of kings") << QByteArray("VER 9.3") << 11.5 << false << 1;
        QTest::addRow("hd with AI") << QByteArray("VER 9.4") << 11.97 << true << 3;
        QTest::addRow("hd 12.20") << QByteArray("VER 9.4") << 12.2 << false << 0;
        QTest::addRow("hd 4.x with zones") << QByteArray("VER 9.4") << 12.34 << false << 2;
        QTest::addRow("hd 4.x with AI") << QByteArray("VER 9.4") << 12.5 << true << 1;
        QTest::addRow("userpatch 1.4") << QByteArray("VER 9.C") << 11.76 << true << 1;
    }

    void layouts()
    {
        QFETCH(QByteArray, tag);
        QFETCH(double, save);
        QFETCH(bool, ai);
        QFETCH(int, zones);
        HeaderBuilder h = tagged(tag.constData(), float(save));
        h.aiSection = ai;
        h.zones = zones;
        h.resources = tag == "VER 9.3" ? 189 : tag.startsWith("VER 9.E") || tag == "VER 9.F" ? 240 : 198;
        const CRecordedGame game = analyzed(h);
        QCOMPARE(game.mapWidth, 16);
        QCOMPARE(game.mapHeight, 16);
        QCOMPARE(playerFacts(game), (QStringList{"Alice 23 3", "Bob 19 0"}));
        QCOMPARE(game.playerCount, 2);
        QCOMPARE(game.matchSize, 1);
        QCOMPARE(game.povPlayer.name, QStringLiteral("Alice"));
        for (int i = 0; i < 256; ++i)
            QCOMPARE(int(game.terrain[size_t(i)]), 9);
        QCOMPARE(int(game.terrain[256]), 0x41);
    }

    // HD saves after 12.34 put a block of lobby settings before the AI flag.
    void hdSettingsBlock_data()
    {
        QTest::addColumn<double>("save");
        QTest::addColumn<int>("blockVersion");
        QTest::addColumn<bool>("ratings");
        QTest::addColumn<bool>("ai");
        QTest::addRow("12.36, 1005") << 12.36 << 1005 << false << false;
        QTest::addRow("12.49, 1006 with ratings") << 12.49 << 1006 << true << false;
        QTest::addRow("12.50, 1006 without ratings") << 12.5 << 1006 << false << false;
        QTest::addRow("12.50 with AI") << 12.5 << 1006 << true << true;
        QTest::addRow("12.36, 1004") << 12.36 << 1004 << false << true;
        QTest::addRow("12.36, 1000") << 12.36 << 1000 << false << false;
    }

    void hdSettingsBlock()
    {
        QFETCH(double, save);
        QFETCH(int, blockVersion);
        QFETCH(bool, ratings);
        QFETCH(bool, ai);
        HeaderBuilder h = tagged("VER 9.4", float(save));
        h.hdSettingsVersion = blockVersion;
        h.hdRatings = ratings;
        h.aiSection = ai;
        h.zones = 1;
        const CRecordedGame game = analyzed(h);
        QCOMPARE(game.mapWidth, 16);
        QCOMPARE(game.povPlayer.name, QStringLiteral("Alice"));
        QCOMPARE(playerFacts(game), (QStringList{"Alice 23 3", "Bob 19 0"}));
        QCOMPARE(int(game.terrain[255]), 9);
    }

    // A block cut short: no read leaves the header, the lobby entries are
    // still read, and without any block the header is read from byte 12.
    void damagedHdSettingsBlock_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addRow("no version number") << 0;
        QTest::addRow("inside the DLC list") << 18;
        QTest::addRow("inside a name") << 200;
    }

    void damagedHdSettingsBlock()
    {
        QFETCH(int, cut);
        HeaderBuilder h = tagged("VER 9.4", 12.5f);
        h.width = h.height = 100; // the settings stay past 18000 bytes without the block
        const QByteArray whole = h.build();
        const QByteArray block = h.hdSettingsBlock();
        // The block truncated at cut, the rest of the header as it was.
        CRecordedGame game;
        game.header = whole.left(12) + block.left(cut) + whole.mid(12 + block.size());
        game.Analyze(true);
        QCOMPARE(game.players[1].name, QStringLiteral("Alice"));
        QCOMPARE(game.players[2].name, QStringLiteral("Bob"));
        if (cut == 0)
            QCOMPARE(game.mapWidth, 100);
    }

    void aiSectionWithManyRules()
    {
        HeaderBuilder h = tagged("VER 9.4", 11.97f);
        h.aiSection = true;
        h.aiRules = 600;
        const CRecordedGame game = analyzed(h);
        QCOMPARE(game.mapWidth, 16);
        QCOMPARE(game.povSlot, 1);
        QCOMPARE(playerFacts(game), (QStringList{"Alice 23 3", "Bob 19 0"}));
    }

    void spectatorsAreNotPlayers()
    {
        HeaderBuilder h = tagged("VER 9.4", 12.2f);
        h.entries = {FixturePlayer{},
                     FixturePlayer{1, "Spring", 21, 0, 1, 2},
                     FixturePlayer{2, "Caster", 1, 1, 1, 6},
                     FixturePlayer{3, "Other caster", 1, 2, 1, 6},
                     FixturePlayer{4, "Scholar", 21, 3, 1, 2}};
        const CRecordedGame game = analyzed(h);
        QCOMPARE(game.spectators, (QStringList{"Caster", "Other caster"}));
        QCOMPARE(playerFacts(game), (QStringList{"Spring 21 0", "Scholar 21 3"}));
        QCOMPARE(game.playerCount, 2);
        QCOMPARE(game.matchSize, 1);
    }

    void spectatorOnlyAndEmptyGames_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addRow("spectators only") << QList<int>{6, 6};
        QTest::addRow("no entries") << QList<int>{};
    }

    void spectatorOnlyAndEmptyGames()
    {
        QFETCH(QList<int>, types);
        HeaderBuilder h = tagged("VER 9.4", 12.34f);
        h.entries = {FixturePlayer{}};
        for (int i = 0; i < types.size(); ++i)
            h.entries << FixturePlayer{i + 1, "Watcher" + QByteArray::number(i), 1, i, 1, types[i]};
        const CRecordedGame game = analyzed(h);
        QCOMPARE(playerFacts(game), QStringList{});
        QCOMPARE(game.spectators.size(), types.size());
        QCOMPARE(game.playerCount, 0);
        QCOMPARE(game.matchSize, CRecordedGame::kMatchSizeNone);
        QCOMPARE(game.mapWidth, 16);
    }

    // A player without a name cannot be searched for; the players after it
    // still get their civilization and colour, in every layout.
    void emptyNameDoesNotStopTheSearch_data()
    {
        QTest::addColumn<QByteArray>("tag");
        QTest::addRow("original layout") << QByteArray();
        QTest::addRow("userpatch 1.5") << QByteArray("VER 9.E");
    }

    void emptyNameDoesNotStopTheSearch()
    {
        QFETCH(QByteArray, tag);
        HeaderBuilder h = tagged(tag.constData(), 11.76f);
        h.versionTag = tag;
        h.entries = {FixturePlayer{}, FixturePlayer{1, "", 5, 4}, FixturePlayer{2, "Bob", 19, 0},
                     FixturePlayer{3, "Carol", 7, 2}};
        const CRecordedGame game = analyzed(h);
        QCOMPARE(playerFacts(game), (QStringList{" 0 0", "Bob 19 0", "Carol 7 2"}));
    }

    void bodyOpenings_data()
    {
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<QByteArray>("opening");
        QTest::addColumn<QString>("duration");
        QTest::addRow("conquerors 1.0") << QByteArray("VER 9.4") << Le32(3) + Le32(500) + QByteArray(20, '\x01')
                                        << "00:01:30";
        QTest::addRow("conquerors 1.0c") << QByteArray("VER 9.4") << Le32(4) + Le32(500) + QByteArray(20, '\x01')
                                         << "00:01:30";
        QTest::addRow("age of kings") << QByteArray("VER 9.3") << Le32(500) + QByteArray(32, '\x01') << "00:01:30";
    }

    void bodyOpenings()
    {
        QFETCH(QByteArray, tag);
        QFETCH(QByteArray, opening);
        QFETCH(QString, duration);
        HeaderBuilder h = tagged(tag.constData(), tag == "VER 9.3" ? 11.5f : 11.76f);
        const QByteArray body = BodyBuilder().raw(opening).timeStep(60000).chat("@#1Alice: hi").timeStep(30000).build();
        const CRecordedGame game = analyzed(h, body);
        QCOMPARE(game.duration, duration);
        QVERIFY(game.gameChat.contains(QStringLiteral("(00:01:00) Alice: hi")));
    }

    void laterNames_data()
    {
        QTest::addColumn<int>("civilization");
        QTest::addColumn<QString>("civilizationName");
        QTest::addColumn<int>("mapId");
        QTest::addColumn<QString>("mapName");
        QTest::addColumn<QByteArray>("header");
        const QByteArray hd = versionHeader("VER 9.4", 12.2f);
        QTest::addRow("first of each") << 19 << "Italians" << 36 << "Mideast" << hd;
        QTest::addRow("koreans and nomad stay") << 18 << "Koreans" << 33 << "Nomad" << hd;
        QTest::addRow("last of each") << 31 << "Vietnamese" << 105 << "The Eye" << hd;
        QTest::addRow("hd map") << 23 << "Slavs" << 60 << "Hamburger" << hd;
        QTest::addRow("userpatch 1.5 map") << 23 << "Slavs" << 60 << "Hamburger" << versionHeader("VER 9.F", 11.76f);
        QTest::addRow("unknown ids") << 32 << "" << 65 << "" << hd;
        QTest::addRow("custom map keeps its own name") << 0 << "" << 44 << "from the instructions" << hd;
        // The catalogue's rows of unnamed maps (49, 50) and The Age of Kings'
        // own numbering are not later versions' maps.
        QTest::addRow("catalogue's unnamed map") << 0 << "" << 49 << "" << QByteArray();
        QTest::addRow("conquerors id past 35") << 0 << "" << 49 << "" << versionHeader("VER 9.4", 11.76f);
        QTest::addRow("age of kings id past 35") << 0 << "" << 36 << "" << versionHeader("VER 9.3", 11.5f);
    }

    void laterNames()
    {
        QFETCH(int, civilization);
        QFETCH(QString, civilizationName);
        QFETCH(int, mapId);
        QFETCH(QString, mapName);
        QFETCH(QByteArray, header);
        QCOMPARE(CRecordedGame::CivilizationName(civilization), civilizationName);
        CRecordedGame game;
        game.version = CGameVersion::Detect(header, Le32(4) + Le32(500));
        game.mapId = mapId;
        if (mapId == 44)
            game.mapName = QStringLiteral("from the instructions");
        QCOMPARE(game.GetMapName(false), mapName);
        QCOMPARE(game.GetMapName(true), mapName);
    }

    // The Age of Kings' compressed header follows the header length directly;
    // the other files keep their 8-byte prefix even when their header does
    // not start with a version.
    void compressedHeaderPlace_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray aokHeader = versionHeader("VER 9.3", 11.5f) + QByteArray(100, '\x03');
        const QByteArray deflated = Fixture::Deflate(aokHeader);
        QTest::addRow("age of kings")
            << Le32(qint32(deflated.size() + 4)) + deflated + QByteArray("body") << aokHeader;
        const QByteArray untagged(64, '\x02');
        QTest::addRow("no version") << Fixture::Recording(untagged, "body") << untagged;
        const QByteArray conquerors = versionHeader("VER 9.4", 11.76f) + QByteArray(100, '\x03');
        QTest::addRow("conquerors") << Fixture::Recording(conquerors, "body") << conquerors;
    }

    void compressedHeaderPlace()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        const QString path = m_env.file(QStringLiteral("game.mgx"));
        QVERIFY(Fixture::Write(path, file));
        CRecordedGame game;
        game.SetFile(path);
        QVERIFY(game.ReadFile());
        QCOMPARE(game.header, expected);
        QCOMPARE(game.body, QByteArray("body"));
    }

    // --- the shared recordings of each family

    void corpusFamilies_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("pov");
        QTest::addColumn<QStringList>("players");
        QTest::addColumn<QList<int>>("teams");
        QTest::addColumn<QStringList>("spectators");
        QTest::addColumn<int>("matchSize");
        QTest::addRow("userpatch 1.5") << "up1.5.mgz" << "UserPatch 1.5" << 200 << "00:35:27" << "Myth"
                                       << QStringList{"Myth 17 1", "Louis IX 2 0", "Athelred the Unready 13 2"}
                                       << QList<int>{0, 0, 0} << QStringList{} << int(CRecordedGame::kMatchSizeFFA);
        QTest::addRow("age of kings")
            << "aok.mgl" << "The Age of Kings" << 200 << "01:57:08" << "AOKH_Washizu"
            << QStringList{"AoE2_K_Master 8 4", "Elsakar 10 1", "AOKH_Washizu 4 2", "Baked_potato_ 1 0"}
            << QList<int>{1, 2, 1, 2} << QStringList{} << 2;
        QTest::addRow("hd with AI") << "hd-ai.mgx2" << "HD Edition" << 120 << "00:02:19" << "Idle Beaver"
                                    << QStringList{"Idle Beaver 23 3", "Simone Boccanegra 19 0"}
                                    << QList<int>{CRecordedGame::kTeamRecordingDuel, 2} << QStringList{} << 1;
        QTest::addRow("hd 4.x") << "hd-4x.msx2" << "HD Edition" << 220 << "01:26:27" << "Chris"
                                << QStringList{"salamey30 8 0", "avantasiaguitar 2 1", "TuangCS 23 2",
                                               "12345678 10 3", "Chris 12 4", "Putmalk 18 5"}
                                << QList<int>{2, 1, 1, 2, 2, 1} << QStringList{} << 3;
        QTest::addRow("hd casters") << "hd-casters.mgx2" << "HD Edition" << 120 << "00:28:35" << "_Spring_"
                                    << QStringList{"_Spring_ 21 0", "[TheJedi]HallisYoScholar 21 3"}
                                    << QList<int>{CRecordedGame::kTeamRecordingDuel, 0}
                                    << QStringList{"ZeroEmpires", "Resonance22"} << 1;
    }

    void corpusFamilies()
    {
        REQUIRE_CORPUS();
        QFETCH(QString, file);
        QFETCH(QString, version);
        QFETCH(int, size);
        QFETCH(QString, duration);
        QFETCH(QString, pov);
        QFETCH(QStringList, players);
        QFETCH(QList<int>, teams);
        QFETCH(QStringList, spectators);
        QFETCH(int, matchSize);
        const CRecordedGame game = AnalyzedCorpusGame(file);
        QCOMPARE(game.version.label(), version);
        QCOMPARE(game.mapWidth, size);
        QCOMPARE(game.mapHeight, size);
        QCOMPARE(game.duration, duration);
        QCOMPARE(game.povPlayer.name, pov);
        QCOMPARE(playerFacts(game), players);
        QList<int> gotTeams;
        for (int s = 1; s <= 8; ++s)
            if (game.players[s].number > 0)
                gotTeams << game.players[s].team;
        QCOMPARE(gotTeams, teams);
        QCOMPARE(game.spectators, spectators);
        QCOMPARE(game.matchSize, matchSize);
    }

    void corpusVersions_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("version");
        QTest::addColumn<double>("save");
        QTest::addRow("1.0") << "aoc-1.0.mgx" << "The Conquerors 1.0" << 11.76;
        QTest::addRow("1.0c") << "aoc-1.0c.mgx" << "The Conquerors 1.0c" << 11.76;
        QTest::addRow("userpatch 1.4") << "up1.4.mgz" << "UserPatch 1.4" << 11.76;
        QTest::addRow("scenario") << "scenario-with-messages.mgz" << "UserPatch 1.4" << 11.76;
        QTest::addRow("hd co-op") << "coop.mgx" << "HD Edition" << 12.1;
        QTest::addRow("hd 4 vs 4") << "hd-8players.mgx" << "HD Edition" << 11.97;
        QTest::addRow("hd 4.x") << "hd-4x.msx2" << "HD Edition" << 12.34;
    }

    void corpusVersions()
    {
        REQUIRE_CORPUS();
        QFETCH(QString, file);
        QFETCH(QString, version);
        QFETCH(double, save);
        const CRecordedGame game = AnalyzedCorpusGame(file);
        QCOMPARE(game.version.label(), version);
        QCOMPARE(game.version.saveVersion(), save);
    }

    // The Conquerors 1.0 body opens with log version 3; its game time and
    // chat are read like those of 1.0c.
    void conquerors10Body()
    {
        REQUIRE_CORPUS();
        const CRecordedGame game = AnalyzedCorpusGame(QStringLiteral("aoc-1.0.mgx"));
        QCOMPARE(game.duration, QStringLiteral("00:42:52"));
        QVERIFY(game.gameChat.count(QStringLiteral("\r\n(")) > 10);
    }

    void corpusMinimaps_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *f : {"aoc-1.0.mgx", "aoc-1.0c.mgx", "aok.mgl", "coop.mgx", "hd-4x.msx2", "hd-8players.mgx",
                              "hd-ai.mgx2", "hd-casters.mgx2", "hd-coop-chat.mgx2", "up1.4.mgz", "up1.5.mgz"})
            QTest::addRow("%s", f) << QString::fromLatin1(f);
    }

    void corpusMinimaps()
    {
        REQUIRE_CORPUS();
        QFETCH(QString, file);
        const CRecordedGame game = AnalyzedCorpusGame(file);
        QVERIFY(game.mapWidth > 0);
        QVERIFY2(neighbourAgreement(game) > 0.6, qPrintable(QString::number(neighbourAgreement(game))));
        std::set<int> ids(game.terrain.begin(), game.terrain.begin() + std::min(game.mapWidth * game.mapHeight,
                                                                               CRecordedGame::kTerrainSize));
        QVERIFY2(ids.size() <= 30, qPrintable(QString::number(ids.size())));
    }

    // What the catalogue and the reader keep apart: a re-read stored game
    // finds its version and spectators again from the header.
    void reanalyzeKeepsVersionAndSpectators()
    {
        REQUIRE_CORPUS();
        CRecordedGame game;
        game.SetFile(TestEnv::corpusFile(QStringLiteral("hd-casters.mgx2")));
        QVERIFY(game.ReadFile());
        game.Reanalyze(false);
        QCOMPARE(game.version.label(), QStringLiteral("HD Edition"));
        QCOMPARE(game.spectators, (QStringList{"ZeroEmpires", "Resonance22"}));
        QCOMPARE(game.mapWidth, 120);
        QVERIFY(neighbourAgreement(game) > 0.6);
    }
};

QTEST_GUILESS_MAIN(TestVersions)
#include "tst_versions.moc"
