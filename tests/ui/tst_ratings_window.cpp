#include "FakeService.h"
#include "FixtureWriter.h"
#include "TestEnv.h"
#include "WindowTest.h"

#include "app/LanguageManager.h"
#include "app/Settings.h"
#include "app/WaitJob.h"
#include "catalogue/Catalogue.h"
#include "ratings/RatingServices.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ConfigRatings.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/WaitDlg.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QByteArray gameParkPage(int rating)
{
    return QStringLiteral("<html>player's id : 5<td>Nationality :</td><td class=\"descr\">Canada</td>"
                          "<a href=\"/en/AOE_Ladder.asp?p=170&amp;id=5\">RM</a> Rating: <strong>%1</strong>")
        .arg(rating)
        .toUtf8();
}

} // namespace

// "Refresh Ratings" in the window against a fake service on 127.0.0.1, and
// the service addresses on the Ratings configuration page.
class TestRatingsWindow : public CWindowTest
{
    Q_OBJECT

private:
    QStringList m_messages; // texts of the message boxes shown
    QString m_file;

    // A window on a folder with one duel, selected (and so stored on the
    // platform given to random-map games). Every test has its own file name:
    // the catalogue knows a recording by name and size.
    void openWindowOnDuel(int platform)
    {
        HeaderBuilder header = HeaderBuilder::Duel("Ann", "Bob");
        m_file = QStringLiteral("%1-%2.mgx").arg(QTest::currentTestFunction(), QTest::currentDataTag());
        m_file.replace(QLatin1Char(' '), QLatin1Char('-'));
        QVERIFY(Fixture::Write(
            folderPath() + m_file, Fixture::Recording(header.build(), BodyBuilder().timeStep(600000).build())));
        CSettings::Instance().SetDefaultPlatformRM(platform);
        CSettings::Instance().SetCurrentPath(folderPath());
        m_languages = std::make_unique<CLanguageManager>(qEnvironmentVariable("VELLUMCAST_TRANSLATIONS"));
        m_frame = std::make_unique<CMainFrame>(m_languages.get());
        m_frame->InitialFill();
        m_frame->show();
        QVERIFY(m_frame->ListView()->SelectFile(m_file));
        QTRY_COMPARE(m_frame->FormView()->ShownFile(), m_file);
    }

    void useService(const QString &url)
    {
        CRatingServices services;
        services.zoneUrl = services.gameParkUrl = services.igZonesUrl = url;
        services.timeoutSeconds = 5;
        services.Save();
    }

    // Message boxes are answered as they open, their texts kept.
    void answerMessageBoxes()
    {
        auto *timer = new QTimer(m_frame.get());
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_messages << box->text();
                box->accept();
            }
        });
        timer->start(20);
    }

    void refresh() { m_frame->Commands()->Action(Cmd::RefreshRatings)->trigger(); }

    QString teamText() const
    {
        return (m_frame->FormView()->TeamLines(0) + m_frame->FormView()->TeamLines(1)).join(QLatin1Char('|'));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(Catalogue::PrepareCatalogue()); }

    void init()
    {
        freshSettingsAndFolder();
        m_messages.clear();
    }

    void cleanup()
    {
        CWaitDlg::SetOpenHook({});
        m_frame.reset();
        CWaitJob::StopAll();
    }

    void refreshShowsTheNewValues_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("waitText");
        QTest::addColumn<bool>("marquee");
        QTest::addColumn<QString>("counter");
        QTest::addRow("zone") << 0 << QByteArray("<player nick=\"Ann\" rating=\"1912\" country=\"32\"/>")
                              << "Refreshing Zone Ratings..." << false << "";
        QTest::addRow("gamepark") << 1 << gameParkPage(1912) << "Refreshing GP Ratings..." << true << "( 2 of 2 Pages)";
        QTest::addRow("igzones") << 4 << QByteArray("1,Ann,1912;") << "Refreshing IGZ Ratings..." << true << "";
    }
    void refreshShowsTheNewValues()
    {
        QFETCH(int, platform);
        QFETCH(QByteArray, reply);
        QFETCH(QString, waitText);
        QFETCH(bool, marquee);
        QFETCH(QString, counter);
        CFakeService service([&](const CFakeService::Request &r) {
            // GamePark answers for Ann only; Bob has no page.
            return CFakeService::Ok(r.query == "nick=Bob" ? QByteArray() : reply);
        });
        useService(service.BaseUrl());
        openWindowOnDuel(platform);
        QVERIFY(!teamText().contains("1912"));

        QString shownText;
        bool shownMarquee = false;
        QString lastCounter;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) {
            shownText = dialog.findChildren<QLabel *>().value(0)->text();
            shownMarquee = dialog.findChild<QProgressBar *>()->maximum() == 0;
            connect(&dialog, &CWaitDlg::counterChanged, this, [&](const QString &text) { lastCounter = text; });
        });
        refresh();
        QCOMPARE(shownText, waitText);
        QCOMPARE(shownMarquee, marquee);
        if (!counter.isEmpty())
            QCOMPARE(lastCounter, counter);
        QVERIFY(m_messages.isEmpty());
        QTRY_VERIFY2(teamText().contains("1912"), qPrintable(teamText()));
        const CGameListModel &model = *m_frame->ListView()->Model();
        const CGameRow &row = model.Row(model.FindRow(m_file));
        QCOMPARE(row.viewCountry, row.viewName == QLatin1String("Ann") && platform != 4 ? 32 : row.viewCountry);
    }

    void errorsAreShown_data()
    {
        QTest::addColumn<bool>("configured");
        QTest::addColumn<QString>("message");
        QTest::addRow("service answers 503") << true
                                             << "Error updating ratings.\nError: 127.0.0.1 answered with "
                                                "HTTP status 503";
        QTest::addRow("service off") << false << "Error updating ratings.\nError: The GamePark rating service is off";
    }
    void errorsAreShown()
    {
        QFETCH(bool, configured);
        QFETCH(QString, message);
        CFakeService service([](const CFakeService::Request &) {
            return CFakeService::Response { 503, "busy", CFakeService::Response::Mode::Normal, {} };
        });
        useService(configured ? service.BaseUrl() : QString());
        openWindowOnDuel(1);
        answerMessageBoxes();
        refresh();
        QTRY_COMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().startsWith(message), qPrintable(m_messages.first()));
    }

    // Cancel while the service keeps silent: the dialog closes at once, the
    // worker ends on its own and nothing is written.
    void cancelLeavesTheWorkerToFinish()
    {
        CFakeService service([](const CFakeService::Request &) {
            return CFakeService::Response { 200, "", CFakeService::Response::Mode::Silent, {} };
        });
        useService(service.BaseUrl());
        openWindowOnDuel(0);
        const QString before = teamText();
        CWaitDlg::SetOpenHook([](CWaitDlg &dialog) { QTimer::singleShot(200, &dialog, &QDialog::reject); });
        answerMessageBoxes();
        refresh();
        QTRY_COMPARE(service.Requests().size(), 1);
        CWaitJob::StopAll();
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(teamText(), before);
    }

    void configurationPage()
    {
        useService(QStringLiteral("http://127.0.0.1:8080/"));
        CConfigRatings page;
        page.EnsureInitialised();
        auto *zone = page.findChild<QLineEdit *>(QStringLiteral("zoneServiceUrl"));
        auto *gamePark = page.findChild<QLineEdit *>(QStringLiteral("gameParkServiceUrl"));
        auto *timeout = page.findChild<QSpinBox *>(QStringLiteral("ratingsTimeout"));
        QVERIFY(zone && gamePark && timeout);
        QCOMPARE(zone->text(), QStringLiteral("http://127.0.0.1:8080/"));
        QCOMPARE(timeout->value(), 5);
        zone->clear();
        gamePark->setText(QStringLiteral(" 127.0.0.1:9090/gp "));
        timeout->setValue(30);
        page.Apply();
        const CRatingServices stored = CRatingServices::Load();
        QVERIFY(stored.zoneUrl.isEmpty());
        QCOMPARE(stored.gameParkUrl, QStringLiteral("127.0.0.1:9090/gp"));
        QCOMPARE(stored.timeoutSeconds, 30);

        page.resize(page.sizeHint().expandedTo(QSize(460, 0)));
        const QString shot = qEnvironmentVariable("VELLUMCAST_SHOTS");
        if (!shot.isEmpty())
            QVERIFY(page.grab().save(shot + QStringLiteral("/config-ratings.png")));
    }
};

QTEST_MAIN(TestRatingsWindow)
#include "tst_ratings_window.moc"
