#include "FixtureWriter.h"
#include "TestEnv.h"
#include "WindowTest.h"

#include "app/LanguageManager.h"
#include "app/Log.h"
#include "app/Settings.h"
#include "app/WaitJob.h"
#include "catalogue/Catalogue.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ConfigPage.h"
#include "ui/Configuration.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/ExplorerComboBox.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/WaitDlg.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QByteArray duel(const QByteArray &a, const QByteArray &b, int minutes, int mapId = 9)
{
    HeaderBuilder header = HeaderBuilder::Duel(a, b);
    header.mapId = mapId;
    return Fixture::Recording(header.build(), BodyBuilder().timeStep(minutes * 60000).build());
}

// Gives a file the same write and access time, minutes after a fixed moment.
bool setDate(const QString &path, int minutes)
{
    const QDateTime when = QDateTime(QDate(2007, 4, 21), QTime(15, 33)).addSecs(minutes * 60);
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime)
        && file.setFileTime(when, QFileDevice::FileAccessTime);
}

QStringList columnTexts(const CGameListModel &model, int column)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.index(r, column).data().toString();
    return texts;
}

QString logText()
{
    return TestEnv::logText();
}

} // namespace

class TestExplorerWindow : public CWindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<QAbstractItemModelTester> m_tester;

    // A fresh window listing a fresh folder.
    void openWindow()
    {
        m_languages = std::make_unique<CLanguageManager>(qEnvironmentVariable("VELLUMCAST_TRANSLATIONS"));
        m_frame = std::make_unique<CMainFrame>(m_languages.get());
        m_tester = std::make_unique<QAbstractItemModelTester>(
            &model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        CSettings::Instance().SetCurrentPath(folderPath());
        m_frame->InitialFill();
        m_frame->show();
    }

    void select(const QString &name) { QVERIFY(m_frame->ListView()->SelectFile(name)); }

    void selectRows(const QStringList &names)
    {
        CExListView *view = m_frame->ListView();
        view->clearSelection();
        for (const QString &name : names)
            view->selectionModel()->select(
                model().index(model().FindRow(name), 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // Runs a modal step and answers the dialog it opens with answer.
    void onNextModal(std::function<void(QWidget *)> answer)
    {
        QTimer::singleShot(0, this, [answer] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal)
                answer(modal);
        });
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    void init()
    {
        freshSettingsAndFolder();
    }

    void cleanup()
    {
        CWaitDlg::SetOpenHook({});
        m_tester.reset();
        m_frame.reset();
    }

    void listing_data()
    {
        QTest::addColumn<bool>("zip");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("files");
        QTest::addRow("archives listed") << true << QStringList { "..", "sub", "game.mgx", "LOUD.MGX", "pack.zip" }
                                         << " Files: 3 ";
        QTest::addRow("zip listing off") << false << QStringList { "..", "sub", "game.mgx", "LOUD.MGX" }
                                         << " Files: 2 ";
    }
    void listing()
    {
        QFETCH(bool, zip);
        QFETCH(QStringList, names);
        QFETCH(QString, files);
        QVERIFY(QDir(folderPath()).mkdir(QStringLiteral("sub")));
        QVERIFY(Fixture::Write(folderPath() + "game.mgx", duel("Ann", "Bob", 5)));
        QVERIFY(Fixture::Write(folderPath() + "LOUD.MGX", duel("Cy", "Di", 6)));
        QVERIFY(Fixture::Write(folderPath() + "pack.zip", "PK\x05\x06"));
        QVERIFY(Fixture::Write(folderPath() + "notes.txt", "not listed"));
        CSettings::Instance().analyzeZip = zip;
        openWindow();

        QStringList shown = columnTexts(model(), CGameListModel::Name);
        // Folders first with ".." on top; the files in name order after them.
        QCOMPARE(shown.mid(0, 2), names.mid(0, 2));
        shown = shown.mid(2);
        QStringList expectedFiles = names.mid(2);
        std::sort(expectedFiles.begin(), expectedFiles.end());
        QCOMPARE(shown, expectedFiles);
        QCOMPARE(m_frame->FilesPaneText(), files);
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 0 "));
        // Nothing is known yet: only name and date.
        const int game = model().FindRow(QStringLiteral("game.mgx"));
        QVERIFY(model().index(game, CGameListModel::View).data().toString().isEmpty());
        QVERIFY(!model().index(game, CGameListModel::Date).data().toString().isEmpty());
    }

    void refreshListsTheFolderAgain()
    {
        QVERIFY(Fixture::Write(folderPath() + "first.mgx", duel("Ann", "Bob", 5)));
        openWindow();
        QVERIFY(Fixture::Write(folderPath() + "second.mgx", duel("Cy", "Di", 5)));
        QStringList titles;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) { titles << dialog.windowTitle(); });
        action(Cmd::Refresh)->trigger();
        QCOMPARE(titles, QStringList { "Please wait..." });
        QCOMPARE(columnTexts(model(), CGameListModel::Name), (QStringList { "..", "first.mgx", "second.mgx" }));
        QCOMPARE(m_frame->FilesPaneText(), QStringLiteral(" Files: 2 "));
    }

    void watchedFolderShowsNewRecordingsAndDropsDeletedOnes_data()
    {
        QTest::addColumn<bool>("watch");
        QTest::newRow("watched") << true;
        QTest::newRow("watch turned off") << false;
    }
    void watchedFolderShowsNewRecordingsAndDropsDeletedOnes()
    {
        QFETCH(bool, watch);
        CSettings::Instance().watchFolder = watch;
        QVERIFY(Fixture::Write(folderPath() + "first.mgx", duel("Ann", "Bob", 5)));
        openWindow();
        QVERIFY(Fixture::Write(folderPath() + "saved.mgx", duel("Cy", "Di", 5)));
        QVERIFY(QFile::remove(folderPath() + "first.mgx"));
        if (!watch) {
            QTest::qWait(3000);
            QCOMPARE(columnTexts(model(), CGameListModel::Name), (QStringList { "..", "first.mgx" }));
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(columnTexts(model(), CGameListModel::Name), (QStringList { "..", "saved.mgx" }), 10000);
        QCOMPARE(model().Row(model().FindRow("saved.mgx")).viewName, QStringLiteral("Cy"));
        QCOMPARE(m_frame->FilesPaneText(), QStringLiteral(" Files: 1 "));
    }

    void selectingAnUnknownRecordingStoresAndShowsIt()
    {
        REQUIRE_CORPUS();
        QVERIFY(QFile::copy(TestEnv::corpusFile(QStringLiteral("coop.mgx")), folderPath() + "coop.mgx"));
        openWindow();
        select(QStringLiteral("coop.mgx"));
        QTRY_COMPARE(m_frame->FormView()->ShownFile(), QStringLiteral("coop.mgx"));

        const int row = model().FindRow(QStringLiteral("coop.mgx"));
        QCOMPARE(model().index(row, CGameListModel::Map).data().toString(), QStringLiteral("Dry Arabia"));
        QCOMPARE(model().index(row, CGameListModel::Players).data().toString(), QStringLiteral("1 vs 1"));
        QCOMPARE(model().index(row, CGameListModel::Duration).data().toString(), QStringLiteral("00:39:30"));
        QVERIFY(!model().index(row, CGameListModel::View).data().toString().isEmpty());
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 1 "));

        const CExFormView *form = m_frame->FormView();
        QCOMPARE(form->FieldText(QStringLiteral("map")), QStringLiteral("Dry Arabia"));
        QCOMPARE(form->FieldText(QStringLiteral("duration")), QStringLiteral("00:39:30"));
        QCOMPARE(form->FieldText(QStringLiteral("players")), QStringLiteral("1 vs 1"));
        QCOMPARE(form->FieldText(QStringLiteral("platform")), QStringLiteral("GP RM"));
        QCOMPARE(form->FieldText(QStringLiteral("version")), QStringLiteral("HD Edition (save 12.10)"));
        QCOMPARE(form->FieldText(QStringLiteral("spectators")), QString());
        QStringList everyone = form->TeamNames(0) + form->TeamNames(1);
        everyone.sort();
        QCOMPARE(everyone, (QStringList { "Hussa! Hussa!", "Maxmoll", "SbS | Yolo | Cong", "The_Flash" }));
        QVERIFY(form->TeamNames(0).contains(form->FieldText(QStringLiteral("view"))));
        for (const QString &line : form->TeamLines(0) + form->TeamLines(1))
            QVERIFY2(line.contains(QLatin1String(" - Rating: ")), qPrintable(line));
        QVERIFY(form->MinimapHasTerrain());

        // A new listing takes the columns from the catalogue.
        m_frame->ListView()->Refresh(false);
        QCOMPARE(model().index(model().FindRow(QStringLiteral("coop.mgx")), CGameListModel::Map).data().toString(),
            QStringLiteral("Dry Arabia"));
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 1 "));
    }

    // Casters watch a tournament game: the pane lists them apart, the match
    // stays a duel, and shown again from the catalogue nothing changes.
    void spectatorsShownApart()
    {
        REQUIRE_CORPUS();
        const QString name = QStringLiteral("hd-casters.mgx2");
        QVERIFY(QFile::copy(TestEnv::corpusFile(name), folderPath() + name));
        for (int pass = 0; pass < 2; ++pass) {
            openWindow();
            select(name);
            QTRY_COMPARE(m_frame->FormView()->ShownFile(), name);
            const CExFormView *form = m_frame->FormView();
            QCOMPARE(form->FieldText(QStringLiteral("players")), QStringLiteral("1 vs 1"));
            QCOMPARE(form->FieldText(QStringLiteral("spectators")), QStringLiteral("ZeroEmpires, Resonance22"));
            QCOMPARE(form->FieldText(QStringLiteral("version")), QStringLiteral("HD Edition (save 12.20)"));
            QStringList everyone = form->TeamNames(0) + form->TeamNames(1);
            everyone.sort();
            QCOMPARE(everyone, (QStringList { "[TheJedi]HallisYoScholar", "_Spring_" }));
            QVERIFY(form->MinimapHasTerrain());
            const QString shots = qEnvironmentVariable("VELLUMCAST_SHOTS");
            if (!shots.isEmpty() && pass == 0)
                m_frame->grab().save(shots + QStringLiteral("/detail-pane.png"));
            m_tester.reset();
            m_frame.reset();
        }
    }

    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        for (int c = 0; c < CGameListModel::ColumnCount; ++c) {
            QTest::addRow("column %d ascending", c + 1) << c << false;
            QTest::addRow("column %d descending", c + 1) << c << true;
        }
    }
    void sorting()
    {
        QFETCH(int, column);
        QFETCH(bool, descending);
        QVERIFY(QDir(folderPath()).mkdir(QStringLiteral("zeta")));
        QVERIFY(QDir(folderPath()).mkdir(QStringLiteral("alpha")));
        // Every column orders the three stored games differently from their names.
        QVERIFY(Fixture::Write(folderPath() + "b.mgx", duel("Zed", "Amy", 30, 10)));
        QVERIFY(Fixture::Write(folderPath() + "a.mgx", duel("Moe", "Kim", 10, 11)));
        QVERIFY(Fixture::Write(folderPath() + "c.mgx", duel("Abe", "Lou", 20, 9)));
        QVERIFY(Fixture::Write(folderPath() + "unknown.mgx", duel("Yan", "Ola", 40)));
        QVERIFY(setDate(folderPath() + "b.mgx", 5) && setDate(folderPath() + "a.mgx", 9));
        QVERIFY(setDate(folderPath() + "c.mgx", 1) && setDate(folderPath() + "unknown.mgx", 3));
        openWindow();
        for (const char *name : { "a.mgx", "b.mgx", "c.mgx" }) {
            select(QString::fromLatin1(name));
            QTRY_COMPARE(m_frame->FormView()->ShownFile(), QString::fromLatin1(name));
        }
        m_frame->ListView()->clearSelection();

        QHeaderView *header = m_frame->ListView()->header();
        const int clicks = (column == CGameListModel::Name ? 0 : 1) + (descending ? 1 : 0);
        // Name starts ascending; another column needs one click, a reversal one more.
        for (int i = 0; i < clicks; ++i)
            emit header->sectionClicked(column);
        QCOMPARE(model().SortKey(), descending ? -(column + 1) : column + 1);
        QCOMPARE(header->sortIndicatorSection(), column);

        const QStringList names = columnTexts(model(), CGameListModel::Name);
        // Folders stay on top with ".." first; between themselves they follow the direction.
        QCOMPARE(names.mid(0, 3),
            descending && column == CGameListModel::Name ? (QStringList { "..", "zeta", "alpha" })
                                                         : (QStringList { "..", "alpha", "zeta" }));
        QList<QVariant> known;
        for (int r = 3; r < model().rowCount(); ++r) {
            const bool isKnown = model().Row(r).IsKnown();
            if (isKnown)
                known << model().index(r, column).data(CGameListModel::SortRole);
            if (column >= CGameListModel::View && column <= CGameListModel::Duration && !isKnown)
                QCOMPARE(r, model().rowCount() - 1); // the unknown file sorts last, both ways
        }
        // Players ties (all duels): those fall back to names in ascending order.
        for (int i = 1; i < known.size(); ++i) {
            const QPartialOrdering order = QVariant::compare(known.at(i - 1), known.at(i));
            const bool ok = order == QPartialOrdering::Equivalent
                || (descending ? order == QPartialOrdering::Greater : order == QPartialOrdering::Less);
            QVERIFY2(ok, qPrintable(names.join(QLatin1Char(','))));
        }
        if (column == CGameListModel::Players)
            QCOMPARE(names.mid(3, 3), (QStringList { "a.mgx", "b.mgx", "c.mgx" }));
    }

    void commandStates_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("archive");
        QTest::addColumn<bool>("gameCommands");
        QTest::addColumn<bool>("copy");
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("rename");
        QTest::addRow("nothing") << QStringList {} << false << false << false << false << false;
        QTest::addRow("parent") << QStringList { ".." } << false << false << false << false << false;
        QTest::addRow("one folder") << QStringList { "sub" } << false << false << true << true << true;
        QTest::addRow("one stored game") << QStringList { "known.mgx" } << false << true << true << true << true;
        QTest::addRow("several rows") << QStringList { "known.mgx", "sub" } << false << false << true << true << false;
        QTest::addRow("browsing an archive") << QStringList { "known.mgx" } << true << true << true << false << false;
    }
    void commandStates()
    {
        QFETCH(QStringList, rows);
        QFETCH(bool, archive);
        QFETCH(bool, gameCommands);
        QFETCH(bool, copy);
        QFETCH(bool, move);
        QFETCH(bool, rename);
        QVERIFY(QDir(folderPath()).mkdir(QStringLiteral("sub")));
        QVERIFY(Fixture::Write(folderPath() + "known.mgx", duel("Ann", "Bob", 5)));
        openWindow();
        select(QStringLiteral("known.mgx"));
        QTRY_VERIFY(model().Row(model().FindRow(QStringLiteral("known.mgx"))).IsKnown());
        CSettings::Instance().SetBrowsingArchive(archive);
        selectRows(rows);

        const CommandState state = m_frame->ListView()->State();
        QCOMPARE(state.gameCommands, gameCommands);
        QCOMPARE(state.copy, copy);
        QCOMPARE(state.move, move);
        QCOMPARE(state.rename, rename);
        for (int id : { Cmd::Reanalyze, Cmd::PopupReanalyze, Cmd::PlatformGpDm, Cmd::PopupPlatformIp })
            QCOMPARE(action(id)->isEnabled(), gameCommands);
        // Always available, whatever is selected; never available: ChinaZone,
        // and the commands whose work this window does not do yet.
        for (int id : { Cmd::Refresh, Cmd::FullScan, Cmd::Configuration, Cmd::ChangeFolder, Cmd::Exit, Cmd::Search })
            QVERIFY(action(id)->isEnabled());
        for (int id : { Cmd::PlatformChinaZone, Cmd::PopupPlatformChinaZone })
            QVERIFY(!action(id)->isEnabled());
        QCOMPARE(action(Cmd::CopyAsk)->isEnabled(), copy);
        QCOMPARE(action(Cmd::MoveAsk)->isEnabled(), move);
        CSettings::Instance().SetBrowsingArchive(false);
    }

    void popupMenuOrder()
    {
        openWindow();
        QMenu menu;
        m_frame->FillPopupMenu(&menu);
        QStringList titles;
        for (QAction *a : menu.actions())
            titles << (a->menu() ? a->menu()->title() : a->text());
        QCOMPARE(titles,
            (QStringList { "&Rename ...", "&Move to ...", "&Copy to ...", "Delete", "&Add to a Zip File",
                "Add to a Zip as Individual Files", "Re-Analyze Recorded Game Info", "Refresh Ratings",
                "Change Platform", "Edit Players Info", "Refresh", "Copy description to the Clipboard" }));
        QCOMPARE(action(Cmd::Reanalyze)->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(action(Cmd::CopyDescription)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        QCOMPARE(action(Cmd::Refresh)->toolTip(), QStringLiteral("Refresh file list"));
    }

    void reanalysis()
    {
        QVERIFY(Fixture::Write(folderPath() + "game.mgx", duel("Ann", "Bob", 5)));
        QVERIFY(Fixture::Write(folderPath() + "gone.mgx", duel("Cy", "Di", 5)));
        openWindow();
        for (const char *name : { "game.mgx", "gone.mgx" }) {
            select(QString::fromLatin1(name));
            QTRY_COMPARE(m_frame->FormView()->ShownFile(), QString::fromLatin1(name));
        }
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 2 "));

        select(QStringLiteral("game.mgx"));
        const int before = model().Row(model().FindRow(QStringLiteral("game.mgx"))).catalogueId;
        action(Cmd::Reanalyze)->trigger();
        const CGameRow again = model().Row(model().FindRow(QStringLiteral("game.mgx")));
        QVERIFY(again.IsKnown());
        QVERIFY(again.catalogueId != before);
        QCOMPARE(m_frame->FormView()->ShownFile(), QStringLiteral("game.mgx"));

        // A file that disappeared loses its entry and its columns.
        select(QStringLiteral("gone.mgx"));
        QVERIFY(QFile::remove(folderPath() + "gone.mgx"));
        action(Cmd::Reanalyze)->trigger();
        const int gone = model().FindRow(QStringLiteral("gone.mgx"));
        QVERIFY(!model().Row(gone).IsKnown());
        QVERIFY(model().index(gone, CGameListModel::Map).data().toString().isEmpty());
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 1 "));
        QVERIFY(!m_frame->FormView()->IsShowingGame());
    }

    void fullScanWithADamagedFile()
    {
        QVERIFY(Fixture::Write(folderPath() + "1.mgx", duel("Ann", "Bob", 5)));
        QVERIFY(Fixture::Write(folderPath() + "2.mgx", QByteArray(64, 'x')));
        QVERIFY(Fixture::Write(folderPath() + "3.mgx", duel("Cy", "Di", 7)));
        openWindow();
        Log::Clear();
        QStringList counters;
        int dialogs = 0;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) {
            ++dialogs;
            connect(&dialog, &CWaitDlg::counterChanged, this, [&](const QString &text) { counters << text; });
        });
        // The scan ends by saying which files it could not read.
        QString report;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&report] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                report = box->text() + QLatin1Char('|') + box->detailedText();
                box->accept();
            }
        });
        answer.start(20);
        action(Cmd::FullScan)->trigger();
        answer.stop();
        QVERIFY2(report.startsWith(QStringLiteral("1 recording could not be read.|2.mgx: ")), qPrintable(report));
        QVERIFY(model().Row(model().FindRow(QStringLiteral("2.mgx"))).IsUnreadable());
        QCOMPARE(dialogs, 1);
        QCOMPARE(counters, (QStringList { "33% ( 1 of 3 Files)", "66% ( 2 of 3 Files)" }));
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 2 "));
        QCOMPARE(logText().count(QStringLiteral("FS ERROR WITH MGX: FILE: ")), 1);
        QVERIFY(logText().contains(QStringLiteral("2.mgx")));
        QVERIFY(!model().Row(model().FindRow(QStringLiteral("2.mgx"))).IsKnown());
        QVERIFY(!model()
                     .index(model().FindRow(QStringLiteral("3.mgx")), CGameListModel::Duration)
                     .data()
                     .toString()
                     .isEmpty());

        // Everything known now: no worker, no dialog.
        QVERIFY(QFile::remove(folderPath() + "2.mgx"));
        m_frame->ListView()->Refresh(false);
        action(Cmd::FullScan)->trigger();
        QCOMPARE(dialogs, 1);
        QCOMPARE(m_frame->statusBar()->currentMessage(),
            QStringLiteral("Every recording of this folder is already in the catalogue."));
    }

    void fullScanCancelled()
    {
        constexpr int kFiles = 12;
        for (int i = 0; i < kFiles; ++i)
            QVERIFY(Fixture::Write(
                folderPath() + QStringLiteral("g%1.mgx").arg(i, 2, 10, QLatin1Char('0')), duel("Ann", "Bob", i + 1)));
        openWindow();
        CWaitDlg::SetOpenHook(
            [&](CWaitDlg &dialog) { connect(&dialog, &CWaitDlg::counterChanged, &dialog, &QDialog::reject); });
        action(Cmd::FullScan)->trigger();
        // The worker stops after the file it was reading; the rows it stored
        // before stopping still arrive, and the counter follows them.
        auto knownRows = [this] {
            int known = 0;
            for (const CGameRow &row : model().Rows())
                known += row.IsKnown() ? 1 : 0;
            return known;
        };
        QTRY_VERIFY(logText().contains(QStringLiteral("FS - CANCELED")));
        // How far the worker got before it saw the stop flag depends on the
        // machine; the counter must agree with the rows either way.
        QTRY_COMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: %1 ").arg(knownRows()));
        CWaitJob::StopAll();
        QCoreApplication::processEvents();
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: %1 ").arg(knownRows()));
        QVERIFY(knownRows() >= 1);
    }

    void openingFolders()
    {
        QVERIFY(QDir(folderPath()).mkpath(QStringLiteral("sub/deeper")));
        QVERIFY(Fixture::Write(folderPath() + "sub/inside.mgx", duel("Ann", "Bob", 5)));
        openWindow();
        select(QStringLiteral("sub"));
        emit m_frame->ListView()->activated(m_frame->ListView()->currentIndex());
        QCOMPARE(columnTexts(model(), CGameListModel::Name), (QStringList { "..", "deeper", "inside.mgx" }));
        QCOMPARE(CSettings::Instance().CurrentPath(), folderPath() + "sub/");
        QCOMPARE(
            CSettings::OpenStore()->value(QStringLiteral("Settings/CurrentPath")).toString(), folderPath() + "sub/");
        QCOMPARE(m_frame->FolderBox()->currentText(), QDir::toNativeSeparators(folderPath() + "sub/"));
        QCOMPARE(m_frame->FilesPaneText(), QStringLiteral(" Files: 1 "));

        select(QStringLiteral(".."));
        emit m_frame->ListView()->activated(m_frame->ListView()->currentIndex());
        QCOMPARE(CSettings::Instance().CurrentPath(), folderPath());
        QCOMPARE(columnTexts(model(), CGameListModel::Name), (QStringList { "..", "sub" }));
    }

    void folderBoxEntries()
    {
        const QString saveGames = m_env.file(QStringLiteral("SaveGame/"));
        QVERIFY(QDir().mkpath(saveGames));
        QVERIFY(Fixture::Write(saveGames + "saved.mgx", duel("Ann", "Bob", 5)));
        CSettings::Instance().SetSaveGameFolder(saveGames);
        openWindow();
        CExplorerComboBox *box = m_frame->FolderBox();
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << box->itemText(i);
        // The current folder is not one of the fixed places, so it is shown first.
        QCOMPARE(entries.mid(0, 6),
            (QStringList {
                QDir::toNativeSeparators(folderPath()), "Home", "Desktop", "Documents", "SaveGames", "Computer" }));
        QCOMPARE(entries.last(), QStringLiteral("Browse..."));

        emit box->activated(entries.indexOf(QStringLiteral("SaveGames")));
        QCOMPARE(CSettings::Instance().CurrentPath(), saveGames);
        QCOMPARE(columnTexts(model(), CGameListModel::Name), (QStringList { "..", "saved.mgx" }));
        QCOMPARE(box->itemText(box->currentIndex()), QStringLiteral("SaveGames"));
        // The box shows the path itself, ready to be typed over.
        QCOMPARE(box->currentText(), QDir::toNativeSeparators(saveGames));
        // Listing the SaveGame folder: nothing can be moved or copied there.
        select(QStringLiteral("saved.mgx"));
        QTRY_VERIFY(m_frame->FormView()->IsShowingGame());
        CommandContext context;
        context.inSaveGameFolder = true;
        QVERIFY(!IsCommandEnabled(Cmd::MoveSaveGame, m_frame->ListView()->State(), context));
    }

    void changingThePlatform()
    {
        QVERIFY(Fixture::Write(folderPath() + "game.mgx", duel("Ann", "Bob", 5)));
        openWindow();
        select(QStringLiteral("game.mgx"));
        QTRY_COMPARE(m_frame->FormView()->FieldText(QStringLiteral("platform")), QStringLiteral("GP RM"));
        auto game = [this]() -> const CGameRow & { return model().Row(model().FindRow(QStringLiteral("game.mgx"))); };
        const int stored = game().catalogueId;
        QVERIFY(stored > 0);

        action(Cmd::PlatformIp)->trigger();
        QCOMPARE(game().platform, 3);
        QVERIFY(game().catalogueId != stored);
        const CExFormView *form = m_frame->FormView();
        QCOMPARE(form->FieldText(QStringLiteral("platform")), QStringLiteral("IP"));
        QCOMPARE(form->FieldText(QStringLiteral("rating")), QStringLiteral("-"));
        for (const QString &line : form->TeamLines(0) + form->TeamLines(1))
            QVERIFY2(!line.contains(QLatin1String("Rating")), qPrintable(line));

        QVERIFY(!form->PlatformLogoShown());
        action(Cmd::PopupPlatformZone)->trigger();
        QCOMPARE(form->FieldText(QStringLiteral("platform")), QStringLiteral("Zone"));
        QVERIFY(form->PlatformLogoShown());
        action(Cmd::PlatformIp)->trigger();

        // The platform it already has: nothing is stored anew.
        const int onIp = game().catalogueId;
        action(Cmd::PopupPlatformIp)->trigger();
        QCOMPARE(game().catalogueId, onIp);
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 1 "));
    }

    void cancelledPlatformChangeStillReachesTheRow()
    {
        QVERIFY(Fixture::Write(folderPath() + "game.mgx", duel("Ann", "Bob", 5)));
        openWindow();
        select(QStringLiteral("game.mgx"));
        QTRY_VERIFY(m_frame->FormView()->IsShowingGame());
        CWaitDlg::SetOpenHook([](CWaitDlg &dialog) { QTimer::singleShot(0, &dialog, &QDialog::reject); });
        action(Cmd::PlatformGpDm)->trigger();
        // The game was filed anew whether or not the dialog saw it finish;
        // the row must not keep the id of the entry that was deleted.
        const int row = model().FindRow(QStringLiteral("game.mgx"));
        QTRY_COMPARE(model().Row(row).platform, 2);
        QTRY_COMPARE(m_frame->FormView()->FieldText(QStringLiteral("platform")), QStringLiteral("GP DM"));
        CWaitJob::StopAll();
    }

    void columnLayoutIsKept()
    {
        QVERIFY(Fixture::Write(folderPath() + "game.mgx", duel("Ann", "Bob", 5)));
        openWindow();
        QHeaderView *header = m_frame->ListView()->header();
        header->resizeSection(CGameListModel::Map, 211);
        header->moveSection(header->visualIndex(CGameListModel::Date), 0);
        emit header->sectionClicked(CGameListModel::Duration);
        emit header->sectionClicked(CGameListModel::Duration);
        m_frame->close();
        m_tester.reset();
        m_frame.reset();

        openWindow();
        header = m_frame->ListView()->header();
        QCOMPARE(header->sectionSize(CGameListModel::Map), 211);
        QCOMPARE(header->visualIndex(CGameListModel::Date), 0);
        QCOMPARE(model().SortKey(), -(CGameListModel::Duration + 1));
    }

    void languageMenuListsTheTranslations()
    {
        openWindow();
        QMenu *language = nullptr;
        for (QMenu *menu : m_frame->findChildren<QMenu *>())
            if (menu->title() == QLatin1String("Language"))
                language = menu;
        QVERIFY(language);
        emit language->aboutToShow();
        QStringList entries;
        for (QAction *a : language->actions())
            entries << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
        QCOMPARE(entries.size(), 2);
        QVERIFY2(entries.front().endsWith(QLatin1String(" *")), qPrintable(entries.join(QLatin1Char(','))));
        QVERIFY(entries.back().startsWith(QStringLiteral("español")));
    }

    void configurationRoundTrip()
    {
        openWindow();
        onNextModal([](QWidget *modal) {
            auto *sheet = qobject_cast<CConfiguration *>(modal);
            QVERIFY(sheet);
            sheet->findChild<QCheckBox *>(QStringLiteral("showChat"))->setChecked(false);
            sheet->Tabs()->setCurrentIndex(2);
            sheet->findChild<QLineEdit *>(QStringLiteral("collision"))->setText(QStringLiteral(" Match "));
            sheet->accept();
        });
        action(Cmd::Configuration)->trigger();
        QVERIFY(!CSettings::Instance().showChat);
        QCOMPARE(CSettings::Instance().CollisionText(), QStringLiteral(" Match %d"));
        QCOMPARE(CSettings::OpenStore()->value(QStringLiteral("Settings/ShowChat")).toInt(), 0);

        // Shown again without the number.
        CConfiguration again;
        again.Tabs()->setCurrentIndex(2);
        again.Page(2)->EnsureInitialised();
        QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("collision"))->text(), QStringLiteral(" Match "));
    }

    // The General page's check box shows the watch setting and sets it.
    void watchCheckBoxFollowsTheSetting()
    {
        for (const bool watch : { true, false }) {
            CSettings::Instance().watchFolder = watch;
            CConfiguration sheet;
            sheet.Page(0)->EnsureInitialised();
            auto *box = sheet.findChild<QCheckBox *>(QStringLiteral("watchFolder"));
            QVERIFY(box);
            QCOMPARE(box->isChecked(), watch);
            const QString shots = qEnvironmentVariable("VELLUMCAST_SHOTS");
            if (!shots.isEmpty() && watch) {
                sheet.resize(sheet.sizeHint());
                sheet.grab().save(shots + QStringLiteral("/configuration-general.png"));
            }
            box->setChecked(!watch);
            sheet.accept();
            QCOMPARE(CSettings::Instance().watchFolder.load(), !watch);
        }
    }

    void unshownPagesChangeNothing()
    {
        CSettings::Instance().SetDateFormat(QStringLiteral("%H:%M only"));
        CSettings::Instance().deleteDirectly = true;
        CConfiguration sheet;
        sheet.Page(0)->EnsureInitialised();
        sheet.accept();
        QCOMPARE(CSettings::Instance().CollisionText(), QStringLiteral(" Game %d"));
        QCOMPARE(CSettings::Instance().DateFormat(), QStringLiteral("%H:%M only"));
        QVERIFY(CSettings::Instance().deleteDirectly);

        // A format none of the items shows survives confirming the page too.
        CConfiguration files;
        files.Page(2)->EnsureInitialised();
        files.accept();
        QCOMPARE(CSettings::Instance().DateFormat(), QStringLiteral("%H:%M only"));
    }
};

QTEST_MAIN(TestExplorerWindow)
#include "tst_explorer_window.moc"
