#include "TestEnv.h"

#include "app/Log.h"
#include "app/Paths.h"
#include "app/StringTable.h"
#include "app/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QByteArray rawLog()
{
    QFile f(Log::FilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString decodedLog()
{
    return TestEnv::logText();
}

} // namespace

class TestLogAndText : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void init() { Log::Clear(); }

    void entryFormat()
    {
        Log::Write(QStringLiteral("first"));
        Log::Write(QStringLiteral("zweite Größe 扫荡"));
        const QByteArray raw = rawLog();
#ifdef Q_OS_WIN
        QVERIFY(raw.startsWith(QByteArray("\xFF\xFE-\0-\0", 6)));
        QCOMPARE(raw.count("\xFF\xFE"), 1);
#else
        // Plain UTF-8 that cat and less show as it is: no byte-order mark.
        QVERIFY(raw.startsWith("--------\r\nDate: "));
        QVERIFY(raw.contains("zweite Gr\xC3\xB6\xC3\x9F"
                             "e \xE6\x89\xAB\xE8\x8D\xA1"));
#endif
        const QRegularExpression entry(QStringLiteral(
            "^--------\r\nDate: \\d\\d/\\d\\d/\\d\\d - \\d\\d:\\d\\d:\\d\\d\r\nMessage: first\r\n"
            "--------\r\nDate: \\d\\d/\\d\\d/\\d\\d - \\d\\d:\\d\\d:\\d\\d\r\nMessage: zweite Größe 扫荡\r\n$"));
        QVERIFY2(entry.match(decodedLog()).hasMatch(), qPrintable(decodedLog()));
    }

    void unwritableLogDropsOnlyThatEntry()
    {
        Log::Write(QStringLiteral("one"));
        QFile::setPermissions(Log::FilePath(), QFileDevice::ReadOwner);
        const bool root = QFile(Log::FilePath()).open(QIODevice::Append);
        if (root)
            QSKIP("running as a user who can write read-only files");
        Log::Write(QStringLiteral("lost"));
        QFile::setPermissions(Log::FilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        Log::Write(QStringLiteral("three"));
        QCOMPARE(decodedLog().count(QStringLiteral("--------\r\n")), 2);
        QVERIFY(!decodedLog().contains(QStringLiteral("lost")));
        QVERIFY(decodedLog().endsWith(QStringLiteral("Message: three\r\n")));
    }

    void logInAFolderInTheWay()
    {
        // A folder named log.txt: the entry is dropped, nothing crashes.
        QFile::remove(Log::FilePath());
        QVERIFY(QDir().mkpath(Log::FilePath()));
        Log::Write(QStringLiteral("dropped"));
        QVERIFY(QDir().rmdir(Log::FilePath()));
        Log::Write(QStringLiteral("kept"));
        QVERIFY(decodedLog().endsWith(QStringLiteral("Message: kept\r\n")));
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QString>("text");
        QTest::addRow("ascii") << QByteArray("plain") << "GBK"
                               << "plain";
        QTest::addRow("windows-1252") << QByteArray("caf\xE9") << "windows-1252" << QStringLiteral("café");
        QTest::addRow("valid utf-8 wins") << QByteArray("caf\xC3\xA9") << "windows-1252" << QStringLiteral("café");
        QTest::addRow("gbk") << QByteArray("\xC9\xA8\xB5\xB4") << "GBK" << QStringLiteral("扫荡");
        QTest::addRow("cyrillic") << QByteArray("\xCF\xF0\xE8") << "windows-1251" << QStringLiteral("При");
        // Each name decodes on its own: half a character at the end of one
        // (dropped by the converter) is not carried into the next.
        QTest::addRow("gbk cut in a character") << QByteArray("a\xC9") << "GBK" << QStringLiteral("a");
        QTest::addRow("gbk after a cut character") << QByteArray("\xB5\xB4") << "GBK" << QStringLiteral("荡");
        QTest::addRow("overlong utf-8 is not utf-8")
            << QByteArray("\xC0\xAF") << "windows-1252" << QStringLiteral("À¯");
        QTest::addRow("truncated utf-8 is not utf-8")
            << QByteArray("ab\xE6\x89") << "windows-1252" << QStringLiteral("abæ‰");
    }

    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, codePage);
        QFETCH(QString, text);
        QCOMPARE(TextCodec::Decode(bytes.constData(), bytes.size(), codePage), text);
    }

    void stringTable_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addRow("civilization 1") << 1002 << "Britons";
        QTest::addRow("civilization 18") << 1019 << "Koreans";
        QTest::addRow("game type 0") << 1020 << "Random Map";
        QTest::addRow("translatable map 9") << 1032 << "Arabia";
        QTest::addRow("english map 35") << 1127 << "Blind Random";
        QTest::addRow("team") << 1098 << "Team";
        QTest::addRow("unknown id") << 99999 << "";
    }

    void stringTable()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(LoadString(id), text);
    }
};

QTEST_GUILESS_MAIN(TestLogAndText)
#include "tst_log_and_text.moc"
