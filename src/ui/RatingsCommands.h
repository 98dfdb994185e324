#pragma once

#include <QObject>
#include <QString>

class CCommandTable;
class CExFormView;
class CExListView;
class QWidget;

// "Refresh Ratings" of the menu, the popup menu and F1: the players of the
// selected stored game are looked up on the rating service of its platform
// behind the wait dialog; the detail pane and the row show what was learnt.
class CRatingsCommands : public QObject
{
    Q_OBJECT
public:
    CRatingsCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form);

    void RefreshRatings();

private:
    void showError(const QString &reason);
    void refreshRow(const QString &fileName, int generation);

    QWidget *m_window;
    CExListView *m_list;
    CExFormView *m_form;
};
