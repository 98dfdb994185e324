#include "app/WaitJob.h"

#include <QPointer>
#include <QThread>

namespace {

struct Running
{
    QPointer<QThread> thread;
    std::weak_ptr<CWaitJob> job;
};

QList<Running> &running()
{
    static QList<Running> list;
    return list;
}

} // namespace

std::shared_ptr<CWaitJob> CWaitJob::Create()
{
    return std::shared_ptr<CWaitJob>(new CWaitJob, [](CWaitJob *job) { job->deleteLater(); });
}

QThread *CWaitJob::Start(const std::shared_ptr<CWaitJob> &job, Work work)
{
    QThread *thread = QThread::create([job, work = std::move(work)] { work(*job); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    auto &list = running();
    list.removeIf([](const Running &r) { return r.thread.isNull(); });
    list.append({ thread, job });
    thread->start();
    return thread;
}

void CWaitJob::StopAll()
{
    for (const Running &r : running()) {
        if (const auto job = r.job.lock())
            job->RequestStop();
    }
    for (const Running &r : running()) {
        if (!r.thread.isNull())
            r.thread->wait();
    }
    running().clear();
}
