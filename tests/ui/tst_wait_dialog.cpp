#include "TestEnv.h"

#include "app/WaitJob.h"
#include "ui/WaitDlg.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>

class TestWaitDialog : public QObject
{
    Q_OBJECT

private:
    TestEnv m_env;

private Q_SLOTS:
    void cleanup() { CWaitDlg::SetOpenHook({}); }

    void workerFinishingBeforeTheDialogShowsStillClosesIt()
    {
        CWaitDlg dialog;
        dialog.Prepare(QStringLiteral("Please wait..."), QStringLiteral("Loading"), false, true);
        const auto job = CWaitJob::Create();
        dialog.Attach(job);
        // The worker is done before the dialog exists on screen; its close
        // message is dropped, the finished flag is not.
        job->PostClose();
        QCoreApplication::processEvents();
        bool finished = false;
        QTimer::singleShot(0, this, [&] { finished = dialog.Run(); });
        QTRY_VERIFY_WITH_TIMEOUT(finished, 5000);
        QVERIFY(!dialog.isVisible());
    }

    void progressTexts_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("counter");
        QTest::addRow("files") << 3 << CWaitJob::kFiles << 2 << "66% ( 2 of 3 Files)";
        QTest::addRow("all files") << 3 << CWaitJob::kFiles << 3 << "100% ( 3 of 3 Files)";
        QTest::addRow("page") << 4 << CWaitJob::kPage << 1 << "25% ( 1 of 1 Page)";
        QTest::addRow("no range yet") << 0 << CWaitJob::kFiles << 0 << "0% ( 0 of 0 Files)";
    }
    void progressTexts()
    {
        QFETCH(int, maximum);
        QFETCH(int, kind);
        QFETCH(int, position);
        QFETCH(QString, counter);
        QStringList seen;
        bool finished = false;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) {
            connect(&dialog, &CWaitDlg::counterChanged, this, [&](const QString &text) { seen << text; });
        });
        const auto job = CWaitJob::Create();
        QTimer::singleShot(0, this, [&] {
            finished = CWaitDlg::RunJob(nullptr, QStringLiteral("Please wait..."), QStringLiteral("Working"), false,
                true, job, [=](CWaitJob &j) {
                    j.PostRange(maximum);
                    j.PostProgress(kind, position);
                    j.PostClose();
                });
        });
        QTRY_VERIFY_WITH_TIMEOUT(finished, 5000);
        QCOMPARE(seen, QStringList { counter });
    }

    void cancelStopsTheWorkerAndIgnoresLaterMessages()
    {
        std::atomic<bool> stopped { false };
        std::atomic<bool> release { false };
        QString lastCounter;
        CWaitDlg *shown = nullptr;
        CWaitDlg::SetOpenHook([&](CWaitDlg &dialog) {
            shown = &dialog;
            QTimer::singleShot(0, &dialog, &QDialog::reject);
        });
        const auto job = CWaitJob::Create();
        bool result = true;
        QTimer::singleShot(0, this, [&] {
            result = CWaitDlg::RunJob(nullptr, QStringLiteral("Please wait..."), QStringLiteral("Working"), false, true,
                job, [&](CWaitJob &j) {
                    j.PostRange(10);
                    while (!j.StopRequested())
                        QThread::msleep(1);
                    stopped = true;
                    while (!release)
                        QThread::msleep(1);
                    j.PostProgress(CWaitJob::kFiles, 5); // after Cancel: ignored
                });
            lastCounter = QStringLiteral("returned");
        });
        QTRY_VERIFY_WITH_TIMEOUT(stopped.load(), 5000);
        QCOMPARE(result, false);
        QVERIFY(shown);
        release = true;
        CWaitJob::StopAll(); // the late message goes to a dialog that is gone
        QCoreApplication::processEvents();
        QCOMPARE(lastCounter, QStringLiteral("returned"));
    }
};

QTEST_MAIN(TestWaitDialog)
#include "tst_wait_dialog.moc"
