#include "TestEnv.h"

#include "app/Settings.h"
#include "explorer/FileNames.h"
#include "recgame/RecordedGame.h"
#include "rename/RenameRows.h"
#include "rename/Renamer.h"
#include "shell/SettingsLoader.h"

#include <QFile>
#include <QSettings>
#include <QTest>

#include <ctime>

namespace {

constexpr int kSpain = 159;
constexpr int kChile = 35;
constexpr int kGermany = 65;

struct P
{
    const char *name;
    int team;
    int civilization = 1;
    int rating = 1600;
    int country = 0;
    int number = 0; // 0: the slot's position
};

// A record as the catalogue loads it: players in slots 1.., the recording
// player in slot 1 unless said otherwise.
CRecordedGame game(int matchSize, const QList<P> &players, int platform = 1, int povSlot = 1)
{
    CRecordedGame g;
    g.matchSize = matchSize;
    g.platform = platform;
    g.mapId = 9;
    g.gameType = 0;
    g.duration = QStringLiteral("01:40:13");
    g.date = 1177169580; // 2007-04-21 15:33:00 UTC
    for (int i = 0; i < players.size(); ++i) {
        CPlayer &p = g.players[i + 1];
        p.name = QString::fromUtf8(players[i].name);
        p.team = players[i].team;
        p.civilization = players[i].civilization;
        p.rating = players[i].rating;
        p.country = players[i].country;
        p.number = players[i].number ? players[i].number : i + 1;
        p.active = true;
    }
    g.povSlot = povSlot;
    g.povPlayer = g.players[povSlot];
    g.playerCount = int(players.size());
    return g;
}

CRecordedGame duel()
{
    return game(1, { { "Alice", 1, 1, 2063, kSpain }, { "Bob", 2, 8, 950, 0 } });
}

CRecordedGame twoVsTwo()
{
    return game(2, { { "Ann", 1, 2, 2100, kSpain }, { "Ben", 2, 3, 1600, kChile }, { "Amy", 1, 4, 1600, kSpain },
                       { "Bea", 2, 5, 1600, kGermany } });
}

CRecordedGame fourVsFour()
{
    QList<P> players;
    const char *names[] = { "A1", "B1", "A2", "B2", "A3", "B3", "A4", "B4" };
    for (int i = 0; i < 8; ++i)
        players.append({ names[i], i % 2 + 1, i + 1, 1000 + i, kChile });
    return game(4, players);
}

CRecordedGame freeForAll()
{
    return game(0, { { "F1", 0 }, { "F2", 0 }, { "F3", 0 }, { "F4", 0 }, { "F5", 0 } });
}

// Two players controlling one civilization share player number 1.
CRecordedGame coop()
{
    return game(1, { { "Alice", 1, 1, 2000 }, { "Carol", 1, 1, 1000, 0, 1 }, { "Bob", 2, 2, 1500, 0, 2 } });
}

QString expand(CRecordedGame g, const QString &format, const QString &round = QStringLiteral("#"),
    const QString &customDate = QStringLiteral("%d-%m-%y %H'%M"))
{
    CRenamer renamer(CRenamer::Options { true, customDate });
    renamer.AddFormat(QStringLiteral("t"), format, g.matchSize >= 1 && g.matchSize <= 4 ? g.matchSize : 0);
    renamer.Expand(g, round);
    return renamer.ResultCount() == 1 ? renamer.GetResult(0) : QStringLiteral("<no result>");
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

} // namespace

Q_DECLARE_METATYPE(CRecordedGame)

class TestRenamer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
    }

    void expansion_data()
    {
        QTest::addColumn<CRecordedGame>("record");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");

        QTest::addRow("duel players") << duel() << "{PLAY-A-1} vs {PLAY-B-1}.mgx" << "Alice vs Bob.mgx";
        QTest::addRow("civilizations") << duel() << "{CIV-A-1} {CIV3-B-1}" << "Britons Per";
        QTest::addRow("player ratings") << duel() << "{RAT-A-1} {RAT+-A-1} {RAT++-A-1}" << "2063 206+ 206++";
        QTest::addRow("rating 950") << duel() << "{RAT-B-1} {RAT+-B-1} {RAT++-B-1}" << "950 950+ 950++";
        QTest::addRow("game rating") << duel() << "{RATING+} {RATING++}" << "150+ 15++";
        QTest::addRow("ratings 2100 and 1600") << twoVsTwo() << "{RATING+} {RAT+-A-1} {RAT-B-1}" << "172+ 210+ 1600";
        QTest::addRow("countries") << duel() << "{NAT-A-1},{NAT3-A-1},{NAT-B-1},{NAT3-B-1}." << "Spain,Spa,,.";
        QTest::addRow("country 0 team") << duel() << "{NAT-A} {NAT-B}" << "Spain Nation B";
        QTest::addRow("mixed countries") << twoVsTwo() << "{NAT-A} {NAT-B}" << "Spain Nation B";
        QTest::addRow("mode size platform") << duel() << "{MODE} {P} {PLAT}" << "Random Map 1 GP RM";
        QTest::addRow("time and view") << duel() << "{TIME} {VIEW}" << "01'40'13 Alice";
        QTest::addRow("map and round") << duel() << "{MAP} {ROUND}" << "Arabia #";
        QTest::addRow("duel team labels") << duel() << "{TEAM-A} {TEAM-B}" << "Team A Team B";
        QTest::addRow("dates") << duel() << "{DATE1} {DATE2} {DATE3} {DATE4}"
                               << "04-21-07 21-04-07 04-21-07 15'33 21-04-07 15'33";
        QTest::addRow("third player empty") << duel() << "[{PLAY-A-3}{CIV-B-4}{RAT++-A-2}]" << "[]";
        QTest::addRow("fifth player kept") << duel() << "{PLAY-A-5}" << "{PLAY-A-5}";
        QTest::addRow("lower case untouched") << duel() << "{map} {Map}" << "{map} {Map}";
        QTest::addRow("2v2 by team") << twoVsTwo() << "{PLAY-A-1}+{PLAY-A-2} vs {PLAY-B-1}+{PLAY-B-2}"
                                     << "Ann+Amy vs Ben+Bea";
        QTest::addRow("2v2 size") << twoVsTwo() << "{P}v{P}" << "2v2";
        QTest::addRow("4v4 fourth players") << fourVsFour() << "{PLAY-A-4} {PLAY-B-4} {CIV3-B-4} {NAT-A}"
                                            << "A4 B4 Per Chile";
        QTest::addRow("ffa fifth player") << freeForAll() << "{PLAY-A-5}|{PLAY-B-1}|{NAT-B}|{P}"
                                          << "F5||Nation B|0";
        QTest::addRow("coop partner") << coop() << "{PLAY-A-1}+{PLAY-A-2} vs {PLAY-B-1}" << "Alice+Carol vs Bob";
        QTest::addRow("coop rating counts both") << coop() << "{RATING+}" << "150+";
        QTest::addRow("ip platform") << game(1, { { "Alice", 1, 1, 2063 }, { "Bob", 2, 1, 950 } }, 3)
                                     << "{PLAT} {RATING+} {RATING++} {RAT-A-1}" << "IP - - 2063";
        QTest::addRow("no players") << game(1, {}) << "{RATING+}{PLAY-A-1}{NAT-A}" << "-Nation A";
        QTest::addRow("hostile name") << game(1, { { "a/b:c\t*d", 1 }, { "..", 2 } })
                                      << "{PLAY-A-1} {VIEW} {PLAY-B-1}" << "a_b_c__d a_b_c__d ..";
    }

    void expansion()
    {
        QFETCH(CRecordedGame, record);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(expand(record, format), expected);
    }

    void customDateAndMapAreNameSafe()
    {
        CRecordedGame g = duel();
        g.mapId = 44;
        g.mapName = QStringLiteral("Dry/Arabia: \"v2\"");
        QCOMPARE(expand(g, QStringLiteral("{MAP} {DATEC}"), QStringLiteral("3"), QStringLiteral("%Y/%m")),
            QStringLiteral("Dry_Arabia_ _v2_ 2007_04"));
        QCOMPARE(expand(g, QStringLiteral("{ROUND}"), QStringLiteral("a/b")), QStringLiteral("a_b"));
    }

    void partialResultKeepsTheLastTags()
    {
        CRecordedGame g = duel();
        CRenamer renamer(CRenamer::Options { false, QString() });
        renamer.AddFormat(QStringLiteral("t"), QStringLiteral("{PLAY-A-1} {MAP} {ROUND} {TEAM-A} {NAT-B}"), 1);
        renamer.Expand(g, QStringLiteral("2"));
        QCOMPARE(renamer.GetPartialResult(0), QStringLiteral("Alice {MAP} {ROUND} {TEAM-A} {NAT-B}"));
        QCOMPARE(renamer.GetResult(0), QStringLiteral("Alice Arabia 2 Team A Nation B"));
        CRenamer::FinalValues values { QStringLiteral("x"), QStringLiteral("Mars"), QStringLiteral("Nile"),
            QStringLiteral("7"), QStringLiteral("Red"), QStringLiteral("Blue") };
        QCOMPARE(CRenamer::Finish(renamer.GetPartialResult(0), values), QStringLiteral("Alice Nile 7 Red Mars"));
    }

    void formatTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("matchSize");
        QTest::addColumn<bool>("applies");
        QTest::addRow("team on 1v1") << 0 << 1 << false;
        QTest::addRow("team on 2v2") << 0 << 2 << true;
        QTest::addRow("team on 4v4") << 0 << 4 << true;
        QTest::addRow("team on ffa") << 0 << 0 << true;
        QTest::addRow("team on unknown") << 0 << -1 << false;
        QTest::addRow("1v1 on 1v1") << 1 << 1 << true;
        QTest::addRow("2v2 on 3v3") << 2 << 3 << false;
        QTest::addRow("3v3 on 3v3") << 3 << 3 << true;
        QTest::addRow("stray type") << 7 << 7 << false;
    }

    void formatTypes()
    {
        QFETCH(int, type);
        QFETCH(int, matchSize);
        QFETCH(bool, applies);
        QCOMPARE(CRenamer::Applies(type, matchSize), applies);
    }

    void expandsApplicableFormatsInOrder()
    {
        CRecordedGame g = duel();
        CRenamer renamer(CRenamer::Options { true, QString() });
        renamer.AddFormat(QStringLiteral("team"), QStringLiteral("{TEAM-A}"), 0);
        renamer.AddFormat(QStringLiteral("a"), QStringLiteral("{PLAY-A-1}"), 1);
        renamer.AddFormat(QStringLiteral("2v2"), QStringLiteral("{PLAY-A-2}"), 2);
        renamer.AddFormat(QStringLiteral("b"), QStringLiteral("{PLAY-B-1}"), 1);
        renamer.Expand(g, QStringLiteral("#"));
        QCOMPARE(renamer.ResultCount(), 2);
        QCOMPARE(renamer.Results()[0].formatIndex, 1);
        QCOMPARE(renamer.Results()[1].name, QStringLiteral("Bob"));
        renamer.Expand(g, QStringLiteral("#"));
        QCOMPARE(renamer.ResultCount(), 4); // appended until cleared
        renamer.ClearResults();
        QCOMPARE(renamer.ResultCount(), 0);
    }

    void storeRoundTripSkipsIncompleteEntries()
    {
        TestEnv env;
        QSettings store(env.file(QStringLiteral("s.ini")), QSettings::IniFormat);
        store.setValue(QStringLiteral("RenameFormats/RenameFormatsCount"), 4);
        store.setValue(QStringLiteral("RenameFormats/Name0"), QStringLiteral("one"));
        store.setValue(QStringLiteral("RenameFormats/Format0"), QStringLiteral("{MAP}.mgx"));
        store.setValue(QStringLiteral("RenameFormats/FormatType0"), 1);
        store.setValue(QStringLiteral("RenameFormats/Name1"), QStringLiteral("no format"));
        store.setValue(QStringLiteral("RenameFormats/Format2"), QStringLiteral("no title"));
        store.setValue(QStringLiteral("RenameFormats/Name3"), QStringLiteral("four"));
        store.setValue(QStringLiteral("RenameFormats/Format3"), QStringLiteral("{P};{MAP}.mgx"));
        CRenamer renamer(CRenamer::Options {});
        renamer.LoadFormats(store);
        const QList<CRenameFormat> expected { { QStringLiteral("one"), QStringLiteral("{MAP}.mgx"), 1 },
            { QStringLiteral("four"), QStringLiteral("{P};{MAP}.mgx"), 0 } };
        QCOMPARE(renamer.Formats(), expected);

        renamer.SaveFormats(store);
        QCOMPARE(store.value(QStringLiteral("RenameFormats/RenameFormatsCount")).toInt(), 2);
        CRenamer again(CRenamer::Options {});
        again.LoadFormats(store);
        QCOMPARE(again.Formats(), expected);

        // Keys beyond the count stay; a hand-edited count is bounded and
        // reaches the stale entry of index 3 again.
        store.setValue(QStringLiteral("RenameFormats/RenameFormatsCount"), 2000000000);
        again.LoadFormats(store);
        QCOMPARE(again.Formats().size(), 3);
    }

    void defaultFormatsFile()
    {
        TestEnv env;
        QSettings store(env.file(QStringLiteral("s.ini")), QSettings::IniFormat);
        QVERIFY(!CRenamer::StoreDefaultFormats(env.file(QStringLiteral("missing.txt")), store));
        QVERIFY(!CRenamer::HasStoredFormats(store));

        const QString path = writeFile(env.file(QStringLiteral("f.txt")),
            "Duel;1;{PLAY-A-1} vs {PLAY-B-1}.mgx\r\n"
            "Semicolons;2;{PLAY-A-1};{PLAY-A-2};x.mgx\r\n"
            "Team;x;\r\n"
            "Short\n"
            "\r\n"
            "After the empty line;0;never.mgx\r\n");
        QVERIFY(CRenamer::StoreDefaultFormats(path, store));
        QCOMPARE(store.value(QStringLiteral("RenameFormats/RenameFormatsCount")).toInt(), 4);
        QCOMPARE(store.value(QStringLiteral("RenameFormats/Format1")).toString(),
            QStringLiteral("{PLAY-A-1};{PLAY-A-2};x.mgx"));
        QCOMPARE(store.value(QStringLiteral("RenameFormats/FormatType1")).toInt(), 2);
        QCOMPARE(store.value(QStringLiteral("RenameFormats/FormatType2")).toInt(), 0);
        QCOMPARE(store.value(QStringLiteral("RenameFormats/Name3")).toString(), QStringLiteral("Short"));
        CRenamer renamer(CRenamer::Options {});
        renamer.LoadFormats(store);
        QCOMPARE(renamer.Formats().size(), 2); // the entries without a format are not offered
    }

    // Every shipped format names a file that may reach the file system, for
    // the kind of game it is meant for.
    void shippedFormatsMakeValidNames()
    {
        TestEnv env;
        QSettings store(env.file(QStringLiteral("s.ini")), QSettings::IniFormat);
        QVERIFY2(CRenamer::StoreDefaultFormats(CRenamer::DefaultFormatsPath(), store),
            qPrintable(CRenamer::DefaultFormatsPath()));
        CRenamer renamer(CRenamer::Options { true, QStringLiteral("%d-%m-%y %H'%M") });
        renamer.LoadFormats(store);
        QVERIFY(renamer.Formats().size() >= 10);
        QSet<int> types;
        for (const CRenameFormat &f : renamer.Formats()) {
            types.insert(f.type);
            QVERIFY2(f.format.endsWith(QStringLiteral(".mgx")), qPrintable(f.title));
        }
        QCOMPARE(types, (QSet<int> { 0, 1, 2, 3, 4 }));
        const QList<CRecordedGame> games { duel(), twoVsTwo(), game(3, { { "a", 1 }, { "b", 2 }, { "c", 1 } }),
            fourVsFour(), freeForAll() };
        for (CRecordedGame g : games) {
            renamer.ClearResults();
            renamer.Expand(g, QStringLiteral("1"));
            QVERIFY(renamer.ResultCount() > 0);
            for (const CRenameResult &r : renamer.Results()) {
                QVERIFY2(FileNames::IsValid(r.name), qPrintable(r.name));
                QVERIFY2(!r.name.contains(QLatin1Char('{')), qPrintable(r.name));
            }
        }
    }

    void checkEntry_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("errorCaption");
        QTest::addColumn<QString>("keptFormat");
        QTest::addRow("trimmed and completed") << " T " << " {MAP} " << 1 << "" << false << "{MAP}.mgx";
        QTest::addRow("extension in any case") << "T" << "{MAP}.MGX" << 0 << "" << false << "{MAP}.MGX";
        QTest::addRow("no type") << "T" << "x" << -1 << "Select a Format Type" << true << "x";
        QTest::addRow("blank title") << "  " << "x" << 4 << "Enter a valid Format Title." << false << "x";
        QTest::addRow("blank format") << "T" << " " << 2 << "Enter a valid Rename Format." << false << "";
    }

    void checkEntry()
    {
        QFETCH(QString, title);
        QFETCH(QString, format);
        QFETCH(int, type);
        QFETCH(QString, problem);
        QFETCH(bool, errorCaption);
        QFETCH(QString, keptFormat);
        CRenameFormat entry { title, format, type };
        bool caption = false;
        QCOMPARE(CRenamer::CheckEntry(entry, &caption), problem);
        QCOMPARE(caption, errorCaption);
        QCOMPARE(entry.format, keptFormat);
        if (problem.isEmpty())
            QCOMPARE(entry.title, title.trimmed());
    }

    // The several-files rename without its widgets: a round and a format
    // spread to the rows, the counter, and checked rows without a name.
    void renameRows()
    {
        CRenameRows rows;
        rows.Add({ QStringLiteral("a.mgz"), 1, QStringLiteral("#"),
            { { QStringLiteral("A #.mgx"), QString(), 0 }, { QStringLiteral("A R#.mgx"), QString(), 2 } }, QString(), true });
        rows.Add({ QStringLiteral("b.mgx"), 2, QStringLiteral("#"), { { QStringLiteral("B #.mgx"), QString(), 0 } }, QString(), true });
        QCOMPARE(rows.CounterText(), QStringLiteral("2 Files - 2 Selected"));
        rows.Apply(QStringLiteral("3"), 2);
        QCOMPARE(rows.Row(0).newName, QStringLiteral("A R3.mgz")); // keeps its own extension
        QCOMPARE(rows.Row(1).newName, QString());
        QCOMPARE(rows.Row(1).round, QStringLiteral("3"));
        QList<CRenameEntry> entries;
        QString message;
        QVERIFY(!rows.BuildBatch(entries, &message));
        QCOMPARE(message, QStringLiteral("Error, there are selected files to rename without selecting the new file name."));
        rows.Row(1).checked = false;
        QCOMPARE(rows.CounterText(), QStringLiteral("2 Files - 1 Selected"));
        QVERIFY(rows.BuildBatch(entries, &message));
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].catalogueId, 1);
        rows.Apply(QString(), 0); // an empty round is allowed
        QCOMPARE(rows.Row(1).newName, QStringLiteral("B .mgx"));
    }

    void loaderSeedsOnce()
    {
        TestEnv env;
        QVERIFY(SettingsLoader::Run());
        CRenamer renamer(CRenamer::Options {});
        renamer.LoadFormats();
        const qsizetype shipped = renamer.Formats().size();
        QVERIFY(shipped > 0);
        // A user who deleted every format keeps an empty list.
        renamer.ClearFormats();
        renamer.SaveFormats();
        QVERIFY(SettingsLoader::Run());
        renamer.LoadFormats();
        QCOMPARE(renamer.Formats().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRenamer)
#include "tst_renamer.moc"
