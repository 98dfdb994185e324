#include "FixtureWriter.h"
#include "TestEnv.h"

#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList &args)
{
    QProcess p;
    p.start(qEnvironmentVariable("VELLUMCAST_CLI"), args);
    p.waitForFinished(60000);
    return Run{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardOutput(),
               p.readAllStandardError()};
}

QJsonArray jsonOf(const Run &run)
{
    return QJsonDocument::fromJson(run.out).array();
}

} // namespace

class TestCliAnalyze : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    QString fixture(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_env.file(name);
        Fixture::Write(path, bytes);
        return path;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(!qEnvironmentVariable("VELLUMCAST_CLI").isEmpty()); }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("no command") << QStringList{} << 2;
        QTest::addRow("unknown command") << QStringList{"frobnicate"} << 2;
        QTest::addRow("no files") << QStringList{"analyze", "--json"} << 2;
        QTest::addRow("unknown option") << QStringList{"analyze", "--bogus", "x.mgx"} << 2;
        QTest::addRow("codepage without name") << QStringList{"analyze", "--codepage"} << 2;
        QTest::addRow("unknown codepage") << QStringList{"analyze", "--codepage", "klingon", "x.mgx"} << 2;
        QTest::addRow("missing file") << QStringList{"analyze", "--json", "missing.mgx"} << 1;
        QTest::addRow("minimap usage") << QStringList{"minimap", "only-one-arg"} << 2;
    }

    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QCOMPARE(runCli(args).exitCode, exitCode);
    }

    void damagedFilesAreReportedNotFatal()
    {
        const QString good = fixture(QStringLiteral("good.mgx"),
                                     Fixture::Recording(HeaderBuilder::Duel("[AB]Ann", "Bo").build(),
                                                        BodyBuilder().timeStep(61000).chat("@#1Ann: hi").build()));
        const QStringList files{
            good,
            fixture(QStringLiteral("empty.mgx"), QByteArray()),
            fixture(QStringLiteral("text.mgx"), QByteArray("this is not a recorded game at all, just text\n")),
            fixture(QStringLiteral("truncated.mgx"),
                    Fixture::Recording(HeaderBuilder::Duel().build(), QByteArray()).left(100)),
            m_env.path(),
            m_env.file(QStringLiteral("missing.mgx")),
        };
        const Run run = runCli(QStringList{"analyze", "--json"} + files);
        QCOMPARE(run.exitCode, 1);
        const QJsonArray results = jsonOf(run);
        QCOMPARE(results.size(), files.size());
        for (int i = 0; i < files.size(); ++i) {
            const QJsonObject o = results[i].toObject();
            QCOMPARE(o.value(QStringLiteral("file")).toString(), files[i]);
            QCOMPARE(o.value(QStringLiteral("ok")).toBool(), i == 0);
            QCOMPARE(o.contains(QStringLiteral("error")), i != 0);
            if (i != 0)
                QVERIFY(!o.value(QStringLiteral("error")).toString().isEmpty());
        }

        const QJsonObject g = results[0].toObject();
        const QStringList keys{"file",        "ok",          "mapId",       "mapName",      "mapWidth",
                               "mapHeight",   "gameType",    "gameTypeName", "matchSize",   "matchSizeLabel",
                               "duration",    "povSlot",     "playerCount", "teamLabelA",   "teamLabelB",
                               "preGameChat", "gameChat",    "players",      "version",     "saveVersion",
                               "spectators"};
        QStringList sortedKeys = keys;
        sortedKeys.sort();
        QCOMPARE(g.keys(), sortedKeys);
        QCOMPARE(g.value(QStringLiteral("duration")).toString(), QStringLiteral("00:01:01"));
        // The fixture's header carries no version tag.
        QCOMPARE(g.value(QStringLiteral("version")).toString(), QString());
        QCOMPARE(g.value(QStringLiteral("spectators")).toArray().size(), 0);
        QCOMPARE(g.value(QStringLiteral("teamLabelA")).toString(), QStringLiteral("AB"));
        QCOMPARE(g.value(QStringLiteral("matchSizeLabel")).toString(), QStringLiteral("1 vs 1"));
        QVERIFY(g.value(QStringLiteral("gameChat")).toString().contains(QStringLiteral("(00:01:01) Ann: hi\r\n")));
        const QJsonArray players = g.value(QStringLiteral("players")).toArray();
        QCOMPARE(players.size(), 2);
        const QJsonObject p1 = players[0].toObject();
        QCOMPARE(p1.value(QStringLiteral("slot")).toInt(), 1);
        QCOMPARE(p1.value(QStringLiteral("name")).toString(), QStringLiteral("[AB]Ann"));
        QCOMPARE(p1.value(QStringLiteral("civilizationName")).toString(), QStringLiteral("Britons"));
        QCOMPARE(p1.keys().size(), 14);
    }

    // One record serves a whole list of files and the array is written as it
    // goes: the output over a list is the array of each file's own output,
    // laid out as one JSON document lays it out.
    void listGivesWhatEachFileGivesAlone_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addRow("one file") << QStringList{"aoc-1.0c.mgx"};
        QTest::addRow("versions, large to small")
            << QStringList{"hd-4x.msx2", "aok.mgl", "up1.5.mgz", "hd-casters.mgx2", "good.mgx"};
        QTest::addRow("damaged between good ones")
            << QStringList{"hd-8players.mgx", "truncated.mgx", "coop.mgx", "missing.mgx", "aoc-1.0.mgx", "good.mgx",
                           "scenario-with-messages.mgz"};
        QTest::addRow("failures only") << QStringList{"missing.mgx", "truncated.mgx"};
    }

    void listGivesWhatEachFileGivesAlone()
    {
        REQUIRE_CORPUS();
        QFETCH(QStringList, names);
        fixture(QStringLiteral("good.mgx"),
                Fixture::Recording(HeaderBuilder::Duel("Ann", "Bo").build(),
                                   BodyBuilder().timeStep(61000).chat("@#1Ann: hi").build()));
        fixture(QStringLiteral("truncated.mgx"),
                Fixture::Recording(HeaderBuilder::Duel().build(), QByteArray()).left(100));
        QStringList files;
        for (const QString &name : names) {
            const QString corpus = TestEnv::corpusFile(name);
            files << (QFileInfo::exists(corpus) ? corpus : m_env.file(name));
        }
        QJsonArray alone;
        for (const QString &file : files)
            alone.append(jsonOf(runCli({"analyze", "--json", file}))[0]);
        const Run run = runCli(QStringList{"analyze", "--json"} + files);
        QCOMPARE(run.out, QJsonDocument(alone).toJson(QJsonDocument::Indented));
    }

    void optionsReachTheAnalysis()
    {
        const QString file = fixture(
            QStringLiteral("opts.mgx"),
            Fixture::Recording(HeaderBuilder::Duel("\xC9\xA8\xB5\xB4", "Bo").build(),
                               BodyBuilder().timeStep(5000).chat("@#1x: hi").resign(2).build()));
        const Run run = runCli({"analyze", "--json", "--codepage", "GBK", "--no-chat-times", "--no-resign", file});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject g = jsonOf(run)[0].toObject();
        QCOMPARE(g.value(QStringLiteral("players")).toArray()[0].toObject().value(QStringLiteral("name")).toString(),
                 QStringLiteral("扫荡"));
        QVERIFY(g.value(QStringLiteral("gameChat")).toString().endsWith(QStringLiteral("\r\n\r\nx: hi\r\n")));
    }

    void readableSummary()
    {
        REQUIRE_CORPUS();
        const Run run = runCli({"analyze", TestEnv::corpusFile(QStringLiteral("aoc-1.0c.mgx"))});
        QCOMPARE(run.exitCode, 0);
        const QString text = QString::fromUtf8(run.out);
        QVERIFY(text.contains(QStringLiteral("Arabia")));
        QVERIFY(text.contains(QStringLiteral("00:53:46")));
        QVERIFY(text.contains(QStringLiteral("H_Haslebo")));
        QVERIFY(text.contains(QStringLiteral("Huns")));
    }

    void minimapPicture()
    {
        HeaderBuilder h = HeaderBuilder::Duel();
        h.width = h.height = 40;
        h.terrainId = 1; // water
        const QString file = fixture(QStringLiteral("map.mgx"), Fixture::Recording(h.build(), {}));
        const QString png = m_env.file(QStringLiteral("map.png"));
        QCOMPARE(runCli({"minimap", file, png}).exitCode, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(224, 112));
        QCOMPARE(QColor(image.pixel(112, 56)), QColor(48, 93, 182)); // the centre is on the map
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(240, 240, 240));  // the corner is not
    }
};

QTEST_GUILESS_MAIN(TestCliAnalyze)
#include "tst_cli_analyze.moc"
