#pragma once

#include "explorer/FileOperations.h"

#include <QObject>

#include <functional>

class CCommandTable;
class CExFormView;
class CExListView;
class QDropEvent;
class QWidget;

// The file manager commands of the menu, the toolbar and the popup menu:
// delete, move and copy the selection, create a folder, rename one folder
// or file, and files dropped on the window from a file manager, copied
// into the folder shown. The list follows at once: deleted and moved rows
// leave it, a renamed row shows its new name.
class CFileCommands : public QObject
{
    Q_OBJECT
public:
    // F2 on one stored recording, or on several rows, goes to the rename
    // dialogs of the rename formats, which receive the selected rows. Until
    // a hook is set, F2 stays disabled for such a selection.
    using RenameGamesHook = std::function<void(const QList<int> &rows)>;

    CFileCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form);

    void SetRenameGamesHook(RenameGamesHook hook);

    // Where "Move to ..." and "Copy to ..." go when the user chooses: null
    // opens a folder browser; tests answer instead of the user.
    using FolderChooser = std::function<QString(const QString &prompt, const QString &start)>;
    void SetFolderChooser(FolderChooser chooser) { m_chooser = std::move(chooser); }

    // Copies local files and folders into the folder shown, with the
    // overwrite questions of "Copy to ...". Entries of that folder itself
    // are left alone. False when nothing was taken.
    bool CopyDropped(const QStringList &paths);

signals:
    // A change that an enabling rule depends on (the rename hook).
    void enablingChanged();

protected:
    // Files dragged onto the window.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Target { Ask, SaveGame, Desktop };

    void deleteSelection();
    void transferSelection(FileOperations::TransferMode mode, Target target);
    void createFolder();
    void renameSelection();
    bool renameAvailable() const;
    void renameOne(int row);

    QString chooseFolder(FileOperations::TransferMode mode, const QStringList &names) const;
    // Takes out rows whose entries are gone, with the counters, and clears
    // the detail pane.
    void removeRows(const QStringList &names);
    void showErrors(const QStringList &errors) const;
    QStringList droppedPaths(const QDropEvent &event) const;

    QWidget *m_window;
    CExListView *m_list;
    CExFormView *m_form;
    RenameGamesHook m_renameGames;
    FolderChooser m_chooser;
};
