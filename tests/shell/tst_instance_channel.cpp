#include "TestEnv.h"

#include "shell/InstanceChannel.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

namespace {

// Writes raw bytes to the channel of home as any local process could.
bool sendRaw(const QString &home, const QByteArray &bytes)
{
    QLocalSocket socket;
    socket.connectToServer(CInstanceChannel::ServerName(home));
    if (!socket.waitForConnected(5000))
        return false;
    socket.write(bytes);
    socket.waitForBytesWritten(5000);
    socket.disconnectFromServer();
    return true;
}

} // namespace

class TestInstanceChannel : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void namesDependOnTheDataDirectoryOnly()
    {
        const QString a = CInstanceChannel::ServerName(QStringLiteral("/tmp/a/"));
        QCOMPARE(CInstanceChannel::ServerName(QStringLiteral("/tmp/a")), a);
        QCOMPARE(CInstanceChannel::ServerName(QStringLiteral("/tmp/./a/")), a);
        QVERIFY(CInstanceChannel::ServerName(QStringLiteral("/tmp/b")) != a);
        QVERIFY(a.size() < 40);
    }

    void folderReachesTheRunningInstance_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addRow("plain") << QStringLiteral("/home/user/SaveGame");
        QTest::addRow("only raise") << QString();
        QTest::addRow("spaces and CJK") << QStringLiteral("/srv/recs/扫荡 games/");
    }
    void folderReachesTheRunningInstance()
    {
        QFETCH(QString, folder);
        const QString home = m_env.file(QStringLiteral("home-%1").arg(QTest::currentDataTag()));
        CInstanceChannel running;
        QVERIFY(running.Listen(home));
        QSignalSpy spy(&running, &CInstanceChannel::activationRequested);
        QVERIFY(CInstanceChannel::Send(home, folder));
        QVERIFY(spy.wait(10000));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), folder);
    }

    void nobodyListening() { QVERIFY(!CInstanceChannel::Send(m_env.file(QStringLiteral("silent")), {}, 200)); }

    // Anything that is not one whole message of ours is dropped; a good
    // message after it still arrives.
    void strangersAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("nothing") << QByteArray();
        QTest::addRow("no magic") << QByteArray("/etc\n");
        QTest::addRow("unterminated") << QByteArray("VC1\n/etc");
        QTest::addRow("two lines") << QByteArray("VC1\n/etc\n/tmp\n");
        QTest::addRow("nul byte") << QByteArray("VC1\n/e\0tc\n", 10);
        QTest::addRow("oversized") << (QByteArray("VC1\n") + QByteArray(CInstanceChannel::kMaxMessage * 4, 'x') + '\n');
    }
    void strangersAreIgnored()
    {
        QFETCH(QByteArray, bytes);
        const QString home = m_env.file(QStringLiteral("strange-%1").arg(QTest::currentDataTag()));
        CInstanceChannel running;
        QVERIFY(running.Listen(home));
        QSignalSpy spy(&running, &CInstanceChannel::activationRequested);
        QVERIFY(sendRaw(home, bytes));
        QVERIFY(CInstanceChannel::Send(home, QStringLiteral("/good")));
        QVERIFY(spy.wait(10000));
        QTest::qWait(50); // a late stranger would show up here
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/good"));
    }

    void leftOverSocketOfACrashedRunIsReplaced()
    {
        const QString home = m_env.file(QStringLiteral("crashed"));
        {
            CInstanceChannel first;
            QVERIFY(first.Listen(home));
            // A second listener on the same name replaces the first, as a
            // new run does after a crash left the socket behind.
            CInstanceChannel second;
            QVERIFY(second.Listen(home));
            QSignalSpy spy(&second, &CInstanceChannel::activationRequested);
            QVERIFY(CInstanceChannel::Send(home, QStringLiteral("/x")));
            QVERIFY(spy.wait(10000));
        }
    }
};

QTEST_GUILESS_MAIN(TestInstanceChannel)
#include "tst_instance_channel.moc"
