#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Paths.h"
#include "catalogue/Catalogue.h"
#include "catalogue/SqlStatement.h"
#include "explorer/FolderListing.h"
#include "explorer/FullScan.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <thread>

// The full scan on several reader threads: the catalogue it leaves must be
// the one a scan on one thread leaves, whatever the number of readers, a
// cancel at any point or a second scan running beside it.
class TestFullScan : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;
    int m_folders = 0;

    // n recordings with a few players each, some of them shared between
    // games so that player rows are matched as well as added, and a file
    // that is not a recording.
    QString folderOf(int n)
    {
        const QString folder = m_env.file(QStringLiteral("scan%1/").arg(++m_folders));
        QDir().mkpath(folder);
        for (int i = 0; i < n; ++i) {
            HeaderBuilder h = HeaderBuilder::Duel("Pl" + QByteArray::number(i % 7), "Op" + QByteArray::number(i));
            h.gameType = i % 3 == 0 ? 2 : 0;
            h.mapId = 9 + i % 4;
            // Every fifth game a 2 vs 2 with chat, so that a game after it
            // has fewer players than the one before.
            BodyBuilder body;
            if (i % 5 == 0) {
                h.entries << FixturePlayer { 3, "Third" + QByteArray::number(i), 3, 2, 2 }
                          << FixturePlayer { 4, "Fourth", 4, 3, 2 };
                body.chat("@#1Pl: gl hf");
            }
            const QByteArray bytes = Fixture::Recording(h.build(), body.timeStep(60000 * (1 + i % 50)).build());
            Fixture::Write(folder + QStringLiteral("f%1-%2.mgx").arg(m_folders).arg(i, 3, 10, QLatin1Char('0')), bytes);
        }
        Fixture::Write(folder + QStringLiteral("broken.mgx"), "not a recording");
        return folder;
    }

    static QList<CGameRow> rowsOf(const QString &folder)
    {
        return FolderListing::Fill(folder, CFolderListingOptions {}).rows;
    }

    static void freshCatalogue()
    {
        for (const char *suffix : { "", "-wal", "-shm" })
            QFile::remove(Paths::CataloguePath() + QLatin1String(suffix));
        QVERIFY(Catalogue::PrepareCatalogue());
    }

    // Everything the catalogue knows of the games of folder, without ids.
    static QStringList contents()
    {
        auto db = Catalogue::OpenCatalogue();
        auto rows = db->CreateStatement(QStringLiteral(
            "SELECT r.File_Name, r.File_Size, pv.Nick, r.Players, IFNULL(m.Name, ''), r.Rating, r.Plataforma, "
            "r.GameType, r.Duration, (SELECT GROUP_CONCAT(x, ';') FROM (SELECT p.Nick || ',' || p.Rating || ',' || "
            "p.Plataforma || ',' || rp.Id_Civilization || ',' || rp.Id_Color || ',' || rp.Id_Team || ',' || "
            "rp.Id_Key AS x FROM recgame_players rp JOIN players p ON p.Id_Player = rp.Id_Player WHERE "
            "rp.Id_Rec_Game = r.Id_Rec_Game ORDER BY x)) FROM recgame r LEFT JOIN players pv ON pv.Id_Player = "
            "r.Id_Player_View LEFT JOIN maps m ON m.Id_Map = r.Id_Map ORDER BY r.File_Name"));
        QStringList lines;
        while (rows->NextRow()) {
            QStringList cells;
            for (int c = 0; c < 10; ++c)
                cells << rows->ColumnText(c);
            lines << cells.join(QLatin1Char('|'));
        }
        return lines;
    }

    static int count(const QString &sql)
    {
        auto db = Catalogue::OpenCatalogue();
        auto s = db->CreateStatement(sql);
        return s->NextRow() ? s->ColumnInt(0) : -1;
    }

    // No game without its player rows, no player row without its game, no
    // file twice, and SQLite finds the file sound.
    static void verifyIntact()
    {
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM recgame r WHERE NOT EXISTS (SELECT 1 FROM "
                                      "recgame_players rp WHERE rp.Id_Rec_Game = r.Id_Rec_Game)")),
            0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM recgame_players rp WHERE NOT EXISTS (SELECT 1 FROM "
                                      "recgame r WHERE rp.Id_Rec_Game = r.Id_Rec_Game)")),
            0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT File_Name || '/' || File_Size) FROM recgame")),
            0);
        auto db = Catalogue::OpenCatalogue();
        auto check = db->CreateStatement(QStringLiteral("PRAGMA integrity_check"));
        QVERIFY(check->NextRow());
        QCOMPARE(check->ColumnText(0), QStringLiteral("ok"));
    }

private slots:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    // Readers reuse their records from file to file: nothing of one game
    // may stay for the next (the players of a bigger game, its map, its
    // chat). The scan stores what each file analysed in a new record gives.
    void reusedRecordsCarryNothingOver()
    {
        const QString folder = folderOf(40);
        const QList<CGameRow> rows = rowsOf(folder);
        freshCatalogue();
        {
            auto db = Catalogue::OpenCatalogue();
            for (CGameRow row : rows) {
                if (!row.isFile || !row.IsRecording())
                    continue;
                CRecordedGame fresh;
                if (RowAnalysis::AnalyzeFile(folder + row.fileName, fresh))
                    QVERIFY(RowAnalysis::StoreAnalysed(row, fresh, *db, -1));
            }
        }
        const QStringList expected = contents();
        QCOMPARE(expected.size(), 40);
        QVERIFY(expected.filter(QStringLiteral("Fourth")).size() == 8);
        for (int jobs : { 1, 2 }) {
            freshCatalogue();
            std::atomic<bool> cancel { false };
            FullScan::Run(folder, rows, cancel, {}, jobs);
            QCOMPARE(contents(), expected);
        }
    }

    void sameCatalogueAsOneReader_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::newRow("two readers") << 2;
        QTest::newRow("more readers than cores") << 7;
        QTest::newRow("one reader per core") << 0;
    }
    void sameCatalogueAsOneReader()
    {
        QFETCH(int, jobs);
        const QString folder = folderOf(60);
        const QList<CGameRow> rows = rowsOf(folder);
        std::atomic<bool> cancel { false };

        freshCatalogue();
        const CFullScanResult one = FullScan::Run(folder, rows, cancel, {}, 1);
        const QStringList expected = contents();
        QCOMPARE(expected.size(), 60);

        freshCatalogue();
        QList<int> storedRows;
        QList<int> done;
        QStringList failures;
        CFullScanObserver o;
        o.rowStored = [&](int index, const CGameRow &row) {
            QVERIFY(row.IsKnown());
            QCOMPARE(row.fileName, rows[index].fileName);
            storedRows << index;
        };
        o.progress = [&](int d, int, int) { done << d; };
        o.failed = [&](const QString &path, const QString &) { failures << QFileInfo(path).fileName(); };
        const CFullScanResult many = FullScan::Run(folder, rows, cancel, o, jobs);
        QCOMPARE(contents(), expected);
        QCOMPARE(many.stored, one.stored);
        QCOMPARE(many.failed, 1);
        QCOMPARE(failures, QStringList { "broken.mgx" });
        // Reports come in list order, one per file, as the progress dialog
        // and the rows of the list expect.
        QVERIFY(std::is_sorted(storedRows.begin(), storedRows.end()));
        QCOMPARE(storedRows.size(), 60);
        QCOMPARE(done.size(), 61);
        for (int i = 0; i < done.size(); ++i)
            QCOMPARE(done[i], i + 1);
        verifyIntact();
    }

    void cancelAtAnyPointLeavesAnIntactCatalogue_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::addColumn<bool>("fromReport");
        QTest::newRow("one reader, cancelled in a report") << 1 << true;
        QTest::newRow("three readers, cancelled in a report") << 3 << true;
        QTest::newRow("two readers, cancelled from another thread") << 2 << false;
        QTest::newRow("five readers, cancelled from another thread") << 5 << false;
    }
    void cancelAtAnyPointLeavesAnIntactCatalogue()
    {
        QFETCH(int, jobs);
        QFETCH(bool, fromReport);
        for (int round = 0; round < 4; ++round) {
            const int n = 80;
            const QString folder = folderOf(n);
            const QList<CGameRow> rows = rowsOf(folder);
            const QString like = QStringLiteral("f%1-%").arg(m_folders);
            const int stop = QRandomGenerator::global()->bounded(1, n);
            std::atomic<bool> cancel { false };
            CFullScanObserver o;
            if (fromReport)
                o.progress = [&](int done, int, int) {
                    if (done == stop)
                        cancel = true;
                };
            std::jthread canceller;
            if (!fromReport)
                canceller = std::jthread([&cancel, stop] {
                    std::this_thread::sleep_for(std::chrono::microseconds(stop * 100));
                    cancel = true;
                });
            const CFullScanResult r = FullScan::Run(folder, rows, cancel, o, jobs);
            canceller = {};
            const int stored = count(QStringLiteral("SELECT COUNT(*) FROM recgame WHERE File_Name LIKE '%1'").arg(like));
            // What the scan reported stored is exactly what the catalogue holds.
            QCOMPARE(stored, r.stored);
            if (fromReport) {
                // Files committed with the one that saw the cancel are still
                // reported; the scan stops at the end of that transaction.
                QVERIFY(r.cancelled);
                QVERIFY2(r.stored >= stop - 1, qPrintable(QString::number(r.stored)));
                if (stop <= n / 2)
                    QVERIFY2(r.stored < n, qPrintable(QString::number(r.stored)));
            }
            verifyIntact();

            // A second scan stores the rest.
            const QList<CGameRow> again = rowsOf(folder);
            QCOMPARE(FullScan::CountCandidates(again), n + 1 - r.stored);
            std::atomic<bool> never { false };
            const CFullScanResult rest = FullScan::Run(folder, again, never, {}, jobs);
            QCOMPARE(rest.stored, n - r.stored);
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM recgame WHERE File_Name LIKE '%1'").arg(like)), n);
        }
    }

    void twoScansAtOnceLoseNothing()
    {
        const int n = 90;
        const QString folder = folderOf(n);
        const QList<CGameRow> rows = rowsOf(folder);
        std::atomic<bool> never { false };
        CFullScanResult a;
        CFullScanResult b;
        {
            std::jthread first([&] { a = FullScan::Run(folder, rows, never, {}, 2); });
            std::jthread second([&] { b = FullScan::Run(folder, rows, never, {}, 3); });
        }
        QCOMPARE(a.failed, 1);
        QCOMPARE(b.failed, 1);
        QCOMPARE(a.stored, n);
        QCOMPARE(b.stored, n);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM recgame WHERE File_Name LIKE 'f%1-%'").arg(m_folders)), n);
        verifyIntact();
    }
};

QTEST_GUILESS_MAIN(TestFullScan)
#include "tst_full_scan.moc"
