#include "ui/FileCommands.h"

#include "app/FileStrings.h"
#include "app/Settings.h"
#include "app/TextFormat.h"
#include "explorer/FileSystem.h"
#include "shell/CommandIds.h"
#include "ui/AttentionBox.h"
#include "ui/CommandTable.h"
#include "ui/ExFormView.h"
#include "ui/ExListView.h"
#include "ui/FileJobs.h"
#include "ui/GameListModel.h"
#include "ui/NameDialog.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <tuple>

using FileOperations::TransferMode;

namespace {

bool isStoredRecording(const CGameRow &row)
{
    return row.isFile && row.IsRecording() && row.IsKnown();
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

CFileCommands::CFileCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_form(form)
{
    for (int id : { Cmd::Delete, Cmd::PopupDelete })
        commands->SetHandler(id, [this] { deleteSelection(); });
    const std::tuple<int, TransferMode, Target> transfers[] = {
        { Cmd::MoveAsk, TransferMode::Move, Target::Ask },
        { Cmd::PopupMoveAsk, TransferMode::Move, Target::Ask },
        { Cmd::MoveSaveGame, TransferMode::Move, Target::SaveGame },
        { Cmd::PopupMoveSaveGame, TransferMode::Move, Target::SaveGame },
        { Cmd::MoveDesktop, TransferMode::Move, Target::Desktop },
        { Cmd::PopupMoveDesktop, TransferMode::Move, Target::Desktop },
        { Cmd::CopyAsk, TransferMode::Copy, Target::Ask },
        { Cmd::PopupCopyAsk, TransferMode::Copy, Target::Ask },
        { Cmd::CopySaveGame, TransferMode::Copy, Target::SaveGame },
        { Cmd::PopupCopySaveGame, TransferMode::Copy, Target::SaveGame },
        { Cmd::CopyDesktop, TransferMode::Copy, Target::Desktop },
        { Cmd::PopupCopyDesktop, TransferMode::Copy, Target::Desktop },
    };
    for (const auto &[id, mode, target] : transfers)
        commands->SetHandler(id, [this, mode = mode, target = target] { transferSelection(mode, target); });
    commands->SetHandler(Cmd::CreateFolder, [this] { createFolder(); });
    for (int id : { Cmd::Rename, Cmd::PopupRename })
        commands->SetHandler(
            id, [this] { renameSelection(); }, [this] { return renameAvailable(); });

    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

void CFileCommands::SetRenameGamesHook(RenameGamesHook hook)
{
    m_renameGames = std::move(hook);
    emit enablingChanged();
}

void CFileCommands::deleteSelection()
{
    const QList<int> rows = m_list->SelectedRows();
    if (rows.isEmpty())
        return;
    const CGameListModel *model = m_list->Model();
    QList<FileOperations::DeleteItem> items;
    for (int index : rows) {
        const CGameRow &row = model->Row(index);
        if (row.IsParent())
            return;
        items << FileOperations::DeleteItem { row.fileName, isStoredRecording(row) ? row.catalogueId : 0 };
    }
    // Without the trash nothing brings the files back: ask first.
    const bool toTrash = !CSettings::Instance().deleteDirectly;
    if (!toTrash) {
        const QString question = items.size() == 1
            ? FormatText(LoadString(StringId::DeleteOneForGood), { items.front().name })
            : FormatText(LoadString(StringId::DeleteManyForGood), { int(items.size()) });
        if (AttentionBox::Ask(
                m_window, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning)
            != QMessageBox::Yes)
            return;
    }
    const FileOperations::DeleteResult result
        = FileJobs::Delete(m_window, CSettings::Instance().CurrentPath(), items, toTrash);
    removeRows(result.deleted);
    showErrors(result.errors);
}

void CFileCommands::transferSelection(TransferMode mode, Target target)
{
    const QList<int> rows = m_list->SelectedRows();
    if (rows.isEmpty())
        return;
    const QString current = withSlash(CSettings::Instance().CurrentPath());
    QStringList names;
    for (int index : rows) {
        const CGameRow &row = m_list->Model()->Row(index);
        if (row.IsParent())
            return;
        names << row.fileName;
    }
    QString destination;
    switch (target) {
    case Target::Ask:
        destination = chooseFolder(mode, names);
        if (destination.isEmpty())
            return;
        break;
    case Target::SaveGame:
        destination = CSettings::Instance().SaveGameFolder();
        break;
    case Target::Desktop:
        destination = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        break;
    }
    if (destination.isEmpty() || !QFileInfo(destination).isDir()) {
        AttentionBox::Show(
            m_window, tr("The folder \"%1\" does not exist.").arg(QDir::toNativeSeparators(destination)));
        return;
    }
    if (FileOperations::SameFolder(destination, current))
        return;
    QStringList sources;
    for (const QString &name : names)
        sources << current + name;
    const FileOperations::TransferResult result = FileJobs::Transfer(m_window, sources, destination, mode);
    if (mode == TransferMode::Move) {
        QStringList gone;
        for (const QString &name : names) {
            if (!FileSystem::Exists(current + name))
                gone << name;
        }
        removeRows(gone);
    }
    showErrors(result.errors);
}

QString CFileCommands::chooseFolder(TransferMode mode, const QStringList &names) const
{
    const bool move = mode == TransferMode::Move;
    const QString prompt = names.size() == 1
        ? FormatText(LoadString(move ? StringId::MoveOnePrompt : StringId::CopyOnePrompt), { names.front() })
        : FormatText(LoadString(move ? StringId::MoveManyPrompt : StringId::CopyManyPrompt), { int(names.size()) });
    const QString start = CSettings::Instance().CurrentPath();
    if (m_chooser)
        return m_chooser(prompt.trimmed(), start);
    return QFileDialog::getExistingDirectory(m_window, prompt.trimmed(), start);
}

bool CFileCommands::CopyDropped(const QStringList &paths)
{
    const QString current = CSettings::Instance().CurrentPath();
    QStringList sources;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (FileSystem::Exists(path) && !FileOperations::SameFolder(info.absolutePath(), current))
            sources << info.absoluteFilePath();
    }
    if (sources.isEmpty())
        return false;
    const FileOperations::TransferResult result = FileJobs::Transfer(m_window, sources, current, TransferMode::Copy);
    if (result.changed)
        m_list->Refresh(true);
    showErrors(result.errors);
    return true;
}

QStringList CFileCommands::droppedPaths(const QDropEvent &event) const
{
    // Rows dragged out of the list itself are entries of this folder, and
    // an archive's listing takes no files.
    if (event.source() || CSettings::Instance().BrowsingArchive() || !event.mimeData()->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl &url : event.mimeData()->urls()) {
        if (url.isLocalFile())
            paths << QDir::cleanPath(url.toLocalFile());
    }
    return paths;
}

bool CFileCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (droppedPaths(*drag).isEmpty())
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = droppedPaths(*drop);
        if (paths.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The file manager waits for the drop to end: the questions and the
        // progress come after it.
        QTimer::singleShot(0, this, [this, paths] { CopyDropped(paths); });
        return true;
    }
    default:
        return false;
    }
}

void CFileCommands::createFolder()
{
    const QString folder = CSettings::Instance().CurrentPath();
    const auto dialog = CNameDialog::CreateFolder(
        m_window, [folder](const QString &name) { return FileOperations::CreateFolder(folder, name); });
    if (dialog->exec() != QDialog::Accepted)
        return;
    m_list->Refresh(true);
    m_list->SelectFile(dialog->AcceptedName().trimmed());
}

bool CFileCommands::renameAvailable() const
{
    if (m_renameGames)
        return true;
    const QList<int> rows = m_list->SelectedRows();
    return rows.size() == 1 && !isStoredRecording(m_list->Model()->Row(rows.front()));
}

void CFileCommands::renameSelection()
{
    const QList<int> rows = m_list->SelectedRows();
    if (rows.isEmpty())
        return;
    if (rows.size() == 1 && !isStoredRecording(m_list->Model()->Row(rows.front())))
        renameOne(rows.front());
    else if (m_renameGames)
        m_renameGames(rows);
}

void CFileCommands::renameOne(int index)
{
    const CGameRow row = m_list->Model()->Row(index);
    if (row.IsParent())
        return;
    const QString folder = CSettings::Instance().CurrentPath();
    const bool isFolder = !row.isFile;
    const auto dialog = CNameDialog::Rename(m_window, row.fileName, isFolder,
        [&](const QString &name) { return FileOperations::RenameEntry(folder, row.fileName, name, isFolder); });
    if (dialog->exec() != QDialog::Accepted || dialog->AcceptedName() == row.fileName)
        return;
    // The row takes its new name where it is; the list is not read again.
    CGameListModel *model = m_list->Model();
    const int now = model->FindRow(row.fileName);
    if (now < 0)
        return;
    CGameRow renamed = model->Row(now);
    renamed.fileName = dialog->AcceptedName();
    model->UpdateRow(now, renamed);
}

void CFileCommands::removeRows(const QStringList &names)
{
    if (names.isEmpty())
        return;
    CGameListModel *model = m_list->Model();
    int files = model->FilesCounter();
    int games = model->GamesCounter();
    for (const QString &name : names) {
        const int index = model->FindRow(name);
        if (index < 0)
            continue;
        const CGameRow &row = model->Row(index);
        files -= row.isFile ? 1 : 0;
        games -= isStoredRecording(row) ? 1 : 0;
    }
    m_list->clearSelection();
    model->RemoveRows(names);
    model->SetCounters(qMax(0, files), qMax(0, games));
    m_form->Clear();
}

void CFileCommands::showErrors(const QStringList &errors) const
{
    if (errors.isEmpty())
        return;
    // A long batch of failures is summed up: the box must fit the screen.
    constexpr int kShown = 10;
    QStringList lines = errors.mid(0, kShown);
    if (errors.size() > kShown)
        lines << tr("... and %n more.", nullptr, int(errors.size() - kShown));
    AttentionBox::Show(m_window, lines.join(QStringLiteral("\n\n")));
}
