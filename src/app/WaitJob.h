#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class QThread;

#include <atomic>
#include <functional>
#include <memory>

// The two sides of a long job shown behind the wait dialog. The worker thread
// posts range, progress, text and close through these queued signals and
// tests StopRequested() after each item; the owner on the user-interface
// thread connects the dialog and raises the stop flag when the user cancels.
class CWaitJob : public QObject
{
    Q_OBJECT
public:
    // Progress kinds: counted files, or a single page.
    static constexpr int kFiles = 1;
    static constexpr int kPage = 0;

    using Work = std::function<void(CWaitJob &)>;

    // Worker side (any thread).
    void PostRange(int maximum) { emit rangeSet(maximum); }
    void PostProgress(int kind, int position) { emit progressed(kind, position); }
    void PostText(const QString &text) { emit textPosted(text); }
    // The job ran to its end: set the finished flag first, so a close that
    // arrives before the dialog is visible is still honoured by its timer.
    void PostClose()
    {
        m_finished = true;
        emit closeRequested();
    }
    bool StopRequested() const { return m_stop; }
    // The stop flag itself, for loops that test it directly.
    const std::atomic<bool> &StopFlag() const { return m_stop; }
    // A partial result for the owner (a row analysed, a listing made).
    void PostResult(const QVariant &result) { emit resultPosted(result); }

    // Owner side.
    bool Finished() const { return m_finished; }
    void RequestStop() { m_stop = true; }

    // A job lives as long as its owner or its worker needs it, whichever
    // ends last: a cancelled worker may still be finishing its current item
    // after the owner has moved on. The last reference deletes it on the
    // thread it belongs to.
    static std::shared_ptr<CWaitJob> Create();

    // Runs work on a new thread that deletes itself when the work returns.
    // The owner may keep the returned pointer to wait for the thread's end.
    static QThread *Start(const std::shared_ptr<CWaitJob> &job, Work work);

    // Raises the stop flag of every job still running and waits for their
    // threads: a cancelled worker may still be finishing its current item
    // when the program ends. User-interface thread only.
    static void StopAll();

signals:
    void rangeSet(int maximum);
    void progressed(int kind, int position);
    void textPosted(const QString &text);
    void closeRequested();
    void resultPosted(const QVariant &result);

private:
    std::atomic<bool> m_finished { false };
    std::atomic<bool> m_stop { false };
};
