#include "ArchiveFixtures.h"
#include "TestEnv.h"

#include "explorer/ArchiveReader.h"
#include "explorer/WorkDirectory.h"
#include "explorer/ZipWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using ArchiveFixtures::Entry;
using EntryList = QList<Entry>;

// Reading zip and rar archives into a folder, the work directory's guard,
// and the creation of zips, all on archives the tests build themselves.
class TestArchives : public QObject
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

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Writes entries as a zip or a rar (by the name's extension) at path; a
    // ".rar5" name is written as a RAR5 archive named ".rar".
    static bool writeArchive(QString path, const EntryList &entries)
    {
        if (path.endsWith(QLatin1String(".rar5"))) {
            path.chop(1);
            return ArchiveFixtures::WriteFile(path, ArchiveFixtures::Rar5(entries));
        }
        if (path.endsWith(QLatin1String(".rar")))
            return ArchiveFixtures::WriteFile(path, ArchiveFixtures::Rar4(entries));
        return ArchiveFixtures::WriteZip(path, entries);
    }

    // The archive's path as written by writeArchive.
    static QString written(QString path)
    {
        if (path.endsWith(QLatin1String(".rar5")))
            path.chop(1);
        return path;
    }

    // Every file below folder, relative to it, sorted.
    static QStringList filesBelow(const QString &folder)
    {
        QStringList files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(folder).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    static void addBothKinds(const char *name, const EntryList &entries, const QStringList &expected)
    {
        for (const char *kind : { "zip", "rar", "rar5" })
            QTest::addRow("%s-%s", kind, name) << QString::fromLatin1(kind) << entries << expected;
    }

private slots:
    void extractsOnlyRecordingsUnderTheirBaseNames_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<EntryList>("entries");
        QTest::addColumn<QStringList>("expected"); // name=content, sorted
        addBothKinds("text-and-two-recordings",
            { { "readme.txt", "text" }, { "A.MGX", "first" }, { "games/B.Mgx", "second" } },
            { "A.MGX=first", "B.Mgx=second" });
        addBothKinds("every-edition",
            { { "a.mgl", "1" }, { "b.mgz", "2" }, { "c.MGX2", "3" }, { "d.msx", "4" }, { "e.msx2", "5" },
                { "f.mgx.txt", "6" }, { "g.zip", "7" } },
            { "a.mgl=1", "b.mgz=2", "c.MGX2=3", "d.msx=4", "e.msx2=5" });
        addBothKinds("traversal-names",
            { { "../../up.mgx", "u" }, { "/etc/abs.mgx", "a" }, { "a/../../mid.mgx", "m" }, { "..\\..\\win.mgx", "w" },
                { "c:\\games\\drive.mgx", "d" } },
            { "abs.mgx=a", "drive.mgx=d", "mid.mgx=m", "up.mgx=u", "win.mgx=w" });
        addBothKinds("one-base-name-twice", { { "x/g.mgx", "one" }, { "y/g.mgx", "two" }, { "G.MGX", "three" } },
            { "G (3).MGX=three", "g (2).mgx=two", "g.mgx=one" });
        addBothKinds("no-recordings", { { "notes.txt", "n" } }, {});
        addBothKinds("control-characters", { { "bad\x01name\x1f.mgx", "c" } }, { "bad_name_.mgx=c" });
    }

    void extractsOnlyRecordingsUnderTheirBaseNames()
    {
        QFETCH(QString, kind);
        QFETCH(EntryList, entries);
        QFETCH(QStringList, expected);
        const QString outer = newFolder();
        const QString target = outer + QStringLiteral("deep/target/");
        QDir().mkpath(target);
        QVERIFY(writeArchive(outer + QStringLiteral("a.") + kind, entries));
        const QString archive = written(outer + QStringLiteral("a.") + kind);

        const ArchiveReader::Result result = ArchiveReader::Extract(archive, target);
        QVERIFY2(result.ok, qPrintable(result.error));
        QStringList found;
        for (const QString &name : filesBelow(target)) {
            found << name + QLatin1Char('=') + QString::fromLatin1(read(target + name));
            // The archive's date, not the moment of extraction.
            QCOMPARE(QFileInfo(target + name).lastModified().date(), QDate(2024, 1, 1));
        }
        QCOMPARE(found, expected);
        QCOMPARE(result.extracted.size(), expected.size());
        // Nothing landed beside or above the target.
        QCOMPARE(filesBelow(outer).size(), expected.size() + 1);
    }

    void refusesWhatExceedsTheLimits_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<EntryList>("entries");
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<int>("maxEntrySize");
        QTest::addColumn<int>("maxTotal");
        QTest::addColumn<QString>("error");
        const QByteArray big(5000, 'z');
        for (const char *kind : { "zip", "rar", "rar5" }) {
            QTest::addRow("%s-too-many-entries", kind)
                << QString::fromLatin1(kind)
                << EntryList { { "1.txt", "" }, { "2.txt", "" }, { "3.txt", "" }, { "4.mgx", "" } } << 3 << 10000
                << 10000 << "more than 3 entries";
            QTest::addRow("%s-entry-too-large", kind)
                << QString::fromLatin1(kind) << EntryList { { "small.mgx", "s" }, { "big.mgx", big } } << 100 << 4000
                << 100000 << "\"big.mgx\" is larger";
            QTest::addRow("%s-total-too-large", kind)
                << QString::fromLatin1(kind) << EntryList { { "a.mgx", big }, { "b.mgx", big } } << 100 << 8000 << 8000
                << "exceed";
        }
    }

    void refusesWhatExceedsTheLimits()
    {
        QFETCH(QString, kind);
        QFETCH(EntryList, entries);
        QFETCH(int, maxEntries);
        QFETCH(int, maxEntrySize);
        QFETCH(int, maxTotal);
        QFETCH(QString, error);
        const QString folder = newFolder();
        const QString target = folder + QStringLiteral("out/");
        QDir().mkpath(target);
        QVERIFY(writeArchive(folder + QStringLiteral("bomb.") + kind, entries));
        const QString archive = written(folder + QStringLiteral("bomb.") + kind);
        const ArchiveReader::Result result
            = ArchiveReader::Extract(archive, target, { maxEntries, maxEntrySize, maxTotal });
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        // No file over the limit, and no half-written one, is left.
        qint64 total = 0;
        for (const QString &name : filesBelow(target)) {
            QVERIFY(QFileInfo(target + name).size() <= maxEntrySize);
            total += QFileInfo(target + name).size();
        }
        QVERIFY(total <= maxTotal);
    }

    void aZipBombIsRefusedWithTheDefaultLimits()
    {
        // 300 MB of zeros deflate to a few hundred kilobytes.
        const QString folder = newFolder();
        const QString archive = folder + QStringLiteral("bomb.zip");
        QVERIFY(ArchiveFixtures::WriteZip(archive, { { "zeros.mgx", QByteArray(300 << 20, '\0') } }));
        QVERIFY(QFileInfo(archive).size() < (2 << 20));
        const ArchiveReader::Result result = ArchiveReader::Extract(archive, folder + QStringLiteral("out"));
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(QLatin1String("larger than 256 MB")), qPrintable(result.error));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("out/zeros.mgx")));
    }

    void damagedArchivesSaySo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("logged");

        const EntryList two { { "one.mgx", QByteArray(300, 'a') }, { "two.mgx", QByteArray(300, 'b') } };
        const QByteArray rar = ArchiveFixtures::Rar4(two);
        const QString zipPath = m_env.file(QStringLiteral("model.zip"));
        ArchiveFixtures::WriteZip(zipPath, two, true);
        const QByteArray zip = read(zipPath);

        QByteArray mainHeader = rar;
        mainHeader[ArchiveFixtures::kRar4MainHeaderAt + 8] ^= 0x40;
        QByteArray fileHeader = rar;
        fileHeader[ArchiveFixtures::kRar4FirstFileHeaderAt + ArchiveFixtures::kRar4FileHeaderSize + 1] ^= 0x20;
        QByteArray rarData = rar;
        rarData[ArchiveFixtures::kRar4FirstFileHeaderAt + ArchiveFixtures::kRar4FileHeaderSize + 7 + 10] ^= 0x01;
        QByteArray zipData = zip;
        zipData[zip.indexOf(QByteArray(300, 'b')) + 5] ^= 0x01;

        QTest::newRow("rar-main-header") << "a.rar" << mainHeader << "Archive header broken"
                                         << "Error Opening File: %1\r\nError: Archive header broken";
        QTest::newRow("rar-file-header") << "a.rar" << fileHeader << "File header broken"
                                         << "Error UnRaring... RAR-File: %1\r\nError: File header broken";
        QTest::newRow("rar-stored-data") << "a.rar" << rarData << "CRC error"
                                         << "Error UnRaring... RAR-File: %1\r\nRared-File: one.mgx\r\nError: CRC error";
        QTest::newRow("rar-that-is-a-zip") << "a.rar" << zip << "is not RAR archive"
                                           << "Error: is not RAR archive";
        QTest::newRow("rar-truncated") << "a.rar" << rar.left(rar.size() - 200) << "Read error"
                                       << "RAR-File: %1\r\nRared-File: two.mgx\r\nError: Read error";
        const QByteArray rar5 = ArchiveFixtures::Rar5(two);
        QByteArray rar5Data = rar5;
        rar5Data[rar5.indexOf(QByteArray(300, 'a')) + 10] ^= 0x01;
        QByteArray rar5Header = rar5;
        rar5Header[rar5.indexOf("one.mgx") + 1] ^= 0x20;
        QTest::newRow("rar5-stored-data") << "a.rar" << rar5Data << "CRC error"
                                          << "Error UnRaring... RAR-File: %1\r\nRared-File: one.mgx\r\nError: CRC error";
        QTest::newRow("rar5-file-header") << "a.rar" << rar5Header << "File header broken"
                                          << "Error UnRaring... RAR-File: %1\r\nError: File header broken";
        QTest::newRow("rar5-truncated") << "a.rar" << rar5.left(rar5.size() - 200) << "Read error"
                                        << "RAR-File: %1\r\nRared-File: two.mgx\r\nError: Read error";
        QTest::newRow("zip-cut-end-record") << "a.zip" << zip.left(zip.size() - 10) << "Invalid Zip File"
                                            << "Error Opening Zip File\r\nZip-File: %1\r\nError: Invalid Zip File";
        QTest::newRow("zip-that-is-text") << "a.zip" << QByteArray("not a zip at all") << "Invalid Zip File"
                                          << "Error: Invalid Zip File";
        QTest::newRow("zip-damaged-data")
            << "a.zip" << zipData << "Zipfile is corrupt or not a zipfile"
            << "Error unziping\r\nZip-File: %1\r\nZiped-File: two.mgx\r\nError: Zipfile is corrupt or not a zipfile";
    }

    void damagedArchivesSaySo()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QFETCH(QString, logged);
        const QString folder = newFolder();
        const QString archive = folder + name;
        QVERIFY(ArchiveFixtures::WriteFile(archive, bytes));
        const ArchiveReader::Result result = ArchiveReader::Extract(archive, folder + QStringLiteral("out"));
        QVERIFY(!result.ok);
        QCOMPARE(result.error, error);
        QVERIFY2(TestEnv::logText().contains(QString(logged).replace(QLatin1String("%1"), archive)),
            qPrintable(TestEnv::logText().right(300)));
        // What failed to extract is not left behind half written.
        for (const QString &file : filesBelow(folder + QStringLiteral("out")))
            QVERIFY2(read(folder + QStringLiteral("out/") + file).size() == 300, qPrintable(file));
    }

    void missingAndEmptyArchives()
    {
        const QString folder = newFolder();
        ArchiveReader::Result result = ArchiveReader::Extract(folder + QStringLiteral("none.rar"), folder);
        QCOMPARE(result.error, QStringLiteral("Cannot open"));
        result = ArchiveReader::Extract(folder + QStringLiteral("none.zip"), folder);
        QCOMPARE(result.error, QStringLiteral("Invalid Zip File"));
        QVERIFY(ArchiveFixtures::WriteZip(folder + QStringLiteral("empty.zip"), {}));
        QVERIFY(ArchiveReader::Extract(folder + QStringLiteral("empty.zip"), folder).ok);
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("empty.rar"), ArchiveFixtures::Rar4({})));
        QVERIFY(ArchiveReader::Extract(folder + QStringLiteral("empty.rar"), folder).ok);
    }

    void workDirectoryIsEmptiedOnlyWhenOurs_data()
    {
        QTest::addColumn<QString>("setup"); // what the folder holds before
        QTest::addColumn<bool>("accepted");
        QTest::newRow("missing") << "missing" << true;
        QTest::newRow("empty-without-marker") << "empty" << true;
        QTest::newRow("marked-with-files") << "marked" << true;
        QTest::newRow("files-without-marker") << "unmarked" << false;
        QTest::newRow("marker-is-a-link") << "linked-marker" << false;
    }

    void workDirectoryIsEmptiedOnlyWhenOurs()
    {
        QFETCH(QString, setup);
        QFETCH(bool, accepted);
        const QString outer = newFolder();
        const QString work = outer + QStringLiteral("work/");
        const QString outside = outer + QStringLiteral("keep.txt");
        QVERIFY(ArchiveFixtures::WriteFile(outside, "keep"));
        if (setup != QLatin1String("missing"))
            QDir().mkpath(work + QStringLiteral("sub/inner"));
        if (setup == QLatin1String("empty"))
            QDir(work).removeRecursively(), QDir().mkpath(work);
        if (setup == QLatin1String("marked") || setup == QLatin1String("unmarked")
            || setup == QLatin1String("linked-marker")) {
            QVERIFY(ArchiveFixtures::WriteFile(work + QStringLiteral("old.mgx"), "old"));
            QVERIFY(ArchiveFixtures::WriteFile(work + QStringLiteral("sub/inner/deep.mgx"), "deep"));
            QFile::setPermissions(work + QStringLiteral("old.mgx"), QFile::ReadOwner);
            QVERIFY(QFile::link(outside, work + QStringLiteral("link-to-outside")));
        }
        if (setup == QLatin1String("marked"))
            QVERIFY(ArchiveFixtures::WriteFile(work + QLatin1String(WorkDirectory::kMarkerName), ""));
        if (setup == QLatin1String("linked-marker"))
            QVERIFY(QFile::link(outside, work + QLatin1String(WorkDirectory::kMarkerName)));
        const QStringList before = filesBelow(work);

        const WorkDirectory::Status status = WorkDirectory::Prepare(work);
        QCOMPARE(bool(status), accepted);
        QCOMPARE(read(outside), QByteArray("keep"));
        if (accepted) {
            QVERIFY(WorkDirectory::IsMarked(work));
            QCOMPARE(filesBelow(work), QStringList { QLatin1String(WorkDirectory::kMarkerName) });
            QVERIFY(status.message.isEmpty());
        } else {
            QCOMPARE(filesBelow(work), before);
            QVERIFY(status.message.contains(QDir::toNativeSeparators(work)));
            QVERIFY(TestEnv::logText().contains(status.message));
        }
    }

    void workDirectoryMayNotHoldTheArchiveHomeOrData()
    {
        // Even with the marker: a folder holding these would lose them.
        const QString outer = newFolder();
        QVERIFY(ArchiveFixtures::WriteFile(outer + QLatin1String(WorkDirectory::kMarkerName), ""));
        const QString archive = outer + QStringLiteral("games.zip");
        QVERIFY(ArchiveFixtures::WriteZip(archive, { { "a.mgx", "a" } }));
        const QStringList before = filesBelow(outer);

        const ArchiveReader::OpenResult opened = ArchiveReader::OpenIntoWorkDirectory(archive, outer);
        QVERIFY(!opened.ok);
        QVERIFY2(opened.message.startsWith(QStringLiteral("Error reading Zip File: games.zip\r\nError: ")),
            qPrintable(opened.message));
        QCOMPARE(filesBelow(outer), before);
        for (const QString &folder : { QDir::homePath(), QDir::rootPath(), m_env.path() + QStringLiteral("/home") })
            QVERIFY2(!WorkDirectory::Prepare(folder), qPrintable(folder));
    }

    void openingAnArchiveRefillsTheWorkDirectory()
    {
        const QString folder = newFolder();
        const QString work = folder + QStringLiteral("work/");
        QVERIFY(writeArchive(folder + QStringLiteral("first.zip"), { { "a.mgx", "a" }, { "b.mgx", "b" } }));
        QVERIFY(writeArchive(folder + QStringLiteral("second.rar"), { { "c.mgx", "c" } }));
        QVERIFY(ArchiveReader::OpenIntoWorkDirectory(folder + QStringLiteral("first.zip"), work).ok);
        QCOMPARE(filesBelow(work).size(), 3);
        const ArchiveReader::OpenResult second
            = ArchiveReader::OpenIntoWorkDirectory(folder + QStringLiteral("second.rar"), work);
        QVERIFY(second.ok);
        QCOMPARE(second.extracted, QStringList { QStringLiteral("c.mgx") });
        QCOMPARE(filesBelow(work), (QStringList { QLatin1String(WorkDirectory::kMarkerName), "c.mgx" }));

        QVERIFY(ArchiveFixtures::WriteFile(
            folder + QStringLiteral("broken.rar"), QByteArray("Rar!\x1a\x07\x00garbage", 14)));
        const ArchiveReader::OpenResult broken
            = ArchiveReader::OpenIntoWorkDirectory(folder + QStringLiteral("broken.rar"), work);
        QVERIFY(!broken.ok);
        QCOMPARE(broken.message, QStringLiteral("Error reading RaR File: broken.rar\r\nError: Archive header broken"));
    }

    void zippedFolderKeepsPathsBelowTheBase()
    {
        const QString base = newFolder();
        QDir().mkpath(base + QStringLiteral("games/sub"));
        QVERIFY(ArchiveFixtures::WriteFile(base + QStringLiteral("games/a.mgx"), "a"));
        QVERIFY(ArchiveFixtures::WriteFile(base + QStringLiteral("games/sub/b.mgz"), "b"));
        QVERIFY(ArchiveFixtures::WriteFile(base + QStringLiteral("loose.mgx"), "l"));
        const QString elsewhere = newFolder();
        QVERIFY(ArchiveFixtures::WriteFile(elsewhere + QStringLiteral("loose.mgx"), "other"));

        const QString target = base + QStringLiteral("out.zip");
        const QList<ZipWriter::Source> sources
            = ZipWriter::Collect({ base + QStringLiteral("games"), base + QStringLiteral("loose.mgx"),
                                     elsewhere + QStringLiteral("loose.mgx") },
                base, target);
        const ZipWriter::Result result = ZipWriter::Run({ { target, sources, false } });
        QVERIFY2(result.Succeeded(), qPrintable(result.errorText));
        QStringList contents;
        for (const Entry &e : ArchiveFixtures::ReadZip(target))
            contents << QString::fromUtf8(e.name + '=' + e.data);
        QCOMPARE(
            contents, (QStringList { "games/a.mgx=a", "games/sub/b.mgz=b", "loose.mgx=l", "loose (2).mgx=other" }));
        // Zipping the folder that will hold the archive leaves the archive out.
        QVERIFY(ZipWriter::Run({ { target, ZipWriter::Collect({ base }, base, target), true } }).Succeeded());
        QCOMPARE(ArchiveFixtures::ReadZip(target).size(), 3);
    }

    void failedOrCancelledZipLeavesNoTrace_data()
    {
        QTest::addColumn<bool>("existing"); // a target is there before
        QTest::addColumn<bool>("replace");
        QTest::addColumn<int>("cancelAt"); // -1: no cancel
        QTest::addColumn<bool>("missingSource");
        QTest::addColumn<QString>("error");
        QTest::newRow("cancel-new") << false << false << 1 << false << "";
        QTest::newRow("cancel-overwrite") << true << true << 1 << false << "";
        QTest::newRow("cancel-before-first") << true << true << 0 << false << "";
        QTest::newRow("missing-source-new") << false << false << -1 << true << "Couldn't create/open file";
        QTest::newRow("missing-source-overwrite") << true << true << -1 << true << "Couldn't create/open file";
        QTest::newRow("target-there-not-replaced") << true << false << -1 << false << "Couldn't create/open file";
    }

    void failedOrCancelledZipLeavesNoTrace()
    {
        QFETCH(bool, existing);
        QFETCH(bool, replace);
        QFETCH(int, cancelAt);
        QFETCH(bool, missingSource);
        QFETCH(QString, error);
        const QString folder = newFolder();
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            paths << folder + QStringLiteral("g%1.mgx").arg(i);
            QVERIFY(ArchiveFixtures::WriteFile(paths.last(), QByteArray(1000, char('a' + i))));
        }
        if (missingSource)
            QFile::remove(paths[1]);
        const QString target = folder + QStringLiteral("out/games.zip");
        QDir().mkpath(folder + QStringLiteral("out"));
        if (existing)
            QVERIFY(ArchiveFixtures::WriteZip(target, { { "old.mgx", "old" } }));
        const QByteArray before = read(target);

        std::atomic<bool> cancel { false };
        QList<int> seen;
        const ZipWriter::Result result = ZipWriter::Run(
            { { target, ZipWriter::Collect(paths, folder), replace } }, &cancel, [&](int done, int total) {
                seen << done;
                QCOMPARE(total, 3);
                if (done == cancelAt)
                    cancel = true;
            });
        QCOMPARE(result.cancelled, cancelAt >= 0);
        QCOMPARE(result.errorText, error);
        QCOMPARE(result.archives, 0);
        QCOMPARE(read(target), before);
        QCOMPARE(filesBelow(folder + QStringLiteral("out")),
            existing ? QStringList { QStringLiteral("games.zip") } : QStringList());
        if (!error.isEmpty())
            QVERIFY(TestEnv::logText().contains(QStringLiteral("Error Ziping... Zip-File: ") + target));
    }

    void individualZipsAndTheirNames_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("archive");
        QTest::newRow("recording") << "game.mgx"
                                   << "game.zip";
        QTest::newRow("capitals") << "Game.MGZ"
                                  << "Game.zip";
        QTest::newRow("later-edition") << "g.msx2"
                                       << "g.zip";
        QTest::newRow("other-file") << "notes.txt"
                                    << "notes.txt.zip";
        QTest::newRow("folder") << "season 1"
                                << "season 1.zip";
        QTest::newRow("only-an-extension") << ".mgx"
                                           << ".mgx.zip";
    }

    void individualZipsAndTheirNames()
    {
        QFETCH(QString, file);
        QFETCH(QString, archive);
        QCOMPARE(ZipWriter::ArchiveNameFor(file), archive);
    }

    void zipRoundTripsThroughTheReader()
    {
        // What the writer makes, the reader takes back unchanged, names in
        // UTF-8 included.
        const QString folder = newFolder();
        QByteArray big(3 << 20, '\0');
        for (int i = 0; i < big.size(); ++i)
            big[i] = char((i * 7919) >> 5);
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("Ærø 1v1.mgx"), big));
        QVERIFY(ArchiveFixtures::WriteFile(folder + QStringLiteral("b.mgz"), "b"));
        const QString target = folder + QStringLiteral("both.zip");
        QVERIFY(ZipWriter::Run(
            { { target,
                ZipWriter::Collect(
                    { folder + QStringLiteral("Ærø 1v1.mgx"), folder + QStringLiteral("b.mgz") }, folder),
                false } })
                    .Succeeded());
        const ArchiveReader::Result result = ArchiveReader::Extract(target, folder + QStringLiteral("out"));
        QVERIFY(result.ok);
        QCOMPARE(read(folder + QStringLiteral("out/Ærø 1v1.mgx")), big);
        QCOMPARE(read(folder + QStringLiteral("out/b.mgz")), QByteArray("b"));
    }
};

QTEST_GUILESS_MAIN(TestArchives)
#include "tst_archives.moc"
