#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/Splash.h"
#include "ui/StartupMessage.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>

// The window as a desktop user meets it: messages that are not hidden,
// a window that fits the screen and comes back where it was left.
class TestDesktop : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    // Stored names follow a new code page once the folder is read again,
    // and each game keeps the platform it was filed under.
    void storedGamesAreReadAgainWithANewCodePage()
    {
        const QString folder = m_env.file(QStringLiteral("gbk")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(folder));
        // "扫荡" and "扫" in GBK.
        const QByteArray recording = Fixture::Recording(
            HeaderBuilder::Duel("\xC9\xA8\xB5\xB4", "\xC9\xA8").build(), BodyBuilder().timeStep(60000).build());
        QVERIFY(Fixture::Write(folder + QStringLiteral("gbk.mgx"), recording));
        CSettings &settings = CSettings::Instance();
        settings.SetCodePage(QStringLiteral("windows-1252"));
        settings.SetCurrentPath(folder);
        CMainFrame frame;
        frame.InitialFill();
        CGameListModel &model = *frame.ListView()->Model();
        QVERIFY(frame.ListView()->SelectFile(QStringLiteral("gbk.mgx")));
        const int row = model.FindRow(QStringLiteral("gbk.mgx"));
        QTRY_VERIFY(model.Row(row).IsKnown());
        QVERIFY(!model.Row(row).viewName.startsWith(QStringLiteral("扫")));
        const int platform = model.Row(row).platform;
        QCOMPARE(frame.ListView()->StoredCount(), 1);

        settings.SetCodePage(QStringLiteral("GBK"));
        frame.ListView()->RereadStored();
        QTRY_VERIFY(model.rowCount() > 0 && model.Row(model.FindRow(QStringLiteral("gbk.mgx"))).IsKnown());
        const CGameRow again = model.Row(model.FindRow(QStringLiteral("gbk.mgx")));
        QVERIFY2(again.viewName.startsWith(QStringLiteral("扫")), qPrintable(again.viewName));
        QCOMPARE(again.platform, platform);
        QCOMPARE(frame.ListView()->StoredCount(), 1);
    }

    void startupMessageIsNotHiddenByTheSplash()
    {
        CSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("Fatal Error opening Database"));
        bool splashVisible = true;
        bool boxShown = false;
        QTimer::singleShot(0, &box, [&] {
            splashVisible = splash.isVisible();
            boxShown = box.isVisible() && QApplication::activeModalWidget() == &box;
            box.done(QMessageBox::Ok);
        });
        StartupMessage::Exec(box);
        QVERIFY(boxShown);
        QVERIFY(!splashVisible);
    }

    void firstStartFitsTheScreen()
    {
        CMainFrame frame;
        frame.RestoreGeometry();
        QVERIFY(!frame.GeometryRestored());
        const QRect available = frame.screen()->availableGeometry();
        QVERIFY2(frame.width() <= available.width() && frame.height() <= available.height(),
            qPrintable(QStringLiteral("%1x%2 on %3x%4")
                           .arg(frame.width())
                           .arg(frame.height())
                           .arg(available.width())
                           .arg(available.height())));
    }

    void geometryIsKeptBetweenRuns()
    {
        {
            CMainFrame frame;
            frame.RestoreGeometry();
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            frame.resize(640, 480);
            frame.move(20, 30);
            frame.close(); // saves as the user's close does
        }
        CMainFrame again;
        again.RestoreGeometry();
        QVERIFY(again.GeometryRestored());
        QCOMPARE(again.size(), QSize(640, 480));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
