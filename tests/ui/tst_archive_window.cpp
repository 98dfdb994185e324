#include "ArchiveFixtures.h"
#include "FixtureWriter.h"
#include "TestEnv.h"
#include "WindowTest.h"

#include "app/LanguageManager.h"
#include "app/Settings.h"
#include "app/WaitJob.h"
#include "catalogue/Catalogue.h"
#include "explorer/WorkDirectory.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ExListView.h"
#include "ui/ExplorerComboBox.h"
#include "ui/FolderNavigation.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/WaitDlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QByteArray duel(const QByteArray &a, const QByteArray &b, int minutes)
{
    return Fixture::Recording(HeaderBuilder::Duel(a, b).build(), BodyBuilder().timeStep(minutes * 60000).build());
}

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The archives in the window: opening a zip or rar row, leaving it, and the
// zip commands with their questions and the wait dialog.
class TestArchiveWindow : public CWindowTest
{
    Q_OBJECT

private:
    QStringList m_messages; // texts of the boxes answered

    QStringList names() const
    {
        QStringList shown;
        for (const CGameRow &row : model().Rows())
            shown << row.fileName;
        return shown;
    }

    void selectRows(const QStringList &rows)
    {
        CExListView *view = m_frame->ListView();
        view->clearSelection();
        for (const QString &name : rows)
            view->selectionModel()->select(
                model().index(model().FindRow(name), 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    void open(const QString &name)
    {
        selectRows({ name });
        m_frame->ListView()->OpenSelected();
    }

    // Answers every message box that opens with button, noting its text.
    void answerBoxes(QMessageBox::StandardButton button)
    {
        auto *timer = new QTimer(m_frame.get());
        connect(timer, &QTimer::timeout, this, [this, button] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_messages << box->text();
                // The static helpers answer with the button clicked.
                if (QAbstractButton *clicked = box->button(button))
                    clicked->click();
                else
                    box->reject();
            }
        });
        timer->start(10);
    }

private slots:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    void init()
    {
        freshSettingsAndFolder();
        m_messages.clear();
    }

    void cleanup()
    {
        CWaitDlg::SetOpenHook({});
        CWaitJob::StopAll();
        m_frame.reset();
    }

    void openingAnArchiveShowsItsRecordingsAndDotDotLeadsBack_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::newRow("zip") << "cup.zip";
        QTest::newRow("rar") << "cup.rar";
    }

    void openingAnArchiveShowsItsRecordingsAndDotDotLeadsBack()
    {
        QFETCH(QString, archive);
        const QList<ArchiveFixtures::Entry> entries { { "readme.txt", "hello" },
            { "final/GAME1.MGX", duel("Ann", "Bob", 21) }, { "GAME2.MGX", duel("Cy", "Di", 34) } };
        QVERIFY(archive.endsWith(QLatin1String(".zip"))
                ? ArchiveFixtures::WriteZip(folderPath() + archive, entries)
                : ArchiveFixtures::WriteFile(folderPath() + archive, ArchiveFixtures::Rar4(entries)));
        QVERIFY(Fixture::Write(folderPath() + "outside.mgx", duel("Ed", "Flo", 5)));
        openWindow(true, QSize(1000, 560));
        QCOMPARE(names(), (QStringList { "..", archive, "outside.mgx" }));
        const QString shots = qEnvironmentVariable("VELLUMCAST_SHOTS");
        if (!shots.isEmpty())
            m_frame->grab().save(shots + QStringLiteral("/archive-row-") + archive.section('.', 1) + ".png");

        open(archive);
        CSettings &settings = CSettings::Instance();
        const QString work = settings.WorkDirectory();
        QVERIFY(settings.BrowsingArchive());
        QCOMPARE(settings.CurrentPath(), work);
        QCOMPARE(settings.ArchiveHomePath(), folderPath());
        QCOMPARE(names(), (QStringList { "..", "GAME1.MGX", "GAME2.MGX" }));
        QCOMPARE(m_frame->FolderBox()->currentText().isEmpty(), false);
        QVERIFY(m_frame->windowTitle().contains(QDir::toNativeSeparators(work)));
        // While browsing, what changes files is not offered.
        selectRows({ "GAME1.MGX" });
        QVERIFY(!action(Cmd::ZipCurrent)->isEnabled());
        // The stored folder is the archive's, so a restart does not open the work directory.
        QCOMPARE(CSettings::OpenStore()->value(QStringLiteral("Settings/CurrentPath")).toString(), folderPath());
        if (!shots.isEmpty() && archive.endsWith(QLatin1String(".zip"))) {
            selectRows({ "GAME2.MGX" });
            m_frame->ListView()->ShowSelected();
            m_frame->grab().save(shots + QStringLiteral("/archive-window.png"));
        }

        // F5 lists the work directory again and stays in the archive.
        action(Cmd::Refresh)->trigger();
        QVERIFY(settings.BrowsingArchive());
        QCOMPARE(names(), (QStringList { "..", "GAME1.MGX", "GAME2.MGX" }));

        open(QStringLiteral(".."));
        QVERIFY(!settings.BrowsingArchive());
        QCOMPARE(settings.CurrentPath(), folderPath());
        QVERIFY(names().contains(archive));

        // Up leaves the archive the same way.
        open(archive);
        QVERIFY(settings.BrowsingArchive());
        m_frame->Navigation()->UpAction()->trigger();
        QVERIFY(!settings.BrowsingArchive());
        QCOMPARE(settings.CurrentPath(), folderPath());
    }

    void aDamagedArchiveChangesNothing()
    {
        QByteArray rar = ArchiveFixtures::Rar4({ { "a.mgx", "a" } });
        rar[ArchiveFixtures::kRar4MainHeaderAt + 9] ^= 0x10;
        QVERIFY(ArchiveFixtures::WriteFile(folderPath() + "bad.rar", rar));
        openWindow(true, QSize(1000, 560));
        const QStringList before = names();
        answerBoxes(QMessageBox::Ok);
        open(QStringLiteral("bad.rar"));
        QCOMPARE(m_messages, QStringList { "Error reading RaR File: bad.rar\r\nError: Archive header broken" });
        QVERIFY(!CSettings::Instance().BrowsingArchive());
        QCOMPARE(CSettings::Instance().CurrentPath(), folderPath());
        QCOMPARE(names(), before);
    }

    void aWorkDirectoryThatIsNotOursIsNotWiped()
    {
        const QString work = m_env.file(QStringLiteral("someones-folder/"));
        QDir().mkpath(work);
        QVERIFY(ArchiveFixtures::WriteFile(work + "letter.txt", "dear"));
        CSettings::Instance().SetWorkDirectory(work);
        QVERIFY(ArchiveFixtures::WriteZip(folderPath() + "cup.zip", { { "a.mgx", duel("Ann", "Bob", 3) } }));
        openWindow(true, QSize(1000, 560));
        CSettings::Instance().SetWorkDirectory(work);
        answerBoxes(QMessageBox::Ok);
        open(QStringLiteral("cup.zip"));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(
            m_messages.first().contains(QStringLiteral("not created by this program")), qPrintable(m_messages.first()));
        QCOMPARE(read(work + "letter.txt"), QByteArray("dear"));
        QVERIFY(!QFile::exists(work + "a.mgx"));
        QVERIFY(!CSettings::Instance().BrowsingArchive());
    }

    void zipInTheCurrentFolderAsksBeforeReplacing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
    }

    void zipInTheCurrentFolderAsksBeforeReplacing()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        QVERIFY(Fixture::Write(folderPath() + "final.mgx", duel("Ann", "Bob", 9)));
        openWindow(true, QSize(1000, 560));
        selectRows({ "final.mgx" });
        QVERIFY(action(Cmd::ZipCurrent)->isEnabled());
        QStringList counters;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) {
            counters << dialog.windowTitle();
            connect(&dialog, &CWaitDlg::counterChanged, this, [&](const QString &text) { counters << text; });
        });
        action(Cmd::ZipCurrent)->trigger();
        QVERIFY(names().contains(QStringLiteral("final.zip")));
        QCOMPARE(ArchiveFixtures::ReadZip(folderPath() + "final.zip").size(), 1);
        QCOMPARE(counters.first(), QStringLiteral("Please wait..."));

        QVERIFY(ArchiveFixtures::WriteZip(folderPath() + "final.zip", { { "old.mgx", "old" } }));
        const QByteArray before = read(folderPath() + "final.zip");
        answerBoxes(QMessageBox::StandardButton(answer));
        selectRows({ "final.mgx" });
        action(Cmd::PopupZipCurrent)->trigger();
        QCOMPARE(m_messages, QStringList { "The file already exists. confirm overwrite?" });
        QCOMPARE(read(folderPath() + "final.zip") != before, replaced);
        QCOMPARE(ArchiveFixtures::ReadZip(folderPath() + "final.zip").first().name,
            replaced ? QByteArray("final.mgx") : QByteArray("old.mgx"));
    }

    void individualZipsAskPerFile()
    {
        for (const char *name : { "a.mgx", "b.mgx", "c.mgz" })
            QVERIFY(Fixture::Write(folderPath() + name, duel(name, "Bob", 9)));
        QVERIFY(ArchiveFixtures::WriteZip(folderPath() + "b.zip", { { "old.mgx", "old" } }));
        openWindow(true, QSize(1000, 560));
        selectRows({ "a.mgx", "b.mgx", "c.mgz" });
        QVERIFY(action(Cmd::ZipEachCurrent)->isEnabled());
        answerBoxes(QMessageBox::No);
        action(Cmd::ZipEachCurrent)->trigger();
        QCOMPARE(m_messages, QStringList { "the file \"b.zip\" already exists\r\nYou Confirm overwrite?" });
        QCOMPARE(ArchiveFixtures::ReadZip(folderPath() + "a.zip").first().name, QByteArray("a.mgx"));
        QCOMPARE(ArchiveFixtures::ReadZip(folderPath() + "b.zip").first().name, QByteArray("old.mgx"));
        QCOMPARE(ArchiveFixtures::ReadZip(folderPath() + "c.zip").first().name, QByteArray("c.mgz"));
        QVERIFY(names().contains(QStringLiteral("c.zip")));
    }

    void cancelLeavesNoArchiveAndTheOldOneIntact_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new") << false;
        QTest::newRow("overwrite") << true;
    }

    void cancelLeavesNoArchiveAndTheOldOneIntact()
    {
        QFETCH(bool, existing);
        // Random bytes deflate slowly enough for Cancel to arrive first.
        QDir().mkpath(folderPath() + "season");
        for (int i = 0; i < 3; ++i) {
            QByteArray noise(6 << 20, '\0');
            QRandomGenerator(i).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
            QVERIFY(Fixture::Write(folderPath() + QStringLiteral("season/g%1.mgx").arg(i), noise));
        }
        if (existing)
            QVERIFY(ArchiveFixtures::WriteZip(folderPath() + "season.zip", { { "old.mgx", "old" } }));
        const QByteArray before = read(folderPath() + "season.zip");
        openWindow(true, QSize(1000, 560));
        answerBoxes(QMessageBox::Yes);
        bool cancelled = false;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) {
            connect(&dialog, &CWaitDlg::counterChanged, &dialog, [&] {
                cancelled = true;
                dialog.reject();
            });
        });
        selectRows({ "season" });
        action(Cmd::ZipCurrent)->trigger();
        QVERIFY(cancelled);
        QCOMPARE(read(folderPath() + "season.zip"), before);
        QCOMPARE(QDir(folderPath()).entryList({ "*.zip*" }, QDir::Files | QDir::Hidden),
            existing ? QStringList { "season.zip" } : QStringList());
    }
};

QTEST_MAIN(TestArchiveWindow)
#include "tst_archive_window.moc"
