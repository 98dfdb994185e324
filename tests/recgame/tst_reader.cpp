#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Log.h"
#include "recgame/RecordedGame.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <utime.h>

class TestReader : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_env.file(name);
        Fixture::Write(path, bytes);
        return path;
    }

    static QString logText() { return TestEnv::logText(); }

private Q_SLOTS:
    void lengths_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("bodySize");

        const QByteArray header = HeaderBuilder::Duel().build();
        const QByteArray deflated = Fixture::Deflate(header);
        QTest::addRow("empty file") << QByteArray() << false << 0;
        QTest::addRow("three bytes") << QByteArray("\x09\0\0", 3) << false << 0;
        QTest::addRow("eight bytes claiming nine") << (Fixture::Le32(9) + Fixture::Le32(0)) << false << 0;
        QTest::addRow("header length 8") << (Fixture::Le32(8) + Fixture::Le32(0) + QByteArray(40, 'x')) << false << 0;
        QTest::addRow("header length 0") << (Fixture::Le32(0) + QByteArray(40, 'x')) << false << 0;
        QTest::addRow("header length beyond file")
            << (Fixture::Le32(qint32(deflated.size() + 9)) + Fixture::Le32(0) + deflated) << false << 0;
        QTest::addRow("negative header length") << (Fixture::Le32(-20) + Fixture::Le32(0) + deflated) << false << 0;
        QTest::addRow("header length equals file") << Fixture::Recording(header, QByteArray()) << true << 0;
        QTest::addRow("with body") << Fixture::Recording(header, QByteArray(1234, '\x05')) << true << 1234;
    }

    void lengths()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(int, bodySize);
        CRecordedGame game;
        game.SetFile(write(QStringLiteral("len.mgx"), bytes));
        QCOMPARE(game.fileSize, quint32(bytes.size()));
        QCOMPARE(game.ReadFile(), ok);
        QCOMPARE(int(game.body.size()), bodySize);
        if (ok) {
            QCOMPARE(game.header, HeaderBuilder::Duel().build());
        } else {
            QVERIFY(game.header.isEmpty());
            QVERIFY(logText().contains("Error checking recorded game Length\r\nInfo Length not Correct, file: "));
            QVERIFY(!game.ReadError().isEmpty());
        }
    }

    void brokenDeflateStillReads_data()
    {
        QTest::addColumn<QByteArray>("compressed");
        QTest::addColumn<bool>("partial");
        const QByteArray whole = Fixture::Deflate(HeaderBuilder::Duel().build());
        QTest::addRow("not deflate") << QByteArray(300, '\xFF') << false;
        QTest::addRow("truncated stream") << whole.left(whole.size() / 2) << true;
        QTest::addRow("garbage after a good start") << (whole.left(200) + QByteArray(200, '\xFF')) << false;
    }

    void brokenDeflateStillReads()
    {
        QFETCH(QByteArray, compressed);
        QFETCH(bool, partial);
        CRecordedGame game;
        game.SetFile(write(QStringLiteral("broken.mgx"), Fixture::RecordingCompressed(compressed, "BODY")));
        QVERIFY(game.ReadFile());
        QCOMPARE(game.body, QByteArray("BODY"));
        const QByteArray full = HeaderBuilder::Duel().build();
        QVERIFY(game.header.size() < full.size());
        QVERIFY(full.startsWith(game.header));
        if (partial)
            QVERIFY(game.header.size() > 0);
        game.Analyze(true); // whatever was inflated, analysing it is safe
    }

    void missingFileIsLogged()
    {
        CRecordedGame game;
        game.SetFile(m_env.file(QStringLiteral("nope.mgx")));
        QCOMPARE(game.fileSize, 0u);
        QVERIFY(!game.ReadFile());
        QVERIFY(logText().contains("Error opening recorded game file: "));
        QVERIFY(logText().contains("Code file: RecordedGame - line: "));
    }

    void secondReadReplacesBuffers()
    {
        CRecordedGame game;
        game.SetFile(write(QStringLiteral("a.mgx"), Fixture::Recording(HeaderBuilder::Duel().build(), "AAAA")));
        QVERIFY(game.ReadFile());
        game.SetFile(write(QStringLiteral("b.mgx"), Fixture::Recording(HeaderBuilder::Duel("X", "Y").build(), "BB")));
        QVERIFY(game.ReadFile());
        QCOMPARE(game.body, QByteArray("BB"));
        QCOMPARE(game.header, HeaderBuilder::Duel("X", "Y").build());
        game.SetFile(write(QStringLiteral("c.mgx"), QByteArray(3, 'z')));
        QVERIFY(!game.ReadFile());
        QVERIFY(game.header.isEmpty());
        QVERIFY(game.body.isEmpty());
    }

    void dateIsTheEarlierOfAccessAndWrite()
    {
        const QString path = write(QStringLiteral("dated.mgx"), Fixture::Recording(HeaderBuilder::Duel().build(), {}));
        utimbuf times{};
        times.actime = 1000000000;  // accessed before it was written
        times.modtime = 1200000000;
        QCOMPARE(utime(path.toLocal8Bit().constData(), &times), 0);
        CRecordedGame game;
        game.SetFile(path);
        QVERIFY(game.ReadFile());
        QCOMPARE(game.date, qint64(1000000000));

        times.actime = 1300000000;
        QCOMPARE(utime(path.toLocal8Bit().constData(), &times), 0);
        QVERIFY(game.ReadFile());
        QCOMPARE(game.date, qint64(1200000000));
    }
};

QTEST_GUILESS_MAIN(TestReader)
#include "tst_reader.moc"
