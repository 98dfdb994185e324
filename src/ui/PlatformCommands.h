#pragma once

#include "explorer/PlatformChange.h"

#include <QObject>

class CCommandTable;
class CExFormView;
class CExListView;
class QWidget;

// The "Change Platform" commands of the menu and the popup menu: the
// selected stored game is filed under another rating platform behind the
// wait dialog, and its row and the detail pane follow.
class CPlatformCommands : public QObject
{
    Q_OBJECT
public:
    CPlatformCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form);

private:
    void changePlatform(int platform);
    void applyPlatformChange(const CGameRow &row, PlatformChange::Result result);

    QWidget *m_window;
    CExListView *m_list;
    CExFormView *m_form;
};
