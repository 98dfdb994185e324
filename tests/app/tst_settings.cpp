#include "TestEnv.h"

#include "app/GameInstall.h"
#include "app/Paths.h"
#include "app/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    void writeWineRegistry(const QString &exePath, const QString &version)
    {
        const QString prefix = m_env.file(QStringLiteral("wine"));
        QDir().mkpath(prefix + QStringLiteral("/drive_c/Games/AoE2/age2_x1"));
        QDir().mkpath(prefix + QStringLiteral("/drive_c/Games/AoE2/SaveGame"));
        QFile reg(prefix + QStringLiteral("/system.reg"));
        QVERIFY(reg.open(QIODevice::WriteOnly | QIODevice::Truncate));
        reg.write(
            "WINE REGISTRY Version 2\n\n[Software\\\\Classes] 1\n\"EXE Path\"=\"C:\\\\wrong\\\\\"\n\n"
            "[Software\\\\Microsoft\\\\Microsoft Games\\\\Age of Empires II: The Conquerors Expansion\\\\1.0] 1\n");
        reg.write("\"EXE Path\"=\"" + exePath.toUtf8() + "\"\n\"Version\"=\"" + version.toUtf8() + "\"\n");
    }

private Q_SLOTS:
    void init()
    {
        QFile::remove(Paths::DataDirectory() + QStringLiteral("settings.ini"));
        QFile::remove(m_env.file(QStringLiteral("wine/system.reg")));
        CSettings::Instance().ResetToDefaults();
    }

    void defaults()
    {
        CSettings &s = CSettings::Instance();
        s.Load();
        QCOMPARE(s.DateFormat(), QStringLiteral("%d/%m/%Y %H:%M"));
        QCOMPARE(s.CustomDateFormat(), QStringLiteral("%d-%m-%y %H'%M"));
        QCOMPARE(s.DefaultPlatformRM(), 1);
        QCOMPARE(s.DefaultPlatformDM(), 2);
        QCOMPARE(s.CollisionText(), QStringLiteral(" Game %d"));
        QCOMPARE(s.CatalogueStamp(), 0);
        QCOMPARE(s.CodePage(), QStringLiteral("windows-1252"));
        QVERIFY(s.showChat && s.showChatTimes && s.showResign && s.analyzeScenario && s.analyzeZip && s.analyzeRar
            && s.useEnglishMaps);
        QVERIFY(!s.deleteDirectly); // a new installation deletes to the trash
        QCOMPARE(s.WorkDirectory(), Paths::DataDirectory() + QStringLiteral("work/"));
        // No game installed and no folder chosen: no SaveGame folder, the home folder is listed.
        QCOMPARE(s.SaveGameFolder(), QString());
        QCOMPARE(s.CurrentPath(), Paths::RootFallback());
    }

    void generalSettingsRoundTrip()
    {
        CSettings &s = CSettings::Instance();
        s.showChat = false;
        s.showResign = false;
        s.useEnglishMaps = false;
        s.SetDateFormat(QStringLiteral("%Y"));
        s.SetDefaultPlatformDM(5);
        s.SetCodePage(QStringLiteral("GBK"));
        s.SaveGeneral();
        s.ResetToDefaults();
        s.Load();
        QVERIFY(!s.showChat);
        QVERIFY(!s.showResign);
        QVERIFY(!s.useEnglishMaps);
        QVERIFY(s.showChatTimes);
        QCOMPARE(s.DateFormat(), QStringLiteral("%Y"));
        QCOMPARE(s.DefaultPlatformDM(), 5);
        QCOMPARE(s.CodePage(), QStringLiteral("GBK"));
        // Settings never go to the user's own store while VELLUMCAST_HOME is set.
        QVERIFY(QFile::exists(Paths::DataDirectory() + QStringLiteral("settings.ini")));
    }

    void useEnglishMapsOnlyWhenOne()
    {
        auto store = CSettings::OpenStore();
        store->setValue(QStringLiteral("Settings/UseEnglishMaps"), 2);
        store->setValue(QStringLiteral("Settings/DeleteDirectly"), 2);
        store.reset();
        CSettings::Instance().Load();
        QVERIFY(!CSettings::Instance().useEnglishMaps);
        QVERIFY(CSettings::Instance().deleteDirectly); // a stored choice is kept
    }

    void currentPathFallsBack_data()
    {
        QTest::addColumn<bool>("currentExists");
        QTest::addColumn<bool>("saveGameExists");
        QTest::addColumn<QString>("expected");
        QTest::addRow("current path kept") << true << true << "current";
        QTest::addRow("deleted current path gives the SaveGame folder") << false << true << "savegame";
        QTest::addRow("both missing give the home folder") << false << false << "home";
    }

    void currentPathFallsBack()
    {
        QFETCH(bool, currentExists);
        QFETCH(bool, saveGameExists);
        QFETCH(QString, expected);
        const QString current = m_env.file(QStringLiteral("current-") + QTest::currentDataTag());
        const QString saveGame = m_env.file(QStringLiteral("savegame-") + QTest::currentDataTag());
        if (currentExists)
            QDir().mkpath(current);
        if (saveGameExists)
            QDir().mkpath(saveGame);
        CSettings &s = CSettings::Instance();
        s.SetSaveGameFolder(saveGame);
        auto store = CSettings::OpenStore();
        store->setValue(QStringLiteral("Settings/CurrentPath"), current);
        store.reset();
        s.Load();
        const QString want = expected == QLatin1String("current") ? current + QLatin1Char('/')
            : expected == QLatin1String("savegame")               ? saveGame + QLatin1Char('/')
                                                                  : Paths::RootFallback();
        QCOMPARE(s.CurrentPath(), want);
    }

    void currentPathWhileBrowsingAnArchive()
    {
        CSettings &s = CSettings::Instance();
        s.SetCurrentPath(QStringLiteral("/tmp/work/"));
        s.SetArchiveHomePath(QStringLiteral("/home/me/games/"));
        s.SetBrowsingArchive(true);
        s.SaveCurrentPath();
        QCOMPARE(CSettings::OpenStore()->value(QStringLiteral("Settings/CurrentPath")).toString(),
            QStringLiteral("/home/me/games/"));
    }

    void gameFromWineRegistry_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("configured10");
        QTest::addColumn<bool>("has10c");
        QTest::addColumn<bool>("has10");
        QTest::addRow("1.0C any case") << "1.0C"
                                       << "" << true << false;
        QTest::addRow("version 1") << "1"
                                   << "" << false << true;
        QTest::addRow("configured 1.0 program") << "1.0c"
                                                << "/opt/aoc10/age2_x1.exe" << true << true;
    }

    void gameFromWineRegistry()
    {
        QFETCH(QString, version);
        QFETCH(QString, configured10);
        QFETCH(bool, has10c);
        QFETCH(bool, has10);
        writeWineRegistry(QStringLiteral("C:\\\\Games\\\\AoE2\\\\"), version);
        const CGameInstall install;
        const QString dir = m_env.file(QStringLiteral("wine/drive_c/Games/AoE2/"));
        QCOMPARE(install.GameDirectory(), dir);
        QCOMPARE(install.Version10cProgram().isEmpty(), !has10c);
        QCOMPARE(install.Version10Program(configured10).isEmpty(), !has10);
        if (!configured10.isEmpty())
            QCOMPARE(install.Version10Program(configured10), configured10);

        CSettings::Instance().Load();
        QCOMPARE(CSettings::Instance().SaveGameFolder(), dir + QStringLiteral("SaveGame/"));
    }

    void noGameNoSaveGameFolder()
    {
        writeWineRegistry(QStringLiteral("C:\\\\x"), QStringLiteral("1.0c"));
        QCOMPARE(CGameInstall().GameDirectory(), QString());
        CSettings::Instance().Load();
        QCOMPARE(CSettings::Instance().SaveGameFolder(), QString());
    }

    void unknownCodePageKeepsTheDefault()
    {
        CSettings::Instance().SetCodePage(QStringLiteral("no-such-code-page"));
        QCOMPARE(CSettings::Instance().CodePage(), QStringLiteral("windows-1252"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
