#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class CWaitJob;
class QLabel;
class QProgressBar;

// The modal progress dialog shown while a worker runs a long job: a message
// line, a progress bar, a counter line and Cancel. It accepts the job's
// messages only while it is visible, and a 100 ms timer closes it once the
// job's finished flag is set, so a worker that ends before the dialog
// appears does not leave it open.
class CWaitDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CWaitDlg(QWidget *parent = nullptr);

    void Prepare(const QString &caption, const QString &message, bool marquee, bool showCounts);
    void Attach(const std::shared_ptr<CWaitJob> &job);

    // Shows the dialog modally; true when the job finished, false on Cancel.
    // On Cancel the job's stop flag is raised before this returns.
    bool Run();

    // Runs work on a worker thread behind a new dialog. True when the job
    // ran to its end; on Cancel the job's stop flag is raised.
    static bool RunJob(QWidget *parent, const QString &caption, const QString &message, bool marquee, bool showCounts,
        const std::shared_ptr<CWaitJob> &job, std::function<void(CWaitJob &)> work);

    // The hook that lets tests and screenshots see each dialog as it opens.
    static void SetOpenHook(std::function<void(CWaitDlg &)> hook);

signals:
    void counterChanged(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void onRange(int maximum);
    void onProgress(int kind, int position);
    void onText(const QString &text);
    void onClose();
    void setCounter(const QString &text);

    QLabel *m_message;
    QProgressBar *m_progress;
    QLabel *m_counter;
    std::shared_ptr<CWaitJob> m_job;
    QString m_caption;
    bool m_marquee = false;
    bool m_showCounts = false;
    int m_timer = 0;
};
