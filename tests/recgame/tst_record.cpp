#include "TestEnv.h"

#include "recgame/RecordedGame.h"

#include <QTest>

namespace {

struct Slot
{
    const char *name;
    int team;
};

CRecordedGame gameWith(const QList<Slot> &seats, int povSlot, int matchSize)
{
    CRecordedGame game;
    for (int i = 0; i < seats.size(); ++i) {
        game.players[i + 1].name = QString::fromUtf8(seats[i].name);
        game.players[i + 1].team = seats[i].team;
        game.players[i + 1].number = seats[i].name[0] ? i + 1 : 0;
    }
    game.povSlot = povSlot;
    game.povPlayer = game.players[povSlot];
    game.matchSize = matchSize;
    return game;
}

} // namespace

class TestRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void duelLabels_data()
    {
        QTest::addColumn<QString>("recorder");
        QTest::addColumn<QString>("label");
        QTest::addRow("bracket tag") << "[XY]Name" << "XY";
        QTest::addRow("underscore tag") << "abc_Name" << "abc";
        QTest::addRow("The_ is no tag") << "The_Name" << "Team A";
        QTest::addRow("iam_ is no tag") << "IAM_Name" << "Team A";
        QTest::addRow("plain name") << "Name" << "Team A";
        QTest::addRow("leading underscores trimmed") << "__abc_Name__" << "abc";
        QTest::addRow("community fragment") << "xx_VRASK_yy" << "Vrask";
        QTest::addRow("community before brackets") << "[nuvek_]x" << "NuVeK";
        QTest::addRow("only underscores") << "___" << "Team A";
        QTest::addRow("bracket at the end only") << "Name]" << "Team A";
    }

    void duelLabels()
    {
        QFETCH(QString, recorder);
        QFETCH(QString, label);
        const QByteArray name = recorder.toUtf8();
        CRecordedGame game = gameWith({{name.constData(), 10}, {"Other_Guy", 0}}, 1, 1);
        game.BuildTeamLabels();
        QCOMPARE(game.TeamLabelA(), label);
        QCOMPARE(game.TeamLabelB(), QStringLiteral("Other"));
    }

    void teamLabels_data()
    {
        QTest::addColumn<QStringList>("teamA");
        QTest::addColumn<QStringList>("teamB");
        QTest::addColumn<QString>("labelA");
        QTest::addColumn<QString>("labelB");
        QTest::addRow("common leading tag") << QStringList{"abXYZ", "Qab"} << QStringList{"foo", "bar"} << "ab"
                                            << "Team B";
        QTest::addRow("clan prefix") << QStringList{"KoS_Alpha", "KoS_Beta"} << QStringList{"Lord_x", "Lord_y"}
                                     << "KoS" << "Lord";
        QTest::addRow("bracket tag") << QStringList{"[GG]one", "[GG]two"} << QStringList{"x", "y"} << "GG"
                                     << "Team B";
        QTest::addRow("trailing tag") << QStringList{"one_ABC", "two_ABC"} << QStringList{"p", "q"} << "ABC"
                                      << "Team B";
        QTest::addRow("team table") << QStringList{"nuvek_a", "NuVeK_b"} << QStringList{"k_drum1", "2k_drum"}
                                    << "NuVeK" << "Kadrum";
    }

    void teamLabels()
    {
        QFETCH(QStringList, teamA);
        QFETCH(QStringList, teamB);
        QFETCH(QString, labelA);
        QFETCH(QString, labelB);
        QList<QByteArray> keep;
        QList<Slot> seats;
        for (const QString &n : teamA) {
            keep << n.toUtf8();
            seats << Slot{keep.last().constData(), 1};
        }
        for (const QString &n : teamB) {
            keep << n.toUtf8();
            seats << Slot{keep.last().constData(), 2};
        }
        // The four empty seats of a 2 vs 2 sit on team 0, not on 1 or 2.
        CRecordedGame game = gameWith(seats, 1, 2);
        game.BuildTeamLabels();
        QCOMPARE(game.TeamLabelA(), labelA);
        QCOMPARE(game.TeamLabelB(), labelB);
    }

    void gameWithoutTeamsHasNoSecondLabel()
    {
        CRecordedGame game = gameWith({{"a_one", 0}, {"b_two", 0}, {"c_three", 0}}, 1, 0);
        game.BuildTeamLabels();
        QCOMPARE(game.TeamLabelB(), QString());
    }

    void mapNames_data()
    {
        QTest::addColumn<int>("mapId");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("name");
        QTest::addRow("arabia") << 9 << false << "Arabia";
        QTest::addRow("arabia english") << 9 << true << "Arabia";
        QTest::addRow("blind random 35") << 35 << false << "Blind Random";
        QTest::addRow("48 is blind random") << 48 << true << "Blind Random";
        QTest::addRow("custom map id 44 uses the parsed name") << 44 << false << "parsed";
        QTest::addRow("id 8 uses the parsed name") << 8 << false << "parsed";
        QTest::addRow("id 36 uses the parsed name") << 36 << true << "parsed";
    }

    void mapNames()
    {
        QFETCH(int, mapId);
        QFETCH(bool, english);
        QFETCH(QString, name);
        CRecordedGame game;
        game.mapId = mapId;
        game.mapName = QStringLiteral("parsed");
        QCOMPARE(game.GetMapName(english), name);
    }

    void labelsAndTimes()
    {
        QCOMPARE(CRecordedGame::FormatGameTime(3723999), QStringLiteral("01:02:03"));
        QCOMPARE(CRecordedGame::FormatGameTime(0), QStringLiteral("00:00:00"));
        QCOMPARE(CRecordedGame::MatchSizeLabel(5), QString());
        QCOMPARE(CRecordedGame::MatchSizeLabel(-1), QStringLiteral("-"));
        QCOMPARE(CRecordedGame::MatchSizeLabel(3), QStringLiteral("3 vs 3"));
        QCOMPARE(CRecordedGame::CivilizationName(18), QStringLiteral("Koreans"));
        QCOMPARE(CRecordedGame::CivilizationName(32), QString());
        QCOMPARE(CRecordedGame::GameTypeName(8), QStringLiteral("Turbo RM"));
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
