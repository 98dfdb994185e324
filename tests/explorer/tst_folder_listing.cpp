#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Log.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "catalogue/Searcher.h"
#include "catalogue/SqlStatement.h"
#include "explorer/FileSystem.h"
#include "explorer/FolderListing.h"
#include "explorer/FullScan.h"
#include "explorer/PlatformChange.h"
#include "explorer/RowAnalysis.h"
#include "explorer/RowSorting.h"
#include "recgame/RecordedGame.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

// The cores of the game list: the fill and its counters, the sorting rules,
// the analysis on selection, re-analysis, platform change and the full scan.
class TestFolderListing : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;
    int m_folders = 0;

    QString newFolder()
    {
        const QString path = m_env.file(QStringLiteral("folder%1/").arg(++m_folders));
        QDir().mkpath(path);
        return path;
    }
    static QByteArray recording(const QByteArray &a, const QByteArray &b, int minutes = 25, int gameType = 0)
    {
        HeaderBuilder h = HeaderBuilder::Duel(a, b);
        h.gameType = gameType;
        return Fixture::Recording(h.build(), BodyBuilder().timeStep(minutes * 60000).build());
    }
    static void write(const QString &path, const QByteArray &bytes) { QVERIFY(Fixture::Write(path, bytes)); }

    static QStringList names(const CFolderListing &l)
    {
        QStringList n;
        for (const CGameRow &r : l.rows)
            n << r.fileName;
        return n;
    }
    static CGameRow rowNamed(const CFolderListing &l, const QString &name)
    {
        for (const CGameRow &r : l.rows)
            if (r.fileName == name)
                return r;
        return CGameRow();
    }
    static int count(const QString &sql)
    {
        auto db = Catalogue::OpenCatalogue();
        auto s = db->CreateStatement(sql);
        return s->NextRow() ? s->ColumnInt(0) : -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
    }

    void fillListsFoldersFirstAndCountsFiles_data()
    {
        QTest::addColumn<bool>("zip");
        QTest::addColumn<bool>("rar");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("files");
        // Every edition's extension, in any case; near misses are not recordings.
        QTest::addRow("archives shown") << true << true
                                        << QStringList { "..", "sub", "A.MGX", "b.mgz", "c.mgx2", "d.zip", "e.RAR",
                                               "g.Mgl", "h.msx", "i.MSX2" }
                                        << 8;
        QTest::addRow("archives hidden") << false << false
                                         << QStringList { "..", "sub", "A.MGX", "b.mgz", "c.mgx2", "g.Mgl", "h.msx",
                                                "i.MSX2" }
                                         << 6;
    }
    void fillListsFoldersFirstAndCountsFiles()
    {
        QFETCH(bool, zip);
        QFETCH(bool, rar);
        QFETCH(QStringList, expected);
        QFETCH(int, files);
        const QString folder = newFolder();
        QDir().mkpath(folder + "sub");
        for (const char *f : { "A.MGX", "b.mgz", "c.mgx2", "d.zip", "e.RAR", "notes.txt", "f.mgx.bak", "g.Mgl",
                 "h.msx", "i.MSX2", "j.msx3", "k.mgl.part", "lmgl" })
            write(folder + f, "x");
        const CFolderListing l = FolderListing::Fill(folder, CFolderListingOptions { zip, rar }, GameColumn::Date);
        QCOMPARE(names(l), expected);
        QCOMPARE(l.files, files);
        QCOMPARE(l.recordings, 0);
        QVERIFY(!l.cancelled);
    }

    // The listing reads a folder in one pass of readdir and stat; it must
    // see what QDir and QFileInfo see: the same entries in the same order,
    // kinds, sizes and the earlier of write and access time.
    void directoryEntriesAgreeWithQDir()
    {
        const QString folder = newFolder();
        QDir().mkpath(folder + "sub");
        QDir().mkpath(folder + ".cache");
        for (const char *f : { "b.mgx", "B.mgx", "a.mgz", "_x.mgl", "\xc3\x84gypten.mgx", "10.mgx", "9.mgx", ".hidden.mgx" })
            write(folder + QString::fromUtf8(f), QByteArray(int(qstrlen(f)) * 100, 'x'));
        QVERIFY(QFile::link(folder + "a.mgz", folder + "link.mgz"));
        QVERIFY(QFile::link(folder + "sub", folder + "dirlink"));
        QVERIFY(QFile::link(folder + "gone.mgx", folder + "dead.mgx"));
        QCOMPARE(::mkfifo(QFile::encodeName(folder + "pipe.mgx").constData(), 0600), 0);
        // Read long after it was written (the write time counts), and a copy
        // whose access time stayed earlier than its new write time.
        QFile later(folder + "b.mgx");
        QVERIFY(later.open(QIODevice::ReadWrite));
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(later.setFileTime(now.addDays(-30), QFileDevice::FileModificationTime));
        QVERIFY(later.setFileTime(now.addDays(-1), QFileDevice::FileAccessTime));
        later.close();
        QFile copied(folder + "B.mgx");
        QVERIFY(copied.open(QIODevice::ReadWrite));
        QVERIFY(copied.setFileTime(now.addDays(-3), QFileDevice::FileModificationTime));
        QVERIFY(copied.setFileTime(now.addYears(-2), QFileDevice::FileAccessTime));
        copied.close();

        QStringList expected;
        for (const QFileInfo &info :
            QDir(folder).entryInfoList(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
            const QDateTime written = info.lastModified();
            const QDateTime accessed = info.fileTime(QFileDevice::FileAccessTime);
            const qint64 date = (accessed.isValid() && accessed < written ? accessed : written).toSecsSinceEpoch();
            expected << QStringLiteral("%1 %2 %3 %4")
                            .arg(info.fileName())
                            .arg(info.isDir() ? "dir" : "file")
                            .arg(info.isDir() ? 0 : info.size())
                            .arg(date);
        }
        QList<FileSystem::DirectoryEntry> entries;
        QVERIFY(FileSystem::ListDirectory(folder, &entries));
        QStringList actual;
        for (const FileSystem::DirectoryEntry &e : entries)
            actual << QStringLiteral("%1 %2 %3 %4").arg(e.name).arg(e.isDir ? "dir" : "file").arg(e.size).arg(e.date);
        QCOMPARE(actual, expected);
        QCOMPARE(actual.size(), 10); // no hidden entry, dangling link or pipe
        QVERIFY(!FileSystem::ListDirectory(folder + "missing", &entries));
        QVERIFY(entries.isEmpty());
    }

    void unreadableFolderIsEmpty()
    {
        const CFolderListing l = FolderListing::Fill(m_env.file("missing/"), CFolderListingOptions {});
        QVERIFY(l.rows.isEmpty());
        QCOMPARE(l.files, 0);
    }

    void sortingRules_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("expected");
        // rows: "..", folder "zz", known k1 (map B, 10 min), known k2 (map A, 30 min), unknown u1, u2
        QTest::addRow("name") << 1 << QStringList { "..", "zz", "k1", "k2", "u1", "u2" };
        QTest::addRow("name descending") << -1 << QStringList { "..", "zz", "u2", "u1", "k2", "k1" };
        QTest::addRow("map") << 3 << QStringList { "..", "zz", "k2", "k1", "u1", "u2" };
        QTest::addRow("map descending keeps unknown last") << -3 << QStringList { "..", "zz", "k1", "k2", "u1", "u2" };
        QTest::addRow("duration descending") << -5 << QStringList { "..", "zz", "k2", "k1", "u1", "u2" };
        QTest::addRow("date descending keeps folders on top")
            << -6 << QStringList { "..", "zz", "u2", "u1", "k2", "k1" };
        QTest::addRow("none") << 0 << QStringList { "..", "zz", "k1", "k2", "u1", "u2" };
    }
    void sortingRules()
    {
        QFETCH(int, key);
        QFETCH(QStringList, expected);
        const auto file = [](const char *name, int id, const char *map, int duration, qint64 date) {
            CGameRow r;
            r.fileName = QString::fromLatin1(name);
            r.catalogueId = id;
            r.mapName = QString::fromLatin1(map);
            r.duration = duration;
            r.date = date;
            return r;
        };
        CGameRow parent;
        parent.fileName = "..";
        parent.isFile = false;
        parent.kind = CGameRow::Kind::Folder;
        parent.date = 1;
        CGameRow folder = parent;
        folder.fileName = "zz";
        folder.date = 999;
        // Unknown rows are inserted in reverse name order: equal rows keep
        // their order, and only the name column may reorder them.
        QList<CGameRow> rows { file("u2", 0, "", 0, 50), file("k2", 2, "A", 1800, 20), folder, file("u1", 0, "", 0, 40),
            parent, file("k1", 1, "B", 600, 10) };
        if (key != 1 && key != -1 && key != 6 && key != -6 && key != 0)
            std::swap(rows[0], rows[3]); // put u1 before u2: equal unknown rows keep their order
        RowSorting::SortRows(rows, key);
        QStringList got;
        for (const CGameRow &r : rows)
            got << r.fileName;
        QCOMPARE(got, expected);
        const auto named = [&rows](const char *name) {
            return *std::find_if(rows.cbegin(), rows.cend(), [name](const CGameRow &r) { return r.fileName == name; });
        };
        QCOMPARE(RowSorting::CompareRows(named("u1"), named("u2"), 3), 0);
    }

    void nextSortKey()
    {
        QCOMPARE(RowSorting::NextSortKey(3, 3), -3);
        QCOMPARE(RowSorting::NextSortKey(-3, 3), 3);
        QCOMPARE(RowSorting::NextSortKey(-3, 5), 5);
        QCOMPARE(RowSorting::NextSortKey(0, 2), 2);
    }

    void selectionStoresThenListsFromCatalogue()
    {
        const QString folder = newFolder();
        write(folder + "duel.mgx", recording("Selma", "Tobias", 12));
        CFolderListing l = FolderListing::Fill(folder, CFolderListingOptions {});
        CGameRow row = rowNamed(l, "duel.mgx");
        QVERIFY(!row.IsKnown());
        CRecordedGame game;
        QCOMPARE(RowAnalysis::AnalyzeSelection(folder, row, game), RowAnalysis::Outcome::Stored);
        QVERIFY(row.IsKnown());
        QCOMPARE(row.viewName, QStringLiteral("Selma"));
        QCOMPARE(row.durationText, QStringLiteral("00:12:00"));
        QCOMPARE(row.duration, 720);
        QCOMPARE(row.platform, 1);

        // Same name and size: known without reading the file again.
        QFile f(folder + "duel.mgx");
        const qint64 size = f.size();
        write(folder + "duel.mgx", QByteArray(int(size), 'z'));
        l = FolderListing::Fill(folder, CFolderListingOptions {});
        QCOMPARE(l.recordings, 1);
        QCOMPARE(rowNamed(l, "duel.mgx").catalogueId, row.catalogueId);
        QCOMPARE(rowNamed(l, "duel.mgx").viewName, QStringLiteral("Selma"));

        // A known row is loaded by id.
        CGameRow known = rowNamed(l, "duel.mgx");
        CRecordedGame loaded;
        QCOMPARE(RowAnalysis::AnalyzeSelection(folder, known, loaded), RowAnalysis::Outcome::Loaded);
        QCOMPARE(loaded.catalogueId, row.catalogueId);

        CGameRow folderRow = l.rows.first();
        QCOMPARE(RowAnalysis::AnalyzeSelection(folder, folderRow, loaded), RowAnalysis::Outcome::NotRecording);
    }

    void corruptRecordingStaysUnanalysed()
    {
        const QString folder = newFolder();
        write(folder + "broken.mgx", "not a recording at all");
        CFolderListing l = FolderListing::Fill(folder, CFolderListingOptions {});
        CGameRow row = rowNamed(l, "broken.mgx");
        CRecordedGame game;
        QCOMPARE(RowAnalysis::AnalyzeSelection(folder, row, game), RowAnalysis::Outcome::Failed);
        QVERIFY(!row.IsKnown());
        QCOMPARE(count("SELECT COUNT(*) FROM recgame WHERE File_Name = 'broken.mgx'"), 0);
    }

    void reanalysisAndPlatformChange()
    {
        const QString folder = newFolder();
        write(folder + "dm.mgx", recording("Dora", "Max", 30, 2));
        CGameRow row = rowNamed(FolderListing::Fill(folder, CFolderListingOptions {}), "dm.mgx");
        CRecordedGame game;
        QCOMPARE(RowAnalysis::AnalyzeSelection(folder, row, game), RowAnalysis::Outcome::Stored);
        QCOMPARE(row.platform, 2); // DeathMatch default
        const int first = row.catalogueId;

        QCOMPARE(PlatformChange::ChangePlatform(folder, row, 2, game), PlatformChange::Result::Unchanged);
        QCOMPARE(row.catalogueId, first);
        QCOMPARE(PlatformChange::ChangePlatform(folder, row, 5, game), PlatformChange::Result::Changed);
        QVERIFY(row.catalogueId != first);
        QCOMPARE(row.platform, 5);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM recgame WHERE Id_Rec_Game = %1").arg(first)), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM players WHERE Nick = 'Dora' AND Plataforma = 5"), 1);

        // Re-analysis puts the game back on the default platform of its type.
        const int beforeReanalysis = row.catalogueId;
        QVERIFY(RowAnalysis::Reanalyze(folder, row, game));
        QVERIFY(row.catalogueId != beforeReanalysis);
        QCOMPARE(row.platform, 2);

        // The file is gone: the entry goes too and the row is emptied.
        const int last = row.catalogueId;
        QVERIFY(QFile::remove(folder + "dm.mgx"));
        QCOMPARE(PlatformChange::ChangePlatform(folder, row, 0, game), PlatformChange::Result::FileLost);
        QVERIFY(!row.IsKnown());
        QVERIFY(row.viewName.isEmpty());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM recgame WHERE Id_Rec_Game = %1").arg(last)), 0);
        CGameRow unknown;
        unknown.fileName = "dm.mgx";
        QCOMPARE(PlatformChange::ChangePlatform(folder, unknown, 0, game), PlatformChange::Result::NotStored);
        QVERIFY(!RowAnalysis::Reanalyze(folder, unknown, game));
    }

    void fullScanReportsProgressAndFailures()
    {
        const QString folder = newFolder();
        write(folder + "s1.mgx", recording("P1", "Q1"));
        write(folder + "s2.mgx", "corrupt");
        write(folder + "s3.mgx", recording("P3", "Q3"));
        Log::Clear();
        const CFolderListing l = FolderListing::Fill(folder, CFolderListingOptions {});
        QCOMPARE(FullScan::CountCandidates(l.rows), 3);
        std::atomic<bool> cancel { false };
        QStringList progress;
        QList<int> storedRows;
        int total = 0;
        CFullScanObserver o;
        o.started = [&](int t) { total = t; };
        o.progress
            = [&](int done, int stored, int t) { progress << QStringLiteral("%1/%2/%3").arg(done).arg(stored).arg(t); };
        o.rowStored = [&](int index, const CGameRow &r) {
            storedRows << index;
            QVERIFY(r.IsKnown());
        };
        const CFullScanResult r = FullScan::Run(folder, l.rows, cancel, o);
        QCOMPARE(total, 3);
        QCOMPARE(progress, (QStringList { "1/1/3", "2/1/3", "3/2/3" }));
        QCOMPARE(r.stored, 2);
        QCOMPARE(r.failed, 1);
        QCOMPARE(r.recordings, 2);
        QVERIFY(!r.cancelled);
        QCOMPARE(storedRows.size(), 2);
        QCOMPARE(l.rows[storedRows[0]].fileName, QStringLiteral("s1.mgx"));
        const QString text = TestEnv::logText();
        QCOMPARE(text.count("FS ERROR WITH MGX: FILE: " + folder + "s2.mgx"), 1);

        // Everything stored: a second scan has nothing to do.
        const CFolderListing again = FolderListing::Fill(folder, CFolderListingOptions {});
        QCOMPARE(again.recordings, 2);
        QCOMPARE(FullScan::CountCandidates(again.rows), 1);
    }

    void cancelledScanKeepsWhatWasStored()
    {
        const QString folder = newFolder();
        for (int i = 0; i < 4; ++i)
            write(folder + QStringLiteral("c%1.mgx").arg(i), recording("C" + QByteArray::number(i), "D"));
        const CFolderListing l = FolderListing::Fill(folder, CFolderListingOptions {});
        std::atomic<bool> cancel { false };
        CFullScanObserver o;
        o.progress = [&](int done, int, int) {
            if (done == 2)
                cancel = true;
        };
        const CFullScanResult r = FullScan::Run(folder, l.rows, cancel, o);
        QVERIFY(r.cancelled);
        QVERIFY(r.stored >= 2);
        QCOMPARE(FolderListing::Fill(folder, CFolderListingOptions {}).recordings, r.stored);
    }

    void workerThreadSignalsTheScan()
    {
        const QString folder = newFolder();
        write(folder + "w1.mgx", recording("W1", "V"));
        write(folder + "w2.mgx", recording("W2", "V"));
        const CFolderListing l = FolderListing::Fill(folder, CFolderListingOptions {});
        QThread thread;
        auto *worker = new CFullScanWorker(folder, l.rows);
        worker->moveToThread(&thread);
        connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
        QSignalSpy started(worker, &CFullScanWorker::started);
        QSignalSpy stored(worker, &CFullScanWorker::rowStored);
        QSignalSpy finished(worker, &CFullScanWorker::finished);
        thread.start();
        QMetaObject::invokeMethod(worker, &CFullScanWorker::run, Qt::QueuedConnection);
        QVERIFY(finished.wait(30000));
        thread.quit();
        QVERIFY(thread.wait(10000));
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.first().first().toInt(), 2);
        QCOMPARE(stored.size(), 2);
        const CGameRow row = stored.first().at(1).value<CGameRow>();
        QVERIFY(row.IsKnown());
        const CFullScanResult result = finished.first().first().value<CFullScanResult>();
        QCOMPARE(result.stored, 2);
        QVERIFY(!result.cancelled);
    }

    void cancelledFillStopsEarly()
    {
        const QString folder = newFolder();
        write(folder + "x.mgx", "x");
        std::atomic<bool> cancel { true };
        const CFolderListing l = FolderListing::Fill(folder, CFolderListingOptions {}, 0, &cancel);
        QVERIFY(l.cancelled);
        QCOMPARE(l.files, 0);
    }

    void searchFillListsOnlyMatchingStoredGames()
    {
        const QString folder = newFolder();
        write(folder + "alpha one.mgx", recording("Wanted", "Other"));
        write(folder + "beta two.mgx", recording("Someone", "Else"));
        write(folder + "alpha unknown.mgx", recording("Wanted", "Never"));
        write(folder + "alpha.zip", "zip");
        CFolderListing l = FolderListing::Fill(folder, CFolderListingOptions {});
        for (const char *name : { "alpha one.mgx", "beta two.mgx" }) {
            CGameRow row = rowNamed(l, name);
            CRecordedGame game;
            QCOMPARE(RowAnalysis::AnalyzeSelection(folder, row, game), RowAnalysis::Outcome::Stored);
        }
        CSearcher s;
        s.Set("wanted", 0, 0, QString(), CSearcher::AllPlayers, CSearcher::BeginsWith, "ALPHA", QString(), -1, 0, -1);
        CSearchQuery q;
        QVERIFY(s.BuildQuery(q));
        QVERIFY(q.idsOnly);
        const CFolderListing found = FolderListing::SearchFill(folder, q);
        QCOMPARE(names(found), QStringList { "alpha one.mgx" });
        QCOMPARE(found.rows.first().viewName, QStringLiteral("Wanted"));
        QCOMPARE(found.files, 1);
        QVERIFY(FolderListing::MatchesPattern("Alpha One.MGX", "alpha*"));
        QVERIFY(!FolderListing::MatchesPattern("the alpha.mgx", "alpha*"));
    }
};

QTEST_GUILESS_MAIN(TestFolderListing)
#include "tst_folder_listing.moc"
