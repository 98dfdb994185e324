#include "ui/WaitDlg.h"

#include "app/ShellStrings.h"
#include "app/StringTable.h"
#include "app/TextFormat.h"
#include "app/WaitJob.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace {
std::function<void(CWaitDlg &)> &openHook()
{
    static std::function<void(CWaitDlg &)> hook;
    return hook;
}
} // namespace

CWaitDlg::CWaitDlg(QWidget *parent)
    : QDialog(parent)
    , m_message(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_counter(new QLabel(this))
{
    setModal(true);
    setWindowTitle(LoadString(StringId::PleaseWaitTitle));
    setMinimumWidth(360);
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_message->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_progress);
    layout->addWidget(m_counter);
    layout->addWidget(buttons);
}

void CWaitDlg::SetOpenHook(std::function<void(CWaitDlg &)> hook)
{
    openHook() = std::move(hook);
}

void CWaitDlg::Prepare(const QString &caption, const QString &message, bool marquee, bool showCounts)
{
    m_caption = caption;
    m_message->setText(message);
    m_marquee = marquee;
    m_showCounts = showCounts;
}

void CWaitDlg::Attach(const std::shared_ptr<CWaitJob> &job)
{
    m_job = job;
    connect(job.get(), &CWaitJob::rangeSet, this, &CWaitDlg::onRange, Qt::QueuedConnection);
    connect(job.get(), &CWaitJob::progressed, this, &CWaitDlg::onProgress, Qt::QueuedConnection);
    connect(job.get(), &CWaitJob::textPosted, this, &CWaitDlg::onText, Qt::QueuedConnection);
    connect(job.get(), &CWaitJob::closeRequested, this, &CWaitDlg::onClose, Qt::QueuedConnection);
}

bool CWaitDlg::Run()
{
    const bool finished = exec() == QDialog::Accepted;
    if (!finished && m_job)
        m_job->RequestStop();
    if (m_job)
        disconnect(m_job.get(), nullptr, this, nullptr); // later messages are not ours any more
    return finished;
}

bool CWaitDlg::RunJob(QWidget *parent, const QString &caption, const QString &message, bool marquee, bool showCounts,
    const std::shared_ptr<CWaitJob> &job, std::function<void(CWaitJob &)> work)
{
    CWaitDlg dialog(parent);
    dialog.Prepare(caption, message, marquee, showCounts);
    dialog.Attach(job);
    CWaitJob::Start(job, std::move(work));
    return dialog.Run();
}

void CWaitDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_timer)
        return;
    if (!m_caption.isEmpty())
        setWindowTitle(m_caption);
    if (m_marquee)
        m_progress->setRange(0, 0); // busy indicator: the job cannot count its items
    m_counter->clear();
    m_timer = startTimer(100);
    if (openHook())
        openHook()(*this);
}

void CWaitDlg::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer && m_job && m_job->Finished() && isVisible())
        accept();
}

void CWaitDlg::onRange(int maximum)
{
    if (!isVisible() || m_marquee)
        return;
    m_progress->setRange(0, qMax(0, maximum));
    m_progress->setValue(0);
}

void CWaitDlg::onProgress(int kind, int position)
{
    if (!isVisible())
        return;
    if (!m_marquee)
        m_progress->setValue(position);
    if (!m_showCounts)
        return;
    const int maximum = m_progress->maximum();
    // A range of zero would divide by zero: show 0% until the range arrives.
    const int percent = maximum > 0 ? int(qint64(position) * 100 / maximum) : 0;
    if (kind == CWaitJob::kFiles)
        setCounter(FormatText(LoadString(StringId::FilesProgress), { percent, position, maximum }));
    else
        setCounter(FormatText(LoadString(StringId::PageProgress), { percent }));
}

void CWaitDlg::onText(const QString &text)
{
    if (isVisible())
        setCounter(text);
}

void CWaitDlg::setCounter(const QString &text)
{
    m_counter->setText(text);
    emit counterChanged(text);
}

void CWaitDlg::onClose()
{
    if (isVisible())
        accept();
}
