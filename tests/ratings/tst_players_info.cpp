#include "../catalogue/CatalogueTestUtil.h"

#include "catalogue/Persistence.h"
#include "ratings/PlayersInfo.h"

#include <QTest>

using namespace CatTest;

// The players of a stored game as the players dialog edits them, and the
// save that writes their countries.
class TestPlayersInfo : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    static int countryOf(CDbSQLite &db, const QString &nick, int platform)
    {
        return Count(db, "SELECT Id_Country FROM players WHERE Nick = ?1 AND Plataforma = ?2", { nick, platform });
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
    }

    // "slot:id" pairs of a game (player number = slot, "-" for an empty slot)
    // and the ids of the entries the dialog lists.
    void entries_data()
    {
        QTest::addColumn<QStringList>("seats");
        QTest::addColumn<QList<int>>("ids");
        QTest::addRow("one per player") << QStringList { "7", "8", "9" } << QList<int> { 7, 8, 9 };
        QTest::addRow("co-op partners stored as one player") << QStringList { "7", "7", "8" } << QList<int> { 7, 8 };
        QTest::addRow("players without a catalogue id") << QStringList { "0", "8", "0" } << QList<int> { 8 };
        QTest::addRow("empty slots") << QStringList { "-", "5", "-", "6" } << QList<int> { 5, 6 };
    }
    void entries()
    {
        QFETCH(QStringList, seats);
        QFETCH(QList<int>, ids);
        CRecordedGame game;
        for (int i = 0; i < seats.size(); ++i) {
            CPlayer &p = game.players[i + 1];
            p.number = seats[i] == QLatin1String("-") ? 0 : i + 1;
            p.catalogueId = seats[i].toInt();
            p.name = QStringLiteral("p%1").arg(i + 1);
            p.country = 3;
        }
        QList<int> listed;
        for (const CPlayerInfo &e : PlayersInfo::Entries(game)) {
            listed << e.playerId;
            QCOMPARE(e.country, 3);
        }
        QCOMPARE(listed, ids);
    }

    // The countries go to the game's own player rows: the same nickname on
    // another platform keeps its country.
    void saveTouchesOnlyThisPlatform()
    {
        auto db = Catalogue::OpenCatalogue();
        CRecordedGame other = Game("other.mgx", 11, { { "amy" }, { "bob", 2, 1, 2 } });
        QVERIFY(Catalogue::StoreInCatalogue(other, *db, 4));
        QVERIFY(db->ExecuteSql("UPDATE players SET Id_Country = 44 WHERE Plataforma = 4"));
        CRecordedGame stored = Game("mine.mgx", 12, { { "amy" }, { "bob", 2, 1, 2 } });
        QVERIFY(Catalogue::StoreInCatalogue(stored, *db, 1));

        // A stored game loads only while its file is there.
        QFile file(m_env.file("mine.mgx"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        CRecordedGame game;
        QVERIFY(Catalogue::LoadById(game, stored.catalogueId, *db, false, m_env.path() + "/"));
        QList<CPlayerInfo> entries = PlayersInfo::Entries(game);
        QCOMPARE(entries.size(), 2);
        for (CPlayerInfo &e : entries)
            e.country = e.name == QLatin1String("amy") ? 10 : 0;
        QVERIFY(PlayersInfo::Save(entries, *db));

        QCOMPARE(countryOf(*db, "amy", 1), 10);
        QCOMPARE(countryOf(*db, "bob", 1), 0);
        QCOMPARE(countryOf(*db, "amy", 4), 44);
        QCOMPARE(countryOf(*db, "bob", 4), 44);
    }

    // A save that cannot write leaves every country as it was.
    void failedSaveChangesNothing()
    {
        auto db = Catalogue::OpenCatalogue();
        QVERIFY(db->ExecuteSql("UPDATE players SET Id_Country = 5"));
        QVERIFY(db->ExecuteSql("CREATE TRIGGER refuse BEFORE UPDATE ON players WHEN NEW.Id_Country = 99 "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        const int amy = Count(*db, "SELECT MIN(Id_Player) FROM players WHERE Nick = 'amy'");
        const int bob = Count(*db, "SELECT MIN(Id_Player) FROM players WHERE Nick = 'bob'");
        QVERIFY(!PlayersInfo::Save({ { "amy", amy, 7 }, { "bob", bob, 99 } }, *db));
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM players WHERE Id_Country <> 5"), 0);
        QVERIFY(db->ExecuteSql("DROP TRIGGER refuse"));
    }
};

QTEST_GUILESS_MAIN(TestPlayersInfo)
#include "tst_players_info.moc"
