#include "TestEnv.h"

#include "app/LanguageManager.h"
#include "app/TextFormat.h"
#include "recgame/RecordedGame.h"
#include "shell/CommandIds.h"
#include "shell/CommandState.h"
#include "shell/GameDetails.h"
#include "ui/PlayerRow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTest>

using Kind = CommandState::RowKind;

namespace {

struct Seat
{
    const char *name;
    int team;
    int rating;
};

CRecordedGame gameOf(const QList<Seat> &seats, int povSlot, int matchSize, int platform = 1)
{
    CRecordedGame game;
    for (int i = 0; i < seats.size(); ++i) {
        CPlayer &p = game.players[size_t(i + 1)];
        p.name = QString::fromLatin1(seats[i].name);
        p.number = p.name.isEmpty() ? 0 : i + 1;
        p.team = seats[i].team;
        p.rating = seats[i].rating;
        p.civilization = 2; // Franks
    }
    game.povSlot = povSlot;
    game.povPlayer = game.players[size_t(povSlot)];
    game.matchSize = matchSize;
    game.platform = platform;
    return game;
}

QStringList names(const QList<CGameDetails::PlayerLine> &lines)
{
    QStringList out;
    for (const auto &line : lines)
        out << line.name;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(QList<Seat>)

class TestShellCore : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void formatText_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("expected");
        QTest::addRow("files counter") << "%d%% ( %d of %d Files)" << QVariantList { 66, 2, 3 }
                                       << "66% ( 2 of 3 Files)";
        QTest::addRow("padded time") << "(%02d:%02d:%02d) %s" << QVariantList { 1, 2, 3, "Ann" } << "(01:02:03) Ann";
        QTest::addRow("average") << "%.2f" << QVariantList { 1612.5 } << "1612.50";
        QTest::addRow("string where a number was meant") << "%d" << QVariantList { "x" } << "0";
        QTest::addRow("more specifiers than values") << "%s and %s" << QVariantList { "a" } << "a and %s";
        QTest::addRow("unknown specifier kept") << "100%x %d" << QVariantList { 5 } << "100%x 5";
        QTest::addRow("trailing percent") << "50%" << QVariantList {} << "50%";
    }
    void formatText()
    {
        QFETCH(QString, format);
        QFETCH(QVariantList, values);
        QFETCH(QString, expected);
        QString out;
        switch (values.size()) {
        case 0:
            out = FormatText(format, {});
            break;
        case 1:
            out = FormatText(format, { values[0] });
            break;
        case 3:
            out = FormatText(format, { values[0], values[1], values[2] });
            break;
        default:
            out = FormatText(format, { values[0], values[1], values[2], values[3] });
            break;
        }
        QCOMPARE(out, expected);
    }

    void selectionFlags_data()
    {
        QTest::addColumn<QList<int>>("kinds"); // Kind values; +100 marks a stored game
        QTest::addColumn<bool>("archive");
        QTest::addColumn<QString>("expected"); // create rename move copy delete zip game individual selected

        auto k = [](Kind kind, bool stored = false) { return int(kind) + (stored ? 100 : 0); };
        QTest::addRow("nothing") << QList<int> {} << false << "100000000";
        QTest::addRow("parent") << QList<int> { k(Kind::Parent) } << false << "100000000";
        QTest::addRow("parent among others")
            << QList<int> { k(Kind::Parent), k(Kind::RecordedGame, true) } << false << "100000000";
        QTest::addRow("nothing in an archive") << QList<int> {} << true << "000000000";
        QTest::addRow("one folder") << QList<int> { k(Kind::Folder) } << false << "111111001";
        QTest::addRow("one stored game") << QList<int> { k(Kind::RecordedGame, true) } << false << "111111111";
        QTest::addRow("one unknown game") << QList<int> { k(Kind::RecordedGame) } << false << "111111001";
        QTest::addRow("one archive") << QList<int> { k(Kind::Archive) } << false << "111111001";
        QTest::addRow("two games") << QList<int> { k(Kind::RecordedGame, true), k(Kind::RecordedGame) } << false
                                   << "111111011";
        QTest::addRow("game and folder") << QList<int> { k(Kind::RecordedGame, true), k(Kind::Folder) } << false
                                         << "101111001";
        QTest::addRow("stored game in archive") << QList<int> { k(Kind::RecordedGame, true) } << true << "000100111";
        QTest::addRow("two games in archive")
            << QList<int> { k(Kind::RecordedGame), k(Kind::RecordedGame) } << true << "000100001";
    }
    void selectionFlags()
    {
        QFETCH(QList<int>, kinds);
        QFETCH(bool, archive);
        QFETCH(QString, expected);
        QList<CommandState::Row> rows;
        for (int code : kinds)
            rows << CommandState::Row { Kind(code % 100), code >= 100 };
        const CommandState s = CommandState::FromSelection(rows, archive);
        const bool flags[] = { s.createFolder, s.rename, s.move, s.copy, s.remove, s.zip, s.gameCommands,
            s.individualZips, s.somethingSelected };
        QString got;
        for (bool f : flags)
            got += f ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(got, expected);
        QCOMPARE(s.selectedCount, s.somethingSelected ? int(kinds.size()) : 0);
    }

    void commandRules_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("selected"); // stored games selected
        QTest::addColumn<bool>("inSaveGame");
        QTest::addColumn<bool>("enabled");
        QTest::addRow("zip here, one row") << Cmd::ZipCurrent << 1 << false << true;
        QTest::addRow("zip here, two rows") << Cmd::ZipCurrent << 2 << false << false;
        QTest::addRow("zip on desktop, two rows (popup)") << Cmd::PopupZipDesktop << 2 << false << false;
        QTest::addRow("individual zips, one row") << Cmd::ZipEachCurrent << 1 << false << false;
        QTest::addRow("individual zips, two rows") << Cmd::ZipEachAsk << 2 << false << true;
        QTest::addRow("move to SaveGame from SaveGame") << Cmd::MoveSaveGame << 1 << true << false;
        QTest::addRow("copy to SaveGame elsewhere") << Cmd::PopupCopySaveGame << 1 << false << true;
        QTest::addRow("ChinaZone never") << Cmd::PlatformChinaZone << 1 << false << false;
        QTest::addRow("popup ChinaZone never") << Cmd::PopupPlatformChinaZone << 1 << false << false;
        QTest::addRow("re-analyse one game") << Cmd::Reanalyze << 1 << false << true;
        QTest::addRow("re-analyse two games") << Cmd::PopupReanalyze << 2 << false << false;
        QTest::addRow("rename format with two games") << Cmd::RenameFormatFirst + 3 << 2 << false << true;
        QTest::addRow("refresh without selection") << Cmd::Refresh << 0 << false << true;
        QTest::addRow("full scan without selection") << Cmd::FullScan << 0 << false << true;
    }
    void commandRules()
    {
        QFETCH(int, command);
        QFETCH(int, selected);
        QFETCH(bool, inSaveGame);
        QFETCH(bool, enabled);
        QList<CommandState::Row> rows;
        for (int i = 0; i < selected; ++i)
            rows << CommandState::Row { Kind::RecordedGame, true };
        CommandContext context;
        context.inSaveGameFolder = inSaveGame;
        QCOMPARE(IsCommandEnabled(command, CommandState::FromSelection(rows, false), context), enabled);
    }

    void teams_data()
    {
        QTest::addColumn<QList<Seat>>("seats");
        QTest::addColumn<int>("pov");
        QTest::addColumn<int>("matchSize");
        QTest::addColumn<QStringList>("teamA");
        QTest::addColumn<QStringList>("teamB");
        QTest::addRow("FFA of six on six teams: slot order")
            << QList<Seat> { { "a", 1, 0 }, { "b", 2, 0 }, { "c", 3, 0 }, { "d", 4, 0 }, { "e", 5, 0 }, { "f", 6, 0 } }
            << 3 << 0 << QStringList { "a", "b", "c", "d" } << QStringList { "e", "f" };
        QTest::addRow("2 vs 2: the recorder's team first")
            << QList<Seat> { { "a", 1, 0 }, { "b", 2, 0 }, { "c", 1, 0 }, { "d", 2, 0 } } << 2 << 2
            << QStringList { "b", "d" } << QStringList { "a", "c" };
        QTest::addRow("duel with the recorder's team 10")
            << QList<Seat> { { "a", 0, 0 }, { "b", 10, 0 } } << 2 << 1 << QStringList { "b" } << QStringList { "a" };
        QTest::addRow("five on one team: slot order")
            << QList<Seat> { { "a", 1, 0 }, { "b", 1, 0 }, { "c", 1, 0 }, { "d", 1, 0 }, { "e", 1, 0 }, { "f", 2, 0 } }
            << 1 << 2 << QStringList { "a", "b", "c", "d" } << QStringList { "e", "f" };
        QTest::addRow("empty slots are hidden") << QList<Seat> { { "a", 1, 0 }, { "", 0, 0 }, { "c", 2, 0 } } << 1 << 1
                                                << QStringList { "a" } << QStringList { "c" };
    }
    void teams()
    {
        QFETCH(QList<Seat>, seats);
        QFETCH(int, pov);
        QFETCH(int, matchSize);
        QFETCH(QStringList, teamA);
        QFETCH(QStringList, teamB);
        const CGameDetails d = CGameDetails::Describe(gameOf(seats, pov, matchSize));
        QCOMPARE(names(d.teamA), teamA);
        QCOMPARE(names(d.teamB), teamB);
    }

    void ratings_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<int>("gameType");
        QTest::addColumn<QString>("average");
        QTest::addColumn<QString>("line");
        QTest::addRow("rated: zero ratings left out") << 1 << 0 << "1650.00"
                                                      << "Franks - Rating: 1600";
        QTest::addRow("IP is not rated") << 3 << 0 << "-"
                                         << "Franks";
        QTest::addRow("scenario shows no rating") << 1 << 3 << "1650.00"
                                                  << "Franks";
    }
    void ratings()
    {
        QFETCH(int, platform);
        QFETCH(int, gameType);
        QFETCH(QString, average);
        QFETCH(QString, line);
        CRecordedGame game = gameOf({ { "a", 1, 1600 }, { "b", 2, 1700 }, { "c", 2, 0 } }, 1, 0, platform);
        game.gameType = gameType;
        const CGameDetails d = CGameDetails::Describe(game);
        QCOMPARE(d.ratingAverage, average);
        QCOMPARE(d.teamA.front().line.trimmed(), line);
        QVERIFY(d.teamA.front().tooltip.contains(QLatin1String("Feudal Age")));
    }

    void playerTooltip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("country");
        QTest::addColumn<bool>("firstCastle");
        QTest::addColumn<QStringList>("contains");
        QTest::addColumn<QStringList>("absent");
        QTest::addRow("flag and rating") << "Ann" << 65 << false
                                         << QStringList { "de.png", "<b>Ann (1600)</b>", "Castle Age" }
                                         << QStringList { "\u2605" };
        QTest::addRow("no flag") << "Bob" << 0 << false << QStringList { "<b>Bob (1600)</b>" }
                                 << QStringList { "<img" };
        QTest::addRow("first to the castle")
            << "Cy" << 0 << true << QStringList { "<b>(--:--:--) Castle Age \u2605</b>" }
            << QStringList { "Feudal Age \u2605" };
        QTest::addRow("markup in a name stays text")
            << "<i>Di" << 0 << false << QStringList { "&lt;i&gt;Di" } << QStringList { "<i>" };
    }
    void playerTooltip()
    {
        QFETCH(QString, name);
        QFETCH(int, country);
        QFETCH(bool, firstCastle);
        QFETCH(QStringList, contains);
        QFETCH(QStringList, absent);
        CRecordedGame game = gameOf({ { "x", 1, 1600 } }, 1, 1);
        game.players[1].name = name;
        game.players[1].country = country;
        game.players[1].firstCastle = firstCastle;
        const QString html = CPlayerRow::TooltipHtml(CGameDetails::Describe(game).teamA.front());
        for (const QString &text : contains)
            QVERIFY2(html.contains(text), qPrintable(html));
        for (const QString &text : absent)
            QVERIFY2(!html.contains(text), qPrintable(html));
    }

    void languages_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("chosen");
        QTest::addRow("stored language") << "es" << QStringList { "de_DE" } << "es";
        QTest::addRow("regional falls back to the language") << "es_AR" << QStringList {} << "es";
        QTest::addRow("nothing stored: the system's") << "0" << QStringList { "fr_FR", "es_MX" } << "es";
        QTest::addRow("no translation: the program's own") << "" << QStringList { "de_DE" } << "en";
    }
    void languages()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, system);
        QFETCH(QString, chosen);
        CLanguageManager manager(qEnvironmentVariable("VELLUMCAST_TRANSLATIONS"));
        QCOMPARE(manager.Initialise(stored, system), chosen);
        QVERIFY(manager.AvailableLanguages().startsWith(QStringLiteral("en")));
        QVERIFY(manager.AvailableLanguages().contains(QStringLiteral("es")));
        const QString heading = QCoreApplication::translate("StringTable", "Fatal Error opening Database");
        QCOMPARE(heading == QLatin1String("Fatal Error opening Database"), chosen == QLatin1String("en"));
        // Qt's standard buttons follow, where the system has Qt's translation.
        if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_es.qm"))) {
            const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
            QCOMPARE(cancel == QLatin1String("Cancel"), chosen == QLatin1String("en"));
        }
    }

    void chooseLanguage()
    {
        CLanguageManager manager(qEnvironmentVariable("VELLUMCAST_TRANSLATIONS"));
        manager.Initialise(QStringLiteral("en"), {});
        // The message comes in the chosen language while the program stays in its own.
        QCOMPARE(manager.Choose(QStringLiteral("es"), QStringLiteral("Vellumcast")),
            QStringLiteral("Reinicie Vellumcast para usar el nuevo idioma."));
        QCOMPARE(manager.Current(), QStringLiteral("en"));
        QCOMPARE(CLanguageManager::StoredLanguage(), QStringLiteral("es"));
        QVERIFY(CLanguageManager::DisplayName(QStringLiteral("es")).startsWith(QStringLiteral("español")));
        QCOMPARE(CLanguageManager::DisplayName(QStringLiteral("zz")), QStringLiteral("zz - ???"));
    }
};

QTEST_GUILESS_MAIN(TestShellCore)
#include "tst_shell_core.moc"
