#pragma once

#include "shell/CommandState.h"

#include <QMainWindow>

class CCommandTable;
class CExFormView;
class CExListView;
class CExplorerComboBox;
class CFileCommands;
class CFolderNavigation;
class CLanguageManager;
class CRenameCommands;
class QLabel;
class QMenu;
class QSplitter;

// The main window: menu bar, toolbar, folder bar, status bar, and the
// splitter with the game list and the detail pane. Every command arrives
// here, is enabled from the list's selection, and is handed to the part of
// the program that carries it out.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(CLanguageManager *languages = nullptr, QWidget *parent = nullptr);
    ~CMainFrame() override;

    // Lists the current folder for the first time.
    void InitialFill();
    // Size and place of the last run (with its toolbars), or on a first
    // start a default size that fits the screen.
    void RestoreGeometry();
    void SaveGeometry() const;
    bool GeometryRestored() const { return m_geometryRestored; }
    // Comes to the front, showing folder when it names one (a later start
    // of the program asked for it).
    void Activate(const QString &folder);

    CExListView *ListView() const { return m_list; }
    CExFormView *FormView() const { return m_form; }
    CExplorerComboBox *FolderBox() const { return m_folders; }
    CCommandTable *Commands() const { return m_commands; }
    CFolderNavigation *Navigation() const { return m_navigation; }
    CRenameCommands *Renames() const { return m_renames; }
    CFileCommands *FileCommands() const { return m_fileCommands; }
    QString FilesPaneText() const;
    QString GamesPaneText() const;

    // The popup menu of the game list, filled and enabled, not shown.
    void FillPopupMenu(QMenu *menu) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Leaves an archive or a search and lists folder.
    void showFolder(const QString &folder);
    void updateTitle(const QString &folder);
    void buildBars();
    void attachHandlers();
    void updateCommands();
    void updateCounters(int files, int games);
    void showConfiguration();
    void showAbout();
    void fillLanguageMenu();
    void resetSplitter();

    CLanguageManager *m_languages;
    CCommandTable *m_commands;
    CExListView *m_list;
    CExFormView *m_form;
    CExplorerComboBox *m_folders;
    CFolderNavigation *m_navigation = nullptr;
    CRenameCommands *m_renames = nullptr;
    CFileCommands *m_fileCommands = nullptr;
    QSplitter *m_splitter;
    QLabel *m_okPane;
    QLabel *m_filesPane;
    QLabel *m_gamesPane;
    QMenu *m_languageMenu = nullptr;
    CommandState m_state;
    bool m_geometryRestored = false;
};
