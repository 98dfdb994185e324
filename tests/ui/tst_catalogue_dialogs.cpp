#include "FixtureWriter.h"
#include "TestEnv.h"
#include "WindowTest.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "catalogue/SqlStatement.h"
#include "ratings/PlayersInfo.h"
#include "recgame/RecordedGame.h"
#include "shell/CommandIds.h"
#include "shell/GameDescription.h"
#include "ui/ClipboardDlg.h"
#include "ui/CommandTable.h"
#include "ui/DataBaseManagementDlg.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/PlayersEditDlg.h"
#include "ui/SearchDlg.h"
#include "ui/SearchPlayerDlg.h"
#include "ui/TopPlayersDlg.h"
#include "ui/WaitDlg.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QByteArray duel(const QByteArray &a, const QByteArray &b, int minutes, int mapId = 9, int civA = 1)
{
    HeaderBuilder header = HeaderBuilder::Duel(a, b);
    header.mapId = mapId;
    header.entries[1].civilization = civA;
    return Fixture::Recording(header.build(), BodyBuilder().timeStep(minutes * 60000).build());
}

template <typename T> T *child(QWidget *dialog, const char *name)
{
    T *w = dialog->findChild<T *>(QLatin1String(name));
    if (!w)
        qWarning("no child %s", name);
    return w;
}

// Pictures of the dialogs for a person to look at, when asked for.
void shoot(QWidget *dialog, const char *name)
{
    const QString folder = qEnvironmentVariable("VELLUMCAST_DIALOG_SHOTS");
    if (folder.isEmpty())
        return;
    dialog->adjustSize();
    dialog->show();
    QApplication::processEvents();
    dialog->grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

void selectItems(QListWidget *list, const QStringList &labels)
{
    list->clearSelection();
    for (const QString &label : labels) {
        const QList<QListWidgetItem *> found = list->findItems(label, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(label));
        found.front()->setSelected(true);
    }
}

// Answers every message box that comes up with OK, and hands the first
// modal dialog of type T to act.
class ModalDriver : public QObject
{
public:
    template <typename T> void onDialog(std::function<void(T *)> act)
    {
        m_act = [act](QWidget *w) {
            if (auto *d = qobject_cast<T *>(w)) {
                act(d);
                return true;
            }
            return false;
        };
        m_timer.callOnTimeout(this, [this] { poll(); });
        m_timer.start(20);
    }
    QStringList messages;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            box->accept();
        } else if (modal && m_act && m_act(modal)) {
            m_act = nullptr;
        }
    }
    QTimer m_timer;
    std::function<bool(QWidget *)> m_act;
};

} // namespace

// The dialogs over the catalogue: their enabling rules, what they build,
// and what the window does with their results.
class TestCatalogueDialogs : public CWindowTest
{
    Q_OBJECT

private:
    QStringList names() const
    {
        QStringList n;
        for (const CGameRow &r : model().Rows())
            n << r.fileName;
        return n;
    }

    // Selects a row and waits until the pane shows its game.
    void show(const QString &name)
    {
        QVERIFY(m_frame->ListView()->SelectFile(name));
        QTRY_COMPARE(m_frame->FormView()->ShownFile(), name);
    }

    static void clearCatalogue()
    {
        auto db = Catalogue::OpenCatalogue();
        QVERIFY(db->ExecuteSql("DELETE FROM recgame"));
        QVERIFY(db->ExecuteSql("DELETE FROM recgame_players"));
        QVERIFY(db->ExecuteSql("DELETE FROM players"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        Catalogue::SetFatalHandler([](const QString &) {});
        QVERIFY(Catalogue::PrepareCatalogue());
    }

    void init()
    {
        CSettings::Instance().ResetToDefaults();
        m_folder = std::make_unique<QTemporaryDir>(m_env.file(QStringLiteral("games-XXXXXX")));
        QVERIFY(m_folder->isValid());
        clearCatalogue();
    }

    void cleanup()
    {
        CWaitDlg::SetOpenHook({});
        m_frame.reset();
    }

    // The dialog's controls give the query the command line's options give.
    void searchDialogBuildsTheQuery_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QStringList>("civilizations");
        QTest::addColumn<QStringList>("maps");
        QTest::addColumn<int>("duration"); // list position, 0 "-"
        QTest::addColumn<int>("players"); // list position
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<QString>("fileName");
        // What the same search is through CSearcher::Set.
        QTest::addColumn<QString>("civIds");
        QTest::addColumn<QString>("mapIds");
        QTest::addColumn<int>("matchSize");
        QTest::addColumn<int>("platformId");
        QTest::addColumn<int>("setMaximum");
        QTest::addColumn<QString>("pattern");
        QTest::addRow("everything any") << 0 << 0 << 0 << QStringList {} << QStringList { "- All -" } << 0 << 0 << "-"
                                        << 0 << "" << "" << "" << 0 << -1 << 0 << "";
        QTest::addRow("pov civilizations and maps")
            << 0 << 0 << 0 << QStringList { "Britons", "Huns" } << QStringList { "Arabia", "Blind Random" } << 0 << 1
            << "GP RM" << 1 << "final" << "1,17" << "9,35" << 1 << 1 << 0 << "";
        QTest::addRow("all players with ratings") << 2 << 1800 << 2000 << QStringList { "Koreans" } << QStringList {}
                                                  << 3 << 5 << "IGZ DM" << 2 << ".mgx" << "18" << "" << 5 << 5 << 2000
                                                  << "00:2_:__";
        QTest::addRow("maximum alone is ignored") << 1 << 0 << 2000 << QStringList {} << QStringList { "- All -", "Arabia" }
                                                  << 0 << 6 << "Zone" << 0 << "" << "" << "" << 6 << 0 << 0 << "";
    }
    void searchDialogBuildsTheQuery()
    {
        QFETCH(int, mode);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(QStringList, civilizations);
        QFETCH(QStringList, maps);
        QFETCH(int, duration);
        QFETCH(int, players);
        QFETCH(QString, platform);
        QFETCH(int, fileMode);
        QFETCH(QString, fileName);
        QFETCH(QString, civIds);
        QFETCH(QString, mapIds);
        QFETCH(int, matchSize);
        QFETCH(int, platformId);
        QFETCH(int, setMaximum);
        QFETCH(QString, pattern);

        CSearchDlg dialog;
        child<QRadioButton>(&dialog, qPrintable(QStringLiteral("mode%1").arg(mode)))->setChecked(true);
        auto *min = child<QComboBox>(&dialog, "ratingMin");
        auto *max = child<QComboBox>(&dialog, "ratingMax");
        min->setCurrentIndex(qMax(0, min->findData(minimum)));
        max->setCurrentIndex(qMax(0, max->findData(maximum)));
        selectItems(child<QListWidget>(&dialog, "civilizations"), civilizations);
        selectItems(child<QListWidget>(&dialog, "maps"), maps);
        child<QComboBox>(&dialog, "duration")->setCurrentIndex(duration);
        child<QComboBox>(&dialog, "players")->setCurrentIndex(players);
        auto *platforms = child<QComboBox>(&dialog, "platform");
        platforms->setCurrentIndex(platforms->findText(platform));
        child<QComboBox>(&dialog, "fileMode")->setCurrentIndex(fileMode);
        child<QLineEdit>(&dialog, "fileName")->setText(QStringLiteral("  ") + fileName);

        CSearcher expected;
        expected.Set(QString(), minimum, setMaximum, civIds, mode, fileMode, fileName, mapIds, -1, matchSize, platformId);
        expected.SetDurationPattern(pattern);
        CSearchQuery want;
        CSearchQuery got;
        QVERIFY(expected.BuildQuery(want));
        QVERIFY(dialog.Searcher().BuildQuery(got));
        QCOMPARE(got.sql, want.sql);
        QCOMPARE(got.values, want.values);
        QCOMPARE(got.filePattern, want.filePattern);
        QCOMPARE(got.idsOnly, want.idsOnly);
    }

    void searchWithoutMatchesStaysOpen_data()
    {
        QTest::addColumn<QString>("nick");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addRow("unknown player") << "nobody" << 0 << 0;
        QTest::addRow("maximum below minimum") << "" << 1800 << 1700;
    }
    void searchWithoutMatchesStaysOpen()
    {
        QFETCH(QString, nick);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        CSearchDlg dialog;
        dialog.show();
        child<QLineEdit>(&dialog, "nick")->setText(nick);
        auto *min = child<QComboBox>(&dialog, "ratingMin");
        auto *max = child<QComboBox>(&dialog, "ratingMax");
        min->setCurrentIndex(qMax(0, min->findData(minimum)));
        max->setCurrentIndex(qMax(0, max->findData(maximum)));
        ModalDriver driver;
        driver.onDialog<QDialog>([](QDialog *) {});
        child<QPushButton>(&dialog, "search")->click();
        QCOMPARE(driver.messages, QStringList { "The current search has not matches" });
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.Query().sql.isEmpty());
        QCOMPARE(child<QLineEdit>(&dialog, "nick")->text(), nick);
        shoot(&dialog, "search");
    }

    void playerSearchEnabling()
    {
        {
            auto db = Catalogue::OpenCatalogue();
            for (const char *nick : { "Viper", "Vivi", "TheViper" })
                QVERIFY(db->ExecuteSql(QStringLiteral("INSERT INTO players VALUES (NULL, '%1', 2100, 1, 7)")
                                           .arg(QLatin1String(nick))));
        }
        CSearchPlayerDlg dialog;
        auto *nick = child<QLineEdit>(&dialog, "nick");
        auto *search = child<QPushButton>(&dialog, "search");
        auto *ok = child<QPushButton>(&dialog, "ok");
        auto *found = child<QListWidget>(&dialog, "found");
        QVERIFY(!search->isEnabled() && !ok->isEnabled());
        nick->setText(QStringLiteral("Vi"));
        QVERIFY(!search->isEnabled());
        nick->setText(QStringLiteral("Vip"));
        QVERIFY(search->isEnabled());
        search->click();
        QCOMPARE(found->count(), 2);
        QVERIFY(!ok->isEnabled());
        found->item(1)->setSelected(true);
        QVERIFY(ok->isEnabled());
        QCOMPARE(child<QLabel>(&dialog, "selected")->text(), found->item(1)->text());
        shoot(&dialog, "player-search");
        // A new search forgets the selection.
        search->click();
        QVERIFY(!ok->isEnabled());
        QVERIFY(child<QLabel>(&dialog, "selected")->text().isEmpty());
        ok->click();
        QVERIFY(dialog.SelectedNick().isEmpty());
    }

    void databaseDialogEnabling()
    {
        CDataBaseManagementDlg dialog;
        auto *create = child<QCheckBox>(&dialog, "create");
        auto *optimize = child<QPushButton>(&dialog, "optimize");
        auto *rating = child<QLineEdit>(&dialog, "rating");
        const auto radio = [&](int i) { return child<QRadioButton>(&dialog, qPrintable(QStringLiteral("copy%1").arg(i))); };
        QCOMPARE(rating->text(), QStringLiteral("1600"));
        QCOMPARE(rating->maxLength(), 4);
        QVERIFY(!optimize->isEnabled() && !radio(0)->isEnabled() && !rating->isEnabled());
        QCOMPARE(dialog.CopyOption(), -1);
        create->setChecked(true);
        QVERIFY(optimize->isEnabled() && radio(3)->isEnabled());
        QVERIFY(radio(0)->isChecked());
        QVERIFY(!rating->isEnabled());
        radio(3)->click();
        QVERIFY(rating->isEnabled());
        QCOMPARE(dialog.CopyOption(), 3);
        radio(1)->click();
        QVERIFY(!rating->isEnabled());
        shoot(&dialog, "database");
        create->setChecked(false);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!radio(i)->isChecked() && !radio(i)->isEnabled());
        QVERIFY(!optimize->isEnabled() && !rating->isEnabled());
    }

    void topPlayersPerPlatform()
    {
        {
            auto db = Catalogue::OpenCatalogue();
            for (int i = 0; i < 20; ++i)
                QVERIFY(db->ExecuteSql(
                    QStringLiteral("INSERT INTO players VALUES (NULL, 'p%1', %2, 4, %3)").arg(i).arg(1600 + i).arg(i % 3)));
        }
        CTopPlayersDlg dialog;
        auto *platform = child<QComboBox>(&dialog, "platform");
        auto *players = child<QListWidget>(&dialog, "players");
        QStringList labels;
        for (int i = 0; i < platform->count(); ++i)
            labels << platform->itemText(i);
        QCOMPARE(labels, (QStringList { "Zone", "IGZ RM", "IGZ DM", "GP RM", "GP DM" }));
        QCOMPARE(players->count(), 0);
        platform->setCurrentIndex(1);
        QCOMPARE(players->count(), 15);
        QCOMPARE(players->item(0)->text(), QStringLiteral("p19 (1619)"));
        QCOMPARE(players->item(14)->text(), QStringLiteral("p5 (1605)"));
        QCOMPARE(players->currentRow(), 0);
        shoot(&dialog, "top-players");
    }

    void playersDialogEnabling()
    {
        CPlayersEditDlg dialog({ { "Ann", 4, 0 }, { "Bob", 5, 31 } });
        auto *list = child<QListWidget>(&dialog, "playerList");
        auto *country = child<QComboBox>(&dialog, "country");
        auto *change = child<QPushButton>(&dialog, "change");
        auto *cancel = child<QPushButton>(&dialog, "cancelChange");
        auto *nick = child<QLineEdit>(&dialog, "nick");
        const auto editing = [&] { return country->isEnabled() && change->isEnabled() && cancel->isEnabled(); };
        QCOMPARE(country->count(), 196);
        QVERIFY(!country->isEnabled() && !change->isEnabled() && !cancel->isEnabled());
        list->setCurrentRow(1);
        QVERIFY(editing());
        QCOMPARE(nick->text(), QStringLiteral("Bob"));
        QCOMPARE(country->currentData().toInt(), 31);
        shoot(&dialog, "players");
        country->setCurrentIndex(country->findData(12));
        cancel->click();
        QVERIFY(!editing() && nick->text().isEmpty());
        QCOMPARE(dialog.Players()[1].country, 31);
        list->setCurrentRow(0);
        country->setCurrentIndex(country->findData(12));
        change->click();
        QVERIFY(!editing() && nick->text().isEmpty() && country->currentIndex() == -1);
        QCOMPARE(dialog.Players()[0].country, 12);
        QCOMPARE(dialog.Players()[1].country, 31);
    }

    void clipboardDialog()
    {
        CRecordedGame game;
        game.mapId = 9;
        game.matchSize = 1;
        const QString names[] = { "Ann", "Bob" };
        const int civilizations[] = { 11, 12 };
        const int ratings[] = { 2063, 2409 };
        for (int s = 1; s <= 2; ++s) {
            CPlayer &p = game.players[s];
            p.name = names[s - 1];
            p.number = s;
            p.civilization = civilizations[s - 1];
            p.team = s;
            p.rating = ratings[s - 1];
        }
        game.teamLabelA = QStringLiteral("A");
        game.teamLabelB = QStringLiteral("B");
        CClipboardDlg dialog(game);
        auto *text = child<QPlainTextEdit>(&dialog, "text");
        QCOMPARE(dialog.Text(), GameDescription::BuildDescription(game, CDescriptionOptions()));
        QCOMPARE(dialog.Text(), QStringLiteral("Map: Arabia\nA (20++): Ann(Vik)\nB (24++): Bob(Mon)"));
        QCOMPARE(child<QLineEdit>(&dialog, "union")->maxLength(), 4);
        shoot(&dialog, "clipboard");

        // Options take effect on Update, which drops the user's edits.
        child<QComboBox>(&dialog, "rating")->setCurrentIndex(0);
        child<QCheckBox>(&dialog, "mapName")->setChecked(false);
        text->setPlainText(QStringLiteral("edited"));
        child<QPushButton>(&dialog, "update")->click();
        QCOMPARE(dialog.Text(), QStringLiteral("A: Ann(Vik)\nB: Bob(Mon)"));

        // Copy takes the text as the user left it.
        text->setPlainText(QStringLiteral("GG Ann"));
        child<QPushButton>(&dialog, "copy")->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("GG Ann"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void statusTexts_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        const QString players = QStringLiteral("Edit the Information of the Players of the selected Game.");
        const QString copy = QStringLiteral("Copy a Description to the Clipboard as Text Format.");
        QTest::addRow("edit players") << Cmd::EditPlayers << players;
        QTest::addRow("popup edit players") << Cmd::PopupEditPlayers << players;
        QTest::addRow("copy description") << Cmd::CopyDescription << copy;
        QTest::addRow("popup copy description") << Cmd::PopupCopyDescription << copy;
    }
    void statusTexts()
    {
        QFETCH(int, command);
        QFETCH(QString, text);
        openWindow();
        QCOMPARE(action(command)->statusTip(), text);
    }

    void commandsFollowTheSelection()
    {
        QVERIFY(Fixture::Write(folderPath() + "game.mgx", duel("Ann", "Bob", 5)));
        QVERIFY(QDir(folderPath()).mkpath(QStringLiteral("sub")));
        openWindow();
        for (int id : { Cmd::Search, Cmd::TopPlayers, Cmd::DatabaseManagement })
            QVERIFY(action(id)->isEnabled());
        QVERIFY(m_frame->ListView()->SelectFile(QStringLiteral("sub")));
        for (int id : { Cmd::EditPlayers, Cmd::PopupEditPlayers, Cmd::CopyDescription, Cmd::PopupCopyDescription })
            QVERIFY(!action(id)->isEnabled());
        show(QStringLiteral("game.mgx"));
        for (int id : { Cmd::EditPlayers, Cmd::PopupEditPlayers, Cmd::CopyDescription, Cmd::PopupCopyDescription })
            QVERIFY(action(id)->isEnabled());
        QCOMPARE(action(Cmd::CopyDescription)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        QCOMPARE(action(Cmd::Search)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    }

    // A search fills the list with its matches; F5 repeats it, a folder
    // change ends it.
    void searchFromTheWindow()
    {
        QVERIFY(Fixture::Write(folderPath() + "arabia.mgx", duel("Ann", "Bob", 5, 9)));
        QVERIFY(Fixture::Write(folderPath() + "islands.mgx", duel("Cid", "Dan", 25, 10, 11)));
        QVERIFY(Fixture::Write(folderPath() + "unread.mgx", duel("Eve", "Fay", 5, 9)));
        QVERIFY(QDir(folderPath()).mkpath(QStringLiteral("sub")));
        openWindow();
        show(QStringLiteral("arabia.mgx"));
        show(QStringLiteral("islands.mgx"));

        ModalDriver driver;
        driver.onDialog<CSearchDlg>([](CSearchDlg *dialog) {
            selectItems(child<QListWidget>(dialog, "maps"), { "Arabia" });
            child<QPushButton>(dialog, "search")->click();
        });
        action(Cmd::Search)->trigger();
        QVERIFY(m_frame->ListView()->InSearch());
        QCOMPARE(names(), QStringList { "arabia.mgx" });
        QVERIFY(!m_frame->FormView()->IsShowingGame());

        // A recording analysed now is found by the repeated search.
        QVERIFY(Fixture::Write(folderPath() + "later.mgx", duel("Gus", "Hal", 5, 9)));
        {
            CRecordedGame game;
            game.SetFile(folderPath() + "later.mgx");
            QVERIFY(game.ReadFile());
            game.Analyze(false);
            auto db = Catalogue::OpenCatalogue();
            QVERIFY(Catalogue::StoreInCatalogue(game, *db, 1));
        }
        action(Cmd::Refresh)->trigger();
        QCOMPARE(names(), (QStringList { "arabia.mgx", "later.mgx" }));

        m_frame->ListView()->ChangeFolder(folderPath() + "sub");
        QVERIFY(!m_frame->ListView()->InSearch());
        m_frame->ListView()->ChangeFolder(folderPath());
        QCOMPARE(names().size(), 6);
    }

    // After a rebuild the rows hold no ids of the old catalogue: each click
    // shows the game of the row clicked.
    void rebuildThenClickShowsTheRightGame()
    {
        QVERIFY(Fixture::Write(folderPath() + "a.mgx", duel("Ann", "Bob", 5)));
        QVERIFY(Fixture::Write(folderPath() + "b.mgx", duel("Cid", "Dan", 7)));
        openWindow();
        show(QStringLiteral("a.mgx"));
        show(QStringLiteral("b.mgx"));

        ModalDriver driver;
        driver.onDialog<CDataBaseManagementDlg>([](CDataBaseManagementDlg *dialog) {
            child<QCheckBox>(dialog, "create")->setChecked(true);
            child<QRadioButton>(dialog, "copy2")->click();
            QMetaObject::invokeMethod(child<QPushButton>(dialog, "optimize"), "click", Qt::QueuedConnection);
        });
        action(Cmd::DatabaseManagement)->trigger();
        QCOMPARE(driver.messages, QStringList { "New Database created successfully." });
        QVERIFY(!m_frame->FormView()->IsShowingGame());
        for (const CGameRow &row : model().Rows())
            QVERIFY2(!row.IsKnown(), qPrintable(row.fileName));

        show(QStringLiteral("b.mgx")); // stored anew, under the first id
        show(QStringLiteral("a.mgx"));
        QCOMPARE(m_frame->FormView()->TeamNames(0) + m_frame->FormView()->TeamNames(1), (QStringList { "Ann", "Bob" }));
    }

    // New countries reach the catalogue, the row's flag and the pane.
    void editPlayersFromTheWindow()
    {
        QVERIFY(Fixture::Write(folderPath() + "game.mgx", duel("Ann", "Bob", 5)));
        openWindow();
        show(QStringLiteral("game.mgx"));
        ModalDriver driver;
        driver.onDialog<CPlayersEditDlg>([](CPlayersEditDlg *dialog) {
            auto *list = child<QListWidget>(dialog, "playerList");
            auto *country = child<QComboBox>(dialog, "country");
            for (int row = 0; row < list->count(); ++row) {
                list->setCurrentRow(row);
                country->setCurrentIndex(country->findData(row == 0 ? 12 : 40));
                child<QPushButton>(dialog, "change")->click();
            }
            child<QPushButton>(dialog, "save")->click();
        });
        action(Cmd::EditPlayers)->trigger();
        auto db = Catalogue::OpenCatalogue();
        auto rows = db->CreateStatement("SELECT Nick, Id_Country FROM players WHERE Nick IN ('Ann', 'Bob') ORDER BY Nick");
        QStringList countries;
        while (rows->NextRow())
            countries << rows->ColumnText(0) + QLatin1Char('=') + QString::number(rows->ColumnInt(1));
        QCOMPARE(countries.size(), 2);
        const CGameRow &row = model().Row(model().FindRow(QStringLiteral("game.mgx")));
        QVERIFY(row.viewCountry == 12 || row.viewCountry == 40);
        QVERIFY(m_frame->FormView()->IsShowingGame());
        QVERIFY(countries.contains(QStringLiteral("%1=%2").arg(row.viewName).arg(row.viewCountry)));
    }
};

QTEST_MAIN(TestCatalogueDialogs)
#include "tst_catalogue_dialogs.moc"
