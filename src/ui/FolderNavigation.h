#pragma once

#include "shell/FolderHistory.h"

#include <QObject>

#include <functional>

class CExListView;
class QAction;
class QWidget;

// Moving between folders as in a file manager: Back (Alt+Left), Forward
// (Alt+Right) and Up (Alt+Up, Backspace), which selects the folder the user
// came from. The actions work anywhere in the window; the folder bar shows
// them as buttons.
class CFolderNavigation : public QObject
{
    Q_OBJECT
public:
    using ShowFolder = std::function<void(const QString &folder)>;

    // showFolder lists a folder the way the folder box does (leaving an
    // archive or a search).
    CFolderNavigation(QWidget *window, CExListView *list, ShowFolder showFolder);

    QAction *BackAction() const { return m_back; }
    QAction *ForwardAction() const { return m_forward; }
    QAction *UpAction() const { return m_up; }

    void Back();
    void Forward();
    void Up();

private:
    void onPathChanged(const QString &path);
    void walkTo(const QString &folder);
    void updateActions();

    CExListView *m_list;
    ShowFolder m_showFolder;
    CFolderHistory m_history;
    bool m_walking = false;
    QAction *m_back;
    QAction *m_forward;
    QAction *m_up;
};
