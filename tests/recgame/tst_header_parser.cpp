#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Settings.h"
#include "recgame/RecordedGame.h"

#include <QTest>

namespace {

void analyze(CRecordedGame &game, const HeaderBuilder &h, const QByteArray &body = {})
{
    game.header = h.build();
    game.body = body;
    game.Analyze(true);
}

FixturePlayer player(int number, const char *name, int civ, int colour, int teamByte = 1)
{
    return FixturePlayer{number, QByteArray(name), civ, colour, teamByte};
}

} // namespace

class TestHeaderParser : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void init() { CSettings::Instance().ResetToDefaults(); }

    void duel()
    {
        HeaderBuilder h = HeaderBuilder::Duel("North", "H_Haslebo");
        h.entries[1].civilization = 17;
        h.entries[2].civilization = 8;
        h.entries[2].colour = 5;
        h.width = h.height = 12;
        h.terrainId = 2;
        h.mapId = 13;
        CRecordedGame game;
        analyze(game, h);
        QCOMPARE(game.mapId, 13);
        QCOMPARE(game.GetMapName(false), QStringLiteral("Coastal"));
        QCOMPARE(game.mapWidth, 12);
        QCOMPARE(game.playerCount, 2);
        QCOMPARE(game.players[1].name, QStringLiteral("North"));
        QCOMPARE(game.players[2].name, QStringLiteral("H_Haslebo"));
        QCOMPARE(game.players[1].civilization, 17);
        QCOMPARE(game.players[2].civilization, 8);
        QCOMPARE(game.players[2].colour, 5);
        QCOMPARE(game.matchSize, 1);
        QCOMPARE(game.povSlot, 1);
        QCOMPARE(game.players[1].team, CRecordedGame::kTeamRecordingDuel);
        QCOMPARE(game.povPlayer.name, QStringLiteral("North"));
        QCOMPARE(game.terrain[0], quint8(2));
        QCOMPARE(game.terrain[143], quint8(2));
        QCOMPARE(game.terrain[144], quint8(0x41));
        QCOMPARE(game.duration, QStringLiteral("00:00:00"));
    }

    void coOperatingPartnersShareTheirSlot()
    {
        HeaderBuilder h;
        h.entries = {FixturePlayer{}, player(1, "Lead", 9, 0, 2), player(2, "Other", 4, 2, 3),
                     player(2, "OtherPartner", 0, 0, 3), player(1, "LeadPartner", 0, 0, 2)};
        h.povByte = 4;
        const QByteArray body = BodyBuilder().timeStep(5000).research(1, 101).timeStep(200000).chat("@#1hi").build();
        CRecordedGame game;
        analyze(game, h, body);
        QVERIFY(game.players[1].active);
        QVERIFY(!game.players[4].active);
        QCOMPARE(game.players[4].number, 1);
        QCOMPARE(game.players[4].civilization, 9);
        QCOMPARE(game.players[4].team, game.players[1].team);
        QCOMPARE(game.players[4].feudalTime, 135000);
        QVERIFY(game.players[4].firstFeudal);
        QCOMPARE(game.players[3].civilization, 4);
        // The recording partner's number leads to the first active slot of that number.
        QCOMPARE(game.povSlot, 1);
        QCOMPARE(game.playerCount, 2);
    }

    void matchSize_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<bool>("teams");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("label");
        QTest::addRow("2 players") << 2 << false << 1 << "1 vs 1";
        QTest::addRow("3 players, no teams") << 3 << false << 0 << "FFA";
        QTest::addRow("3 players, teams") << 3 << true << -1 << "-";
        QTest::addRow("4 players, no teams") << 4 << false << 2 << "2 vs 2";
        QTest::addRow("5 players, teams") << 5 << true << -1 << "-";
        QTest::addRow("6 players, teams") << 6 << true << 3 << "3 vs 3";
        QTest::addRow("6 players, no teams") << 6 << false << 0 << "FFA";
        QTest::addRow("7 players, no teams") << 7 << false << 0 << "FFA";
        QTest::addRow("8 players, teams") << 8 << true << 4 << "4 vs 4";
        QTest::addRow("8 players, no teams") << 8 << false << 0 << "FFA";
    }

    void matchSize()
    {
        QFETCH(int, players);
        QFETCH(bool, teams);
        QFETCH(int, code);
        QFETCH(QString, label);
        HeaderBuilder h;
        h.entries = {FixturePlayer{}};
        for (int i = 1; i <= players; ++i)
            h.entries << player(i, QByteArray("Player") .append(char('0' + i)).constData(), i, i - 1,
                                teams ? (i % 2) + 2 : 1);
        CRecordedGame game;
        analyze(game, h);
        QCOMPARE(game.playerCount, players);
        QCOMPARE(game.matchSize, code);
        QCOMPARE(game.GetMatchSizeLabel(), label);
        for (int i = 1; i <= players; ++i)
            QCOMPARE(game.players[i].civilization, i);
    }

    void pointOfView_data()
    {
        QTest::addColumn<int>("povByte");
        QTest::addColumn<int>("slot");
        QTest::addRow("slot 2") << 2 << 2;
        QTest::addRow("byte 9 is no player") << 9 << 0;
        QTest::addRow("byte 0") << 0 << 0;
        QTest::addRow("byte 255") << 255 << 0;
    }

    void pointOfView()
    {
        QFETCH(int, povByte);
        QFETCH(int, slot);
        HeaderBuilder h = HeaderBuilder::Duel();
        h.povByte = povByte;
        CRecordedGame game;
        analyze(game, h);
        QCOMPARE(game.povSlot, slot);
        QCOMPARE(game.povPlayer.name, game.players[slot].name);
    }

    void mapTypeFromInstructions_data()
    {
        QTest::addColumn<int>("mapId");
        QTest::addColumn<QByteArray>("instructions");
        QTest::addColumn<QString>("name");
        QTest::addRow("english") << 44 << QByteArray("Map Type: Dry Arabia\nmore") << "Dry Arabia";
        QTest::addRow("king of the hill id") << 30 << QByteArray("Map Type: Hill Fort\n") << "Hill Fort";
        QTest::addRow("french") << 44 << QByteArray("Type de carte : Arabie\n") << "Arabie";
        QTest::addRow("spanish") << 44 << QByteArray("Tipo de mapa: Costa\n") << "Costa";
        QTest::addRow("german") << 44 << QByteArray("Kartentyp: Inseln\n") << "Inseln";
        QTest::addRow("chinese big5 colon") << 44 << QByteArray("\xA6\x61\xB9\xCF\xC3\xFE\xA7\x4F\xA1\x47XY\n")
                                            << "XY";
        QTest::addRow("unknown label") << 44 << QByteArray("Kind of map: Nope\n") << "";
        QTest::addRow("not read for standard maps") << 9 << QByteArray("Map Type: Ignored\n") << "";
        QTest::addRow("long name is cut at 100 bytes") << 44 << (QByteArray("Map Type: ") + QByteArray(150, 'n') + '\n')
                                                       << QString(100, QLatin1Char('n'));
    }

    void mapTypeFromInstructions()
    {
        QFETCH(int, mapId);
        QFETCH(QByteArray, instructions);
        QFETCH(QString, name);
        HeaderBuilder h = HeaderBuilder::Duel();
        h.mapId = mapId;
        h.instructions = instructions;
        CRecordedGame game;
        analyze(game, h);
        QCOMPARE(game.mapName, name);
    }

    void mapTypeNeedsALargeHeader()
    {
        HeaderBuilder h = HeaderBuilder::Duel();
        h.mapId = 44;
        CRecordedGame game;
        analyze(game, h);
        QVERIFY(game.header.size() <= 118000);
        QCOMPARE(game.GetMapName(false), QString());
    }

    void markers_data()
    {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<bool>("trigger");
        QTest::addColumn<int>("minimumSize");
        QTest::addRow("both markers") << true << true << 20000;
        QTest::addRow("no trigger marker") << true << false << 20000;
        QTest::addRow("no settings marker") << false << true << 20000;
    }

    void markers()
    {
        QFETCH(bool, settings);
        QFETCH(bool, trigger);
        QFETCH(int, minimumSize);
        HeaderBuilder h = HeaderBuilder::Duel();
        h.mapId = 12;
        h.settingsMarker = settings;
        h.triggerMarker = trigger;
        h.minimumSize = minimumSize;
        CRecordedGame game;
        analyze(game, h);
        if (settings && trigger) {
            QCOMPARE(game.mapId, 12);
            QCOMPARE(game.players[1].name, QStringLiteral("Alice"));
        } else {
            // Without the markers the map id comes from position 12: the AI flag.
            QCOMPARE(game.mapId, 0);
            QCOMPARE(game.players[1].name, QString());
        }
    }

    void markersAtOrBelow18000AreIgnored()
    {
        // A header cut right after its trigger marker, at 18000 bytes or less.
        HeaderBuilder h = HeaderBuilder::Duel();
        h.mapId = 12;
        QByteArray raw = h.build();
        raw.truncate(h.triggerMarkerEnd);
        raw = raw.right(18000);
        CRecordedGame game;
        game.header = raw;
        game.Analyze(true);
        QCOMPARE(game.mapId, 0);
    }

    void laterTriggerMarkerWins()
    {
        HeaderBuilder h = HeaderBuilder::Duel();
        h.gameType = 6;
        QByteArray raw = h.build();
        // A second marker after the real one: the trigger walk then starts there.
        raw += QByteArray("\x9A\x99\x99\x99\x99\x99\xF9\x3F", 8) + QByteArray(1, '\0') + Fixture::Le32(0)
            + QByteArray(25, '\0') + QByteArray(1, '\x05') + QByteArray(40, '\0');
        CRecordedGame game;
        game.header = raw;
        game.Analyze(true);
        QCOMPARE(game.gameType, 5);
        QCOMPARE(game.players[1].name, QStringLiteral("Alice"));
    }

    void aiSectionAndTriggersAreSkipped()
    {
        HeaderBuilder h = HeaderBuilder::Duel();
        h.aiSection = true;
        h.triggerCount = 3;
        h.gameType = 2;
        h.entries[2].teamByte = 3;
        h.width = h.height = 20;
        CRecordedGame game;
        analyze(game, h);
        QCOMPARE(game.mapWidth, 20);
        QCOMPARE(game.gameType, 2);
        QCOMPARE(game.players[2].team, 2);
        QCOMPARE(game.players[2].civilization, 2);
    }

    void preGameChat()
    {
        HeaderBuilder h = HeaderBuilder::Duel();
        h.preGameChat = {"@#1Alice: hello", "@#2Bob: hi there", "@#9not a player digit",
                         "@#1" + QByteArray(297, 'x')};
        CRecordedGame game;
        analyze(game, h);
        const QStringList lines = game.preGameChat.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(0), QStringLiteral(":::::::::::::::::::::: PreChat Game ::::::::::::::::::::::"));
        QCOMPARE(lines.value(2), QStringLiteral("Alice: hello"));
        QCOMPARE(lines.value(3), QStringLiteral("Bob: hi there"));
        // A message whose length field is 300 keeps its first 253 bytes.
        QCOMPARE(lines.value(4), QString(253, QLatin1Char('x')));
        QCOMPARE(lines.size(), 6);
    }

    void scenario_data()
    {
        QTest::addColumn<bool>("analyzeScenario");
        QTest::addRow("analysed") << true;
        QTest::addRow("not analysed") << false;
    }

    void scenario()
    {
        QFETCH(bool, analyzeScenario);
        CSettings::Instance().analyzeScenario = analyzeScenario;
        HeaderBuilder h = HeaderBuilder::Duel();
        h.mapId = 2;
        h.gameType = 3;
        h.terrainId = 7;
        CRecordedGame game;
        analyze(game, h);
        QCOMPARE(game.GetMapName(false), QStringLiteral("Scenario"));
        if (analyzeScenario) {
            QCOMPARE(game.players[1].name, QStringLiteral("Alice"));
            QCOMPARE(game.gameType, 3);
            QCOMPARE(game.terrain[0], quint8(0x41)); // scenarios keep no terrain
        } else {
            QCOMPARE(game.players[1].name, QString());
            QCOMPARE(game.matchSize, -1);
        }
    }

    void codePageDecodesNames_data()
    {
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("name");
        QTest::addRow("windows-1252") << "windows-1252" << QByteArray("J\xF6rg") << QStringLiteral("Jörg");
        QTest::addRow("gbk") << "GBK" << QByteArray("\xC9\xA8\xB5\xB4") << QStringLiteral("扫荡");
        QTest::addRow("utf-8 wins") << "windows-1252" << QByteArray("J\xC3\xB6rg") << QStringLiteral("Jörg");
    }

    void codePageDecodesNames()
    {
        QFETCH(QString, codePage);
        QFETCH(QByteArray, raw);
        QFETCH(QString, name);
        CSettings::Instance().SetCodePage(codePage);
        CRecordedGame game;
        analyze(game, HeaderBuilder::Duel(raw, "Bob"));
        QCOMPARE(game.players[1].name, name);
        QCOMPARE(game.players[1].civilization, 1); // matched by the raw bytes
    }

    void reanalyzeKeepsStoredPlayers()
    {
        HeaderBuilder h = HeaderBuilder::Duel();
        h.width = h.height = 10;
        h.terrainId = 4;
        h.preGameChat = {"@#1Alice: gl"};
        const QByteArray body = BodyBuilder().research(2, 101).timeStep(140000).chat("@#2Bob: x").build();
        CRecordedGame game;
        game.header = h.build();
        game.body = body;
        game.players[1].name = QStringLiteral("Stored Alice");
        game.players[1].number = 1;
        game.players[2].name = QStringLiteral("Stored Bob");
        game.players[2].number = 2;
        game.players[2].civilization = 3;
        game.duration = QStringLiteral("01:00:00");
        game.Reanalyze(true);
        QCOMPARE(game.mapWidth, 10);
        QCOMPARE(game.terrain[99], quint8(4));
        QCOMPARE(game.players[1].name, QStringLiteral("Stored Alice"));
        QCOMPARE(game.players[2].civilization, 3);
        QCOMPARE(game.players[2].feudalTime, 130000);
        QCOMPARE(game.duration, QStringLiteral("01:00:00"));
        QVERIFY(game.preGameChat.contains(QStringLiteral("Alice: gl")));
        QVERIFY(game.gameChat.contains(QStringLiteral("(00:02:10) Stored Bob advanced to the Feudal Age.")));
    }

    void hostileFieldsNeverLeaveTheBuffer_data()
    {
        QTest::addColumn<int>("offsetFromSettings");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("huge name length") << 24 + 8 << Fixture::Le32(0x7FFFFFF0);
        QTest::addRow("negative name length") << 24 + 8 << Fixture::Le32(-5);
        QTest::addRow("player number 200") << 24 << Fixture::Le32(200);
    }

    void hostileFieldsNeverLeaveTheBuffer()
    {
        QFETCH(int, offsetFromSettings);
        QFETCH(QByteArray, bytes);
        HeaderBuilder h = HeaderBuilder::Duel();
        QByteArray raw = h.build();
        raw.replace(h.settingsMarkerPos + offsetFromSettings, bytes.size(), bytes);
        CRecordedGame game;
        game.header = raw;
        game.Analyze(true);
        game.BuildTeamLabels();
        QVERIFY(game.playerCount >= 0);
    }

    void floodedHeadersStayBounded()
    {
        // A few kilobytes of a file can inflate to megabytes of lobby chat
        // markers; the re-analysis walks them from the start of the header.
        CRecordedGame chat;
        chat.header = QByteArray("@#1").repeated((8 << 20) / 3);
        chat.Reanalyze(true);
        QVERIFY(chat.preGameChat.size() > (1 << 20));
        QVERIFY(chat.preGameChat.size() <= (4 << 20) + 300);

        // ... or of colons for the "Map Type" search of map 44.
        CRecordedGame colons;
        colons.header = QByteArray(12, '\0') + Fixture::Le32(44) + QByteArray(": ").repeated(4 << 20);
        colons.Analyze(false);
        QCOMPARE(colons.mapId, 44);
        QCOMPARE(colons.mapName, QString());
    }

    void hostileDimensions_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addRow("negative") << -8 << 8;
        QTest::addRow("huge") << 0x7FFFFFFF << 0x7FFFFFFF;
        QTest::addRow("wider than the terrain map") << 300 << 300;
    }

    void hostileDimensions()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        HeaderBuilder h = HeaderBuilder::Duel();
        QByteArray raw = h.build();
        raw.replace(16 + 110, 4, Fixture::Le32(width));
        raw.replace(16 + 114, 4, Fixture::Le32(height));
        CRecordedGame game;
        game.header = raw;
        game.Analyze(true);
        QCOMPARE(game.mapWidth, width);
        QCOMPARE(game.players[1].name, QStringLiteral("Alice"));
    }
};

QTEST_GUILESS_MAIN(TestHeaderParser)
#include "tst_header_parser.moc"
