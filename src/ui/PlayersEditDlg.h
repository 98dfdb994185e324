#pragma once

#include "ratings/PlayersInfo.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Edit Players Info": the players of a stored game with their flags; the
// user picks a country for each, and "Save Changes" writes every player's
// country to the catalogue at once.
class CPlayersEditDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CPlayersEditDlg(const QList<CPlayerInfo> &players, QWidget *parent = nullptr);

    const QList<CPlayerInfo> &Players() const { return m_players; }

private:
    void playerSelected();
    void change();
    void cancelChange();
    void save();
    void setEditing(bool on);

    QList<CPlayerInfo> m_players;
    QListWidget *m_list;
    QLineEdit *m_nick;
    QComboBox *m_country;
    QPushButton *m_change;
    QPushButton *m_cancelChange;
};
