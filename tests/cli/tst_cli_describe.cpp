#include "FixtureWriter.h"
#include "TestEnv.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

// vellumcast-cli describe (the clipboard text of a recording) and the search
// options that name civilizations, maps and game types.
class TestCliDescribe : public QObject
{
    Q_OBJECT

    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
    };

    TestEnv m_env;
    QString m_folder;

    static Run run(const QStringList &args)
    {
        QProcess p;
        p.start(qEnvironmentVariable("VELLUMCAST_CLI"), args);
        p.waitForFinished(60000);
        return Run { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError()) };
    }

    QString file(const QString &name) const { return m_folder + name; }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!qEnvironmentVariable("VELLUMCAST_CLI").isEmpty());
        m_folder = m_env.file(QStringLiteral("games/"));
        QDir().mkpath(m_folder);
        HeaderBuilder duel = HeaderBuilder::Duel("Alice-", "Bob");
        QVERIFY(Fixture::Write(file("duel.mgx"), Fixture::Recording(duel.build(), BodyBuilder().timeStep(600000).build())));
        HeaderBuilder other = HeaderBuilder::Duel("Carl", "Dora");
        other.mapId = 10; // Archipelago
        other.entries[1].civilization = 11; // Vikings
        QVERIFY(Fixture::Write(file("other.mgx"), Fixture::Recording(other.build(), BodyBuilder().timeStep(1200000).build())));
        HeaderBuilder hd = HeaderBuilder::Duel("Eve", "Finn");
        hd.versionTag = "VER 9.4";
        hd.saveVersion = 12.2f;
        hd.mapId = 60; // Hamburger, a map of later versions
        hd.entries[1].civilization = 19; // Italians
        QVERIFY(Fixture::Write(file("hd.mgx2"), Fixture::Recording(hd.build(), BodyBuilder().timeStep(600000).build())));
        QVERIFY(Fixture::Write(file("broken.mgx"), "garbage"));
    }

    void describes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("expected");
        QTest::addRow("bare names") << QStringList { "--rating", "no", "--civs", "no", "--no-team-names", "--no-map" }
                                    << "Alice-\nBob\n";
        QTest::addRow("whole civilizations") << QStringList { "--rating=no", "--civs=yes", "--no-team-names", "--no-map" }
                                             << "Alice-(Britons)\nBob(Franks)\n";
        QTest::addRow("short ratings without names")
            << QStringList { "--rating", "short", "--civs", "no", "--no-team-names", "--no-map" }
            << " (16++): Alice-\n (16++): Bob\n";
        QTest::addRow("map line") << QStringList { "--rating", "full", "--civs", "short", "--no-team-names" }
                                  << "Map: Arabia\n (1600): Alice-(Bri)\n (1600): Bob(Fra)\n";
        QTest::addRow("union - trims the name's hyphen")
            << QStringList { "--rating", "no", "--civs", "no", "--no-team-names", "--no-map", "--union", "-" }
            << "Alice\nBob\n";
    }
    void describes()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, expected);
        const Run r = run(QStringList { "describe" } + options + QStringList { file("duel.mgx") });
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, expected);
    }

    void defaultsCarryTeamLabels()
    {
        const Run r = run({ "describe", file("duel.mgx") });
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = r.out.trimmed().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Map: Arabia"));
        QVERIFY2(lines[1].endsWith(QLatin1String(" (16++): Alice-(Bri)")), qPrintable(lines[1]));
        QVERIFY2(lines[2].endsWith(QLatin1String(" (16++): Bob(Fra)")), qPrintable(lines[2]));
    }

    void failuresAndUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("no file") << QStringList { "describe" } << 2;
        QTest::addRow("bad rating mode") << QStringList { "describe", "--rating", "half", "x.mgx" } << 2;
        QTest::addRow("union too long") << QStringList { "describe", "--union", "12345", "x.mgx" } << 2;
        QTest::addRow("missing file") << QStringList { "describe", "nowhere.mgx" } << 1;
    }
    void failuresAndUsage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QCOMPARE(run(args).exitCode, exitCode);
    }

    void damagedFileIsReportedOthersDescribed()
    {
        const Run r = run({ "describe", "--json", file("broken.mgx"), file("other.mgx") });
        QCOMPARE(r.exitCode, 1);
        const QJsonArray a = QJsonDocument::fromJson(r.out.toUtf8()).array();
        QCOMPARE(a.size(), 2);
        QVERIFY(!a[0][QStringLiteral("ok")].toBool());
        QVERIFY(a[1][QStringLiteral("ok")].toBool());
        QVERIFY(a[1][QStringLiteral("text")].toString().startsWith(QLatin1String("Map: Archipelago\n")));
    }

    // set-country writes the player's country on the game's platform only.
    void setCountry()
    {
        Run r = run({ "set-country", "--json", file("duel.mgx"), "bob", "Spain" });
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o[QStringLiteral("player")].toString(), QStringLiteral("Bob"));
        const int spain = o[QStringLiteral("country")].toInt();
        QVERIFY(spain > 0);
        r = run({ "players", "--json", "--nick", "Bob", "--country", QString::number(spain) });
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).array().size(), 1);
        QCOMPARE(run({ "set-country", file("duel.mgx"), "nobody", "Spain" }).exitCode, 1);
        QCOMPARE(run({ "set-country", file("duel.mgx"), "Bob", "Atlantis" }).exitCode, 2);
    }

    void searchTakesNames_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("files");
        QTest::addRow("civilization by name") << QStringList { "--civ", "vikings" } << QStringList { "other.mgx" };
        QTest::addRow("civilizations mixed") << QStringList { "--civ", "Britons,11", "--mode", "all" }
                                             << QStringList { "duel.mgx", "other.mgx" };
        QTest::addRow("map by name") << QStringList { "--map", "Arabia" } << QStringList { "duel.mgx" };
        QTest::addRow("game type by name") << QStringList { "--type", "random map" }
                                           << QStringList { "duel.mgx", "hd.mgx2", "other.mgx" };
        QTest::addRow("later civilization by name") << QStringList { "--civ", "Italians" } << QStringList { "hd.mgx2" };
        QTest::addRow("later map by name") << QStringList { "--map", "Hamburger" } << QStringList { "hd.mgx2" };
        QTest::addRow("no deathmatch") << QStringList { "--type", "DeathMatch" } << QStringList {};
    }
    void searchTakesNames()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, files);
        QCOMPARE(run({ "scan", m_folder }).exitCode, 0);
        const Run r = run(QStringList { "search", "--json" } + options + QStringList { m_folder });
        QCOMPARE(r.exitCode, 0);
        QStringList found;
        for (const QJsonValue &row : QJsonDocument::fromJson(r.out.toUtf8())[QStringLiteral("rows")].toArray())
            found << row[QStringLiteral("name")].toString();
        found.sort();
        QCOMPARE(found, files);
    }

    void searchRejectsUnknownNames_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addRow("civilization") << QStringList { "--civ", "Elves" };
        QTest::addRow("map") << QStringList { "--map", "Atlantis" };
        QTest::addRow("type") << QStringList { "--type", "Capture" };
    }
    void searchRejectsUnknownNames()
    {
        QFETCH(QStringList, options);
        const Run r = run(QStringList { "search" } + options + QStringList { m_folder });
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QLatin1String("unknown")), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestCliDescribe)
#include "tst_cli_describe.moc"
