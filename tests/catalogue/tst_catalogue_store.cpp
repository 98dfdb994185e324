#include "CatalogueTestUtil.h"
#include "TestEnv.h"

#include "catalogue/Persistence.h"
#include "explorer/RowAnalysis.h"

#include <QDir>
#include <QTest>

using namespace CatTest;

// Storing games and reading them back: ids, map and player matching,
// relative teams, hostile names, renames and deletes, and real recordings.
class TestCatalogueStore : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;
    std::unique_ptr<CDbSQLite> m_db;
    quint32 m_nextSize = 1000;

    CRecordedGame store(CRecordedGame game, int platform = 1)
    {
        game.fileSize = m_nextSize++;
        Catalogue::StoreInCatalogue(game, *m_db, platform);
        return game;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
        m_db = Catalogue::OpenCatalogue();
        QVERIFY(m_db);
    }

    void builtInAndCustomMaps()
    {
        const int maps = Count(*m_db, "SELECT COUNT(*) FROM maps");
        CRecordedGame arabia = store(Game("arabia.mgx", 0, { { "A" }, { "B", 2, 1, 2 } }, 1, 9));
        QVERIFY(arabia.catalogueId > 0);
        QCOMPARE(Count(*m_db, "SELECT Id_Map FROM recgame WHERE Id_Rec_Game = ?1", { arabia.catalogueId }), 9);
        CRecordedGame blind = store(Game("blind.mgx", 0, { { "A" }, { "B", 2, 1, 2 } }, 1, 48));
        QCOMPARE(Count(*m_db, "SELECT Id_Map FROM recgame WHERE Id_Rec_Game = ?1", { blind.catalogueId }), 35);
        QCOMPARE(blind.mapId, 35);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM maps"), maps);

        CRecordedGame c1 = store(Game("c1.mgx", 0, { { "A" }, { "B", 2, 1, 2 } }, 1, 44, "Dry Arabia"));
        CRecordedGame c2 = store(Game("c2.mgx", 0, { { "A" }, { "B", 2, 1, 2 } }, 1, 44, "DRY arabia"));
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM maps"), maps + 1);
        const int id = Count(*m_db, "SELECT Id_Map FROM recgame WHERE Id_Rec_Game = ?1", { c2.catalogueId });
        QVERIFY(id > 50);
        CRecordedGame loaded;
        QVERIFY(Catalogue::LoadSummaryById(loaded, c1.catalogueId, *m_db));
        QCOMPARE(loaded.GetMapName(false), QStringLiteral("Dry Arabia"));

        // Later versions' maps are kept by their name: two maps, two names,
        // each read back as it was (not the empty divider row).
        for (int later : { 60, 36, 60 }) {
            CRecordedGame unstored = Game("later.mgx2", 0, { { "A" }, { "B", 2, 1, 2 } }, 1, later);
            const float hdSave = 12.2f;
            unstored.version = CGameVersion::Detect(
                QByteArray("VER 9.4\0", 8) + QByteArray(reinterpret_cast<const char *>(&hdSave), 4), {});
            const QString name = unstored.GetMapName(true);
            QVERIFY2(!name.isEmpty(), qPrintable(QString::number(later)));
            CRecordedGame stored = store(unstored);
            const int storedId = Count(*m_db, "SELECT Id_Map FROM recgame WHERE Id_Rec_Game = ?1", { stored.catalogueId });
            QVERIFY(storedId > 50);
            QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM maps WHERE Id_Map = ?1 AND Name = ?2", { storedId, name }), 1);
            CRecordedGame back;
            QVERIFY(Catalogue::LoadSummaryById(back, stored.catalogueId, *m_db));
            QCOMPARE(back.GetMapName(true), name);
        }
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM maps"), maps + 3);
    }

    void newPlayerRatingAndAverage()
    {
        auto known = m_db->CreateStatement("INSERT INTO players VALUES (NULL, 'Rated', 2000, 1, 0)");
        QVERIFY(known->Execute());
        CRecordedGame g = store(Game("avg.mgx", 0, { { "Rated" }, { "Fresh", 2, 1, 2 } }));
        QCOMPARE(g.players[2].rating, 1600);
        QCOMPARE(g.players[1].rating, 2000);
        auto r = m_db->CreateStatement("SELECT Rating FROM recgame WHERE Id_Rec_Game = ?1");
        r->BindInt(1, g.catalogueId);
        QVERIFY(r->NextRow());
        QCOMPARE(r->ColumnDouble(0), 1800.0);
    }

    void playerMatchingByPlatformAndCountry()
    {
        QVERIFY(m_db->ExecuteSql("INSERT INTO players VALUES (NULL, 'Twice', 1700, 0, 0)"));
        QVERIFY(m_db->ExecuteSql("INSERT INTO players VALUES (NULL, 'Twice', 1900, 1, 12)"));
        const int rowOn1 = int(m_db->LastInsertId());
        CRecordedGame on1 = store(Game("twice1.mgx", 0, { { "twice" }, { "Other", 2, 1, 2 } }), 1);
        QCOMPARE(on1.players[1].catalogueId, rowOn1);
        QCOMPARE(on1.players[1].country, 12);
        QCOMPARE(on1.players[1].rating, 1900);
        CRecordedGame on4 = store(Game("twice4.mgx", 0, { { "Twice" }, { "Other", 2, 1, 2 } }), 4);
        QVERIFY(on4.players[1].catalogueId != rowOn1);
        QCOMPARE(on4.players[1].country, 12);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM players WHERE Nick = 'Twice'"), 3);
        // Stored again on 4: the new row is found, not added a second time.
        store(Game("twice4b.mgx", 0, { { "Twice" }, { "Other", 2, 1, 2 } }), 4);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM players WHERE Nick = 'Twice'"), 3);
    }

    void hostileNames_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : { "Nick", "Rating", "a\"b", "x'); DROP TABLE players;--", "100%", "%", "a_b", "_",
                 "Id_Player", "\"\"", "Ünïcödé 扫荡" })
            QTest::addRow("%s", n) << QString::fromUtf8(n);
    }
    void hostileNames()
    {
        QFETCH(QString, name);
        const int playersBefore = Count(*m_db, "SELECT COUNT(*) FROM players");
        const QString file = name + QStringLiteral(".mgx");
        CRecordedGame g = store(Game(file, 0, { { name }, { "Plain Opponent", 2, 1, 2 } }, 1, 44, name));
        QVERIFY(g.catalogueId > 0);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM players WHERE Nick = ?1", { name }), 1);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM maps WHERE Name = ?1", { name }), 1);
        // A second game of the same player adds no player and no map.
        CRecordedGame again = store(Game(file + "2", 0, { { name }, { "Plain Opponent", 2, 1, 2 } }, 1, 44, name));
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM players WHERE Nick = ?1", { name }), 1);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM maps WHERE Name = ?1", { name }), 1);
        QVERIFY(Count(*m_db, "SELECT COUNT(*) FROM players") <= playersBefore + 2);
        QCOMPARE(again.players[1].catalogueId, g.players[1].catalogueId);

        CRecordedGame loaded;
        QVERIFY(Catalogue::LoadSummaryByFile(loaded, "/x/" + file, g.fileSize, *m_db));
        QCOMPARE(loaded.catalogueId, g.catalogueId);
        QCOMPARE(loaded.povPlayer.name, name);
        QCOMPARE(loaded.mapName, name);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM sqlite_master WHERE name = 'players'"), 1);
    }

    void relativeTeamsAndLoadOrder()
    {
        // 2 vs 2 recorded by a player of team 2: that team becomes team 1.
        CRecordedGame g = store(Game(
            "teams.mgx", 0, { { "T1a", 1, 0, 1 }, { "T2a", 2, 1, 2 }, { "T1b", 3, 2, 1 }, { "T2b", 4, 3, 2 } }, 4));
        QVERIFY(g.catalogueId > 0);
        auto rows = m_db->CreateStatement(
            "SELECT p.Nick, rp.Id_Team FROM recgame_players rp JOIN players p USING (Id_Player) WHERE "
            "rp.Id_Rec_Game = ?1 ORDER BY rp.Id_Key");
        rows->BindInt(1, g.catalogueId);
        QStringList got;
        while (rows->NextRow())
            got << rows->ColumnText(0) + ":" + QString::number(rows->ColumnInt(1));
        QCOMPARE(got, (QStringList { "T1a:2", "T2a:1", "T1b:2", "T2b:1" }));

        CRecordedGame loaded;
        QVERIFY(Catalogue::LoadById(loaded, g.catalogueId, *m_db, true, m_env.path() + "/"));
        QCOMPARE(loaded.players[1].name, QStringLiteral("T2a"));
        QCOMPARE(loaded.players[2].name, QStringLiteral("T2b"));
        QCOMPARE(loaded.players[1].team, 1);
        QCOMPARE(loaded.players[3].team, 2);
        QCOMPARE(loaded.povPlayer.name, QStringLiteral("T2b"));
        QCOMPARE(loaded.durationSeconds, 1500);
        // Without details the file itself must exist.
        QVERIFY(!Catalogue::LoadById(loaded, g.catalogueId, *m_db, false, m_env.path() + "/"));
    }

    void durationSeconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::addRow("01:02:03") << "01:02:03" << 3723;
        QTest::addRow("zero") << "00:00:00" << 0;
        QTest::addRow("empty") << "" << 0;
        QTest::addRow("garbage") << "xx:yy" << 0;
    }
    void durationSeconds()
    {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QCOMPARE(Catalogue::DurationSeconds(text), seconds);
    }

    void sameFileIsStoredOnce()
    {
        CRecordedGame a = Game("dup.mgx", 4242, { { "D1" }, { "D2", 2, 1, 2 } });
        CRecordedGame b = a;
        QVERIFY(Catalogue::StoreInCatalogue(a, *m_db, 1));
        QVERIFY(Catalogue::StoreInCatalogue(b, *m_db, 1));
        QCOMPARE(b.catalogueId, a.catalogueId);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame WHERE File_Name = 'dup.mgx'"), 1);
    }

    void renamesAndDeletes()
    {
        CRecordedGame a = Game("old name.mgx", 11, { { "R1" }, { "R2", 2, 1, 2 } });
        CRecordedGame b = Game("OLD NAME.mgx", 12, { { "R1" }, { "R2", 2, 1, 2 } });
        CRecordedGame c = Game("other.mgx", 13, { { "R1" }, { "R2", 2, 1, 2 } });
        QVERIFY(Catalogue::StoreInCatalogue(a, *m_db, 1));
        QVERIFY(Catalogue::StoreInCatalogue(b, *m_db, 1));
        QVERIFY(Catalogue::StoreInCatalogue(c, *m_db, 1));
        CRecordedGame d = Game("old name.mgx", 14, { { "R1" }, { "R2", 2, 1, 2 } });
        QVERIFY(Catalogue::StoreInCatalogue(d, *m_db, 1));
        // Only the game of that name and size: the same name in another folder keeps its own.
        QVERIFY(Catalogue::RenameByName(*m_db, "old name.mgx", 11, "new \"name\".mgx"));
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame WHERE File_Name = ?1", { "new \"name\".mgx" }), 1);
        QCOMPARE(Count(*m_db, "SELECT File_Size FROM recgame WHERE File_Name = ?1", { "new \"name\".mgx" }), 11);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame WHERE File_Name = 'old name.mgx' COLLATE BINARY"), 1);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame WHERE File_Name = 'OLD NAME.mgx' COLLATE BINARY"), 1);
        QVERIFY(Catalogue::DeleteFromCatalogue(d.catalogueId, *m_db));
        QVERIFY(Catalogue::RenameById(*m_db, "solo.mgx", c.catalogueId));
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame WHERE File_Name = 'solo.mgx'"), 1);
        const int players = Count(*m_db, "SELECT COUNT(*) FROM players");
        QVERIFY(Catalogue::DeleteManyFromCatalogue({ a.catalogueId, 0, -3, b.catalogueId }, *m_db));
        QVERIFY(Catalogue::DeleteFromCatalogue(c.catalogueId, *m_db));
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame WHERE Id_Rec_Game IN (?1, ?2, ?3)",
                     { a.catalogueId, b.catalogueId, c.catalogueId }),
            0);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame_players WHERE Id_Rec_Game IN (?1, ?2, ?3)",
                     { a.catalogueId, b.catalogueId, c.catalogueId }),
            0);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM players"), players);
        QVERIFY(Catalogue::DeleteManyFromCatalogue({}, *m_db));
    }

    void everyGameHasItsPlayerRows()
    {
        QCOMPARE(Count(*m_db,
                     "SELECT COUNT(*) FROM recgame r WHERE NOT EXISTS (SELECT 1 FROM recgame_players rp "
                     "WHERE rp.Id_Rec_Game = r.Id_Rec_Game)"),
            0);
    }

    void corpusRecordingsRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *f : { "aoc-1.0c.mgx", "aoc-1.0.mgx", "coop.mgx", "hd-8players.mgx", "up1.4.mgz",
                 "scenario-with-messages.mgz", "hd-coop-chat.mgx2", "aok.mgl", "up1.5.mgz", "hd-ai.mgx2",
                 "hd-4x.msx2", "hd-casters.mgx2" })
            QTest::addRow("%s", f) << QString::fromLatin1(f);
    }
    void corpusRecordingsRoundTrip()
    {
        REQUIRE_CORPUS();
        QFETCH(QString, file);
        CRecordedGame game;
        QString reason;
        QVERIFY2(RowAnalysis::AnalyzeFile(TestEnv::corpusFile(file), game, &reason), qPrintable(reason));
        QVERIFY(Catalogue::StoreInCatalogue(game, *m_db, 1));
        QVERIFY(game.catalogueId > 0);
        CRecordedGame summary;
        QVERIFY(Catalogue::LoadSummaryByFile(summary, TestEnv::corpusFile(file), game.fileSize, *m_db));
        QCOMPARE(summary.catalogueId, game.catalogueId);
        QCOMPARE(summary.duration, game.duration);
        QCOMPARE(summary.GetMapName(false), game.GetMapName(false));
        QCOMPARE(summary.povPlayer.name, game.players[game.povSlot].name);
        CRecordedGame full;
        QVERIFY(Catalogue::LoadById(full, game.catalogueId, *m_db, true, TestEnv::corpusDir() + "/"));
        QCOMPARE(full.povPlayer.name, game.players[game.povSlot].name);
        int used = 0;
        for (int s = 1; s <= 8; ++s)
            used += game.players[s].number > 0 ? 1 : 0;
        QVERIFY(full.playerCount >= 1 && full.playerCount <= used);

        // Every player has a row with the civilization and colour read;
        // spectators are nobody's player row.
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame_players WHERE Id_Rec_Game = ?1", { game.catalogueId }), used);
        for (int s = 1; s <= 8; ++s) {
            const CPlayer &p = game.players[s];
            if (p.number <= 0)
                continue;
            QCOMPARE(Count(*m_db,
                         "SELECT COUNT(*) FROM recgame_players rp JOIN players p ON p.Id_Player = rp.Id_Player "
                         "WHERE rp.Id_Rec_Game = ?1 AND p.Nick = ?2 AND rp.Id_Civilization = ?3 AND rp.Id_Color = ?4",
                         { game.catalogueId, p.name, p.civilization, p.colour }),
                1);
        }
        for (const QString &spectator : game.spectators)
            QCOMPARE(Count(*m_db,
                         "SELECT COUNT(*) FROM recgame_players rp JOIN players p ON p.Id_Player = rp.Id_Player "
                         "WHERE rp.Id_Rec_Game = ?1 AND p.Nick = ?2",
                         { game.catalogueId, spectator }),
                0);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueStore)
#include "tst_catalogue_store.moc"
