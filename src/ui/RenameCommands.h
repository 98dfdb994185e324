#pragma once

#include "rename/Renamer.h"

#include <QObject>
#include <QStringList>

class CCommandTable;
class CExFormView;
class CExListView;
class CRecordedGame;
class QMenu;
class QWidget;

// The rename commands of the window: the rename dialogs for one stored game
// or several recordings, the quick rename entries of the popup menu (the
// names the formats give the selected game) and the "Rename Formats"
// dialog. The list follows every rename.
class CRenameCommands : public QObject
{
    Q_OBJECT
public:
    CRenameCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form);

    // Opens the rename dialog for the rows: one stored recording, or several
    // recordings.
    void RenameRows(const QList<int> &rows);
    // Whether RenameRows has something to do for the rows.
    bool CanRename(const QList<int> &rows) const;

    // The names of the quick rename entries, shown while one stored game is selected.
    QStringList QuickNames() const { return m_quickNames; }
    void QuickRename(int index);

private:
    void updateQuickRename(const CRecordedGame &game);
    void clearQuickRename();
    void showFormats();
    void renameOne(int row);
    void renameSeveral(const QList<int> &rows);
    // The list after a rename of one file.
    void afterRename(const QString &newName);

    QWidget *m_window;
    CCommandTable *m_commands;
    CExListView *m_list;
    CExFormView *m_form;
    QStringList m_quickNames;
    QString m_quickFile; // the file the quick names belong to
};
