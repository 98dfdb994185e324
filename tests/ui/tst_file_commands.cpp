#include "../explorer/FileTestUtil.h"
#include "TestEnv.h"
#include "WindowTest.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ExListView.h"
#include "ui/FileCommands.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/NameDialog.h"
#include "ui/WaitDlg.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <deque>

using namespace FileTest;

namespace {

// Answers the modal dialogs that open, one handler each, in order. The wait
// dialog is left to its job. A handler may open the next dialog itself
// (a button that shows a message box): the script goes on inside it.
class CModalScript : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;

    explicit CModalScript(std::deque<Handler> handlers)
        : m_handlers(std::move(handlers))
    {
        connect(&m_timer, &QTimer::timeout, this, &CModalScript::poll);
        m_timer.start(5);
    }
    bool Done() const { return m_handlers.empty(); }
    QStringList Titles() const { return m_titles; }
    QStringList Texts() const { return m_texts; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_handlers.empty() || qobject_cast<CWaitDlg *>(modal) || !modal->isVisible())
            return;
        // A dialog is handled again when it is on top again: a message box it
        // showed has closed, and it is still open.
        if (modal == m_last)
            return;
        m_last = modal;
        m_titles << modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            m_texts << box->text();
        const Handler handler = m_handlers.front();
        m_handlers.pop_front();
        // Outside this timer's slot: a timer does not fire again while its
        // slot runs, and the handler may open the next dialog.
        QTimer::singleShot(0, this, [this, handler, modal = QPointer<QWidget>(modal)] {
            if (!modal)
                return;
            handler(modal);
            if (QApplication::activeModalWidget() != m_last)
                m_last = nullptr;
        });
    }

    std::deque<Handler> m_handlers;
    QPointer<QWidget> m_last;
    QStringList m_titles;
    QStringList m_texts;
    QTimer m_timer;
};

CModalScript::Handler press(QMessageBox::StandardButton button)
{
    return [button](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        box->button(button)->click();
    };
}

// Types name into a name dialog and confirms it.
CModalScript::Handler typeName(const QString &name)
{
    return [name](QWidget *w) {
        auto *dialog = qobject_cast<CNameDialog *>(w);
        QVERIFY(dialog);
        dialog->Field()->setText(name);
        dialog->AcceptButton()->click();
    };
}

CModalScript::Handler cancelDialog()
{
    return [](QWidget *w) { static_cast<QDialog *>(w)->reject(); };
}

// Saves a picture of a dialog when VELLUMCAST_SHOTS names a folder.
void shot(QWidget *w, const QString &name)
{
    const QString folder = qEnvironmentVariable("VELLUMCAST_SHOTS");
    if (!folder.isEmpty())
        w->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

CModalScript::Handler shotThen(const QString &name, CModalScript::Handler then)
{
    return [name, then](QWidget *w) {
        w->adjustSize();
        shot(w, name);
        then(w);
    };
}

QStringList names(const CGameListModel &model)
{
    QStringList result;
    for (const CGameRow &row : model.Rows())
        result << row.fileName;
    return result;
}

} // namespace

class TestFileCommands : public CWindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_elsewhere;

    QString elsewhere() const { return m_elsewhere->path() + QLatin1Char('/'); }

    void selectRows(const QStringList &rows)
    {
        CExListView *view = m_frame->ListView();
        view->clearSelection();
        for (const QString &name : rows) {
            QVERIFY2(model().FindRow(name) >= 0, qPrintable(name));
            view->selectionModel()->select(
                model().index(model().FindRow(name), 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    // Selects a recording alone so that the list stores it.
    void storeByselecting(const QString &name)
    {
        QVERIFY(m_frame->ListView()->SelectFile(name));
        QTRY_VERIFY(row(name).IsKnown());
    }

    // Triggers command while script answers its dialogs.
    void run(int command, CModalScript &script)
    {
        QVERIFY2(action(command)->isEnabled(), qPrintable(action(command)->text()));
        action(command)->trigger();
        QVERIFY2(script.Done(), "a dialog the test expected did not open");
    }

    void trashHolds(const QString &name, bool expected)
    {
        const QString trashed = QString::fromUtf8(qgetenv("XDG_DATA_HOME")) + "/Trash/files/" + name;
        QCOMPARE(QFileInfo::exists(trashed), expected);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    void init()
    {
        freshSettingsAndFolder();
        m_elsewhere = std::make_unique<QTemporaryDir>(m_env.file(QStringLiteral("other-XXXXXX")));
        QVERIFY(QDir(folderPath()).mkdir(QStringLiteral("sub")));
        QVERIFY(write(folderPath() + "known.mgx", recording("Ann", "Bob")));
        QVERIFY(write(folderPath() + "second.mgx", recording("Cy", "Di")));
        QVERIFY(write(folderPath() + "loose.mgx", recording("Ed", "Flo")));
        // Not a recording that can be read: it stays unknown when selected.
        QVERIFY(write(folderPath() + "broken.mgx", "not a recording"));
        QVERIFY(QDir(QString::fromUtf8(qgetenv("XDG_DATA_HOME")) + "/Trash").removeRecursively());
        // Every test starts from an empty catalogue.
        auto db = Catalogue::OpenCatalogue();
        QVERIFY(db && db->ExecuteSql(QStringLiteral("DELETE FROM recgame_players"))
            && db->ExecuteSql(QStringLiteral("DELETE FROM recgame")));
    }

    void cleanup() { m_frame.reset(); }

    void enabling_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("hook");
        // Create folder, rename, delete, move, copy, move to desktop.
        QTest::addColumn<QString>("expected");
        QTest::addRow("nothing") << QStringList {} << false << "100000";
        QTest::addRow("parent") << QStringList { ".." } << false << "100000";
        QTest::addRow("one folder") << QStringList { "sub" } << false << "111111";
        QTest::addRow("one unknown recording") << QStringList { "broken.mgx" } << false << "111111";
        QTest::addRow("one stored game, no rename dialogs") << QStringList { "known.mgx" } << false << "101111";
        QTest::addRow("one stored game") << QStringList { "known.mgx" } << true << "111111";
        QTest::addRow("two games, no rename dialogs") << QStringList { "known.mgx", "loose.mgx" } << false << "101111";
        QTest::addRow("two games") << QStringList { "known.mgx", "loose.mgx" } << true << "111111";
        QTest::addRow("game and folder") << QStringList { "known.mgx", "sub" } << true << "101111";
    }
    void enabling()
    {
        QFETCH(QStringList, rows);
        QFETCH(bool, hook);
        QFETCH(QString, expected);
        openWindow();
        storeByselecting(QStringLiteral("known.mgx"));
        // The window plugs the rename dialogs in; without them F2 is only for
        // folders and other files.
        m_frame->FileCommands()->SetRenameGamesHook(
            hook ? [](const QList<int> &) {} : CFileCommands::RenameGamesHook());
        selectRows(rows);
        QString got;
        for (int id : { Cmd::CreateFolder, Cmd::Rename, Cmd::Delete, Cmd::MoveAsk, Cmd::CopyAsk, Cmd::MoveDesktop })
            got += action(id)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(got, expected);
        // The popup twins follow the same rules.
        QCOMPARE(action(Cmd::PopupRename)->isEnabled(), action(Cmd::Rename)->isEnabled());
        QCOMPARE(action(Cmd::PopupDelete)->isEnabled(), action(Cmd::Delete)->isEnabled());
        QVERIFY(action(Cmd::Launch)->isEnabled());
    }

    void renameHookReceivesTheRows()
    {
        openWindow();
        storeByselecting(QStringLiteral("known.mgx"));
        QList<int> received;
        m_frame->FileCommands()->SetRenameGamesHook([&](const QList<int> &rows) { received = rows; });
        selectRows({ "known.mgx" });
        action(Cmd::Rename)->trigger();
        QCOMPARE(received, QList<int> { model().FindRow(QStringLiteral("known.mgx")) });
    }

    void deleteToTheTrash()
    {
        openWindow();
        storeByselecting(QStringLiteral("known.mgx"));
        storeByselecting(QStringLiteral("second.mgx"));
        const int known = row(QStringLiteral("known.mgx")).catalogueId;
        const int second = row(QStringLiteral("second.mgx")).catalogueId;
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 2 "));
        selectRows({ "known.mgx", "second.mgx", "loose.mgx" });
        CModalScript none({}); // the trash asks nothing
        run(Cmd::Delete, none);

        QCOMPARE(names(model()), (QStringList { "..", "sub", "broken.mgx" }));
        QCOMPARE(m_frame->FilesPaneText(), QStringLiteral(" Files: 1 "));
        QCOMPARE(m_frame->GamesPaneText(), QStringLiteral(" Recorded Games: 0 "));
        for (const char *name : { "known.mgx", "second.mgx", "loose.mgx" }) {
            QVERIFY(!QFileInfo::exists(folderPath() + name));
            trashHolds(QString::fromLatin1(name), true);
        }
        QCOMPARE(gamesWithId(known) + gamesWithId(second), 0);
        QCOMPARE(playerRowsOf(known) + playerRowsOf(second), 0);
        QVERIFY(!action(Cmd::Delete)->isEnabled());
    }

    void deleteForGoodAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addRow("no keeps the file") << false;
        QTest::addRow("yes deletes it") << true;
    }
    void deleteForGoodAsksFirst()
    {
        QFETCH(bool, yes);
        CSettings::Instance().deleteDirectly = true;
        openWindow();
        selectRows({ "loose.mgx" });
        CModalScript script(
            { shotThen(QStringLiteral("delete-for-good"), press(yes ? QMessageBox::Yes : QMessageBox::No)) });
        run(Cmd::Delete, script);
        QVERIFY(script.Texts().value(0).contains(QLatin1String("\"loose.mgx\" for good")));
        QCOMPARE(QFileInfo::exists(folderPath() + "loose.mgx"), !yes);
        QCOMPARE(model().FindRow(QStringLiteral("loose.mgx")) >= 0, !yes);
        trashHolds(QStringLiteral("loose.mgx"), false);
    }

    void renameOneEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("refusal");
        QTest::addRow("folder") << "sub"
                                << "Rename Folder"
                                << "Enter a valid folder name.";
        QTest::addRow("unknown recording") << "broken.mgx"
                                           << "Rename file"
                                           << "Enter a valid file name.";
    }
    void renameOneEntry()
    {
        QFETCH(QString, entry);
        QFETCH(QString, title);
        QFETCH(QString, refusal);
        openWindow();
        const int position = model().FindRow(entry);
        selectRows({ entry });
        // A refused name and a name that is taken keep the dialog open.
        CModalScript script({ shotThen(QStringLiteral("rename-") + QTest::currentDataTag(), typeName("a:b")),
            press(QMessageBox::Ok), typeName("known.mgx"), press(QMessageBox::Ok), typeName("renamed") });
        run(Cmd::Rename, script);
        QCOMPARE(script.Titles().value(0), title);
        QCOMPARE(script.Texts().value(0), refusal);
        QVERIFY(script.Texts().value(1).startsWith(QLatin1String("Error renaming")));
        // The row shows the new name where it was; the clash is untouched.
        QCOMPARE(model().FindRow(QStringLiteral("renamed")), position);
        QCOMPARE(model().FindRow(entry), -1);
        QVERIFY(QFileInfo::exists(folderPath() + "renamed"));
        QCOMPARE(read(folderPath() + "known.mgx"), recording("Ann", "Bob"));
    }

    void createFolder()
    {
        openWindow();
        CModalScript script({ shotThen(QStringLiteral("create-folder"), typeName("   ")), press(QMessageBox::Ok),
            typeName(QStringLiteral("  fresh  ")) });
        run(Cmd::CreateFolder, script);
        QCOMPARE(script.Titles().value(0), QStringLiteral("Create Folder"));
        QCOMPARE(script.Texts().value(0), QStringLiteral("Enter a valid Folder name."));
        QVERIFY(QFileInfo(folderPath() + "fresh").isDir());
        QCOMPARE(m_frame->ListView()->SelectedRows(), QList<int> { model().FindRow(QStringLiteral("fresh")) });
    }

    void createFolderInAnEmptyFolder()
    {
        QVERIFY(QDir(folderPath()).removeRecursively() && QDir().mkpath(folderPath()));
        openWindow();
        CModalScript script({ cancelDialog() });
        run(Cmd::CreateFolder, script);
        auto dialog = CNameDialog::CreateFolder(nullptr, {});
        QCOMPARE(dialog->Field()->maxLength(), 50);
    }

    void transferWithAClash_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addRow("copy, no") << false << int(QMessageBox::No) << false;
        QTest::addRow("copy, yes") << false << int(QMessageBox::Yes) << true;
        QTest::addRow("move, cancel") << true << int(QMessageBox::Cancel) << false;
        QTest::addRow("move, yes to all") << true << int(QMessageBox::YesToAll) << true;
    }
    void transferWithAClash()
    {
        QFETCH(bool, move);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        const QByteArray old = "the file that was there";
        QVERIFY(write(elsewhere() + "known.mgx", old));
        openWindow();
        QStringList prompts;
        m_frame->FileCommands()->SetFolderChooser([&](const QString &prompt, const QString &) {
            prompts << prompt;
            return elsewhere();
        });
        selectRows({ "known.mgx" });
        CModalScript script({ shotThen(QStringLiteral("overwrite"), press(QMessageBox::StandardButton(answer))) });
        run(move ? Cmd::MoveAsk : Cmd::CopyAsk, script);
        QCOMPARE(prompts,
            QStringList { QStringLiteral("Select the Folder where you want to %1 the file \"known.mgx\".")
                              .arg(move ? "move" : "copy") });
        QCOMPARE(script.Texts().value(0),
            QStringLiteral("\"known.mgx\" already exists in the destination folder.\nDo you want to replace it?"));
        QCOMPARE(read(elsewhere() + "known.mgx"), replaced ? recording("Ann", "Bob") : old);
        const bool gone = move && replaced;
        QCOMPARE(QFileInfo::exists(folderPath() + "known.mgx"), !gone);
        QCOMPARE(model().FindRow(QStringLiteral("known.mgx")) < 0, gone);
        QCOMPARE(entries(elsewhere()), QStringList { "known.mgx" }); // no half-written copy left
    }

    void moveManyAndToTheFolderShown()
    {
        openWindow();
        QString target = folderPath();
        QStringList prompts;
        m_frame->FileCommands()->SetFolderChooser([&](const QString &prompt, const QString &) {
            prompts << prompt;
            return target;
        });
        selectRows({ "sub", "loose.mgx" });
        CModalScript none({});
        // The folder shown, spelt another way: nothing happens.
        target = folderPath() + "sub/..";
        run(Cmd::PopupMoveAsk, none);
        QCOMPARE(names(model()), (QStringList { "..", "sub", "broken.mgx", "known.mgx", "loose.mgx", "second.mgx" }));
        target = elsewhere();
        run(Cmd::PopupMoveAsk, none);
        QCOMPARE(prompts.value(0), QStringLiteral("Select the Folder where you want to move the 2 selected files."));
        QCOMPARE(names(model()), (QStringList { "..", "broken.mgx", "known.mgx", "second.mgx" }));
        QCOMPARE(m_frame->FilesPaneText(), QStringLiteral(" Files: 3 "));
        QCOMPARE(entries(elsewhere()), (QStringList { "loose.mgx", "sub" }));
    }

    void moveToTheDesktop()
    {
        // The desktop of the freedesktop user folders, inside the test's folder.
        const QString desktop = m_env.file(QStringLiteral("Desktop"));
        QVERIFY(QDir().mkpath(desktop));
        const QString userDirs = QString::fromUtf8(qgetenv("XDG_CONFIG_HOME")) + "/user-dirs.dirs";
        QVERIFY(QDir().mkpath(QFileInfo(userDirs).path()));
        QVERIFY(write(userDirs, "XDG_DESKTOP_DIR=\"" + desktop.toUtf8() + "\"\n"));
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), desktop);
        openWindow();
        selectRows({ "loose.mgx" });
        CModalScript none({});
        run(Cmd::MoveDesktop, none);
        QVERIFY(QFileInfo::exists(desktop + "/loose.mgx"));
    }

    void cancelInTheProgressDialog()
    {
        // Big enough to be copied in many blocks; Cancel is pressed as soon
        // as the progress dialog shows.
        const QByteArray big(48 << 20, 'x');
        QVERIFY(write(folderPath() + "big.mgx", big));
        openWindow();
        m_frame->FileCommands()->SetFolderChooser([&](const QString &, const QString &) { return elsewhere(); });
        QStringList messages;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) {
            dialog.adjustSize();
            shot(&dialog, QStringLiteral("copying"));
            messages << dialog.findChild<QLabel *>()->text();
            // Once the dialog runs: a reject while it is being shown comes
            // before its event loop.
            QTimer::singleShot(0, &dialog, &QDialog::reject);
        });
        selectRows({ "big.mgx" });
        CModalScript none({});
        run(Cmd::CopyAsk, none);
        CWaitDlg::SetOpenHook({});
        QCOMPARE(messages, QStringList { "Copying files..." });
        // Whatever the worker had done when Cancel came: the whole file or
        // nothing, never a part of it, and the original untouched.
        const QStringList there = entries(elsewhere());
        QVERIFY2(there.isEmpty() || there == QStringList { "big.mgx" }, qPrintable(there.join(", ")));
        if (!there.isEmpty())
            QVERIFY(read(elsewhere() + "big.mgx") == big);
        QVERIFY(read(folderPath() + "big.mgx") == big);
        QVERIFY(model().FindRow(QStringLiteral("big.mgx")) >= 0);
    }

    void droppedFilesAreCopiedIn()
    {
        QVERIFY(write(elsewhere() + "dropped.mgx", recording("Gus", "Hal")));
        QVERIFY(write(elsewhere() + "known.mgx", "other bytes"));
        openWindow();
        QMimeData data;
        QMimeData *mime = &data;
        mime->setUrls({ QUrl::fromLocalFile(elsewhere() + "dropped.mgx"),
            QUrl::fromLocalFile(elsewhere() + "known.mgx"), QUrl::fromLocalFile(folderPath() + "second.mgx") });
        const QPoint centre = m_frame->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_frame.get(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        CModalScript script({ press(QMessageBox::No) });
        QDropEvent drop(centre, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_frame.get(), &drop);
        QVERIFY(drop.isAccepted());
        QTRY_VERIFY(model().FindRow(QStringLiteral("dropped.mgx")) >= 0);
        QVERIFY(script.Done());
        QCOMPARE(read(folderPath() + "known.mgx"), recording("Ann", "Bob"));
        QVERIFY(QFileInfo::exists(elsewhere() + "dropped.mgx"));
    }

    void dropsOfTheFolderShownAreRefused()
    {
        openWindow();
        QMimeData mime;
        mime.setUrls(
            { QUrl::fromLocalFile(folderPath() + "loose.mgx"), QUrl(QStringLiteral("https://example.org/a.mgx")) });
        QVERIFY(!m_frame->FileCommands()->CopyDropped({ folderPath() + "loose.mgx" }));
        CSettings::Instance().SetBrowsingArchive(true);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QApplication::sendEvent(m_frame.get(), &enter);
        CSettings::Instance().SetBrowsingArchive(false);
        QVERIFY(!enter.isAccepted());
    }

    void launch_data()
    {
        QTest::addColumn<bool>("programThere");
        QTest::addColumn<int>("command");
        QTest::addRow("toolbar, configured 1.0") << true << Cmd::Launch;
        QTest::addRow("menu 1.0") << true << Cmd::Launch10;
        QTest::addRow("configured program deleted") << false << Cmd::Launch;
    }
    void launch()
    {
        QFETCH(bool, programThere);
        QFETCH(int, command);
        const QString game = elsewhere() + "Games/age2_x1/age2_x1.exe";
        QVERIFY(QDir().mkpath(QFileInfo(game).path()));
        if (programThere)
            QVERIFY(write(game, "MZ"));
        const QString record = elsewhere() + "wine-called";
        const QString wine = elsewhere() + "fake wine";
        QVERIFY(write(wine,
            QStringLiteral("#!/bin/sh\n{ printf '%s|' \"$@\"; echo; pwd; echo \"$WINEPREFIX\"; } > '%1.part'\n"
                           "mv '%1.part' '%1'\n")
                .arg(record)
                .toUtf8()));
        QVERIFY(QFile::setPermissions(wine, QFile::permissions(wine) | QFile::ExeOwner));
        CSettings &settings = CSettings::Instance();
        settings.SetVersion10Path(game);
        settings.SetWineCommand(QStringLiteral("\"%1\" --quiet").arg(wine));
        settings.SetWinePrefix(elsewhere() + "prefix");
        openWindow();
        QVERIFY(!action(Cmd::Launch10c)->isEnabled()); // no 1.0c in the prefix
        CModalScript script(programThere ? std::deque<CModalScript::Handler> {}
                                         : std::deque<CModalScript::Handler> {
                                             shotThen(QStringLiteral("launch-error"), press(QMessageBox::Ok)) });
        run(command, script);
        if (!programThere) {
            QCOMPARE(script.Texts(), QStringList { "Error, AoC Application not found." });
            QCOMPARE(script.Titles(), QStringList { "Atention" });
            return;
        }
        QTRY_VERIFY(QFileInfo::exists(record));
        const QStringList lines = QString::fromUtf8(read(record)).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("--quiet|%1|NoStartup|").arg(game));
        QCOMPARE(lines.value(1), QFileInfo(game).path());
        QCOMPARE(lines.value(2), elsewhere() + "prefix");
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_file_commands.moc"
