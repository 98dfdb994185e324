#include "ui/CatalogueCommands.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "ratings/PlayersInfo.h"
#include "recgame/RecordedGame.h"
#include "shell/CommandIds.h"
#include "shell/GameDescription.h"
#include "ui/ClipboardDlg.h"
#include "ui/CommandTable.h"
#include "ui/DataBaseManagementDlg.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/PlayersEditDlg.h"
#include "ui/SearchDlg.h"
#include "ui/TopPlayersDlg.h"

#include <memory>

CCatalogueCommands::CCatalogueCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_form(form)
{
    commands->SetHandler(Cmd::Search, [this] { search(); });
    commands->SetHandler(Cmd::DatabaseManagement, [this] { manageDatabase(); });
    commands->SetHandler(Cmd::TopPlayers, [this] { showTopPlayers(); });
    for (int id : { Cmd::EditPlayers, Cmd::PopupEditPlayers })
        commands->SetHandler(id, [this] { editPlayers(); });
    for (int id : { Cmd::CopyDescription, Cmd::PopupCopyDescription })
        commands->SetHandler(id, [this] { copyDescription(); });
}

int CCatalogueCommands::selectedGameId() const
{
    const QList<int> rows = m_list->SelectedRows();
    if (rows.size() != 1)
        return 0;
    const CGameRow &row = m_list->Model()->Row(rows.front());
    return row.IsRecording() && row.IsKnown() ? row.catalogueId : 0;
}

void CCatalogueCommands::search()
{
    CSearchDlg dialog(m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_form->Clear();
    m_list->Search(dialog.Query());
}

void CCatalogueCommands::manageDatabase()
{
    CDataBaseManagementDlg dialog(m_window);
    dialog.exec();
    if (!dialog.Rebuilt())
        return;
    // The rows carry ids of the catalogue that is gone: list them anew, with
    // nothing selected, so that no click loads another game under an old id.
    m_list->clearSelection();
    m_form->Clear();
    m_list->Refresh(true);
}

void CCatalogueCommands::showTopPlayers()
{
    CTopPlayersDlg dialog(m_window);
    dialog.exec();
}

void CCatalogueCommands::editPlayers()
{
    const int id = selectedGameId();
    if (id <= 0)
        return;
    const QString folder = CSettings::Instance().CurrentPath();
    auto game = std::make_unique<CRecordedGame>();
    if (!GameDescription::LoadStoredGame(id, folder, *game))
        return;
    CPlayersEditDlg dialog(PlayersInfo::Entries(*game), m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The row's flag and the pane follow the new countries.
    const int index = m_list->SelectedRows().value(0, -1);
    auto db = Catalogue::OpenCatalogue();
    CRecordedGame summary;
    if (index >= 0 && db && Catalogue::LoadSummaryById(summary, id, *db)) {
        CGameRow row = m_list->Model()->Row(index);
        row.FillFromGame(summary);
        m_list->Model()->UpdateRow(index, row);
    }
    m_list->ShowSelected();
}

void CCatalogueCommands::copyDescription()
{
    const int id = selectedGameId();
    if (id <= 0)
        return;
    auto game = std::make_unique<CRecordedGame>();
    if (!GameDescription::LoadStoredGame(id, CSettings::Instance().CurrentPath(), *game))
        return;
    CClipboardDlg dialog(*game, m_window);
    dialog.exec();
}
