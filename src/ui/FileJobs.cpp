#include "ui/FileJobs.h"

#include "app/FileStrings.h"
#include "app/ShellStrings.h"
#include "app/TextFormat.h"
#include "app/WaitJob.h"
#include "ui/AttentionBox.h"
#include "ui/WaitDlg.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

#include <memory>

namespace FileJobs {

namespace {

// Runs work behind the wait dialog and waits for the worker's end. After
// Cancel the worker still finishes the block it is at; meanwhile a question
// it asks is answered Cancel, without a box.
void runToEnd(QWidget *parent, const QString &message, const std::shared_ptr<CWaitJob> &job, CWaitJob::Work work)
{
    CWaitDlg dialog(parent);
    dialog.Prepare(LoadString(StringId::PleaseWaitTitle), message, false, true);
    dialog.Attach(job);
    const QPointer<QThread> thread = CWaitJob::Start(job, std::move(work));
    dialog.Run();
    while (thread && !thread->wait(20))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Reports file counts to the dialog when they change, the range each time:
// the dialog drops what arrives before it is on screen.
class CCountPoster
{
public:
    explicit CCountPoster(CWaitJob &job)
        : m_job(job)
    {
    }
    void Post(int done, int total)
    {
        if (done == m_done && total == m_total)
            return;
        m_job.PostRange(m_total = total);
        m_job.PostProgress(CWaitJob::kFiles, m_done = done);
    }

private:
    CWaitJob &m_job;
    int m_total = -1;
    int m_done = -1;
};

} // namespace

OverwriteAnswer AskOverwrite(QWidget *parent, const QString &targetPath)
{
    const QString text = FormatText(LoadString(StringId::ReplaceExisting), { QFileInfo(targetPath).fileName() });
    switch (AttentionBox::Ask(parent, text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll | QMessageBox::Cancel, QMessageBox::No)) {
    case QMessageBox::Yes:
        return OverwriteAnswer::Yes;
    case QMessageBox::YesToAll:
        return OverwriteAnswer::YesToAll;
    case QMessageBox::No:
        return OverwriteAnswer::No;
    default:
        return OverwriteAnswer::Cancel;
    }
}

FileOperations::TransferResult Transfer(
    QWidget *parent, const QStringList &sources, const QString &destination, FileOperations::TransferMode mode)
{
    using namespace FileOperations;
    const auto result = std::make_shared<TransferResult>();
    const auto job = CWaitJob::Create();
    // The question object lives on this thread: the worker's blocking call
    // runs the box here and waits for the answer.
    QObject asker;
    const QPointer<QWidget> owner(parent);
    const std::weak_ptr<CWaitJob> weakJob = job;
    OverwriteQuestion question = [&asker, owner, weakJob](const QString &target) {
        OverwriteAnswer answer = OverwriteAnswer::Cancel;
        QMetaObject::invokeMethod(
            &asker,
            [&] {
                const auto running = weakJob.lock();
                if (running && !running->StopRequested())
                    answer = AskOverwrite(owner, target);
            },
            Qt::BlockingQueuedConnection);
        return answer;
    };
    const QString message = LoadString(mode == TransferMode::Move ? StringId::MovingFiles : StringId::CopyingFiles);
    runToEnd(parent, message, job, [=](CWaitJob &j) {
        CCountPoster counts(j);
        TransferOptions options;
        options.mode = mode;
        options.question = question;
        options.cancel = &j.StopFlag();
        options.progress = [&counts](const Progress &p) { counts.Post(p.filesDone, p.filesTotal); };
        *result = FileOperations::Transfer(sources, destination, options);
        j.PostClose();
    });
    return *result;
}

FileOperations::DeleteResult Delete(
    QWidget *parent, const QString &folder, const QList<FileOperations::DeleteItem> &items, bool toTrash)
{
    const auto result = std::make_shared<FileOperations::DeleteResult>();
    const auto job = CWaitJob::Create();
    runToEnd(parent, LoadString(StringId::DeletingFiles), job, [=](CWaitJob &j) {
        CCountPoster counts(j);
        *result = FileOperations::DeleteEntries(
            folder, items, toTrash, &j.StopFlag(), [&counts](int done, int total) { counts.Post(done, total); });
        j.PostClose();
    });
    return *result;
}

} // namespace FileJobs
