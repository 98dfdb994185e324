#include "shell/FolderHistory.h"

#include <QTest>

class TestFolderHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A walk of visits, backs and forwards, written as one letter per step:
    // a lower-case letter visits /x/<letter>/, "<" goes back, ">" forward.
    // After the walk: the folder shown, and what Back and Forward would give.
    void walks_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("canBack");
        QTest::addColumn<bool>("canForward");
        QTest::addRow("first folder") << "a"
                                      << "a" << false << false;
        QTest::addRow("two folders") << "ab"
                                     << "b" << true << false;
        QTest::addRow("back") << "ab<"
                              << "a" << false << true;
        QTest::addRow("back and forward") << "abc<<>"
                                          << "b" << true << true;
        QTest::addRow("visit forgets forward") << "abc<<d"
                                               << "d" << true << false;
        QTest::addRow("same folder is no step") << "aab<"
                                                << "a" << false << true;
        QTest::addRow("back past the start stays") << "ab<<<"
                                                   << "a" << false << true;
        QTest::addRow("forward past the end stays") << "ab<>>>"
                                                    << "b" << true << false;
    }
    void walks()
    {
        QFETCH(QString, steps);
        QFETCH(QString, current);
        QFETCH(bool, canBack);
        QFETCH(bool, canForward);
        CFolderHistory history;
        for (const QChar step : steps) {
            if (step == QLatin1Char('<'))
                history.Back();
            else if (step == QLatin1Char('>'))
                history.Forward();
            else
                history.Visit(QStringLiteral("/x/%1").arg(step));
        }
        QCOMPARE(history.Current(), QStringLiteral("/x/%1/").arg(current));
        QCOMPARE(history.CanGoBack(), canBack);
        QCOMPARE(history.CanGoForward(), canForward);
    }

    void historyIsBounded()
    {
        CFolderHistory history;
        for (int i = 0; i < CFolderHistory::kMaxSteps * 3; ++i)
            history.Visit(QStringLiteral("/f/%1").arg(i));
        int backs = 0;
        while (!history.Back().isEmpty())
            ++backs;
        QCOMPARE(backs, CFolderHistory::kMaxSteps);
    }

    void parents_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("child");
        QTest::addRow("nested") << "/home/u/games/"
                                << "/home/u/"
                                << "games";
        QTest::addRow("no slash") << "/home/u/games"
                                  << "/home/u/"
                                  << "games";
        QTest::addRow("below root") << "/srv"
                                    << "/"
                                    << "srv";
        QTest::addRow("root") << "/"
                              << ""
                              << "";
        QTest::addRow("dots") << "/a/b/../c/"
                              << "/a/"
                              << "c";
    }
    void parents()
    {
        QFETCH(QString, folder);
        QFETCH(QString, parent);
        QFETCH(QString, child);
        QString name;
        QCOMPARE(CFolderHistory::ParentOf(folder, &name), parent);
        QCOMPARE(name, child);
    }
};

QTEST_GUILESS_MAIN(TestFolderHistory)
#include "tst_folder_history.moc"
