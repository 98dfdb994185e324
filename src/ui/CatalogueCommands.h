#pragma once

#include <QObject>

class CCommandTable;
class CExFormView;
class CExListView;
class QWidget;

// The commands over the catalogue: the search of the current folder, the
// database management and top players dialogs, the players' countries of
// the selected game and its description for the clipboard.
class CCatalogueCommands : public QObject
{
    Q_OBJECT
public:
    CCatalogueCommands(QWidget *window, CCommandTable *commands, CExListView *list, CExFormView *form);

private:
    void search();
    void manageDatabase();
    void showTopPlayers();
    void editPlayers();
    void copyDescription();
    // The catalogue id of the single selected stored game, 0 when none.
    int selectedGameId() const;

    QWidget *m_window;
    CExListView *m_list;
    CExFormView *m_form;
};
