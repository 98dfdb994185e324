#include "TestEnv.h"

#include "app/Settings.h"
#include "ratings/Countries.h"
#include "ratings/Platforms.h"

#include <QMap>
#include <QTest>

// Platform labels and defaults, the country table and the service names.
class TestPlatforms : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void labels_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<QString>("label");
        QTest::addRow("zone") << 0 << "Zone";
        QTest::addRow("gp rm") << 1 << "GP RM";
        QTest::addRow("gp dm") << 2 << "GP DM";
        QTest::addRow("ip") << 3 << "IP";
        QTest::addRow("igz rm") << 4 << "IGZ RM";
        QTest::addRow("igz dm") << 5 << "IGZ DM";
        QTest::addRow("unknown") << 6 << "";
        QTest::addRow("negative") << -1 << "";
    }
    void labels()
    {
        QFETCH(int, platform);
        QFETCH(QString, label);
        QCOMPARE(Platform::PlatformLabel(platform), label);
        if (!label.isEmpty()) {
            QCOMPARE(Platform::PlatformFromText(label.toLower()), platform);
            QCOMPARE(Platform::PlatformFromText(QString::number(platform)), platform);
        }
    }

    void onlyIpIsUnrated()
    {
        for (int p = 0; p < Platform::kCount; ++p)
            QCOMPARE(Platform::IsRated(p), p != Platform::Ip);
        QCOMPARE(Platform::PlatformFromText("igz-dm"), Platform::IgzDm);
        QCOMPARE(Platform::PlatformFromText("ChinaZone"), -1);
        QCOMPARE(Platform::PlatformFromText("9"), -1);
    }

    void defaultsFollowTheSettings()
    {
        CSettings &s = CSettings::Instance();
        QCOMPARE(Platform::DefaultPlatformFor(0), 1);
        QCOMPARE(Platform::DefaultPlatformFor(2), 2);
        s.SetDefaultPlatformRM(4);
        s.SetDefaultPlatformDM(5);
        QCOMPARE(Platform::DefaultPlatformFor(8), 4);
        QCOMPARE(Platform::DefaultPlatformFor(2), 5);
        s.ResetToDefaults();
    }

    void countryTable()
    {
        QCOMPARE(Country::CountryName(0), QStringLiteral("No Flag"));
        QCOMPARE(Country::CountryName(181), QStringLiteral("Uk"));
        QCOMPARE(Country::CountryName(184), QStringLiteral("Usa"));
        QCOMPARE(Country::CountryName(195), QStringLiteral("Zimbabwe"));
        QCOMPARE(Country::CountryName(196), QString());
        QCOMPARE(Country::CountryName(-1), QString());
        QSet<QString> names;
        for (int c = 0; c < Country::kCount; ++c)
            names.insert(Country::EnglishCountryName(c));
        QCOMPARE(names.size(), Country::kCount);
    }

    void serviceNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("country");
        QTest::addRow("united kingdom, any case") << "UNITED kingdom" << 181;
        QTest::addRow("united states") << "United States" << 184;
        QTest::addRow("korea") << "Korea, South" << 158;
        QTest::addRow("former yugoslavia") << "Yugoslavia (Former)" << 192;
        QTest::addRow("same name") << "germany" << 65;
        QTest::addRow("country not in the service table") << "England" << 0;
        QTest::addRow("empty") << "" << 0;
        QTest::addRow("prefix only") << "United" << 0;
    }
    void serviceNames()
    {
        QFETCH(QString, text);
        QFETCH(int, country);
        QCOMPARE(Country::CountryFromServiceName(text), country);
    }

    void everyServiceNameMapsToItsCountry()
    {
        const QMap<QString, int> renamed { { "Colombia", 37 }, { "Costa Rica", 40 }, { "Czech Republic", 44 },
            { "Dominican Republic", 49 }, { "Korea, South", 158 }, { "New Zealand", 126 }, { "Puerto Rico", 141 },
            { "Saudi Arabia", 147 }, { "South Africa", 157 }, { "United Kingdom", 181 }, { "United States", 184 },
            { "Yugoslavia (Former)", 192 } };
        for (int i = 0; i < Country::kServiceCount; ++i) {
            const QString name = Country::ServiceName(i);
            QVERIFY(!name.isEmpty());
            const int id = Country::CountryFromServiceName(name);
            if (renamed.contains(name))
                QCOMPARE(id, renamed[name]);
            else
                QCOMPARE(Country::EnglishCountryName(id).toLower(), name.toLower());
        }
        QCOMPARE(Country::ServiceName(Country::kServiceCount), QString());
    }
};

QTEST_GUILESS_MAIN(TestPlatforms)
#include "tst_platforms.moc"
