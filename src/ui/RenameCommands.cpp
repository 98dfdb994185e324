#include "ui/RenameCommands.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DbSqlite.h"
#include "explorer/FileRecordedGame.h"
#include "recgame/RecordedGame.h"
#include "rename/RenameBatch.h"
#include "rename/RenameGames.h"
#include "rename/RenameRows.h"
#include "rename/RenameStrings.h"
#include "shell/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/RenameConfirm.h"
#include "ui/RenameDlg.h"
#include "ui/RenameFormatsDlg.h"
#include "ui/RenameMessages.h"
#include "ui/RenameSingleDlg.h"

#include <QAction>

#include <memory>

namespace {

constexpr int kQuickEntries = Cmd::RenameFormatLast - Cmd::RenameFormatFirst + 1;

// The rename of one stored recording as every rename dialog does it: the
// name a format gave keeps the file's own recording extension, and an
// existing file of that name is replaced only when the user says so.
CRenameConfirm::RenameFunction renameFunction(QWidget *parent, const QString &folder, const QString &fileName, int id)
{
    return [=](const QString &name) {
        CFileRecordedGame file(folder, fileName, id);
        return file.Rename(CRenameBatch::TargetFor(fileName, name),
            [parent](const QString &target) { return RenameMessages::AskReplace(parent, target); });
    };
}

} // namespace

CRenameCommands::CRenameCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form)
    : QObject(window)
    , m_window(window)
    , m_commands(commands)
    , m_list(list)
    , m_form(form)
{
    commands->SetHandler(Cmd::RenameFormats, [this] { showFormats(); });
    for (int i = 0; i < kQuickEntries; ++i)
        commands->SetHandler(Cmd::RenameFormatFirst + i, [this, i] { QuickRename(i); });
    connect(list, &CExListView::gameSelected, this, &CRenameCommands::updateQuickRename);
    connect(list, &CExListView::selectionCleared, this, &CRenameCommands::clearQuickRename);
    connect(list, &CExListView::stateChanged, this, [this](const CommandState &state) {
        if (state.selectedCount != 1)
            clearQuickRename();
    });
}

bool CRenameCommands::CanRename(const QList<int> &rows) const
{
    const CGameListModel *model = m_list->Model();
    if (rows.size() == 1)
        return model->Row(rows.front()).IsRecording() && model->Row(rows.front()).IsKnown();
    if (rows.size() < 2)
        return false;
    for (int r : rows)
        if (!model->Row(r).IsRecording())
            return false;
    return true;
}

void CRenameCommands::RenameRows(const QList<int> &rows)
{
    if (!CanRename(rows))
        return;
    if (rows.size() == 1)
        renameOne(rows.front());
    else
        renameSeveral(rows);
}

void CRenameCommands::clearQuickRename()
{
    m_quickNames.clear();
    m_quickFile.clear();
    for (int i = 0; i < kQuickEntries; ++i)
        m_commands->Action(Cmd::RenameFormatFirst + i)->setVisible(false);
}

void CRenameCommands::updateQuickRename(const CRecordedGame &game)
{
    clearQuickRename();
    const QList<int> rows = m_list->SelectedRows();
    if (rows.size() != 1 || game.catalogueId <= 0)
        return;
    const CGameRow &row = m_list->Model()->Row(rows.front());
    if (!row.IsRecording() || !row.IsKnown())
        return;
    auto copy = std::make_unique<CRecordedGame>(game);
    CRenamer renamer;
    renamer.LoadFormats();
    renamer.Expand(*copy, QStringLiteral("#"));
    for (int i = 0; i < renamer.ResultCount() && i < kQuickEntries; ++i) {
        m_quickNames.append(renamer.GetResult(i));
        QAction *action = m_commands->Action(Cmd::RenameFormatFirst + i);
        action->setText(QString(renamer.GetResult(i)).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setVisible(true);
    }
    m_quickFile = row.fileName;
}

void CRenameCommands::QuickRename(int index)
{
    const QList<int> rows = m_list->SelectedRows();
    if (index < 0 || index >= m_quickNames.size() || rows.size() != 1)
        return;
    const CGameRow row = m_list->Model()->Row(rows.front());
    if (row.fileName != m_quickFile || !row.IsKnown())
        return;
    const QString name = m_quickNames[index];
    const auto rename = renameFunction(m_window, CSettings::Instance().CurrentPath(), row.fileName, row.catalogueId);
    if (name.contains(QLatin1Char('#'))) {
        CRenameConfirm confirm(m_window, name, rename);
        if (confirm.exec() == QDialog::Accepted)
            afterRename(confirm.NewName());
        return;
    }
    const CFileRecordedGame::Result result = rename(name);
    RenameMessages::Show(m_window, result);
    if (result.Succeeded())
        afterRename(result.newName);
}

void CRenameCommands::renameOne(int index)
{
    const CGameRow row = m_list->Model()->Row(index);
    const QString folder = CSettings::Instance().CurrentPath();
    auto db = Catalogue::OpenCatalogue();
    auto game = std::make_unique<CRecordedGame>();
    QString why;
    const int id = db ? RenameGames::LoadOrStore(folder, row.fileName, *db, *game, &why) : 0;
    db.reset();
    if (id <= 0) {
        RenameMessages::Attention(m_window, why.isEmpty() ? LoadString(StringId::CatalogueUnavailable) : why);
        return;
    }
    CRenamer renamer;
    renamer.LoadFormats();
    CRenameSingleDlg dialog(m_window, row.fileName, *game, renamer, renameFunction(m_window, folder, row.fileName, id));
    if (dialog.exec() == QDialog::Accepted)
        afterRename(dialog.NewName());
}

void CRenameCommands::renameSeveral(const QList<int> &indexes)
{
    const QString folder = CSettings::Instance().CurrentPath();
    auto db = Catalogue::OpenCatalogue();
    if (!db) {
        RenameMessages::Attention(m_window, LoadString(StringId::CatalogueUnavailable));
        return;
    }
    CRenamer renamer;
    renamer.LoadFormats();
    CRenameRows rows;
    auto game = std::make_unique<CRecordedGame>();
    for (int index : indexes) {
        CRenameRow row;
        row.fileName = m_list->Model()->Row(index).fileName;
        row.catalogueId = RenameGames::LoadOrStore(folder, row.fileName, *db, *game);
        if (row.catalogueId > 0) {
            renamer.ClearResults();
            renamer.Expand(*game, QStringLiteral("#"));
            row.candidates = renamer.Results();
        }
        rows.Add(row);
        // The first candidate is chosen until the user picks another.
        rows.Choose(rows.Count() - 1, 0);
    }
    db.reset();
    QStringList titles;
    for (const CRenameFormat &f : renamer.Formats())
        titles << f.title;
    CRenameDlg dialog(m_window, folder, rows, titles);
    dialog.exec();
    // Unknown recordings were stored, and a stopped batch renamed some files.
    m_form->Clear();
    m_list->Refresh(false);
}

void CRenameCommands::afterRename(const QString &newName)
{
    // The list is read again: the renamed row shows its new name, and a
    // row whose file the rename replaced is gone.
    m_form->Clear();
    m_list->Refresh(false);
    if (!newName.isEmpty())
        m_list->SelectFile(newName);
}

void CRenameCommands::showFormats()
{
    CRenameFormatsDlg dialog(m_window);
    if (dialog.exec() == QDialog::Accepted && m_list->SelectedRows().size() == 1)
        m_list->ShowSelected();
}
