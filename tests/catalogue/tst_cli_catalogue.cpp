#include "FixtureWriter.h"
#include "TestEnv.h"

#include "catalogue/Catalogue.h"
#include "catalogue/SqlStatement.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <unistd.h>

// vellumcast-cli on the catalogue: exit codes, the commands' output, and the
// crash safety of the scan (SIGKILL, Ctrl+C, two scans at once).
class TestCliCatalogue : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    static Run run(const QStringList &args, int timeoutMs = 120000)
    {
        QProcess p;
        p.start(qEnvironmentVariable("VELLUMCAST_CLI"), args);
        p.waitForFinished(timeoutMs);
        return Run { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardOutput(),
            p.readAllStandardError() };
    }

    static int count(const QString &sql)
    {
        auto db = Catalogue::OpenCatalogue();
        auto s = db->CreateStatement(sql);
        return s->NextRow() ? s->ColumnInt(0) : -1;
    }

    static void verifyConsistent()
    {
        auto db = Catalogue::OpenCatalogue();
        auto check = db->CreateStatement("PRAGMA integrity_check");
        QVERIFY(check->NextRow());
        QCOMPARE(check->ColumnText(0), QStringLiteral("ok"));
        check.reset();
        QCOMPARE(count("SELECT COUNT(*) FROM recgame r WHERE NOT EXISTS (SELECT 1 FROM recgame_players rp WHERE "
                       "rp.Id_Rec_Game = r.Id_Rec_Game)"),
            0);
        QCOMPARE(count("SELECT COUNT(*) FROM recgame_players rp WHERE NOT EXISTS (SELECT 1 FROM recgame r WHERE "
                       "rp.Id_Rec_Game = r.Id_Rec_Game)"),
            0);
        QCOMPARE(count("SELECT COUNT(*) - COUNT(DISTINCT File_Name || '/' || File_Size) FROM recgame"), 0);
    }

    // A folder of n recordings under names no other folder uses (the
    // catalogue knows a game by name and size): links to the corpus
    // when it is present, otherwise fixture recordings.
    QString bigFolder(const QString &name, int n)
    {
        const QString folder = m_env.file(name) + QLatin1Char('/');
        QDir().mkpath(folder);
        QStringList sources;
        const QString corpus = TestEnv::corpusDir();
        if (!corpus.isEmpty())
            for (const char *f : { "aoc-1.0c.mgx", "coop.mgx", "hd-8players.mgx", "up1.4.mgz", "hd-coop-chat.mgx2" })
                sources << corpus + QLatin1Char('/') + QLatin1String(f);
        if (sources.isEmpty()) {
            for (int i = 0; i < 5; ++i) {
                const QString path = m_env.file(QStringLiteral("fixture%1.mgx").arg(i));
                Fixture::Write(path,
                    Fixture::Recording(HeaderBuilder::Duel("P" + QByteArray::number(i), "Q").build(),
                        BodyBuilder().timeStep(60000 * (i + 1)).build()));
                sources << path;
            }
        }
        for (int i = 0; i < n; ++i) {
            const QString source = sources[i % sources.size()];
            const QString target = folder
                + QStringLiteral("game %1 %2 %3")
                      .arg(name)
                      .arg(i, 4, 10, QLatin1Char('0'))
                      .arg(QFileInfo(source).fileName());
            if (::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0
                && !QFile::link(source, target))
                QFile::copy(source, target);
        }
        return folder;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!qEnvironmentVariable("VELLUMCAST_CLI").isEmpty());
        Catalogue::SetFatalHandler([](const QString &) {});
        QCOMPARE(run({ "db", "stats" }).exitCode, 0); // the first command prepares the catalogue
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("scan without folder") << QStringList { "scan" } << 2;
        QTest::addRow("scan of a missing folder") << QStringList { "scan", "/no/such/folder" } << 1;
        QTest::addRow("list with a bad sort") << QStringList { "list", "--sort", "colour", "." } << 2;
        QTest::addRow("search with a bad mode") << QStringList { "search", "--mode", "some", "." } << 2;
        QTest::addRow("search without matches")
            << QStringList { "search", "--rating-min", "1800", "--rating-max", "1700", "." } << 1;
        QTest::addRow("show unknown id") << QStringList { "show", "999999" } << 1;
        QTest::addRow("set-platform bad platform") << QStringList { "set-platform", "x.mgx", "ChinaZone" } << 2;
        QTest::addRow("db unknown") << QStringList { "db", "vacuum" } << 2;
        QTest::addRow("db rebuild bad copy") << QStringList { "db", "rebuild", "--copy", "some" } << 2;
        QTest::addRow("top unknown platform") << QStringList { "top", "7" } << 2;
        QTest::addRow("players unknown option") << QStringList { "players", "--colour", "red" } << 2;
        QTest::addRow("players") << QStringList { "players", "--json" } << 0;
    }
    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const Run r = run(args);
        QCOMPARE(r.exitCode, exitCode);
        if (args.contains("--rating-max"))
            QVERIFY(r.err.contains("The current search has not matches"));
    }

    void scanListShowSearch()
    {
        const QString folder = m_env.file("small") + QLatin1Char('/');
        QDir().mkpath(folder + "sub");
        Fixture::Write(folder + "one.mgx",
            Fixture::Recording(HeaderBuilder::Duel("Nick", "Rating").build(), BodyBuilder().timeStep(600000).build()));
        Fixture::Write(folder + "two.MGZ",
            Fixture::Recording(HeaderBuilder::Duel("a\"b", "100%").build(), BodyBuilder().timeStep(1200000).build()));
        Fixture::Write(folder + "broken.mgx", "garbage");
        Fixture::Write(folder + "pack.zip", "zip");

        Run r = run({ "scan", folder });
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("3 files, 2 stored, 1 failed"), r.out.constData());

        r = run({ "list", "--json", "--sort", "duration:desc", folder });
        QCOMPARE(r.exitCode, 0);
        const QJsonObject list = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(list["files"].toInt(), 4);
        QCOMPARE(list["recordedGames"].toInt(), 2);
        QStringList order;
        for (const QJsonValue &v : list["rows"].toArray())
            order << v["name"].toString();
        QCOMPARE(order, (QStringList { "..", "sub", "two.MGZ", "one.mgx", "broken.mgx", "pack.zip" }));

        r = run({ "show", "--json", folder + "two.MGZ" });
        QCOMPARE(r.exitCode, 0);
        const QJsonObject shown = QJsonDocument::fromJson(r.out).object();
        QVERIFY(shown["id"].toInt() > 0);
        QCOMPARE(shown["platformLabel"].toString(), QStringLiteral("GP RM"));
        QCOMPARE(shown["ratings"].toArray().size(), 2);
        QCOMPARE(shown["ratings"].toArray().at(0).toObject()["rating"].toInt(), 1600);

        for (const char *nick : { "Nick", "a\"b", "100%", "Rating" }) {
            r = run({ "search", "--json", "--mode", "all", "--player", QString::fromUtf8(nick), folder });
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(QJsonDocument::fromJson(r.out).object()["files"].toInt(), 1);
        }
        r = run({ "set-platform", "--json", folder + "one.mgx", "IGZ RM" });
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(r.out).object()["platform"].toInt(), 4);
        r = run({ "top", "--json", "igz rm" });
        QCOMPARE(QJsonDocument::fromJson(r.out).object()["players"].toArray().size(), 2);
        r = run({ "reanalyze", folder + "one.mgx" });
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("GP RM"));
        verifyConsistent();
    }

    void killedScanLeavesAConsistentCatalogue_data()
    {
        QTest::addColumn<QString>("jobs");
        QTest::addColumn<int>("storedBeforeKill");
        QTest::newRow("one reader") << QStringLiteral("1") << 20;
        QTest::newRow("two readers") << QStringLiteral("2") << int(QRandomGenerator::global()->bounded(1, 300));
        QTest::newRow("one reader per core") << QString() << int(QRandomGenerator::global()->bounded(1, 300));
    }
    void killedScanLeavesAConsistentCatalogue()
    {
        QFETCH(QString, jobs);
        QFETCH(int, storedBeforeKill);
        // Large enough that the scan is still running when it is killed.
        const int n = 800;
        const QString name = QStringLiteral("big%1").arg(QTest::currentDataTag()).remove(QLatin1Char(' '));
        const QString folder = bigFolder(name, n);
        const QString like = QStringLiteral("SELECT COUNT(*) FROM recgame WHERE File_Name LIKE 'game %1 %'").arg(name);
        QStringList args { "scan", folder };
        if (!jobs.isEmpty())
            args << "--jobs" << jobs;
        QProcess scan;
        scan.start(qEnvironmentVariable("VELLUMCAST_CLI"), args);
        QVERIFY(scan.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(count(like) >= storedBeforeKill, 60000);
        scan.kill(); // SIGKILL
        QVERIFY(scan.waitForFinished());
        const int stored = count(like);
        QVERIFY2(stored < n, "the scan finished before it could be killed");
        verifyConsistent();

        const Run second = run({ "scan", folder });
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(count(like), n);
        verifyConsistent();
    }

    void interruptedScanKeepsWhatItStored()
    {
        const int n = 200;
        const QString folder = bigFolder("interrupted", n);
        const int before = count("SELECT COUNT(*) FROM recgame");
        QProcess scan;
        scan.start(qEnvironmentVariable("VELLUMCAST_CLI"), { "scan", folder });
        QVERIFY(scan.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(count("SELECT COUNT(*) FROM recgame") >= before + 10, 60000);
        ::kill(pid_t(scan.processId()), SIGINT);
        QVERIFY(scan.waitForFinished(60000));
        QCOMPARE(scan.exitStatus(), QProcess::NormalExit);
        const QByteArray out = scan.readAllStandardOutput();
        QVERIFY2(out.contains("(interrupted)"), out.constData());
        QCOMPARE(scan.exitCode(), 1);
        const int stored = count("SELECT COUNT(*) FROM recgame") - before;
        QVERIFY(stored >= 10 && stored < n);
        QVERIFY(out.contains(QByteArray::number(stored) + " stored"));
        verifyConsistent();
    }

    void twoScansAtOnceLoseNothing()
    {
        const int n = 120;
        const QString folder = bigFolder("together", n);
        const int before = count("SELECT COUNT(*) FROM recgame");
        QProcess a;
        QProcess b;
        a.start(qEnvironmentVariable("VELLUMCAST_CLI"), { "scan", "--json", folder });
        b.start(qEnvironmentVariable("VELLUMCAST_CLI"), { "scan", "--json", folder });
        QVERIFY(a.waitForFinished(240000));
        QVERIFY(b.waitForFinished(240000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        const QJsonObject ra = QJsonDocument::fromJson(a.readAllStandardOutput()).object();
        const QJsonObject rb = QJsonDocument::fromJson(b.readAllStandardOutput()).object();
        QCOMPARE(ra["failed"].toInt() + rb["failed"].toInt(), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM recgame") - before, n);
        verifyConsistent();
        QCOMPARE(run({ "scan", folder }).out.trimmed().left(8), QByteArray("0 files,"));
    }
};

QTEST_GUILESS_MAIN(TestCliCatalogue)
#include "tst_cli_catalogue.moc"
