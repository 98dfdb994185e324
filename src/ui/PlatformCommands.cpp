#include "ui/PlatformCommands.h"

#include "app/Settings.h"
#include "app/ShellStrings.h"
#include "app/WaitJob.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/WaitDlg.h"

#include <memory>

CPlatformCommands::CPlatformCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_form(form)
{
    const std::pair<int, int> platforms[] = {
        { Cmd::PlatformZone, Platform::Zone },
        { Cmd::PlatformIgzRm, Platform::IgzRm },
        { Cmd::PlatformIgzDm, Platform::IgzDm },
        { Cmd::PlatformGpRm, Platform::GpRm },
        { Cmd::PlatformGpDm, Platform::GpDm },
        { Cmd::PlatformIp, Platform::Ip },
        { Cmd::PopupPlatformZone, Platform::Zone },
        { Cmd::PopupPlatformIgzRm, Platform::IgzRm },
        { Cmd::PopupPlatformIgzDm, Platform::IgzDm },
        { Cmd::PopupPlatformGpRm, Platform::GpRm },
        { Cmd::PopupPlatformGpDm, Platform::GpDm },
        { Cmd::PopupPlatformIp, Platform::Ip },
    };
    for (const auto &[id, platform] : platforms)
        commands->SetHandler(id, [this, platform = platform] { changePlatform(platform); });
}

void CPlatformCommands::changePlatform(int platform)
{
    const QList<int> rows = m_list->SelectedRows();
    if (rows.size() != 1)
        return;
    CGameListModel *model = m_list->Model();
    if (!model->Row(rows.front()).IsKnown())
        return;
    struct Change
    {
        CGameRow row;
        PlatformChange::Result result = PlatformChange::Result::Unchanged;
        bool applied = false;
    };
    const auto change = std::make_shared<Change>();
    change->row = model->Row(rows.front());
    const QString folder = CSettings::Instance().CurrentPath();
    const int generation = m_list->ListingGeneration();
    // The change is one delete and one store; Cancel cannot undo it, so its
    // outcome reaches the row whenever the worker is done, unless another
    // listing has replaced the list by then.
    auto apply = [this, change, generation] {
        if (change->applied || m_list->ListingGeneration() != generation)
            return;
        change->applied = true;
        applyPlatformChange(change->row, change->result);
    };
    const auto job = CWaitJob::Create();
    connect(job.get(), &CWaitJob::resultPosted, this, apply);
    const bool finished = CWaitDlg::RunJob(m_window, LoadString(StringId::PleaseWaitTitle),
        Platform::PlatformLabel(platform), true, false, job, [change, folder, platform](CWaitJob &j) {
            CRecordedGame game;
            change->result = PlatformChange::ChangePlatform(folder, change->row, platform, game);
            j.PostResult(QVariant());
            j.PostClose();
        });
    if (finished)
        apply();
}

void CPlatformCommands::applyPlatformChange(const CGameRow &row, PlatformChange::Result result)
{
    if (result == PlatformChange::Result::Unchanged || result == PlatformChange::Result::NotStored)
        return;
    CGameListModel *model = m_list->Model();
    const int index = model->FindRow(row.fileName);
    if (index < 0)
        return;
    model->UpdateRow(index, row);
    const bool shown = m_list->SelectedRows() == QList<int> { index };
    if (result == PlatformChange::Result::FileLost) {
        model->SetCounters(model->FilesCounter(), qMax(0, model->GamesCounter() - 1));
        if (shown)
            m_form->Clear();
    } else if (shown) {
        m_list->ShowSelected();
    }
}
