#include "FileTestUtil.h"
#include "TestEnv.h"

#include "app/FileStrings.h"
#include "explorer/FileNames.h"
#include "explorer/FileRecordedGame.h"

#include <QDir>
#include <QTest>

using namespace FileTest;
using Outcome = CFileRecordedGame::Outcome;

Q_DECLARE_METATYPE(FileNames::Problem)
Q_DECLARE_METATYPE(OverwriteAnswer)
Q_DECLARE_METATYPE(CFileRecordedGame::Outcome)
Q_DECLARE_METATYPE(CFileRecordedGame::DeleteMode)

// Renaming and deleting one recording with its catalogue entry, and the
// name check every typed or generated name passes first.
class TestFileRecordedGame : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;
    int m_folders = 0;

    QString newFolder()
    {
        const QString path = m_env.file(QStringLiteral("f%1/").arg(++m_folders));
        QDir().mkpath(path);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
    }

    void nameCheck_data()
    {
        using P = FileNames::Problem;
        QTest::addColumn<QString>("name");
        QTest::addColumn<P>("problem");
        QTest::addRow("plain") << "Final 1v1 (game 2).mgx" << P::None;
        QTest::addRow("non-latin") << QString::fromUtf8("決勝 – Ärger.mgx") << P::None;
        QTest::addRow("leading dots") << "...mgx" << P::None;
        QTest::addRow("empty") << "" << P::Empty;
        QTest::addRow("blanks") << "   " << P::Empty;
        QTest::addRow("dot") << "." << P::DotName;
        QTest::addRow("dot dot") << ".." << P::DotName;
        for (const char *c : { "/", "\\", ":", "*", "?", "\"", "<", ">", "|" })
            QTest::addRow("reserved %s", c) << QStringLiteral("a%1b.mgx").arg(QLatin1String(c)) << P::Reserved;
        QTest::addRow("tab") << "a\tb.mgx" << P::Control;
        QTest::addRow("new line") << "a\nb" << P::Control;
        QTest::addRow("delete character") << QStringLiteral("a\u007fb") << P::Control;
        QTest::addRow("255 bytes") << QString(255, QLatin1Char('a')) << P::None;
        QTest::addRow("256 bytes") << QString(256, QLatin1Char('a')) << P::TooLong;
        QTest::addRow("128 two-byte characters") << QString(128, QChar(0xE9)) << P::TooLong;
    }
    void nameCheck()
    {
        QFETCH(QString, name);
        QFETCH(FileNames::Problem, problem);
        QCOMPARE(FileNames::Check(name), problem);

        // A refused name never reaches the file system, and no question is asked.
        if (problem == FileNames::Problem::None)
            return;
        const QString folder = newFolder();
        QVERIFY(write(folder + "a.mgx", "A"));
        bool asked = false;
        CFileRecordedGame file(folder, QStringLiteral("a.mgx"));
        const auto r = file.Rename(name, [&](const QString &) {
            asked = true;
            return OverwriteAnswer::Yes;
        });
        QCOMPARE(r.outcome, Outcome::InvalidName);
        QCOMPARE(r.message, LoadString(StringId::InvalidRecordingName));
        QVERIFY(!asked);
        QCOMPARE(entries(folder), QStringList { "a.mgx" });
    }

    void rename_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<OverwriteAnswer>("answer");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QByteArray>("bContent"); // of "b.mgx" afterwards, when present
        const auto yes = OverwriteAnswer::Yes;
        QTest::addRow("extension appended")
            << "a.mgx"
            << "c" << yes << Outcome::Done << QStringList { "b.mgx", "c.mgx" } << QByteArray("B");
        QTest::addRow("own extension kept")
            << "a.mgz"
            << "c" << yes << Outcome::Done << QStringList { "b.mgx", "c.mgz" } << QByteArray("B");
        QTest::addRow("extension in other case kept")
            << "a.mgx"
            << "c.MGX" << yes << Outcome::Done << QStringList { "b.mgx", "c.MGX" } << QByteArray("B");
        QTest::addRow("same name refused")
            << "a.mgx"
            << "a.mgx" << yes << Outcome::InvalidName << QStringList { "a.mgx", "b.mgx" } << QByteArray("B");
        QTest::addRow("same name once completed refused")
            << "a.mgx"
            << "a" << yes << Outcome::InvalidName << QStringList { "a.mgx", "b.mgx" } << QByteArray("B");
        QTest::addRow("case differs: another name")
            << "a.mgx"
            << "A.mgx" << yes << Outcome::Done << QStringList { "A.mgx", "b.mgx" } << QByteArray("B");
        QTest::addRow("existing, No keeps both")
            << "a.mgx"
            << "b" << OverwriteAnswer::No << Outcome::Declined << QStringList { "a.mgx", "b.mgx" } << QByteArray("B");
        QTest::addRow("existing, Cancel keeps both") << "a.mgx"
                                                     << "b" << OverwriteAnswer::Cancel << Outcome::Cancelled
                                                     << QStringList { "a.mgx", "b.mgx" } << QByteArray("B");
        QTest::addRow("existing, Yes replaces")
            << "a.mgx"
            << "b" << yes << Outcome::Done << QStringList { "b.mgx" } << QByteArray("A");
        QTest::addRow("existing, Yes to all replaces")
            << "a.mgx"
            << "b.mgx" << OverwriteAnswer::YesToAll << Outcome::Done << QStringList { "b.mgx" } << QByteArray("A");
    }
    void rename()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(OverwriteAnswer, answer);
        QFETCH(Outcome, outcome);
        QFETCH(QStringList, after);
        QFETCH(QByteArray, bContent);
        const QString folder = newFolder();
        QVERIFY(write(folder + from, "A"));
        QVERIFY(write(folder + "b.mgx", "B"));
        QStringList asked;
        CFileRecordedGame file(folder, from);
        const auto r = file.Rename(to, [&](const QString &target) {
            asked << target;
            return answer;
        });
        QCOMPARE(r.outcome, outcome);
        QCOMPARE(entries(folder), after);
        QCOMPARE(read(folder + "b.mgx"), bContent);
        const bool clash = file.CompleteName(to) == QLatin1String("b.mgx");
        QCOMPARE(asked, clash ? QStringList { folder + "b.mgx" } : QStringList());
        QCOMPARE(file.FileName(), r.Succeeded() ? r.newName : from);
    }

    void replaceMovesTheEntryAndDropsOnlyTheReplacedOne()
    {
        const QString folder = newFolder();
        const QString other = newFolder();
        QVERIFY(write(folder + "a.mgx", recording("Alice", "Bob")));
        QVERIFY(write(folder + "b.mgx", recording("Carol", "Dave")));
        // Another folder's "b.mgx" of another size is another game.
        QVERIFY(write(other + "b.mgx", recording("Erin", "Frank", 45) + QByteArray(100, 'x')));
        const int a = store(folder + "a.mgx");
        const int b = store(folder + "b.mgx");
        const int elsewhere = store(other + "b.mgx");
        QVERIFY(a && b && elsewhere);
        QCOMPARE(playerRowsOf(b), 2);

        CFileRecordedGame file(folder, QStringLiteral("a.mgx"), a);
        const auto r = file.Rename(QStringLiteral("b"), [](const QString &) { return OverwriteAnswer::Yes; });
        QVERIFY(r.Succeeded());
        QVERIFY(r.catalogueUpdated);
        QCOMPARE(r.replacedId, b);
        QCOMPARE(storedName(a), QStringLiteral("b.mgx"));
        QCOMPARE(gamesWithId(b), 0);
        QCOMPARE(playerRowsOf(b), 0);
        QCOMPARE(storedName(elsewhere), QStringLiteral("b.mgx"));
        QCOMPARE(read(folder + "b.mgx"), recording("Alice", "Bob"));
    }

    void failedReplaceLosesNothing()
    {
        // The source vanished after it was listed: the rename fails, and the
        // file it would have replaced is still there with its entry.
        const QString folder = newFolder();
        QVERIFY(write(folder + "b.mgx", recording("Carol", "Dave")));
        const int b = store(folder + "b.mgx");
        CFileRecordedGame file(folder, QStringLiteral("a.mgx"), 0);
        const auto r = file.Rename(QStringLiteral("b"), [](const QString &) { return OverwriteAnswer::Yes; });
        QCOMPARE(r.outcome, Outcome::Failed);
        QVERIFY(r.message.startsWith(QStringLiteral("Error renaming the files.\r\nError: ")));
        QVERIFY(r.message.size() > 35);
        QCOMPARE(read(folder + "b.mgx"), recording("Carol", "Dave"));
        QCOMPARE(gamesWithId(b), 1);
        QVERIFY(TestEnv::logText().contains(
            QStringLiteral("Error renaming file\r\nSrc: %1a.mgx\r\n Dst: %1b.mgx\r\nError: ").arg(folder)));
    }

    void failedCatalogueRenameIsLogged()
    {
        const QString folder = newFolder();
        QVERIFY(write(folder + "a.mgx", "A"));
        // A connection without the catalogue's tables: the file rename works, the entry's cannot.
        auto empty = Catalogue::OpenDatabaseFile(m_env.file("empty.db"));
        QVERIFY(empty);
        CFileRecordedGame file(folder, QStringLiteral("a.mgx"), 4242);
        const auto r = file.Rename(QStringLiteral("c"), {}, empty.get());
        QVERIFY(r.Succeeded());
        QVERIFY(!r.catalogueUpdated);
        QCOMPARE(entries(folder), QStringList { "c.mgx" });
        QVERIFY(
            TestEnv::logText().contains(QStringLiteral("Error renaming recorded game in the catalogue\r\nId: 4242")));
    }

    void deleteFile_data()
    {
        using Mode = CFileRecordedGame::DeleteMode;
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("inTrash");
        QTest::addColumn<Outcome>("outcome");
        QTest::addRow("to the trash") << Mode::Trash << true << true << Outcome::Done;
        QTest::addRow("for good") << Mode::Permanent << true << false << Outcome::Done;
        QTest::addRow("missing file keeps its entry") << Mode::Permanent << false << false << Outcome::Failed;
        QTest::addRow("missing file, trash, keeps its entry") << Mode::Trash << false << false << Outcome::Failed;
    }
    void deleteFile()
    {
        QFETCH(CFileRecordedGame::DeleteMode, mode);
        QFETCH(bool, fileThere);
        QFETCH(bool, inTrash);
        QFETCH(Outcome, outcome);
        const QString folder = newFolder();
        const QString name = QStringLiteral("del%1.mgx").arg(m_folders);
        QVERIFY(write(folder + name, recording("Gina", "Hugo", 10 + m_folders)));
        const int id = store(folder + name);
        QVERIFY(id);
        if (!fileThere)
            QVERIFY(QFile::remove(folder + name));
        CFileRecordedGame file(folder, name, id);
        const auto r = file.Delete(mode);
        QCOMPARE(r.outcome, outcome);
        QVERIFY(!QFile::exists(folder + name));
        const QString trashed = qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/" + name;
        QCOMPARE(QFile::exists(trashed), inTrash);
        QCOMPARE(gamesWithId(id), r.Succeeded() ? 0 : 1);
        QCOMPARE(playerRowsOf(id), r.Succeeded() ? 0 : 2);
        if (!r.Succeeded()) {
            QVERIFY(r.message.startsWith(QStringLiteral("Error deleting the file.\r\nError: ")));
            QVERIFY(TestEnv::logText().contains(QStringLiteral("Error deleting file\r\nSrc: %1").arg(folder + name)));
        }
    }
};

QTEST_GUILESS_MAIN(TestFileRecordedGame)
#include "tst_file_recorded_game.moc"
