#include "FixtureWriter.h"
#include "TestEnv.h"

#include "catalogue/Catalogue.h"
#include "explorer/FolderWatch.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

// The watch of the shown folder: a recording being written is taken once,
// analysed, after its size settles; entries that go away are reported.
class TestFolderWatch : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;
    int m_folders = 0;
    static constexpr int kSettle = 400;

    // Watches folder with the tests' short settle time.
    static void startWatching(CFolderWatch &watch, const QString &folder)
    {
        watch.SetSettleTime(kSettle);
        watch.Watch(folder);
    }

    QString newFolder()
    {
        const QString path = m_env.file(QStringLiteral("watched%1/").arg(++m_folders));
        QDir().mkpath(path);
        return path;
    }
    static QByteArray recording(const QByteArray &a, const QByteArray &b)
    {
        return Fixture::Recording(HeaderBuilder::Duel(a, b).build(), BodyBuilder().timeStep(20 * 60000).build());
    }

private slots:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    void recordingWrittenInPiecesAppearsOnceSettled()
    {
        const QString folder = newFolder();
        CFolderWatch watch;
        startWatching(watch, folder);
        QSignalSpy ready(&watch, &CFolderWatch::recordingReady);
        const QByteArray bytes = recording("Writer", "Reader");
        QFile file(folder + "live.mgx");
        QVERIFY(file.open(QIODevice::WriteOnly));
        // The game writes as it plays: pieces with pauses shorter than the
        // settle time, during which nothing may be taken.
        const qsizetype piece = bytes.size() / 4 + 1;
        for (qsizetype at = 0; at < bytes.size(); at += piece) {
            file.write(bytes.mid(at, piece));
            file.flush();
            QTest::qWait(kSettle / 2);
            QCOMPARE(ready.size(), 0);
        }
        file.close();
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, 10000);
        const CGameRow row = ready.first().first().value<CGameRow>();
        QCOMPARE(row.fileName, QStringLiteral("live.mgx"));
        QVERIFY(row.IsKnown());
        QCOMPARE(row.viewName, QStringLiteral("Writer"));
        QCOMPARE(row.fileSize, qint64(bytes.size()));
        // Once taken, it is not taken again while it stays as it is.
        QTest::qWait(kSettle * 3);
        QCOMPARE(ready.size(), 1);
    }

    void fileThatCannotBeReadStillAppears()
    {
        const QString folder = newFolder();
        CFolderWatch watch;
        startWatching(watch, folder);
        QSignalSpy ready(&watch, &CFolderWatch::recordingReady);
        QVERIFY(Fixture::Write(folder + "broken.mgz", "not a recording"));
        QVERIFY(Fixture::Write(folder + "notes.txt", "not listed"));
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, 10000);
        const CGameRow row = ready.first().first().value<CGameRow>();
        QCOMPARE(row.fileName, QStringLiteral("broken.mgz"));
        QVERIFY(!row.IsKnown());
    }

    void entriesThatGoAwayAreReported_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("appeared");
        QTest::newRow("deleted") << "delete" << QStringList { "old.mgx" } << QStringList {};
        QTest::newRow("renamed") << "rename" << QStringList { "old.mgx" } << QStringList { "new name.mgx" };
        QTest::newRow("folder removed") << "rmdir" << QStringList { "sub" } << QStringList {};
    }
    void entriesThatGoAwayAreReported()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, appeared);
        const QString folder = newFolder();
        QVERIFY(Fixture::Write(folder + "old.mgx", recording("Old", "Game")));
        QVERIFY(Fixture::Write(folder + "kept.mgx", recording("Kept", "Game")));
        QVERIFY(QDir().mkpath(folder + "sub"));
        CFolderWatch watch;
        startWatching(watch, folder);
        QSignalSpy gone(&watch, &CFolderWatch::entryRemoved);
        QSignalSpy ready(&watch, &CFolderWatch::recordingReady);
        if (action == "delete")
            QVERIFY(QFile::remove(folder + "old.mgx"));
        else if (action == "rename")
            QVERIFY(QFile::rename(folder + "old.mgx", folder + "new name.mgx"));
        else
            QVERIFY(QDir(folder + "sub").removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(gone.size(), removed.size(), 10000);
        QCOMPARE(gone.first().first().toString(), removed.first());
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), appeared.size(), 10000);
        QTest::qWait(kSettle * 2);
        QCOMPARE(ready.size(), appeared.size());
        if (!appeared.isEmpty()) {
            const CGameRow row = ready.first().first().value<CGameRow>();
            QCOMPARE(row.fileName, appeared.first());
            QVERIFY(row.IsKnown());
        }
    }

    void stoppedWatchSaysNothing()
    {
        const QString folder = newFolder();
        CFolderWatch watch;
        startWatching(watch, folder);
        watch.Stop();
        QVERIFY(!watch.IsWatching());
        QSignalSpy ready(&watch, &CFolderWatch::recordingReady);
        QVERIFY(Fixture::Write(folder + "late.mgx", recording("Late", "Game")));
        QTest::qWait(kSettle * 3);
        QCOMPARE(ready.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFolderWatch)
#include "tst_folder_watch.moc"
