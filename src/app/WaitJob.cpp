#include "app/WaitJob.h"

#include <QThread>

std::shared_ptr<CWaitJob> CWaitJob::Create()
{
    return std::shared_ptr<CWaitJob>(new CWaitJob, [](CWaitJob *job) { job->deleteLater(); });
}

void CWaitJob::Start(const std::shared_ptr<CWaitJob> &job, Work work)
{
    QThread *thread = QThread::create([job, work = std::move(work)] { work(*job); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
