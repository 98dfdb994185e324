#include "CatalogueTestUtil.h"
#include "TestEnv.h"

#include "catalogue/Maintenance.h"
#include "catalogue/Persistence.h"
#include "catalogue/Searcher.h"

#include <QTest>

using namespace CatTest;

// The query builder against a small catalogue of known games, and the
// player search and top players queries.
class TestCatalogueSearch : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;
    std::unique_ptr<CDbSQLite> m_db;
    QMap<QString, int> m_ids; // file name -> game id

    void storeGame(const QString &file, const QList<P> &players, int pov, int mapId, int gameType, int matchSize,
        const QString &duration, int platform = 1)
    {
        CRecordedGame g
            = Game(file, 100 + m_ids.size(), players, pov, mapId, QStringLiteral("Custom %1").arg(mapId), gameType);
        g.matchSize = matchSize;
        g.duration = duration;
        QVERIFY(Catalogue::StoreInCatalogue(g, *m_db, platform));
        m_ids[file] = g.catalogueId;
    }

    // The stored games (file names) the query finds, in file order.
    QStringList matches(const CSearcher &searcher, bool *built = nullptr)
    {
        CSearchQuery query;
        const bool ok = searcher.BuildQuery(query, m_db.get());
        if (built)
            *built = ok;
        if (!ok)
            return { QStringLiteral("<no build>") };
        QStringList found;
        CSummaryLookup lookup(*m_db, query);
        for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it) {
            CRecordedGame g;
            auto size = Count(*m_db, "SELECT File_Size FROM recgame WHERE Id_Rec_Game = ?1", { it.value() });
            if (lookup.Load(g, it.key(), size)) {
                if (g.catalogueId != it.value())
                    return { QStringLiteral("<wrong id>") };
                found << it.key();
            }
        }
        return found;
    }

    static CSearcher searcher(const QString &nick, int mode, const QString &civs = {}, int minR = 0, int maxR = 0)
    {
        CSearcher s;
        s.Set(nick, minR, maxR, civs, mode, 0, QString(), QString(), -1, 0, -1);
        return s;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
        m_db = Catalogue::OpenCatalogue();
        for (const auto &[nick, rating] :
            QList<std::pair<QString, int>> { { "Alpha", 1800 }, { "Beta", 2000 }, { "Gamma", 1700 }, { "abc", 1650 },
                { "ABD", 1650 }, { "abcd", 1650 }, { "100%", 1600 }, { "a_b", 1600 }, { "Nick", 2100 } }) {
            auto s = m_db->CreateStatement("INSERT INTO players VALUES (NULL, ?1, ?2, 1, 0)");
            s->BindText(1, nick).BindInt(2, rating);
            QVERIFY(s->Execute());
        }
        // civilizations: Alpha 1, Beta 2, Gamma 3 ...
        storeGame("g1.mgx", { { "Alpha", 1 }, { "Beta", 2, 1, 2 } }, 1, 9, 0, 1, "00:25:00");
        storeGame("g2.mgx", { { "Beta", 2 }, { "Gamma", 3, 1, 2 } }, 1, 10, 2, 1, "01:05:10", 2);
        storeGame("g3.mgx", { { "Gamma", 3 }, { "Alpha", 4, 1, 2 } }, 2, 9, 0, 1, "00:21:00");
        storeGame("g4.mgx", { { "abc", 5 }, { "ABD", 6, 1, 2 }, { "abcd", 7, 2, 1 }, { "Alpha", 1, 3, 2 } }, 1, 44, 0,
            2, "00:40:00");
        storeGame("g5.mgx", { { "100%", 8 }, { "a_b", 9, 1, 2 }, { "Nick", 10, 2, 3 } }, 1, 9, 0, 0, "00:10:00");
    }

    void anyMatchesEveryGame()
    {
        CSearcher s;
        s.Set(QString(), 0, 2000, QString(), 0, 0, QString(), QString(), -1, 0, -1);
        CSearchQuery q;
        QVERIFY(s.BuildQuery(q, m_db.get()));
        QVERIFY(!q.sql.contains("MAX(")); // a maximum without a minimum is ignored
        QVERIFY(q.sql.endsWith("AND r.File_Name = ?1 AND r.File_Size = ?2;"));
        QCOMPARE(matches(s), (QStringList { "g1.mgx", "g2.mgx", "g3.mgx", "g4.mgx", "g5.mgx" }));
    }

    void playerModes_data()
    {
        QTest::addColumn<QString>("nick");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("civs");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("pov nick") << "alpha" << 0 << "" << QStringList { "g1.mgx", "g3.mgx" };
        QTest::addRow("any player nick") << "Alpha" << 2 << "" << QStringList { "g1.mgx", "g3.mgx", "g4.mgx" };
        QTest::addRow("unique nick") << "Alpha" << 1 << "" << QStringList { "g1.mgx", "g3.mgx", "g4.mgx" };
        QTest::addRow("pov nick and civ") << "Alpha" << 0 << "1" << QStringList { "g1.mgx" };
        QTest::addRow("unique: nick and civ of one player") << "Alpha" << 1 << "4" << QStringList { "g3.mgx" };
        QTest::addRow("unique: civ of another player") << "Alpha" << 1 << "3" << QStringList {};
        QTest::addRow("all: nick and civ anywhere") << "Alpha" << 2 << "3,2" << QStringList { "g1.mgx", "g3.mgx" };
        QTest::addRow("pov civ only") << "" << 0 << "2" << QStringList { "g2.mgx" };
        QTest::addRow("underscore is a wildcard") << "ab_" << 2 << "" << QStringList { "g4.mgx" };
        QTest::addRow("letter case") << "ABC" << 0 << "" << QStringList { "g4.mgx" };
        QTest::addRow("percent name as itself") << "100%" << 0 << "" << QStringList { "g5.mgx" };
        QTest::addRow("column-named player") << "Nick" << 2 << "" << QStringList { "g5.mgx" };
        QTest::addRow("hostile text") << "x\"); DROP TABLE recgame;--" << 2 << "" << QStringList { "<no build>" };
        QTest::addRow("unknown player") << "Nobody" << 0 << "" << QStringList { "<no build>" };
        QTest::addRow("civ list with junk") << "" << 2 << ",,7,x," << QStringList { "g4.mgx" };
    }
    void playerModes()
    {
        QFETCH(QString, nick);
        QFETCH(int, mode);
        QFETCH(QString, civs);
        QFETCH(QStringList, expected);
        QCOMPARE(matches(searcher(nick, mode, civs)), expected);
        QCOMPARE(Count(*m_db, "SELECT COUNT(*) FROM recgame"), 5);
    }

    void ratingBounds_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QStringList>("expected");
        // g1: 1800/2000, g2 (platform 2, new players): 1600/1600, g3: 1700/1800,
        // g4: 1650..1800, g5: 1600..2100
        QTest::addRow("pov: lowest equals minimum") << 0 << 1700 << 0 << QStringList { "g1.mgx", "g3.mgx" };
        QTest::addRow("unique: lowest equals minimum") << 1 << 1700 << 0 << QStringList { "g1.mgx", "g3.mgx" };
        QTest::addRow("all: strictly above") << 2 << 1700 << 0 << QStringList { "g1.mgx" };
        QTest::addRow("with maximum") << 1 << 1600 << 1800 << QStringList { "g2.mgx", "g3.mgx", "g4.mgx" };
        QTest::addRow("all with maximum") << 2 << 1600 << 1800 << QStringList { "g3.mgx", "g4.mgx" };
        QTest::addRow("maximum below minimum") << 0 << 1800 << 1700 << QStringList { "<no build>" };
    }
    void ratingBounds()
    {
        QFETCH(int, mode);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(QStringList, expected);
        QCOMPARE(matches(searcher(QString(), mode, QString(), minimum, maximum)), expected);
    }

    void gameConditions_data()
    {
        QTest::addColumn<QString>("maps");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("platform");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("map list") << "10,11" << -1 << 0 << -1 << "" << QStringList { "g2.mgx" };
        QTest::addRow("death match") << "" << 2 << 0 << -1 << "" << QStringList { "g2.mgx" };
        QTest::addRow("2 vs 2") << "" << -1 << 2 << -1 << "" << QStringList { "g4.mgx" };
        QTest::addRow("free for all") << "" << -1 << CSearcher::kFreeForAll << -1 << "" << QStringList { "g5.mgx" };
        QTest::addRow("team games") << "" << -1 << CSearcher::kTeamGame << -1 << "" << QStringList { "g4.mgx" };
        QTest::addRow("platform") << "" << -1 << 0 << 2 << "" << QStringList { "g2.mgx" };
        QTest::addRow("twenty minutes") << "" << -1 << 0 << -1 << CSearcher::DurationPatternFor(20)
                                        << QStringList { "g1.mgx", "g3.mgx" };
        QTest::addRow("over an hour") << "9" << -1 << 1 << -1 << CSearcher::DurationPatternFor(60) << QStringList {};
    }
    void gameConditions()
    {
        QFETCH(QString, maps);
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(int, platform);
        QFETCH(QString, duration);
        QFETCH(QStringList, expected);
        CSearcher s;
        s.Set(QString(), 0, 0, QString(), 0, 0, QString(), maps, type, size, platform);
        s.SetDurationPattern(duration);
        QCOMPARE(matches(s), expected);
    }

    void durationPatterns()
    {
        QCOMPARE(CSearcher::DurationPatternFor(0), QStringLiteral("00:0_:__"));
        QCOMPARE(CSearcher::DurationPatternFor(130), QStringLiteral("02:1_:__"));
    }

    void filePatterns_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addRow("begins") << 0 << "game"
                                << "game*";
        QTest::addRow("contains") << 1 << " vs "
                                  << "*vs*";
        QTest::addRow("ends, wildcards removed") << 2 << "a*b?c\\\"<>|"
                                                 << "*abc";
        QTest::addRow("empty") << 1 << ""
                               << "";
    }
    void filePatterns()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        CSearcher s;
        s.Set(QString(), 0, 0, QString(), 0, mode, text, QString(), -1, 0, -1);
        CSearchQuery q;
        QVERIFY(s.BuildQuery(q, m_db.get()));
        QCOMPARE(q.filePattern, pattern);
    }

    void findPlayerIdsPutsTheExactNicknameFirst()
    {
        QList<int> exact;
        for (const char *nick : { "dupa", "dupb", "dupc", "dupd", "dupe", "dup_", "dupf" }) {
            auto s = m_db->CreateStatement("INSERT INTO players VALUES (NULL, ?1, 1600, 3, 0)");
            s->BindText(1, QString::fromLatin1(nick));
            QVERIFY(s->Execute());
            if (QByteArray(nick) == "dup_")
                exact << int(m_db->LastInsertId());
        }
        QList<int> ids;
        QVERIFY(CSearcher::FindPlayerIds("  dup_ ", ids, *m_db));
        QCOMPARE(ids.size(), 5);
        QCOMPARE(ids.first(), exact.first());
        QVERIFY(!CSearcher::FindPlayerIds("%%", ids, *m_db));
        QVERIFY(ids.isEmpty());
        QVERIFY(CSearcher::FindPlayerIds("%dupf%", ids, *m_db));
        QCOMPARE(ids.size(), 1);
    }

    void playerSearchAndTop()
    {
        QStringList ab = Maintenance::SearchPlayers("ab", -1, 0, 0, *m_db);
        ab.sort(Qt::CaseInsensitive);
        QCOMPARE(ab, (QStringList { "abc", "abcd", "ABD" }));
        QCOMPARE(Maintenance::SearchPlayers("a", -1, 1700, 1900, *m_db).size(), 2); // Alpha, Gamma
        QCOMPARE(Maintenance::SearchPlayers("a", -1, 1900, 1700, *m_db), QStringList {});
        QCOMPARE(Maintenance::SearchPlayers("a", 12, 0, 0, *m_db), QStringList {});
        const auto top = Maintenance::TopPlayers(1, *m_db);
        QVERIFY(!top.isEmpty() && top.size() <= 15);
        QCOMPARE(top.first().nick, QStringLiteral("Nick"));
        for (int i = 1; i < top.size(); ++i)
            QVERIFY(top[i - 1].rating >= top[i].rating);
        QVERIFY(Maintenance::TopPlayers(5, *m_db).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogueSearch)
#include "tst_catalogue_search.moc"
