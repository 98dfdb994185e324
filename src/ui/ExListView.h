#pragma once

#include "shell/CommandState.h"

#include <QTreeView>

#include "catalogue/SearchQuery.h"

#include <memory>
#include <optional>

class CFolderWatch;
class CGameListModel;
struct CGameRow;
class CRecordedGame;
struct CGameRow;

// The game list: the folders, recordings and archives of the current
// folder with their catalogue columns. It fills itself, analyses the
// recording the user selects, and carries out the list commands (refresh,
// re-analysis, full scan, open item) that the main window dispatches.
class CExListView : public QTreeView
{
    Q_OBJECT
public:
    explicit CExListView(QWidget *parent = nullptr);
    ~CExListView() override;

    CGameListModel *Model() const { return m_model; }

    // Columns, restored layout and a first synchronous fill.
    void InitialFill();
    // Lists the current folder again; threaded behind the wait dialog.
    // While a search is shown, repeats the search instead.
    void Refresh(bool threaded = true);
    // Lists only the recordings of the current folder that the query finds;
    // the list stays in search mode until the folder changes.
    void Search(const CSearchQuery &query);
    bool InSearch() const { return m_search.has_value(); }
    // Makes folder the current path (saved at once) and lists it.
    void ChangeFolder(const QString &folder, bool threaded = true);
    // Opens the single selected row: a folder (".." goes up, or back to the
    // archive's folder while an archive is browsed); an archive row is
    // announced for the archive commands to open.
    void OpenSelected();
    // Re-reads the single selected stored recording and stores it anew.
    void ReanalyzeSelected();
    // Analyses every recording of the list the catalogue does not know.
    void FullScan();
    // Reads every stored recording of the list again behind the wait
    // dialog, each on its own platform (names follow a new code page).
    void RereadStored();
    // How many rows of the list are stored recordings.
    int StoredCount() const;
    // Shows the single selected row again in the detail pane.
    void ShowSelected();
    // Selects the row of that file name (and analyses it). False when absent.
    bool SelectFile(const QString &fileName);

    QList<int> SelectedRows() const;
    // Grows with every listing: results of work started on an older listing
    // are not for the rows shown now.
    int ListingGeneration() const { return m_generation; }
    CommandState State() const { return m_state; }
    // Saves the column widths and order as "Overview".
    void SaveLayout() const;

signals:
    void gameSelected(const CRecordedGame &game);
    void selectionCleared();
    // The selected recording could not be read (reason in English words).
    void gameUnreadable(const QString &fileName, const QString &reason);
    // A short report for the status bar.
    void statusMessage(const QString &text);
    void stateChanged(const CommandState &state);
    void countersChanged(int files, int games);
    void pathChanged(const QString &path);
    // A zip or rar row of the current folder was opened.
    void archiveActivated(const QString &fileName);
    void contextMenuRequested(const QPoint &globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    // Cells whose text does not fit show it whole in a tooltip.
    bool viewportEvent(QEvent *event) override;

private:
    struct UnreadableFile
    {
        QString fileName;
        QString reason;
    };
    // Says how many recordings a scan could not read, and which, with why.
    void ReportUnreadable(const QList<UnreadableFile> &failures);
    void onSelectionChanged();
    void onHeaderClicked(int section);
    void showHeaderMenu(const QPoint &pos);
    // Every column at least as wide as its title with the sort arrow, the
    // name column taking the room that is left.
    void fitColumns();
    QStringList selectedNames() const;
    void selectNames(const QStringList &names);
    void analyseRow(int row);
    void updateState();
    // The watch of the listed folder: rows come and go without a refresh.
    void watchListedFolder();
    void onWatchedRecording(const CGameRow &row);
    void onWatchedEntryRemoved(const QString &fileName);

    CGameListModel *m_model;
    CFolderWatch *m_watch;
    CommandState m_state;
    bool m_filling = false;
    int m_generation = 0; // counts listings; late worker results name theirs
    QString m_listedFolder;
    std::optional<CSearchQuery> m_search;
};
