#include "CatalogueTestUtil.h"

#include "catalogue/Persistence.h"

#include <QTest>

// The catalogue at scale: the search indexes reach catalogues made before
// them without touching a row, the look-ups use them, and games stored in a
// batch transaction stay whole one by one.
class TestCatalogueIndexes : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    static QStringList indexNames(CDbSQLite &db)
    {
        QStringList names;
        auto rows = db.CreateStatement(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"));
        while (rows->NextRow())
            names << rows->ColumnText(0);
        return names;
    }

    static QString plan(CDbSQLite &db, const QString &sql)
    {
        QStringList lines;
        auto rows = db.CreateStatement(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
        while (rows->NextRow())
            lines << rows->ColumnText(3);
        return lines.join(QLatin1Char('\n'));
    }

    static QList<int> counts(CDbSQLite &db)
    {
        QList<int> c;
        for (const char *table : { "players", "maps", "recgame", "recgame_players" })
            c << CatTest::Count(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)));
        return c;
    }

private slots:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    void olderCatalogueGetsTheIndexesAndKeepsItsRows()
    {
        auto db = Catalogue::OpenCatalogue();
        for (int i = 0; i < 40; ++i) {
            CRecordedGame g = CatTest::Game(QStringLiteral("old%1.mgx").arg(i), 1000 + i,
                { { QStringLiteral("Old%1").arg(i % 9) }, { QStringLiteral("Rival%1").arg(i) } }, 1, i % 2 ? 9 : 0,
                QStringLiteral("Custom %1").arg(i % 4));
            QVERIFY(Catalogue::StoreInCatalogue(g, *db, 1));
        }
        // A catalogue of an earlier version: the same tables without them.
        for (const QString &name : Catalogue::SearchIndexNames())
            QVERIFY(db->ExecuteSql(QStringLiteral("DROP INDEX %1").arg(name)));
        const QList<int> before = counts(*db);
        QVERIFY(!indexNames(*db).contains(Catalogue::SearchIndexNames().first()));
        db.reset();

        // Start-up, twice: the second finds them there and changes nothing.
        for (int start = 0; start < 2; ++start) {
            QVERIFY(Catalogue::PrepareCatalogue());
            auto again = Catalogue::OpenCatalogue();
            const QStringList names = indexNames(*again);
            for (const QString &name : Catalogue::SearchIndexNames())
                QVERIFY2(names.contains(name), qPrintable(name));
            QCOMPARE(counts(*again), before);
            auto check = again->CreateStatement(QStringLiteral("PRAGMA integrity_check"));
            QVERIFY(check->NextRow());
            QCOMPARE(check->ColumnText(0), QStringLiteral("ok"));
        }
    }

    void lookUpsUseAnIndex_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("index");
        QTest::newRow("listing") << "SELECT r.*, m.Name, p.* FROM recgame AS r LEFT JOIN maps m ON (r.Id_Map = "
                                    "m.Id_Map) LEFT JOIN players AS p ON (r.Id_Player_View = p.Id_Player) WHERE "
                                    "r.File_Name = ?1 AND r.File_Size = ?2 ORDER BY r.Id_Rec_Game LIMIT 1;"
                                 << "index_recgame_filesearch";
        QTest::newRow("top players") << "SELECT * FROM players WHERE Plataforma = ?1 ORDER BY Rating DESC LIMIT 15"
                                     << "index_players_platform_rating";
        QTest::newRow("player by nickname")
            << "SELECT Id_Player, Id_Country, Plataforma, Rating FROM players WHERE Nick = ?1 ORDER BY Id_Country "
               "DESC, Id_Player"
            << "index_players_nick";
        QTest::newRow("players of a game")
            << "SELECT p.*, rp.Id_Team FROM recgame_players rp, players p WHERE rp.Id_Player = p.Id_Player AND "
               "rp.Id_Rec_Game = ?1 ORDER BY rp.Id_Team ASC, rp.Id_Key ASC;"
            << "Id_Rec_Game=?";
        QTest::newRow("map by name") << "SELECT Id_Map FROM maps WHERE Name = ?1" << "index_maps_name";
    }
    void lookUpsUseAnIndex()
    {
        QFETCH(QString, sql);
        QFETCH(QString, index);
        auto db = Catalogue::OpenCatalogue();
        const QString p = plan(*db, sql);
        QVERIFY2(p.contains(index), qPrintable(p));
        QVERIFY2(!p.contains(QLatin1String("SCAN ")), qPrintable(p));
    }

    void batchKeepsEachGameWhole()
    {
        auto db = Catalogue::OpenCatalogue();
        // The catalogue refuses one game of the batch half-way, after its
        // players were added.
        QVERIFY(db->ExecuteSql(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON recgame WHEN "
                                              "NEW.File_Name = 'refused.mgx' BEGIN SELECT RAISE(ABORT, 'no'); END;")));
        const QList<int> before = counts(*db);
        CRecordedGame a = CatTest::Game(QStringLiteral("batch-a.mgx"), 11, { { "BatchA" }, { "Shared" } });
        CRecordedGame refused = CatTest::Game(QStringLiteral("refused.mgx"), 12, { { "OnlyRefused" }, { "Shared" } });
        CRecordedGame b = CatTest::Game(QStringLiteral("batch-b.mgx"), 13, { { "BatchB" }, { "Shared" } });
        QVERIFY(db->Begin());
        QVERIFY(Catalogue::StoreInCatalogue(a, *db, 1));
        QVERIFY(!Catalogue::StoreInCatalogue(refused, *db, 1));
        QCOMPARE(refused.catalogueId, 0);
        QVERIFY(Catalogue::StoreInCatalogue(b, *db, 1));
        QVERIFY(db->InTransaction());
        QVERIFY(db->Commit());

        const QList<int> after = counts(*db);
        QCOMPARE(after[0] - before[0], 3); // BatchA, Shared, BatchB; not OnlyRefused
        QCOMPARE(after[2] - before[2], 2);
        QCOMPARE(after[3] - before[3], 4);
        QCOMPARE(CatTest::Count(*db, "SELECT COUNT(*) FROM players WHERE Nick = 'OnlyRefused'"), 0);

        // A batch rolled back as a whole leaves nothing either.
        CRecordedGame c = CatTest::Game(QStringLiteral("batch-c.mgx"), 14, { { "BatchC" }, { "Shared" } });
        QVERIFY(db->Begin());
        QVERIFY(Catalogue::StoreInCatalogue(c, *db, 1));
        QVERIFY(db->Rollback());
        QCOMPARE(counts(*db), after);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueIndexes)
#include "tst_catalogue_indexes.moc"
