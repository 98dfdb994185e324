#include "TestEnv.h"

#include "shell/InstanceChannel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray err;
    qint64 milliseconds = 0;
};

QProcessEnvironment windowEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELLUMCAST_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

Run runWindow(const QString &home, const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(windowEnvironment(home));
    QElapsedTimer clock;
    clock.start();
    p.start(qEnvironmentVariable("VELLUMCAST_GUI"), args);
    if (!p.waitForFinished(60000))
        p.kill();
    return Run { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardError(),
        clock.elapsed() };
}

bool listening(const QString &home)
{
    QLocalSocket socket;
    socket.connectToServer(CInstanceChannel::ServerName(home));
    return socket.waitForConnected(200);
}

QString storedCurrentPath(const QString &home)
{
    return QSettings(home + QStringLiteral("/settings.ini"), QSettings::IniFormat)
        .value(QStringLiteral("Settings/CurrentPath"))
        .toString();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void initTestCase() { QVERIFY(QFile::exists(qEnvironmentVariable("VELLUMCAST_GUI"))); }

    void catalogueThatCannotBeCreatedIsFatal()
    {
        // A data directory below a plain file can never be created, whoever runs the test.
        QFile blocker(m_env.file(QStringLiteral("plain-file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const Run run = runWindow(blocker.fileName() + QStringLiteral("/home"), {});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("Fatal Error opening Database"), run.err.constData());
    }

    void secondInstanceEndsAtOnce()
    {
        const QString home = m_env.file(QStringLiteral("busy-home"));
        QVERIFY(QDir().mkpath(home));
        QLockFile first(home + QStringLiteral("/vellumcast.lock"));
        QVERIFY(first.tryLock(0));
        const Run run = runWindow(home, {});
        QCOMPARE(run.exitCode, 0);
        // It never got as far as the catalogue.
        QVERIFY(!QFile::exists(home + QStringLiteral("/recgame.db")));
    }

    void secondStartHandsItsFolderToTheRunningWindow()
    {
        const QString home = m_env.file(QStringLiteral("handover-home"));
        const QString first = m_env.file(QStringLiteral("first"));
        const QString second = m_env.file(QStringLiteral("second"));
        for (const QString &dir : { home, first, second })
            QVERIFY(QDir().mkpath(dir));
        QProcess running;
        running.setProcessEnvironment(windowEnvironment(home));
        running.start(qEnvironmentVariable("VELLUMCAST_GUI"), { QStringLiteral("--path"), first });
        QTRY_VERIFY_WITH_TIMEOUT(listening(home), 60000);

        const Run run = runWindow(home, { QStringLiteral("--path"), second });
        QCOMPARE(run.exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(storedCurrentPath(home), second + QLatin1Char('/'), 30000);
        QCOMPARE(running.state(), QProcess::Running);
        running.kill();
        running.waitForFinished();
    }

    void missingFolderIsSaidAndAnotherShown()
    {
        const QString missing = m_env.file(QStringLiteral("gone/away"));
        const Run run = runWindow(m_env.file(QStringLiteral("missing-home")),
            { QStringLiteral("--screenshot"), m_env.file(QStringLiteral("missing.png")), QStringLiteral("--path"),
                missing });
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("does not exist"), run.err.constData());
        QVERIFY(run.err.contains(missing.toLocal8Bit()));
    }

    void eachRunStartsAFreshLog()
    {
        const QString home = m_env.file(QStringLiteral("log-home"));
        QVERIFY(QDir().mkpath(home));
        QFile old(home + QStringLiteral("/log.txt"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("left over from the last run");
        old.close();
        const Run run = runWindow(home, { QStringLiteral("--screenshot"), m_env.file(QStringLiteral("log.png")) });
        QCOMPARE(run.exitCode, 0);
        QFile log(home + QStringLiteral("/log.txt"));
        QVERIFY(!log.open(QIODevice::ReadOnly) || !log.readAll().contains("left over"));
        QVERIFY(QFile::exists(home + QStringLiteral("/recgame.db")));
    }

    void screenshotOfASelectedGame_data()
    {
        QTest::addColumn<QString>("select");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("corpus game") << "coop.mgx" << 0;
        QTest::addRow("no such row") << "absent.mgx" << 2;
    }
    void screenshotOfASelectedGame()
    {
        REQUIRE_CORPUS();
        QFETCH(QString, select);
        QFETCH(int, exitCode);
        const QString games = m_env.file(QStringLiteral("games"));
        QVERIFY(QDir().mkpath(games));
        QFile::copy(TestEnv::corpusFile(QStringLiteral("coop.mgx")), games + QStringLiteral("/coop.mgx"));
        const QString out = m_env.file(QStringLiteral("shot-%1.png").arg(exitCode));
        const Run run = runWindow(m_env.file(QStringLiteral("shot-home")),
            { QStringLiteral("--screenshot"), out, QStringLiteral("--path"), games, QStringLiteral("--select"), select,
                QStringLiteral("--size"), QStringLiteral("900x600") });
        QCOMPARE(run.exitCode, exitCode);
        const QImage image(out);
        QCOMPARE(image.isNull(), exitCode != 0);
        if (exitCode == 0)
            QCOMPARE(image.size(), QSize(900, 600));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
