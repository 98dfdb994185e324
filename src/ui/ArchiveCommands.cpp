#include "ui/ArchiveCommands.h"

#include "app/ArchiveStrings.h"
#include "app/Paths.h"
#include "app/Settings.h"
#include "app/ShellStrings.h"
#include "app/TextFormat.h"
#include "app/WaitJob.h"
#include "explorer/ArchiveReader.h"
#include "explorer/FileSystem.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/WaitDlg.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>

#include <memory>

CArchiveCommands::CArchiveCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_form(form)
{
    connect(m_list, &CExListView::archiveActivated, this, &CArchiveCommands::OpenArchive);
    const std::pair<int, Place> one[] = {
        { Cmd::ZipAsk, Place::Ask },
        { Cmd::PopupZipAsk, Place::Ask },
        { Cmd::ZipCurrent, Place::CurrentFolder },
        { Cmd::PopupZipCurrent, Place::CurrentFolder },
        { Cmd::ZipDesktop, Place::Desktop },
        { Cmd::PopupZipDesktop, Place::Desktop },
    };
    for (const auto &[id, place] : one)
        commands->SetHandler(id, [this, place = place] { zipOne(place); });
    const std::pair<int, Place> each[] = {
        { Cmd::ZipEachAsk, Place::Ask },
        { Cmd::PopupZipEachAsk, Place::Ask },
        { Cmd::ZipEachCurrent, Place::CurrentFolder },
        { Cmd::PopupZipEachCurrent, Place::CurrentFolder },
        { Cmd::ZipEachDesktop, Place::Desktop },
        { Cmd::PopupZipEachDesktop, Place::Desktop },
    };
    for (const auto &[id, place] : each)
        commands->SetHandler(id, [this, place = place] { zipEach(place); });
}

bool CArchiveCommands::OpenArchive(const QString &fileName)
{
    CSettings &settings = CSettings::Instance();
    const QString home = settings.CurrentPath();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ArchiveReader::OpenResult opened
        = ArchiveReader::OpenIntoWorkDirectory(home + fileName, Paths::WithSlash(settings.WorkDirectory()));
    QApplication::restoreOverrideCursor();
    if (!opened.ok) {
        QMessageBox::critical(m_window, LoadString(StringId::Attention), opened.message);
        return false;
    }
    m_form->Clear();
    settings.SetArchiveHomePath(home);
    settings.SetBrowsingArchive(true);
    m_list->ChangeFolder(Paths::WithSlash(settings.WorkDirectory()));
    return true;
}

QString CArchiveCommands::placeFolder(Place place) const
{
    if (place == Place::CurrentFolder)
        return CSettings::Instance().CurrentPath();
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty() || !QDir().mkpath(desktop))
        return QString();
    return Paths::WithSlash(desktop);
}

bool CArchiveCommands::confirm(const QString &text) const
{
    return QMessageBox::question(m_window, LoadString(StringId::Attention), text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void CArchiveCommands::zipOne(Place place)
{
    const QList<int> rows = m_list->SelectedRows();
    if (rows.isEmpty() || (place != Place::Ask && rows.size() != 1))
        return;
    const QString current = CSettings::Instance().CurrentPath();
    const CGameListModel *model = m_list->Model();
    QStringList paths;
    for (int row : rows)
        paths << current + model->Row(row).fileName;
    const CGameRow &first = model->Row(rows.front());

    QString target;
    if (place == Place::Ask) {
        const QString proposed
            = rows.size() == 1 && first.isFile ? ZipWriter::ArchiveNameFor(first.fileName) : QString();
        // The filter is stored the Windows way: "Zip Files (*.zip)|*.zip||".
        const QString filter = LoadString(StringId::ZipFilter).section(QLatin1Char('|'), 0, 0);
        target = QFileDialog::getSaveFileName(
            m_window, QString(), current + proposed, filter, nullptr, QFileDialog::DontConfirmOverwrite);
        if (target.isEmpty())
            return;
        if (!target.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive) && QFileInfo(target).suffix().isEmpty())
            target += QStringLiteral(".zip");
    } else {
        const QString folder = placeFolder(place);
        if (folder.isEmpty())
            return;
        target = folder + ZipWriter::ArchiveNameFor(first.fileName);
    }
    bool replace = false;
    if (FileSystem::Exists(target)) {
        if (!confirm(LoadString(StringId::ZipExists)))
            return;
        replace = true;
    }
    run({ { target, ZipWriter::Collect(paths, current, target), replace } });
}

void CArchiveCommands::zipEach(Place place)
{
    const QString current = CSettings::Instance().CurrentPath();
    QStringList paths;
    for (int row : m_list->SelectedRows()) {
        const CGameRow &r = m_list->Model()->Row(row);
        if (r.isFile)
            paths << current + r.fileName;
    }
    if (paths.isEmpty())
        return;
    QString folder;
    if (place == Place::Ask) {
        folder = QFileDialog::getExistingDirectory(m_window, LoadString(StringId::IndividualZipFolder), current);
        if (folder.isEmpty())
            return;
        folder = Paths::WithSlash(folder);
    } else {
        folder = placeFolder(place);
        if (folder.isEmpty())
            return;
    }
    QList<ZipWriter::Task> tasks;
    for (ZipWriter::Task task : ZipWriter::IndividualTasks(paths, folder)) {
        if (FileSystem::Exists(task.target)) {
            if (!confirm(FormatText(LoadString(StringId::IndividualZipExists), { QFileInfo(task.target).fileName() })))
                continue;
            task.replace = true;
        }
        tasks << task;
    }
    if (!tasks.isEmpty())
        run(tasks);
}

bool CArchiveCommands::run(const QList<ZipWriter::Task> &tasks)
{
    const auto result = std::make_shared<ZipWriter::Result>();
    const auto job = CWaitJob::Create();
    CWaitDlg dialog(m_window);
    dialog.Prepare(LoadString(StringId::PleaseWaitTitle), LoadString(StringId::CompressingFiles), false, false);
    dialog.Attach(job);
    const QPointer<QThread> worker = CWaitJob::Start(job, [tasks, result](CWaitJob &j) {
        *result = ZipWriter::Run(tasks, &j.StopFlag(), [&j](int done, int total) {
            j.PostRange(total);
            j.PostProgress(CWaitJob::kFiles, done);
            j.PostText(FormatText(LoadString(StringId::CompressProgress), { done, total }));
        });
        if (!j.StopRequested())
            j.PostClose();
    });
    const bool finished = dialog.Run();
    // A cancelled worker removes the archive it was writing before it ends;
    // the list below should not show it for a moment.
    if (worker)
        worker->wait();
    if (finished && result->error)
        QMessageBox::information(m_window, LoadString(StringId::Error),
            FormatText(LoadString(StringId::ZipCreateError), { result->errorText }));
    // Archives written into the folder shown appear in the list.
    if (result->archives > 0) {
        const QString current = QDir::cleanPath(CSettings::Instance().CurrentPath());
        for (const ZipWriter::Task &task : tasks) {
            if (QDir::cleanPath(QFileInfo(task.target).absolutePath()) == current) {
                m_list->Refresh(true);
                break;
            }
        }
    }
    return finished && result->Succeeded();
}
