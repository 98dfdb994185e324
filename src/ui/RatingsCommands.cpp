#include "ui/RatingsCommands.h"

#include "app/Settings.h"
#include "app/ShellStrings.h"
#include "app/TextFormat.h"
#include "app/WaitJob.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "ratings/RatingLookups.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/WaitDlg.h"

#include <QMessageBox>

#include <memory>

namespace {
constexpr int kErrorUpdatingRatings = 1299;
} // namespace

CRatingsCommands::CRatingsCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_form(form)
{
    commands->SetHandler(Cmd::RefreshRatings, [this] { RefreshRatings(); });
    commands->SetHandler(Cmd::PopupRefreshRatings, [this] { RefreshRatings(); });
}

void CRatingsCommands::RefreshRatings()
{
    const QList<int> rows = m_list->SelectedRows();
    if (rows.size() != 1)
        return;
    const CGameRow row = m_list->Model()->Row(rows.front());
    if (!row.IsKnown())
        return;

    // The job is shared with the worker: after Cancel the worker may still
    // be waiting for a reply and finishes with its own reference.
    const auto job = std::make_shared<CRatingJob>();
    switch (
        RatingLookups::Prepare(*job, row.catalogueId, CSettings::Instance().CurrentPath(), CRatingServices::Load())) {
    case RatingLookups::Preparation::NotLoaded:
    case RatingLookups::Preparation::NotRated:
        return;
    case RatingLookups::Preparation::NotConfigured:
        showError(job->error);
        return;
    case RatingLookups::Preparation::Ready:
        break;
    }

    // The nickname service reports how much of its reply has come; the
    // others cannot say, so their bar only shows that work goes on.
    const bool counted = job->choice.service == RatingService::NickService;
    const int generation = m_list->ListingGeneration();
    const auto wait = CWaitJob::Create();
    const bool finished = CWaitDlg::RunJob(m_window, LoadString(StringId::PleaseWaitTitle),
        ServiceWaitText(job->choice.service), !counted, counted, wait, [job](CWaitJob &w) {
            RatingLookups::Run(*job, &w.StopFlag(), &w);
            if (!job->cancelled)
                w.PostClose();
        });
    if (!finished)
        return;
    if (!job->success)
        showError(job->error);
    // Players written before a failure (GamePark reads a page per player)
    // are shown too.
    if (job->success || !job->updatedSlots.isEmpty())
        refreshRow(row.fileName, generation);
}

void CRatingsCommands::showError(const QString &reason)
{
    QString text = FormatText(LoadString(kErrorUpdatingRatings), { reason });
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox::critical(m_window, LoadString(StringId::Error), text);
}

void CRatingsCommands::refreshRow(const QString &fileName, int generation)
{
    if (m_list->ListingGeneration() != generation)
        return;
    CGameListModel *model = m_list->Model();
    const int index = model->FindRow(fileName);
    if (index < 0)
        return;
    CGameRow row = model->Row(index);
    auto game = std::make_unique<CRecordedGame>();
    auto db = Catalogue::OpenCatalogue();
    if (db && Catalogue::LoadSummaryById(*game, row.catalogueId, *db)) {
        row.FillFromGame(*game);
        model->UpdateRow(index, row);
    }
    if (m_list->SelectedRows() == QList<int> { index })
        m_list->ShowSelected();
}
