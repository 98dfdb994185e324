#include "ui/ExListView.h"

#include "app/Log.h"
#include "app/Settings.h"
#include "app/ShellStrings.h"
#include "app/WaitJob.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DbSqlite.h"
#include "explorer/FolderListing.h"
#include "explorer/FolderWatch.h"
#include "explorer/FullScan.h"
#include "explorer/RowAnalysis.h"
#include "explorer/RowSorting.h"
#include "recgame/RecordedGame.h"
#include "ui/GameListModel.h"
#include "ui/WaitDlg.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QToolTip>

Q_DECLARE_METATYPE(CFolderListing)

namespace {

QString overviewKey()
{
    return QString::fromLatin1(SettingsKey::Section) + QLatin1Char('/') + QLatin1String(SettingsKey::Overview);
}

CommandState::Row stateRow(const CGameRow &row)
{
    CommandState::Row r;
    if (row.IsParent())
        r.kind = CommandState::RowKind::Parent;
    else if (!row.isFile)
        r.kind = CommandState::RowKind::Folder;
    else if (row.kind == CGameRow::Kind::Recording)
        r.kind = CommandState::RowKind::RecordedGame;
    else
        r.kind = CommandState::RowKind::Archive;
    r.stored = row.IsKnown();
    return r;
}

} // namespace

CExListView::CExListView(QWidget *parent)
    : QTreeView(parent)
    , m_model(new CGameListModel(this))
    , m_watch(new CFolderWatch(this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsMovable(true);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setStretchLastSection(false);
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header(), &QHeaderView::customContextMenuRequested, this, &CExListView::showHeaderMenu);
    connect(header(), &QHeaderView::sectionClicked, this, &CExListView::onHeaderClicked);
    // Rows are dragged out as files; what is dropped on the window is the
    // main window's to take.
    setDragDropMode(QAbstractItemView::DragOnly);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CExListView::onSelectionChanged);
    connect(this, &QAbstractItemView::activated, this, [this] { OpenSelected(); });
    connect(m_model, &CGameListModel::countersChanged, this, &CExListView::countersChanged);
    connect(m_watch, &CFolderWatch::recordingReady, this, &CExListView::onWatchedRecording);
    connect(m_watch, &CFolderWatch::entryRemoved, this, &CExListView::onWatchedEntryRemoved);
}

void CExListView::watchListedFolder()
{
    // The work directory of an opened archive changes only by our extraction.
    const CSettings &settings = CSettings::Instance();
    if (settings.watchFolder && !settings.BrowsingArchive() && !m_listedFolder.isEmpty())
        m_watch->Watch(m_listedFolder);
    else
        m_watch->Stop();
}

void CExListView::onWatchedRecording(const CGameRow &row)
{
    const int existing = m_model->FindRow(row.fileName);
    const bool wasKnown = existing >= 0 && m_model->Row(existing).IsKnown();
    const bool added = m_model->PutRow(row);
    m_model->SetCounters(m_model->FilesCounter() + (added ? 1 : 0),
        qMax(0, m_model->GamesCounter() + (row.IsKnown() ? 1 : 0) - (wasKnown ? 1 : 0)));
    updateState();
}

void CExListView::onWatchedEntryRemoved(const QString &fileName)
{
    const int index = m_model->FindRow(fileName);
    if (index < 0)
        return;
    const CGameRow row = m_model->Row(index);
    m_model->RemoveRow(fileName);
    m_model->SetCounters(qMax(0, m_model->FilesCounter() - (row.isFile ? 1 : 0)),
        qMax(0, m_model->GamesCounter() - (row.IsKnown() ? 1 : 0)));
    updateState();
}

CExListView::~CExListView() = default;

void CExListView::InitialFill()
{
    static const int widths[] = { 120, 124, 80, 60, 60, 120 };
    for (int c = 0; c < CGameListModel::ColumnCount; ++c)
        header()->resizeSection(c, widths[c]);
    const QByteArray saved = CSettings::OpenStore()->value(overviewKey()).toByteArray();
    if (!saved.isEmpty() && header()->restoreState(saved) && header()->sortIndicatorSection() >= 0
        && header()->sortIndicatorSection() < CGameListModel::ColumnCount) {
        const int column = header()->sortIndicatorSection() + 1;
        m_model->SortByKey(header()->sortIndicatorOrder() == Qt::AscendingOrder ? column : -column);
    } else {
        // Without a saved layout the list starts in name order, the order a
        // file manager shows first.
        m_model->SortByKey(GameColumn::Name);
        header()->setSortIndicator(CGameListModel::Name, Qt::AscendingOrder);
    }
    Refresh(false);
    fitColumns();
}

void CExListView::fitColumns()
{
    QHeaderView *h = header();
    for (int c = 0; c < CGameListModel::ColumnCount; ++c) {
        if (c == CGameListModel::Name)
            continue;
        h->setSectionResizeMode(c, QHeaderView::Interactive);
        h->resizeSection(c, qMax(h->sectionSize(c), h->sectionSizeHint(c)));
    }
    h->setSectionResizeMode(CGameListModel::Name, QHeaderView::Stretch);
}

void CExListView::showHeaderMenu(const QPoint &pos)
{
    QMenu menu(this);
    for (int c = 0; c < CGameListModel::ColumnCount; ++c) {
        QAction *action = menu.addAction(m_model->headerData(c, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!header()->isSectionHidden(c));
        // The name says which row is which: it always stays.
        action->setEnabled(c != CGameListModel::Name);
        connect(action, &QAction::toggled, this, [this, c](bool shown) {
            header()->setSectionHidden(c, !shown);
            SaveLayout();
        });
    }
    menu.exec(header()->mapToGlobal(pos));
}

bool CExListView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid() && !index.data(Qt::ToolTipRole).isValid()) {
            const QString text = index.data(Qt::DisplayRole).toString();
            QStyleOptionViewItem option;
            initViewItemOption(&option);
            option.rect = visualRect(index);
            option.text = text;
            option.features |= QStyleOptionViewItem::HasDisplay;
            if (!index.data(Qt::DecorationRole).isNull())
                option.features |= QStyleOptionViewItem::HasDecoration;
            option.decorationSize = iconSize().isValid() ? iconSize() : option.decorationSize;
            const QRect textRect = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
            const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
            if (!text.isEmpty() && option.fontMetrics.horizontalAdvance(text) > textRect.width() - 2 * margin)
                QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
            else
                QToolTip::hideText();
            return true;
        }
    }
    return QTreeView::viewportEvent(event);
}

void CExListView::SaveLayout() const
{
    CSettings::OpenStore()->setValue(overviewKey(), header()->saveState());
}

void CExListView::Refresh(bool threaded)
{
    QString folder = CSettings::Instance().CurrentPath();
    if (folder.isEmpty())
        folder = CSettings::Instance().ValidatePath(folder, true);
    const CFolderListingOptions options = CFolderListingOptions::FromSettings();
    const int sortKey = m_model->SortKey();
    const int generation = ++m_generation;
    const std::optional<CSearchQuery> search = m_search;
    const auto list = [folder, options, sortKey, search](const std::atomic<bool> *stop) {
        return search ? FolderListing::SearchFill(folder, *search, sortKey, stop)
                      : FolderListing::Fill(folder, options, sortKey, stop);
    };
    // Listing the same folder again keeps what was selected; a search shows
    // its results with nothing selected.
    const QStringList kept = folder == m_listedFolder && !search ? selectedNames() : QStringList();
    m_listedFolder = folder;
    emit selectionCleared();
    m_filling = true;
    if (!threaded) {
        m_model->SetListing(list(nullptr));
    } else {
        auto result = std::make_shared<CFolderListing>();
        auto delivered = std::make_shared<bool>(false);
        const auto job = CWaitJob::Create();
        // The worker hands over its listing whether it ran to its end or was
        // stopped: a cancelled listing still shows what was found so far.
        connect(job.get(), &CWaitJob::resultPosted, this, [this, generation, result, delivered] {
            // A listing that arrives after the user moved on is stale.
            if (generation != m_generation)
                return;
            *delivered = true;
            m_model->SetListing(*result);
        });
        const bool finished = CWaitDlg::RunJob(this,
            LoadString(search ? StringId::SearchWaitTitle : StringId::PleaseWaitTitle),
            LoadString(search ? StringId::SearchWaitText : StringId::LoadingFiles), true, false, job, [=](CWaitJob &j) {
                *result = list(&j.StopFlag());
                j.PostResult(QVariant());
                if (!j.StopRequested())
                    j.PostClose();
            });
        if (!*delivered) {
            if (finished) {
                // Closed by the finished flag before the hand-over was read:
                // the listing is complete, and its late delivery is not needed.
                ++m_generation;
                m_model->SetListing(*result);
            } else {
                m_model->Clear();
            }
        }
    }
    m_filling = false;
    watchListedFolder();
    scrollToTop();
    updateState();
    if (!kept.isEmpty())
        selectNames(kept);
}

QStringList CExListView::selectedNames() const
{
    QStringList names;
    for (int row : SelectedRows())
        names << m_model->Row(row).fileName;
    return names;
}

void CExListView::selectNames(const QStringList &names)
{
    QItemSelection selection;
    QModelIndex first;
    for (const QString &name : names) {
        const int row = m_model->FindRow(name);
        if (row < 0)
            continue;
        const QModelIndex index = m_model->index(row, 0);
        if (!first.isValid())
            first = index;
        selection.select(index, index);
    }
    if (!first.isValid())
        return;
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(first);
}

void CExListView::Search(const CSearchQuery &query)
{
    m_search = query;
    Refresh(true);
}

void CExListView::ChangeFolder(const QString &folder, bool threaded)
{
    // Any change of folder ends a search.
    m_search.reset();
    CSettings &settings = CSettings::Instance();
    const QString path = settings.ValidatePath(folder, false);
    settings.SetCurrentPath(path);
    settings.SaveCurrentPath();
    emit pathChanged(path);
    Refresh(threaded);
}

void CExListView::OpenSelected()
{
    const QList<int> rows = SelectedRows();
    if (rows.size() != 1)
        return;
    const CGameRow &row = m_model->Row(rows.front());
    if (row.isFile) {
        if (row.kind == CGameRow::Kind::Zip || row.kind == CGameRow::Kind::Rar)
            emit archiveActivated(row.fileName);
        return;
    }
    CSettings &settings = CSettings::Instance();
    const QString current = settings.CurrentPath();
    QString target;
    if (row.IsParent() && settings.BrowsingArchive()) {
        // Out of the work directory: back to the folder holding the archive.
        settings.SetBrowsingArchive(false);
        target = settings.ArchiveHomePath();
    } else if (row.IsParent()) {
        QDir dir(current);
        if (!dir.cdUp())
            return;
        target = dir.absolutePath();
    } else {
        target = current + row.fileName;
    }
    ChangeFolder(target);
}

QList<int> CExListView::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool CExListView::SelectFile(const QString &fileName)
{
    const int row = m_model->FindRow(fileName);
    if (row < 0)
        return false;
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
    return true;
}

void CExListView::ShowSelected()
{
    const QList<int> rows = SelectedRows();
    if (rows.size() == 1)
        analyseRow(rows.front());
}

void CExListView::onSelectionChanged()
{
    if (m_filling)
        return;
    updateState();
    const QList<int> rows = SelectedRows();
    if (rows.size() == 1)
        analyseRow(rows.front());
    else
        emit selectionCleared();
}

void CExListView::analyseRow(int index)
{
    CGameRow row = m_model->Row(index);
    CRecordedGame game;
    const bool wasKnown = row.IsKnown();
    switch (RowAnalysis::AnalyzeSelection(CSettings::Instance().CurrentPath(), row, game)) {
    case RowAnalysis::Outcome::Stored:
        m_model->UpdateRow(index, row);
        if (!wasKnown)
            m_model->SetCounters(m_model->FilesCounter(), m_model->GamesCounter() + 1);
        updateState();
        emit gameSelected(game);
        break;
    case RowAnalysis::Outcome::Loaded:
        emit gameSelected(game);
        break;
    case RowAnalysis::Outcome::Failed:
        m_model->UpdateRow(index, row); // keeps the reason for the row's tooltip
        emit gameUnreadable(row.fileName, row.error);
        break;
    case RowAnalysis::Outcome::NotRecording:
        emit selectionCleared();
        break;
    }
}

void CExListView::ReanalyzeSelected()
{
    const QList<int> rows = SelectedRows();
    if (rows.size() != 1 || !m_model->Row(rows.front()).IsKnown())
        return;
    const int index = rows.front();
    CGameRow row = m_model->Row(index);
    CRecordedGame game;
    const bool stored = RowAnalysis::Reanalyze(CSettings::Instance().CurrentPath(), row, game);
    m_model->UpdateRow(index, row);
    if (!stored)
        m_model->SetCounters(m_model->FilesCounter(), qMax(0, m_model->GamesCounter() - 1));
    updateState();
    if (stored)
        analyseRow(index); // shows the new record with its terrain and chat
    else
        emit selectionCleared();
}

void CExListView::FullScan()
{
    const QList<CGameRow> rows = m_model->Rows();
    if (FullScan::CountCandidates(rows) == 0) {
        // Nothing to analyse: the scan logs its count and shows no dialog.
        std::atomic<bool> never { false };
        FullScan::Run(CSettings::Instance().CurrentPath(), rows, never);
        emit statusMessage(tr("Every recording of this folder is already in the catalogue."));
        return;
    }
    Log::Write(QStringLiteral("FS - new PARAM OK"));
    const QString folder = CSettings::Instance().CurrentPath();
    const auto job = CWaitJob::Create();
    const int generation = m_generation;
    QList<UnreadableFile> failures;
    connect(job.get(), &CWaitJob::resultPosted, this, [this, generation, &failures](const QVariant &v) {
        // Rows of a cancelled scan that arrive after another listing belong
        // to a list that is gone, even when a file of the same name is shown.
        if (generation != m_generation)
            return;
        const CGameRow row = v.value<CGameRow>();
        const int index = m_model->FindRow(row.fileName);
        if (index < 0)
            return;
        if (row.IsUnreadable()) {
            CGameRow failed = m_model->Row(index);
            failed.error = row.error;
            m_model->UpdateRow(index, failed);
            failures << UnreadableFile { row.fileName, row.error };
            return;
        }
        const bool wasKnown = m_model->Row(index).IsKnown();
        m_model->UpdateRow(index, row);
        if (!wasKnown)
            m_model->SetCounters(m_model->FilesCounter(), m_model->GamesCounter() + 1);
    });
    Log::Write(QStringLiteral("FS - new theread OK"));
    const bool finished = CWaitDlg::RunJob(this, LoadString(StringId::PleaseWaitTitle),
        LoadString(StringId::ScanningDirectory), false, true, job, [folder, rows](CWaitJob &j) {
            CFullScanObserver observer;
            observer.started = [&j](int total) { j.PostRange(total); };
            int lastStored = 0;
            observer.progress = [&j, &lastStored](int, int stored, int) {
                // The counter shows the games stored, as the files are counted.
                if (stored != lastStored)
                    j.PostProgress(CWaitJob::kFiles, stored);
                lastStored = stored;
            };
            observer.rowStored = [&j](int, const CGameRow &row) { j.PostResult(QVariant::fromValue(row)); };
            observer.failed = [&j](const QString &path, const QString &reason) {
                CGameRow row;
                row.fileName = QFileInfo(path).fileName();
                row.error = reason.isEmpty() ? QStringLiteral("unknown error") : reason;
                j.PostResult(QVariant::fromValue(row));
            };
            const CFullScanResult result = FullScan::Run(folder, rows, j.StopFlag(), observer);
            if (!result.cancelled && !j.StopRequested())
                j.PostClose();
        });
    Log::Write(finished ? QStringLiteral("FS - FINISHED") : QStringLiteral("FS - CANCELED"));
    Log::Write(QStringLiteral("FS - UPDATE PANEL"));
    updateState();
    ReportUnreadable(failures);
}

void CExListView::ReportUnreadable(const QList<UnreadableFile> &failures)
{
    if (failures.isEmpty())
        return;
    const QString summary = failures.size() == 1 ? tr("1 recording could not be read")
                                                 : tr("%1 recordings could not be read").arg(failures.size());
    emit statusMessage(summary + QLatin1Char('.'));
    QStringList lines;
    for (const UnreadableFile &f : failures)
        lines << QStringLiteral("%1: %2").arg(f.fileName, f.reason);
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), summary + QLatin1Char('.'), QMessageBox::Ok, this);
    box.setInformativeText(tr("Their rows show the reason in a tooltip. Show Details lists them."));
    box.setDetailedText(lines.join(QLatin1Char('\n')));
    box.exec();
}

int CExListView::StoredCount() const
{
    const QList<CGameRow> rows = m_model->Rows();
    return int(
        std::count_if(rows.begin(), rows.end(), [](const CGameRow &r) { return r.IsRecording() && r.IsKnown(); }));
}

void CExListView::RereadStored()
{
    QList<CGameRow> rows = m_model->Rows();
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [](const CGameRow &r) { return !r.IsRecording() || !r.IsKnown(); }),
        rows.end());
    if (rows.isEmpty())
        return;
    const QString folder = CSettings::Instance().CurrentPath();
    const auto job = CWaitJob::Create();
    CWaitDlg::RunJob(this, LoadString(StringId::PleaseWaitTitle), LoadString(StringId::ScanningDirectory), false, true,
        job, [folder, rows](CWaitJob &j) {
            std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
            if (!db)
                return j.PostClose();
            j.PostRange(int(rows.size()));
            for (int i = 0; i < rows.size() && !j.StopRequested(); ++i) {
                CGameRow row = rows.at(i);
                CRecordedGame game;
                RowAnalysis::Reread(folder, row, game, *db, row.platform);
                j.PostProgress(CWaitJob::kFiles, i + 1);
            }
            if (!j.StopRequested())
                j.PostClose();
        });
    // Rows that could not be read again are no longer stored: list anew.
    emit selectionCleared();
    Refresh(true);
}

void CExListView::onHeaderClicked(int section)
{
    const int key = RowSorting::NextSortKey(m_model->SortKey(), section + 1);
    m_model->SortByKey(key);
    header()->setSortIndicator(section, key > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CExListView::updateState()
{
    QList<CommandState::Row> rows;
    for (int index : SelectedRows())
        rows << stateRow(m_model->Row(index));
    m_state = CommandState::FromSelection(rows, CSettings::Instance().BrowsingArchive());
    emit stateChanged(m_state);
}

void CExListView::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos());
}
