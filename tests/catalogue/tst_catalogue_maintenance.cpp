#include "CatalogueTestUtil.h"
#include "TestEnv.h"

#include "app/Paths.h"
#include "catalogue/Maintenance.h"
#include "catalogue/Persistence.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

using namespace CatTest;

// Statistics and the rebuild: what each copy mode keeps, and that a
// cancelled or failed rebuild leaves the catalogue as it was.
class TestCatalogueMaintenance : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    void seed()
    {
        auto db = Catalogue::OpenCatalogue();
        QVERIFY(db->ExecuteSql("DELETE FROM players"));
        QVERIFY(db->ExecuteSql("DELETE FROM recgame"));
        QVERIFY(db->ExecuteSql("DELETE FROM recgame_players"));
        for (const auto &[nick, rating] :
            QList<std::pair<QString, int>> { { "zed", 1900 }, { "amy", 1800 }, { "bob", 1799 }, { "Nick", 2000 } }) {
            auto s = db->CreateStatement("INSERT INTO players VALUES (NULL, ?1, ?2, 1, 7)");
            s->BindText(1, nick).BindInt(2, rating);
            QVERIFY(s->Execute());
        }
        CRecordedGame g = Game("kept.mgx", 77, { { "amy" }, { "bob", 2, 1, 2 } });
        QVERIFY(Catalogue::StoreInCatalogue(g, *db, 1));
    }

    static QStringList nicksInIdOrder()
    {
        auto db = Catalogue::OpenCatalogue();
        auto s = db->CreateStatement("SELECT Nick FROM players ORDER BY Id_Player");
        QStringList n;
        while (s->NextRow())
            n << s->ColumnText(0);
        return n;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
    }

    void sizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addRow("missing") << qint64(0) << "0.00 MB";
        QTest::addRow("one and a half") << qint64(1572864) << "1.50 MB";
        QTest::addRow("just below two rounds up") << qint64(2047) * 1024 << "2.00 MB";
        QTest::addRow("small") << qint64(53248) << "0.05 MB";
    }
    void sizeText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(Maintenance::SizeText(bytes), text);
    }

    void copyModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<QStringList>("players");
        QTest::addRow("all, in nickname order")
            << int(Maintenance::CopyMode::AllPlayers) << 0 << QStringList { "amy", "bob", "Nick", "zed" };
        QTest::addRow("rating at least 1800")
            << int(Maintenance::CopyMode::AboveRating) << 1800 << QStringList { "amy", "Nick", "zed" };
        QTest::addRow("no copy") << int(Maintenance::CopyMode::None) << 0 << QStringList {};
        QTest::addRow("base knowledge (shipped empty)")
            << int(Maintenance::CopyMode::BaseKnowledge) << 0 << QStringList {};
    }
    void copyModes()
    {
        QFETCH(int, mode);
        QFETCH(int, minimum);
        QFETCH(QStringList, players);
        seed();
        Maintenance::RebuildOptions options;
        options.mode = Maintenance::CopyMode(mode);
        options.minimumRating = minimum;
        QCOMPARE(Maintenance::Rebuild(options), Maintenance::RebuildResult::Done);
        QCOMPARE(nicksInIdOrder(), players);
        const Maintenance::CStatistics s = Maintenance::Statistics();
        QCOMPARE(s.games, 0);
        QCOMPARE(s.players, players.size());
        auto db = Catalogue::OpenCatalogue();
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM maps"), 2);
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM players WHERE Id_Country = 7"), players.size());
        auto check = db->CreateStatement("PRAGMA integrity_check");
        QVERIFY(check->NextRow());
        QCOMPARE(check->ColumnText(0), QStringLiteral("ok"));
        QVERIFY(!QFileInfo::exists(Maintenance::TemporaryPath()));
    }

    void openConnectionSeesTheNewCatalogue()
    {
        seed();
        auto reader = Catalogue::OpenCatalogue();
        QCOMPARE(Count(*reader, "SELECT COUNT(*) FROM recgame"), 1);
        Maintenance::RebuildOptions options;
        options.mode = Maintenance::CopyMode::None;
        QCOMPARE(Maintenance::Rebuild(options), Maintenance::RebuildResult::Done);
        QCOMPARE(Count(*reader, "SELECT COUNT(*) FROM recgame"), 0);
        // The connection opened before the rebuild can still write safely.
        CRecordedGame g = Game("after.mgx", 5, { { "amy" }, { "bob", 2, 1, 2 } });
        QVERIFY(Catalogue::StoreInCatalogue(g, *reader, 1));
        reader.reset();
        auto db = Catalogue::OpenCatalogue();
        QCOMPARE(Count(*db, "SELECT COUNT(*) FROM recgame"), 1);
        auto check = db->CreateStatement("PRAGMA integrity_check");
        QVERIFY(check->NextRow());
        QCOMPARE(check->ColumnText(0), QStringLiteral("ok"));
    }

    void cancelledRebuildKeepsCatalogue()
    {
        seed();
        std::atomic<bool> stop { true };
        Maintenance::RebuildOptions options;
        options.mode = Maintenance::CopyMode::AllPlayers;
        options.stop = &stop;
        QCOMPARE(Maintenance::Rebuild(options), Maintenance::RebuildResult::Cancelled);
        QCOMPARE(Maintenance::Statistics().games, 1);
        QCOMPARE(Maintenance::Statistics().players, 4);
        QVERIFY(QFileInfo::exists(Maintenance::TemporaryPath()));
        // The next rebuild removes the leftover first.
        options.stop = nullptr;
        QCOMPARE(Maintenance::Rebuild(options), Maintenance::RebuildResult::Done);
        QCOMPARE(Maintenance::Statistics().games, 0);
    }

    void undeletableTemporaryLeavesCatalogue()
    {
        seed();
        QVERIFY(QDir().mkpath(Maintenance::TemporaryPath() + "/blocker"));
        Maintenance::RebuildOptions options;
        options.mode = Maintenance::CopyMode::None;
        QCOMPARE(Maintenance::Rebuild(options), Maintenance::RebuildResult::TemporaryNotDeleted);
        QCOMPARE(Maintenance::Statistics().games, 1);
        QVERIFY(QDir(Maintenance::TemporaryPath()).removeRecursively());
    }

    // A catalogue another connection keeps locked is waited for a while,
    // then given up: the rebuild fails, bounded in time, and the old
    // catalogue stays. A stop request ends the wait as a cancel.
    void lockedCatalogueEndsTheWait_data()
    {
        QTest::addColumn<bool>("stopWhileWaiting");
        QTest::addRow("time runs out") << false;
        QTest::addRow("stopped") << true;
    }
    void lockedCatalogueEndsTheWait()
    {
        QFETCH(bool, stopWhileWaiting);
        seed();
        auto holder = Catalogue::OpenCatalogue();
        QVERIFY(holder->ExecuteSql("BEGIN IMMEDIATE"));
        QVERIFY(holder->ExecuteSql("INSERT INTO players VALUES (NULL, 'holder', 1, 1, 0)"));
        std::atomic<bool> stop { false };
        Maintenance::RebuildOptions options;
        options.mode = Maintenance::CopyMode::None;
        options.lockWaitMs = stopWhileWaiting ? 60000 : 600;
        options.stop = &stop;
        int steps = 0;
        options.step = [&](const QString &) {
            // The user presses Cancel as the replacement (the second step) starts waiting.
            if (++steps == 2 && stopWhileWaiting)
                stop = true;
        };
        QElapsedTimer took;
        took.start();
        const Maintenance::RebuildResult result = Maintenance::Rebuild(options);
        QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(result,
            stopWhileWaiting ? Maintenance::RebuildResult::Cancelled : Maintenance::RebuildResult::ReplaceFailed);
        QVERIFY(holder->ExecuteSql("ROLLBACK"));
        holder.reset();
        QCOMPARE(Maintenance::Statistics().games, 1);
        QCOMPARE(Maintenance::Statistics().players, 4);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueMaintenance)
#include "tst_catalogue_maintenance.moc"
