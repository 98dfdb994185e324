#pragma once

#include "shell/CommandState.h"

#include <QMainWindow>

class CCommandTable;
class CExFormView;
class CExListView;
class CExplorerComboBox;
class CLanguageManager;
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

    CExListView *ListView() const { return m_list; }
    CExFormView *FormView() const { return m_form; }
    CExplorerComboBox *FolderBox() const { return m_folders; }
    CCommandTable *Commands() const { return m_commands; }
    QString FilesPaneText() const;
    QString GamesPaneText() const;

    // The popup menu of the game list, filled and enabled, not shown.
    void FillPopupMenu(QMenu *menu) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
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
    QSplitter *m_splitter;
    QLabel *m_okPane;
    QLabel *m_filesPane;
    QLabel *m_gamesPane;
    QMenu *m_languageMenu = nullptr;
    CommandState m_state;
};
