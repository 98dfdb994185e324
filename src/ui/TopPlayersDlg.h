#pragma once

#include <QDialog>

class QComboBox;
class QListWidget;

// "Top 15 Players": the best-rated players of a platform as the catalogue
// knows them, each with its country's flag.
class CTopPlayersDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CTopPlayersDlg(QWidget *parent = nullptr);

private:
    void fill();

    QComboBox *m_platform;
    QListWidget *m_players;
};
