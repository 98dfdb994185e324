#include "TestEnv.h"
#include "explorer/FileTestUtil.h"

#include "app/Settings.h"
#include "catalogue/DbSqlite.h"
#include "rename/RenameBatch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace FileTest;

namespace {

// "current>wanted" pairs of a batch.
QList<CRenameEntry> parseEntries(const QStringList &pairs)
{
    QList<CRenameEntry> list;
    for (const QString &p : pairs) {
        const qsizetype arrow = p.indexOf(QLatin1Char('>'));
        list.append({ p.left(arrow), p.mid(arrow + 1), 0 });
    }
    return list;
}

// Each file holds its first name, so the final listing says where every file went.
QStringList listing(const QString &folder)
{
    QStringList out;
    for (const QString &name : entries(folder)) {
        const QFileInfo info(folder + name);
        out.append(info.isDir() ? name + QStringLiteral("/") : name + QStringLiteral("=") + QString::fromUtf8(read(folder + name)));
    }
    return out;
}

struct Cli
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Cli runCli(const QStringList &args)
{
    QProcess p;
    p.start(qEnvironmentVariable("VELLUMCAST_CLI"), QStringList { QStringLiteral("rename") } + args);
    Cli r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class TestRenameBatch : public QObject
{
    Q_OBJECT

    TestEnv m_env;
    int m_folders = 0;

    // A fresh folder of the test's data directory.
    QString newFolder()
    {
        const QString folder = m_env.file(QStringLiteral("games%1/").arg(++m_folders));
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    void collisionText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("numbered");
        QTest::addRow("default") << " Game %d" << true << "X Game 7.mgx";
        QTest::addRow("brackets") << " (%d)" << true << "X (7).mgx";
        QTest::addRow("no number") << " Game" << false << "";
        QTest::addRow("two numbers") << "%d-%d" << false << "";
        QTest::addRow("other conversion") << " %s %d" << false << "";
        QTest::addRow("percent sign") << " %d%%" << false << "";
        QTest::addRow("separator") << "/%d" << false << "";
        QTest::addRow("reserved") << " ?%d" << false << "";
    }

    void collisionText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, numbered);
        QCOMPARE(CollisionText::IsValid(text), valid);
        if (valid)
            QCOMPARE(CollisionText::Numbered(QStringLiteral("X"), text, 7, QStringLiteral(".mgx")), numbered);
    }

    void targetNames_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("target");
        QTest::addRow("format name") << "rec.mgx" << "A vs B.mgx" << "A vs B.mgx";
        QTest::addRow("no extension") << "rec.mgx" << "A vs B" << "A vs B.mgx";
        QTest::addRow("mgz keeps its extension") << "rec.mgz" << "A vs B.mgx" << "A vs B.mgz";
        QTest::addRow("upper case mgx") << "REC.MGX" << "A vs B.mgx" << "A vs B.mgx";
        QTest::addRow("explicit other extension") << "rec.mgz" << "A vs B.mgl" << "A vs B.mgl";
    }

    void targetNames()
    {
        QFETCH(QString, current);
        QFETCH(QString, wanted);
        QFETCH(QString, target);
        QCOMPARE(CRenameBatch::TargetFor(current, wanted), target);
    }

    void collisions_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("batch");
        QTest::addColumn<QString>("collision");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("after");

        const QString game = QStringLiteral(" Game %d");
        QTest::addRow("free name") << QStringList { "s.mgx" } << QStringList { "s.mgx>Y.mgx" } << game << 2
                                   << QStringList { "Y.mgx=s.mgx" };
        QTest::addRow("extension added") << QStringList { "s.mgx" } << QStringList { "s.mgx>Y" } << game << 2
                                         << QStringList { "Y.mgx=s.mgx" };
        QTest::addRow("three want one name")
            << QStringList { "a.mgx", "b.mgx", "c.mgx" } << QStringList { "a.mgx>X.mgx", "b.mgx>X.mgx", "c.mgx>X.mgx" }
            << game << 2 << QStringList { "X Game 1.mgx=a.mgx", "X Game 2.mgx=b.mgx", "X Game 3.mgx=c.mgx" };
        QTest::addRow("new name is the current one")
            << QStringList { "a.mgx" } << QStringList { "a.mgx>a.mgx" } << game << 2 << QStringList { "a Game 1.mgx=a.mgx" };
        QTest::addRow("plain and number 1 taken")
            << QStringList { "X.mgx", "X Game 1.mgx", "s.mgx" } << QStringList { "s.mgx>X.mgx" } << game << 2
            << QStringList { "X Game 1.mgx=X Game 1.mgx", "X Game 2.mgx=X.mgx", "X Game 3.mgx=s.mgx" };
        QTest::addRow("joins a series") << QStringList { "X Game 1.mgx", "s.mgx" } << QStringList { "s.mgx>X.mgx" }
                                        << game << 2
                                        << QStringList { "X Game 1.mgx=X Game 1.mgx", "X Game 2.mgx=s.mgx" };
        QTest::addRow("two files swap names")
            << QStringList { "a.mgx", "b.mgx" } << QStringList { "a.mgx>b.mgx", "b.mgx>a.mgx" } << game << 2
            << QStringList { "a.mgx=b.mgx", "b Game 2.mgx=a.mgx" };
        QTest::addRow("names differing in case are different")
            << QStringList { "X.mgx", "s.mgx" } << QStringList { "s.mgx>x.mgx" } << game << 2
            << QStringList { "X.mgx=X.mgx", "x.mgx=s.mgx" };
        QTest::addRow("own collision text") << QStringList { "X.mgx", "s.mgx" } << QStringList { "s.mgx>X.mgx" }
                                            << QString(" (%d)") << 2 << QStringList { "X (1).mgx=X.mgx", "X (2).mgx=s.mgx" };
        QTest::addRow("unusable collision text uses the default")
            << QStringList { "X.mgx", "s.mgx" } << QStringList { "s.mgx>X.mgx" } << QString(" Game") << 2
            << QStringList { "X Game 1.mgx=X.mgx", "X Game 2.mgx=s.mgx" };
        QTest::addRow("a folder holds the name")
            << QStringList { "D.mgx/", "s.mgx" } << QStringList { "s.mgx>D.mgx" } << game << 2
            << QStringList { "D Game 1.mgx=s.mgx", "D.mgx/" };
        QTest::addRow("a game keeps its recording extension")
            << QStringList { "s.mgz" } << QStringList { "s.mgz>Y.mgz" } << game << 2 << QStringList { "Y.mgz=s.mgz" };

        const QStringList untouched { "a.mgx=a.mgx", "b.mgx=b.mgx" };
        QTest::addRow("separator in a name") << QStringList { "a.mgx", "b.mgx" }
                                             << QStringList { "a.mgx>Z.mgx", "b.mgx>x/y.mgx" } << game << 1 << untouched;
        QTest::addRow("control character") << QStringList { "a.mgx", "b.mgx" }
                                           << QStringList { "a.mgx>Z.mgx", "b.mgx>x\ty.mgx" } << game << 1 << untouched;
        QTest::addRow("empty name") << QStringList { "a.mgx", "b.mgx" } << QStringList { "a.mgx>Z.mgx", "b.mgx>" }
                                    << game << 1 << untouched;
        QTest::addRow("only an extension") << QStringList { "a.mgx", "b.mgx" }
                                           << QStringList { "a.mgx>Z.mgx", "b.mgx>.mgx" } << game << 1 << untouched;
        QTest::addRow("too long") << QStringList { "a.mgx", "b.mgx" }
                                  << QStringList { "a.mgx>Z.mgx", "b.mgx>" + QString(300, QLatin1Char('n')) } << game
                                  << 1 << untouched;
        QTest::addRow("missing file") << QStringList { "a.mgx", "b.mgx" }
                                      << QStringList { "a.mgx>Z.mgx", "gone.mgx>Y.mgx" } << game << 0 << untouched;
    }

    void collisions()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, batch);
        QFETCH(QString, collision);
        QFETCH(int, result);
        QFETCH(QStringList, after);
        const QString folder = newFolder();
        for (const QString &f : files) {
            if (f.endsWith(QLatin1Char('/')))
                QDir().mkpath(folder + f);
            else
                QVERIFY(write(folder + f, f.toUtf8()));
        }
        CRenameBatch b(folder, parseEntries(batch), collision);
        const CRenameBatch::Outcome planned = b.Plan();
        QCOMPARE(listing(folder).size(), files.size()); // planning touches nothing
        const CRenameBatch::Outcome out = b.Run();
        QCOMPARE(out.result, result);
        QCOMPARE(planned.result, result);
        QCOMPARE(listing(folder), after);
        QCOMPARE(out.message.isEmpty(), result == CRenameBatch::Done);
        if (result == CRenameBatch::Done)
            QCOMPARE(out.done.size(), planned.planned.size());
        else
            QVERIFY(out.done.isEmpty());
    }

    // The catalogue rows follow their files: same ids, and only the rows of
    // the renamed files change, also where another folder holds a game of
    // the same name.
    void catalogueFollowsTheFiles()
    {
        const QString folder = newFolder();
        const QString other = newFolder();
        QVERIFY(write(folder + "a.mgx", recording("Ann", "Bo", 10)));
        QVERIFY(write(folder + "b.mgx", recording("Cid", "Di", 11)));
        QVERIFY(write(folder + "X.mgx", recording("Eve", "Fay", 12)));
        QVERIFY(write(other + "X.mgx", recording("Gustav", "Hildegard", 13)));
        const int a = store(folder + "a.mgx");
        const int b = store(folder + "b.mgx");
        const int x = store(folder + "X.mgx");
        const int elsewhere = store(other + "X.mgx");
        QVERIFY(a > 0 && b > 0 && x > 0 && elsewhere > 0);
        const int games = count("SELECT COUNT(*) FROM recgame");

        CRenameBatch batch(folder, { { "a.mgx", "X.mgx", a }, { "b.mgx", "X.mgx", b } }, " Game %d");
        const CRenameBatch::Outcome out = batch.Run();
        QCOMPARE(out.result, int(CRenameBatch::Done));
        QCOMPARE(storedName(x), QStringLiteral("X Game 1.mgx"));
        QCOMPARE(storedName(a), QStringLiteral("X Game 2.mgx"));
        QCOMPARE(storedName(b), QStringLiteral("X Game 3.mgx"));
        QCOMPARE(storedName(elsewhere), QStringLiteral("X.mgx"));
        QCOMPARE(count("SELECT COUNT(*) FROM recgame"), games);
        QCOMPARE(entries(folder), (QStringList { "X Game 1.mgx", "X Game 2.mgx", "X Game 3.mgx" }));
    }

    // A batch that stops keeps what it did, in step with the catalogue, and
    // says which files were renamed.
    void stopsInStep()
    {
        const QString folder = newFolder();
        QList<int> ids;
        const char *names[] = { "a", "b", "c" };
        for (int i = 0; i < 3; ++i) {
            const QString file = folder + names[i] + QStringLiteral(".mgx");
            QVERIFY(write(file, recording(QByteArray("P") + names[i], "Q", 10 + i)));
            ids.append(store(file));
            QVERIFY(ids.last() > 0);
        }
        {
            auto db = Catalogue::OpenCatalogue();
            QVERIFY(db->ExecuteSql(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON recgame "
                                               "WHEN NEW.File_Name = 'b2.mgx' BEGIN SELECT RAISE(ABORT, 'refused'); END;")));
        }
        CRenameBatch batch(folder, { { "a.mgx", "a2.mgx", ids[0] }, { "b.mgx", "b2.mgx", ids[1] },
                                       { "c.mgx", "c2.mgx", ids[2] } },
            " Game %d");
        const CRenameBatch::Outcome out = batch.Run();
        QCOMPARE(out.result, int(CRenameBatch::Failed));
        QCOMPARE(out.done.size(), 1);
        QVERIFY2(out.message.contains(QStringLiteral("a.mgx -> a2.mgx")), qPrintable(out.message));
        QCOMPARE(entries(folder), (QStringList { "a2.mgx", "b.mgx", "c.mgx" }));
        QCOMPARE(storedName(ids[0]), QStringLiteral("a2.mgx"));
        QCOMPARE(storedName(ids[1]), QStringLiteral("b.mgx"));
        QCOMPARE(storedName(ids[2]), QStringLiteral("c.mgx"));
        QVERIFY(Catalogue::OpenCatalogue()->ExecuteSql(QStringLiteral("DROP TRIGGER refuse;")));
    }

    void commandLine()
    {
        if (qEnvironmentVariable("VELLUMCAST_CLI").isEmpty())
            QSKIP("VELLUMCAST_CLI not set");
        const QString folder = newFolder();
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            files.append(folder + QStringLiteral("rec%1.mgx").arg(i));
            QVERIFY(write(files.last(), recording("Alice", "Bob", 10 + i)));
        }

        const Cli listed = runCli({ "--list-formats", "--json" });
        QCOMPARE(listed.exitCode, 0);
        const QJsonArray formats = QJsonDocument::fromJson(listed.out).array();
        QVERIFY(formats.size() >= 10);
        QVERIFY(formats[0].toObject().contains(QStringLiteral("typeLabel")));

        const Cli dry = runCli(QStringList { "--pattern", "{PLAY-A-1}-{PLAY-B-1} {P}", "--dry-run", "--json" } + files);
        QCOMPARE(dry.exitCode, 0);
        const QJsonObject plan = QJsonDocument::fromJson(dry.out).object();
        QCOMPARE(plan.value("renamed").toArray().size(), 4); // the first file makes room once
        QCOMPARE(entries(folder), (QStringList { "rec0.mgx", "rec1.mgx", "rec2.mgx" }));

        const Cli run = runCli(QStringList { "--pattern", "{PLAY-A-1}-{PLAY-B-1} {P}", "--underscores" } + files);
        QCOMPARE(run.exitCode, 0);
        const QStringList after = entries(folder);
        QCOMPARE(after.size(), 3);
        const QString base = after[0].startsWith(QLatin1String("Alice")) ? "Alice-Bob_1" : "Bob-Alice_1";
        QCOMPARE(after, (QStringList { base + " Game 1.mgx", base + " Game 2.mgx", base + " Game 3.mgx" }));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM recgame WHERE File_Name LIKE '%1%'").arg(base)), 3);
        QVERIFY(run.out.contains(" -> "));

        // Hostile patterns and arguments: nothing renamed.
        const QString one = folder + after[0];
        QCOMPARE(runCli({ "--pattern", "x/{MAP}", one }).exitCode, 1);
        const Cli control = runCli({ "--pattern", "x\x01y", one });
        QCOMPARE(control.exitCode, 1);
        QVERIFY(control.err.contains("cannot be renamed"));
        QCOMPARE(runCli({ "--format", "no such format", one }).exitCode, 2);
        QCOMPARE(runCli({ "--format", "x", "--pattern", "y", one }).exitCode, 2);
        QCOMPARE(runCli({ "--round", "two", one }).exitCode, 2);
        QCOMPARE(runCli({}).exitCode, 2);
        QCOMPARE(runCli({ "--pattern", "z", folder + "missing.mgx" }).exitCode, 1);
        QCOMPARE(entries(folder), after);

        // A file already named as the format says stays as it is.
        const Cli again = runCli({ "--pattern", after[0], one });
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(entries(folder), after);
    }
};

QTEST_GUILESS_MAIN(TestRenameBatch)
#include "tst_rename_batch.moc"
