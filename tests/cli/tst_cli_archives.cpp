#include "ArchiveFixtures.h"
#include "FixtureWriter.h"
#include "TestEnv.h"

#include <QDir>
#include <QFileInfo>
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

Run runCli(const QStringList &args, const QString &folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(qEnvironmentVariable("VELLUMCAST_CLI"), args);
    p.waitForFinished(60000);
    return Run { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardOutput(),
        p.readAllStandardError() };
}

QByteArray recording(const QByteArray &a, const QByteArray &b)
{
    return Fixture::Recording(HeaderBuilder::Duel(a, b).build(), BodyBuilder().timeStep(25 * 60000).build());
}

// "name=bytes" of every entry of a zip, in order.
QStringList zipContents(const QString &path)
{
    QStringList contents;
    for (const ArchiveFixtures::Entry &e : ArchiveFixtures::ReadZip(path))
        contents << QString::fromUtf8(e.name + '=' + e.data);
    return contents;
}

} // namespace

// vellumcast-cli list on an archive, and zip, run as a user would.
class TestCliArchives : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;
    int m_folders = 0;

    QString newFolder()
    {
        const QString path = m_env.file(QStringLiteral("w%1/").arg(++m_folders));
        QDir().mkpath(path);
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(!qEnvironmentVariable("VELLUMCAST_CLI").isEmpty()); }

    void listsAndAnalysesTheRecordingsOfAnArchive_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("zip") << "games.zip";
        QTest::newRow("rar") << "games.rar";
    }

    void listsAndAnalysesTheRecordingsOfAnArchive()
    {
        QFETCH(QString, name);
        const QString folder = newFolder();
        const QList<ArchiveFixtures::Entry> entries { { "readme.txt", "hello" },
            { "cup/final/ONE.MGX", recording("Alice", "Bob") }, { "../two.mgz", recording("Carol", "Dave") } };
        const QString archive = folder + name;
        QVERIFY(name.endsWith(QLatin1String(".zip"))
                ? ArchiveFixtures::WriteZip(archive, entries)
                : ArchiveFixtures::WriteFile(archive, ArchiveFixtures::Rar4(entries)));
        const Run run = runCli({ "list", "--json", name }, folder);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QJsonObject listing = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(listing[QStringLiteral("folder")].toString(), archive);
        QCOMPARE(listing[QStringLiteral("files")].toInt(), 2);
        QCOMPARE(listing[QStringLiteral("recordedGames")].toInt(), 2);
        QStringList names;
        for (const QJsonValue &row : listing[QStringLiteral("rows")].toArray())
            names << row[QStringLiteral("name")].toString();
        QCOMPARE(names, (QStringList { "ONE.MGX", "two.mgz" }));
        // Nothing was extracted beside the archive.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList { name });
    }

    void aDamagedArchiveIsReported()
    {
        const QString folder = newFolder();
        QByteArray rar = ArchiveFixtures::Rar4({ { "a.mgx", "a" } });
        rar[ArchiveFixtures::kRar4MainHeaderAt + 9] ^= 0x10;
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("bad.rar"), rar));
        const Run run = runCli({ "list", "bad.rar" }, folder);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("Error reading RaR File: bad.rar Error: Archive header broken"), run.err.constData());
    }

    void zipCreatesArchivesAndReplacesOnlyWhenForced_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("archives"); // "archive:name=bytes", sorted
        const QStringList before { "old.zip:old.mgx=old" };
        QTest::newRow("folder-and-file") << QStringList { "zip", "new.zip", "games", "loose.mgx" } << 0
                                         << QStringList { "new.zip:games/a.mgx=a", "new.zip:games/sub/b.mgz=b",
                                                "new.zip:loose.mgx=l", "old.zip:old.mgx=old" };
        QTest::newRow("existing-refused") << QStringList { "zip", "old.zip", "loose.mgx" } << 1 << before;
        QTest::newRow("existing-forced") << QStringList { "zip", "--force", "old.zip", "loose.mgx" } << 0
                                         << QStringList { "old.zip:loose.mgx=l" };
        QTest::newRow("missing-source") << QStringList { "zip", "new.zip", "loose.mgx", "nope.mgx" } << 1 << before;
        QTest::newRow("no-sources") << QStringList { "zip", "new.zip" } << 2 << before;
        QTest::newRow("each") << QStringList { "zip", "--each", "out", "loose.mgx", "games/a.mgx", "games" } << 0
                              << QStringList { "old.zip:old.mgx=old", "out/a.zip:a.mgx=a",
                                     "out/games.zip:games/a.mgx=a", "out/games.zip:games/sub/b.mgz=b",
                                     "out/loose.zip:loose.mgx=l" };
        QTest::newRow("each-existing-refused")
            << QStringList { "zip", "--each", ".", "old.mgx", "loose.mgx" } << 1 << before;
        QTest::newRow("each-existing-forced") << QStringList { "zip", "--force", "--each", ".", "old.mgx" } << 0
                                              << QStringList { "old.zip:old.mgx=again" };
        QTest::newRow("each-name-clash") << QStringList { "zip", "--each", "out", "loose.mgx", "loose.mgz" } << 1
                                         << before;
    }

    void zipCreatesArchivesAndReplacesOnlyWhenForced()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QStringList, archives);
        const QString folder = newFolder();
        QDir().mkpath(folder + QStringLiteral("games/sub"));
        QDir().mkpath(folder + QStringLiteral("out"));
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("games/a.mgx"), "a"));
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("games/sub/b.mgz"), "b"));
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("loose.mgx"), "l"));
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("loose.mgz"), "z"));
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("old.mgx"), "again"));
        QVERIFY(ArchiveFixtures::WriteZip(folder + QStringLiteral("old.zip"), { { "old.mgx", "old" } }));

        const Run run = runCli(args, folder);
        QVERIFY2(run.exitCode == exitCode, run.err.constData());
        QStringList found;
        for (const QString &zip : QDir(folder).entryList({ "*.zip" }, QDir::Files | QDir::Hidden))
            for (const QString &entry : zipContents(folder + zip))
                found << zip + QLatin1Char(':') + entry;
        for (const QString &zip : QDir(folder + QStringLiteral("out")).entryList(QDir::Files | QDir::Hidden))
            for (const QString &entry : zipContents(folder + QStringLiteral("out/") + zip))
                found << QStringLiteral("out/") + zip + QLatin1Char(':') + entry;
        found.sort();
        QCOMPARE(found, archives);
        // No temporary archive is left anywhere.
        QCOMPARE(QDir(folder).entryList({ ".*.zip.*" }, QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCliArchives)
#include "tst_cli_archives.moc"
