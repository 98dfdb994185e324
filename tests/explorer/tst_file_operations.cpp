#include "FileTestUtil.h"
#include "TestEnv.h"

#include "app/FileStrings.h"
#include "app/GameInstall.h"
#include "app/Settings.h"
#include "app/TextFormat.h"
#include "explorer/FileOperations.h"
#include "explorer/GameLauncher.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace FileTest;
using namespace FileOperations;

Q_DECLARE_METATYPE(OverwriteAnswer)
Q_DECLARE_METATYPE(FileOperations::TransferMode)
Q_DECLARE_METATYPE(FileOperations::Result::Outcome)
Q_DECLARE_METATYPE(CGameLauncher::Version)

// Deleting, moving, copying, creating and renaming in temporary folders,
// and starting the game through a fake Wine that writes down how it ran.
class TestFileOperations : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;
    int m_folders = 0;

    QString newFolder(const QString &base = QString())
    {
        const QString path = (base.isEmpty() ? m_env.path() : base) + QStringLiteral("/d%1/").arg(++m_folders);
        QDir().mkpath(path);
        return path;
    }

    static TransferOptions answering(TransferMode mode, OverwriteAnswer answer, QStringList *asked)
    {
        TransferOptions o;
        o.mode = mode;
        o.question = [answer, asked](const QString &target) {
            *asked << QFileInfo(target).fileName();
            return answer;
        };
        return o;
    }

    // A fake Wine: writes its folder, WINEPREFIX and arguments, one a line.
    QString fakeWine()
    {
        const QString script = m_env.file(QStringLiteral("fake-wine"));
        QFile f(script);
        if (!f.exists()) {
            f.open(QIODevice::WriteOnly);
            f.write("#!/bin/sh\nout=\"$(dirname \"$0\")/wine-run.txt\"\n{ pwd; echo \"$WINEPREFIX\"; "
                    "for a in \"$@\"; do echo \"$a\"; done; } > \"$out.tmp\"\nmv \"$out.tmp\" \"$out\"\n");
            f.close();
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QFile::remove(m_env.file(QStringLiteral("wine-run.txt")));
        return script;
    }

    QString installGame(const QString &version)
    {
        const QString prefix = m_env.file(QStringLiteral("wine"));
        const QString folder = prefix + QStringLiteral("/drive_c/Games/The Conquerors/age2_x1/");
        QDir().mkpath(folder);
        write(folder + "age2_x1.exe", "MZ");
        QFile reg(prefix + QStringLiteral("/system.reg"));
        reg.open(QIODevice::WriteOnly | QIODevice::Truncate);
        reg.write("WINE REGISTRY Version 2\n\n[Software\\\\Microsoft\\\\Microsoft Games\\\\Age of Empires II: The "
                  "Conquerors Expansion\\\\1.0] 1\n\"EXE Path\"=\"C:\\\\Games\\\\The Conquerors\"\n\"Version\"=\""
            + version.toUtf8() + "\"\n");
        return folder + "age2_x1.exe";
    }

    QStringList wineRun()
    {
        const QString path = m_env.file(QStringLiteral("wine-run.txt"));
        if (!QFile::exists(path))
            return {};
        return QString::fromUtf8(read(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
    }

    void deleteDropsExactlyTheDeletedGames_data()
    {
        QTest::addColumn<bool>("toTrash");
        QTest::addRow("to the trash") << true;
        QTest::addRow("for good") << false;
    }
    void deleteDropsExactlyTheDeletedGames()
    {
        QFETCH(bool, toTrash);
        const QString folder = newFolder();
        const int n = m_folders;
        const QString a = QStringLiteral("a%1.mgx").arg(n), b = QStringLiteral("b%1.mgx").arg(n);
        QVERIFY(write(folder + a, recording("Ann", "Ben", n)));
        QVERIFY(write(folder + b, recording("Cy", "Di", n + 1)));
        QVERIFY(write(folder + "kept.mgx", recording("Ed", "Flo", n + 2)));
        QVERIFY(write(folder + "unknown.mgx", "not stored"));
        const QString sub = QStringLiteral("sub%1").arg(n);
        QDir().mkpath(folder + sub + "/inner");
        const int idA = store(folder + a), idB = store(folder + b), idKept = store(folder + "kept.mgx");
        QVERIFY(idA && idB && idKept);
        const int games = count("SELECT COUNT(*) FROM recgame");
        const int players = count("SELECT COUNT(*) FROM recgame_players");

        const DeleteResult r
            = DeleteEntries(folder, { { a, idA }, { b, idB }, { "unknown.mgx", 0 }, { sub, 0 } }, toTrash);
        QVERIFY(r.errors.isEmpty());
        QCOMPARE(r.deleted.size(), 4);
        QCOMPARE(r.removedIds, (QList<int> { idA, idB }));
        QCOMPARE(entries(folder), QStringList { "kept.mgx" });
        QCOMPARE(count("SELECT COUNT(*) FROM recgame"), games - 2);
        QCOMPARE(count("SELECT COUNT(*) FROM recgame_players"), players - 4);
        QCOMPARE(gamesWithId(idKept), 1);
        const QString trash = qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/";
        for (const QString &name : { a, b, sub })
            QCOMPARE(QFileInfo::exists(trash + name), toTrash);
        QCOMPARE(QFileInfo::exists(trash + sub + "/inner"), toTrash);
    }

    void failedDeleteKeepsTheEntry()
    {
        const QString folder = newFolder();
        QVERIFY(write(folder + "gone.mgx", recording("Gus", "Hal", 61)));
        QVERIFY(write(folder + "there.mgx", recording("Ivy", "Jo", 62)));
        const int gone = store(folder + "gone.mgx"), there = store(folder + "there.mgx");
        QVERIFY(QFile::remove(folder + "gone.mgx")); // deleted behind the list's back
        const DeleteResult r = DeleteEntries(folder, { { "gone.mgx", gone }, { "there.mgx", there } }, false);
        QCOMPARE(r.deleted, QStringList { "there.mgx" });
        QCOMPARE(r.errors.size(), 1);
        QVERIFY(r.errors.first().startsWith("Error deleting the file.\r\nError: gone.mgx: "));
        QCOMPARE(gamesWithId(gone), 1);
        QCOMPARE(gamesWithId(there), 0);
    }

    void nameClash_data()
    {
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<OverwriteAnswer>("answer");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("cancelled");
        const QStringList both { "a.mgx", "b.mgx" }, first { "a.mgx" };
        for (const auto mode : { TransferMode::Copy, TransferMode::Move }) {
            const char *m = mode == TransferMode::Copy ? "copy" : "move";
            QTest::addRow("%s, No keeps the old files", m) << mode << OverwriteAnswer::No << both << false << false;
            QTest::addRow("%s, Yes replaces", m) << mode << OverwriteAnswer::Yes << both << true << false;
            QTest::addRow("%s, Yes to all asks once", m) << mode << OverwriteAnswer::YesToAll << first << true << false;
            QTest::addRow("%s, Cancel stops", m) << mode << OverwriteAnswer::Cancel << first << false << true;
        }
    }
    void nameClash()
    {
        QFETCH(TransferMode, mode);
        QFETCH(OverwriteAnswer, answer);
        QFETCH(QStringList, asked);
        QFETCH(bool, replaced);
        QFETCH(bool, cancelled);
        const QString from = newFolder(), to = newFolder();
        for (const char *name : { "a.mgx", "b.mgx" }) {
            QVERIFY(write(from + name, QByteArray("new ") + name));
            QVERIFY(write(to + name, QByteArray("old ") + name + QByteArray(5000, 'o')));
        }
        QVERIFY(write(from + "c.mgx", "no clash"));
        QStringList questions;
        const TransferResult r
            = Transfer({ from + "a.mgx", from + "b.mgx", from + "c.mgx" }, to, answering(mode, answer, &questions));
        QCOMPARE(questions, asked);
        QCOMPARE(r.cancelled, cancelled);
        QVERIFY(r.errors.isEmpty());
        for (const char *name : { "a.mgx", "b.mgx" }) {
            const QByteArray old = QByteArray("old ") + name + QByteArray(5000, 'o');
            QCOMPARE(read(to + name), replaced ? QByteArray("new ") + name : old);
            QCOMPARE(QFile::exists(from + name), !(replaced && mode == TransferMode::Move));
        }
        QCOMPARE(QFile::exists(to + "c.mgx"), !cancelled);
        // Nothing half-written is left beside the targets.
        const QStringList expected
            = cancelled ? QStringList { "a.mgx", "b.mgx" } : QStringList { "a.mgx", "b.mgx", "c.mgx" };
        QCOMPARE(entries(to), expected);
    }

    void cancelLeavesNoPartialFile_data()
    {
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<bool>("replacing");
        QTest::addRow("copy") << TransferMode::Copy << false;
        QTest::addRow("copy over an old file") << TransferMode::Copy << true;
        QTest::addRow("move across file systems") << TransferMode::Move << false;
    }
    void cancelLeavesNoPartialFile()
    {
        QFETCH(TransferMode, mode);
        QFETCH(bool, replacing);
        QString base;
        if (mode == TransferMode::Move) {
            base = otherFileSystem();
            if (base.isEmpty())
                QSKIP("no second file system (/dev/shm) to move across");
        }
        const QString from = newFolder(), to = newFolder(base);
        const QByteArray big(3 * 1024 * 1024 + 17, 'r');
        QVERIFY(write(from + "big.mgx", big));
        QVERIFY(write(from + "small.mgx", "s"));
        if (replacing)
            QVERIFY(write(to + "big.mgx", "old"));
        std::atomic<bool> cancel { false };
        TransferOptions o;
        o.mode = mode;
        o.question = [](const QString &) { return OverwriteAnswer::Yes; };
        o.cancel = &cancel;
        o.progress = [&](const Progress &p) {
            if (p.bytesDone > 0 && p.filesDone == 0)
                cancel = true; // in the middle of the first file
        };
        const TransferResult r = Transfer({ from + "big.mgx", from + "small.mgx" }, to, o);
        QVERIFY(r.cancelled);
        QCOMPARE(entries(to), replacing ? QStringList { "big.mgx" } : QStringList());
        if (replacing)
            QCOMPARE(read(to + "big.mgx"), QByteArray("old"));
        QCOMPARE(read(from + "big.mgx"), big);
        QVERIFY(QFile::exists(from + "small.mgx"));
        QDir(to).removeRecursively();
    }

    void moveAcrossFileSystemsKeepsContentAndDate()
    {
        const QString base = otherFileSystem();
        if (base.isEmpty())
            QSKIP("no second file system (/dev/shm) to move across");
        const QString from = newFolder(), to = newFolder(base);
        QDir().mkpath(from + "season/week1");
        const QByteArray bytes = recording("Kai", "Lu", 33);
        QVERIFY(write(from + "season/week1/final.mgx", bytes));
        QVERIFY(write(from + "season/notes.txt", "n"));
        const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1176000000);
        {
            QFile f(from + "season/week1/final.mgx");
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        QList<Progress> steps;
        TransferOptions o;
        o.mode = TransferMode::Move;
        o.progress = [&](const Progress &p) { steps << p; };
        const TransferResult r = Transfer({ from + "season" }, to, o);
        QVERIFY2(r.Succeeded(), qPrintable(r.errors.join(" / ")));
        QCOMPARE(r.done, 1);
        QVERIFY(!QFile::exists(from + "season"));
        QCOMPARE(read(to + "season/week1/final.mgx"), bytes);
        QCOMPARE(QFileInfo(to + "season/week1/final.mgx").lastModified(), stamp);
        QCOMPARE(steps.last().filesDone, 2);
        QCOMPARE(steps.last().filesTotal, 2);
        QDir(to).removeRecursively();
    }

    void copyKeepsTheDate()
    {
        const QString from = newFolder(), to = newFolder();
        QVERIFY(write(from + "a.mgx", "x"));
        const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1176000000);
        {
            QFile f(from + "a.mgx");
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        QVERIFY(Transfer({ from + "a.mgx" }, to, {}).Succeeded());
        QCOMPARE(QFileInfo(to + "a.mgx").lastModified(), stamp);
        QVERIFY(QFile::exists(from + "a.mgx"));
    }

    void folderNeverGoesIntoItself_data()
    {
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<QString>("destination"); // below the folder "games"
        QTest::addColumn<int>("message");
        QTest::addRow("move into itself") << TransferMode::Move << "" << StringId::MoveIntoItself;
        QTest::addRow("move into a subfolder") << TransferMode::Move << "sub/deeper" << StringId::MoveIntoItself;
        QTest::addRow("copy into a subfolder") << TransferMode::Copy << "sub" << StringId::CopyIntoItself;
        QTest::addRow("copy through a link") << TransferMode::Copy << "link-to-sub" << StringId::CopyIntoItself;
    }
    void folderNeverGoesIntoItself()
    {
        QFETCH(TransferMode, mode);
        QFETCH(QString, destination);
        QFETCH(int, message);
        const QString base = newFolder();
        QDir().mkpath(base + "games/sub/deeper");
        QVERIFY(QFile::link(base + "games/sub", base + "games/link-to-sub"));
        QVERIFY(write(base + "games/a.mgx", "a"));
        TransferOptions o;
        o.mode = mode;
        const TransferResult r = Transfer({ base + "games" }, base + "games/" + destination, o);
        QCOMPARE(r.errors, QStringList { FormatText(LoadString(message), { "games" }) });
        QCOMPARE(entries(base + "games"), (QStringList { "a.mgx", "link-to-sub", "sub" }));
        QCOMPARE(entries(base + "games/sub"), QStringList { "deeper" });
    }

    void foldersMergeAndKeepWhatWasNotMoved()
    {
        const QString from = newFolder(), to = newFolder();
        QDir().mkpath(from + "cup");
        QDir().mkpath(to + "cup");
        QVERIFY(write(from + "cup/r1.mgx", "new r1"));
        QVERIFY(write(from + "cup/r2.mgx", "r2"));
        QVERIFY(write(to + "cup/r1.mgx", "old r1"));
        QStringList asked;
        const TransferResult r
            = Transfer({ from + "cup" }, to, answering(TransferMode::Move, OverwriteAnswer::No, &asked));
        QCOMPARE(asked, QStringList { "r1.mgx" });
        QCOMPARE(r.skipped, QStringList { "r1.mgx" });
        QCOMPARE(entries(to + "cup"), (QStringList { "r1.mgx", "r2.mgx" }));
        QCOMPARE(read(to + "cup/r1.mgx"), QByteArray("old r1"));
        QCOMPARE(entries(from + "cup"), QStringList { "r1.mgx" }); // the folder stays with what it kept
    }

    void sameFolderByCanonicalPath()
    {
        const QString base = newFolder();
        QDir().mkpath(base + "Games");
        QVERIFY(QFile::link(base + "Games", base + "shortcut"));
        QVERIFY(SameFolder(base + "Games", base + "Games/"));
        QVERIFY(SameFolder(base + "Games", base + "shortcut/."));
        QVERIFY(SameFolder(base + "Games", base + "Games/../Games"));
        QVERIFY(!SameFolder(base + "Games", base + "games"));
        QVERIFY(!SameFolder(base + "Games", QString()));
    }

    void createFolder_data()
    {
        using O = Result::Outcome;
        QTest::addColumn<QString>("name");
        QTest::addColumn<O>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("after");
        QTest::addRow("plain") << "Season 3" << O::Done << "" << QStringList { "Season 3", "taken" };
        QTest::addRow("trimmed") << "  Cup  " << O::Done << "" << QStringList { "Cup", "taken" };
        QTest::addRow("empty") << "   " << O::InvalidName << "Enter a valid Folder name." << QStringList { "taken" };
        QTest::addRow("colon") << "a:b" << O::InvalidName << "Enter a valid Folder name." << QStringList { "taken" };
        QTest::addRow("dot dot") << ".." << O::InvalidName << "Enter a valid Folder name." << QStringList { "taken" };
        QTest::addRow("existing") << "taken" << O::Failed
                                  << "Error Creating \"taken\" Folder.\r\nError Message: File exists"
                                  << QStringList { "taken" };
    }
    void createFolder()
    {
        QFETCH(QString, name);
        QFETCH(Result::Outcome, outcome);
        QFETCH(QString, message);
        QFETCH(QStringList, after);
        const QString folder = newFolder();
        QDir().mkpath(folder + "taken");
        const Result r = CreateFolder(folder, name);
        QCOMPARE(r.outcome, outcome);
        QCOMPARE(r.message, message);
        QCOMPARE(entries(folder), after);
        if (outcome == Result::Outcome::Failed)
            QVERIFY(TestEnv::logText().contains(
                QStringLiteral("Error creating directory\r\nPath: %1taken\r\nError Number: 17\r\nError: File exists")
                    .arg(folder)));
    }

    void renameEntry_data()
    {
        using O = Result::Outcome;
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<O>("outcome");
        QTest::addColumn<QString>("messageStart");
        QTest::addColumn<QStringList>("after");
        QTest::addRow("folder") << "dir"
                                << "Cup 2007" << O::Done << "" << QStringList { "Cup 2007", "notes.txt" };
        QTest::addRow("file keeps its name as typed")
            << "notes.txt"
            << "old notes" << O::Done << "" << QStringList { "dir", "old notes" };
        QTest::addRow("folder, empty") << "dir"
                                       << "" << O::InvalidName << "Enter a valid folder name."
                                       << QStringList { "dir", "notes.txt" };
        QTest::addRow("file, slash") << "notes.txt"
                                     << "a/b" << O::InvalidName << "Enter a valid file name."
                                     << QStringList { "dir", "notes.txt" };
        QTest::addRow("file onto a folder never replaces")
            << "notes.txt"
            << "dir" << O::Failed << "Error renaming file\r\nError: " << QStringList { "dir", "notes.txt" };
        QTest::addRow("folder onto a file never replaces")
            << "dir"
            << "notes.txt" << O::Failed << "Error renaming folder\r\nError: " << QStringList { "dir", "notes.txt" };
    }
    void renameEntry()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(Result::Outcome, outcome);
        QFETCH(QString, messageStart);
        QFETCH(QStringList, after);
        const QString folder = newFolder();
        QDir().mkpath(folder + "dir");
        QVERIFY(write(folder + "notes.txt", "n"));
        const Result r = RenameEntry(folder, from, to, from == QLatin1String("dir"));
        QCOMPARE(r.outcome, outcome);
        QVERIFY2(
            messageStart.isEmpty() ? r.message.isEmpty() : r.message.startsWith(messageStart), qPrintable(r.message));
        QCOMPARE(entries(folder), after);
        QCOMPARE(read(folder + "notes.txt"), after.contains("notes.txt") ? QByteArray("n") : QByteArray());
    }

    void launch_data()
    {
        QTest::addColumn<QString>("version"); // registry "Version"
        QTest::addColumn<QString>("version10Path"); // "AoCVersion10Path": "", "missing" or "set"
        QTest::addColumn<CGameLauncher::Version>("which");
        QTest::addColumn<QString>("wineArgs"); // after the fake wine in "WineCommand"
        QTest::addColumn<bool>("started");
        using V = CGameLauncher::Version;
        QTest::addRow("1.0C by default") << "1.0C"
                                         << "" << V::Default << "" << true;
        QTest::addRow("1.0c with Wine arguments") << "1.0c"
                                                  << "" << V::V10c << "--debug \"two words\"" << true;
        QTest::addRow("no 1.0 installed") << "1.0c"
                                          << "" << V::V10 << "" << false;
        QTest::addRow("configured 1.0 by default") << ""
                                                   << "set" << V::Default << "" << true;
        QTest::addRow("configured 1.0 deleted") << ""
                                                << "missing" << V::V10 << "" << false;
        QTest::addRow("nothing installed") << ""
                                           << "" << V::Default << "" << false;
    }
    void launch()
    {
        QFETCH(QString, version);
        QFETCH(QString, version10Path);
        QFETCH(CGameLauncher::Version, which);
        QFETCH(QString, wineArgs);
        QFETCH(bool, started);
        const QString installed = installGame(version);
        QString configured;
        if (!version10Path.isEmpty()) {
            configured = newFolder() + "Age 1.0/age2_x1.exe";
            if (version10Path == QLatin1String("set")) {
                QDir().mkpath(QFileInfo(configured).absolutePath());
                QVERIFY(write(configured, "MZ"));
            }
        }
        const QString wine = fakeWine();
        const CGameInstall install(m_env.file("wine"));
        const QString program = CGameLauncher::Program(install, configured, which);
        const CGameLauncher launcher(QStringLiteral("\"%1\" %2").arg(wine, wineArgs), install.Prefix());
        QCOMPARE(launcher.Launch(program), started);
        if (!started) {
            QVERIFY(wineRun().isEmpty());
            return;
        }
        const QString expected = version10Path == QLatin1String("set") ? configured : installed;
        QStringList run { QFileInfo(expected).absolutePath(), m_env.file("wine") };
        run << QProcess::splitCommand(wineArgs) << expected << "NoStartup";
        QTRY_COMPARE(wineRun(), run);
    }

    void missingWineCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addRow("empty") << "";
        QTest::addRow("not on the path") << "no-such-wine-here";
        QTest::addRow("missing file") << "/nonexistent/wine";
    }
    void missingWineCommand()
    {
        QFETCH(QString, command);
        const QString program = installGame("1.0c");
        QVERIFY(!CGameLauncher(command, m_env.file("wine")).Launch(program));
    }

    void cliLaunch()
    {
        const QString cli = qEnvironmentVariable("VELLUMCAST_CLI");
        if (cli.isEmpty())
            QSKIP("VELLUMCAST_CLI not set");
        installGame("1.0c");
        const QString wine = fakeWine();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QProcess p;
        p.setProcessEnvironment(env);
        // No Wine command: the message, and status 1.
        {
            auto store = CSettings::OpenStore();
            store->setValue("Settings/WineCommand", "/nonexistent/wine");
        }
        p.start(cli, { "launch" });
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("Error, AoC Application not found."));
        {
            auto store = CSettings::OpenStore();
            store->setValue("Settings/WineCommand", wine);
        }
        p.start(cli, { "launch", "1.0" });
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        p.start(cli, { "launch", "1.0c" });
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QTRY_COMPARE(wineRun().value(2), m_env.file("wine/drive_c/Games/The Conquerors/age2_x1/age2_x1.exe"));
        p.start(cli, { "launch", "2.0" });
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 2);
    }

private:
    // A folder on another file system than the temporary folder, or empty.
    QString otherFileSystem()
    {
        const QString shm = QStringLiteral("/dev/shm");
        if (!QFileInfo(shm).isDir() || !QFileInfo(shm).isWritable())
            return {};
        if (QStorageInfo(shm).device() == QStorageInfo(m_env.path()).device())
            return {};
        static QTemporaryDir dir(shm + QStringLiteral("/vellumcast-test-XXXXXX"));
        return dir.isValid() ? dir.path() : QString();
    }
};

QTEST_GUILESS_MAIN(TestFileOperations)
#include "tst_file_operations.moc"
