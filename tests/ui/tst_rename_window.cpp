#include "FixtureWriter.h"
#include "TestEnv.h"
#include "WindowTest.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DbSqlite.h"
#include "catalogue/SqlStatement.h"
#include "rename/Renamer.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/RenameCommands.h"
#include "ui/RenameConfirm.h"
#include "ui/RenameDlg.h"
#include "ui/RenameFormatsDlg.h"
#include "ui/RenameSingleDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QByteArray duel(const QByteArray &a, const QByteArray &b, int minutes)
{
    return Fixture::Recording(HeaderBuilder::Duel(a, b).build(), BodyBuilder().timeStep(minutes * 60000).build());
}

QString storedName(int id)
{
    auto db = Catalogue::OpenCatalogue();
    auto s = db->CreateStatement(QStringLiteral("SELECT File_Name FROM recgame WHERE Id_Rec_Game = ?1"));
    s->BindInt(1, id);
    return s->NextRow() ? s->ColumnText(0) : QString();
}

// Pictures of the dialogs for a person to look at, when asked for.
void shoot(QWidget *w, const char *name)
{
    const QString dir = qEnvironmentVariable("VELLUMCAST_SHOTS");
    if (!dir.isEmpty())
        w->grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

} // namespace

class TestRenameWindow : public CWindowTest
{
    Q_OBJECT

private:
    // Selects one file as a click does: it is analysed and stored.
    void select(const QString &name)
    {
        QVERIFY(m_frame->ListView()->SelectFile(name));
        QTRY_VERIFY(row(name).IsKnown());
    }

    void selectRows(const QStringList &names)
    {
        CExListView *view = m_frame->ListView();
        view->clearSelection();
        for (const QString &name : names)
            view->selectionModel()->select(
                model().index(model().FindRow(name), 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    template <typename Dialog>
    void onNextModal(std::function<void(Dialog *)> answer)
    {
        QTimer::singleShot(0, this, [answer] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    QStringList submenuTexts()
    {
        QMenu menu;
        m_frame->FillPopupMenu(&menu);
        QMenu *rename = menu.actions().first()->menu();
        if (!rename)
            return { QStringLiteral("<no submenu>") };
        QStringList texts { rename->title() + (rename->menuAction()->isEnabled() ? QString() : QStringLiteral(" (off)")) };
        for (QAction *a : rename->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (off)")));
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    void init()
    {
        freshSettingsAndFolder();
        CRenamer formats(CRenamer::Options {});
        formats.AddFormat(QStringLiteral("Plain"), QStringLiteral("Duel {MAP} {P}.mgx"), 1);
        formats.AddFormat(QStringLiteral("Round"), QStringLiteral("R{ROUND} {MAP}.mgx"), 1);
        formats.AddFormat(QStringLiteral("Teams"), QStringLiteral("Team {MAP}.mgx"), 2);
        formats.SaveFormats();
        QVERIFY(Fixture::Write(folderPath() + "a.mgx", duel("Ann", "Bob", 5)));
        QVERIFY(Fixture::Write(folderPath() + "b.mgx", duel("Cid", "Dora", 6)));
        QVERIFY(QDir(folderPath()).mkdir(QStringLiteral("sub")));
    }

    void cleanup() { m_frame.reset(); }

    // What the "&Rename ..." submenu offers for a selection.
    void submenu_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("renameEnabled");
        QTest::addRow("one stored game") << QStringList { "a.mgx" }
                                         << QStringList { "&Rename ...", "Rename to ...", "-", "Duel Arabia 1.mgx",
                                                "R# Arabia.mgx" }
                                         << true;
        QTest::addRow("two recordings") << QStringList { "a.mgx", "b.mgx" }
                                        << QStringList { "&Rename ...", "Rename to ..." } << true;
        QTest::addRow("recording and folder") << QStringList { "a.mgx", "sub" }
                                              << QStringList { "&Rename ... (off)", "Rename to ... (off)" } << false;
        QTest::addRow("nothing") << QStringList {} << QStringList { "&Rename ... (off)", "Rename to ... (off)" }
                                 << false;
    }

    void submenu()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, entries);
        QFETCH(bool, renameEnabled);
        openWindow();
        select(QStringLiteral("b.mgx"));
        select(QStringLiteral("a.mgx"));
        selectRows(rows);
        if (rows.size() == 1)
            m_frame->ListView()->ShowSelected();
        QCOMPARE(submenuTexts(), entries);
        QCOMPARE(action(Cmd::Rename)->isEnabled(), renameEnabled);
        QVERIFY(action(Cmd::RenameFormats)->isEnabled());
        QCOMPARE(m_frame->Renames()->CanRename(m_frame->ListView()->SelectedRows()), renameEnabled);
    }

    void quickRenameWithoutRound()
    {
        openWindow();
        select(QStringLiteral("a.mgx"));
        const int id = row(QStringLiteral("a.mgx")).catalogueId;
        action(Cmd::RenameFormatFirst)->trigger();
        QVERIFY(QFile::exists(folderPath() + "Duel Arabia 1.mgx"));
        QVERIFY(!QFile::exists(folderPath() + "a.mgx"));
        QCOMPARE(storedName(id), QStringLiteral("Duel Arabia 1.mgx"));
        QVERIFY(model().FindRow(QStringLiteral("Duel Arabia 1.mgx")) >= 0);
    }

    void quickRenameAsksTheRound()
    {
        openWindow();
        select(QStringLiteral("a.mgx"));
        const int id = row(QStringLiteral("a.mgx")).catalogueId;
        onNextModal<CRenameConfirm>([](CRenameConfirm *confirm) {
            QCOMPARE(confirm->Preview(), QStringLiteral("R1 Arabia.mgx"));
            confirm->findChild<QComboBox *>(QStringLiteral("round"))->setCurrentIndex(2);
            confirm->findChild<QCheckBox *>(QStringLiteral("underscores"))->setChecked(true);
            QCOMPARE(confirm->Preview(), QStringLiteral("R3_Arabia.mgx"));
            shoot(confirm, "rename-confirm");
            confirm->Confirm();
        });
        action(Cmd::RenameFormatFirst + 1)->trigger();
        QCOMPARE(storedName(id), QStringLiteral("R3_Arabia.mgx"));
        QVERIFY(QFile::exists(folderPath() + "R3_Arabia.mgx"));
    }

    void singleGameDialog()
    {
        openWindow();
        select(QStringLiteral("a.mgx"));
        const int id = row(QStringLiteral("a.mgx")).catalogueId;
        onNextModal<CRenameSingleDlg>([](CRenameSingleDlg *dialog) {
            QCOMPARE(dialog->FormatCount(), 2);
            QCOMPARE(dialog->Preview(), QStringLiteral("Duel Arabia 1.mgx"));
            dialog->ChooseFormat(1);
            dialog->SetRound(QStringLiteral("7"));
            dialog->Change();
            QCOMPARE(dialog->Preview(), QStringLiteral("R7 Arabia.mgx"));
            dialog->AddInfo(3); // "vs" before the extension
            QCOMPARE(dialog->Preview(), QStringLiteral("R7 Arabia vs.mgx"));
            shoot(dialog, "rename-single");
            dialog->Confirm();
        });
        action(Cmd::Rename)->trigger();
        QCOMPARE(storedName(id), QStringLiteral("R7 Arabia vs.mgx"));
    }

    void severalFilesDialog()
    {
        openWindow();
        select(QStringLiteral("a.mgx"));
        select(QStringLiteral("b.mgx"));
        const int a = row(QStringLiteral("a.mgx")).catalogueId;
        const int b = row(QStringLiteral("b.mgx")).catalogueId;
        selectRows({ QStringLiteral("a.mgx"), QStringLiteral("b.mgx") });
        onNextModal<CRenameDlg>([](CRenameDlg *dialog) {
            QCOMPARE(dialog->CounterText(), QStringLiteral("2 Files - 2 Selected"));
            QCOMPARE(dialog->Rows().Row(0).newName, QStringLiteral("Duel Arabia 1.mgx"));
            dialog->ChangeAll(QStringLiteral("4"), 1);
            QCOMPARE(dialog->Rows().Row(1).newName, QStringLiteral("R4 Arabia.mgx"));
            shoot(dialog, "rename-files");
            dialog->ChangeAll(QStringLiteral("4"), 0);
            dialog->Confirm(); // both want one name: numbered
        });
        action(Cmd::Rename)->trigger();
        QCOMPARE(storedName(a), QStringLiteral("Duel Arabia 1 Game 1.mgx"));
        QCOMPARE(storedName(b), QStringLiteral("Duel Arabia 1 Game 2.mgx"));
        QVERIFY(model().FindRow(QStringLiteral("Duel Arabia 1 Game 2.mgx")) >= 0);
    }

    void severalFilesUncheckedAndMissingName()
    {
        openWindow();
        select(QStringLiteral("a.mgx"));
        select(QStringLiteral("b.mgx"));
        selectRows({ QStringLiteral("a.mgx"), QStringLiteral("b.mgx") });
        onNextModal<CRenameDlg>([](CRenameDlg *dialog) {
            dialog->SetChecked(0, false);
            QCOMPARE(dialog->CounterText(), QStringLiteral("2 Files - 1 Selected"));
            dialog->ChooseCandidate(1, 1);
            QCOMPARE(dialog->Rows().Row(1).newName, QStringLiteral("R# Arabia.mgx"));
            dialog->Confirm();
        });
        action(Cmd::Rename)->trigger();
        QCOMPARE(QDir(folderPath()).entryList(QDir::Files, QDir::Name), (QStringList { "R# Arabia.mgx", "a.mgx" }));
    }

    void formatsDialog()
    {
        CRenameFormatsDlg dialog;
        dialog.show();
        QCOMPARE(dialog.Formats().size(), 3);
        QVERIFY(!dialog.FieldsEnabled());
        dialog.NewEntry();
        QVERIFY(dialog.FieldsEnabled());
        dialog.SetFields(QStringLiteral("  Big  "), QStringLiteral(" {TEAM-A} vs {TEAM-B} "), 4);
        QCOMPARE(dialog.TypeNote(), QStringLiteral("Game: 4 vs 4"));
        QVERIFY(dialog.SaveEntry());
        QVERIFY(!dialog.FieldsEnabled());
        QCOMPARE(dialog.Formats().last(),
            (CRenameFormat { QStringLiteral("Big"), QStringLiteral("{TEAM-A} vs {TEAM-B}.mgx"), 4 }));

        // Edit takes an entry out; Cancel puts it back where it was.
        dialog.EditEntry(0);
        QCOMPARE(dialog.Formats().size(), 3);
        QVERIFY(dialog.FieldsEnabled());
        shoot(&dialog, "rename-formats");
        dialog.CancelEntry();
        QCOMPARE(dialog.Formats().first().title, QStringLiteral("Plain"));
        dialog.ShowEntry(2);
        QVERIFY(!dialog.FieldsEnabled());
        QCOMPARE(dialog.TypeNote(), QStringLiteral("Game: 2 vs 2"));
        dialog.DeleteEntry(2);
        dialog.EditEntry(0); // still taken out when the list is written: kept as it was
        dialog.SaveChanges();

        CRenamer stored(CRenamer::Options {});
        stored.LoadFormats();
        QStringList titles;
        for (const CRenameFormat &f : stored.Formats())
            titles << f.title;
        QCOMPARE(titles, (QStringList { "Plain", "Round", "Big" }));
    }
};

QTEST_MAIN(TestRenameWindow)
#include "tst_rename_window.moc"
