#include "CatalogueTestUtil.h"
#include "TestEnv.h"

#include "app/Log.h"
#include "app/Paths.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ScopedTransaction.h"

#include <QDir>
#include <QTest>

using namespace CatTest;

// The SQLite layer, the catalogue's structure, its start-up preparation and
// the base knowledge import.
class TestCatalogueSql : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_env.file(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
    }

    void preparationCreatesStructureAndStamp()
    {
        QCOMPARE(CSettings::Instance().CatalogueStamp(), Catalogue::kStamp);
        auto db = Catalogue::OpenCatalogue();
        QVERIFY(db);
        QCOMPARE(Count(*db,
                     "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                     "('players','maps','recgame','recgame_players')"),
            4);
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name LIKE 'index_%'"),
            6 + Catalogue::SearchIndexNames().size());
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM maps WHERE Id_Map IN (49, 50)"), 2);
        auto mode = db->CreateStatement("PRAGMA journal_mode");
        QVERIFY(mode->NextRow());
        QCOMPARE(mode->ColumnText(0), QStringLiteral("wal"));
    }

    void firstCustomMapGets51()
    {
        auto db = Catalogue::OpenCatalogue();
        auto insert = db->CreateStatement("INSERT INTO maps VALUES (NULL, ?1)");
        insert->BindText(1, "Some Custom");
        QVERIFY(insert->Execute());
        QCOMPARE(db->LastInsertId(), 51);
        QVERIFY(db->ExecuteSql("DELETE FROM maps WHERE Id_Map = 51"));
    }

    void keptStatementsStartAfresh()
    {
        CDbSQLite db;
        QVERIFY(db.Open(m_env.file(QStringLiteral("kept.db"))));
        QVERIFY(db.ExecuteSql(QStringLiteral("CREATE TABLE t (a INTEGER)")));
        for (int i = 1; i <= 3; ++i) {
            auto insert = db.CreateStatement(QStringLiteral("INSERT INTO t VALUES (?1)"));
            insert->BindInt(1, i);
            QVERIFY(insert->Execute());
        }
        {
            // Left in the middle of its rows: the next user still starts at the first row.
            auto select = db.CreateStatement(QStringLiteral("SELECT a FROM t WHERE a >= ?1 ORDER BY a"));
            select->BindInt(1, 2);
            QVERIFY(select->NextRow());
        }
        auto select = db.CreateStatement(QStringLiteral("SELECT a FROM t WHERE a >= ?1 ORDER BY a"));
        QVERIFY(!select->NextRow()); // no value bound: NULL matches nothing
        select->Reset();
        select->BindInt(1, 1);
        QVERIFY(select->NextRow());
        QCOMPARE(select->ColumnInt(0), 1);
        select.reset();

        // A statement that outlives its connection is simply finalized.
        auto db2 = std::make_unique<CDbSQLite>();
        QVERIFY(db2->Open(m_env.file(QStringLiteral("kept.db"))));
        auto orphan = db2->CreateStatement(QStringLiteral("SELECT COUNT(*) FROM t"));
        db2.reset();
        orphan.reset();
    }

    void secondPreparationIsANoOp()
    {
        auto db = Catalogue::OpenCatalogue();
        QVERIFY(db->ExecuteSql("INSERT INTO players VALUES (NULL, 'keep-me', 1700, 1, 3)"));
        db.reset();
        QVERIFY(Catalogue::PrepareCatalogue());
        db = Catalogue::OpenCatalogue();
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM players WHERE Nick = 'keep-me'"), 1);
    }

    void createStructureTwiceFailsEveryStatement()
    {
        Log::Clear();
        auto db = Catalogue::OpenCatalogue();
        const int before = Count(*db, "SELECT COUNT(*) FROM maps");
        QVERIFY(!Catalogue::CreateStructure(*db));
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM maps"), before);
        const QString log = LogText();
        QVERIFY(log.contains("Error: Couldn't create table players"));
        QVERIFY(log.contains("Error: Couldn't create Index index_recgame_filesearch"));
        QCOMPARE(log.count("Error: Couldn't create Map Divisor"), 2);
        QVERIFY(log.contains("Error creating Database Structure."));
    }

    void layerFailuresAreLogged_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("viaCommit");
        QTest::addColumn<QString>("logged"); // empty: nothing may be logged
        QTest::addRow("syntax error") << "SELEC nonsense" << false << "SQLITE_MISUSE";
        QTest::addRow("query run as a command") << "SELECT * FROM maps" << false << "";
        QTest::addRow("commit without begin") << "" << true << "SQLITE_ERROR";
    }
    void layerFailuresAreLogged()
    {
        QFETCH(QString, sql);
        QFETCH(bool, viaCommit);
        QFETCH(QString, logged);
        Log::Clear();
        auto db = Catalogue::OpenCatalogue();
        QVERIFY(!(viaCommit ? db->Commit() : db->ExecuteSql(sql)));
        const QString log = LogText();
        if (logged.isEmpty()) {
            QVERIFY(log.isEmpty());
        } else {
            QCOMPARE(log.count("--------\r\n"), 1);
            QVERIFY(log.contains(logged));
            QVERIFY(log.contains("CSqlStatement::Execute"));
        }
    }

    void emptyResultIsNotAnError()
    {
        Log::Clear();
        auto db = Catalogue::OpenCatalogue();
        auto s = db->CreateStatement("SELECT * FROM players WHERE Id_Player < 0");
        QVERIFY(!s->NextRow());
        QVERIFY(LogText().isEmpty());
    }

    void scopedTransactionRollsBack()
    {
        auto db = Catalogue::OpenCatalogue();
        {
            CScopedTransaction t(*db);
            QVERIFY(t.IsActive());
            QVERIFY(db->ExecuteSql("INSERT INTO players VALUES (NULL, 'ghost', 1, 1, 1)"));
        }
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM players WHERE Nick = 'ghost'"), 0);
    }

    void parseBaseKnowledge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // nick|rating|country|platform
        QTest::addRow("full record") << "Alpha;1800;12;0" << QStringList { "Alpha|1800|12|0" };
        QTest::addRow("empty field collapses") << "Alpha;;12;0" << QStringList { "Alpha|12|0|0" };
        QTest::addRow("leading separator") << ";Alpha;1700;3;4" << QStringList { "Alpha|1700|3|4" };
        QTest::addRow("blank lines and CRLF") << "\r\n\r\nA b;1;2;3\r\n\n\nC;4;5;1\r\n"
                                              << QStringList { "A b|1|2|3", "C|4|5|1" };
        QTest::addRow("numbers like strtol") << "N;  +1650xyz;-2;abc" << QStringList { "N|1650|-2|0" };
        QTest::addRow("missing fields") << "Lonely" << QStringList { "Lonely|0|0|0" };
        QTest::addRow("nothing") << "\n\r\n" << QStringList {};
        QTest::addRow("huge number saturates") << "Big;99999999999999;1;1" << QStringList { "Big|2147483647|1|1" };
    }
    void parseBaseKnowledge()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QStringList got;
        for (const auto &r : Catalogue::ParseBaseKnowledge(text))
            got << QStringLiteral("%1|%2|%3|%4").arg(r.nick).arg(r.rating).arg(r.country).arg(r.platform);
        QCOMPARE(got, expected);
    }

    void importBaseKnowledgeFile()
    {
        auto db = Catalogue::OpenCatalogue();
        // ";" separates fields, so the hostile name here holds none.
        const QByteArray text("Qu\"ote;1900;7;4\r\nx') OR 1=1 --;1600;0;4\0ignored;1;1;1", 53);
        const QString path = writeFile("bk.txt", text);
        Catalogue::BaseKnowledgeJob job;
        job.db = db.get();
        job.path = path;
        QCOMPARE(Catalogue::ImportBaseKnowledgeFile(job), Catalogue::ImportResult::Completed);
        QCOMPARE(Count(*db,
                     "SELECT COUNT(*) FROM players WHERE Nick = ?1 AND Rating = 1900 AND Id_Country = 7 AND "
                     "Plataforma = 4",
                     { "Qu\"ote" }),
            1);
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM players WHERE Nick = ?1", { "x') OR 1=1 --" }), 1);
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM players WHERE Nick = 'ignored'"), 0);
    }

    void stoppedWorkerImportRollsBack()
    {
        auto db = Catalogue::OpenCatalogue();
        const QString path = writeFile("bk2.txt", "Stop1;1;1;1\nStop2;1;1;1\n");
        std::atomic<bool> stop { true };
        Catalogue::BaseKnowledgeJob job;
        job.db = db.get();
        job.path = path;
        job.worker = true;
        job.stop = &stop;
        QCOMPARE(Catalogue::ImportBaseKnowledgeFile(job), Catalogue::ImportResult::Stopped);
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM players WHERE Nick LIKE 'Stop%'"), 0);
    }

    void missingBaseKnowledgeIsLogged()
    {
        Log::Clear();
        auto db = Catalogue::OpenCatalogue();
        Catalogue::BaseKnowledgeJob job;
        job.db = db.get();
        job.path = m_env.file("absent.txt");
        QCOMPARE(Catalogue::ImportBaseKnowledgeFile(job), Catalogue::ImportResult::Completed);
        QVERIFY(LogText().contains("Failed reanding Base Knowledge\r\nFile: " + job.path));
    }

    void emptyCatalogueFileIsCreatedAnew()
    {
        // A zero-length "recgame.db" (left by an interrupted start) must not
        // stay a catalogue without tables.
        TestEnv other;
        CSettings::Instance().SetCatalogueStamp(0);
        QFile f(Paths::CataloguePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(Catalogue::PrepareCatalogue());
        auto db = Catalogue::OpenCatalogue();
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM maps"), 2);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueSql)
#include "tst_catalogue_sql.moc"
