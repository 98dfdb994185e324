#include "shell/GameDescription.h"

#include "recgame/RecordedGame.h"

#include <QTest>

Q_DECLARE_METATYPE(CDescriptionOptions)

// The clipboard description built from games made in memory: which side a
// player is on, the union text and its trimming, civilizations, ratings and
// the label and colon rules.
class TestGameDescription : public QObject
{
    Q_OBJECT

    // "Name/civ/team/rating" per player, slot by slot; an empty entry leaves
    // the slot empty (player number 0) but keeps its team of "-/0/team/0".
    static CRecordedGame game(const QStringList &players, int mapId = 9)
    {
        CRecordedGame g;
        g.mapId = mapId;
        g.mapName = QStringLiteral("Custom Land");
        g.matchSize = 2;
        int slot = 1;
        for (const QString &entry : players) {
            const QStringList f = entry.split(QLatin1Char('/'));
            CPlayer &p = g.players[slot];
            p.number = f[0] == QLatin1String("-") ? 0 : slot;
            p.name = f[0] == QLatin1String("-") ? QString() : f[0];
            p.civilization = f[1].toInt();
            p.team = f[2].toInt();
            p.rating = f[3].toInt();
            ++slot;
        }
        g.teamLabelA = QStringLiteral("Team A");
        g.teamLabelB = QStringLiteral("Team B");
        return g;
    }

    static CDescriptionOptions options(int rating, int civs, bool names, bool map, const QString &unionText)
    {
        CDescriptionOptions o;
        o.rating = rating;
        o.civilizations = civs;
        o.teamNames = names;
        o.mapName = map;
        o.unionText = unionText;
        return o;
    }

private Q_SLOTS:
    void describes_data()
    {
        QTest::addColumn<QStringList>("players");
        QTest::addColumn<int>("mapId");
        QTest::addColumn<CDescriptionOptions>("options");
        QTest::addColumn<QString>("expected");
        const CDescriptionOptions defaults;
        const QStringList duel { "Alice/11/1/2063", "Bob/12/2/2409" };
        const QStringList twos { "Al/1/1/1800", "Bo/2/2/2000", "Cy/3/1/1700", "Di/4/2/2100" };

        QTest::addRow("defaults on a duel") << duel << 9 << defaults
                                            << "Map: Arabia\nTeam A (20++): Alice(Vik)\nTeam B (24++): Bob(Mon)";
        QTest::addRow("full ratings, whole civilization names")
            << twos << 9 << options(1, 1, true, true, " + ")
            << "Map: Arabia\nTeam A (1750): Al(Britons) + Cy(Goths)\nTeam B (2050): Bo(Franks) + Di(Teutons)";
        QTest::addRow("averages are whole numbers")
            << QStringList { "A/1/1/1801", "B/1/1/1800", "C/1/2/1600" } << 9 << options(1, 0, false, false, "&")
            << " (1800): A&B\n (1600): C";
        QTest::addRow("17++ is the hundreds of the average")
            << QStringList { "A/1/1/1750", "B/1/1/1799", "C/1/2/999" } << 9 << options(2, 0, true, false, ",")
            << "Team A (17++): A,B\nTeam B (9++): C";
        QTest::addRow("civilizations off: bare names joined")
            << twos << 9 << options(0, 0, true, false, " + ") << "Team A: Al + Cy\nTeam B: Bo + Di";
        QTest::addRow("names and ratings off: no colon")
            << twos << 9 << options(0, 2, false, false, " + ") << "Al(Bri) + Cy(Got)\nBo(Fra) + Di(Teu)";
        QTest::addRow("names off, ratings on: the colon stays")
            << duel << 9 << options(2, 0, false, false, " + ") << " (20++): Alice\n (24++): Bob";
        QTest::addRow("union - strips the hyphens of names at the ends")
            << QStringList { "-Ann-/1/1/1600", "Ben-/1/1/1600", "x/1/2/1600" } << 9 << options(0, 0, false, false, "-")
            << "Ann--Ben\nx";
        QTest::addRow("empty union joins names")
            << QStringList { "A/1/1/0", "B/1/1/0" } << 9 << options(0, 0, false, false, "") << "AB";
        QTest::addRow("one side only: one line")
            << QStringList { "A/1/1/1700", "B/2/1/1900" } << 9 << options(2, 2, true, false, " + ")
            << "Team A (18++): A(Bri) + B(Fra)";
        QTest::addRow("empty slot 1 still sets the first side")
            << QStringList { "-/0/2/0", "A/1/1/1600", "B/1/2/2000" } << 9 << options(1, 0, true, false, " + ")
            << "Team A (2000): B\nTeam B (1600): A";
        QTest::addRow("custom map by its stored name")
            << duel << 0 << options(0, 0, false, true, " + ") << "Map: Custom Land\nAlice\nBob";
        QTest::addRow("unknown civilization shows empty brackets")
            << QStringList { "A/0/1/1600", "B/99/2/1600" } << 9 << options(0, 1, false, false, " + ") << "A()\nB()";
    }
    void describes()
    {
        QFETCH(QStringList, players);
        QFETCH(int, mapId);
        QFETCH(CDescriptionOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(GameDescription::BuildDescription(game(players, mapId), options), expected);
    }

    void defaultsAreTheDialogsFirstChoices()
    {
        const CDescriptionOptions o;
        QCOMPARE(o.rating, int(CDescriptionOptions::ShortRating));
        QCOMPARE(o.civilizations, int(CDescriptionOptions::ShortCivilization));
        QVERIFY(o.teamNames && o.mapName);
        QCOMPARE(o.unionText, QStringLiteral(" + "));
    }
};


QTEST_GUILESS_MAIN(TestGameDescription)
#include "tst_game_description.moc"
