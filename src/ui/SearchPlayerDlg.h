#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Player Search": nicknames of the catalogue by part of the name, country
// and rating range. "Ok" hands the selected nickname to the caller.
class CSearchPlayerDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CSearchPlayerDlg(QWidget *parent = nullptr);

    QString SelectedNick() const { return m_selected; }

private:
    void search();
    void select();
    void updateButtons();

    QLineEdit *m_nick;
    QComboBox *m_country;
    QComboBox *m_ratingMin;
    QComboBox *m_ratingMax;
    QPushButton *m_search;
    QListWidget *m_found;
    QLabel *m_selectedLabel;
    QPushButton *m_ok;
    QString m_selected;
};
