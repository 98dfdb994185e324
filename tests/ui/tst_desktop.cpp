#include "TestEnv.h"

#include "ui/MainFrame.h"
#include "ui/Splash.h"
#include "ui/StartupMessage.h"

#include <QApplication>
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
