#include "CorpusGame.h"
#include "TestEnv.h"

#include "app/Settings.h"
#include "recgame/RecordedGame.h"

#include <QTest>

namespace {

QStringList names(const CRecordedGame &game)
{
    QStringList out;
    for (int s = 1; s <= 8; ++s)
        if (game.players[s].number > 0)
            out << game.players[s].name;
    return out;
}

} // namespace

// Facts about the shared real recordings, known from other readers' own tests
// and from the first careful analysis of each file.
class TestCorpus : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void init()
    {
        REQUIRE_CORPUS();
        CSettings::Instance().ResetToDefaults();
    }

    void summary_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("mapId");
        QTest::addColumn<QString>("mapName");
        QTest::addColumn<int>("gameType");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<int>("povSlot");
        QTest::addColumn<int>("matchSize");
        QTest::addColumn<QStringList>("players");
        QTest::addRow("1.0c duel") << "aoc-1.0c.mgx" << 9 << "Arabia" << 0 << "00:53:46" << 1 << 1
                                   << QStringList{"North", "H_Haslebo"};
        QTest::addRow("co-op") << "coop.mgx" << 44 << "Dry Arabia" << 0 << "00:39:30" << 2 << 1
                               << QStringList{"SbS | Yolo | Cong", "Maxmoll", "Hussa! Hussa!", "The_Flash"};
        QTest::addRow("4 vs 4") << "hd-8players.mgx" << 9 << "Arabia" << 0 << "00:34:30" << 4 << 4
                                << QStringList{"ZeroEmpires", "Befbeer", "dark_knight1907", "Idle Beaver",
                                               "Hand Banana", "Iso", "JJEL", "SudsNDeath"};
        QTest::addRow("userpatch") << "up1.4.mgz" << 9 << "Arabia" << 0 << "00:44:30" << 1 << 1
                                   << QStringList{"Zuppi", "JorDan_23"};
        QTest::addRow("scenario") << "scenario-with-messages.mgz" << 2 << "Scenario" << 3 << "00:00:00" << 1 << 1
                                  << QStringList{"RecAnalyst", "Raymond,Prince of Antioch"};
        QTest::addRow("later edition co-op") << "hd-coop-chat.mgx2" << 44 << "TCC_DoubleGoldRush" << 0 << "00:20:23"
                                             << 1 << 1
                                             << QStringList{"Zygene", "Gay Fish", "[-CW-] Dillza", "[-CW-] HBAD16"};
        QTest::addRow("1.0 body opening with log version 3") << "aoc-1.0.mgx" << 9 << "Arabia" << 0 << "00:42:52" << 1 << 1
                                                      << QStringList{};
    }

    void summary()
    {
        QFETCH(QString, file);
        QFETCH(int, mapId);
        QFETCH(QString, mapName);
        QFETCH(int, gameType);
        QFETCH(QString, duration);
        QFETCH(int, povSlot);
        QFETCH(int, matchSize);
        QFETCH(QStringList, players);
        const CRecordedGame game = AnalyzedCorpusGame(file);
        QCOMPARE(game.mapId, mapId);
        QCOMPARE(game.GetMapName(false), mapName);
        QCOMPARE(game.gameType, gameType);
        QCOMPARE(game.duration, duration);
        QCOMPARE(game.povSlot, povSlot);
        QCOMPARE(game.matchSize, matchSize);
        if (!players.isEmpty())
            QCOMPARE(names(game), players);
    }

    void duelDetails()
    {
        const CRecordedGame game = AnalyzedCorpusGame(QStringLiteral("aoc-1.0c.mgx"));
        QCOMPARE(game.players[1].civilization, 17);
        QCOMPARE(game.players[2].civilization, 17);
        QCOMPARE(game.players[1].number, 1);
        QCOMPARE(game.players[2].number, 2);
        const QStringList pre = game.preGameChat.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(pre.size(), 1 + 14);
        QCOMPARE(pre.value(1), QStringLiteral("H_Haslebo: DEAD!"));
        QVERIFY(game.gameChat.endsWith(QStringLiteral("(00:53:46) H_Haslebo resigned.\r\n")));
    }

    void coopNumbersAndTeams()
    {
        const CRecordedGame coop = AnalyzedCorpusGame(QStringLiteral("coop.mgx"));
        QCOMPARE((QList<int>{coop.players[1].number, coop.players[2].number, coop.players[3].number,
                             coop.players[4].number}),
                 (QList<int>{1, 2, 2, 1}));
        QVERIFY(!coop.players[3].active && !coop.players[4].active);
        QCOMPARE(coop.players[3].civilization, coop.players[2].civilization);

        const CRecordedGame eight = AnalyzedCorpusGame(QStringLiteral("hd-8players.mgx"));
        QList<int> teams;
        for (int s = 1; s <= 8; ++s)
            teams << eight.players[s].team;
        QCOMPARE(teams, (QList<int>{3, 2, 2, 3, 3, 3, 2, 2}));
        QCOMPARE(eight.mapWidth, 220);
        QCOMPARE(eight.mapHeight, 220);
    }

    void gbkNames()
    {
        CSettings::Instance().SetCodePage(QStringLiteral("GBK"));
        const CRecordedGame game = AnalyzedCorpusGame(QStringLiteral("aoc-1.0.mgx"));
        QCOMPARE(game.players[1].name, QStringLiteral("扫荡超高⒉号"));
        QCOMPARE(game.playerCount, 2);
        QList<int> numbers;
        for (int s = 1; s <= 5; ++s)
            numbers << game.players[s].number;
        QCOMPARE(numbers, (QList<int>{1, 1, 2, 1, 1}));
    }

    void chats()
    {
        const CRecordedGame up = AnalyzedCorpusGame(QStringLiteral("up1.4.mgz"));
        QVERIFY(up.gameChat.contains(QStringLiteral("<Rating> Zuppi: 2212")));

        const CRecordedGame hd = AnalyzedCorpusGame(QStringLiteral("hd-coop-chat.mgx2"));
        const QStringList pre = hd.preGameChat.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(pre.mid(pre.size() - 2),
                 (QStringList{QStringLiteral("Zygene: hf gl"), QStringLiteral("[-CW-] Dillza: gl hf")}));
        QVERIFY(hd.gameChat.contains(QStringLiteral("\r\n\r\n(00:06:08) <All>[-CW-] Dillza: nice sheep steal\r\n")));

        const CRecordedGame scenario = AnalyzedCorpusGame(QStringLiteral("scenario-with-messages.mgz"));
        QCOMPARE(scenario.body.size(), 216);
        QCOMPARE(scenario.mapWidth, 144);
        QVERIFY(scenario.gameChat.endsWith(QStringLiteral("Game Chat ::::::::::::::::::::::\r\n\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
