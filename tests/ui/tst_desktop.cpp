#include "FixtureWriter.h"
#include "TestEnv.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "ui/CommandTable.h"
#include "ui/DialogFrames.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/ExplorerComboBox.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/Splash.h"
#include "ui/StartupMessage.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QItemSelection>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

// The window as a desktop user meets it: messages that are not hidden,
// a window that fits the screen and comes back where it was left.
class TestDesktop : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    // Stored names follow a new code page once the folder is read again,
    // and each game keeps the platform it was filed under.
    void storedGamesAreReadAgainWithANewCodePage()
    {
        const QString folder = m_env.file(QStringLiteral("gbk")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(folder));
        // "扫荡" and "扫" in GBK.
        const QByteArray recording = Fixture::Recording(
            HeaderBuilder::Duel("\xC9\xA8\xB5\xB4", "\xC9\xA8").build(), BodyBuilder().timeStep(60000).build());
        QVERIFY(Fixture::Write(folder + QStringLiteral("gbk.mgx"), recording));
        CSettings &settings = CSettings::Instance();
        settings.SetCodePage(QStringLiteral("windows-1252"));
        settings.SetCurrentPath(folder);
        CMainFrame frame;
        frame.InitialFill();
        CGameListModel &model = *frame.ListView()->Model();
        QVERIFY(frame.ListView()->SelectFile(QStringLiteral("gbk.mgx")));
        const int row = model.FindRow(QStringLiteral("gbk.mgx"));
        QTRY_VERIFY(model.Row(row).IsKnown());
        QVERIFY(!model.Row(row).viewName.startsWith(QStringLiteral("扫")));
        const int platform = model.Row(row).platform;
        QCOMPARE(frame.ListView()->StoredCount(), 1);

        settings.SetCodePage(QStringLiteral("GBK"));
        frame.ListView()->RereadStored();
        QTRY_VERIFY(model.rowCount() > 0 && model.Row(model.FindRow(QStringLiteral("gbk.mgx"))).IsKnown());
        const CGameRow again = model.Row(model.FindRow(QStringLiteral("gbk.mgx")));
        QVERIFY2(again.viewName.startsWith(QStringLiteral("扫")), qPrintable(again.viewName));
        QCOMPARE(again.platform, platform);
        QCOMPARE(frame.ListView()->StoredCount(), 1);
    }

    // A recording that cannot be read says why: in the pane, the status
    // bar and the row's tooltip.
    void damagedRecordingsSayWhy()
    {
        const QString folder = m_env.file(QStringLiteral("damaged")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(folder));
        const QByteArray good
            = Fixture::Recording(HeaderBuilder::Duel().build(), BodyBuilder().timeStep(60000).build());
        QVERIFY(Fixture::Write(folder + QStringLiteral("good.mgx"), good));
        QVERIFY(Fixture::Write(folder + QStringLiteral("broken.mgx"), QByteArray(64, '\x7f')));
        CSettings::Instance().SetCurrentPath(folder);
        CMainFrame frame;
        frame.InitialFill();
        CExListView *list = frame.ListView();
        CGameListModel &model = *list->Model();

        QVERIFY(list->SelectFile(QStringLiteral("broken.mgx")));
        const QString problem = frame.findChild<CExFormView *>()->ProblemText();
        QVERIFY2(problem.startsWith(QStringLiteral("broken.mgx could not be read: ")), qPrintable(problem));
        QVERIFY(frame.statusBar()->currentMessage().contains(QStringLiteral("could not be read")));
        const QModelIndex name = model.index(model.FindRow(QStringLiteral("broken.mgx")), CGameListModel::Name);
        QVERIFY(name.data(Qt::ToolTipRole).toString().contains(QStringLiteral("Could not be read")));

        // A good recording clears the notice.
        QVERIFY(list->SelectFile(QStringLiteral("good.mgx")));
        QVERIFY(frame.findChild<CExFormView *>()->ProblemText().isEmpty());
        QVERIFY(frame.statusBar()->currentMessage().isEmpty());
    }

    // Without the game chat the pane gives its whole height to the facts.
    void chatBoxFollowsTheSetting()
    {
        const QString folder = m_env.file(QStringLiteral("chat")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(Fixture::Write(folder + QStringLiteral("g.mgx"),
            Fixture::Recording(HeaderBuilder::Duel().build(), BodyBuilder().timeStep(60000).build())));
        CSettings::Instance().SetCurrentPath(folder);
        CMainFrame frame;
        frame.InitialFill();
        auto *chat = frame.findChild<CExFormView *>()->findChild<QWidget *>(QStringLiteral("chat"));
        QVERIFY(frame.ListView()->SelectFile(QStringLiteral("g.mgx")));
        for (const bool shown : { true, false, true }) {
            CSettings::Instance().showChat = shown;
            frame.ListView()->ShowSelected();
            QCOMPARE(!chat->isHidden(), shown);
        }
    }

    // Up selects the folder the user came from; Back and Forward walk the
    // folders shown; a typed path is listed, a wrong one is refused.
    void navigatesLikeAFileManager()
    {
        const QString top = m_env.file(QStringLiteral("nav")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(top + QStringLiteral("alpha/inner")));
        QVERIFY(QDir().mkpath(top + QStringLiteral("beta")));
        CSettings::Instance().SetCurrentPath(top);
        CMainFrame frame;
        frame.InitialFill();
        frame.show();
        // Shortcuts reach the active window only.
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        CExListView *list = frame.ListView();
        auto current = [] { return CSettings::Instance().CurrentPath(); };
        auto selected = [list] {
            const QList<int> rows = list->SelectedRows();
            return rows.size() == 1 ? list->Model()->Row(rows.front()).fileName : QString();
        };

        // Each listing shows a modal wait dialog; the window is active again
        // once it is gone, as on a desktop.
        auto press = [&frame, list](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            frame.activateWindow();
            QTRY_VERIFY(QApplication::activeWindow() == &frame);
            list->setFocus();
            QTest::keyClick(list, key, modifiers);
        };

        QVERIFY(list->SelectFile(QStringLiteral("alpha")));
        press(Qt::Key_Return);
        QCOMPARE(current(), top + QStringLiteral("alpha/"));
        QVERIFY(frame.windowTitle().contains(QStringLiteral("alpha")));

        press(Qt::Key_Backspace);
        QCOMPARE(current(), top);
        QCOMPARE(selected(), QStringLiteral("alpha"));

        press(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(current(), top + QStringLiteral("alpha/"));
        press(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(current(), top);

        QVERIFY(frame.FolderBox()->GoToTyped(top + QStringLiteral("beta")));
        QCOMPARE(current(), top + QStringLiteral("beta/"));
        press(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(current(), top);
        QCOMPARE(selected(), QStringLiteral("beta"));

        QTimer::singleShot(0, this, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
        QVERIFY(!frame.FolderBox()->GoToTyped(top + QStringLiteral("missing")));
        QCOMPARE(current(), top);
    }

    void refreshKeepsTheSelectionAndRowsDragAsFiles()
    {
        const QString folder = m_env.file(QStringLiteral("keep")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(folder + QStringLiteral("sub")));
        const QByteArray game
            = Fixture::Recording(HeaderBuilder::Duel().build(), BodyBuilder().timeStep(60000).build());
        QVERIFY(Fixture::Write(folder + QStringLiteral("one.mgx"), game));
        QVERIFY(Fixture::Write(folder + QStringLiteral("two.mgx"), game + "x"));
        CSettings::Instance().SetCurrentPath(folder);
        CMainFrame frame;
        frame.InitialFill();
        CExListView *list = frame.ListView();
        CGameListModel *model = list->Model();
        QItemSelection selection;
        for (const char *name : { "two.mgx", "sub", ".." }) {
            const QModelIndex index = model->index(model->FindRow(QString::fromLatin1(name)), 0);
            selection.select(index, index);
        }
        list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

        std::unique_ptr<QMimeData> data(model->mimeData(list->selectionModel()->selectedRows()));
        QVERIFY(data);
        QCOMPARE(data->urls(),
            (QList<QUrl> { QUrl::fromLocalFile(folder + QStringLiteral("sub")),
                QUrl::fromLocalFile(folder + QStringLiteral("two.mgx")) }));
        QVERIFY(!(model->flags(model->index(model->FindRow(QStringLiteral("..")), 0)) & Qt::ItemIsDragEnabled));

        list->Refresh(false);
        QStringList names;
        for (int row : list->SelectedRows())
            names << model->Row(row).fileName;
        names.sort();
        QCOMPARE(names, (QStringList { "..", "sub", "two.mgx" }));
    }

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

    void dialogsHaveNoMinimiseOrMaximise()
    {
        CDialogFrames frames;
        qApp->installEventFilter(&frames);
        QDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(dialog.windowHandle()->flags() == flags);
        // A dialog that chose its own frame keeps it.
        const Qt::WindowFlags own = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        QCOMPARE(CDialogFrames::DialogFlags(own), own);
    }

    // A menu whose entries are all disabled is disabled itself, and comes
    // back with its first usable entry.
    void menusFollowTheirEntries()
    {
        CMainFrame frame;
        QMenu *game = nullptr;
        for (QAction *top : frame.menuBar()->actions())
            if (top->text() == QStringLiteral("&Recorded Game"))
                game = top->menu();
        QVERIFY(game);
        QAction *platforms = nullptr;
        for (QAction *entry : game->actions())
            if (entry->menu() && entry->text() == QStringLiteral("Change Platform"))
                platforms = entry;
        QVERIFY(platforms);
        QVERIFY(!platforms->isEnabled()); // nothing selected
        CommandState stored = CommandState::FromSelection({ { CommandState::RowKind::RecordedGame, true } }, false);
        frame.Commands()->Update(stored, CommandContext());
        QVERIFY(platforms->isEnabled());
        frame.Commands()->Update(CommandState(), CommandContext());
        QVERIFY(!platforms->isEnabled());
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
